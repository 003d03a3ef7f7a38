#pragma once
// Arithmetic that raises the program's run-time errors instead of producing inf or NaN:
// 11 for a zero divisor, 6 for overflow and invalid operations (0/0), 5 for a domain fault.
// Handler code and the interpreter both go through these, so a fault never reaches a drawing.
#include <cmath>
#include <cstdint>

namespace vl::checked {

[[noreturn]] void RaiseInvalidArgument();  // 5
[[noreturn]] void RaiseOverflow();         // 6
[[noreturn]] void RaiseDivisionByZero();   // 11
[[noreturn]] void RaiseTypeMismatch();     // 13

// The operations the interpreter runs for every operator are inline: a call each would cost
// more than the arithmetic.

// inf or NaN -> 6; otherwise v.
inline double Finite(double v) {
  if (!std::isfinite(v)) RaiseOverflow();
  return v;
}

inline double Add(double a, double b) { return Finite(a + b); }
inline double Sub(double a, double b) { return Finite(a - b); }
inline double Mul(double a, double b) { return Finite(a * b); }

// b == 0: 11, or 6 when a is 0 too (0/0 is an invalid operation, not a division by zero).
inline double Div(double a, double b) {
  if (b == 0) {
    if (a == 0 || std::isnan(a)) RaiseOverflow();
    RaiseDivisionByZero();
  }
  return Finite(a / b);
}

// A negative base with a non-integer power, or 0 to a negative power: 5; overflow: 6.
inline double Pow(double base, double exponent) {
  if (std::isnan(base) || std::isnan(exponent)) RaiseOverflow();
  if (base == 0 && exponent < 0) RaiseInvalidArgument();
  if (base < 0 && std::isfinite(exponent) && exponent != std::trunc(exponent)) RaiseInvalidArgument();
  return Finite(std::pow(base, exponent));
}

// Negative: 5.
double Sqrt(double v);
// Zero or negative: 5.
double Log(double v);
// Overflow of e^v: 6.
double Exp(double v);
// Beyond single precision (after rounding) or NaN: 6.
float ToSingle(double v);
// Round half to even into a 32-bit integer; outside that range: 6.
std::int32_t ToInt32(double v);

}  // namespace vl::checked
