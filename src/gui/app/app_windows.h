#pragma once

namespace pistora {

class MainWindow;
class AboutDialog;
class MachineWindow;
class PlateWindow;
class MachineSettingsDialog;
class MagnifierGlass;
class MagnifierMask;
class MagnifierSettingsDialog;

// The single instance of every window, alive for the whole run. Handlers of one window
// reach another through these; a pointer is null until CreateWindows made that window
// (a test may create the main window alone).
struct AppWindows {
  MainWindow* main = nullptr;
  AboutDialog* about = nullptr;
  MachineWindow* machine = nullptr;
  PlateWindow* plate = nullptr;
  MachineSettingsDialog* machine_settings = nullptr;
  MagnifierGlass* magnifier = nullptr;
  MagnifierMask* magnifier_mask = nullptr;
  MagnifierSettingsDialog* magnifier_settings = nullptr;
};

AppWindows& Windows();

}  // namespace pistora
