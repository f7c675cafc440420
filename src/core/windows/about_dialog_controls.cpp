#include "core/windows/about_dialog_controls.h"

namespace pistora {
namespace {

using R = AboutControl;
constexpr CaptionTargetKind kTitle = CaptionTargetKind::kWindowTitle;

constexpr ControlName<AboutControl> kRows[] = {
    {R::kProgramName, "Label1", 49, "Pistora"},
    {R::kCloseButton, "Button1", 50, "&Fermer"},
    {R::kVersion, "Label2", 51, "ver 2.20"},
    {R::kDescriptionLine1, "Label3", 52, "Logiciel libre de gravure de circuits imprimés"},
    {R::kDescriptionLine2, "Label4", 53, "Gravure anglaise des circuits simple face"},
    {R::kDescriptionLine3, "Label5", 54, "à partir d'un typon BMP ou GIF,"},
    {R::kDescriptionLine4, "Label6", 55, "génération des programmes ISO de gravure et de perçage,"},
    {R::kDescriptionLine5, "Label7", 56, "pilotage d'une fraiseuse trois axes"},
    {R::kDescriptionLine6, "Label8", 57, "par le port parallèle."},
    {R::kDescriptionLine7, "Label9", 58, "Bonne gravure !"},
    {R::kWindow, "", 59, "A propos de ....", kTitle},
    {R::kLicence, "LicenceLabel", 0, "Licence : GNU GPL version 3 ou ultérieure"},
};

}  // namespace

const ControlTable<AboutControl>& AboutControls() {
  static constexpr ControlTable<AboutControl> kTable("TForm2", kRows);
  return kTable;
}

}  // namespace pistora
