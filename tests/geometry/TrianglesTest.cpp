// Triangles and tangents as values: notable points, area, right angles, tangents to circles.
#include <gtest/gtest.h>

#include <cmath>

#include "Circles.h"
#include "RunTimeError.h"
#include "Triangles.h"

namespace {

using namespace vl;
using namespace vl::geo;

void ExpectPoint(Point p, double x, double y) {
  EXPECT_DOUBLE_EQ(p.x, x);
  EXPECT_DOUBLE_EQ(p.y, y);
}

TEST(Triangles, NotablePoints) {
  // The right triangle (0, 0), (4, 0), (0, 3): sides 3, 4, 5.
  const Point A{0, 0}, B{4, 0}, C{0, 3};
  ExpectPoint(Circumcentre(A, B, C), 2, 1.5);  // the middle of the hypotenuse
  ExpectPoint(Incentre(A, B, C), 1, 1);        // inradius (3 + 4 - 5) / 2
  ExpectPoint(Orthocentre(A, B, C), 0, 0);     // the right-angle vertex
  ExpectPoint(Centroid(A, B, C), 4.0 / 3, 1);
  ExpectPoint(AltitudeFoot(A, B, C), 1.44, 1.92);
  // Collinear vertices have no circumcentre or orthocentre.
  EXPECT_THROW(Circumcentre({0, 0}, {1, 1}, {2, 2}), RunTimeError);
  EXPECT_THROW(Orthocentre({0, 0}, {1, 1}, {2, 2}), RunTimeError);
}

TEST(Triangles, AreaAndRightAngle) {
  struct Case {
    Point A, B, C;
    double area;
    bool right;
  };
  for (const Case& c : {Case{{0, 0}, {4, 0}, {0, 3}, 6, true}, Case{{0, 3}, {4, 0}, {0, 0}, 6, true},
                        Case{{2, -2}, {-8, 4}, {5, 8}, 59, false}, Case{{2, -2}, {-8, 4}, {5, -2}, 9, false},
                        Case{{1, 1}, {2, 2}, {3, 3}, 0, false}}) {
    EXPECT_EQ(TriangleArea(c.A, c.B, c.C), c.area);  // clockwise or not, without a sign
    EXPECT_EQ(RightAngled(c.A, c.B, c.C), c.right);
  }
}

TEST(Triangles, IncircleBisectorsOfTheSides) {
  // y = 0 and x = 0 as sides: their bisector is x - y = 0 (up to scale).
  const Line ab{0, 1, 0}, ca{1, 0, 0};
  const Line bisector = SideBisector(ab, NormalLength(ab), ca, NormalLength(ca));
  EXPECT_EQ(bisector.a, -1);
  EXPECT_EQ(bisector.b, 1);
  EXPECT_EQ(bisector.c, 0);
  EXPECT_EQ(NormalLength({3, 4, 9}), 5);
}

TEST(Tangents, AtAPointFromAPointAndTouchingALine) {
  // x² + y² = 25 at (3, 4): 3x + 4y - 25 = 0.
  const Line at = TangentAt({0, 0}, {3, 4});
  EXPECT_EQ(at.a, 3);
  EXPECT_EQ(at.b, 4);
  EXPECT_EQ(at.c, -25);

  // From (2, 0) to the unit circle: both tangents pass through (2, 0) and lie 1 from the centre.
  for (Side side : {Side::First, Side::Second}) {
    const Line t = TangentFromPoint({0, 0, 1}, {2, 0}, side);
    EXPECT_NEAR(PointLineDistance(t, {0, 0}), 1, 1e-15);
    EXPECT_EQ(t.a * 2 + t.c, 0);
  }
  // When u² = r² one formula gives 0x + 0y + 0; the other tangent takes its place.
  const Line swapped = TangentFromPoint({1, 2, 1}, {0, 0}, Side::Second);
  EXPECT_TRUE(IsLine(swapped));
  EXPECT_NEAR(PointLineDistance(swapped, {1, 2}), 1, 1e-15);

  // The radius about a centre touching a line: horizontal and vertical lines without a root.
  EXPECT_EQ(RadiusTouchingLine({0, 2, -6}, {5, -1}), 4);
  EXPECT_EQ(RadiusTouchingLine({1, 0, 2}, {3, 9}), 5);
  EXPECT_EQ(RadiusTouchingLine({3, -4, -24}, {-2, 5}), 10);
  EXPECT_THROW(RadiusTouchingLine({0, 0, 1}, {0, 0}), RunTimeError);
}

}  // namespace
