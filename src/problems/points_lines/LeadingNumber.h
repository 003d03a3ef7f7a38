#pragma once
// The number a text begins with, for the one box that is read as a plain number rather than
// evaluated: "60/2" is 60, "30 graus" is 30, a text that begins with no number is 0.
#include <string>

namespace vl {

// Blanks, tabs and line breaks are skipped wherever they stand ("1 5" is 15); then an optional
// sign, digits with at most one ".", and an optional exponent (E or D, optional sign, digits).
// Reading stops at the first character that cannot continue the number. A value beyond a
// double raises error 6.
double LeadingNumber(const std::string& text);

}  // namespace vl
