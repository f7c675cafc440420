// How the windows answer each other: each window states what it needs through its signals and
// the start-up connects them here, so no window reaches another.
#include <QObject>

#include "gui/app/app_windows.h"
#include "gui/app/language_applier.h"
#include "gui/machine/machine_window.h"
#include "gui/main/about_dialog.h"
#include "gui/main/main_window.h"
#include "gui/setup/machine_settings_dialog.h"
#include "gui/setup/plate_window.h"
#include "gui/setup/surfacing_tab.h"
#include "gui/viewers/magnifier_glass.h"
#include "gui/viewers/magnifier_mask.h"

namespace pistora {
namespace {

void ShowAndRaise(QWidget* window) {
  window->show();
  window->raise();
}

void ConnectMainWindow(AppWindows& w) {
  MainWindow* main = w.main;
  // "A Propos de ...": the About window, modal.
  QObject::connect(main, &MainWindow::AboutRequested, w.about, [about = w.about] { about->exec(); });
  // "&Module de Gravure": the machine window in front (the main window has put its magnifier away).
  QObject::connect(main, &MainWindow::MachineWindowRequested, w.machine, [machine = w.machine] {
    ShowAndRaise(machine);
    machine->activateWindow();
  });
  // The "Loupe" toggle, and the main window closing with the magnifier shown. When the pictures
  // cannot be loaded the glass says so and closes itself, which releases the toggle (below).
  QObject::connect(main, &MainWindow::MagnifierToggled, w.magnifier, [glass = w.magnifier](bool shown) {
    if (shown) {
      glass->ShowMagnifier();
    } else {
      glass->CloseMagnifier();
    }
  });
  // A language file chosen or the window activated: every window takes its captions.
  main->SetLanguageApplier([&w](const LanguageText& text) { ApplyLanguageToWindows(text, w); });
}

void ConnectMagnifier(AppWindows& w) {
  // The glass closed itself ("Close" of its menu, or a picture that cannot be loaded): the mask
  // goes with it and the main window's toggle comes up.
  QObject::connect(w.magnifier, &MagnifierGlass::Closed, w.magnifier_mask, &QWidget::close);
  QObject::connect(w.magnifier, &MagnifierGlass::Closed, w.main, [main = w.main] { main->SetMagnifierShown(false); });
}

void ConnectMachineWindow(AppWindows& w) {
  MachineWindow* machine = w.machine;
  // The "&Option" menu: the settings dialog on that page.
  QObject::connect(machine, &MachineWindow::SettingsPageRequested, w.machine_settings,
                   &MachineSettingsDialog::ShowPage);
  // "&Réglage position gravure": the plate window in front with a new plate ("Nouvelle plaque":
  // a fresh preview with the job in the lower-left corner).
  QObject::connect(machine, &MachineWindow::PlateWindowRequested, w.plate, &PlateWindow::OpenWithNewPlate);

  // The surfacing page moves the machine window's Z arrows and sets its "Aller à" targets.
  SurfacingTab& surfacing = w.machine_settings->Surfacing();
  QObject::connect(&surfacing, &SurfacingTab::JogPressed, machine, &MachineWindow::JogPress);
  QObject::connect(&surfacing, &SurfacingTab::JogReleased, machine, &MachineWindow::JogRelease);
  QObject::connect(&surfacing, &SurfacingTab::TargetsReset, machine, &MachineWindow::SetTargetsToZero);
  QObject::connect(&surfacing, &SurfacingTab::TargetZReset, machine, &MachineWindow::SetTargetZToZero);
}

}  // namespace

void ConnectWindows(AppWindows& windows) {
  ConnectMainWindow(windows);
  ConnectMagnifier(windows);
  ConnectMachineWindow(windows);
}

}  // namespace pistora
