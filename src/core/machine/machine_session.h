#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/machine/engine_iso_motion.h"
#include "core/machine/feed_slider.h"
#include "core/machine/iso_box.h"
#include "core/machine/jogging.h"
#include "core/machine/machine_display.h"
#include "core/machine/motion_engine.h"
#include "core/machine/plate_placement.h"
#include "core/machine/port_layer.h"
#include "core/machine/setup_motion.h"

namespace pistora {

class Clock;
class Host;
class PortIo;
struct SignalMap;

// The one machine of a run: the port layer, the motion engine, jogging, the program moves
// through the feed slider, and what the windows share about the loaded job. Built once at
// start-up; every window that drives the machine (the machine window, the copper plate window,
// the surfacing page) holds it by reference, so a STOP pressed anywhere latches the same state
// and shows on every display.
class MachineSession final : public SetupMotion {
 public:
  // Called with the wiring whenever the parameters change (the simulated machine decodes the
  // data register with it).
  using SignalMapListener = std::function<void(const SignalMap&, std::uint16_t)>;

  // Factory state (position 0, WorkFeed 150, latch clear), feed slider 1 .. 600 at 150, and the
  // port driver started. `host` lets window events run at each tick of a move.
  MachineSession(PortIo& port, Clock& clock, Host& host, SignalMapListener signal_map_listener = {});
  ~MachineSession() override;
  MachineSession(const MachineSession&) = delete;
  MachineSession& operator=(const MachineSession&) = delete;

  // Where the operations show what they do; null: nowhere (until a window attaches itself).
  void SetDisplay(MachineDisplay* display) { relay_.target = display; }

  MachineState& State() { return state_; }
  const MachineState& State() const { return state_; }
  MotionEngine& Engine() { return engine_; }
  PortLayer& Port() { return port_layer_; }
  Jogger& Jog() { return jogger_; }
  const Jogger& Jog() const { return jogger_; }
  FeedSlider& Feed() { return feed_slider_; }
  // Moves as a program run makes them (feed words through the feed slider).
  EngineIsoMotion& ProgramMotion() { return iso_motion_; }

  // The port choice and the real-time scheduling, for the message line (empty: nothing to say).
  void SetStartupNotes(const std::string& port_note, const std::string& timing_note);
  // The driver's message, then the notes.
  std::string StartupMessage() const;

  // A program is being analysed or run (the machine window says so around it).
  void SetProgramRunning(bool running) { program_running_ = running; }
  bool ProgramRunning() const { return program_running_; }

  // ---- The loaded job ------------------------------------------------------------------------
  // The engraving program's extent (mm) and the copies on X and Y (1 .. 100).
  void SetJobExtent(double x, double y);
  void SetCopies(int x, int y);
  int CopiesX() const { return copies_x_; }
  int CopiesY() const { return copies_y_; }
  double ExtentX() const { return extent_x_; }
  double ExtentY() const { return extent_y_; }
  // The copies with the gap between them (mm), as the repetition totals show them.
  JobSize RepetitionTotal() const;

  // The "Code ISO" buttons' states.
  IsoBoxButtons& ProgramButtons() { return buttons_; }
  // The work has been placed on the plate: "Valide &Réglage niveau Z" enabled, the placement
  // disabled, and the display told.
  void PlacementDone();

  // ---- SetupMotion ---------------------------------------------------------------------------
  void MoveTo(double x, double y, double z) override;
  ToolPosition CurrentPosition() const override;
  // That axis's position becomes 0, shown "0.000" ("RAZ").
  void ZeroAxisX() override;
  void ZeroAxisY() override;
  void ZeroAxisZ() override;
  void SetFeedFromProgram(int feed) override;
  bool StopLatched() const override;
  void HomeMachine() override;
  bool Busy() const override;
  // STOP: the latch set, the disc red, the message line saying so. "Raz": the latch and its
  // reason cleared, the disc's ring yellow.
  void LatchStop() override;
  void ResetStopLatch() override;

 private:
  // Passes the operations' display calls on to the attached display, if any.
  struct DisplayRelay final : MachineDisplay {
    void ShowPositions(const std::string& x, const std::string& y, const std::string& z) override {
      if (target) target->ShowPositions(x, y, z);
    }
    void ShowRealFeed(const std::string& text) override {
      if (target) target->ShowRealFeed(text);
    }
    void PaintStopDisc(bool red) override {
      if (target) target->PaintStopDisc(red);
    }
    void SetLamp(Lamp lamp, bool on) override {
      if (target) target->SetLamp(lamp, on);
    }
    void ShowMessage(const std::string& text) override {
      if (target) target->ShowMessage(text);
    }
    void ShowProgramButtons(const IsoBoxButtons& buttons) override {
      if (target) target->ShowProgramButtons(buttons);
    }
    MachineDisplay* target = nullptr;
  };

  DisplayRelay relay_;
  MachineState state_;
  PortLayer port_layer_;
  MotionEngine engine_;
  Jogger jogger_;
  FeedSlider feed_slider_;
  EngineIsoMotion iso_motion_;
  std::string startup_notes_;
  bool program_running_ = false;
  double extent_x_ = 0;
  double extent_y_ = 0;
  int copies_x_ = 1;
  int copies_y_ = 1;
  IsoBoxButtons buttons_;
};

}  // namespace pistora
