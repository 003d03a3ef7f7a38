// The drawing area's pen, scale, printing and kept list.
#include <gtest/gtest.h>

#include "DrawingArea.h"
#include "RunTimeError.h"

namespace vl {
namespace {

DrawingArea Area() {
  DrawingArea d;
  d.SetPixelSize(200, 100);
  return d;
}

TEST(DrawingArea, UserScaleMapsCornersToPixels) {
  DrawingArea d = Area();
  d.Scale(-10, 5, 10, -5);  // y grows upwards
  EXPECT_DOUBLE_EQ(d.ToPixelX(-10), 0);
  EXPECT_DOUBLE_EQ(d.ToPixelX(10), 200);
  EXPECT_DOUBLE_EQ(d.ToPixelY(5), 0);
  EXPECT_DOUBLE_EQ(d.ToPixelY(-5), 100);
  EXPECT_DOUBLE_EQ(d.ToPixelX(0), 100);
  EXPECT_DOUBLE_EQ(d.ToPixelY(0), 50);
  d.Line(0, 0, 10, 5);
  const DrawEntry& e = d.List().back();
  EXPECT_DOUBLE_EQ(e.px2, 200);
  EXPECT_DOUBLE_EQ(e.py2, 0);
  EXPECT_FLOAT_EQ(e.x2, 10);
}

TEST(DrawingArea, AWidePenAlwaysDrawsSolid) {
  DrawingArea d = Area();
  d.drawStyle = PenStyle::Dotted;
  d.drawWidth = 1;
  d.Line(0, 0, 10, 10);
  d.drawWidth = 2;
  d.Line(0, 0, 10, 10);
  EXPECT_EQ(d.List()[0].style, PenStyle::Dotted);
  EXPECT_EQ(d.List()[1].style, PenStyle::Solid);
  EXPECT_EQ(d.List()[1].width, 2);
}

TEST(DrawingArea, PointsAndCirclesCarryThePen) {
  DrawingArea d = Area();
  d.Scale(0, 10, 20, 0);
  d.foreColor = 12;
  d.drawWidth = 7;
  d.PSet(5, 5);
  d.drawWidth = 2;
  d.Circle(10, 5, -2, 9);  // a colour of its own; a negative radius draws |r|
  ASSERT_EQ(d.List().size(), 2u);
  EXPECT_EQ(d.List()[0].op, DrawEntry::Op::Point);
  EXPECT_EQ(d.List()[0].width, 7);
  EXPECT_EQ(d.List()[0].colour, 12);
  EXPECT_EQ(d.List()[1].colour, 9);
  EXPECT_FLOAT_EQ(d.List()[1].r, 2);
  EXPECT_DOUBLE_EQ(d.List()[1].prx, 20);  // 10 pixels per unit across
  EXPECT_DOUBLE_EQ(d.List()[1].pry, 20);
  EXPECT_EQ(d.foreColor, 12);  // the call's colour does not change the pen
}

TEST(DrawingArea, PrintingMovesToTheNextLineAndNumbersKeepASignPlace) {
  DrawingArea d = Area();
  d.Scale(0, 10, 20, 0);
  d.font = Font{"MS Serif", 6, true};
  d.currentX = 3;
  d.currentY = 8;
  d.PrintNumber(2.5);
  d.PrintNumber(-4);
  ASSERT_EQ(d.List().size(), 2u);
  EXPECT_EQ(d.List()[0].text, " 2,5");
  EXPECT_EQ(d.List()[1].text, "-4");
  EXPECT_FLOAT_EQ(d.List()[0].x1, 3);
  EXPECT_FLOAT_EQ(d.List()[1].x1, 0);  // the next line starts at the left edge
  EXPECT_LT(d.List()[1].y1, 8);        // and lower down
  EXPECT_EQ(d.List()[0].font, (Font{"MS Serif", 6, true}));
}

TEST(DrawingArea, ClearingKeepsPenAndFont) {
  DrawingArea d = Area();
  EXPECT_EQ(d.font, (Font{"MS Sans Serif", 8.25, false}));
  d.font.size = 6;
  d.foreColor = 8;
  d.Line(0, 0, 1, 1);
  const auto before = d.Revision();
  d.Cls();
  EXPECT_TRUE(d.List().empty());
  EXPECT_GT(d.Revision(), before);
  EXPECT_EQ(d.font.size, 6);
  EXPECT_EQ(d.foreColor, 8);
}

TEST(DrawingArea, CoordinatesBeyondSinglePrecisionOverflow) {
  DrawingArea d = Area();
  try {
    d.Line(0, 0, 1e39, 0);
    FAIL() << "no error";
  } catch (const RunTimeError& e) {
    EXPECT_EQ(e.Number(), 6);
  }
  EXPECT_TRUE(d.List().empty());
  EXPECT_THROW(d.Scale(0, 0, 0, 10), RunTimeError);  // no extent
}

}  // namespace
}  // namespace vl
