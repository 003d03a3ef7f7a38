// Typed circle equations read into centre and radius, text in and a circle or a verdict out; the
// circle outline and the centre-radius text.
#include <gtest/gtest.h>

#include <cmath>
#include <variant>

#include "CircleReader.h"
#include "ProblemDrawing.h"
#include "ProblemTestSupport.h"
#include "ResultTexts.h"
#include "RunTimeError.h"

namespace {

using namespace vl;
using namespace vl::problemtest;

const char* const kNotCircle = "A equação não representa uma circunferência.";

std::optional<geo::Circle> Circle(const std::string& typed) {
  const auto read = CircleEquationToCoefficients(typed);
  if (const auto* circle = std::get_if<geo::Circle>(&read)) return *circle;
  return std::nullopt;
}

std::string VerdictOf(const std::string& typed, const CircleMessages& messages = {}) {
  const auto read = CircleEquationToCoefficients(typed, messages);
  const auto* verdict = std::get_if<Verdict>(&read);
  if (!verdict) return "(a circle)";
  EXPECT_EQ(verdict->title, "Vantre Lomira");
  return verdict->text;
}

CircleQuadratic Quadratic(const std::string& typed) {
  return CircleQuadraticOf(EquationDifferenceText(CleanEquationText(typed)));
}

TEST(CircleReader, CirclesInEveryForm) {
  struct Case {
    const char* typed;
    double h, k, r;
  };
  const Case cases[] = {
      {"x^2+y^2-4x-6y-3=0", 2, 3, 4},
      {"x^2 + y^2 = 25", 0, 0, 5},
      {"2x^2+2y^2-8=0", 0, 0, 2},
      {"(x+1)^2+(y-2)^2=25", -1, 2, 5},
      {"-x^2-y^2+6x=0", 3, 0, 3},
      {"x^2+y^2=2x+2y+2", 1, 1, 2},
      {"X*X+Y*Y=16", 0, 0, 4},
      {"(x-0.1)^2+(y-0.2)^2=1", 0.1, 0.2, 1},
      {"x^2+y^2=0.1", 0, 0, std::sqrt(0.1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const auto circle = Circle(c.typed);
    ASSERT_TRUE(circle.has_value());
    EXPECT_EQ(circle->h, c.h);
    EXPECT_EQ(circle->k, c.k);
    EXPECT_EQ(circle->r, c.r);
  }
}

TEST(CircleReader, QuadraticCoefficientsAndDifferenceText) {
  const std::string cleaned = CleanEquationText("3x^2+3y^2-6x+12y+2x*y-2 = 2x*y+1");
  EXPECT_EQ(cleaned, "3x^2+3y^2-6x+12y+2x*y-2=2x*y+1");
  EXPECT_EQ(EquationDifferenceText(cleaned), "3x^2+3y^2-6x+12y+2x*y-2-(2x*y+1)");
  const CircleQuadratic q = CircleQuadraticOf(EquationDifferenceText(cleaned));
  EXPECT_EQ(q.A, 3);
  EXPECT_EQ(q.B, 3);
  EXPECT_EQ(q.C, 0);
  EXPECT_EQ(q.D, -6);
  EXPECT_EQ(q.E, 12);
  EXPECT_EQ(q.F, -3);
  EXPECT_EQ(EquationDifferenceText("=25"), "-(25)");
}

TEST(CircleReader, VerdictsAndTheSquareTermsBehindThem) {
  struct Case {
    const char* typed;
    const char* message;
    double A, B, C;  // the x², y² and x·y terms, which the windows leave in the shared cells
  };
  const Case cases[] = {
      {"(x-1)^2+(y+2)^2=0", "A equação representa um ponto.", 1, 1, 0},
      // d² + e² − 4f cancels to round-off with decimal data: still a point, not a tiny circle.
      {"(x-0.1)^2+(y-0.2)^2=0", "A equação representa um ponto.", 1, 1, 0},
      {"(x+0.3)^2+(y-0.7)^2=-0.0001", kNotCircle, 1, 1, 0},
      {"x^2+y^2+1=0", kNotCircle, 1, 1, 0},
      {"x^2+2y^2=4", kNotCircle, 1, 2, 0},
      {"x^2-y^2=1", kNotCircle, 1, -1, 0},
      {"x*y+x^2+y^2=1", kNotCircle, 1, 1, 1},
      {"x+y=1", kNotCircle, 0, 0, 0},
      {"x*x*x+y^2=1", kNotCircle, 3, 1, 0},  // passes the text test, fails A = B
      {"x^2+1.00000001y^2=1", kNotCircle, 1, 1.00000001, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(VerdictOf(c.typed), c.message);
    const CircleQuadratic q = Quadratic(c.typed);
    EXPECT_EQ(q.A, c.A);
    EXPECT_EQ(q.B, c.B);
    EXPECT_EQ(q.C, c.C);
  }
}

TEST(CircleReader, TextTestComesBeforeAnyEvaluation) {
  // z is unknown to the interpreter: reaching an evaluation would raise instead.
  for (const char* typed : {"x^3+y^2=1", "x^2+y^2>1", "x^2+y^2<1", "x^4=1", "x ^ 3 + z = 1"}) {
    SCOPED_TRACE(typed);
    EXPECT_EQ(VerdictOf(typed), kNotCircle);
  }
}

TEST(CircleReader, OwnMessagesReplaceTheDefaults) {
  const CircleMessages first{"A primeira equação não representa uma circunferência.",
                             "A primeira equação representa um ponto."};
  EXPECT_EQ(VerdictOf("x^3=1", first), first.notACircle);
  EXPECT_EQ(VerdictOf("x^2=1", first), first.notACircle);
  EXPECT_EQ(VerdictOf("x^2+y^2=-4", first), first.notACircle);
  EXPECT_EQ(VerdictOf("x^2+y^2=0", first), first.aPoint);
}

TEST(CircleReader, FaultsRaiseRunTimeErrors) {
  struct Case {
    const char* typed;
    int number;
  };
  for (const Case& c :
       {Case{"x^2+y^2-25", 5}, Case{"x^2+y^2=r^2", 1102}, Case{"x^2+(y^2=1", 1100}, Case{"x^2+y^2=1/(x-x)", 11}}) {
    SCOPED_TRACE(c.typed);
    try {
      CircleEquationToCoefficients(c.typed);
      ADD_FAILURE() << "no error";
    } catch (const RunTimeError& e) {
      EXPECT_EQ(e.Number(), c.number);
    }
  }
}

TEST(CircleReader, DecimalDataKeepsRealDifferences) {
  // Large constant terms do not swallow small square terms.
  const auto big = Circle("6x^2+6y^2=10^13");
  ASSERT_TRUE(big.has_value());
  EXPECT_EQ(Quadratic("6x^2+6y^2=10^13").A, 6);
  EXPECT_DOUBLE_EQ(big->r * big->r, 1e13 / 6);

  const auto shifted = Circle("(x+0.3)^2+(y-0.7)^2=0.49");
  ASSERT_TRUE(shifted.has_value());
  EXPECT_EQ(shifted->h, -0.3);
  EXPECT_EQ(shifted->k, 0.7);
  EXPECT_NEAR(shifted->r, 0.7, 1e-15);

  // A small radius beside decimal data is not taken for noise.
  const auto tiny = Circle("(x-0.1)^2+(y-0.2)^2=10^(-10)");
  ASSERT_TRUE(tiny.has_value());
  EXPECT_NEAR(tiny->r, 1e-5, 1e-12);
}

// In a window: the box shows its cleaned text, the scratch box the difference, the cells the square
// terms; other inputs are read between the term and radius verdicts.
class CircleBoxTest : public ProblemWindowTest {
 protected:
  CircleBoxTest() : ProblemWindowTest("Form4") {}
};

TEST_F(CircleBoxTest, TheWindowShowsWhatWasRead) {
  Set("Text4", "x^2 + 2y^2 = 4");
  Click("Resolver4");
  ExpectOneMessage(kNotCircle, "Vantre Lomira", MsgIcon::Information);
  EXPECT_EQ(Caption("Text4"), "x^2+2y^2=4");
  EXPECT_EQ(Caption("TextA"), "x^2+2y^2-(4)");
  EXPECT_EQ(Module1::CoefA.Number(), 1);
  EXPECT_EQ(Module1::CoefB.Number(), 2);
  EXPECT_EQ(Module1::CoefC.Number(), 0);
}

TEST_F(CircleBoxTest, OtherInputsAreReadBetweenTheTermAndRadiusVerdicts) {
  Set("Abcissa2", "y");  // unknown to the interpreter
  Set("Text4", "x^2+2y^2=1");
  Click("Resolver4");
  ExpectOneMessage(kNotCircle, "Vantre Lomira", MsgIcon::Information);  // P is not read
  // A fault in P comes before the point verdict.
  Set("Text4", "x^2+y^2=0");
  Click("Resolver4");
  ExpectOneMessage("Erro:\r\n\r\nVariável não definida: y", "Vantre Lomira", MsgIcon::None);
  Set("Abcissa2", "0");
  Click("Resolver4");
  ExpectOneMessage("A equação representa um ponto.", "Vantre Lomira", MsgIcon::Information);
}

TEST_F(CircleBoxTest, OutlineIsAnUnfilledTwoPixelCircle) {
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
  EXPECT_EQ(CentreRadiusCircleText({2, -3, std::sqrt(289.0 / 13)}, false), "(x-2)^2 + (y+3)^2 = 22,23");
  EXPECT_EQ(CentreRadiusCircleText({-1, 0.5, 2}, false), "(x+1)^2 + (y-0,5)^2 = 4");
  EXPECT_EQ(CentreRadiusCircleText({0, 0, 0}, false), "(x-0)^2 + (y-0)^2 = 0");
  EXPECT_EQ(CentreRadiusCircleText({1.0 / 3, -2.0 / 3, 1}, false),
            "(x-0,333333333333333)^2 + (y+0,666666666666667)^2 = 1");
  EXPECT_EQ(CentreRadiusCircleText({1.0 / 3, -2.0 / 3, 1}, true), "(x-0,33)^2 + (y+0,67)^2 = 1");
  // A centre that rounds to -0 reads 0; a negative radius squares like its magnitude.
  EXPECT_EQ(CentreRadiusCircleText({-0.004, 5, -1.5}, true), "(x-0)^2 + (y-5)^2 = 2,25");
  EXPECT_EQ(CentreRadiusCircleText({-2, -1e-5, 3}, false), "(x+2)^2 + (y+1E-05)^2 = 9");
}

}  // namespace
