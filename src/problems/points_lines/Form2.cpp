#include "Form2.h"

#include "LineConstructions.h"
#include "LineReader.h"
#include "Module1.h"
#include "ProblemDrawing.h"
#include "ProblemLayout.h"
#include "ProblemMechanics.h"

namespace vl {

using Module1::CoefA;
using Module1::CoefB;

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
      {"Frame1", "Recta que passa por um ponto e é paralela a outra", "Text5", "P =", "Abcissa3", "Ordenada3",
       "Dados4", "Resolver4", "Resultado2"},
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

Form2::Form2() : TopicWindow(TopicConfigFor("Form2")) {
  AddAll(Layout());
  On("Command3", Event::Click, [this] { Command3_Click(); });
  On("Dados1", Event::Click, [this] { Dados1_Click(); });
  On("Resolver1", Event::Click, [this] { Resolver1_Click(); });
  On("Dados4", Event::Click, [this] { Dados4_Click(); });
  On("Resolver4", Event::Click, [this] { Resolver4_Click(); });
  On("Dados5", Event::Click, [this] { Dados5_Click(); });
  On("Resolver5", Event::Click, [this] { Resolver5_Click(); });
}

void Form2::Command3_Click() {
  HandlerErrorBox([&] {
    const auto line = LineEquationToCoefficients(*this, (*this)["Text1"]);
    if (!line) return;
    StoreSharedCoefficients(*line);

    DrawPlane();
    DrawingArea& pic = Picture1();
    PenConvention::LinePen(pic);
    pic.foreColor = PenConvention::kResult;
    DrawLineFromCoefs();
  });
}

void Form2::Dados1_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    DrawPlane();
    ResultReset((*this)["Resultado1"]);
    InputBoxes input(*this);
    const double x1 = input("Abcissa1");
    const double y1 = input("Ordenada1");
    const double x2 = input("Abcissa2");
    const double y2 = input("Ordenada2");
    const PlanePoint a{x1, y1};
    const PlanePoint b{x2, y2};

    LineThroughTwoPoints(a, b);
    if (CoefA.Number() == 0 && CoefB.Number() == 0) {
      InformationBox("Não há recta nessas condições. Altere as coordenadas dos pontos.", ProgramTitleLower);
      return;
    }

    DrawingArea& pic = Picture1();
    pic.foreColor = PenConvention::kData;
    DrawPointDot(pic, a);
    DrawPointDot(pic, b);
    DrawAxisGuides(pic, a);
    DrawAxisGuides(pic, b);
    PrintCoordinateLabels(*this, {a, b});

    if (request.Solving()) {
      LineResultOutput(*this, (*this)["Resultado1"]);
      request.Lower();
    }
  });
}

void Form2::Resolver1_Click() {
  RequestSolve(SolveRequested, [this] { Dados1_Click(); });
}

void Form2::Dados4_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    ResultReset((*this)["Resultado2"]);
    const auto line = LineEquationToCoefficients(*this, (*this)["Text5"]);
    if (!line) return;
    StoreSharedCoefficients(*line);
    InputBoxes input(*this);
    const double x0 = input("Abcissa3");
    const double y0 = input("Ordenada3");
    const PlanePoint p{x0, y0};

    DrawPlane();
    DrawingArea& pic = Picture1();
    pic.foreColor = PenConvention::kData;
    DrawPointWithAxisGuides(pic, p);
    PenConvention::LinePen(pic);
    DrawLineFromCoefs();
    PrintCoordinateLabels(*this, {p});

    if (request.Solving()) {
      ParallelThroughPoint(p);
      LineResultOutput(*this, (*this)["Resultado2"]);
      request.Lower();
    }
  });
}

void Form2::Resolver4_Click() {
  RequestSolve(SolveRequested, [this] { Dados4_Click(); });
}

void Form2::Dados5_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    ResultReset((*this)["Resultado3"]);
    const auto line = LineEquationToCoefficients(*this, (*this)["Text7"]);
    if (!line) return;
    StoreSharedCoefficients(*line);
    InputBoxes input(*this);
    const double x0 = input("Abcissa4");
    const double y0 = input("Ordenada4");
    const PlanePoint q{x0, y0};

    DrawPlane();
    DrawingArea& pic = Picture1();
    pic.foreColor = PenConvention::kData;
    DrawPointWithAxisGuides(pic, q);
    PenConvention::LinePen(pic);
    DrawLineFromCoefs();

    if (request.Solving()) {
      pic.foreColor = PenConvention::kResult;
      PerpendicularThroughPoint(q);
      DrawLineFromCoefs();
      // Q's labels come only with the solution, in the data colour.
      pic.foreColor = PenConvention::kData;
      PrintCoordinateLabels(*this, {q});
      Module1::BuildLineEquationText();
      (*this)["Resultado3"].text = Module1::EquationText;
      request.Lower();
    }
  });
}

void Form2::Resolver5_Click() {
  RequestSolve(SolveRequested, [this] { Dados5_Click(); });
}

}  // namespace vl
