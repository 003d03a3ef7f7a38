#include "Form5.h"

#include <cmath>

#include "Checked.h"
#include "Collinearity.h"
#include "LineConstructions.h"
#include "LineMeasures.h"
#include "LineReader.h"
#include "Module1.h"
#include "NumberText.h"
#include "Palette.h"
#include "ProblemDrawing.h"
#include "ProblemLayout.h"
#include "ProblemMechanics.h"

namespace vl {

using Module1::CoefA;
using Module1::CoefB;

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
    ControlDecl verdict{"Resultado1", ControlKind::TextBox, "Frame4", boxLeft, resultRow,
                        kFrameWidth - kInset - boxLeft, kBoxHeight};
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
    const int left = layout::NarrowCoordinatePair(t, "Frame6", "1", inputLeft, pointsRow, "Abcissa4", "2", "Ordenada4", "-2");
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

Form5::Form5() : TopicWindow(TopicConfigFor("Form5")) {
  AddAll(Layout());
  On("Dados1", Event::Click, [this] { Dados1_Click(); });
  On("Resolver1", Event::Click, [this] { Resolver1_Click(); });
  On("Dados3", Event::Click, [this] { Dados3_Click(); });
  On("Resolver3", Event::Click, [this] { Resolver3_Click(); });
  On("Resolver6", Event::Click, [this] { Resolver6_Click(); });
}

void Form5::Dados1_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    Control& result = (*this)["Resultado1"];
    ResultReset(result);
    InputBoxes input(*this);
    const double x1 = input("Abcissa1");
    const double y1 = input("Ordenada1");
    const double x2 = input("Abcissa2");
    const double y2 = input("Ordenada2");
    const double x3 = input("Abcissa3");
    const double y3 = input("Ordenada3");
    const PlanePoint p1{x1, y1};
    const PlanePoint p2{x2, y2};
    const PlanePoint p3{x3, y3};

    DrawPlane();
    DrawingArea& pic = Picture1();
    pic.foreColor = PenConvention::kData;
    DrawPointDot(pic, p1);
    DrawPointDot(pic, p2);
    DrawPointDot(pic, p3);
    if (!request.Solving()) return;

    // The line through the first two, as a construction line for the third.
    LineThroughTwoPoints(p1, p2);
    PenConvention::GuidePen(pic);
    pic.foreColor = PenConvention::kResult;
    DrawLineFromCoefs();
    result.text = CollinearityTest(p1, p2, p3) ? "Os pontos estão em linha recta."
                                               : "Os pontos não estão em linha recta.";
    request.Lower();
  });
}

void Form5::Resolver1_Click() {
  RequestSolve(SolveRequested, [this] { Dados1_Click(); });
}

void Form5::Dados3_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    DrawPlane();
    ResultReset((*this)["Resultado2"]);
    ResultReset((*this)["Resultado3"]);
    DrawingArea& pic = Picture1();

    if ((*this)["Option1"].value) {
      InputBoxes input(*this);
      const double x1 = input("Abcissa4");
      const double y1 = input("Ordenada4");
      const double x2 = input("Abcissa5");
      const double y2 = input("Ordenada5");
      const PlanePoint p1{x1, y1};
      const PlanePoint p2{x2, y2};
      LineThroughTwoPoints(p1, p2);
      pic.foreColor = PenConvention::kData;
      DrawPointDot(pic, p1);
      DrawPointDot(pic, p2);
      if (!request.Solving()) return;
      PenConvention::LinePen(pic);
      pic.foreColor = PenConvention::kResult;
      DrawLineFromCoefs();
      WriteSlopeAndInclination();
      request.Lower();
    } else if ((*this)["Option2"].value) {
      const auto line = LineEquationToCoefficients(*this, (*this)["Text9"]);
      if (!line) return;
      StoreSharedCoefficients(*line);
      PenConvention::LinePen(pic);
      pic.foreColor = PenConvention::kData;
      DrawLineFromCoefs();
      if (!request.Solving()) return;
      // The given line stays blue; only the fields answer.
      WriteSlopeAndInclination();
      request.Lower();
    }
  });
}

void Form5::WriteSlopeAndInclination() {
  const double a = CoefA.Number();
  const double b = CoefB.Number();
  // No line at all: its drawing has already said so, and it has neither slope nor inclination.
  if (a == 0 && b == 0) return;
  Control& slope = (*this)["Resultado2"];
  Control& inclination = (*this)["Resultado3"];
  if (b == 0) {
    // Vertical: no slope to write.
    inclination.text = NumberText(90) + "º";
    return;
  }
  const double m = checked::Div(-a, b);
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

void Form5::Resolver3_Click() {
  RequestSolve(SolveRequested, [this] { Dados3_Click(); });
}

void Form5::Resolver6_Click() {
  HandlerErrorBox([&] {
    Control& result = (*this)["Resultado4"];
    ResultReset(result);
    DrawPlane();
    DrawingArea& pic = Picture1();

    const auto first = LineEquationToCoefficients(*this, (*this)["Text5"]);
    if (!first) return;
    StoreSharedCoefficients(*first);
    PenConvention::LinePen(pic);
    pic.foreColor = PenConvention::kData;
    DrawLineFromCoefs();

    // The second box is cleaned and tested only once the first line is on the plane.
    const auto second = LineEquationToCoefficients(*this, (*this)["Text6"]);
    if (!second) return;
    StoreSharedCoefficients(*second);
    PenConvention::LinePen(pic);
    pic.foreColor = PenConvention::kData;
    DrawLineFromCoefs();

    const LineCrossing crossing = IntersectTwoLines(*first, *second);
    if (crossing.Single()) {
      const PlanePoint p = crossing.Point();
      result.text = "As rectas são concorrentes em ( " + NumberText(RoundHalfEven2(p.x)) + " , " +
                    NumberText(RoundHalfEven2(p.y)) + " )";
      pic.foreColor = PenConvention::kResult;
      DrawPointWithAxisGuides(pic, p);
    } else {
      result.text = crossing.SameLine() ? "As rectas são coincidentes." : "As rectas são paralelas.";
    }
  });
}

}  // namespace vl
