#pragma once
// The circles 2 window: the inscribed or circumscribed circle of a triangle, the distance from a
// point to a circle, the circle about a centre tangent to a line, the circle through three points.
#include "ProblemWindow.h"

namespace vl {

class Form6 : public ProblemWindow {
 public:
  Form6();

 private:
  void TriangleCircle(ProblemRun& run);
  void PointCircleDistance(ProblemRun& run);
  void CircleTangentToLine(ProblemRun& run);
  void CircleThroughPoints(ProblemRun& run);
  void SolveIncircle(geo::Point A, geo::Point B, geo::Point C);
  void SolveCircumcircle(geo::Point A, geo::Point B, geo::Point C);
};

}  // namespace vl
