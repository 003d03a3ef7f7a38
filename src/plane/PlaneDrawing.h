#pragma once
// The empty coordinate plane on any drawing area: axes with their names, integer graduations with
// their numbers and, on request, a grid. A topic window draws it on its own area and puts its
// arrowhead pictures where the axes end; the main window's pictures draw it on bare areas.
#include "App.h"
#include "DrawingArea.h"
#include "Font.h"
#include "PlaneScale.h"

namespace vl {

// The numbers of the graduations.
inline const Font kPlaneNumberFont{"MS Serif", 6, true};

struct PlotRange {
  float xMin = 0, xMax = 0, yMin = 0, yMax = 0;
};

struct PlaneOptions {
  bool grid = false;
  // Explain, in a note for the caller to show, why a range too wide for graduations has none.
  bool noteWhenUngraduated = false;
  // A bare area has no arrowhead pictures over it: draw the chevrons into its list instead.
  bool drawArrowheads = false;
};

// What the caller needs after the plane is drawn.
struct PlaneDrawn {
  PlaneScale scale;
  // The tips of the axes: (xAxisEnd, 0) and (0, yAxisEnd), in plane units.
  double xAxisEnd = 0;
  double yAxisEnd = 0;
  // A message the caller must show once the plane is drawn; empty text when none.
  MessageRecord note;
};

// Wipes the area and returns it to pixel scale and a solid pen: the first step of every plane.
void StartPlane(DrawingArea& area);

// Draws the plane of `range` on `area` (wiped first) and returns its scale. Raises the zero-width
// error, or error 6 when the range's scale leaves single precision, after wiping the area and
// before drawing anything.
PlaneDrawn DrawPlane(DrawingArea& area, const PlotRange& range, const PlaneOptions& options);

}  // namespace vl
