#include "image/picture_resolution.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>

namespace pistora {

namespace {

constexpr double kMetresPerInch = 0.0254;
constexpr double kCentimetresPerInch = 2.54;

std::uint32_t Le32(std::string_view b, std::size_t i) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[i])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + 3])) << 24;
}

std::uint32_t Be32(std::string_view b, std::size_t i) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[i])) << 24 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + 1])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + 2])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + 3]));
}

std::uint16_t Be16(std::string_view b, std::size_t i) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[i]) << 8 | static_cast<unsigned char>(b[i + 1]));
}

std::optional<StatedResolution> Positive(double x, double y) {
  if (!(x > 0.0) || !(y > 0.0)) return std::nullopt;
  return StatedResolution{x, y};
}

// Dots per inch from the whole dots per metre BMP and PNG store: a count that is the nearest
// to a whole number of dots per inch (23622 for 600 dpi) gives that number back exactly.
double DpiFromDotsPerMetre(double dots_per_metre) {
  const double whole = std::round(dots_per_metre * kMetresPerInch);
  return std::abs(whole / kMetresPerInch - dots_per_metre) <= 0.5 ? whole : dots_per_metre * kMetresPerInch;
}

std::optional<StatedResolution> FromBmp(std::string_view b) {
  // File header 14 bytes, then the information header: its size, then at +24 and +28 the
  // horizontal and vertical pixels per metre (signed).
  if (b.size() < 14 + 32 || Le32(b, 14) < 40) return std::nullopt;
  const auto x = static_cast<std::int32_t>(Le32(b, 38));
  const auto y = static_cast<std::int32_t>(Le32(b, 42));
  return Positive(DpiFromDotsPerMetre(x), DpiFromDotsPerMetre(y));
}

std::optional<StatedResolution> FromPng(std::string_view b) {
  std::size_t at = 8;  // after the signature
  while (at + 8 <= b.size()) {
    const std::uint32_t length = Be32(b, at);
    const std::string_view type = b.substr(at + 4, 4);
    if (type == "IDAT" || type == "IEND") return std::nullopt;
    if (type == "pHYs") {
      if (length < 9 || at + 8 + 9 > b.size()) return std::nullopt;
      if (static_cast<unsigned char>(b[at + 16]) != 1) return std::nullopt;
      return Positive(DpiFromDotsPerMetre(Be32(b, at + 8)), DpiFromDotsPerMetre(Be32(b, at + 12)));
    }
    if (length > b.size()) return std::nullopt;
    at += std::size_t{12} + length;  // length, type, data, CRC
  }
  return std::nullopt;
}

std::optional<StatedResolution> FromTiff(std::string_view b) {
  const bool little = b[0] == 'I';
  const auto u16 = [&](std::size_t i) -> std::uint32_t {
    if (i + 2 > b.size()) return 0;
    const auto lo = static_cast<unsigned char>(b[little ? i : i + 1]);
    const auto hi = static_cast<unsigned char>(b[little ? i + 1 : i]);
    return static_cast<std::uint32_t>(lo | hi << 8);
  };
  const auto u32 = [&](std::size_t i) -> std::uint32_t {
    if (i + 4 > b.size()) return 0;
    return little ? Le32(b, i) : Be32(b, i);
  };
  // A RATIONAL value: numerator and denominator at the offset the entry holds.
  const auto rational = [&](std::size_t entry) -> double {
    const std::size_t at = u32(entry + 8);
    const std::uint32_t denominator = u32(at + 4);
    return denominator == 0 ? 0.0 : static_cast<double>(u32(at)) / denominator;
  };
  const std::size_t directory = u32(4);
  const std::uint32_t count = u16(directory);
  if (directory == 0 || directory + 2 + std::size_t{12} * count > b.size()) return std::nullopt;
  double x = 0.0;
  double y = 0.0;
  std::uint32_t unit = 2;  // inch when the tag is absent
  for (std::uint32_t k = 0; k < count; ++k) {
    const std::size_t entry = directory + 2 + std::size_t{12} * k;
    switch (u16(entry)) {
      case 282: x = rational(entry); break;
      case 283: y = rational(entry); break;
      case 296: unit = u16(entry + 8); break;
      default: break;
    }
  }
  if (unit == 3) return Positive(x * kCentimetresPerInch, y * kCentimetresPerInch);
  if (unit == 2) return Positive(x, y);
  return std::nullopt;
}

std::optional<StatedResolution> FromJpeg(std::string_view b) {
  // SOI, then APP0 "JFIF\0", version, units, X density, Y density.
  if (b.size() < 18 || static_cast<unsigned char>(b[2]) != 0xFF || static_cast<unsigned char>(b[3]) != 0xE0 ||
      b.substr(6, 5) != std::string_view("JFIF\0", 5)) {
    return std::nullopt;
  }
  const double x = Be16(b, 14);
  const double y = Be16(b, 16);
  switch (static_cast<unsigned char>(b[13])) {
    case 1: return Positive(x, y);
    case 2: return Positive(x * kCentimetresPerInch, y * kCentimetresPerInch);
    default: return std::nullopt;
  }
}

// 72 and 96 dpi are what picture programs (Qt among them) write when nobody chose a resolution:
// a pixel of 0.35 or 0.26 mm is no artwork's scan, and taking it would fill the scale wrongly.
std::optional<StatedResolution> UnlessScreenDefault(std::optional<StatedResolution> resolution) {
  if (!resolution) return resolution;
  for (const double screen_dpi : {72.0, 96.0}) {
    if (std::abs(resolution->dpi_x - screen_dpi) < 0.5 && std::abs(resolution->dpi_y - screen_dpi) < 0.5) {
      return std::nullopt;
    }
  }
  return resolution;
}

std::optional<StatedResolution> ReadHeaderResolution(std::string_view bytes) {
  if (bytes.size() >= 2 && bytes.substr(0, 2) == "BM") return FromBmp(bytes);
  if (bytes.size() >= 8 && bytes.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8)) return FromPng(bytes);
  if (bytes.size() >= 8 && (bytes.substr(0, 4) == std::string_view("II*\0", 4) ||
                            bytes.substr(0, 4) == std::string_view("MM\0*", 4))) {
    return FromTiff(bytes);
  }
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xFF\xD8\xFF") return FromJpeg(bytes);
  return std::nullopt;
}

}  // namespace

std::optional<StatedResolution> ReadStatedResolution(std::string_view bytes) {
  return UnlessScreenDefault(ReadHeaderResolution(bytes));
}

std::optional<StatedResolution> ReadFileResolution(const std::string& path) {
  // Every header the reader knows states its resolution within the first chunks; a PNG's pHYs
  // comes before its pixel data, which is where the search ends.
  constexpr std::size_t kHeaderBytes = std::size_t{1} << 20;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(kHeaderBytes, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return ReadStatedResolution(bytes);
}

std::string ResolutionText(const StatedResolution& resolution) {
  const auto number = [](double value) {
    const double rounded = std::round(value * 100.0) / 100.0;
    std::string text = std::to_string(rounded);
    text.erase(text.find_last_not_of('0') + 1);
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
  };
  const std::string x = number(resolution.dpi_x);
  const std::string y = number(resolution.dpi_y);
  return (x == y ? x : x + " x " + y) + " dpi";
}

}  // namespace pistora
