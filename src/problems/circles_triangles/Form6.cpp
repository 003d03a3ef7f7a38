#include "Form6.h"

#include <cmath>

#include "Checked.h"
#include "CircleReader.h"
#include "CircleThroughPoints.h"
#include "Collinearity.h"
#include "LineCircle.h"
#include "LineConstructions.h"
#include "LineMeasures.h"
#include "LineReader.h"
#include "Module1.h"
#include "NumberText.h"
#include "Palette.h"
#include "ProblemLayout.h"
#include "ProblemMechanics.h"

namespace vl {

// Form has an Add of its own, so the checked arithmetic is always named with its namespace.
namespace ck = checked;

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
    t.push_back({"Option2", ControlKind::OptionButton, "Frame4", optionLeft + 1200, buttonRow + 60, 1380, 255,
                 "Circunscrita"});
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

Form6::Form6() : TopicWindow(TopicConfigFor("Form6")) {
  AddAll(Layout());
  On("Dados1", Event::Click, [this] { Dados1_Click(); });
  On("Resolver1", Event::Click, [this] { Resolver1_Click(); });
  On("Dados3", Event::Click, [this] { Dados3_Click(); });
  On("Resolver3", Event::Click, [this] { Resolver3_Click(); });
  On("Dados6", Event::Click, [this] { Dados6_Click(); });
  On("Resolver6", Event::Click, [this] { Resolver6_Click(); });
  On("Dados7", Event::Click, [this] { Dados7_Click(); });
  On("Resolver7", Event::Click, [this] { Resolver7_Click(); });
}

void Form6::Dados1_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    // Resultado1 keeps its last circle until a new one is found.
    InputBoxes input(*this);
    const double x1 = input("Abcissa1");
    const double y1 = input("Ordenada1");
    const double x2 = input("Abcissa2");
    const double y2 = input("Ordenada2");
    const double x3 = input("Abcissa3");
    const double y3 = input("Ordenada3");
    const PlanePoint A{x1, y1}, B{x2, y2}, C{x3, y3};
    if (CollinearityTest(A, B, C)) {
      InformationBox("Os pontos são colineares, não definem um triângulo.", ProgramTitleLower);
      return;
    }

    DrawPlane();
    DrawingArea& pic = Picture1();
    pic.foreColor = PenConvention::kData;
    DrawSegment(pic, A, B);
    DrawSegment(pic, A, C);
    DrawSegment(pic, B, C);

    if ((*this)["Option1"].value && request.Solving()) SolveIncircle(A, B, C);
    if ((*this)["Option2"].value && request.Solving()) SolveCircumcircle(A, B, C);
    request.Lower();
  });
}

void Form6::SolveIncircle(PlanePoint A, PlanePoint B, PlanePoint C) {
  // The sides as lines, each through its two vertices in the order AB, CA, BC.
  LineThroughTwoPoints(A, B);
  const LineCoefficients ab{Module1::CoefA.Number(), Module1::CoefB.Number(), Module1::CoefC.Number()};
  LineThroughTwoPoints(C, A);
  const LineCoefficients ca{Module1::CoefA.Number(), Module1::CoefB.Number(), Module1::CoefC.Number()};
  LineThroughTwoPoints(B, C);
  const LineCoefficients bc{Module1::CoefA.Number(), Module1::CoefB.Number(), Module1::CoefC.Number()};
  const double nAB = ck::Sqrt(ck::Add(ck::Mul(ab.a, ab.a), ck::Mul(ab.b, ab.b)));
  const double nBC = ck::Sqrt(ck::Add(ck::Mul(bc.a, bc.a), ck::Mul(bc.b, bc.b)));
  const double nCA = ck::Sqrt(ck::Add(ck::Mul(ca.a, ca.a), ck::Mul(ca.b, ca.b)));

  // Each side scaled by the other's norm: the difference is the bisector of their angle.
  const LineCoefficients atB{ck::Sub(ck::Mul(ab.a, nBC), ck::Mul(bc.a, nAB)), ck::Sub(ck::Mul(ab.b, nBC), ck::Mul(bc.b, nAB)),
                             ck::Sub(ck::Mul(ab.c, nBC), ck::Mul(bc.c, nAB))};
  StoreSharedCoefficients(atB);
  const LineCoefficients atA{ck::Sub(ck::Mul(ab.a, nCA), ck::Mul(ca.a, nAB)), ck::Sub(ck::Mul(ab.b, nCA), ck::Mul(ca.b, nAB)),
                             ck::Sub(ck::Mul(ab.c, nCA), ck::Mul(ca.c, nAB))};
  StoreSharedCoefficients(atA);
  const PlanePoint I = IntersectTwoLines(atB, atA).Point();

  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kResult;
  pic.drawStyle = PenStyle::Solid;
  DrawPointDot(pic, I);
  PenConvention::GuidePen(pic);
  pic.Line(A.x, A.y, I.x, I.y);
  pic.Line(B.x, B.y, I.x, I.y);
  const CircleData circle{I.x, I.y, PointLineDistance(ab, I)};
  DrawCircleOutline(pic, circle);
  CentreRadiusCircleText((*this)["Resultado1"], circle, true);
}

void Form6::SolveCircumcircle(PlanePoint A, PlanePoint B, PlanePoint C) {
  const PlanePoint O = CircleThroughThreePoints(A, B, C).centre;
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kResult;
  // Two perpendicular bisectors meet at the centre: a dotted stroke to the middle of AB and of AC.
  PenConvention::GuidePen(pic);
  const PlanePoint mAB = Midpoint(A, B);
  const PlanePoint mAC = Midpoint(A, C);
  pic.Line(O.x, O.y, mAB.x, mAB.y);
  pic.Line(O.x, O.y, mAC.x, mAC.y);
  DrawPointWithAxisGuides(pic, O);
  const CircleData circle{O.x, O.y, PointDistance(O, A).d};
  PenConvention::LinePen(pic);
  DrawCircleOutline(pic, circle);
  CentreRadiusCircleText((*this)["Resultado1"], circle, true);
}

