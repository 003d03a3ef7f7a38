// The circles 3 window: where two circles meet, the circle through P touching a line at Q, and the
// tangents to a circle from an outside point.
#include <gtest/gtest.h>

#include <cmath>

#include "Circles.h"
#include "ProblemTestSupport.h"
#include "RunTimeError.h"

namespace {

using namespace vl;
using namespace vl::problemtest;

constexpr const char* kApart = "As circunferências não se intersectam.";
constexpr const char* kNotExterior = "O ponto não é exterior à circunferência.";

class Circles3WindowTest : public ProblemWindowTest {
 protected:
  Circles3WindowTest() : ProblemWindowTest("Form7") {}
};

// ---- The constructions on their own ----

TEST(CircleCircleIntersection, CrossingTouchingAndApart) {
  // Radius 5 about (0, 0) and (6, 0): d² = 36, K = −36·(36 − 100) = 2304, crossings (3, ±4).
  const auto crossing = geo::IntersectTwoCircles(geo::Circle{0, 0, 5}, {6, 0, 5});
  EXPECT_EQ(crossing.K, 2304);
  EXPECT_EQ(crossing.a.x, 3);
  EXPECT_EQ(crossing.a.y, 4);
  EXPECT_EQ(crossing.b.x, 3);
  EXPECT_EQ(crossing.b.y, -4);

  // Touching from inside: radius 2 about (1, 0) inside radius 3 about (0, 0), at (3, 0).
  const auto inside = geo::IntersectTwoCircles(geo::Circle{0, 0, 3}, {1, 0, 2});
  EXPECT_EQ(inside.K, 0);
  EXPECT_EQ(inside.a.x, 3);
  EXPECT_EQ(inside.a.y, 0);

  EXPECT_LT(geo::IntersectTwoCircles(geo::Circle{0, 0, 1}, {5, 0, 1}).K, 0);
  EXPECT_LT(geo::IntersectTwoCircles(geo::Circle{0, 0, 1}, {0, 0, 2}).K, 0);
}

TEST(CentreTouchingLineAt, NormalAtQEquallyFarFromP) {
  // x + y = 2 at (1, 1) through the origin: centre (1/2, 1/2).
  geo::Point c = geo::CentreTouchingLineAt({1, 1, -2}, {0, 0}, {1, 1});
  EXPECT_DOUBLE_EQ(c.x, 0.5);
  EXPECT_DOUBLE_EQ(c.y, 0.5);
  // The vertical x = 1 at (1, 0) through (5, 0): centre (3, 0).
  c = geo::CentreTouchingLineAt({1, 0, -1}, {5, 0}, {1, 0});
  EXPECT_EQ(c.x, 3);
  EXPECT_EQ(c.y, 0);

  // P on a horizontal line, or P = Q: no circle, a run-time fault.
  EXPECT_THROW(geo::CentreTouchingLineAt({0, 1, -2}, {5, 2}, {3, 2}), RunTimeError);
  EXPECT_THROW(geo::CentreTouchingLineAt({3, 2, -18}, {2, 6}, {2, 6}), RunTimeError);
}

// ---- Intersection of two circles ----

TEST_F(Circles3WindowTest, TouchingCirclesWithTheDesignData) {
  Click("Resolver1");
  ExpectOneMessage("As circunferências são tangentes.", "Vantre lomira", MsgIcon::Information);
  EXPECT_EQ(Caption("Resultado1"), "(1,54 , 7,31)");
  EXPECT_EQ(Caption("Resultado2"), "(1,54 , 7,31)");
  EXPECT_FALSE(Window().SolveRequested);

  const auto circles = Drawn(DrawEntry::Op::Circle, kData);
  ASSERT_EQ(circles.size(), 2u);
  EXPECT_EQ(circles[0].x1, 8);
  EXPECT_EQ(circles[0].y1, 10);
  EXPECT_EQ(circles[0].r, 7);
  EXPECT_EQ(circles[1].x1, -4);
  EXPECT_EQ(circles[1].r, 6);
  EXPECT_EQ(circles[1].width, 2);
  EXPECT_EQ(Drawn(DrawEntry::Op::Point, kData).size(), 2u) << "the centres";
  const auto blueGuides = Drawn(DrawEntry::Op::Line, kData);
  ASSERT_EQ(blueGuides.size(), 4u);
  EXPECT_TRUE(IsLine(blueGuides[0], 8, 0, 8, 10));
  EXPECT_TRUE(IsLine(blueGuides[3], 0, 5, -4, 5));

  const auto red = Drawn(DrawEntry::Op::Point, kResult);
  ASSERT_EQ(red.size(), 2u);
  for (const auto& dot : red) {
    EXPECT_FLOAT_EQ(dot.x1, 20.0f / 13);
    EXPECT_FLOAT_EQ(dot.y1, 95.0f / 13);
    EXPECT_EQ(dot.width, 7);
  }
  EXPECT_EQ(Drawn(DrawEntry::Op::Line, kResult).size(), 4u);

  // "Dados" draws the same data, says nothing and leaves the fields empty.
  Click("Dados1");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Caption("Resultado1"), "");
  EXPECT_EQ(Caption("Resultado2"), "");
  EXPECT_TRUE(Drawn(DrawEntry::Op::Point, kResult).empty());
  EXPECT_EQ(Drawn(DrawEntry::Op::Circle, kData).size(), 2u);
}

