// Values of expressions: priorities and associativity, implicit products, groups and commas,
// constants and the function library.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "clsEquation.h"
#include "RunTimeError.h"

namespace {

struct ValueCase {
  const char* text;
  double x;
  double expected;
};

double Evaluate(const std::string& text, double x = 0, bool degrees = false) {
  vl::clsEquation eq;
  eq.Graus(degrees);
  eq.Equation(text);
  eq.Var("x", x);
  eq.Solve();
  return eq.Solution();
}

void ExpectValues(const std::vector<ValueCase>& cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("text: ") + c.text);
    try {
      EXPECT_DOUBLE_EQ(Evaluate(c.text, c.x), c.expected);
    } catch (const vl::RunTimeError& e) {
      ADD_FAILURE() << "raised " << e.Number() << " " << e.Description();
    }
  }
}

const double kPi = 3.14159265358979;
const double kE = 2.718281828;

TEST(ExpressionValues, PrioritiesAndLeftAssociativity) {
  ExpectValues({
      {"-2^2", 0, -4},
      {"2^3^2", 0, 64},
      {"7%3*2", 0, 1},
      {"1-2-3", 0, -4},
      {"8/2/2", 0, 2},
      {"1+2*3", 0, 7},
      {"10-2*3^2", 0, -8},
      {"-x^2", 3, -9},
      {"2*-1", 0, -2},
      {"2--2", 0, 4},
      {"-(2+3)", 0, -5},
      {"2^(-1)", 0, 0.5},
      {"(1+2)*3", 0, 9},
      {"2*(3+(4-1)*2)", 0, 18},
  });
}

TEST(ExpressionValues, IntegerDivisionAndRemainder) {
  ExpectValues({
      {"7\\2", 0, 3},
      {"-7\\2", 0, -3},
      {"-7%2", 0, -1},
      {"7%-2", 0, 1},
      {"7.5\\2", 0, 4},  // 7.5 rounds to the even 8
      {"6.5\\1", 0, 6},  // and 6.5 to 6
      {"2.5%2", 0, 0},
      {"mod(7,3)", 0, 1},
      {"mod(-7,3)", 0, -1},
      {"2147483646.5\\1", 0, 2147483646},
      {"-2147483648%-1", 0, 0},
  });
}

TEST(ExpressionValues, ImplicitProductOnlyAfterANumber) {
  ExpectValues({
      {"2x", 3, 6},
      {"2(x+1)", 3, 8},
      {"(x+1)(x-1)", 3, 4},  // two groups side by side: the first one is the value
      {"2(3)(4)", 0, 6},
      {"3pi", 0, 3 * kPi},
      {"2e", 0, 5.436563656},
      {"2x^2", 3, 18},
      {"1 2", 0, 12},  // blanks are ignored, even inside a number
      {"2 .5", 0, 2.5},
      {"s in(x)", 0.5, std::sin(0.5)},
  });
}

TEST(ExpressionValues, GroupsAndCommasKeepTheFirstValue) {
  ExpectValues({
      {"3,14", 0, 3},
      {"1,2+3", 0, 1},
      {"(1,2)", 0, 1},
      {"min(1,2,3)", 0, 1},
      {"max(1,2,3)", 0, 3},  // y is the last value inside the parentheses
      {"max(3,2,1)", 0, 3},
      {"()", 0, 0},
      {"2()", 0, 0},
      {"1)+(2", 0, 1},  // only the final count of parentheses is checked
      {".5", 0, 0.5},
      {"5.", 0, 5},
  });
}

TEST(ExpressionValues, ConstantsAreExactDecimals) {
  ExpectValues({
      {"pi", 0, 3.14159265358979},
      {"e", 0, 2.718281828},
      {"exp(1)", 0, std::exp(1.0)},  // the mathematical e, not the constant
      {"graus(1)", 0, 57.2957795131},
      {"rad(1)", 0, 0.01745329251995},
  });
  EXPECT_NE(Evaluate("e"), std::exp(1.0));
}

