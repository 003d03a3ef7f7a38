// The display list and the program's pictures, painted onto images and read back pixel by pixel.
#include <gtest/gtest.h>

#include <cmath>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>

#include "AllForms.h"
#include "App.h"
#include "DrawingArea.h"
#include "Painting.h"
#include "Pictures.h"
#include "TopicWindow.h"

namespace {

using vl::DrawingArea;

QImage Paint(const DrawingArea& area, QSize canvas = {}, QColor ground = Qt::white) {
  if (!canvas.isValid()) canvas = QSize(area.PixelWidth(), area.PixelHeight());
  QImage img(canvas, QImage::Format_RGB32);
  img.fill(ground);
  QPainter p(&img);
  vl::qt::PaintDisplayList(p, area);
  return img;
}

bool Is(const QImage& img, int x, int y, QRgb rgb) { return (img.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF); }
bool White(const QImage& img, int x, int y) { return Is(img, x, y, 0xFFFFFF); }

// Pixels that are not white, with their bounding box.
struct Ink {
  int count = 0;
  QRect box;
};
Ink InkOf(const QImage& img, QRect within) {
  Ink ink;
  for (int y = within.top(); y <= within.bottom(); ++y)
    for (int x = within.left(); x <= within.right(); ++x)
      if (!White(img, x, y)) {
        ++ink.count;
        ink.box = ink.box.united(QRect(x, y, 1, 1));
      }
  return ink;
}

DrawingArea Area(int w, int h) {
  DrawingArea a;
  a.SetPixelSize(w, h);
  return a;
}

// A 300-pixel area painted at a third of its size, as a picture made of a drawing, on an image of
// the given device pixels per pixel.
QImage PaintAtAThird(const DrawingArea& area, double ratio) {
  const int side = static_cast<int>(100 * ratio);
  QImage img(side, side, QImage::Format_RGB32);
  img.setDevicePixelRatio(ratio);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(1 / 3.0, 1 / 3.0);
  vl::qt::PaintDisplayList(p, area);
  p.end();
  return img;
}

TEST(PaintDisplayList, WideRedLineFollowsItsPixelsAndNothingElse) {
  DrawingArea a = Area(200, 200);
  a.foreColor = 12;
  a.drawWidth = 2;
  a.Line(10, 10, 100, 100);
  const QImage img = Paint(a);
  for (int t : {10, 30, 55, 80, 100}) EXPECT_TRUE(Is(img, t, t, 0xFF0000)) << "on the line at " << t;
  // Every painted pixel lies within the pen's reach of the segment.
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) {
      if (White(img, x, y)) continue;
      const double along = std::clamp((x + y - 20) / 2.0, 0.0, 90.0);
      const double dist = std::hypot(x - (10 + along), y - (10 + along));
      ASSERT_LE(dist, 2.5) << "stray pixel at " << x << "," << y;
    }
  EXPECT_TRUE(White(img, 150, 20));
  EXPECT_TRUE(White(img, 20, 150));
  EXPECT_TRUE(White(img, 120, 120));  // past the end
}

TEST(PaintDisplayList, PointIsARoundDotAsWideAsThePen) {
  DrawingArea a = Area(100, 100);
  a.foreColor = 12;
  a.drawWidth = 7;
  a.PSet(50, 40);
  const QImage img = Paint(a);
  const Ink ink = InkOf(img, img.rect());
  EXPECT_EQ(ink.box, QRect(47, 37, 7, 7));
  // Round, not square: about pi * 3.5^2 pixels, the corners left out.
  EXPECT_EQ(ink.count, 37);
  EXPECT_TRUE(White(img, 47, 37));
  EXPECT_TRUE(White(img, 53, 43));
  EXPECT_TRUE(Is(img, 50, 40, 0xFF0000));
  EXPECT_TRUE(Is(img, 47, 40, 0xFF0000));
  EXPECT_TRUE(Is(img, 50, 43, 0xFF0000));

  DrawingArea b = Area(20, 20);
  b.drawWidth = 1;
  b.PSet(5, 6);
  const Ink one = InkOf(Paint(b), QRect(0, 0, 20, 20));
  EXPECT_EQ(one.count, 1);
  EXPECT_EQ(one.box, QRect(5, 6, 1, 1));
}