TEST_F(Circles3WindowTest, TwoCrossings) {
  Set("Text6", "x^2 + y^2 = 25");
  Set("Text7", "(x-6)^2+y^2=25");
  Click("Resolver1");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Caption("Text6"), "x^2+y^2=25");
  EXPECT_EQ(Caption("Resultado1"), "(3 , 4)");
  EXPECT_EQ(Caption("Resultado2"), "(3 , -4)");
}

TEST_F(Circles3WindowTest, CirclesThatDoNotMeet) {
  const std::pair<const char*, const char*> cases[] = {{"x^2+y^2=1", "x^2+y^2=4"}, {"x^2+y^2=1", "(x-5)^2+y^2=1"}};
  for (const auto& [first, second] : cases) {
    Set("Text6", first);
    Set("Text7", second);
    for (const char* button : {"Dados1", "Resolver1"}) {
      SCOPED_TRACE(std::string(second) + " " + button);
      Click(button);
      ExpectOneMessage(kApart, "Vantre lomira", MsgIcon::Information);
      EXPECT_EQ(Drawn(DrawEntry::Op::Circle, kData).size(), 2u);
      EXPECT_EQ(Drawn(DrawEntry::Op::Point, kData).size(), 2u);
      EXPECT_TRUE(Drawn(DrawEntry::Op::Point, kResult).empty());
      EXPECT_EQ(Caption("Resultado1"), "");
      EXPECT_FALSE(Window().SolveRequested);
    }
  }
}

TEST_F(Circles3WindowTest, EachCircleHasItsOwnVerdicts) {
  struct Case {
    const char *first, *second, *message;
  };
  const Case cases[] = {
      {"x^2+y^2=0", "x^2+y^2=1", "A primeira equação representa um ponto."},
      {"x^2+2y^2=1", "x^2+y^2=1", "A primeira equação não representa uma circunferência."},
      {"x^2+y^2=1", "(x-1)^2+y^2=0", "A segunda equação representa um ponto."},
      {"x^2+y^2=1", "x^2+2y^2=1", "A segunda equação não representa uma circunferência."},
      {"x^2+y^2=1", "x^3+y^2=1", "A segunda equação não representa uma circunferência."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    Set("Text6", c.first);
    Set("Text7", c.second);
    Click("Resolver1");
    ExpectOneMessage(c.message, "Vantre Lomira", MsgIcon::Information);
    EXPECT_TRUE(ProblemEntries().empty()) << "only the plane";
    EXPECT_FALSE(Window().SolveRequested);
  }

  // A rejected first circle leaves the second box as typed.
  Set("Text6", "x^2+y^2=0");
  Set("Text7", "x^2 + y^2 = 4");
  Click("Dados1");
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Caption("Text7"), "x^2 + y^2 = 4");

  // The same circle twice: the crossing divides 0 by 0 before anything is drawn.
  Set("Text6", "x^2+y^2=4");
  Click("Dados1");
  ExpectOneMessage("Erro:\r\n\r\nCapacidade excedida", "Vantre Lomira", MsgIcon::None);
  EXPECT_TRUE(ProblemEntries().empty());
  EXPECT_FALSE(Window().SolveRequested);
}

