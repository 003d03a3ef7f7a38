#include "clsEquation.h"

#include <algorithm>
#include <bit>
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

namespace vl {

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kE = 2.718281828;
constexpr double kDegToRad = 0.01745329251995;
constexpr double kRadToDeg = 57.2957795131;

// Any failure that is not one of the numbered errors: Solve reports it as 1103.
struct InvalidExpression {};

[[noreturn]] void Invalid() { throw InvalidExpression{}; }

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

int FunctionId(std::string_view token) {
  for (int k = 0; k < kFunctionCount; ++k)
    if (kFunctions[k].size() == token.size() && kFunctions[k][0] == token[0] && kFunctions[k] == token) return k;
  return -1;
}

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

double Sgn(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

// A number token's value: digits with at most one "," (the typed ".") and at least one digit.
// NaN marks a token that is not a number; infinity one that is too large for a double.
double NumberTokenValue(std::string_view token) {
  // Up to 15 digits with at most 22 after the mark: the digits as a whole number and the power
  // of ten are both exact doubles, so one division rounds exactly as reading the decimal does.
  static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                            1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  if (token.size() <= 16) {
    std::int64_t digits = 0;
    int count = 0, after = -1;
    for (const char c : token) {
      if (c == ',') {
        if (after >= 0) return std::numeric_limits<double>::quiet_NaN();
        after = 0;
        continue;
      }
      digits = digits * 10 + (c - '0');
      ++count;
      if (after >= 0) ++after;
    }
    if (count == 0) return std::numeric_limits<double>::quiet_NaN();
    if (count <= 15) {
      const double whole = static_cast<double>(digits);
      return after > 0 ? whole / kPowersOfTen[after] : whole;
    }
  }
  const std::size_t mark = token.find(',');
  if (mark != std::string_view::npos && token.find(',', mark + 1) != std::string_view::npos)
    return std::numeric_limits<double>::quiet_NaN();
  std::string canonical(mark == std::string_view::npos ? token : token.substr(0, mark));
  if (canonical.empty()) canonical = "0";
  if (mark != std::string_view::npos && mark + 1 < token.size()) {
    canonical += '.';
    canonical.append(token.substr(mark + 1));
  }
  if (token.size() == (mark == std::string_view::npos ? 0 : 1)) return std::numeric_limits<double>::quiet_NaN();
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

unsigned LowerLatin(unsigned cp) {
  if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 0x20;
  if (cp >= 0x100 && cp <= 0x137 && cp != 0x130 && cp % 2 == 0) return cp + 1;
  if (cp >= 0x139 && cp <= 0x148 && cp % 2 == 1) return cp + 1;
  if (cp >= 0x14A && cp <= 0x177 && cp % 2 == 0) return cp + 1;
  if (cp == 0x178) return 0xFF;
  if (cp >= 0x179 && cp <= 0x17E && cp % 2 == 1) return cp + 1;
  return cp;
}

// Whether x·x is exact: x is an odd integer below 2^26.5 times a power of two that keeps the
// square a normal number. An exact square is what pow(x, 2) gives too (its error stays far
// below the distance to the next double), so x^2 at whole and short binary points skips the
// general pow; any other square still goes through it, since a product rounded once can differ
// from pow's result in the last bit.
bool ExactSquare(double x) {
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
  if (exponent < 1023 - 500 || exponent > 1023 + 500) return false;
  std::uint64_t significand = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  significand >>= std::countr_zero(significand);
  return significand <= 94906265;  // 94906265² < 2^53 < 94906267²
}

}  // namespace

std::string LowerCase(const std::string& text) {
  // Every letter folded keeps its length in bytes, so the text is folded in place.
  std::string out = text;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto b = static_cast<unsigned char>(out[i]);
    if (b >= 'A' && b <= 'Z') {
      out[i] = static_cast<char>(b + 32);
    } else if ((b == 0xC3 || b == 0xC4 || b == 0xC5) && i + 1 < out.size() &&
               (static_cast<unsigned char>(out[i + 1]) & 0xC0) == 0x80) {
      const unsigned cp = ((b & 0x1Fu) << 6) | (static_cast<unsigned char>(out[i + 1]) & 0x3Fu);
      const unsigned lower = LowerLatin(cp);
      out[i] = static_cast<char>(0xC0 | (lower >> 6));
      out[i + 1] = static_cast<char>(0x80 | (lower & 0x3F));
      ++i;
    }
  }
  return out;
}

clsEquation::clsEquation()
    : NeedsSolve(false),
      IsParsed(false),
      ExpressionText(),
      DegreesMode(false),
      ResultValue(0),
      BlockSize(0),
      ParseFailed(false),
      ResultRegister(-1) {
  Graus(false);  // an unchanged value: the new object's result stays current
}

void clsEquation::Graus(bool degrees) {
  if (degrees == DegreesMode) return;
  DegreesMode = degrees;
  NeedsSolve = true;
}

bool clsEquation::Graus() const { return DegreesMode; }

void clsEquation::VarClear() {
  for (Variable& v : Variables) v.set = false;
  NeedsSolve = true;
}

void clsEquation::Equation(const std::string& text) {
  std::string lower = LowerCase(text);
  // The same text again keeps its steps.
  if (!IsParsed || lower != ExpressionText) {
    ExpressionText = std::move(lower);
    ParseEquation();
  }
  NeedsSolve = true;
}

const std::string& clsEquation::Equation() const { return ExpressionText; }

void clsEquation::VarRemove(const std::string& name) {
  const int k = FindVariable(name);
  if (k >= 0) Variables[k].set = false;
  NeedsSolve = true;
}

double clsEquation::Solution() {
  if (NeedsSolve) Solve();
  return ResultValue;
}

void clsEquation::Solve() {
  try {
    if (ParseFailed) throw RunTimeError(err::kUnbalancedParentheses, err::kUnbalancedParenthesesText);
    Run();
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

namespace {

std::uint64_t PackKey(std::string_view lowerName) {
  std::uint64_t key = 0;
  for (std::size_t i = 0; i < lowerName.size() && i < 8; ++i)
    key |= std::uint64_t{static_cast<unsigned char>(lowerName[i])} << (8 * i);
  return key;
}

}  // namespace

// Names are few (x and y): a plain scan beats any map. A short ASCII name is folded to lower
// case into one 64-bit key as it is read, so each comparison is one of keys and lengths; other
// names are lower-cased and compared in full.
int clsEquation::FindVariable(const std::string& name) const {
  const std::size_t size = name.size();
  std::uint64_t key = 0;
  bool quick = size <= 8;
  for (std::size_t i = 0; quick && i < size; ++i) {
    auto c = static_cast<unsigned char>(name[i]);
    if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c + 32);
    quick = c < 0x80;
    key |= std::uint64_t{c} << (8 * i);
  }
  if (quick) {
    for (std::size_t k = 0; k < Variables.size(); ++k)
      if (Variables[k].key == key && Variables[k].name.size() == size) return static_cast<int>(k);
    return -1;
  }
  const std::string lower = LowerCase(name);
  for (std::size_t k = 0; k < Variables.size(); ++k)
    if (Variables[k].name == lower) return static_cast<int>(k);
  return -1;
}

void clsEquation::AddVariable(std::string lowerName, double value, bool set) {
  if (Variables.empty()) Variables.reserve(4);  // x and y, mostly
  const std::uint64_t key = PackKey(lowerName);
  Variables.push_back({std::move(lowerName), key, value, set, -1});
}

// The variable a name of the text reads; created without a value when none was given yet.
int clsEquation::BindVariable(std::string_view name) {
  const std::uint64_t key = PackKey(name);
  for (std::size_t k = 0; k < Variables.size(); ++k)
    if (Variables[k].key == key && Variables[k].name == name) return static_cast<int>(k);
  AddVariable(std::string(name), 0.0, false);
  return static_cast<int>(Variables.size()) - 1;
}

double clsEquation::Var(const std::string& name) const {
  const int k = FindVariable(name);
  return k >= 0 && Variables[k].set ? Variables[k].value : 0.0;
}

void clsEquation::Var(const std::string& name, double value) {
  const int k = FindVariable(name);
  if (k >= 0) {
    Variables[k].value = value;
    Variables[k].set = true;
  } else {
    AddVariable(LowerCase(name), value, true);
  }
  NeedsSolve = true;
}

// Room for a text of the given length. Every token but an implied "*" takes at least one
// character of its own, and each "*" needs a number and the character after it: at most 1.5
// tokens a character, and as many token characters. A step per scheduled token and one to
// fail; registers: a step's result and at most two numbers read for it.
void clsEquation::Reserve(std::size_t length) {
  const std::size_t tokens = length + length / 2 + 1;
  const std::size_t steps = tokens + 1;
  const std::size_t registers = 3 * tokens + 2;
  const std::size_t bytes =
      registers * sizeof(double) + steps * sizeof(Step) + tokens * (sizeof(Token) + sizeof(int) + sizeof(char));
  if (bytes > BlockSize) {
    Block.reset(new std::byte[bytes]);
    BlockSize = bytes;
  }
  std::byte* at = Block.get();
  auto carve = [&at]<class T>(Array<T>& array, std::size_t count) {
    array.data = reinterpret_cast<T*>(at);
    array.size = 0;
    array.capacity = static_cast<int>(count);
    at += count * sizeof(T);
  };
  // Widest alignment first.
  carve(Registers, registers);
  carve(Steps, steps);
  carve(Tokens, tokens);
  carve(EvalOrder, tokens);
  carve(TokenChars, tokens);
}

std::string_view clsEquation::TokenText(int position) const {
  const Token& t = Tokens[position - 1];
  return std::string_view(TokenChars.data + t.start, static_cast<std::size_t>(t.length));
}

const std::vector<std::string>& clsEquation::TokenList() const {
  TokenTexts.clear();
  for (int i = 1; i <= Tokens.size; ++i) TokenTexts.emplace_back(TokenText(i));
  return TokenTexts;
}

const std::vector<int>& clsEquation::TokenPriorities() const {
  TokenPriorityList.clear();
  for (const Token& t : Tokens) TokenPriorityList.push_back(t.priority);
  return TokenPriorityList;
}

const std::vector<int>& clsEquation::Order() const {
  OrderList.assign(EvalOrder.begin(), EvalOrder.end());
  return OrderList;
}

int clsEquation::NextNonNullIndex(int start, const std::vector<Slot>& slots) {
  const int i = slots[start].next;
  return i > static_cast<int>(slots.size()) - 2 ? 0 : i;
}

int clsEquation::PrevNonNullIndex(int start, const std::vector<Slot>& slots) { return slots[start].prev; }

void clsEquation::ParseEquation() {
  Reserve(ExpressionText.size());
  // Worked on in locals, which no character stored can alias, and put back at the end.
  Array<Token> tokens = Tokens;
  Array<char> chars = TokenChars;

  enum class Pending { None, Name, Number } pending = Pending::None;
  int pendingStart = 0;
  int depth = 0;
  int top = 0;           // the highest priority given
  bool operand = false;  // kept for the meaning of "-": binary after an operand, else unary

  // A token is the characters appended since its start.
  auto emit = [&](int start, Kind kind, int priority) {
    tokens.push({start, chars.size - start, priority, kind});
    top = std::max(top, priority);
  };
  auto emitChar = [&](char c, Kind kind, int priority) {
    chars.push(c);
    emit(chars.size - 1, kind, priority);
  };
  auto flush = [&] {
    if (pending == Pending::Name) emit(pendingStart, Kind::Name, 7 * depth + 6);
    if (pending == Pending::Number) emit(pendingStart, Kind::Number, 0);
    pending = Pending::None;
  };
  auto start = [&](Pending kind) {
    pending = kind;
    pendingStart = chars.size;
  };

  for (const char c : ExpressionText) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    const bool digit = (c >= '0' && c <= '9') || c == '.';
    if (letter) {
      if (pending == Pending::Number) {
        flush();
        emitChar('*', Kind::Operator, 7 * depth + 3);
      }
      if (pending == Pending::None) start(Pending::Name);
      chars.push(c);
      operand = true;
    } else if (digit) {
      if (pending == Pending::None) start(Pending::Number);
      chars.push(c == '.' ? ',' : c);
      operand = true;
    } else {
      switch (c) {
        case '(':
          if (pending == Pending::Name) {
            chars.push('(');
            emit(pendingStart, Kind::Function, 7 * depth + 7);
            pending = Pending::None;
          } else {
            if (pending == Pending::Number) {
              flush();
              emitChar('*', Kind::Operator, 7 * depth + 3);
            }
            emitChar('(', Kind::Open, 7 * depth + 7);
          }
          ++depth;
          operand = false;
          break;
        case ')':
          flush();
          emitChar(')', Kind::Close, 7 * depth);
          --depth;
          operand = true;
          break;
        case ',':
          flush();
          emit(chars.size, Kind::Separator, 0);
          operand = false;
          break;
        case '+':
          flush();
          emitChar('+', Kind::Operator, 7 * depth + 1);
          operand = false;
          break;
        case '-':
          flush();
          if (operand)
            emitChar('-', Kind::Operator, 7 * depth + 1);
          else
            emitChar('~', Kind::Operator, 7 * depth + 4);
          operand = false;
          break;
        case '*':
        case '/':
        case '\\':
          flush();
          emitChar(c, Kind::Operator, 7 * depth + 3);
          operand = false;
          break;
        case '%':
          flush();
          emitChar('%', Kind::Operator, 7 * depth + 2);
          operand = false;
          break;
        case '^':
          flush();
          emitChar('^', Kind::Operator, 7 * depth + 5);
          operand = false;
          break;
        default: break;  // blanks, "=", accented letters...: ignored, the pending token goes on
      }
    }
  }
  flush();
  Tokens = tokens;
  TokenChars = chars;
  IsParsed = true;

  // Unbalanced: remembered, and raised by every Solve until the text changes.
  ParseFailed = depth != 0;
  if (ParseFailed) {
    Steps.size = 0;
    ResultRegister = -1;
    return;
  }

  // Higher priority first, text order among equals. Short texts: an insertion sort; long ones
  // a counting sort over the priorities, so even deep nesting costs linear time.
  const int n = Tokens.size;
  if (n <= 32) {
    for (int i = 1; i <= n; ++i) {
      const int p = Tokens[i - 1].priority;
      if (p < 1) continue;
      EvalOrder.push(i);
      for (int k = EvalOrder.size - 1; k > 0 && Tokens[EvalOrder[k - 1] - 1].priority < p; --k)
        std::swap(EvalOrder[k - 1], EvalOrder[k]);
    }
  } else {
    std::vector<int> first(static_cast<std::size_t>(top) + 2, 0);
    for (const Token& t : Tokens)
      if (t.priority >= 1) ++first[static_cast<std::size_t>(top - t.priority) + 1];
    for (std::size_t k = 1; k < first.size(); ++k) first[k] += first[k - 1];
    EvalOrder.size = first.back();
    assert(EvalOrder.size <= EvalOrder.capacity);
    for (int i = 1; i <= n; ++i) {
      const int p = Tokens[i - 1].priority;
      if (p >= 1) EvalOrder[first[static_cast<std::size_t>(top - p)]++] = i;
    }
  }
  Compile();
}

// Walks the slots 1..n (one per token, 0 and n+1 the ends) in the evaluation order, as an
// evaluation would, and writes down each value it would compute as a step on registers: which
// slot holds what never depends on a value. The walk stops where the text itself fails (an
// operand that is not a number, an empty or unknown function) with a step that raises that
// failure; the steps before it still run first, so their errors and draws come first.
void clsEquation::Compile() {
  // Names left without a value are read by no step once the old steps go.
  std::erase_if(Variables, [](const Variable& v) { return !v.set; });
  for (Variable& v : Variables) v.reg = -1;
  const int n = Tokens.size;
  ResultRegister = -1;
  // Worked on in locals, which the slot list cannot alias, and put back at the end.
  Array<Step> steps = Steps;
  Array<double> registers = Registers;

  struct Stop {};
  auto fail = [&](Op op, int token) {
    steps.push({op, 0, 0, token, 0});
    throw Stop{};
  };
  auto newRegister = [&](double v) {
    registers.push(v);
    return registers.size - 1;
  };
  auto step = [&](Op op, int a, int b, int function = 0) {
    const int dst = newRegister(0);
    steps.push({op, static_cast<unsigned char>(function), dst, a, b});
    return dst;
  };

  // One slot list serves every object in turn: the walk is over before Compile returns.
  thread_local std::vector<Slot> scratch;
  std::vector<Slot>& slots = scratch;
  slots.assign(static_cast<std::size_t>(n) + 2, Slot{Slot::kEmpty, 0, 0, n + 1, 0});
  int last = 0;
  for (int i = 1; i <= n; ++i) {
    if (Tokens[i - 1].kind == Kind::Separator) continue;
    slots[i].state = Slot::kToken;
    slots[i].token = i;
    slots[last].next = i;
    slots[i].prev = last;
    last = i;
  }
  slots[last].next = n + 1;
  slots[n + 1].prev = last;

  // Emptying unlinks; a slot set again after it was emptied holds a value but stays unlinked.
  auto empty = [&](int i) {
    Slot& s = slots[i];
    if (s.state == Slot::kEmpty) return;
    s.state = Slot::kEmpty;
    slots[s.prev].next = s.next;
    slots[s.next].prev = s.prev;
  };
  auto set = [&](int i, int reg) {
    slots[i].state = Slot::kValue;
    slots[i].reg = reg;
  };
  // The register of a slot's value; a number token is read here, once.
  auto value = [&](int i) -> int {
    if (i == 0) fail(Op::FailInvalid, 0);
    const Slot& s = slots[i];
    if (s.state == Slot::kValue) return s.reg;
    if (s.state == Slot::kEmpty) fail(Op::FailInvalid, 0);
    if (Tokens[s.token - 1].kind != Kind::Number) fail(Op::FailInvalid, 0);
    const double v = NumberTokenValue(TokenText(s.token));
    if (std::isnan(v)) fail(Op::FailInvalid, 0);
    if (std::isinf(v)) fail(Op::FailOverflow, 0);
    return newRegister(v);
  };
  // The ")" that closes the group or function just taken is the next entry of the order.
  auto closing = [&](int& k) -> int {
    if (k + 1 >= EvalOrder.size || Tokens[EvalOrder[k + 1] - 1].kind != Kind::Close) fail(Op::FailInvalid, 0);
    return EvalOrder[++k];
  };

  try {
    if (n == 0) fail(Op::FailInvalid, 0);
    for (int k = 0; k < EvalOrder.size; ++k) {
      const int i = EvalOrder[k];
      const std::string_view t = TokenText(i);
      switch (Tokens[i - 1].kind) {
        case Kind::Operator: {
          if (t[0] == '~') {
            const int r = NextNonNullIndex(i, slots);
            set(i, step(Op::Neg, value(r), 0));
            empty(r);
            break;
          }
          const int l = PrevNonNullIndex(i, slots);
          const int r = NextNonNullIndex(i, slots);
          const int a = value(l);
          const int b = value(r);
          Op op = Op::Add;
          switch (t[0]) {
            case '+': op = Op::Add; break;
            case '-': op = Op::Sub; break;
            case '*': op = Op::Mul; break;
            case '/': op = Op::Div; break;
            case '^': op = Op::Pow; break;
            case '\\': op = Op::IntDiv; break;
            default: op = Op::IntMod; break;
          }
          set(l, step(op, a, b));
          empty(r);
          empty(i);
          break;
        }
        case Kind::Open: {
          const int c = closing(k);
          const int r = NextNonNullIndex(i, slots);
          if (r != 0 && r < c) {
            const Slot inside = slots[r];
            slots[i].state = inside.state;
            slots[i].token = inside.token;
            slots[i].reg = inside.reg;
            empty(r);
          } else {
            set(i, newRegister(0));
          }
          empty(c);
          break;
        }
        case Kind::Function: {
          const int c = closing(k);
          const int f = NextNonNullIndex(i, slots);
          if (f == 0 || f >= c) fail(Op::FailEmptyArgument, i);
          const int x = value(f);
          const int l = PrevNonNullIndex(c, slots);
          const int y = value(l);
          empty(l);
          empty(f);
          empty(c);
          const int id = FunctionId(t);
          if (id < 0) fail(Op::FailUndefinedFunction, i);
          set(i, step(Op::Call, x, y, id));
          break;
        }
        default: {
          if (t == "pi") {
            set(i, newRegister(kPi));
          } else if (t == "e") {
            set(i, newRegister(kE));
          } else if (t == "rnd") {
            set(i, step(Op::Rnd, 0, 0));
          } else {
            // A missing value is reported where the first read of the name would be.
            const int v = BindVariable(t);
            if (Variables[v].reg < 0) {
              Variables[v].reg = newRegister(0);
              steps.push({Op::Check, 0, 0, v, 0});
            }
            set(i, Variables[v].reg);
          }
          break;
        }
      }
    }
    ResultRegister = value(NextNonNullIndex(0, slots));
  } catch (const Stop&) {
    ResultRegister = -1;
  }
  Steps = steps;
  Registers = registers;
  if (slots.capacity() > 65536) std::vector<Slot>().swap(slots);  // a long text's list goes
}

// Runs the steps: no allocation and no text compared, unless a step raises an error.
void clsEquation::Run() {
  double* const reg = Registers.data;
  for (const Variable& v : Variables)
    if (v.reg >= 0) reg[v.reg] = v.value;
  for (const Step& s : Steps) {
    switch (s.op) {
      case Op::Neg: reg[s.dst] = -reg[s.a]; break;
      case Op::Add: reg[s.dst] = checked::Add(reg[s.a], reg[s.b]); break;
      case Op::Sub: reg[s.dst] = checked::Sub(reg[s.a], reg[s.b]); break;
      case Op::Mul: reg[s.dst] = checked::Mul(reg[s.a], reg[s.b]); break;
      case Op::Div: reg[s.dst] = checked::Div(reg[s.a], reg[s.b]); break;
      case Op::Pow:
        reg[s.dst] = reg[s.b] == 2 && ExactSquare(reg[s.a]) ? reg[s.a] * reg[s.a] : checked::Pow(reg[s.a], reg[s.b]);
        break;
      case Op::IntDiv:
      case Op::IntMod: {
        const std::int64_t ia = checked::ToInt32(reg[s.a]);
        const std::int64_t ib = checked::ToInt32(reg[s.b]);
        if (ib == 0) checked::RaiseDivisionByZero();
        const std::int64_t q = s.op == Op::IntDiv ? ia / ib : ia % ib;
        if (q > std::numeric_limits<std::int32_t>::max()) checked::RaiseOverflow();
        reg[s.dst] = static_cast<double>(q);
        break;
      }
      case Op::Call: reg[s.dst] = Apply(s.function, reg[s.a], reg[s.b]); break;
      case Op::Check:
        if (!Variables[s.a].set)
          throw RunTimeError(err::kUndefinedVariable, err::kUndefinedVariableText + Variables[s.a].name);
        break;
      case Op::Rnd: reg[s.dst] = Random().Next(); break;
      case Op::FailInvalid: Invalid();
      case Op::FailOverflow: checked::RaiseOverflow();
      case Op::FailEmptyArgument:
        throw RunTimeError(err::kEmptyArgument, err::kEmptyArgumentText + std::string(TokenText(s.a)) + ")");
      case Op::FailUndefinedFunction:
        throw RunTimeError(err::kUndefinedFunction, err::kUndefinedFunctionText + std::string(TokenText(s.a)) + ")");
    }
  }
  if (ResultRegister < 0) Invalid();  // a new object: nothing was read
  // A variable can hold anything; the result handed out is always a finite number.
  ResultValue = checked::Finite(reg[ResultRegister]);
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

}  // namespace vl
