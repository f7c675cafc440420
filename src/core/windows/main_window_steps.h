#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace pistora {

// The main window leads the user through fixed steps; each step change switches a fixed set
// of controls, lamps and panels. Names are the objectNames of the window's controls.
enum class StepEvent {
  Started,                // window created: nothing loaded
  ArtworkLoaded,          // "&Charger le typon d'origine"
  ProcessingDone,         // end of "&Traiter le typon d'origine", stopped or not: the scale step
  ScaleValidated,         // "Valide" of "Mise à l'échelle": the verification step
  EngravingFileLoaded,    // "&Charger fichier gravure ( *.grv )": the verification step
  VerificationValidated,  // "Valide" of "Vérification du résultat": the generation step
};

// What one step change does. A name appears in at most one list of each pair.
struct StepSwitch {
  std::vector<std::string_view> enable;
  std::vector<std::string_view> disable;
  std::vector<std::string_view> lamps_on;
  std::vector<std::string_view> lamps_off;
  std::vector<std::string_view> show;
  std::vector<std::string_view> hide;
};

const StepSwitch& SwitchFor(StepEvent event);

// The states a sequence of steps leaves, for the names the steps touch (a name no step has
// touched yet is absent).
struct ControlStates {
  std::map<std::string, bool, std::less<>> enabled;
  std::map<std::string, bool, std::less<>> lamp;
  std::map<std::string, bool, std::less<>> visible;
};
void ApplyStep(StepEvent event, ControlStates* states);

// Every name any step touches, sorted, without repeats.
std::vector<std::string_view> AllStepControlNames();

}  // namespace pistora
