#include "Form9.h"

#include "NumberText.h"
#include "ProblemDrawing.h"
#include "ProblemLayout.h"
#include "ResultTexts.h"
#include "Triangles.h"

namespace vl {

namespace {

// The caption "Coordenadas dos vértices:" and the row of A, B and C below it.
void VertexRows(std::vector<ControlDecl>& t, layout::FrameBuilder& f, const std::string& frame, int captionRow,
                int pointsRow, const char* const (&boxes)[6], const char* const (&texts)[6]) {
  f.Label("Caption", layout::kInset, captionRow, 2400, "Coordenadas dos vértices:");
  int left = layout::kInset;
  const char* names[] = {"A", "B", "C"};
  for (int i = 0; i < 3; ++i) {
    left = layout::NarrowCoordinatePair(t, frame, names[i], left, pointsRow, boxes[2 * i], texts[2 * i],
                                        boxes[2 * i + 1], texts[2 * i + 1]) +
           150;
  }
}

// A caption and, right after it, the red bold result field up to the frame's right margin.
void ResultAfter(std::vector<ControlDecl>& t, layout::FrameBuilder& f, const std::string& frame, int left, int top,
                 int captionWidth, const char* caption, const char* field) {
  using namespace layout;
  f.Label("ResultCaption", left, top, captionWidth, caption);
  const int fieldLeft = left + captionWidth + 60;
  t.push_back(ResultLabel(field, frame, fieldLeft, top, kFrameWidth - kInset - fieldLeft));
}

constexpr const char* kNotableBoxes[6] = {"Abcissa1", "Ordenada1", "Abcissa2", "Ordenada2", "Abcissa3", "Ordenada3"};
constexpr const char* kAreaBoxes[6] = {"Abcissa6", "Ordenada6", "Abcissa7", "Ordenada7", "Abcissa8", "Ordenada8"};
constexpr const char* kRightBoxes[6] = {"Abcissa9", "Ordenada9", "Abcissa10", "Ordenada10", "Abcissa11", "Ordenada11"};

std::vector<ControlDecl> Layout() {
  using namespace layout;
  std::vector<ControlDecl> t;
  constexpr int kCaptionRow = kFirstRow - 30;
  constexpr int kPointsRow = kCaptionRow + 270;
  // Beside the two buttons.
  constexpr int kAfterButtons = kInset + 2 * kButtonWidth + 3 * kInset;
  int top = TopicWindow::kProblemsTop;

  {
    const int firstOption = kPointsRow + 390;
    const int buttonRow = firstOption + 4 * 270 + 90;
    const int height = buttonRow + kButtonHeight + 150;
    FrameBuilder f(t, "Frame7", "Pontos notáveis de um triângulo", top, height);
    VertexRows(t, f, "Frame7", kCaptionRow, kPointsRow, kNotableBoxes, {"2", "-2", "-8", "4", "5", "8"});
    const char* options[][2] = {{"Option1", "Circuncentro (ponto de encontro das mediatrizes)"},
                                {"Option2", "Incentro (ponto de encontro das bissectrizes)"},
                                {"Option3", "Ortocentro (ponto de encontro das alturas)"},
                                {"Option4", "Baricentro (ponto de encontro das medianas)"}};
    for (int i = 0; i < 4; ++i) {
      t.push_back({options[i][0], ControlKind::OptionButton, "Frame7", kInset, firstOption + 270 * i,
                   kFrameWidth - 2 * kInset, 255, options[i][1]});
    }
    f.DadosResolver("Dados4", "Resolver4", buttonRow, kResolveTooltip);
    ResultAfter(t, f, "Frame7", kAfterButtons, buttonRow + 90, 960, "Coordenadas:", "Resultado1");
    top += height + kFrameGap;
  }
  {
    const int buttonRow = kPointsRow + 405;
    const int height = buttonRow + kButtonHeight + 150;
    FrameBuilder f(t, "Frame3", "Área de um triângulo", top, height);
    VertexRows(t, f, "Frame3", kCaptionRow, kPointsRow, kAreaBoxes, {"2", "-2", "-8", "4", "2", "-2"});
    f.DadosResolver("Dados5", "Resolver5", buttonRow, kResolveTooltip);
    ResultAfter(t, f, "Frame3", kAfterButtons, buttonRow + 90, 420, "Área:", "Resultado4");
    top += height + kFrameGap;
  }
  {
    const int buttonRow = kPointsRow + 405;
    const int resultRow = buttonRow + 480;
    const int height = resultRow + 375;
    FrameBuilder f(t, "Frame4", "Ver se são vértices de um triângulo rectângulo", top, height);
    VertexRows(t, f, "Frame4", kCaptionRow, kPointsRow, kRightBoxes, {"2", "-2", "-8", "4", "5", "-2"});
    f.DadosResolver("Dados7", "Resolver7", buttonRow, kResolveTooltip);
    ResultAfter(t, f, "Frame4", kInset, resultRow, 780, "Conclusão:", "Resultado5");
  }
  return t;
}

// The sides AB, BC and CA with the current colour, 2 pixels solid.
void DrawSides(DrawingArea& pic, geo::Point A, geo::Point B, geo::Point C) {
  DrawSegment(pic, A, B);
  DrawSegment(pic, B, C);
  DrawSegment(pic, C, A);
}

void DrawDots(DrawingArea& pic, geo::Point A, geo::Point B, geo::Point C) {
  DrawPointDot(pic, A);
  DrawPointDot(pic, B);
  DrawPointDot(pic, C);
}

}  // namespace

Form9::Form9() : ProblemWindow(TopicConfigFor("Form9")) {
  AddAll(Layout());
  Problem("Dados4", "Resolver4", &Form9::NotablePoint);
  Problem("Dados5", "Resolver5", &Form9::Area);
  Problem("Dados7", "Resolver7", &Form9::RightTriangle);
}

Form9::Vertices Form9::ReadVertices(ProblemRun& run, const char* const (&boxes)[6]) {
  Vertices v;
  v.A = run.InputPoint(boxes[0], boxes[1]);
  v.B = run.InputPoint(boxes[2], boxes[3]);
  v.C = run.InputPoint(boxes[4], boxes[5]);
  return v;
}

void Form9::NotablePoint(ProblemRun& run) {
  DrawPlane();
  Control& result = (*this)["Resultado1"];
  ResultReset(result);
  const Vertices v = ReadVertices(run, kNotableBoxes);

  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kData;
  DrawDots(pic, v.A, v.B, v.C);
  DrawSides(pic, v.A, v.B, v.C);
  if (!run.Solving()) return;

  geo::Point found;
  if ((*this)["Option1"].value) {
    found = DrawCircumcentre(v);
  } else if ((*this)["Option2"].value) {
    found = DrawIncentre(v);
  } else if ((*this)["Option3"].value) {
    found = DrawOrthocentre(v);
  } else if ((*this)["Option4"].value) {
    found = DrawCentroid(v);
  } else {
    return;
  }
  result.text = PointResultText(found);
  run.Solved();
}

geo::Point Form9::DrawCircumcentre(const Vertices& v) {
  const geo::Point O = geo::Circumcentre(v.A, v.B, v.C);
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kResult;
  DrawStroke(pic, O, geo::Midpoint(v.A, v.B));
  DrawStroke(pic, O, geo::Midpoint(v.A, v.C));
  DrawStroke(pic, O, geo::Midpoint(v.B, v.C));
  DrawPointWithAxisGuides(pic, O);
  return O;
}

geo::Point Form9::DrawIncentre(const Vertices& v) {
  const geo::Point I = geo::Incentre(v.A, v.B, v.C);
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kResult;
  DrawPointDot(pic, I);
  DrawStroke(pic, I, v.A);
  DrawStroke(pic, I, v.B);
  DrawStroke(pic, I, v.C);
  DrawAxisGuides(pic, I);
  return I;
}

geo::Point Form9::DrawOrthocentre(const Vertices& v) {
  const geo::Point H = geo::Orthocentre(v.A, v.B, v.C);
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kResult;
  DrawPointDot(pic, H);
  DrawStroke(pic, v.A, geo::AltitudeFoot(v.A, v.B, v.C));
  DrawStroke(pic, v.B, geo::AltitudeFoot(v.B, v.C, v.A));
  DrawStroke(pic, v.C, geo::AltitudeFoot(v.C, v.A, v.B));
  DrawAxisGuides(pic, H);
  return H;
}

geo::Point Form9::DrawCentroid(const Vertices& v) {
  const geo::Point G = geo::Centroid(v.A, v.B, v.C);
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kResult;
  DrawPointDot(pic, G);
  DrawStroke(pic, G, geo::Midpoint(v.A, v.B));
  DrawStroke(pic, G, geo::Midpoint(v.A, v.C));
  DrawStroke(pic, G, geo::Midpoint(v.B, v.C));
  DrawAxisGuides(pic, G);
  return G;
}

void Form9::Area(ProblemRun& run) {
  DrawPlane();
  Control& result = (*this)["Resultado4"];
  ResultReset(result);
  const Vertices v = ReadVertices(run, kAreaBoxes);

  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kData;
  DrawDots(pic, v.A, v.B, v.C);
  DrawAxisGuides(pic, v.A);
  DrawAxisGuides(pic, v.B);
  DrawAxisGuides(pic, v.C);
  if (!run.Solving()) return;

  if (geo::CollinearityTest(v.A, v.B, v.C)) {
    Say({"Os três pontos são colineares, não definem um triângulo.", kApplicationTitleLower});
    return;
  }
  DrawSides(pic, v.A, v.B, v.C);
  result.text = NumberText(geo::TriangleArea(v.A, v.B, v.C));
  run.Solved();
}

void Form9::RightTriangle(ProblemRun& run) {
  DrawPlane();
  Control& result = (*this)["Resultado5"];
  ResultReset(result);
  const Vertices v = ReadVertices(run, kRightBoxes);
  if (geo::CollinearityTest(v.A, v.B, v.C)) {
    Say({"Os pontos são colineares, não definem um triângulo.", kApplicationTitleLower});
    return;
  }

  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kData;
  DrawDots(pic, v.A, v.B, v.C);
  if (!run.Solving()) return;

  pic.foreColor = PenConvention::kResult;
  DrawSides(pic, v.A, v.B, v.C);
  result.text = geo::RightAngled(v.A, v.B, v.C) ? "O triângulo é rectângulo." : "O triângulo não é rectângulo.";
  run.Solved();
}

}  // namespace vl
