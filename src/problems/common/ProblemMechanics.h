#pragma once
// The mechanics under every problem run: the solve flag that a "Resolver" button raises for the
// run of its "Dados" body, the trap that turns any run-time fault into the "Erro:" box, the
// reading of an input box as a number.
#include <string>

#include "App.h"
#include "clsEquation.h"
#include "Form.h"
#include "RunTimeError.h"
#include "Titles.h"

namespace vl {

// A verdict on the data: information icon and one of the two titles.
void InformationBox(const std::string& text, const char* title);

// Lowers the window's solve flag when a "Dados" handler ends, whichever way it ends (end of the
// solve half, a verdict that stops it, the "Erro:" box), so a raised flag never outlives the run
// it was raised for. Declare it first in the handler, before the error trap.
class SolveRequestProtocol {
 public:
  explicit SolveRequestProtocol(bool& solveRequested) : flag_(solveRequested) {}
  ~SolveRequestProtocol() { flag_ = false; }
  SolveRequestProtocol(const SolveRequestProtocol&) = delete;
  SolveRequestProtocol& operator=(const SolveRequestProtocol&) = delete;

  // True when a "Resolver" button started this run.
  bool Solving() const { return flag_; }
  // End of the solve half.
  void Lower() { flag_ = false; }

 private:
  bool& flag_;
};

// The box of the error trap: "Erro:", two line breaks and the fault's description, no icon,
// no title of its own.
void ShowHandlerError(const RunTimeError& fault);

// Runs a handler's body under the error trap: a run-time fault ends the body at once and shows
// the "Erro:" box; what was drawn or stored before the fault stays.
template <class Body>
void HandlerErrorBox(Body&& body) {
  try {
    body();
  } catch (const RunTimeError& fault) {
    ShowHandlerError(fault);
  }
}

// The number an input box stands for: its text without surrounding blanks, evaluated by the
// handler's expression object with x = 0. Whatever the interpreter rejects (an empty box
// included) raises its error.
double EvaluateInput(clsEquation& eq, const Control& box);

// One expression object for all the boxes that one handler run reads, in turn.
class InputBoxes {
 public:
  explicit InputBoxes(Form& form) : form_(form) {}
  double operator()(const std::string& box) { return EvaluateInput(eq_, form_[box]); }

 private:
  Form& form_;
  clsEquation eq_;
};

// Empties a result field so that a run ending early leaves it blank.
void ResultReset(Control& field);

// Text without leading and trailing blanks.
std::string TrimBlanks(const std::string& text);

}  // namespace vl
