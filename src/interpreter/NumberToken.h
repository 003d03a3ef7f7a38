#pragma once
// The value of a number token, as the tokenizer stores it: the typed "." is a ",".
#include <string_view>

namespace vl::expr {

// Digits with at most one "," and at least one digit. NaN marks a token that is not a number;
// infinity one that is too large for a double.
double NumberTokenValue(std::string_view token);

}  // namespace vl::expr
