#include "NumberToken.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace vl::expr {

namespace {

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

// A token too long for the short reading: its digits read as a decimal text.
double LongNumberTokenValue(std::string_view token) {
  const std::size_t mark = token.find(',');
  if (mark != std::string_view::npos && token.find(',', mark + 1) != std::string_view::npos) return kNotANumber;
  std::string canonical(mark == std::string_view::npos ? token : token.substr(0, mark));
  if (canonical.empty()) canonical = "0";
  if (mark != std::string_view::npos && mark + 1 < token.size()) {
    canonical += '.';
    canonical.append(token.substr(mark + 1));
  }
  if (token.size() == (mark == std::string_view::npos ? 0 : 1)) return kNotANumber;
  double value = 0;
  const auto res = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
  if (res.ec == std::errc::result_out_of_range) {
    // Too large when a significant digit stands before the point, else too small: zero.
    const std::size_t first = canonical.find_first_of("123456789");
    const std::size_t dot = canonical.find('.');
    return first < dot ? std::numeric_limits<double>::infinity() : 0.0;
  }
  if (res.ec != std::errc() || res.ptr != canonical.data() + canonical.size()) return kNotANumber;
  return value;
}

}  // namespace

double NumberTokenValue(std::string_view token) {
  // Up to 15 digits with at most 22 after the mark: the digits as a whole number and the power
  // of ten are both exact doubles, so one division rounds exactly as reading the decimal does.
  static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                            1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  if (token.size() <= 16) {
    std::int64_t digits = 0;
    int count = 0, after = -1;
    for (const char c : token) {
      if (c == ',') {
        if (after >= 0) return kNotANumber;
        after = 0;
        continue;
      }
      digits = digits * 10 + (c - '0');
      ++count;
      if (after >= 0) ++after;
    }
    if (count == 0) return kNotANumber;
    if (count <= 15) {
      const double whole = static_cast<double>(digits);
      return after > 0 ? whole / kPowersOfTen[after] : whole;
    }
  }
  return LongNumberTokenValue(token);
}

}  // namespace vl::expr
