#pragma once
// The three constructions of a line on the shared coefficients CoefA·x + CoefB·y + CoefC = 0,
// unrounded. Other windows build on them (intersections, distances, tangents).
#include "ProblemDrawing.h"

namespace vl {

// The line through two points; equal points give CoefA = CoefB = 0.
void LineThroughTwoPoints(PlanePoint p1, PlanePoint p2);
// The parallel to the current line through a point: same a and b, a new c.
void ParallelThroughPoint(PlanePoint p);
// The perpendicular to the current line through a point.
void PerpendicularThroughPoint(PlanePoint p);

}  // namespace vl
