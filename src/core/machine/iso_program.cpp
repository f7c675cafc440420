#include "core/machine/iso_program.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "core/machine/machine_message.h"
#include "core/text/line_file.h"
#include "core/text/message_translation.h"
#include "core/text/numbers.h"

namespace pistora {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Lift above the work zero while the tool walks from one copy to the next (mm).
constexpr double kWalkHeight = 2.0;

enum class WalkAxis { kX, kY };

bool RunCopies(const CopyGrid& grid, const std::function<bool()>& run_one_copy, IsoMotion& motion, int first_copy);

// Moves the work zero along one axis by `offset` mm: lift, travel at the lift height, zero the
// axis there, come down to the new work zero.
void WalkWorkZero(IsoMotion& motion, WalkAxis axis, double offset) {
  motion.MoveTo(0, 0, kWalkHeight);
  if (axis == WalkAxis::kX) {
    motion.MoveTo(offset, 0, kWalkHeight);
    motion.ZeroAxisX();
  } else {
    motion.MoveTo(0, offset, kWalkHeight);
    motion.ZeroAxisY();
  }
  motion.MoveTo(0, 0, 0);
}

std::string LineNumber(std::size_t index) { return std::to_string(index + 1); }

// Ok, or the message of a move line whose words do not convert.
Status CheckMoveWords(const AxisWords& words, std::size_t index, std::string_view line) {
  if (words.ok()) return Status::Ok();
  if (words.beyond_reach) {
    return Status::Error(Fill(Tr("Ligne %1 du programme : le mot %2 « %3 » dépasse 10 m, hors de portée de toute "
                                 "machine (« %4 »). Le programme n'est pas exécuté."),
                              {LineNumber(index), std::string(1, words.failed_letter), words.failed_text, line}));
  }
  return Status::Error(Fill(Tr("Ligne %1 du programme : le mot %2 « %3 » n'est pas un nombre (« %4 »). Le programme "
                               "n'est pas exécuté."),
                            {LineNumber(index), std::string(1, words.failed_letter), words.failed_text, line}));
}

}  // namespace

AxisWords ParseAxisWords(std::string_view line, const ToolPosition& current) {
  AxisWords words;
  words.target = current;
  double* const values[3] = {&words.target.x, &words.target.y, &words.target.z};
  const char letters[3] = {'X', 'Y', 'Z'};
  std::string_view rest = line;
  for (int axis = 0; axis < 3; ++axis) {
    const std::size_t found = rest.find(letters[axis]);
    if (found == std::string_view::npos) continue;
    rest.remove_prefix(found + 1);
    const std::size_t end = std::find_if(rest.begin(), rest.end(), IsBlank) - rest.begin();
    const std::string_view text = rest.substr(0, end);
    if (text.empty()) {
      *values[axis] = 0;
      continue;
    }
    const std::optional<double> value = ParseDecimal(text, '.');
    const bool beyond_reach = value && !(std::fabs(*value) <= kMaxAxisWordMm);
    if (!value || beyond_reach) {
      if (words.ok()) {
        words.failed_letter = letters[axis];
        words.failed_text = std::string(text);
        words.beyond_reach = beyond_reach;
      }
      continue;
    }
    *values[axis] = *value;
  }
  return words;
}

std::optional<int> ParseFeedWord(std::string_view line) {
  const std::size_t found = line.find('F');
  if (found == std::string_view::npos) return std::nullopt;
  const std::optional<double> value = ParseDecimal(line.substr(found + 1), '.');
  if (!value) return std::nullopt;
  const std::int64_t rounded = RoundHalfEvenToInt(*value);
  return static_cast<int>(std::clamp<std::int64_t>(rounded, std::numeric_limits<std::int32_t>::min(),
                                                   std::numeric_limits<std::int32_t>::max()));
}

IsoLineKind ClassifyIsoLine(std::string_view line) {
  IsoLineKind kind;
  kind.feed = line.find('F') != std::string_view::npos;
  kind.g00 = line.find("G00") != std::string_view::npos;
  kind.g01 = line.find("G01") != std::string_view::npos;
  return kind;
}

Status LoadIsoProgram(const std::string& path, std::vector<std::string>* lines) {
  return ReadLatin1Lines(path, lines);
}

Status LoadMachineProgram(const std::string& path, std::vector<std::string>* lines) {
  if (Status loaded = LoadIsoProgram(path, lines); !loaded) return loaded;
  return CheckIsoDialect(*lines);
}

