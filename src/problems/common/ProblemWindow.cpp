#include "ProblemWindow.h"

#include <memory>
#include <variant>

#include "ProblemDrawing.h"
#include "SharedLine.h"

namespace vl {

void ProblemWindow::Problem(const std::string& dados, const std::string& resolver, Body body) {
  auto shared = std::make_shared<Body>(std::move(body));
  On(dados, Event::Click, [this, shared] { RunProblem(*shared); });
  On(resolver, Event::Click, [this, shared] {
    SolveRequested = true;
    RunProblem(*shared);
  });
}

void ProblemWindow::Action(const std::string& button, Body body) {
  On(button, Event::Click, [this, body = std::move(body)] {
    HandlerErrorBox([&] {
      ProblemRun run(*this, nullptr);
      body(run);
    });
  });
}

void ProblemWindow::RunProblem(const Body& body) {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    ProblemRun run(*this, &request);
    body(run);
  });
}

void ProblemWindow::Say(const Verdict& verdict) { InformationBox(verdict.text, verdict.title.c_str()); }

void ProblemWindow::Scratch(const std::string& difference) {
  if (Control* scratch = Find(ScratchBoxName())) scratch->text = difference;
}

void ProblemWindow::CleanBox(const std::string& box) {
  Control& c = (*this)[box];
  c.text = CleanEquationText(c.text);
}

bool ProblemWindow::RefuseLine(const std::string& box) {
  const auto verdict = LineTextVerdict((*this)[box].text);
  if (verdict) Say(*verdict);
  return verdict.has_value();
}

geo::Line ProblemWindow::ReadCleanLine(const std::string& box) {
  const std::string difference = EquationDifferenceText((*this)[box].text);
  Scratch(difference);
  return LineFromDifference(difference);
}

std::optional<geo::Line> ProblemWindow::ReadLineBox(const std::string& box) {
  CleanBox(box);
  if (RefuseLine(box)) return std::nullopt;
  return ReadCleanLine(box);
}

bool ProblemWindow::RefuseCircle(const std::string& box, const CircleMessages& messages) {
  const auto verdict = CircleTextVerdict((*this)[box].text, messages);
  if (verdict) Say(*verdict);
  return verdict.has_value();
}

std::optional<geo::Circle> ProblemWindow::ReadCleanCircle(const std::string& box, const CircleMessages& messages,
                                                          const std::function<void()>& beforeRadiusTests) {
  const std::string difference = EquationDifferenceText((*this)[box].text);
  Scratch(difference);
  const CircleQuadratic q = CircleQuadraticOf(difference);
  shared::StoreQuadraticTerms(q.A, q.B, q.C);
  const auto normalised = NormaliseCircle(q, messages);
  if (const Verdict* verdict = std::get_if<Verdict>(&normalised)) {
    Say(*verdict);
    return std::nullopt;
  }
  if (beforeRadiusTests) beforeRadiusTests();
  const auto circle = CircleFromNormalised(std::get<NormalisedCircle>(normalised), messages);
  if (const Verdict* verdict = std::get_if<Verdict>(&circle)) {
    Say(*verdict);
    return std::nullopt;
  }
  return std::get<geo::Circle>(circle);
}

std::optional<geo::Circle> ProblemWindow::ReadCircleBox(const std::string& box, const CircleMessages& messages,
                                                        const std::function<void()>& beforeRadiusTests) {
  CleanBox(box);
  if (RefuseCircle(box, messages)) return std::nullopt;
  return ReadCleanCircle(box, messages, beforeRadiusTests);
}

std::optional<std::pair<geo::Line, geo::Line>> ProblemWindow::ReadAndDrawTwoLines(const std::string& first,
                                                                                  const std::string& second) {
  CleanBox(first);
  CleanBox(second);
  if (RefuseLine(first) || RefuseLine(second)) return std::nullopt;
  const geo::Line line1 = ReadCleanLine(first);
  const geo::Line line2 = ReadCleanLine(second);

  DrawPlane();
  DrawingArea& pic = Picture1();
  PenConvention::LinePen(pic);
  pic.foreColor = PenConvention::kData;
  shared::StoreLine(line1);
  PlotLine(line1);
  shared::StoreLine(line2);
  PlotLine(line2);
  return std::pair{line1, line2};
}

std::optional<ProblemWindow::LineAndPoint> ProblemWindow::ReadAndDrawLineAndPoint(
    ProblemRun& run, const std::string& lineBox, const std::string& xBox, const std::string& yBox, Order order) {
  const auto line = ReadLineBox(lineBox);
  if (!line) return std::nullopt;
  shared::StoreLine(*line);
  const geo::Point p = run.InputPoint(xBox, yBox);

  DrawPlane();
  DrawingArea& pic = Picture1();
  if (order == Order::PointFirst) {
    pic.foreColor = PenConvention::kData;
    DrawPointWithAxisGuides(pic, p);
    PenConvention::LinePen(pic);
    PlotLine(*line);
  } else {
    PenConvention::LinePen(pic);
    pic.foreColor = PenConvention::kData;
    PlotLine(*line);
    DrawPointWithAxisGuides(pic, p);
  }
  return LineAndPoint{*line, p};
}

void ProblemWindow::PlotLine(const geo::Line& line) {
  if (!DrawLineFromCoefs(line)) Say({"A equação que indicou não é a de uma recta.", kApplicationTitleLower});
}

void ProblemWindow::LineResultOutput(const geo::Line& line, Control& field) {
  shared::StoreLine(line);
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kResult;
  PenConvention::LinePen(pic);
  PlotLine(line);
  field.text = shared::PublishEquation(line);
}

}  // namespace vl
