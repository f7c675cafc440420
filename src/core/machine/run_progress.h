#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "core/machine/program_path.h"

namespace pistora {

struct CopyGrid;

// Where a program run stands: written by the motion thread as it goes, read by the window
// thread at each view. One atomic word, so a reader never sees a copy with another copy's line.
class RunProgress {
 public:
  struct Snapshot {
    bool running = false;
    bool in_copy = false;  // inside a copy's program (not walking between two copies)
    int copy = 0;          // 0-based, in run order
    long line = 0;         // 0-based line being run
  };

  void Begin() { Store({true, false, 0, 0}); }
  void EnterCopy(int copy, long first_line = 0) { Store({true, true, copy, first_line}); }
  void AtLine(long line);
  // The copy's program has run to its end: the walk to the next copy follows.
  void LeaveCopy();
  void End();
  Snapshot Read() const;

  // Where the work zero is (mm from the first copy's): set before a run, moved by the run's
  // own walks between copies, so the tool is drawn where it is at every moment of a walk too.
  void SetWorkZero(CopyOrigin zero);
  void ShiftWorkZero(double dx, double dy);
  CopyOrigin WorkZero() const { return {zero_x_.load(), zero_y_.load()}; }

 private:
  void Store(const Snapshot& snapshot);
  std::atomic<std::uint64_t> word_{0};
  std::atomic<double> zero_x_{0};
  std::atomic<double> zero_y_{0};
};

// The path lengths of a whole start sequence, to count it down.
class RunTimeline {
 public:
  RunTimeline() = default;
  RunTimeline(const ProgramPath& path, const CopyGrid& grid);

  double TotalMm() const { return copy_starts_.empty() ? 0 : copy_starts_.back(); }
  // Path length run once line `line` of copy `copy` begins (mm).
  double DoneMm(int copy, long line) const;
  // What is left from there at `feed` mm/min, rounded halves to even (0 when the feed is not
  // positive), and the share done (0 .. 100).
  long RemainingSeconds(int copy, long line, int feed) const;
  double PercentDone(int copy, long line) const;

 private:
  std::vector<double> copy_starts_;    // StartSequenceCopyStarts
  std::vector<double> line_start_mm_;  // ProgramPath::line_start_mm
};

}  // namespace pistora