// ---- Circle through P touching the line at Q ----

TEST_F(Circles3WindowTest, TouchingCircleWithTheDesignData) {
  Click("Resolver11");
  EXPECT_TRUE(Messages().empty());
  // r² = 13, reached as 12.999… through the square root.
  EXPECT_EQ(Caption("Resultado3"), "(x+1)^2 + (y-4)^2 = 13");
  EXPECT_FALSE(Window().SolveRequested);
  const auto red = Drawn(DrawEntry::Op::Circle, kResult);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_EQ(red[0].x1, -1);
  EXPECT_EQ(red[0].y1, 4);
  EXPECT_FLOAT_EQ(red[0].r, std::sqrt(13.0f));
  EXPECT_EQ(red[0].width, 2);
  EXPECT_TRUE(Drawn(DrawEntry::Op::Point, kResult).empty()) << "the centre is not marked";

  // Data: the guides of P and Q, the line, then the dots of P and Q.
  const auto blue = Drawn(DrawEntry::Op::Line, kData);
  ASSERT_EQ(blue.size(), 5u);
  EXPECT_TRUE(IsLine(blue[0], -3, 0, -3, 7));
  EXPECT_TRUE(IsLine(blue[3], 0, 6, 2, 6));
  EXPECT_EQ(blue[3].style, PenStyle::Dotted);
  EXPECT_EQ(blue[4].width, 2);
  EXPECT_EQ(blue[4].style, PenStyle::Solid);
  const auto dots = Drawn(DrawEntry::Op::Point, kData);
  ASSERT_EQ(dots.size(), 2u);
  EXPECT_EQ(dots[0].x1, -3);
  EXPECT_EQ(dots[1].x1, 2);

  Click("Dados11");
  EXPECT_EQ(Caption("Resultado3"), "");
  EXPECT_TRUE(Drawn(DrawEntry::Op::Circle, kResult).empty());
  EXPECT_EQ(Drawn(DrawEntry::Op::Line, kData).size(), 5u);
}

TEST_F(Circles3WindowTest, TouchingCircleOfAHorizontalLineHasItsCentreRounded) {
  // y = 0 at the origin through (1, 3): centre (0, 5/3), r² = 25/9.
  Set("Text12", "y = 0");
  Set("Abcissa1", "1");
  Set("Ordenada1", "3");
  Set("Abcissa2", "0");
  Set("Ordenada2", "0");
  Click("Resolver11");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Caption("Text12"), "y=0");
  EXPECT_EQ(Caption("Resultado3"), "(x-0)^2 + (y-1,67)^2 = 2,78");
  const auto red = Drawn(DrawEntry::Op::Circle, kResult);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_FLOAT_EQ(red[0].y1, 5.0f / 3) << "drawn about the unrounded centre";
}

TEST_F(Circles3WindowTest, QOffTheLine) {
  Set("Ordenada2", "6.000000000001");
  for (const char* button : {"Dados11", "Resolver11"}) {
    SCOPED_TRACE(button);
    Click(button);
    ExpectOneMessage("O ponto Q não pertence à recta.", "Vantre lomira", MsgIcon::Information);
    EXPECT_EQ(Drawn(DrawEntry::Op::Point, kData).size(), 2u) << "P, Q and the line stay drawn";
    EXPECT_EQ(Drawn(DrawEntry::Op::Line, kData).size(), 5u);
    EXPECT_TRUE(Drawn(DrawEntry::Op::Circle, kResult).empty());
    EXPECT_EQ(Caption("Resultado3"), "");
    EXPECT_FALSE(Window().SolveRequested);
  }
}

