#pragma once
// The lines 2 window: distance between parallel lines, intersection of two lines, distance from
// a point to a line, and the angle of two lines. Every line is typed as an equation.
#include <optional>
#include <string>
#include <utility>

#include "LineReader.h"
#include "TopicWindow.h"

namespace vl {

class Form3 : public TopicWindow {
 public:
  Form3();

  void Dados1_Click();
  void Resolver1_Click();
  void Dados3_Click();
  void Resolver3_Click();
  void Dados4_Click();
  void Resolver4_Click();
  void Dados5_Click();
  void Resolver5_Click();

 private:
  // Cleans both boxes, rejects either one that is no line (one message, nothing drawn), reads
  // both, redraws the plane and draws both lines in blue.
  std::optional<std::pair<LineCoefficients, LineCoefficients>> ReadAndDrawTwoLines(const std::string& first,
                                                                                   const std::string& second);
};

}  // namespace vl
