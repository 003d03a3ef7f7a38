// How long a user waits for a click: a whole problem handler run (read, check, redraw the plane,
// draw data and solution, write results) and the empty plane with its grid, headless.
#include <benchmark/benchmark.h>

#include "AllForms.h"
#include "App.h"
#include "TopicWindow.h"

namespace {

void Click(benchmark::State& state, const char* form, const char* control) {
  vl::App app;
  vl::RegisterAllForms(app);
  app.Show("Form11");
  app.Show(form);
  for (auto _ : state) {
    app.Click(form, control);
    benchmark::DoNotOptimize(app.TakeMessages());
  }
}

void LineThroughTwoPoints(benchmark::State& state) { Click(state, "Form2", "Resolver1"); }
BENCHMARK(LineThroughTwoPoints);

void LineAndCircleIntersection(benchmark::State& state) { Click(state, "Form4", "Resolver5"); }
BENCHMARK(LineAndCircleIntersection);

void TangentsFromAPoint(benchmark::State& state) { Click(state, "Form7", "Resolver3"); }
BENCHMARK(TangentsFromAPoint);

void PlaneWithGrid(benchmark::State& state) {
  vl::App app;
  vl::RegisterAllForms(app);
  app.Show("Form11");
  app.Show("Form1");
  auto& w = dynamic_cast<vl::TopicWindow&>(*app.Loaded("Form1"));
  w["DesenharGrelha"].value = true;
  for (auto _ : state) {
    w.DrawPlane();
    benchmark::DoNotOptimize(w.Picture1().List().size());
  }
}
BENCHMARK(PlaneWithGrid);

}  // namespace
