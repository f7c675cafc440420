#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/host/host.h"
#include "core/machine/setup_motion.h"
#include "core/machine/surfacing.h"
#include "core/text/status.h"

namespace pistora {

// The six surfacing boxes of the page, in cn.dat order, as typed.
enum SurfacingBox { kOffsetX, kOffsetY, kSizeX, kSizeY, kPassDepth, kStepOver, kSurfacingBoxCount };
using SurfacingTexts = std::array<std::string, kSurfacingBoxCount>;

// The values of the six boxes: where the surfacing origin lies from the machine's home, and the
// pattern run from there.
struct SurfacingValues {
  double offset_x = 17.25;
  double offset_y = 12.25;
  SurfacingPattern pattern;
};

// Converts the six texts with "." as the decimal separator whatever the region (the form cn.dat
// keeps them in). A text that is not a number (empty, "12,5", "3mm") is refused with a message
// naming its box rather than read as some arbitrary value: the machine never moves on garbage.
Status ReadSurfacingValues(const SurfacingTexts& texts, SurfacingValues* values);

// The page's steps. Each one does nothing and says why when its button is not enabled in the
// page's state, while another step of the page is under way, while the machine is busy (a move,
// homing cycle, jog or program is under way: window events run inside moves, so a second click
// could start a motion inside another one), and, for the steps that move, while STOP is latched.
// On success the page moves to its next state.

// Called with a step's outcome when its motion ended after the step's call had returned (the
// motion ran on the motion thread); the window shows it then.
using StepFinished = std::function<void(const Status&)>;

// Each step that moves returns its outcome when its motion ended within the call; otherwise Ok,
// the page's step stays under way (SurfacingPage::StepUnderWay) until `on_finished` gets it.

// "Réglage zéro Table": values checked first, then machine zero, a move to the surfacing origin
// (offset X, offset Y, 0) and that point made the X-Y work zero. STOP cuts homing and move short,
// yet the position reached is still zeroed and the Z setting entered; "Raz" starts again.
Status SetTableZero(SurfacingPage& page, SetupMotion& motion, const SurfacingTexts& texts,
                    const StepFinished& on_finished = {});

// "Aller à": the approach move (0, 0, z) of the Z setting, z typed in the Z target box and read
// as the machine window's own target boxes are (the regional separator, "." as well). A text that is
// not a number is refused with a message quoting it, and nothing moves.
Status ApproachTable(SurfacingPage& page, SetupMotion& motion, std::string_view z_text,
                     char regional_separator, const StepFinished& on_finished = {});

// "Validation réglage des z": the tool's height becomes Z 0 (the table surface).
Status ValidateTableHeight(SurfacingPage& page, SetupMotion& motion, const StepFinished& on_finished = {});

// "Démarrer le surfacage": the page goes to Running (its start button off at once), the values are
// read and the pattern run (RunSurfacing); the page ends Done, finished or stopped. Values that are
// not numbers or a pattern RunSurfacing refuses bring the page back to Ready without any motion, so
// that the user can correct the box and start again. `on_started` runs once the page is Running,
// before anything moves (the window shows its buttons disabled there).
Status StartSurfacing(SurfacingPage& page, SetupMotion& motion, Host& host,
                      const SurfacingTexts& texts, const std::function<void()>& on_started = {},
                      const StepFinished& on_finished = {});

}  // namespace pistora
