#pragma once
// The circles 3 window: where two circles meet, the circle through a point that touches a line
// at a given point, and the tangents to a circle from a point outside it.
#include "ProblemWindow.h"

namespace vl {

class Form7 : public ProblemWindow {
 public:
  Form7();

 private:
  void CirclesIntersection(ProblemRun& run);
  void CircleThroughPTangentAtQ(ProblemRun& run);
  void TangentsFromPoint(ProblemRun& run);
};

}  // namespace vl
