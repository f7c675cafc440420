#include "core/machine/iso_program.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/text/line_file.h"
#include "core/text/numbers.h"

namespace pistora {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Lift above the work zero while the tool walks from one copy to the next (mm).
constexpr double kWalkHeight = 2.0;

constexpr int kMaxCopies = 100;

enum class WalkAxis { kX, kY };

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

std::string LineLabel(std::size_t index) { return "Ligne " + std::to_string(index + 1); }

// Ok, or the message of a move line whose words do not convert.
Status CheckMoveWords(const AxisWords& words, std::size_t index, std::string_view line) {
  if (words.ok()) return Status::Ok();
  return Status::Error(LineLabel(index) + " du programme : le mot " + std::string(1, words.failed_letter) +
                       " \xC2\xAB " + words.failed_text + " \xC2\xBB n'est pas un nombre (\xC2\xAB " +
                       std::string(line) + " \xC2\xBB). Le programme n'est pas ex\xC3\xA9" "cut\xC3\xA9.");
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
    if (!value) {
      if (words.ok()) {
        words.failed_letter = letters[axis];
        words.failed_text = std::string(text);
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

Status CheckIsoProgram(const std::vector<std::string>& lines) {
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
  ToolPosition previous;
  const long count = static_cast<long>(lines.size());
  auto take_move = [&](std::size_t index) {
    const AxisWords words = ParseAxisWords(lines[index], current);
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
  analysis.estimated_seconds = EstimatedProgramSeconds(analysis.length, work_feed);
  return analysis;
}

IsoRunResult RunIsoProgram(const std::vector<std::string>& lines, IsoMotion& motion, Host& host) {
  IsoRunResult result;
  result.status = CheckIsoProgram(lines);
  if (!result.status) {
    result.outcome = IsoRunOutcome::kRefused;
    return result;
  }
  const long count = static_cast<long>(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    host.PumpEvents();
    if (motion.StopLatched()) break;
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
    }
  }
  if (motion.StopLatched()) result.outcome = IsoRunOutcome::kStopped;
  return result;
}

double RepetitionTotal(int copies, double extent, double gap) {
  return copies * extent + (copies - 1) * gap;
}

bool RepetitionFits(double total, double plate_size, double border) {
  return plate_size - 2 * border >= total;
}

bool RunStartSequence(const CopyGrid& grid, const std::function<bool()>& run_one_copy, IsoMotion& motion) {
  const int cx = std::clamp(grid.copies_x, 1, kMaxCopies);
  const int cy = std::clamp(grid.copies_y, 1, kMaxCopies);
  const double pitch_x = grid.extent_x + grid.gap;
  const double pitch_y = grid.extent_y + grid.gap;
  for (int j = 1; j <= cy; ++j) {
    for (int i = 1; i <= cx; ++i) {
      if (!run_one_copy()) return false;
      motion.MoveTo(0, 0, 0);
      if (cx != 1 && i != cx) WalkWorkZero(motion, WalkAxis::kX, pitch_x);
    }
    if (cy != 1 && j != cy) {
      if (cx != 1) WalkWorkZero(motion, WalkAxis::kX, -(cx - 1) * pitch_x);
      WalkWorkZero(motion, WalkAxis::kY, pitch_y);
    }
  }
  if (cy != 1) WalkWorkZero(motion, WalkAxis::kY, -(cy - 1) * pitch_y);
  if (cx != 1) WalkWorkZero(motion, WalkAxis::kX, -(cx - 1) * pitch_x);
  return true;
}

}  // namespace pistora
