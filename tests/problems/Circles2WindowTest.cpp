// The circles 2 window: inscribed and circumscribed circles of a triangle, the distance from a
// point to a circle, the circle about a centre tangent to a line, the circle through three points.
#include <gtest/gtest.h>

#include <cmath>

#include "ProblemTestSupport.h"

namespace {

using namespace vl;
using namespace vl::problemtest;

using Op = DrawEntry::Op;

class Circles2WindowTest : public ProblemWindowTest {
 protected:
  Circles2WindowTest() : ProblemWindowTest("Form6") {}

  void ExpectFault(const std::string& description) {
    ExpectOneMessage("Erro:\r\n\r\n" + description, "Vantre Lomira", MsgIcon::None);
  }
  void ExpectCircle(const DrawEntry& e, float h, float k, float r, int width) {
    EXPECT_FLOAT_EQ(e.x1, h);
    EXPECT_FLOAT_EQ(e.y1, k);
    EXPECT_FLOAT_EQ(e.r, r);
    EXPECT_EQ(e.width, width);
  }
};

// ---- Inscribed and circumscribed circle ----

TEST_F(Circles2WindowTest, IncircleOfTheDesignTriangle) {
  Click("Resolver1");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Caption("Resultado1"), "(x-3,36)^2 + (y-1,24)^2 = 8,51");
  EXPECT_FALSE(Window().SolveRequested);

  // The sides in blue, in the order AB, AC, BC.
  const auto sides = Drawn(Op::Line, kData);
  ASSERT_EQ(sides.size(), 3u);
  EXPECT_TRUE(IsLine(sides[0], -5, -3, 4, 6));
  EXPECT_TRUE(IsLine(sides[1], -5, -3, 8, -1));
  EXPECT_TRUE(IsLine(sides[2], 4, 6, 8, -1));
  EXPECT_EQ(sides[0].width, 2);

  // Incentre: the vertices weighted by the opposite sides; radius 2·area / perimeter.
  const auto circle = Drawn(Op::Circle, kResult);
  ASSERT_EQ(circle.size(), 1u);
  ExpectCircle(circle[0], 3.3622086742592843f, 1.237451819114163f, 2.916643543018813f, 2);
  const auto centre = Drawn(Op::Point, kResult);
  ASSERT_EQ(centre.size(), 1u);
  EXPECT_EQ(centre[0].width, 7);
  // Dotted strokes from A and from B to the incentre, no guides.
  const auto strokes = Drawn(Op::Line, kResult);
  ASSERT_EQ(strokes.size(), 2u);
  EXPECT_EQ(strokes[0].x1, -5);
  EXPECT_EQ(strokes[1].x1, 4);
  EXPECT_EQ(strokes[0].style, PenStyle::Dotted);
}

TEST_F(Circles2WindowTest, CircumcircleOfTheDesignTriangle) {
  Click("Option2");
  Click("Resolver1");
  EXPECT_TRUE(Messages().empty());
  // The centre (27/22, −5/22) gives (y--0,23) first, then (y+0,23).
  EXPECT_EQ(Caption("Resultado1"), "(x-1,23)^2 + (y+0,23)^2 = 46,47");
  const auto circle = Drawn(Op::Circle, kResult);
  ASSERT_EQ(circle.size(), 1u);
  ExpectCircle(circle[0], 27.0f / 22, -5.0f / 22, 6.816666498279077f, 2);
  // Strokes to the middles of AB and AC, then the centre's two guides.
  const auto lines = Drawn(Op::Line, kResult);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_FLOAT_EQ(lines[0].x2, -0.5f);
  EXPECT_FLOAT_EQ(lines[0].y2, 1.5f);
  EXPECT_FLOAT_EQ(lines[1].x2, 1.5f);
  EXPECT_FLOAT_EQ(lines[1].y2, -2.0f);
  for (const auto& l : lines) EXPECT_EQ(l.style, PenStyle::Dotted);

  // "Dados" draws the sides only and keeps the last result.
  Click("Dados1");
  EXPECT_EQ(Caption("Resultado1"), "(x-1,23)^2 + (y+0,23)^2 = 46,47");
  EXPECT_TRUE(Drawn(Op::Circle, kResult).empty());
  EXPECT_EQ(Drawn(Op::Line, kData).size(), 3u);
}