TEST(PaintDisplayList, ThinLinesAreCrispAndDottedOnesAlternate) {
  DrawingArea a = Area(200, 40);
  a.foreColor = 0;
  a.drawWidth = 1;
  a.Line(10, 10, 110, 10);  // solid: every pixel, pure black, one row
  a.drawStyle = vl::PenStyle::Dotted;
  a.Line(10, 30, 110, 30);
  const QImage img = Paint(a);

  int solid = 0;
  for (int x = 10; x < 110; ++x) solid += Is(img, x, 10, 0);
  EXPECT_EQ(solid, 100);
  EXPECT_TRUE(White(img, 50, 9));
  EXPECT_TRUE(White(img, 50, 11));

  int dots = 0;
  for (int x = 10; x < 110; ++x) {
    const bool here = Is(img, x, 30, 0);
    dots += here;
    if (x > 10) {
      EXPECT_NE(here, Is(img, x - 1, 30, 0)) << "dots must alternate at x=" << x;
    }
    EXPECT_TRUE(White(img, x, 29) && White(img, x, 31));
  }
  EXPECT_EQ(dots, 50);
}

TEST(PaintDisplayList, CirclesTextAndClipping) {
  DrawingArea a = Area(200, 200);
  a.foreColor = 12;
  a.drawWidth = 1;
  a.Circle(100, 100, 30);
  a.foreColor = 9;
  a.currentX = 20;
  a.currentY = 150;
  a.font = vl::Font{"MS Sans Serif", 12, true};
  a.Print("Ab");
  a.foreColor = 0;
  a.Line(150, 10, 400, 10);  // runs off the right edge
  const QImage img = Paint(a, QSize(300, 220), Qt::green);

  EXPECT_TRUE(Is(img, 130, 100, 0xFF0000));
  EXPECT_TRUE(Is(img, 70, 100, 0xFF0000));
  EXPECT_TRUE(Is(img, 100, 130, 0xFF0000));
  EXPECT_TRUE(White(img, 100, 100));  // not filled

  // The text's top-left corner is at the print position.
  const Ink text = InkOf(img, QRect(0, 140, 100, 40));
  ASSERT_GT(text.count, 0);
  EXPECT_GE(text.box.left(), 20);
  EXPECT_LE(text.box.left(), 23);
  EXPECT_GE(text.box.top(), 150);
  EXPECT_LE(text.box.top(), 156);

  // White inside the area, nothing painted outside it.
  EXPECT_TRUE(Is(img, 199, 10, 0));
  EXPECT_TRUE(Is(img, 200, 10, 0x00FF00));
  EXPECT_TRUE(Is(img, 250, 10, 0x00FF00));
  EXPECT_TRUE(Is(img, 10, 210, 0x00FF00));
  EXPECT_TRUE(White(img, 199, 199));
}

// A picture made of a drawing paints the list scaled down: whole pixels of the area mean nothing
// there, and a thin dotted guide must still show all along it, in every other row at least.
TEST(PaintDisplayList, ScaledDownListKeepsItsThinGuides) {
  DrawingArea a = Area(300, 300);
  a.drawWidth = 1;
  a.Line(20, 20, 280, 200);  // a slanted line first
  a.drawStyle = vl::PenStyle::Dotted;
  a.Line(150, 30, 150, 270);
  const QImage img = PaintAtAThird(a, 1.0);
  int rows = 0;
  for (int y = 12; y < 88; ++y) rows += InkOf(img, QRect(48, y, 5, 1)).count > 0;
  EXPECT_GE(rows, 76 / 2);
}

