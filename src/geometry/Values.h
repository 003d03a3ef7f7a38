#pragma once
// The values the constructions take and give: a point, a line a·x + b·y + c = 0 and a circle.
// Every construction does its arithmetic through the checked helpers, in a fixed order of
// operations, so a fault is the program's run-time error and results compare exactly.

namespace vl::geo {

struct Point {
  double x = 0;
  double y = 0;
};

// a = b = 0 is no line at all; constructions may still give it (two equal points).
struct Line {
  double a = 0;
  double b = 0;
  double c = 0;
};

inline bool IsLine(const Line& l) { return l.a != 0 || l.b != 0; }

struct Circle {
  double h = 0;  // centre
  double k = 0;
  double r = 0;  // radius
};

inline Point Centre(const Circle& c) { return {c.h, c.k}; }

// Told of each coefficient of a line under construction as soon as it is known, a first and c
// last. The windows mirror a line in cells that every window can see, and a fault part-way must
// leave there what had been found before it.
class CoefficientWatch {
 public:
  virtual ~CoefficientWatch() = default;
  virtual void A(double value) = 0;
  virtual void B(double value) = 0;
  virtual void C(double value) = 0;
};

}  // namespace vl::geo
