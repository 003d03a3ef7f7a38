#pragma once
// Points and lines: constructions of a line, distances, crossings, angles.
#include "Values.h"

namespace vl::geo {

// The line through two points; equal points give a = b = 0.
Line LineThroughTwoPoints(Point p1, Point p2, CoefficientWatch* watch = nullptr);
// Same a and b as the given line, c through the point.
Line ParallelThrough(const Line& l, Point p);
// Normal (b, −a), then c through the point.
Line PerpendicularThrough(const Line& l, Point p, CoefficientWatch* watch = nullptr);
// The points equally far from A and B.
Line PerpendicularBisector(Point a, Point b);
// Slope m through a point: normal (m, −1), then c as for a parallel.
Line LineWithSlope(double m, Point p, CoefficientWatch* watch = nullptr);

Point Midpoint(Point a, Point b);

struct Distance {
  double d = 0;  // the distance
  double s = 0;  // the sum of squares it is the root of
};
Distance PointDistance(Point a, Point b);

// |a·x0 + b·y0 + c| / √(a² + b²); no line (a = b = 0) is a fault (11, or 6 for 0/0).
double PointLineDistance(const Line& l, Point p);

// a·x + b·y + c = 0 at the point, compared exactly.
bool OnLine(const Line& l, Point p);

// Where the line crosses the x axis (−c/a) and the y axis (−c/b).
double XAxisCrossing(const Line& l);
double YAxisCrossing(const Line& l);

// The foot of the perpendicular from p on the line, in the closed form the parallel-distance
// problem uses: the y denominator is a²·b + b³, so the line must not be vertical.
Point PerpendicularFoot(const Line& l, Point p);

// The system a1·x + b1·y + c1 = 0, a2·x + b2·y + c2 = 0 by Cramer's rule. D = 0 exactly means no
// single crossing: both numerators 0 for the same line, else parallel.
struct LineCrossing {
  double D = 0;   // a2·b1 − a1·b2
  double Nx = 0;  // b2·c1 − b1·c2
  double Ny = 0;  // a1·c2 − a2·c1

  bool Single() const { return D != 0; }
  bool SameLine() const { return D == 0 && Nx == 0 && Ny == 0; }
  // Nx / D and Ny / D; only for a single crossing (a zero D raises 11 or 6).
  Point At() const;
};
LineCrossing IntersectTwoLines(const Line& first, const Line& second);

// a1·b2 = a2·b1, compared exactly (coincident lines are parallel too).
bool Parallel(const Line& first, const Line& second);

// The acute angle of two crossing lines. The dot product comes first: a right angle is known
// without the cross product, which may overflow where the dot product cancels to 0.
struct LinesAngle {
  bool right = false;
  double radians = 0;  // when not right: atan |cross / dot|
};
LinesAngle AngleBetween(const Line& first, const Line& second);

// −a / b; a vertical line (b = 0) is a fault.
double Slope(const Line& l);

// True exactly when (y3 − y1)·(x2 − x1) = (x3 − x1)·(y2 − y1), without tolerance: p1 and p2
// span the line and p3 is tested. Any two equal points count as collinear.
bool CollinearityTest(Point p1, Point p2, Point p3);

// Degrees to radians through the arctangent of 1, as the inclination condition writes it, and the
// slope of that inclination (tan, checked).
double InclinationSlope(double degrees);
// The cotangent of an angle in degrees, as tan(90° − angle).
double Cotangent(double degrees);

// The two lines through p that meet the given line at the angle whose cotangent is t: normals
// t·(a, b) + (b, −a) and t·(a, b) − (b, −a).
enum class Side { First, Second };
Line LineAtAngle(const Line& given, double t, Point p, Side side);

// The bisectors of two crossing lines: each line scaled by the other's normal length (a² + b²
// by powers), then their difference (first) or their sum (second).
Line Bisector(const Line& first, const Line& second, Side side, CoefficientWatch* watch = nullptr);

}  // namespace vl::geo
