#include "core/windows/machine_window_controls.h"

namespace pistora {
namespace {

using R = MachineControl;
constexpr CaptionTargetKind kTitle = CaptionTargetKind::kWindowTitle;
constexpr CaptionTargetKind kMenu = CaptionTargetKind::kMenuEntry;
constexpr CaptionTargetKind kMode = CaptionTargetKind::kModeName;

// In language-file order; rows without a line where their box is.
constexpr ControlName<MachineControl> kRows[] = {
    {R::kWindow, "", 60, "Gravure de circuits imprimés", kTitle},
    {R::kPositionBox, "GroupBox1", 61, "Position et déplacements manuels"},
    {R::kPositionX, "Label1", 0, "0.000"},
    {R::kPositionY, "Label2", 0, "0.000"},
    {R::kPositionZ, "Label3", 0, "0.000"},
    {R::kTargetXEdit, "Edit1", 0, "0.000"},
    {R::kTargetYEdit, "Edit2", 0, "0.000"},
    {R::kTargetZEdit, "Edit3", 0, "0.000"},
    {R::kJogRightArrow, "BitBtn1"},
    {R::kJogLeftArrow, "BitBtn2"},
    {R::kJogFrontArrow, "BitBtn3"},
    {R::kJogBackArrow, "BitBtn4"},
    {R::kJogUpArrow, "BitBtn5"},
    {R::kJogDownArrow, "BitBtn6"},
    {R::kGoToXYZero, "Label4", 0, "(0;0)"},
    {R::kGoToZZero, "Label5", 0, "Z0"},
    {R::kStateBox, "GroupBox2", 62, "Etat machine"},
    {R::kLimitXLamp, "cyAdvLed1"},
    {R::kLimitYLamp, "cyAdvLed2"},
    {R::kLimitZLamp, "cyAdvLed3"},
    {R::kProbeLamp, "cyAdvLed4"},
    {R::kEStopLamp, "cyAdvLed5"},
    {R::kLimitXCaption, "Label10", 63, "Butée axe x"},
    {R::kLimitYCaption, "Label11", 64, "Butée axe y"},
    {R::kLimitZCaption, "Label12", 65, "Butée axe z"},
    {R::kProbeCaption, "Label13", 66, "Palpeur outil"},
    {R::kEStopCaption, "Label14", 67, "Arrêt d'urgence"},
    {R::kStopDisc, "Shape1"},
    {R::kFeedSlider, "TrackBar1"},
    {R::kWorkFeedCaption, "Label16", 68, "Avance de travail"},
    {R::kWorkFeedValue, "Label17", 0, "150"},
    {R::kRealFeedCaption, "Label35", 69, "Avance Réelle"},
    {R::kRealFeedValue, "Label33", 0, "0"},
    {R::kWorkFeedUnit, "Label19", 70, "mm/mn"},
    {R::kRealFeedUnit, "Label34", 70, "mm/mn"},
    {R::kGoToButton, "Button1", 71, "Aller à"},
    {R::kSpindleButton, "BitBtn7", 72, "Broche"},
    {R::kMessageBox, "GroupBox3", 73, "Message machine"},
    {R::kMessageLine, "Label6"},
    {R::kProgramBox, "GroupBox4", 74, "Code ISO"},
    {R::kCommandBox, "GroupBox5", 75, "Commandes"},
    {R::kHomeButton, "BitBtn8", 76, "Zéro Machine"},
    {R::kModeBox, "GroupBox8", 77, "Fonction"},
    {R::kModePicture, "Image1"},
    {R::kModeName, "Label53", 0, "Gravure"},
    {R::kSwitchModeButton, "BitBtn14", 78, "&Bascule"},
    {R::kEngravingModeName, "EngravingModeName", 79, "Gravure", kMode},
    {R::kDrillingModeName, "DrillingModeName", 80, "Perçage", kMode},
    {R::kEngravingFileCaption, "Label18", 81, "Gravure : "},
    {R::kEngravingFile, "Label8"},
    {R::kDrillingFileCaption, "Label51", 82, "Perçage : "},
    {R::kDrillingFile, "Label9"},
    {R::kLoadEngravingButton, "BitBtn9", 83, "&Charger gravure ISO"},
    {R::kLoadDrillingButton, "BitBtn13", 84, "Charger &perçage ISO"},
    {R::kPlacementButton, "BitBtn11", 85, "&Réglage position gravure"},
    {R::kValidateZButton, "BitBtn12", 86, "Valide &Réglage niveau Z"},
    {R::kStartButton, "BitBtn10", 87, "Démarrer la gravure"},
    {R::kProgramInfoBox, "GroupBox6", 88, "Information programme"},
    {R::kSizeXCaption, "Label22", 89, "Taille X :"},
    {R::kSizeXValue, "Label24", 0, "0.000"},
    {R::kSizeYCaption, "Label23", 90, "Taille Y :"},
    {R::kSizeYValue, "Label26", 0, "0.000"},
    {R::kLengthCaption, "Label28", 91, "Longueur :"},
    {R::kLengthValue, "Label29", 0, "0.000"},
    {R::kTimeCaption, "Label31", 92, "Temps estimé :"},
    {R::kTimeValue, "Label32", 0, "0:00:00"},
    {R::kSizeXUnit, "Label25", 93, "mm"},
    {R::kSizeYUnit, "Label30", 93, "mm"},
    {R::kLengthUnit, "Label27", 93, "mm"},
    {R::kTotalXUnit, "Label47", 93, "mm"},
    {R::kTotalYUnit, "Label48", 93, "mm"},
    {R::kTimeUnit, "Label44", 94, "s"},
    {R::kRepetitionBox, "GroupBox7", 95, "Option de répétition"},
    {R::kCopiesXCaption, "Label45", 96, "Répétition sur axe X"},
    {R::kCopiesXSpin, "SpinEdit1"},
    {R::kTotalX, "Label49", 0, "0"},
    {R::kCopiesYCaption, "Label46", 97, "Répétition sur axe Y"},
    {R::kCopiesYSpin, "SpinEdit2"},
    {R::kTotalY, "Label50", 0, "0"},
    {R::kProgress, "ProgressBar1"},
    {R::kResetStopButton, "Button5", 98, "Raz"},
    {R::kZeroXButton, "Button2", 98, "RAZ"},
    {R::kZeroYButton, "Button3", 98, "RAZ"},
    {R::kZeroZButton, "Button4", 98, "RAZ"},
    {R::kStopWord, "Label15", 99, "STOP"},
    {R::kMenuBar, "MainMenu1"},
    {R::kOptionMenu, "MenuOption", 100, "&Option", kMenu},
    {R::kPortSetupEntry, "MenuPortSetup", 101, "&Paramétrage du port parallèle", kMenu},
    {R::kGeometryEntry, "MenuGeometry", 102, "&Réglage géométrie machine", kMenu},
    {R::kSurfacingEntry, "MenuSurfacing", 103, "&Surfaçage plan de travail", kMenu},
    {R::kCopperEntry, "MenuCopper", 104, "Réglage &Cuivre", kMenu},
    {R::kStatusTimer, "Timer1"},
};

}  // namespace

const ControlTable<MachineControl>& MachineWindowControls() {
  static constexpr ControlTable<MachineControl> kTable("Tgravefrm", kRows);
  return kTable;
}

}  // namespace pistora
