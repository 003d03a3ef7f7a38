#pragma once
// How the problems draw on the plane and write their results: pens, a point with its guides to
// the axes, coordinate labels for an ungraduated plane, point and line results, and the small
// formulas several problems share.
#include <initializer_list>
#include <string>

#include "Control.h"
#include "DrawingArea.h"
#include "TopicWindow.h"

namespace vl {

struct PlanePoint {
  double x = 0;
  double y = 0;
};

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
void DrawPointDot(DrawingArea& pic, PlanePoint p);
// The dotted guides from a point to both axes: vertical to the x axis, then horizontal to the y axis.
void DrawAxisGuides(DrawingArea& pic, PlanePoint p);
// The dot, then its guides.
void DrawPointWithAxisGuides(DrawingArea& pic, PlanePoint p);
// A solid 2-pixel segment in the current colour.
void DrawSegment(DrawingArea& pic, PlanePoint a, PlanePoint b);

// True when the plane was drawn without graduations (x range wider than 50, in single precision).
bool AxesUngraduated(const TopicWindow& w);
// On an ungraduated plane, the coordinates of each point beside the axes in the current colour:
// x 8 pixels left of the point and 8 below the x axis, y 22 pixels left of the y axis and 5 above
// the point. Nothing on a graduated plane.
void PrintCoordinateLabels(TopicWindow& w, std::initializer_list<PlanePoint> points);

// "(x , y)" with both rounded to 2 decimals.
std::string PointResultText(PlanePoint p);

// Puts a·x + b·y + c = 0 into the shared coefficients, draws it in red from the unrounded values
// and shows its general equation (built from the rounded ones) in the field.
void LineResultOutput(TopicWindow& w, double a, double b, double c, Control& field);
// The same for the line already in the shared coefficients.
void LineResultOutput(TopicWindow& w, Control& field);

PlanePoint Midpoint(PlanePoint a, PlanePoint b);

struct Distance {
  double d = 0;  // the distance
  double s = 0;  // the sum of squares it is the root of
};
Distance PointDistance(PlanePoint a, PlanePoint b);

// A whole distance as its number; any other as the prefix, the unrounded sum of squares and ")".
std::string RadicalDistanceText(const Distance& dist, const std::string& prefix);

}  // namespace vl
