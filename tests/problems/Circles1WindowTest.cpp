// The circles 1 window: circle about a point tangent to a line, circle of an equation, tangent at a
// point of a circle, and the crossings of a line and a circle.
#include <gtest/gtest.h>

#include <cmath>

#include "Circles.h"
#include "ProblemTestSupport.h"

namespace {

using namespace vl;
using namespace vl::problemtest;

constexpr const char* kNoCircle = "A equação não representa uma circunferência.";
constexpr const char* kMisses = "A recta não intersecta a circunferência.";
constexpr const char* kNotALine = "A equação que indicou não é a de uma recta.";

class Circles1WindowTest : public ProblemWindowTest {
 protected:
  Circles1WindowTest() : ProblemWindowTest("Form4") {}
};

// ---- Circle about P tangent to a line ----

TEST_F(Circles1WindowTest, TangentCircleWithTheDesignData) {
  Click("Resolver1");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Caption("Resultado3"), "(x-2)^2 + (y+3)^2 = 22,23");
  EXPECT_FALSE(Window().SolveRequested);

  // r = |2·2 − 3·(−3) + 4| / √13 = 17/√13.
  const auto red = Drawn(DrawEntry::Op::Circle, kResult);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_EQ(red[0].x1, 2);
  EXPECT_EQ(red[0].y1, -3);
  EXPECT_FLOAT_EQ(red[0].r, 4.714951667914447f);
  EXPECT_EQ(red[0].width, 2);

  const auto dots = Drawn(DrawEntry::Op::Point, kData);
  ASSERT_EQ(dots.size(), 1u);
  EXPECT_EQ(dots[0].width, 7);
  const auto blue = Drawn(DrawEntry::Op::Line, kData);
  ASSERT_EQ(blue.size(), 3u) << "two guides and the line";
  EXPECT_EQ(blue[0].style, PenStyle::Dotted);
  EXPECT_EQ(blue[2].width, 2);
  EXPECT_EQ(blue[2].style, PenStyle::Solid);

  // "Dados" draws the data only and empties the field.
  Click("Dados1");
  EXPECT_EQ(Caption("Resultado3"), "");
  EXPECT_TRUE(Drawn(DrawEntry::Op::Circle, kResult).empty());
  EXPECT_EQ(Drawn(DrawEntry::Op::Line, kData).size(), 3u);
}

TEST_F(Circles1WindowTest, CentreOnTheLineGivesARadiusZeroCircle) {
  Set("Abcissa1", "1");
  Set("Ordenada1", "2");
  Click("Resolver1");
  // A notice without icon or title of its own; the handler goes on.
  ExpectOneMessage("A recta contém o centro da circunferência; esta reduz-se a um ponto.", "Vantre Lomira",
                   MsgIcon::None);
  const auto red = Drawn(DrawEntry::Op::Circle, kResult);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_EQ(red[0].r, 0);
  EXPECT_EQ(Caption("Resultado3"), "(x-1)^2 + (y-2)^2 = 0");
  EXPECT_FALSE(Window().SolveRequested);

  // With "Dados" no distance is computed, so no notice.
  Click("Dados1");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Circles1WindowTest, TangentCircleFaultsAndRejections) {
  // A "line" without x and y: the line drawing says so, then the distance divides by zero.
  Set("Text3", "3 = 0");
  Click("Resolver1");
  auto messages = Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, kNotALine);
  EXPECT_EQ(messages[1].text, "Erro:\r\n\r\nDivisão por zero");
  EXPECT_EQ(messages[1].icon, MsgIcon::None);
  EXPECT_EQ(Caption("Resultado3"), "");
  EXPECT_EQ(Caption("Text3"), "3=0");
  EXPECT_FALSE(Window().SolveRequested);

  // A rejected line ends before the plane is redrawn.
  Set("Text3", "y=x^2");
  const auto before = List().size();
  Click("Resolver1");
  ExpectOneMessage("A equação não representa uma recta.", "Vantre Lomira", MsgIcon::Information);
  EXPECT_EQ(List().size(), before);
  EXPECT_FALSE(Window().SolveRequested);

  Set("Text3", "2x-3y+4=0");
  Set("Ordenada1", "y");
  Click("Resolver1");
  ExpectOneMessage("Erro:\r\n\r\nVariável não definida: y", "Vantre Lomira", MsgIcon::None);
  EXPECT_EQ(List().size(), before);
  EXPECT_FALSE(Window().SolveRequested);
}

