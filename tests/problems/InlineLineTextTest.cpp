// The line text a handler builds itself, and how it differs from the shared equation text.
#include <gtest/gtest.h>

#include <string>

#include "InlineLineText.h"
#include "Module1.h"
#include "SharedLine.h"

namespace {

using namespace vl;
using Module1::Coef;

struct Written {
  std::string text;
  Coef a, b, c;
};

Written Write(double a, double b, double c) {
  const Module1::LineEquation eq = InlineLineEquationText({a, b, c});
  return {eq.text, eq.a, eq.b, eq.c};
}

TEST(InlineLineEquationText, TextsForTypicalCoefficients) {
  struct Case {
    double a, b, c;
    const char* text;
  };
  for (const Case& k : {
           // The inclination of 30 degrees through (-1, 3): slope tan(30°) and c = 3 + tan(30°).
           Case{0.5773502691896257, -1, 3.5773502691896257, "0,58x-y+3,58 = 0"},
           Case{3, -2, -7, "3x-2y-7 = 0"},
           Case{1, 1, 0, "x+y = 0"},
           Case{-1, -1, 2.5, "-x-y+2,5 = 0"},
           // A zero coefficient of x or y stays in the text.
           Case{-1, 0, 2, "-x+0y+2 = 0"},
           Case{0, 4, -1, "0x+4y-1 = 0"},
           // The constant term goes when it rounds to 0, half to even.
           Case{0, -1, 0.004, "0x-y = 0"},
           Case{2, 0.5, -0.125, "2x+0,5y-0,12 = 0"},
           Case{1.7320508075688767, -1, -0.0, "1,73x-y = 0"},
       }) {
    SCOPED_TRACE(k.text);
    EXPECT_EQ(Write(k.a, k.b, k.c).text, k.text);
  }
}

TEST(InlineLineEquationText, UnitIsRecognisedBeforeRounding) {
  // tan(45°) computed in doubles is one step below 1: it is written as the number 1.
  Written w = Write(0.9999999999999999, -1, -0.9999999999999999);
  EXPECT_EQ(w.text, "1x-y-1 = 0");
  ASSERT_TRUE(w.a.IsNumber());
  EXPECT_EQ(w.a.Number(), 1);
  EXPECT_FALSE(w.b.IsNumber());
  EXPECT_EQ(w.b.Text(), "-");
  EXPECT_EQ(w.c.Number(), -1);

  // The same on the negative side (tan(135°) is one step beyond -1), and for b.
  EXPECT_EQ(Write(-1.0000000000000002, -1, 4).text, "-1x-y+4 = 0");
  EXPECT_EQ(Write(-1.004, 1.004, 5).text, "-1x+1y+5 = 0");

  // The shared text writes the same values without digits, which is the difference.
  EXPECT_EQ(Module1::GeneralLineEquation(-1.004, 1.004, 5).text, "-x+y+5=0");
}

TEST(InlineLineEquationText, CellsHoldWhatTheTextUsed) {
  Written w = Write(1, 2.346, -3.14159);
  EXPECT_EQ(w.text, "x+2,35y-3,14 = 0");
  EXPECT_FALSE(w.a.IsNumber());
  EXPECT_EQ(w.a.Text(), "");
  EXPECT_EQ(w.b.Number(), 2.35);
  EXPECT_EQ(w.c.Number(), -3.14);
}

TEST(InlineLineEquationText, PublishedInTheSharedCells) {
  Module1::EquationText = "unchanged";
  EXPECT_EQ(shared::PublishInlineEquation({0.25, -1, -10.006}), "0,25x-y-10,01 = 0");
  EXPECT_EQ(Module1::CoefA.Number(), 0.25);
  EXPECT_EQ(Module1::CoefB.Text(), "-");
  EXPECT_EQ(Module1::CoefC.Number(), -10.01);
  EXPECT_EQ(Module1::EquationText, "unchanged") << "the shared text is not this routine's";
}

}  // namespace
