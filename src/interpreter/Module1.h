#pragma once
// The current line a*x + b*y + c = 0 shared by all windows, and the text of its general
// equation. Handlers hand lines to each other as values; these cells only show every window the
// last line a handler published, as its coefficients were at that moment.
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

// The general equation as the windows write it, with the three coefficients as it used them:
// each rounded to 2 decimals, a 1 or -1 of x or y (after rounding) as "" or "-".
struct LineEquation {
  Coef a, b, c;
  std::string text;  // "2x-y=0", "0x+2y+3=0": the general form always
};
LineEquation GeneralLineEquation(double a, double b, double c);

// The cells as a handler leaves them.
void StoreLine(const Coef& a, const Coef& b, const Coef& c);
// The cells take the equation's coefficients and EquationText its text; returns the text.
const std::string& BuildLineEquationText(double a, double b, double c);

// "+-" -> "-", then "-+" -> "-", then "--" -> "+", each left to right.
std::string TidyEquationSigns(std::string text);

}  // namespace vl::Module1
