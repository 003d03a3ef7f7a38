// The general equation of the shared line and the tidying of its signs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Module1.h"
#include "RunTimeError.h"

namespace {

using namespace vl::Module1;

struct LineCase {
  double a, b, c;
  const char* text;
};

TEST(BuildLineEquationText, GeneralFormAlways) {
  const std::vector<LineCase> cases = {
      {2, -1, 0, "2x-y=0"},       {1, -1, 0, "x-y=0"},        {1, 1, -1, "x+y-1=0"},
      {0, 2, 3, "0x+2y+3=0"},     {-1, 0, 2, "-x+0y+2=0"},    {0.5, -0.25, -1, "0,5x-0,25y-1=0"},
      {3, 3, 0.004, "3x+3y=0"},   {1.004, 2, 1, "x+2y+1=0"},  {-0.996, -1.004, -1, "-x-y-1=0"},
      {0, 0, 0, "0x+0y=0"},       {-2, -3, -4, "-2x-3y-4=0"}, {0.125, 2.675, -0.125, "0,12x+2,67y-0,12=0"},
      {1e15, 1, 0, "1E+15x+y=0"}, {-3, 4, 24, "-3x+4y+24=0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(BuildLineEquationText(c.a, c.b, c.c), c.text);
    EXPECT_EQ(EquationText, c.text);
    EXPECT_EQ(GeneralLineEquation(c.a, c.b, c.c).text, c.text);
  }
}

TEST(BuildLineEquationText, CellsHoldRoundedValuesOrSignTexts) {
  BuildLineEquationText(1, -1, 0.004);
  EXPECT_FALSE(CoefA.IsNumber());
  EXPECT_EQ(CoefA.Text(), "");
  EXPECT_FALSE(CoefB.IsNumber());
  EXPECT_EQ(CoefB.Text(), "-");
  ASSERT_TRUE(CoefC.IsNumber());
  EXPECT_EQ(CoefC.Number(), 0);

  BuildLineEquationText(0.285, -0.995, 7.125);  // 0.285 is 0.28499999...
  EXPECT_EQ(CoefA.Number(), 0.28);
  EXPECT_EQ(CoefB.Number(), -0.99);
  EXPECT_EQ(CoefC.Number(), 7.12);
}

TEST(Coef, TextCellRefusesToBeANumber) {
  Coef cell;
  EXPECT_TRUE(cell.IsNumber());
  EXPECT_EQ(cell.Number(), 0);
  cell = std::string("-");
  try {
    (void)cell.Number();
    ADD_FAILURE() << "no error";
  } catch (const vl::RunTimeError& e) {
    EXPECT_EQ(e.Number(), 13);
    EXPECT_EQ(e.Description(), "Tipos incompatíveis");
  }
  cell = -2.5;
  EXPECT_EQ(cell.Text(), "-2,5");
}

TEST(TidyEquationSigns, ReplacementsInOrder) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"x--3=0", "x+3=0"},    {"x+-+1=0", "x-1=0"}, {"x+-y=0", "x-y=0"},
      {"x-+y=0", "x-y=0"},    {"---x", "+-x"},  // "--" pairs from the left, no second pass
      {"+--1", "+1"},                           // "+-" first leaves "--", which the last step turns into "+"
      {"2x+3y=0", "2x+3y=0"},
  };
  for (const auto& [in, out] : cases) {
    SCOPED_TRACE(in);
    EXPECT_EQ(TidyEquationSigns(in), out);
  }
}

}  // namespace
