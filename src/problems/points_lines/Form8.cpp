#include "Form8.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "Checked.h"
#include "InlineLineText.h"
#include "LeadingNumber.h"
#include "LineConstructions.h"
#include "LineReader.h"
#include "Module1.h"
#include "NumberText.h"
#include "ProblemLayout.h"

namespace vl {

using checked::Div;
using checked::Mul;
using checked::Sub;
using Module1::CoefA;
using Module1::CoefB;
using Module1::CoefC;

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
    auto valued = [&](const std::string& opt, int row, int width, const std::string& caption,
                      const std::string& box, const std::string& text, const std::string& unit, int unitWidth) {
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

// The constant term of the line with normal (a, b) through p.
double ConstantThrough(double a, double b, PlanePoint p) { return Sub(Mul(-a, p.x), Mul(b, p.y)); }

// Degrees to radians by the arctangent of 1, in the order the two conditions write it.
double InclinationRadians(double degrees) { return Div(Mul(degrees, std::atan(1.0)), 45); }
double ComplementRadians(double degrees) { return Div(Mul(Mul(Sub(90, degrees), 4), std::atan(1.0)), 180); }

double CheckedTan(double radians) { return checked::Finite(std::tan(radians)); }

}  // namespace

Form8::Form8() : TopicWindow(TopicConfigFor("Form8")) {
  AddAll(Layout());
  On("Dados3", Event::Click, [this] { Dados3_Click(); });
  On("Resolver3", Event::Click, [this] { Resolver3_Click(); });
  On("Dados7", Event::Click, [this] { Dados7_Click(); });
  On("Resolver7", Event::Click, [this] { Resolver7_Click(); });
}

void Form8::Dados3_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    ResultReset((*this)["Resultado1"]);
    ResultReset((*this)["Resultado2"]);
    DrawPlane();
    InputBoxes input(*this);
    const double x0 = input("Abcissa1");
    const double y0 = input("Ordenada1");
    const PlanePoint p{x0, y0};

    DrawingArea& pic = Picture1();
    pic.drawStyle = PenStyle::Solid;
    pic.foreColor = PenConvention::kData;
    DrawPointWithAxisGuides(pic, p);
    // The style stays dotted from the guides; a 2-pixel pen draws solid anyway.
    pic.foreColor = PenConvention::kResult;
    pic.drawWidth = PenConvention::kLineWidth;

    if (!request.Solving()) return;
    if ((*this)["Option1"].value)
      ParallelToXAxis(p);
    else if ((*this)["Option2"].value)
      ParallelToYAxis(p);
    else if ((*this)["Option3"].value)
      WithInclination(input, p);
    else if ((*this)["Option4"].value)
      WithSlope(input, p);
    else if ((*this)["Option6"].value)
      AtAngleWithLine(p);
    request.Lower();
  });
}

void Form8::Resolver3_Click() {
  RequestSolve(SolveRequested, [this] { Dados3_Click(); });
}

void Form8::ParallelToXAxis(PlanePoint p) {
  Picture1().Line(PlotXMin + 1.0f, p.y, PlotXMax - 1.0f, p.y);
  (*this)["Resultado1"].text = "y = " + NumberText(RoundHalfEven2(p.y));
}

void Form8::ParallelToYAxis(PlanePoint p) {
  Picture1().Line(p.x, PlotYMax - 1.0f, p.x, PlotYMin + 1.0f);
  (*this)["Resultado1"].text = "x = " + NumberText(RoundHalfEven2(p.x));
}

void Form8::WithInclination(InputBoxes& input, PlanePoint p) {
  const double theta = input("Text2");
  if (theta < 0 || theta > 180) {
    InformationBox("A inclinação de uma recta não pode ser negativa nem maior que 180 graus", ProgramTitle);
    DrawPlane();
    return;
  }
  const double m = CheckedTan(InclinationRadians(theta));
  CoefA = m;
  CoefB = -1.0;
  ParallelThroughPoint(p);
  DrawLineFromCoefs();

  Control& result = (*this)["Resultado1"];
  // A horizontal or vertical line is written by its one coordinate, in full.
  if (theta == 0) {
    result.text = "y = " + NumberText(p.y);
  } else if (theta == 90) {
    result.text = "x = " + NumberText(p.x);
  } else {
    InlineLineEquationText(result);
  }
}

