#pragma once
// The drawing area of a form: a scale (pixels, or a user scale given by two corners), a pen,
// a font and a print position, and a retained list of what has been drawn. Each entry keeps its
// geometry in the plane units it was drawn in and in pixels, with the pen of the moment, so the
// screen repaints it at will (the kept image) and tests can read it.
#include <cstdint>
#include <string>
#include <vector>

#include "Font.h"

namespace vl {

enum class PenStyle { Solid, Dotted };

struct DrawEntry {
  enum class Op { Line, Point, Circle, Text };
  Op op = Op::Line;
  // Plane units as handed to the area (single precision): a line from (x1, y1) to (x2, y2); a
  // point, circle centre or text corner at (x1, y1); r the circle's radius.
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0, r = 0;
  // The same in pixels of the area; a circle has a radius per axis (an ellipse when scales differ).
  double px1 = 0, py1 = 0, px2 = 0, py2 = 0, prx = 0, pry = 0;
  int colour = 0;                    // palette number 0-15
  int width = 1;                     // pixels
  PenStyle style = PenStyle::Solid;  // as drawn: a pen wider than 1 pixel is always solid
  std::string text;
  Font font;
};

class DrawingArea {
 public:
  DrawingArea() = default;

  // Inner size in pixels; fixed by the form's layout.
  void SetPixelSize(int width, int height);
  int PixelWidth() const { return pixelWidth_; }
  int PixelHeight() const { return pixelHeight_; }

  void Cls();
  void ScaleModePixels();
  // The user scale: (x1, y1) is the top-left corner, (x2, y2) the bottom-right one.
  void Scale(double x1, double y1, double x2, double y2);
  float ScaleLeft() const { return scaleLeft_; }
  float ScaleTop() const { return scaleTop_; }
  float ScaleWidth() const { return scaleWidth_; }
  float ScaleHeight() const { return scaleHeight_; }
  bool UserScale() const { return userScale_; }

  // Pen and font state; it stays between drawings (clearing does not reset it).
  int foreColor = 0;
  int drawWidth = 1;
  PenStyle drawStyle = PenStyle::Solid;
  bool fillTransparent = true;
  Font font;  // "MS Sans Serif" 8.25 pt until a caller sets another
  bool autoRedraw = false;
  double currentX = 0;
  double currentY = 0;

  void Line(double x1, double y1, double x2, double y2);
  void PSet(double x, double y);
  // A circle in plane units; colour -1 draws in the foreground colour.
  void Circle(double x, double y, double radius, int colour = -1);
  // Prints with the text's top-left corner at the print position, then moves to the next line.
  void Print(const std::string& text);
  // A number is printed with a blank in front when not negative, the place of its sign.
  void PrintNumber(double value);

  // Height of a line of text in pixels for the current font.
  double TextHeightPixels() const;

  double ToPixelX(double x) const;
  double ToPixelY(double y) const;
  double FromPixelX(double px) const;
  double FromPixelY(double py) const;

  const std::vector<DrawEntry>& List() const { return list_; }
  // Counts every change, so a view knows when to repaint.
  std::uint64_t Revision() const { return revision_; }

 private:
  DrawEntry Pen(DrawEntry::Op op) const;
  void Add(DrawEntry entry);

  int pixelWidth_ = 0;
  int pixelHeight_ = 0;
  bool userScale_ = false;
  float scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 0, scaleHeight_ = 0;
  std::vector<DrawEntry> list_;
  std::uint64_t revision_ = 0;
};

}  // namespace vl