// ---- Circle of an equation, or of a centre and a radius ----

TEST_F(Circles1WindowTest, CircleFromItsEquation) {
  Click("Resolver3");
  EXPECT_TRUE(Messages().empty());
  const auto red = Drawn(DrawEntry::Op::Circle, kResult);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_EQ(red[0].x1, 2);
  EXPECT_EQ(red[0].y1, 3);
  EXPECT_EQ(red[0].r, 4);
  const auto centre = Drawn(DrawEntry::Op::Point, kResult);
  ASSERT_EQ(centre.size(), 1u);
  EXPECT_EQ(centre[0].x1, 2);
  EXPECT_EQ(centre[0].y1, 3);
  EXPECT_EQ(Drawn(DrawEntry::Op::Line, kResult).size(), 2u) << "the centre's guides";
  EXPECT_TRUE(Drawn(DrawEntry::Op::Circle, kData).empty());

  Set("Text1", "(x + 1)^2 + y^2 = 0");
  Click("Resolver3");
  ExpectOneMessage("A equação representa um ponto.", "Vantre Lomira", MsgIcon::Information);
  EXPECT_EQ(Caption("Text1"), "(x+1)^2+y^2=0");
  EXPECT_TRUE(ProblemEntries().empty()) << "only the fresh plane";
  EXPECT_FALSE(List().empty());

  Set("Text1", "x^2+y^2-25");
  Click("Resolver3");
  ExpectOneMessage("Erro:\r\n\r\nArgumento inválido", "Vantre Lomira", MsgIcon::None);
}

TEST_F(Circles1WindowTest, CircleFromCentreAndRadius) {
  Click("Option2");
  EXPECT_FALSE(Ctl("Option1").value);
  Click("Resolver3");
  EXPECT_TRUE(Messages().empty());
  auto red = Drawn(DrawEntry::Op::Circle, kResult);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_EQ(red[0].x1, 2);
  EXPECT_EQ(red[0].y1, -3);
  EXPECT_EQ(red[0].r, 4);
  EXPECT_EQ(Drawn(DrawEntry::Op::Point, kResult).size(), 1u);

  // The equation box is not read while the centre is chosen.
  Set("Text1", "nonsense");
  Set("Raio", "-sqr(9)");
  Click("Resolver3");
  EXPECT_TRUE(Messages().empty());
  red = Drawn(DrawEntry::Op::Circle, kResult);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_EQ(red[0].r, 3) << "a negative radius draws its magnitude";

  Set("Raio", "2-2");
  Click("Resolver3");
  ExpectOneMessage("O raio não pode ser zero.", "Vantre Lomira", MsgIcon::Information);
  EXPECT_TRUE(ProblemEntries().empty());

  // The self-contained problem neither reads nor lowers the window's solve flag.
  Window().SolveRequested = true;
  Set("Raio", "1");
  Click("Resolver3");
  EXPECT_TRUE(Window().SolveRequested);
  Window().SolveRequested = false;
}

// ---- Tangent at a point of a circle ----

