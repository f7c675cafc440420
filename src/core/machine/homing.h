#pragma once

#include <array>
#include <cstdint>

#include "core/machine/motion_engine.h"

namespace pistora {

// Pace of the homing seek and of every limit back-off: one step per 753 µs plus the pulse
// (about 550 mm/min at 133.3333 steps/mm with a 60 µs pulse), whatever the work feed.
inline constexpr std::int64_t kSwitchStepWaitUs = 753;

enum class HomingOutcome {
  kCompleted,  // every wired axis found its switch, backed off and was zeroed
  kStopped,    // the stop latch ended a seek or a back-off; the axes met were still zeroed
  kRefused,    // another motion was under way, or no switch is wired: nothing done (message shown)
};

struct HomingResult {
  HomingOutcome outcome = HomingOutcome::kCompleted;
  std::array<std::int64_t, 3> seek_steps = {0, 0, 0};     // by AxisIndex, towards the switch
  std::array<std::int64_t, 3> backoff_steps = {0, 0, 0};  // by AxisIndex, away from it
  std::array<bool, 3> homed = {false, false, false};      // the axis was wired and zeroed
};

// Machine zero on the limit switches ("Zéro Machine"), axis by axis in the order Z, X, Y. An
// axis whose limit input is not wired is skipped entirely (no motion, position unchanged).
// For a wired axis: seek towards its switch (Z up, X and Y down) one step per
// kSwitchStepWaitUs, letting window events run after each step, until the switch (or the
// emergency stop) is active or the stop latch is set; no step is made while the latch holds,
// but the axis is still zeroed where it stands. Then,
// unless the latch is set, back off round(LimitBackOffMm × steps/mm) steps the other way at the
// same pace (the latch cuts it short); then the axis's position is 0, shown as "0.000".
//
// A seek that never meets its switch would run for ever on a broken wire: after
// kMaxSeekTravelMm of travel the stop latch is set and the cycle ends.
inline constexpr double kMaxSeekTravelMm = 2000;
// With no limit switch wired nothing moves and the message line says why.
inline constexpr const char* kNoHomingSwitchMessage =
    "Zéro Machine impossible : aucune butée n'est câblée (paramètres du port). Rien n'a bougé.";
inline constexpr const char* kSeekGaveUpMessage = "Zéro Machine : butée non trouvée, machine arrêtée : axe ";
HomingResult HomeMachine(MotionEngine& engine);

// The axis's steps per mm.
double StepsPerMm(const MachineParameters& parameters, Axis axis);
// Steps of a limit back-off: round(LimitBackOffMm × the axis's steps/mm); 0 without a usable scale.
std::int64_t LimitBackOffSteps(const MachineParameters& parameters, Axis axis);

// Makes the axis's current position 0 and shows the three positions ("RAZ").
void ZeroAxis(MotionEngine& engine, Axis axis);
inline void ZeroAxisX(MotionEngine& engine) { ZeroAxis(engine, Axis::X); }
inline void ZeroAxisY(MotionEngine& engine) { ZeroAxis(engine, Axis::Y); }
inline void ZeroAxisZ(MotionEngine& engine) { ZeroAxis(engine, Axis::Z); }

}  // namespace pistora
