#include "EquationFunctions.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

#include "Checked.h"
#include "EquationSteps.h"

namespace vl::expr {

namespace {

constexpr double kDegToRad = 0.01745329251995;
constexpr double kRadToDeg = 57.2957795131;

// The 49 functions, in the order they are searched.
// clang-format off
constexpr std::string_view kFunctions[] = {
    "abs(",    "arctg(",    "cos(",      "exp(",     "fix(",      "int(",      "log(",
    "rnd(",    "sgn(",      "sin(",      "sen(",     "sqr(",      "tg(",       "min(",
    "max(",    "random(",   "mod(",      "logn(",    "rand(",     "sec(",      "cosec(",
    "cotan(",  "cotg(",     "arcsin(",   "arcsen(",  "arccos(",   "arcsec(",   "arccosec(",
    "arccotg(", "sinh(",    "senh(",     "cosh(",    "tgh(",      "sech(",     "cosech(",
    "cotgh(",  "arcsinh(",  "arcsenh(",  "arccosh(", "arctgh(",   "arcsech(",  "arccosech(",
    "arccotgh(", "log10(",  "log2(",     "ln(",      "graus(",    "rad(",      "mant(",
};
// clang-format on
constexpr int kFunctionCount = static_cast<int>(sizeof kFunctions / sizeof kFunctions[0]);
static_assert(kFunctionCount == 49);

// clang-format off
enum Function {
  kAbs, kArctg, kCos, kExp, kFix, kInt, kLog, kRndF, kSgn, kSin, kSen, kSqr, kTg, kMin,
  kMax, kRandom, kMod, kLogn, kRand, kSec, kCosec, kCotan, kCotg, kArcsin, kArcsen, kArccos,
  kArcsec, kArccosec, kArccotg, kSinh, kSenh, kCosh, kTgh, kSech, kCosech, kCotgh, kArcsinh,
  kArcsenh, kArccosh, kArctgh, kArcsech, kArccosech, kArccotgh, kLog10, kLog2, kLn, kGraus,
  kRad, kMant,
};
// clang-format on

// One generator for the whole program, seeded from the clock at start and again by the
// functions that ask for it. Values are 24 random bits over 2^24, single precision.
struct RandomSource {
  std::mt19937 generator{Seed()};
  float last = 0;

