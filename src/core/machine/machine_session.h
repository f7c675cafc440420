#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/machine/engine_iso_motion.h"
#include "core/machine/feed_slider.h"
#include "core/machine/iso_box.h"
#include "core/machine/jogging.h"
#include "core/machine/machine_display.h"
#include "core/machine/motion_engine.h"
#include "core/machine/motion_thread.h"
#include "core/machine/plate_placement.h"
#include "core/machine/port_layer.h"
#include "core/machine/setup_motion.h"

namespace pistora {

class Clock;
class HeightMap;
class Host;
class PortIo;
struct SignalMap;

// The one machine of a run: the port layer, the motion engine, jogging, the program moves
// through the feed slider, and what the windows share about the loaded job. Built once at
// start-up; every window that drives the machine (the machine window, the copper plate window,
// the surfacing page) holds it by reference, so a STOP pressed anywhere latches the same state
// and shows on every display.
//
// Threads: every motion runs as a command of the motion thread (Submit). The SetupMotion calls
// below move the machine on the calling thread and are for code that runs inside a command.
// What the operations show while a command runs on the motion thread is kept (the latest value
// of each display slot) and shown by Poll on the window thread; from any other thread it is
// shown at once.
class MachineSession final : public SetupMotion {
 public:
  // Called with the wiring whenever the parameters change (the simulated machine decodes the
  // data register with it).
  using SignalMapListener = std::function<void(const SignalMap&, std::uint16_t)>;

  // Factory state (position 0, WorkFeed 150, latch clear), feed slider 1 .. 600 at 150, and the
  // port driver started. `host` lets window events run: at each tick of a move in the kInline
  // and kManual modes, during a program's analysis in every mode (a move on the dedicated
  // thread lets nothing run).
  MachineSession(PortIo& port, Clock& clock, Host& host, SignalMapListener signal_map_listener = {},
                 MotionThread::Mode mode = MotionThread::Mode::kInline);
  ~MachineSession() override;
  MachineSession(const MachineSession&) = delete;
  MachineSession& operator=(const MachineSession&) = delete;

  // Where the operations show what they do; null: nowhere (until a window attaches itself).
  void SetDisplay(MachineDisplay* display) { relay_.target = display; }

  // ---- The motion thread -------------------------------------------------------------------
  // Runs `work` as the motion thread's next command, then `done` on the window thread (at the
  // next Poll; in the kInline mode at once). Refused while a command runs or is queued: false,
  // kBusyMessage shown, neither runs.
  bool Submit(std::function<void()> work, std::function<void()> done = {}) override;
  Host& CommandHost() override { return engine_.GetHost(); }
  // What lets window events run during a program's analysis on the window thread.
  Host& AnalysisHost() { return window_host_; }
  // Runs `update` on the window thread: at once from any thread but the motion thread, at the
  // next Poll from there. `slot` >= 0 keeps only the latest update of that slot (a feed label,
  // a progress bar); -1 keeps each one, in order.
  void OnWindowThread(std::function<void()> update, int slot = -1);
  // Slots free for the windows' own updates (the display's are below them).
  static constexpr int kWorkFeedSlot = 100;
  static constexpr int kProgressSlot = 101;
  static constexpr int kFeedLabelSlot = 102;
  // The window thread, 20 times a second or more (and after a command in tests): the latest
  // value of each display slot shown, the tool's place while a move runs, then the finished
  // commands' `done`.
  void Poll();
  // A command is queued or running on the motion thread.
  bool MotionBusy() const;
  bool Threaded() const { return motion_.GetMode() == MotionThread::Mode::kThread; }
  MotionThread& Motion() { return motion_; }
  // Called on the dedicated thread at each tick of a move (benchmarks time the ticks with it).
  // Set it only while no command runs.
  void SetMotionTickProbe(std::function<void()> probe) { motion_host_.probe = std::move(probe); }
  // Where each axis is now (mm), the steps sent so far included: the shown place during a move.
  std::array<double, 3> LivePosition() const;

