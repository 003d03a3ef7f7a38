#include "LineMeasures.h"

#include <cmath>

#include "Checked.h"
#include "NumberText.h"

namespace vl {

using checked::Add;
using checked::Div;
using checked::Mul;
using checked::Sub;

double PointLineDistance(double a, double b, double c, double x0, double y0) {
  const double value = Add(Add(Mul(a, x0), Mul(b, y0)), c);
  return Div(std::fabs(value), checked::Sqrt(Add(Mul(a, a), Mul(b, b))));
}

double PointLineDistance(const LineCoefficients& line, PlanePoint p) {
  return PointLineDistance(line.a, line.b, line.c, p.x, p.y);
}

PlanePoint LineCrossing::Point() const { return {Div(Nx, D), Div(Ny, D)}; }

LineCrossing IntersectTwoLines(double a1, double b1, double c1, double a2, double b2, double c2) {
  LineCrossing out;
  out.D = Sub(Mul(a2, b1), Mul(a1, b2));
  out.Nx = Sub(Mul(b2, c1), Mul(b1, c2));
  out.Ny = Sub(Mul(a1, c2), Mul(a2, c1));
  return out;
}

LineCrossing IntersectTwoLines(const LineCoefficients& first, const LineCoefficients& second) {
  return IntersectTwoLines(first.a, first.b, first.c, second.a, second.b, second.c);
}

AngleDms AngleDmsParts(double radians) {
  const double deg = Div(Mul(radians, 45), std::atan(1.0));
  AngleDms out;
  out.D = std::trunc(deg);
  const double minutes = Mul(Sub(deg, out.D), 60);
  out.M = std::trunc(minutes);
  out.S = RoundHalfEven2(Mul(Sub(minutes, out.M), 60));
  return out;
}

std::string DmsText(double D, double M, double S) {
  return NumberText(D) + "º  " + NumberText(M) + "'  " + NumberText(S) + "''";
}

std::string AngleDmsText(double radians) {
  const AngleDms a = AngleDmsParts(radians);
  return DmsText(a.D, a.M, a.S);
}

}  // namespace vl
