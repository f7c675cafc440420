#include "core/windows/plate_window_controls.h"

namespace pistora {
namespace {

using R = PlateControl;
constexpr CaptionTargetKind kTitle = CaptionTargetKind::kWindowTitle;

// In language-file order; rows without a line where their box is.
constexpr ControlName<PlateControl> kRows[] = {
    {R::kResetStopButton, "Button5", 98, "Raz"},
    {R::kStopWord, "Label15", 99, "STOP"},
    {R::kWindow, "", 165, "Réglage position de gravure", kTitle},
    {R::kPreviewBox, "GroupBox1", 166, "Prévisualisation"},
    {R::kPreview, "Image1"},
    {R::kCommandBox, "GroupBox2", 167, "Commandes"},
    {R::kNewPlateButton, "BitBtn1", 168, "Nouvelle plaque"},
    {R::kLeaveButton, "BitBtn3", 169, "&Sortir sans rien faire"},
    {R::kPlaceSpindleButton, "BitBtn2", 170, "&Positionner la broche et sortir"},
    {R::kStopDisc, "Shape1"},
    {R::kLegendBox, "GroupBox3", 171, "Légende"},
    {R::kCopperSample, "Shape2"},
    {R::kForbiddenSample, "Shape3"},
    {R::kEngravingSample, "Shape4"},
    {R::kEngravedSample, "Shape5"},
    {R::kCopperCaption, "Label1", 172, "Surface cuivrée"},
    {R::kForbiddenCaption, "Label2", 173, "Zone interdite"},
    {R::kEngravingCaption, "Label3", 174, "Gravure en cours"},
    {R::kEngravedCaption, "Label4", 175, "Zone déja gravée"},
    {R::kStartPointCaption, "Label5", 176, "Point de départ gravure"},
    {R::kStartXCaption, "Label6", 0, "X"},
    {R::kStartX, "Label8", 0, "0.000"},
    {R::kStartYCaption, "Label7", 0, "Y"},
    {R::kStartY, "Label9", 0, "0.000"},
    {R::kPlateStockBox, "GroupBox4", 177, "Gestion des plaques de cuivre"},
};

}  // namespace

const ControlTable<PlateControl>& PlateWindowControls() {
  static constexpr ControlTable<PlateControl> kTable("Tgestfrm", kRows);
  return kTable;
}

}  // namespace pistora
