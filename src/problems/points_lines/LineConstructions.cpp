#include "LineConstructions.h"

#include "Checked.h"
#include "Module1.h"

namespace vl {

using checked::Mul;
using checked::Sub;
using Module1::CoefA;
using Module1::CoefB;
using Module1::CoefC;

void LineThroughTwoPoints(PlanePoint p1, PlanePoint p2) {
  CoefA = Sub(p2.y, p1.y);
  CoefB = Sub(p1.x, p2.x);
  CoefC = Sub(Mul(p2.x, p1.y), Mul(p1.x, p2.y));
}

void ParallelThroughPoint(PlanePoint p) {
  const double a = CoefA.Number();
  const double b = CoefB.Number();
  CoefC = Sub(Mul(-a, p.x), Mul(b, p.y));
}

void PerpendicularThroughPoint(PlanePoint p) {
  const double a = CoefA.Number();
  const double b = CoefB.Number();
  CoefA = b;
  CoefB = -a;
  CoefC = Sub(Mul(a, p.y), Mul(b, p.x));
}

}  // namespace vl
