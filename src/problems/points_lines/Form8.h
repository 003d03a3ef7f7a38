#pragma once
// The lines 4 window: the line through a point that is parallel to an axis, has a given
// inclination or slope, or makes a given angle with a given line; and the two bisectors of two
// intersecting lines.
#include "ProblemDrawing.h"
#include "ProblemMechanics.h"
#include "TopicWindow.h"

namespace vl {

class Form8 : public TopicWindow {
 public:
  Form8();

  void Dados3_Click();
  void Resolver3_Click();
  void Dados7_Click();
  void Resolver7_Click();

 private:
  // The solve half of the point problem, one per option button.
  void ParallelToXAxis(PlanePoint p);
  void ParallelToYAxis(PlanePoint p);
  void WithInclination(InputBoxes& input, PlanePoint p);
  void WithSlope(InputBoxes& input, PlanePoint p);
  void AtAngleWithLine(PlanePoint p);
};

}  // namespace vl