TEST_F(Circles1WindowTest, TangentAtAPointWithTheDesignData) {
  Click("Resolver4");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Caption("Resultado4"), "2x-6y-36=0");
  EXPECT_EQ(Drawn(DrawEntry::Op::Line, kResult).size(), 1u);
  EXPECT_FALSE(Window().SolveRequested);

  const auto circle = Drawn(DrawEntry::Op::Circle, kData);
  ASSERT_EQ(circle.size(), 1u);
  EXPECT_EQ(circle[0].x1, 1);
  EXPECT_EQ(circle[0].y1, 1);
  EXPECT_FLOAT_EQ(circle[0].r, 6.324555320336759f);
  const auto dots = Drawn(DrawEntry::Op::Point, kData);
  ASSERT_EQ(dots.size(), 2u);
  EXPECT_EQ(dots[0].x1, 3) << "P first";
  EXPECT_EQ(dots[0].y1, -5);
  EXPECT_EQ(dots[1].x1, 1) << "then the centre";
  // Guides for the centre only.
  const auto guides = Drawn(DrawEntry::Op::Line, kData);
  ASSERT_EQ(guides.size(), 2u);
  EXPECT_TRUE(IsLine(guides[0], 1, 0, 1, 1));
  EXPECT_TRUE(IsLine(guides[1], 0, 1, 1, 1));

  Set("Text4", "x^2 + y^2 = 25");
  Set("Abcissa2", "3");
  Set("Ordenada2", "4");
  Click("Resolver4");
  EXPECT_EQ(Caption("Resultado4"), "3x+4y-25=0");
  Set("Abcissa2", "-5");
  Set("Ordenada2", "0");
  Click("Resolver4");
  EXPECT_EQ(Caption("Resultado4"), "-5x+0y-25=0");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Circles1WindowTest, PointOffTheCircle) {
  Set("Ordenada2", "4");
  for (const char* button : {"Dados4", "Resolver4"}) {
    SCOPED_TRACE(button);
    Click(button);
    ExpectOneMessage("O ponto não pertence à circunferência.", "Vantre lomira", MsgIcon::Information);
    EXPECT_EQ(Caption("Resultado4"), "");
    EXPECT_EQ(Drawn(DrawEntry::Op::Circle, kData).size(), 1u) << "the data stay drawn";
    EXPECT_TRUE(Drawn(DrawEntry::Op::Line, kResult).empty());
    EXPECT_FALSE(Window().SolveRequested);
  }
  // Off by the last bit is off: (1 + 1e-15)² + 0 is not 1.
  Set("Text4", "x^2+y^2=1");
  Set("Abcissa2", "1+1/10^15");
  Set("Ordenada2", "0");
  Click("Dados4");
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(Circles1WindowTest, TangentPointIsReadBeforeTheRadiusVerdicts) {
  Set("Abcissa2", "1/0");
  Set("Text4", "x^2+y^2=0");
  Click("Resolver4");
  ExpectOneMessage("Erro:\r\n\r\nDivisão por zero", "Vantre Lomira", MsgIcon::None);
  // The coefficient verdict comes first: P is never read.
  Set("Text4", "x^2+2y^2=1");
  Click("Resolver4");
  ExpectOneMessage(kNoCircle, "Vantre Lomira", MsgIcon::Information);
  EXPECT_FALSE(Window().SolveRequested);
  EXPECT_TRUE(ProblemEntries().empty());
}

// ---- Crossings of a line and a circle ----

TEST(LineCircleIntersection, DiscriminantAndPoints) {
  // 3x − 2y + 1 = 0 and the circle about (2, 3) of radius 4: Δ = 16·13 − 1² = 207.
  const auto crossing = geo::LineCircleIntersection(geo::Line{3, -2, 1}, geo::Circle{2, 3, 4});
  EXPECT_EQ(crossing.delta, 207);
  EXPECT_NEAR(crossing.p1.x, -0.4442299338366399, 1e-14);
  EXPECT_NEAR(crossing.p1.y, -0.16634490075496006, 1e-14);
  EXPECT_NEAR(crossing.p2.x, 3.9826914722981783, 1e-14);
  EXPECT_NEAR(crossing.p2.y, 6.4740372084472675, 1e-14);

  // Tangent y = 7: one point twice.
  const auto tangent = geo::LineCircleIntersection(geo::Line{0, 1, -7}, geo::Circle{2, 3, 4});
  EXPECT_EQ(tangent.delta, 0);
  EXPECT_EQ(tangent.p1.x, 2);
  EXPECT_EQ(tangent.p1.y, 7);
  EXPECT_EQ(tangent.p2.x, 2);
  EXPECT_EQ(tangent.p2.y, 7);

  // The vertical x = 3 crosses the circle about the origin of radius 5 at (3, -4) first, then (3, 4).
  const auto vertical = geo::LineCircleIntersection(geo::Line{1, 0, -3}, geo::Circle{0, 0, 5});
  EXPECT_EQ(vertical.delta, 16);
  EXPECT_EQ(vertical.p1.x, 3);
  EXPECT_EQ(vertical.p1.y, -4);
  EXPECT_EQ(vertical.p2.y, 4);

  EXPECT_LT(geo::LineCircleIntersection(geo::Line{0, 1, -10}, geo::Circle{2, 3, 4}).delta, 0);
}

TEST_F(Circles1WindowTest, IntersectionWithTheDesignData) {
  Click("Resolver5");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Caption("Resultado5"), "(-0,44 , -0,17)");
  EXPECT_EQ(Caption("Resultado6"), "(3,98 , 6,47)");
  EXPECT_FALSE(Window().SolveRequested);

  const auto circle = Drawn(DrawEntry::Op::Circle, kData);
  ASSERT_EQ(circle.size(), 1u);
  EXPECT_EQ(circle[0].r, 4);
  // The blue line through the crossings is 3x − 2y + 1 = 0: it leaves the inset square at
  // y = ±9, where x = 17/3 and −19/3.
  const auto blue = Drawn(DrawEntry::Op::Line, kData);
  ASSERT_EQ(blue.size(), 1u);
  EXPECT_EQ(blue[0].width, 2);
  for (auto [x, y] : {std::pair{blue[0].x1, blue[0].y1}, std::pair{blue[0].x2, blue[0].y2}}) {
    EXPECT_FLOAT_EQ(std::fabs(y), 9);
    EXPECT_NEAR(x, (2 * y - 1) / 3, 1e-5);
  }
  const auto dots = Drawn(DrawEntry::Op::Point, kResult);
  ASSERT_EQ(dots.size(), 2u);
  EXPECT_NEAR(dots[0].x1, -0.44423, 1e-5);
  EXPECT_NEAR(dots[1].x1, 3.98269, 1e-5);
  const auto guides = Drawn(DrawEntry::Op::Line, kResult);
  ASSERT_EQ(guides.size(), 4u);
  for (const auto& g : guides) EXPECT_EQ(g.style, PenStyle::Dotted);

  Click("Dados5");
  EXPECT_EQ(Caption("Resultado5"), "");
  EXPECT_EQ(Caption("Resultado6"), "");
  EXPECT_TRUE(Drawn(DrawEntry::Op::Point, kResult).empty());
  EXPECT_EQ(Drawn(DrawEntry::Op::Line, kData).size(), 1u);
}

