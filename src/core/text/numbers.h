#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pistora {

// Rounds to the nearest integer, exact halves to the even neighbour (0.5 -> 0, 1.5 -> 2, -2.5 -> -2).
double RoundHalfEven(double value);

// RoundHalfEven as an integer; values beyond the int64 range are clamped.
std::int64_t RoundHalfEvenToInt(double value);

// Strict decimal conversion with the given separator: optional blanks around, an optional sign,
// digits with at most one separator and an optional exponent (e.g. "2.54E-0002"). The whole
// text must be used. Empty or partial text gives nullopt. Non-finite results give nullopt.
std::optional<double> ParseDecimal(std::string_view text, char separator = '.');

// Strict integer conversion: optional leading and trailing blanks, an optional sign, digits,
// within the 32-bit signed range. Anything else gives nullopt.
std::optional<std::int32_t> ParseInt32(std::string_view text);

// Fixed-point text with exactly `decimals` decimals and "." as separator whatever the locale.
// Rounds the double's exact binary value, exact halves to even (0.0625 with 3 decimals is "0.062").
std::string FormatFixed(double value, int decimals);

// Digits with at most one "." and at least one digit ("0.25", "2", ".5", "1."): how the job
// settings are typed into the programs.
bool IsUnsignedDecimal(std::string_view text);
// Digits only, at least one.
bool IsUnsignedInteger(std::string_view text);

// General form: the shortest text with up to 15 significant digits ("10.16", "2.54", "133.3333"),
// with the given decimal separator.
std::string FormatGeneral(double value, char separator = '.');

// The engraving file's 23-character scientific form: a blank (or "-"), one digit, ".",
// 14 digits, "E", the exponent's sign and 4 digits: " 2.54000000000000E-0002".
std::string FormatScientific23(double value);

// Right-aligns text in a field of at least `width` characters.
std::string PadLeft(std::string text, std::size_t width);

}  // namespace pistora
