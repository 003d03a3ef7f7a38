// A whole line a·x + b·y + c = 0 drawn across the plotted range, one unit inside each edge so
// its ends stop short of the arrowheads.
#include "App.h"
#include "Checked.h"
#include "Module1.h"
#include "TopicWindow.h"

namespace vl {

void TopicWindow::DrawLineFromCoefs() {
  const float xr = PlotXMax - 1.0f;
  const float yt = PlotYMax - 1.0f;
  const float xl = PlotXMin + 1.0f;
  const float yb = PlotYMin + 1.0f;

  const double a = Module1::CoefA.Number();
  const double b = Module1::CoefB.Number();
  const double c = Module1::CoefC.Number();
  DrawingArea& pic = Picture1();

  if (a == 0 && b == 0) {
    MsgBox("A equação que indicou não é a de uma recta.", MsgIcon::Information, "Vantre lomira");
    return;
  }
  if (a == 0) {
    const double y0 = checked::Div(-c, b);
    pic.Line(xl, y0, xr, y0);
    return;
  }
  if (b == 0) {
    const double x0 = checked::Div(-c, a);
    pic.Line(x0, yb, x0, yt);
    return;
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
}

}  // namespace vl
