#include "ProblemMechanics.h"

namespace vl {

void InformationBox(const std::string& text, const char* title) { MsgBox(text, MsgIcon::Information, title); }

void ShowHandlerError(const RunTimeError& fault) { MsgBox(ErrorBoxText(fault.Description())); }

std::string TrimBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

double EvaluateInput(clsEquation& eq, const Control& box) {
  eq.Equation(TrimBlanks(box.text));
  eq.Var("x", 0);
  eq.Solve();
  return eq.Solution();
}

void ResultReset(Control& field) { field.text.clear(); }

}  // namespace vl
