#pragma once
// The lines 4 window: the line through a point that is parallel to an axis, has a given
// inclination or slope, or makes a given angle with a given line; and the two bisectors of two
// intersecting lines.
#include "ProblemWindow.h"

namespace vl {

class Form8 : public ProblemWindow {
 public:
  Form8();

 private:
  void LineThroughPoint(ProblemRun& run);
  void Bisectors(ProblemRun& run);
  // The solve half of the point problem, one per option button.
  void ParallelToXAxis(geo::Point p);
  void ParallelToYAxis(geo::Point p);
  void WithInclination(ProblemRun& run, geo::Point p);
  void WithSlope(ProblemRun& run, geo::Point p);
  void AtAngleWithLine(geo::Point p);
};

}  // namespace vl
