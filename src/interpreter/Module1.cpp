#include "Module1.h"

#include "Checked.h"
#include "NumberText.h"

namespace vl::Module1 {

Coef CoefA, CoefB, CoefC;
std::string EquationText;

Coef& Coef::operator=(double v) {
  isNumber_ = true;
  number_ = v;
  text_.clear();
  return *this;
}

Coef& Coef::operator=(std::string text) {
  isNumber_ = false;
  number_ = 0;
  text_ = std::move(text);
  return *this;
}

double Coef::Number() const {
  if (!isNumber_) checked::RaiseTypeMismatch();
  return number_;
}

std::string Coef::Text() const { return isNumber_ ? NumberText(number_) : text_; }

namespace {

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  std::string out;
  std::size_t pos = 0;
  for (std::size_t hit; (hit = text.find(from, pos)) != std::string::npos; pos = hit + from.size()) {
    out.append(text, pos, hit - pos);
    out += to;
  }
  out.append(text, pos, std::string::npos);
  text = std::move(out);
}

void UnitAsSign(Coef& cell) {
  if (cell.Number() == 1)
    cell = std::string();
  else if (cell.Number() == -1)
    cell = std::string("-");
}

}  // namespace

void BuildLineEquationText() {
  CoefA = RoundHalfEven2(CoefA.Number());
  CoefB = RoundHalfEven2(CoefB.Number());
  CoefC = RoundHalfEven2(CoefC.Number());
  UnitAsSign(CoefA);
  UnitAsSign(CoefB);
  EquationText = CoefA.Text() + "x+" + CoefB.Text() + "y";
  if (CoefC.Number() != 0) EquationText += "+" + CoefC.Text();
  EquationText += "=0";
  TidyEquationSigns();
}

void TidyEquationSigns() {
  ReplaceAll(EquationText, "+-", "-");
  ReplaceAll(EquationText, "-+", "-");
  ReplaceAll(EquationText, "--", "+");
}

}  // namespace vl::Module1
