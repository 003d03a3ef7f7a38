// The lines 3 window: collinear points, slope and inclination, relative position of two lines.
#include <gtest/gtest.h>

#include "Lines.h"
#include "ProblemTestSupport.h"

namespace {

using namespace vl;
using namespace vl::problemtest;

constexpr const char* kNotALine = "A equação que indicou não é a de uma recta.";
constexpr const char* kRejected = "A equação não representa uma recta.";

class Lines3WindowTest : public ProblemWindowTest {
 protected:
  Lines3WindowTest() : ProblemWindowTest("Form5") {}
};

// ---- Collinearity ------------------------------------------------------------------------------

TEST(CollinearityTest, ExactVerdicts) {
  struct Case {
    const char* what;
    geo::Point p1, p2, p3;
    bool collinear;
  };
  const Case cases[] = {
      {"on y = 1.5x", {2, 3}, {4, 6}, {-2, -3}, true},
      {"vertical", {1, 0}, {1, 5}, {1, -3}, true},
      {"corner", {0, 0}, {1, 0}, {0, 1}, false},
      {"P1 = P2", {2, 2}, {2, 2}, {7, -1}, true},
      {"P1 = P3", {2, 2}, {5, 1}, {2, 2}, true},
      {"P2 = P3", {2, 2}, {5, 1}, {5, 1}, true},
      // On one line in exact arithmetic, but 0.4·0.1 and 0.2·0.2 differ in their last bits.
      {"decimals", {0.1, 0.1}, {0.2, 0.3}, {0.3, 0.5}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(geo::CollinearityTest(c.p1, c.p2, c.p3), c.collinear);
  }
}

TEST_F(Lines3WindowTest, CollinearDesignData) {
  Click("Resolver1");
  EXPECT_EQ(Caption("Resultado1"), "Os pontos estão em linha recta.");
  EXPECT_EQ(Drawn(DrawEntry::Op::Point, kData).size(), 3u);
  // The construction line 3x - 2y = 0 through P1 and P2, dotted and thin, across the inset square.
  const auto red = Drawn(DrawEntry::Op::Line, kResult);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_TRUE(IsLine(red[0], 6, 9, -6, -9));
  EXPECT_EQ(red[0].width, 1);
  EXPECT_EQ(red[0].style, PenStyle::Dotted);
  EXPECT_TRUE(Drawn(DrawEntry::Op::Line, kData).empty()) << "the points have no guides";
  EXPECT_FALSE(Window().SolveRequested);
  EXPECT_TRUE(Messages().empty());

  Click("Dados1");
  EXPECT_EQ(Caption("Resultado1"), "");
  EXPECT_EQ(Drawn(DrawEntry::Op::Point, kData).size(), 3u);
  EXPECT_TRUE(Drawn(DrawEntry::Op::Line, kResult).empty());
}

TEST_F(Lines3WindowTest, CollinearVerdictsInTheWindow) {
  Set("Abcissa1", "0.1");
  Set("Ordenada1", "0.1");
  Set("Abcissa2", "0.2");
  Set("Ordenada2", "0.3");
  Set("Abcissa3", "0.3");
  Set("Ordenada3", "0.5");
  Click("Resolver1");
  EXPECT_EQ(Caption("Resultado1"), "Os pontos não estão em linha recta.");

  // Equal first points: no line to draw, and still a collinear triple.
  Set("Abcissa2", " 0.1 ");
  Set("Ordenada2", "1/10");
  Click("Resolver1");
  const auto messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, kNotALine);
  EXPECT_EQ(messages[0].title, "Vantre lomira");
  EXPECT_EQ(Caption("Resultado1"), "Os pontos estão em linha recta.");
  EXPECT_TRUE(Drawn(DrawEntry::Op::Line, kResult).empty());
  EXPECT_FALSE(Window().SolveRequested);
}

TEST_F(Lines3WindowTest, CollinearBoxesAreReadBeforeThePlaneIsRedrawn) {
  Click("Resolver1");
  const auto before = List().size();
  Set("Ordenada3", "z");
  Click("Resolver1");
  const auto messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Erro:\r\n\r\nVariável não definida: z");
  EXPECT_EQ(messages[0].icon, MsgIcon::None);
  EXPECT_EQ(List().size(), before) << "the previous drawing stays";
  EXPECT_EQ(Caption("Resultado1"), "");
  EXPECT_FALSE(Window().SolveRequested);
}

// ---- Slope and inclination ---------------------------------------------------------------------

TEST_F(Lines3WindowTest, SlopeFromTwoPoints) {
  Click("Dados3");
  EXPECT_EQ(Drawn(DrawEntry::Op::Point, kData).size(), 2u);
  EXPECT_TRUE(Drawn(DrawEntry::Op::Line, kData).empty()) << "no line in data mode";
  EXPECT_EQ(Caption("Resultado2"), "");

  Click("Resolver3");
  // (2, -2) and (-8, 4): 6x + 10y + 8 = 0, slope -0.6, inclination 180° - 30.96375...°.
  EXPECT_EQ(Caption("Resultado2"), "-0,6");
  EXPECT_EQ(Caption("Resultado3"), "149º  2'  10,48''");
  const auto red = Drawn(DrawEntry::Op::Line, kResult);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_EQ(red[0].width, 2);
  EXPECT_EQ(red[0].style, PenStyle::Solid);
  // x(9) = -16.33 is cut at the left side: y(-9) = 4.6; x(-9) = 13.67 at the right: y(9) = -6.2.
  EXPECT_FLOAT_EQ(red[0].x1, -9);
  EXPECT_FLOAT_EQ(red[0].y1, 4.6f);
  EXPECT_FLOAT_EQ(red[0].x2, 9);
  EXPECT_FLOAT_EQ(red[0].y2, -6.2f);
  EXPECT_FALSE(Window().SolveRequested);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Lines3WindowTest, SlopeAndInclinationFromEquations) {
  struct Case {
    const char *typed, *slope, *inclination;
  };
  const Case cases[] = {
      {"2x-3y+7=0", "0,67", "33º  41'  24,24''"},
      {"x+y=0", "-1", "134º  59'  60''"},
      {"y=3", "0", "0º"},
      {"x=2", "", "90º"},
      {"y=2x", "2", "63º  26'  5,82''"},
      {"y=-2x+1", "-2", "116º  33'  54,18''"},
      // Slopes too small for the rounded seconds, on either side, read 0º.
      {"y=0.00000001x", "0", "0º"},
      {"y=-0.00000001x", "0", "0º"},
      {"y=0.000001x", "0", "0º  0'  0,21''"},
      {"y=-0.000001x", "0", "179º  59'  59,79''"},
  };
  Click("Option2");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Set("Text9", c.typed);
    Click("Resolver3");
    EXPECT_EQ(Caption("Resultado2"), c.slope);
    EXPECT_EQ(Caption("Resultado3"), c.inclination);
    EXPECT_EQ(Drawn(DrawEntry::Op::Line, kData).size(), 1u) << "the given line stays blue";
    EXPECT_TRUE(Drawn(DrawEntry::Op::Line, kResult).empty());
    EXPECT_TRUE(Drawn(DrawEntry::Op::Point, kData).empty());
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(Window().SolveRequested);
  }
}

