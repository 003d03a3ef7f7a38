// The expression object against its frozen former self over generated texts and variable
// values: the same value to the bit, or the same error number, description and source, and
// from the same call. VL_DIFF_CASES sets how many texts each generator makes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "LegacyEquation.h"
#include "RunTimeError.h"
#include "clsEquation.h"

namespace {

int CaseCount(int fallback) {
  const char* env = std::getenv("VL_DIFF_CASES");
  return env ? std::atoi(env) : fallback;
}

// What one call gave: a value's bits, or an error.
struct Outcome {
  bool failed = false;
  std::uint64_t bits = 0;
  int number = 0;
  std::string description, source;
  bool operator==(const Outcome&) const = default;
};

template <class Call>
Outcome Run(Call call) {
  Outcome o;
  try {
    const double v = call();
    std::memcpy(&o.bits, &v, sizeof v);
  } catch (const vl::RunTimeError& e) {
    o.failed = true;
    o.number = e.Number();
    o.description = e.Description();
    o.source = e.Source();
  }
  return o;
}

std::string Show(const Outcome& o) {
  if (o.failed) return std::to_string(o.number) + " " + o.description + " / " + o.source;
  double v;
  std::memcpy(&v, &o.bits, sizeof v);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%a", v);
  return buf;
}

bool Random(const std::string& text) {
  return text.find("rnd") != std::string::npos || text.find("rand") != std::string::npos;
}

const double kValues[] = {0,    1,     -1,   0.5,  2,     -3.75, 7.5,   2.5,    1e10,
                          3e9,  -2e9,  1e308, -1e308, 4.9e-324, 0.1, 1e-5, 100,  -0.5,
                          std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::quiet_NaN()};

// Drives both objects through the same calls and compares every outcome.
class Pair {
 public:
  explicit Pair(std::mt19937& rng) : rng_(rng) {}

  void Check(const std::string& text) {
    SCOPED_TRACE("text: " + text);
    const bool degrees = Pick(4) == 0;
    old_.Graus(degrees);
    new_.Graus(degrees);
    old_.Equation(text);
    new_.Equation(text);
    ASSERT_EQ(old_.Equation(), new_.Equation());
    for (int round = 0; round < 3; ++round) {
      SetVariables();
      Compare(text, false);
      if (round == 1) Compare(text, true);  // the current result, without evaluating
    }
    // The same text again, then variables taken away.
    old_.Equation(text);
    new_.Equation(text);
    Compare(text, true);
    for (const char* name : {"y", "X"}) {
      old_.VarRemove(name);
      new_.VarRemove(name);
      Compare(text, true);
    }
    old_.VarClear();
    new_.VarClear();
    Compare(text, false);
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  void SetVariables() {
    for (const char* name : {"x", "Y", "a"}) {
      if (Pick(6) == 0) continue;  // sometimes left as it was, or never set
      const double v = kValues[Pick(static_cast<int>(std::size(kValues)))];
      old_.Var(name, v);
      new_.Var(name, v);
    }
  }

  void Compare(const std::string& text, bool throughSolution) {
    const Outcome o = throughSolution ? Run([&] { return old_.Solution(); })
                                      : Run([&] { old_.Solve(); return old_.Solution(); });
    const Outcome n = throughSolution ? Run([&] { return new_.Solution(); })
                                      : Run([&] { new_.Solve(); return new_.Solution(); });
    // Each object draws from its own clock-seeded generator: random texts are not compared.
    if (!Random(text)) {
      EXPECT_EQ(Show(o), Show(n));
    }
    for (const char* name : {"x", "y", "a", "b"})
      EXPECT_EQ(Show(Run([&] { return old_.Var(name); })), Show(Run([&] { return new_.Var(name); })));
  }

  std::mt19937& rng_;
  vl::legacy::clsEquation old_;
  vl::clsEquation new_;
};

const char* const kPieces[] = {
    "0", "1", "2", "3", "7", "9", ".", "5", "x", "y", "a", "e", "pi", "rnd", "_", "+", "-",
    "*", "/", "\\", "%", "^", "(", "(", ")", ")", ",", " ", "=", "é", "X", "Y",
    "abs(", "arctg(", "cos(", "exp(", "fix(", "int(", "log(", "rnd(", "sgn(", "sin(", "sen(",
    "sqr(", "tg(", "min(", "max(", "random(", "mod(", "logn(", "rand(", "sec(", "cosec(",
    "cotan(", "cotg(", "arcsin(", "arcsen(", "arccos(", "arcsec(", "arccosec(", "arccotg(",
    "sinh(", "senh(", "cosh(", "tgh(", "sech(", "cosech(", "cotgh(", "arcsinh(", "arcsenh(",
    "arccosh(", "arctgh(", "arcsech(", "arccosech(", "arccotgh(", "log10(", "log2(", "ln(",
    "graus(", "rad(", "mant(", "foo(", "x(", "1e308", "99999999999", "0.000001", "1.2.3"};

// Any sequence of pieces: mostly errors, and every odd corner of the slot walk.
std::string Soup(std::mt19937& rng) {
  std::uniform_int_distribution<int> length(1, 24);
  std::uniform_int_distribution<int> piece(0, static_cast<int>(std::size(kPieces)) - 1);
  std::string text;
  for (int n = length(rng); n > 0; --n) text += kPieces[piece(rng)];
  return text;
}

// Well-formed expressions, so that values (not only errors) get compared.
std::string Formula(std::mt19937& rng, int depth) {
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  static const char* const kLeaves[] = {"x", "y", "2", "3.5", "0.25", "pi", "e", "10", "2x", "a"};
  static const char* const kOps[] = {"+", "-", "*", "/", "^", "\\", "%", "+-", "*-"};
  if (depth == 0 || pick(4) == 0) return kLeaves[pick(static_cast<int>(std::size(kLeaves)))];
  switch (pick(4)) {
    case 0: return Formula(rng, depth - 1) + kOps[pick(static_cast<int>(std::size(kOps)))] +
                   Formula(rng, depth - 1);
    case 1: return "(" + Formula(rng, depth - 1) + ")";
    case 2: return "-" + Formula(rng, depth - 1);
    default: {
      std::string f = kPieces[32 + pick(49)];
      f += Formula(rng, depth - 1);
      if (pick(3) == 0) f += "," + Formula(rng, depth - 1);
      return f + ")";
    }
  }
}

TEST(LegacyDifferential, GeneratedSoups) {
  std::mt19937 rng(20240611);
  Pair pair(rng);
  for (int k = CaseCount(4000); k > 0; --k) {
    pair.Check(Soup(rng));
    if (::testing::Test::HasFailure()) break;
  }
}

TEST(LegacyDifferential, GeneratedFormulas) {
  std::mt19937 rng(97);
  Pair pair(rng);
  for (int k = CaseCount(4000); k > 0; --k) {
    pair.Check(Formula(rng, 4));
    if (::testing::Test::HasFailure()) break;
  }
}

}  // namespace
