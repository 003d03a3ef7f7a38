#pragma once
// The general equation of a line written by a handler itself rather than by
// BuildLineEquationText: "0,58x-y+3,58 = 0". It differs on purpose: a coefficient of exactly 1 or
// -1 is recognised before rounding (so 0.9999999999999999 stays the number 1 before "x"), a zero
// coefficient of x or y stays in the text, the tail is " = 0" with blanks, and only "+-" is tidied.
#include "Control.h"
#include "Module1.h"

namespace vl {

// Writes a·x + b·y + c = 0 into the field. The cells are rewritten as the text used them: a or b
// that was exactly 1 or -1 becomes "" or "-", every other value is rounded to 2 decimals.
void InlineLineEquationText(Module1::Coef& a, Module1::Coef& b, Module1::Coef& c, Control& field);

// The same on the shared cells CoefA, CoefB, CoefC.
void InlineLineEquationText(Control& field);

}  // namespace vl
