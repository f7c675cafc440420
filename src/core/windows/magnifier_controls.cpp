#include "core/windows/magnifier_controls.h"

namespace pistora {
namespace {

using S = MagnifierSettingsControl;
using G = MagnifierGlassControl;
using M = MagnifierMaskControl;
constexpr CaptionTargetKind kTitle = CaptionTargetKind::kWindowTitle;

constexpr ControlName<MagnifierSettingsControl> kSettingsRows[] = {
    {S::kWindow, "", 0, "Réglage Loupe", kTitle},
    {S::kOffsetXCaption, "Label1", 0, "Offset X : "},
    {S::kOffsetXEdit, "Edit1"},
    {S::kOffsetXArrows, "UpDown1"},
    {S::kOffsetYCaption, "Label2", 0, "Offset Y :"},
    {S::kOffsetYEdit, "Edit2"},
    {S::kOffsetYArrows, "UpDown2"},
    {S::kZoomCaption, "Label3", 0, "Zoom : "},
    {S::kZoomEdit, "Edit3"},
    {S::kZoomPercent, "Label4", 0, "%"},
    {S::kZoomSlider, "TrackBar1"},
    {S::kSaveButton, "Button1", 0, "Valider"},
    {S::kCancelButton, "Button2", 0, "Annuler"},
};

constexpr ControlName<MagnifierGlassControl> kGlassRows[] = {
    {G::kWindow, ""},
    {G::kPicture, "Image1"},
    {G::kMenu, "PopupMenu1"},
    {G::kCloseEntry, "Close1", 0, "Close"},
    {G::kOptionEntry, "Option1", 0, "Option"},
};

constexpr ControlName<MagnifierMaskControl> kMaskRows[] = {
    {M::kWindow, ""},
    {M::kPicture, "Image1"},
    {M::kEnlargedPicture, "Image2"},
    {M::kRefreshTimer, "Timer1"},
};

}  // namespace

const ControlTable<MagnifierSettingsControl>& MagnifierSettingsControls() {
  static constexpr ControlTable<MagnifierSettingsControl> kTable("Trgloupefrm", kSettingsRows);
  return kTable;
}

const ControlTable<MagnifierGlassControl>& MagnifierGlassControls() {
  static constexpr ControlTable<MagnifierGlassControl> kTable("Tloupefrm", kGlassRows);
  return kTable;
}

const ControlTable<MagnifierMaskControl>& MagnifierMaskControls() {
  static constexpr ControlTable<MagnifierMaskControl> kTable("Tmasquefrm", kMaskRows);
  return kTable;
}

}  // namespace pistora
