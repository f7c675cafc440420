#include "core/job/engraving_file.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "core/artwork/bitmap.h"
#include "core/text/line_file.h"
#include "core/text/numbers.h"
#include "core/text/quoted.h"

namespace pistora {
namespace {

constexpr int kHeadLines = 4;
constexpr int kRecordLines = 16;

const char* const kRecordFields[kRecordLines] = {"PathText", "StartX",  "StartY",  "EndX", "EndY", "PointCount",
                                                 "IsClosed", "IsPad",   "CenterX", "CenterY", "JobOrder",
                                                 "MinX",     "MaxX",    "MinY",    "MaxY", "IsUseless"};

const char* Flag(bool value) { return value ? "TRUE" : "FALSE"; }

// The number at the start of a line: leading blanks skipped, up to the next blank.
std::string_view NumberToken(std::string_view line) {
  std::size_t begin = 0;
  while (begin < line.size() && (line[begin] == ' ' || line[begin] == '\t')) ++begin;
  std::size_t end = begin;
  while (end < line.size() && line[end] != ' ' && line[end] != '\t') ++end;
  return line.substr(begin, end - begin);
}

class LineReader {
 public:
  explicit LineReader(const std::vector<std::string>& lines) : lines_(lines) {}

  // Line numbers count from 1, as an editor shows them.
  int LineNumber() const { return static_cast<int>(next_) + 1; }
  std::size_t Remaining() const { return lines_.size() - next_; }

  Status Text(const std::string& field, std::string* value) {
    if (next_ >= lines_.size()) return CutShort(field);
    *value = lines_[next_++];
    return Status::Ok();
  }

  Status Flag(const std::string& field, bool* value) {
    if (next_ >= lines_.size()) return CutShort(field);
    *value = lines_[next_++] == "TRUE";
    return Status::Ok();
  }

  Status Integer(const std::string& field, std::int32_t* value) {
    if (next_ >= lines_.size()) return CutShort(field);
    const std::string_view token = NumberToken(lines_[next_]);
    const std::optional<std::int32_t> parsed = ParseInt32(token);
    if (!parsed) return NotANumber(field, "un nombre entier");
    *value = *parsed;
    ++next_;
    return Status::Ok();
  }

  Status Decimal(const std::string& field, double* value) {
    if (next_ >= lines_.size()) return CutShort(field);
    const std::string_view token = NumberToken(lines_[next_]);
    const std::optional<double> parsed = token.empty() ? std::nullopt : ParseDecimal(token, '.');
    if (!parsed) return NotANumber(field, "un nombre décimal (séparateur « . »)");
    *value = *parsed;
    ++next_;
    return Status::Ok();
  }

  Status Error(const std::string& field, const std::string& what) const {
    return Status::Error("ligne " + std::to_string(LineNumber()) + " (" + field + ") : " + what);
  }

 private:
  Status CutShort(const std::string& field) const {
    return Status::Error("ligne " + std::to_string(LineNumber()) + " (" + field +
                         ") : le fichier s'arrête avant la fin (fichier tronqué).");
  }
  Status NotANumber(const std::string& field, const std::string& kind) const {
    const std::string& line = lines_[next_];
    return Error(field, "« " + (line.size() > 40 ? line.substr(0, 40) + "…" : line) + " » n'est pas " + kind + ".");
  }

