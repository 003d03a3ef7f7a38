// A line value drawn across the plotted range, cut one unit inside it.
#include "LineDrawing.h"
#include "PlaneTestSupport.h"
#include "RunTimeError.h"

namespace vl::planetest {
namespace {

class LineDrawingTest : public ProgramTest {
 protected:
  void SetUp() override {
    window = &Open("Form2");
    app.TakeMessages();
  }
  // Draws with a problem's solution pen and returns what was added.
  std::vector<DrawEntry> Draw(double a, double b, double c) {
    DrawingArea& pic = window->Picture1();
    pic.foreColor = 12;
    pic.drawWidth = 2;
    const std::size_t before = pic.List().size();
    drawn = window->DrawLineFromCoefs({a, b, c});
    return {pic.List().begin() + static_cast<std::ptrdiff_t>(before), pic.List().end()};
  }
  void ExpectSegment(const std::vector<DrawEntry>& added, float x1, float y1, float x2, float y2) {
    ASSERT_EQ(added.size(), 1u);
    const DrawEntry& e = added[0];
    EXPECT_EQ(e.op, DrawEntry::Op::Line);
    EXPECT_FLOAT_EQ(e.x1, x1);
    EXPECT_FLOAT_EQ(e.y1, y1);
    EXPECT_FLOAT_EQ(e.x2, x2);
    EXPECT_FLOAT_EQ(e.y2, y2);
    EXPECT_EQ(e.colour, 12);
    EXPECT_EQ(e.width, 2);
  }

  TopicWindow* window = nullptr;
  bool drawn = false;
};

TEST_F(LineDrawingTest, HorizontalAndVerticalLines) {
  ExpectSegment(Draw(0, 1, -2), -9, 2, 9, 2);
  ExpectSegment(Draw(1, 0, 3), -3, -9, -3, 9);
  ExpectSegment(Draw(0, -4, 2), -9, 0.5f, 9, 0.5f);
}

TEST_F(LineDrawingTest, SlopedLinesRunTopToBottomOrAreCutAtTheSides) {
  ExpectSegment(Draw(1, -1, 0), 9, 9, -9, -9);
  ExpectSegment(Draw(0.1, -1, 0), 9, 0.9f, -9, -0.9f);
  // 2x + y - 4 = 0 crosses y = 9 at x = -2.5 and y = -9 at x = 6.5.
  ExpectSegment(Draw(2, 1, -4), -2.5f, 9, 6.5f, -9);
  // -x - 3y + 3 = 0: flat, leaves through both sides: y(9) = -2, y(-9) = 4.
  ExpectSegment(Draw(-1, -3, 3), -9, 4, 9, -2);
}

TEST_F(LineDrawingTest, ACrossingExactlyOnTheInsetEdgeCountsAsInside) {
  // 2x - y - 9 = 0 meets y = 9 at x = 9 exactly, and y = -9 at x = 0.
  ExpectSegment(Draw(2, -1, -9), 9, 9, 0, -9);
  // A hair further right it leaves through the side instead: (9, 2·9 - 9.0001).
  ExpectSegment(Draw(2, -1, -9.0001), 9, static_cast<float>(8.9999), 0.00005f, -9);
}

TEST_F(LineDrawingTest, UsesTheRangeOfTheLastDrawingNotTheBoxes) {
  SetRange("Form2", "-20", "20", "-10", "10");
  ExpectSegment(Draw(0, 1, -2), -9, 2, 9, 2);  // not redrawn yet
  Reactivate("Form2");
  ExpectSegment(Draw(0, 1, -2), -19, 2, 19, 2);
  ExpectSegment(Draw(1, -1, 0), 9, 9, -9, -9);
}

TEST_F(LineDrawingTest, NoLineWhenBothCoefficientsAreZeroAndNoMessage) {
  for (double c : {0.0, 5.0}) {
    EXPECT_TRUE(Draw(0, 0, c).empty());
    EXPECT_FALSE(drawn);
    EXPECT_TRUE(app.TakeMessages().empty());  // the problem that drew it says so
  }
  EXPECT_FALSE(Draw(1, 0, 0).empty());
  EXPECT_TRUE(drawn);
}

TEST_F(LineDrawingTest, ALineOutsideTheRangeLeavesAnInvisiblePoint) {
  // x - y + 100 = 0: both ends come out as (-9, 91), above the inset rectangle.
  ExpectSegment(Draw(1, -1, 100), -9, 91, -9, 91);
  EXPECT_TRUE(app.TakeMessages().empty());
}

TEST_F(LineDrawingTest, PenIsLeftAlone) {
  Draw(3, 4, 5);
  EXPECT_EQ(window->Picture1().foreColor, 12);
  EXPECT_EQ(window->Picture1().drawWidth, 2);
}

TEST_F(LineDrawingTest, OnABareDrawingAreaWithAGivenRange) {
  DrawingArea pic;
  pic.foreColor = 9;
  ASSERT_TRUE(DrawLineAcross(pic, {-20, 20, -10, 10}, {0, 1, -2}));
  ASSERT_EQ(pic.List().size(), 1u);
  const DrawEntry& e = pic.List()[0];
  EXPECT_FLOAT_EQ(e.x1, -19);
  EXPECT_FLOAT_EQ(e.x2, 19);
  EXPECT_FLOAT_EQ(e.y1, 2);
  EXPECT_EQ(e.colour, 9);
}

TEST_F(LineDrawingTest, AQuotientBeyondTheDoubleRangeReachesTheCaller) {
  try {
    Draw(1e-300, 1e300, 0);
    ADD_FAILURE() << "no error raised";
  } catch (const RunTimeError& e) {
    EXPECT_EQ(e.Number(), 6);
  }
}

}  // namespace
}  // namespace vl::planetest
