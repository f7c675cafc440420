#include "core/machine/machine_session.h"

#include <algorithm>

#include "core/machine/homing.h"
#include "core/machine/iso_program.h"
#include "core/machine/machine_message.h"
#include "core/text/message_translation.h"
#include "core/text/numbers.h"

namespace pistora {

namespace {

// The session whose command runs on this thread (the motion thread, or the caller of an inline
// command): a SetupMotion call from inside a command must not count its own command as busy.
thread_local const MachineSession* t_running_session = nullptr;

// A jog waits for its next step in slices this long (µs), so that the arrow's release and STOP
// act within one slice even at the slowest feed.
constexpr std::int64_t kJogSliceUs = 1000;

}  // namespace

MachineSession::MachineSession(PortIo& port, Clock& clock, Host& host, SignalMapListener signal_map_listener,
                               MotionThread::Mode mode)
    : window_host_(host),
      port_layer_(port, clock, relay_),
      engine_(state_, port_layer_, clock, mode == MotionThread::Mode::kThread ? motion_host_ : host, relay_),
      jogger_(engine_),
      iso_motion_(engine_, feed_slider_),
      motion_(mode) {
  relay_.session = this;
  if (signal_map_listener) port_layer_.SetSignalMapListener(std::move(signal_map_listener));
  engine_.ApplyParameters(state_.Parameters);
  feed_slider_.SetMaximum(600);
  feed_slider_.SetPosition(150);
  port_layer_.StartPortDriver();
  SettlePositionBase();
}

MachineSession::~MachineSession() {
  // A command still running ends at its next tick; nothing is left driven once it has.
  if (motion_.Busy()) state_.StopFlag = true;
  jog_release_ = true;
  motion_.Shutdown();
  port_layer_.ResetOutputs();
  port_layer_.StopPortDriver();
}

// ---- The motion thread -----------------------------------------------------------------------

bool MachineSession::InsideCommand() const { return t_running_session == this; }

bool MachineSession::MotionBusy() const {
  // Outside the dedicated thread's mode a move may also come from the window's own jog steps.
  return motion_.Busy() || (!Threaded() && engine_.Busy());
}

bool MachineSession::Submit(std::function<void()> work, std::function<void()> done) {
  if (MotionBusy()) {
    relay_.ShowMessage(kBusyMessage);
    return false;
  }
  motion_.Post([this, work = std::move(work), done = std::move(done)]() mutable {
    const MachineSession* outer = t_running_session;
    t_running_session = this;
    if (work) work();
    t_running_session = outer;
    // A halt asked from inside the command (an inline one): outputs low once it has returned,
    // so that no later step of it drives a direction output again.
    if (halt_requested_.exchange(false)) port_layer_.ResetOutputs();
    if (done) OnWindowThread(std::move(done));
  });
  return true;
}

void MachineSession::OnWindowThread(std::function<void()> update, int slot) {
  if (!motion_.OnMotionThread()) {
    update();
    return;
  }
  std::lock_guard<std::mutex> lock(window_mutex_);
  if (slot >= 0) {
    latest_updates_[slot] = std::move(update);
  } else {
    queued_updates_.push_back(std::move(update));
  }
}

void MachineSession::Poll() {
  std::map<int, std::function<void()>> latest;
  std::vector<std::function<void()>> queued;
  {
    std::lock_guard<std::mutex> lock(window_mutex_);
    latest.swap(latest_updates_);
    queued.swap(queued_updates_);
  }
  // The settled positions of a command that has just ended come after, in `latest`.
  if (MotionBusy() && relay_.target) {
    const std::array<double, 3> live = LivePosition();
    relay_.target->ShowPositions(FormatFixed(live[0], 3), FormatFixed(live[1], 3), FormatFixed(live[2], 3));
  }
  for (auto& [slot, update] : latest) update();
  for (auto& update : queued) update();
}

void MachineSession::SettlePositionBase() {
  PositionBase base;
  base.position_mm = state_.Position;
  const MachineParameters& p = state_.Parameters;
  base.steps_per_mm = {p.StepsPerMmX, p.StepsPerMmY, p.StepsPerMmZ};
  for (Axis axis : kAxes) base.steps[AxisIndex(axis)] = port_layer_.StepCount(axis);
  std::lock_guard<std::mutex> lock(window_mutex_);
  position_base_ = base;
}

std::array<double, 3> MachineSession::LivePosition() const {
  PositionBase base;
  {
    std::lock_guard<std::mutex> lock(window_mutex_);
    base = position_base_;
  }
  std::array<double, 3> live = base.position_mm;
  for (Axis axis : kAxes) {
    const int i = AxisIndex(axis);
    const std::int64_t steps = port_layer_.StepCount(axis) - base.steps[i];
    if (steps != 0 && base.steps_per_mm[i] > 0) live[i] += static_cast<double>(steps) / base.steps_per_mm[i];
  }
  return live;
}

void MachineSession::DisplayRelay::ShowPositions(const std::string& x, const std::string& y, const std::string& z) {
  session->SettlePositionBase();
  session->OnWindowThread([this, x, y, z] { if (target) target->ShowPositions(x, y, z); }, kPositionsSlot);
}

void MachineSession::DisplayRelay::ShowRealFeed(const std::string& text) {
  session->OnWindowThread([this, text] { if (target) target->ShowRealFeed(text); }, kRealFeedSlot);
}

void MachineSession::DisplayRelay::PaintStopDisc(bool red) {
  session->OnWindowThread([this, red] { if (target) target->PaintStopDisc(red); }, kStopDiscSlot);
}

void MachineSession::DisplayRelay::SetLamp(Lamp lamp, bool on) {
  session->OnWindowThread([this, lamp, on] { if (target) target->SetLamp(lamp, on); },
                          kLampSlot + static_cast<int>(lamp));
}

void MachineSession::DisplayRelay::ShowMessage(const std::string& text) {
  session->OnWindowThread([this, text] { if (target) target->ShowMessage(text); }, kMessageSlot);
}

void MachineSession::DisplayRelay::ShowProgramButtons(const IsoBoxButtons& buttons) {
  session->OnWindowThread([this, buttons] { if (target) target->ShowProgramButtons(buttons); }, kButtonsSlot);
}

bool MachineSession::StartJog(JogDirection direction) {
  if (MotionBusy()) {
    relay_.ShowMessage(kBusyMessage);
    return false;
  }
  if (!jogger_.Press(direction)) {
    if (state_.WorkFeed <= 0) relay_.ShowMessage(kNoFeedMessage);
    return false;
  }
  jog_release_ = false;
  jog_active_ = true;
  return Submit([this] { JogLoop(); });
}

void MachineSession::ReleaseJog() { jog_release_ = true; }

bool MachineSession::JogActive() const { return jog_active_ || (!Threaded() && jogger_.Held()); }

void MachineSession::JogLoop() {
  Clock& clock = engine_.GetClock();
  Host& host = engine_.GetHost();
  SteadyTimingScope steady(clock);
  JogSchedule schedule(jogger_.StepPeriodUs());
  std::int64_t due = clock.NowMicros();
  schedule.Start(due);
  while (true) {
    while (true) {
      host.PumpEvents();
      if (jog_release_ || state_.StopFlag) break;
      const std::int64_t now = clock.NowMicros();
      if (now >= due) break;
      clock.SleepUntilMicros(std::min(due, now + kJogSliceUs));
    }
    if (jog_release_ || state_.StopFlag) break;
    if (jogger_.Step() != JogStepOutcome::kStepped) break;
    due = schedule.Next(clock.NowMicros());
  }
  jogger_.Release();
  jog_active_ = false;
}

void MachineSession::Halt() {
  LatchStop();
  jog_release_ = true;
  if (InsideCommand()) {
    halt_requested_ = true;  // the command ends at its next tick; the wrapper sets the outputs low
    return;
  }
  motion_.WaitIdle();
  port_layer_.ResetOutputs();
}

void MachineSession::SetStartupNotes(const std::string& port_note, const std::string& timing_note) {
  port_note_ = port_note;
  timing_note_ = timing_note;
}

std::string MachineSession::StartupMessage() const {
  std::string message = Tr(port_layer_.DriverMessage());
  for (const std::string* note : {&port_note_, &timing_note_}) {
    if (!note->empty()) message += " " + TranslatedMachineMessage(*note);
  }
  return message;
}

void MachineSession::SetJobExtent(double x, double y) {
  extent_x_ = x;
  extent_y_ = y;
}

void MachineSession::SetCopies(int x, int y) {
  copies_x_ = x;
  copies_y_ = y;
}

JobSize MachineSession::RepetitionTotal() const {
  const double gap = state_.Parameters.CopyGap;
  return {pistora::RepetitionTotal(copies_x_, extent_x_, gap), pistora::RepetitionTotal(copies_y_, extent_y_, gap)};
}

void MachineSession::SetHeightMap(std::shared_ptr<const HeightMap> map) {
  const std::lock_guard<std::mutex> lock(height_map_mutex_);
  height_map_ = std::move(map);
}

std::shared_ptr<const HeightMap> MachineSession::AppliedHeightMap() const {
  const std::lock_guard<std::mutex> lock(height_map_mutex_);
  return height_map_;
}

void MachineSession::PlacementDone() {
  OnPlacementDone(buttons_);
  relay_.ShowProgramButtons(buttons_);
}

void MachineSession::MoveTo(double x, double y, double z) { engine_.MoveTo(x, y, z); }
ToolPosition MachineSession::CurrentPosition() const { return iso_motion_.CurrentPosition(); }
void MachineSession::ZeroAxisX() { ZeroAxis(engine_, Axis::X); }
void MachineSession::ZeroAxisY() { ZeroAxis(engine_, Axis::Y); }
void MachineSession::ZeroAxisZ() { ZeroAxis(engine_, Axis::Z); }
void MachineSession::SetFeedFromProgram(int feed) { iso_motion_.SetFeedFromProgram(feed); }
bool MachineSession::StopLatched() const { return state_.StopFlag; }
void MachineSession::HomeMachine() { pistora::HomeMachine(engine_); }
bool MachineSession::Busy() const {
  if (program_running_) return true;
  return InsideCommand() ? engine_.Busy() : MotionBusy();
}

void MachineSession::LatchStop() { engine_.Alarm(kStopPressedMessage); }

void MachineSession::ResetStopLatch() {
  relay_.PaintStopDisc(false);
  state_.StopFlag = false;
  engine_.ClearStopReason();
}

}  // namespace pistora
