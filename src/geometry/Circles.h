#pragma once
// Circles: through three points, where a line or another circle meets one, tangents.
#include "Lines.h"
#include "Values.h"

namespace vl::geo {

// The tangent at p to the circle with that centre: perpendicular to the radius through p.
Line TangentAt(Point centre, Point p);

// The radius of the circle about a centre that touches the line: a horizontal or vertical line
// gives it without a square root; no line (a = b = 0) is a fault.
double RadiusTouchingLine(const Line& l, Point centre);

// The determinant of the rows (xᵢ, yᵢ, 1): 0 exactly when the points give no circle (two of
// them equal, or all three on one line).
double ThreePointDeterminant(Point p1, Point p2, Point p3);

// x² + y² + D·x + E·y + F = 0 through three points.
struct ThreePointCircle {
  double Det = 0;
  double D = 0, E = 0, F = 0;
  Point centre;  // (−D/2, −E/2)
};
// Det, then D = −Dx/Det, E = −Dy/Det, F = −Dz/Det and the centre. A zero Det is a fault
// (division by zero): a caller that answers it with a verdict tests ThreePointDeterminant first.
ThreePointCircle CircleThroughThreePoints(Point p1, Point p2, Point p3);
// √(D² + E² − 4F) / 2.
double Radius(const ThreePointCircle& circle);

// Where a line meets a circle: Δ = r²·(a² + b²) − (a·h + b·k + c)²; below 0 the line misses.
// The points (only when Δ ≥ 0) are the foot of the perpendicular from the centre, plus and minus
// √Δ / (a² + b²) times (b, −a); they coincide for a tangent. No line with Δ ≥ 0 is a fault.
struct LineCircleCrossings {
  double delta = 0;
  Point p1;
  Point p2;
};
LineCircleCrossings LineCircleIntersection(const Line& l, const Circle& circle);

// Where two circles meet: K = −(d² − (r1 − r2)²)·(d² − (r1 + r2)²), d the distance of the
// centres. Above 0 two common points, 0 a touch, below 0 none (concentric circles of different
// radii included). The points (only when K ≥ 0) lie either side of the foot of the common chord,
// A on the positive side; the same circle twice divides 0 by 0, a fault.
struct CircleCrossings {
  double K = 0;
  Point a;
  Point b;
};
CircleCrossings IntersectTwoCircles(const Circle& first, const Circle& second);

// The centre of the circle through P that touches the line at its point Q: on the normal at Q,
// as far from P as from Q. P on the line, or P = Q, is a fault (division by zero).
Point CentreTouchingLineAt(const Line& l, Point p, Point q);

// One tangent from P outside the circle, through P. With u, v from P to the centre and t the
// length of a tangent segment, a = u·v ± r·t (+ first, − second) and b = r² − u². When u² = r²
// one comes out as 0x + 0y + 0; it is replaced by the tangent with a = r² − v², b = 2·u·v.
Line TangentFromPoint(const Circle& circle, Point p, Side side);

}  // namespace vl::geo
