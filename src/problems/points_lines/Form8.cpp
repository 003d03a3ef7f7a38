#include "Form8.h"

#include <string>
#include <utility>
#include <vector>

#include "LeadingNumber.h"
#include "Lines.h"
#include "NumberText.h"
#include "ProblemDrawing.h"
#include "ProblemLayout.h"
#include "SharedLine.h"

namespace vl {

namespace {

constexpr int kOptionHeight = 255;
constexpr int kRowStep = 375;

// A second red result field under the one just added, sharing its caption.
void ResultBelow(std::vector<ControlDecl>& table, const std::string& name) {
  ControlDecl below = table.back();
  below.name = name;
  below.top += 300;
  table.push_back(std::move(below));
}

std::vector<ControlDecl> Layout() {
  using namespace layout;
  std::vector<ControlDecl> t;
  int top = 3240;

  // Frame4: the point, then one row per condition, the buttons, the line(s) found.
  const int pointRow = kFirstRow;
  const int option1Row = pointRow + 420;
  const int option2Row = option1Row + 315;
  const int option3Row = option2Row + kRowStep;
  const int option4Row = option3Row + kRowStep;
  const int option6Row = option4Row + kRowStep;
  const int lineRow = option6Row + kRowStep;
  const int buttonRow = lineRow + 450;
  const int resultRow = buttonRow + 465;
  const int frame4Height = resultRow + 300 + 345;
  {
    FrameBuilder f(t, "Frame4", "Recta que passa num ponto e ...", top, frame4Height);
    f.LabelBeside("Point", kInset, pointRow, 585, "Ponto:");
    f.CoordinatePair("P", kInset + 600, pointRow, "Abcissa1", "-1", "Ordenada1", "3", false);

    auto option = [&](const std::string& name, int row, int width, const std::string& caption) {
      t.push_back({name, ControlKind::OptionButton, "Frame4", kInset, row + 15, width, kOptionHeight, caption});
    };
    // A condition with a value: the option, its box, and the unit after the box.
    auto valued = [&](const std::string& opt, int row, int width, const std::string& caption, const std::string& box,
                      const std::string& text, const std::string& unit, int unitWidth) {
      option(opt, row, width, caption);
      const int boxLeft = kInset + width + 60;
      f.TextBox(box, boxLeft, row, kCoordinateBoxWidth, text);
      f.LabelBeside("Unit" + box, boxLeft + kCoordinateBoxWidth + 90, row, unitWidth, unit);
    };
    option("Option1", option1Row, 3600, "é paralela ao eixo das abcissas");
    option("Option2", option2Row, 3600, "é paralela ao eixo das ordenadas");
    valued("Option3", option3Row, 1500, "tem inclinação", "Text2", "30", "graus", 615);
    valued("Option4", option4Row, 2220, "tem coeficiente angular", "Text6", "1", "(número real)", 1260);
    valued("Option6", option6Row, 1740, "faz um ângulo de", "Text4", "30", "graus", 615);
    f.LabelBeside("WithLine", kInset + 270, lineRow, 1080, "com a recta:");
    f.TextBox("Text5", kInset + 1410, lineRow, 2400, "2x-y+3=0");

    f.DadosResolver("Dados3", "Resolver3", buttonRow, kResolveTooltip);
    f.Result("Resultado1", resultRow, 780, "Recta(s)");
    ResultBelow(t, "Resultado2");
    top += frame4Height + kFrameGap;
  }

  // Frame3: the two lines one under the other, the buttons, the two bisectors.
  {
    const int line2Row = kFirstRow + 375;
    const int buttons = line2Row + 450;
    const int results = buttons + 465;
    const int height = results + 300 + 345;
    FrameBuilder f(t, "Frame3", "Bissectrizes de duas rectas concorrentes", top, height);
    f.LabelBeside("Lines", kInset, kFirstRow, 630, "Rectas:");
    f.TextBox("Text9", kInset + 780, kFirstRow, 2400, "2x+3y-1=0");
    f.TextBox("Text10", kInset + 780, line2Row, 2400, "x-2y+4=0");
    f.DadosResolver("Dados7", "Resolver7", buttons, kResolveTooltip);
    f.Result("Resultado5", results, 1020, "Bissectrizes:");
    ResultBelow(t, "Resultado6");
  }
  return t;
}

}  // namespace

Form8::Form8() : ProblemWindow(TopicConfigFor("Form8")) {
  AddAll(Layout());
  Problem("Dados3", "Resolver3", &Form8::LineThroughPoint);
  Problem("Dados7", "Resolver7", &Form8::Bisectors);
}

void Form8::LineThroughPoint(ProblemRun& run) {
  ResultReset((*this)["Resultado1"]);
  ResultReset((*this)["Resultado2"]);
  DrawPlane();
  const geo::Point p = run.InputPoint("Abcissa1", "Ordenada1");

  DrawingArea& pic = Picture1();
  pic.drawStyle = PenStyle::Solid;
  pic.foreColor = PenConvention::kData;
  DrawPointWithAxisGuides(pic, p);
  // The style stays dotted from the guides; a 2-pixel pen draws solid anyway.
  pic.foreColor = PenConvention::kResult;
  pic.drawWidth = PenConvention::kLineWidth;

  if (!run.Solving()) return;
  if ((*this)["Option1"].value)
    ParallelToXAxis(p);
  else if ((*this)["Option2"].value)
    ParallelToYAxis(p);
  else if ((*this)["Option3"].value)
    WithInclination(run, p);
  else if ((*this)["Option4"].value)
    WithSlope(run, p);
  else if ((*this)["Option6"].value)
    AtAngleWithLine(p);
  run.Solved();
}

void Form8::ParallelToXAxis(geo::Point p) {
  Picture1().Line(PlotXMin + 1.0f, p.y, PlotXMax - 1.0f, p.y);
  (*this)["Resultado1"].text = "y = " + NumberText(RoundHalfEven2(p.y));
}

void Form8::ParallelToYAxis(geo::Point p) {
  Picture1().Line(p.x, PlotYMax - 1.0f, p.x, PlotYMin + 1.0f);
  (*this)["Resultado1"].text = "x = " + NumberText(RoundHalfEven2(p.x));
}

void Form8::WithInclination(ProblemRun& run, geo::Point p) {
  const double theta = run.Input("Text2");
  if (theta < 0 || theta > 180) {
    Say({"A inclinação de uma recta não pode ser negativa nem maior que 180 graus", kApplicationTitle});
    DrawPlane();
    return;
  }
  const geo::Line line = geo::LineWithSlope(geo::InclinationSlope(theta), p, &shared::Cells());
  PlotLine(line);

  Control& result = (*this)["Resultado1"];
  // A horizontal or vertical line is written by its one coordinate, in full.
  if (theta == 0) {
    result.text = "y = " + NumberText(p.y);
  } else if (theta == 90) {
    result.text = "x = " + NumberText(p.x);
  } else {
    result.text = shared::PublishInlineEquation(line);
  }
}

void Form8::WithSlope(ProblemRun& run, geo::Point p) {
  const double m = run.Input("Text6");
  const geo::Line line = geo::LineWithSlope(m, p, &shared::Cells());
  PlotLine(line);
  (*this)["Resultado1"].text = shared::PublishEquation(line);
}

void Form8::AtAngleWithLine(geo::Point p) {
  const double theta = LeadingNumber((*this)["Text4"].text);
  const double t = geo::Cotangent(theta);

  const auto line = ReadLineBox("Text5");
  if (!line) return;
  shared::StoreLine(*line);
  Picture1().foreColor = PenConvention::kData;
  PlotLine(*line);

  // One line through P on each side of the given one's normal, each at theta from it.
  LineResultOutput(geo::LineAtAngle(*line, t, p, geo::Side::First), (*this)["Resultado1"]);
  LineResultOutput(geo::LineAtAngle(*line, t, p, geo::Side::Second), (*this)["Resultado2"]);
}

void Form8::Bisectors(ProblemRun& run) {
  ResultReset((*this)["Resultado5"]);
  ResultReset((*this)["Resultado6"]);
  const auto lines = ReadAndDrawTwoLines("Text9", "Text10");
  if (!lines) return;
  const auto& [l1, l2] = *lines;
  if (geo::Parallel(l1, l2)) {
    Say({"As rectas paralelas.", kApplicationTitle});
    return;
  }
  // The bisectors alone among this window's results are thin and dotted.
  DrawingArea& pic = Picture1();
  PenConvention::GuidePen(pic);
  pic.foreColor = PenConvention::kResult;
  if (!run.Solving()) return;

  for (const auto& [side, field] :
       {std::pair{geo::Side::First, "Resultado5"}, std::pair{geo::Side::Second, "Resultado6"}}) {
    const geo::Line bisector = geo::Bisector(l1, l2, side, &shared::Cells());
    PlotLine(bisector);
    (*this)[field].text = shared::PublishEquation(bisector);
  }
  run.Solved();
}

}  // namespace vl
