#include "CircleCircle.h"

#include "Checked.h"

namespace vl {

using namespace checked;

CircleCircleCrossings CircleCircleIntersection(const CircleData& first, const CircleData& second) {
  const double h1 = first.h, k1 = first.k, r1 = first.r;
  const double h2 = second.h, k2 = second.k, r2 = second.r;

  CircleCircleCrossings out;
  const double dh2 = Pow(Sub(h1, h2), 2);
  const double dk2 = Pow(Sub(k1, k2), 2);
  const double d2 = Add(dh2, dk2);
  out.K = Mul(-Sub(d2, Pow(Sub(r1, r2), 2)), Sub(d2, Pow(Add(r1, r2), 2)));
  if (out.K < 0) return out;

  const double s = Sqrt(out.K);
  const double m = Add(Mul(2, dh2), Mul(2, dk2));
  const double radii = Sub(Pow(r1, 2), Pow(r2, 2));
  // The foot of the common chord, before the division by m.
  const double xFoot = Add(Mul(Sub(h2, h1), Add(Sub(radii, Pow(h1, 2)), Pow(h2, 2))), Mul(Add(h1, h2), dk2));
  const double yFoot = Add(Mul(Sub(k2, k1), Add(Sub(radii, Pow(k1, 2)), Pow(k2, 2))), Mul(Add(k1, k2), dh2));
  const double xOffset = Mul(Sub(k1, k2), s);
  const double yOffset = Mul(Sub(h1, h2), s);
  out.a = {Div(Add(xFoot, xOffset), m), Div(Sub(yFoot, yOffset), m)};
  out.b = {Div(Sub(xFoot, xOffset), m), Div(Add(yFoot, yOffset), m)};
  return out;
}

}  // namespace vl
