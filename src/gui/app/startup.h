#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

#include "gui/app/app_windows.h"
#include "gui/machine/machine_io.h"
#include "hw/port_choice.h"
#include "hw/steady_clock.h"

namespace pistora {

class MachineCloseGuard;
class MachineSession;
class Prompts;

// Owns the windows of one run. Creating it creates every window once, in this order:
// MainWindow, AboutDialog, MachineWindow, PlateWindow, MachineSettingsDialog, MagnifierGlass,
// MagnifierMask, MagnifierSettingsDialog. Destroying it destroys them in the reverse order.
class WindowSet {
 public:
  // `settings_folder`: where the main window finds param.txt (empty: the executable's folder).
  // `machine`: the port and clock of the machine session (defaults: no port, the steady clock).
  explicit WindowSet(Prompts& prompts, const QString& settings_folder = QString(),
                     MachineIo machine = {});
  ~WindowSet();
  WindowSet(const WindowSet&) = delete;
  WindowSet& operator=(const WindowSet&) = delete;

  // In creation order.
  const std::vector<QWidget*>& All() const { return created_; }
  // The same windows by kind, for the language applier and the screenshots.
  AppWindows& ByKind() { return windows_; }
  const AppWindows& ByKind() const { return windows_; }

  // The machine the machine window, the copper plate window and the surfacing page drive.
  MachineSession& Machine();
  // Whether the windows may close now: asks first while the machine moves, and halts it (STOP,
  // every output low) when the answer is yes.
  bool AllowClose();

 private:
  void Release();
  std::unique_ptr<MachineLink> machine_;  // made before the windows, gone after them
  AppWindows windows_;
  std::vector<QWidget*> created_;
  std::unique_ptr<MachineCloseGuard> close_guard_;  // asks before the main or machine window closes mid-move
};

// What the machine window gets of the start-up choices: the chosen port (the simulated machine
// when it is one), the clock, and for its message line the port used (or why the choice was
// refused) and whether real-time scheduling was obtained.
MachineIo MachineIoFor(const PortChoice& port, Clock& clock, const RealTimeSetup& real_time);

// The program's font: 8 points of the desktop's sans-serif face, which the fixed layouts are
// measured for.
void ApplyUiFont();

}  // namespace pistora
