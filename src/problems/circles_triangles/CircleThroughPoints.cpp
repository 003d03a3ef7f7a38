#include "CircleThroughPoints.h"

#include "Checked.h"
#include "NumberText.h"

namespace vl {

using checked::Add;
using checked::Div;
using checked::Mul;
using checked::Sub;

namespace {

// a + b + c − d − e − f, summed left to right.
double ThreeMinusThree(double a, double b, double c, double d, double e, double f) {
  return Sub(Sub(Sub(Add(Add(a, b), c), d), e), f);
}

double SquaredNorm(PlanePoint p) { return Add(Mul(p.x, p.x), Mul(p.y, p.y)); }

}  // namespace

double ThreePointDeterminant(PlanePoint p1, PlanePoint p2, PlanePoint p3) {
  return ThreeMinusThree(Mul(p1.x, p2.y), Mul(p3.x, p1.y), Mul(p2.x, p3.y), Mul(p3.x, p2.y), Mul(p1.x, p3.y),
                         Mul(p2.x, p1.y));
}

ThreePointCircle CircleThroughThreePoints(PlanePoint p1, PlanePoint p2, PlanePoint p3) {
  const double s1 = SquaredNorm(p1), s2 = SquaredNorm(p2), s3 = SquaredNorm(p3);
  ThreePointCircle out;
  out.Det = ThreePointDeterminant(p1, p2, p3);
  // Rows (sᵢ, yᵢ, 1), (xᵢ, sᵢ, 1) and (xᵢ, yᵢ, sᵢ): Cramer's rule for D, E and F.
  const double Dx = ThreeMinusThree(Mul(s1, p2.y), Mul(s2, p3.y), Mul(s3, p1.y), Mul(s3, p2.y), Mul(s1, p3.y),
                                    Mul(s2, p1.y));
  const double Dy = ThreeMinusThree(Mul(s2, p1.x), Mul(s3, p2.x), Mul(s1, p3.x), Mul(s2, p3.x), Mul(s1, p2.x),
                                    Mul(s3, p1.x));
  const double Dz = ThreeMinusThree(Mul(Mul(s3, p1.x), p2.y), Mul(Mul(s2, p1.y), p3.x), Mul(Mul(s1, p2.x), p3.y),
                                    Mul(Mul(s1, p3.x), p2.y), Mul(Mul(s2, p1.x), p3.y), Mul(Mul(s3, p2.x), p1.y));
  out.D = Div(-Dx, out.Det);
  out.E = Div(-Dy, out.Det);
  out.F = Div(-Dz, out.Det);
  out.centre = {Div(-out.D, 2), Div(-out.E, 2)};
  return out;
}

std::string GeneralCircleText(double D, double E, double F) {
  std::string text = "x^2 + y^2 + " + NumberText(RoundHalfEven2(D)) + "x + " + NumberText(RoundHalfEven2(E)) +
                     "y + " + NumberText(RoundHalfEven2(F)) + " = 0";
  for (auto at = text.find("+ -"); at != std::string::npos; at = text.find("+ -", at + 2)) text.replace(at, 3, "- ");
  return text;
}

}  // namespace vl
