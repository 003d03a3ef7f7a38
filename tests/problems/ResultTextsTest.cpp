// How results are written: points, radical distances, angles in degrees, minutes and seconds, and
// general circle equations.
#include <gtest/gtest.h>

#include <cmath>

#include "ResultTexts.h"

namespace {

using namespace vl;

TEST(AngleDmsText, DegreesMinutesSeconds) {
  struct Case {
    const char* what;
    double radians;
    const char* text;
  };
  const Case cases[] = {
      // The acute angle of 2x - 5y = 3 and x + 3y = 0: atn(11/13) = 40.2363583...°.
      {"atn(11/13)", std::atan(11.0 / 13), "40º  14'  10,89''"},
      {"atn(1)", std::atan(1.0), "45º  0'  0''"},
      // 2x - 3y + 7 = 0 rises at atn(2/3) = 33.6900675...°.
      {"atn(2/3)", std::atan(2.0 / 3), "33º  41'  24,24''"},
      // 0.5 rad = 28.6478897...°; seconds 52.4 lose their trailing zero.
      {"0.5 rad", 0.5, "28º  38'  52,4''"},
      // Negative angles give negative fields, truncated toward zero.
      {"atn(-0.6)", std::atan(-0.6), "-30º  -57'  -49,52''"},
      {"tiny", 1e-9, "0º  0'  0''"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(AngleDmsText(c.radians), c.text);
  }
}

TEST(AngleDmsText, SecondsAreRoundedAfterTruncationAndNeverCarried) {
  // 10° 59' 59.996'' in radians: the seconds round up to 60 and the minutes stay 59.
  const double deg = 10 + 59.0 / 60 + 59.996 / 3600;
  const AngleDms a = AngleDmsParts(deg * std::atan(1.0) / 45);
  EXPECT_EQ(a.D, 10);
  EXPECT_EQ(a.M, 59);
  EXPECT_EQ(a.S, 60);
  EXPECT_EQ(DmsText(a.D, a.M, a.S), "10º  59'  60''");
}

TEST(GeneralCircleText, RoundsAndTidiesTheSigns) {
  EXPECT_EQ(GeneralCircleText(-2.0 / 3, -16.0 / 3, -52.0 / 3), "x^2 + y^2 - 0,67x - 5,33y - 17,33 = 0");
  EXPECT_EQ(GeneralCircleText(0, 0, -1), "x^2 + y^2 + 0x + 0y - 1 = 0");
  EXPECT_EQ(GeneralCircleText(2, 3.5, 0.125), "x^2 + y^2 + 2x + 3,5y + 0,12 = 0");
  EXPECT_EQ(GeneralCircleText(-4, 6, -0.004), "x^2 + y^2 - 4x + 6y + 0 = 0");
}

}  // namespace
