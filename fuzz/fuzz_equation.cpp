// Feeds any text and variable values to the expression object. Only the program's own
// run-time errors are an expected outcome; any other exception, a crash, a sanitizer report,
// or a result that is not a finite number is a finding.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "clsEquation.h"
#include "NumberText.h"
#include "RunTimeError.h"

namespace {

double TakeDouble(const std::uint8_t*& data, std::size_t& size) {
  double v = 0;
  if (size >= sizeof v) {
    std::memcpy(&v, data, sizeof v);
    data += sizeof v;
    size -= sizeof v;
  }
  return v;
}

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first 16 bytes, when present, are the values of x and y; the rest is the text.
  const double x = TakeDouble(data, size);
  const double y = TakeDouble(data, size);
  const std::string text(reinterpret_cast<const char*>(data), size);

  vl::clsEquation eq;
  eq.Equation(text);
  for (const double point : {x, 0.0, -1.5}) {
    eq.Var("x", point);
    eq.Var("Y", y);
    try {
      eq.Solve();
      Check(std::isfinite(eq.Solution()));
    } catch (const vl::RunTimeError& e) {
      Check(e.Source() == "Interpretador");
      Check(e.Number() == 5 || e.Number() == 6 || e.Number() == 11 || (e.Number() >= 1100 && e.Number() <= 1104));
    }
  }

  // Numbers written for the user never fail; numerals written back read back exactly.
  for (const double v : {x, y}) {
    (void)vl::NumberText(v);
    (void)vl::RoundHalfEven2(v);
    if (!std::isfinite(v)) continue;
    vl::clsEquation back;
    back.Equation(vl::PlainNumeral(v));
    Check(back.Solution() == v);
  }

  try {
    const double r = vl::ParseRangeNumber(text);
    Check(std::isfinite(r));
  } catch (const vl::RunTimeError& e) {
    Check(e.Number() == 13 || e.Number() == 6);
  }
  return 0;
}
