// The lines 2 window: distance between parallel lines, intersection, distance from a point to a
// line, and the angle of two lines.
#include <gtest/gtest.h>

#include "ProblemTestSupport.h"

namespace {

using namespace vl;
using namespace vl::problemtest;

class Lines2WindowTest : public ProblemWindowTest {
 protected:
  Lines2WindowTest() : ProblemWindowTest("Form3") {}

  void ExpectVerdict(const std::vector<MessageRecord>& messages, const char* text, const char* title) {
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, text);
    EXPECT_EQ(messages[0].title, title);
    EXPECT_EQ(messages[0].icon, MsgIcon::Information);
  }
};

// ---- Distance between parallel lines -----------------------------------------------------------

TEST_F(Lines2WindowTest, ParallelDistanceDesignData) {
  Click("Resolver1");
  // P = (0, -4/3) on line 1; H = (16/13, 20/39), the foot on 2x + 3y - 4 = 0; d = 8 / sqrt(13).
  EXPECT_EQ(Caption("Resultado2"), "2,22");
  const auto dots = Drawn(DrawEntry::Op::Point, kResult);
  ASSERT_EQ(dots.size(), 2u);
  EXPECT_EQ(dots[0].x1, 0);
  EXPECT_FLOAT_EQ(dots[0].y1, -4.0f / 3);
  EXPECT_FLOAT_EQ(dots[1].x1, 16.0f / 13);
  EXPECT_FLOAT_EQ(dots[1].y1, 20.0f / 39);
  EXPECT_EQ(dots[0].width, 7);
  const auto segment = Drawn(DrawEntry::Op::Line, kResult);
  ASSERT_EQ(segment.size(), 1u);
  EXPECT_EQ(segment[0].style, PenStyle::Dotted);
  EXPECT_EQ(segment[0].width, 1);
  EXPECT_FLOAT_EQ(segment[0].y1, -4.0f / 3);
  EXPECT_FLOAT_EQ(segment[0].x2, 16.0f / 13);
  EXPECT_EQ(Drawn(DrawEntry::Op::Line, kData).size(), 2u) << "both given lines in blue";
  EXPECT_FALSE(Window().SolveRequested);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Lines2WindowTest, ParallelDistanceOfVerticalHorizontalAndEqualLines) {
  struct Case {
    const char *first, *second, *distance;
    float x1, y1, x2, y2;  // the red dots
  };
  for (const Case& c : {Case{"x=1", "x=4", "3", 1, 0, 4, 0}, Case{"y=-2", "y=5", "7", 0, -2, 0, 5},
                        Case{"2y = 8", "-y=3", "7", 0, 4, 0, -3}}) {
    SCOPED_TRACE(c.first);
    Set("Text3", c.first);
    Set("Text4", c.second);
    Click("Resolver1");
    EXPECT_EQ(Caption("Resultado2"), c.distance);
    const auto dots = Drawn(DrawEntry::Op::Point, kResult);
    ASSERT_EQ(dots.size(), 2u);
    EXPECT_EQ(dots[0].x1, c.x1);
    EXPECT_EQ(dots[0].y1, c.y1);
    EXPECT_EQ(dots[1].x1, c.x2);
    EXPECT_EQ(dots[1].y1, c.y2);
    EXPECT_TRUE(Drawn(DrawEntry::Op::Line, kResult).empty()) << "no guides on the axes";
  }
  // The same oblique line twice: H is P itself.
  Set("Text3", "x-2y=6");
  Set("Text4", "x-2y=6");
  Click("Resolver1");
  EXPECT_EQ(Caption("Resultado2"), "0");
  // 3x + 4y = 0 and 3x + 4y = 12 lie 12/5 apart; from (0, 0) the foot is (36/25, 48/25).
  Set("Text3", "3x+4y=0");
  Set("Text4", "6x+8y=24");
  Click("Resolver1");
  EXPECT_EQ(Caption("Resultado2"), "2,4");
  const auto dots = Drawn(DrawEntry::Op::Point, kResult);
  ASSERT_EQ(dots.size(), 2u);
  EXPECT_FLOAT_EQ(dots[1].x1, 36.0f / 25);
  EXPECT_FLOAT_EQ(dots[1].y1, 48.0f / 25);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Lines2WindowTest, LinesThatAreNotParallel) {
  Set("Text4", "x-y=0");
  Click("Dados1");
  EXPECT_TRUE(Messages().empty()) << "the verdict belongs to the solve half";
  EXPECT_EQ(Drawn(DrawEntry::Op::Line, kData).size(), 2u);

  Click("Resolver1");
  ExpectVerdict(Messages(), "As rectas não são paralelas.", "Vantre lomira");
  EXPECT_TRUE(ProblemEntries().empty()) << "the plane is redrawn empty";
  EXPECT_FALSE(List().empty());
  EXPECT_EQ(Caption("Resultado2"), "");
  EXPECT_FALSE(Window().SolveRequested);
}

