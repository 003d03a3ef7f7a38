// The object: its text, its variables, the degree switch, and Solve's errors.
#include "clsEquation.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "EquationSteps.h"
#include "RunTimeError.h"

namespace vl {

namespace {

unsigned LowerLatin(unsigned cp) {
  if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 0x20;
  if (cp >= 0x100 && cp <= 0x137 && cp != 0x130 && cp % 2 == 0) return cp + 1;
  if (cp >= 0x139 && cp <= 0x148 && cp % 2 == 1) return cp + 1;
  if (cp >= 0x14A && cp <= 0x177 && cp % 2 == 0) return cp + 1;
  if (cp == 0x178) return 0xFF;
  if (cp >= 0x179 && cp <= 0x17E && cp % 2 == 1) return cp + 1;
  return cp;
}

std::uint64_t PackKey(std::string_view lowerName) {
  std::uint64_t key = 0;
  for (std::size_t i = 0; i < lowerName.size() && i < 8; ++i)
    key |= std::uint64_t{static_cast<unsigned char>(lowerName[i])} << (8 * i);
  return key;
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
  } catch (const expr::InvalidExpression&) {
    throw RunTimeError(err::kInvalidExpression, err::kInvalidExpressionText, err::kInterpreterSource);
  }
}

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

const std::vector<std::string>& clsEquation::TokenList() const {
  TokenTexts.clear();
  for (int i = 1; i <= Tokens.size; ++i) TokenTexts.emplace_back(TokenText(i));
  return TokenTexts;
}

const std::vector<int>& clsEquation::TokenPriorities() const {
  TokenPriorityList.clear();
  for (const expr::Token& t : Tokens) TokenPriorityList.push_back(t.priority);
  return TokenPriorityList;
}

const std::vector<int>& clsEquation::Order() const {
  OrderList.assign(EvalOrder.begin(), EvalOrder.end());
  return OrderList;
}

}  // namespace vl
