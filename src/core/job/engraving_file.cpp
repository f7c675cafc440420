#include "core/job/engraving_file.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "core/artwork/bitmap.h"
#include "core/job/gcode_writer.h"
#include "core/job/job_bounds.h"
#include "core/text/latin1.h"
#include "core/text/line_file.h"
#include "core/text/message_translation.h"
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

// Lines taken one at a time from the file's bytes: a reader holds the bytes and the line at
// hand, never one string per line.
class LineReader {
 public:
  LineReader(std::string_view bytes, bool latin1) : cursor_(bytes), latin1_(latin1) {}

  // Line numbers count from 1, as an editor shows them.
  int LineNumber() const { return static_cast<int>(taken_) + 1; }
  std::size_t Remaining() const { return cursor_.CountRemaining() + (loaded_ ? 1 : 0); }

  Status Text(const std::string& field, std::string* value) {
    if (!Load()) return CutShort(field);
    *value = std::move(line_);
    Take();
    return Status::Ok();
  }

  Status Flag(const std::string& field, bool* value) {
    if (!Load()) return CutShort(field);
    *value = line_ == "TRUE";
    Take();
    return Status::Ok();
  }

  Status Integer(const std::string& field, std::int32_t* value) {
    if (!Load()) return CutShort(field);
    const std::optional<std::int32_t> parsed = ParseInt32(NumberToken(line_));
    if (!parsed) return NotANumber(field, Tr("un nombre entier"));
    *value = *parsed;
    Take();
    return Status::Ok();
  }

  Status Decimal(const std::string& field, double* value, std::string* text) {
    if (!Load()) return CutShort(field);
    const std::string_view token = NumberToken(line_);
    const std::optional<double> parsed = token.empty() ? std::nullopt : ParseDecimal(token, '.');
    if (!parsed) return NotANumber(field, Tr("un nombre décimal (séparateur « . »)"));
    *value = *parsed;
    *text = std::string(token);
    Take();
    return Status::Ok();
  }

 private:
  bool Load() {
    if (loaded_) return true;
    std::string_view raw;
    if (!cursor_.Next(&raw)) return false;
    line_ = latin1_ ? Latin1ToUtf8(raw) : std::string(raw);
    loaded_ = true;
    return true;
  }
  void Take() {
    loaded_ = false;
    ++taken_;
  }
  Status Error(const std::string& field, const std::string& what) const {
    return Status::Error(Fill(Tr("ligne %1 (%2) : %3"), {std::to_string(LineNumber()), field, what}));
  }
  Status CutShort(const std::string& field) const {
    return Status::Error(Fill(Tr("ligne %1 (%2) : le fichier s'arrête avant la fin (fichier tronqué)."),
                              {std::to_string(LineNumber()), field}));
  }
  Status NotANumber(const std::string& field, const std::string& kind) const {
    const std::string& line = line_;
    return Error(field, Fill(Tr("« %1 » n'est pas %2."), {line.size() > 40 ? line.substr(0, 40) + "…" : line, kind}));
  }

