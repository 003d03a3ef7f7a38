// The empty coordinate plane: axes with arrowheads and names, integer graduations with their
// numbers and, on request, a grid.
#include "PlaneDrawing.h"

#include <cmath>
#include <utility>

#include "Palette.h"
#include "TopicWindow.h"

namespace vl {

namespace {

constexpr const char* kUngraduatedText =
    "Não se graduam os eixos nem se desenha a grelha porque os valores e linhas ficavam sobrepostos.";

const Font kAxisNameFont{"MS Sans Serif", 8.25, true};

// The arrowheads, in pixels from the tip of their axis. Drawn into a bare area, each is two strokes
// reaching back 5 pixels along the axis and 4 to each side. The window's pictures are 16-pixel
// bitmaps whose tip sits at (4, 4) (pointing right) or (4, 0) (pointing up) of the bitmap.
constexpr double kChevronLength = 5;
constexpr double kChevronHalfWidth = 4;
constexpr double kPictureHBack = 3;  // the x axis's picture starts 3 pixels before the tip ...
constexpr double kPictureHUp = 4;    // ... and 4 above the axis: its tip lands one pixel past the end
constexpr double kPictureVLeft = 4;  // the y axis's picture starts 4 pixels left of the axis, at the tip

void DrawArrowheads(DrawingArea& pic, const PlaneDrawn& d) {
  const double px = d.scale.unitsPerPixelX, py = d.scale.unitsPerPixelY;
  const double xEnd = d.xAxisEnd, yEnd = d.yAxisEnd;
  pic.foreColor = colour::kBlack;
  pic.drawWidth = 1;
  pic.drawStyle = PenStyle::Solid;
  pic.Line(xEnd - kChevronLength * px, kChevronHalfWidth * py, xEnd, 0);
  pic.Line(xEnd - kChevronLength * px, -kChevronHalfWidth * py, xEnd, 0);
  pic.Line(-kChevronHalfWidth * px, yEnd - kChevronLength * py, 0, yEnd);
  pic.Line(kChevronHalfWidth * px, yEnd - kChevronLength * py, 0, yEnd);
}

// Places an arrowhead's top-left corner at a point of the plane.
void MoveImage(Control& image, const DrawingArea& area, double x, double y) {
  const float fx = static_cast<float>(x);
  const float fy = static_cast<float>(y);
  image.left = static_cast<int>(std::lround(area.ToPixelX(fx) * kTwipsPerPixel));
  image.top = static_cast<int>(std::lround(area.ToPixelY(fy) * kTwipsPerPixel));
}

// Axes, names, graduations and grid; returns early where the plane stops.
void DrawAxes(DrawingArea& pic, const PlotRange& r, const PlaneOptions& options, PlaneDrawn& d) {
  const PlaneScale& s = d.scale;
  const double mx = s.marginX, my = s.marginY;
  const double px = s.unitsPerPixelX, py = s.unitsPerPixelY;
  const double xMin = r.xMin, xMax = r.xMax, yMin = r.yMin, yMax = r.yMax;

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

  if (BeyondGraduation(s.widthX)) {
    if (options.noteWhenUngraduated) d.note = {kUngraduatedText, kApplicationTitleLower, MsgIcon::Information};
    return;
  }

  // Whole positions are counted first and each one computed as start + k, so the loops end
  // whatever the magnitudes.
  const double a = std::floor(xMin);
  const double c = std::floor(yMin);
  const double xCount = WholePositions(r.xMin, r.xMax);
  const double yCount = WholePositions(r.yMin, r.yMax);
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

  pic.font = kPlaneNumberFont;
  for (int k = 0; k < xn; ++k) {
    const double i = a + k;
    pic.currentX = i - 8 * px;
    pic.currentY = -8 * py;
    if (i != 0) pic.PrintNumber(i);
  }
  pic.font = kPlaneNumberFont;
  for (int k = 0; k < yn; ++k) {
    const double j = c + k;
    if (j == 0) continue;
    pic.currentX = -22 * px;
    pic.currentY = j + 5 * py;
    pic.PrintNumber(j);
  }

  if (!options.grid) return;
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

}  // namespace

void StartPlane(DrawingArea& area) {
  area.Cls();
  area.ScaleModePixels();
  area.drawStyle = PenStyle::Solid;
}

PlaneDrawn DrawPlane(DrawingArea& pic, const PlotRange& r, const PlaneOptions& options) {
  StartPlane(pic);
  pic.drawWidth = 2;
  pic.foreColor = colour::kBlack;

  PlaneDrawn d;
  d.scale = ComputePlaneScale(r.xMin, r.xMax, r.yMin, r.yMax, pic.PixelWidth(), pic.PixelHeight());
  const PlaneScale& s = d.scale;
  pic.Scale(s.left, s.top, s.right, s.bottom);
  d.xAxisEnd = static_cast<double>(r.xMax) + s.marginX;
  d.yAxisEnd = static_cast<double>(r.yMax) + s.marginY;

  DrawAxes(pic, r, options, d);
  if (options.drawArrowheads) DrawArrowheads(pic, d);
  return d;
}

void TopicWindow::DrawPlane() {
  DrawingArea& pic = Picture1();
  // The area is wiped before the boxes are read, and each field is stored as soon as its box is
  // read, so a later unreadable box leaves the earlier ones in place for the caller's error trap.
  StartPlane(pic);
  PlotXMin = ReadRangeBox((*this)["Xmin"].text);
  PlotXMax = ReadRangeBox((*this)["Xmax"].text);
  PlotYMin = ReadRangeBox((*this)["Ymin"].text);
  PlotYMax = ReadRangeBox((*this)["Ymax"].text);

  const PlaneDrawn d = vl::DrawPlane(pic, {PlotXMin, PlotXMax, PlotYMin, PlotYMax},
                                     {(*this)["DesenharGrelha"].value, config_.messageWhenUngraduated, false});
  PlotMarginX = d.scale.marginX;
  UnitsPerPixelX = d.scale.unitsPerPixelX;
  UnitsPerPixelY = d.scale.unitsPerPixelY;

  const double px = UnitsPerPixelX, py = UnitsPerPixelY;
  Control& setaH = (*this)["SetaH"];
  Control& setaV = (*this)["SetaV"];
  setaH.visible = true;
  setaV.visible = true;
  MoveImage(setaH, pic, d.xAxisEnd - kPictureHBack * px, kPictureHUp * py);
  MoveImage(setaV, pic, -kPictureVLeft * px, d.yAxisEnd);

  if (!d.note.text.empty()) MsgBox(d.note.text, d.note.icon, d.note.title);
}

}  // namespace vl
