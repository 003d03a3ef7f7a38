#pragma once
// The circles 1 window: the circle about a point tangent to a line, the circle of a given
// equation, the tangent at a point of a circle, and where a line meets a circle.
#include "ProblemWindow.h"

namespace vl {

class Form4 : public ProblemWindow {
 public:
  Form4();

 private:
  void CircleTangentToLine(ProblemRun& run);
  void CircleOfEquation(ProblemRun& run);
  void TangentAtPoint(ProblemRun& run);
  void LineAndCircle(ProblemRun& run);
};

}  // namespace vl
