// Typed line equations read into a·x + b·y + c = 0: text in, a line or a verdict out; and what the
// lines 1 window, whose scratch box is Text3, shows of a reading.
#include <gtest/gtest.h>

#include <variant>

#include "LineReader.h"
#include "ProblemTestSupport.h"
#include "RunTimeError.h"

namespace {

using namespace vl;
using namespace vl::problemtest;

std::optional<geo::Line> Read(const std::string& typed) {
  const auto read = LineEquationToCoefficients(typed);
  if (const auto* line = std::get_if<geo::Line>(&read)) return *line;
  return std::nullopt;
}

TEST(LineReader, AcceptedTextsAndTheirCoefficients) {
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
    EXPECT_EQ(CleanEquationText(c.typed), c.shown);
    EXPECT_EQ(line->a, c.a);
    EXPECT_EQ(line->b, c.b);
    EXPECT_EQ(line->c, c.c);
  }

  // A third that does not come out exact stays as computed.
  const auto thirds = Read("x/2+y/3=1");
  ASSERT_TRUE(thirds.has_value());
  EXPECT_EQ(thirds->a, 0.5);
  EXPECT_NEAR(thirds->b, 1.0 / 3, 1e-15);
  EXPECT_EQ(thirds->c, -1);
}

TEST(LineReader, DecimalDataReadsWithoutItsOwnRoundOff) {
  const auto low = Read("y=0.1x+0.3");
  const auto high = Read("y=0.1x+0.7");
  ASSERT_TRUE(low && high);
  EXPECT_EQ(low->a, high->a);
  EXPECT_EQ(low->b, high->b);
  EXPECT_EQ(high->c, -0.7);
}

TEST(LineReader, DifferenceTexts) {
  EXPECT_EQ(EquationDifferenceText("y=2x+1"), "y-(2x+1)");
  EXPECT_EQ(EquationDifferenceText("=y"), "-(y)");
  EXPECT_EQ(EquationDifferenceText("y="), "y-()");
  EXPECT_EQ(EquationDifferenceText("x=1=2"), "x-(1=2)") << "the first = splits";
}

TEST(LineReader, CurvesAndInequalitiesAreRejected) {
  for (const char* typed : {"x^2+y=0", "x<y", "x>y", "y>=x", "x^3=y", "2^2x+y=0", "x^20=y", "x ^ 2 = y"}) {
    SCOPED_TRACE(typed);
    const auto read = LineEquationToCoefficients(typed);
    const auto* verdict = std::get_if<Verdict>(&read);
    ASSERT_NE(verdict, nullptr);
    EXPECT_EQ(verdict->text, "A equação não representa uma recta.");
    EXPECT_EQ(verdict->title, "Vantre Lomira");
  }
}

class LineBoxTest : public ProblemWindowTest {
 protected:
  LineBoxTest() : ProblemWindowTest("Form2") {}
};

TEST_F(LineBoxTest, TheBoxShowsItsCleanedTextAndTheScratchBoxTheDifference) {
  Set("Text5", "y = 2x + 1");
  Click("Dados4");
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Caption("Text5"), "y=2x+1");
  EXPECT_EQ(Caption("Text3"), "y-(2x+1)");

  // A refused text is cleaned, shown its verdict, and never reaches the scratch box.
  Set("Text5", "x ^ 2 = y");
  Click("Dados4");
  ExpectOneMessage("A equação não representa uma recta.", "Vantre Lomira", MsgIcon::Information);
  EXPECT_EQ(Caption("Text5"), "x^2=y");
  EXPECT_EQ(Caption("Text3"), "y-(2x+1)");

  // A text without "=" faults before the scratch box is written.
  Set("Text5", "2x+3y");
  Click("Dados4");
  ExpectOneMessage("Erro:\r\n\r\nArgumento inválido", "Vantre Lomira", MsgIcon::None);
  EXPECT_EQ(Caption("Text3"), "y-(2x+1)");
}

TEST(LineReader, FaultsRaiseRunTimeErrors) {
  struct Case {
    const char* typed;
    int number;
    const char* description;
  };
  for (const Case& c :
       {Case{"2x+3y", 5, "Argumento inválido"}, Case{"2x+(3y=0", 1100, "Número de parênteses incorrecto."},
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
