// The lines 4 window: the line through a point under one of five conditions, and the bisectors of
// two intersecting lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "Palette.h"
#include "ProblemTestSupport.h"

namespace {

using namespace vl;
using namespace vl::problemtest;

constexpr double kPi = 3.14159265358979323846;

// The angle in degrees, 0..90, between the lines through two drawn segments.
double AngleBetween(const DrawEntry& l, const DrawEntry& m) {
  const double a1 = std::atan2(l.y2 - l.y1, l.x2 - l.x1);
  const double a2 = std::atan2(m.y2 - m.y1, m.x2 - m.x1);
  double d = std::fmod(std::fabs(a1 - a2) * 180 / kPi, 180.0);
  if (d > 90) d = 180 - d;
  return d;
}

// The distance from a point to the line through a drawn segment.
double DistanceToLine(const DrawEntry& l, double x, double y) {
  const double dx = l.x2 - l.x1;
  const double dy = l.y2 - l.y1;
  return std::fabs(dx * (y - l.y1) - dy * (x - l.x1)) / std::hypot(dx, dy);
}

class Lines4WindowTest : public ProblemWindowTest {
 protected:
  Lines4WindowTest() : ProblemWindowTest("Form8") {}

  void Choose(const std::string& option) { ASSERT_TRUE(app.Choose("Form8", option)); }

  // Solves the point problem with the condition chosen and checks that nothing was said.
  void SolveQuietly(const std::string& option) {
    Choose(option);
    Click("Resolver3");
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(Window().SolveRequested);
  }

  std::vector<DrawEntry> RedLines() { return Drawn(DrawEntry::Op::Line, kResult); }

  void ExpectOnlyPointDrawn(float x, float y) {
    const auto points = Drawn(DrawEntry::Op::Point, kData);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].x1, x);
    EXPECT_EQ(points[0].y1, y);
    EXPECT_EQ(points[0].width, 7);
    const auto guides = Drawn(DrawEntry::Op::Line, kData);
    ASSERT_EQ(guides.size(), 2u);
    for (const auto& g : guides) EXPECT_EQ(g.style, PenStyle::Dotted);
    EXPECT_TRUE(IsLine(guides[0], x, 0, x, y));
    EXPECT_TRUE(IsLine(guides[1], 0, y, x, y));
    EXPECT_TRUE(RedLines().empty());
  }
};

// ---- the frames ----

TEST_F(Lines4WindowTest, ControlsAndTexts) {
  EXPECT_EQ(Caption("Label2"), "RECTA - 4");
  EXPECT_EQ(Caption("Frame4"), "Recta que passa num ponto e ...");
  EXPECT_EQ(Caption("Frame3"), "Bissectrizes de duas rectas concorrentes");
  struct Design {
    const char *box, *text;
  };
  for (const Design& d : {Design{"Abcissa1", "-1"}, Design{"Ordenada1", "3"}, Design{"Text2", "30"},
                          Design{"Text6", "1"}, Design{"Text4", "30"}, Design{"Text5", "2x-y+3=0"},
                          Design{"Text9", "2x+3y-1=0"}, Design{"Text10", "x-2y+4=0"}}) {
    EXPECT_EQ(Ctl(d.box).kind, ControlKind::TextBox) << d.box;
    EXPECT_EQ(Caption(d.box), d.text) << d.box;
  }
  struct Opt {
    const char *name, *caption;
  };
  for (const Opt& o : {Opt{"Option1", "é paralela ao eixo das abcissas"},
                       Opt{"Option2", "é paralela ao eixo das ordenadas"}, Opt{"Option3", "tem inclinação"},
                       Opt{"Option4", "tem coeficiente angular"}, Opt{"Option6", "faz um ângulo de"}}) {
    EXPECT_EQ(Ctl(o.name).kind, ControlKind::OptionButton) << o.name;
    EXPECT_EQ(Ctl(o.name).container, "Frame4") << o.name;
    EXPECT_EQ(Caption(o.name), o.caption);
  }
  for (const char* d : {"Dados3", "Dados7"}) {
    EXPECT_EQ(Caption(d), "Dados");
    EXPECT_EQ(Ctl(d).tooltip, "Desenha os dados do problema.");
  }
  for (const char* r : {"Resolver3", "Resolver7"}) {
    EXPECT_EQ(Caption(r), "Resolver");
    EXPECT_EQ(Ctl(r).tooltip, "Resolve o propblema.");
  }
  for (const char* r : {"Resultado1", "Resultado2", "Resultado5", "Resultado6"}) {
    EXPECT_EQ(Ctl(r).kind, ControlKind::Label) << r;
    EXPECT_EQ(Caption(r), "") << r;
    EXPECT_TRUE(Ctl(r).font.bold) << r;
    EXPECT_EQ(Ctl(r).foreColor, rgb::kRed) << r;
  }
  // The labels that say what the boxes and fields are.
  std::vector<std::string> labels;
  for (const auto& c : Window().Controls())
    if (c->kind == ControlKind::Label && (c->container == "Frame4" || c->container == "Frame3"))
      labels.push_back(c->text);
  for (const char* text :
       {"Ponto:", "(", ",", ")", "graus", "(número real)", "com a recta:", "Recta(s)", "Rectas:", "Bissectrizes:"})
    EXPECT_NE(std::find(labels.begin(), labels.end(), text), labels.end()) << text;
  EXPECT_FALSE(Ctl("TextA").visible);
}

