#pragma once
// Reads a circle typed in any algebraic form ("x^2+y^2-4x-6y-3=0", "(x+1)^2+(y-2)^2=25",
// "2x^2+2y^2=8") into its centre and radius without symbolic algebra: the difference of the two
// sides is a quadratic A·x² + B·y² + C·x·y + D·x + E·y + F whose six coefficients come from its
// values at (0, 0) and at five more points. Text in, a circle or the verdict to show out, in
// steps, since some windows read other inputs between them.
#include <optional>
#include <string>
#include <variant>

#include "LineReader.h"
#include "Values.h"

namespace vl {

// The two verdicts of a reading; a window with two circles names which one failed.
struct CircleMessages {
  std::string notACircle = "A equação não representa uma circunferência.";
  std::string aPoint = "A equação representa um ponto.";
};

// lhs − rhs = A·x² + B·y² + C·x·y + D·x + E·y + F.
struct CircleQuadratic {
  double A = 0, B = 0, C = 0, D = 0, E = 0, F = 0;
};

// The equation divided by A: x² + y² + d·x + e·y + f.
struct NormalisedCircle {
  double d = 0, e = 0, f = 0;
};

// A text holding ">", "<", "^4" or "^3" is no circle. Nothing else about the degree is judged
// from the text.
std::optional<Verdict> CircleTextVerdict(const std::string& cleaned, const CircleMessages& messages = {});

// The six coefficients of a difference text, without the reading's own round-off. Interpreter
// faults raise their own errors.
CircleQuadratic CircleQuadraticOf(const std::string& difference);

// A circle needs no x·y term and equal, non-zero x² and y² terms; then the equation divided by A.
std::variant<NormalisedCircle, Verdict> NormaliseCircle(const CircleQuadratic& q, const CircleMessages& messages = {});

// X = d² + e² − 4f decides: below 0 no circle, 0 a single point, above 0 the centre (−d/2, −e/2)
// and radius √X / 2.
std::variant<geo::Circle, Verdict> CircleFromNormalised(const NormalisedCircle& n, const CircleMessages& messages = {});

// All the steps in a row on a typed text.
std::variant<geo::Circle, Verdict> CircleEquationToCoefficients(const std::string& typed,
                                                                const CircleMessages& messages = {});

}  // namespace vl
