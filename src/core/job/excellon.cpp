#include "core/job/excellon.h"

#include <cctype>
#include <cmath>
#include <map>
#include <optional>

#include "core/text/line_file.h"
#include "core/text/message_translation.h"
#include "core/text/numbers.h"
#include "core/text/quoted.h"

namespace pistora {

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kLargestDiameterMm = 10.0;
// Farther than this from the file's origin is no board (mm).
constexpr double kFarthestCoordinateMm = 10000.0;

// How numbers written without "." are read.
enum class Zeros { kTrailingKept, kLeadingKept };

bool StartsWith(std::string_view text, std::string_view head) { return text.substr(0, head.size()) == head; }

std::string Upper(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return result;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

// The reader's state between lines.
class DrillReader {
 public:
  explicit DrillReader(const std::string& name) : name_(name) {}

  Status Line(std::string_view raw, int number) {
    line_ = number;
    raw_ = std::string(Trimmed(raw));
    const std::string line = Upper(raw_);
    if (ended_ || line.empty()) return Status::Ok();
    if (line[0] == ';') return Comment(line);
    // The header's bounds and the keywords that change nothing here.
    for (const char* ignored : {"M48", "%", "M95", "G90", "G05", "G81", "M06", "M08", "M09", "M25", "M01"}) {
      if (line == ignored) return Status::Ok();
    }
    for (const char* ignored : {"FMAT,", "VER,", "ICI,OFF", "ATC,", "DETECT,", "OM48"}) {
      if (StartsWith(line, ignored)) return Status::Ok();
    }
    if (line == "M30" || line == "M00" || line == "M02") {
      ended_ = true;
      return Status::Ok();
    }
    if (line == "M71" || line == "M72") {
      metric_ = line == "M71";
      return Status::Ok();
    }
    if (StartsWith(line, "METRIC") || StartsWith(line, "INCH")) return Units(line);
    if (line == "G91" || StartsWith(line, "ICI")) {
      return Refuse(Tr("coordonnées relatives (incrémentales) non prises en charge"));
    }
    if (StartsWith(line, "G00") || StartsWith(line, "G01") || line == "M15" || line == "M16" || line == "M17") {
      return Refuse(Tr("le mode de détourage (G00/G01, M15/M16) n'est pas pris en charge"));
    }
    if (line[0] == 'T') return Tool(line);
    if (line[0] == 'X' || line[0] == 'Y') return Hole(line);
    return Refuse(Tr("ligne inconnue"));
  }

  DrillFile Result() { return std::move(file_); }

 private:
  Status Refuse(const std::string& why) const {
    return Status::Error(Fill(Tr("Fichier de perçage %1, ligne %2 (« %3 ») : %4."),
                              {Quoted(name_), std::to_string(line_), raw_.substr(0, 60), why}));
  }

  // ";FILE_FORMAT=2:5" and ";FORMAT={3:3/ ...}" give the digit format.
  Status Comment(const std::string& line) {
    std::size_t at = line.find("FILE_FORMAT=");
    std::size_t skip = 12;
    if (at == std::string::npos) {
      at = line.find("FORMAT={");
      skip = 8;
    }
    if (at == std::string::npos) return Status::Ok();
    const std::size_t colon = line.find(':', at);
    if (colon == std::string::npos) return Status::Ok();
    const std::optional<std::int32_t> a = ParseInt32(Trimmed(std::string_view(line).substr(at + skip, colon - at - skip)));
    std::size_t end = colon + 1;
    while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) ++end;
    const std::optional<std::int32_t> b = ParseInt32(std::string_view(line).substr(colon + 1, end - colon - 1));
    if (a && b && *a >= 0 && *a <= 9 && *b >= 0 && *b <= 9) {
      integer_digits_ = *a;
      decimal_digits_ = *b;
    }
    if (line.find("SUPPRESS TRAILING") != std::string::npos) zeros_ = Zeros::kLeadingKept;
    if (line.find("SUPPRESS LEADING") != std::string::npos) zeros_ = Zeros::kTrailingKept;
    return Status::Ok();
  }

  // "METRIC", "INCH", then ",LZ" / ",TZ" and a digit pattern ("000.000"), in any order.
  Status Units(const std::string& line) {
    metric_ = StartsWith(line, "METRIC");
    std::string_view rest = std::string_view(line).substr(metric_ ? 6 : 4);
    while (!rest.empty()) {
      if (rest[0] != ',') return Refuse(Tr("unités illisibles"));
      rest.remove_prefix(1);
      const std::size_t comma = rest.find(',');
      const std::string_view item = rest.substr(0, comma);
      rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma);
      if (item == "LZ") {
        zeros_ = Zeros::kLeadingKept;
      } else if (item == "TZ") {
        zeros_ = Zeros::kTrailingKept;
      } else if (const std::size_t dot = item.find('.');
                 dot != std::string_view::npos && item.find_first_not_of("0.") == std::string_view::npos) {
        integer_digits_ = static_cast<int>(dot);
        decimal_digits_ = static_cast<int>(item.size() - dot - 1);
      } else {
        return Refuse(Tr("unités illisibles"));
      }
    }
    return Status::Ok();
  }

  // A number of the file's units: as written with ".", by the zero rule without.
  std::optional<double> Number(std::string_view text) const {
    if (text.empty()) return std::nullopt;
    if (text.find('.') != std::string_view::npos) {
      std::string_view digits = text;
      if (digits[0] == '+') digits.remove_prefix(1);
      return ParseDecimal(digits, '.');
    }
    bool negative = false;
    if (text[0] == '+' || text[0] == '-') {
      negative = text[0] == '-';
      text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 12 || text.find_first_not_of("0123456789") != std::string_view::npos) {
      return std::nullopt;
    }
    const double whole = static_cast<double>(std::stoll(std::string(text)));
    const int integer_digits = integer_digits_ >= 0 ? integer_digits_ : (metric_ ? 3 : 2);
    const int decimal_digits = decimal_digits_ >= 0 ? decimal_digits_ : (metric_ ? 3 : 4);
    const int shift =
        zeros_ == Zeros::kLeadingKept ? static_cast<int>(text.size()) - integer_digits : decimal_digits;
    const double value = whole / std::pow(10.0, shift);
    return negative ? -value : value;
  }

