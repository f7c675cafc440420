#pragma once

#include "core/windows/control_table.h"

namespace pistora {

// The machine window's controls by role.
enum class MachineControl {
  kWindow,  // the window itself (its title)
  // The "&Option" menu; its entries open the parameter dialog on a page.
  kMenuBar,
  kOptionMenu,
  kPortSetupEntry,
  kGeometryEntry,
  kSurfacingEntry,
  kCopperEntry,
  // "Position et déplacements manuels"
  kPositionBox,
  kPositionX,
  kPositionY,
  kPositionZ,
  kZeroXButton,
  kZeroYButton,
  kZeroZButton,
  kGoToButton,
  kTargetXEdit,
  kTargetYEdit,
  kTargetZEdit,
  kJogRightArrow,  // X+
  kJogLeftArrow,   // X-
  kJogFrontArrow,  // Y+
  kJogBackArrow,   // Y-
  kJogUpArrow,     // Z+
  kJogDownArrow,   // Z-
  kGoToXYZero,     // "(0;0)" at the centre of the cross
  kGoToZZero,      // "Z0" between the Z arrows
  kSpindleButton,
  // "Etat machine"
  kStateBox,
  kLimitXLamp,
  kLimitYLamp,
  kLimitZLamp,
  kProbeLamp,
  kEStopLamp,
  kLimitXCaption,
  kLimitYCaption,
  kLimitZCaption,
  kProbeCaption,
  kEStopCaption,
  kStopDisc,
  kStopWord,
  kResetStopButton,  // "Raz"
  kFeedSlider,
  kWorkFeedCaption,
  kWorkFeedValue,
  kWorkFeedUnit,
  kRealFeedCaption,
  kRealFeedValue,
  kRealFeedUnit,
  // "Message machine"
  kMessageBox,
  kMessageLine,
  // "Code ISO"
  kProgramBox,
  kLoadEngravingButton,
  kLoadDrillingButton,
  kPlacementButton,
  kValidateZButton,
  kStartButton,
  kEngravingFileCaption,
  kEngravingFile,
  kDrillingFileCaption,
  kDrillingFile,
  kProgramInfoBox,
  kSizeXCaption,
  kSizeXValue,
  kSizeXUnit,
  kSizeYCaption,
  kSizeYValue,
  kSizeYUnit,
  kLengthCaption,
  kLengthValue,
  kLengthUnit,
  kTimeCaption,
  kTimeValue,
  kTimeUnit,
  kRepetitionBox,
  kCopiesXCaption,
  kCopiesXSpin,
  kTotalX,
  kTotalXUnit,
  kCopiesYCaption,
  kCopiesYSpin,
  kTotalY,
  kTotalYUnit,
  kProgress,
  // "Commandes"
  kCommandBox,
  kHomeButton,
  // Probing, under the jog controls.
  kTouchOffButton,   // "Palper Z": Z 0 on the copper with the probe
  kHeightMapButton,  // opens the height-map window
  // "Fonction"
  kModeBox,
  kModePicture,
  kModeName,
  kSwitchModeButton,
  // The live view pane beside the boxes: the job as it runs, its time, and the resume.
  kLiveView,
  kFitViewButton,
  kElapsedTime,    // "Écoulé : h:mm:ss"
  kRemainingTime,  // "Restant : h:mm:ss", counted down during a run
  kPercentDone,    // "0 %"
  kResumeButton,   // "Reprendre": a stopped run goes on from the interrupted object
  kStatusTimer,  // the 100 ms status timer
  kMotionViewTimer,  // 40 ms: what the motion thread published, shown
  // The two mode names, kept in memory for the mode label (no control).
  kEngravingModeName,
  kDrillingModeName,
};

const ControlTable<MachineControl>& MachineWindowControls();

// The table a role belongs to (lets `Named(widget, role)` and `FindControl` find it).
inline const ControlTable<MachineControl>& TableOf(MachineControl) { return MachineWindowControls(); }

}  // namespace pistora
