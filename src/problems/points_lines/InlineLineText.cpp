#include "InlineLineText.h"

#include <string>

#include "NumberText.h"

namespace vl {

namespace {

// A unit coefficient becomes its sign alone; any other is rounded. The test comes first, on the
// value as computed.
void SignOrRounded(Module1::Coef& cell) {
  const double v = cell.Number();
  if (v == 1)
    cell = std::string();
  else if (v == -1)
    cell = std::string("-");
  else
    cell = RoundHalfEven2(v);
}

std::string TidyPlusMinus(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '+' && i + 1 < text.size() && text[i + 1] == '-') continue;
    out += text[i];
  }
  return out;
}

}  // namespace

void InlineLineEquationText(Module1::Coef& a, Module1::Coef& b, Module1::Coef& c, Control& field) {
  SignOrRounded(a);
  SignOrRounded(b);
  c = RoundHalfEven2(c.Number());
  std::string text = a.Text() + "x+" + b.Text() + "y";
  if (c.Number() != 0) {
    text += '+';
    text += c.Text();
  }
  text += " = 0";
  field.text = TidyPlusMinus(text);
}

void InlineLineEquationText(Control& field) {
  InlineLineEquationText(Module1::CoefA, Module1::CoefB, Module1::CoefC, field);
}

}  // namespace vl
