#pragma once
// The one place the problems write the shared cells CoefA, CoefB, CoefC and EquationText, which
// every window can see. Lines travel between functions as values; a handler mirrors here what
// its window has found, at the moment it finds it.
#include <string>

#include "Values.h"

namespace vl::shared {

// The line as computed, unrounded.
void StoreLine(const geo::Line& line);
// Mirrors a line under construction coefficient by coefficient, so a fault part-way leaves the
// cells holding what had been found before it. Also the points window's coordinates, each as read.
geo::CoefficientWatch& Cells();
// The general equation: the cells take its rounded coefficients (or "" and "-" for a unit) and
// EquationText its text; returns the text.
std::string PublishEquation(const geo::Line& line);
// A handler's own inline equation: the cells take the coefficients as it used them; returns the text.
std::string PublishInlineEquation(const geo::Line& line);
// The circle reader leaves its x², y² and x·y terms in the cells.
void StoreQuadraticTerms(double A, double B, double C);

}  // namespace vl::shared
