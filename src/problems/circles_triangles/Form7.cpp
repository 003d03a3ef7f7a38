#include "Form7.h"

#include "Circles.h"
#include "ProblemDrawing.h"
#include "ProblemLayout.h"
#include "ResultTexts.h"
#include "SharedLine.h"

namespace vl {

namespace {

// A label with a name of its own, level with the boxes of the row at boxTop.
void NamedLabel(std::vector<ControlDecl>& t, const std::string& name, const std::string& frame, int left, int boxTop,
                int width, const std::string& text) {
  t.push_back({name, ControlKind::Label, frame, left, boxTop + layout::kLabelDrop, width, layout::kLabelHeight, text});
}

// A red bold result field without a caption of its own.
std::vector<ControlDecl> Layout() {
  using namespace layout;
  std::vector<ControlDecl> t;
  int top = TopicWindow::kProblemsTop;
  const int secondRow = kFirstRow + 390;
  const int buttonRow = secondRow + 390;
  const int resultRow = buttonRow + 450;
  const int frameHeight = resultRow + 360;
  const int circleCaptionWidth = 1170;
  const int circleBoxLeft = kInset + circleCaptionWidth + 15;

  {
    FrameBuilder f(t, "Frame4", "Intersecção de duas circunferências", top, frameHeight);
    // One caption for both boxes, level with the gap between them.
    f.Label("Circle", kInset, (kFirstRow + secondRow + kBoxHeight - kLabelHeight) / 2, circleCaptionWidth,
            "Circunferência:");
    f.TextBox("Text6", circleBoxLeft, kFirstRow, 3000, "x^2+y^2-16x-20y+115=0");
    f.TextBox("Text7", circleBoxLeft, secondRow, 3000, "x^2+y^2+8x-10y+5=0");
    f.DadosResolver("Dados1", "Resolver1", buttonRow, kResolveTooltip);
    f.Label("ResultCaption", kInset, resultRow, 900, "Intersecção:");
    const int half = (kFrameWidth - kInset - 1080) / 2;
    t.push_back(layout::ResultLabel("Resultado1", "Frame4", 1080, resultRow, half - 60));
    t.push_back(layout::ResultLabel("Resultado2", "Frame4", 1080 + half, resultRow, half));
    top += frameHeight + kFrameGap;
  }
  {
    FrameBuilder f(t, "Frame3", "Circunferência que passa em P e é tg à recta no ponto Q", top, frameHeight);
    // "P =" stands over "Q =", so that the two points' boxes line up.
    const int nameLeft = kInset + 480;
    const int pairLeft = nameLeft + 345;
    NamedLabel(t, "Label9", "Frame3", nameLeft, kFirstRow, 330, "P =");
    f.CoordinatePair("P", pairLeft, kFirstRow, "Abcissa1", "-3", "Ordenada1", "7", false);
    NamedLabel(t, "Label16", "Frame3", kInset, secondRow, 450, "Ponto");
    NamedLabel(t, "Label13", "Frame3", nameLeft, secondRow, 330, "Q =");
    const int afterQ = f.CoordinatePair("Q", pairLeft, secondRow, "Abcissa2", "2", "Ordenada2", "6", false);
    NamedLabel(t, "Label14", "Frame3", afterQ + 60, secondRow, 660, "da recta:");
    const int lineLeft = afterQ + 735;
    f.TextBox("Text12", lineLeft, secondRow, kFrameWidth - kInset - lineLeft, "3x+2y-18=0");
    f.DadosResolver("Dados11", "Resolver11", buttonRow, kResolveTooltip);
    t.push_back({"Label21", ControlKind::Label, "Frame3", kInset, resultRow, circleCaptionWidth, kLabelHeight,
                 "Circunferência:"});
    const int resultLeft = kInset + circleCaptionWidth + 60;
    t.push_back(layout::ResultLabel("Resultado3", "Frame3", resultLeft, resultRow, kFrameWidth - kInset - resultLeft));
    top += frameHeight + kFrameGap;
  }
  {
    const int secondResultRow = resultRow + 255;
    const int height = secondResultRow + 360;
    FrameBuilder f(t, "Frame6", "Rectas que passam por P e são tg a uma circunferência", top, height);
    NamedLabel(t, "Label1", "Frame6", kInset, kFirstRow, 330, "P =");
    f.CoordinatePair("P", kInset + 345, kFirstRow, "Abcissa4", "-1", "Ordenada4", "0", false);
    NamedLabel(t, "Label44", "Frame6", kInset, secondRow, circleCaptionWidth, "Circunferência:");
    f.TextBox("Text9", circleBoxLeft, secondRow, 3000, "x^2+y^2-2x-1=0");
    f.DadosResolver("Dados3", "Resolver3", buttonRow, kResolveTooltip);
    t.push_back({"Label4", ControlKind::Label, "Frame6", kInset, resultRow, 600, kLabelHeight, "Rectas:"});
    const int resultLeft = kInset + 660;
    const int width = kFrameWidth - kInset - resultLeft;
    t.push_back(layout::ResultLabel("Resultado4", "Frame6", resultLeft, resultRow, width));
    t.push_back(layout::ResultLabel("Resultado5", "Frame6", resultLeft, secondResultRow, width));
  }
  return t;
}

}  // namespace

Form7::Form7() : ProblemWindow(TopicConfigFor("Form7")) {
  AddAll(Layout());
  Problem("Dados1", "Resolver1", &Form7::CirclesIntersection);
  Problem("Dados11", "Resolver11", &Form7::CircleThroughPTangentAtQ);
  Problem("Dados3", "Resolver3", &Form7::TangentsFromPoint);
}

void Form7::CirclesIntersection(ProblemRun& run) {
  Control& resultA = (*this)["Resultado1"];
  Control& resultB = (*this)["Resultado2"];
  ResultReset(resultA);
  ResultReset(resultB);
  DrawPlane();

  const auto first = ReadCircleBox(
      "Text6", {"A primeira equação não representa uma circunferência.", "A primeira equação representa um ponto."});
  if (!first) return;
  const auto second = ReadCircleBox(
      "Text7", {"A segunda equação não representa uma circunferência.", "A segunda equação representa um ponto."});
  if (!second) return;

  // The common points are found before anything is drawn: the same circle twice fails here.
  const geo::CircleCrossings crossing = geo::IntersectTwoCircles(*first, *second);
  DrawingArea& pic = Picture1();
  const geo::Point centre1 = geo::Centre(*first);
  const geo::Point centre2 = geo::Centre(*second);
  pic.foreColor = PenConvention::kData;
  PenConvention::LinePen(pic);
  DrawCircleOutline(pic, *first);
  DrawCircleOutline(pic, *second);
  DrawPointDot(pic, centre1);
  DrawPointDot(pic, centre2);
  DrawAxisGuides(pic, centre1);
  DrawAxisGuides(pic, centre2);
  if (crossing.K < 0) {
    Say({"As circunferências não se intersectam.", kApplicationTitleLower});
    return;
  }
  if (!run.Solving()) return;

  pic.foreColor = PenConvention::kResult;
  DrawPointDot(pic, crossing.a);
  DrawPointDot(pic, crossing.b);
  DrawAxisGuides(pic, crossing.a);
  DrawAxisGuides(pic, crossing.b);
  if (crossing.K == 0) Say({"As circunferências são tangentes.", kApplicationTitleLower});
  resultA.text = PointResultText(crossing.a);
  resultB.text = PointResultText(crossing.b);
  run.Solved();
}

void Form7::CircleThroughPTangentAtQ(ProblemRun& run) {
  Control& result = (*this)["Resultado3"];
  ResultReset(result);
  DrawPlane();

  const auto line = ReadLineBox("Text12");
  if (!line) return;
  shared::StoreLine(*line);
  const geo::Point p = run.InputPoint("Abcissa1", "Ordenada1");
  const geo::Point q = run.InputPoint("Abcissa2", "Ordenada2");

  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kData;
  DrawAxisGuides(pic, p);
  DrawAxisGuides(pic, q);
  PenConvention::LinePen(pic);
  PlotLine(*line);
  DrawPointDot(pic, p);
  DrawPointDot(pic, q);

  if (!geo::OnLine(*line, q)) {
    Say({"O ponto Q não pertence à recta.", kApplicationTitleLower});
    return;
  }
  if (!run.Solving()) return;

  const geo::Point centre = geo::CentreTouchingLineAt(*line, p, q);
  const geo::Circle circle{centre.x, centre.y, geo::PointDistance(centre, p).d};
  pic.foreColor = PenConvention::kResult;
  PenConvention::LinePen(pic);
  DrawCircleOutline(pic, circle);
  result.text = CentreRadiusCircleText(circle, true);
  run.Solved();
}

void Form7::TangentsFromPoint(ProblemRun& run) {
  Control& first = (*this)["Resultado4"];
  Control& second = (*this)["Resultado5"];
  ResultReset(first);
  ResultReset(second);
  DrawPlane();

  const auto circle = ReadCircleBox("Text9");
  if (!circle) return;
  const geo::Point p = run.InputPoint("Abcissa4", "Ordenada4");
  const geo::Point centre = geo::Centre(*circle);

  DrawingArea& pic = Picture1();
  if (geo::PointDistance(p, centre).d <= circle->r) {
    pic.foreColor = PenConvention::kData;
    PenConvention::LinePen(pic);
    DrawCircleOutline(pic, *circle);
    DrawPointDot(pic, centre);
    DrawPointDot(pic, p);
    DrawAxisGuides(pic, centre);
    DrawAxisGuides(pic, p);
    Say({"O ponto não é exterior à circunferência.", kApplicationTitleLower});
    return;
  }

  const geo::Line tangent1 = geo::TangentFromPoint(*circle, p, geo::Side::First);
  shared::StoreLine(tangent1);
  pic.foreColor = PenConvention::kData;
  DrawPointDot(pic, centre);
  DrawPointDot(pic, p);
  DrawAxisGuides(pic, centre);
  DrawAxisGuides(pic, p);
  PenConvention::LinePen(pic);
  DrawCircleOutline(pic, *circle);
  if (!run.Solving()) return;

  // Each tangent keeps its own text: the first written inline, the second by the general routine.
  pic.foreColor = PenConvention::kResult;
  PlotLine(tangent1);
  first.text = shared::PublishInlineEquation(tangent1);
  LineResultOutput(geo::TangentFromPoint(*circle, p, geo::Side::Second), second);
  run.Solved();
}

}  // namespace vl
