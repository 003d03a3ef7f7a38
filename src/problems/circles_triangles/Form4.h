#pragma once
// The circles 1 window: the circle about a point tangent to a line, the circle of a given
// equation, the tangent at a point of a circle, and where a line meets a circle.
#include "TopicWindow.h"

namespace vl {

class Form4 : public TopicWindow {
 public:
  Form4();

  void Dados1_Click();
  void Resolver1_Click();
  void Resolver3_Click();
  void Dados4_Click();
  void Resolver4_Click();
  void Dados5_Click();
  void Resolver5_Click();
};

}  // namespace vl