Status CheckIsoDialect(const std::vector<std::string>& lines) {
  // Lines looked at, and the modal words that only a standard program's header holds.
  constexpr std::size_t kHeadLines = 6;
  constexpr const char* kStateWords[] = {"G21", "G20", "G90", "G91", "G94", "G17"};
  for (std::size_t i = 0; i < lines.size() && i < kHeadLines; ++i) {
    const std::string_view line = lines[i];
    if (line.starts_with("(")) continue;
    for (const char* word : kStateWords) {
      if (line.find(word) == std::string_view::npos) continue;
      return Status::Error(Fill(Tr("Ligne %1 du programme : « %2 » annonce un programme pour un autre contrôleur "
                                   "(dialecte linuxcnc ou grbl). La machine n'exécute que le dialecte pistora : "
                                   "régénérez le programme avec ce dialecte."),
                                {LineNumber(i), lines[i]}));
    }
  }
  return Status::Ok();
}

Status CheckIsoProgram(const std::vector<std::string>& lines) {
  if (Status dialect = CheckIsoDialect(lines); !dialect) return dialect;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const IsoLineKind kind = ClassifyIsoLine(lines[i]);
    if (!kind.g00 && !kind.g01) continue;
    Status status = CheckMoveWords(ParseAxisWords(lines[i], ToolPosition{}), i, lines[i]);
    if (!status) return status;
  }
  return Status::Ok();
}

long EstimatedProgramSeconds(double length_mm, int feed) {
  if (feed <= 0) return 0;
  return static_cast<long>(RoundHalfEvenToInt(length_mm * 60.0 / feed));
}

IsoAnalysis AnalyseIsoProgram(const std::vector<std::string>& lines, const ToolPosition& current,
                              int work_feed, Host& host, const std::atomic<bool>& stop_flag,
                              const IsoLineObserver& observer) {
  IsoAnalysis analysis;
  ToolPosition previous = current;
  const long count = static_cast<long>(lines.size());
  auto take_move = [&](std::size_t index) {
    const AxisWords words = ParseAxisWords(lines[index], previous);
    if (!words.ok()) {
      if (analysis.status.ok()) analysis.status = CheckMoveWords(words, index, lines[index]);
      return;
    }
    const ToolPosition& p = words.target;
    analysis.extent_x = std::max(analysis.extent_x, p.x);
    analysis.extent_y = std::max(analysis.extent_y, p.y);
    const double dx = p.x - previous.x;
    const double dy = p.y - previous.y;
    const double dz = p.z - previous.z;
    analysis.length += std::sqrt(dx * dx + dy * dy + dz * dz);
    previous = p;
  };
  for (std::size_t i = 0; i < lines.size(); ++i) {
    host.PumpEvents();
    if (stop_flag) {
      analysis.stopped = true;
      break;
    }
    if (observer) observer(static_cast<long>(i + 1), count, kAnalysePrefix + lines[i]);
    const IsoLineKind kind = ClassifyIsoLine(lines[i]);
    if (kind.g00) take_move(i);
    if (kind.g01) take_move(i);
  }
  analysis.end = previous;
  analysis.estimated_seconds = EstimatedProgramSeconds(analysis.length, work_feed);
  return analysis;
}

IsoRunResult RunIsoProgram(const std::vector<std::string>& lines, IsoMotion& motion, Host& host,
                           std::size_t first_line) {
  IsoRunResult result;
  result.status = CheckIsoProgram(lines);
  if (!result.status) {
    result.outcome = IsoRunOutcome::kRefused;
    return result;
  }
  const long count = static_cast<long>(lines.size());
  // The line the latch ended the run at, and whether it was set before that line began.
  auto stopped_at = [&](std::size_t index, bool before) {
    const std::string stop_reason = motion.StopReason();
    const std::string reason = stop_reason.empty() ? Tr("machine arrêtée.") : TranslatedMachineMessage(stop_reason);
    result.outcome = IsoRunOutcome::kStopped;
    result.status = Status::Error(Fill(before ? Tr("Programme arrêté avant la ligne %1 (« %2 ») : %3")
                                              : Tr("Programme arrêté à la ligne %1 (« %2 ») : %3"),
                                       {LineNumber(index), lines[index], reason}));
    motion.ShowLine(result.status.message());
  };
  for (std::size_t i = first_line; i < lines.size(); ++i) {
    host.PumpEvents();
    if (motion.StopLatched()) {
      stopped_at(i, true);
      return result;
    }
    motion.ShowProgress(static_cast<long>(i + 1), count);
    motion.ShowLine(kRunPrefix + lines[i]);
    const IsoLineKind kind = ClassifyIsoLine(lines[i]);
    if (kind.feed) {
      if (const std::optional<int> feed = ParseFeedWord(lines[i])) motion.SetFeedFromProgram(*feed);
    }
    for (const bool move : {kind.g00, kind.g01}) {
      if (!move) continue;
      const AxisWords words = ParseAxisWords(lines[i], motion.CurrentPosition());
      motion.MoveTo(words.target.x, words.target.y, words.target.z);
      if (motion.StopLatched()) {
        stopped_at(i, false);
        return result;
      }
    }
  }
  return result;
}