void Form8::WithSlope(InputBoxes& input, PlanePoint p) {
  const double m = input("Text6");
  CoefA = m;
  CoefB = -1.0;
  ParallelThroughPoint(p);
  DrawLineFromCoefs();
  Module1::BuildLineEquationText();
  (*this)["Resultado1"].text = Module1::EquationText;
}

void Form8::AtAngleWithLine(PlanePoint p) {
  const double theta = LeadingNumber((*this)["Text4"].text);
  const double t = CheckedTan(ComplementRadians(theta));  // the cotangent of theta

  const auto line = LineEquationToCoefficients(*this, (*this)["Text5"]);
  if (!line) return;
  StoreSharedCoefficients(*line);
  Picture1().foreColor = PenConvention::kData;
  DrawLineFromCoefs();

  // The normals t·(a, b) ± (b, -a) lie at theta from the given line's normal (a, b), one on each
  // side, so each line through P meets the given one at theta.
  const double a = line->a;
  const double b = line->b;
  const double a1 = checked::Add(Mul(t, a), b);
  const double b1 = Sub(Mul(t, b), a);
  LineResultOutput(*this, a1, b1, ConstantThrough(a1, b1, p), (*this)["Resultado1"]);
  const double a2 = Sub(Mul(t, a), b);
  const double b2 = checked::Add(a, Mul(t, b));
  LineResultOutput(*this, a2, b2, ConstantThrough(a2, b2, p), (*this)["Resultado2"]);
}

void Form8::Dados7_Click() {
  SolveRequestProtocol request(SolveRequested);
  HandlerErrorBox([&] {
    ResultReset((*this)["Resultado5"]);
    ResultReset((*this)["Resultado6"]);
    Control& box1 = (*this)["Text9"];
    Control& box2 = (*this)["Text10"];
    CleanEquationBox(box1);
    CleanEquationBox(box2);
    if (RejectedAsLine(box1) || RejectedAsLine(box2)) return;
    const LineCoefficients l1 = ReadLineEquation(*this, box1);
    const LineCoefficients l2 = ReadLineEquation(*this, box2);

    DrawPlane();
    DrawingArea& pic = Picture1();
    PenConvention::LinePen(pic);
    pic.foreColor = PenConvention::kData;
    StoreSharedCoefficients(l1);
    DrawLineFromCoefs();
    StoreSharedCoefficients(l2);
    DrawLineFromCoefs();

    if (Mul(l1.a, l2.b) == Mul(l2.a, l1.b)) {
      InformationBox("As rectas paralelas.", ProgramTitle);
      return;
    }
    // The bisectors alone among this window's results are thin and dotted.
    PenConvention::GuidePen(pic);
    pic.foreColor = PenConvention::kResult;

    if (!request.Solving()) return;
    const double w1 = checked::Sqrt(checked::Add(checked::Pow(l1.a, 2), checked::Pow(l1.b, 2)));
    const double w2 = checked::Sqrt(checked::Add(checked::Pow(l2.a, 2), checked::Pow(l2.b, 2)));
    // Scaling each line by the other's normal length makes both normals equally long; their
    // difference and sum are the normals of the two bisectors.
    struct Bisector {
      bool sum;  // the difference of the scaled lines first, then their sum
      const char* field;
    };
    for (const Bisector& bis : {Bisector{false, "Resultado5"}, Bisector{true, "Resultado6"}}) {
      auto combine = [&](double first, double second) {
        const double p = Mul(w2, first);
        const double q = Mul(w1, second);
        return bis.sum ? checked::Add(p, q) : Sub(p, q);
      };
      CoefA = combine(l1.a, l2.a);
      CoefB = combine(l1.b, l2.b);
      CoefC = combine(l1.c, l2.c);
      DrawLineFromCoefs();
      Module1::BuildLineEquationText();
      (*this)[bis.field].text = Module1::EquationText;
    }
    request.Lower();
  });
}

void Form8::Resolver7_Click() {
  RequestSolve(SolveRequested, [this] { Dados7_Click(); });
}

}  // namespace vl
