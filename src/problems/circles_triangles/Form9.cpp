#include "Form9.h"

#include <cmath>

#include "Checked.h"
#include "CircleThroughPoints.h"
#include "Collinearity.h"
#include "LineMeasures.h"
#include "NumberText.h"
#include "Palette.h"
#include "ProblemLayout.h"
#include "ProblemMechanics.h"

namespace vl {

// Form has an Add of its own, so the checked arithmetic is always named with its namespace.
namespace ck = checked;

namespace {

// The caption "Coordenadas dos vértices:" and the row of A, B and C below it.
void VertexRows(std::vector<ControlDecl>& t, layout::FrameBuilder& f, const std::string& frame, int captionRow,
                int pointsRow, const char* const (&boxes)[6], const char* const (&texts)[6]) {
  f.Label("Caption", layout::kInset, captionRow, 2400, "Coordenadas dos vértices:");
  int left = layout::kInset;
  const char* names[] = {"A", "B", "C"};
  for (int i = 0; i < 3; ++i) {
    left = layout::NarrowCoordinatePair(t, frame, names[i], left, pointsRow, boxes[2 * i], texts[2 * i], boxes[2 * i + 1],
                      texts[2 * i + 1]) +
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
void DrawSides(DrawingArea& pic, PlanePoint A, PlanePoint B, PlanePoint C) {
  DrawSegment(pic, A, B);
  DrawSegment(pic, B, C);
  DrawSegment(pic, C, A);
}

void DrawDots(DrawingArea& pic, PlanePoint A, PlanePoint B, PlanePoint C) {
  DrawPointDot(pic, A);
  DrawPointDot(pic, B);
  DrawPointDot(pic, C);
}

// A dotted construction line in the current colour.
void Stroke(DrawingArea& pic, PlanePoint from, PlanePoint to) {
  PenConvention::GuidePen(pic);
  pic.Line(from.x, from.y, to.x, to.y);
}

// The foot of the altitude from P on the line QR: that altitude crossed with the side line.
PlanePoint AltitudeFoot(PlanePoint P, PlanePoint Q, PlanePoint R) {
  const double altA = ck::Sub(R.x, Q.x);
  const double altB = ck::Sub(R.y, Q.y);
  const double altC = ck::Add(ck::Mul(P.x, ck::Sub(Q.x, R.x)), ck::Mul(P.y, ck::Sub(Q.y, R.y)));
  const double sideA = ck::Sub(Q.y, R.y);
  const double sideB = ck::Sub(R.x, Q.x);
  const double sideC = ck::Sub(ck::Mul(Q.x, R.y), ck::Mul(R.x, Q.y));
  return IntersectTwoLines(altA, altB, altC, sideA, sideB, sideC).Point();
}

// p·q + r·s + t·u − v·w − ..., summed left to right: the orthocentre's numerators.
double ThreeMinusThree(double a, double b, double c, double d, double e, double f) {
  return ck::Sub(ck::Sub(ck::Sub(ck::Add(ck::Add(a, b), c), d), e), f);
}

}  // namespace

Form9::Form9() : TopicWindow(TopicConfigFor("Form9")) {
  AddAll(Layout());
  On("Dados4", Event::Click, [this] { Dados4_Click(); });
  On("Resolver4", Event::Click, [this] { Resolver4_Click(); });
  On("Dados5", Event::Click, [this] { Dados5_Click(); });
  On("Resolver5", Event::Click, [this] { Resolver5_Click(); });
  On("Dados7", Event::Click, [this] { Dados7_Click(); });
  On("Resolver7", Event::Click, [this] { Resolver7_Click(); });
}

Form9::Vertices Form9::ReadVertices(const char* const (&boxes)[6]) {
  InputBoxes input(*this);
  Vertices v;
  v.A.x = input(boxes[0]);
  v.A.y = input(boxes[1]);
  v.B.x = input(boxes[2]);
  v.B.y = input(boxes[3]);
  v.C.x = input(boxes[4]);
  v.C.y = input(boxes[5]);
  return v;
}

void Form9::Dados4_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    DrawPlane();
    Control& result = (*this)["Resultado1"];
    ResultReset(result);
    const Vertices v = ReadVertices(kNotableBoxes);

    DrawingArea& pic = Picture1();
    pic.foreColor = PenConvention::kData;
    DrawDots(pic, v.A, v.B, v.C);
    DrawSides(pic, v.A, v.B, v.C);
    if (!request.Solving()) return;

    PlanePoint found;
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
    request.Lower();
  });
}

PlanePoint Form9::DrawCircumcentre(const Vertices& v) {
  // The centre of the circle through the vertices; collinear vertices fault on its division.
  const PlanePoint O = CircleThroughThreePoints(v.A, v.B, v.C).centre;
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kResult;
  Stroke(pic, O, Midpoint(v.A, v.B));
  Stroke(pic, O, Midpoint(v.A, v.C));
  Stroke(pic, O, Midpoint(v.B, v.C));
  DrawPointWithAxisGuides(pic, O);
  return O;
}

PlanePoint Form9::DrawIncentre(const Vertices& v) {
  // The vertices weighted by the lengths of the opposite sides.
  const double a = PointDistance(v.B, v.C).d;
  const double b = PointDistance(v.C, v.A).d;
  const double c = PointDistance(v.A, v.B).d;
  const double perimeter = ck::Add(ck::Add(a, b), c);
  const PlanePoint I{
      ck::Div(ck::Add(ck::Add(ck::Mul(a, v.A.x), ck::Mul(b, v.B.x)), ck::Mul(c, v.C.x)), perimeter),
      ck::Div(ck::Add(ck::Add(ck::Mul(a, v.A.y), ck::Mul(b, v.B.y)), ck::Mul(c, v.C.y)), perimeter)};
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kResult;
  DrawPointDot(pic, I);
  Stroke(pic, I, v.A);
  Stroke(pic, I, v.B);
  Stroke(pic, I, v.C);
  DrawAxisGuides(pic, I);
  return I;
}

