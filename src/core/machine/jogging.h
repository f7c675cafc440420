#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/machine/motion_engine.h"

namespace pistora {

// The six jog arrows of the machine window, by the text that names them.
enum class JogDirection { kNone, kDroite, kGauche, kDevant, kDerriere, kHaut, kBas };

// "droite", "gauche", "devant", "derriere", "haut", "bas"; "" for kNone.
std::string_view JogDirectionText(JogDirection direction);
// The arrow a text names; kNone for any other text.
JogDirection JogDirectionFromText(std::string_view text);

// Axis and sense of an arrow: droite X+, gauche X-, devant Y+, derriere Y-, haut Z+, bas Z-.
struct JogAxis {
  Axis axis = Axis::X;
  bool positive = true;
};
JogAxis JogAxisOf(JogDirection direction);

// The pause between two jog steps, µs: round(1 / (feed × steps_per_mm / 60) × 1e6), halves
// to even. Each arrow uses its own axis's scale, so every axis jogs at the work feed. 0 when
// the feed or the scale is not a positive number (no step can be paced: the press is refused).
std::int64_t JogStepPeriodUs(std::int32_t work_feed, double steps_per_mm);

// When the jog worker asks for the next step. The first step is due at once; each later one
// one period after the previous one was due, so the time a step takes on the user-interface
// thread does not slow the jog. A step that comes more than a period late (the interface was
// busy) restarts the schedule from now instead of firing a burst of catch-up steps.
class JogSchedule {
 public:
  explicit JogSchedule(std::int64_t period_us = 0) : period_us_(period_us) {}

  // A new press at `now_us`: the first step is due at once.
  void Start(std::int64_t now_us);
  // The step due at the returned time has been made at `now_us`; the next one is due at the
  // returned time (µs, same clock).
  std::int64_t Next(std::int64_t now_us);

  std::int64_t PeriodUs() const { return period_us_; }

 private:
  std::int64_t period_us_;
  std::int64_t due_us_ = 0;
};

enum class JogStepOutcome {
  kIdle,      // no arrow held: nothing done
  kBlocked,   // the stop latch holds: nothing done
  kBusy,      // a move or homing cycle is under way (the step came from its event pump): nothing done
  kStepped,   // one step made
  kBackedOff, // the axis's switch was active: backed off LimitBackOffMm and latched the stop
  kEStopped,  // the emergency stop was active: latched the stop, nothing moved
};

// Press-and-hold jogging over the machine window's motion engine. The jog step itself runs on
// the user-interface thread; a worker only paces it (JogSchedule).
class Jogger {
 public:
  explicit Jogger(MotionEngine& engine);

  // Mouse down on an arrow: fixes the step period from the work feed and the arrow's axis,
  // counters to 0. Returns false (and holds nothing) when no step can be paced.
  bool Press(JogDirection direction);

  // One jog step. Reads the axis's switch even when it is not wired (it then counts as active
  // exactly when its inversion flag is set). Not active: one step in the arrow's sense,
  // counted. Active: direction reversed, round(LimitBackOffMm × that axis's steps/mm) steps
  // one per kSwitchStepWaitUs, letting window events run after each, counted too (the shown
  // position stays the tool's place); then the stop latch is set and the disc painted red.
  // The latch (STOP pressed during the back-off) cuts the back-off short.
  JogStepOutcome Step();

  // Mouse up (taken at the end of a back-off when it comes during one): nothing held any more;
  // each axis's position += its counter / its steps per mm, and the three positions are shown.
  // Returns whether an arrow was held.
  bool Release();

  bool Held() const { return direction_ != JogDirection::kNone; }
  JogDirection Direction() const { return direction_; }
  std::int64_t StepPeriodUs() const { return period_us_; }
  // Steps made since the press, by AxisIndex, signed by direction (back-off steps included).
  const std::array<std::int64_t, 3>& Counters() const { return counters_; }

 private:
  MotionEngine& engine_;
  JogDirection direction_ = JogDirection::kNone;
  std::int64_t period_us_ = 0;
  std::array<std::int64_t, 3> counters_ = {0, 0, 0};
  bool in_backoff_ = false;       // a back-off is letting window events run
  bool release_pending_ = false;  // the arrow was released during it
  bool switch_seen_open_ = false; // the jogged axis's switch has read open since the press
};

}  // namespace pistora
