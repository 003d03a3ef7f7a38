#include "LineReader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "Checked.h"
#include "clsEquation.h"
#include "NumberText.h"
#include "ProblemMechanics.h"

namespace vl {

std::string CleanEquationText(const std::string& typed) {
  std::string cleaned = typed;
  std::erase(cleaned, ' ');
  return cleaned;
}

std::optional<Verdict> LineTextVerdict(const std::string& cleaned) {
  for (const char* bad : {">", "<", "^3", "^2"}) {
    if (cleaned.find(bad) != std::string::npos)
      return Verdict{"A equação não representa uma recta.", kApplicationTitle};
  }
  return std::nullopt;
}

std::string EquationDifferenceText(const std::string& cleaned) {
  const auto eq = cleaned.find('=');
  if (eq == std::string::npos) checked::RaiseInvalidArgument();
  return cleaned.substr(0, eq) + "-(" + cleaned.substr(eq + 1) + ")";
}

DifferenceSampler::DifferenceSampler(const std::string& difference) {
  eq_.Equation(difference);
  eq_.Var("x", 0);
  eq_.Var("y", 0);
  eq_.Solve();
  constant_ = eq_.Solution();
  rest_ = difference + "-(" + PlainNumeral(constant_) + ")";
}

double DifferenceSampler::WithoutConstant(double x, double y) {
  eq_.Equation(rest_);
  eq_.Var("y", y);
  eq_.Var("x", x);
  eq_.Solve();
  return eq_.Solution();
}

geo::Line LineFromDifference(const std::string& s) {
  DifferenceSampler g(s);
  geo::Line line;
  line.c = g.Constant();
  line.a = g.WithoutConstant(1, 0);
  line.b = g.WithoutConstant(0, 1);

  RemoveReaderNoise({&line.a, &line.b, &line.c});
  return line;
}

std::variant<geo::Line, Verdict> LineEquationToCoefficients(const std::string& typed) {
  const std::string cleaned = CleanEquationText(typed);
  if (auto verdict = LineTextVerdict(cleaned)) return *verdict;
  return LineFromDifference(EquationDifferenceText(cleaned));
}

namespace {

// floor(log10 m) for a finite m > 0, immune to log10's own rounding near powers of ten.
int DecimalExponent(double m) {
  int e = static_cast<int>(std::floor(std::log10(m)));
  auto power = [](int k) { return std::strtod(("1e" + std::to_string(k)).c_str(), nullptr); };
  if (power(e) > m) --e;
  if (power(e + 1) <= m) ++e;
  return e;
}

// The double nearest n·10^k.
double DecimalValue(double n, int k) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.0fe%d", n, k);
  return std::strtod(buf, nullptr);
}

}  // namespace

void RemoveReaderNoise(std::initializer_list<double*> values) { RemoveReaderNoise(values, 0); }

void RemoveReaderNoise(std::initializer_list<double*> values, double magnitude) {
  double m = std::fabs(magnitude);
  for (const double* v : values) m = std::max(m, std::fabs(*v));
  if (m == 0 || !std::isfinite(m)) return;
  const int k = DecimalExponent(m) - 12;
  const double step = DecimalValue(1, k);
  for (double* v : values) {
    const double n = std::nearbyint(*v / step);
    const double snapped = DecimalValue(n, k);
    if (std::fabs(snapped - *v) <= 1e-14 * m) *v = snapped;
  }
}

}  // namespace vl
