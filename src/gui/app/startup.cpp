#include "gui/app/startup.h"

#include <QApplication>
#include <QFont>
#include <QToolButton>

#include "core/machine/machine_session.h"
#include "gui/app/app_windows.h"
#include "gui/app/language_applier.h"
#include "gui/machine/machine_window.h"
#include "gui/main/main_window.h"
#include "gui/main/about_dialog.h"
#include "gui/setup/plate_window.h"
#include "gui/setup/machine_settings_dialog.h"
#include "gui/setup/surfacing_tab.h"
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
  machine_ = std::make_unique<MachineLink>(machine);
  try {
    windows_.push_back(w.main = new MainWindow(prompts, settings_folder));
    windows_.push_back(w.about = new AboutDialog());
    windows_.push_back(w.machine = new MachineWindow(prompts, Machine(), machine.folder));
    windows_.push_back(w.plate = new PlateWindow(Machine()));
    windows_.push_back(w.machine_settings = new MachineSettingsDialog(prompts, Machine(), machine.folder));
    QObject::connect(w.machine, &MachineWindow::PlateWindowRequested, w.plate, &PlateWindow::OpenWithNewPlate);
    QObject::connect(w.machine, &MachineWindow::SettingsPageRequested, w.machine_settings,
                     &MachineSettingsDialog::ShowPage);
    SurfacingTab& surfacing = w.machine_settings->Surfacing();
    QObject::connect(&surfacing, &SurfacingTab::JogPressed, w.machine, &MachineWindow::JogPress);
    QObject::connect(&surfacing, &SurfacingTab::JogReleased, w.machine, &MachineWindow::JogRelease);
    QObject::connect(&surfacing, &SurfacingTab::TargetsReset, w.machine, &MachineWindow::SetTargetsToZero);
    QObject::connect(&surfacing, &SurfacingTab::TargetZReset, w.machine, &MachineWindow::SetTargetZToZero);
    auto mask = std::make_unique<MagnifierMask>(prompts, *w.main);
    auto magnifier_settings = std::make_unique<MagnifierSettingsDialog>(prompts, *mask);
    windows_.push_back(w.magnifier = new MagnifierGlass(prompts, *mask, *magnifier_settings));
    windows_.push_back(w.magnifier_mask = mask.release());
    windows_.push_back(w.magnifier_settings = magnifier_settings.release());
    QObject::connect(w.magnifier, &MagnifierGlass::Closed, w.main, [main = w.main] { main->SetMagnifierShown(false); });
    ConnectMainWindow(w);
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