  LineCursor cursor_;
  bool latin1_;
  std::string line_;
  bool loaded_ = false;
  std::size_t taken_ = 0;
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

// Line (1-based) of field `k` of record `index`.
int RecordLine(int index, int k) { return kHeadLines + 1 + kRecordLines * index + k; }

// A contour's points must lie on the picture: a point off it would become a move off the board.
Status CheckRecordInside(const Contour& c, int index, int width, int height) {
  const std::int32_t values[kRecordLines] = {0, c.StartX, c.StartY, c.EndX, c.EndY, 0, 0, 0, c.CenterX,
                                             c.CenterY, 0, c.MinX, c.MaxX, c.MinY, c.MaxY, 0};
  for (int k : {1, 2, 3, 4, 8, 9, 11, 12, 13, 14}) {
    const bool is_x = k == 1 || k == 3 || k == 8 || k == 11 || k == 12;
    const int limit = is_x ? width : height;
    if (values[k] < 0 || values[k] > limit) {
      return Status::Error(Fill(Tr("ligne %1 (contour %2, %3) : %4 hors de l'image (0 à %5)."),
                                {std::to_string(RecordLine(index, k)), std::to_string(index), kRecordFields[k],
                                 std::to_string(values[k]), std::to_string(limit)}));
    }
  }
  for (const PathCorner& p : PathCorners(c)) {
    if (!InsidePicture(p.x, p.y, width, height)) {
      return Status::Error(Fill(Tr("ligne %1 (contour %2, PathText) : le tracé passe par (%3 ; %4), hors de "
                                   "l'image (%5 x %6)."),
                                {std::to_string(RecordLine(index, 0)), std::to_string(index), std::to_string(p.x),
                                 std::to_string(p.y), std::to_string(width), std::to_string(height)}));
    }
  }
  return Status::Ok();
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
  // A size the reader would refuse is never written (no INF, NaN, 0 or negative size).
  if (!IsUsablePixelSize(ws.PixelSizeMm)) {
    return Status::Error(
        Fill(Tr("Fichier de gravure %1 non écrit : %2."), {Quoted(path), PixelSizeProblem(ws.PixelSizeMm)}));
  }
  return WriteLatin1LinesAtomically(path, EngravingFileLines(ws));
}

namespace {

Status ParseEngravingBytes(std::string_view bytes, bool latin1, EngravingFile* file) {
  LineReader in(bytes, latin1);
  EngravingFile read;
  Status s;
  std::string pixel_text;
  if (!(s = in.Decimal(Tr("taille d'un pixel en mm"), &read.PixelSizeMm, &pixel_text))) return s;
  if (!IsUsablePixelSize(read.PixelSizeMm)) {
    return Status::Error(Fill(Tr("ligne 1 (taille d'un pixel en mm) : « %1 » : %2."),
                              {pixel_text, PixelSizeProblem(read.PixelSizeMm)}));
  }
  std::int32_t height = 0;
  std::int32_t width = 0;
  std::int32_t count = 0;
  const std::string max_side = std::to_string(kMaxImageSide);
  if (!(s = in.Integer(Tr("hauteur de l'image"), &height))) return s;
  if (height < 0 || height > kMaxImageSide) {
    return Status::Error(
        Fill(Tr("ligne 2 (hauteur de l'image) : %1 hors de 0 à %2 pixels."), {std::to_string(height), max_side}));
  }
  if (!(s = in.Integer(Tr("largeur de l'image"), &width))) return s;
  if (width < 0 || width > kMaxImageSide) {
    return Status::Error(
        Fill(Tr("ligne 3 (largeur de l'image) : %1 hors de 0 à %2 pixels."), {std::to_string(width), max_side}));
  }
  if (!(s = in.Integer(Tr("nombre de contours"), &count))) return s;
  if (count < 0) {
    return Status::Error(Fill(Tr("ligne 4 (nombre de contours) : %1 est négatif."), {std::to_string(count)}));
  }
  // N contours plus the slot past the end, 16 lines each, must be in the file.
  const std::size_t records_in_file = in.Remaining() / kRecordLines;
  if (static_cast<std::uint64_t>(count) + 1 > records_in_file) {
    return Status::Error(Fill(Tr("ligne 4 (nombre de contours) : %1 contours annoncés (plus l'enregistrement final), "
                                 "mais le fichier n'a que %2 enregistrements complets de 16 lignes (fichier "
                                 "tronqué ?)."),
                              {std::to_string(count), std::to_string(records_in_file)}));
  }
  // Records beyond the count would be silently dropped with the contours they hold.
  if (static_cast<std::uint64_t>(count) + 1 < records_in_file) {
    return Status::Error(Fill(Tr("ligne 4 (nombre de contours) : %1 contours annoncés (plus l'enregistrement final), "
                                 "mais le fichier a %2 enregistrements complets de 16 lignes."),
                              {std::to_string(count), std::to_string(records_in_file)}));
  }
  read.Height = height;
  read.Width = width;
  read.Table.items.resize(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    Contour& contour = read.Table.items[static_cast<std::size_t>(i)];
    if (!(s = ReadRecord(in, i, &contour))) return s;
    if (!(s = CheckRecordInside(contour, i, width, height))) return s;
  }
  if (!(s = ReadRecord(in, count, &read.Table.past_end))) return s;
  *file = std::move(read);
  return Status::Ok();
}

}  // namespace

Status ParseEngravingFile(const std::vector<std::string>& lines, EngravingFile* file) {
  std::string joined;
  for (const std::string& line : lines) {
    joined += line;
    joined += '\n';
  }
  return ParseEngravingBytes(joined, false, file);
}

Status ReadEngravingFile(const std::string& path, EngravingFile* file) {
  std::string bytes;
  Status s = ReadFileBytes(path, &bytes);
  if (!s) return s;
  s = ParseEngravingBytes(bytes, true, file);
  if (!s) return Status::Error(Fill(Tr("Fichier de gravure %1 illisible, %2"), {Quoted(path), s.message()}));
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
