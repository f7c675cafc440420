#include "core/job/drill_sizes.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "core/artwork/hole_shape.h"
#include "core/text/message_translation.h"
#include "core/text/numbers.h"

namespace pistora {

namespace {

constexpr double kLargestDrillMm = 10.0;

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  const std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// The diameter a drill file gave a hole, written after ")TROU ".
std::optional<double> DrillFileDiameter(const std::string& path_text) {
  constexpr std::string_view kMark = ")TROU ";
  const std::size_t at = path_text.find(kMark);
  if (at == std::string::npos) return std::nullopt;
  const std::size_t begin = at + kMark.size();
  const std::size_t end = path_text.find(' ', begin);
  const std::optional<double> mm = ParseDecimal(std::string_view(path_text).substr(begin, end - begin), '.');
  if (!mm || !(*mm > 0.0)) return std::nullopt;
  return mm;
}

}  // namespace

double PadHoleDiameterMm(const Contour& pad, double pixel_size_mm) {
  if (const std::optional<double> drilled = DrillFileDiameter(pad.PathText)) return *drilled;
  if (const double measured = HoleDiameterMm(pad, pixel_size_mm); measured > 0) return measured;
  const double width = static_cast<double>(pad.MaxX) - pad.MinX + 1.0;
  const double height = static_cast<double>(pad.MaxY) - pad.MinY + 1.0;
  return (width + height) / 2.0 * pixel_size_mm;
}

Status ParseDrillList(const std::string& text, std::vector<DrillSize>* drills) {
  std::vector<DrillSize> result;
  if (!Trimmed(text).empty()) {
    std::size_t begin = 0;
    while (true) {
      const std::size_t comma = text.find(',', begin);
      const std::string item = Trimmed(text.substr(begin, comma == std::string::npos ? std::string::npos : comma - begin));
      const std::optional<double> mm = IsUnsignedDecimal(item) ? ParseDecimal(item, '.') : std::nullopt;
      if (!mm || *mm <= 0 || *mm > kLargestDrillMm) {
        return Status::Error(Fill(Tr("liste de forets « %1 » : « %2 » n'est pas un diamètre de foret en mm (nombre "
                                     "décimal écrit avec « . », au-dessus de 0 et au plus 10)"),
                                  {text, item}));
      }
      for (const DrillSize& d : result) {
        if (std::abs(d.mm - *mm) < 1e-9) {
          return Status::Error(Fill(Tr("liste de forets « %1 » : le foret %2 mm y figure deux fois"), {text, item}));
        }
      }
      result.push_back(DrillSize{item, *mm});
      if (comma == std::string::npos) break;
      begin = comma + 1;
    }
  }
  std::sort(result.begin(), result.end(), [](const DrillSize& a, const DrillSize& b) { return a.mm < b.mm; });
  *drills = std::move(result);
  return Status::Ok();
}

std::size_t NearestDrill(const std::vector<DrillSize>& drills, double hole_mm) {
  // Ties are judged within a nanometre: 0.7 is as near to 0.6 as to 0.8 whatever the binary
  // rounding of those numbers.
  constexpr double kTie = 1e-6;
  std::size_t best = 0;
  for (std::size_t i = 1; i < drills.size(); ++i) {
    if (std::abs(drills[i].mm - hole_mm) <= std::abs(drills[best].mm - hole_mm) + kTie) best = i;
  }
  return best;
}

std::string DrillProgramName(const std::string& program_name, const DrillSize& drill) {
  std::string stem = program_name;
  if (stem.size() >= 4 && stem.compare(stem.size() - 4, 4, ".iso") == 0) stem.resize(stem.size() - 4);
  return stem + "-" + drill.text + "mm.iso";
}

}  // namespace pistora
