// Typed line equations read into a·x + b·y + c = 0, in the lines 1 window whose scratch box is Text3.
#include <gtest/gtest.h>

#include "LineReader.h"
#include "ProblemTestSupport.h"
#include "RunTimeError.h"

namespace {

using namespace vl;
using namespace vl::problemtest;

class LineReaderTest : public ProblemWindowTest {
 protected:
  LineReaderTest() : ProblemWindowTest("Form2") {}

  std::optional<LineCoefficients> Read(const std::string& typed) {
    Ctl("Text5").text = typed;
    return LineEquationToCoefficients(Window(), Ctl("Text5"));
  }
};

TEST_F(LineReaderTest, AcceptedTextsAndTheirCoefficients) {
  struct Case {
    const char* typed;
    const char* shown;
    double a, b, c;
  };
  const Case cases[] = {
      {"2x - 3y + 4 = 0", "2x-3y+4=0", 2, -3, 4},
      {"y=2x+1", "y=2x+1", -2, 1, -1},
      {"3x=6", "3x=6", 3, 0, -6},
      {"Y = 3", "Y=3", 0, 1, -3},
      {"x+y=2.5", "x+y=2.5", 1, 1, -2.5},
      {"y=0.5x", "y=0.5x", -0.5, 1, 0},
      {"x*x+y=0", "x*x+y=0", 1, 1, 0},
      {"x=x", "x=x", 0, 0, 0},
      {"3(x-1)=2y", "3(x-1)=2y", 3, -2, -3},
      {"=y", "=y", 0, -1, 0},
      {"y=", "y=", 0, 1, 0},
      {"x^4=y", "x^4=y", 1, -1, 0},
      {"x^(2)=y", "x^(2)=y", 1, -1, 0},
      {"2y=2y+5", "2y=2y+5", 0, 0, -5},
      {"y=0.1x+0.3", "y=0.1x+0.3", -0.1, 1, -0.3},
      {"-x/4 = y - 2", "-x/4=y-2", -0.25, -1, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const auto line = Read(c.typed);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(Caption("Text5"), c.shown);
    EXPECT_EQ(line->a, c.a);
    EXPECT_EQ(line->b, c.b);
    EXPECT_EQ(line->c, c.c);
  }
  EXPECT_TRUE(Messages().empty());

  // A third that does not come out exact stays as computed.
  const auto thirds = Read("x/2+y/3=1");
  ASSERT_TRUE(thirds.has_value());
  EXPECT_EQ(thirds->a, 0.5);
  EXPECT_NEAR(thirds->b, 1.0 / 3, 1e-15);
  EXPECT_EQ(thirds->c, -1);
}

TEST_F(LineReaderTest, DecimalDataReadsWithoutItsOwnRoundOff) {
  const auto low = Read("y=0.1x+0.3");
  const auto high = Read("y=0.1x+0.7");
  ASSERT_TRUE(low && high);
  EXPECT_EQ(low->a, high->a);
  EXPECT_EQ(low->b, high->b);
  EXPECT_EQ(high->c, -0.7);
}

TEST_F(LineReaderTest, DifferenceTextGoesToTheScratchBox) {
  ASSERT_TRUE(Read("y = 2x + 1"));
  EXPECT_EQ(Caption("Text3"), "y-(2x+1)");
  ASSERT_TRUE(Read("=y"));
  EXPECT_EQ(Caption("Text3"), "-(y)");
  ASSERT_TRUE(Read("y="));
  EXPECT_EQ(Caption("Text3"), "y-()");
}

TEST_F(LineReaderTest, CurvesAndInequalitiesAreRejected) {
  for (const char* typed : {"x^2+y=0", "x<y", "x>y", "y>=x", "x^3=y", "2^2x+y=0", "x^20=y", "x ^ 2 = y"}) {
    SCOPED_TRACE(typed);
    EXPECT_FALSE(Read(typed).has_value());
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "A equação não representa uma recta.");
    EXPECT_EQ(messages[0].title, "Vantre Lomira");
    EXPECT_EQ(messages[0].icon, MsgIcon::Information);
  }
  EXPECT_EQ(Caption("Text5"), "x^2=y") << "the box keeps its cleaned text";
}

TEST_F(LineReaderTest, FaultsRaiseRunTimeErrors) {
  struct Case {
    const char* typed;
    int number;
    const char* description;
  };
  for (const Case& c : {Case{"2x+3y", 5, "Argumento inválido"}, Case{"2x+(3y=0", 1100, "Número de parênteses incorrecto."},
                        Case{"z=1", 1102, "Variável não definida: z"}, Case{"y=1/(x-x)", 11, "Divisão por zero"}}) {
    SCOPED_TRACE(c.typed);
    try {
      Read(c.typed);
      ADD_FAILURE() << "no error";
    } catch (const RunTimeError& e) {
      EXPECT_EQ(e.Number(), c.number);
      EXPECT_EQ(e.Description(), c.description);
    }
  }
}

}  // namespace
