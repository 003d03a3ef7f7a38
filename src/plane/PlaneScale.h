#pragma once
// The arithmetic of the plane's scale, apart from any window, so that a window can check a range
// before it wipes its drawing and draw it afterwards with the very same numbers.
#include <cmath>
#include <string>

namespace vl {

inline constexpr const char* kRangeNotNumbersText =
    "Os valores de Xmínimo, Xmáximo, Ymínimo e Ymáximo têm de ser números.";
inline constexpr const char* kZeroWidthRangeText = "O intervalo de um eixo não pode ter amplitude nula.";

// An axis is graduated (ticks, numbers, grid) only while it has at most this many whole
// positions, so that an enormous y range cannot freeze the window.
inline constexpr double kMaxGraduatedPositions = 200;
// The x range above which no axis is graduated (the rule label of every topic window says so).
inline constexpr float kMaxGraduatedWidth = 50;
// True when a plane whose x range is this wide (single precision, either sign) has no graduations.
inline bool BeyondGraduation(float widthX) { return std::fabs(widthX) > kMaxGraduatedWidth; }

// The text of a range box as a single-precision number: error 13 when it is not a number,
// 6 when it lies beyond single precision.
float ReadRangeBox(const std::string& text);

struct PlaneScale {
  float widthX = 0;  // |xMax - xMin|, single precision
  float marginX = 0, marginY = 0;
  float unitsPerPixelX = 0, unitsPerPixelY = 0;
  // The user scale of the drawing area: top-left and bottom-right corners.
  float left = 0, top = 0, right = 0, bottom = 0;
};

// Raises the zero-width error when either range has no extent, and error 6 when a margin, a
// corner or the extent between two corners falls beyond single precision.
PlaneScale ComputePlaneScale(float xMin, float xMax, float yMin, float yMax, int pixelWidth, int pixelHeight);

// How many whole numbers lie in [lo, hi] counted from their integer parts (0 when hi < lo).
double WholePositions(float lo, float hi);

}  // namespace vl
