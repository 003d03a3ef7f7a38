#pragma once
// Conversions between numbers and text that never depend on the machine's locale.
#include <string>

namespace vl {

// The text of a number as the user sees it: at most 15 significant digits, trailing zeros
// dropped, "," as decimal mark, "-0" written 0, exponent form (1E+15, 1,5E-05) from 1E+15
// upwards and below 1E-04.
std::string NumberText(double v);

// Round to 2 decimals, a true half of the double going to the even neighbour (0.125 -> 0.12).
double RoundHalfEven2(double v);

// The shortest numeral that reads back to exactly v, with "." as decimal point and never an
// exponent, for numbers written back into an expression text. Infinity or NaN: error 6.
std::string PlainNumeral(double v);

// A number typed into a range box: optional blanks, optional sign, digits with at most one
// decimal separator ("," or "."), optional exponent (1E+15, 1,5E-05, 2e3). Anything else:
// error 13; beyond a double: error 6.
double ParseRangeNumber(const std::string& text);

}  // namespace vl
