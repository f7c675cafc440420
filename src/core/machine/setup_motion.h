#pragma once

#include <functional>

#include "core/host/host.h"
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

  // Runs `work` (a step's motion) as a command of the machine's motion thread, then `done` on
  // the window thread once it has returned. False when refused (another command is under way):
  // neither runs. This default runs both at once, before returning.
  virtual bool Submit(std::function<void()> work, std::function<void()> done = {}) {
    if (work) work();
    if (done) done();
    return true;
  }

  // What a command's long loop pumps between its moves: nothing on a motion thread of its own.
  virtual Host& CommandHost() {
    static NullHost none;
    return none;
  }
};

}  // namespace pistora
