#pragma once
// A frozen copy of the expression object as it was before it compiled its texts, kept only to
// compare the compiled one against, value for value and error for error.
// The expression object: one text, named variables and a degree switch; the value of the text
// as a double. Tokenizing gives every token a priority from its kind and its parenthesis depth
// (7 per level), the evaluation order is those tokens sorted by priority, and the evaluator
// works on a list of slots where each operator takes its nearest filled neighbours.
// Errors are vl::RunTimeError with the source "Interpretador".
#include <map>
#include <string>
#include <vector>

namespace vl::legacy {

class clsEquation {
 public:
  clsEquation();

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
  // text), their priorities, and the evaluation order as 1-based token positions.
  const std::vector<std::string>& TokenList() const { return Tokens; }
  const std::vector<int>& TokenPriorities() const { return Priorities; }
  const std::vector<int>& Order() const { return EvalOrder; }

  // Token kinds, kept beside the token texts so the evaluator need not re-classify them.
  enum class Kind : unsigned char { Number, Name, Function, Operator, Open, Close, Separator };

 private:
  struct SlotList;

  int NextNonNullIndex(int start, const SlotList& slots) const;
  int PrevNonNullIndex(int start, const SlotList& slots) const;
  void ParseEquation();
  double Evaluate();
  double Apply(int function, double x, double y) const;

  bool NeedsSolve;
  bool IsParsed;
  std::map<std::string, double> Variables;  // keys in lower case
  std::string ExpressionText;
  bool DegreesMode;
  double ResultValue;
  std::vector<std::string> Tokens;
  std::vector<int> EvalOrder;

  std::vector<Kind> Kinds;
  std::vector<int> Priorities;
  std::vector<int> FunctionIds;  // per token: index into the function table, -1 when unknown
};

// Lower case of a UTF-8 text: ASCII and the accented Latin letters (Latin-1 and Latin
// Extended-A); every other byte is kept.
std::string LowerCase(const std::string& text);

}  // namespace vl::legacy
