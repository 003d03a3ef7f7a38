// How fast the interpreter reads the texts the problems give it: an equation parsed once and
// evaluated at many points (the equation readers), and short box texts parsed and evaluated.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "clsEquation.h"

namespace {

void ParseOnceEvaluateMany(benchmark::State& state) {
  vl::clsEquation eq;
  eq.Equation("x^2+y^2-4x-6y-3-(0)");
  double x = 0;
  for (auto _ : state) {
    eq.Var("x", x);
    eq.Var("y", -x);
    eq.Solve();
    benchmark::DoNotOptimize(eq.Solution());
    x += 0.25;
    if (x > 100) x = -100;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ParseOnceEvaluateMany);

void ParseAndEvaluateBoxText(benchmark::State& state) {
  static const std::vector<std::string> texts = {
      "2", "-8", "sqr(23)", "3pi", "log (11) + sen (12)", "max (-2, cos (7))"};
  const std::string& text = texts[static_cast<std::size_t>(state.range(0))];
  state.SetLabel(text);
  for (auto _ : state) {
    vl::clsEquation eq;
    eq.Equation(text);
    eq.Solve();
    benchmark::DoNotOptimize(eq.Solution());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ParseAndEvaluateBoxText)->DenseRange(0, 5);

// A long nested text: the cost must grow like n log n, not with the nesting depth.
void LongNestedText(benchmark::State& state) {
  const int depth = static_cast<int>(state.range(0));
  std::string text;
  for (int i = 0; i < depth; ++i) text += "(1+";
  text += "x";
  for (int i = 0; i < depth; ++i) text += ")";
  for (auto _ : state) {
    vl::clsEquation eq;
    eq.Equation(text);
    eq.Var("x", 1);
    eq.Solve();
    benchmark::DoNotOptimize(eq.Solution());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<long long>(text.size()));
}
BENCHMARK(LongNestedText)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// A long flat text: 1+1+...+1, read and evaluated.
void LongSum(benchmark::State& state) {
  std::string text = "1";
  for (int i = 0; i < state.range(0); ++i) text += "+1";
  for (auto _ : state) {
    vl::clsEquation eq;
    eq.Equation(text);
    eq.Solve();
    benchmark::DoNotOptimize(eq.Solution());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<long long>(text.size()));
}
BENCHMARK(LongSum)->Arg(1000)->Arg(50000)->Unit(benchmark::kMicrosecond);

}  // namespace