TEST_F(Lines2WindowTest, ParallelDistanceToANonLineDividesByZero) {
  Set("Text3", "3=0");
  Set("Text4", "2x+3y=1");
  Click("Resolver1");
  const auto messages = Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, "A equação que indicou não é a de uma recta.");
  EXPECT_EQ(messages[1].text, "Erro:\r\n\r\nDivisão por zero");
  EXPECT_EQ(messages[1].icon, MsgIcon::None);
  EXPECT_EQ(Caption("Resultado2"), "");
  EXPECT_FALSE(Window().SolveRequested);
}

// ---- Intersection of two lines -----------------------------------------------------------------

TEST_F(Lines2WindowTest, IntersectionDesignData) {
  Click("Resolver3");
  EXPECT_EQ(Caption("Resultado1"), "(-1,05 , -0,63)");
  const auto dots = Drawn(DrawEntry::Op::Point, kResult);
  ASSERT_EQ(dots.size(), 1u);
  EXPECT_FLOAT_EQ(dots[0].x1, -20.0f / 19);
  EXPECT_FLOAT_EQ(dots[0].y1, -12.0f / 19);
  const auto guides = Drawn(DrawEntry::Op::Line, kResult);
  ASSERT_EQ(guides.size(), 2u);
  EXPECT_TRUE(IsLine(guides[0], -20.0f / 19, 0, -20.0f / 19, -12.0f / 19));
  EXPECT_TRUE(IsLine(guides[1], 0, -12.0f / 19, -20.0f / 19, -12.0f / 19));
  EXPECT_EQ(guides[0].style, PenStyle::Dotted);
  EXPECT_FALSE(Window().SolveRequested);
}

TEST_F(Lines2WindowTest, IntersectionOnAnAxisAndNoCrossing) {
  Set("Text1", "x+y=2");
  Set("Text2", "x-y=2");
  Click("Resolver3");
  EXPECT_EQ(Caption("Resultado1"), "(2 , 0)");
  const auto dots = Drawn(DrawEntry::Op::Point, kResult);
  ASSERT_EQ(dots.size(), 1u);
  EXPECT_EQ(dots[0].x1, 2);
  EXPECT_EQ(dots[0].y1, 0);

  struct Case {
    const char *first, *second, *verdict;
  };
  for (const Case& c :
       {Case{"y=1", "y=2", "As rectas são paralelas."}, Case{"x-y+4=0", "2x-2y-1=0", "As rectas são paralelas."},
        Case{"x-y+4=0", "2x-2y+8=0", "As rectas são coincidentes."}, Case{"x=3", "2x=6", "As rectas são coincidentes."},
        // Typed decimals read without the reader's round-off still compare equal.
        Case{"y=0.1x+0.3", "y=0.1x+0.7", "As rectas são paralelas."}}) {
    SCOPED_TRACE(c.first);
    Set("Text1", c.first);
    Set("Text2", c.second);
    Click("Resolver3");
    EXPECT_EQ(Caption("Resultado1"), c.verdict);
    EXPECT_TRUE(Drawn(DrawEntry::Op::Point, kResult).empty());
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(Window().SolveRequested);
  }
}

