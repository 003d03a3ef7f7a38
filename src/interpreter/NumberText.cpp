#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "Checked.h"

namespace vl {

namespace {

// Digits and decimal exponent of v in scientific form: to_chars gives "d.ddde-XX".
struct Decimal {
  bool negative = false;
  std::string digits;  // no leading zeros, trailing zeros removed, at least one digit
  int exponent = 0;    // value = 0.d1d2d3... * 10^(exponent + 1), i.e. d1 is at 10^exponent
};

Decimal Decompose(double v, int precision) {
  char buf[64];
  const auto res = precision < 0 ? std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific)
                                 : std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, precision);
  Decimal d;
  const char* p = buf;
  if (*p == '-') {
    d.negative = true;
    ++p;
  }
  for (; p != res.ptr && *p != 'e'; ++p)
    if (*p != '.') d.digits += *p;
  ++p;  // skip 'e'
  int exponent = 0;
  std::from_chars(*p == '+' ? p + 1 : p, res.ptr, exponent);
  d.exponent = exponent;
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

// Digits placed at their decimal positions, without exponent.
std::string Positional(const Decimal& d, char mark) {
  std::string out;
  if (d.exponent < 0) {
    out = "0";
    out += mark;
    out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    out += d.digits;
    return out;
  }
  const std::size_t intDigits = static_cast<std::size_t>(d.exponent) + 1;
  if (d.digits.size() <= intDigits) {
    out = d.digits;
    out.append(intDigits - d.digits.size(), '0');
  } else {
    out = d.digits.substr(0, intDigits);
    out += mark;
    out += d.digits.substr(intDigits);
  }
  return out;
}

// Power of ten of the first significant digit of a canonical numeral ("123.4e-5" gives -3),
// saturated so that an exponent with very many digits cannot overflow.
long long DecimalMagnitude(const std::string& canonical) {
  const std::size_t e = std::min(canonical.find('e'), canonical.size());
  const std::size_t dot = std::min(canonical.find('.'), e);
  const std::size_t first = canonical.find_first_of("123456789");
  if (first == std::string::npos || first > e) return 0;
  long long magnitude = first < dot ? static_cast<long long>(dot - first - 1) : -static_cast<long long>(first - dot);
  long long exponent = 0;
  bool negative = false;
  for (std::size_t i = e + 1; i < canonical.size(); ++i) {
    if (canonical[i] == '-') negative = true;
    if (canonical[i] >= '0' && canonical[i] <= '9' && exponent < 1000000000LL)
      exponent = exponent * 10 + (canonical[i] - '0');
  }
  return magnitude + (negative ? -exponent : exponent);
}

}  // namespace

std::string NumberText(double v) {
  if (std::isnan(v)) return "NaN";
  if (std::isinf(v)) return v < 0 ? "-Infinito" : "Infinito";
  if (v == 0) return "0";
  const Decimal d = Decompose(v, 14);
  std::string out = d.negative ? "-" : "";
  if (d.exponent < -4 || d.exponent >= 15) {
    out += d.digits.substr(0, 1);
    if (d.digits.size() > 1) {
      out += ',';
      out += d.digits.substr(1);
    }
    out += 'E';
    out += d.exponent < 0 ? '-' : '+';
    const int mag = std::abs(d.exponent);
    if (mag < 10) out += '0';
    out += std::to_string(mag);
    return out;
  }
  return out + Positional(d, ',');
}

double RoundHalfEven2(double v) {
  static_assert(std::numeric_limits<long double>::digits >= 64, "the exact product v*100 needs a 64-bit significand");
  // From 2^52 on every double is a whole number; below it v*100 needs at most 60 bits and so
  // is exact in long double, where nearbyint sees the true half and sends it to even.
  if (!std::isfinite(v) || std::fabs(v) >= 0x1p52) return v;
  const long double scaled = std::nearbyintl(static_cast<long double>(v) * 100.0L);
  if (std::fabs(scaled) <= 0x1p53L) {
    const double r = static_cast<double>(scaled) / 100.0;  // one correctly rounded division
    return r == 0 ? 0.0 : r;
  }
  return static_cast<double>(scaled / 100.0L);
}

std::string PlainNumeral(double v) {
  if (!std::isfinite(v)) checked::RaiseOverflow();
  if (v == 0) return "0";
  const Decimal d = Decompose(v, -1);  // shortest round trip
  return (d.negative ? "-" : "") + Positional(d, '.');
}

double ParseRangeNumber(const std::string& text) {
  auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  std::size_t i = 0, n = text.size();
  while (i < n && isBlank(text[i])) ++i;
  while (n > i && isBlank(text[n - 1])) --n;

  std::string canonical;  // rebuilt with "." so from_chars reads it whatever the locale
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::size_t mantissaDigits = 0;
  bool mark = false;
  for (; i < n; ++i) {
    const char c = text[i];
    if (isDigit(c)) {
      canonical += c;
      ++mantissaDigits;
    } else if ((c == ',' || c == '.') && !mark) {
      mark = true;
      canonical += '.';
    } else {
      break;
    }
  }
  if (mantissaDigits == 0) checked::RaiseTypeMismatch();
  if (i < n) {
    if (text[i] != 'e' && text[i] != 'E') checked::RaiseTypeMismatch();
    canonical += 'e';
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) canonical += text[i++];
    std::size_t exponentDigits = 0;
    for (; i < n && isDigit(text[i]); ++i, ++exponentDigits) canonical += text[i];
    if (exponentDigits == 0 || i != n) checked::RaiseTypeMismatch();
  }
  if (canonical.front() == '.') canonical.insert(0, "0");

  double value = 0;
  const auto res = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
  if (res.ec == std::errc::result_out_of_range) {
    // Out of range is either beyond the largest double (overflow) or below the smallest
    // (zero); the decimal exponent of the first significant digit tells which.
    if (DecimalMagnitude(canonical) > 0) checked::RaiseOverflow();
    value = 0;
  } else if (res.ec != std::errc() || res.ptr != canonical.data() + canonical.size()) {
    checked::RaiseTypeMismatch();
  }
  return negative ? -value : value;
}

}  // namespace vl