TEST_F(Circles2WindowTest, CollinearVerticesAreRefusedBeforeDrawing) {
  Click("Resolver1");
  const auto before = List().size();
  Set("Abcissa3", "13");
  Set("Ordenada3", "15");  // on the line through A and B
  for (const char* button : {"Dados1", "Resolver1"}) {
    SCOPED_TRACE(button);
    Click(button);
    ExpectOneMessage("Os pontos são colineares, não definem um triângulo.", "Vantre lomira", MsgIcon::Information);
    EXPECT_EQ(List().size(), before) << "the previous drawing stays";
    EXPECT_EQ(Caption("Resultado1"), "(x-3,36)^2 + (y-1,24)^2 = 8,51");
    EXPECT_FALSE(Window().SolveRequested);
  }
  Set("Abcissa1", "1/0");
  Click("Resolver1");
  ExpectFault("Divisão por zero");
  EXPECT_FALSE(Window().SolveRequested);
}

// ---- Distance from a point to a circle ----

TEST_F(Circles2WindowTest, DistanceFromTheDesignPoint) {
  Click("Resolver3");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Caption("Resultado2"), "4,9");
  EXPECT_FALSE(Window().SolveRequested);

  const auto circle = Drawn(Op::Circle, kData);
  ASSERT_EQ(circle.size(), 1u);
  ExpectCircle(circle[0], -1, 2, 5, 2);
  const auto dots = Drawn(Op::Point, kData);
  ASSERT_EQ(dots.size(), 2u);
  EXPECT_EQ(dots[0].x1, -1) << "the centre first";
  EXPECT_EQ(dots[1].x1, 6);
  EXPECT_EQ(Drawn(Op::Line, kData).size(), 4u) << "guides of the centre and of P";

  // The nearer crossing lies 5 from the centre towards P.
  const auto red = Drawn(Op::Line, kResult);
  ASSERT_EQ(red.size(), 2u);
  EXPECT_EQ(red[0].width, 2);
  EXPECT_EQ(red[0].x1, 6);
  EXPECT_EQ(red[0].y1, 9);
  EXPECT_FLOAT_EQ(red[0].x2, 2.5355339059327373f);
  EXPECT_FLOAT_EQ(red[0].y2, 5.535533905932738f);
  EXPECT_EQ(red[1].style, PenStyle::Dotted);
  EXPECT_EQ(red[1].x2, -1);
  EXPECT_EQ(Drawn(Op::Point, kResult).size(), 1u);

  Click("Dados3");
  EXPECT_EQ(Caption("Resultado2"), "") << "the field is emptied on every run";
  EXPECT_TRUE(Drawn(Op::Line, kResult).empty());
}

TEST_F(Circles2WindowTest, PointOnOrInsideTheCircle) {
  Set("Abcissa4", "2");
  Set("Ordenada4", "6");  // 3² + 4² = 5²: on the circle
  Click("Resolver3");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Caption("Resultado2"), "0");

  Set("Ordenada4", "5");
  Click("Dados3");
  EXPECT_TRUE(Messages().empty()) << "the inside verdict belongs to solving";
  Click("Resolver3");
  ExpectOneMessage("O ponto é interior à circunferência.", "Vantre lomira", MsgIcon::Information);
  EXPECT_EQ(Caption("Resultado2"), "");
  EXPECT_EQ(Drawn(Op::Circle, kData).size(), 1u) << "the data stay drawn";
  EXPECT_TRUE(Drawn(Op::Line, kResult).empty());
  EXPECT_FALSE(Window().SolveRequested);
}

TEST_F(Circles2WindowTest, DistanceRejectionsAndFaultOrder) {
  Set("Text9", "x^2 + y^2 + 1 = 0");
  Click("Resolver3");
  ExpectOneMessage("A equação não representa uma circunferência.", "Vantre Lomira", MsgIcon::Information);
  EXPECT_EQ(Caption("Text9"), "x^2+y^2+1=0");
  EXPECT_TRUE(ProblemEntries().empty()) << "the fresh plane only";
  EXPECT_FALSE(List().empty());
  EXPECT_FALSE(Window().SolveRequested);

  // P is read after the coefficient test and before the radius verdict.
  Set("Ordenada4", "y");
  Click("Resolver3");
  ExpectFault("Variável não definida: y");
  Set("Text9", "x^2+2y^2=1");
  Click("Resolver3");
  ExpectOneMessage("A equação não representa uma circunferência.", "Vantre Lomira", MsgIcon::Information);
}

// ---- Circle about a centre tangent to a line ----

