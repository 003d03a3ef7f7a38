#include "Lines.h"

#include <cmath>

#include "Checked.h"

namespace vl::geo {

using checked::Add;
using checked::Div;
using checked::Mul;
using checked::Pow;
using checked::Sub;

namespace {

// Hands each coefficient to the watch, if any, as soon as it is known.
double Seen(CoefficientWatch* watch, void (CoefficientWatch::*which)(double), double value) {
  if (watch) (watch->*which)(value);
  return value;
}

}  // namespace

Line LineThroughTwoPoints(Point p1, Point p2, CoefficientWatch* watch) {
  Line l;
  l.a = Seen(watch, &CoefficientWatch::A, Sub(p2.y, p1.y));
  l.b = Seen(watch, &CoefficientWatch::B, Sub(p1.x, p2.x));
  l.c = Seen(watch, &CoefficientWatch::C, Sub(Mul(p2.x, p1.y), Mul(p1.x, p2.y)));
  return l;
}

Line ParallelThrough(const Line& l, Point p) { return {l.a, l.b, Sub(Mul(-l.a, p.x), Mul(l.b, p.y))}; }

Line PerpendicularThrough(const Line& l, Point p, CoefficientWatch* watch) {
  Line out;
  out.a = Seen(watch, &CoefficientWatch::A, l.b);
  out.b = Seen(watch, &CoefficientWatch::B, -l.a);
  out.c = Seen(watch, &CoefficientWatch::C, Sub(Mul(l.a, p.y), Mul(l.b, p.x)));
  return out;
}

Line PerpendicularBisector(Point a, Point b) {
  const double la = Sub(Mul(2, b.x), Mul(2, a.x));
  const double lb = Sub(Mul(2, b.y), Mul(2, a.y));
  const double lc = Sub(Sub(Add(Pow(a.x, 2), Pow(a.y, 2)), Pow(b.x, 2)), Pow(b.y, 2));
  return {la, lb, lc};
}

Line LineWithSlope(double m, Point p, CoefficientWatch* watch) {
  Line normal;
  normal.a = Seen(watch, &CoefficientWatch::A, m);
  normal.b = Seen(watch, &CoefficientWatch::B, -1.0);
  const Line out = ParallelThrough(normal, p);
  Seen(watch, &CoefficientWatch::C, out.c);
  return out;
}

Point Midpoint(Point a, Point b) { return {Div(Add(a.x, b.x), 2), Div(Add(a.y, b.y), 2)}; }

Distance PointDistance(Point a, Point b) {
  Distance out;
  out.s = Add(Pow(Sub(b.x, a.x), 2), Pow(Sub(b.y, a.y), 2));
  out.d = checked::Sqrt(out.s);
  return out;
}

double PointLineDistance(const Line& l, Point p) {
  const double value = Add(Add(Mul(l.a, p.x), Mul(l.b, p.y)), l.c);
  return Div(std::fabs(value), checked::Sqrt(Add(Mul(l.a, l.a), Mul(l.b, l.b))));
}

bool OnLine(const Line& l, Point p) { return Add(Add(Mul(l.a, p.x), Mul(l.b, p.y)), l.c) == 0; }

double XAxisCrossing(const Line& l) { return Div(-l.c, l.a); }
double YAxisCrossing(const Line& l) { return Div(-l.c, l.b); }

Point PerpendicularFoot(const Line& l, Point p) {
  const double a = l.a, b = l.b, c = l.c;
  const double aSq = Mul(a, a);
  const double bSq = Mul(b, b);
  const double x = Div(Sub(Sub(Mul(bSq, p.x), Mul(a, c)), Mul(Mul(a, b), p.y)), Add(aSq, bSq));
  const double y =
      Div(Sub(Sub(Mul(Mul(aSq, b), p.y), Mul(Mul(a, bSq), p.x)), Mul(bSq, c)), Add(Mul(aSq, b), Pow(b, 3)));
  return {x, y};
}

Point LineCrossing::At() const { return {Div(Nx, D), Div(Ny, D)}; }

LineCrossing IntersectTwoLines(const Line& first, const Line& second) {
  const double a1 = first.a, b1 = first.b, c1 = first.c;
  const double a2 = second.a, b2 = second.b, c2 = second.c;
  LineCrossing out;
  out.D = Sub(Mul(a2, b1), Mul(a1, b2));
  out.Nx = Sub(Mul(b2, c1), Mul(b1, c2));
  out.Ny = Sub(Mul(a1, c2), Mul(a2, c1));
  return out;
}

bool Parallel(const Line& first, const Line& second) { return Mul(first.a, second.b) == Mul(second.a, first.b); }

LinesAngle AngleBetween(const Line& first, const Line& second) {
  LinesAngle out;
  const double dot = Add(Mul(first.a, second.a), Mul(first.b, second.b));
  if (dot == 0) {
    out.right = true;
    return out;
  }
  const double cross = Sub(Mul(first.a, second.b), Mul(second.a, first.b));
  out.radians = std::atan(std::fabs(Div(cross, dot)));
  return out;
}

double Slope(const Line& l) { return Div(-l.a, l.b); }

bool CollinearityTest(Point p1, Point p2, Point p3) {
  return Mul(Sub(p3.y, p1.y), Sub(p2.x, p1.x)) == Mul(Sub(p3.x, p1.x), Sub(p2.y, p1.y));
}

double InclinationSlope(double degrees) { return checked::Finite(std::tan(Div(Mul(degrees, std::atan(1.0)), 45))); }

double Cotangent(double degrees) {
  return checked::Finite(std::tan(Div(Mul(Mul(Sub(90, degrees), 4), std::atan(1.0)), 180)));
}

Line LineAtAngle(const Line& given, double t, Point p, Side side) {
  const double a = given.a, b = given.b;
  Line normal;
  if (side == Side::First) {
    normal.a = Add(Mul(t, a), b);
    normal.b = Sub(Mul(t, b), a);
  } else {
    normal.a = Sub(Mul(t, a), b);
    normal.b = Add(a, Mul(t, b));
  }
  return ParallelThrough(normal, p);
}

Line Bisector(const Line& first, const Line& second, Side side, CoefficientWatch* watch) {
  const double w1 = checked::Sqrt(Add(Pow(first.a, 2), Pow(first.b, 2)));
  const double w2 = checked::Sqrt(Add(Pow(second.a, 2), Pow(second.b, 2)));
  auto combine = [&](double u, double v) {
    const double p = Mul(w2, u);
    const double q = Mul(w1, v);
    return side == Side::Second ? Add(p, q) : Sub(p, q);
  };
  Line out;
  out.a = Seen(watch, &CoefficientWatch::A, combine(first.a, second.a));
  out.b = Seen(watch, &CoefficientWatch::B, combine(first.b, second.b));
  out.c = Seen(watch, &CoefficientWatch::C, combine(first.c, second.c));
  return out;
}

}  // namespace vl::geo
