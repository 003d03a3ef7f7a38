#include "Form4.h"

#include "Circles.h"
#include "ProblemDrawing.h"
#include "ProblemLayout.h"
#include "ResultTexts.h"
#include "SharedLine.h"

namespace vl {

namespace {

constexpr int kOptionWidth = 255;  // only the button shows, no caption
constexpr int kOptionHeight = 255;

// A red bold result field across the whole frame, for texts too long to sit beside their caption.
ControlDecl WideResult(const std::string& field, const std::string& frame, int top) {
  using namespace layout;
  return ResultLabel(field, frame, kInset, top, kFrameWidth - 2 * kInset);
}

std::vector<ControlDecl> Layout() {
  using namespace layout;
  std::vector<ControlDecl> t;
  int top = TopicWindow::kProblemsTop;
  const int secondRow = kFirstRow + 390;
  const int buttonRow = secondRow + 390;
  const int resultRow = buttonRow + 450;
  const int tallFrame = resultRow + 360;

  {
    FrameBuilder f(t, "Frame4", "Circunferência com centro num ponto e tg a uma recta", top, tallFrame);
    const int boxLeft = kInset + 600;
    f.LabelBeside("Line", kInset, kFirstRow, 555, "Recta:");
    f.TextBox("Text3", boxLeft, kFirstRow, 2880, "2x-3y+4=0");
    f.LabelBeside("NamePoint", kInset, secondRow, 330, "P =");
    f.CoordinatePair("P", boxLeft, secondRow, "Abcissa1", "2", "Ordenada1", "-3", false);
    f.DadosResolver("Dados1", "Resolver1", buttonRow, kResolveTooltip);
    // The circle's text can be long: its caption beside the buttons, the text on a row of its own.
    f.LabelBeside("ResultCaption", kInset + 2 * kButtonWidth + 3 * kInset, buttonRow + 45, 2100,
                  "Equação da circunferência:");
    t.push_back(WideResult("Resultado3", "Frame4", resultRow));
    top += tallFrame + kFrameGap;
  }
  {
    const int height = secondRow + kBoxHeight + 135;
    FrameBuilder f(t, "Frame6", "Circunferência de equação...", top, height);
    const int afterOption = kInset + kOptionWidth + 45;
    t.push_back({"Option1", ControlKind::OptionButton, "Frame6", kInset, kFirstRow + 15, kOptionWidth, kOptionHeight});
    f.TextBox("Text1", afterOption, kFirstRow, 3000, "x^2+y^2-4x-6y-3=0");
    f.Button("Resolver3", kFrameWidth - kInset - kButtonWidth, kFirstRow - 45, "Resolver", kResolveTooltip);
    t.push_back({"Option2", ControlKind::OptionButton, "Frame6", kInset, secondRow + 15, kOptionWidth, kOptionHeight});
    f.LabelBeside("Centre", afterOption, secondRow, 555, "Centro:");
    const int after = f.CoordinatePair("C", afterOption + 570, secondRow, "Abcissa3", "2", "Ordenada3", "-3", false);
    f.LabelBeside("Radius", after + 120, secondRow, 420, "Raio:");
    f.TextBox("Raio", after + 555, secondRow, kCoordinateBoxWidth, "4");
    top += height + kFrameGap;
  }
  {
    FrameBuilder f(t, "Frame1", "Tangente a uma circunferência num dos seus pontos", top, tallFrame);
    const int boxLeft = kInset + 1185;
    f.LabelBeside("Circle", kInset, kFirstRow, 1170, "Circunferência:");
    f.TextBox("Text4", boxLeft, kFirstRow, 3000, "x^2+y^2-2x-2y-38=0");
    f.LabelBeside("NamePoint", kInset, secondRow, 330, "P =");
    f.CoordinatePair("P", kInset + 600, secondRow, "Abcissa2", "3", "Ordenada2", "-5", false);
    f.DadosResolver("Dados4", "Resolver4", buttonRow, kResolveTooltip);
    f.Result("Resultado4", resultRow, 1545, "Equação da tangente:");
    top += tallFrame + kFrameGap;
  }
  {
    FrameBuilder f(t, "Frame8", "Intersecção de uma recta com uma circunferência", top, tallFrame);
    const int boxLeft = kInset + 1410;
    f.LabelBeside("Line", kInset, kFirstRow, 1395, "Equação da recta:");
    f.TextBox("Text5", boxLeft, kFirstRow, 3000, "3x-2y+1=0");
    f.LabelBeside("Circle", kInset, secondRow, 1170, "Circunferência:");
    f.TextBox("Text7", boxLeft, secondRow, 3000, "x^2+y^2-4x-6y-3=0");
    f.DadosResolver("Dados5", "Resolver5", buttonRow, kResolveTooltip);
    f.Label("ResultCaption", kInset, resultRow, 900, "Intersecção:");
    const int half = (kFrameWidth - kInset - 1080) / 2;
    ControlDecl first = WideResult("Resultado5", "Frame8", resultRow);
    first.left = 1080;
    first.width = half - 60;
    ControlDecl second = WideResult("Resultado6", "Frame8", resultRow);
    second.left = 1080 + half;
    second.width = half;
    t.push_back(std::move(first));
    t.push_back(std::move(second));
  }
  return t;
}

}  // namespace

Form4::Form4() : ProblemWindow(TopicConfigFor("Form4")) {
  AddAll(Layout());
  Problem("Dados1", "Resolver1", &Form4::CircleTangentToLine);
  Action("Resolver3", &Form4::CircleOfEquation);
  Problem("Dados4", "Resolver4", &Form4::TangentAtPoint);
  Problem("Dados5", "Resolver5", &Form4::LineAndCircle);
}

void Form4::CircleTangentToLine(ProblemRun& run) {
  Control& result = (*this)["Resultado3"];
  ResultReset(result);
  const auto given = ReadAndDrawLineAndPoint(run, "Text3", "Abcissa1", "Ordenada1");
  if (!given || !run.Solving()) return;

  const auto& [line, p] = *given;
  const double r = geo::PointLineDistance(line, p);
  // Not a verdict that stops the problem: the circle of radius 0 is still drawn and written.
  if (r == 0) MsgBox("A recta contém o centro da circunferência; esta reduz-se a um ponto.");
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kResult;
  const geo::Circle circle{p.x, p.y, r};
  DrawCircleOutline(pic, circle);
  result.text = CentreRadiusCircleText(circle, false);
  run.Solved();
}

void Form4::CircleOfEquation(ProblemRun& run) {
  DrawPlane();
  DrawingArea& pic = Picture1();
  if ((*this)["Option1"].value) {
    const auto circle = ReadCircleBox("Text1");
    if (!circle) return;
    pic.foreColor = PenConvention::kResult;
    DrawCircleOutline(pic, *circle);
    DrawPointWithAxisGuides(pic, geo::Centre(*circle));
  }
  if ((*this)["Option2"].value) {
    const double h = run.Input("Abcissa3");
    const double k = run.Input("Ordenada3");
    const double r = run.Input("Raio");
    if (r == 0) {
      Say({"O raio não pode ser zero.", kApplicationTitle});
      return;
    }
    pic.foreColor = PenConvention::kResult;
    DrawCircleOutline(pic, {h, k, r});
    DrawPointWithAxisGuides(pic, {h, k});
  }
}

void Form4::TangentAtPoint(ProblemRun& run) {
  Control& result = (*this)["Resultado4"];
  ResultReset(result);
  DrawPlane();

  // P is read once the circle's terms are known and before its radius verdicts, so a fault in P
  // is reported ahead of "not a circle" or "a point".
  geo::Point p;
  const auto circle = ReadCircleBox("Text4", {}, [&] { p = run.InputPoint("Abcissa2", "Ordenada2"); });
  if (!circle) return;
  const geo::Point centre = geo::Centre(*circle);

  DrawPlane();
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kData;
  DrawCircleOutline(pic, *circle);
  DrawPointDot(pic, p);
  DrawPointDot(pic, centre);
  DrawAxisGuides(pic, centre);

  if (circle->r != geo::PointDistance(p, centre).d) {
    Say({"O ponto não pertence à circunferência.", kApplicationTitleLower});
    return;
  }
  if (!run.Solving()) return;

  LineResultOutput(geo::TangentAt(centre, p), result);
  run.Solved();
}

void Form4::LineAndCircle(ProblemRun& run) {
  Control& first = (*this)["Resultado5"];
  Control& second = (*this)["Resultado6"];
  ResultReset(first);
  ResultReset(second);
  CleanBox("Text5");
  CleanBox("Text7");
  if (RefuseLine("Text5")) return;
  if (RefuseCircle("Text7")) return;

  const auto circle = ReadCleanCircle("Text7");
  if (!circle) return;
  const geo::Line line = ReadCleanLine("Text5");
  shared::StoreLine(line);

  DrawPlane();
  DrawingArea& pic = Picture1();
  pic.foreColor = PenConvention::kData;
  DrawCircleOutline(pic, *circle);

  const geo::LineCircleCrossings crossing = geo::LineCircleIntersection(line, *circle);
  if (crossing.delta < 0) {
    PenConvention::LinePen(pic);
    PlotLine(line);
    Say({"A recta não intersecta a circunferência.", kApplicationTitleLower});
    return;
  }

  // The line is drawn through its crossings; a tangent has only one, so the typed line serves.
  geo::Line drawn = geo::LineThroughTwoPoints(crossing.p1, crossing.p2, &shared::Cells());
  if (crossing.p1.x == crossing.p2.x && crossing.p1.y == crossing.p2.y) {
    drawn = line;
    shared::StoreLine(line);
  }
  PenConvention::LinePen(pic);
  PlotLine(drawn);

  if (!run.Solving()) return;
  pic.foreColor = PenConvention::kResult;
  DrawPointDot(pic, crossing.p1);
  DrawPointDot(pic, crossing.p2);
  DrawAxisGuides(pic, crossing.p1);
  DrawAxisGuides(pic, crossing.p2);
  first.text = PointResultText(crossing.p1);
  second.text = PointResultText(crossing.p2);
  run.Solved();
}

}  // namespace vl