TEST_F(Lines4WindowTest, OptionsFormOneGroup) {
  EXPECT_TRUE(Ctl("Option1").value);
  Choose("Option6");
  for (const char* o : {"Option1", "Option2", "Option3", "Option4"}) EXPECT_FALSE(Ctl(o).value) << o;
  EXPECT_TRUE(Ctl("Option6").value);
  // The selection outlives clicks on the problems.
  Click("Resolver7");
  Click("Dados3");
  EXPECT_TRUE(Ctl("Option6").value);
}

// ---- the line through a point ----

TEST_F(Lines4WindowTest, DadosDrawsThePointOnlyWhateverTheOption) {
  for (const char* option : {"Option1", "Option2", "Option3", "Option4", "Option6"}) {
    SCOPED_TRACE(option);
    Choose(option);
    Click("Dados3");
    ExpectOnlyPointDrawn(-1, 3);
    EXPECT_EQ(Caption("Resultado1"), "");
    EXPECT_TRUE(Messages().empty()) << "the given line is not read";
  }
  // Even an unreadable given line or inclination goes unread by "Dados".
  Set("Text5", "x^2=y");
  Set("Text2", "500");
  Click("Dados3");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Lines4WindowTest, ParallelToAnAxis) {
  SolveQuietly("Option1");
  EXPECT_EQ(Caption("Resultado1"), "y = 3");
  auto red = RedLines();
  ASSERT_EQ(red.size(), 1u);
  EXPECT_TRUE(IsLine(red[0], -9, 3, 9, 3));
  EXPECT_EQ(red[0].width, 2);
  EXPECT_EQ(red[0].style, PenStyle::Solid);

  SolveQuietly("Option2");
  EXPECT_EQ(Caption("Resultado1"), "x = -1");
  red = RedLines();
  ASSERT_EQ(red.size(), 1u);
  EXPECT_TRUE(IsLine(red[0], -1, 9, -1, -9));

  // The coordinate is rounded; the segment follows the range, one unit inside it.
  SetRange("-30", "30", "-20", "20");
  Set("Abcissa1", "2/3");
  Set("Ordenada1", "1/3");
  SolveQuietly("Option1");
  EXPECT_EQ(Caption("Resultado1"), "y = 0,33");
  red = RedLines();
  ASSERT_EQ(red.size(), 1u);
  EXPECT_TRUE(IsLine(red[0], -29, 1.0f / 3, 29, 1.0f / 3));
  SolveQuietly("Option2");
  EXPECT_EQ(Caption("Resultado1"), "x = 0,67");
  red = RedLines();
  ASSERT_EQ(red.size(), 1u);
  EXPECT_TRUE(IsLine(red[0], 2.0f / 3, 19, 2.0f / 3, -19));
  EXPECT_EQ(Caption("Resultado2"), "");
}

