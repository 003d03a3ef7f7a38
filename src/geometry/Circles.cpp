#include "Circles.h"

#include <cmath>

#include "Checked.h"

namespace vl::geo {

using namespace checked;

namespace {

// a + b + c − d − e − f, summed left to right.
double ThreeMinusThree(double a, double b, double c, double d, double e, double f) {
  return Sub(Sub(Sub(Add(Add(a, b), c), d), e), f);
}

double SquaredNorm(Point p) { return Add(Mul(p.x, p.x), Mul(p.y, p.y)); }

}  // namespace

Line TangentAt(Point centre, Point p) {
  const double a = Sub(p.x, centre.x);
  const double b = Sub(p.y, centre.y);
  const double c = Sub(Sub(Add(Mul(centre.x, p.x), Mul(centre.y, p.y)), Mul(p.x, p.x)), Mul(p.y, p.y));
  return {a, b, c};
}

double RadiusTouchingLine(const Line& l, Point centre) {
  if (l.a == 0) return std::fabs(Add(centre.y, Div(l.c, l.b)));
  if (l.b == 0) return std::fabs(Add(centre.x, Div(l.c, l.a)));
  return PointLineDistance(l, centre);
}

double ThreePointDeterminant(Point p1, Point p2, Point p3) {
  return ThreeMinusThree(Mul(p1.x, p2.y), Mul(p3.x, p1.y), Mul(p2.x, p3.y), Mul(p3.x, p2.y), Mul(p1.x, p3.y),
                         Mul(p2.x, p1.y));
}

ThreePointCircle CircleThroughThreePoints(Point p1, Point p2, Point p3) {
  const double s1 = SquaredNorm(p1), s2 = SquaredNorm(p2), s3 = SquaredNorm(p3);
  ThreePointCircle out;
  out.Det = ThreePointDeterminant(p1, p2, p3);
  // Rows (sᵢ, yᵢ, 1), (xᵢ, sᵢ, 1) and (xᵢ, yᵢ, sᵢ): Cramer's rule for D, E and F.
  const double Dx =
      ThreeMinusThree(Mul(s1, p2.y), Mul(s2, p3.y), Mul(s3, p1.y), Mul(s3, p2.y), Mul(s1, p3.y), Mul(s2, p1.y));
  const double Dy =
      ThreeMinusThree(Mul(s2, p1.x), Mul(s3, p2.x), Mul(s1, p3.x), Mul(s2, p3.x), Mul(s1, p2.x), Mul(s3, p1.x));
  const double Dz = ThreeMinusThree(Mul(Mul(s3, p1.x), p2.y), Mul(Mul(s2, p1.y), p3.x), Mul(Mul(s1, p2.x), p3.y),
                                    Mul(Mul(s1, p3.x), p2.y), Mul(Mul(s2, p1.x), p3.y), Mul(Mul(s3, p2.x), p1.y));
  out.D = Div(-Dx, out.Det);
  out.E = Div(-Dy, out.Det);
  out.F = Div(-Dz, out.Det);
  out.centre = {Div(-out.D, 2), Div(-out.E, 2)};
  return out;
}

double Radius(const ThreePointCircle& c) { return Div(Sqrt(Sub(Add(Mul(c.D, c.D), Mul(c.E, c.E)), Mul(4, c.F))), 2); }

LineCircleCrossings LineCircleIntersection(const Line& l, const Circle& circle) {
  const double a = l.a, b = l.b, c = l.c, h = circle.h, k = circle.k, r = circle.r;
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

CircleCrossings IntersectTwoCircles(const Circle& first, const Circle& second) {
  const double h1 = first.h, k1 = first.k, r1 = first.r;
  const double h2 = second.h, k2 = second.k, r2 = second.r;

  CircleCrossings out;
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

Point CentreTouchingLineAt(const Line& l, Point p, Point q) {
  const double a = l.a, b = l.b;
  const double xP = p.x, yP = p.y, xQ = q.x, yQ = q.y;

  if (a == 0) {
    // A horizontal line: the centre is straight above or below Q.
    const double numerator = Add(Sub(Sub(Add(-Pow(xQ, 2), Pow(yQ, 2)), Pow(xP, 2)), Pow(yP, 2)), Mul(Mul(2, xP), xQ));
    return {xQ, Div(numerator, Sub(Mul(2, yQ), Mul(2, yP)))};
  }

  // The terms are summed in a fixed order: the results are compared and rounded downstream.
  double numerator = Mul(-a, Pow(xP, 2));
  numerator = Sub(numerator, Mul(Mul(Mul(2, yP), b), xQ));
  numerator = Add(numerator, Mul(Mul(Mul(2, yP), a), yQ));
  numerator = Sub(numerator, Mul(a, Pow(yP, 2)));
  numerator = Add(numerator, Mul(a, Pow(xQ, 2)));
  numerator = Add(numerator, Mul(Mul(Mul(2, yQ), b), xQ));
  numerator = Sub(numerator, Mul(Mul(2, a), Pow(yQ, 2)));
  numerator = Add(numerator, Mul(a, Pow(yQ, 2)));

  double denominator = Mul(Mul(-2, a), xP);
  denominator = Sub(denominator, Mul(Mul(2, b), yP));
  denominator = Add(denominator, Mul(Mul(2, a), xQ));
  denominator = Add(denominator, Mul(Mul(2, b), yQ));

  const double h = Div(numerator, denominator);
  const double k = Div(Add(Sub(Mul(b, h), Mul(b, xQ)), Mul(a, yQ)), a);
  return {h, k};
}

Line TangentFromPoint(const Circle& circle, Point p, Side side) {
  const double r = circle.r;
  const double u = Sub(circle.h, p.x);
  const double v = Sub(circle.k, p.y);
  const double t = Sqrt(Sub(Add(Pow(u, 2), Pow(v, 2)), Pow(r, 2)));

  const double uv = Mul(u, v);
  const double rt = Mul(r, t);
  Line normal;
  normal.a = side == Side::First ? Add(uv, rt) : Sub(uv, rt);
  normal.b = Sub(Pow(r, 2), Pow(u, 2));
  if (normal.a == 0 && normal.b == 0) {
    normal.a = Sub(Pow(r, 2), Pow(v, 2));
    normal.b = Mul(Mul(2, u), v);
  }
  return ParallelThrough(normal, p);
}

}  // namespace vl::geo
