#include "InlineLineText.h"

#include <string>

#include "NumberText.h"

namespace vl {

namespace {

// A unit coefficient becomes its sign alone; any other is rounded. The test comes first, on the
// value as computed.
Module1::Coef SignOrRounded(double v) {
  Module1::Coef cell = RoundHalfEven2(v);
  if (v == 1)
    cell = std::string();
  else if (v == -1)
    cell = std::string("-");
  return cell;
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

Module1::LineEquation InlineLineEquationText(const geo::Line& line) {
  Module1::LineEquation out;
  out.a = SignOrRounded(line.a);
  out.b = SignOrRounded(line.b);
  out.c = RoundHalfEven2(line.c);
  std::string text = out.a.Text() + "x+" + out.b.Text() + "y";
  if (out.c.Number() != 0) {
    text += '+';
    text += out.c.Text();
  }
  text += " = 0";
  out.text = TidyPlusMinus(text);
  return out;
}

}  // namespace vl
