#pragma once
// How results are written in the red fields: points, distances, angles and circles.
#include <string>

#include "Lines.h"
#include "Values.h"

namespace vl {

// "(x , y)" with both rounded to 2 decimals.
std::string PointResultText(geo::Point p);

// A whole distance as its number; any other as the prefix, the unrounded sum of squares and ")".
std::string RadicalDistanceText(const geo::Distance& dist, const std::string& prefix);

// An angle split into whole degrees and minutes, both truncated toward zero, and seconds rounded
// to 2 decimals after the truncations. Nothing is carried, so the seconds may read 60; a negative
// angle gives fields that are all 0 or negative.
struct AngleDms {
  double D = 0;
  double M = 0;
  double S = 0;
};
// From radians; the degrees come from the arctangent of 1, not from a stored pi.
AngleDms AngleDmsParts(double radians);
// D & "º  " & M & "'  " & S & "''", each number as the user sees it.
std::string DmsText(double D, double M, double S);
std::string AngleDmsText(double radians);

// "(x-h)^2 + (y-k)^2 = r²" with r² rounded to 2 decimals, h and k unrounded unless asked, and
// every "--" then turned into "+".
std::string CentreRadiusCircleText(const geo::Circle& circle, bool roundCentre);

// "x^2 + y^2 + Dx + Ey + F = 0" with D, E, F rounded to 2 decimals, every "+ -" then made "- ";
// zero terms stay ("+ 0x").
std::string GeneralCircleText(double D, double E, double F);

}  // namespace vl
