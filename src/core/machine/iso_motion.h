#pragma once

#include <cstdint>
#include <string>

namespace pistora {

// A point of the machine in millimetres from the work zero.
struct ToolPosition {
  double x = 0;
  double y = 0;
  double z = 0;
  friend bool operator==(const ToolPosition&, const ToolPosition&) = default;
};

// What program runs, copies and table surfacing need of the machine window. The machine
// window implements it over its motion engine; tests use a recording fake.
class IsoMotion {
 public:
  virtual ~IsoMotion() = default;

  // Straight move to the absolute target (mm) at the work feed. Lets window events run while it
  // moves and returns at once while the stop latch is set. A move the machine refuses sets
  // the latch (an alarm): no later move of the program may start from the wrong place.
  virtual void MoveTo(double x, double y, double z) = 0;

  // Where the machine stands now (mm from the work zero).
  virtual ToolPosition CurrentPosition() const = 0;

  // Makes that axis's current position 0 (the work zero moves to the tool).
  virtual void ZeroAxisX() = 0;
  virtual void ZeroAxisY() = 0;
  virtual void ZeroAxisZ() = 0;

  // A feed word of a running program, mm/min: limited to 1 .. MaxFeed by the feed slider, made
  // the work feed and shown.
  virtual void SetFeedFromProgram(int feed) = 0;

  // The stop latch (STOP disc, limit switch); only "Raz" clears it.
  virtual bool StopLatched() const = 0;
  // Why the latch was set ("" when unknown).
  virtual std::string StopReason() const { return {}; }

  // Counts the work zero's changes (an axis made 0, homing): a stopped run resumes only on the
  // work zero it stopped on. 0 when the machine does not count them.
  virtual std::uint64_t WorkZeroEpoch() const { return 0; }

  // The work feed now (mm/min); 0 when the machine does not say, and nothing is restored.
  virtual int CurrentFeed() const { return 0; }

  // The message line ("Message machine") and the progress bar of the "Code ISO" box.
  virtual void ShowLine(const std::string& /*prefix_and_line*/) {}
  virtual void ShowProgress(long /*line*/, long /*line_count*/) {}
};

}  // namespace pistora