  double ToMm(double value) const { return metric_ ? value : value * kMillimetresPerInch; }

  // "T<n>" selects, "T<n>C<d>" (other letters F, S, B, H, Z ignored) defines and selects.
  Status Tool(const std::string& line) {
    std::size_t end = 1;
    while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) ++end;
    const std::optional<std::int32_t> tool = ParseInt32(std::string_view(line).substr(1, end - 1));
    if (!tool || *tool < 0) return Refuse(Tr("numéro d'outil illisible"));
    std::optional<double> diameter;
    while (end < line.size()) {
      const char letter = line[end];
      std::size_t next = end + 1;
      while (next < line.size() && !std::isalpha(static_cast<unsigned char>(line[next]))) ++next;
      if (!std::isalpha(static_cast<unsigned char>(letter))) return Refuse(Tr("outil illisible"));
      const std::string_view value = std::string_view(line).substr(end + 1, next - end - 1);
      if (letter == 'C') {
        diameter = Number(value);
        if (!diameter) return Refuse(Tr("diamètre illisible"));
      }
      end = next;
    }
    if (diameter) {
      const double mm = ToMm(*diameter);
      if (!(mm > 0.0 && mm <= kLargestDiameterMm)) {
        return Refuse(Fill(Tr("diamètre de l'outil T%1 (%2 mm) hors de 0 à 10 mm"),
                           {std::to_string(*tool), FormatFixed(mm, 3)}));
      }
      tools_[*tool] = mm;
    }
    tool_ = *tool;
    return Status::Ok();
  }

  // "X..Y.." with either part left out, and the slot form "X..Y..G85X..Y..".
  Status Hole(const std::string& line) {
    const std::size_t slot = line.find("G85");
    if (Status s = Point(std::string_view(line).substr(0, slot)); !s) return s;
    if (slot == std::string::npos) return Place();
    if (Status s = Place(); !s) return s;
    if (Status s = Point(std::string_view(line).substr(slot + 3)); !s) return s;
    file_.notices.push_back(Fill(Tr("Fichier de perçage %1, ligne %2 : rainure (G85) percée à ses deux bouts "
                                    "seulement ; le reste est à fraiser à part."),
                                 {Quoted(name_), std::to_string(line_)}));
    return Place();
  }

  Status Point(std::string_view text) {
    std::optional<double> x;
    std::optional<double> y;
    while (!text.empty()) {
      const char axis = text[0];
      std::size_t next = 1;
      while (next < text.size() && text[next] != 'X' && text[next] != 'Y') ++next;
      const std::string_view value = text.substr(1, next - 1);
      const std::optional<double> number = (axis == 'X' || axis == 'Y') ? Number(value) : std::nullopt;
      if (!number) return Refuse(Tr("coordonnée illisible"));
      if (!(std::abs(ToMm(*number)) <= kFarthestCoordinateMm)) {
        return Refuse(Tr("coordonnée hors de toute carte"));
      }
      (axis == 'X' ? x : y) = ToMm(*number);
      text.remove_prefix(next);
    }
    if (x) x_ = *x;
    if (y) y_ = *y;
    return Status::Ok();
  }

  Status Place() {
    if (tool_ <= 0) return Refuse(Tr("trou placé avant le choix d'un outil (T1, T2...)"));
    const auto tool = tools_.find(tool_);
    if (tool == tools_.end()) {
      return Refuse(Fill(Tr("l'outil T%1 n'a pas de diamètre (T%1C...)"), {std::to_string(tool_)}));
    }
    file_.holes.push_back({x_, y_, tool->second, line_});
    return Status::Ok();
  }

  const std::string& name_;
  DrillFile file_;
  int line_ = 0;
  std::string raw_;  // the line at hand as written, for messages
  bool ended_ = false;
  bool metric_ = false;
  Zeros zeros_ = Zeros::kTrailingKept;
  int integer_digits_ = -1;  // -1: the unit's usual format
  int decimal_digits_ = -1;
  std::map<int, double> tools_;  // diameter in mm by tool number
  int tool_ = 0;
  double x_ = 0.0;
  double y_ = 0.0;
};

}  // namespace

Status ParseDrillFile(std::string_view text, const std::string& name, DrillFile* file) {
  DrillReader reader(name);
  int number = 0;
  for (const std::string& line : SplitLines(text)) {
    if (Status s = reader.Line(line, ++number); !s) return s;
  }
  *file = reader.Result();
  return Status::Ok();
}

std::string DrillListOfHoles(const std::vector<DrillHole>& holes) {
  std::map<double, std::string> sizes;
  for (const DrillHole& hole : holes) {
    std::string text = FormatFixed(hole.diameter_mm, 2);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    sizes.emplace(*ParseDecimal(text, '.'), text);
  }
  std::string list;
  for (const auto& [mm, text] : sizes) list += (list.empty() ? "" : ",") + text;
  return list;
}

Status ReadDrillFile(const std::string& path, DrillFile* file) {
  constexpr std::size_t kMaxDrillFileBytes = std::size_t{64} << 20;
  std::string bytes;
  if (Status s = ReadFileBytes(path, &bytes, kMaxDrillFileBytes); !s) return s;
  return ParseDrillFile(bytes, path, file);
}

}  // namespace pistora
