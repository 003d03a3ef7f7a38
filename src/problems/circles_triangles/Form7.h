#pragma once
// The circles 3 window: where two circles meet, the circle through a point that touches a line
// at a given point, and the tangents to a circle from a point outside it.
#include "TopicWindow.h"

namespace vl {

class Form7 : public TopicWindow {
 public:
  Form7();

  void Dados1_Click();
  void Resolver1_Click();
  void Dados11_Click();
  void Resolver11_Click();
  void Dados3_Click();
  void Resolver3_Click();
};

}  // namespace vl
