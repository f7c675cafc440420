#pragma once

#include "core/windows/control_table.h"

namespace pistora {

// The main window's controls by role.
enum class MainControl {
  kWindow,  // the window itself

  // The two views, one shown at a time, each with its scroll bars.
  kArtworkGroup,
  kArtworkView,
  kArtworkHorizontalScroll,
  kArtworkVerticalScroll,
  kEngravingGroup,
  kEngravingView,
  kEngravingHorizontalScroll,
  kEngravingVerticalScroll,

  // "Contrôle général" and the progress gauge under it.
  kGeneralControlGroup,
  kLoadArtworkButton,
  kLoadArtworkLamp,
  kLoadEngravingFileButton,
  kLoadEngravingFileLamp,
  kStopButton,
  kStopLamp,
  kProgressGauge,

  // Step panel "Réglages généraux".
  kSettingsPanel,
  kDrillMarkSizeLabel,
  kDrillMarkSize,  // half side of the drill marks, in pixels
  kPadPointLimitLabel,
  kPadPointLimit,  // most points of a pad
  kProcessButton,
  kProcessLamp,
  kPreprocessButton,  // hidden; offered by the artwork view's menu
  kPolygonalButton,   // hidden; offered by the artwork view's menu
  // A Gerber layer's drill file (Excellon) and its face, read when the layer is loaded.
  kGerberDrillFile,
  kGerberDrillFileButton,
  kGerberMirror,

  // Step panel "Mise à l'échelle".
  kScalePanel,
  kMeasuredDistanceLabel,
  kMeasuredDistance,  // pixels, measured by a drag on the artwork
  kRealDistanceLabel,
  kRealDistance,  // mm
  kPixelSizeLabel,
  kPixelSize,   // mm
  kPitchCount,  // number of 2.54 mm pitches
  kPitchTimesLabel,
  kPitchLength,  // their length, mm
  kCopyPitchLengthButton,
  kValidateScaleButton,
  kValidateScaleLamp,
  kStatedResolutionNote,  // "600 dpi lus dans le fichier" when the artwork states its resolution

  // Step panel "Vérification du résultat".
  kVerificationPanel,
  kUsefulTrackCountCaption,
  kUsefulTrackCount,
  kDrillCountCaption,
  kDrillCount,
  kContourNumberLabel,
  kContourNumber,  // the selected contour
  kPadCheck,
  kUselessCheck,
  kThickenTracksButton,
  kSmoothJaggiesButton,
  kRedrawVerificationButton,
  kValidateVerificationButton,
  kValidateVerificationLamp,
  kRightClickHint,
  kToolWidth,             // mm, the tool the useful contours are rebuilt for
  kToolPasses,            // paths per island for that tool
  kRebuildForToolButton,  // rebuilds them at the tool's radius from the copper
  // Browsing the contours by kind (hidden).
  kNextPadButton,
  kPreviousPadButton,
  kNextUsefulTrackButton,
  kPreviousUsefulTrackButton,
  kNextUselessButton,
  kPreviousUselessButton,

  // Step panel "Simulation et génération du g-code".
  kGenerationPanel,
  kSaveEngravingFileButton,
  kSimulateEngravingButton,
  kEngravingSimulationSpeed,
  kSimulateDrillingButton,
  kDrillingSimulationPause,  // after each hole, ms
  kEngravingProgramButton,
  kDrillingProgramButton,
  kGenerationLamp,

  // Job settings (param.txt) and the links to the other windows.
  kJobSettingsGroup,
  kEngravingDepthLabel,
  kEngravingDepth,
  kEngravingDepthUnit,
  kDrillingDepthLabel,
  kDrillingDepth,
  kDrillingDepthUnit,
  kRetractDistanceLabel,
  kRetractDistance,
  kRetractDistanceUnit,
  kEngravingFeedLabel,
  kEngravingFeed,
  kEngravingFeedUnit,
  kDrillingFeedLabel,
  kDrillingFeed,
  kDrillingFeedUnit,
  kSpindleControl,
  kLanguageLabel,
  kLanguageList,
  kAboutButton,
  kMachineWindowButton,
  kMagnifierToggle,
  kSaveSettingsButton,
  kProgramOptionsButton,  // opens the program options (controller, spindle speed, drills, ...)
  kToolSettingsButton,    // opens the tool settings (passes, holes by size, threshold) and the gaps

  // Under the views: the zoom of the view shown, and the files opened lately.
  kZoomOutButton,
  kZoomInButton,
  kZoomFitButton,         // the whole bitmap in the view
  kZoomOneToOneButton,    // one bitmap pixel per screen pixel
  kZoomLevel,             // the scale of the view shown, in per cent
  kRecentFilesButton,     // its menu lists the artworks and engraving files opened lately

  // Hidden diagnostic lists (see Workspace) and the artwork view's context menu.
  kContourLog,
  kRunLog,
  kArtworkMenu,
};

const ControlTable<MainControl>& MainWindowControls();

// The table a role belongs to (lets `Named(widget, role)` and `FindControl` find it).
inline const ControlTable<MainControl>& TableOf(MainControl) { return MainWindowControls(); }

}  // namespace pistora