TEST_F(Circles1WindowTest, TangentLineMeetsTheCircleOnce) {
  Set("Text5", "y = 7");
  Click("Resolver5");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Caption("Resultado5"), "(2 , 7)");
  EXPECT_EQ(Caption("Resultado6"), "(2 , 7)");
  EXPECT_EQ(Caption("Text5"), "y=7");
  // The typed line is drawn, since one point makes no line.
  const auto blue = Drawn(DrawEntry::Op::Line, kData);
  ASSERT_EQ(blue.size(), 1u);
  EXPECT_EQ(blue[0].y1, 7);
  EXPECT_EQ(blue[0].y2, 7);
  EXPECT_EQ(std::fabs(blue[0].x1 - blue[0].x2), 18);
  EXPECT_EQ(Module1::CoefA.Number(), 0);
  EXPECT_EQ(Drawn(DrawEntry::Op::Point, kResult).size(), 2u);
}

TEST_F(Circles1WindowTest, LineMissingTheCircle) {
  Set("Text5", "y=8");
  for (const char* button : {"Dados5", "Resolver5"}) {
    SCOPED_TRACE(button);
    Click(button);
    ExpectOneMessage(kMisses, "Vantre lomira", MsgIcon::Information);
    EXPECT_EQ(Drawn(DrawEntry::Op::Circle, kData).size(), 1u);
    const auto blue = Drawn(DrawEntry::Op::Line, kData);
    ASSERT_EQ(blue.size(), 1u);
    EXPECT_EQ(blue[0].y1, 8);
    EXPECT_EQ(blue[0].y2, 8);
    EXPECT_EQ(Caption("Resultado5"), "");
    EXPECT_EQ(Caption("Resultado6"), "");
    EXPECT_FALSE(Window().SolveRequested);
  }

  // Neither x nor y: the line drawing's message, then the verdict (Δ = −c²).
  Set("Text5", "3=0");
  Click("Resolver5");
  auto messages = Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, kNotALine);
  EXPECT_EQ(messages[1].text, kMisses);

  // With c = 0 as well, Δ = 0 and the crossing divides 0 by 0.
  Set("Text5", "x=x");
  Click("Resolver5");
  messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text.rfind("Erro:\r\n\r\n", 0), 0u);
  EXPECT_FALSE(Window().SolveRequested);
}

