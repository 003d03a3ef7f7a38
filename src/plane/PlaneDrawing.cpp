// The empty coordinate plane: axes with arrowheads and names, integer graduations with their
// numbers and, on request, a grid.
#include <cmath>

#include "App.h"
#include "Palette.h"
#include "PlaneScale.h"
#include "TopicWindow.h"

namespace vl {

namespace {

constexpr const char* kUngraduatedText =
    "Não se graduam os eixos nem se desenha a grelha porque os valores e linhas ficavam sobrepostos.";
constexpr const char* kTitleLower = "Vantre lomira";

const Font kAxisNameFont{"MS Sans Serif", 8.25, true};
const Font kNumberFont{"MS Serif", 6, true};

// Places an arrowhead's top-left corner at a point of the plane.
void MoveImage(Control& image, const DrawingArea& area, double x, double y) {
  const float fx = static_cast<float>(x);
  const float fy = static_cast<float>(y);
  image.left = static_cast<int>(std::lround(area.ToPixelX(fx) * kTwipsPerPixel));
  image.top = static_cast<int>(std::lround(area.ToPixelY(fy) * kTwipsPerPixel));
}

}  // namespace

void TopicWindow::DrawPlane() {
  DrawingArea& pic = Picture1();
  pic.Cls();
  pic.ScaleModePixels();
  pic.drawStyle = PenStyle::Solid;

  // Each field is stored as soon as its box is read, so a later unreadable box leaves the
  // earlier ones in place for the caller's error trap.
  PlotXMin = ReadRangeBox((*this)["Xmin"].text);
  PlotXMax = ReadRangeBox((*this)["Xmax"].text);
  PlotYMin = ReadRangeBox((*this)["Ymin"].text);
  PlotYMax = ReadRangeBox((*this)["Ymax"].text);

  pic.drawWidth = 2;
  pic.foreColor = colour::kBlack;

  const PlaneScale s =
      ComputePlaneScale(PlotXMin, PlotXMax, PlotYMin, PlotYMax, pic.PixelWidth(), pic.PixelHeight());
  PlotMarginX = s.marginX;
  UnitsPerPixelX = s.unitsPerPixelX;
  UnitsPerPixelY = s.unitsPerPixelY;
  const double mx = PlotMarginX, my = s.marginY;
  const double px = UnitsPerPixelX, py = UnitsPerPixelY;
  const double xMin = PlotXMin, xMax = PlotXMax, yMin = PlotYMin, yMax = PlotYMax;

  pic.Scale(s.left, s.top, s.right, s.bottom);

  Control& setaH = (*this)["SetaH"];
  Control& setaV = (*this)["SetaV"];
  setaH.visible = true;
  setaV.visible = true;
  // The chevrons' tips then sit one pixel past the x axis's end and on the y axis's end.
  MoveImage(setaH, pic, xMax + mx - 3 * px, 4 * py);
  MoveImage(setaV, pic, -4 * px, yMax + my);

  pic.Line(xMin - mx, 0, xMax + mx, 0);
  pic.Line(0, yMin - my, 0, yMax + my);

  // The size is left as it is: the names come out larger on the first drawing after load.
  pic.font.name = kAxisNameFont.name;
  pic.font.bold = true;
  pic.currentX = xMax + mx + 2 * px;
  pic.currentY = -5 * py;
  pic.Print("x");
  pic.currentX = -12 * px;
  pic.currentY = yMax + my + 9 * py;
  pic.Print("y");

  pic.drawWidth = 1;

  if (s.widthX > kMaxGraduatedWidth) {
    if (config_.messageWhenUngraduated) MsgBox(kUngraduatedText, MsgIcon::Information, kTitleLower);
    return;
  }

  // Whole positions are counted first and each one computed as start + k, so the loops end
  // whatever the magnitudes.
  const double a = std::floor(xMin);
  const double c = std::floor(yMin);
  const double xCount = WholePositions(PlotXMin, PlotXMax);
  const double yCount = WholePositions(PlotYMin, PlotYMax);
  const bool xGraduated = xCount <= kMaxGraduatedPositions;
  const bool yGraduated = yCount <= kMaxGraduatedPositions;
  const int xn = xGraduated ? static_cast<int>(xCount) : 0;
  const int yn = yGraduated ? static_cast<int>(yCount) : 0;

  for (int k = 0; k < xn; ++k) {
    const double i = a + k;
    if (i != 0) pic.Line(i, 2 * py, i, -2 * py);
  }
  for (int k = 0; k < yn; ++k) {
    const double j = c + k;
    if (j != 0) pic.Line(-2 * px, j, 2 * px, j);
  }

  pic.font = kNumberFont;
  for (int k = 0; k < xn; ++k) {
    const double i = a + k;
    pic.currentX = i - 8 * px;
    pic.currentY = -8 * py;
    if (i != 0) pic.PrintNumber(i);
  }
  pic.font = kNumberFont;
  for (int k = 0; k < yn; ++k) {
    const double j = c + k;
    if (j == 0) continue;
    pic.currentX = -22 * px;
    pic.currentY = j + 5 * py;
    pic.PrintNumber(j);
  }

  if (!(*this)["DesenharGrelha"].value) return;
  pic.foreColor = colour::kGrey;
  pic.drawWidth = 1;
  pic.drawStyle = PenStyle::Solid;
  // The grid starts at the range ends themselves, so a fractional end puts it between ticks.
  // An axis has at most one grid line more than whole positions: the bound keeps the loop finite.
  for (int k = 0; xGraduated && k <= xn; ++k) {
    const double u = xMin + k;
    if (!(u <= xMax)) break;
    if (u != 0) pic.Line(u, yMax + my, u, yMin - my);
  }
  for (int k = 0; yGraduated && k <= yn; ++k) {
    const double v = yMin + k;
    if (!(v <= yMax)) break;
    if (v != 0) pic.Line(xMin - mx, v, xMax + mx, v);
  }
}

}  // namespace vl
