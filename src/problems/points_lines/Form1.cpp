#include "Form1.h"

#include "Checked.h"
#include "Module1.h"
#include "ProblemDrawing.h"
#include "ProblemLayout.h"
#include "ProblemMechanics.h"

namespace vl {

using Module1::CoefA;
using Module1::CoefB;
using Module1::CoefC;

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
       "Abcissa3", "-8", "Ordenada3", "4", "Dados3", "Resolver3", kResolveTooltip, "Ponto médio:", "Resultado1",
       1035},
      {"Frame7", "Distância entre dois pontos", "Coordenadas dos pontos:", "Abcissa4", "-8", "Ordenada4", "-2",
       "Abcissa5", "6", "Ordenada5", "4", "Dados6", "Resolver6", kExecuteTooltip, "Distância entre os pontos:",
       "Resultado2", 1950},
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

}  // namespace

Form1::Form1() : TopicWindow(TopicConfigFor("Form1")) {
  AddAll(Layout());
  On("Resolver1", Event::Click, [this] { Resolver1_Click(); });
  On("Dados3", Event::Click, [this] { Dados3_Click(); });
  On("Resolver3", Event::Click, [this] { Resolver3_Click(); });
  On("Dados6", Event::Click, [this] { Dados6_Click(); });
  On("Resolver6", Event::Click, [this] { Resolver6_Click(); });
  On("Dados7", Event::Click, [this] { Dados7_Click(); });
  On("Resolver7", Event::Click, [this] { Resolver7_Click(); });
}

// The coordinates read go through the shared cells: the first point's x and y in CoefA and CoefB,
// the second point's x in CoefC.

void Form1::Resolver1_Click() {
  HandlerErrorBox([&] {
    InputBoxes input(*this);
    CoefA = input("Abcissa1");
    CoefB = input("Ordenada1");
    const PlanePoint p{CoefA.Number(), CoefB.Number()};

    DrawPlane();
    DrawingArea& pic = Picture1();
    pic.foreColor = PenConvention::kResult;
    DrawPointWithAxisGuides(pic, p);
    PrintCoordinateLabels(*this, {p});
  });
}

void Form1::Dados3_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    InputBoxes input(*this);
    CoefA = input("Abcissa2");
    CoefB = input("Ordenada2");
    CoefC = input("Abcissa3");
    const double y2 = input("Ordenada3");
    const PlanePoint a{CoefA.Number(), CoefB.Number()};
    const PlanePoint b{CoefC.Number(), y2};

    DrawPlane();
    DrawingArea& pic = Picture1();
    pic.foreColor = PenConvention::kData;
    DrawSegment(pic, a, b);
    DrawPointDot(pic, a);
    DrawPointDot(pic, b);
    DrawAxisGuides(pic, a);
    DrawAxisGuides(pic, b);
    PrintCoordinateLabels(*this, {a, b});

    if (request.Solving()) {
      const PlanePoint m = Midpoint(a, b);
      pic.foreColor = PenConvention::kResult;
      DrawPointWithAxisGuides(pic, m);
      PrintCoordinateLabels(*this, {m});
      (*this)["Resultado1"].text = PointResultText(m);
      request.Lower();
    }
  });
}

void Form1::Resolver3_Click() {
  RequestSolve(SolveRequested, [this] { Dados3_Click(); });
}

void Form1::Dados6_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    InputBoxes input(*this);
    CoefA = input("Abcissa4");
    CoefB = input("Ordenada4");
    CoefC = input("Abcissa5");
    const double y2 = input("Ordenada5");
    const PlanePoint a{CoefA.Number(), CoefB.Number()};
    const PlanePoint b{CoefC.Number(), y2};

    DrawPlane();
    DrawingArea& pic = Picture1();
    pic.foreColor = PenConvention::kData;
    DrawPointWithAxisGuides(pic, a);
    DrawPointWithAxisGuides(pic, b);
    PrintCoordinateLabels(*this, {a, b});

    if (request.Solving()) {
      pic.foreColor = PenConvention::kResult;
      DrawSegment(pic, a, b);
      (*this)["Resultado2"].text = RadicalDistanceText(PointDistance(a, b), "Sqr(");
      request.Lower();
    }
  });
}

void Form1::Resolver6_Click() {
  RequestSolve(SolveRequested, [this] { Dados6_Click(); });
}

void Form1::Dados7_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    InputBoxes input(*this);
    CoefA = input("Abcissa6");
    CoefB = input("Ordenada6");
    CoefC = input("Abcissa7");
    const double y2 = input("Ordenada7");
    const PlanePoint a{CoefA.Number(), CoefB.Number()};
    const PlanePoint b{CoefC.Number(), y2};

    DrawPlane();
    DrawingArea& pic = Picture1();
    pic.foreColor = PenConvention::kData;
    DrawPointDot(pic, a);
    DrawPointDot(pic, b);
    DrawSegment(pic, a, b);
    DrawAxisGuides(pic, a);
    DrawAxisGuides(pic, b);
    PrintCoordinateLabels(*this, {a, b});

    if (request.Solving()) {
      // The points equally far from A and B.
      using checked::Mul, checked::Pow, checked::Sub;
      const double la = Sub(Mul(2, b.x), Mul(2, a.x));
      const double lb = Sub(Mul(2, b.y), Mul(2, a.y));
      const double lc = Sub(Sub(checked::Add(Pow(a.x, 2), Pow(a.y, 2)), Pow(b.x, 2)), Pow(b.y, 2));
      LineResultOutput(*this, la, lb, lc, (*this)["Resultado3"]);
      request.Lower();
    }
  });
}

void Form1::Resolver7_Click() {
  RequestSolve(SolveRequested, [this] { Dados7_Click(); });
}

}  // namespace vl
