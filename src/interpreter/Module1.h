#pragma once
// The current line a*x + b*y + c = 0 shared by all windows, and the text of its general
// equation.
#include <string>

namespace vl::Module1 {

// A coefficient cell: a number, or a text once the equation text has replaced a 1 or -1 by
// "" or "-".
class Coef {
 public:
  Coef() = default;
  Coef(double v) : number_(v) {}  // NOLINT: a cell is assigned numbers freely
  Coef& operator=(double v);
  Coef& operator=(std::string text);

  bool IsNumber() const { return isNumber_; }
  // The number held; a text raises 13 "Tipos incompatíveis".
  double Number() const;
  // NumberText of the number, or the text itself.
  std::string Text() const;

 private:
  bool isNumber_ = true;
  double number_ = 0;
  std::string text_;
};

extern Coef CoefA, CoefB, CoefC;
extern std::string EquationText;

// Rounds the three cells to 2 decimals (written back), turns a 1 or -1 of x or y into "" or
// "-", and writes the general form into EquationText ("2x-y=0", "0x+2y+3=0").
void BuildLineEquationText();
// "+-" -> "-", then "-+" -> "-", then "--" -> "+", each left to right.
void TidyEquationSigns();

}  // namespace vl::Module1
