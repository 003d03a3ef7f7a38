#include "CircleTangency.h"

#include "Checked.h"

namespace vl {

using namespace checked;

PlanePoint CentreTouchingLineAt(const LineCoefficients& line, PlanePoint p, PlanePoint q) {
  const double a = line.a, b = line.b;
  const double xP = p.x, yP = p.y, xQ = q.x, yQ = q.y;

  if (a == 0) {
    // A horizontal line: the centre is straight above or below Q.
    const double numerator =
        Add(Sub(Sub(Add(-Pow(xQ, 2), Pow(yQ, 2)), Pow(xP, 2)), Pow(yP, 2)), Mul(Mul(2, xP), xQ));
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

LineCoefficients TangentFromPoint(const CircleData& circle, PlanePoint p, Tangent which) {
  const double r = circle.r;
  const double u = Sub(circle.h, p.x);
  const double v = Sub(circle.k, p.y);
  const double t = Sqrt(Sub(Add(Pow(u, 2), Pow(v, 2)), Pow(r, 2)));

  const double uv = Mul(u, v);
  const double rt = Mul(r, t);
  LineCoefficients line;
  line.a = which == Tangent::First ? Add(uv, rt) : Sub(uv, rt);
  line.b = Sub(Pow(r, 2), Pow(u, 2));
  if (line.a == 0 && line.b == 0) {
    line.a = Sub(Pow(r, 2), Pow(v, 2));
    line.b = Mul(Mul(2, u), v);
  }
  // Through P, as the parallel through a point forms it.
  line.c = Sub(Mul(-line.a, p.x), Mul(line.b, p.y));
  return line;
}

}  // namespace vl
