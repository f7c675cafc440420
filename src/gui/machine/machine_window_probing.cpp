// The machine window's probing: "Palper Z" and the height-map window.
#include <QPointer>
#include <memory>

#include "core/machine/iso_box.h"
#include "core/machine/machine_session.h"
#include "core/machine/probing.h"
#include "gui/machine/height_map_window.h"
#include "gui/machine/machine_window.h"
#include "gui/machine/probe_settings_store.h"

namespace pistora {

void MachineWindow::TouchOffZ() {
  const ProbeSettings settings = LoadProbeSettings();
  MachineSession* session = &session_;
  auto touched = std::make_shared<bool>(false);
  session_.Submit(
      [session, settings, touched] {
        *touched = pistora::TouchOffZ(session->Engine(), settings).outcome == ProbeOutcome::kContact;
      },
      [self = QPointer<MachineWindow>(this), touched] {
        // Z 0 is on the copper now: once the work is placed, that is the Z level validated.
        if (!self || !*touched || !self->session_.ProgramButtons().validate_z) return;
        OnZValidated(self->session_.ProgramButtons());
        self->ApplyButtonStates();
        self->SetTargetZToZero();
      });
}

void MachineWindow::OpenHeightMap() {
  if (!height_map_window_) height_map_window_ = new HeightMapWindow(session_, prompts_, this);
  height_map_window_->Open();
}

}  // namespace pistora
