#include "LeadingNumber.h"

#include <cctype>
#include <charconv>
#include <system_error>

#include "Checked.h"

namespace vl {

namespace {

// The power of ten of the first significant digit of a numeral that has one ("0.004e1" is -2,
// "250" is 2); the exponent saturates far beyond any double's range.
long long DecimalOrder(const std::string& numeral) {
  const std::size_t ePos = numeral.find('e');
  const std::string mantissa = numeral.substr(0, ePos);
  long long exponent = 0;
  if (ePos != std::string::npos) {
    bool negative = false;
    for (std::size_t i = ePos + 1; i < numeral.size(); ++i) {
      const char ch = numeral[i];
      if (ch == '-') negative = true;
      if (ch >= '0' && ch <= '9' && exponent < 1000000) exponent = exponent * 10 + (ch - '0');
    }
    if (negative) exponent = -exponent;
  }
  const std::size_t point = mantissa.find('.');
  const std::size_t intEnd = point == std::string::npos ? mantissa.size() : point;
  long long order = 0;
  bool found = false;
  for (std::size_t i = 0; i < mantissa.size() && !found; ++i) {
    if (mantissa[i] < '1' || mantissa[i] > '9') continue;
    found = true;
    order = i < intEnd ? static_cast<long long>(intEnd - i) - 1 : -static_cast<long long>(i - intEnd);
  }
  return order + exponent;
}

}  // namespace

double LeadingNumber(const std::string& text) {
  std::string compact;
  for (char ch : text)
    if (ch != ' ' && ch != '\t' && ch != '\r' && ch != '\n') compact += ch;

  auto digit = [&](std::size_t i) {
    return i < compact.size() && std::isdigit(static_cast<unsigned char>(compact[i]));
  };
  std::string numeral;
  std::size_t i = 0;
  if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) numeral += compact[i++];
  bool anyDigit = false;
  while (digit(i)) {
    numeral += compact[i++];
    anyDigit = true;
  }
  if (i < compact.size() && compact[i] == '.') {
    numeral += compact[i++];
    while (digit(i)) {
      numeral += compact[i++];
      anyDigit = true;
    }
  }
  if (!anyDigit) return 0;

  // An exponent counts only when digits follow it; "2e" is 2.
  if (i < compact.size() && (compact[i] == 'e' || compact[i] == 'E' || compact[i] == 'd' || compact[i] == 'D')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) exponent += compact[j++];
    if (digit(j)) {
      while (digit(j)) exponent += compact[j++];
      numeral += exponent;
    }
  }
  // from_chars reads the same whatever the machine's locale; it takes no "+".
  const std::size_t start = numeral[0] == '+' ? 1 : 0;
  double value = 0;
  const auto [end, ec] = std::from_chars(numeral.data() + start, numeral.data() + numeral.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // Too small a magnitude is 0; too large a one is an overflow.
    if (DecimalOrder(numeral) < 0) return 0;
    checked::RaiseOverflow();
  }
  return value;
}

}  // namespace vl
