#pragma once
// The topic window as its problems see it. A problem is declared by one call: its buttons, and
// the body that reads the boxes, draws the data and, when "Resolver" started the run, solves.
// The window supplies the rest: the solve flag, the error trap, the input reading, the typed line
// and circle readers with their verdicts, and the red solution line.
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "CircleReader.h"
#include "LineReader.h"
#include "ProblemMechanics.h"
#include "TopicWindow.h"
#include "Values.h"

namespace vl {

// One run of a problem's body.
class ProblemRun {
 public:
  ProblemRun(Form& form, SolveRequestProtocol* request) : request_(request), input_(form) {}

  // True when "Resolver" started this run.
  bool Solving() const { return request_ != nullptr && request_->Solving(); }
  // The end of the solve half.
  void Solved() {
    if (request_) request_->Lower();
  }
  // The number a box stands for; one expression object serves every box of the run.
  double Input(const std::string& box) { return input_(box); }
  // A point from its two boxes, x read first.
  geo::Point InputPoint(const std::string& xBox, const std::string& yBox) {
    const double x = Input(xBox);
    return {x, Input(yBox)};
  }

 private:
  SolveRequestProtocol* request_;
  InputBoxes input_;
};

class ProblemWindow : public TopicWindow {
 public:
  using TopicWindow::TopicWindow;

 protected:
  using Body = std::function<void(ProblemRun&)>;

  // "Dados" runs the body; "Resolver" raises the solve flag and runs the same body. The flag is
  // lowered however the run ends, and a run-time fault ends it in the "Erro:" box.
  void Problem(const std::string& dados, const std::string& resolver, Body body);
  // One button that draws and answers at once: the error trap, no solve flag.
  void Action(const std::string& button, Body body);

  template <class W>
  void Problem(const std::string& dados, const std::string& resolver, void (W::*body)(ProblemRun&)) {
    Problem(dados, resolver, [this, body](ProblemRun& run) { (static_cast<W*>(this)->*body)(run); });
  }
  template <class W>
  void Action(const std::string& button, void (W::*body)(ProblemRun&)) {
    Action(button, [this, body](ProblemRun& run) { (static_cast<W*>(this)->*body)(run); });
  }

  // An information box on the data.
  void Say(const Verdict& verdict);

  // Typed equations, in the steps the problems interleave: the box's blanks removed (written
  // back), the text test (its verdict shown, true when refused), then the reading, whose
  // difference text also goes to the hidden scratch box.
  void CleanBox(const std::string& box);
  bool RefuseLine(const std::string& box);
  geo::Line ReadCleanLine(const std::string& box);
  // The three steps; nothing after a verdict.
  std::optional<geo::Line> ReadLineBox(const std::string& box);

  bool RefuseCircle(const std::string& box, const CircleMessages& messages = {});
  // Some problems read other inputs once the terms are known and before the radius verdicts, so
  // that a fault in those inputs is reported first.
  std::optional<geo::Circle> ReadCleanCircle(const std::string& box, const CircleMessages& messages = {},
                                             const std::function<void()>& beforeRadiusTests = {});
  std::optional<geo::Circle> ReadCircleBox(const std::string& box, const CircleMessages& messages = {},
                                           const std::function<void()>& beforeRadiusTests = {});

  // The opening of the problems on two typed lines: both boxes cleaned, either one refused (one
  // message, nothing drawn), both read, the plane redrawn and both lines published and drawn in
  // blue, one after the other.
  std::optional<std::pair<geo::Line, geo::Line>> ReadAndDrawTwoLines(const std::string& first,
                                                                     const std::string& second);
  // The opening of the problems on a typed line and a point: the line read (nothing after a
  // verdict) and published, the point read, the plane redrawn, then in blue the point with its
  // guides and the line, or the line first when asked.
  struct LineAndPoint {
    geo::Line line;
    geo::Point point;
  };
  enum class Order { PointFirst, LineFirst };
  std::optional<LineAndPoint> ReadAndDrawLineAndPoint(ProblemRun& run, const std::string& lineBox,
                                                      const std::string& xBox, const std::string& yBox,
                                                      Order order = Order::PointFirst);

  // A line across the plane with the current pen; for no line, "A equação que indicou não é a de
  // uma recta." instead.
  void PlotLine(const geo::Line& line);
  // The red solution line: into the shared cells, drawn from the unrounded values, its general
  // equation (from the rounded ones) in the field.
  void LineResultOutput(const geo::Line& line, Control& field);

 private:
  void RunProblem(const Body& body);
  void Scratch(const std::string& difference);
};

}  // namespace vl
