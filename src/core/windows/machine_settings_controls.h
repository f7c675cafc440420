#pragma once

#include <string_view>

#include "core/windows/control_table.h"

namespace pistora {

// The machine settings dialog (the four pages of cn.dat settings)'s controls by role. A value
// row has a caption, an edit box and a unit; a signal row a caption, a pin list and its
// "Inversé " box.
enum class MachineSettingsControl {
  kWindow,  // the window itself
  kPages,   // the page control
  kInputsOutputsPage,
  kAxesPage,
  kSurfacingPage,
  kCopperPage,

  // "Entrées / Sorties"
  kPortGroup,
  kPortCaption,
  kPortList,
  kInputsGroup,
  kEmergencyStopCaption,
  kEmergencyStopList,
  kEmergencyStopInverted,
  kLimitXCaption,
  kLimitXList,
  kLimitXInverted,
  kLimitYCaption,
  kLimitYList,
  kLimitYInverted,
  kLimitZCaption,
  kLimitZList,
  kLimitZInverted,
  kProbeCaption,
  kProbeList,
  kProbeInverted,
  kOutputsGroup,
  kStepXCaption,
  kStepXList,
  kStepXInverted,
  kDirXCaption,
  kDirXList,
  kDirXInverted,
  kStepYCaption,
  kStepYList,
  kStepYInverted,
  kDirYCaption,
  kDirYList,
  kDirYInverted,
  kStepZCaption,
  kStepZList,
  kStepZInverted,
  kDirZCaption,
  kDirZList,
  kDirZInverted,
  kSpindleCaption,
  kSpindleList,
  kSpindleInverted,

  // "Axes"
  kScrewsGroup,
  kStepsPerMmXCaption,
  kStepsPerMmXEdit,
  kStepsPerMmXUnit,
  kStepsPerMmYCaption,
  kStepsPerMmYEdit,
  kStepsPerMmYUnit,
  kStepsPerMmZCaption,
  kStepsPerMmZEdit,
  kStepsPerMmZUnit,
  kFeedsGroup,
  kMaxFeedCaption,
  kMaxFeedEdit,
  kMaxFeedUnit,
  kWorkFeedCaption,
  kWorkFeedEdit,
  kWorkFeedUnit,
  kPulsesGroup,
  kMinPulseCaption,
  kMinPulseEdit,
  kMinPulseUnit,
  kTickWaitCaption,
  kTickWaitEdit,
  kTickWaitUnit,
  kTickWaitHint,
  kMeasureTickButton,  // measures this computer and proposes the tick wait
  kLimitBackOffCaption,
  kLimitBackOffEdit,
  kLimitBackOffUnit,

  // "Surfaçage de la table"
  kSurfacingGroup,
  kSurfaceOffsetXCaption,
  kSurfaceOffsetXEdit,
  kSurfaceOffsetXUnit,
  kSurfaceOffsetYCaption,
  kSurfaceOffsetYEdit,
  kSurfaceOffsetYUnit,
  kSurfaceSizeXCaption,
  kSurfaceSizeXEdit,
  kSurfaceSizeXUnit,
  kSurfaceSizeYCaption,
  kSurfaceSizeYEdit,
  kSurfaceSizeYUnit,
  kSurfacePassDepthCaption,
  kSurfacePassDepthEdit,
  kSurfacePassDepthUnit,
  kSurfaceStepOverCaption,
  kSurfaceStepOverEdit,
  kSurfaceStepOverUnit,
  kTableZeroButton,      // "Réglage zéro Table"
  kZSettingCaption,      // "Réglage Axe Z"
  kZTargetEdit,          // Z target of the approach (not saved)
  kApproachButton,       // "Aller à"
  kJogUpButton,          // Z up while held
  kJogDownButton,        // Z down while held
  kValidateZButton,      // "Validation réglage des z"
  kStartSurfacingButton, // "Démarrer le surfacage"
  kStopDisc,
  kStopWord,             // "STOP" on the disc
  kResetStopButton,      // "Raz"

  // "Gestion du cuivre"
  kPlateSizeGroup,
  kPlateSizeXCaption,
  kPlateSizeXEdit,
  kPlateSizeXUnit,
  kPlateSizeYCaption,
  kPlateSizeYEdit,
  kPlateSizeYUnit,
  kPlateThicknessCaption,
  kPlateThicknessEdit,
  kPlateThicknessUnit,
  kPlatePositionGroup,
  kPlateBorderXCaption,
  kPlateBorderXEdit,
  kPlateBorderXUnit,
  kPlateBorderYCaption,
  kPlateBorderYEdit,
  kPlateBorderYUnit,
  kPlateOriginXCaption,
  kPlateOriginXEdit,
  kPlateOriginXUnit,
  kPlateOriginYCaption,
  kPlateOriginYEdit,
  kPlateOriginYUnit,
  kCopyGapCaption,
  kCopyGapEdit,
  kCopyGapUnit,

  // Under the pages.
  kRestoreButton,  // "&Restaurer"
  kCancelButton,   // "&Annuler / Sortir"
  kConfirmButton,  // "&Valider / Sortir"
};

const ControlTable<MachineSettingsControl>& MachineSettingsControls();

// The table a role belongs to (lets `Named(widget, role)` and `FindControl` find it).
inline const ControlTable<MachineSettingsControl>& TableOf(MachineSettingsControl) { return MachineSettingsControls(); }


}  // namespace pistora
