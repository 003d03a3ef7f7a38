#include "Form5.h"

#include <cmath>

#include "Lines.h"
#include "NumberText.h"
#include "Palette.h"
#include "ProblemDrawing.h"
#include "ProblemLayout.h"
#include "ResultTexts.h"
#include "SharedLine.h"

namespace vl {

namespace {

// An option button as wide as its circle; its caption is the label beside it.
void Option(std::vector<ControlDecl>& t, const std::string& frame, const char* name, int top) {
  t.push_back({name, ControlKind::OptionButton, frame, layout::kInset, top + 15, 255, 255, ""});
}

std::vector<ControlDecl> Layout() {
  using namespace layout;
  std::vector<ControlDecl> t;
  int top = TopicWindow::kProblemsTop;

  {
    const int buttonRow = kFirstRow + 390;
    const int resultRow = buttonRow + 450;
    const int height = resultRow + 420;
    FrameBuilder f(t, "Frame4", "Ver se três pontos são colineares", top, height);
    int left = layout::NarrowCoordinatePair(t, "Frame4", "1", kInset, kFirstRow, "Abcissa1", "2", "Ordenada1", "3");
    left = layout::NarrowCoordinatePair(t, "Frame4", "2", left + 150, kFirstRow, "Abcissa2", "4", "Ordenada2", "6");
    layout::NarrowCoordinatePair(t, "Frame4", "3", left + 150, kFirstRow, "Abcissa3", "-2", "Ordenada3", "-3");
    f.DadosResolver("Dados1", "Resolver1", buttonRow, kResolveTooltip);
    f.LabelBeside("ResultCaption", kInset, resultRow, 780, "Conclusão:");
    const int boxLeft = kInset + 840;
    ControlDecl verdict{"Resultado1", ControlKind::TextBox,           "Frame4",  boxLeft,
                        resultRow,    kFrameWidth - kInset - boxLeft, kBoxHeight};
    verdict.font.bold = true;
    verdict.foreColor = rgb::kRed;
    t.push_back(std::move(verdict));
    top += height + kFrameGap;
  }
  {
    const int pointsRow = kFirstRow;
    const int equationRow = pointsRow + 390;
    const int buttonRow = equationRow + 390;
    const int slopeRow = buttonRow + 450;
    const int inclinationRow = slopeRow + 300;
    const int height = inclinationRow + 360;
    const int inputLeft = kInset + 1740;
    FrameBuilder f(t, "Frame6", "Coeficiente angular e inclinação de uma recta", top, height);
    Option(t, "Frame6", "Option1", pointsRow);
    f.LabelBeside("Through", kInset + 315, pointsRow, 1305, "Passa nos pontos:");
    const int left =
        layout::NarrowCoordinatePair(t, "Frame6", "1", inputLeft, pointsRow, "Abcissa4", "2", "Ordenada4", "-2");
    f.LabelBeside("And", left + 60, pointsRow, 150, "e");
    layout::NarrowCoordinatePair(t, "Frame6", "2", left + 255, pointsRow, "Abcissa5", "-8", "Ordenada5", "4");
    Option(t, "Frame6", "Option2", equationRow);
    f.LabelBeside("Equation", kInset + 315, equationRow, 1305, "Tem equação:");
    f.TextBox("Text9", inputLeft, equationRow, 2880, "2x-3y+7=0");
    f.DadosResolver("Dados3", "Resolver3", buttonRow, kResolveTooltip);
    f.Result("Resultado2", slopeRow, 855, "Declive:");
    // A second result of the same frame needs its own caption name.
    f.Label("InclinationCaption", kInset, inclinationRow, 855, "Inclinação:");
    t.push_back(layout::ResultLabel("Resultado3", "Frame6", kInset + 915, inclinationRow,
                                    kFrameWidth - kInset - (kInset + 915)));
    top += height + kFrameGap;
  }
  {
    const int buttonRow = kFirstRow + 390;
    const int resultRow = buttonRow + 450;
    const int height = resultRow + 360;
    const int boxLeft = kInset + 675;
    FrameBuilder f(t, "Frame1", "Posição relativa de duas rectas", top, height);
    f.LabelBeside("Lines", kInset, kFirstRow, 555, "Rectas");
    f.TextBox("Text5", boxLeft, kFirstRow, 2130, "x-y+4=0");
    f.TextBox("Text6", boxLeft + 2130 + 105, kFirstRow, 2130, "2x-2y-1=0");
    f.Button("Resolver6", kInset, buttonRow, "Resolver", kResolveTooltip);
    f.Result("Resultado4", resultRow, 615, "Posição:");
  }
  return t;
}

}  // namespace

Form5::Form5() : ProblemWindow(TopicConfigFor("Form5")) {
  AddAll(Layout());
  Problem("Dados1", "Resolver1", &Form5::Collinearity);
  Problem("Dados3", "Resolver3", &Form5::SlopeAndInclination);
  Action("Resolver6", &Form5::RelativePosition);
}

void Form5::Collinearity(ProblemRun& run) {
  Control& result = (*this)["Resultado1"];
  ResultReset(result);
  const geo::Point p1 = run.InputPoint("Abcissa1", "Ordenada1");
  const geo::Point p2 = run.InputPoint("Abcissa2", "Ordenada2");
  const geo::Point p3 = run.InputPoint("Abcissa3", "Ordenada3");

  DrawPlane();
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kData;
  DrawPointDot(pic, p1);
  DrawPointDot(pic, p2);
  DrawPointDot(pic, p3);
  if (!run.Solving()) return;

  // The line through the first two, as a construction line for the third.
  const geo::Line line = geo::LineThroughTwoPoints(p1, p2, &shared::Cells());
  PenConvention::GuidePen(pic);
  pic.foreColor = PenConvention::kResult;
  PlotLine(line);
  result.text =
      geo::CollinearityTest(p1, p2, p3) ? "Os pontos estão em linha recta." : "Os pontos não estão em linha recta.";
  run.Solved();
}

void Form5::SlopeAndInclination(ProblemRun& run) {
  DrawPlane();
  ResultReset((*this)["Resultado2"]);
  ResultReset((*this)["Resultado3"]);
  DrawingArea& pic = Picture1();

  if ((*this)["Option1"].value) {
    const geo::Point p1 = run.InputPoint("Abcissa4", "Ordenada4");
    const geo::Point p2 = run.InputPoint("Abcissa5", "Ordenada5");
    const geo::Line line = geo::LineThroughTwoPoints(p1, p2, &shared::Cells());
    pic.foreColor = PenConvention::kData;
    DrawPointDot(pic, p1);
    DrawPointDot(pic, p2);
    if (!run.Solving()) return;
    PenConvention::LinePen(pic);
    pic.foreColor = PenConvention::kResult;
    PlotLine(line);
    WriteSlopeAndInclination(line);
    run.Solved();
  } else if ((*this)["Option2"].value) {
    const auto line = ReadLineBox("Text9");
    if (!line) return;
    shared::StoreLine(*line);
    PenConvention::LinePen(pic);
    pic.foreColor = PenConvention::kData;
    PlotLine(*line);
    if (!run.Solving()) return;
    // The given line stays blue; only the fields answer.
    WriteSlopeAndInclination(*line);
    run.Solved();
  }
}

void Form5::WriteSlopeAndInclination(const geo::Line& line) {
  // No line at all: its drawing has already said so, and it has neither slope nor inclination.
  if (!geo::IsLine(line)) return;
  Control& slope = (*this)["Resultado2"];
  Control& inclination = (*this)["Resultado3"];
  if (line.b == 0) {
    // Vertical: no slope to write.
    inclination.text = NumberText(90) + "º";
    return;
  }
  const double m = geo::Slope(line);
  slope.text = NumberText(RoundHalfEven2(m));
  const AngleDms angle = AngleDmsParts(std::atan(m));
  if (m > 0) {
    inclination.text = DmsText(angle.D, angle.M, angle.S);
  } else {
    // 180° plus a negative angle, borrowing in each field and carrying nothing, so whole
    // seconds read 60.
    inclination.text = DmsText(angle.D + 179, angle.M + 59, angle.S + 60);
  }
  if (angle.D == 0 && angle.M == 0 && angle.S == 0) inclination.text = NumberText(0) + "º";
}

void Form5::RelativePosition(ProblemRun&) {
  Control& result = (*this)["Resultado4"];
  ResultReset(result);
  DrawPlane();
  DrawingArea& pic = Picture1();

  // The second box is cleaned and tested only once the first line is on the plane.
  std::optional<geo::Line> lines[2];
  for (int i = 0; i < 2; ++i) {
    lines[i] = ReadLineBox(i == 0 ? "Text5" : "Text6");
    if (!lines[i]) return;
    shared::StoreLine(*lines[i]);
    PenConvention::LinePen(pic);
    pic.foreColor = PenConvention::kData;
    PlotLine(*lines[i]);
  }

  const geo::LineCrossing crossing = geo::IntersectTwoLines(*lines[0], *lines[1]);
  if (crossing.Single()) {
    const geo::Point p = crossing.At();
    result.text = "As rectas são concorrentes em ( " + NumberText(RoundHalfEven2(p.x)) + " , " +
                  NumberText(RoundHalfEven2(p.y)) + " )";
    pic.foreColor = PenConvention::kResult;
    DrawPointWithAxisGuides(pic, p);
  } else {
    result.text = crossing.SameLine() ? "As rectas são coincidentes." : "As rectas são paralelas.";
  }
}

}  // namespace vl