TEST_F(Lines4WindowTest, Inclination) {
  struct Case {
    const char *theta, *x, *y, *text;
  };
  for (const Case& c : {
           Case{"30", "-1", "3", "0,58x-y+3,58 = 0"},
           // tan(45°) comes out one step below 1 and is written as a number.
           Case{"45", "1", "0", "1x-y-1 = 0"},
           Case{"135", "2", "2", "-1x-y+4 = 0"},
           Case{"60", "0", "0", "1,73x-y = 0"},
           // tan(180°) is a tiny negative number: 0 before x.
           Case{"180", "-1", "3", "0x-y+3 = 0"},
           // Horizontal and vertical lines are written by their coordinate, unrounded.
           Case{"0", "0", "1/3", "y = 0,333333333333333"},
           Case{"90", "-1/3", "3", "x = -0,333333333333333"},
           Case{"2*45", "-1", "3", "x = -1"},
       }) {
    SCOPED_TRACE(c.theta);
    Set("Text2", c.theta);
    Set("Abcissa1", c.x);
    Set("Ordenada1", c.y);
    SolveQuietly("Option3");
    EXPECT_EQ(Caption("Resultado1"), c.text);
    EXPECT_EQ(Caption("Resultado2"), "");
    const auto red = RedLines();
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(red[0].width, 2);
    EXPECT_EQ(red[0].style, PenStyle::Solid);
  }
  // The 30-degree line through (-1, 3) rises at 30 degrees and passes through the point.
  Set("Text2", "30");
  Set("Abcissa1", "-1");
  Set("Ordenada1", "3");
  SolveQuietly("Option3");
  auto red = RedLines();
  ASSERT_EQ(red.size(), 1u);
  EXPECT_NEAR(std::atan2(red[0].y2 - red[0].y1, red[0].x2 - red[0].x1) * 180 / kPi, -150, 1e-4);
  EXPECT_NEAR(DistanceToLine(red[0], -1, 3), 0, 1e-5);
  // At 90 degrees the slope is huge but finite: the line shows as vertical through P.
  Set("Text2", "90");
  SolveQuietly("Option3");
  red = RedLines();
  ASSERT_EQ(red.size(), 1u);
  EXPECT_FLOAT_EQ(red[0].x1, -1);
  EXPECT_FLOAT_EQ(red[0].x2, -1);
  EXPECT_FLOAT_EQ(std::fabs(red[0].y1 - red[0].y2), 18);
}

TEST_F(Lines4WindowTest, InclinationOutOfRange) {
  Choose("Option3");
  for (const char* theta : {"200", "-10", "180.0001"}) {
    SCOPED_TRACE(theta);
    Set("Text2", theta);
    Click("Resolver3");
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "A inclinação de uma recta não pode ser negativa nem maior que 180 graus");
    EXPECT_EQ(messages[0].title, "Vantre Lomira");
    EXPECT_EQ(messages[0].icon, MsgIcon::Information);
    EXPECT_TRUE(ProblemEntries().empty()) << "the plane is drawn again, empty";
    EXPECT_FALSE(List().empty());
    EXPECT_EQ(Caption("Resultado1"), "");
    EXPECT_FALSE(Window().SolveRequested);
  }
}

TEST_F(Lines4WindowTest, Slope) {
  SolveQuietly("Option4");
  EXPECT_EQ(Caption("Resultado1"), "x-y+4=0");
  auto red = RedLines();
  ASSERT_EQ(red.size(), 1u);
  // y = x + 4 leaves the inset square at y = 9 (x = 5) and at x = -9 (y = -5).
  EXPECT_TRUE(IsLine(red[0], 5, 9, -9, -5));
  EXPECT_EQ(red[0].width, 2);

  Set("Text6", "-1/2");
  Set("Abcissa1", "2");
  Set("Ordenada1", "1");
  SolveQuietly("Option4");
  EXPECT_EQ(Caption("Resultado1"), "-0,5x-y+2=0");
  Set("Text6", "0");
  SolveQuietly("Option4");
  EXPECT_EQ(Caption("Resultado1"), "0x-y+1=0");
}

