#pragma once
// The lines 2 window: distance between parallel lines, intersection of two lines, distance from
// a point to a line, and the angle of two lines. Every line is typed as an equation.
#include "ProblemWindow.h"

namespace vl {

class Form3 : public ProblemWindow {
 public:
  Form3();

 private:
  void ParallelsDistance(ProblemRun& run);
  void LinesIntersection(ProblemRun& run);
  void PointLineDistance(ProblemRun& run);
  void LinesAngle(ProblemRun& run);
};

}  // namespace vl
