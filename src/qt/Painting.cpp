#include "Painting.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <QFontMetricsF>
#include <QPen>
#include <QString>

#include "Fonts.h"
#include "Palette.h"

namespace vl::qt {

QColor PaletteColor(int index) { return QColor::fromRgb(static_cast<QRgb>(PaletteRgb(index))); }

QColor RgbColor(std::int32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb & 0xFFFFFF)); }

namespace {

// The whole pixel of a position. Halves go up, and so does a value a hair below a half: a tick
// computed in single precision as its axis ± 2 pixels then rounds the way its axis does.
int Pixel(double v) {
  // Entries far outside the area still have to fit an int before clipping.
  if (!std::isfinite(v)) return 0;
  return static_cast<int>(std::floor(std::clamp(v, -1e6, 1e6) + 0.5 + 1e-3));
}

// Wide pens and circles are antialiased; their geometry goes through pixel centres so a one-pixel
// coordinate and a seven-pixel dot line up.
QPointF Centre(double px, double py) { return {Pixel(px) + 0.5, Pixel(py) + 0.5}; }

QPen MakePen(const DrawEntry& e) {
  QPen pen(PaletteColor(e.colour));
  pen.setWidth(std::max(1, e.width));
  pen.setCapStyle(e.width > 1 ? Qt::RoundCap : Qt::FlatCap);
  pen.setJoinStyle(Qt::RoundJoin);
  if (e.style == PenStyle::Dotted && e.width <= 1) pen.setDashPattern({1.0, 1.0});
  return pen;
}

// A line 1 or 2 pixels wide along a row or a column of the area: its ends along it and the row
// (or column) it runs on, in whole area pixels.
struct StraightLine {
  bool alongRow;
  int width;
  int from, to;
  int at;
};
std::optional<StraightLine> Straight(const DrawEntry& e) {
  if (e.width > 2) return std::nullopt;
  const int x1 = Pixel(e.px1), y1 = Pixel(e.py1), x2 = Pixel(e.px2), y2 = Pixel(e.py2);
  const bool alongRow = y1 == y2;
  if (!alongRow && x1 != x2) return std::nullopt;
  return StraightLine{alongRow, std::max(1, e.width), alongRow ? x1 : y1, alongRow ? x2 : y2, alongRow ? y1 : x1};
}

// A line 1 or 2 pixels wide along a row or a column covers whole pixels, as on the drawing area
// the windows were made for: 1 pixel wide, from its first end up to its last, not included; 2
// pixels wide, both ends included, on the line's own row and the one above it (its own column and
// the one left of it). So a 2-pixel axis is two rows of black and a tick drawn 2 pixels each side
// of it covers 4 pixels, one beyond the axis on each side. A dotted line inks every other pixel
// from its first end. Returns false for any other line, and when the painter scales the area (a
// picture made of a drawing), where whole pixels of the area are no pixels of the screen (see
// DeviceGrid).
bool PaintStraight(QPainter& p, const DrawEntry& e, QRect inner) {
  if (p.worldTransform().type() > QTransform::TxTranslate) return false;
  const std::optional<StraightLine> line = Straight(e);
  if (!line) return false;
  // Plain copies: lambdas below capture them, which clang 14 does not allow of structured bindings.
  const bool alongRow = line->alongRow;
  const int width = line->width, from = line->from, to = line->to, at = line->at;
  const int step = to >= from ? 1 : -1;
  const int pixels = std::abs(to - from) + (width == 1 ? 0 : 1);
  const int across = at - width / 2;
  const int room = alongRow ? inner.width() : inner.height();
  const bool dotted = e.style == PenStyle::Dotted && width == 1;
  const QColor colour = PaletteColor(e.colour);
  p.setRenderHint(QPainter::Antialiasing, false);
  auto fill = [&](int a, int b) {  // pixels a .. b along the line, in either order
    const int lo = std::min(a, b);
    const int n = std::abs(b - a) + 1;
    if (alongRow)
      p.fillRect(lo, across, n, width, colour);
    else
      p.fillRect(across, lo, width, n, colour);
  };
  // Only the pixels of the area are visited: a line may run far beyond it.
  int k0 = 0, k1 = pixels - 1;
  if (step > 0) {
    k0 = std::max(k0, -1 - from);
    k1 = std::min(k1, room - from);
  } else {
    k0 = std::max(k0, from - room);
    k1 = std::min(k1, from + 1);
  }
  if (k1 < k0) return true;
  if (!dotted) {
    fill(from + step * k0, from + step * k1);
    return true;
  }
  for (int k = k0 + (k0 % 2); k <= k1; k += 2) fill(from + step * k, from + step * k);
  return true;
}

// Where the painter scales the area (a picture made of a drawing) the area's pixels are no pixels of
// the screen. Lines along a row or a column and dots are then set in whole pixels of the device, at
// its pixel ratio, as wide as the area's pen comes out there and at least one pixel: a 2-pixel axis
// scaled to 1.3 device pixels is one solid row, not a dark row over a grey one. Text is set in the
// size its font comes out on the device.
class DeviceGrid {
 public:
  // A grid only for a painter that scales without turning. The device's pixel ratio is what the
  // painter adds to its world on the way to the device (also when a widget is rendered elsewhere).
  static std::optional<DeviceGrid> Of(const QPainter& p) {
    const QTransform& m = p.worldTransform();
    if (m.type() != QTransform::TxScale || m.m11() <= 0 || m.m22() <= 0) return std::nullopt;
    return DeviceGrid(m, p.deviceTransform().m11() / m.m11());
  }

