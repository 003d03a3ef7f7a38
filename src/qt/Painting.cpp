#include "Painting.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
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

// A line 1 or 2 pixels wide along a row or a column covers whole pixels, as on the drawing area
// the windows were made for: 1 pixel wide, from its first end up to its last, not included; 2
// pixels wide, both ends included, on the line's own row and the one above it (its own column and
// the one left of it). So a 2-pixel axis is two rows of black and a tick drawn 2 pixels each side
// of it covers 4 pixels, one beyond the axis on each side. A dotted line inks every other pixel
// from its first end. Returns false for any other line, and when the painter scales the area (a
// picture made of a drawing), where whole pixels of the area are no pixels of the screen.
bool PaintStraight(QPainter& p, const DrawEntry& e, QRect inner) {
  if (e.width > 2 || p.worldTransform().type() > QTransform::TxTranslate) return false;
  const int x1 = Pixel(e.px1), y1 = Pixel(e.py1), x2 = Pixel(e.px2), y2 = Pixel(e.py2);
  const bool alongRow = y1 == y2;
  if (!alongRow && x1 != x2) return false;
  const int width = std::max(1, e.width);
  const int from = alongRow ? x1 : y1;
  const int to = alongRow ? x2 : y2;
  const int step = to >= from ? 1 : -1;
  const int pixels = std::abs(to - from) + (width == 1 ? 0 : 1);
  const int across = (alongRow ? y1 : x1) - width / 2;
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

void PaintLine(QPainter& p, const DrawEntry& e, QRect inner) {
  if (PaintStraight(p, e, inner)) return;
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

void PaintText(QPainter& p, const DrawEntry& e) {
  const QFont font = MakeFont(e.font);
  p.setFont(font);
  p.setPen(PaletteColor(e.colour));
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  const QFontMetricsF metrics(font, p.device());
  p.drawText(QPointF(Pixel(e.px1), Pixel(e.py1) + metrics.ascent()), QString::fromStdString(e.text));
}

}  // namespace

void PaintDisplayList(QPainter& painter, const DrawingArea& area) {
  painter.save();
  const QRect inner(0, 0, area.PixelWidth(), area.PixelHeight());
  painter.setClipRect(inner, Qt::IntersectClip);
  painter.fillRect(inner, Qt::white);
  for (const DrawEntry& e : area.List()) {
    switch (e.op) {
      case DrawEntry::Op::Line: PaintLine(painter, e, inner); break;
      case DrawEntry::Op::Point: PaintPoint(painter, e); break;
      case DrawEntry::Op::Circle: PaintCircle(painter, e); break;
      case DrawEntry::Op::Text: PaintText(painter, e); break;
    }
  }
  painter.restore();
}

}  // namespace vl::qt
