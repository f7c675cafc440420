#pragma once

#include "core/machine/iso_motion.h"

namespace pistora {

// What the set-up tools (table surfacing, placing the job on the copper plate) need of the
// machine: program-style moves plus the homing cycle. The machine session implements it; tests
// use a recording fake.
class SetupMotion : public IsoMotion {
 public:
  // Machine zero on the limit switches ("Zéro Machine"); ends early when the stop latch is set.
  virtual void HomeMachine() = 0;

  // A move, homing cycle, jog or program run is under way: a set-up step must not start another
  // motion from inside it (the window's events run during moves).
  virtual bool Busy() const = 0;

  // The STOP of a set-up page: sets the stop latch, as the machine window's STOP disc does, and
  // shows it on the machine's displays. "Raz" of a set-up page clears it.
  virtual void LatchStop() = 0;
  virtual void ResetStopLatch() = 0;
};

}  // namespace pistora
