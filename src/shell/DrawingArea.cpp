#include "DrawingArea.h"

#include <cmath>

#include "Checked.h"
#include "NumberText.h"
#include "RunTimeError.h"

namespace vl {

void DrawingArea::SetPixelSize(int width, int height) {
  pixelWidth_ = width;
  pixelHeight_ = height;
  if (!userScale_) ScaleModePixels();
  ++revision_;
}

void DrawingArea::Cls() {
  list_.clear();
  currentX = userScale_ ? scaleLeft_ : 0;
  currentY = userScale_ ? scaleTop_ : 0;
  ++revision_;
}

void DrawingArea::ScaleModePixels() {
  userScale_ = false;
  scaleLeft_ = 0;
  scaleTop_ = 0;
  scaleWidth_ = static_cast<float>(pixelWidth_);
  scaleHeight_ = static_cast<float>(pixelHeight_);
}

void DrawingArea::Scale(double x1, double y1, double x2, double y2) {
  const float left = checked::ToSingle(x1);
  const float top = checked::ToSingle(y1);
  const float width = checked::ToSingle(checked::Finite(x2 - x1));
  const float height = checked::ToSingle(checked::Finite(y2 - y1));
  if (width == 0 || height == 0) throw RunTimeError(err::kInvalidArgument, err::kInvalidArgumentText);
  userScale_ = true;
  scaleLeft_ = left;
  scaleTop_ = top;
  scaleWidth_ = width;
  scaleHeight_ = height;
}

double DrawingArea::ToPixelX(double x) const { return (x - scaleLeft_) * pixelWidth_ / scaleWidth_; }
double DrawingArea::ToPixelY(double y) const { return (y - scaleTop_) * pixelHeight_ / scaleHeight_; }
double DrawingArea::FromPixelX(double px) const { return scaleLeft_ + px * scaleWidth_ / pixelWidth_; }
double DrawingArea::FromPixelY(double py) const { return scaleTop_ + py * scaleHeight_ / pixelHeight_; }

DrawEntry DrawingArea::Pen(DrawEntry::Op op) const {
  DrawEntry e;
  e.op = op;
  e.colour = foreColor;
  e.width = drawWidth;
  e.style = drawWidth > 1 ? PenStyle::Solid : drawStyle;
  return e;
}

void DrawingArea::Add(DrawEntry entry) {
  list_.push_back(std::move(entry));
  ++revision_;
}

void DrawingArea::Line(double x1, double y1, double x2, double y2) {
  DrawEntry e = Pen(DrawEntry::Op::Line);
  e.x1 = checked::ToSingle(x1);
  e.y1 = checked::ToSingle(y1);
  e.x2 = checked::ToSingle(x2);
  e.y2 = checked::ToSingle(y2);
  e.px1 = ToPixelX(e.x1);
  e.py1 = ToPixelY(e.y1);
  e.px2 = ToPixelX(e.x2);
  e.py2 = ToPixelY(e.y2);
  currentX = e.x2;
  currentY = e.y2;
  Add(std::move(e));
}

void DrawingArea::PSet(double x, double y) {
  DrawEntry e = Pen(DrawEntry::Op::Point);
  e.x1 = e.x2 = checked::ToSingle(x);
  e.y1 = e.y2 = checked::ToSingle(y);
  e.px1 = e.px2 = ToPixelX(e.x1);
  e.py1 = e.py2 = ToPixelY(e.y1);
  currentX = e.x1;
  currentY = e.y1;
  Add(std::move(e));
}

void DrawingArea::Circle(double x, double y, double radius, int colour) {
  DrawEntry e = Pen(DrawEntry::Op::Circle);
  if (colour >= 0) e.colour = colour;
  e.x1 = e.x2 = checked::ToSingle(x);
  e.y1 = e.y2 = checked::ToSingle(y);
  e.r = checked::ToSingle(std::fabs(radius));
  e.px1 = e.px2 = ToPixelX(e.x1);
  e.py1 = e.py2 = ToPixelY(e.y1);
  e.prx = std::fabs(static_cast<double>(e.r) * pixelWidth_ / scaleWidth_);
  e.pry = std::fabs(static_cast<double>(e.r) * pixelHeight_ / scaleHeight_);
  currentX = e.x1;
  currentY = e.y1;
  Add(std::move(e));
}

double DrawingArea::TextHeightPixels() const {
  // A line of text: the em size at 96 dots per inch and a little leading.
  return std::round(font.size * 96.0 / 72.0 * 1.2);
}

void DrawingArea::Print(const std::string& text) {
  DrawEntry e = Pen(DrawEntry::Op::Text);
  e.x1 = e.x2 = checked::ToSingle(currentX);
  e.y1 = e.y2 = checked::ToSingle(currentY);
  e.px1 = e.px2 = ToPixelX(e.x1);
  e.py1 = e.py2 = ToPixelY(e.y1);
  e.text = text;
  e.font = font;
  e.width = 1;
  e.style = PenStyle::Solid;
  Add(std::move(e));
  currentX = scaleLeft_;
  currentY = currentY + TextHeightPixels() * scaleHeight_ / pixelHeight_;
}

void DrawingArea::PrintNumber(double value) {
  const std::string text = NumberText(value);
  Print(!text.empty() && text[0] == '-' ? text : " " + text);
}

}  // namespace vl
