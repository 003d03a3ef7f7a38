// Typed circle equations read into centre and radius, the circle outline and the centre-radius text.
// The circles 1 window lends its scratch box TextA; the equation box is a free-standing control.
#include <gtest/gtest.h>

#include <cmath>

#include "CircleReader.h"
#include "ProblemTestSupport.h"
#include "RunTimeError.h"

namespace {

using namespace vl;
using namespace vl::problemtest;

class CircleReaderTest : public ProblemWindowTest {
 protected:
  CircleReaderTest() : ProblemWindowTest("Form4") { box.kind = ControlKind::TextBox; }

  std::optional<CircleData> Read(const std::string& typed, const CircleMessages& messages = {},
                                 const BeforeRadiusTests& hook = {}) {
    box.text = typed;
    return CircleEquationToCoefficients(Window(), box, messages, hook);
  }

  Control box;
};

TEST_F(CircleReaderTest, CirclesInEveryForm) {
  struct Case {
    const char *typed, *shown;
    double h, k, r;
  };
  const Case cases[] = {
      {"x^2+y^2-4x-6y-3=0", "x^2+y^2-4x-6y-3=0", 2, 3, 4},
      {"x^2 + y^2 = 25", "x^2+y^2=25", 0, 0, 5},
      {"2x^2+2y^2-8=0", "2x^2+2y^2-8=0", 0, 0, 2},
      {"(x+1)^2+(y-2)^2=25", "(x+1)^2+(y-2)^2=25", -1, 2, 5},
      {"-x^2-y^2+6x=0", "-x^2-y^2+6x=0", 3, 0, 3},
      {"x^2+y^2=2x+2y+2", "x^2+y^2=2x+2y+2", 1, 1, 2},
      {"X*X+Y*Y=16", "X*X+Y*Y=16", 0, 0, 4},
      {"(x-0.1)^2+(y-0.2)^2=1", "(x-0.1)^2+(y-0.2)^2=1", 0.1, 0.2, 1},
      {"x^2+y^2=0.1", "x^2+y^2=0.1", 0, 0, std::sqrt(0.1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const auto circle = Read(c.typed);
    ASSERT_TRUE(circle.has_value());
    EXPECT_EQ(box.text, c.shown);
    EXPECT_EQ(circle->h, c.h);
    EXPECT_EQ(circle->k, c.k);
    EXPECT_EQ(circle->r, c.r);
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(CircleReaderTest, QuadraticCoefficientsAndScratchText) {
  box.text = "3x^2+3y^2-6x+12y+2x*y-2=2x*y+1";
  const CircleQuadratic q = ReadCircleQuadratic(Window(), box);
  EXPECT_EQ(q.A, 3);
  EXPECT_EQ(q.B, 3);
  EXPECT_EQ(q.C, 0);
  EXPECT_EQ(q.D, -6);
  EXPECT_EQ(q.E, 12);
  EXPECT_EQ(q.F, -3);
  EXPECT_EQ(Caption("TextA"), "3x^2+3y^2-6x+12y+2x*y-2-(2x*y+1)");

  box.text = "=25";
  ReadCircleQuadratic(Window(), box);
  EXPECT_EQ(Caption("TextA"), "-(25)");
}

TEST_F(CircleReaderTest, VerdictsAndTheSharedCoefficientsTheyLeave) {
  struct Case {
    const char* typed;
    const char* message;
    double A, B, C;  // what the shared cells hold afterwards
  };
  const char* notCircle = "A equação não representa uma circunferência.";
  const Case cases[] = {
      {"(x-1)^2+(y+2)^2=0", "A equação representa um ponto.", 1, 1, 0},
      // d² + e² − 4f cancels to round-off with decimal data: still a point, not a tiny circle.
      {"(x-0.1)^2+(y-0.2)^2=0", "A equação representa um ponto.", 1, 1, 0},
      {"(x+0.3)^2+(y-0.7)^2=-0.0001", notCircle, 1, 1, 0},
      {"x^2+y^2+1=0", notCircle, 1, 1, 0},
      {"x^2+2y^2=4", notCircle, 1, 2, 0},
      {"x^2-y^2=1", notCircle, 1, -1, 0},
      {"x*y+x^2+y^2=1", notCircle, 1, 1, 1},
      {"x+y=1", notCircle, 0, 0, 0},
      {"x*x*x+y^2=1", notCircle, 3, 1, 0},  // passes the text test, fails A = B
      {"x^2+1.00000001y^2=1", notCircle, 1, 1.00000001, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Module1::CoefA = 99.0;
    EXPECT_FALSE(Read(c.typed).has_value());
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, c.message);
    EXPECT_EQ(messages[0].title, "Vantre Lomira");
    EXPECT_EQ(messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(Module1::CoefA.Number(), c.A);
    EXPECT_EQ(Module1::CoefB.Number(), c.B);
    EXPECT_EQ(Module1::CoefC.Number(), c.C);
  }
}

TEST_F(CircleReaderTest, TextTestComesBeforeAnyEvaluation) {
  for (const char* typed : {"x^3+y^2=1", "x^2+y^2>1", "x^2+y^2<1", "x^4=1", "x ^ 3 + z = 1"}) {
    SCOPED_TRACE(typed);
    Window()["TextA"].text = "untouched";
    // z is unknown to the interpreter: reaching an evaluation would raise instead.
    EXPECT_FALSE(Read(typed).has_value());
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "A equação não representa uma circunferência.");
    EXPECT_EQ(Caption("TextA"), "untouched");
  }
  EXPECT_EQ(box.text, "x^3+z=1");
}

TEST_F(CircleReaderTest, OwnMessagesReplaceTheDefaults) {
  const CircleMessages first{"A primeira equação não representa uma circunferência.",
                             "A primeira equação representa um ponto."};
  for (const char* typed : {"x^3=1", "x^2=1", "x^2+y^2=-4", "x^2+y^2=0"}) Read(typed, first);
  const auto messages = Messages();
  ASSERT_EQ(messages.size(), 4u);
  EXPECT_EQ(messages[0].text, first.notACircle);
  EXPECT_EQ(messages[1].text, first.notACircle);
  EXPECT_EQ(messages[2].text, first.notACircle);
  EXPECT_EQ(messages[3].text, first.aPoint);
}

TEST_F(CircleReaderTest, OtherInputsAreReadBetweenTheCoefficientAndRadiusTests) {
  int calls = 0;
  auto hook = [&] { ++calls; };
  Read("x^2+2y^2=1", {}, hook);
  EXPECT_EQ(calls, 0) << "not a circle by its coefficients: nothing more is read";
  Read("x^2+y^2=0", {}, hook);
  Read("x^2+y^2=-1", {}, hook);
  EXPECT_TRUE(Read("x^2+y^2=1", {}, hook).has_value());
  EXPECT_EQ(calls, 3);
  Messages();

  // A fault in those inputs comes before the point verdict.
  auto failing = [] { throw RunTimeError(1102, "Variável não definida: y", "Interpretador"); };
  EXPECT_THROW(Read("x^2+y^2=0", {}, failing), RunTimeError);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(CircleReaderTest, FaultsRaiseRunTimeErrors) {
  struct Case {
    const char* typed;
    int number;
  };
  for (const Case& c : {Case{"x^2+y^2-25", 5}, Case{"x^2+y^2=r^2", 1102}, Case{"x^2+(y^2=1", 1100},
                        Case{"x^2+y^2=1/(x-x)", 11}}) {
    SCOPED_TRACE(c.typed);
    try {
      Read(c.typed);
      ADD_FAILURE() << "no error";
    } catch (const RunTimeError& e) {
      EXPECT_EQ(e.Number(), c.number);
    }
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(CircleReaderTest, DecimalDataKeepsRealDifferences) {
  // Large constant terms do not swallow small square terms.
  const auto big = Read("6x^2+6y^2=10^13");
  ASSERT_TRUE(big.has_value());
  EXPECT_EQ(Module1::CoefA.Number(), 6);
  EXPECT_DOUBLE_EQ(big->r * big->r, 1e13 / 6);

  const auto shifted = Read("(x+0.3)^2+(y-0.7)^2=0.49");
  ASSERT_TRUE(shifted.has_value());
  EXPECT_EQ(shifted->h, -0.3);
  EXPECT_EQ(shifted->k, 0.7);
  EXPECT_NEAR(shifted->r, 0.7, 1e-15);

  // A small radius beside decimal data is not taken for noise.
  const auto tiny = Read("(x-0.1)^2+(y-0.2)^2=10^(-10)");
  ASSERT_TRUE(tiny.has_value());
  EXPECT_NEAR(tiny->r, 1e-5, 1e-12);
}

TEST_F(CircleReaderTest, OutlineIsAnUnfilledTwoPixelCircle) {
  Window().DrawPlane();
  DrawingArea& pic = Window().Picture1();
  pic.foreColor = 12;
  pic.drawWidth = 7;
  pic.fillTransparent = false;
  DrawCircleOutline(pic, {2, -3, 4}, kData);
  DrawCircleOutline(pic, {1, 1, -2.5});
  EXPECT_TRUE(pic.fillTransparent);
  EXPECT_EQ(pic.drawWidth, 2);
  EXPECT_EQ(pic.foreColor, 12) << "a colour passed with the circle leaves the pen";

  const auto blue = Drawn(DrawEntry::Op::Circle, kData);
  ASSERT_EQ(blue.size(), 1u);
  EXPECT_EQ(blue[0].x1, 2);
  EXPECT_EQ(blue[0].y1, -3);
  EXPECT_EQ(blue[0].r, 4);
  EXPECT_EQ(blue[0].width, 2);
  const auto red = Drawn(DrawEntry::Op::Circle, kResult);
  ASSERT_EQ(red.size(), 1u);
  EXPECT_EQ(red[0].r, 2.5) << "a negative radius draws its magnitude";
}

TEST(CentreRadiusCircleText, Texts) {
  EXPECT_EQ(CentreRadiusCircleText(2, -3, std::sqrt(289.0 / 13), false), "(x-2)^2 + (y+3)^2 = 22,23");
  EXPECT_EQ(CentreRadiusCircleText(-1, 0.5, 2, false), "(x+1)^2 + (y-0,5)^2 = 4");
  EXPECT_EQ(CentreRadiusCircleText(0, 0, 0, false), "(x-0)^2 + (y-0)^2 = 0");
  EXPECT_EQ(CentreRadiusCircleText(1.0 / 3, -2.0 / 3, 1, false), "(x-0,333333333333333)^2 + (y+0,666666666666667)^2 = 1");
  EXPECT_EQ(CentreRadiusCircleText(1.0 / 3, -2.0 / 3, 1, true), "(x-0,33)^2 + (y+0,67)^2 = 1");
  // A centre that rounds to -0 reads 0; a negative radius squares like its magnitude.
  EXPECT_EQ(CentreRadiusCircleText(-0.004, 5, -1.5, true), "(x-0)^2 + (y-5)^2 = 2,25");

  Control field;
  CentreRadiusCircleText(field, {-2, -1e-5, 3}, false);
  EXPECT_EQ(field.text, "(x+2)^2 + (y+1E-05)^2 = 9");
}

}  // namespace
