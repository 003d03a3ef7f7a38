#include "Form3.h"

#include <cmath>

#include "Checked.h"
#include "LineConstructions.h"
#include "LineMeasures.h"
#include "Module1.h"
#include "NumberText.h"
#include "ProblemDrawing.h"
#include "ProblemLayout.h"
#include "ProblemMechanics.h"

namespace vl {

using checked::Div;
using checked::Mul;
using checked::Sub;

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
    const char *frame, *caption, *first, *firstText, *second, *secondText, *dados, *resolver, *result,
        *resultCaption;
    int resultCaptionWidth;
  };
  const TwoLines twoLines[] = {
      {"Frame4", "Distância entre rectas paralelas", "Text3", "2x+3y+4=0", "Text4", "2x+3y-4=0", "Dados1",
       "Resolver1", "Resultado2", "Distância:", 735},
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

Form3::Form3() : TopicWindow(TopicConfigFor("Form3")) {
  AddAll(Layout());
  On("Dados1", Event::Click, [this] { Dados1_Click(); });
  On("Resolver1", Event::Click, [this] { Resolver1_Click(); });
  On("Dados3", Event::Click, [this] { Dados3_Click(); });
  On("Resolver3", Event::Click, [this] { Resolver3_Click(); });
  On("Dados4", Event::Click, [this] { Dados4_Click(); });
  On("Resolver4", Event::Click, [this] { Resolver4_Click(); });
  On("Dados5", Event::Click, [this] { Dados5_Click(); });
  On("Resolver5", Event::Click, [this] { Resolver5_Click(); });
}

std::optional<std::pair<LineCoefficients, LineCoefficients>> Form3::ReadAndDrawTwoLines(const std::string& first,
                                                                                        const std::string& second) {
  Control& box1 = (*this)[first];
  Control& box2 = (*this)[second];
  CleanEquationBox(box1);
  CleanEquationBox(box2);
  if (RejectedAsLine(box1) || RejectedAsLine(box2)) return std::nullopt;
  const LineCoefficients line1 = ReadLineEquation(*this, box1);
  const LineCoefficients line2 = ReadLineEquation(*this, box2);

  DrawPlane();
  DrawingArea& pic = Picture1();
  PenConvention::LinePen(pic);
  pic.foreColor = PenConvention::kData;
  StoreSharedCoefficients(line1);
  DrawLineFromCoefs();
  StoreSharedCoefficients(line2);
  DrawLineFromCoefs();
  return std::pair{line1, line2};
}

void Form3::Dados1_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    Control& result = (*this)["Resultado2"];
    ResultReset(result);
    const auto lines = ReadAndDrawTwoLines("Text3", "Text4");
    if (!lines) return;
    if (!request.Solving()) return;

    const auto [a1, b1, c1] = lines->first;
    const auto [a2, b2, c2] = lines->second;
    if (Mul(a1, b2) != Mul(a2, b1)) {
      InformationBox("As rectas não são paralelas.", ProgramTitleLower);
      DrawPlane();
      return;
    }

    DrawingArea& pic = Picture1();
    pic.foreColor = PenConvention::kResult;
    double d = 0;
    if (b1 == 0) {
      // Both vertical: where they cross the x axis.
      const double x1 = Div(-c1, a1);
      const double x2 = Div(-c2, a2);
      DrawPointDot(pic, {x1, 0});
      DrawPointDot(pic, {x2, 0});
      d = std::fabs(Sub(x2, x1));
    } else if (a1 == 0) {
      // Both horizontal: where they cross the y axis.
      const double y1 = Div(-c1, b1);
      const double y2 = Div(-c2, b2);
      DrawPointDot(pic, {0, y1});
      DrawPointDot(pic, {0, y2});
      d = std::fabs(Sub(y2, y1));
    } else {
      // From where line 1 crosses the y axis, the foot of the perpendicular on line 2.
      const PlanePoint p{0, Div(-c1, b1)};
      DrawPointDot(pic, p);
      const double a2Sq = Mul(a2, a2);
      const double b2Sq = Mul(b2, b2);
      const double xH = Div(Sub(Sub(Mul(b2Sq, p.x), Mul(a2, c2)), Mul(Mul(a2, b2), p.y)), checked::Add(a2Sq, b2Sq));
      const double yH = Div(Sub(Sub(Mul(Mul(a2Sq, b2), p.y), Mul(Mul(a2, b2Sq), p.x)), Mul(b2Sq, c2)),
                            checked::Add(Mul(a2Sq, b2), checked::Pow(b2, 3)));
      const PlanePoint h{xH, yH};
      DrawPointDot(pic, h);
      PenConvention::GuidePen(pic);
      pic.Line(p.x, p.y, h.x, h.y);
      d = PointLineDistance(a2, b2, c2, p.x, p.y);
    }
    result.text = NumberText(RoundHalfEven2(d));
    request.Lower();
  });
}

