// The interpreter beside muparser on the same ten box texts, in one process: reading and
// evaluating a text once (a new object, as a handler run does), and evaluating a text already
// read at new x and y (as the equation readers do). muparser gets each text in its own
// spelling (4*x for 4x, sin for sen, sqrt for sqr) and one parser kept across iterations.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "clsEquation.h"

namespace {

struct Text {
  const char* ours;
  const char* muparser;
};

constexpr Text kTexts[] = {
    {"2", "2"},
    {"-8.5", "-8.5"},
    {"3pi", "3*3.14159265358979"},
    {"sqr(23)", "sqrt(23)"},
    {"log (11) + sen (12)", "ln(11)+sin(12)"},
    {"max (-2, cos (7))", "max(-2,cos(7))"},
    {"x^2+y^2-4x-6y-3", "x^2+y^2-4*x-6*y-3"},
    {"(2/3)*x-(1/7)*y+5", "(2/3)*x-(1/7)*y+5"},
    {"sen(x)^2+cos(x)^2", "sin(x)^2+cos(x)^2"},
    {"3x-2y+7", "3*x-2*y+7"},
};
constexpr int kTextCount = static_cast<int>(sizeof kTexts / sizeof kTexts[0]);

// The points visited: x and y change on every evaluation. The equation readers evaluate at
// whole points; the decimal walk takes points such as 0.1 that no binary fraction spells.
struct Walk {
  double x = -3.25, y = 1.5;
  double dx = 0.125, dy = -0.0625;
  explicit Walk(bool decimal = false) {
    if (decimal) dx = 0.1, dy = -0.03;
  }
  void Step() {
    x += dx;
    y += dy;
    if (x > 50) x = -50;
    if (y < -50) y = 50;
  }
};

double Ours(const char* text, double x, double y) {
  vl::clsEquation eq;
  eq.Equation(text);
  eq.Var("x", x);
  eq.Var("y", y);
  eq.Solve();
  return eq.Solution();
}

// Both must compute the same thing, or the comparison means nothing.
void CheckSameValues() {
  double x = 2.5, y = -1.25;
  mu::Parser parser;
  parser.DefineVar("x", &x);
  parser.DefineVar("y", &y);
  for (const Text& t : kTexts) {
    parser.SetExpr(t.muparser);
    const double theirs = parser.Eval();
    const double ours = Ours(t.ours, x, y);
    if (std::fabs(ours - theirs) > 1e-12 * std::fmax(1.0, std::fabs(theirs))) {
      std::fprintf(stderr, "%s gives %.17g here and %.17g in muparser\n", t.ours, ours, theirs);
      std::abort();
    }
  }
}

void OursReadEvaluate(benchmark::State& state, int k) {
  const Text& t = kTexts[k];
  state.SetLabel(t.ours);
  Walk w;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Ours(t.ours, w.x, w.y));
    w.Step();
  }
}

void MuparserReadEvaluate(benchmark::State& state, int k) {
  const Text& t = kTexts[k];
  state.SetLabel(t.muparser);
  Walk w;
  mu::Parser parser;
  parser.DefineVar("x", &w.x);
  parser.DefineVar("y", &w.y);
  for (auto _ : state) {
    parser.SetExpr(t.muparser);
    benchmark::DoNotOptimize(parser.Eval());
    w.Step();
  }
}

void OursReevaluate(benchmark::State& state, int k, bool decimal) {
  const Text& t = kTexts[k];
  state.SetLabel(t.ours);
  Walk w(decimal);
  vl::clsEquation eq;
  eq.Equation(t.ours);
  for (auto _ : state) {
    eq.Var("x", w.x);
    eq.Var("y", w.y);
    eq.Solve();
    benchmark::DoNotOptimize(eq.Solution());
    w.Step();
  }
}

void MuparserReevaluate(benchmark::State& state, int k, bool decimal) {
  const Text& t = kTexts[k];
  state.SetLabel(t.muparser);
  Walk w(decimal);
  mu::Parser parser;
  parser.DefineVar("x", &w.x);
  parser.DefineVar("y", &w.y);
  parser.SetExpr(t.muparser);
  for (auto _ : state) {
    benchmark::DoNotOptimize(parser.Eval());
    w.Step();
  }
}

}  // namespace

int main(int argc, char** argv) {
  CheckSameValues();
  for (int k = 0; k < kTextCount; ++k) {
    const std::string n = std::to_string(k);
    benchmark::RegisterBenchmark(("ReadEvaluate/ours/" + n).c_str(), OursReadEvaluate, k);
    benchmark::RegisterBenchmark(("ReadEvaluate/muparser/" + n).c_str(), MuparserReadEvaluate, k);
  }
  for (const bool decimal : {false, true}) {
    const std::string kind = decimal ? "ReevaluateDecimal/" : "Reevaluate/";
    for (int k = 0; k < kTextCount; ++k) {
      const std::string n = std::to_string(k);
      benchmark::RegisterBenchmark((kind + "ours/" + n).c_str(), OursReevaluate, k, decimal);
      benchmark::RegisterBenchmark((kind + "muparser/" + n).c_str(), MuparserReevaluate, k, decimal);
    }
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
