#include "gui/app/startup.h"

#include <QApplication>
#include <QFont>

#include "core/machine/machine_message.h"
#include "core/machine/machine_session.h"
#include "gui/app/app_windows.h"
#include "gui/app/safe_shutdown.h"
#include "gui/machine/machine_window.h"
#include "gui/main/main_window.h"
#include "gui/main/about_dialog.h"
#include "gui/setup/plate_window.h"
#include "gui/setup/machine_settings_dialog.h"
#include "gui/viewers/magnifier_glass.h"
#include "gui/viewers/magnifier_mask.h"
#include "gui/viewers/magnifier_settings_dialog.h"

namespace pistora {

WindowSet::WindowSet(Prompts& prompts, const QString& settings_folder, MachineIo machine) {
  AppWindows& w = windows_;
  if (machine.folder.isEmpty()) machine.folder = settings_folder;
  machine_ = std::make_unique<MachineLink>(machine);
  try {
    created_.push_back(w.main = new MainWindow(prompts, settings_folder));
    created_.push_back(w.about = new AboutDialog());
    created_.push_back(w.machine = new MachineWindow(prompts, Machine(), machine.folder));
    created_.push_back(w.plate = new PlateWindow(Machine()));
    created_.push_back(w.machine_settings = new MachineSettingsDialog(prompts, Machine(), machine.folder));
    // The mask and the settings first: the glass is built over them, but is listed before them.
    auto mask = std::make_unique<MagnifierMask>(prompts, *w.main);
    auto magnifier_settings = std::make_unique<MagnifierSettingsDialog>(prompts, *mask);
    created_.push_back(w.magnifier = new MagnifierGlass(prompts, *mask, *magnifier_settings));
    created_.push_back(w.magnifier_mask = mask.release());
    created_.push_back(w.magnifier_settings = magnifier_settings.release());
    ConnectWindows(w);
    close_guard_ = std::make_unique<MachineCloseGuard>(Machine(), prompts);
    close_guard_->Watch(w.main);
    close_guard_->Watch(w.machine);
  } catch (...) {
    Release();  // the windows made so far go before the error reaches the caller
    throw;
  }
}

WindowSet::~WindowSet() { Release(); }

MachineSession& WindowSet::Machine() { return machine_->Session(); }

bool WindowSet::AllowClose() { return close_guard_->AllowClose(); }

void WindowSet::Release() {
  close_guard_.reset();
  // No motion command outlives the windows it reports to.
  if (machine_ && machine_->Session().MotionBusy()) machine_->Session().Halt();
  windows_ = AppWindows{};
  for (auto it = created_.rbegin(); it != created_.rend(); ++it) delete *it;
  created_.clear();
}

MachineIo MachineIoFor(const PortChoice& port, Clock& clock, const RealTimeSetup& real_time) {
  MachineIo machine;
  machine.port = port.port.get();
  machine.simulated = port.simulated;
  machine.clock = &clock;
  machine.motion_thread = true;
  machine.port_message = port.error.empty() ? kPortNotePrefix + port.description + "." : port.error;
  machine.timing_message = real_time.real_time ? std::string("Ordonnancement temps réel obtenu.")
                           : real_time.message.empty()
                               ? std::string("Ordonnancement temps réel non obtenu.")
                               : real_time.message;
  return machine;
}

void ApplyUiFont() {
  QFont font = QApplication::font();
  font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
  font.setPointSize(8);
  QApplication::setFont(font);
}

}  // namespace pistora