void Form3::Resolver1_Click() {
  RequestSolve(SolveRequested, [this] { Dados1_Click(); });
}

void Form3::Dados3_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    Control& result = (*this)["Resultado1"];
    ResultReset(result);
    const auto lines = ReadAndDrawTwoLines("Text1", "Text2");
    if (!lines) return;
    if (!request.Solving()) return;

    const LineCrossing crossing = IntersectTwoLines(lines->first, lines->second);
    if (crossing.Single()) {
      const PlanePoint p = crossing.Point();
      DrawingArea& pic = Picture1();
      pic.foreColor = PenConvention::kResult;
      DrawPointWithAxisGuides(pic, p);
      result.text = PointResultText(p);
    } else {
      result.text = crossing.SameLine() ? "As rectas são coincidentes." : "As rectas são paralelas.";
    }
    request.Lower();
  });
}

void Form3::Resolver3_Click() {
  RequestSolve(SolveRequested, [this] { Dados3_Click(); });
}

void Form3::Dados4_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    Control& result = (*this)["Resultado3"];
    ResultReset(result);
    const auto line = LineEquationToCoefficients(*this, (*this)["Text5"]);
    if (!line) return;
    StoreSharedCoefficients(*line);
    InputBoxes input(*this);
    const double x0 = input("Abcissa1");
    const double y0 = input("Ordenada1");
    const PlanePoint p{x0, y0};

    DrawPlane();
    DrawingArea& pic = Picture1();
    pic.foreColor = PenConvention::kData;
    DrawPointWithAxisGuides(pic, p);
    PenConvention::LinePen(pic);
    DrawLineFromCoefs();
    if (!request.Solving()) return;

    // The foot H is where the perpendicular through P meets the line.
    PerpendicularThroughPoint(p);
    const LineCoefficients perpendicular{Module1::CoefA.Number(), Module1::CoefB.Number(),
                                         Module1::CoefC.Number()};
    const PlanePoint h = IntersectTwoLines(*line, perpendicular).Point();
    pic.foreColor = PenConvention::kResult;
    DrawSegment(pic, p, h);
    result.text = RadicalDistanceText(PointDistance(p, h), "sqr(");
    request.Lower();
  });
}

void Form3::Resolver4_Click() {
  RequestSolve(SolveRequested, [this] { Dados4_Click(); });
}

void Form3::Dados5_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    Control& result = (*this)["Resultado4"];
    ResultReset(result);
    const auto lines = ReadAndDrawTwoLines("Text6", "Text7");
    if (!lines) return;
    if (!request.Solving()) return;

    const auto [a1, b1, c1] = lines->first;
    const auto [a2, b2, c2] = lines->second;
    if (Mul(a1, b2) == Mul(a2, b1)) {
      // Coincident lines get the same answer.
      InformationBox("As rectas paralelas.", ProgramTitle);
      DrawPlane();
      return;
    }
    // Each value only when its test is reached: a right angle is known without the cross
    // product, which may overflow where the dot product cancels to 0.
    const double dot = checked::Add(Mul(a1, a2), Mul(b1, b2));
    if (dot == 0) {
      result.text = NumberText(90) + "º";
    } else {
      const double cross = Sub(Mul(a1, b2), Mul(a2, b1));
      result.text = AngleDmsText(std::atan(std::fabs(Div(cross, dot))));
    }
    request.Lower();
  });
}

void Form3::Resolver5_Click() {
  RequestSolve(SolveRequested, [this] { Dados5_Click(); });
}

}  // namespace vl
