// Distance from a point to a line, the crossing of two lines, and angles in degrees, minutes
// and seconds.
#include <gtest/gtest.h>

#include <cmath>

#include "LineMeasures.h"
#include "RunTimeError.h"

namespace {

using namespace vl;

int FaultNumber(auto&& f) {
  try {
    f();
  } catch (const RunTimeError& e) {
    return e.Number();
  }
  return 0;
}

TEST(PointLineDistance, KnownDistances) {
  // 3x - 4y - 24 = 0 from (-2, 5): |-6 - 20 - 24| / 5.
  EXPECT_EQ(PointLineDistance(3, -4, -24, -2, 5), 10);
  // A point of the line.
  EXPECT_EQ(PointLineDistance(3, -4, -24, 8, 0), 0);
  // x + y - 1 = 0 from the origin: 1 / sqrt(2), whichever side of the line.
  EXPECT_DOUBLE_EQ(PointLineDistance(1, 1, -1, 0, 0), std::sqrt(0.5));
  EXPECT_DOUBLE_EQ(PointLineDistance(1, 1, -1, 1, 1), std::sqrt(0.5));
  // Horizontal and vertical lines: y = 2 from (7, -3), x = -1 from (4, 100).
  EXPECT_EQ(PointLineDistance(0, 1, -2, 7, -3), 5);
  EXPECT_EQ(PointLineDistance(LineCoefficients{2, 0, 2}, PlanePoint{4, 100}), 5);
}

TEST(PointLineDistance, NoLineIsAFault) {
  EXPECT_EQ(FaultNumber([] { PointLineDistance(0, 0, 3, 1, 1); }), err::kDivisionByZero);
  // 0 / 0 is an invalid operation, not a division by zero.
  EXPECT_EQ(FaultNumber([] { PointLineDistance(0, 0, 0, 1, 1); }), err::kOverflow);
}

TEST(IntersectTwoLines, CrossingPoint) {
  // 2x + 3y + 4 = 0 and 5x - 2y + 4 = 0 cross at (-20/19, -12/19).
  const LineCrossing k = IntersectTwoLines(2, 3, 4, 5, -2, 4);
  EXPECT_EQ(k.D, 19);
  EXPECT_EQ(k.Nx, -20);
  EXPECT_EQ(k.Ny, -12);
  ASSERT_TRUE(k.Single());
  EXPECT_FALSE(k.SameLine());
  EXPECT_DOUBLE_EQ(k.Point().x, -20.0 / 19);
  EXPECT_DOUBLE_EQ(k.Point().y, -12.0 / 19);

  // x + y - 2 = 0 and x - y - 2 = 0 cross on the x axis, at (2, 0).
  const PlanePoint p = IntersectTwoLines(LineCoefficients{1, 1, -2}, LineCoefficients{1, -1, -2}).Point();
  EXPECT_EQ(p.x, 2);
  EXPECT_EQ(p.y, 0);
  // Vertical and horizontal: x = 3 and y = -4.
  const PlanePoint q = IntersectTwoLines(1, 0, -3, 0, 1, 4).Point();
  EXPECT_EQ(q.x, 3);
  EXPECT_EQ(q.y, -4);
}

TEST(IntersectTwoLines, ParallelAndSameLine) {
  struct Case {
    const char* what;
    LineCoefficients first, second;
    bool same;
  };
  const Case cases[] = {
      {"x-y+4=0, 2x-2y-1=0", {1, -1, 4}, {2, -2, -1}, false},
      {"x-y+4=0, 2x-2y+8=0", {1, -1, 4}, {2, -2, 8}, true},
      {"y=1, y=2", {0, 1, -1}, {0, 1, -2}, false},
      // Both vertical: Nx is 0 while Ny is not, so they are still only parallel.
      {"x=1, x=2", {1, 0, -1}, {1, 0, -2}, false},
      {"x=1, 3x=3", {1, 0, -1}, {3, 0, -3}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const LineCrossing k = IntersectTwoLines(c.first, c.second);
    EXPECT_EQ(k.D, 0);
    EXPECT_FALSE(k.Single());
    EXPECT_EQ(k.SameLine(), c.same);
    EXPECT_NE(FaultNumber([&] { k.Point(); }), 0) << "no point for a zero determinant";
  }
}

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

}  // namespace
