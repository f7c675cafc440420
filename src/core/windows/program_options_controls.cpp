#include "core/windows/program_options_controls.h"

namespace pistora {
namespace {

using R = ProgramOptionsControl;

// No language-file line captions them: the captions are the built-in French ones.
constexpr ControlName<ProgramOptionsControl> kRows[] = {
    {R::kWindow, "", 0, "Options des programmes"},
    {R::kDialectLabel, "DialectLabel", 0, "Commande numérique :"},
    {R::kDialectList, "DialectList"},
    {R::kSpindleRpmLabel, "SpindleRpmLabel", 0, "Vitesse de broche (tr/min) :"},
    {R::kSpindleRpm, "SpindleRpm"},
    {R::kTravelHeightLabel, "TravelHeightLabel", 0, "Hauteur entre objets proches (mm) :"},
    {R::kTravelHeight, "TravelHeight"},
    {R::kDrillsLabel, "DrillsLabel", 0, "Forets (mm, ex. 0.6,0.8,1.0) :"},
    {R::kDrills, "Drills"},
    {R::kImprovedOrder, "ImprovedOrder", 0, "Ordre des objets optimisé"},
    {R::kConfirmButton, "ConfirmButton", 0, "&Valider"},
    {R::kCancelButton, "CancelButton", 0, "&Annuler"},
};

}  // namespace

const ControlTable<ProgramOptionsControl>& ProgramOptionsControls() {
  static constexpr ControlTable<ProgramOptionsControl> kTable("ProgramOptionsDialog", kRows);
  return kTable;
}

}  // namespace pistora