TEST_F(Circles3WindowTest, TouchingCircleFaults) {
  // P on the line: no circle touches the line at Q through P.
  Set("Abcissa1", "0");
  Set("Ordenada1", "9");
  Click("Resolver11");
  ExpectOneMessage("Erro:\r\n\r\nDivisão por zero", "Vantre Lomira", MsgIcon::None);
  EXPECT_EQ(Drawn(DrawEntry::Op::Point, kData).size(), 2u) << "the data were drawn";
  EXPECT_EQ(Caption("Resultado3"), "");
  EXPECT_FALSE(Window().SolveRequested);

  // A rejected line: the plane is already redrawn and nothing else.
  Set("Text12", "y=x^2");
  Click("Resolver11");
  ExpectOneMessage("A equação não representa uma recta.", "Vantre Lomira", MsgIcon::Information);
  EXPECT_TRUE(ProblemEntries().empty());
  EXPECT_FALSE(List().empty());
  EXPECT_FALSE(Window().SolveRequested);

  // Neither x nor y: the line drawing's own message, then Q is tested against c alone.
  Set("Text12", "3=0");
  Click("Dados11");
  const auto messages = Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, "A equação que indicou não é a de uma recta.");
  EXPECT_EQ(messages[1].text, "O ponto Q não pertence à recta.");
}

// ---- Tangents from P ----

TEST_F(Circles3WindowTest, TangentsWithTheDesignData) {
  Click("Resolver3");
  EXPECT_TRUE(Messages().empty());
  // Centre (1, 0), r = √2 from (−1, 0): b = r² − 4 is −1,999…, so no coefficient is cut to a sign.
  EXPECT_EQ(Caption("Resultado4"), "2x-2y+2 = 0");
  EXPECT_EQ(Caption("Resultado5"), "-2x-2y-2=0");
  EXPECT_FALSE(Window().SolveRequested);

  const auto red = Drawn(DrawEntry::Op::Line, kResult);
  ASSERT_EQ(red.size(), 2u);
  for (const auto& line : red) {
    EXPECT_EQ(line.width, 2);
    // Both pass through P = (−1, 0) at 45°: |y| = |x + 1| at both ends.
    EXPECT_NEAR(std::fabs(line.y1), std::fabs(line.x1 + 1), 1e-4);
    EXPECT_NEAR(std::fabs(line.y2), std::fabs(line.x2 + 1), 1e-4);
  }
  const auto circle = Drawn(DrawEntry::Op::Circle, kData);
  ASSERT_EQ(circle.size(), 1u);
  EXPECT_EQ(circle[0].x1, 1);
  EXPECT_FLOAT_EQ(circle[0].r, std::sqrt(2.0f));
  const auto dots = Drawn(DrawEntry::Op::Point, kData);
  ASSERT_EQ(dots.size(), 2u);
  EXPECT_EQ(dots[0].x1, 1) << "C, then P";
  EXPECT_EQ(dots[1].x1, -1);

  Click("Dados3");
  EXPECT_EQ(Caption("Resultado4"), "");
  EXPECT_EQ(Caption("Resultado5"), "");
  EXPECT_TRUE(Drawn(DrawEntry::Op::Line, kResult).empty());
  EXPECT_EQ(Drawn(DrawEntry::Op::Circle, kData).size(), 1u);
}

TEST_F(Circles3WindowTest, TangentTextsKeepTheirZeroTerms) {
  // The unit circle from (−3, 1): the first tangent is y = 1, written with its 0x.
  Set("Text9", "x^2+y^2=1");
  Set("Abcissa4", "-3");
  Set("Ordenada4", "1");
  Click("Resolver3");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Caption("Resultado4"), "0x-8y+8 = 0");
  EXPECT_EQ(Caption("Resultado5"), "-6x-8y-10=0");

  // From (2, 5) to radius 2: the vertical x = 2 and, in place of 0x + 0y = 0, −21x + 20y − 58 = 0.
  Set("Text9", "x^2+y^2=4");
  Set("Abcissa4", "2");
  Set("Ordenada4", "5");
  Click("Resolver3");
  EXPECT_TRUE(Messages().empty()) << "no tangent comes out as a non-line";
  EXPECT_EQ(Caption("Resultado4"), "20x+0y-40 = 0");
  EXPECT_EQ(Caption("Resultado5"), "-21x+20y-58=0");
  const auto red = Drawn(DrawEntry::Op::Line, kResult);
  ASSERT_EQ(red.size(), 2u);
  EXPECT_EQ(red[0].x1, 2);
  EXPECT_EQ(red[0].x2, 2);

  // From (2, −5) the first tangent is the replaced one, written by its own routine.
  Set("Ordenada4", "-5");
  Click("Resolver3");
  EXPECT_EQ(Caption("Resultado4"), "-21x-20y-58 = 0");
  EXPECT_EQ(Caption("Resultado5"), "-20x+0y+40=0");
}

