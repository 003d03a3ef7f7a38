#pragma once
// The lines 3 window: whether three points are collinear, the slope and inclination of a line
// given by two points or by its equation, and the relative position of two lines.
#include "ProblemWindow.h"

namespace vl {

class Form5 : public ProblemWindow {
 public:
  Form5();

 private:
  void Collinearity(ProblemRun& run);
  void SlopeAndInclination(ProblemRun& run);
  void RelativePosition(ProblemRun& run);
  void WriteSlopeAndInclination(const geo::Line& line);
};

}  // namespace vl