TEST_F(Lines2WindowTest, EquationWithoutXAndYCountsAsParallel) {
  // The drawing reports the missing line and the handler goes on: with a1 = b1 = 0 the determinant
  // is 0, and the numerators decide (3=0 against y=1: Nx = 1·3 − 0 = 3; x=x has c1 = 0, so both are 0).
  struct Case {
    const char *first, *verdict;
  };
  for (const Case& c : {Case{"3=0", "As rectas são paralelas."}, Case{"x=x", "As rectas são coincidentes."}}) {
    SCOPED_TRACE(c.first);
    Set("Text1", c.first);
    Set("Text2", "y=1");
    Click("Resolver3");
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "A equação que indicou não é a de uma recta.");
    EXPECT_EQ(Caption("Resultado1"), c.verdict);
    EXPECT_EQ(Drawn(DrawEntry::Op::Line, kData).size(), 1u);
    EXPECT_FALSE(Window().SolveRequested);
  }
  // The angle frame gives its parallel verdict after the drawing's message.
  Set("Text6", "3=0");
  Set("Text7", "x+y=1");
  Click("Resolver5");
  const auto messages = Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, "A equação que indicou não é a de uma recta.");
  EXPECT_EQ(messages[1].text, "As rectas paralelas.");
  EXPECT_EQ(Caption("Resultado4"), "");
  EXPECT_FALSE(Window().SolveRequested);
}

// ---- Distance from a point to a line -----------------------------------------------------------

TEST_F(Lines2WindowTest, PointLineDistanceDesignData) {
  Click("Resolver4");
  // The foot of (-2, 5) on 3x - 4y = 24 is (4, -3): 6 across and 8 down.
  EXPECT_EQ(Caption("Resultado3"), "10");
  const auto red = Drawn(DrawEntry::Op::Line, kResult);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_TRUE(IsLine(red[0], -2, 5, 4, -3));
  EXPECT_EQ(red[0].width, 2);
  EXPECT_EQ(red[0].style, PenStyle::Solid);
  // The point with its guides, then the line, in blue.
  const auto blue = Drawn(DrawEntry::Op::Line, kData);
  ASSERT_EQ(blue.size(), 3u);
  EXPECT_TRUE(IsLine(blue[0], -2, 0, -2, 5));
  EXPECT_EQ(blue[2].width, 2);
  EXPECT_EQ(Drawn(DrawEntry::Op::Point, kData).size(), 1u);
  EXPECT_FALSE(Window().SolveRequested);
}

TEST_F(Lines2WindowTest, PointLineDistanceTexts) {
  struct Case {
    const char *line, *x, *y, *text;
  };
  for (const Case& c : {Case{"x+y-1=0", "0", "0", "sqr(0,5)"}, Case{"3x-4y=24", "8", "0", "0"},
                        // y = 2x from (5, 0): foot (1, 2), s = 16 + 4.
                        Case{"y=2x", "5", "0", "sqr(20)"}, Case{"x = 2", " sqr(4)+3 ", "7", "3"}}) {
    SCOPED_TRACE(c.line);
    Set("Text5", c.line);
    Set("Abcissa1", c.x);
    Set("Ordenada1", c.y);
    Click("Resolver4");
    EXPECT_EQ(Caption("Resultado3"), c.text);
    EXPECT_TRUE(Messages().empty());
  }
  EXPECT_EQ(Caption("Text5"), "x=2");
}

TEST_F(Lines2WindowTest, PointLineDistanceFaults) {
  // No line: the drawing says so, then the foot cannot be found.
  Set("Text5", "3=0");
  Click("Resolver4");
  auto messages = Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, "A equação que indicou não é a de uma recta.");
  EXPECT_EQ(messages[1].text.substr(0, 9), "Erro:\r\n\r\n");
  EXPECT_EQ(Caption("Resultado3"), "");
  EXPECT_FALSE(Window().SolveRequested);

  // A bad point is read after the line and before the plane is redrawn.
  Set("Text5", "3x-4y=24");
  Click("Dados4");
  const auto before = List().size();
  Set("Ordenada1", "y");
  Click("Resolver4");
  messages = Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Erro:\r\n\r\nVariável não definida: y");
  EXPECT_EQ(List().size(), before);
  EXPECT_FALSE(Window().SolveRequested);
}