TEST_F(Lines3WindowTest, NoLineGetsNeitherSlopeNorInclination) {
  Click("Resolver3");
  ASSERT_NE(Caption("Resultado3"), "");
  Set("Abcissa5", "2");
  Set("Ordenada5", "-2");
  Click("Resolver3");
  auto messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, kNotALine);
  EXPECT_EQ(Caption("Resultado2"), "");
  EXPECT_EQ(Caption("Resultado3"), "");

  Click("Option2");
  Set("Text9", "3 = 0");
  Click("Resolver3");
  messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, kNotALine);
  EXPECT_EQ(Caption("Resultado2"), "");
  EXPECT_EQ(Caption("Resultado3"), "");
  EXPECT_EQ(Caption("Text9"), "3=0");
  EXPECT_FALSE(Window().SolveRequested);
}

TEST_F(Lines3WindowTest, SlopeOptionDecidesWhatIsRead) {
  // With the points chosen, a bad equation is never read.
  Set("Text9", "y>x");
  Click("Resolver3");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Caption("Resultado2"), "-0,6");
  EXPECT_EQ(Caption("Text9"), "y>x");

  Click("Option2");
  EXPECT_FALSE(Ctl("Option1").value);
  Set("Abcissa4", "q");  // and now the points are not read
  Click("Resolver3");
  const auto messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, kRejected);
  EXPECT_EQ(messages[0].title, "Vantre Lomira");
  EXPECT_EQ(messages[0].icon, MsgIcon::Information);
  EXPECT_TRUE(ProblemEntries().empty()) << "the plane was redrawn first";
  EXPECT_EQ(Caption("Resultado2"), "");
  EXPECT_EQ(Caption("Resultado3"), "");
  EXPECT_FALSE(Window().SolveRequested);
}

