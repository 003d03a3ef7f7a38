#pragma once
// The circle x² + y² + D·x + E·y + F = 0 through three points, by determinants, and the text of
// such a general equation. The circles 2 window and the triangle window share them.
#include <string>

#include "ProblemDrawing.h"

namespace vl {

// The determinant of the rows (xᵢ, yᵢ, 1): 0 exactly when the points give no circle (two of
// them equal, or all three on one line).
double ThreePointDeterminant(PlanePoint p1, PlanePoint p2, PlanePoint p3);

struct ThreePointCircle {
  double Det = 0;
  double D = 0, E = 0, F = 0;
  PlanePoint centre;  // (−D/2, −E/2)
};

// Det, then D = −Dx/Det, E = −Dy/Det, F = −Dz/Det and the centre. A zero Det is a run-time fault
// (division by zero): a caller that must answer it with a verdict tests ThreePointDeterminant
// first.
ThreePointCircle CircleThroughThreePoints(PlanePoint p1, PlanePoint p2, PlanePoint p3);

// "x^2 + y^2 + Dx + Ey + F = 0" with D, E, F rounded to 2 decimals, every "+ -" then made "- ";
// zero terms stay ("+ 0x").
std::string GeneralCircleText(double D, double E, double F);

}  // namespace vl