// ---- Angle of two lines ------------------------------------------------------------------------

TEST_F(Lines2WindowTest, AngleResults) {
  struct Case {
    const char *first, *second, *text;
  };
  for (const Case& c : {Case{"2x-5y=3", "x+3y=0", "40º  14'  10,89''"}, Case{"x+y=0", "y=0", "45º  0'  0''"},
                        Case{"2x+y=1", "x-2y=4", "90º"}, Case{"x=0", "y=7", "90º"},
                        // Normals (1, 0) and (-1, 1) make 135°; the acute 45° is given.
                        Case{"x=0", "y=x", "45º  0'  0''"},
                        // Perpendicular with huge coefficients: a1·a2 + b1·b2 cancels to 0 while
                        // a1·b2 − a2·b1 = −2.88E+308 would overflow; the right angle needs no cross product.
                        Case{"x*12*10^(153)+y*12*10^(153)=0", "x*12*10^(153)-y*12*10^(153)=0", "90º"}}) {
    SCOPED_TRACE(c.first);
    Set("Text6", c.first);
    Set("Text7", c.second);
    Click("Resolver5");
    EXPECT_EQ(Caption("Resultado4"), c.text);
    EXPECT_TRUE(Drawn(DrawEntry::Op::Point, kResult).empty());
    EXPECT_TRUE(Drawn(DrawEntry::Op::Line, kResult).empty());
    EXPECT_EQ(Drawn(DrawEntry::Op::Line, kData).size(), 2u);
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(Window().SolveRequested);
  }
}

TEST_F(Lines2WindowTest, AngleOfParallelOrCoincidentLines) {
  for (const char* second : {"2x+2y=5", "3x+3y=3"}) {
    SCOPED_TRACE(second);
    Set("Text6", "x+y=1");
    Set("Text7", second);
    Click("Dados5");
    EXPECT_TRUE(Messages().empty());
    Click("Resolver5");
    ExpectVerdict(Messages(), "As rectas paralelas.", "Vantre Lomira");
    EXPECT_TRUE(ProblemEntries().empty());
    EXPECT_EQ(Caption("Resultado4"), "");
    EXPECT_FALSE(Window().SolveRequested);
  }
}

// ---- What the four frames share ----------------------------------------------------------------

