#pragma once
// The general equation of a line written by a handler itself rather than by the shared general
// form: "0,58x-y+3,58 = 0". It differs on purpose: a coefficient of exactly 1 or -1 is recognised
// before rounding (so 0.9999999999999999 stays the number 1 before "x"), a zero coefficient of x
// or y stays in the text, the tail is " = 0" with blanks, and only "+-" is tidied.
#include "Module1.h"
#include "Values.h"

namespace vl {

// The text and the coefficients as it used them: a or b that was exactly 1 or -1 becomes "" or
// "-", every other value is rounded to 2 decimals.
Module1::LineEquation InlineLineEquationText(const geo::Line& line);

}  // namespace vl
