#pragma once
// Reads a straight line typed in any algebraic form ("2x-3y+4=0", "y=2x+1", "3(x-1)=2y") into
// a·x + b·y + c = 0 without symbolic algebra: the difference of the two sides is evaluated at
// (0, 0) for c, then, with c taken off, at (1, 0) for a and at (0, 1) for b. Text in, a line or
// the verdict to show out; the window decides when to show it.
#include <initializer_list>
#include <optional>
#include <string>
#include <variant>

#include "clsEquation.h"
#include "Values.h"

namespace vl {

// A message on the data: information icon, text and title.
struct Verdict {
  std::string text;
  std::string title;
};

// Step 1: the text without any blank; the window writes it back so the user sees what was read.
std::string CleanEquationText(const std::string& typed);

// Step 2: a text holding ">", "<", "^3" or "^2" is no line: "A equação não representa uma recta.".
std::optional<Verdict> LineTextVerdict(const std::string& cleaned);

// "left=right" as "left-(right)"; the first "=" splits. No "=" at all raises 5 (invalid argument).
std::string EquationDifferenceText(const std::string& cleaned);

// Step 3: the coefficients of a difference text, without the reading's own round-off.
// Interpreter faults raise their own errors.
geo::Line LineFromDifference(const std::string& difference);

// A difference text as a polynomial in x and y: its constant term, and the value of the rest at
// any point. The constant is taken out as its exact numeral, so the rest carries no round-off of
// its own. Each evaluation raises what the interpreter raises.
class DifferenceSampler {
 public:
  explicit DifferenceSampler(const std::string& difference);
  double Constant() const { return constant_; }
  double WithoutConstant(double x, double y);

 private:
  clsEquation eq_;
  double constant_ = 0;
  std::string rest_;
};

// The three steps in a row on a typed text.
std::variant<geo::Line, Verdict> LineEquationToCoefficients(const std::string& typed);

// Evaluating a difference text at chosen points leaves noise in the last bits (0.1 + 0.3 - 0.3 is
// not 0.1), and the handlers compare exactly. With M the largest magnitude of one reading, each
// value snaps to the nearest multiple of 10^(floor(log10 M) - 12), but only when that moves it by
// at most 1e-14·M, so a genuinely different value is never merged with its neighbour.
void RemoveReaderNoise(std::initializer_list<double*> values);
// The same with M at least `magnitude`: for a value computed from larger terms that cancel (a
// difference that should be 0 keeps the noise of its terms, not a size of its own).
void RemoveReaderNoise(std::initializer_list<double*> values, double magnitude);

}  // namespace vl
