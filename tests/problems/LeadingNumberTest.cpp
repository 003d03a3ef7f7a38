// The number a text begins with, as the angle box of the lines 4 window is read.
#include <gtest/gtest.h>

#include "LeadingNumber.h"
#include "RunTimeError.h"

namespace {

using vl::LeadingNumber;

TEST(LeadingNumber, ReadsOnlyTheLeadingNumeral) {
  struct Case {
    const char* text;
    double value;
  };
  for (const Case& c : {Case{"30", 30}, Case{"60/2", 60}, Case{"30 graus", 30}, Case{"1.2.3", 1.2},
                        Case{"3,5", 3}, Case{".5", 0.5}, Case{"-.25", -0.25}, Case{"+7", 7},
                        Case{"-12.5e1x", -125}, Case{"12d2", 1200}, Case{"2E-1", 0.2}, Case{"2e", 2},
                        Case{"2e+", 2}, Case{"1e-999", 0}}) {
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
  try {
    LeadingNumber("1e999");
    FAIL() << "no error";
  } catch (const vl::RunTimeError& e) {
    EXPECT_EQ(e.Number(), 6);
  }
}

}  // namespace