  // Device pixel coordinates of an area position, and device pixels per area pixel.
  double X(double x) const { return (m_.m11() * x + m_.dx()) * ratio_; }
  double Y(double y) const { return (m_.m22() * y + m_.dy()) * ratio_; }
  double ScaleX() const { return m_.m11() * ratio_; }
  double ScaleY() const { return m_.m22() * ratio_; }

  // Runs `paint` with the painter's coordinates in device pixels.
  template <class Paint>
  void InDevicePixels(QPainter& p, Paint paint) const {
    p.save();
    p.setWorldTransform(QTransform::fromScale(1 / ratio_, 1 / ratio_));
    p.setRenderHint(QPainter::Antialiasing, false);
    paint();
    p.restore();
  }

 private:
  DeviceGrid(const QTransform& m, double ratio) : m_(m), ratio_(ratio > 0 ? ratio : 1.0) {}
  QTransform m_;
  double ratio_;
};

// PaintStraight's band of area pixels, set on the device's pixels.
bool PaintStraightOnDevice(QPainter& p, const DrawEntry& e, QRect inner, const DeviceGrid& g) {
  const std::optional<StraightLine> line = Straight(e);
  if (!line) return false;
  // Plain copies: lambdas below capture them, which clang 14 does not allow of structured bindings.
  const bool alongRow = line->alongRow;
  const int width = line->width, from = line->from, to = line->to, at = line->at;
  // Area pixels [lo, hi) along the line: a 1-pixel line leaves out its last end, a 2-pixel one
  // takes both; across it, `width` pixels from `band`.
  const int lo = width == 1 && to < from ? to + 1 : std::min(from, to);
  const int hi = width == 1 ? (to < from ? from + 1 : to) : std::max(from, to) + 1;
  if (hi <= lo) return true;
  const int band = at - width / 2;
  auto along = [&](double v) { return alongRow ? g.X(v) : g.Y(v); };
  auto across = [&](double v) { return alongRow ? g.Y(v) : g.X(v); };

  const int thickness = std::max(1, static_cast<int>(std::lround(width * (alongRow ? g.ScaleY() : g.ScaleX()))));
  const int side = static_cast<int>(std::lround(across(band + width / 2.0) - thickness / 2.0));
  int first = static_cast<int>(std::lround(along(lo)));
  int last = std::max(first + 1, static_cast<int>(std::lround(along(hi)))) - 1;
  // A dotted line inks every other device pixel, counted from its first end.
  const int start = to < from ? last : first;
  // Only the device pixels of the area are visited: a line may run far beyond it.
  first = std::max(first, static_cast<int>(std::floor(along(0))) - 1);
  last = std::min(last, static_cast<int>(std::ceil(along(alongRow ? inner.width() : inner.height()))));
  if (last < first) return true;
  const bool dotted = e.style == PenStyle::Dotted && width == 1;
  const QColor colour = PaletteColor(e.colour);
  g.InDevicePixels(p, [&] {
    auto fill = [&](int a, int n) {
      if (alongRow)
        p.fillRect(a, side, n, thickness, colour);
      else
        p.fillRect(side, a, thickness, n, colour);
    };
    if (!dotted) {
      fill(first, last - first + 1);
      return;
    }
    for (int k = first; k <= last; ++k)
      if ((k - start) % 2 == 0) fill(k, 1);
  });
  return true;
}

void PaintLine(QPainter& p, const DrawEntry& e, QRect inner, const std::optional<DeviceGrid>& grid) {
  if (grid ? PaintStraightOnDevice(p, e, inner, *grid) : PaintStraight(p, e, inner)) return;
  p.setPen(MakePen(e));
  if (e.width <= 1) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawLine(QPoint(Pixel(e.px1), Pixel(e.py1)), QPoint(Pixel(e.px2), Pixel(e.py2)));
  } else {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.drawLine(Centre(e.px1, e.py1), Centre(e.px2, e.py2));
  }
}

