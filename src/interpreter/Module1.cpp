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

// A coefficient of x or y that rounds to 1 or -1 is written as its sign alone.
Coef UnitAsSign(double v) {
  Coef cell = v;
  if (v == 1)
    cell = std::string();
  else if (v == -1)
    cell = std::string("-");
  return cell;
}

}  // namespace

LineEquation GeneralLineEquation(double a, double b, double c) {
  LineEquation out;
  out.a = UnitAsSign(RoundHalfEven2(a));
  out.b = UnitAsSign(RoundHalfEven2(b));
  out.c = RoundHalfEven2(c);
  std::string text = out.a.Text() + "x+" + out.b.Text() + "y";
  if (out.c.Number() != 0) text += "+" + out.c.Text();
  text += "=0";
  out.text = TidyEquationSigns(std::move(text));
  return out;
}

void StoreLine(const Coef& a, const Coef& b, const Coef& c) {
  CoefA = a;
  CoefB = b;
  CoefC = c;
}

const std::string& BuildLineEquationText(double a, double b, double c) {
  LineEquation equation = GeneralLineEquation(a, b, c);
  StoreLine(equation.a, equation.b, equation.c);
  EquationText = std::move(equation.text);
  return EquationText;
}

std::string TidyEquationSigns(std::string text) {
  ReplaceAll(text, "+-", "-");
  ReplaceAll(text, "-+", "-");
  ReplaceAll(text, "--", "+");
  return text;
}

}  // namespace vl::Module1
