#pragma once
// The expression object: one text, named variables and a degree switch; the value of the text
// as a double. Tokenizing gives every token a priority from its kind and its parenthesis depth
// (7 per level), the evaluation order is those tokens sorted by priority, and the evaluator
// works on a list of slots where each operator takes its nearest filled neighbours.
// Which slots an operator finds never depends on the values, so setting a text walks the slots
// once and keeps the walk as a list of steps on numbered registers; Solve runs the steps.
// Errors are vl::RunTimeError with the source "Interpretador".
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vl {

namespace expr {

struct Step;
struct Token;

// An array in clsEquation's block, with room for a bound known before the text is read.
template <class T>
struct Array {
  T* data = nullptr;
  int size = 0;
  int capacity = 0;
  T& operator[](int i) const { return data[i]; }
  void push(const T& v) {
    assert(size < capacity);
    data[size++] = v;
  }
  T* begin() const { return data; }
  T* end() const { return data + size; }
};

}  // namespace expr

class clsEquation {
 public:
  clsEquation();
  // One object per handler run; its steps point into its own block, so it is not copied.
  clsEquation(const clsEquation&) = delete;
  clsEquation& operator=(const clsEquation&) = delete;

  void Graus(bool degrees);
  bool Graus() const;
  void VarClear();
  void Equation(const std::string& text);
  const std::string& Equation() const;
  void VarRemove(const std::string& name);
  // Evaluates first when the stored result is stale.
  double Solution();
  void Solve();
  double Var(const std::string& name) const;
  void Var(const std::string& name, double value);

  // Read-only views of the last parse, for tests: tokens in text order (a comma is the empty
  // text), their priorities, and the evaluation order as 1-based token positions (empty after
  // unbalanced parentheses).
  const std::vector<std::string>& TokenList() const;
  const std::vector<int>& TokenPriorities() const;
  const std::vector<int>& Order() const;

  enum class Kind : unsigned char { Number, Name, Function, Operator, Open, Close, Separator };

 private:
  // A variable given through Var, or a name of the text not given a value yet.
  struct Variable {
    std::string name;   // lower case
    std::uint64_t key;  // its first 8 bytes, for a quick comparison
    double value;
    bool set;
    int reg;  // the register the text reads it from; -1 when the text does not read it
  };
  // Compile's walk over the slots, in EquationSteps.cpp.
  class Walk;

  void Reserve(std::size_t length);
  std::string_view TokenText(int position) const;
  void ParseEquation();
  void SortEvalOrder(int top);
  void Compile();
  void Run();
  int FindVariable(const std::string& name) const;
  int BindVariable(std::string_view name);
  void AddVariable(std::string lowerName, double value, bool set);

  bool NeedsSolve;
  bool IsParsed;  // the steps belong to ExpressionText (a failed parse is remembered as such)
  std::vector<Variable> Variables;
  std::string ExpressionText;
  bool DegreesMode;
  double ResultValue;
  // The parse and its steps share one block, so reading a text costs one allocation.
  std::unique_ptr<std::byte[]> Block;
  std::size_t BlockSize;
  expr::Array<double> Registers;  // constants filled when compiling, the rest by Solve
  expr::Array<expr::Step> Steps;
  expr::Array<expr::Token> Tokens;
  expr::Array<int> EvalOrder;
  expr::Array<char> TokenChars;

  bool ParseFailed;                             // unbalanced parentheses: every Solve raises 1100
  int ResultRegister;                           // -1: no value to hand out (nothing read, or a failure first)
  mutable std::vector<std::string> TokenTexts;  // the views, made when asked
  mutable std::vector<int> TokenPriorityList;
  mutable std::vector<int> OrderList;
};

// Lower case of a UTF-8 text: ASCII and the accented Latin letters (Latin-1 and Latin
// Extended-A); every other byte is kept.
std::string LowerCase(const std::string& text);

}  // namespace vl