TEST(ExpressionValues, FunctionLibrary) {
  const double quarter = std::atan(1.0);
  ExpectValues({
      {"abs(-3)", 0, 3},
      {"arctg(1)", 0, quarter},
      {"cos(0)", 0, 1},
      {"exp(0)", 0, 1},
      {"fix(-2.5)", 0, -2},
      {"int(-2.5)", 0, -3},
      {"log(1)", 0, 0},
      {"sgn(-3)", 0, -1},
      {"sgn(0)", 0, 0},
      {"sin(x)", 1, std::sin(1.0)},
      {"sen(x)", 1, std::sin(1.0)},
      {"sqr(16)", 0, 4},
      {"tg(x)", 1, std::tan(1.0)},
      {"min(4,-2)", 0, -2},
      {"max(1,5)", 0, 5},
      {"logn(8,2)", 0, std::log(8.0) / std::log(2.0)},
      {"sec(0)", 0, 1},
      {"cosec(x)", 1, 1 / std::sin(1.0)},
      {"cotan(x)", 1, 1 / std::tan(1.0)},
      {"cotg(x)", 1, 1 / std::tan(1.0)},
      {"arcsin(0.5)", 0, std::atan(0.5 / std::sqrt(0.75))},
      {"arcsen(-0.5)", 0, -std::atan(0.5 / std::sqrt(0.75))},
      {"arccos(0)", 0, 2 * quarter},
      {"arccos(1/2)", 0, std::atan(-0.5 / std::sqrt(0.75)) + 2 * quarter},
      // The help pages' formulas: arcsec(2) = pi/3, arcsec(-2) = 2pi/3.
      {"arcsec(2)", 0, std::atan(std::sqrt(3.0))},
      {"arcsec(-2)", 0, -(std::atan(std::sqrt(3.0)) - 2 * quarter) + 2 * quarter},
      // No divisor in that formula: the ends of the domain have their values, 0 and pi.
      {"arcsec(1)", 0, 0},
      {"arcsec(-1)", 0, 4 * quarter},
      {"arccosec(2)", 0, std::atan(1 / std::sqrt(3.0))},
      {"arccosec(-2)", 0, -std::atan(1 / std::sqrt(3.0))},
      {"arccotg(1)", 0, quarter},
      {"arccotg(-1)", 0, 3 * quarter},
      {"sinh(1)", 0, (std::exp(1.0) - std::exp(-1.0)) / 2},
      {"senh(0)", 0, 0},
      {"cosh(0)", 0, 1},
      {"tgh(1)", 0, (std::exp(1.0) - std::exp(-1.0)) / (std::exp(1.0) + std::exp(-1.0))},
      {"sech(0)", 0, 1},
      {"cosech(1)", 0, 2 / (std::exp(1.0) - std::exp(-1.0))},
      {"cotgh(1)", 0, (std::exp(1.0) + std::exp(-1.0)) / (std::exp(1.0) - std::exp(-1.0))},
      {"arcsinh(1)", 0, std::log(1 + std::sqrt(2.0))},
      {"arcsenh(0)", 0, 0},
      {"arccosh(1)", 0, 0},
      {"arctgh(0.5)", 0, std::log(3.0) / 2},
      {"arcsech(1)", 0, 0},
      {"arccosech(1)", 0, std::log(std::sqrt(2.0) + 1)},
      {"arccotgh(2)", 0, std::log(3.0) / 2},
      {"log10(1000)", 0, std::log(1000.0) / std::log(10.0)},
      {"log2(8)", 0, std::log(8.0) / std::log(2.0)},
      {"ln(e)", 0, std::log(2.718281828)},
      {"graus(pi)", 0, 3.14159265358979 * 57.2957795131},
      {"rad(180)", 0, 180 * 0.01745329251995},
      {"mant(-1.25)", 0, 0.75},
      {"log (11) + sen (12)", 0, std::log(11.0) + std::sin(12.0)},
      {"max (-2, cos (7))", 0, std::cos(7.0)},
      {"sqr(sqr(16))+abs(-1)", 0, 3},
  });
}

TEST(ExpressionValues, DegreeModeConvertsAnglesOnly) {
  EXPECT_DOUBLE_EQ(Evaluate("sin(30)", 0, true), std::sin(30 * 0.01745329251995));
  EXPECT_DOUBLE_EQ(Evaluate("cos(60)", 0, true), std::cos(60 * 0.01745329251995));
  EXPECT_DOUBLE_EQ(Evaluate("arctg(1)", 0, true), std::atan(1.0) * 57.2957795131);
  EXPECT_DOUBLE_EQ(Evaluate("arcsin(0.5)", 0, true), std::atan(0.5 / std::sqrt(0.75)) * 57.2957795131);
  EXPECT_DOUBLE_EQ(Evaluate("sqr(16)", 0, true), 4);  // not an angle
  EXPECT_DOUBLE_EQ(Evaluate("graus(1)", 0, true), 57.2957795131);
  EXPECT_NEAR(Evaluate("sin(30)", 0, true), 0.5, 1e-12);
}

TEST(ExpressionValues, RandomValuesStayInTheirRanges) {
  for (int k = 0; k < 200; ++k) {
    const double r = Evaluate("rnd");
    EXPECT_GE(r, 0);
    EXPECT_LT(r, 1);
    const double die = Evaluate("rand(6)");
    EXPECT_GE(die, 0);
    EXPECT_LE(die, 5);
    EXPECT_EQ(die, std::floor(die));
    const double between = Evaluate("random(2,4)");
    EXPECT_GE(between, 2);
    EXPECT_LT(between, 4);
  }
  // A negative argument always gives the same value; 0 repeats the value drawn last.
  EXPECT_EQ(Evaluate("rnd(-3)"), Evaluate("rnd(-3)"));
  vl::clsEquation eq;
  eq.Equation("rnd(1)");
  const double drawn = eq.Solution();
  eq.Equation("rnd(0)");
  EXPECT_EQ(eq.Solution(), drawn);
}

TEST(ExpressionValues, ConstantNamesIgnoreVariables) {
  vl::clsEquation eq;
  eq.Var("e", 10);
  eq.Var("pi", 10);
  eq.Var("rnd", 10);
  eq.Equation("e");
  EXPECT_DOUBLE_EQ(eq.Solution(), kE);
  eq.Equation("pi");
  EXPECT_DOUBLE_EQ(eq.Solution(), kPi);
  eq.Equation("rnd");
  EXPECT_LT(eq.Solution(), 1);
}

}  // namespace
