#pragma once
// The lines 1 window: a line drawn from its equation, the line through two points, and the
// parallel and the perpendicular to a line through a point.
#include "TopicWindow.h"

namespace vl {

class Form2 : public TopicWindow {
 public:
  Form2();

  void Command3_Click();
  void Dados1_Click();
  void Resolver1_Click();
  void Dados4_Click();
  void Resolver4_Click();
  void Dados5_Click();
  void Resolver5_Click();
};

}  // namespace vl
