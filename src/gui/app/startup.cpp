#include "gui/app/startup.h"

#include <QApplication>
#include <QFont>

#include "gui/app/app_windows.h"
#include "gui/machine/tgravefrm.h"
#include "gui/main/tform1.h"
#include "gui/main/tform2.h"
#include "gui/setup/tgestfrm.h"
#include "gui/setup/tpagesdlg.h"
#include "gui/viewers/tloupefrm.h"
#include "gui/viewers/tmasquefrm.h"
#include "gui/viewers/trgloupefrm.h"

namespace pistora {

WindowSet::WindowSet(Prompts& prompts, const QString& settings_folder, MachineIo machine) {
  AppWindows& w = Windows();
  if (machine.folder.isEmpty()) machine.folder = settings_folder;
  const QString machine_folder = machine.folder;  // the machine window takes `machine`
  try {
    windows_.push_back(w.Form1 = new TForm1(prompts, settings_folder));
    windows_.push_back(w.Form2 = new TForm2());
    windows_.push_back(w.gravefrm = new Tgravefrm(prompts, std::move(machine)));
    windows_.push_back(w.gestfrm = new Tgestfrm());
    windows_.push_back(w.PagesDlg = new TPagesDlg(prompts, machine_folder));
    windows_.push_back(w.loupefrm = new Tloupefrm());
    windows_.push_back(w.masquefrm = new Tmasquefrm());
    windows_.push_back(w.rgloupefrm = new Trgloupefrm());
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
