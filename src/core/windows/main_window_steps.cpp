#include "core/windows/main_window_steps.h"

#include <algorithm>

namespace pistora {
namespace {

// The six hidden browse buttons of the verification panel.
#define BROWSE_BUTTONS "Button6", "Button7", "Button8", "Button9", "Button10", "Button11"
// The commands of the generation panel and their speed boxes.
#define GENERATION_COMMANDS "BitBtn10", "BitBtn5", "BitBtn4", "SpinEdit5", "SpinEdit6", "BitBtn6", "BitBtn7"
// The commands of the verification panel.
#define VERIFICATION_COMMANDS "Button3", BROWSE_BUTTONS, "SpinEdit1", "CheckBox1", "CheckBox2", "BitBtn9"

const StepSwitch kStarted{
    // The job settings (Edit4 to Edit8) stay typeable from the start: they are saved with
    // "Sauve les paramètres" at any time. Only the spindle box waits for the generation step.
    .disable = {"BitBtn2", "BitBtn3", "SpinEdit4", "SpinEdit2", "Edit3", "BitBtn8", VERIFICATION_COMMANDS,
                GENERATION_COMMANDS, "CheckBox3"},
    .lamps_on = {"cyAdvLed2", "cyAdvLed6"},
    .lamps_off = {"cyAdvLed4", "cyAdvLed8", "cyAdvLed7", "cyAdvLed5"},
    .show = {"GroupBox1", "GroupBox4"},
    .hide = {"GroupBox2", "GroupBox3", "GroupBox5", "GroupBox6"},
};

const StepSwitch kArtworkLoaded{
    .enable = {"BitBtn2", "SpinEdit4", "SpinEdit2"},
    .disable = {VERIFICATION_COMMANDS, "Edit3", "BitBtn8", GENERATION_COMMANDS, "CheckBox3"},
    .lamps_on = {"cyAdvLed4"},
    .lamps_off = {"cyAdvLed2", "cyAdvLed6", "cyAdvLed7", "cyAdvLed8", "cyAdvLed5"},
    .show = {"GroupBox1", "GroupBox4"},
    .hide = {"GroupBox2", "GroupBox3", "GroupBox6", "GroupBox5"},
};

const StepSwitch kProcessingDone{
    .enable = {"Edit3", "BitBtn8"},
    .disable = {"BitBtn2", "BitBtn3"},
    .lamps_on = {"cyAdvLed8"},
    .lamps_off = {"cyAdvLed4"},
    .show = {"GroupBox5"},
    .hide = {"GroupBox4"},
};

const StepSwitch kScaleValidated{
    .enable = {VERIFICATION_COMMANDS},
    .disable = {"BitBtn8", "Edit3"},
    .lamps_on = {"cyAdvLed7"},
    .lamps_off = {"cyAdvLed8"},
    .show = {"GroupBox3", "GroupBox2"},
    .hide = {"GroupBox5", "GroupBox1"},
};

const StepSwitch kEngravingFileLoaded{
    .enable = {VERIFICATION_COMMANDS},
    .disable = {"Edit3", "BitBtn8", GENERATION_COMMANDS, "SpinEdit4", "SpinEdit2", "BitBtn2", "CheckBox3"},
    .lamps_on = {"cyAdvLed7"},
    .lamps_off = {"cyAdvLed2", "cyAdvLed6", "cyAdvLed8", "cyAdvLed4", "cyAdvLed5"},
    .show = {"GroupBox2", "GroupBox3"},
    .hide = {"GroupBox1", "GroupBox4", "GroupBox5", "GroupBox6"},
};

const StepSwitch kVerificationValidated{
    .enable = {GENERATION_COMMANDS, "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "CheckBox3"},
    .disable = {VERIFICATION_COMMANDS},
    .lamps_on = {"cyAdvLed5"},
    .lamps_off = {"cyAdvLed7"},
    .show = {"GroupBox6"},
    .hide = {"GroupBox3"},
};

#undef BROWSE_BUTTONS
#undef GENERATION_COMMANDS
#undef VERIFICATION_COMMANDS

void Set(std::map<std::string, bool, std::less<>>& states, const std::vector<std::string_view>& names, bool value) {
  for (std::string_view name : names) states.insert_or_assign(std::string(name), value);
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

std::vector<std::string_view> AllStepControlNames() {
  std::vector<std::string_view> names;
  for (const StepSwitch* s : {&kStarted, &kArtworkLoaded, &kProcessingDone, &kScaleValidated, &kEngravingFileLoaded,
                              &kVerificationValidated}) {
    for (const auto* list : {&s->enable, &s->disable, &s->lamps_on, &s->lamps_off, &s->show, &s->hide}) {
      names.insert(names.end(), list->begin(), list->end());
    }
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

}  // namespace pistora
