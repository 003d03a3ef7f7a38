#pragma once
// Tangency constructions of the circles 3 window: the circle through a point that touches a line
// at a given point of it, and the two tangents to a circle from a point outside it.
#include "CircleReader.h"
#include "LineReader.h"
#include "ProblemDrawing.h"

namespace vl {

// The centre of the circle through P that touches the line a·x + b·y + c = 0 at its point Q: it
// lies on the normal to the line at Q, as far from P as from Q. With P on the line, or P = Q,
// there is no such circle and the division by zero is a run-time fault.
PlanePoint CentreTouchingLineAt(const LineCoefficients& line, PlanePoint p, PlanePoint q);

enum class Tangent { First, Second };

// One tangent from P, outside the circle, as a·x + b·y + c = 0 through P. With u, v from P to
// the centre and t the length of a tangent segment, a = u·v ± r·t (+ for the first, − for the
// second) and b = r² − u². When u² = r² one of the two comes out as 0x + 0y + 0 (the other is
// then the vertical through P); it is replaced by the tangent with a = r² − v², b = 2·u·v.
LineCoefficients TangentFromPoint(const CircleData& circle, PlanePoint p, Tangent which);

}  // namespace vl
