#include "core/artwork/path_text.h"

#include "core/text/numbers.h"

namespace pistora {
namespace {

int DeltaOf(char c) { return c == '+' ? 1 : c == '-' ? -1 : 0; }
char SignOf(int d) { return d > 0 ? '+' : d < 0 ? '-' : '*'; }

}  // namespace

std::optional<Step> DecodeStep(char first, char second) {
  if (!IsStepCodeChar(first) || !IsStepCodeChar(second)) return std::nullopt;
  if (first == '*' && second == '*') return std::nullopt;
  return Step{DeltaOf(first), DeltaOf(second)};
}

std::string StepCodeBetween(int x1, int y1, int x2, int y2) {
  if (x1 == x2 && y1 == y2) return std::string();
  return std::string{SignOf(x2 - x1), SignOf(y2 - y1)};
}

std::optional<PathPoint> ParsePathStart(std::string_view path_text) {
  const std::size_t semicolon = path_text.find(';');
  const std::size_t close = path_text.find(')');
  if (path_text.size() < 2 || semicolon == std::string_view::npos || close == std::string_view::npos ||
      close < semicolon) {
    return std::nullopt;
  }
  std::optional<std::int32_t> x = ParseInt32(path_text.substr(1, semicolon - 1));
  std::optional<std::int32_t> y = ParseInt32(path_text.substr(semicolon + 1, close - semicolon - 1));
  if (!x || !y) return std::nullopt;
  return PathPoint{*x, *y};
}

std::string_view PathBody(std::string_view path_text) {
  const std::size_t close = path_text.find(')');
  if (close == std::string_view::npos) return std::string_view();
  return path_text.substr(close + 1);
}

std::vector<PathPoint> PathPoints(std::string_view path_text) {
  std::vector<PathPoint> points;
  const std::optional<PathPoint> start = ParsePathStart(path_text);
  if (!start) return points;
  points.push_back(*start);
  ForEachStep(path_text, [&](Step s) {
    points.push_back({points.back().x + s.dx, points.back().y + s.dy});
    return true;
  });
  return points;
}

}  // namespace pistora