// ---- Relative position of two lines ------------------------------------------------------------

TEST_F(Lines3WindowTest, RelativePositionVerdicts) {
  struct Case {
    const char *first, *second, *verdict;
  };
  const Case cases[] = {
      {"x-y+4=0", "2x-2y-1=0", "As rectas são paralelas."},
      {"y=1", "y=2", "As rectas são paralelas."},
      {"x=1", "x=2", "As rectas são paralelas."},
      {"x-y+4=0", "2x-2y+8=0", "As rectas são coincidentes."},
      {"y = 0.5x + 0.25", "4y = 2x + 1", "As rectas são coincidentes."},
      // No tolerance: (-0.1)·(-3) is 0.30000000000000004, not 0.3, so these count as distinct.
      {"y = 0.1x + 0.3", "10y = x + 3", "As rectas são paralelas."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first);
    Set("Text5", c.first);
    Set("Text6", c.second);
    Click("Resolver6");
    EXPECT_EQ(Caption("Resultado4"), c.verdict);
    EXPECT_EQ(Drawn(DrawEntry::Op::Line, kData).size(), 2u);
    EXPECT_TRUE(Drawn(DrawEntry::Op::Point, kResult).empty());
    EXPECT_TRUE(Messages().empty());
  }
}

TEST_F(Lines3WindowTest, RelativePositionCrossingPoint) {
  struct Case {
    const char *first, *second, *verdict;
    float x, y;
  };
  const Case cases[] = {
      {"x+y=2", "x-y=0", "As rectas são concorrentes em ( 1 , 1 )", 1, 1},
      {"2x+3y+4=0", "5x-2y+4=0", "As rectas são concorrentes em ( -1,05 , -0,63 )", -20.0f / 19, -12.0f / 19},
      {"x=-2.5", "y=0", "As rectas são concorrentes em ( -2,5 , 0 )", -2.5f, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first);
    Set("Text5", c.first);
    Set("Text6", c.second);
    Click("Resolver6");
    EXPECT_EQ(Caption("Resultado4"), c.verdict);
    const auto dots = Drawn(DrawEntry::Op::Point, kResult);
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_FLOAT_EQ(dots[0].x1, c.x);
    EXPECT_FLOAT_EQ(dots[0].y1, c.y);
    const auto guides = Drawn(DrawEntry::Op::Line, kResult);
    ASSERT_EQ(guides.size(), 2u);
    EXPECT_TRUE(IsLine(guides[0], c.x, 0, c.x, c.y));
    EXPECT_TRUE(IsLine(guides[1], 0, c.y, c.x, c.y));
    EXPECT_EQ(guides[0].style, PenStyle::Dotted);
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Lines3WindowTest, RelativePositionRejectsEachLineInTurn) {
  // The second line is cleaned and tested only after the first one is drawn.
  Set("Text6", "x^2 = y");
  Click("Resolver6");
  auto messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, kRejected);
  EXPECT_EQ(Drawn(DrawEntry::Op::Line, kData).size(), 1u);
  EXPECT_EQ(Caption("Text6"), "x^2=y");
  EXPECT_EQ(Caption("Resultado4"), "");

  Set("Text5", "x < 1");
  Set("Text6", "2x - 2y - 1 = 0");
  Click("Resolver6");
  messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, kRejected);
  EXPECT_TRUE(ProblemEntries().empty());
  EXPECT_EQ(Caption("Text6"), "2x - 2y - 1 = 0") << "never reached";

  Set("Text5", "2x+3y");
  Click("Resolver6");
  messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Erro:\r\n\r\nArgumento inválido");
  EXPECT_EQ(messages[0].icon, MsgIcon::None);
  EXPECT_EQ(messages[0].title, "Vantre Lomira");
}

