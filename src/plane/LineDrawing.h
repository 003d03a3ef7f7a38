#pragma once
// A whole line a·x + b·y + c = 0 drawn across a plotted range, one unit inside each edge so its
// ends stop short of the arrowheads.
#include "DrawingArea.h"
#include "PlaneDrawing.h"
#include "Values.h"

namespace vl {

// Draws with the area's current pen. No line (a = b = 0) draws nothing and answers false: the
// caller says so. A coordinate beyond range raises the run-time error.
[[nodiscard]] bool DrawLineAcross(DrawingArea& pic, const PlotRange& range, const geo::Line& line);

}  // namespace vl
