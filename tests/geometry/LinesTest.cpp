// Lines as values: constructions, distances, crossings, angles.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Lines.h"
#include "RunTimeError.h"

namespace {

using namespace vl;
using namespace vl::geo;

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
  EXPECT_EQ(PointLineDistance({3, -4, -24}, {-2, 5}), 10);
  // A point of the line.
  EXPECT_EQ(PointLineDistance({3, -4, -24}, {8, 0}), 0);
  // x + y - 1 = 0 from the origin: 1 / sqrt(2), whichever side of the line.
  EXPECT_DOUBLE_EQ(PointLineDistance({1, 1, -1}, {0, 0}), std::sqrt(0.5));
  EXPECT_DOUBLE_EQ(PointLineDistance({1, 1, -1}, {1, 1}), std::sqrt(0.5));
  // Horizontal and vertical lines: y = 2 from (7, -3), x = -1 from (4, 100).
  EXPECT_EQ(PointLineDistance({0, 1, -2}, {7, -3}), 5);
  EXPECT_EQ(PointLineDistance({2, 0, 2}, {4, 100}), 5);
}

TEST(PointLineDistance, NoLineIsAFault) {
  EXPECT_EQ(FaultNumber([] { PointLineDistance({0, 0, 3}, {1, 1}); }), err::kDivisionByZero);
  // 0 / 0 is an invalid operation, not a division by zero.
  EXPECT_EQ(FaultNumber([] { PointLineDistance({0, 0, 0}, {1, 1}); }), err::kOverflow);
}

TEST(IntersectTwoLines, CrossingPoint) {
  // 2x + 3y + 4 = 0 and 5x - 2y + 4 = 0 cross at (-20/19, -12/19).
  const LineCrossing k = IntersectTwoLines(Line{2, 3, 4}, Line{5, -2, 4});
  EXPECT_EQ(k.D, 19);
  EXPECT_EQ(k.Nx, -20);
  EXPECT_EQ(k.Ny, -12);
  ASSERT_TRUE(k.Single());
  EXPECT_FALSE(k.SameLine());
  EXPECT_DOUBLE_EQ(k.At().x, -20.0 / 19);
  EXPECT_DOUBLE_EQ(k.At().y, -12.0 / 19);

  // x + y - 2 = 0 and x - y - 2 = 0 cross on the x axis, at (2, 0).
  const Point p = IntersectTwoLines(Line{1, 1, -2}, Line{1, -1, -2}).At();
  EXPECT_EQ(p.x, 2);
  EXPECT_EQ(p.y, 0);
  // Vertical and horizontal: x = 3 and y = -4.
  const Point q = IntersectTwoLines(Line{1, 0, -3}, Line{0, 1, 4}).At();
  EXPECT_EQ(q.x, 3);
  EXPECT_EQ(q.y, -4);
}

TEST(IntersectTwoLines, ParallelAndSameLine) {
  struct Case {
    const char* what;
    Line first, second;
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
    EXPECT_NE(FaultNumber([&] { k.At(); }), 0) << "no point for a zero determinant";
  }
}

// Each construction as a value, and the coefficients a watch sees, in the order they are found.
class Seen : public CoefficientWatch {
 public:
  void A(double v) override { log.push_back({'a', v}); }
  void B(double v) override { log.push_back({'b', v}); }
  void C(double v) override { log.push_back({'c', v}); }
  std::vector<std::pair<char, double>> log;
};

void ExpectLine(const Line& l, double a, double b, double c) {
  EXPECT_EQ(l.a, a);
  EXPECT_EQ(l.b, b);
  EXPECT_EQ(l.c, c);
}

