// The expression object: variables, lower-casing, what is cached and what survives an error,
// and the tokens, priorities and evaluation order the parser builds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clsEquation.h"
#include "RunTimeError.h"

namespace {

int ErrorOf(vl::clsEquation& eq) {
  try {
    eq.Solution();
  } catch (const vl::RunTimeError& e) {
    return e.Number();
  }
  return 0;
}

TEST(ExpressionObject, NewObjectIsCurrentAndHoldsZero) {
  vl::clsEquation eq;
  EXPECT_EQ(eq.Solution(), 0);  // no evaluation: there are no tokens to evaluate
  eq.Graus(false);              // unchanged mode: still current
  EXPECT_EQ(eq.Solution(), 0);
  EXPECT_FALSE(eq.Graus());
  EXPECT_EQ(eq.Equation(), "");
  eq.Graus(true);  // a changed mode makes the result stale, and Solve finds no tokens
  EXPECT_EQ(ErrorOf(eq), 1103);
}

TEST(ExpressionObject, SolveBeforeAnyTextIsAnInvalidExpression) {
  vl::clsEquation eq;
  try {
    eq.Solve();
    ADD_FAILURE() << "no error";
  } catch (const vl::RunTimeError& e) {
    EXPECT_EQ(e.Number(), 1103);
    EXPECT_EQ(e.Description(), "Expressão inválida");
    EXPECT_EQ(e.Source(), "Interpretador");
  }
}

TEST(ExpressionObject, VariablesIgnoreLetterCase) {
  vl::clsEquation eq;
  EXPECT_EQ(eq.Var("q"), 0);
  eq.Var("X", 2);
  eq.Equation("x+1");
  EXPECT_EQ(eq.Solution(), 3);
  EXPECT_EQ(eq.Var("x"), 2);
  eq.Var("x", 1);
  eq.Var("x", 5);
  EXPECT_EQ(eq.Var("X"), 5);
  EXPECT_EQ(eq.Solution(), 6);
  eq.VarRemove("X");
  EXPECT_EQ(eq.Var("x"), 0);
  EXPECT_EQ(ErrorOf(eq), 1102);
  eq.VarRemove("never-set");  // nothing to remove: no error
  eq.Var("ÁREA", 4);          // any text may be a name; accented letters fold like the text does
  EXPECT_EQ(eq.Var("área"), 4);
}

TEST(ExpressionObject, VarClearDiscardsEveryVariable) {
  vl::clsEquation eq;
  eq.Var("x", 1);
  eq.Var("y", 2);
  eq.Equation("x+y");
  EXPECT_EQ(eq.Solution(), 3);
  eq.VarClear();
  EXPECT_EQ(eq.Var("y"), 0);
  EXPECT_EQ(ErrorOf(eq), 1102);
}

TEST(ExpressionObject, TextIsStoredInLowerCase) {
  vl::clsEquation eq;
  eq.Equation("SIN(X)");
  EXPECT_EQ(eq.Equation(), "sin(x)");
  eq.Equation("ÇÃO ÉÀÕÜ Ñ Œ Ÿ");
  EXPECT_EQ(eq.Equation(), "ção éàõü ñ œ ÿ");
  eq.Equation("×÷");  // signs without a lower case stay
  EXPECT_EQ(eq.Equation(), "×÷");
}

TEST(ExpressionObject, AccentedLettersAreIgnoredCharacters) {
  vl::clsEquation eq;
  eq.Equation("2é+1");
  EXPECT_EQ(eq.Solution(), 3);
  eq.Equation("sã(x)");  // "s" then the ignored bytes: the function token is "s("
  eq.Var("x", 1);
  try {
    eq.Solve();
    ADD_FAILURE() << "no error";
  } catch (const vl::RunTimeError& e) {
    EXPECT_EQ(e.Description(), "Função não definida: s()");
  }
}

TEST(ExpressionObject, ParsesOnceAndEvaluatesPerChange) {
  vl::clsEquation eq;
  eq.Equation("x^2+y^2-4x-6y-3-(0)");
  eq.Var("x", 0);
  eq.Var("y", 0);
  eq.Solve();
  const std::vector<int> order = eq.Order();
  ASSERT_FALSE(order.empty());
  for (double x : {-1.0, 0.0, 2.0, 3.5}) {
    eq.Var("x", x);
    eq.Var("y", 1);
    eq.Solve();
    EXPECT_DOUBLE_EQ(eq.Solution(), x * x + 1 - 4 * x - 6 - 3);
  }
  EXPECT_EQ(eq.Order(), order);
}

TEST(ExpressionObject, CurrentResultIsNotEvaluatedAgain) {
  vl::clsEquation eq;
  eq.Equation("rnd");
  const double first = eq.Solution();
  EXPECT_EQ(eq.Solution(), first);  // current: the same draw
  eq.Graus(false);                  // unchanged mode: still current
  EXPECT_EQ(eq.Solution(), first);
  // Each Solve draws again; a repeat of the same 24-bit value three times in a row would be
  // a broken generator.
  eq.Solve();
  const double second = eq.Solution();
  eq.Solve();
  const double third = eq.Solution();
  EXPECT_FALSE(first == second && second == third);
}

TEST(ExpressionObject, FailedEvaluationIsRaisedAgainAndRecovers) {
  vl::clsEquation eq;
  eq.Equation("x");
  eq.Var("x", 5);
  EXPECT_EQ(eq.Solution(), 5);
  eq.Equation("1/x");
  eq.Var("x", 0);
  EXPECT_EQ(ErrorOf(eq), 11);
  EXPECT_EQ(ErrorOf(eq), 11);  // still stale: not the old value
  eq.Var("x", 4);
  EXPECT_EQ(eq.Solution(), 0.25);

  eq.Equation("a+1");
  EXPECT_EQ(ErrorOf(eq), 1102);
  eq.Var("a", 1);
  EXPECT_EQ(eq.Solution(), 2);
}

TEST(ExpressionObject, FailedParseFailsUntilANewText) {
  vl::clsEquation eq;
  eq.Equation("2+3");
  EXPECT_EQ(eq.Solution(), 5);
  eq.Equation("(2+3");
  EXPECT_EQ(ErrorOf(eq), 1100);
  eq.Var("x", 1);
  EXPECT_EQ(ErrorOf(eq), 1100);
  EXPECT_EQ(eq.TokenList().size(), 4u);  // the tokens just read replace the old ones
  eq.Equation("2+4");
  EXPECT_EQ(eq.Solution(), 6);
}

TEST(ExpressionObject, SqrOfNegativeKeepsItsNumberAndSource) {
  vl::clsEquation eq;
  eq.Equation("sqr(-1)");
  try {
    eq.Solve();
    ADD_FAILURE() << "no error";
  } catch (const vl::RunTimeError& e) {
    EXPECT_EQ(e.Number(), 5);
    EXPECT_EQ(e.Description(), "Argumento inválido");
    EXPECT_EQ(e.Source(), "Interpretador");
  }
}

TEST(ExpressionObject, VariableHoldingInfinityIsNeverReturned) {
  vl::clsEquation eq;
  eq.Var("x", 1e308);
  eq.Equation("x*10");
  EXPECT_EQ(ErrorOf(eq), 6);
  eq.Var("x", std::numeric_limits<double>::infinity());
  eq.Equation("x");
  EXPECT_EQ(ErrorOf(eq), 6);
}

struct TokenCase {
  const char* text;
  std::vector<std::string> tokens;
  std::vector<int> priorities;
  std::vector<int> order;
};

TEST(Tokenizer, TokensPrioritiesAndOrder) {
  const std::vector<TokenCase> cases = {
      {"-2^2", {"~", "2", "^", "2"}, {4, 0, 5, 0}, {3, 1}},
      {"2x", {"2", "*", "x"}, {0, 3, 6}, {3, 2}},
      {"sin(x)+1", {"sin(", "x", ")", "+", "1"}, {7, 13, 7, 1, 0}, {2, 1, 3, 4}},
      {"2(x+1)", {"2", "*", "(", "x", "+", "1", ")"}, {0, 3, 7, 13, 8, 0, 7}, {4, 5, 3, 7, 2}},
      {"7%3*2", {"7", "%", "3", "*", "2"}, {0, 2, 0, 3, 0}, {4, 2}},
      {"3,14", {"3", "", "14"}, {0, 0, 0}, {}},
      {"1e5", {"1", "*", "e5"}, {0, 3, 6}, {3, 2}},
      {"2 .5", {"2,5"}, {0}, {}},
      {"2.5", {"2,5"}, {0}, {}},
      {"x.5", {"x,5"}, {6}, {1}},
      {"SEN(X)", {"sen(", "x", ")"}, {7, 13, 7}, {2, 1, 3}},
      {"log10(2)", {"log10(", "2", ")"}, {7, 0, 7}, {1, 3}},
      {"_a1-b", {"_a1", "-", "b"}, {6, 1, 6}, {1, 3, 2}},
      {"x(2)", {"x(", "2", ")"}, {7, 0, 7}, {1, 3}},
      {"(2)3", {"(", "2", ")", "3"}, {7, 0, 7, 0}, {1, 3}},
      {"2*-x", {"2", "*", "~", "x"}, {0, 3, 4, 6}, {4, 3, 2}},
      {"((x))", {"(", "(", "x", ")", ")"}, {7, 14, 20, 14, 7}, {3, 2, 4, 1, 5}},
      {"1)+(2", {"1", ")", "+", "(", "2"}, {0, 0, -6, 0, 0}, {}},
      {"", {}, {}, {}},
      {" = ", {}, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("text: ") + c.text);
    vl::clsEquation eq;
    eq.Equation(c.text);
    try {
      eq.Solve();
    } catch (const vl::RunTimeError&) {
      // only the parse matters here
    }
    EXPECT_EQ(eq.TokenList(), c.tokens);
    EXPECT_EQ(eq.TokenPriorities(), c.priorities);
    EXPECT_EQ(eq.Order(), c.order);
  }
}

TEST(Tokenizer, LongTextsAreEvaluated) {
  // 100 000 characters of sums and 60 000 of nesting: the order is a sort, the neighbours
  // are found without scanning, so both finish at once.
  std::string sum = "1";
  for (int k = 0; k < 50000; ++k) sum += "+1";
  vl::clsEquation eq;
  eq.Equation(sum);
  EXPECT_EQ(eq.Solution(), 50001);

  std::string nested = std::string(30000, '(') + "x" + std::string(30000, ')');
  eq.Equation(nested);
  eq.Var("x", 7);
  EXPECT_EQ(eq.Solution(), 7);

  std::string chain;
  for (int k = 0; k < 20000; ++k) chain += "sqr(";
  chain += "1" + std::string(20000, ')');
  eq.Equation(chain);
  EXPECT_EQ(eq.Solution(), 1);
}

}  // namespace