  const std::vector<std::string>& lines_;
  std::size_t next_ = 0;
};

Status ReadRecord(LineReader& in, int index, Contour* c) {
  const std::string prefix = "contour " + std::to_string(index) + ", ";
  auto field = [&](int k) { return prefix + kRecordFields[k]; };
  Status s;
  if (!(s = in.Text(field(0), &c->PathText))) return s;
  if (!(s = in.Integer(field(1), &c->StartX))) return s;
  if (!(s = in.Integer(field(2), &c->StartY))) return s;
  if (!(s = in.Integer(field(3), &c->EndX))) return s;
  if (!(s = in.Integer(field(4), &c->EndY))) return s;
  if (!(s = in.Integer(field(5), &c->PointCount))) return s;
  if (!(s = in.Flag(field(6), &c->IsClosed))) return s;
  if (!(s = in.Flag(field(7), &c->IsPad))) return s;
  if (!(s = in.Integer(field(8), &c->CenterX))) return s;
  if (!(s = in.Integer(field(9), &c->CenterY))) return s;
  if (!(s = in.Integer(field(10), &c->JobOrder))) return s;
  if (!(s = in.Integer(field(11), &c->MinX))) return s;
  if (!(s = in.Integer(field(12), &c->MaxX))) return s;
  if (!(s = in.Integer(field(13), &c->MinY))) return s;
  if (!(s = in.Integer(field(14), &c->MaxY))) return s;
  return in.Flag(field(15), &c->IsUseless);
}

void AppendRecord(const Contour& c, std::vector<std::string>* lines) {
  lines->push_back(c.PathText);
  for (std::int32_t v : {c.StartX, c.StartY, c.EndX, c.EndY, c.PointCount}) lines->push_back(std::to_string(v));
  lines->push_back(Flag(c.IsClosed));
  lines->push_back(Flag(c.IsPad));
  for (std::int32_t v : {c.CenterX, c.CenterY, c.JobOrder, c.MinX, c.MaxX, c.MinY, c.MaxY}) {
    lines->push_back(std::to_string(v));
  }
  lines->push_back(Flag(c.IsUseless));
}

}  // namespace

std::vector<std::string> EngravingFileLines(const Workspace& ws) {
  std::vector<std::string> lines;
  const ContourTable& table = ws.Table;
  lines.reserve(kHeadLines + static_cast<std::size_t>(kRecordLines) * (table.items.size() + 1));
  lines.push_back(FormatScientific23(ws.PixelSizeMm));
  lines.push_back(std::to_string(ws.EngravingBitmap.Height()));
  lines.push_back(std::to_string(ws.EngravingBitmap.Width()));
  lines.push_back(std::to_string(table.ContourCount()));
  for (const Contour& c : table.items) AppendRecord(c, &lines);
  AppendRecord(table.past_end, &lines);
  return lines;
}

Status SaveEngravingFile(const std::string& path, const Workspace& ws) {
  return WriteLatin1LinesAtomically(path, EngravingFileLines(ws));
}

Status ParseEngravingFile(const std::vector<std::string>& lines, EngravingFile* file) {
  LineReader in(lines);
  EngravingFile read;
  Status s;
  if (!(s = in.Decimal("taille d'un pixel en mm", &read.PixelSizeMm))) return s;
  std::int32_t height = 0;
  std::int32_t width = 0;
  std::int32_t count = 0;
  const std::string size_range = " hors de 0 à " + std::to_string(kMaxImageSide) + " pixels.";
  if (!(s = in.Integer("hauteur de l'image", &height))) return s;
  if (height < 0 || height > kMaxImageSide) {
    return Status::Error("ligne 2 (hauteur de l'image) : " + std::to_string(height) + size_range);
  }
  if (!(s = in.Integer("largeur de l'image", &width))) return s;
  if (width < 0 || width > kMaxImageSide) {
    return Status::Error("ligne 3 (largeur de l'image) : " + std::to_string(width) + size_range);
  }
  if (!(s = in.Integer("nombre de contours", &count))) return s;
  if (count < 0) {
    return Status::Error("ligne 4 (nombre de contours) : " + std::to_string(count) + " est négatif.");
  }
  // N contours plus the slot past the end, 16 lines each, must be in the file.
  const std::size_t records_in_file = in.Remaining() / kRecordLines;
  if (static_cast<std::uint64_t>(count) + 1 > records_in_file) {
    return Status::Error("ligne 4 (nombre de contours) : " + std::to_string(count) +
                         " contours annoncés (plus l'enregistrement final), mais le fichier n'a que " +
                         std::to_string(records_in_file) + " enregistrements complets de 16 lignes (fichier tronqué ?).");
  }
  read.Height = height;
  read.Width = width;
  read.Table.items.resize(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    if (!(s = ReadRecord(in, i, &read.Table.items[static_cast<std::size_t>(i)]))) return s;
  }
  if (!(s = ReadRecord(in, count, &read.Table.past_end))) return s;
  *file = std::move(read);
  return Status::Ok();
}

Status ReadEngravingFile(const std::string& path, EngravingFile* file) {
  std::vector<std::string> lines;
  Status s = ReadLatin1Lines(path, &lines);
  if (!s) return s;
  s = ParseEngravingFile(lines, file);
  if (!s) return Status::Error("Fichier de gravure " + Quoted(path) + " illisible, " + s.message());
  return Status::Ok();
}

void ApplyEngravingFile(EngravingFile&& file, Workspace* ws) {
  ws->PixelSizeMm = file.PixelSizeMm;
  ws->EngravingBitmap = Bitmap(file.Width, file.Height, kWhite);
  ws->Table = std::move(file.Table);
  ws->SelectedContour = 0;
  ws->StopRequest = false;
}

Status LoadEngravingFile(const std::string& path, Workspace* ws) {
  EngravingFile file;
  Status s = ReadEngravingFile(path, &file);
  if (!s) return s;
  ApplyEngravingFile(std::move(file), ws);
  return Status::Ok();
}

LoadedPanel PanelAfterLoad(const Workspace& ws) {
  LoadedPanel loaded;
  loaded.max_index = ws.Table.ContourCount() - 1;
  loaded.selectable = ws.Table.ContourCount() > 0;
  loaded.panel = PanelFor(ws.Table, 0);
  loaded.pixel_size_text = FormatFixed(ws.PixelSizeMm, 5);
  return loaded;
}

}  // namespace pistora
