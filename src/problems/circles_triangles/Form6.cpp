#include "Form6.h"

#include "Circles.h"
#include "NumberText.h"
#include "ProblemDrawing.h"
#include "ProblemLayout.h"
#include "ResultTexts.h"
#include "SharedLine.h"
#include "Triangles.h"

namespace vl {

namespace {

void NamedLabel(std::vector<ControlDecl>& t, const char* name, const std::string& frame, int left, int top, int width,
                const char* text) {
  t.push_back({name, ControlKind::Label, frame, left, top, width, layout::kLabelHeight, text});
}

// A caption and, right after it, the red bold result field, up to the given right edge.
void ResultField(std::vector<ControlDecl>& t, const std::string& frame, const char* captionName, const char* caption,
                 int left, int top, int captionWidth, const char* field, int right) {
  NamedLabel(t, captionName, frame, left, top, captionWidth, caption);
  const int fieldLeft = left + captionWidth + 60;
  t.push_back(layout::ResultLabel(field, frame, fieldLeft, top, right - fieldLeft));
}

std::vector<ControlDecl> Layout() {
  using namespace layout;
  std::vector<ControlDecl> t;
  constexpr int kRight = kFrameWidth - kInset;
  constexpr int kCaptionRow = kFirstRow - 30;
  constexpr int kPointsRow = kCaptionRow + 270;
  // The buttons on the right of a row that also holds a point.
  constexpr int kButtonsRight = kRight - 2 * kButtonWidth - kInset;
  int top = TopicWindow::kProblemsTop;

  {
    const int buttonRow = kPointsRow + 405;
    const int resultRow = buttonRow + 480;
    const int height = resultRow + 375;
    FrameBuilder f(t, "Frame4", "Circunferência e triângulo", top, height);
    NamedLabel(t, "Label5", "Frame4", kInset, kCaptionRow, 2400, "Vértices do triângulo:");
    int left = layout::NarrowCoordinatePair(t, "Frame4", "A", kInset, kPointsRow, "Abcissa1", "-5", "Ordenada1", "-3");
    left = layout::NarrowCoordinatePair(t, "Frame4", "B", left + 150, kPointsRow, "Abcissa2", "4", "Ordenada2", "6");
    layout::NarrowCoordinatePair(t, "Frame4", "C", left + 150, kPointsRow, "Abcissa3", "8", "Ordenada3", "-1");
    f.DadosResolver("Dados1", "Resolver1", buttonRow, kResolveTooltip);
    const int optionLeft = kInset + 2 * kButtonWidth + 3 * kInset;
    t.push_back({"Option1", ControlKind::OptionButton, "Frame4", optionLeft, buttonRow + 60, 1140, 255, "Inscrita"});
    t.push_back(
        {"Option2", ControlKind::OptionButton, "Frame4", optionLeft + 1200, buttonRow + 60, 1380, 255, "Circunscrita"});
    ResultField(t, "Frame4", "Label53", "Circunferência:", kInset, resultRow, 1170, "Resultado1", kRight);
    top += height + kFrameGap;
  }
  // The next two frames: a typed equation, a point with the buttons beside it, the result.
  const int pointRow = kFirstRow + 405;
  const int resultRow = pointRow + 450;
  const int equationHeight = resultRow + 375;
  {
    FrameBuilder f(t, "Frame6", "Distância de um ponto P a uma circunferência", top, equationHeight);
    NamedLabel(t, "Label44", "Frame6", kInset, kFirstRow + kLabelDrop, 1170, "Circunferência:");
    f.TextBox("Text9", kInset + 1230, kFirstRow, 3000, "(x+1)^2+(y-2)^2=25");
    NamedLabel(t, "Label1", "Frame6", kInset, pointRow + kLabelDrop, 330, "P =");
    f.CoordinatePair("P", kInset + 480, pointRow, "Abcissa4", "6", "Ordenada4", "9", false);
    f.Button("Dados3", kButtonsRight, pointRow - 45, "Dados", kDadosTooltip);
    f.Button("Resolver3", kRight - kButtonWidth, pointRow - 45, "Resolver", kResolveTooltip);
    ResultField(t, "Frame6", "Label4", "Distância:", kInset, resultRow, 780, "Resultado2", kRight);
    top += equationHeight + kFrameGap;
  }
  {
    FrameBuilder f(t, "Frame7", "Circunferência de centro C e tangente a uma recta", top, equationHeight);
    NamedLabel(t, "Label12", "Frame7", kInset, kFirstRow + kLabelDrop, 555, "Recta:");
    f.TextBox("Text5", kInset + 645, kFirstRow, 3000, "x-y+4=0");
    NamedLabel(t, "Label14", "Frame7", kInset, pointRow + kLabelDrop, 555, "Centro:");
    f.CoordinatePair("C", kInset + 645, pointRow, "Abcissa6", "2", "Ordenada6", "-2", false);
    f.Button("Dados6", kButtonsRight, pointRow - 45, "Dados", kDadosTooltip);
    f.Button("Resolver6", kRight - kButtonWidth, pointRow - 45, "Resolver", kResolveTooltip);
    ResultField(t, "Frame7", "Label17", "Circunferência:", kInset, resultRow, 1170, "Resultado3", kRight);
    top += equationHeight + kFrameGap;
  }
  {
    const int buttonRow = kPointsRow + 405;
    const int centreRow = buttonRow + 480;
    const int circleRow = centreRow + 315;
    const int height = circleRow + 375;
    FrameBuilder f(t, "Frame1", "Circunferência definida por três pontos", top, height);
    NamedLabel(t, "Label31", "Frame1", kInset, kCaptionRow, 2400, "Coordenadas dos pontos:");
    int left = layout::NarrowCoordinatePair(t, "Frame1", "1", kInset, kPointsRow, "Abcissa9", "5", "Ordenada9", "1");
    left = layout::NarrowCoordinatePair(t, "Frame1", "2", left + 150, kPointsRow, "Abcissa10", "4", "Ordenada10", "6");
    layout::NarrowCoordinatePair(t, "Frame1", "3", left + 150, kPointsRow, "Abcissa11", "2", "Ordenada11", "-2");
    f.DadosResolver("Dados7", "Resolver7", buttonRow, kResolveTooltip);
    const int half = kFrameWidth / 2 + 300;
    ResultField(t, "Frame1", "Label32", "Centro:", kInset, centreRow, 555, "Resultado4", half - 60);
    ResultField(t, "Frame1", "Label10", "Raio:", half, centreRow, 420, "Resultado5", kRight);
    ResultField(t, "Frame1", "Label13", "Circunferência:", kInset, circleRow, 1170, "Resultado6", kRight);
  }
  return t;
}

}  // namespace

Form6::Form6() : ProblemWindow(TopicConfigFor("Form6")) {
  AddAll(Layout());
  Problem("Dados1", "Resolver1", &Form6::TriangleCircle);
  Problem("Dados3", "Resolver3", &Form6::PointCircleDistance);
  Problem("Dados6", "Resolver6", &Form6::CircleTangentToLine);
  Problem("Dados7", "Resolver7", &Form6::CircleThroughPoints);
}

void Form6::TriangleCircle(ProblemRun& run) {
  // Resultado1 keeps its last circle until a new one is found.
  const geo::Point A = run.InputPoint("Abcissa1", "Ordenada1");
  const geo::Point B = run.InputPoint("Abcissa2", "Ordenada2");
  const geo::Point C = run.InputPoint("Abcissa3", "Ordenada3");
  if (geo::CollinearityTest(A, B, C)) {
    Say({"Os pontos são colineares, não definem um triângulo.", kApplicationTitleLower});
    return;
  }

  DrawPlane();
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kData;
  DrawSegment(pic, A, B);
  DrawSegment(pic, A, C);
  DrawSegment(pic, B, C);

  if ((*this)["Option1"].value && run.Solving()) SolveIncircle(A, B, C);
  if ((*this)["Option2"].value && run.Solving()) SolveCircumcircle(A, B, C);
  run.Solved();
}

void Form6::SolveIncircle(geo::Point A, geo::Point B, geo::Point C) {
  // The sides as lines, each through its two vertices in the order AB, CA, BC.
  const geo::Line ab = geo::LineThroughTwoPoints(A, B, &shared::Cells());
  const geo::Line ca = geo::LineThroughTwoPoints(C, A, &shared::Cells());
  const geo::Line bc = geo::LineThroughTwoPoints(B, C, &shared::Cells());
  const double nAB = geo::NormalLength(ab);
  const double nBC = geo::NormalLength(bc);
  const double nCA = geo::NormalLength(ca);

  // The bisectors of the angles at B and at A meet at the centre.
  const geo::Line atB = geo::SideBisector(ab, nAB, bc, nBC);
  shared::StoreLine(atB);
  const geo::Line atA = geo::SideBisector(ab, nAB, ca, nCA);
  shared::StoreLine(atA);
  const geo::Point I = geo::IntersectTwoLines(atB, atA).At();

  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kResult;
  pic.drawStyle = PenStyle::Solid;
  DrawPointDot(pic, I);
  PenConvention::GuidePen(pic);
  pic.Line(A.x, A.y, I.x, I.y);
  pic.Line(B.x, B.y, I.x, I.y);
  const geo::Circle circle{I.x, I.y, geo::PointLineDistance(ab, I)};
  DrawCircleOutline(pic, circle);
  (*this)["Resultado1"].text = CentreRadiusCircleText(circle, true);
}

void Form6::SolveCircumcircle(geo::Point A, geo::Point B, geo::Point C) {
  const geo::Point O = geo::Circumcentre(A, B, C);
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kResult;
  // Two perpendicular bisectors meet at the centre: a dotted stroke to the middle of AB and of AC.
  PenConvention::GuidePen(pic);
  const geo::Point mAB = geo::Midpoint(A, B);
  const geo::Point mAC = geo::Midpoint(A, C);
  pic.Line(O.x, O.y, mAB.x, mAB.y);
  pic.Line(O.x, O.y, mAC.x, mAC.y);
  DrawPointWithAxisGuides(pic, O);
  const geo::Circle circle{O.x, O.y, geo::PointDistance(O, A).d};
  PenConvention::LinePen(pic);
  DrawCircleOutline(pic, circle);
  (*this)["Resultado1"].text = CentreRadiusCircleText(circle, true);
}

void Form6::PointCircleDistance(ProblemRun& run) {
  Control& result = (*this)["Resultado2"];
  ResultReset(result);
  DrawPlane();

  // P is read once the circle's terms are known and before its radius verdicts, so a fault in P
  // is reported ahead of "not a circle" or "a point".
  geo::Point P;
  const auto circle = ReadCircleBox("Text9", {}, [&] { P = run.InputPoint("Abcissa4", "Ordenada4"); });
  if (!circle) return;
  const geo::Point centre = geo::Centre(*circle);

  DrawingArea& pic = Picture1();
  DrawCircleOutline(pic, *circle, PenConvention::kData);
  pic.foreColor = PenConvention::kData;
  DrawPointDot(pic, centre);
  DrawPointDot(pic, P);
  DrawAxisGuides(pic, centre);
  DrawAxisGuides(pic, P);
  if (!run.Solving()) return;

  if (geo::PointDistance(centre, P).d < circle->r) {
    Say({"O ponto é interior à circunferência.", kApplicationTitleLower});
    return;
  }
  // The nearest point of the circle lies on the line through the centre and P.
  const geo::Line line = geo::LineThroughTwoPoints(centre, P, &shared::Cells());
  const geo::LineCircleCrossings crossing = geo::LineCircleIntersection(line, *circle);
  const double d1 = geo::PointDistance(crossing.p1, P).d;
  const double d2 = geo::PointDistance(crossing.p2, P).d;
  const geo::Point Q = d1 < d2 ? crossing.p1 : crossing.p2;
  const double d = d1 < d2 ? d1 : d2;

  pic.foreColor = PenConvention::kResult;
  DrawSegment(pic, P, Q);
  DrawStroke(pic, Q, centre);
  DrawPointDot(pic, Q);
  result.text = NumberText(RoundHalfEven2(d));
  run.Solved();
}

void Form6::CircleTangentToLine(ProblemRun& run) {
  Control& result = (*this)["Resultado3"];
  ResultReset(result);
  const auto given = ReadAndDrawLineAndPoint(run, "Text5", "Abcissa6", "Ordenada6", Order::LineFirst);
  if (!given || !run.Solving()) return;

  const auto& [line, C] = *given;
  const double r = geo::RadiusTouchingLine(line, C);
  // The circle keeps the 1-pixel pen the guides left.
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kResult;
  pic.drawStyle = PenStyle::Solid;
  pic.fillTransparent = true;
  pic.Circle(C.x, C.y, r);
  result.text = CentreRadiusCircleText({C.x, C.y, r}, false);
  run.Solved();
}

void Form6::CircleThroughPoints(ProblemRun& run) {
  // The three results keep their last values until a new circle is found.
  const geo::Point p1 = run.InputPoint("Abcissa9", "Ordenada9");
  const geo::Point p2 = run.InputPoint("Abcissa10", "Ordenada10");
  const geo::Point p3 = run.InputPoint("Abcissa11", "Ordenada11");

  DrawPlane();
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kData;
  pic.drawStyle = PenStyle::Solid;
  DrawPointDot(pic, p1);
  DrawPointDot(pic, p2);
  DrawPointDot(pic, p3);
  DrawAxisGuides(pic, p1);
  DrawAxisGuides(pic, p2);
  DrawAxisGuides(pic, p3);
  if (!run.Solving()) return;

  if (geo::ThreePointDeterminant(p1, p2, p3) == 0) {
    Say({"Os pontos não definem uma circunferência", kApplicationTitle});
    return;
  }
  const geo::ThreePointCircle found = geo::CircleThroughThreePoints(p1, p2, p3);
  const double r = geo::Radius(found);
  const geo::Point centre = found.centre;

  DrawCircleOutline(pic, {centre.x, centre.y, r}, PenConvention::kResult);
  pic.foreColor = PenConvention::kResult;
  DrawAxisGuides(pic, centre);
  DrawPointDot(pic, centre);
  (*this)["Resultado4"].text = PointResultText(centre);
  (*this)["Resultado5"].text = NumberText(RoundHalfEven2(r));
  (*this)["Resultado6"].text = GeneralCircleText(found.D, found.E, found.F);
  run.Solved();
}

}  // namespace vl
