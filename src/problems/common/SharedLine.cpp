#include "SharedLine.h"

#include "InlineLineText.h"
#include "Module1.h"

namespace vl::shared {

namespace {

class CellWatch : public geo::CoefficientWatch {
 public:
  void A(double value) override { Module1::CoefA = value; }
  void B(double value) override { Module1::CoefB = value; }
  void C(double value) override { Module1::CoefC = value; }
};

}  // namespace

void StoreLine(const geo::Line& line) { Module1::StoreLine(line.a, line.b, line.c); }

geo::CoefficientWatch& Cells() {
  static CellWatch cells;
  return cells;
}

std::string PublishEquation(const geo::Line& line) { return Module1::BuildLineEquationText(line.a, line.b, line.c); }

std::string PublishInlineEquation(const geo::Line& line) {
  Module1::LineEquation equation = InlineLineEquationText(line);
  Module1::StoreLine(equation.a, equation.b, equation.c);
  return equation.text;
}

void StoreQuadraticTerms(double A, double B, double C) { Module1::StoreLine(A, B, C); }

}  // namespace vl::shared
