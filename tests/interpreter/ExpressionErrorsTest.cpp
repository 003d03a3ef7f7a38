// The numbered errors of the interpreter and the faults that pass through it, with their
// descriptions and source.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clsEquation.h"
#include "RunTimeError.h"

namespace {

struct ErrorCase {
  const char* text;
  int number;
  const char* description;
};

void ExpectErrors(const std::vector<ErrorCase>& cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("text: ") + c.text);
    vl::clsEquation eq;
    eq.Equation(c.text);
    eq.Var("x", 0);
    try {
      eq.Solve();
      ADD_FAILURE() << "no error, value " << eq.Solution();
    } catch (const vl::RunTimeError& e) {
      EXPECT_EQ(e.Number(), c.number);
      EXPECT_EQ(e.Description(), c.description);
      EXPECT_EQ(e.Source(), "Interpretador");
    }
  }
}

TEST(ExpressionErrors, UnbalancedParentheses) {
  ExpectErrors({
      {"(2", 1100, "Número de parênteses incorrecto."},
      {"2)", 1100, "Número de parênteses incorrecto."},
      {"sin(x", 1100, "Número de parênteses incorrecto."},
      {"((1)", 1100, "Número de parênteses incorrecto."},
  });
}

TEST(ExpressionErrors, UndefinedFunctionNamesTheToken) {
  ExpectErrors({
      {"foo(1)", 1101, "Função não definida: foo()"},
      {"x(2)", 1101, "Função não definida: x()"},
      {"2+sinn(1)", 1101, "Função não definida: sinn()"},
  });
}

TEST(ExpressionErrors, UndefinedVariableNamesTheName) {
  ExpectErrors({
      {"1e5", 1102, "Variável não definida: e5"},
      {"a+1", 1102, "Variável não definida: a"},
      {"2y", 1102, "Variável não definida: y"},
      {"x.5", 1102, "Variável não definida: x,5"},
      {"ABC", 1102, "Variável não definida: abc"},
  });
}

TEST(ExpressionErrors, InvalidExpressions) {
  const char* const invalid = "Expressão inválida";
  ExpectErrors({
      {"+5", 1103, invalid},
      {"2^-1", 1103, invalid},
      {"--2", 1103, invalid},
      {"2+", 1103, invalid},
      {"*2", 1103, invalid},
      {"", 1103, invalid},
      {" = ", 1103, invalid},
      {"1.2.3", 1103, invalid},
      {".", 1103, invalid},
      {",", 1103, invalid},
      {"sqr(1.2.3)", 1103, invalid},
  });
}

TEST(ExpressionErrors, EmptyFunctionArgument) {
  ExpectErrors({
      {"sin()", 1104, "Argumento inválido na expressão: sin()"},
      {"sin(,)", 1104, "Argumento inválido na expressão: sin()"},
      {"foo()", 1104, "Argumento inválido na expressão: foo()"},
  });
}

TEST(ExpressionErrors, ArithmeticFaultsPassThrough) {
  ExpectErrors({
      {"1/0", 11, "Divisão por zero"},
      {"1/x", 11, "Divisão por zero"},
      {"7%0", 11, "Divisão por zero"},
      {"7\\0.4", 11, "Divisão por zero"},  // the divisor rounds to 0
      {"mod(5,0)", 11, "Divisão por zero"},
      {"arcsin(1)", 11, "Divisão por zero"},
      {"arccosec(1)", 11, "Divisão por zero"},
      {"cosec(0)", 11, "Divisão por zero"},
      {"cosech(0)", 11, "Divisão por zero"},
      {"arctgh(1)", 11, "Divisão por zero"},
      {"logn(2,1)", 11, "Divisão por zero"},
      {"0/0", 6, "Capacidade excedida"},
      {"logn(1,1)", 6, "Capacidade excedida"},
      {"10^400", 6, "Capacidade excedida"},
      {"exp(1000)", 6, "Capacidade excedida"},
      {"cosh(1000)", 6, "Capacidade excedida"},
      {"1e308*10", 1102, "Variável não definida: e308"},
      {"3000000000\\1", 6, "Capacidade excedida"},
      {"2147483647.5\\1", 6, "Capacidade excedida"},
      {"-2147483648\\-1", 6, "Capacidade excedida"},
      {"mod(1,3000000000)", 6, "Capacidade excedida"},
      {"sqr(-1)", 5, "Argumento inválido"},
      {"ln(0)", 5, "Argumento inválido"},
      {"log(-1)", 5, "Argumento inválido"},
      {"log10(0)", 5, "Argumento inválido"},
      {"(-8)^(1/3)", 5, "Argumento inválido"},
      {"0^-1", 1103, "Expressão inválida"},
      {"0^(-1)", 5, "Argumento inválido"},
      {"arcsec(0.5)", 5, "Argumento inválido"},
      {"arccosh(0.5)", 5, "Argumento inválido"},
      {"arcsech(2)", 5, "Argumento inválido"},
  });
}

TEST(ExpressionErrors, NumberTooLargeForADouble) {
  ExpectErrors({{std::string(400, '9').c_str(), 6, "Capacidade excedida"}});
  vl::clsEquation eq;
  eq.Equation("0." + std::string(400, '0') + "1");  // too small: zero, no error
  EXPECT_EQ(eq.Solution(), 0);
}

TEST(ExpressionErrors, HugeProductOverflows) {
  ExpectErrors({{"10^200*10^200", 6, "Capacidade excedida"}, {"10^308+10^308", 6, "Capacidade excedida"}});
}

}  // namespace
