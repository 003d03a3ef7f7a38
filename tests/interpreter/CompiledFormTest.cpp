// A text is read once and its steps run again for every change: a re-evaluation must give
// what a fresh read gives, errors must come from Solve in the order an evaluation meets them,
// and the shortcut for exact squares must agree with pow to the bit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "AllocationCounter.h"
#include "clsEquation.h"
#include "RunTimeError.h"

namespace {

// A value's bits, or an error's number, description and source.
std::string Outcome(vl::clsEquation& eq) {
  try {
    eq.Solve();
    const double v = eq.Solution();
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return "value " + std::to_string(bits);
  } catch (const vl::RunTimeError& e) {
    return std::to_string(e.Number()) + " " + e.Description() + " / " + e.Source();
  }
}

struct Point {
  double x, y;
  bool yHasValue;
};

TEST(CompiledForm, ReevaluationMatchesAFreshRead) {
  const double inf = std::numeric_limits<double>::infinity();
  // clang-format off
  const std::vector<std::string> texts = {
      "x^2+y^2-4x-6y-3", "(2/3)*x-(1/7)*y+5", "sen(x)^2+cos(x)^2", "3x-2y+7", "1/x+y",
      "sqr(x)*y", "x\\y", "x%y-mod(x,y)", "-x^-y", "min(x,y,2),max(y,x)", "((x))(y)",
      "logn(x,y)+arcsin(y)", "2", "pi*x/e", "(x,y)", "foo(x)", "x^y", "y"};
  const std::vector<Point> points = {
      {0, 0, true},     {1, 2, true},      {-3.25, 0.5, true}, {0.1, -0.3, true},
      {2.5, 7.5, true}, {1e308, 10, true}, {inf, 1, true},     {4, 1, false},
      {-1, 1e-320, true}, {94906267, 3, true}};
  // clang-format on
  for (const std::string& text : texts) {
    SCOPED_TRACE("text: " + text);
    vl::clsEquation kept;
    kept.Equation(text);
    for (int round = 0; round < 2; ++round) {
      if (round == 1) kept.Equation(text);  // the same text again keeps its steps
      for (const Point& p : points) {
        SCOPED_TRACE("x = " + std::to_string(p.x) + ", y = " + std::to_string(p.y));
        kept.Var("X", p.x);
        if (p.yHasValue)
          kept.Var("y", p.y);
        else
          kept.VarRemove("Y");

        vl::clsEquation fresh;
        fresh.Equation(text);
        fresh.Var("x", p.x);
        if (p.yHasValue) fresh.Var("y", p.y);
        EXPECT_EQ(Outcome(kept), Outcome(fresh));
      }
    }
  }
}

TEST(CompiledForm, ReevaluationDoesNotAllocate) {
  const std::string x = "x", y = "Y";
  for (const char* text : {"x^2+y^2-4x-6y-3", "sen(x)^2+cos(x)^2", "max (-2, cos (y))", "(2/3)*x-(1/7)*y+5",
                           "mod(x,3)+x\\2+rnd*0+sgn(y)", "3pi"}) {
    SCOPED_TRACE(text);
    vl::clsEquation eq;
    eq.Equation(text);
    eq.Var(x, 1);
    eq.Var(y, 2);
    eq.Solve();
    vl::testing::StartCountingAllocations();
    double sum = 0;
    for (double v = -2; v <= 2; v += 0.5) {
      eq.Var(x, v);
      eq.Var(y, v / 3);
      eq.Solve();
      sum += eq.Solution();
    }
    EXPECT_EQ(vl::testing::StopCountingAllocations(), 0);
    EXPECT_TRUE(std::isfinite(sum));
  }
}

struct Case {
  std::string text;
  int number;
  const char* description;
};

// Setting a text never fails; Solve raises the first fault an evaluation meets: names before
// the operators of their depth, groups and functions before what stands outside them, and
// functions of one depth from left to right.
TEST(CompiledForm, SolveRaisesTheFirstFaultMet) {
  const std::vector<Case> cases = {
      {"1/0+a", 1102, "Variável não definida: a"},
      {"(1/0)+a", 11, "Divisão por zero"},
      {"a+1.2.3", 1102, "Variável não definida: a"},
      {"foo(a)", 1102, "Variável não definida: a"},
      {"foo(1)+a", 1101, "Função não definida: foo()"},
      {"sqr(-1)+foo(2)", 5, "Argumento inválido"},
      {"foo(2)+sqr(-1)", 1101, "Função não definida: foo()"},
      {"sin()+1/0", 1104, "Argumento inválido na expressão: sin()"},
      {"(1/0)+sin()", 11, "Divisão por zero"},
      {"(0/0)+(" + std::string(400, '9') + ")", 6, "Capacidade excedida"},
      {"(1/0)+(" + std::string(400, '9') + ")", 11, "Divisão por zero"},
      {"(b)+(a)", 1102, "Variável não definida: b"},
      {"((a))+b", 1102, "Variável não definida: a"},
      {"(1/0", 1100, "Número de parênteses incorrecto."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("text: " + c.text);
    vl::clsEquation eq;
    EXPECT_NO_THROW(eq.Equation(c.text));
    EXPECT_NO_THROW(eq.Var("x", 0));
    for (int k = 0; k < 2; ++k)  // and again: the steps are kept, the fault is the same
      EXPECT_EQ(Outcome(eq), std::to_string(c.number) + " " + c.description + " / Interpretador");
  }
}

TEST(CompiledForm, SquaresAgreeWithPow) {
  // Whole and short binary numbers, whose squares are exact, and others whose products round
  // differently from pow (94906267² lies halfway between two doubles).
  // clang-format off
  const std::vector<double> xs = {0,         3,        -7.5,     0.1,      1.0 / 3,
                                  94906265,  94906267, -94906267, 1e200,   1e-200,
                                  0x1p-600,  0x1p500,  0x1.6a09e667f3bcdp+0, 1e154,
                                  std::nextafter(1.0, 2.0)};
  // clang-format on
  vl::clsEquation eq;
  eq.Equation("x^2");
  for (const double x : xs) {
    SCOPED_TRACE("x = " + std::to_string(x));
    eq.Var("x", x);
    const double square = std::pow(x, 2.0);
    if (!std::isfinite(square)) {
      EXPECT_EQ(Outcome(eq), "6 Capacidade excedida / Interpretador");
      continue;
    }
    eq.Solve();
    const double v = eq.Solution();
    EXPECT_EQ(std::memcmp(&v, &square, sizeof v), 0) << v << " against " << square;
  }
}

TEST(CompiledForm, NewTextKeepsGivenValuesOnly) {
  vl::clsEquation eq;
  eq.Equation("a+b");
  eq.Var("b", 1);
  EXPECT_EQ(Outcome(eq), "1102 Variável não definida: a / Interpretador");
  eq.Var("A", 2);
  EXPECT_EQ(eq.Solution(), 3);
  eq.Equation("B*10");  // another text: the values given stay
  EXPECT_EQ(eq.Solution(), 10);
  eq.Equation("c");
  EXPECT_EQ(Outcome(eq), "1102 Variável não definida: c / Interpretador");
  EXPECT_EQ(eq.Var("a"), 2);
  EXPECT_EQ(eq.Var("c"), 0);
  eq.Var("c", 5);
  EXPECT_EQ(eq.Solution(), 5);

  // Long names that share their first eight letters are still two names.
  eq.Var("Comprimento1", 10);
  eq.Equation("comprimento1-comprimento2");
  EXPECT_EQ(Outcome(eq), "1102 Variável não definida: comprimento2 / Interpretador");
  eq.Var("COMPRIMENTO2", 4);
  EXPECT_EQ(eq.Solution(), 6);
}

}  // namespace
