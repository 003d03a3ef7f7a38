#pragma once
// Whether three points lie on one straight line.
#include "ProblemDrawing.h"

namespace vl {

// True exactly when (y3 − y1)·(x2 − x1) = (x3 − x1)·(y2 − y1), compared without tolerance: p1
// and p2 span the line and p3 is tested. Any two equal points count as collinear.
bool CollinearityTest(PlanePoint p1, PlanePoint p2, PlanePoint p3);

}  // namespace vl
