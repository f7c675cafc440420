// The machine window's probing: "Palper Z" and the height-map window.
#include "core/machine/machine_session.h"
#include "core/machine/probing.h"
#include "gui/machine/height_map_window.h"
#include "gui/machine/machine_window.h"
#include "gui/machine/probe_settings_store.h"

namespace pistora {

void MachineWindow::TouchOffZ() {
  const ProbeSettings settings = LoadProbeSettings();
  MachineSession* session = &session_;
  session_.Submit([session, settings] { pistora::TouchOffZ(session->Engine(), settings); });
}

void MachineWindow::OpenHeightMap() {
  if (!height_map_window_) height_map_window_ = new HeightMapWindow(session_, prompts_, this);
  height_map_window_->Open();
}

}  // namespace pistora