  static std::uint32_t Seed() {
    return static_cast<std::uint32_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
  }
  static float FromBits(std::uint32_t bits) { return static_cast<float>(bits >> 8) / 16777216.0f; }
  void Reseed() { generator.seed(Seed()); }
  float Next() { return last = FromBits(generator()); }
  // A negative argument always gives the same value, made from the argument's own bits.
  float ForNegative(double x) {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    std::mt19937 derived(static_cast<std::uint32_t>(bits ^ (bits >> 32)));
    return last = FromBits(derived());
  }
};

RandomSource& Random() {
  static RandomSource source;
  return source;
}

// rnd(x): reseeded; a negative x gives its own value, 0 the last draw again, else a new draw.
double Rnd(double x) {
  RandomSource& random = Random();
  random.Reseed();
  if (x < 0) return random.ForNegative(x);
  if (x == 0) return random.last;
  return random.Next();
}

// A new draw of a reseeded source.
double ReseededDraw() {
  Random().Reseed();
  return Random().Next();
}

double Sgn(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

}  // namespace

int FunctionId(std::string_view token) {
  for (int k = 0; k < kFunctionCount; ++k)
    if (kFunctions[k].size() == token.size() && kFunctions[k][0] == token[0] && kFunctions[k] == token) return k;
  return -1;
}

double NextRandom() { return Random().Next(); }

double Apply(int id, double x, double y, bool degrees) {
  using namespace checked;
  const double halfPi = 2 * std::atan(1.0);
  const double toRad = degrees ? kDegToRad : 1.0;
  const double toDeg = degrees ? kRadToDeg : 1.0;
  auto mod = [](double a, double b) {
    const std::int64_t ia = ToInt32(a);
    const std::int64_t ib = ToInt32(b);
    if (ib == 0) RaiseDivisionByZero();
    return static_cast<double>(ia % ib);
  };
  switch (static_cast<Function>(id)) {
    case kAbs: return std::fabs(x);
    case kArctg: return Mul(std::atan(x), toDeg);
    case kCos: return Finite(std::cos(Mul(x, toRad)));
    case kExp: return Exp(x);
    case kFix: return std::trunc(x);
    case kInt: return std::floor(x);
    case kLog:
    case kLn: return Log(x);
    case kRndF: return Rnd(x);
    case kSgn: return Sgn(x);
    case kSin:
    case kSen: return Finite(std::sin(Mul(x, toRad)));
    case kSqr: return Sqrt(x);
    case kTg: return Finite(std::tan(Mul(x, toRad)));
    case kMin: return x < y ? x : y;
    case kMax: return x > y ? x : y;
    case kRandom: {
      const double r = ReseededDraw();  // drawn before y - x can fail
      return Add(x, Mul(r, Sub(y, x)));
    }
    case kMod: return mod(x, y);
    case kLogn: return Div(Log(x), Log(y));
    case kRand: {
      const double r = ReseededDraw();
      return std::floor(Mul(r, x));
    }
    case kSec: return Div(1, std::cos(Mul(x, toRad)));
    case kCosec: return Div(1, std::sin(Mul(x, toRad)));
    case kCotan:
    case kCotg: return Div(1, std::tan(Mul(x, toRad)));
    case kArcsin:
    case kArcsen: return Mul(std::atan(Div(x, Sqrt(Sub(1, Mul(x, x))))), toDeg);
    case kArccos: return Mul(std::atan(Div(-x, Sqrt(Sub(1, Mul(x, x))))) + halfPi, toDeg);
    case kArcsec: return Mul(Sgn(x) * (std::atan(Sqrt(Sub(Mul(x, x), 1))) - halfPi) + halfPi, toDeg);
    case kArccosec: return Mul(Sgn(x) * std::atan(Div(1, Sqrt(Sub(Mul(x, x), 1)))), toDeg);
    case kArccotg: return Mul(halfPi - std::atan(Mul(x, toRad)), toDeg);
    case kSinh:
    case kSenh: return Div(Sub(Exp(x), Exp(-x)), 2);
    case kCosh: return Div(Add(Exp(x), Exp(-x)), 2);
    case kTgh: return Div(Sub(Exp(x), Exp(-x)), Add(Exp(x), Exp(-x)));
    case kSech: return Div(2, Add(Exp(x), Exp(-x)));
    case kCosech: return Div(2, Sub(Exp(x), Exp(-x)));
    case kCotgh: return Div(Add(Exp(x), Exp(-x)), Sub(Exp(x), Exp(-x)));
    case kArcsinh:
    case kArcsenh: return Log(Add(x, Sqrt(Add(Mul(x, x), 1))));
    case kArccosh: return Log(Add(x, Sqrt(Sub(Mul(x, x), 1))));
    case kArctgh: return Div(Log(Div(Add(x, 1), Sub(1, x))), 2);
    case kArcsech: return Log(Div(Add(Sqrt(Sub(1, Mul(x, x))), 1), x));
    case kArccosech: return Log(Div(Add(Sgn(x) * Sqrt(Add(Mul(x, x), 1)), 1), x));
    case kArccotgh: return Div(Log(Div(Add(x, 1), Sub(x, 1))), 2);
    case kLog10: return Div(Log(x), std::log(10.0));
    case kLog2: return Div(Log(x), std::log(2.0));
    case kGraus: return Mul(x, kRadToDeg);
    case kRad: return Mul(x, kDegToRad);
    case kMant: return Sub(x, std::floor(x));
  }
  Invalid();
}

}  // namespace vl::expr
