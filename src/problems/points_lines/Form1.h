#pragma once
// The points window: representation of a point, midpoint of a segment, distance between two
// points and perpendicular bisector of a segment.
#include "ProblemWindow.h"

namespace vl {

class Form1 : public ProblemWindow {
 public:
  Form1();

 private:
  void PointAlone(ProblemRun& run);
  void SegmentMidpoint(ProblemRun& run);
  void PointsDistance(ProblemRun& run);
  void SegmentBisector(ProblemRun& run);
};

}  // namespace vl
