#include "LineDrawing.h"

#include <utility>

#include "Checked.h"
#include "TopicWindow.h"

namespace vl {

bool DrawLineAcross(DrawingArea& pic, const PlotRange& range, const geo::Line& line) {
  const float xr = range.xMax - 1.0f;
  const float yt = range.yMax - 1.0f;
  const float xl = range.xMin + 1.0f;
  const float yb = range.yMin + 1.0f;
  const double a = line.a;
  const double b = line.b;
  const double c = line.c;

  if (a == 0 && b == 0) return false;
  if (a == 0) {
    const double y0 = checked::Div(-c, b);
    pic.Line(xl, y0, xr, y0);
    return true;
  }
  if (b == 0) {
    const double x0 = checked::Div(-c, a);
    pic.Line(x0, yb, x0, yt);
    return true;
  }

  auto yAt = [&](double x) { return checked::Div(checked::Sub(checked::Mul(-a, x), c), b); };
  auto xAt = [&](double y) { return checked::Div(checked::Sub(checked::Mul(-b, y), c), a); };
  // An end that leaves the inset rectangle through a side is cut at that side.
  auto endFrom = [&](double edgeY) {
    const double x = xAt(edgeY);
    if (x > xr) return std::pair{static_cast<double>(xr), yAt(xr)};
    if (x < xl) return std::pair{static_cast<double>(xl), yAt(xl)};
    return std::pair{x, edgeY};
  };
  const auto [x1, y1] = endFrom(yt);
  const auto [x2, y2] = endFrom(yb);
  pic.Line(x1, y1, x2, y2);
  return true;
}

bool TopicWindow::DrawLineFromCoefs(const geo::Line& line) {
  return DrawLineAcross(Picture1(), {PlotXMin, PlotXMax, PlotYMin, PlotYMax}, line);
}

}  // namespace vl
