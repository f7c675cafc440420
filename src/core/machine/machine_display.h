#pragma once

#include <string>

#include "core/machine/iso_box.h"

namespace pistora {

// The lamps of the "Etat machine" box, top to bottom.
enum class Lamp { LimitX, LimitY, LimitZ, Probe, EStop };

// What the machine operations show. The machine window implements it with its labels, lamps,
// STOP disc and buttons; headless runs use the do-nothing base, tests record the calls.
class MachineDisplay {
 public:
  virtual ~MachineDisplay() = default;

  // The three position labels, already formatted ("9.998"); repainted at once.
  virtual void ShowPositions(const std::string& /*x*/, const std::string& /*y*/,
                             const std::string& /*z*/) {}

  // The "Avance Réelle" label (mm/min, an integer).
  virtual void ShowRealFeed(const std::string& /*text*/) {}

  // The STOP disc: red while the stop latch holds, yellow after "Raz".
  virtual void PaintStopDisc(bool /*red*/) {}

  virtual void SetLamp(Lamp /*lamp*/, bool /*on*/) {}

  // The "Message machine" line.
  virtual void ShowMessage(const std::string& /*text*/) {}

  // The enabled states of the "Code ISO" buttons, after another window changed them (the job
  // placed on the plate).
  virtual void ShowProgramButtons(const IsoBoxButtons& /*buttons*/) {}
};

}  // namespace pistora
