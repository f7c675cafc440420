#include "core/windows/height_map_window_controls.h"

namespace pistora {
namespace {

using R = HeightMapControl;

// No language-file line captions this window (the files keep their 180 lines).
constexpr ControlName<HeightMapControl> kRows[] = {
    {R::kWindow, "", 0, "Carte des hauteurs du cuivre", CaptionTargetKind::kWindowTitle},
    {R::kProbeBox, "ProbeBox", 0, "Palpeur"},
    {R::kFeedCaption, "FeedCaption", 0, "Avance de palpage (mm/mn)"},
    {R::kFeedEdit, "FeedEdit"},
    {R::kTravelCaption, "TravelCaption", 0, "Course maximale (mm)"},
    {R::kTravelEdit, "TravelEdit"},
    {R::kPlateCaption, "PlateCaption", 0, "Épaisseur plaque de contact (mm)"},
    {R::kPlateEdit, "PlateEdit"},
    {R::kClearanceCaption, "ClearanceCaption", 0, "Dégagement entre points (mm)"},
    {R::kClearanceEdit, "ClearanceEdit"},
    {R::kGridBox, "GridBox", 0, "Grille"},
    {R::kExtent, "ExtentLabel"},
    {R::kBySpacingRadio, "BySpacingRadio", 0, "Pas (mm)"},
    {R::kSpacingEdit, "SpacingEdit"},
    {R::kByCountRadio, "ByCountRadio", 0, "Points (colonnes x lignes)"},
    {R::kColumnsSpin, "ColumnsSpin"},
    {R::kRowsSpin, "RowsSpin"},
    {R::kProbeMapButton, "ProbeMapButton", 0, "Palper la carte"},
    {R::kLoadButton, "LoadMapButton", 0, "Charger..."},
    {R::kSaveButton, "SaveMapButton", 0, "Enregistrer..."},
    {R::kApplyCheck, "ApplyMapCheck", 0, "Appliquer la carte à la gravure"},
    {R::kPicture, "MapPicture"},
    {R::kSummary, "MapSummary"},
};

}  // namespace

const ControlTable<HeightMapControl>& HeightMapWindowControls() {
  static constexpr ControlTable<HeightMapControl> kTable("HeightMapWindow", kRows);
  return kTable;
}

}  // namespace pistora
