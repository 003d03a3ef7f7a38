#pragma once
// A triangle's notable points, its area, its right angle and the bisectors of its incircle.
#include "Lines.h"
#include "Values.h"

namespace vl::geo {

// The crossing of the perpendicular bisectors: the centre of the circle through the vertices;
// collinear vertices fault on its division.
Point Circumcentre(Point A, Point B, Point C);
// The vertices weighted by the lengths of the opposite sides.
Point Incentre(Point A, Point B, Point C);
// The closed form of the crossing of two altitudes, over the three-point determinant.
Point Orthocentre(Point A, Point B, Point C);
Point Centroid(Point A, Point B, Point C);
// The foot of the altitude from P on the line QR: that altitude crossed with the side line.
Point AltitudeFoot(Point P, Point Q, Point R);

// Half the cross sum, without its sign (negative for clockwise vertices).
double TriangleArea(Point A, Point B, Point C);
// Pythagoras on the squared sides, compared exactly.
bool RightAngled(Point A, Point B, Point C);

// √(a² + b²) by products.
double NormalLength(const Line& l);
// The bisector of the angle of two sides: each scaled by the other's normal length, then their
// difference (first·n2 − second·n1).
Line SideBisector(const Line& first, double firstLength, const Line& second, double secondLength);

}  // namespace vl::geo
