#pragma once
// The triangle window: the notable points of a triangle, its area, and whether it has a right
// angle.
#include "ProblemWindow.h"

namespace vl {

class Form9 : public ProblemWindow {
 public:
  Form9();

 private:
  struct Vertices {
    geo::Point A, B, C;
  };
  void NotablePoint(ProblemRun& run);
  void Area(ProblemRun& run);
  void RightTriangle(ProblemRun& run);
  // The six boxes of a frame in the order A x, A y, B x, B y, C x, C y.
  Vertices ReadVertices(ProblemRun& run, const char* const (&boxes)[6]);
  // Each marks its point in red with its construction lines and answers the point.
  geo::Point DrawCircumcentre(const Vertices& v);
  geo::Point DrawIncentre(const Vertices& v);
  geo::Point DrawOrthocentre(const Vertices& v);
  geo::Point DrawCentroid(const Vertices& v);
};

}  // namespace vl