TEST_F(Lines4WindowTest, AngleWithALine) {
  SolveQuietly("Option6");
  EXPECT_EQ(Caption("Resultado1"), "2,46x-3,73y+13,66=0");
  EXPECT_EQ(Caption("Resultado2"), "4,46x+0,27y+3,66=0");
  // The given line y = 2x + 3 in blue, 2 pixels, after P and its guides.
  const auto blue = Drawn(DrawEntry::Op::Line, kData);
  ASSERT_EQ(blue.size(), 3u);
  EXPECT_TRUE(IsLine(blue[2], 3, 9, -6, -9));
  EXPECT_EQ(blue[2].width, 2);
  // Two red lines through P, each at 30 degrees from the given line, on either side of it.
  const auto red = RedLines();
  ASSERT_EQ(red.size(), 2u);
  for (const auto& r : red) {
    EXPECT_EQ(r.width, 2);
    EXPECT_EQ(r.style, PenStyle::Solid);
    EXPECT_NEAR(DistanceToLine(r, -1, 3), 0, 1e-5);
    EXPECT_NEAR(AngleBetween(r, blue[2]), 30, 1e-4);
  }
  EXPECT_NEAR(AngleBetween(red[0], red[1]), 60, 1e-4);

  struct Case {
    const char *theta, *first, *second;
  };
  // At 90 degrees both are the perpendicular through P, with opposite signs; the box is read for
  // its leading number only, so 60/2 is 60.
  for (const Case& c : {Case{"90", "-x-2y+5=0", "x+2y-5=0"}, Case{"60/2", "0,15x-2,58y+7,89=0", "2,15x+1,42y-2,11=0"},
                        Case{"60 graus", "0,15x-2,58y+7,89=0", "2,15x+1,42y-2,11=0"}}) {
    SCOPED_TRACE(c.theta);
    Set("Text4", c.theta);
    SolveQuietly("Option6");
    EXPECT_EQ(Caption("Resultado1"), c.first);
    EXPECT_EQ(Caption("Resultado2"), c.second);
  }

  // The typed line is shown without blanks; any algebraic form is read.
  Set("Text4", "45");
  Set("Text5", "y = 0");
  Set("Abcissa1", "0");
  Set("Ordenada1", "0");
  SolveQuietly("Option6");
  EXPECT_EQ(Caption("Text5"), "y=0");
  // At 45 degrees to the x axis through the origin: normals (t, 1) and (-1, t) with t = cot 45°,
  // one step below 1, which the shared text rounds to 1.
  EXPECT_EQ(Caption("Resultado1"), "x+y=0");
  EXPECT_EQ(Caption("Resultado2"), "-x+y=0");
}

TEST_F(Lines4WindowTest, AngleWithARejectedLine) {
  Choose("Option6");
  Click("Resolver3");
  ASSERT_FALSE(Caption("Resultado2").empty());
  Set("Text5", "y = x^2");
  Click("Resolver3");
  const auto messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "A equação não representa uma recta.");
  EXPECT_EQ(messages[0].title, "Vantre Lomira");
  EXPECT_EQ(messages[0].icon, MsgIcon::Information);
  EXPECT_EQ(Caption("Text5"), "y=x^2");
  ExpectOnlyPointDrawn(-1, 3);
  EXPECT_EQ(Caption("Resultado1"), "");
  EXPECT_EQ(Caption("Resultado2"), "");
  EXPECT_FALSE(Window().SolveRequested);

  // A given line without x and y: the drawing says so for it and for both results.
  Set("Text5", "3=0");
  Click("Resolver3");
  const auto said = Messages();
  ASSERT_EQ(said.size(), 3u);
  for (const auto& m : said) EXPECT_EQ(m.text, "A equação que indicou não é a de uma recta.");
  EXPECT_EQ(Caption("Resultado1"), "0x+0y=0");
  EXPECT_EQ(Caption("Resultado2"), "0x+0y=0");
}