TEST(Constructions, LinesThroughPoints) {
  struct Case {
    const char* what;
    Line line;
    double a, b, c;
  };
  const Case cases[] = {
      {"through (5, -3) and (-2, 3)", LineThroughTwoPoints({5, -3}, {-2, 3}), 6, 7, -9},
      {"through a point twice", LineThroughTwoPoints({2.5, 1}, {2.5, 1}), 0, 0, 0},
      {"parallel to 2x + 3y - 1 = 0 through (2, 3)", ParallelThrough({2, 3, -1}, {2, 3}), 2, 3, -13},
      {"perpendicular to 2x + 3y - 1 = 0 through (2, 3)", PerpendicularThrough({2, 3, -1}, {2, 3}), 3, -2, 0},
      {"perpendicular to x - y = 0 through (4, 1)", PerpendicularThrough({1, -1, 0}, {4, 1}), -1, -1, 5},
      {"bisector of (-2, -4) and (5, 4)", PerpendicularBisector({-2, -4}, {5, 4}), 14, 16, -21},
      {"slope 2 through (1, 1)", LineWithSlope(2, {1, 1}), 2, -1, -1},
      {"bisectors of x = 0 and y = 0", Bisector({1, 0, 0}, {0, 1, 0}, Side::First), 1, -1, 0},
      {"and the other one", Bisector({1, 0, 0}, {0, 1, 0}, Side::Second), 1, 1, 0},
      // At 45° (cotangent 1) with y = 0 through the origin: normals (1, 1) and (1, -1).
      {"at 45° with y = 0, first", LineAtAngle({0, 1, 0}, 1, {0, 0}, Side::First), 1, 1, 0},
      {"at 45° with y = 0, second", LineAtAngle({0, 1, 0}, 1, {0, 0}, Side::Second), -1, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectLine(c.line, c.a, c.b, c.c);
  }
  EXPECT_FALSE(IsLine(LineThroughTwoPoints({1, 1}, {1, 1})));
  EXPECT_TRUE(IsLine({0, 2, 0}));
}

TEST(Constructions, AWatchSeesEachCoefficientAsFoundAndNothingAfterAFault) {
  Seen seen;
  PerpendicularThrough({2, 3, -1}, {2, 3}, &seen);
  EXPECT_EQ(seen.log, (std::vector<std::pair<char, double>>{{'a', 3}, {'b', -2}, {'c', 0}}));

  // b is out of range: a was found and seen, c never.
  seen.log.clear();
  EXPECT_THROW(LineThroughTwoPoints({1e308, 0}, {-1e308, 1}, &seen), RunTimeError);
  EXPECT_EQ(seen.log, (std::vector<std::pair<char, double>>{{'a', 1}}));

  // The normal of a slope comes before its constant, which overflows here.
  seen.log.clear();
  EXPECT_THROW(LineWithSlope(1e300, {1e300, 0}, &seen), RunTimeError);
  EXPECT_EQ(seen.log, (std::vector<std::pair<char, double>>{{'a', 1e300}, {'b', -1}}));
}

TEST(Measures, SlopeAnglesAndAxisCrossings) {
  EXPECT_EQ(Slope({2, -3, 7}), 2.0 / 3);
  EXPECT_THROW(Slope({1, 0, 3}), RunTimeError);
  EXPECT_EQ(XAxisCrossing({2, 3, -8}), 4);
  EXPECT_EQ(YAxisCrossing({2, 4, -8}), 2);
  EXPECT_TRUE(OnLine({3, 2, -18}, {2, 6}));
  EXPECT_FALSE(OnLine({3, 2, -18}, {2, 6.5}));

  // 2x - 5y = 3 and x + 3y = 0: atan(11/13); perpendicular lines are known by the dot product alone.
  const LinesAngle acute = AngleBetween({2, -5, -3}, {1, 3, 0});
  EXPECT_FALSE(acute.right);
  EXPECT_DOUBLE_EQ(acute.radians, std::atan(11.0 / 13));
  EXPECT_TRUE(AngleBetween({1e300, 1, 0}, {-1, 1e300, 0}).right) << "no cross product, no overflow";
  EXPECT_TRUE(Parallel({1, -1, 4}, {2, -2, -1}));
  EXPECT_FALSE(Parallel({1, -1, 4}, {2, 2, -1}));

  EXPECT_DOUBLE_EQ(InclinationSlope(45), 1);
  EXPECT_DOUBLE_EQ(Cotangent(45), 1);
  EXPECT_NEAR(Cotangent(90), 0, 1e-16);

  // The foot of (0, 2) on x - y = 0 is (1, 1).
  const Point h = PerpendicularFoot({1, -1, 0}, {0, 2});
  EXPECT_DOUBLE_EQ(h.x, 1);
  EXPECT_DOUBLE_EQ(h.y, 1);
}

TEST(Measures, MidpointDistanceAndCollinearity) {
  const Point m = Midpoint({2, -2}, {-8, 4});
  EXPECT_EQ(m.x, -3);
  EXPECT_EQ(m.y, 1);
  const Distance d = PointDistance({1, 1}, {-2, 5});
  EXPECT_EQ(d.s, 25);
  EXPECT_EQ(d.d, 5);
  EXPECT_THROW(Midpoint({1e308, 0}, {1e308, 0}), RunTimeError);
  EXPECT_THROW(PointDistance({-1e200, 0}, {1e200, 0}), RunTimeError);
}

}  // namespace
