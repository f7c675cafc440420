#pragma once

// The machine session and the machine window over a simulated machine and a virtual clock, for
// the tests of the windows that drive the machine.
#include <QDir>
#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

#include "core/settings/machine_parameters.h"
#include "core/machine/machine_session.h"
#include "gui/machine/machine_io.h"
#include "gui/machine/machine_window.h"
#include "hw/simulated_machine.h"
#include "hw/virtual_clock.h"

namespace pistora {

// cn.dat in `folder`: X, Y and Z step and direction on D0 to D5, a 49 µs tick, then `lines`
// (e.g. {CnLine::LimitXInput, "1"} wires the X switch). False when it cannot be written.
inline bool WriteSimulatedCnDat(const QString& folder,
                                std::initializer_list<std::pair<CnLine, const char*>> lines = {}) {
  MachineParameterFile file;
  file.SetText(CnLine::StepXOutput, "1");
  file.SetText(CnLine::DirXOutput, "2");
  file.SetText(CnLine::StepYOutput, "3");
  file.SetText(CnLine::DirYOutput, "4");
  file.SetText(CnLine::StepZOutput, "5");
  file.SetText(CnLine::DirZOutput, "6");
  file.SetText(CnLine::TickWaitUs, "49");
  for (const auto& [line, text] : lines) file.SetText(line, text);
  return SaveMachineParameters(QDir(folder).filePath("cn.dat").toStdString(), file).ok();
}

// The machine session over a simulated machine and a virtual clock, and the machine window over
// it, which has read cn.dat from `folder` as on activation.
class SimulatedMachineWindow {
 public:
  SimulatedMachineWindow(Prompts& prompts, const QString& folder) : machine_(clock_), link_(Io()) {
    window_ = std::make_unique<MachineWindow>(prompts, link_.Session(), folder);
    window_->Activated();
  }
  SimulatedMachineWindow(const SimulatedMachineWindow&) = delete;
  SimulatedMachineWindow& operator=(const SimulatedMachineWindow&) = delete;

  MachineWindow& Window() { return *window_; }
  // The window goes; the session and the machine stay.
  void DestroyWindow() { window_.reset(); }
  MachineSession& Session() { return link_.Session(); }
  SimulatedMachine& Machine() { return machine_; }
  // Called at every event pump of a move, homing or program run (an empty function removes it).
  void SetPumpHook(std::function<void()> hook) { link_.Host().SetPumpHook(std::move(hook)); }

 private:
  MachineIo Io() {
    MachineIo io;
    io.port = &machine_;
    io.simulated = &machine_;
    io.clock = &clock_;
    return io;
  }

  VirtualClock clock_;
  SimulatedMachine machine_;
  MachineLink link_;
  std::unique_ptr<MachineWindow> window_;
};

}  // namespace pistora
