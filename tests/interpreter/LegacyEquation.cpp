#include "LegacyEquation.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <system_error>

#include "Checked.h"
#include "RunTimeError.h"

namespace vl::legacy {

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kE = 2.718281828;
constexpr double kDegToRad = 0.01745329251995;
constexpr double kRadToDeg = 57.2957795131;

// Any failure that is not one of the numbered errors: Solve reports it as 1103.
struct InvalidExpression {};

[[noreturn]] void Invalid() { throw InvalidExpression{}; }

// The 49 functions, in the order they are searched.
constexpr const char* kFunctions[] = {
    "abs(",    "arctg(",    "cos(",      "exp(",     "fix(",      "int(",      "log(",
    "rnd(",    "sgn(",      "sin(",      "sen(",     "sqr(",      "tg(",       "min(",
    "max(",    "random(",   "mod(",      "logn(",    "rand(",     "sec(",      "cosec(",
    "cotan(",  "cotg(",     "arcsin(",   "arcsen(",  "arccos(",   "arcsec(",   "arccosec(",
    "arccotg(", "sinh(",    "senh(",     "cosh(",    "tgh(",      "sech(",     "cosech(",
    "cotgh(",  "arcsinh(",  "arcsenh(",  "arccosh(", "arctgh(",   "arcsech(",  "arccosech(",
    "arccotgh(", "log10(",  "log2(",     "ln(",      "graus(",    "rad(",      "mant(",
};
constexpr int kFunctionCount = static_cast<int>(sizeof kFunctions / sizeof kFunctions[0]);
static_assert(kFunctionCount == 49);

enum Function {
  kAbs, kArctg, kCos, kExp, kFix, kInt, kLog, kRndF, kSgn, kSin, kSen, kSqr, kTg, kMin,
  kMax, kRandom, kMod, kLogn, kRand, kSec, kCosec, kCotan, kCotg, kArcsin, kArcsen, kArccos,
  kArcsec, kArccosec, kArccotg, kSinh, kSenh, kCosh, kTgh, kSech, kCosech, kCotgh, kArcsinh,
  kArcsenh, kArccosh, kArctgh, kArcsech, kArccosech, kArccotgh, kLog10, kLog2, kLn, kGraus,
  kRad, kMant,
};

int FunctionId(const std::string& token) {
  for (int k = 0; k < kFunctionCount; ++k)
    if (token == kFunctions[k]) return k;
  return -1;
}

// One generator for the whole program, seeded from the clock at start and again by the
// functions that ask for it. Values are 24 random bits over 2^24, single precision.
struct RandomSource {
  std::mt19937 generator{Seed()};
  float last = 0;

