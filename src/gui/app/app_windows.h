#pragma once

#include <vector>

class QWidget;

namespace pistora {

class MainWindow;
class AboutDialog;
class MachineWindow;
class PlateWindow;
class MachineSettingsDialog;
class MagnifierGlass;
class MagnifierMask;
class MagnifierSettingsDialog;

// The windows of one run, one of each, as the start-up (WindowSet) made them; a pointer is null
// for a window not made (a test may make the main window alone). The start-up object owns the
// windows and hands this set to what works on all of them: the language applier, the
// screenshots and the wiring of the windows' requests to each other.
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

// The windows that exist, in the order of the fields above.
std::vector<QWidget*> ExistingWindows(const AppWindows& windows);

// Connects each window's requests to the windows that answer them: the main window's About,
// machine window and magnifier requests and its language applier, the magnifier glass closing
// itself, the machine window's settings pages and plate window, the surfacing page's Z arrows
// and resets. Every window of `windows` exists; `windows` outlives them.
void ConnectWindows(AppWindows& windows);

}  // namespace pistora
