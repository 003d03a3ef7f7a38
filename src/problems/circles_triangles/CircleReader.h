#pragma once
// Reads a circle typed in any algebraic form ("x^2+y^2-4x-6y-3=0", "(x+1)^2+(y-2)^2=25",
// "2x^2+2y^2=8") into its centre and radius without symbolic algebra: the difference of the two
// sides is a quadratic A·x² + B·y² + C·x·y + D·x + E·y + F whose six coefficients come from its
// values at (0, 0) and at five more points. Also the drawing of a circle and the text of its
// centre-radius equation, which every circle window shares.
#include <functional>
#include <optional>
#include <string>

#include "Control.h"
#include "DrawingArea.h"
#include "TopicWindow.h"

namespace vl {

// The two verdicts of a reading; a window with two circles names which one failed.
struct CircleMessages {
  std::string notACircle = "A equação não representa uma circunferência.";
  std::string aPoint = "A equação representa um ponto.";
};

struct CircleData {
  double h = 0;  // centre
  double k = 0;
  double r = 0;  // radius
};

// lhs − rhs = A·x² + B·y² + C·x·y + D·x + E·y + F.
struct CircleQuadratic {
  double A = 0, B = 0, C = 0, D = 0, E = 0, F = 0;
};

// The equation divided by A: x² + y² + d·x + e·y + f.
struct NormalisedCircle {
  double d = 0, e = 0, f = 0;
};

// A text holding ">", "<", "^4" or "^3" is no circle: shows the not-a-circle message and answers
// true. Nothing else about the degree is judged from the text.
bool RejectedAsCircle(const Control& box, const CircleMessages& messages = {});

// The six coefficients of the cleaned text in the box, without the reading's own round-off; the
// difference text goes to the window's scratch box, and A, B, C to the shared coefficient cells
// (they serve as scratch here). No "=" raises 5; interpreter faults raise their own errors.
CircleQuadratic ReadCircleQuadratic(TopicWindow& w, const Control& box);

// A circle needs no x·y term and equal, non-zero x² and y² terms; otherwise the not-a-circle
// message and nothing. On success the equation divided by A.
std::optional<NormalisedCircle> NormaliseCircle(const CircleQuadratic& q, const CircleMessages& messages = {});

// X = d² + e² − 4f decides: below 0 no circle, 0 a single point (each with its message), above
// 0 the centre (−d/2, −e/2) and radius √X / 2.
std::optional<CircleData> CircleFromNormalised(const NormalisedCircle& n, const CircleMessages& messages = {});

// Some windows read other inputs once the coefficients are known and before the radius verdicts,
// so that a fault in those inputs is reported first.
using BeforeRadiusTests = std::function<void()>;

// Everything after the text test: the quadratic, its normal form, the hook, the radius verdicts.
std::optional<CircleData> ReadCircleEquation(TopicWindow& w, const Control& box, const CircleMessages& messages = {},
                                             const BeforeRadiusTests& beforeRadiusTests = {});

// The whole reading: blanks removed from the box (written back), the text test, then
// ReadCircleEquation. An empty answer means a verdict was shown and the caller ends.
std::optional<CircleData> CircleEquationToCoefficients(TopicWindow& w, Control& box,
                                                       const CircleMessages& messages = {},
                                                       const BeforeRadiusTests& beforeRadiusTests = {});

// The outline of a circle, 2 pixels, unfilled, in plane units. colour −1 draws in the current
// foreground colour; another colour goes with the circle only. The pen is not restored.
void DrawCircleOutline(DrawingArea& pic, const CircleData& circle, int colour = -1);

// "(x-h)^2 + (y-k)^2 = r²" with r² rounded to 2 decimals, h and k unrounded unless asked, and
// every "--" then turned into "+".
std::string CentreRadiusCircleText(double h, double k, double r, bool roundCentre);
void CentreRadiusCircleText(Control& field, const CircleData& circle, bool roundCentre);

}  // namespace vl
