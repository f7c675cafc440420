#include "core/windows/main_window_steps.h"

#include <algorithm>
#include <initializer_list>

namespace pistora {
namespace {

using R = MainControl;
using Roles = std::vector<MainControl>;

// Lists joined into one, in order.
Roles Join(std::initializer_list<Roles> parts) {
  Roles joined;
  for (const Roles& part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

// The six hidden browse buttons of the verification panel.
const Roles kBrowseButtons = {R::kNextPadButton,     R::kNextUsefulTrackButton,     R::kNextUselessButton,
                              R::kPreviousPadButton, R::kPreviousUsefulTrackButton, R::kPreviousUselessButton};
// The commands of the generation panel and their speed boxes.
const Roles kGenerationCommands = {
    R::kSaveEngravingFileButton, R::kSimulateEngravingButton, R::kSimulateDrillingButton, R::kEngravingSimulationSpeed,
    R::kDrillingSimulationPause, R::kEngravingProgramButton,  R::kDrillingProgramButton};
// The commands of the verification panel.
const Roles kVerificationCommands =
    Join({{R::kRedrawVerificationButton},
          kBrowseButtons,
          {R::kContourNumber, R::kPadCheck, R::kUselessCheck, R::kValidateVerificationButton}});

const StepSwitch kStarted{
    // The job settings stay typeable from the start: they are saved with "Sauve les
    // paramètres" at any time. Only the spindle box waits for the generation step.
    .disable = Join({{R::kProcessButton, R::kStopButton, R::kDrillMarkSize, R::kPadPointLimit, R::kRealDistance,
                      R::kValidateScaleButton},
                     kVerificationCommands,
                     kGenerationCommands,
                     {R::kSpindleControl}}),
    .lamps_on = {R::kLoadArtworkLamp, R::kLoadEngravingFileLamp},
    .lamps_off = {R::kProcessLamp, R::kValidateScaleLamp, R::kValidateVerificationLamp, R::kGenerationLamp},
    .show = {R::kArtworkGroup, R::kSettingsPanel},
    .hide = {R::kEngravingGroup, R::kVerificationPanel, R::kScalePanel, R::kGenerationPanel},
};

const StepSwitch kArtworkLoaded{
    .enable = {R::kProcessButton, R::kDrillMarkSize, R::kPadPointLimit},
    .disable = Join({kVerificationCommands,
                     {R::kRealDistance, R::kValidateScaleButton},
                     kGenerationCommands,
                     {R::kSpindleControl}}),
    .lamps_on = {R::kProcessLamp},
    .lamps_off = {R::kLoadArtworkLamp, R::kLoadEngravingFileLamp, R::kValidateVerificationLamp, R::kValidateScaleLamp,
                  R::kGenerationLamp},
    .show = {R::kArtworkGroup, R::kSettingsPanel},
    .hide = {R::kEngravingGroup, R::kVerificationPanel, R::kGenerationPanel, R::kScalePanel},
};

const StepSwitch kProcessingDone{
    .enable = {R::kRealDistance, R::kValidateScaleButton},
    .disable = {R::kProcessButton, R::kStopButton},
    .lamps_on = {R::kValidateScaleLamp},
    .lamps_off = {R::kProcessLamp},
    .show = {R::kScalePanel},
    .hide = {R::kSettingsPanel},
};

const StepSwitch kScaleValidated{
    .enable = kVerificationCommands,
    .disable = {R::kValidateScaleButton, R::kRealDistance},
    .lamps_on = {R::kValidateVerificationLamp},
    .lamps_off = {R::kValidateScaleLamp},
    .show = {R::kVerificationPanel, R::kEngravingGroup},
    .hide = {R::kScalePanel, R::kArtworkGroup},
};

const StepSwitch kEngravingFileLoaded{
    .enable = kVerificationCommands,
    .disable = Join({{R::kRealDistance, R::kValidateScaleButton},
                     kGenerationCommands,
                     {R::kDrillMarkSize, R::kPadPointLimit, R::kProcessButton, R::kSpindleControl}}),
    .lamps_on = {R::kValidateVerificationLamp},
    .lamps_off = {R::kLoadArtworkLamp, R::kLoadEngravingFileLamp, R::kValidateScaleLamp, R::kProcessLamp,
                  R::kGenerationLamp},
    .show = {R::kEngravingGroup, R::kVerificationPanel},
    .hide = {R::kArtworkGroup, R::kSettingsPanel, R::kScalePanel, R::kGenerationPanel},
};

const StepSwitch kVerificationValidated{
    .enable = Join({kGenerationCommands,
                    {R::kEngravingDepth, R::kRetractDistance, R::kDrillingDepth, R::kEngravingFeed, R::kDrillingFeed,
                     R::kSpindleControl}}),
    .disable = kVerificationCommands,
    .lamps_on = {R::kGenerationLamp},
    .lamps_off = {R::kValidateVerificationLamp},
    .show = {R::kGenerationPanel},
    .hide = {R::kVerificationPanel},
};

void Set(std::map<MainControl, bool>& states, const Roles& roles, bool value) {
  for (MainControl role : roles) states.insert_or_assign(role, value);
}

}  // namespace

const StepSwitch& SwitchFor(StepEvent event) {
  switch (event) {
    case StepEvent::Started:
      return kStarted;
    case StepEvent::ArtworkLoaded:
      return kArtworkLoaded;
    case StepEvent::ProcessingDone:
      return kProcessingDone;
    case StepEvent::ScaleValidated:
      return kScaleValidated;
    case StepEvent::EngravingFileLoaded:
      return kEngravingFileLoaded;
    case StepEvent::VerificationValidated:
      break;
  }
  return kVerificationValidated;
}

void ApplyStep(StepEvent event, ControlStates* states) {
  const StepSwitch& s = SwitchFor(event);
  Set(states->enabled, s.enable, true);
  Set(states->enabled, s.disable, false);
  Set(states->lamp, s.lamps_on, true);
  Set(states->lamp, s.lamps_off, false);
  Set(states->visible, s.show, true);
  Set(states->visible, s.hide, false);
}

std::vector<MainControl> AllStepControls() {
  Roles roles;
  for (const StepSwitch* s : {&kStarted, &kArtworkLoaded, &kProcessingDone, &kScaleValidated, &kEngravingFileLoaded,
                              &kVerificationValidated}) {
    for (const Roles* list : {&s->enable, &s->disable, &s->lamps_on, &s->lamps_off, &s->show, &s->hide}) {
      roles.insert(roles.end(), list->begin(), list->end());
    }
  }
  std::sort(roles.begin(), roles.end());
  roles.erase(std::unique(roles.begin(), roles.end()), roles.end());
  return roles;
}

}  // namespace pistora
