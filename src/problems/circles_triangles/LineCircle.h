#pragma once
// Where a line a·x + b·y + c = 0 meets a circle (h, k, r): the discriminant Δ and, when Δ ≥ 0,
// the two crossings, which coincide for a tangent.
#include "ProblemDrawing.h"

namespace vl {

struct LineCircleCrossings {
  double delta = 0;  // r²·(a² + b²) − (a·h + b·k + c)²; below 0 the line misses the circle
  PlanePoint p1;     // only when delta ≥ 0
  PlanePoint p2;
};

// Δ first; the points only when the line meets the circle. The points are the foot of the
// perpendicular from the centre, plus and minus √Δ / (a² + b²) times the direction (b, −a);
// a = b = 0 with Δ ≥ 0 is a run-time fault (division by a² + b² = 0).
LineCircleCrossings LineCircleIntersection(double a, double b, double c, double h, double k, double r);

}  // namespace vl
