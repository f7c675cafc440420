#include "core/windows/tool_dialog_controls.h"

namespace pistora {
namespace {

using R = ToolDialogControl;

// No language-file line captions them: the captions are the built-in French ones.
constexpr ControlName<ToolDialogControl> kRows[] = {
    {R::kWindow, "", 0, "Outil et isolation"},
    {R::kPassesLabel, "PassesLabel", 0, "Passes par îlot :"},
    {R::kPasses, "Passes"},
    {R::kOverlapLabel, "OverlapLabel", 0, "Recouvrement des passes (part de l'outil) :"},
    {R::kOverlap, "Overlap"},
    {R::kHolesBySize, "HolesBySize", 0, "Trous reconnus par leur taille (à la validation de l'échelle)"},
    {R::kHoleMinLabel, "HoleMinLabel", 0, "Diamètre de trou minimal (mm) :"},
    {R::kHoleMin, "HoleMin"},
    {R::kHoleMaxLabel, "HoleMaxLabel", 0, "Diamètre de trou maximal (mm) :"},
    {R::kHoleMax, "HoleMax"},
    {R::kThresholdLabel, "ThresholdLabel", 0, "Seuil des images grises ou en couleur (%) :"},
    {R::kThreshold, "Threshold"},
    {R::kWarningsLabel, "WarningsLabel", 0, "Passages plus étroits que l'outil (clic : centrer la vue) :"},
    {R::kWarningsList, "WarningsList"},
    {R::kCheckLine, "CheckLine"},
    {R::kCloseButton, "CloseButton", 0, "&Fermer"},
};

}  // namespace

const ControlTable<ToolDialogControl>& ToolDialogControls() {
  static constexpr ControlTable<ToolDialogControl> kTable("ToolDialog", kRows);
  return kTable;
}

}  // namespace pistora
