#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "core/host/clock.h"
#include "core/host/host.h"
#include "core/machine/machine_display.h"
#include "core/machine/port_layer.h"
#include "core/machine/signal_map.h"
#include "core/settings/machine_parameters.h"

namespace pistora {

// The machine window's state, shared by moves, jogging, homing and program runs. The motion
// thread owns it while a command runs; the stop latch and the work feed are also written from
// the window thread during a move, so they are atomic (lock-free: STOP never waits).
struct MachineState {
  std::array<double, 3> Position = {0, 0, 0};  // mm from the work zero, by AxisIndex
  // Counts the work zero's changes (an axis made 0, homing): a stopped run resumes only on
  // the work zero it stopped on.
  std::atomic<std::uint64_t> WorkZeroEpoch{0};
  std::atomic<std::int32_t> WorkFeed{150};     // mm/min, the slider's factory position
  std::atomic<bool> StopFlag{false};           // the stop latch; only "Raz" clears it
  double LastMoveLength = 0;                   // mm, commanded length of the last move
  std::int64_t MoveStartMs = 0;                // clock milliseconds around the last move
  std::int64_t MoveEndMs = 0;
  MachineParameters Parameters;                // the window's copy of cn.dat
  std::string StopReason;                      // why the latch was set; through MotionEngine only
  // The side of each axis's limit switch (+1 / -1), learnt when the switch closed while the
  // axis moved or homed; 0 until then, when the homing side is assumed (X-, Y-, Z+).
  std::array<int, 3> LimitSide = {0, 0, 0};
};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<std::int32_t>::is_always_lock_free);

// One axis of a planned move.
struct AxisPlan {
  double delta_mm = 0;
  std::int64_t steps_signed = 0;  // round(delta x steps/mm), halves to even
  std::int64_t steps = 0;         // |steps_signed|
  double period_us = 0;           // duration / steps (0 without steps)
  std::int64_t period = 0;        // period_us rounded, halves to even
  bool positive = true;           // direction: a zero delta counts as positive
};

// A straight move: all axes share one duration, so they start and end together.
struct MovePlan {
  std::array<AxisPlan, 3> axis;  // by AxisIndex
  double length_mm = 0;
  double duration_s = 0;         // length x 60 / WorkFeed
};

// The numbers of a move from `from` to `to` at `work_feed` (> 0) mm/min. An axis whose
// scale is not a positive number makes no step.
MovePlan PlanMove(const std::array<double, 3>& from, const std::array<double, 3>& to,
                  std::int32_t work_feed, const std::array<double, 3>& steps_per_mm);

enum class MoveOutcome {
  Completed,  // every step made
  Stopped,    // cut short, or not started, by the stop latch
  Refused,    // not started: no feed or a target that is not a number (message shown)
};

inline constexpr const char* kNoFeedMessage =
    "Avance de travail nulle ou négative : aucun déplacement n'est possible.";
inline constexpr const char* kLimitStopMessage = "Butée atteinte, machine arrêtée : axe ";
inline constexpr const char* kEStopStopMessage = "Arrêt d'urgence actif, machine arrêtée.";
inline constexpr const char* kPortLostMessage = "Port parallèle perdu, machine arrêtée : ";
inline constexpr const char* kBusyMessage =
    "La machine est déjà en mouvement : attendre la fin du déplacement (ou STOP).";
inline constexpr const char* kBadTargetMessage =
    "Coordonnées de destination invalides : déplacement annulé.";
inline constexpr const char* kStopPressedMessage = "STOP appuyé : machine arrêtée. « Raz » pour repartir.";
// Followed by the axis letter.
inline constexpr const char* kTowardLimitMessage =
    "Butée active, déplacement vers la butée refusé (s'en éloigner d'abord) : axe ";

// The motion operations of the machine window. Step pulses are paced on 50 µs ticks; each tick
// lets pending events run through the host, so the STOP disc acts inside a move.

// The shortest move whose real feed is shown (ms): below it the clock's millisecond cannot
// give the feed within 1 %.
inline constexpr std::int64_t kMinMeasuredMoveMs = 200;
class MotionEngine {
 public:
  static constexpr std::int64_t kTickUs = 50;

  MotionEngine(MachineState& state, PortLayer& port, Clock& clock, Host& host,
               MachineDisplay& display);

  // Makes `parameters` the machine's (state and port layer).
  void ApplyParameters(const MachineParameters& parameters);

  // Moves in a straight line to the absolute target (mm) at WorkFeed. Returns when done or cut
  // short by the stop latch (the STOP disc, a limit switch, the emergency stop, a port that
  // stopped answering). Every wired switch and the emergency stop are read at every tick,
  // whatever axis moves. A switch already closed when the move starts is left out until it
  // opens, unless the move drives its axis toward it: that move is refused. The position
  // afterwards is where the tool really is: the steps actually made, over the axis's scale.
  MoveOutcome MoveTo(double x, double y, double z);

  // Whether a move, homing cycle or jog step is under way. Moves let window events run, so a
  // handler could start a second motion inside the first one, which would change the direction
  // outputs under the running move: MoveTo refuses to start then (Refused, message shown), and
  // homing and jogging do the same.
  bool Busy() const { return busy_ > 0; }
  class BusyScope {
   public:
    explicit BusyScope(MotionEngine& engine) : engine_(engine) { ++engine_.busy_; }
    ~BusyScope() { --engine_.busy_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

   private:
    MotionEngine& engine_;
  };

  // Steps made by the last MoveTo, signed by direction.
  const std::array<std::int64_t, 3>& LastMoveSteps() const { return last_steps_; }

  // Sets the stop latch as STOP does, with its reason on the message line and kept in
  // StopReason until "Raz".
  // Why the latch was set; read and cleared from any thread ("Raz" on the window thread, the
  // reason written by the motion thread), so under a lock.
  std::string StopReason() const;
  void ClearStopReason();
  void Alarm(const std::string& reason);
  // The message of the last move MoveTo refused ("" when the last move was not refused).
  const std::string& LastRefusal() const { return last_refusal_; }

  // Shows the three positions with three decimals.
  void ShowPositions();

  MachineState& State() { return state_; }
  PortLayer& Port() { return port_; }
  Clock& GetClock() { return clock_; }
  Host& GetHost() { return host_; }
  MachineDisplay& Display() { return display_; }

 private:
  mutable std::mutex reason_mutex_;  // guards state_.StopReason
  MachineState& state_;
  PortLayer& port_;
  Clock& clock_;
  Host& host_;
  MachineDisplay& display_;
  MoveOutcome Refuse(const std::string& message);

  std::array<std::int64_t, 3> last_steps_ = {0, 0, 0};
  std::string last_refusal_;
  int busy_ = 0;
};

}  // namespace pistora
