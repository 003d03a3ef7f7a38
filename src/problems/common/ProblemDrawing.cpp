#include "ProblemDrawing.h"

#include "Checked.h"
#include "PlaneDrawing.h"
#include "PlaneScale.h"

namespace vl {

namespace PenConvention {
void PointPen(DrawingArea& pic) { pic.drawWidth = kPointWidth; }
void LinePen(DrawingArea& pic) {
  pic.drawWidth = kLineWidth;
  pic.drawStyle = PenStyle::Solid;
}
void GuidePen(DrawingArea& pic) {
  pic.drawWidth = 1;
  pic.drawStyle = PenStyle::Dotted;
}
}  // namespace PenConvention

void DrawPointDot(DrawingArea& pic, geo::Point p) {
  PenConvention::PointPen(pic);
  pic.PSet(p.x, p.y);
}

void DrawAxisGuides(DrawingArea& pic, geo::Point p) {
  PenConvention::GuidePen(pic);
  pic.Line(p.x, 0, p.x, p.y);
  pic.Line(0, p.y, p.x, p.y);
}

void DrawPointWithAxisGuides(DrawingArea& pic, geo::Point p) {
  DrawPointDot(pic, p);
  DrawAxisGuides(pic, p);
}

void DrawSegment(DrawingArea& pic, geo::Point a, geo::Point b) {
  PenConvention::LinePen(pic);
  pic.Line(a.x, a.y, b.x, b.y);
}

void DrawStroke(DrawingArea& pic, geo::Point from, geo::Point to) {
  PenConvention::GuidePen(pic);
  pic.Line(from.x, from.y, to.x, to.y);
}

void DrawCircleOutline(DrawingArea& pic, const geo::Circle& circle, int colour) {
  pic.fillTransparent = true;
  pic.drawWidth = 2;
  pic.Circle(circle.h, circle.k, circle.r, colour);
}

bool AxesUngraduated(const TopicWindow& w) { return BeyondGraduation(w.PlotXMax - w.PlotXMin); }

void PrintCoordinateLabels(TopicWindow& w, std::initializer_list<geo::Point> points) {
  if (!AxesUngraduated(w)) return;
  DrawingArea& pic = w.Picture1();
  pic.font = kPlaneNumberFont;
  // Pixel offsets are scaled in single precision, as the range fields are.
  const double left8 = 8.0f * w.UnitsPerPixelX;
  const double down8 = -8.0f * w.UnitsPerPixelY;
  const double left22 = -22.0f * w.UnitsPerPixelX;
  const double up5 = 5.0f * w.UnitsPerPixelY;
  for (const geo::Point& p : points) {
    pic.currentX = checked::Sub(p.x, left8);
    pic.currentY = down8;
    pic.PrintNumber(p.x);
    pic.currentX = left22;
    pic.currentY = checked::Add(p.y, up5);
    pic.PrintNumber(p.y);
  }
}

}  // namespace vl