void Form6::Resolver1_Click() {
  RequestSolve(SolveRequested, [this] { Dados1_Click(); });
}

void Form6::Dados3_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    Control& result = (*this)["Resultado2"];
    ResultReset(result);
    DrawPlane();

    // P is read once the circle's coefficients are known and before its radius verdicts, so a
    // fault in P is reported ahead of "not a circle" or "a point".
    PlanePoint P;
    InputBoxes input(*this);
    const auto circle = CircleEquationToCoefficients(*this, (*this)["Text9"], {}, [&] {
      P.x = input("Abcissa4");
      P.y = input("Ordenada4");
    });
    if (!circle) return;
    const PlanePoint centre{circle->h, circle->k};

    DrawingArea& pic = Picture1();
    DrawCircleOutline(pic, *circle, PenConvention::kData);
    pic.foreColor = PenConvention::kData;
    DrawPointDot(pic, centre);
    DrawPointDot(pic, P);
    DrawAxisGuides(pic, centre);
    DrawAxisGuides(pic, P);
    if (!request.Solving()) return;

    if (PointDistance(centre, P).d < circle->r) {
      InformationBox("O ponto é interior à circunferência.", ProgramTitleLower);
      return;
    }
    // The nearest point of the circle lies on the line through the centre and P.
    LineThroughTwoPoints(centre, P);
    const LineCircleCrossings crossing =
        LineCircleIntersection(Module1::CoefA.Number(), Module1::CoefB.Number(), Module1::CoefC.Number(), centre.x,
                               centre.y, circle->r);
    const double d1 = PointDistance(crossing.p1, P).d;
    const double d2 = PointDistance(crossing.p2, P).d;
    const PlanePoint Q = d1 < d2 ? crossing.p1 : crossing.p2;
    const double d = d1 < d2 ? d1 : d2;

    pic.foreColor = PenConvention::kResult;
    DrawSegment(pic, P, Q);
    PenConvention::GuidePen(pic);
    pic.Line(Q.x, Q.y, centre.x, centre.y);
    DrawPointDot(pic, Q);
    result.text = NumberText(RoundHalfEven2(d));
    request.Lower();
  });
}

void Form6::Resolver3_Click() {
  RequestSolve(SolveRequested, [this] { Dados3_Click(); });
}

void Form6::Dados6_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    Control& result = (*this)["Resultado3"];
    ResultReset(result);
    const auto line = LineEquationToCoefficients(*this, (*this)["Text5"]);
    if (!line) return;
    StoreSharedCoefficients(*line);
    InputBoxes input(*this);
    const double xc = input("Abcissa6");
    const double yc = input("Ordenada6");
    const PlanePoint C{xc, yc};

    DrawPlane();
    DrawingArea& pic = Picture1();
    PenConvention::LinePen(pic);
    pic.foreColor = PenConvention::kData;
    DrawLineFromCoefs();
    DrawPointWithAxisGuides(pic, C);
    if (!request.Solving()) return;

    // A horizontal or vertical line gives the distance without a square root.
    const auto& [a, b, c] = *line;
    double r = 0;
    if (a == 0) {
      r = std::fabs(ck::Add(yc, ck::Div(c, b)));
    } else if (b == 0) {
      r = std::fabs(ck::Add(xc, ck::Div(c, a)));
    } else {
      r = PointLineDistance(*line, C);
    }
    // The circle keeps the 1-pixel pen the guides left.
    pic.foreColor = PenConvention::kResult;
    pic.drawStyle = PenStyle::Solid;
    pic.fillTransparent = true;
    pic.Circle(xc, yc, r);
    CentreRadiusCircleText(result, {xc, yc, r}, false);
    request.Lower();
  });
}

void Form6::Resolver6_Click() {
  RequestSolve(SolveRequested, [this] { Dados6_Click(); });
}

void Form6::Dados7_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    // The three results keep their last values until a new circle is found.
    InputBoxes input(*this);
    const double x1 = input("Abcissa9");
    const double y1 = input("Ordenada9");
    const double x2 = input("Abcissa10");
    const double y2 = input("Ordenada10");
    const double x3 = input("Abcissa11");
    const double y3 = input("Ordenada11");
    const PlanePoint p1{x1, y1}, p2{x2, y2}, p3{x3, y3};

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
    if (!request.Solving()) return;

    if (ThreePointDeterminant(p1, p2, p3) == 0) {
      InformationBox("Os pontos não definem uma circunferência", ProgramTitle);
      return;
    }
    const ThreePointCircle found = CircleThroughThreePoints(p1, p2, p3);
    const double r = ck::Div(ck::Sqrt(ck::Sub(ck::Add(ck::Mul(found.D, found.D), ck::Mul(found.E, found.E)), ck::Mul(4, found.F))), 2);
    const PlanePoint centre = found.centre;

    DrawCircleOutline(pic, {centre.x, centre.y, r}, PenConvention::kResult);
    pic.foreColor = PenConvention::kResult;
    DrawAxisGuides(pic, centre);
    DrawPointDot(pic, centre);
    (*this)["Resultado4"].text = PointResultText(centre);
    (*this)["Resultado5"].text = NumberText(RoundHalfEven2(r));
    (*this)["Resultado6"].text = GeneralCircleText(found.D, found.E, found.F);
    request.Lower();
  });
}

void Form6::Resolver7_Click() {
  RequestSolve(SolveRequested, [this] { Dados7_Click(); });
}

}  // namespace vl
