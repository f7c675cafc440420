#pragma once

#include <map>
#include <vector>

#include "core/windows/main_window_controls.h"

namespace pistora {

// The main window leads the user through fixed steps; each step change switches a fixed set
// of controls, lamps and panels, named by their role in the window's control table.
enum class StepEvent {
  Started,                // window created: nothing loaded
  ArtworkLoaded,          // "&Charger le typon d'origine"
  ProcessingDone,         // end of "&Traiter le typon d'origine", stopped or not: the scale step
  ScaleValidated,         // "Valide" of "Mise à l'échelle": the verification step
  EngravingFileLoaded,    // "&Charger fichier gravure ( *.grv )": the verification step
  VerificationValidated,  // "Valide" of "Vérification du résultat": the generation step
};

// What one step change does. A control appears in at most one list of each pair.
struct StepSwitch {
  std::vector<MainControl> enable;
  std::vector<MainControl> disable;
  std::vector<MainControl> lamps_on;
  std::vector<MainControl> lamps_off;
  std::vector<MainControl> show;
  std::vector<MainControl> hide;
};

const StepSwitch& SwitchFor(StepEvent event);

// The states a sequence of steps leaves, for the controls the steps touch (a control no step
// has touched yet is absent).
struct ControlStates {
  std::map<MainControl, bool> enabled;
  std::map<MainControl, bool> lamp;
  std::map<MainControl, bool> visible;
};
void ApplyStep(StepEvent event, ControlStates* states);

// Every control any step touches, in role order, without repeats.
std::vector<MainControl> AllStepControls();

}  // namespace pistora
