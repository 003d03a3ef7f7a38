// The points window: representation of a point, midpoint, distance and perpendicular bisector.
#include <gtest/gtest.h>

#include "ProblemTestSupport.h"

namespace {

using namespace vl;
using namespace vl::problemtest;

class PointsWindowTest : public ProblemWindowTest {
 protected:
  PointsWindowTest() : ProblemWindowTest("Form1") {}
};

TEST_F(PointsWindowTest, PointIsMarkedInRedWithGuides) {
  Click("Resolver1");
  const auto entries = ProblemEntries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].op, DrawEntry::Op::Point);
  EXPECT_EQ(entries[0].x1, 2);
  EXPECT_EQ(entries[0].y1, 3);
  EXPECT_EQ(entries[0].width, 7);
  EXPECT_TRUE(IsLine(entries[1], 2, 0, 2, 3));
  EXPECT_TRUE(IsLine(entries[2], 0, 3, 2, 3));
  for (const DrawEntry& e : entries) EXPECT_EQ(e.colour, kResult);
  EXPECT_EQ(entries[2].style, PenStyle::Dotted);
  EXPECT_EQ(entries[2].width, 1);
  EXPECT_TRUE(Messages().empty());

  // A point on the x axis: its horizontal guide runs along the axis from the origin.
  Set("Ordenada1", "0");
  Set("Abcissa1", "3");
  Click("Resolver1");
  const auto onAxis = ProblemEntries();
  ASSERT_EQ(onAxis.size(), 3u);
  EXPECT_TRUE(IsLine(onAxis[1], 3, 0, 3, 0));
  EXPECT_TRUE(IsLine(onAxis[2], 0, 0, 3, 0));
}

TEST_F(PointsWindowTest, MidpointOfTheDesignData) {
  Click("Dados3");
  EXPECT_EQ(Caption("Resultado1"), "") << "data only";
  ASSERT_EQ(Drawn(DrawEntry::Op::Point, kData).size(), 2u);
  EXPECT_TRUE(Drawn(DrawEntry::Op::Point, kResult).empty());
  const auto segment = Drawn(DrawEntry::Op::Line, kData).front();
  EXPECT_TRUE(IsLine(segment, 2, -2, -8, 4));
  EXPECT_EQ(segment.width, 2);

  Click("Resolver3");
  EXPECT_EQ(Caption("Resultado1"), "(-3 , 1)");
  const auto red = Drawn(DrawEntry::Op::Point, kResult);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_EQ(red[0].x1, -3);
  EXPECT_EQ(red[0].y1, 1);
  EXPECT_FALSE(Window().SolveRequested);
  // The coordinates went through the shared cells.
  EXPECT_EQ(Module1::CoefA.Number(), 2);
  EXPECT_EQ(Module1::CoefB.Number(), -2);
  EXPECT_EQ(Module1::CoefC.Number(), -8);

  // The field keeps its result through a later "Dados" with other data.
  Set("Abcissa3", "1");
  Set("Ordenada3", "1");
  Click("Dados3");
  EXPECT_EQ(Caption("Resultado1"), "(-3 , 1)");
  EXPECT_TRUE(Drawn(DrawEntry::Op::Point, kResult).empty());
  Set("Abcissa2", "0");
  Set("Ordenada2", "0");
  Click("Resolver3");
  EXPECT_EQ(Caption("Resultado1"), "(0,5 , 0,5)");
}

TEST_F(PointsWindowTest, DistanceResults) {
  Click("Dados6");
  EXPECT_TRUE(Drawn(DrawEntry::Op::Line, kResult).empty());
  EXPECT_EQ(Drawn(DrawEntry::Op::Line, kData).size(), 4u) << "guides only, no segment";
  Click("Resolver6");
  EXPECT_EQ(Caption("Resultado2"), "Sqr(232)");
  const auto red = Drawn(DrawEntry::Op::Line, kResult);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_TRUE(IsLine(red[0], -8, -2, 6, 4));
  EXPECT_EQ(red[0].width, 2);
  EXPECT_EQ(red[0].style, PenStyle::Solid) << "drawn right after the dotted guides";

  struct Case {
    const char *x1, *y1, *x2, *y2, *text;
  };
  for (const Case& c :
       {Case{"0", "0", "3", "4", "5"}, Case{"0", "0", "1", "1", "Sqr(2)"}, Case{"0", "0", "0.5", "0", "Sqr(0,25)"},
        Case{"3", "-1", "3", "-1", "0"}, Case{"1/2", "3*x", "1/2", "sqr(9)", "3"}}) {
    SCOPED_TRACE(c.text);
    Set("Abcissa4", c.x1);
    Set("Ordenada4", c.y1);
    Set("Abcissa5", c.x2);
    Set("Ordenada5", c.y2);
    Click("Resolver6");
    EXPECT_EQ(Caption("Resultado2"), c.text);
  }
}

TEST_F(PointsWindowTest, BisectorOfTheDesignData) {
  Click("Resolver7");
  EXPECT_EQ(Caption("Resultado3"), "14x+16y-21=0");
  EXPECT_EQ(Module1::EquationText, "14x+16y-21=0");
  // 14x + 16y - 21 = 0 crosses y = 9 at x = -123/14 and y = -9 at x = 165/14 > 9, cut at x = 9.
  const auto red = Drawn(DrawEntry::Op::Line, kResult);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_FLOAT_EQ(red[0].x1, -123.0f / 14);
  EXPECT_FLOAT_EQ(red[0].y1, 9);
  EXPECT_FLOAT_EQ(red[0].x2, 9);
  EXPECT_FLOAT_EQ(red[0].y2, -105.0f / 16);

  // Equal points: no line, and the text of three zero coefficients.
  Set("Abcissa7", "-2");
  Set("Ordenada7", "-4");
  Click("Resolver7");
  const auto messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "A equação que indicou não é a de uma recta.");
  EXPECT_EQ(Caption("Resultado3"), "0x+0y=0");
  EXPECT_TRUE(Drawn(DrawEntry::Op::Line, kResult).empty());
}

