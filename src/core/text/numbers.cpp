#include "core/text/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace pistora {

double RoundHalfEven(double value) {
  // std::nearbyint follows the current rounding mode, which the program never changes
  // from round-to-nearest-even.
  return std::nearbyint(value);
}

std::int64_t RoundHalfEvenToInt(double value) {
  const double r = RoundHalfEven(value);
  if (std::isnan(r)) return 0;
  if (r >= 9.2e18) return std::numeric_limits<std::int64_t>::max();
  if (r <= -9.2e18) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(r);
}

namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<double> ParseDecimal(std::string_view text, char separator) {
  text = TrimBlanks(text);
  if (text.empty() || text.size() > 400) return std::nullopt;
  std::string normal;
  normal.reserve(text.size());
  std::size_t i = 0;
  if (text[i] == '+' || text[i] == '-') normal.push_back(text[i++]);
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) {
    normal.push_back(text[i++]);
    ++digits;
  }
  if (i < text.size() && text[i] == separator) {
    normal.push_back('.');
    ++i;
    while (i < text.size() && IsDigit(text[i])) {
      normal.push_back(text[i++]);
      ++digits;
    }
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    normal.push_back('e');
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) normal.push_back(text[i++]);
    std::size_t exponent_digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
      normal.push_back(text[i++]);
      ++exponent_digits;
    }
    if (exponent_digits == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  double value = 0;
  const char* first = normal.data();
  if (*first == '+') ++first;
  const auto result = std::from_chars(first, normal.data() + normal.size(), value);
  if (result.ec != std::errc() || result.ptr != normal.data() + normal.size()) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::int32_t> ParseInt32(std::string_view text) {
  text = TrimBlanks(text);
  if (text.empty()) return std::nullopt;
  bool negative = false;
  std::size_t i = 0;
  if (text[0] == '+' || text[0] == '-') {
    negative = text[0] == '-';
    ++i;
  }
  if (i == text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (!IsDigit(text[i])) return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > 2147483648LL) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max() || value < std::numeric_limits<std::int32_t>::min()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(value);
}

std::string FormatFixed(double value, int decimals) {
  if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return "0";
  std::string text(buffer, result.ptr);
  // "-0.000" reads as a negative zero; show it without its sign like the rest of the program.
  if (text.size() > 1 && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) {
    text.erase(0, 1);
  }
  return text;
}

std::string FormatGeneral(double value, char separator) {
  if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  std::string text(buffer, result.ptr);
  for (char& c : text) {
    if (c == '.') c = separator;
    if (c == 'e') c = 'E';
  }
  return text;
}

std::string FormatScientific23(double value) {
  if (!std::isfinite(value)) value = 0.0;
  char buffer[64];
  const double magnitude = std::fabs(value);
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
  std::string text(buffer, result.ptr);  // d.dddddddddddddde+XX
  const std::size_t e = text.find('e');
  std::string mantissa = text.substr(0, e);
  const char exponent_sign = text[e + 1];
  const int exponent = std::abs(std::atoi(text.c_str() + e + 2));
  std::string digits = std::to_string(exponent);
  while (digits.size() < 4) digits.insert(digits.begin(), '0');
  return std::string(1, std::signbit(value) && value != 0.0 ? '-' : ' ') + mantissa + "E" + exponent_sign + digits;
}

std::string PadLeft(std::string text, std::size_t width) {
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

bool IsUnsignedDecimal(std::string_view text) {
  int digits = 0, points = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '.') {
      ++points;
    } else {
      return false;
    }
  }
  return digits > 0 && points <= 1;
}

bool IsUnsignedInteger(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

}  // namespace pistora