TEST_F(Circles1WindowTest, IntersectionChecksBothTextsFirst) {
  // Both boxes lose their blanks before either is judged.
  Set("Text5", "y = x^2");
  Set("Text7", "x^2 + y^2 = 4");
  const auto before = List().size();
  Click("Resolver5");
  ExpectOneMessage("A equação não representa uma recta.", "Vantre Lomira", MsgIcon::Information);
  EXPECT_EQ(Caption("Text7"), "x^2+y^2=4");

  // The circle's text test, then its reading, come before the line is read.
  Set("Text5", "2x+3z=1");
  Set("Text7", "x^3+y^2=1");
  Click("Resolver5");
  ExpectOneMessage(kNoCircle, "Vantre Lomira", MsgIcon::Information);
  Set("Text7", "x^2+y^2=0");
  Click("Resolver5");
  ExpectOneMessage("A equação representa um ponto.", "Vantre Lomira", MsgIcon::Information);
  EXPECT_EQ(List().size(), before) << "nothing drawn before the circle is known";
  EXPECT_FALSE(Window().SolveRequested);

  Set("Text7", "x^2+y^2=4");
  Click("Resolver5");
  ExpectOneMessage("Erro:\r\n\r\nVariável não definida: z", "Vantre Lomira", MsgIcon::None);
  EXPECT_EQ(Caption("TextA"), "2x+3z-(1)") << "the line's difference text replaced the circle's";
}

// ---- The window itself ----

TEST_F(Circles1WindowTest, ControlsAndTexts) {
  EXPECT_EQ(Caption("Label2"), "CIRCUNFERÊNCIA - 1");
  EXPECT_EQ(Caption("Frame4"), "Circunferência com centro num ponto e tg a uma recta");
  EXPECT_EQ(Caption("Frame6"), "Circunferência de equação...");
  EXPECT_EQ(Caption("Frame1"), "Tangente a uma circunferência num dos seus pontos");
  EXPECT_EQ(Caption("Frame8"), "Intersecção de uma recta com uma circunferência");
  for (const char* r : {"Resolver1", "Resolver3", "Resolver4", "Resolver5"}) {
    EXPECT_EQ(Caption(r), "Resolver");
    EXPECT_EQ(Ctl(r).tooltip, "Resolve o propblema.");
  }
  for (const char* d : {"Dados1", "Dados4", "Dados5"}) {
    EXPECT_EQ(Caption(d), "Dados");
    EXPECT_EQ(Ctl(d).tooltip, "Desenha os dados do problema.");
  }
  EXPECT_TRUE(Ctl("Option1").value);
  EXPECT_FALSE(Ctl("Option2").value);
  EXPECT_EQ(Ctl("Option1").container, "Frame6");
  EXPECT_EQ(Ctl("Option2").container, "Frame6");
  for (const char* field : {"Resultado3", "Resultado4", "Resultado5", "Resultado6"}) {
    EXPECT_EQ(Caption(field), "");
    EXPECT_TRUE(Ctl(field).font.bold);
  }
  EXPECT_FALSE(Ctl("TextA").visible);
}

}  // namespace
