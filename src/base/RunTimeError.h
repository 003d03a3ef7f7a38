#pragma once
// The program's run-time error: a number, a description and a source, the three things a
// handler's error trap shows or passes on. Every layer raises this one type.
#include <stdexcept>
#include <string>

namespace vl {

class RunTimeError : public std::runtime_error {
 public:
  RunTimeError(int number, std::string description, std::string source = {})
      : std::runtime_error(description),
        number_(number),
        description_(std::move(description)),
        source_(std::move(source)) {}

  int Number() const noexcept { return number_; }
  const std::string& Description() const noexcept { return description_; }
  const std::string& Source() const noexcept { return source_; }

 private:
  int number_;
  std::string description_;
  std::string source_;
};

// The numbers and texts of the faults that are not the interpreter's own.
namespace err {
inline constexpr int kInvalidArgument = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kDivisionByZero = 11;
inline constexpr int kTypeMismatch = 13;
inline const char* const kInvalidArgumentText = "Argumento inválido";
inline const char* const kOverflowText = "Capacidade excedida";
inline const char* const kDivisionByZeroText = "Divisão por zero";
inline const char* const kTypeMismatchText = "Tipos incompatíveis";

// The expression interpreter's own faults; their texts are built where they are raised,
// since four of them end with the offending token.
inline const char* const kInterpreterSource = "Interpretador";
inline constexpr int kUnbalancedParentheses = 1100;
inline constexpr int kUndefinedFunction = 1101;
inline constexpr int kUndefinedVariable = 1102;
inline constexpr int kInvalidExpression = 1103;
inline constexpr int kEmptyArgument = 1104;
inline const char* const kUnbalancedParenthesesText = "Número de parênteses incorrecto.";
inline const char* const kUndefinedFunctionText = "Função não definida: ";
inline const char* const kUndefinedVariableText = "Variável não definida: ";
inline const char* const kInvalidExpressionText = "Expressão inválida";
inline const char* const kEmptyArgumentText = "Argumento inválido na expressão: ";
}  // namespace err

}  // namespace vl
