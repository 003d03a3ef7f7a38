#include "PlaneScale.h"

#include <cmath>

#include "Checked.h"
#include "NumberText.h"
#include "RunTimeError.h"

namespace vl {

float ReadRangeBox(const std::string& text) { return checked::ToSingle(ParseRangeNumber(text)); }

PlaneScale ComputePlaneScale(float xMin, float xMax, float yMin, float yMax, int pixelWidth, int pixelHeight) {
  if (xMin == xMax || yMin == yMax) throw RunTimeError(err::kInvalidArgument, kZeroWidthRangeText);
  PlaneScale s;
  // Differences of singles are single in the original arithmetic: a difference beyond single
  // precision overflows.
  s.widthX = checked::ToSingle(std::fabs(static_cast<double>(xMax) - xMin));
  const float widthY = checked::ToSingle(std::fabs(static_cast<double>(yMax) - yMin));
  s.marginX = checked::ToSingle(s.widthX / 50.0);
  s.marginY = checked::ToSingle(widthY / 50.0);
  const double mx = s.marginX, my = s.marginY;
  s.left = checked::ToSingle(xMin - 2 * mx);
  s.right = checked::ToSingle(xMax + 2 * mx);
  s.top = checked::ToSingle(yMax + 2 * my);
  s.bottom = checked::ToSingle(yMin - 2 * my);
  // The extents of the scale are single too: a range whose border lies within single precision
  // can still have a width beyond it, and the drawing area would refuse that scale.
  const float extentX = checked::ToSingle(std::fabs(static_cast<double>(s.right) - s.left));
  const float extentY = checked::ToSingle(std::fabs(static_cast<double>(s.top) - s.bottom));
  s.unitsPerPixelX = checked::ToSingle(static_cast<double>(extentX) / pixelWidth);
  s.unitsPerPixelY = checked::ToSingle(static_cast<double>(extentY) / pixelHeight);
  return s;
}

double WholePositions(float lo, float hi) {
  const double n = std::floor(static_cast<double>(hi)) - std::floor(static_cast<double>(lo)) + 1;
  return n > 0 ? n : 0;
}

}  // namespace vl
