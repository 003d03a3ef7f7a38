// Numbers written for the user, rounding to two decimals, numerals written back into
// expressions, and the range-box reader.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "clsEquation.h"
#include "NumberText.h"
#include "RunTimeError.h"

namespace {

struct TextCase {
  double value;
  const char* text;
};

TEST(NumberText, FifteenDigitsCommaAndExponentBounds) {
  const std::vector<TextCase> cases = {
      {2.5, "2,5"},
      {-0.6, "-0,6"},
      {0.33, "0,33"},
      {232, "232"},
      {0, "0"},
      {-0.0, "0"},
      {1.0 / 3, "0,333333333333333"},
      {-2.0 / 3, "-0,666666666666667"},
      {0.1 + 0.2, "0,3"},
      {10.479999999999997, "10,48"},
      {123456.75, "123456,75"},
      {999999999999999, "999999999999999"},
      {1e15, "1E+15"},
      {999999999999999.9, "1E+15"},  // rounds up into exponent form
      {-1.5e15, "-1,5E+15"},
      {123456789012345678.0, "1,23456789012346E+17"},
      {1e100, "1E+100"},
      {0.0001, "0,0001"},
      {0.00012345, "0,00012345"},
      {0.00009, "9E-05"},
      {1.5e-5, "1,5E-05"},
      {-2.5e-7, "-2,5E-07"},
      {1e-300, "1E-300"},
      {100, "100"},
      {-40, "-40"},
      {0.5, "0,5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(vl::NumberText(c.value), c.text);
  }
}

TEST(RoundHalfEven2, TrueHalvesGoToEven) {
  // clang-format off
  const std::vector<std::pair<double, double>> cases = {
      {0.125, 0.12},  // exactly half: to the even 12
      {0.375, 0.38},  // to the even 38
      {-0.125, -0.12},
      {0.625, 0.62},
      {2.675, 2.67},  // the double is 2.67499999...: below the half
      {1.005, 1.0},   // 1.00499999...
      {0.135, 0.14},  // 0.13500000000000000888...: above the half
      {1.004, 1.0},
      {-1.006, -1.01},
      {2.5, 2.5},
      {12345.678, 12345.68},
      {1e20, 1e20},
      {0.0049, 0.0},
  };
  // clang-format on
  for (const auto& [v, expected] : cases) {
    SCOPED_TRACE(v);
    EXPECT_EQ(vl::RoundHalfEven2(v), expected);
  }
  EXPECT_EQ(vl::NumberText(vl::RoundHalfEven2(-0.004)), "0");
}

TEST(PlainNumeral, NoExponentAndPointDecimal) {
  const std::vector<TextCase> cases = {
      {0, "0"},
      {-0.0, "0"},
      {123, "123"},
      {-1.5, "-1.5"},
      {0.1, "0.1"},
      {1.0 / 3, "0.3333333333333333"},
      {1e-20, "0.00000000000000000001"},
      {1e20, "100000000000000000000"},
      {-1.25e-5, "-0.0000125"},
      {123456.789, "123456.789"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(vl::PlainNumeral(c.value), c.text);
  }
  EXPECT_THROW(vl::PlainNumeral(std::numeric_limits<double>::infinity()), vl::RunTimeError);
}

TEST(PlainNumeral, ReadsBackExactlyThroughTheInterpreter) {
  // clang-format off
  const double values[] = {1.0 / 3,   -2.0 / 3, 0.1 + 0.2, 1e-300,   5e-324, -5e-324,
                           1.7976931348623157e308, -1e22, 123456.789, 2.2250738585072014e-308,
                           -0.000123, 9007199254740993.0, 4.35, -7};
  // clang-format on
  vl::clsEquation eq;
  for (const double v : values) {
    const std::string text = vl::PlainNumeral(v);
    SCOPED_TRACE(text);
    eq.Equation(text);
    EXPECT_EQ(eq.Solution(), v);
    eq.Equation("x-(" + text + ")");  // the way an equation reader writes it back
    eq.Var("x", v);
    EXPECT_EQ(eq.Solution(), 0);
  }
}

TEST(ParseRangeNumber, Accepts) {
  // clang-format off
  const std::vector<std::pair<const char*, double>> cases = {
      {"10", 10},          {" -10 ", -10},      {"+2,5", 2.5},    {"2.5", 2.5},
      {"-0,25", -0.25},    {"1E+15", 1e15},     {"1,5E-05", 1.5e-5}, {"2e3", 2000},
      {",5", 0.5},         {"5,", 5},           {"007", 7},       {"\t3", 3},
      {"1e-400", 0},       {"-1,7976931348623157E+308", -1.7976931348623157e308},
  };
  // clang-format on
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text);
    try {
      EXPECT_EQ(vl::ParseRangeNumber(text), expected);
    } catch (const vl::RunTimeError& e) {
      ADD_FAILURE() << "raised " << e.Number();
    }
  }
  // What NumberText writes, the range box reads back.
  for (const double v : {-10.0, 12.5, 1e15, -1.5e-5, 0.0001, 0.333}) {
    SCOPED_TRACE(v);
    EXPECT_DOUBLE_EQ(vl::ParseRangeNumber(vl::NumberText(v)), v);
  }
}

TEST(ParseRangeNumber, Rejects) {
  // clang-format off
  const char* const cases[] = {"",    "  ",   "abc",  "1,2,3", "1.2.3", "1,2.3", "1e",
                               "1e+", "e5",   "1 0",  "--1",   "+-1",   "1x",    "0x10",
                               "1,5E-05x", "+", ",", "1e5.5", "2*3",  "pi",    "- 1"};
  // clang-format on
  for (const char* text : cases) {
    SCOPED_TRACE(text);
    try {
      vl::ParseRangeNumber(text);
      ADD_FAILURE() << "accepted";
    } catch (const vl::RunTimeError& e) {
      EXPECT_EQ(e.Number(), 13);
      EXPECT_EQ(e.Description(), "Tipos incompatíveis");
    }
  }
  try {
    vl::ParseRangeNumber("1e400");
    ADD_FAILURE() << "accepted";
  } catch (const vl::RunTimeError& e) {
    EXPECT_EQ(e.Number(), 6);
  }
}

}  // namespace
