#include "core/windows/machine_settings_controls.h"

namespace pistora {
namespace {

using R = MachineSettingsControl;
constexpr CaptionTargetKind kTitle = CaptionTargetKind::kWindowTitle;
constexpr CaptionTargetKind kPage = CaptionTargetKind::kPageTitle;
constexpr CaptionTargetKind kFirstItem = CaptionTargetKind::kFirstListItem;

// Page by page, in the order of the layout. Within a language line the rows keep the language
// file's order: the input lists before the output lists (line 180), the surfacing page's
// sizes before the copper page's (lines 149 and 150).
constexpr ControlName<MachineSettingsControl> kRows[] = {
    {R::kWindow, "", 125, "Paramétrage", kTitle},
    {R::kPages, "PageControl1"},
    {R::kInputsOutputsPage, "TabSheet1", 126, "Entrées / Sorties", kPage},
    {R::kAxesPage, "TabSheet2", 127, "Axes", kPage},
    {R::kSurfacingPage, "TabSheet3", 128, "Surfaçage de la table", kPage},
    {R::kCopperPage, "TabSheet4", 129, "Gestion du cuivre", kPage},

    {R::kPortGroup, "GroupBox1", 105, "Port parallèle"},
    {R::kPortCaption, "Label1", 106, "Adresse du port :"},
    {R::kPortList, "ComboBox1", 179, "Port désactivé", kFirstItem},
    {R::kInputsGroup, "GroupBox2", 107, "Entrées"},
    {R::kEmergencyStopCaption, "Label2", 108, "Arrêt d'urgence"},
    {R::kEmergencyStopList, "ComboBox2", 180, "Non utilisé", kFirstItem},
    {R::kEmergencyStopInverted, "CheckBox1", 113, "Inversé "},
    {R::kLimitXCaption, "Label3", 109, "Butée axe X"},
    {R::kLimitXList, "ComboBox4", 180, "Non utilisé", kFirstItem},
    {R::kLimitXInverted, "CheckBox2", 113, "Inversé "},
    {R::kLimitYCaption, "Label4", 110, "Butée axe Y"},
    {R::kLimitYList, "ComboBox5", 180, "Non utilisé", kFirstItem},
    {R::kLimitYInverted, "CheckBox3", 113, "Inversé "},
    {R::kLimitZCaption, "Label5", 111, "Butée axe Z"},
    {R::kLimitZList, "ComboBox6", 180, "Non utilisé", kFirstItem},
    {R::kLimitZInverted, "CheckBox4", 113, "Inversé "},
    {R::kProbeCaption, "Label6", 112, "Palpeur Outil"},
    {R::kProbeList, "ComboBox7", 180, "Non utilisé", kFirstItem},
    {R::kProbeInverted, "CheckBox5", 113, "Inversé "},
    {R::kOutputsGroup, "GroupBox3", 114, "Sorties"},
    {R::kStepXCaption, "Label7", 115, "Pas X"},
    {R::kStepXList, "ComboBox3", 180, "Non utilisée", kFirstItem},
    {R::kStepXInverted, "CheckBox6", 113, "Inversé "},
    {R::kDirXCaption, "Label10", 116, "Sens X"},
    {R::kDirXList, "ComboBox8", 180, "Non utilisée", kFirstItem},
    {R::kDirXInverted, "CheckBox7", 113, "Inversé "},
    {R::kStepYCaption, "Label8", 117, "Pas Y"},
    {R::kStepYList, "ComboBox9", 180, "Non utilisée", kFirstItem},
    {R::kStepYInverted, "CheckBox8", 113, "Inversé "},
    {R::kDirYCaption, "Label11", 118, "Sens Y"},
    {R::kDirYList, "ComboBox10", 180, "Non utilisée", kFirstItem},
    {R::kDirYInverted, "CheckBox9", 113, "Inversé "},
    {R::kStepZCaption, "Label9", 119, "Pas Z"},
    {R::kStepZList, "ComboBox11", 180, "Non utilisée", kFirstItem},
    {R::kStepZInverted, "CheckBox10", 113, "Inversé "},
    {R::kDirZCaption, "Label12", 120, "Sens Z"},
    {R::kDirZList, "ComboBox12", 180, "Non utilisée", kFirstItem},
    {R::kDirZInverted, "CheckBox11", 113, "Inversé "},
    {R::kSpindleCaption, "Label13", 121, "Broche"},
    {R::kSpindleList, "ComboBox13", 180, "Non utilisée", kFirstItem},
    {R::kSpindleInverted, "CheckBox12", 113, "Inversé "},

    {R::kScrewsGroup, "GroupBox4", 130, "Caractéristiques des vis et moteurs d'axe"},
    {R::kStepsPerMmXCaption, "Label14", 131, "Axe X"},
    {R::kStepsPerMmXEdit, "Edit1"},
    {R::kStepsPerMmXUnit, "UnitStepsX", 134, "Pas par mm"},
    {R::kStepsPerMmYCaption, "Label15", 132, "Axe Y"},
    {R::kStepsPerMmYEdit, "Edit2"},
    {R::kStepsPerMmYUnit, "UnitStepsY", 134, "Pas par mm"},
    {R::kStepsPerMmZCaption, "Label16", 133, "Axe Z"},
    {R::kStepsPerMmZEdit, "Edit3"},
    {R::kStepsPerMmZUnit, "UnitStepsZ", 134, "Pas par mm"},
    {R::kFeedsGroup, "GroupBox5", 135, "Vitesses limites de la machine"},
    {R::kMaxFeedCaption, "Label20", 136, "Avance maximale "},
    {R::kMaxFeedEdit, "Edit4"},
    {R::kMaxFeedUnit, "UnitMaxFeed", 138, "mm/mm"},
    {R::kWorkFeedCaption, "Label22", 137, "Avance de travail par défaut"},
    {R::kWorkFeedEdit, "Edit6"},
    {R::kWorkFeedUnit, "UnitWorkFeed", 138, "mm/mm"},
    {R::kPulsesGroup, "GroupBox6", 139, "Réglage des impulsions de commandes"},
    {R::kMinPulseCaption, "Label26", 140, "Durée minimum d'une impulsion de commande  "},
    {R::kMinPulseEdit, "Edit7"},
    {R::kMinPulseUnit, "UnitMinPulse", 142, "us"},
    {R::kTickWaitCaption, "Label56", 141, "Durée de la tempo de 50us  "},
    {R::kTickWaitEdit, "Edit22"},
    {R::kTickWaitUnit, "UnitTickWait", 142, "us"},
    {R::kTickWaitHint, "Label58", 145, "Diminuer cette valeur pour augmenter la vitesse réelle"},
    {R::kLimitBackOffCaption, "Label59", 143, "Distance retrait fin de course  : "},
    {R::kLimitBackOffEdit, "Edit23"},
    {R::kLimitBackOffUnit, "UnitBackOff", 144, "mm"},

    {R::kSurfacingGroup, "GroupBox7", 146, "Surfaçage plan de travail"},
    {R::kSurfaceOffsetXCaption, "Label21", 147, "Offset axe X : "},
    {R::kSurfaceOffsetXEdit, "Edit5"},
    {R::kSurfaceOffsetXUnit, "UnitSurfaceOffsetX", 144, "mm"},
    {R::kSurfaceOffsetYCaption, "Label24", 148, "Offset axe Y : "},
    {R::kSurfaceOffsetYEdit, "Edit8"},
    {R::kSurfaceOffsetYUnit, "UnitSurfaceOffsetY", 144, "mm"},
    {R::kSurfaceSizeXCaption, "LabelSurfaceSizeX", 149, "Dimenssion X : "},
    {R::kSurfaceSizeXEdit, "Edit9"},
    {R::kSurfaceSizeXUnit, "UnitSurfaceSizeX", 144, "mm"},
    {R::kSurfaceSizeYCaption, "LabelSurfaceSizeY", 150, "Dimenssion Y :"},
    {R::kSurfaceSizeYEdit, "Edit10"},
    {R::kSurfaceSizeYUnit, "UnitSurfaceSizeY", 144, "mm"},
    {R::kSurfacePassDepthCaption, "Label30", 151, "Profondeur de passe :  "},
    {R::kSurfacePassDepthEdit, "Edit11"},
    {R::kSurfacePassDepthUnit, "UnitSurfacePassDepth", 144, "mm"},
    {R::kSurfaceStepOverCaption, "Label31", 152, "Encart entre deux passes : "},
    {R::kSurfaceStepOverEdit, "Edit12"},
    {R::kSurfaceStepOverUnit, "UnitSurfaceStepOver", 144, "mm"},
    {R::kTableZeroButton, "Button11", 153, "Réglage zéro Table"},
    {R::kZSettingCaption, "Label39", 154, "Réglage Axe Z"},
    {R::kZTargetEdit, "Edit13"},
    {R::kApproachButton, "Button1", 71, "Aller à"},
    {R::kJogUpButton, "BitBtn4"},
    {R::kJogDownButton, "BitBtn5"},
    {R::kValidateZButton, "Button13", 155, "Validation réglage des z"},
    {R::kStartSurfacingButton, "Button12", 156, "Démarrer le surfacage"},
    {R::kStopDisc, "Shape1"},
    {R::kStopWord, "Label38", 99, "STOP"},
    {R::kResetStopButton, "Button2", 98, "Raz"},

    {R::kPlateSizeGroup, "GroupBox8", 157, "Dimenssion des plaques de cuivre"},
    {R::kPlateSizeXCaption, "LabelPlateSizeX", 149, "Dimenssion X : "},
    {R::kPlateSizeXEdit, "Edit14"},
    {R::kPlateSizeXUnit, "UnitPlateSizeX", 144, "mm"},
    {R::kPlateSizeYCaption, "LabelPlateSizeY", 150, "Dimenssion Y : "},
    {R::kPlateSizeYEdit, "Edit15"},
    {R::kPlateSizeYUnit, "UnitPlateSizeY", 144, "mm"},
    {R::kPlateThicknessCaption, "Label42", 158, "Eppaisseur :"},
    {R::kPlateThicknessEdit, "Edit16"},
    {R::kPlateThicknessUnit, "UnitPlateThickness", 144, "mm"},
    {R::kPlatePositionGroup, "GroupBox9", 159, "Réglage position plaque de cuivre"},
    {R::kPlateBorderXCaption, "Label48", 160, "Bord inutilisable axe X :"},
    {R::kPlateBorderXEdit, "Edit18"},
    {R::kPlateBorderXUnit, "UnitPlateBorderX", 144, "mm"},
    {R::kPlateBorderYCaption, "Label49", 161, "Bord inutilisable axe Y :"},
    {R::kPlateBorderYEdit, "Edit19"},
    {R::kPlateBorderYUnit, "UnitPlateBorderY", 144, "mm"},
    {R::kPlateOriginXCaption, "Label50", 162, "Offset origine X :"},
    {R::kPlateOriginXEdit, "Edit20"},
    {R::kPlateOriginXUnit, "UnitPlateOriginX", 144, "mm"},
    {R::kPlateOriginYCaption, "Label51", 163, "Offset origine Y :"},
    {R::kPlateOriginYEdit, "Edit21"},
    {R::kPlateOriginYUnit, "UnitPlateOriginY", 144, "mm"},
    {R::kCopyGapCaption, "Label46", 164, "Ecart entre les copies : "},
    {R::kCopyGapEdit, "Edit17"},
    {R::kCopyGapUnit, "UnitCopyGap", 144, "mm"},

    {R::kRestoreButton, "BitBtn1", 122, "&Restaurer"},
    {R::kCancelButton, "BitBtn2", 123, "&Annuler / Sortir"},
    {R::kConfirmButton, "BitBtn3", 124, "&Valider / Sortir"},
};

}  // namespace

const ControlTable<MachineSettingsControl>& MachineSettingsControls() {
  static constexpr ControlTable<MachineSettingsControl> kTable("TPagesDlg", kRows);
  return kTable;
}

std::string_view BuiltInCaption(MachineSettingsControl role) {
  for (const ControlName<MachineSettingsControl>& row : kRows) {
    if (row.role == role) return row.built_in;
  }
  return {};
}

}  // namespace pistora
