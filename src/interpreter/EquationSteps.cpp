// Reading a text into steps (tokens, the evaluation order, the compiling walk) and running them.
#include "EquationSteps.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "Checked.h"
#include "EquationFunctions.h"
#include "NumberToken.h"
#include "RunTimeError.h"

namespace vl {

using expr::Array;
using expr::Op;
using expr::Slot;
using expr::Step;
using expr::Token;

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kE = 2.718281828;

// Priorities: 7 for each parenthesis level around a token, plus its own within the level.
constexpr int kLevel = 7;
constexpr int kNamePriority = 6;
constexpr int kGroupPriority = 7;  // "(" and a function: the level they open

// Reads a text character by character into tokens. A name or a number goes on until a
// character of another kind; its characters are appended as they come, and it becomes a token
// when it ends. Works on copies of the object's arrays, which no character stored can alias.
class Tokenizer {
 public:
  using Kind = clsEquation::Kind;

  Tokenizer(const Array<Token>& tokenArray, const Array<char>& charArray) : tokens(tokenArray), chars(charArray) {}

  void Read(char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_') {
      if (pending == Pending::Number) ImplyProduct();
      if (pending == Pending::None) Start(Pending::Name);
      chars.push(c);
      operand = true;
    } else if ((c >= '0' && c <= '9') || c == '.') {
      if (pending == Pending::None) Start(Pending::Number);
      chars.push(c == '.' ? ',' : c);
      operand = true;
    } else if (c == '(') {
      Open();
    } else if (c == ')') {
      Flush();
      EmitChar(')', Kind::Close, kLevel * depth);
      --depth;
      operand = true;
    } else if (c == ',') {
      Flush();
      Emit(chars.size, Kind::Separator, 0);
      operand = false;
    } else if (const expr::Operator* o = expr::TypedOperator(c, operand)) {
      Flush();
      EmitOperator(*o);
      operand = false;
    }
    // Blanks, "=", accented letters...: ignored, the pending token goes on.
  }

  // Ends the name or number under way.
  void Flush() {
    if (pending == Pending::Name) Emit(pendingStart, Kind::Name, kLevel * depth + kNamePriority);
    if (pending == Pending::Number) Emit(pendingStart, Kind::Number, 0);
    pending = Pending::None;
  }

  Array<Token> tokens;
  Array<char> chars;
  int depth = 0;
  int top = 0;  // the highest priority given

 private:
  enum class Pending { None, Name, Number };

  // A name before "(" is a function token, with the parenthesis; a number before it is a factor.
  void Open() {
    if (pending == Pending::Name) {
      chars.push('(');
      Emit(pendingStart, Kind::Function, kLevel * depth + kGroupPriority);
      pending = Pending::None;
    } else {
      if (pending == Pending::Number) ImplyProduct();
      EmitChar('(', Kind::Open, kLevel * depth + kGroupPriority);
    }
    ++depth;
    operand = false;
  }

  // A number followed by a name or "(": the product is implied.
  void ImplyProduct() {
    Flush();
    EmitOperator(expr::ImpliedProduct());
  }

  void Start(Pending kind) {
    pending = kind;
    pendingStart = chars.size;
  }

  // A token is the characters appended since its start.
  void Emit(int start, Kind kind, int priority, Op op = {}) {
    tokens.push({start, chars.size - start, priority, kind, op});
    top = std::max(top, priority);
  }
  void EmitChar(char c, Kind kind, int priority, Op op = {}) {
    chars.push(c);
    Emit(chars.size - 1, kind, priority, op);
  }
  void EmitOperator(const expr::Operator& o) { EmitChar(o.token, Kind::Operator, kLevel * depth + o.priority, o.op); }

  Pending pending = Pending::None;
  int pendingStart = 0;
  bool operand = false;  // kept for the meaning of "-": binary after an operand, else unary
};

