#include "MainPictures.h"

#include <cmath>
#include <memory>
#include <utility>

#include "LineDrawing.h"
#include "Palette.h"
#include "PlaneDrawing.h"
#include "TopicWindow.h"

namespace vl {

namespace {

struct Point {
  double x, y;
};

// A drawing area as large as a topic window's, with the plane of the default range, no grid, and
// the arrowheads drawn in (a picture has no arrowhead pictures over it).
class Canvas {
 public:
  Canvas() : area_(std::make_unique<DrawingArea>()) {
    const int side = InnerPixels(TopicWindow::kPictureSize);
    area_->SetPixelSize(side, side);
    area_->autoRedraw = true;  // a kept image, as a topic window's area is
    DrawPlane(*area_, kRange, {.grid = false, .noteWhenUngraduated = false, .drawArrowheads = true});
  }

  DrawingArea& Area() { return *area_; }

  void Pen(int colour, int width, PenStyle style = PenStyle::Solid) {
    Area().foreColor = colour;
    Area().drawWidth = width;
    Area().drawStyle = style;
  }
  // The pictures are shown at a third of the drawing area's size: dots are drawn larger to stay visible.
  void Dot(Point p) {
    Area().drawWidth = 13;
    Area().PSet(p.x, p.y);
  }
  void Guides(Point p) {
    Area().drawWidth = 1;
    Area().drawStyle = PenStyle::Dotted;
    Area().Line(p.x, 0, p.x, p.y);
    Area().Line(0, p.y, p.x, p.y);
  }
  void Segment(Point a, Point b) { Area().Line(a.x, a.y, b.x, b.y); }
  void Line(double a, double b, double c) { (void)DrawLineAcross(Area(), kRange, {a, b, c}); }
  void Circle(Point c, double r) { Area().Circle(c.x, c.y, r); }

  std::unique_ptr<DrawingArea> Take() { return std::move(area_); }

 private:
  static constexpr PlotRange kRange{-10, 10, -10, 10};
  std::unique_ptr<DrawingArea> area_;
};

double Distance(Point a, Point b) { return std::hypot(b.x - a.x, b.y - a.y); }

// Two circles crossing, their centres in blue, the common points in red with their guides.
std::unique_ptr<DrawingArea> TwoCircles() {
  Canvas c;
  const Point c1{-2, 1}, c2{3, -1};
  const double r1 = 5, r2 = 4;
  c.Pen(colour::kLightBlue, 2);
  c.Circle(c1, r1);
  c.Circle(c2, r2);
  c.Dot(c1);
  c.Dot(c2);
  c.Guides(c1);
  c.Guides(c2);
  const double d = Distance(c1, c2);
  const double a = (r1 * r1 - r2 * r2 + d * d) / (2 * d);
  const double h = std::sqrt(r1 * r1 - a * a);
  const Point m{c1.x + a * (c2.x - c1.x) / d, c1.y + a * (c2.y - c1.y) / d};
  c.Pen(colour::kLightRed, 7);
  for (double sign : {1.0, -1.0}) {
    const Point p{m.x - sign * h * (c2.y - c1.y) / d, m.y + sign * h * (c2.x - c1.x) / d};
    c.Dot(p);
    c.Guides(p);
  }
  return c.Take();
}

// Two lines in blue and the two bisectors of their angles, dotted in red.
std::unique_ptr<DrawingArea> Bisectors() {
  Canvas c;
  const double a1 = 2, b1 = -1, c1 = 1, a2 = 1, b2 = 3, c2 = -6;
  c.Pen(colour::kLightBlue, 2);
  c.Line(a1, b1, c1);
  c.Line(a2, b2, c2);
  const double n1 = std::hypot(a1, b1), n2 = std::hypot(a2, b2);
  c.Pen(colour::kLightRed, 1, PenStyle::Dotted);
  for (double sign : {1.0, -1.0}) c.Line(a1 / n1 - sign * a2 / n2, b1 / n1 - sign * b2 / n2, c1 / n1 - sign * c2 / n2);
  return c.Take();
}

// A triangle in blue with its inscribed circle; the bisectors from the vertices dotted in red.
std::unique_ptr<DrawingArea> InscribedCircle() {
  Canvas c;
  const Point a{-7, -5}, b{7, -4}, v{1, 7};
  c.Pen(colour::kLightBlue, 2);
  c.Segment(a, b);
  c.Segment(b, v);
  c.Segment(v, a);
  const double la = Distance(b, v), lb = Distance(v, a), lc = Distance(a, b);
  const double p = la + lb + lc;
  const Point i{(la * a.x + lb * b.x + lc * v.x) / p, (la * a.y + lb * b.y + lc * v.y) / p};
  const double area = std::fabs((b.x - a.x) * (v.y - a.y) - (v.x - a.x) * (b.y - a.y)) / 2;
  c.Pen(colour::kLightBlue, 7);
  c.Dot(a);
  c.Dot(b);
  c.Dot(v);
  c.Pen(colour::kLightRed, 1, PenStyle::Dotted);
  c.Segment(a, i);
  c.Segment(b, i);
  c.Segment(v, i);
  c.Pen(colour::kLightRed, 2);
  c.Circle(i, 2 * area / p);
  c.Dot(i);
  return c.Take();
}

// A line in blue and the circle about a marked centre that touches it, in red.
std::unique_ptr<DrawingArea> TangentCircle() {
  Canvas c;
  const Point centre{3, -2};
  const double a = 3, b = -4, k = 8;
  c.Pen(colour::kLightBlue, 2);
  c.Line(a, b, k);
  c.Dot(centre);
  c.Guides(centre);
  c.Pen(colour::kLightRed, 2);
  c.Circle(centre, std::fabs(a * centre.x + b * centre.y + k) / std::hypot(a, b));
  return c.Take();
}

}  // namespace

void DrawMainPictures(Form& mainWindow) {
  mainWindow["Image1"].drawing = TwoCircles();
  mainWindow["Image2"].drawing = Bisectors();
  mainWindow["Image3"].drawing = InscribedCircle();
  mainWindow["Image4"].drawing = TangentCircle();
}

}  // namespace vl
