// The plane on a bare drawing area, no window: the scale it returns, the note it leaves to its
// caller, the arrowheads drawn in, and agreement with what a topic window draws.
#include <cmath>

#include "LineDrawing.h"
#include "PlaneDrawing.h"
#include "PlaneTestSupport.h"
#include "RunTimeError.h"

namespace vl::planetest {
namespace {

constexpr int kSide = 627;  // a topic window's inner drawing area

DrawingArea BareArea() {
  DrawingArea area;
  area.SetPixelSize(kSide, kSide);
  return area;
}

struct Case {
  const char* name;
  PlotRange range;
  PlaneOptions options;
  float marginX, marginY;
  std::size_t gridLines;
  bool ticks;
  bool note;
};

// clang-format off
const Case kCases[] = {
    {"default range", {-10, 10, -10, 10}, {}, 0.4f, 0.4f, 0, true, false},
    {"default range with grid", {-10, 10, -10, 10}, {.grid = true}, 0.4f, 0.4f, 40, true, false},
    {"flat y range", {-5, 5, -1, 1}, {}, 0.2f, 0.04f, 0, true, false},
    {"fifty wide is graduated", {0, 50, -2, 3}, {.noteWhenUngraduated = true}, 1, 0.1f, 0, true, false},
    {"too wide, quiet", {-30, 30, -10, 10}, {.grid = true}, 1.2f, 0.4f, 0, false, false},
    {"too wide, with the note", {-30, 30, -10, 10}, {.grid = true, .noteWhenUngraduated = true}, 1.2f, 0.4f, 0,
     false, true},
    {"too wide, reversed", {30, -30, -10, 10}, {.noteWhenUngraduated = true}, 1.2f, 0.4f, 0, false, true},
};
// clang-format on

TEST(BarePlaneTest, ScaleNoteAndGraduationsFollowTheRange) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    DrawingArea area = BareArea();
    const PlaneDrawn d = DrawPlane(area, c.range, c.options);
    const PlotRange& r = c.range;
    EXPECT_FLOAT_EQ(d.scale.marginX, c.marginX);
    EXPECT_FLOAT_EQ(d.scale.marginY, c.marginY);
    // The scale runs two margins past each end (a reversed range loses them: its extent shrinks).
    auto extent = [](float lo, float hi, float m) { return std::fabs((hi + 2.0 * m) - (lo - 2.0 * m)); };
    EXPECT_FLOAT_EQ(d.scale.unitsPerPixelX, static_cast<float>(extent(r.xMin, r.xMax, c.marginX) / kSide));
    EXPECT_FLOAT_EQ(d.scale.unitsPerPixelY, static_cast<float>(extent(r.yMin, r.yMax, c.marginY) / kSide));
    EXPECT_FLOAT_EQ(area.ScaleLeft(), d.scale.left);
    EXPECT_FLOAT_EQ(area.ScaleTop(), d.scale.top);
    // Each axis ends one margin past its own range's upper end.
    EXPECT_FLOAT_EQ(static_cast<float>(d.xAxisEnd), r.xMax + c.marginX);
    EXPECT_FLOAT_EQ(static_cast<float>(d.yAxisEnd), r.yMax + c.marginY);
    const auto lines = Lines(area);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_FLOAT_EQ(lines[0].x2, static_cast<float>(d.xAxisEnd));
    EXPECT_FLOAT_EQ(lines[1].y2, static_cast<float>(d.yAxisEnd));
    EXPECT_EQ(GridLines(area).size(), c.gridLines);
    EXPECT_EQ(!XTicks(area).empty(), c.ticks);
    if (c.note) {
      EXPECT_EQ(d.note.text,
                "Não se graduam os eixos nem se desenha a grelha porque os valores e linhas ficavam sobrepostos.");
      EXPECT_EQ(d.note.title, "Vantre lomira");
      EXPECT_EQ(d.note.icon, MsgIcon::Information);
    } else {
      EXPECT_TRUE(d.note.text.empty());
    }
  }
}