// One slot list serves every object in turn: a walk is over before Compile returns.
std::vector<Slot>& SlotList() {
  thread_local std::vector<Slot> scratch;
  return scratch;
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

void clsEquation::ParseEquation() {
  Reserve(ExpressionText.size());
  Tokenizer reader(Tokens, TokenChars);
  for (const char c : ExpressionText) reader.Read(c);
  reader.Flush();
  Tokens.size = reader.tokens.size;  // the sizes alone, as Walk::Finish does
  TokenChars.size = reader.chars.size;
  IsParsed = true;

  // Unbalanced: remembered, and raised by every Solve until the text changes.
  ParseFailed = reader.depth != 0;
  if (ParseFailed) {
    Steps.size = 0;
    ResultRegister = -1;
    return;
  }
  SortEvalOrder(reader.top);
  Compile();
}

// The tokens of priority 1 and more, higher priority first and in text order among equals.
// Short texts: an insertion sort; long ones a counting sort over the priorities up to top, so
// even deep nesting costs linear time.
void clsEquation::SortEvalOrder(int top) {
  const int n = Tokens.size;
  if (n <= 32) {
    for (int i = 1; i <= n; ++i) {
      const int p = Tokens[i - 1].priority;
      if (p < 1) continue;
      EvalOrder.push(i);
      for (int k = EvalOrder.size - 1; k > 0 && Tokens[EvalOrder[k - 1] - 1].priority < p; --k)
        std::swap(EvalOrder[k - 1], EvalOrder[k]);
    }
    return;
  }
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

// The walk over the slots 1..n (one per token, 0 and n+1 the ends) that Compile writes down.
// Each token taken empties the slots it consumes and leaves its value's register in its own or
// its left operand's slot. Steps and registers are written to copies of the object's arrays,
// which the slot list cannot alias; Finish puts them back.
class clsEquation::Walk {
 public:
  // Thrown once the step that raises the text's failure is written: the walk ends there.
  struct Stop {};

  explicit Walk(clsEquation& owner) : eq(owner), slots(SlotList()), steps(owner.Steps), registers(owner.Registers) {
    const int n = eq.Tokens.size;
    slots.assign(static_cast<std::size_t>(n) + 2, Slot{Slot::kEmpty, 0, 0, n + 1, 0});
    int last = 0;
    for (int i = 1; i <= n; ++i) {
      if (eq.Tokens[i - 1].kind == Kind::Separator) continue;
      slots[i].state = Slot::kToken;
      slots[i].token = i;
      slots[last].next = i;
      slots[i].prev = last;
      last = i;
    }
    slots[last].next = n + 1;
    slots[n + 1].prev = last;
  }

  [[noreturn]] void Fail(Op op, int token) {
    steps.push({op, 0, 0, token, 0});
    throw Stop{};
  }

  void Operator(int i) {
    const Op op = eq.Tokens[i - 1].op;
    if (op == Op::Neg) {
      const int r = expr::NextNonNullIndex(i, slots);
      Set(i, AddStep(Op::Neg, Value(r), 0));
      Empty(r);
      return;
    }
    const int l = expr::PrevNonNullIndex(i, slots);
    const int r = expr::NextNonNullIndex(i, slots);
    const int a = Value(l);
    const int b = Value(r);
    Set(l, AddStep(op, a, b));
    Empty(r);
    Empty(i);
  }

  // "(" at order entry k: the group's content, or zero when it is empty, takes its slot.
  void Group(int& k, int i) {
    const int c = Closing(k);
    const int r = expr::NextNonNullIndex(i, slots);
    if (r != 0 && r < c) {
      const Slot inside = slots[r];
      slots[i].state = inside.state;
      slots[i].token = inside.token;
      slots[i].reg = inside.reg;
      Empty(r);
    } else {
      Set(i, NewRegister(0));
    }
    Empty(c);
  }

  // A function at order entry k reads the first and the last value within its parentheses.
  void Function(int& k, int i) {
    const int c = Closing(k);
    const int f = expr::NextNonNullIndex(i, slots);
    if (f == 0 || f >= c) Fail(Op::FailEmptyArgument, i);
    const int x = Value(f);
    const int l = expr::PrevNonNullIndex(c, slots);
    const int y = Value(l);
    Empty(l);
    Empty(f);
    Empty(c);
    const int id = expr::FunctionId(eq.TokenText(i));
    if (id < 0) Fail(Op::FailUndefinedFunction, i);
    Set(i, AddStep(Op::Call, x, y, id));
  }

  void Name(int i) {
    const std::string_view t = eq.TokenText(i);
    if (t == "pi") {
      Set(i, NewRegister(kPi));
    } else if (t == "e") {
      Set(i, NewRegister(kE));
    } else if (t == "rnd") {
      Set(i, AddStep(Op::Rnd, 0, 0));
    } else {
      // A missing value is reported where the first read of the name would be.
      const int v = eq.BindVariable(t);
      if (eq.Variables[v].reg < 0) {
        eq.Variables[v].reg = NewRegister(0);
        steps.push({Op::Check, 0, 0, v, 0});
      }
      Set(i, eq.Variables[v].reg);
    }
  }

  // The register of what is left: the first filled slot.
  int Result() { return Value(expr::NextNonNullIndex(0, slots)); }

  // Only the sizes changed: the arrays are the object's own. A size is put back on its own, as
  // a whole array copied just after a size was stored would wait for that store to land.
  void Finish() {
    eq.Steps.size = steps.size;
    eq.Registers.size = registers.size;
    if (slots.capacity() > 65536) std::vector<Slot>().swap(slots);  // a long text's list goes
  }

 private:
  int NewRegister(double v) {
    registers.push(v);
    return registers.size - 1;
  }

  int AddStep(Op op, int a, int b, int function = 0) {
    const int dst = NewRegister(0);
    steps.push({op, static_cast<unsigned char>(function), dst, a, b});
    return dst;
  }

  // Emptying unlinks; a slot set again after it was emptied holds a value but stays unlinked.
  void Empty(int i) {
    Slot& s = slots[i];
    if (s.state == Slot::kEmpty) return;
    s.state = Slot::kEmpty;
    slots[s.prev].next = s.next;
    slots[s.next].prev = s.prev;
  }

  void Set(int i, int reg) {
    slots[i].state = Slot::kValue;
    slots[i].reg = reg;
  }

  // The register of a slot's value; a number token is read here, once.
  int Value(int i) {
    if (i == 0) Fail(Op::FailInvalid, 0);
    const Slot& s = slots[i];
    if (s.state == Slot::kValue) return s.reg;
    if (s.state == Slot::kEmpty) Fail(Op::FailInvalid, 0);
    if (eq.Tokens[s.token - 1].kind != Kind::Number) Fail(Op::FailInvalid, 0);
    const double v = expr::NumberTokenValue(eq.TokenText(s.token));
    if (std::isnan(v)) Fail(Op::FailInvalid, 0);
    if (std::isinf(v)) Fail(Op::FailOverflow, 0);
    return NewRegister(v);
  }

  // The ")" that closes the group or function just taken is the next entry of the order.
  int Closing(int& k) {
    if (k + 1 >= eq.EvalOrder.size || eq.Tokens[eq.EvalOrder[k + 1] - 1].kind != Kind::Close) Fail(Op::FailInvalid, 0);
    return eq.EvalOrder[++k];
  }

  clsEquation& eq;
  std::vector<Slot>& slots;
  Array<Step> steps;
  Array<double> registers;
};

// Walks the slots in the evaluation order, as an evaluation would, and writes down each value
// it would compute as a step on registers: which slot holds what never depends on a value. The
// walk stops where the text itself fails (an operand that is not a number, an empty or unknown
// function) with a step that raises that failure; the steps before it still run first, so
// their errors and draws come first.
void clsEquation::Compile() {
  // Names left without a value are read by no step once the old steps go.
  std::erase_if(Variables, [](const Variable& v) { return !v.set; });
  for (Variable& v : Variables) v.reg = -1;
  ResultRegister = -1;
  Walk walk(*this);
  try {
    if (Tokens.size == 0) walk.Fail(Op::FailInvalid, 0);
    for (int k = 0; k < EvalOrder.size; ++k) {
      const int i = EvalOrder[k];
      switch (Tokens[i - 1].kind) {
        case Kind::Operator: walk.Operator(i); break;
        case Kind::Open: walk.Group(k, i); break;
        case Kind::Function: walk.Function(k, i); break;
        default: walk.Name(i); break;
      }
    }
    ResultRegister = walk.Result();
  } catch (const Walk::Stop&) {
    ResultRegister = -1;
  }
  walk.Finish();
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
      case Op::Call: reg[s.dst] = expr::Apply(s.function, reg[s.a], reg[s.b], DegreesMode); break;
      case Op::Check:
        if (!Variables[s.a].set)
          throw RunTimeError(err::kUndefinedVariable, err::kUndefinedVariableText + Variables[s.a].name);
        break;
      case Op::Rnd: reg[s.dst] = expr::NextRandom(); break;
      case Op::FailInvalid: expr::Invalid();
      case Op::FailOverflow: checked::RaiseOverflow();
      case Op::FailEmptyArgument:
        throw RunTimeError(err::kEmptyArgument, err::kEmptyArgumentText + std::string(TokenText(s.a)) + ")");
      case Op::FailUndefinedFunction:
        throw RunTimeError(err::kUndefinedFunction, err::kUndefinedFunctionText + std::string(TokenText(s.a)) + ")");
    }
  }
  if (ResultRegister < 0) expr::Invalid();  // a new object: nothing was read
  // A variable can hold anything; the result handed out is always a finite number.
  ResultValue = checked::Finite(reg[ResultRegister]);
}

}  // namespace vl