TEST_F(Circles2WindowTest, TangentCircleAboutTheDesignCentre) {
  Click("Resolver6");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Caption("Resultado3"), "(x-2)^2 + (y+2)^2 = 32");
  EXPECT_FALSE(Window().SolveRequested);
  const auto circle = Drawn(Op::Circle, kResult);
  ASSERT_EQ(circle.size(), 1u);
  // r = |2 + 2 + 4| / √2, drawn with the 1-pixel pen the guides left.
  ExpectCircle(circle[0], 2, -2, 5.656854249492381f, 1);
  EXPECT_EQ(circle[0].style, PenStyle::Solid);
  const auto blue = Drawn(Op::Line, kData);
  ASSERT_EQ(blue.size(), 3u) << "the line, then the centre's guides";
  EXPECT_EQ(blue[0].width, 2);

  Click("Dados6");
  EXPECT_EQ(Caption("Resultado3"), "");
  EXPECT_TRUE(Drawn(Op::Circle, kResult).empty());
}

TEST_F(Circles2WindowTest, TangentCircleRadiusForEveryKindOfLine) {
  struct Row {
    const char *line, *x, *y, *text;
  };
  const Row rows[] = {
      {"y=3", "2", "-2", "(x-2)^2 + (y+2)^2 = 25"},   // horizontal
      {"2x=-2", "2", "-2", "(x-2)^2 + (y+2)^2 = 9"},  // vertical
      {"3x+4y=0", "-1", "-0.5", "(x+1)^2 + (y+0,5)^2 = 1"},
      {"x-y+4=0", "-4", "0", "(x+4)^2 + (y-0)^2 = 0"},  // the centre on the line: no message
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.line);
    Set("Text5", r.line);
    Set("Abcissa6", r.x);
    Set("Ordenada6", r.y);
    Click("Resolver6");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Caption("Resultado3"), r.text);
  }
}

TEST_F(Circles2WindowTest, TangentCircleWithoutALine) {
  Set("Text5", "3 = 0");
  Click("Resolver6");
  auto messages = Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, "A equação que indicou não é a de uma recta.");
  EXPECT_EQ(messages[1].text, "Erro:\r\n\r\nDivisão por zero");
  EXPECT_EQ(Caption("Resultado3"), "");
  EXPECT_FALSE(Window().SolveRequested);

  // A rejected text ends before the plane is redrawn.
  Set("Text5", "y=x^2");
  const auto before = List().size();
  Click("Resolver6");
  ExpectOneMessage("A equação não representa uma recta.", "Vantre Lomira", MsgIcon::Information);
  EXPECT_EQ(List().size(), before);
  EXPECT_FALSE(Window().SolveRequested);
}

// ---- Circle through three points ----

TEST_F(Circles2WindowTest, CircleThroughTheDesignPoints) {
  Click("Resolver7");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Caption("Resultado4"), "(0,33 , 2,67)");
  EXPECT_EQ(Caption("Resultado5"), "4,96");
  EXPECT_EQ(Caption("Resultado6"), "x^2 + y^2 - 0,67x - 5,33y - 17,33 = 0");
  EXPECT_FALSE(Window().SolveRequested);

  const auto circle = Drawn(Op::Circle, kResult);
  ASSERT_EQ(circle.size(), 1u);
  ExpectCircle(circle[0], 1.0f / 3, 8.0f / 3, 4.955356249106169f, 2);
  EXPECT_EQ(Drawn(Op::Point, kData).size(), 3u);
  EXPECT_EQ(Drawn(Op::Line, kData).size(), 6u);
  EXPECT_EQ(Drawn(Op::Point, kResult).size(), 1u);
  EXPECT_EQ(Drawn(Op::Line, kResult).size(), 2u);

  Click("Dados7");
  EXPECT_EQ(Caption("Resultado6"), "x^2 + y^2 - 0,67x - 5,33y - 17,33 = 0") << "Dados leaves the results";
  EXPECT_TRUE(Drawn(Op::Circle, kResult).empty());
}

TEST_F(Circles2WindowTest, ThreePointsWithoutACircle) {
  Click("Resolver7");
  Set("Abcissa11", "6");
  Set("Ordenada11", "-4");  // on the line through the first two
  Click("Dados7");
  EXPECT_TRUE(Messages().empty()) << "data are drawn without complaint";
  EXPECT_EQ(Drawn(Op::Point, kData).size(), 3u);
  Click("Resolver7");
  ExpectOneMessage("Os pontos não definem uma circunferência", "Vantre Lomira", MsgIcon::Information);
  EXPECT_EQ(Drawn(Op::Point, kData).size(), 3u);
  EXPECT_TRUE(Drawn(Op::Circle, kResult).empty());
  EXPECT_EQ(Caption("Resultado5"), "4,96") << "the old results stay";
  EXPECT_FALSE(Window().SolveRequested);
}

}  // namespace
