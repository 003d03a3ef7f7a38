#include "Form3.h"

#include <cmath>

#include "Checked.h"
#include "Lines.h"
#include "NumberText.h"
#include "ProblemDrawing.h"
#include "ProblemLayout.h"
#include "ResultTexts.h"
#include "SharedLine.h"

namespace vl {

namespace {

std::vector<ControlDecl> Layout() {
  using namespace layout;
  std::vector<ControlDecl> t;
  const int lineBoxLeft = kInset + 600;
  // Two equations share a row, each box half of what is left of it.
  const int pairBoxLeft = kInset + 675;
  const int pairBoxWidth = 2130;
  const int secondBoxLeft = pairBoxLeft + pairBoxWidth + 105;
  const int buttonRow = kFirstRow + 390;
  const int resultRow = buttonRow + 450;
  const int twoLineHeight = resultRow + 360;
  int top = TopicWindow::kProblemsTop;

  struct TwoLines {
    const char *frame, *caption, *first, *firstText, *second, *secondText, *dados, *resolver, *result, *resultCaption;
    int resultCaptionWidth;
  };
  const TwoLines twoLines[] = {
      {"Frame4", "Distância entre rectas paralelas", "Text3", "2x+3y+4=0", "Text4", "2x+3y-4=0", "Dados1", "Resolver1",
       "Resultado2", "Distância:", 735},
      {"Frame6", "Intersecção de duas rectas", "Text1", "2x+3y+4=0", "Text2", "5x-2y+4=0", "Dados3", "Resolver3",
       "Resultado1", "Intersecção:", 870},
  };
  auto addTwoLines = [&](const TwoLines& p) {
    FrameBuilder f(t, p.frame, p.caption, top, twoLineHeight);
    f.LabelBeside("Lines", kInset, kFirstRow, 585, "Rectas:");
    f.TextBox(p.first, pairBoxLeft, kFirstRow, pairBoxWidth, p.firstText);
    f.TextBox(p.second, secondBoxLeft, kFirstRow, pairBoxWidth, p.secondText);
    f.DadosResolver(p.dados, p.resolver, buttonRow, kResolveTooltip);
    f.Result(p.result, resultRow, p.resultCaptionWidth, p.resultCaption);
    top += twoLineHeight + kFrameGap;
  };
  for (const TwoLines& p : twoLines) addTwoLines(p);

  {
    const int pointRow = kFirstRow + 390;
    const int pointButtonRow = pointRow + 390;
    const int pointResultRow = pointButtonRow + 450;
    const int height = pointResultRow + 360;
    FrameBuilder f(t, "Frame1", "Distância de um ponto a uma recta", top, height);
    f.LabelBeside("Line", kInset, kFirstRow, 555, "Recta:");
    f.TextBox("Text5", lineBoxLeft, kFirstRow, 2880, "3x-4y=24");
    f.LabelBeside("NamePoint", kInset, pointRow, 330, "P =");
    f.CoordinatePair("P", lineBoxLeft, pointRow, "Abcissa1", "-2", "Ordenada1", "5", false);
    f.DadosResolver("Dados4", "Resolver4", pointButtonRow, kResolveTooltip);
    f.Result("Resultado3", pointResultRow, 735, "Distância:");
    top += height + kFrameGap;
  }

  addTwoLines({"Frame8", "Ângulo de duas rectas", "Text6", "2x-5y=3", "Text7", "x+3y=0", "Dados5", "Resolver5",
               "Resultado4", "Ângulo:", 555});
  return t;
}

}  // namespace

Form3::Form3() : ProblemWindow(TopicConfigFor("Form3")) {
  AddAll(Layout());
  Problem("Dados1", "Resolver1", &Form3::ParallelsDistance);
  Problem("Dados3", "Resolver3", &Form3::LinesIntersection);
  Problem("Dados4", "Resolver4", &Form3::PointLineDistance);
  Problem("Dados5", "Resolver5", &Form3::LinesAngle);
}

void Form3::ParallelsDistance(ProblemRun& run) {
  Control& result = (*this)["Resultado2"];
  ResultReset(result);
  const auto lines = ReadAndDrawTwoLines("Text3", "Text4");
  if (!lines || !run.Solving()) return;

  const auto& [l1, l2] = *lines;
  if (!geo::Parallel(l1, l2)) {
    Say({"As rectas não são paralelas.", kApplicationTitleLower});
    DrawPlane();
    return;
  }

  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kResult;
  double d = 0;
  if (l1.b == 0) {
    // Both vertical: where they cross the x axis.
    const double x1 = geo::XAxisCrossing(l1);
    const double x2 = geo::XAxisCrossing(l2);
    DrawPointDot(pic, {x1, 0});
    DrawPointDot(pic, {x2, 0});
    d = std::fabs(checked::Sub(x2, x1));
  } else if (l1.a == 0) {
    // Both horizontal: where they cross the y axis.
    const double y1 = geo::YAxisCrossing(l1);
    const double y2 = geo::YAxisCrossing(l2);
    DrawPointDot(pic, {0, y1});
    DrawPointDot(pic, {0, y2});
    d = std::fabs(checked::Sub(y2, y1));
  } else {
    // From where line 1 crosses the y axis, the foot of the perpendicular on line 2.
    const geo::Point p{0, geo::YAxisCrossing(l1)};
    DrawPointDot(pic, p);
    const geo::Point h = geo::PerpendicularFoot(l2, p);
    DrawPointDot(pic, h);
    DrawStroke(pic, p, h);
    d = geo::PointLineDistance(l2, p);
  }
  result.text = NumberText(RoundHalfEven2(d));
  run.Solved();
}

void Form3::LinesIntersection(ProblemRun& run) {
  Control& result = (*this)["Resultado1"];
  ResultReset(result);
  const auto lines = ReadAndDrawTwoLines("Text1", "Text2");
  if (!lines || !run.Solving()) return;

  const geo::LineCrossing crossing = geo::IntersectTwoLines(lines->first, lines->second);
  if (crossing.Single()) {
    const geo::Point p = crossing.At();
    DrawingArea& pic = Picture1();
    pic.foreColor = PenConvention::kResult;
    DrawPointWithAxisGuides(pic, p);
    result.text = PointResultText(p);
  } else {
    result.text = crossing.SameLine() ? "As rectas são coincidentes." : "As rectas são paralelas.";
  }
  run.Solved();
}

void Form3::PointLineDistance(ProblemRun& run) {
  Control& result = (*this)["Resultado3"];
  ResultReset(result);
  const auto given = ReadAndDrawLineAndPoint(run, "Text5", "Abcissa1", "Ordenada1");
  if (!given || !run.Solving()) return;

  // The foot H is where the perpendicular through P meets the line.
  const auto& [line, p] = *given;
  const geo::Line perpendicular = geo::PerpendicularThrough(line, p, &shared::Cells());
  const geo::Point h = geo::IntersectTwoLines(line, perpendicular).At();
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kResult;
  DrawSegment(pic, p, h);
  result.text = RadicalDistanceText(geo::PointDistance(p, h), "sqr(");
  run.Solved();
}

void Form3::LinesAngle(ProblemRun& run) {
  Control& result = (*this)["Resultado4"];
  ResultReset(result);
  const auto lines = ReadAndDrawTwoLines("Text6", "Text7");
  if (!lines || !run.Solving()) return;

  if (geo::Parallel(lines->first, lines->second)) {
    // Coincident lines get the same answer.
    Say({"As rectas paralelas.", kApplicationTitle});
    DrawPlane();
    return;
  }
  const geo::LinesAngle angle = geo::AngleBetween(lines->first, lines->second);
  result.text = angle.right ? NumberText(90) + "º" : AngleDmsText(angle.radians);
  run.Solved();
}

}  // namespace vl
