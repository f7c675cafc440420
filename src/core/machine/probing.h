#pragma once

#include <cstdint>
#include <string>

#include "core/machine/motion_engine.h"

namespace pistora {

// How the tool probes the copper (the per-user "palpeur" settings).
struct ProbeSettings {
  double feed = 30;             // mm/min, the descent toward the copper
  double max_travel = 5;        // mm of descent without contact before the alarm
  double plate_thickness = 0;   // mm, the touch plate laid on the copper for the touch-off
  double clearance = 2;         // mm above the work zero between the points of a height map
};

enum class ProbeOutcome {
  kContact,    // the probe closed: the contact Z recorded, the tool back at its start height
  kNoContact,  // the maximum travel ran out: alarm, latched until "Raz"
  kStopped,    // STOP, the emergency stop, a switch or a lost port latched the stop
  kRefused,    // nothing moved (message shown): no probe wired, probe already closed, bad setting
};

struct ProbeResult {
  ProbeOutcome outcome = ProbeOutcome::kRefused;
  double contact_z = 0;    // mm from the work zero: the middle of the step that closed the probe
  std::int64_t steps = 0;  // Z steps of the descent
};

inline constexpr const char* kProbeNotWiredMessage =
    "Palpeur outil non câblé (paramètres du port) : palpage impossible. Rien n'a bougé.";
inline constexpr const char* kProbeClosedMessage =
    "Palpeur déjà en contact avant la descente (pince posée sur l'outil ? câble en court-circuit ?). "
    "Rien n'a bougé.";
inline constexpr const char* kProbeSettingMessage =
    "Palpage impossible : avance de palpage et course maximale doivent être positives, pas Z réglé.";

// Z goes down at the probing feed, one status read a tick, until the probe input closes; it stops
// at that tick, records Z and lifts back to its start height at the work feed. No contact within
// the maximum travel sets the stop latch (an alarm, until "Raz") and leaves the tool there. STOP,
// the emergency stop, the Z switch and a lost port stop it as they stop any move.
ProbeResult ProbeDown(MotionEngine& engine, const ProbeSettings& settings);

// "Palper Z": ProbeDown, then Z 0 is made the copper under the touch plate (the contact is at
// Z = plate thickness). The result's contact_z is in the new frame.
ProbeResult TouchOffZ(MotionEngine& engine, const ProbeSettings& settings);

}  // namespace pistora