// ---- The window --------------------------------------------------------------------------------

TEST_F(Lines3WindowTest, WideRangeMessageComesWithEveryDrawing) {
  SetRange("-30", "30", "-30", "30");
  Click("Resolver1");
  auto messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text,
            "Não se graduam os eixos nem se desenha a grelha porque os valores e linhas ficavam sobrepostos.");
  EXPECT_EQ(messages[0].title, "Vantre lomira");
  // The handler carries on after it.
  EXPECT_EQ(Caption("Resultado1"), "Os pontos estão em linha recta.");
  Click("Resolver6");
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Caption("Resultado4"), "As rectas são paralelas.");
  SetRange("-25", "25", "-30", "30");
  Click("Dados3");
  EXPECT_TRUE(Messages().empty()) << "a width of exactly 50 is graduated";
}

TEST_F(Lines3WindowTest, ControlsAndTexts) {
  struct Box {
    const char *name, *text;
  };
  for (const Box& b : {Box{"Abcissa1", "2"}, Box{"Ordenada1", "3"}, Box{"Abcissa2", "4"}, Box{"Ordenada2", "6"},
                       Box{"Abcissa3", "-2"}, Box{"Ordenada3", "-3"}, Box{"Abcissa4", "2"}, Box{"Ordenada4", "-2"},
                       Box{"Abcissa5", "-8"}, Box{"Ordenada5", "4"}, Box{"Text9", "2x-3y+7=0"}, Box{"Text5", "x-y+4=0"},
                       Box{"Text6", "2x-2y-1=0"}, Box{"Resultado1", ""}}) {
    EXPECT_EQ(Caption(b.name), b.text) << b.name;
    EXPECT_EQ(Ctl(b.name).kind, ControlKind::TextBox) << b.name;
  }
  EXPECT_EQ(Caption("Frame4"), "Ver se três pontos são colineares");
  EXPECT_EQ(Caption("Frame6"), "Coeficiente angular e inclinação de uma recta");
  EXPECT_EQ(Caption("Frame1"), "Posição relativa de duas rectas");
  EXPECT_TRUE(Ctl("Option1").value);
  EXPECT_FALSE(Ctl("Option2").value);
  EXPECT_EQ(Ctl("Option1").container, Ctl("Option2").container);
  for (const char* d : {"Dados1", "Dados3"}) EXPECT_EQ(Ctl(d).tooltip, "Desenha os dados do problema.");
  for (const char* r : {"Resolver1", "Resolver3", "Resolver6"}) {
    EXPECT_EQ(Caption(r), "Resolver");
    EXPECT_EQ(Ctl(r).tooltip, "Resolve o propblema.");
  }
  EXPECT_EQ(Window().Find("Dados6"), nullptr) << "the relative position has no data button";
  for (const char* r : {"Resultado2", "Resultado3", "Resultado4"}) EXPECT_EQ(Ctl(r).kind, ControlKind::Label);
}

}  // namespace
