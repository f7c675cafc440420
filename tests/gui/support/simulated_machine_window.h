#pragma once

// The machine window over a simulated machine and a virtual clock, for the window tests of the
// set-up tools that drive it.
#include <QDir>
#include <QString>
#include <initializer_list>
#include <memory>
#include <utility>

#include "core/settings/machine_parameters.h"
#include "gui/app/app_windows.h"
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

// The window reads cn.dat from `folder` as on activation and is the one machine window
// (Windows().machine) while it lives.
class SimulatedMachineWindow {
 public:
  SimulatedMachineWindow(Prompts& prompts, const QString& folder) : machine_(clock_) {
    MachineIo io;
    io.port = &machine_;
    io.simulated = &machine_;
    io.clock = &clock_;
    io.folder = folder;
    window_ = std::make_unique<MachineWindow>(prompts, io);
    window_->FormActivate();
    Windows().machine = window_.get();
  }
  ~SimulatedMachineWindow() {
    if (Windows().machine == window_.get()) Windows().machine = nullptr;
  }
  SimulatedMachineWindow(const SimulatedMachineWindow&) = delete;
  SimulatedMachineWindow& operator=(const SimulatedMachineWindow&) = delete;

  MachineWindow& Window() { return *window_; }
  SimulatedMachine& Machine() { return machine_; }

 private:
  VirtualClock clock_;
  SimulatedMachine machine_;
  std::unique_ptr<MachineWindow> window_;
};

}  // namespace pistora