// A list painted scaled down, as a picture made of a drawing, at one and two device pixels per
// pixel: lines along a row or a column and dots land on whole device pixels, in full colour, as wide
// as the pen comes out on the device and at least one pixel; a dotted one inks every other pixel.
TEST(PaintDisplayList, ScaledDownListSetsStraightLinesAndDotsOnWholeDevicePixels) {
  DrawingArea a = Area(300, 300);
  a.drawWidth = 2;
  a.Line(0, 150, 300, 150);  // an axis
  a.drawWidth = 1;
  a.Line(60, 20, 60, 280);
  a.drawStyle = vl::PenStyle::Dotted;
  a.Line(240, 20, 240, 280);
  a.drawStyle = vl::PenStyle::Solid;
  a.foreColor = 9;
  a.drawWidth = 13;
  a.PSet(150, 60);  // a dot
  for (const double ratio : {1.0, 2.0}) {
    SCOPED_TRACE(ratio);
    const QImage img = PaintAtAThird(a, ratio);
    const int side = img.width();
    const double s = ratio / 3;  // device pixels per area pixel
    // Every pixel is white, black or the dot's blue: nothing half-covered.
    for (int y = 0; y < side; ++y)
      for (int x = 0; x < side; ++x)
        ASSERT_TRUE(White(img, x, y) || Is(img, x, y, 0) || Is(img, x, y, 0x0000FF)) << x << "," << y;
    // The axis: as many whole rows as 2 pixels come to, all along.
    const Ink axis = InkOf(img, QRect(side / 3, static_cast<int>(140 * s), side / 3, static_cast<int>(20 * s)));
    EXPECT_EQ(axis.box.height(), std::max(1L, std::lround(2 * s)));
    EXPECT_EQ(axis.count, axis.box.width() * axis.box.height());
    // The thin line: one whole column; the dotted one: every other pixel of its column.
    const int middle = static_cast<int>(100 * s);
    EXPECT_EQ(InkOf(img, QRect(0, middle, static_cast<int>(120 * s), 1)).count, 1);
    const Ink dotted = InkOf(img, QRect(static_cast<int>(200 * s), static_cast<int>(30 * s), static_cast<int>(80 * s),
                                        static_cast<int>(100 * s)));  // above the axis
    EXPECT_EQ(dotted.box.width(), 1);
    EXPECT_NEAR(dotted.count, dotted.box.height() / 2.0, 1);
    // The dot: a disc as wide as 13 pixels come to on the device.
    const Ink dot = InkOf(img, QRect(static_cast<int>(130 * s), static_cast<int>(40 * s), static_cast<int>(40 * s),
                                     static_cast<int>(40 * s)));
    EXPECT_NEAR(dot.box.width(), 13 * s, 1);
    EXPECT_NEAR(dot.box.height(), 13 * s, 1);
    EXPECT_NEAR(dot.count, 3.14159 * (13 * s / 2) * (13 * s / 2), 0.2 * dot.count);
  }
}

// The main window's pictures at twice the density: each axis is solid rows of black, with no
// grey row beside it that would show a half-covered pixel.
TEST(PaintMainPictures, AxesAreSolidAtEveryDensity) {
  vl::App app;
  vl::RegisterAllForms(app);
  app.Show("Form11");
  for (const char* name : {"Image1", "Image2", "Image3", "Image4"}) {
    const vl::Control& picture = (*app.Loaded("Form11"))[name];
    ASSERT_TRUE(picture.drawing) << name;
    const DrawingArea& area = *picture.drawing;
    for (const double ratio : {1.0, 2.0}) {
      SCOPED_TRACE(std::string(name) + " at " + std::to_string(ratio));
      const QSize size(picture.width / 15, picture.height / 15);
      QImage img(size * ratio, QImage::Format_RGB32);
      img.setDevicePixelRatio(ratio);
      img.fill(Qt::white);
      QPainter p(&img);
      p.setRenderHint(QPainter::Antialiasing);
      p.scale(static_cast<double>(size.width()) / area.PixelWidth(),
              static_cast<double>(size.height()) / area.PixelHeight());
      vl::qt::PaintDisplayList(p, area);
      p.end();
      // Rows (and, transposed, columns) black for most of their length are the axis; beside it
      // hardly a pixel may be grey.
      for (const bool rows : {true, false}) {
        const QImage view = rows ? img : img.transformed(QTransform(0, 1, 1, 0, 0, 0));
        auto share = [&](int line, auto test) {
          int n = 0;
          for (int x = 0; x < view.width(); ++x) n += test(QColor(view.pixel(x, line)));
          return static_cast<double>(n) / view.width();
        };
        auto black = [](QColor c) { return c.lightness() == 0; };
        auto grey = [](QColor c) { return c.saturation() == 0 && c.lightness() > 0 && c.lightness() < 255; };
        std::vector<int> axis;
        for (int y = 0; y < view.height(); ++y)
          if (share(y, black) > 0.6) axis.push_back(y);
        ASSERT_FALSE(axis.empty());
        EXPECT_EQ(axis.back() - axis.front() + 1, static_cast<int>(axis.size()));
        EXPECT_LT(share(axis.front() - 1, grey), 0.1);
        EXPECT_LT(share(axis.back() + 1, grey), 0.1);
      }
    }
  }
}

