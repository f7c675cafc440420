#include "gui/app/startup.h"

#include <QApplication>
#include <QFont>

#include "gui/app/app_windows.h"
#include "gui/app/language_applier.h"
#include "gui/machine/machine_window.h"
#include "gui/main/main_window.h"
#include "gui/main/about_dialog.h"
#include "gui/setup/plate_window.h"
#include "gui/setup/machine_settings_dialog.h"
#include "gui/viewers/magnifier_glass.h"
#include "gui/viewers/magnifier_mask.h"
#include "gui/viewers/magnifier_settings_dialog.h"

namespace pistora {
namespace {

// What the main window asks of the other windows.
void ConnectMainWindow(const AppWindows& w) {
  MainWindow* main = w.main;
  QObject::connect(main, &MainWindow::AboutRequested, w.about, [about = w.about] { about->exec(); });
  QObject::connect(main, &MainWindow::MachineWindowRequested, w.machine, [machine = w.machine] {
    machine->show();
    machine->raise();
    machine->activateWindow();
  });
  QObject::connect(main, &MainWindow::MagnifierToggled, w.magnifier, [magnifier = w.magnifier](bool shown) {
    if (shown) {
      magnifier->ShowMagnifier();
    } else {
      magnifier->CloseMagnifier();
    }
  });
  main->SetLanguageApplier([](const LanguageText& text) { ApplyLanguageToWindows(text, Windows()); });
}

}  // namespace

WindowSet::WindowSet(Prompts& prompts, const QString& settings_folder, MachineIo machine) {
  AppWindows& w = Windows();
  if (machine.folder.isEmpty()) machine.folder = settings_folder;
  const QString machine_folder = machine.folder;  // the machine window takes `machine`
  try {
    windows_.push_back(w.main = new MainWindow(prompts, settings_folder));
    windows_.push_back(w.about = new AboutDialog());
    windows_.push_back(w.machine = new MachineWindow(prompts, std::move(machine)));
    windows_.push_back(w.plate = new PlateWindow());
    windows_.push_back(w.machine_settings = new MachineSettingsDialog(prompts, machine_folder));
    windows_.push_back(w.magnifier = new MagnifierGlass());
    windows_.push_back(w.magnifier_mask = new MagnifierMask());
    windows_.push_back(w.magnifier_settings = new MagnifierSettingsDialog());
    ConnectMainWindow(w);
  } catch (...) {
    Release();  // the windows made so far go before the error reaches the caller
    throw;
  }
}

WindowSet::~WindowSet() { Release(); }

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
