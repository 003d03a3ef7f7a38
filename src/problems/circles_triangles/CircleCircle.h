#pragma once
// Where two circles meet: a test value K that tells two crossings, a touch or none, and the two
// common points, which coincide when the circles touch.
#include "CircleReader.h"
#include "ProblemDrawing.h"

namespace vl {

struct CircleCircleCrossings {
  // −(d² − (r1 − r2)²)·(d² − (r1 + r2)²), d the distance of the centres: 16 times the squared
  // area of the triangle of the two centres and a common point. Above 0 two common points, 0 a
  // touch, below 0 none (concentric circles of different radii included).
  double K = 0;
  PlanePoint a;  // only when K ≥ 0
  PlanePoint b;
};

// K first; the points only when the circles meet. The points lie either side of the foot of the
// common chord on the line of the centres, at √K / (2·d²) times (k1 − k2, h2 − h1) from it, A on
// the positive side. Equal centres with K ≥ 0 (the same circle twice) divide 0 by 0: a run-time
// fault.
CircleCircleCrossings CircleCircleIntersection(const CircleData& first, const CircleData& second);

}  // namespace vl
