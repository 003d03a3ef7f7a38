#pragma once
// The lines 1 window: a line drawn from its equation, the line through two points, and the
// parallel and the perpendicular to a line through a point.
#include "ProblemWindow.h"

namespace vl {

class Form2 : public ProblemWindow {
 public:
  Form2();

 private:
  void LineOfEquation(ProblemRun& run);
  void LineThroughPoints(ProblemRun& run);
  void ParallelThroughPoint(ProblemRun& run);
  void PerpendicularThroughPoint(ProblemRun& run);
};

}  // namespace vl
