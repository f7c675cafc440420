#include "core/artwork/smoothing.h"

#include <cstddef>

namespace pistora {
namespace {

constexpr SmoothingRule kSmoothingTable[21] = {
    {"-**-", "--"},     {"+**-", "+-"},     {"--+*--", "--*-"}, {"-*+*", ""},
    {"+*-*", ""},       {"*+*-", ""},       {"*-*+", ""},       {"-++-", ""},
    {"+--+", ""},       {"--++", ""},       {"++--", ""},       {"*--*", "--"},
    {"--+**+--", "--"}, {"+++-", "+*+*"},   {"+-++", "+*+*"},   {"+---", "*-*-"},
    {"--+-", "*-*-"},   {"++-+", "*+*+"},   {"-+++", "*+*+"},   {"-+--", "-*-*"},
    {"---+", "-*-*"},
};

}  // namespace

std::span<const SmoothingRule> SmoothingTable() { return kSmoothingTable; }

int ReplacePattern(std::string& text, std::string_view pattern, std::string_view replacement) {
  if (pattern.empty()) return 0;
  const std::size_t cap = 2 * text.size() + 1;
  int count = 0;
  // Text before the last replacement held no occurrence (the replaced one was the first), so
  // the next first occurrence cannot begin before pattern.size() - 1 characters ahead of it:
  // searching from there finds the same occurrence as a search from the beginning.
  std::size_t from = 0;
  while (static_cast<std::size_t>(count) < cap) {
    const std::size_t at = text.find(pattern, from);
    // 0-based odd index = 1-based even position: not on a step-code boundary.
    if (at == std::string::npos || at % 2 == 1) break;
    text.replace(at, pattern.size(), replacement);
    ++count;
    from = at >= pattern.size() - 1 ? at - (pattern.size() - 1) : 0;
  }
  return count;
}

void SmoothContour(ContourTable& table, int index) {
  if (index < 0 || index >= table.ContourCount()) return;
  std::string& path = table[index].PathText;
  const std::size_t close = path.find(')');
  if (close == std::string::npos) return;
  std::string working = path.substr(close + 1);
  for (const SmoothingRule& rule : kSmoothingTable) ReplacePattern(working, rule.pattern, rule.replacement);
  path.resize(close + 1);
  path += working;
}

void SmoothUsefulContours(Workspace& ws) {
  for (int i = 0; i < ws.Table.ContourCount(); ++i) {
    const Contour& c = ws.Table[i];
    if (c.IsUseless || c.IsPad) continue;
    ws.RunLog.push_back("*** Ligne " + std::to_string(i) + " ****");
    SmoothContour(ws.Table, i);
  }
}

}  // namespace pistora
