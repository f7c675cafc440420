#pragma once

#include <optional>
#include <string_view>

namespace pistora {

// Which buttons of the "Code ISO" box are enabled. The user's cycle is: load the programs,
// place the work on the plate, bring the tool to the copper and validate Z, start; after an
// engraving run the window turns to drilling and asks for Z again.
struct IsoBoxButtons {
  bool load_engraving = true;  // "&Charger gravure ISO"
  bool load_drilling = true;   // "Charger &perçage ISO"
  bool placement = false;      // "&Réglage position gravure"
  bool validate_z = false;     // "Valide &Réglage niveau Z"
  bool start = false;          // "Démarrer la gravure"
  friend bool operator==(const IsoBoxButtons&, const IsoBoxButtons&) = default;
};

// An engraving program was loaded: placement enabled, Z validation disabled.
void OnEngravingLoaded(IsoBoxButtons& buttons);
// The work was placed on the plate: Z validation enabled, placement disabled.
void OnPlacementDone(IsoBoxButtons& buttons);
// Z validated: start enabled, Z validation disabled.
void OnZValidated(IsoBoxButtons& buttons);
// A start sequence ended (finished, stopped or refused): start disabled, Z validation enabled.
void OnRunEnded(IsoBoxButtons& buttons);

// A target field of "Aller à": a decimal number with "." as separator, or with the locale's
// separator (which the field's key filter lets the user type). Blanks around it are allowed.
// nullopt for a text that is no number: nothing must move then.
std::optional<double> ParseTargetField(std::string_view text, char locale_separator);

}  // namespace pistora
