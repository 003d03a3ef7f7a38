#pragma once
// How the problems draw on the plane: pens, a point with its guides to the axes, segments,
// circles, and coordinate labels for an ungraduated plane.
#include <initializer_list>

#include "DrawingArea.h"
#include "TopicWindow.h"
#include "Values.h"

namespace vl {

// Data in light blue, results in light red; dots 7 pixels, lines 2 pixels solid, guides 1 pixel
// dotted. Each step sets what it needs and nothing is restored afterwards.
namespace PenConvention {
inline constexpr int kData = 9;
inline constexpr int kResult = 12;
inline constexpr int kPointWidth = 7;
inline constexpr int kLineWidth = 2;

void PointPen(DrawingArea& pic);
void LinePen(DrawingArea& pic);
void GuidePen(DrawingArea& pic);
}  // namespace PenConvention

// The dot of a point, 7 pixels across, in the current colour.
void DrawPointDot(DrawingArea& pic, geo::Point p);
// The dotted guides from a point to both axes: vertical to the x axis, then horizontal to the y axis.
void DrawAxisGuides(DrawingArea& pic, geo::Point p);
// The dot, then its guides.
void DrawPointWithAxisGuides(DrawingArea& pic, geo::Point p);
// A solid 2-pixel segment in the current colour.
void DrawSegment(DrawingArea& pic, geo::Point a, geo::Point b);
// A dotted 1-pixel construction line in the current colour.
void DrawStroke(DrawingArea& pic, geo::Point from, geo::Point to);

// The outline of a circle, 2 pixels, unfilled, in plane units. colour −1 draws in the current
// foreground colour; another colour goes with the circle only. The pen is not restored.
void DrawCircleOutline(DrawingArea& pic, const geo::Circle& circle, int colour = -1);

// True when the plane was drawn without graduations (x range wider than 50, in single precision).
bool AxesUngraduated(const TopicWindow& w);
// On an ungraduated plane, the coordinates of each point beside the axes in the current colour:
// x 8 pixels left of the point and 8 below the x axis, y 22 pixels left of the y axis and 5 above
// the point. Nothing on a graduated plane.
void PrintCoordinateLabels(TopicWindow& w, std::initializer_list<geo::Point> points);

}  // namespace vl