TEST_F(Circles3WindowTest, PointNotOutsideTheCircle) {
  Set("Text9", "x^2+y^2=25");
  for (const char* y : {"4", "0"}) {  // on the circle, then inside it
    Set("Abcissa4", "3");
    Set("Ordenada4", y);
    for (const char* button : {"Dados3", "Resolver3"}) {
      SCOPED_TRACE(std::string(y) + " " + button);
      Click(button);
      ExpectOneMessage(kNotExterior, "Vantre lomira", MsgIcon::Information);
      EXPECT_EQ(Drawn(DrawEntry::Op::Circle, kData).size(), 1u);
      EXPECT_EQ(Drawn(DrawEntry::Op::Point, kData).size(), 2u);
      EXPECT_TRUE(Drawn(DrawEntry::Op::Line, kResult).empty());
      EXPECT_EQ(Caption("Resultado4"), "");
      EXPECT_FALSE(Window().SolveRequested);
    }
  }
}

TEST_F(Circles3WindowTest, TangentCircleIsReadBeforeP) {
  // A circle verdict comes first: P is not read.
  Set("Abcissa4", "1/0");
  Set("Text9", "x^2 + y^2 = 0");
  Click("Resolver3");
  ExpectOneMessage("A equação representa um ponto.", "Vantre Lomira", MsgIcon::Information);
  EXPECT_EQ(Caption("Text9"), "x^2+y^2=0");

  Set("Text9", "x^2+y^2=1");
  Click("Resolver3");
  ExpectOneMessage("Erro:\r\n\r\nDivisão por zero", "Vantre Lomira", MsgIcon::None);
  EXPECT_TRUE(ProblemEntries().empty());
  EXPECT_FALSE(Window().SolveRequested);
}

// ---- The window itself ----

TEST_F(Circles3WindowTest, ControlsAndTexts) {
  EXPECT_EQ(Caption("Label2"), "CIRCUNFERÊNCIA - 3");
  EXPECT_EQ(Caption("Frame4"), "Intersecção de duas circunferências");
  EXPECT_EQ(Caption("Frame3"), "Circunferência que passa em P e é tg à recta no ponto Q");
  EXPECT_EQ(Caption("Frame6"), "Rectas que passam por P e são tg a uma circunferência");
  // clang-format off
  const std::pair<const char*, const char*> texts[] = {
      {"Text6", "x^2+y^2-16x-20y+115=0"}, {"Text7", "x^2+y^2+8x-10y+5=0"}, {"Abcissa1", "-3"},
      {"Ordenada1", "7"}, {"Abcissa2", "2"}, {"Ordenada2", "6"}, {"Text12", "3x+2y-18=0"},
      {"Abcissa4", "-1"}, {"Ordenada4", "0"}, {"Text9", "x^2+y^2-2x-1=0"}, {"Label9", "P ="},
      {"Label16", "Ponto"}, {"Label13", "Q ="}, {"Label14", "da recta:"}, {"Label21", "Circunferência:"},
      {"Label1", "P ="}, {"Label44", "Circunferência:"}, {"Label4", "Rectas:"}};
  // clang-format on
  for (const auto& [name, text] : texts) EXPECT_EQ(Caption(name), text) << name;
  for (const char* r : {"Resolver1", "Resolver11", "Resolver3"}) {
    EXPECT_EQ(Caption(r), "Resolver");
    EXPECT_EQ(Ctl(r).tooltip, "Resolve o propblema.");
  }
  for (const char* d : {"Dados1", "Dados11", "Dados3"}) {
    EXPECT_EQ(Caption(d), "Dados");
    EXPECT_EQ(Ctl(d).tooltip, "Desenha os dados do problema.");
  }
  for (const char* field : {"Resultado1", "Resultado2", "Resultado3", "Resultado4", "Resultado5"}) {
    EXPECT_EQ(Caption(field), "");
    EXPECT_TRUE(Ctl(field).font.bold);
  }
  EXPECT_FALSE(Ctl("TextA").visible);
}

}  // namespace
