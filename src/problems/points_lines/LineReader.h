#pragma once
// Reads a straight line typed in any algebraic form ("2x-3y+4=0", "y=2x+1", "3(x-1)=2y") into
// the coefficients of a·x + b·y + c = 0 without symbolic algebra: the difference of the two sides
// is evaluated at (0, 0) for c, then, with c taken off, at (1, 0) for a and at (0, 1) for b.
#include <initializer_list>
#include <optional>
#include <string>

#include "Control.h"
#include "TopicWindow.h"

namespace vl {

struct LineCoefficients {
  double a = 0;
  double b = 0;
  double c = 0;
};

// Step 1: removes every blank from the box's text and writes it back, so the user sees what was read.
void CleanEquationBox(Control& box);

// Step 2: a text holding ">", "<", "^3" or "^2" is no line. Shows "A equação não representa uma
// recta." and answers true; the caller's handler then ends.
bool RejectedAsLine(const Control& box);

// "left=right" as "left-(right)"; the first "=" splits. No "=" at all raises 5 (invalid argument).
std::string EquationDifferenceText(const std::string& cleaned);

// Keeps the difference text in the window's hidden scratch box, where it has one.
void ScratchEquationBox(TopicWindow& w, const std::string& difference);

// Step 3: the coefficients of the cleaned text in the box, without the reading's own round-off.
LineCoefficients ReadLineEquation(TopicWindow& w, const Control& box);

// The three steps in a row; nothing after a rejection (the message has been shown).
std::optional<LineCoefficients> LineEquationToCoefficients(TopicWindow& w, Control& box);

// The coefficients into the shared cells, c first.
void StoreSharedCoefficients(const LineCoefficients& line);

// Evaluating a difference text at chosen points leaves noise in the last bits (0.1 + 0.3 - 0.3 is
// not 0.1), and the handlers compare exactly. With M the largest magnitude of one reading, each
// value snaps to the nearest multiple of 10^(floor(log10 M) - 12), but only when that moves it by
// at most 1e-14·M, so a genuinely different value is never merged with its neighbour.
void RemoveReaderNoise(std::initializer_list<double*> values);
// The same with M at least `magnitude`: for a value computed from larger terms that cancel (a
// difference that should be 0 keeps the noise of its terms, not a size of its own).
void RemoveReaderNoise(std::initializer_list<double*> values, double magnitude);

}  // namespace vl
