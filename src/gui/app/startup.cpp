#include "gui/app/startup.h"

#include <QApplication>
#include <QFont>

#include "core/machine/machine_session.h"
#include "gui/app/app_windows.h"
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
  AppWindows& w = Windows();
  if (machine.folder.isEmpty()) machine.folder = settings_folder;
  machine_ = std::make_unique<MachineLink>(machine);
  try {
    windows_.push_back(w.main = new MainWindow(prompts, settings_folder));
    windows_.push_back(w.about = new AboutDialog());
    windows_.push_back(w.machine = new MachineWindow(prompts, Machine(), machine.folder));
    windows_.push_back(w.plate = new PlateWindow(Machine()));
    windows_.push_back(w.machine_settings = new MachineSettingsDialog(prompts, machine.folder, nullptr, &Machine()));
    windows_.push_back(w.magnifier = new MagnifierGlass());
    windows_.push_back(w.magnifier_mask = new MagnifierMask());
    windows_.push_back(w.magnifier_settings = new MagnifierSettingsDialog());
    QObject::connect(w.machine, &MachineWindow::PlateWindowRequested, w.plate, &PlateWindow::OpenWithNewPlate);
    MachineSettingsDialog* settings = w.machine_settings;
    QObject::connect(w.machine, &MachineWindow::SettingsPageRequested, settings, [settings](int page) {
      settings->show();
      settings->raise();
      settings->ShowPage(page);
    });
  } catch (...) {
    Release();  // the windows made so far go before the error reaches the caller
    throw;
  }
}

WindowSet::~WindowSet() { Release(); }

MachineSession& WindowSet::Machine() { return machine_->Session(); }

void WindowSet::Release() {
  Windows() = AppWindows{};
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) delete *it;
  windows_.clear();
}

MachineIo MachineIoFor(const PortChoice& port, Clock& clock, const RealTimeSetup& real_time) {
  MachineIo machine;
  machine.port = port.port.get();
  machine.simulated = port.simulated;
  machine.clock = &clock;
  machine.port_message = port.error.empty() ? "Port : " + port.description + "." : port.error;
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
