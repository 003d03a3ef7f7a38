#include "Triangles.h"

#include <cmath>

#include "Checked.h"
#include "Circles.h"

namespace vl::geo {

using namespace checked;

namespace {

// a + b + c − d − e − f, summed left to right: the orthocentre's numerators.
double ThreeMinusThree(double a, double b, double c, double d, double e, double f) {
  return Sub(Sub(Sub(Add(Add(a, b), c), d), e), f);
}

}  // namespace

Point Circumcentre(Point A, Point B, Point C) { return CircleThroughThreePoints(A, B, C).centre; }

Point Incentre(Point A, Point B, Point C) {
  const double a = PointDistance(B, C).d;
  const double b = PointDistance(C, A).d;
  const double c = PointDistance(A, B).d;
  const double perimeter = Add(Add(a, b), c);
  return {Div(Add(Add(Mul(a, A.x), Mul(b, B.x)), Mul(c, C.x)), perimeter),
          Div(Add(Add(Mul(a, A.y), Mul(b, B.y)), Mul(c, C.y)), perimeter)};
}

Point Orthocentre(Point A, Point B, Point C) {
  const double x1 = A.x, y1 = A.y, x2 = B.x, y2 = B.y, x3 = C.x, y3 = C.y;
  const double det = ThreePointDeterminant(A, B, C);
  const double px13 = Add(Mul(x1, x3), Mul(y2, y2));
  const double px23 = Add(Mul(x2, x3), Mul(y1, y1));
  const double px12 = Add(Mul(x1, x2), Mul(y3, y3));
  const double hx = Div(
      ThreeMinusThree(Mul(px13, y1), Mul(px23, y3), Mul(px12, y2), Mul(px13, y3), Mul(px12, y1), Mul(px23, y2)), det);
  const double py23 = Add(Mul(y2, y3), Mul(x1, x1));
  const double py12 = Add(Mul(y1, y2), Mul(x3, x3));
  const double py13 = Add(Mul(y1, y3), Mul(x2, x2));
  const double hy = Div(
      ThreeMinusThree(Mul(py23, x2), Mul(py12, x1), Mul(py13, x3), Mul(py12, x2), Mul(py13, x1), Mul(py23, x3)), det);
  return {hx, hy};
}

Point Centroid(Point A, Point B, Point C) { return {Div(Add(Add(A.x, B.x), C.x), 3), Div(Add(Add(A.y, B.y), C.y), 3)}; }

Point AltitudeFoot(Point P, Point Q, Point R) {
  const Line altitude{Sub(R.x, Q.x), Sub(R.y, Q.y), Add(Mul(P.x, Sub(Q.x, R.x)), Mul(P.y, Sub(Q.y, R.y)))};
  const Line side{Sub(Q.y, R.y), Sub(R.x, Q.x), Sub(Mul(Q.x, R.y), Mul(R.x, Q.y))};
  return IntersectTwoLines(altitude, side).At();
}

double TriangleArea(Point A, Point B, Point C) {
  const double s1 = Add(Add(Mul(A.x, B.y), Mul(C.x, A.y)), Mul(B.x, C.y));
  const double s2 = Add(Add(Mul(B.x, A.y), Mul(A.x, C.y)), Mul(C.x, B.y));
  return std::fabs(Div(Sub(s1, s2), 2));
}

bool RightAngled(Point A, Point B, Point C) {
  const double ab = PointDistance(A, B).s;
  const double bc = PointDistance(B, C).s;
  const double ac = PointDistance(A, C).s;
  return ab == Add(ac, bc) || bc == Add(ac, ab) || ac == Add(bc, ab);
}

double NormalLength(const Line& l) { return Sqrt(Add(Mul(l.a, l.a), Mul(l.b, l.b))); }

Line SideBisector(const Line& first, double firstLength, const Line& second, double secondLength) {
  return {Sub(Mul(first.a, secondLength), Mul(second.a, firstLength)),
          Sub(Mul(first.b, secondLength), Mul(second.b, firstLength)),
          Sub(Mul(first.c, secondLength), Mul(second.c, firstLength))};
}

}  // namespace vl::geo