TEST_F(Lines4WindowTest, EveryRunEmptiesBothFields) {
  SolveQuietly("Option6");
  ASSERT_FALSE(Caption("Resultado2").empty());
  SolveQuietly("Option1");
  EXPECT_EQ(Caption("Resultado2"), "");
  EXPECT_EQ(Caption("Resultado1"), "y = 3");
  Click("Dados3");
  EXPECT_EQ(Caption("Resultado1"), "");
}

TEST_F(Lines4WindowTest, PointProblemFaults) {
  struct Case {
    const char *option, *box, *text, *message;
    bool pointDrawn;
  };
  for (const Case& c : {Case{"Option1", "Ordenada1", "y", "Erro:\r\n\r\nVariável não definida: y", false},
                        Case{"Option3", "Text2", "30z", "Erro:\r\n\r\nVariável não definida: z", true},
                        Case{"Option3", "Text2", "1/0", "Erro:\r\n\r\nDivisão por zero", true},
                        Case{"Option4", "Text6", "sqr(-1)", "Erro:\r\n\r\nArgumento inválido", true},
                        Case{"Option6", "Text5", "2x-y", "Erro:\r\n\r\nArgumento inválido", true},
                        Case{"Option6", "Text4", "1e999", "Erro:\r\n\r\nCapacidade excedida", true}}) {
    SCOPED_TRACE(c.text);
    const std::string kept = Caption(c.box);
    Choose(c.option);
    Set(c.box, c.text);
    Click("Resolver3");
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, c.message);
    EXPECT_EQ(messages[0].title, "Vantre Lomira");
    EXPECT_EQ(messages[0].icon, MsgIcon::None);
    EXPECT_FALSE(Window().SolveRequested);
    EXPECT_EQ(Drawn(DrawEntry::Op::Point, kData).size(), c.pointDrawn ? 1u : 0u);
    EXPECT_TRUE(RedLines().empty());
    EXPECT_EQ(Caption("Resultado1"), "");
    Set(c.box, kept);
  }
}

// ---- the bisectors ----

TEST_F(Lines4WindowTest, Bisectors) {
  Click("Resolver7");
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(Window().SolveRequested);
  EXPECT_EQ(Caption("Resultado5"), "0,87x+13,92y-16,66=0");
  EXPECT_EQ(Caption("Resultado6"), "8,08x-0,5y+12,19=0");

  const auto blue = Drawn(DrawEntry::Op::Line, kData);
  ASSERT_EQ(blue.size(), 2u);
  for (const auto& b : blue) {
    EXPECT_EQ(b.width, 2);
    EXPECT_EQ(b.style, PenStyle::Solid);
  }
  // 2x + 3y - 1 = 0 from x = -9 (y = 19/3) to x = 9 (y = -17/3); x - 2y + 4 = 0 from (9, 6.5) to (-9, -2.5).
  EXPECT_TRUE(IsLine(blue[0], -9, 19.0f / 3, 9, -17.0f / 3));
  EXPECT_TRUE(IsLine(blue[1], 9, 6.5f, -9, -2.5f));

  // Thin dotted red lines through the crossing (-10/7, 9/7), each halving an angle of the two.
  const auto red = RedLines();
  ASSERT_EQ(red.size(), 2u);
  for (const auto& r : red) {
    EXPECT_EQ(r.width, 1);
    EXPECT_EQ(r.style, PenStyle::Dotted);
    EXPECT_NEAR(DistanceToLine(r, -10.0 / 7, 9.0 / 7), 0, 1e-5);
    EXPECT_NEAR(AngleBetween(r, blue[0]), AngleBetween(r, blue[1]), 1e-4);
  }
  EXPECT_NEAR(AngleBetween(red[0], red[1]), 90, 1e-4);

  struct Case {
    const char *line1, *line2, *first, *second;
  };
  for (const Case& c : {Case{"x=0", "y=0", "x-y=0", "x+y=0"},
                        // Equal normals: the difference loses y, the sum loses x.
                        Case{"x-y=0", "x+y=2", "0x-2,83y+2,83=0", "2,83x+0y-2,83=0"},
                        Case{"3x+4y=5", "y=0", "3x-y-5=0", "3x+9y-5=0"}}) {
    SCOPED_TRACE(c.line1);
    Set("Text9", c.line1);
    Set("Text10", c.line2);
    Click("Resolver7");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Caption("Resultado5"), c.first);
    EXPECT_EQ(Caption("Resultado6"), c.second);
  }
}

