#include "LineCircle.h"

#include "Checked.h"

namespace vl {

using namespace checked;

LineCircleCrossings LineCircleIntersection(double a, double b, double c, double h, double k, double r) {
  LineCircleCrossings out;
  const double n = Add(Mul(a, a), Mul(b, b));
  const double centreValue = Add(Add(Mul(a, h), Mul(b, k)), c);
  out.delta = Sub(Mul(Mul(r, r), n), Mul(centreValue, centreValue));
  if (out.delta < 0) return out;

  const double s = Sqrt(out.delta);
  const double xFoot = Sub(Sub(Mul(Mul(b, b), h), Mul(Mul(a, b), k)), Mul(a, c));
  const double yFoot = Sub(Sub(Mul(Mul(a, a), k), Mul(Mul(a, b), h)), Mul(b, c));
  out.p1 = {Div(Add(xFoot, Mul(b, s)), n), Div(Sub(yFoot, Mul(a, s)), n)};
  out.p2 = {Div(Sub(xFoot, Mul(b, s)), n), Div(Add(yFoot, Mul(a, s)), n)};
  return out;
}

}  // namespace vl