// The plane of a topic window, painted. Along the axes every pixel is black or white: each axis is
// two whole rows (columns) of black, and each tick four pixels that reach one pixel beyond the axis
// on either side.
TEST(PaintPlane, AxesAndTicksLandOnWholePixels) {
  struct Range {
    const char *xMin, *xMax, *yMin, *yMax;
    int xTicks, yTicks;
  };
  for (const Range& r : {Range{"-10", "10", "-10", "10", 20, 20}, Range{"-7", "13", "-3", "17", 20, 20},
                         Range{"-25", "25", "-4", "9", 50, 13}}) {
    SCOPED_TRACE(std::string(r.xMin) + ".." + r.xMax + " x " + r.yMin + ".." + r.yMax);
    vl::App app;
    vl::RegisterAllForms(app);
    app.Show("Form1");
    auto& w = dynamic_cast<vl::TopicWindow&>(*app.Loaded("Form1"));
    w["Xmin"].text = r.xMin;
    w["Xmax"].text = r.xMax;
    w["Ymin"].text = r.yMin;
    w["Ymax"].text = r.yMax;
    w.DrawPlane();
    const QImage img = Paint(w.Picture1());
    // Reads the image along rows (x axis) or, transposed, along columns (y axis).
    for (const bool xAxis : {true, false}) {
      SCOPED_TRACE(xAxis ? "x axis" : "y axis");
      const int length = xAxis ? img.width() : img.height();
      auto at = [&](int along, int across) { return xAxis ? img.pixel(along, across) : img.pixel(across, along); };
      auto black = [&](int along, int across) { return (at(along, across) & 0xFFFFFF) == 0; };
      std::vector<int> full;  // lines across that are black over most of their length
      for (int across = 0; across < length; ++across) {
        int n = 0;
        for (int along = 0; along < length; ++along) n += black(along, across);
        if (n > length / 2) full.push_back(across);
      }
      ASSERT_EQ(full.size(), 2u);
      const int a = full[0];
      ASSERT_EQ(full[1], a + 1);
      // The other axis and its own ticks lie across this one: left out.
      const int other = [&] {
        for (int along = 0; along < length; ++along)
          if (black(along, a - 3) && black(along, a + 4)) return along;
        return -100;
      }();
      int ticks = 0;
      for (int along = 0; along < length; ++along) {
        if (!black(along, a) || std::abs(along - other) <= 4) continue;
        for (int across = a - 2; across <= a + 3; ++across) {
          const QRgb rgb = at(along, across) & 0xFFFFFF;
          ASSERT_TRUE(rgb == 0 || rgb == 0xFFFFFF) << "grey at " << along << ", " << across;
        }
        ASSERT_TRUE(black(along, a + 1)) << along;
        EXPECT_FALSE(black(along, a - 2) || black(along, a + 3)) << "tick longer than 4 pixels at " << along;
        const bool tick = black(along, a - 1);
        EXPECT_EQ(tick, black(along, a + 2)) << "tick off the axis's centre at " << along;
        ticks += tick;
      }
      EXPECT_EQ(ticks, xAxis ? r.xTicks : r.yTicks);
    }
  }
}

// ---- pictures ----

QImage Argb(const QPixmap& pm) { return pm.toImage().convertToFormat(QImage::Format_ARGB32); }

std::vector<QPoint> Opaque(const QImage& img) {
  std::vector<QPoint> out;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (qAlpha(img.pixel(x, y)) > 0) out.emplace_back(x, y);
  return out;
}

TEST(Pictures, ArrowheadsAreExactChevrons) {
  const QImage h = Argb(vl::qt::Picture("setah", QSize(16, 16)));
  ASSERT_EQ(h.size(), QSize(16, 16));
  std::vector<QPoint> expectH;
  for (int i = 0; i <= 4; ++i) expectH.insert(expectH.end(), {QPoint(i, i), QPoint(i, 8 - i)});
  const auto gotH = Opaque(h);
  EXPECT_EQ(gotH.size(), 9u);  // the tip is shared
  for (QPoint p : expectH) EXPECT_EQ(h.pixel(p), qRgba(0, 0, 0, 255)) << p.x() << "," << p.y();

  const QImage v = Argb(vl::qt::Picture("setav", QSize(16, 16)));
  const auto gotV = Opaque(v);
  EXPECT_EQ(gotV.size(), 9u);
  for (int i = 0; i <= 4; ++i) {
    EXPECT_EQ(v.pixel(4 - i, i), qRgba(0, 0, 0, 255));
    EXPECT_EQ(v.pixel(4 + i, i), qRgba(0, 0, 0, 255));
  }
  // A larger control shows the bitmap unscaled at its corner.
  const QImage big = Argb(vl::qt::Picture("setah", QSize(32, 32)));
  EXPECT_EQ(Opaque(big).size(), 9u);
}

