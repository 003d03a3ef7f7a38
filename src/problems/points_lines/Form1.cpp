#include "Form1.h"

#include "Lines.h"
#include "ProblemDrawing.h"
#include "ProblemLayout.h"
#include "ResultTexts.h"
#include "SharedLine.h"

namespace vl {

namespace {

std::vector<ControlDecl> Layout() {
  using namespace layout;
  std::vector<ControlDecl> t;
  const int pairRow = kFirstRow + 240;
  const int buttonRow = pairRow + 390;
  const int resultRow = buttonRow + 450;
  const int twoPointHeight = resultRow + 360;
  int top = 3240;

  {
    FrameBuilder f(t, "Frame4", "Representação de um ponto", top, 780);
    f.LabelBeside("Caption", kInset, kFirstRow, 1650, "Coordenadas do ponto:");
    f.CoordinatePair("1", 1800, kFirstRow, "Abcissa1", "2", "Ordenada1", "3", true);
    f.Button("Resolver1", kFrameWidth - kInset - kButtonWidth, kFirstRow - 45, "Resolver", kResolveTooltip);
    top += 780 + kFrameGap;
  }

  // The three two-point frames share one arrangement: the caption, both points on one row joined
  // by "e", the buttons, then the result with its caption.
  struct TwoPoints {
    const char *frame, *caption, *what;
    const char *x1, *t1, *y1, *u1, *x2, *t2, *y2, *u2;
    const char *dados, *resolver, *tooltip;
    const char *resultCaption, *result;
    int resultCaptionWidth;
  };
  const TwoPoints frames[] = {
      {"Frame6", "Ponto médio de um segmento", "Coordenadas dos extremos:", "Abcissa2", "2", "Ordenada2", "-2",
       "Abcissa3", "-8", "Ordenada3", "4", "Dados3", "Resolver3", kResolveTooltip, "Ponto médio:", "Resultado1", 1035},
      {"Frame7", "Distância entre dois pontos", "Coordenadas dos pontos:", "Abcissa4", "-8", "Ordenada4", "-2",
       "Abcissa5", "6", "Ordenada5", "4", "Dados6", "Resolver6", kExecuteTooltip,
       "Distância entre os pontos:", "Resultado2", 1950},
      {"Frame1", "Mediatriz de um segmento", "Coordenadas dos extremos:", "Abcissa6", "-2", "Ordenada6", "-4",
       "Abcissa7", "5", "Ordenada7", "4", "Dados7", "Resolver7", kExecuteTooltip, "Mediatriz:", "Resultado3", 795},
  };
  for (const TwoPoints& p : frames) {
    FrameBuilder f(t, p.frame, p.caption, top, twoPointHeight);
    f.Label("Caption", kInset, kFirstRow - 30, 3000, p.what);
    int left = f.CoordinatePair("1", kInset, pairRow, p.x1, p.t1, p.y1, p.u1, true);
    f.LabelBeside("And", left + 45, pairRow, 180, "e");
    f.CoordinatePair("2", left + 285, pairRow, p.x2, p.t2, p.y2, p.u2, true);
    f.DadosResolver(p.dados, p.resolver, buttonRow, p.tooltip);
    f.Result(p.result, resultRow, p.resultCaptionWidth, p.resultCaption);
    top += twoPointHeight + kFrameGap;
  }
  return t;
}

// The points window keeps each coordinate in the shared cells as it reads it: the first point's x
// and y in CoefA and CoefB, the second point's x in CoefC.
struct TwoPoints {
  geo::Point a, b;
};
TwoPoints ReadTwoPoints(ProblemRun& run, const char* x1, const char* y1, const char* x2, const char* y2) {
  geo::CoefficientWatch& cells = shared::Cells();
  TwoPoints out;
  out.a.x = run.Input(x1);
  cells.A(out.a.x);
  out.a.y = run.Input(y1);
  cells.B(out.a.y);
  out.b.x = run.Input(x2);
  cells.C(out.b.x);
  out.b.y = run.Input(y2);
  return out;
}

}  // namespace

Form1::Form1() : ProblemWindow(TopicConfigFor("Form1")) {
  AddAll(Layout());
  Action("Resolver1", &Form1::PointAlone);
  Problem("Dados3", "Resolver3", &Form1::SegmentMidpoint);
  Problem("Dados6", "Resolver6", &Form1::PointsDistance);
  Problem("Dados7", "Resolver7", &Form1::SegmentBisector);
}

void Form1::PointAlone(ProblemRun& run) {
  geo::CoefficientWatch& cells = shared::Cells();
  geo::Point p;
  p.x = run.Input("Abcissa1");
  cells.A(p.x);
  p.y = run.Input("Ordenada1");
  cells.B(p.y);

  DrawPlane();
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kResult;
  DrawPointWithAxisGuides(pic, p);
  PrintCoordinateLabels(*this, {p});
}

void Form1::SegmentMidpoint(ProblemRun& run) {
  const auto [a, b] = ReadTwoPoints(run, "Abcissa2", "Ordenada2", "Abcissa3", "Ordenada3");

  DrawPlane();
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kData;
  DrawSegment(pic, a, b);
  DrawPointDot(pic, a);
  DrawPointDot(pic, b);
  DrawAxisGuides(pic, a);
  DrawAxisGuides(pic, b);
  PrintCoordinateLabels(*this, {a, b});
  if (!run.Solving()) return;

  const geo::Point m = geo::Midpoint(a, b);
  pic.foreColor = PenConvention::kResult;
  DrawPointWithAxisGuides(pic, m);
  PrintCoordinateLabels(*this, {m});
  (*this)["Resultado1"].text = PointResultText(m);
  run.Solved();
}

void Form1::PointsDistance(ProblemRun& run) {
  const auto [a, b] = ReadTwoPoints(run, "Abcissa4", "Ordenada4", "Abcissa5", "Ordenada5");

  DrawPlane();
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kData;
  DrawPointWithAxisGuides(pic, a);
  DrawPointWithAxisGuides(pic, b);
  PrintCoordinateLabels(*this, {a, b});
  if (!run.Solving()) return;

  pic.foreColor = PenConvention::kResult;
  DrawSegment(pic, a, b);
  (*this)["Resultado2"].text = RadicalDistanceText(geo::PointDistance(a, b), "Sqr(");
  run.Solved();
}

void Form1::SegmentBisector(ProblemRun& run) {
  const auto [a, b] = ReadTwoPoints(run, "Abcissa6", "Ordenada6", "Abcissa7", "Ordenada7");

  DrawPlane();
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kData;
  DrawPointDot(pic, a);
  DrawPointDot(pic, b);
  DrawSegment(pic, a, b);
  DrawAxisGuides(pic, a);
  DrawAxisGuides(pic, b);
  PrintCoordinateLabels(*this, {a, b});
  if (!run.Solving()) return;

  LineResultOutput(geo::PerpendicularBisector(a, b), (*this)["Resultado3"]);
  run.Solved();
}

}  // namespace vl