void PaintPoint(QPainter& p, const DrawEntry& e) {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  const QColor colour = PaletteColor(e.colour);
  const int x = Pixel(e.px1);
  const int y = Pixel(e.py1);
  const int w = std::max(1, e.width);
  // A solid round dot as wide as the pen, built from whole pixels so it is the same on every
  // device: a pixel belongs to it when its centre lies inside the circle. An odd width centres the
  // dot on the pixel, an even one on its top-left corner.
  const double cx = x + (w % 2 ? 0.5 : 0.0);
  const double cy = y + (w % 2 ? 0.5 : 0.0);
  const double r2 = w * w / 4.0;
  const int reach = w / 2 + 1;
  for (int row = y - reach; row <= y + reach; ++row) {
    const double dy = row + 0.5 - cy;
    int first = 0, last = -1;
    for (int col = x - reach; col <= x + reach; ++col) {
      const double dx = col + 0.5 - cx;
      if (dx * dx + dy * dy > r2) continue;
      if (last < first) first = col;
      last = col;
    }
    if (last >= first) p.fillRect(first, row, last - first + 1, 1, colour);
  }
}

// PaintPoint's dot on the device's pixels: those whose centres lie inside it, at least the one
// under its centre.
void PaintPointOnDevice(QPainter& p, const DrawEntry& e, const DeviceGrid& g) {
  const int w = std::max(1, e.width);
  const double cx = g.X(Pixel(e.px1) + (w % 2 ? 0.5 : 0.0));
  const double cy = g.Y(Pixel(e.py1) + (w % 2 ? 0.5 : 0.0));
  const double rx = w / 2.0 * g.ScaleX();
  const double ry = w / 2.0 * g.ScaleY();
  const QColor colour = PaletteColor(e.colour);
  g.InDevicePixels(p, [&] {
    bool any = false;
    for (int row = static_cast<int>(std::floor(cy - ry)); row <= static_cast<int>(std::ceil(cy + ry)); ++row) {
      const double dy = (row + 0.5 - cy) / ry;
      if (dy * dy > 1) continue;
      const double half = rx * std::sqrt(1 - dy * dy);
      const int first = static_cast<int>(std::ceil(cx - half - 0.5));
      const int last = static_cast<int>(std::floor(cx + half - 0.5));
      if (last < first) continue;
      p.fillRect(first, row, last - first + 1, 1, colour);
      any = true;
    }
    if (!any) p.fillRect(static_cast<int>(std::floor(cx)), static_cast<int>(std::floor(cy)), 1, 1, colour);
  });
}

void PaintCircle(QPainter& p, const DrawEntry& e) {
  p.setPen(MakePen(e));
  p.setBrush(Qt::NoBrush);
  p.setRenderHint(QPainter::Antialiasing, e.width > 1);
  const double rx = std::min(e.prx, 1e6);
  const double ry = std::min(e.pry, 1e6);
  if (e.width <= 1) {
    p.drawEllipse(QPoint(Pixel(e.px1), Pixel(e.py1)), Pixel(rx), Pixel(ry));
  } else {
    p.drawEllipse(Centre(e.px1, e.py1), rx, ry);
  }
}

void PaintText(QPainter& p, const DrawEntry& e, const std::optional<DeviceGrid>& grid) {
  QFont font = MakeFont(e.font);
  p.setPen(PaletteColor(e.colour));
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  if (grid) {
    // On a scaled picture the text is set in the font's size on the device, so its glyphs are
    // fitted to the device's pixels instead of scaled from the area's.
    const double top = grid->Y(Pixel(e.py1));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * grid->ScaleY()))));
    const QFontMetricsF metrics(font);
    grid->InDevicePixels(p, [&] {
      p.setRenderHint(QPainter::Antialiasing, true);
      p.setFont(font);
      p.drawText(QPointF(grid->X(Pixel(e.px1)), std::round(top + metrics.ascent())), QString::fromStdString(e.text));
    });
    return;
  }
  p.setFont(font);
  const QFontMetricsF metrics(font, p.device());
  p.drawText(QPointF(Pixel(e.px1), Pixel(e.py1) + metrics.ascent()), QString::fromStdString(e.text));
}

}  // namespace

void PaintDisplayList(QPainter& painter, const DrawingArea& area) {
  painter.save();
  const QRect inner(0, 0, area.PixelWidth(), area.PixelHeight());
  painter.setClipRect(inner, Qt::IntersectClip);
  painter.fillRect(inner, Qt::white);
  const std::optional<DeviceGrid> grid = DeviceGrid::Of(painter);
  for (const DrawEntry& e : area.List()) {
    switch (e.op) {
      case DrawEntry::Op::Line: PaintLine(painter, e, inner, grid); break;
      case DrawEntry::Op::Point:
        if (grid)
          PaintPointOnDevice(painter, e, *grid);
        else
          PaintPoint(painter, e);
        break;
      case DrawEntry::Op::Circle: PaintCircle(painter, e); break;
      case DrawEntry::Op::Text: PaintText(painter, e, grid); break;
    }
  }
  painter.restore();
}

}  // namespace vl::qt
