#include "LeadingNumber.h"

#include <cctype>
#include <charconv>
#include <system_error>

#include "Checked.h"

namespace vl {

double LeadingNumber(const std::string& text) {
  std::string compact;
  for (char ch : text)
    if (ch != ' ' && ch != '\t' && ch != '\r' && ch != '\n') compact += ch;

  auto digit = [&](std::size_t i) { return i < compact.size() && std::isdigit(static_cast<unsigned char>(compact[i])); };
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
    if (numeral.find("e-") != std::string::npos) return 0;
    checked::RaiseOverflow();
  }
  return value;
}

}  // namespace vl
