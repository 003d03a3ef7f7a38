#include "Form2.h"

#include "Lines.h"
#include "ProblemDrawing.h"
#include "ProblemLayout.h"
#include "SharedLine.h"

namespace vl {

namespace {

std::vector<ControlDecl> Layout() {
  using namespace layout;
  std::vector<ControlDecl> t;
  const int lineBoxLeft = kInset + 600;
  int top = 3240;

  {
    FrameBuilder f(t, "Frame6", "Recta de equação...", top, 780);
    f.LabelBeside("Line", kInset, kFirstRow, 555, "Recta:");
    f.TextBox("Text1", lineBoxLeft, kFirstRow, 2880, "2x-3y+4=0");
    f.Button("Command3", kFrameWidth - kInset - kButtonWidth, kFirstRow - 45, "Resolver", kExecuteTooltip);
    top += 780 + kFrameGap;
  }
  {
    const int buttonRow = kFirstRow + 390;
    const int resultRow = buttonRow + 450;
    const int height = resultRow + 360;
    FrameBuilder f(t, "Frame4", "Recta que passa por dois pontos", top, height);
    f.LabelBeside("NameA", kInset, kFirstRow, 330, "A =");
    int left = f.CoordinatePair("A", kInset + 345, kFirstRow, "Abcissa1", "5", "Ordenada1", "-3", false);
    f.LabelBeside("And", left + 45, kFirstRow, 180, "e");
    f.LabelBeside("NameB", left + 285, kFirstRow, 330, "B =");
    f.CoordinatePair("B", left + 630, kFirstRow, "Abcissa2", "-2", "Ordenada2", "3", false);
    f.DadosResolver("Dados1", "Resolver1", buttonRow, kExecuteTooltip);
    f.Result("Resultado1", resultRow, 1335, "Equação da recta:");
    top += height + kFrameGap;
  }

  // The parallel and the perpendicular: the given line, the point, the buttons, the result.
  struct PointAndLine {
    const char *frame, *caption, *lineBox, *pointName, *xBox, *yBox, *dados, *resolver, *result;
  };
  const PointAndLine frames[] = {
      {"Frame1", "Recta que passa por um ponto e é paralela a outra", "Text5", "P =", "Abcissa3", "Ordenada3", "Dados4",
       "Resolver4", "Resultado2"},
      {"Frame8", "Recta que passa por um ponto e é perpendicular a outra", "Text7", "Q =", "Abcissa4", "Ordenada4",
       "Dados5", "Resolver5", "Resultado3"},
  };
  for (const PointAndLine& p : frames) {
    const int pointRow = kFirstRow + 390;
    const int buttonRow = pointRow + 390;
    const int resultRow = buttonRow + 450;
    const int height = resultRow + 360;
    FrameBuilder f(t, p.frame, p.caption, top, height);
    f.LabelBeside("Line", kInset, kFirstRow, 555, "Recta:");
    f.TextBox(p.lineBox, lineBoxLeft, kFirstRow, 2880, "2x+3y-1=0");
    f.LabelBeside("NamePoint", kInset, pointRow, 330, p.pointName);
    f.CoordinatePair("P", lineBoxLeft, pointRow, p.xBox, "2", p.yBox, "3", false);
    f.DadosResolver(p.dados, p.resolver, buttonRow, kExecuteTooltip);
    f.Result(p.result, resultRow, 1335, "Equação da recta:");
    top += height + kFrameGap;
  }
  return t;
}

}  // namespace

Form2::Form2() : ProblemWindow(TopicConfigFor("Form2")) {
  AddAll(Layout());
  Action("Command3", &Form2::LineOfEquation);
  Problem("Dados1", "Resolver1", &Form2::LineThroughPoints);
  Problem("Dados4", "Resolver4", &Form2::ParallelThroughPoint);
  Problem("Dados5", "Resolver5", &Form2::PerpendicularThroughPoint);
}

void Form2::LineOfEquation(ProblemRun&) {
  const auto line = ReadLineBox("Text1");
  if (!line) return;
  shared::StoreLine(*line);

  DrawPlane();
  DrawingArea& pic = Picture1();
  PenConvention::LinePen(pic);
  pic.foreColor = PenConvention::kResult;
  PlotLine(*line);
}

void Form2::LineThroughPoints(ProblemRun& run) {
  DrawPlane();
  ResultReset((*this)["Resultado1"]);
  const geo::Point a = run.InputPoint("Abcissa1", "Ordenada1");
  const geo::Point b = run.InputPoint("Abcissa2", "Ordenada2");

  const geo::Line line = geo::LineThroughTwoPoints(a, b, &shared::Cells());
  if (!geo::IsLine(line)) {
    Say({"Não há recta nessas condições. Altere as coordenadas dos pontos.", kApplicationTitleLower});
    return;
  }

  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kData;
  DrawPointDot(pic, a);
  DrawPointDot(pic, b);
  DrawAxisGuides(pic, a);
  DrawAxisGuides(pic, b);
  PrintCoordinateLabels(*this, {a, b});
  if (!run.Solving()) return;

  LineResultOutput(line, (*this)["Resultado1"]);
  run.Solved();
}

void Form2::ParallelThroughPoint(ProblemRun& run) {
  ResultReset((*this)["Resultado2"]);
  const auto given = ReadAndDrawLineAndPoint(run, "Text5", "Abcissa3", "Ordenada3");
  if (!given) return;
  const auto& [line, p] = *given;
  PrintCoordinateLabels(*this, {p});
  if (!run.Solving()) return;

  LineResultOutput(geo::ParallelThrough(line, p), (*this)["Resultado2"]);
  run.Solved();
}

void Form2::PerpendicularThroughPoint(ProblemRun& run) {
  ResultReset((*this)["Resultado3"]);
  const auto given = ReadAndDrawLineAndPoint(run, "Text7", "Abcissa4", "Ordenada4");
  if (!given) return;
  const auto& [line, q] = *given;
  if (!run.Solving()) return;

  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kResult;
  const geo::Line perpendicular = geo::PerpendicularThrough(line, q, &shared::Cells());
  PlotLine(perpendicular);
  // Q's labels come only with the solution, in the data colour.
  pic.foreColor = PenConvention::kData;
  PrintCoordinateLabels(*this, {q});
  (*this)["Resultado3"].text = shared::PublishEquation(perpendicular);
  run.Solved();
}

}  // namespace vl
