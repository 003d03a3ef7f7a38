// The number a text begins with, as the angle box of the lines 4 window is read.
#include <gtest/gtest.h>

#include <string>

#include "LeadingNumber.h"
#include "RunTimeError.h"

namespace {

using vl::LeadingNumber;

TEST(LeadingNumber, ReadsOnlyTheLeadingNumeral) {
  struct Case {
    const char* text;
    double value;
  };
  for (const Case& c : {Case{"30", 30}, Case{"60/2", 60}, Case{"30 graus", 30}, Case{"1.2.3", 1.2}, Case{"3,5", 3},
                        Case{".5", 0.5}, Case{"-.25", -0.25}, Case{"+7", 7}, Case{"-12.5e1x", -125}, Case{"12d2", 1200},
                        Case{"2E-1", 0.2}, Case{"2e", 2}, Case{"2e+", 2}, Case{"1e-999", 0}}) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(LeadingNumber(c.text), c.value);
  }
}

TEST(LeadingNumber, BlanksAnywhereAreSkipped) {
  EXPECT_EQ(LeadingNumber("  45"), 45);
  EXPECT_EQ(LeadingNumber("4 5"), 45);
  EXPECT_EQ(LeadingNumber("- 1\t0"), -10);
}

TEST(LeadingNumber, NoNumberIsZero) {
  for (const char* text : {"", "abc", "pi", "-", ".", "+.", "e5", "(30)"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(LeadingNumber(text), 0);
  }
}

TEST(LeadingNumber, BeyondADoubleIsAnOverflow) {
  // Too large by its digits alone, or despite a negative exponent.
  const std::string digits400 = "1" + std::string(400, '0');
  for (const std::string& text : {std::string("1e999"), digits400, digits400 + "e-5"}) {
    SCOPED_TRACE(text.substr(0, 8));
    try {
      LeadingNumber(text);
      FAIL() << "no error";
    } catch (const vl::RunTimeError& e) {
      EXPECT_EQ(e.Number(), 6);
    }
  }
}

TEST(LeadingNumber, BelowADoubleIsZero) {
  // Too small by its digits alone, or despite a positive exponent: 0, not an overflow.
  EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0);
  EXPECT_EQ(LeadingNumber("-0." + std::string(500, '0') + "7e+20"), 0);
  EXPECT_EQ(LeadingNumber("0.001e-330"), 0);
}

}  // namespace
