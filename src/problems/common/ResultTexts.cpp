#include "ResultTexts.h"

#include <cmath>

#include "Checked.h"
#include "NumberText.h"

namespace vl {

using checked::Div;
using checked::Mul;
using checked::Sub;

std::string PointResultText(geo::Point p) {
  std::string text = "(";
  text += NumberText(RoundHalfEven2(p.x));
  text += " , ";
  text += NumberText(RoundHalfEven2(p.y));
  return text + ")";
}

std::string RadicalDistanceText(const geo::Distance& dist, const std::string& prefix) {
  if (std::floor(dist.d) == dist.d) return NumberText(dist.d);
  return prefix + NumberText(dist.s) + ")";
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

std::string CentreRadiusCircleText(const geo::Circle& circle, bool roundCentre) {
  double h = circle.h;
  double k = circle.k;
  if (roundCentre) {
    h = RoundHalfEven2(h);
    k = RoundHalfEven2(k);
  }
  std::string text = "(x-" + NumberText(h) + ")^2 + (y-" + NumberText(k) +
                     ")^2 = " + NumberText(RoundHalfEven2(Mul(circle.r, circle.r)));
  for (auto at = text.find("--"); at != std::string::npos; at = text.find("--", at + 1)) text.replace(at, 2, 1, '+');
  return text;
}

std::string GeneralCircleText(double D, double E, double F) {
  std::string text = "x^2 + y^2 + " + NumberText(RoundHalfEven2(D)) + "x + " + NumberText(RoundHalfEven2(E)) + "y + " +
                     NumberText(RoundHalfEven2(F)) + " = 0";
  for (auto at = text.find("+ -"); at != std::string::npos; at = text.find("+ -", at + 2)) text.replace(at, 3, "- ");
  return text;
}

}  // namespace vl
