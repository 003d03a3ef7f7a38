#pragma once
// The interpreter's own pieces of a read text: tokens, the steps they compile to, the slots of
// the compiling walk and the table of operators. Only the interpreter's files include this.
#include <array>
#include <cstdint>
#include <iterator>
#include <vector>

#include "clsEquation.h"

namespace vl::expr {

// Any failure that is not one of the numbered errors: Solve reports it as 1103.
struct InvalidExpression {};

[[noreturn]] inline void Invalid() { throw InvalidExpression{}; }

// One step: dst = a op b on registers, a function, a check that a variable has a value (at its
// first read), a random draw, or a failure the walk found in the text itself.
// clang-format off
enum class Op : unsigned char {
  Neg, Add, Sub, Mul, Div, Pow, IntDiv, IntMod, Call, Check, Rnd,
  FailInvalid, FailOverflow, FailEmptyArgument, FailUndefinedFunction,
};
// clang-format on

struct Step {
  Op op;
  unsigned char function;  // Call: index into the function table
  std::int32_t dst, a, b;  // registers; Check: a is the variable; Fail*: a is the token
};

// A token: its text in TokenChars, its kind and its priority; an operator keeps its step.
struct Token {
  int start, length, priority;
  clsEquation::Kind kind;
  Op op;
};

// A slot of the walk: nothing, a token not taken yet, or the register of a value. Filled slots
// form a doubly linked list.
struct Slot {
  enum State : unsigned char { kEmpty, kToken, kValue };
  State state;
  int token;  // kToken: the 1-based position of the token it holds
  int reg;    // kValue
  int next, prev;
};

// The nearest filled slot after start; 0 past the last token.
inline int NextNonNullIndex(int start, const std::vector<Slot>& slots) {
  const int i = slots[start].next;
  return i > static_cast<int>(slots.size()) - 2 ? 0 : i;
}

// The nearest filled slot before start; 0 before the first token.
inline int PrevNonNullIndex(int start, const std::vector<Slot>& slots) { return slots[start].prev; }

// The operators, each spelled here once for the tokenizer and the compiler: the character
// typed, the token's text, the priority within its parenthesis level and the step it becomes.
// A prefix operator is the reading of its character where no operand stands before it.
struct Operator {
  char typed;
  char token;
  int priority;
  Op op;
  bool prefix;
};

// clang-format off
inline constexpr Operator kOperators[] = {
    {'+',  '+',  1, Op::Add,    false},
    {'-',  '-',  1, Op::Sub,    false},
    {'-',  '~',  4, Op::Neg,    true},
    {'%',  '%',  2, Op::IntMod, false},
    {'*',  '*',  3, Op::Mul,    false},
    {'/',  '/',  3, Op::Div,    false},
    {'\\', '\\', 3, Op::IntDiv, false},
    {'^',  '^',  5, Op::Pow,    false},
};
// clang-format on

// For each character, the entry of kOperators it stands for after an operand ([1]) and
// elsewhere ([0]); -1 for a character that is no operator. A character without a prefix
// reading is read the same in both places.
using OperatorIndex = std::array<std::array<signed char, 256>, 2>;

constexpr OperatorIndex MakeOperatorIndex() {
  OperatorIndex index{};
  for (auto& row : index)
    for (signed char& entry : row) entry = -1;
  for (int k = 0; k < static_cast<int>(std::size(kOperators)); ++k) {
    const auto c = static_cast<unsigned char>(kOperators[k].typed);
    if (!kOperators[k].prefix) index[1][c] = static_cast<signed char>(k);
    if (kOperators[k].prefix || index[0][c] < 0) index[0][c] = static_cast<signed char>(k);
  }
  return index;
}

inline constexpr OperatorIndex kOperatorIndex = MakeOperatorIndex();

// The operator a typed character stands for; nullptr when it stands for none.
inline const Operator* TypedOperator(char c, bool afterOperand) {
  const int k = kOperatorIndex[afterOperand ? 1 : 0][static_cast<unsigned char>(c)];
  return k < 0 ? nullptr : &kOperators[k];
}

// The multiplication a number followed by a name or a "(" implies.
inline const Operator& ImpliedProduct() { return *TypedOperator('*', true); }

}  // namespace vl::expr