  // Jogging as a command: the arrow's press; steps paced by JogSchedule on the motion thread
  // until ReleaseJog, STOP or a switch. False (message shown) when refused: a command under
  // way, or no step can be paced.
  bool StartJog(JogDirection direction);
  void ReleaseJog();
  bool JogActive() const;

  // STOP as the disc does it, then, once the running command has returned (at its next tick),
  // every output low (spindle off). Safe shutdown and the interrupt signals use it; the motion
  // thread is left to stop with the session.
  void Halt();

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
  // The driver's message, then the notes, in the chosen language (the notes as far as they are
  // fixed texts or start with one).
  std::string StartupMessage() const;

  // A program is being analysed or run (the machine window says so around it).
  void SetProgramRunning(bool running) { program_running_.store(running); }
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

  // The height map the program runs follow (null: none); set on the window thread, read by a
  // run when it starts.
  void SetHeightMap(std::shared_ptr<const HeightMap> map);
  std::shared_ptr<const HeightMap> AppliedHeightMap() const;
  // Where the job's work zero was placed on the copper plate (mm from the plate's lower-left
  // corner); unset until the copper plate window places it.
  void SetPlateStart(double x, double y) { plate_start_ = {x, y, 0}; }
  std::optional<ToolPosition> PlateStart() const { return plate_start_; }

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
  // Passes the operations' display calls on to the attached display, if any: at once on the
  // window thread, through the slots of OnWindowThread from the motion thread.
  struct DisplayRelay final : MachineDisplay {
    void ShowPositions(const std::string& x, const std::string& y, const std::string& z) override;
    void ShowRealFeed(const std::string& text) override;
    void PaintStopDisc(bool red) override;
    void SetLamp(Lamp lamp, bool on) override;
    void ShowMessage(const std::string& text) override;
    void ShowProgramButtons(const IsoBoxButtons& buttons) override;
    MachineSession* session = nullptr;
    MachineDisplay* target = nullptr;
  };
  // Display slots (the last of them: a lamp, by Lamp).
  enum Slot : int { kPositionsSlot, kRealFeedSlot, kStopDiscSlot, kMessageSlot, kButtonsSlot, kLampSlot };

  // Where the shown positions were last settled, for LivePosition.
  struct PositionBase {
    std::array<double, 3> position_mm = {0, 0, 0};
    std::array<std::int64_t, 3> steps = {0, 0, 0};
    std::array<double, 3> steps_per_mm = {0, 0, 0};
  };
  void SettlePositionBase();
  bool InsideCommand() const;
  void JogLoop();

  DisplayRelay relay_;
  // What a move on the dedicated thread calls at each tick: no window event, an optional probe.
  struct TickProbeHost final : Host {
    void PumpEvents() override {
      if (probe) probe();
    }
    std::function<void()> probe;
  };
  TickProbeHost motion_host_;
  Host& window_host_;
  MachineState state_;
  PortLayer port_layer_;
  MotionEngine engine_;
  Jogger jogger_;
  FeedSlider feed_slider_;
  EngineIsoMotion iso_motion_;
  std::string port_note_;
  std::string timing_note_;
  std::atomic<bool> program_running_{false};
  std::atomic<bool> jog_release_{false};
  std::atomic<bool> jog_active_{false};
  std::atomic<bool> halt_requested_{false};
  mutable std::mutex window_mutex_;  // guards the three below
  std::map<int, std::function<void()>> latest_updates_;
  std::vector<std::function<void()>> queued_updates_;
  PositionBase position_base_;
  double extent_x_ = 0;
  double extent_y_ = 0;
  int copies_x_ = 1;
  int copies_y_ = 1;
  IsoBoxButtons buttons_;
  mutable std::mutex height_map_mutex_;
  std::shared_ptr<const HeightMap> height_map_;
  std::optional<ToolPosition> plate_start_;
  MotionThread motion_;  // last: stopped and joined before anything it uses goes
};

}  // namespace pistora