  static std::uint32_t Seed() {
    return static_cast<std::uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
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

double Sgn(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

// A number token's value: digits with at most one "," (the typed ".") and at least one digit.
// NaN marks a token that is not a number; infinity one that is too large for a double.
double NumberTokenValue(const std::string& token) {
  const std::size_t mark = token.find(',');
  if (mark != std::string::npos && token.find(',', mark + 1) != std::string::npos)
    return std::numeric_limits<double>::quiet_NaN();
  std::string canonical = mark == std::string::npos ? token : token.substr(0, mark);
  if (canonical.empty()) canonical = "0";
  if (mark != std::string::npos && mark + 1 < token.size()) {
    canonical += '.';
    canonical.append(token, mark + 1);
  }
  if (token.size() == (mark == std::string::npos ? 0 : 1))
    return std::numeric_limits<double>::quiet_NaN();
  double value = 0;
  const auto res = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
  if (res.ec == std::errc::result_out_of_range) {
    // Too large when a significant digit stands before the point, else too small: zero.
    const std::size_t first = canonical.find_first_of("123456789");
    const std::size_t dot = canonical.find('.');
    return first < dot ? std::numeric_limits<double>::infinity() : 0.0;
  }
  if (res.ec != std::errc() || res.ptr != canonical.data() + canonical.size())
    return std::numeric_limits<double>::quiet_NaN();
  return value;
}

void AppendUtf8(std::string& out, unsigned cp) {
  out += static_cast<char>(0xC0 | (cp >> 6));
  out += static_cast<char>(0x80 | (cp & 0x3F));
}

unsigned LowerLatin(unsigned cp) {
  if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 0x20;
  if (cp >= 0x100 && cp <= 0x137 && cp != 0x130 && cp % 2 == 0) return cp + 1;
  if (cp >= 0x139 && cp <= 0x148 && cp % 2 == 1) return cp + 1;
  if (cp >= 0x14A && cp <= 0x177 && cp % 2 == 0) return cp + 1;
  if (cp == 0x178) return 0xFF;
  if (cp >= 0x179 && cp <= 0x17E && cp % 2 == 1) return cp + 1;
  return cp;
}

}  // namespace

std::string LowerCase(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b >= 'A' && b <= 'Z') {
      out += static_cast<char>(b + 32);
    } else if ((b == 0xC3 || b == 0xC4 || b == 0xC5) && i + 1 < text.size() &&
               (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
      const unsigned cp = ((b & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu);
      AppendUtf8(out, LowerLatin(cp));
      ++i;
    } else {
      out += static_cast<char>(b);
    }
  }
  return out;
}

// Slots 1..n, one per token. A slot only ever goes from filled to empty, so the filled ones
// are kept in a doubly linked list and finding a neighbour costs O(1) however long the text.
struct clsEquation::SlotList {
  enum State : unsigned char { kEmpty, kToken, kNumber };
  std::vector<State> state;
  std::vector<int> token;      // for kToken: the 1-based position of the token it holds
  std::vector<double> number;  // for kNumber
  std::vector<int> next, prev;

  explicit SlotList(const std::vector<Kind>& kinds) {
    const int n = static_cast<int>(kinds.size());
    state.assign(n + 2, kEmpty);
    token.assign(n + 2, 0);
    number.assign(n + 2, 0.0);
    next.assign(n + 2, n + 1);
    prev.assign(n + 2, 0);
    int last = 0;
    for (int i = 1; i <= n; ++i) {
      if (kinds[i - 1] == Kind::Separator) continue;
      state[i] = kToken;
      token[i] = i;
      next[last] = i;
      prev[i] = last;
      last = i;
    }
    next[last] = n + 1;
    prev[n + 1] = last;
  }
  int Last() const { return static_cast<int>(state.size()) - 2; }
  void Empty(int i) {
    if (state[i] == kEmpty) return;
    state[i] = kEmpty;
    next[prev[i]] = next[i];
    prev[next[i]] = prev[i];
  }
  void Set(int i, double v) {
    state[i] = kNumber;
    number[i] = v;
  }
};

clsEquation::clsEquation()
    : NeedsSolve(false), IsParsed(true), ExpressionText(), DegreesMode(false), ResultValue(0) {
  Graus(false);  // an unchanged value: the new object's result stays current
}

void clsEquation::Graus(bool degrees) {
  if (degrees == DegreesMode) return;
  DegreesMode = degrees;
  NeedsSolve = true;
}

bool clsEquation::Graus() const { return DegreesMode; }

void clsEquation::VarClear() {
  Variables.clear();
  NeedsSolve = true;
}

void clsEquation::Equation(const std::string& text) {
  ExpressionText = LowerCase(text);
  IsParsed = false;
  NeedsSolve = true;
}

const std::string& clsEquation::Equation() const { return ExpressionText; }

void clsEquation::VarRemove(const std::string& name) {
  Variables.erase(LowerCase(name));
  NeedsSolve = true;
}

double clsEquation::Solution() {
  if (NeedsSolve) Solve();
  return ResultValue;
}

void clsEquation::Solve() {
  try {
    if (!IsParsed) ParseEquation();
    const double value = Evaluate();
    ResultValue = value;
    NeedsSolve = false;
  } catch (const RunTimeError& e) {
    const int n = e.Number();
    if (n == err::kInvalidArgument || n == err::kOverflow || n == err::kDivisionByZero ||
        (n >= err::kUnbalancedParentheses && n <= err::kEmptyArgument))
      throw RunTimeError(n, e.Description(), err::kInterpreterSource);
    throw RunTimeError(err::kInvalidExpression, err::kInvalidExpressionText, err::kInterpreterSource);
  } catch (const InvalidExpression&) {
    throw RunTimeError(err::kInvalidExpression, err::kInvalidExpressionText, err::kInterpreterSource);
  }
}

double clsEquation::Var(const std::string& name) const {
  const auto it = Variables.find(LowerCase(name));
  return it == Variables.end() ? 0.0 : it->second;
}

void clsEquation::Var(const std::string& name, double value) {
  Variables.insert_or_assign(LowerCase(name), value);
  NeedsSolve = true;
}

int clsEquation::NextNonNullIndex(int start, const SlotList& slots) const {
  const int i = slots.next[start];
  return i > slots.Last() ? 0 : i;
}

int clsEquation::PrevNonNullIndex(int start, const SlotList& slots) const {
  return slots.prev[start];
}

void clsEquation::ParseEquation() {
  Tokens.clear();
  Kinds.clear();
  Priorities.clear();
  FunctionIds.clear();

  enum class Pending { None, Name, Number } pending = Pending::None;
  std::string text;
  int depth = 0;
  bool operand = false;  // kept for the meaning of "-": binary after an operand, else unary

  auto emit = [&](std::string token, Kind kind, int priority) {
    FunctionIds.push_back(kind == Kind::Function ? FunctionId(token) : -1);
    Tokens.push_back(std::move(token));
    Kinds.push_back(kind);
    Priorities.push_back(priority);
  };
  auto flush = [&] {
    if (pending == Pending::Name) emit(std::move(text), Kind::Name, 7 * depth + 6);
    if (pending == Pending::Number) emit(std::move(text), Kind::Number, 0);
    text.clear();
    pending = Pending::None;
  };

  for (const char c : ExpressionText) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    const bool digit = (c >= '0' && c <= '9') || c == '.';
    if (letter) {
      if (pending == Pending::Number) {
        flush();
        emit("*", Kind::Operator, 7 * depth + 3);
      }
      if (pending == Pending::None) pending = Pending::Name;
      text += c;
      operand = true;
    } else if (digit) {
      if (pending == Pending::None) pending = Pending::Number;
      text += c == '.' ? ',' : c;
      operand = true;
    } else {
      switch (c) {
        case '(':
          if (pending == Pending::Name) {
            text += '(';
            emit(std::move(text), Kind::Function, 7 * depth + 7);
            text.clear();
            pending = Pending::None;
          } else {
            if (pending == Pending::Number) {
              flush();
              emit("*", Kind::Operator, 7 * depth + 3);
            }
            emit("(", Kind::Open, 7 * depth + 7);
          }
          ++depth;
          operand = false;
          break;
        case ')':
          flush();
          emit(")", Kind::Close, 7 * depth);
          --depth;
          operand = true;
          break;
        case ',':
          flush();
          emit("", Kind::Separator, 0);
          operand = false;
          break;
        case '+':
          flush();
          emit("+", Kind::Operator, 7 * depth + 1);
          operand = false;
          break;
        case '-':
          flush();
          if (operand)
            emit("-", Kind::Operator, 7 * depth + 1);
          else
            emit("~", Kind::Operator, 7 * depth + 4);
          operand = false;
          break;
        case '*':
        case '/':
        case '\\':
          flush();
          emit(std::string(1, c), Kind::Operator, 7 * depth + 3);
          operand = false;
          break;
        case '%':
          flush();
          emit("%", Kind::Operator, 7 * depth + 2);
          operand = false;
          break;
        case '^':
          flush();
          emit("^", Kind::Operator, 7 * depth + 5);
          operand = false;
          break;
        default:
          break;  // blanks, "=", accented letters...: ignored, the pending token goes on
      }
    }
  }
  flush();

  if (depth != 0)
    throw RunTimeError(err::kUnbalancedParentheses, err::kUnbalancedParenthesesText,
                       err::kInterpreterSource);

  // Higher priority first, text order among equals: a stable sort keeps the cost at
  // n log n even for deeply nested texts.
  std::vector<int> order;
  for (int i = 0; i < static_cast<int>(Tokens.size()); ++i)
    if (Priorities[i] >= 1) order.push_back(i + 1);
  std::stable_sort(order.begin(), order.end(),
                   [this](int a, int b) { return Priorities[a - 1] > Priorities[b - 1]; });
  EvalOrder = std::move(order);
  IsParsed = true;
}

double clsEquation::Evaluate() {
  if (Tokens.empty()) Invalid();
  SlotList slots(Kinds);

  auto value = [&](int i) -> double {
    if (i == 0) Invalid();
    if (slots.state[i] == SlotList::kNumber) return slots.number[i];
    if (slots.state[i] == SlotList::kEmpty) Invalid();
    const int t = slots.token[i] - 1;
    if (Kinds[t] != Kind::Number) Invalid();
    const double v = NumberTokenValue(Tokens[t]);
    if (std::isnan(v)) Invalid();
    if (std::isinf(v)) checked::RaiseOverflow();
    return v;
  };
  // The ")" that closes the group or function just taken is the next entry of the order.
  auto closing = [&](std::size_t& k) -> int {
    if (k + 1 >= EvalOrder.size() || Kinds[EvalOrder[k + 1] - 1] != Kind::Close) Invalid();
    return EvalOrder[++k];
  };

  for (std::size_t k = 0; k < EvalOrder.size(); ++k) {
    const int i = EvalOrder[k];
    const std::string& t = Tokens[i - 1];
    switch (Kinds[i - 1]) {
      case Kind::Operator: {
        if (t == "~") {
          const int r = NextNonNullIndex(i, slots);
          const double v = value(r);
          slots.Set(i, -v);
          slots.Empty(r);
          break;
        }
        const int l = PrevNonNullIndex(i, slots);
        const int r = NextNonNullIndex(i, slots);
        const double a = value(l);
        const double b = value(r);
        double result = 0;
        switch (t[0]) {
          case '+': result = checked::Add(a, b); break;
          case '-': result = checked::Sub(a, b); break;
          case '*': result = checked::Mul(a, b); break;
          case '/': result = checked::Div(a, b); break;
          case '^': result = checked::Pow(a, b); break;
          case '\\':
          case '%': {
            const std::int64_t ia = checked::ToInt32(a);
            const std::int64_t ib = checked::ToInt32(b);
            if (ib == 0) checked::RaiseDivisionByZero();
            const std::int64_t q = t[0] == '\\' ? ia / ib : ia % ib;
            if (q > std::numeric_limits<std::int32_t>::max()) checked::RaiseOverflow();
            result = static_cast<double>(q);
            break;
          }
          default: Invalid();
        }
        slots.Set(l, result);
        slots.Empty(r);
        slots.Empty(i);
        break;
      }
      case Kind::Open: {
        const int c = closing(k);
        const int r = NextNonNullIndex(i, slots);
        if (r != 0 && r < c) {
          slots.state[i] = slots.state[r];
          slots.token[i] = slots.token[r];
          slots.number[i] = slots.number[r];
          slots.Empty(r);
        } else {
          slots.Set(i, 0);
        }
        slots.Empty(c);
        break;
      }
      case Kind::Function: {
        const int c = closing(k);
        const int f = NextNonNullIndex(i, slots);
        if (f == 0 || f >= c)
          throw RunTimeError(err::kEmptyArgument, err::kEmptyArgumentText + t + ")");
        const double x = value(f);
        const int l = PrevNonNullIndex(c, slots);
        const double y = value(l);
        slots.Empty(l);
        slots.Empty(f);
        slots.Empty(c);
        const int id = FunctionIds[i - 1];
        if (id < 0) throw RunTimeError(err::kUndefinedFunction, err::kUndefinedFunctionText + t + ")");
        const double v = Apply(id, x, y);
        slots.Set(i, v);
        break;
      }
      default: {
        double v;
        if (t == "pi") {
          v = kPi;
        } else if (t == "e") {
          v = kE;
        } else if (t == "rnd") {
          v = Random().Next();
        } else {
          const auto it = Variables.find(t);
          if (it == Variables.end())
            throw RunTimeError(err::kUndefinedVariable, err::kUndefinedVariableText + t);
          v = it->second;
        }
        slots.Set(i, v);
        break;
      }
    }
  }
  const double result = value(NextNonNullIndex(0, slots));
  // A variable can hold anything; the result handed out is always a finite number.
  return checked::Finite(result);
}

double clsEquation::Apply(int id, double x, double y) const {
  using namespace checked;
  const double halfPi = 2 * std::atan(1.0);
  const double toRad = DegreesMode ? kDegToRad : 1.0;
  const double toDeg = DegreesMode ? kRadToDeg : 1.0;
  auto fix = [](double v) { return std::trunc(v); };
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
    case kFix: return fix(x);
    case kInt: return std::floor(x);
    case kLog:
    case kLn: return Log(x);
    case kRndF: {
      RandomSource& random = Random();
      random.Reseed();
      if (x < 0) return random.ForNegative(x);
      if (x == 0) return random.last;
      return random.Next();
    }
    case kSgn: return Sgn(x);
    case kSin:
    case kSen: return Finite(std::sin(Mul(x, toRad)));
    case kSqr: return Sqrt(x);
    case kTg: return Finite(std::tan(Mul(x, toRad)));
    case kMin: return x < y ? x : y;
    case kMax: return x > y ? x : y;
    case kRandom: {
      Random().Reseed();
      const double r = Random().Next();
      return Add(x, Mul(r, Sub(y, x)));
    }
    case kMod: return mod(x, y);
    case kLogn: return Div(Log(x), Log(y));
    case kRand: {
      Random().Reseed();
      const double r = Random().Next();
      return std::floor(Mul(r, x));
    }
    case kSec: return Div(1, std::cos(Mul(x, toRad)));
    case kCosec: return Div(1, std::sin(Mul(x, toRad)));
    case kCotan:
    case kCotg: return Div(1, std::tan(Mul(x, toRad)));
    case kArcsin:
    case kArcsen: return Mul(std::atan(Div(x, Sqrt(Sub(1, Mul(x, x))))), toDeg);
    case kArccos: return Mul(std::atan(Div(-x, Sqrt(Sub(1, Mul(x, x))))) + halfPi, toDeg);
    case kArcsec:
      return Mul(Sgn(x) * (std::atan(Sqrt(Sub(Mul(x, x), 1))) - halfPi) + halfPi, toDeg);
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

}  // namespace vl::legacy
