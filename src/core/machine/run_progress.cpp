#include "core/machine/run_progress.h"

#include <algorithm>

#include "core/machine/iso_program.h"

namespace pistora {
namespace {

// The word: bit 63 running, bit 62 in a copy, bits 40..55 the copy, bits 0..39 the line.
constexpr std::uint64_t kRunningBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kInCopyBit = std::uint64_t{1} << 62;
constexpr int kCopyShift = 40;
constexpr std::uint64_t kLineMask = (std::uint64_t{1} << kCopyShift) - 1;
constexpr std::uint64_t kCopyMask = 0xFFFF;

}  // namespace

void RunProgress::Store(const Snapshot& s) {
  std::uint64_t word = (static_cast<std::uint64_t>(s.copy) & kCopyMask) << kCopyShift;
  word |= static_cast<std::uint64_t>(std::max(s.line, 0L)) & kLineMask;
  if (s.running) word |= kRunningBit;
  if (s.in_copy) word |= kInCopyBit;
  word_.store(word, std::memory_order_release);
}

RunProgress::Snapshot RunProgress::Read() const {
  const std::uint64_t word = word_.load(std::memory_order_acquire);
  return {(word & kRunningBit) != 0, (word & kInCopyBit) != 0, static_cast<int>((word >> kCopyShift) & kCopyMask),
          static_cast<long>(word & kLineMask)};
}

void RunProgress::SetWorkZero(CopyOrigin zero) {
  zero_x_.store(zero.x);
  zero_y_.store(zero.y);
}

void RunProgress::ShiftWorkZero(double dx, double dy) {
  zero_x_.store(zero_x_.load() + dx);
  zero_y_.store(zero_y_.load() + dy);
}

void RunProgress::AtLine(long line) {
  Snapshot s = Read();
  s.line = line;
  Store(s);
}

void RunProgress::LeaveCopy() {
  Snapshot s = Read();
  s.in_copy = false;
  Store(s);
}

void RunProgress::End() {
  Snapshot s = Read();
  s.running = false;
  Store(s);
}

RunTimeline::RunTimeline(const ProgramPath& path, const CopyGrid& grid)
    : copy_starts_(StartSequenceCopyStarts(grid, path.LengthMm(), path.line_start.back())),
      line_start_mm_(path.line_start_mm) {}

double RunTimeline::DoneMm(int copy, long line) const {
  if (copy_starts_.size() < 2 || line_start_mm_.empty()) return 0;
  const std::size_t c = std::min<std::size_t>(static_cast<std::size_t>(std::max(copy, 0)), copy_starts_.size() - 2);
  const std::size_t l = std::min<std::size_t>(static_cast<std::size_t>(std::max(line, 0L)), line_start_mm_.size() - 1);
  return copy_starts_[c] + line_start_mm_[l];
}

long RunTimeline::RemainingSeconds(int copy, long line, int feed) const {
  return EstimatedProgramSeconds(std::max(0.0, TotalMm() - DoneMm(copy, line)), feed);
}

double RunTimeline::PercentDone(int copy, long line) const {
  const double total = TotalMm();
  return total > 0 ? std::clamp(100.0 * DoneMm(copy, line) / total, 0.0, 100.0) : 0;
}

}  // namespace pistora
