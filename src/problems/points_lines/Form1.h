#pragma once
// The points window: representation of a point, midpoint of a segment, distance between two
// points and perpendicular bisector of a segment.
#include "TopicWindow.h"

namespace vl {

class Form1 : public TopicWindow {
 public:
  Form1();

  void Resolver1_Click();
  void Dados3_Click();
  void Resolver3_Click();
  void Dados6_Click();
  void Resolver6_Click();
  void Dados7_Click();
  void Resolver7_Click();
};

}  // namespace vl
