#pragma once
// Paints a drawing area's display list. The same code serves the window and the tests, which
// paint onto a QImage and look at the pixels.
#include <QColor>
#include <QPainter>

#include "DrawingArea.h"

namespace vl::qt {

QColor PaletteColor(int index);
// 0xRRGGBB as the controls store it.
QColor RgbColor(std::int32_t rgb);

// Paints the area's inner rectangle (0, 0, PixelWidth, PixelHeight) in the painter's coordinates:
// white, then every entry in order, clipped to that rectangle. Under a painter that scales the area
// (a picture made of a drawing) straight lines, dots and text are set on the device's own pixels.
void PaintDisplayList(QPainter& painter, const DrawingArea& area);

}  // namespace vl::qt