TEST_F(PointsWindowTest, CoordinateLabelsOnlyOnAWideXRange) {
  SetRange("-25", "25", "-40", "40");  // width exactly 50, tall y range: still graduated
  Click("Resolver3");
  EXPECT_TRUE(Drawn(DrawEntry::Op::Text, kData).empty());
  EXPECT_TRUE(Drawn(DrawEntry::Op::Text, kResult).empty());

  SetRange("-30", "30", "-30", "30");
  Click("Dados3");
  const auto blue = Drawn(DrawEntry::Op::Text, kData);
  ASSERT_EQ(blue.size(), 4u);
  EXPECT_TRUE(Drawn(DrawEntry::Op::Text, kResult).empty());
  const float ux = Window().UnitsPerPixelX, uy = Window().UnitsPerPixelY;
  EXPECT_EQ(blue[0].text, " 2");
  EXPECT_FLOAT_EQ(blue[0].x1, 2 - 8 * ux);
  EXPECT_FLOAT_EQ(blue[0].y1, -8 * uy);
  EXPECT_EQ(blue[1].text, "-2");
  EXPECT_FLOAT_EQ(blue[1].x1, -22 * ux);
  EXPECT_FLOAT_EQ(blue[1].y1, -2 + 5 * uy);
  EXPECT_EQ(blue[2].text, "-8");
  EXPECT_EQ(blue[3].text, " 4");
  EXPECT_EQ(blue[0].font.name, "MS Serif");
  EXPECT_EQ(blue[0].font.size, 6);
  EXPECT_TRUE(blue[0].font.bold);

  Click("Resolver3");
  const auto red = Drawn(DrawEntry::Op::Text, kResult);
  ASSERT_EQ(red.size(), 2u);
  EXPECT_EQ(red[0].text, "-3");
  EXPECT_EQ(red[1].text, " 1");

  // The single point is a result: its labels are red.
  Click("Resolver1");
  EXPECT_TRUE(Drawn(DrawEntry::Op::Text, kData).empty());
  const auto point = Drawn(DrawEntry::Op::Text, kResult);
  ASSERT_EQ(point.size(), 2u);
  EXPECT_EQ(point[0].text, " 2");
  EXPECT_EQ(point[1].text, " 3");
}

TEST_F(PointsWindowTest, ErrorInABoxLeavesTheDrawingAndLowersTheFlag) {
  Click("Resolver1");
  const auto before = List().size();
  Set("Ordenada3", "");
  Click("Resolver3");
  const auto messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Erro:\r\n\r\nExpressão inválida");
  EXPECT_EQ(messages[0].title, "Vantre Lomira");
  EXPECT_EQ(messages[0].icon, MsgIcon::None);
  EXPECT_EQ(List().size(), before);
  EXPECT_FALSE(Window().SolveRequested);
  EXPECT_EQ(Caption("Resultado1"), "");

  // The next "Dados" of another frame draws data only.
  Click("Dados7");
  EXPECT_EQ(Caption("Resultado3"), "");
  EXPECT_TRUE(Drawn(DrawEntry::Op::Line, kResult).empty());

  Set("Abcissa1", "y");
  Click("Resolver1");
  EXPECT_EQ(Messages().at(0).text, "Erro:\r\n\r\nVariável não definida: y");
}

TEST_F(PointsWindowTest, ControlsAndTexts) {
  EXPECT_EQ(Caption("Frame4"), "Representação de um ponto");
  EXPECT_EQ(Caption("Frame6"), "Ponto médio de um segmento");
  EXPECT_EQ(Caption("Frame7"), "Distância entre dois pontos");
  EXPECT_EQ(Caption("Frame1"), "Mediatriz de um segmento");
  EXPECT_EQ(Ctl("Resolver1").tooltip, "Resolve o propblema.");
  EXPECT_EQ(Ctl("Resolver3").tooltip, "Resolve o propblema.");
  EXPECT_EQ(Ctl("Resolver6").tooltip, "Executar");
  EXPECT_EQ(Ctl("Resolver7").tooltip, "Executar");
  for (const char* dados : {"Dados3", "Dados6", "Dados7"}) {
    EXPECT_EQ(Caption(dados), "Dados");
    EXPECT_EQ(Ctl(dados).tooltip, "Desenha os dados do problema.");
  }
  for (int i = 1; i <= 7; ++i) {
    EXPECT_EQ(Ctl("Abcissa" + std::to_string(i)).tooltip, "Escreva aqui o valor da abcissa do ponto");
    EXPECT_EQ(Ctl("Ordenada" + std::to_string(i)).tooltip, "Escreva aqui o valor da ordenada do ponto");
  }
  for (const char* r : {"Resultado1", "Resultado2", "Resultado3"}) {
    EXPECT_EQ(Caption(r), "");
    EXPECT_TRUE(Ctl(r).font.bold);
    EXPECT_EQ(Ctl(r).foreColor, 0xFF0000);
  }
}

}  // namespace
