#pragma once
// Measures between points and lines that several windows share: the distance from a point to a
// line, the crossing point of two lines by Cramer's rule, and an angle written in degrees,
// minutes and seconds.
#include <string>

#include "LineReader.h"
#include "ProblemDrawing.h"

namespace vl {

// |a·x0 + b·y0 + c| / sqrt(a² + b²). A "line" with a = b = 0 is a run-time fault (division by
// zero, or overflow for 0/0), which ends the calling handler in the "Erro:" box.
double PointLineDistance(double a, double b, double c, double x0, double y0);
double PointLineDistance(const LineCoefficients& line, PlanePoint p);

// The determinant and the two numerators of the system a1·x + b1·y + c1 = 0, a2·x + b2·y + c2 = 0.
// D = 0 exactly means no single crossing: both numerators 0 for the same line, else parallel.
struct LineCrossing {
  double D = 0;   // a2·b1 − a1·b2
  double Nx = 0;  // b2·c1 − b1·c2
  double Ny = 0;  // a1·c2 − a2·c1

  bool Single() const { return D != 0; }
  bool SameLine() const { return D == 0 && Nx == 0 && Ny == 0; }
  // The crossing point, Nx / D and Ny / D; only for a single crossing (a zero D raises 11 or 6).
  PlanePoint Point() const;
};

LineCrossing IntersectTwoLines(double a1, double b1, double c1, double a2, double b2, double c2);
LineCrossing IntersectTwoLines(const LineCoefficients& first, const LineCoefficients& second);

// An angle split into whole degrees and minutes, both truncated toward zero, and seconds rounded
// to 2 decimals after the truncations. Nothing is carried, so the seconds may read 60; a negative
// angle gives fields that are all 0 or negative.
struct AngleDms {
  double D = 0;
  double M = 0;
  double S = 0;
};
// From radians; the degrees come from the arctangent of 1, not from a stored pi.
AngleDms AngleDmsParts(double radians);
// D & "º  " & M & "'  " & S & "''", each number as the user sees it.
std::string DmsText(double D, double M, double S);
std::string AngleDmsText(double radians);

}  // namespace vl