TEST(Pictures, ArrowheadsOnADenseScreenAreDrawnAtItsResolution) {
  const QPixmap pm = vl::qt::Picture("setah", QSize(16, 16), 2.0);
  EXPECT_EQ(pm.devicePixelRatio(), 2.0);
  const QImage h = Argb(pm);
  ASSERT_EQ(h.size(), QSize(32, 32));
  // Along the upper stroke the ink moves one device pixel a row, not two every other row as a
  // doubled bitmap's stair steps would.
  auto centre = [&](int row) {
    double sum = 0, weight = 0;
    for (int x = 0; x < 12; ++x) {
      sum += (x + 0.5) * qAlpha(h.pixel(x, row));
      weight += qAlpha(h.pixel(x, row));
    }
    return weight > 0 ? sum / weight : -1.0;
  };
  for (int row = 2; row < 8; ++row) EXPECT_NEAR(centre(row + 1) - centre(row), 1.0, 0.35) << "row " << row;
  // Nothing beyond the chevron's 5 x 9 pixels.
  for (QPoint p : Opaque(h)) EXPECT_TRUE(p.x() < 11 && p.y() < 18) << p.x() << "," << p.y();
}

TEST(Pictures, IconsAreDrawnAndUnknownNamesAreEmpty) {
  for (const char* name : {"fechar", "sair", "arrow-left", "arrow-right"}) {
    const QImage img = Argb(vl::qt::Picture(name, QSize()));
    EXPECT_EQ(img.size(), vl::qt::NaturalPictureSize(name)) << name;
    EXPECT_GT(Opaque(img).size(), img.width() * img.height() / 6u) << name;
  }
  // The close icon carries its red cross.
  const QImage close = Argb(vl::qt::Picture("fechar", QSize(32, 32)));
  int red = 0;
  for (QPoint p : Opaque(close)) red += qRed(close.pixel(p)) > 180 && qGreen(close.pixel(p)) < 80;
  EXPECT_GT(red, 20);
  const QImage left = Argb(vl::qt::Picture("arrow-left", QSize(24, 24)));
  const QImage right = Argb(vl::qt::Picture("arrow-right", QSize(24, 24)));
  // The two page arrows are mirror images (give or take the edge smoothing).
  const QImage mirrored = left.mirrored(true, false);
  int differ = 0;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) differ += std::abs(qAlpha(mirrored.pixel(x, y)) - qAlpha(right.pixel(x, y))) > 64;
  EXPECT_LE(differ, 3);
  EXPECT_GT(qAlpha(right.pixel(13, 5)), 128);  // the head of the right arrow, on its right
  EXPECT_EQ(qAlpha(left.pixel(13, 5)), 0);

  EXPECT_TRUE(Opaque(Argb(vl::qt::Picture("main-1", QSize(50, 50)))).empty());
  EXPECT_TRUE(Opaque(Argb(vl::qt::Picture("help/no-such-page", QSize(50, 50)))).empty());
}

// An entry after a dash that runs over one line goes on under its own text, not under the dash.
TEST(Pictures, HelpEntriesAfterADashWrapUnderTheirText) {
  int wrapped = 0;
  for (const QString& file : QDir(":/help").entryList({"*.html"})) {
    const auto doc = vl::qt::HelpPage(QFileInfo(file).completeBaseName().toStdString());
    ASSERT_TRUE(doc) << file.toStdString();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
      const QTextLayout* layout = b.layout();
      if (!b.text().startsWith(QString::fromUtf8("– ")) || layout->lineCount() < 2) continue;
      ++wrapped;
      const double text = layout->lineAt(0).cursorToX(2);
      for (int i = 1; i < layout->lineCount(); ++i)
        EXPECT_NEAR(layout->lineAt(i).x(), text, 1.0) << file.toStdString() << ": " << b.text().toStdString();
    }
  }
  EXPECT_GE(wrapped, 3);  // the index has entries long enough to wrap
}

TEST(Pictures, HelpPagesComeFromTheProgramAndScaleAsAWhole) {
  const QImage small = Argb(vl::qt::Picture("help/instrucoes-1", QSize(220, 320)));
  const QImage large = Argb(vl::qt::Picture("help/instrucoes-1", QSize(440, 640)));
  QRect smallBox, largeBox;
  for (QPoint p : Opaque(small)) smallBox = smallBox.united(QRect(p, QSize(1, 1)));
  for (QPoint p : Opaque(large)) largeBox = largeBox.united(QRect(p, QSize(1, 1)));
  ASSERT_FALSE(smallBox.isNull()) << "the help page is not embedded in the program";
  // Uniform scaling: twice the room gives twice the page, in both directions.
  EXPECT_NEAR(largeBox.width(), 2.0 * smallBox.width(), 6);
  EXPECT_NEAR(largeBox.height(), 2.0 * smallBox.height(), 6);
}

}  // namespace
