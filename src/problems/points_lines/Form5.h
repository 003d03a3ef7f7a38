#pragma once
// The lines 3 window: whether three points are collinear, the slope and inclination of a line
// given by two points or by its equation, and the relative position of two lines.
#include "TopicWindow.h"

namespace vl {

class Form5 : public TopicWindow {
 public:
  Form5();

  void Dados1_Click();
  void Resolver1_Click();
  void Dados3_Click();
  void Resolver3_Click();
  void Resolver6_Click();

 private:
  // The slope and the inclination of the line in the shared coefficients.
  void WriteSlopeAndInclination();
};

}  // namespace vl