TEST(BarePlaneTest, ArrowheadsAreDrawnLastAndMeetAtTheAxisTips) {
  for (const PlotRange r : {PlotRange{-10, 10, -10, 10}, PlotRange{-2, 7, -40, 3}}) {
    DrawingArea plain = BareArea();
    DrawPlane(plain, r, {});
    DrawingArea area = BareArea();
    const PlaneDrawn d = DrawPlane(area, r, {.drawArrowheads = true});
    const auto& list = area.List();
    ASSERT_EQ(list.size(), plain.List().size() + 4);
    const float xTip = static_cast<float>(d.xAxisEnd), yTip = static_cast<float>(d.yAxisEnd);
    for (std::size_t k = list.size() - 4; k < list.size(); ++k) {
      const DrawEntry& e = list[k];
      EXPECT_EQ(e.op, DrawEntry::Op::Line);
      EXPECT_EQ(e.colour, 0);
      EXPECT_EQ(e.width, 1);
      const bool onX = k < list.size() - 2;
      EXPECT_EQ(e.x2, onX ? xTip : 0.0f);
      EXPECT_EQ(e.y2, onX ? 0.0f : yTip);
      // Five pixels back along the axis, four to one side.
      EXPECT_NEAR(std::fabs(onX ? e.px2 - e.px1 : e.py1 - e.py2), 5, 1e-3);
      EXPECT_NEAR(std::fabs(onX ? e.py2 - e.py1 : e.px2 - e.px1), 4, 1e-3);
    }
  }
}

TEST(BarePlaneTest, AnUndrawableRangeRaisesAfterWipingTheArea) {
  const PlotRange bad[] = {{3, 3, -10, 10}, {-10, 10, 2, 2}, {-3e38f, 3e38f, -10, 10}};
  for (const PlotRange& r : bad) {
    DrawingArea area = BareArea();
    DrawPlane(area, {-10, 10, -10, 10}, {});
    EXPECT_THROW(DrawPlane(area, r, {}), RunTimeError);
    EXPECT_TRUE(area.List().empty());
    EXPECT_FALSE(area.UserScale());
  }
}

class BareAndWindowTest : public ProgramTest {};

// The window and a bare area of its size draw the very same entries for the same range and grid.
TEST_F(BareAndWindowTest, AWindowsPlaneIsTheBarePlane) {
  struct Row {
    const char* xmin;
    const char* xmax;
    const char* ymin;
    const char* ymax;
    bool grid;
  };
  const Row rows[] = {
      {"-10", "10", "-10", "10", false}, {"-2,5", "7", "-3", "12,25", true}, {"-40", "40", "-1", "1", true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.xmin);
    TopicWindow& w = Open("Form2");
    SetRange("Form2", row.xmin, row.xmax, row.ymin, row.ymax);
    w["DesenharGrelha"].value = row.grid;
    w.DrawPlane();
    DrawingArea area = BareArea();
    area.font = w.Picture1().font;  // the axis names keep the size the area had
    const PlaneDrawn d = DrawPlane(area, {w.PlotXMin, w.PlotXMax, w.PlotYMin, w.PlotYMax}, {.grid = row.grid});
    EXPECT_EQ(d.scale.marginX, w.PlotMarginX);
    EXPECT_EQ(d.scale.unitsPerPixelX, w.UnitsPerPixelX);
    EXPECT_EQ(d.scale.unitsPerPixelY, w.UnitsPerPixelY);
    const auto& mine = area.List();
    const auto& theirs = w.Picture1().List();
    ASSERT_EQ(mine.size(), theirs.size());
    for (std::size_t k = 0; k < mine.size(); ++k) {
      EXPECT_EQ(mine[k].x1, theirs[k].x1) << k;
      EXPECT_EQ(mine[k].y2, theirs[k].y2) << k;
      EXPECT_EQ(mine[k].text, theirs[k].text) << k;
      EXPECT_EQ(mine[k].colour, theirs[k].colour) << k;
    }
  }
}

// A window cuts a line at its own plotted range, exactly as a bare area with that range does.
TEST_F(BareAndWindowTest, ALineAcrossABareAreaIsTheWindowsLine) {
  TopicWindow& w = Open("Form2");
  const double lines[][3] = {{0, 1, -3}, {1, 0, 2}, {1, -1, 0}, {1, 3, -6}, {2, -1, 1}, {1, 1, -25}, {3, -4, 8}};
  for (const auto& l : lines) {
    const std::size_t before = w.Picture1().List().size();
    ASSERT_TRUE(w.DrawLineFromCoefs({l[0], l[1], l[2]}));
    ASSERT_EQ(w.Picture1().List().size(), before + 1);
    const DrawEntry theirs = w.Picture1().List().back();
    DrawingArea area = BareArea();
    DrawPlane(area, {w.PlotXMin, w.PlotXMax, w.PlotYMin, w.PlotYMax}, {});
    ASSERT_TRUE(DrawLineAcross(area, {w.PlotXMin, w.PlotXMax, w.PlotYMin, w.PlotYMax}, {l[0], l[1], l[2]}));
    const DrawEntry mine = area.List().back();
    EXPECT_EQ(mine.x1, theirs.x1);
    EXPECT_EQ(mine.y1, theirs.y1);
    EXPECT_EQ(mine.x2, theirs.x2);
    EXPECT_EQ(mine.y2, theirs.y2);
  }
}

}  // namespace
}  // namespace vl::planetest