TEST_F(Lines4WindowTest, BisectorsDadosDrawsTheLinesOnly) {
  Click("Resolver7");
  Click("Dados7");
  EXPECT_EQ(Drawn(DrawEntry::Op::Line, kData).size(), 2u);
  EXPECT_TRUE(RedLines().empty());
  EXPECT_EQ(Caption("Resultado5"), "");
  EXPECT_EQ(Caption("Resultado6"), "");
}

TEST_F(Lines4WindowTest, ParallelLinesHaveNoBisectors) {
  Set("Text9", "x+y=1");
  Set("Text10", "2x+2y=5");
  for (const char* button : {"Dados7", "Resolver7"}) {
    SCOPED_TRACE(button);
    Click(button);
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "As rectas paralelas.");
    EXPECT_EQ(messages[0].title, "Vantre Lomira");
    EXPECT_EQ(messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(Drawn(DrawEntry::Op::Line, kData).size(), 2u) << "both lines stay";
    EXPECT_TRUE(RedLines().empty());
    EXPECT_EQ(Caption("Resultado5"), "");
    EXPECT_FALSE(Window().SolveRequested);
  }
  // Typed decimals are read without noise, so these count as parallel too.
  Set("Text9", "y=0.1x+0.3");
  Set("Text10", "y=0.1x+0.7");
  Click("Resolver7");
  ASSERT_EQ(Messages().size(), 1u);
  // A "line" without x and y is parallel to anything, after the drawing's own message.
  Set("Text9", "3=0");
  Set("Text10", "x-2y+4=0");
  Click("Resolver7");
  const auto messages = Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, "A equação que indicou não é a de uma recta.");
  EXPECT_EQ(messages[1].text, "As rectas paralelas.");
  EXPECT_EQ(Caption("Resultado6"), "");
}

TEST_F(Lines4WindowTest, BisectorsOfRejectedOrFaultyLines) {
  Click("Resolver7");
  const auto before = List().size();
  // Both boxes are cleaned before either is checked.
  Set("Text9", "x^2 + y = 1");
  Set("Text10", "x - 2y + 4 = 0");
  Click("Resolver7");
  auto messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "A equação não representa uma recta.");
  EXPECT_EQ(messages[0].title, "Vantre Lomira");
  EXPECT_EQ(Caption("Text9"), "x^2+y=1");
  EXPECT_EQ(Caption("Text10"), "x-2y+4=0");
  EXPECT_EQ(List().size(), before) << "nothing new is drawn";
  EXPECT_EQ(Caption("Resultado5"), "");
  EXPECT_FALSE(Window().SolveRequested);

  Set("Text9", "2x+3y-1=0");
  Set("Text10", "x<y");
  Click("Resolver7");
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_FALSE(Window().SolveRequested);

  Set("Text10", "x-2z=4");
  Click("Resolver7");
  messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Erro:\r\n\r\nVariável não definida: z");
  EXPECT_EQ(messages[0].icon, MsgIcon::None);
  EXPECT_FALSE(Window().SolveRequested);
  EXPECT_EQ(Caption("Resultado6"), "");
}

}  // namespace
