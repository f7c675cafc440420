#pragma once

#include "core/host/host.h"
#include "core/machine/iso_motion.h"
#include "core/text/status.h"

namespace pistora {

// The zig-zag that mills the machine table flat, in mm from the surfacing origin.
struct SurfacingPattern {
  double size_x = 200.5;     // SurfaceSizeX: length of each pass along X
  double size_y = 150.5;     // SurfaceSizeY: extent of the passes along Y
  double pass_depth = 0.4;   // SurfacePassDepth: cut below the declared table height
  double step_over = 1;      // SurfaceStepOver: Y distance between two passes
};

// More passes than this are taken for a typing slip (a step-over of a few micrometres on a
// table of metres) rather than a job.
inline constexpr double kMaxSurfacingPasses = 1000000;

// Ok, or why the pattern cannot be run: a value that is not a number, or a step-over that is not
// positive (y would never advance and the passes would repeat along one line for ever) or so
// small that the run would not end.
Status CheckSurfacingPattern(const SurfacingPattern& pattern);

enum class SurfacingOutcome {
  kDone,     // every pass and the return to the origin were run
  kStopped,  // the stop latch ended the passes; the return was made (and cut short by the latch)
  kRefused,  // CheckSurfacingPattern failed: nothing moved
};

// "Démarrer le surfacage": plunge to (0, 0, −depth) and make that height Z 0; then passes along X
// at y = 0, step-over, ... alternating outward (to size X) and back (to 0) while y < size Y and
// the latch is clear; each pass ends with a step-over along Y, the last one clamped to size Y;
// finally a straight return to (0, 0, 0). Lets window events run before each pass.
SurfacingOutcome RunSurfacing(const SurfacingPattern& pattern, IsoMotion& motion, Host& host,
                              Status* status = nullptr);

// The steps of the surfacing page, which enable its buttons.
enum class SurfacingState {
  kIdle,      // "Réglage zéro Table" to start
  kZSetting,  // the tool is brought down to the table by hand
  kReady,     // the table height is Z 0; "Démarrer le surfacage" to run
  kRunning,
  kDone,      // after a run, finished or stopped; "Raz" to start again
};

// Enabled state of the page's step controls.
struct SurfacingControls {
  bool table_zero = false;  // "Réglage zéro Table"
  bool z_target = false;    // Z target of the approach
  bool approach = false;    // "Aller à" (approach in Z)
  bool jog_up = false;      // jog Z up
  bool jog_down = false;    // jog Z down
  bool validate_z = false;  // "Validation réglage des z"
  bool start_run = false;   // "Démarrer le surfacage"
  friend bool operator==(const SurfacingControls&, const SurfacingControls&) = default;
};

// The page's sequence. Each step returns false, changing nothing, when its button is not
// enabled in the current state. "Raz" and the STOP disc are available in every state.
class SurfacingPage {
 public:
  SurfacingState State() const { return state_; }
  SurfacingControls Controls() const { return controls_; }

  bool SetTableZero();  // "Réglage zéro Table": Idle → Z setting (even when stopped during it)
  bool ValidateZ();     // "Validation réglage des z": Z setting → Ready
  bool StartRun();      // "Démarrer le surfacage": Ready → Running
  void FinishRun();     // the run returned (finished or stopped): Running → Done
  void CancelRun();     // the run was refused before any motion: Running → Ready, start enabled
  void Reset();         // "Raz": any state → Idle; the jog buttons keep their enabled state

  // A step's motion is under way. Window events run inside it and "Raz" may re-enable a button
  // meanwhile, so no other step may start until it returns (kept across Reset).
  bool StepUnderWay() const { return step_under_way_; }
  void SetStepUnderWay(bool on) { step_under_way_ = on; }

 private:
  SurfacingState state_ = SurfacingState::kIdle;
  bool step_under_way_ = false;
  SurfacingControls controls_{.table_zero = true};
};

}  // namespace pistora
