#pragma once
// The circles 2 window: the inscribed or circumscribed circle of a triangle, the distance from a
// point to a circle, the circle about a centre tangent to a line, the circle through three points.
#include "ProblemDrawing.h"
#include "TopicWindow.h"

namespace vl {

class Form6 : public TopicWindow {
 public:
  Form6();

  void Dados1_Click();
  void Resolver1_Click();
  void Dados3_Click();
  void Resolver3_Click();
  void Dados6_Click();
  void Resolver6_Click();
  void Dados7_Click();
  void Resolver7_Click();

 private:
  void SolveIncircle(PlanePoint A, PlanePoint B, PlanePoint C);
  void SolveCircumcircle(PlanePoint A, PlanePoint B, PlanePoint C);
};

}  // namespace vl
