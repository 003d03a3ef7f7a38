#pragma once
// The 49 functions a text can call and the random source behind rnd, random( and rand(.
#include <string_view>

namespace vl::expr {

// A function token's place in the function table ("sin(" with its parenthesis); -1 for a
// name that is no function.
int FunctionId(std::string_view token);

// The function at that place applied to x, and y for the functions of two arguments. In
// degree mode the trigonometric functions take and give degrees.
double Apply(int function, double x, double y, bool degrees);

// The next draw of the random source, as the name "rnd" gives it.
double NextRandom();

}  // namespace vl::expr
