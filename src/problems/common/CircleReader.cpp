#include "CircleReader.h"

#include <algorithm>
#include <cmath>

#include "Checked.h"
#include "ProblemMechanics.h"

namespace vl {

using namespace checked;

std::optional<Verdict> CircleTextVerdict(const std::string& cleaned, const CircleMessages& messages) {
  for (const char* bad : {">", "<", "^4", "^3"}) {
    if (cleaned.find(bad) != std::string::npos) return Verdict{messages.notACircle, kApplicationTitle};
  }
  return std::nullopt;
}

CircleQuadratic CircleQuadraticOf(const std::string& s) {
  DifferenceSampler g(s);
  CircleQuadratic q;
  q.F = g.Constant();

  // Without its constant term the difference is g(x, y) = A·x² + B·y² + C·x·y + D·x + E·y.
  const double g01 = g.WithoutConstant(0, 1);
  const double g10 = g.WithoutConstant(1, 0);
  const double g11 = g.WithoutConstant(1, 1);
  const double g21 = g.WithoutConstant(2, 1);
  const double g12 = g.WithoutConstant(1, 2);

  // Second differences give the square terms, the mixed difference the x·y term, and what is
  // left of the first differences the linear terms.
  const double twoG11 = Mul(2, g11);
  q.A = Div(Add(Sub(g01, twoG11), g21), 2);
  q.B = Div(Add(Sub(g10, twoG11), g12), 2);
  q.C = Sub(Sub(g11, g10), g01);
  q.D = Div(Sub(Add(Add(-g01, Mul(2, g10)), twoG11), g21), 2);
  q.E = Div(Sub(Add(Sub(Mul(2, g01), g10), twoG11), g12), 2);

  RemoveReaderNoise({&q.A, &q.B, &q.C, &q.D, &q.E, &q.F});
  return q;
}

std::variant<NormalisedCircle, Verdict> NormaliseCircle(const CircleQuadratic& q, const CircleMessages& messages) {
  if (q.C != 0 || q.A != q.B || q.A == 0 || q.B == 0) return Verdict{messages.notACircle, kApplicationTitle};
  return NormalisedCircle{Div(q.D, q.A), Div(q.E, q.A), Div(q.F, q.A)};
}

std::variant<geo::Circle, Verdict> CircleFromNormalised(const NormalisedCircle& n, const CircleMessages& messages) {
  const double d2 = Mul(n.d, n.d), e2 = Mul(n.e, n.e), f4 = Mul(4, n.f);
  double X = Sub(Add(d2, e2), f4);
  // Decimal data leave round-off in X where its terms cancel: (x-0.1)^2+(y-0.2)^2=0 is a point.
  RemoveReaderNoise({&X}, std::max({d2, e2, std::fabs(f4)}));
  if (X < 0) return Verdict{messages.notACircle, kApplicationTitle};
  if (X == 0) return Verdict{messages.aPoint, kApplicationTitle};
  return geo::Circle{Div(-n.d, 2), Div(-n.e, 2), Div(Sqrt(X), 2)};
}

std::variant<geo::Circle, Verdict> CircleEquationToCoefficients(const std::string& typed,
                                                                const CircleMessages& messages) {
  const std::string cleaned = CleanEquationText(typed);
  if (auto verdict = CircleTextVerdict(cleaned, messages)) return *verdict;
  const auto normalised = NormaliseCircle(CircleQuadraticOf(EquationDifferenceText(cleaned)), messages);
  if (const Verdict* verdict = std::get_if<Verdict>(&normalised)) return *verdict;
  return CircleFromNormalised(std::get<NormalisedCircle>(normalised), messages);
}

}  // namespace vl