TEST_F(Lines2WindowTest, DadosDrawsDataOnlyAndEmptiesTheResult) {
  struct Case {
    const char *dados, *resolver, *result;
    std::size_t blueLines;
  };
  for (const Case& c : {Case{"Dados1", "Resolver1", "Resultado2", 2}, Case{"Dados3", "Resolver3", "Resultado1", 2},
                        Case{"Dados4", "Resolver4", "Resultado3", 3}, Case{"Dados5", "Resolver5", "Resultado4", 2}}) {
    SCOPED_TRACE(c.dados);
    Click(c.resolver);
    ASSERT_NE(Caption(c.result), "");
    Click(c.dados);
    EXPECT_EQ(Caption(c.result), "");
    EXPECT_EQ(Drawn(DrawEntry::Op::Line, kData).size(), c.blueLines);
    for (const DrawEntry& e : Drawn(DrawEntry::Op::Line, kData)) {
      if (e.style == PenStyle::Solid) {
        EXPECT_EQ(e.width, 2);
      }
    }
    EXPECT_TRUE(Drawn(DrawEntry::Op::Line, kResult).empty());
    EXPECT_TRUE(Drawn(DrawEntry::Op::Point, kResult).empty());
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Lines2WindowTest, RejectedEquationStopsBeforeTheDrawing) {
  struct Case {
    const char *box, *typed, *other, *dados, *result;
  };
  for (const Case& c : {Case{"Text4", "y > x", "Text3", "Resolver1", "Resultado2"},
                        Case{"Text1", "y=x^2", "Text2", "Resolver3", "Resultado1"},
                        Case{"Text5", "x^3 = y", "", "Resolver4", "Resultado3"},
                        Case{"Text7", "x<1", "Text6", "Resolver5", "Resultado4"}}) {
    SCOPED_TRACE(c.typed);
    Click("Resolver4");  // something to keep on the plane
    Messages();
    const auto before = List().size();
    const std::string kept = Caption(c.box);
    if (*c.other) Set(c.other, std::string(" ") + Caption(c.other) + " ");
    Set(c.box, c.typed);
    Click(c.dados);
    ExpectVerdict(Messages(), "A equação não representa uma recta.", "Vantre Lomira");
    EXPECT_EQ(List().size(), before);
    EXPECT_EQ(Caption(c.result), "");
    EXPECT_EQ(Caption(c.box).find(' '), std::string::npos);
    // Both boxes are cleaned before either is tested.
    if (*c.other) {
      EXPECT_EQ(Caption(c.other).find(' '), std::string::npos);
    }
    EXPECT_FALSE(Window().SolveRequested);
    Set(c.box, kept);
  }
  // Two rejected boxes give one message.
  Set("Text6", "x^2=y");
  Set("Text7", "x^3=y");
  Click("Resolver5");
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(Lines2WindowTest, ControlsAndTexts) {
  struct Box {
    const char *name, *text;
  };
  for (const Box& b : {Box{"Text3", "2x+3y+4=0"}, Box{"Text4", "2x+3y-4=0"}, Box{"Text1", "2x+3y+4=0"},
                       Box{"Text2", "5x-2y+4=0"}, Box{"Text5", "3x-4y=24"}, Box{"Abcissa1", "-2"},
                       Box{"Ordenada1", "5"}, Box{"Text6", "2x-5y=3"}, Box{"Text7", "x+3y=0"}}) {
    EXPECT_EQ(Caption(b.name), b.text) << b.name;
    EXPECT_EQ(Ctl(b.name).kind, ControlKind::TextBox);
  }
  EXPECT_EQ(Caption("Frame4"), "Distância entre rectas paralelas");
  EXPECT_EQ(Caption("Frame6"), "Intersecção de duas rectas");
  EXPECT_EQ(Caption("Frame1"), "Distância de um ponto a uma recta");
  EXPECT_EQ(Caption("Frame8"), "Ângulo de duas rectas");
  for (const char* d : {"Dados1", "Dados3", "Dados4", "Dados5"}) {
    EXPECT_EQ(Caption(d), "Dados");
    EXPECT_EQ(Ctl(d).tooltip, "Desenha os dados do problema.");
  }
  for (const char* r : {"Resolver1", "Resolver3", "Resolver4", "Resolver5"}) {
    EXPECT_EQ(Caption(r), "Resolver");
    EXPECT_EQ(Ctl(r).tooltip, "Resolve o propblema.");
  }
  for (const char* r : {"Resultado1", "Resultado2", "Resultado3", "Resultado4"}) {
    EXPECT_EQ(Ctl(r).kind, ControlKind::Label);
    EXPECT_EQ(Caption(r), "");
  }
  // Every problem control lies in the panel below "Eixos" and inside the window.
  for (const auto& c : Window().Controls()) {
    if (c->kind != ControlKind::Frame || c->name.rfind("Frame", 0) != 0) continue;
    if (c->top < TopicWindow::kProblemsTop) continue;
    EXPECT_GE(c->left, TopicWindow::kPanelLeft) << c->name;
    EXPECT_LE(c->left + c->width, TopicWindow::kPanelLeft + TopicWindow::kPanelWidth) << c->name;
    EXPECT_LE(c->top + c->height, TopicWindow::kClientHeight) << c->name;
  }
}

}  // namespace