double RepetitionTotal(int copies, double extent, double gap) {
  return copies * extent + (copies - 1) * gap;
}

bool RepetitionFits(double total, double plate_size, double border) {
  return plate_size - 2 * border >= total;
}

bool RunStartSequence(const CopyGrid& grid, const std::function<bool()>& run_one_copy, IsoMotion& motion,
                      int first_copy) {
  const int feed = motion.CurrentFeed();
  const bool ran = RunCopies(grid, run_one_copy, motion, first_copy);
  if (feed > 0 && motion.CurrentFeed() != feed) motion.SetFeedFromProgram(feed);
  return ran;
}

namespace {

// Follows the sequence's moves without a machine and sums their lengths.
class PathLengthMotion final : public IsoMotion {
 public:
  void MoveTo(double x, double y, double z) override {
    const ToolPosition target{work_zero.x + x, work_zero.y + y, work_zero.z + z};
    length += std::sqrt((target.x - machine.x) * (target.x - machine.x) +
                        (target.y - machine.y) * (target.y - machine.y) +
                        (target.z - machine.z) * (target.z - machine.z));
    machine = target;
  }
  ToolPosition CurrentPosition() const override {
    return {machine.x - work_zero.x, machine.y - work_zero.y, machine.z - work_zero.z};
  }
  void ZeroAxisX() override { work_zero.x = machine.x; }
  void ZeroAxisY() override { work_zero.y = machine.y; }
  void ZeroAxisZ() override { work_zero.z = machine.z; }
  void SetFeedFromProgram(int) override {}
  bool StopLatched() const override { return false; }

  ToolPosition machine;
  ToolPosition work_zero;
  double length = 0;
};

}  // namespace

double StartSequenceLength(const CopyGrid& grid, double program_length, const ToolPosition& program_end) {
  return StartSequenceCopyStarts(grid, program_length, program_end).back();
}

std::vector<double> StartSequenceCopyStarts(const CopyGrid& grid, double program_length,
                                            const ToolPosition& program_end) {
  PathLengthMotion path;
  std::vector<double> starts;
  RunCopies(
      grid,
      [&] {
        starts.push_back(path.length);
        path.length += program_length;
        path.machine = {path.work_zero.x + program_end.x, path.work_zero.y + program_end.y,
                        path.work_zero.z + program_end.z};
        return true;
      },
      path, 0);
  starts.push_back(path.length);
  return starts;
}

std::string FormatHoursMinutesSeconds(long seconds) {
  if (seconds < 0) seconds = 0;
  char text[32];
  std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}

namespace {

bool RunCopies(const CopyGrid& grid, const std::function<bool()>& run_one_copy, IsoMotion& motion, int first_copy) {
  const int cx = std::clamp(grid.copies_x, 1, kMaxCopies);
  const int cy = std::clamp(grid.copies_y, 1, kMaxCopies);
  const double pitch_x = grid.extent_x + grid.gap;
  const double pitch_y = grid.extent_y + grid.gap;
  // A latched stop (STOP, a switch, a refused move) ends the sequence where it stands: a
  // copy shift that did not happen must not be followed by the next copy.
  // A resumed sequence starts in row `first_row` at copy `first_column`, where the work zero is.
  const int first_row = 1 + std::clamp(first_copy, 0, cx * cy - 1) / cx;
  const int first_column = 1 + std::clamp(first_copy, 0, cx * cy - 1) % cx;
  for (int j = first_row; j <= cy; ++j) {
    for (int i = j == first_row ? first_column : 1; i <= cx; ++i) {
      if (!run_one_copy() || motion.StopLatched()) return false;
      motion.MoveTo(0, 0, 0);
      if (cx != 1 && i != cx) WalkWorkZero(motion, WalkAxis::kX, pitch_x);
      if (motion.StopLatched()) return false;
    }
    if (cy != 1 && j != cy) {
      if (cx != 1) WalkWorkZero(motion, WalkAxis::kX, -(cx - 1) * pitch_x);
      WalkWorkZero(motion, WalkAxis::kY, pitch_y);
      if (motion.StopLatched()) return false;
    }
  }
  if (cy != 1) WalkWorkZero(motion, WalkAxis::kY, -(cy - 1) * pitch_y);
  if (cx != 1) WalkWorkZero(motion, WalkAxis::kX, -(cx - 1) * pitch_x);
  return !motion.StopLatched();
}

}  // namespace

}  // namespace pistora
