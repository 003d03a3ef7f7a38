#include "ProblemDrawing.h"

#include <cmath>

#include "Checked.h"
#include "Module1.h"
#include "NumberText.h"

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

void DrawPointDot(DrawingArea& pic, PlanePoint p) {
  PenConvention::PointPen(pic);
  pic.PSet(p.x, p.y);
}

void DrawAxisGuides(DrawingArea& pic, PlanePoint p) {
  PenConvention::GuidePen(pic);
  pic.Line(p.x, 0, p.x, p.y);
  pic.Line(0, p.y, p.x, p.y);
}

void DrawPointWithAxisGuides(DrawingArea& pic, PlanePoint p) {
  DrawPointDot(pic, p);
  DrawAxisGuides(pic, p);
}

void DrawSegment(DrawingArea& pic, PlanePoint a, PlanePoint b) {
  PenConvention::LinePen(pic);
  pic.Line(a.x, a.y, b.x, b.y);
}

bool AxesUngraduated(const TopicWindow& w) {
  // The graduation rule of the plane: the x range alone, in single precision, strictly above 50.
  const float width = w.PlotXMax - w.PlotXMin;
  return std::fabs(width) > 50.0f;
}

void PrintCoordinateLabels(TopicWindow& w, std::initializer_list<PlanePoint> points) {
  if (!AxesUngraduated(w)) return;
  DrawingArea& pic = w.Picture1();
  pic.font = Font{"MS Serif", 6, true};
  // Pixel offsets are scaled in single precision, as the range fields are.
  const double left8 = 8.0f * w.UnitsPerPixelX;
  const double down8 = -8.0f * w.UnitsPerPixelY;
  const double left22 = -22.0f * w.UnitsPerPixelX;
  const double up5 = 5.0f * w.UnitsPerPixelY;
  for (const PlanePoint& p : points) {
    pic.currentX = checked::Sub(p.x, left8);
    pic.currentY = down8;
    pic.PrintNumber(p.x);
    pic.currentX = left22;
    pic.currentY = checked::Add(p.y, up5);
    pic.PrintNumber(p.y);
  }
}

std::string PointResultText(PlanePoint p) {
  std::string text = "(";
  text += NumberText(RoundHalfEven2(p.x));
  text += " , ";
  text += NumberText(RoundHalfEven2(p.y));
  return text + ")";
}

void LineResultOutput(TopicWindow& w, double a, double b, double c, Control& field) {
  Module1::CoefA = a;
  Module1::CoefB = b;
  Module1::CoefC = c;
  LineResultOutput(w, field);
}

void LineResultOutput(TopicWindow& w, Control& field) {
  DrawingArea& pic = w.Picture1();
  pic.foreColor = PenConvention::kResult;
  PenConvention::LinePen(pic);
  w.DrawLineFromCoefs();
  Module1::BuildLineEquationText();
  field.text = Module1::EquationText;
}

PlanePoint Midpoint(PlanePoint a, PlanePoint b) {
  return {checked::Div(checked::Add(a.x, b.x), 2), checked::Div(checked::Add(a.y, b.y), 2)};
}

Distance PointDistance(PlanePoint a, PlanePoint b) {
  Distance out;
  out.s = checked::Add(checked::Pow(checked::Sub(b.x, a.x), 2), checked::Pow(checked::Sub(b.y, a.y), 2));
  out.d = checked::Sqrt(out.s);
  return out;
}

std::string RadicalDistanceText(const Distance& dist, const std::string& prefix) {
  if (std::floor(dist.d) == dist.d) return NumberText(dist.d);
  return prefix + NumberText(dist.s) + ")";
}

}  // namespace vl
