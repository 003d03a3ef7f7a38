// Checked arithmetic: every fault raises its numbered error instead of leaving inf or NaN.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "Checked.h"
#include "RunTimeError.h"

namespace {

using namespace vl::checked;

struct FaultCase {
  const char* what;
  std::function<void()> call;
  int number;
  const char* description;
};

TEST(Checked, RaisesTheDecidedErrors) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<FaultCase> cases = {
      {"1/0", [] { Div(1, 0); }, 11, "Divisão por zero"},
      {"-1/0", [] { Div(-1, 0); }, 11, "Divisão por zero"},
      {"0/0", [] { Div(0, 0); }, 6, "Capacidade excedida"},
      {"1e308/1e-10", [] { Div(1e308, 1e-10); }, 6, "Capacidade excedida"},
      {"sqrt(-1)", [] { Sqrt(-1); }, 5, "Argumento inválido"},
      {"log(0)", [] { Log(0); }, 5, "Argumento inválido"},
      {"log(-2)", [] { Log(-2); }, 5, "Argumento inválido"},
      {"exp(710)", [] { Exp(710); }, 6, "Capacidade excedida"},
      {"1e200*1e200", [] { Mul(1e200, 1e200); }, 6, "Capacidade excedida"},
      {"1e308+1e308", [] { Add(1e308, 1e308); }, 6, "Capacidade excedida"},
      {"-1e308-1e308", [] { Sub(-1e308, 1e308); }, 6, "Capacidade excedida"},
      {"(-8)^(1/3)", [] { Pow(-8, 1.0 / 3); }, 5, "Argumento inválido"},
      {"0^-1", [] { Pow(0, -1); }, 5, "Argumento inválido"},
      {"10^400", [] { Pow(10, 400); }, 6, "Capacidade excedida"},
      {"finite(inf)", [inf] { Finite(inf); }, 6, "Capacidade excedida"},
      {"finite(nan)", [nan] { Finite(nan); }, 6, "Capacidade excedida"},
      {"single(1e39)", [] { ToSingle(1e39); }, 6, "Capacidade excedida"},
      {"single(-1e39)", [] { ToSingle(-1e39); }, 6, "Capacidade excedida"},
      {"single(nan)", [nan] { ToSingle(nan); }, 6, "Capacidade excedida"},
      {"single(inf)", [inf] { ToSingle(inf); }, 6, "Capacidade excedida"},
      {"int32(2147483647.5)", [] { ToInt32(2147483647.5); }, 6, "Capacidade excedida"},
      {"int32(-2147483649)", [] { ToInt32(-2147483649.0); }, 6, "Capacidade excedida"},
      {"int32(nan)", [nan] { ToInt32(nan); }, 6, "Capacidade excedida"},
      {"type mismatch", [] { RaiseTypeMismatch(); }, 13, "Tipos incompatíveis"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      c.call();
      ADD_FAILURE() << "no error";
    } catch (const vl::RunTimeError& e) {
      EXPECT_EQ(e.Number(), c.number);
      EXPECT_EQ(e.Description(), c.description);
      EXPECT_EQ(e.Source(), "");
    }
  }
}

TEST(Checked, PassesOrdinaryValues) {
  EXPECT_EQ(Div(6, 3), 2);
  EXPECT_EQ(Div(0, 5), 0);
  EXPECT_EQ(Sqrt(4), 2);
  EXPECT_EQ(Sqrt(0), 0);
  EXPECT_EQ(Log(1), 0);
  EXPECT_EQ(Pow(-8, 3), -512);
  EXPECT_EQ(Pow(0, 0), 1);
  EXPECT_EQ(Pow(-2, -1), -0.5);
  EXPECT_EQ(Mul(-1e200, 1e-200), -1);
  EXPECT_EQ(ToSingle(0.1), 0.1f);
  EXPECT_EQ(ToSingle(FLT_MAX), FLT_MAX);
  EXPECT_EQ(ToSingle(-static_cast<double>(FLT_MAX) * (1 + 1e-9)), -FLT_MAX);  // still rounds to it
}

TEST(Checked, Int32RoundsHalvesToEven) {
  // clang-format off
  const std::vector<std::pair<double, int>> cases = {
      {2.5, 2},   {3.5, 4},   {-2.5, -2}, {-3.5, -4},         {7.5, 8},
      {2.4, 2},   {2.6, 3},   {0.5, 0},   {2147483646.5, 2147483646},
      {-2147483648.5, -2147483647 - 1},
  };
  // clang-format on
  for (const auto& [v, expected] : cases) {
    SCOPED_TRACE(v);
    EXPECT_EQ(ToInt32(v), expected);
  }
}

}  // namespace
