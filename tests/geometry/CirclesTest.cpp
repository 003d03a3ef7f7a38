// Circles as values: through three points, crossings with lines, tangents.
#include <gtest/gtest.h>

#include "Circles.h"
#include "RunTimeError.h"

namespace {

using namespace vl;
using namespace vl::geo;

TEST(CircleThroughThreePoints, FindsTheCircle) {
  // (5, 1), (4, 6), (2, −2): x² + y² − 2/3·x − 16/3·y − 52/3 = 0, centre (1/3, 8/3).
  const ThreePointCircle c = CircleThroughThreePoints({5, 1}, {4, 6}, {2, -2});
  EXPECT_EQ(c.Det, 18);  // 30 + 2 − 8 − 12 + 10 − 4
  EXPECT_DOUBLE_EQ(c.D, -2.0 / 3);
  EXPECT_DOUBLE_EQ(c.E, -16.0 / 3);
  EXPECT_DOUBLE_EQ(c.F, -52.0 / 3);
  EXPECT_DOUBLE_EQ(c.centre.x, 1.0 / 3);
  EXPECT_DOUBLE_EQ(c.centre.y, 8.0 / 3);

  // The unit circle, exactly, and the same circle whatever the order of the points.
  for (const auto& [p1, p2, p3] :
       {std::tuple{Point{1, 0}, Point{-1, 0}, Point{0, 1}}, std::tuple{Point{0, 1}, Point{1, 0}, Point{-1, 0}}}) {
    const ThreePointCircle unit = CircleThroughThreePoints(p1, p2, p3);
    EXPECT_EQ(unit.D, 0);
    EXPECT_EQ(unit.E, 0);
    EXPECT_EQ(unit.F, -1);
    EXPECT_EQ(unit.centre.x, 0);
    EXPECT_EQ(unit.centre.y, 0);
  }
}

TEST(CircleThroughThreePoints, NoCircleThroughCollinearOrEqualPoints) {
  EXPECT_EQ(ThreePointDeterminant({0, 0}, {1, 1}, {2, 2}), 0);
  EXPECT_EQ(ThreePointDeterminant({3, -1}, {3, -1}, {7, 2}), 0);
  EXPECT_NE(ThreePointDeterminant({0, 0}, {1, 1}, {2, 2.5}), 0);
  try {
    CircleThroughThreePoints({0, 0}, {1, 1}, {2, 2});
    FAIL() << "a zero determinant must fault";
  } catch (const RunTimeError& e) {
    EXPECT_EQ(e.Number(), 11);
  }
}

}  // namespace
