// The lines 1 window: a line from its equation, through two points, parallel and perpendicular.
#include <gtest/gtest.h>

#include "ProblemTestSupport.h"

namespace {

using namespace vl;
using namespace vl::problemtest;

class Lines1WindowTest : public ProblemWindowTest {
 protected:
  Lines1WindowTest() : ProblemWindowTest("Form2") {}
};

TEST_F(Lines1WindowTest, EquationIsDrawnInRed) {
  Click("Command3");
  // 2x - 3y + 4 = 0 leaves the inset square through its sides: y(9) = 22/3, y(-9) = -14/3.
  const auto red = Drawn(DrawEntry::Op::Line, kResult);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_FLOAT_EQ(red[0].x1, 9);
  EXPECT_FLOAT_EQ(red[0].y1, 22.0f / 3);
  EXPECT_FLOAT_EQ(red[0].x2, -9);
  EXPECT_FLOAT_EQ(red[0].y2, -14.0f / 3);
  EXPECT_EQ(red[0].width, 2);
  EXPECT_EQ(red[0].style, PenStyle::Solid);
  EXPECT_EQ(ProblemEntries().size(), 1u);

  // A rejected text keeps the drawing as it was.
  const auto before = List().size();
  Set("Text1", "y = x^2");
  Click("Command3");
  EXPECT_EQ(Caption("Text1"), "y=x^2");
  EXPECT_EQ(Messages().at(0).text, "A equação não representa uma recta.");
  EXPECT_EQ(List().size(), before);
}

TEST_F(Lines1WindowTest, DesignDataResults) {
  struct Case {
    const char *resolver, *field, *text;
    double a, b, c;
  };
  // After the text is built a coefficient 1 or -1 would be held as text; none of these is.
  for (const Case& c : {Case{"Resolver1", "Resultado1", "6x+7y-9=0", 6, 7, -9},
                        Case{"Resolver4", "Resultado2", "2x+3y-13=0", 2, 3, -13},
                        Case{"Resolver5", "Resultado3", "3x-2y=0", 3, -2, 0}}) {
    SCOPED_TRACE(c.resolver);
    Click(c.resolver);
    EXPECT_EQ(Caption(c.field), c.text);
    EXPECT_EQ(Module1::EquationText, c.text);
    EXPECT_EQ(Module1::CoefA.Number(), c.a);
    EXPECT_EQ(Module1::CoefB.Number(), c.b);
    EXPECT_EQ(Module1::CoefC.Number(), c.c);
    EXPECT_EQ(Drawn(DrawEntry::Op::Line, kResult).size(), 1u);
    EXPECT_FALSE(Window().SolveRequested);
    EXPECT_TRUE(Messages().empty());
  }
}

TEST_F(Lines1WindowTest, ResultLineIsDrawnUnroundedAndKeptRounded) {
  // x/2 + y/3 = 1, perpendicular through the origin: x/3 - y/2 = 0, i.e. y = 2x/3, cut at the side
  // edges at (9, 6) and (-9, -6). From the rounded 0.33 the ends would be at y = 5.94.
  Set("Text7", "x/2+y/3=1");
  Set("Abcissa4", "0");
  Set("Ordenada4", "0");
  Click("Resolver5");
  EXPECT_EQ(Caption("Resultado3"), "0,33x-0,5y=0");
  const auto red = Drawn(DrawEntry::Op::Line, kResult);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_TRUE(IsLine(red[0], 9, 6, -9, -6));
  EXPECT_EQ(Module1::CoefA.Number(), 0.33);
  EXPECT_EQ(Module1::CoefB.Number(), -0.5);
  EXPECT_EQ(Module1::CoefC.Number(), 0);

  // y = 2x + 1 through (1, 1): x + 2y - 3 = 0; the coefficient 1 is then held as its empty text.
  Set("Text7", "y=2x+1");
  Set("Abcissa4", "1");
  Set("Ordenada4", "1");
  Click("Resolver5");
  EXPECT_EQ(Caption("Resultado3"), "x+2y-3=0");
  EXPECT_FALSE(Module1::CoefA.IsNumber());
  EXPECT_EQ(Text(Module1::CoefA), "");
  EXPECT_EQ(Module1::CoefB.Number(), 2);
  EXPECT_EQ(Module1::CoefC.Number(), -3);
}

TEST_F(Lines1WindowTest, DadosDrawsDataAndEmptiesTheResult) {
  Click("Resolver4");
  ASSERT_NE(Caption("Resultado2"), "");
  Click("Dados4");
  EXPECT_EQ(Caption("Resultado2"), "");
  EXPECT_TRUE(Drawn(DrawEntry::Op::Line, kResult).empty());
  const auto points = Drawn(DrawEntry::Op::Point, kData);
  ASSERT_EQ(points.size(), 1u);
  EXPECT_EQ(points[0].x1, 2);
  EXPECT_EQ(points[0].y1, 3);
  // The given line 2x + 3y - 1 = 0 in blue, 2 pixels: y(9) = -17/3, and x(-9) = 14 is cut at x = 9.
  const auto blue = Drawn(DrawEntry::Op::Line, kData);
  ASSERT_EQ(blue.size(), 3u);
  EXPECT_EQ(blue[2].width, 2);
  EXPECT_FLOAT_EQ(blue[2].x1, -9);
  EXPECT_FLOAT_EQ(blue[2].y1, 19.0f / 3);
  EXPECT_FLOAT_EQ(blue[2].x2, 9);
  EXPECT_FLOAT_EQ(blue[2].y2, -17.0f / 3);
}

TEST_F(Lines1WindowTest, EqualPointsGiveNoLine) {
  Set("Abcissa2", "5");
  Set("Ordenada2", "-3");
  Click("Resolver1");
  const auto messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Não há recta nessas condições. Altere as coordenadas dos pontos.");
  EXPECT_EQ(messages[0].title, "Vantre lomira");
  EXPECT_EQ(messages[0].icon, MsgIcon::Information);
  EXPECT_TRUE(ProblemEntries().empty());
  EXPECT_FALSE(List().empty()) << "the fresh plane";
  EXPECT_EQ(Caption("Resultado1"), "");
  EXPECT_FALSE(Window().SolveRequested);
  Click("Dados5");
  EXPECT_EQ(Caption("Resultado3"), "");
}

TEST_F(Lines1WindowTest, TypedLinesInOtherForms) {
  struct Case {
    const char *typed, *x, *y, *parallel, *perpendicular;
  };
  // y = 2x + 1 through (1, 1): -2x + y + 1 = 0 and x + 2y - 3 = 0; x = 2 through (0, 4): x = 0 and y = 4.
  for (const Case& c :
       {Case{"y = 2x + 1", "1", "1", "-2x+y+1=0", "x+2y-3=0"}, Case{"3x=6", "0", "4", "3x+0y=0", "0x-3y+12=0"},
        Case{"y=0.1x+0.3", "0", "0.7", "-0,1x+y-0,7=0", "x+0,1y-0,07=0"},
        Case{"x/2+y/3=1", "sqr(4)", "-pi+pi", "0,5x+0,33y-1=0", "0,33x-0,5y-0,67=0"}}) {
    SCOPED_TRACE(c.typed);
    Set("Text5", c.typed);
    Set("Text7", c.typed);
    Set("Abcissa3", c.x);
    Set("Ordenada3", c.y);
    Set("Abcissa4", c.x);
    Set("Ordenada4", c.y);
    Click("Resolver4");
    EXPECT_EQ(Caption("Resultado2"), c.parallel);
    Click("Resolver5");
    EXPECT_EQ(Caption("Resultado3"), c.perpendicular);
    EXPECT_TRUE(Messages().empty());
  }
}

TEST_F(Lines1WindowTest, EquationWithoutXOrY) {
  Set("Text5", "3=0");
  Click("Resolver4");
  const auto messages = Messages();
  ASSERT_EQ(messages.size(), 2u) << "the given line and the parallel";
  for (const auto& m : messages) EXPECT_EQ(m.text, "A equação que indicou não é a de uma recta.");
  EXPECT_EQ(Caption("Resultado2"), "0x+0y=0");
  EXPECT_FALSE(Window().SolveRequested);
}

TEST_F(Lines1WindowTest, FaultsEndInTheErrorBox) {
  struct Case {
    const char *box, *text, *button, *message;
    bool beforeThePlane;  // the fault comes before the plane is redrawn
  };
  Click("Command3");  // something on the plane that a fault before the redrawing must leave
  for (const Case& c : {Case{"Text5", "2x+3y", "Resolver4", "Erro:\r\n\r\nArgumento inválido", true},
                        Case{"Text7", "2x+3z=1", "Resolver5", "Erro:\r\n\r\nVariável não definida: z", true},
                        Case{"Ordenada3", "y", "Resolver4", "Erro:\r\n\r\nVariável não definida: y", true},
                        Case{"Abcissa1", "1/0", "Resolver1", "Erro:\r\n\r\nDivisão por zero", false},
                        Case{"Xmin", "abc", "Resolver5", "Erro:\r\n\r\nTipos incompatíveis", false}}) {
    SCOPED_TRACE(c.text);
    const std::string kept = Caption(c.box);
    const auto before = List().size();
    Set(c.box, c.text);
    Click(c.button);
    if (c.beforeThePlane) {
      EXPECT_EQ(List().size(), before);
      EXPECT_EQ(Drawn(DrawEntry::Op::Line, kResult).size(), 1u) << "the drawn equation stays";
    }
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, c.message);
    EXPECT_EQ(messages[0].title, "Vantre Lomira");
    EXPECT_EQ(messages[0].icon, MsgIcon::None);
    EXPECT_FALSE(Window().SolveRequested);
    if (!c.beforeThePlane) {
      EXPECT_TRUE(Drawn(DrawEntry::Op::Line, kResult).empty());
    }
    Set(c.box, kept);
  }
  // A rejected equation on "Resolver" lowers the flag as well.
  Set("Text7", "x^2=y");
  Click("Resolver5");
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_FALSE(Window().SolveRequested);
  EXPECT_EQ(Caption("Resultado3"), "");
}

