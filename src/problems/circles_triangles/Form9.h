#pragma once
// The triangle window: the notable points of a triangle, its area, and whether it has a right
// angle.
#include "ProblemDrawing.h"
#include "TopicWindow.h"

namespace vl {

class Form9 : public TopicWindow {
 public:
  Form9();

  void Dados4_Click();
  void Resolver4_Click();
  void Dados5_Click();
  void Resolver5_Click();
  void Dados7_Click();
  void Resolver7_Click();

 private:
  struct Vertices {
    PlanePoint A, B, C;
  };
  // The six boxes of a frame in the order A x, A y, B x, B y, C x, C y.
  Vertices ReadVertices(const char* const (&boxes)[6]);
  // Each marks its point in red with its construction lines and answers the point.
  PlanePoint DrawCircumcentre(const Vertices& v);
  PlanePoint DrawIncentre(const Vertices& v);
  PlanePoint DrawOrthocentre(const Vertices& v);
  PlanePoint DrawCentroid(const Vertices& v);
};

}  // namespace vl