PlanePoint Form9::DrawOrthocentre(const Vertices& v) {
  const double x1 = v.A.x, y1 = v.A.y, x2 = v.B.x, y2 = v.B.y, x3 = v.C.x, y3 = v.C.y;
  using ck::Add;
  using ck::Mul;
  const double det = ThreePointDeterminant(v.A, v.B, v.C);
  // Closed form of the crossing of two altitudes.
  const double px13 = Add(Mul(x1, x3), Mul(y2, y2));
  const double px23 = Add(Mul(x2, x3), Mul(y1, y1));
  const double px12 = Add(Mul(x1, x2), Mul(y3, y3));
  const double hx = ck::Div(
      ThreeMinusThree(Mul(px13, y1), Mul(px23, y3), Mul(px12, y2), Mul(px13, y3), Mul(px12, y1), Mul(px23, y2)), det);
  const double py23 = Add(Mul(y2, y3), Mul(x1, x1));
  const double py12 = Add(Mul(y1, y2), Mul(x3, x3));
  const double py13 = Add(Mul(y1, y3), Mul(x2, x2));
  const double hy = ck::Div(
      ThreeMinusThree(Mul(py23, x2), Mul(py12, x1), Mul(py13, x3), Mul(py12, x2), Mul(py13, x1), Mul(py23, x3)), det);
  const PlanePoint H{hx, hy};

  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kResult;
  DrawPointDot(pic, H);
  Stroke(pic, v.A, AltitudeFoot(v.A, v.B, v.C));
  Stroke(pic, v.B, AltitudeFoot(v.B, v.C, v.A));
  Stroke(pic, v.C, AltitudeFoot(v.C, v.A, v.B));
  DrawAxisGuides(pic, H);
  return H;
}

PlanePoint Form9::DrawCentroid(const Vertices& v) {
  const PlanePoint G{ck::Div(ck::Add(ck::Add(v.A.x, v.B.x), v.C.x), 3),
                     ck::Div(ck::Add(ck::Add(v.A.y, v.B.y), v.C.y), 3)};
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kResult;
  DrawPointDot(pic, G);
  Stroke(pic, G, Midpoint(v.A, v.B));
  Stroke(pic, G, Midpoint(v.A, v.C));
  Stroke(pic, G, Midpoint(v.B, v.C));
  DrawAxisGuides(pic, G);
  return G;
}

void Form9::Resolver4_Click() {
  RequestSolve(SolveRequested, [this] { Dados4_Click(); });
}

void Form9::Dados5_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    DrawPlane();
    Control& result = (*this)["Resultado4"];
    ResultReset(result);
    const Vertices v = ReadVertices(kAreaBoxes);

    DrawingArea& pic = Picture1();
    pic.foreColor = PenConvention::kData;
    DrawDots(pic, v.A, v.B, v.C);
    DrawAxisGuides(pic, v.A);
    DrawAxisGuides(pic, v.B);
    DrawAxisGuides(pic, v.C);
    if (!request.Solving()) return;

    if (CollinearityTest(v.A, v.B, v.C)) {
      InformationBox("Os três pontos são colineares, não definem um triângulo.", ProgramTitleLower);
      return;
    }
    DrawSides(pic, v.A, v.B, v.C);
    using ck::Add;
    using ck::Mul;
    const double s1 = Add(Add(Mul(v.A.x, v.B.y), Mul(v.C.x, v.A.y)), Mul(v.B.x, v.C.y));
    const double s2 = Add(Add(Mul(v.B.x, v.A.y), Mul(v.A.x, v.C.y)), Mul(v.C.x, v.B.y));
    // The signed half is negative for clockwise vertices; an area is shown without its sign.
    result.text = NumberText(std::fabs(ck::Div(ck::Sub(s1, s2), 2)));
    request.Lower();
  });
}

void Form9::Resolver5_Click() {
  RequestSolve(SolveRequested, [this] { Dados5_Click(); });
}

void Form9::Dados7_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    DrawPlane();
    Control& result = (*this)["Resultado5"];
    ResultReset(result);
    const Vertices v = ReadVertices(kRightBoxes);
    if (CollinearityTest(v.A, v.B, v.C)) {
      InformationBox("Os pontos são colineares, não definem um triângulo.", ProgramTitleLower);
      return;
    }

    DrawingArea& pic = Picture1();
    pic.foreColor = PenConvention::kData;
    DrawDots(pic, v.A, v.B, v.C);
    if (!request.Solving()) return;

    pic.foreColor = PenConvention::kResult;
    DrawSides(pic, v.A, v.B, v.C);
    // Pythagoras on the squared sides, compared exactly.
    const double ab = PointDistance(v.A, v.B).s;
    const double bc = PointDistance(v.B, v.C).s;
    const double ac = PointDistance(v.A, v.C).s;
    const bool right = ab == ck::Add(ac, bc) || bc == ck::Add(ac, ab) || ac == ck::Add(bc, ab);
    result.text = right ? "O triângulo é rectângulo." : "O triângulo não é rectângulo.";
    request.Lower();
  });
}

void Form9::Resolver7_Click() {
  RequestSolve(SolveRequested, [this] { Dados7_Click(); });
}

}  // namespace vl