TEST_F(Lines1WindowTest, LabelsOnAWideRange) {
  SetRange("-30", "30", "-30", "30");
  Click("Dados1");
  EXPECT_EQ(Drawn(DrawEntry::Op::Text, kData).size(), 4u);
  Click("Dados4");
  EXPECT_EQ(Drawn(DrawEntry::Op::Text, kData).size(), 2u);
  Click("Dados5");
  EXPECT_TRUE(Drawn(DrawEntry::Op::Text, kData).empty()) << "Q's labels come with the solution";
  Click("Resolver5");
  const auto labels = Drawn(DrawEntry::Op::Text, kData);
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(labels[0].text, " 2");
  EXPECT_EQ(labels[1].text, " 3");
  EXPECT_TRUE(Drawn(DrawEntry::Op::Text, kResult).empty());
}

TEST_F(Lines1WindowTest, ControlsAndTexts) {
  EXPECT_EQ(Caption("Frame6"), "Recta de equação...");
  EXPECT_EQ(Caption("Frame4"), "Recta que passa por dois pontos");
  EXPECT_EQ(Caption("Frame1"), "Recta que passa por um ponto e é paralela a outra");
  EXPECT_EQ(Caption("Frame8"), "Recta que passa por um ponto e é perpendicular a outra");
  EXPECT_EQ(Caption("Text1"), "2x-3y+4=0");
  EXPECT_EQ(Caption("Text5"), "2x+3y-1=0");
  EXPECT_EQ(Caption("Text7"), "2x+3y-1=0");
  EXPECT_EQ(Caption("Command3"), "Resolver");
  for (const char* r : {"Command3", "Resolver1", "Resolver4", "Resolver5"}) EXPECT_EQ(Ctl(r).tooltip, "Executar");
  for (const char* d : {"Dados1", "Dados4", "Dados5"}) EXPECT_EQ(Ctl(d).tooltip, "Desenha os dados do problema.");
  EXPECT_FALSE(Ctl("Text3").visible);
}

}  // namespace
