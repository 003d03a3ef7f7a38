#include "Form7.h"

#include "Checked.h"
#include "CircleCircle.h"
#include "CircleReader.h"
#include "CircleTangency.h"
#include "InlineLineText.h"
#include "LineReader.h"
#include "Palette.h"
#include "ProblemDrawing.h"
#include "ProblemLayout.h"
#include "ProblemMechanics.h"

namespace vl {

namespace {

// A label with a name of its own, level with the boxes of the row at boxTop.
void NamedLabel(std::vector<ControlDecl>& t, const std::string& name, const std::string& frame, int left,
                int boxTop, int width, const std::string& text) {
  t.push_back({name, ControlKind::Label, frame, left, boxTop + layout::kLabelDrop, width, layout::kLabelHeight,
               text});
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

Form7::Form7() : TopicWindow(TopicConfigFor("Form7")) {
  AddAll(Layout());
  On("Dados1", Event::Click, [this] { Dados1_Click(); });
  On("Resolver1", Event::Click, [this] { Resolver1_Click(); });
  On("Dados11", Event::Click, [this] { Dados11_Click(); });
  On("Resolver11", Event::Click, [this] { Resolver11_Click(); });
  On("Dados3", Event::Click, [this] { Dados3_Click(); });
  On("Resolver3", Event::Click, [this] { Resolver3_Click(); });
}

void Form7::Dados1_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    Control& resultA = (*this)["Resultado1"];
    Control& resultB = (*this)["Resultado2"];
    ResultReset(resultA);
    ResultReset(resultB);
    DrawPlane();

    const auto first = CircleEquationToCoefficients(
        *this, (*this)["Text6"],
        {"A primeira equação não representa uma circunferência.", "A primeira equação representa um ponto."});
    if (!first) return;
    const auto second = CircleEquationToCoefficients(
        *this, (*this)["Text7"],
        {"A segunda equação não representa uma circunferência.", "A segunda equação representa um ponto."});
    if (!second) return;

    // The common points are found before anything is drawn: the same circle twice fails here.
    const CircleCircleCrossings crossing = CircleCircleIntersection(*first, *second);
    DrawingArea& pic = Picture1();
    const PlanePoint centre1{first->h, first->k};
    const PlanePoint centre2{second->h, second->k};
    pic.foreColor = PenConvention::kData;
    PenConvention::LinePen(pic);
    DrawCircleOutline(pic, *first);
    DrawCircleOutline(pic, *second);
    DrawPointDot(pic, centre1);
    DrawPointDot(pic, centre2);
    DrawAxisGuides(pic, centre1);
    DrawAxisGuides(pic, centre2);
    if (crossing.K < 0) {
      InformationBox("As circunferências não se intersectam.", ProgramTitleLower);
      return;
    }
    if (!request.Solving()) return;

    pic.foreColor = PenConvention::kResult;
    DrawPointDot(pic, crossing.a);
    DrawPointDot(pic, crossing.b);
    DrawAxisGuides(pic, crossing.a);
    DrawAxisGuides(pic, crossing.b);
    if (crossing.K == 0) InformationBox("As circunferências são tangentes.", ProgramTitleLower);
    resultA.text = PointResultText(crossing.a);
    resultB.text = PointResultText(crossing.b);
    request.Lower();
  });
}

void Form7::Resolver1_Click() {
  RequestSolve(SolveRequested, [this] { Dados1_Click(); });
}

void Form7::Dados11_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    Control& result = (*this)["Resultado3"];
    ResultReset(result);
    DrawPlane();

    const auto line = LineEquationToCoefficients(*this, (*this)["Text12"]);
    if (!line) return;
    StoreSharedCoefficients(*line);
    InputBoxes input(*this);
    const double xP = input("Abcissa1");
    const double yP = input("Ordenada1");
    const double xQ = input("Abcissa2");
    const double yQ = input("Ordenada2");
    const PlanePoint p{xP, yP};
    const PlanePoint q{xQ, yQ};

    DrawingArea& pic = Picture1();
    pic.foreColor = PenConvention::kData;
    DrawAxisGuides(pic, p);
    DrawAxisGuides(pic, q);
    PenConvention::LinePen(pic);
    DrawLineFromCoefs();
    DrawPointDot(pic, p);
    DrawPointDot(pic, q);

    namespace ck = checked;
    if (ck::Add(ck::Add(ck::Mul(line->a, xQ), ck::Mul(line->b, yQ)), line->c) != 0) {
      InformationBox("O ponto Q não pertence à recta.", ProgramTitleLower);
      return;
    }
    if (!request.Solving()) return;

    const PlanePoint centre = CentreTouchingLineAt(*line, p, q);
    const CircleData circle{centre.x, centre.y, PointDistance(centre, p).d};
    pic.foreColor = PenConvention::kResult;
    PenConvention::LinePen(pic);
    DrawCircleOutline(pic, circle);
    CentreRadiusCircleText(result, circle, true);
    request.Lower();
  });
}

void Form7::Resolver11_Click() {
  RequestSolve(SolveRequested, [this] { Dados11_Click(); });
}

void Form7::Dados3_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    Control& first = (*this)["Resultado4"];
    Control& second = (*this)["Resultado5"];
    ResultReset(first);
    ResultReset(second);
    DrawPlane();

    const auto circle = CircleEquationToCoefficients(*this, (*this)["Text9"]);
    if (!circle) return;
    InputBoxes input(*this);
    const double xP = input("Abcissa4");
    const double yP = input("Ordenada4");
    const PlanePoint p{xP, yP};
    const PlanePoint centre{circle->h, circle->k};

    DrawingArea& pic = Picture1();
    if (PointDistance(p, centre).d <= circle->r) {
      pic.foreColor = PenConvention::kData;
      PenConvention::LinePen(pic);
      DrawCircleOutline(pic, *circle);
      DrawPointDot(pic, centre);
      DrawPointDot(pic, p);
      DrawAxisGuides(pic, centre);
      DrawAxisGuides(pic, p);
      InformationBox("O ponto não é exterior à circunferência.", ProgramTitleLower);
      return;
    }

    const LineCoefficients tangent1 = TangentFromPoint(*circle, p, Tangent::First);
    StoreSharedCoefficients(tangent1);
    pic.foreColor = PenConvention::kData;
    DrawPointDot(pic, centre);
    DrawPointDot(pic, p);
    DrawAxisGuides(pic, centre);
    DrawAxisGuides(pic, p);
    PenConvention::LinePen(pic);
    DrawCircleOutline(pic, *circle);
    if (!request.Solving()) return;

    // Each tangent keeps its own text: the first written inline, the second by the general routine.
    pic.foreColor = PenConvention::kResult;
    DrawLineFromCoefs();
    InlineLineEquationText(first);
    const LineCoefficients tangent2 = TangentFromPoint(*circle, p, Tangent::Second);
    LineResultOutput(*this, tangent2.a, tangent2.b, tangent2.c, second);
    request.Lower();
  });
}

void Form7::Resolver3_Click() {
  RequestSolve(SolveRequested, [this] { Dados3_Click(); });
}

}  // namespace vl
