#include "core/machine/height_map_file.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "core/text/line_file.h"
#include "core/text/message_translation.h"
#include "core/text/numbers.h"

namespace pistora {

namespace {

constexpr const char* kHeaderWord = "grille";
// How far a point's X or Y may be from its grid position (mm): the file keeps three decimals.
constexpr double kPointTolerance = 0.0015;

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

std::optional<double> Number(std::string_view word) {
  const std::optional<double> value = ParseDecimal(word);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return value;
}

}  // namespace

std::vector<std::string> HeightMapLines(const HeightMap& map) {
  const HeightGrid& g = map.Grid();
  std::vector<std::string> lines = {
      "# Carte des hauteurs du cuivre (mm) : une ligne \xC2\xAB x y z \xC2\xBB par point",
      std::string(kHeaderWord) + " " + std::to_string(g.columns) + " " + std::to_string(g.rows) + " " +
          FormatFixed(g.origin_x, 3) + " " + FormatFixed(g.origin_y, 3) + " " + FormatFixed(g.step_x, 6) + " " +
          FormatFixed(g.step_y, 6)};
  for (const GridPoint& p : SerpentineOrder(g)) {
    lines.push_back(FormatFixed(map.PointX(p.column), 3) + " " + FormatFixed(map.PointY(p.row), 3) + " " +
                    FormatFixed(map.At(p.column, p.row), 4));
  }
  return lines;
}

HeightMap ParseHeightMapLines(const std::vector<std::string>& lines, const std::string& name, Status* status) {
  const auto fail = [&](std::size_t index, const std::string& why) {
    *status = Status::Error(Fill(Tr("Carte des hauteurs %1, ligne %2 : %3"), {name, std::to_string(index + 1), why}));
    return HeightMap();
  };
  *status = Status::Ok();
  std::optional<HeightMap> map;
  std::vector<bool> seen;
  std::size_t points = 0;
  std::size_t last = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::vector<std::string_view> words = Words(lines[i]);
    if (words.empty() || words[0].front() == '#') continue;
    last = i;
    if (!map) {
      if (words[0] != kHeaderWord || words.size() != 7) {
        return fail(i, Tr("en-tête attendu \xC2\xAB grille COLONNES LIGNES X0 Y0 PAS_X PAS_Y \xC2\xBB."));
      }
      const auto columns = ParseInt32(words[1]);
      const auto rows = ParseInt32(words[2]);
      std::optional<double> v[4];
      for (int k = 0; k < 4; ++k) v[k] = Number(words[3 + k]);
      if (!columns || !rows || !v[0] || !v[1] || !v[2] || !v[3]) return fail(i, Tr("nombre illisible dans l'en-tête."));
      if (*columns < kMinGridPoints || *columns > kMaxGridPoints || *rows < kMinGridPoints ||
          *rows > kMaxGridPoints) {
        return fail(i, Fill(Tr("grille de %1 x %2 points (de %3 à %4 par côté)."),
                            {std::to_string(*columns), std::to_string(*rows), std::to_string(kMinGridPoints),
                             std::to_string(kMaxGridPoints)}));
      }
      if (!(*v[2] > 0) || !(*v[3] > 0)) return fail(i, Tr("le pas de la grille doit être positif."));
      map = HeightMap(HeightGrid{*v[0], *v[1], *v[2], *v[3], *columns, *rows});
      seen.assign(static_cast<std::size_t>(*columns) * static_cast<std::size_t>(*rows), false);
      continue;
    }
    if (words.size() != 3) {
      return fail(i, Fill(Tr("trois nombres attendus (x y z), %1 lus."), {std::to_string(words.size())}));
    }
    const auto x = Number(words[0]);
    const auto y = Number(words[1]);
    const auto z = Number(words[2]);
    if (!x || !y || !z) return fail(i, Tr("nombre illisible."));
    const HeightGrid& g = map->Grid();
    const double u = (*x - g.origin_x) / g.step_x;
    const double w = (*y - g.origin_y) / g.step_y;
    const long column = std::lround(u);
    const long row = std::lround(w);
    if (column < 0 || column >= g.columns || row < 0 || row >= g.rows ||
        std::abs(map->PointX(static_cast<int>(column)) - *x) > kPointTolerance ||
        std::abs(map->PointY(static_cast<int>(row)) - *y) > kPointTolerance) {
      return fail(i, Fill(Tr("le point (%1, %2) n'est pas un point de la grille."), {words[0], words[1]}));
    }
    const std::size_t index = static_cast<std::size_t>(row) * static_cast<std::size_t>(g.columns) +
                              static_cast<std::size_t>(column);
    if (seen[index]) {
      return fail(i, Fill(Tr("le point (%1, %2) est déjà donné."), {words[0], words[1]}));
    }
    seen[index] = true;
    ++points;
    map->Set(static_cast<int>(column), static_cast<int>(row), *z);
  }
  if (!map) return fail(lines.empty() ? 0 : lines.size() - 1, Tr("en-tête \xC2\xAB grille \xC2\xBB absent."));
  if (points != seen.size()) {
    return fail(last, Fill(Tr("%1 point(s) de la grille manquant(s) en fin de fichier."),
                           {std::to_string(seen.size() - points)}));
  }
  return *map;
}

Status SaveHeightMap(const std::string& path, const HeightMap& map) {
  return WriteLatin1LinesAtomically(path, HeightMapLines(map));
}

Status LoadHeightMap(const std::string& path, HeightMap* map) {
  std::vector<std::string> lines;
  if (Status s = ReadLatin1Lines(path, &lines, 4u * 1024u * 1024u); !s) return s;
  Status status;
  HeightMap parsed = ParseHeightMapLines(lines, path, &status);
  if (status) *map = std::move(parsed);
  return status;
}

}  // namespace pistora
