#include "gui/app/startup.h"

#include <QApplication>
#include <QFont>

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
  AppWindows& w = windows_;
  if (machine.folder.isEmpty()) machine.folder = settings_folder;
  const QString machine_folder = machine.folder;  // the machine window takes `machine`
  // Each window is published in Windows() as soon as it is made: a window built later may look
  // up one built before it (the magnifier's settings apply loupe.dat to the mask).
  const auto made = [this](QWidget* window) {
    created_.push_back(window);
    pistora::Windows() = windows_;
  };
  try {
    made(w.main = new MainWindow(prompts, settings_folder));
    made(w.about = new AboutDialog());
    made(w.machine = new MachineWindow(prompts, std::move(machine)));
    made(w.plate = new PlateWindow());
    made(w.machine_settings = new MachineSettingsDialog(prompts, machine_folder));
    made(w.magnifier = new MagnifierGlass());
    made(w.magnifier_mask = new MagnifierMask());
    made(w.magnifier_settings = new MagnifierSettingsDialog());
  } catch (...) {
    Release();  // the windows made so far go before the error reaches the caller
    throw;
  }
  // The windows answer each other's requests through ConnectWindows (window_wiring.cpp) once
  // every window asks through its signals; until then they reach each other through Windows().
#if PISTORA_WINDOW_WIRING
  ConnectWindows(windows_);
#endif
}

WindowSet::~WindowSet() { Release(); }

void WindowSet::Release() {
  pistora::Windows() = AppWindows{};
  windows_ = AppWindows{};
  for (auto it = created_.rbegin(); it != created_.rend(); ++it) delete *it;
  created_.clear();
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
