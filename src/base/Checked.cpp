#include "Checked.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "RunTimeError.h"

namespace vl::checked {

void RaiseInvalidArgument() { throw RunTimeError(err::kInvalidArgument, err::kInvalidArgumentText); }
void RaiseOverflow() { throw RunTimeError(err::kOverflow, err::kOverflowText); }
void RaiseDivisionByZero() { throw RunTimeError(err::kDivisionByZero, err::kDivisionByZeroText); }
void RaiseTypeMismatch() { throw RunTimeError(err::kTypeMismatch, err::kTypeMismatchText); }

double Sqrt(double v) {
  if (v < 0) RaiseInvalidArgument();
  return Finite(std::sqrt(v));
}

double Log(double v) {
  if (v <= 0) RaiseInvalidArgument();
  return Finite(std::log(v));
}

double Exp(double v) { return Finite(std::exp(Finite(v))); }

float ToSingle(double v) {
  if (std::isnan(v)) RaiseOverflow();
  // Values up to half a unit beyond the largest float still round to it; from there on,
  // round-to-nearest-even gives infinity.
  constexpr double kLimit = static_cast<double>(FLT_MAX) + 0x1p103;
  if (std::fabs(v) >= kLimit) RaiseOverflow();
  if (v > FLT_MAX) return FLT_MAX;
  if (v < -FLT_MAX) return -FLT_MAX;
  return static_cast<float>(v);
}

std::int32_t ToInt32(double v) {
  if (!std::isfinite(v)) RaiseOverflow();
  const double r = std::nearbyint(v);  // the default rounding mode sends halves to even
  if (r < -2147483648.0 || r > 2147483647.0) RaiseOverflow();
  return static_cast<std::int32_t>(r);
}

}  // namespace vl::checked
