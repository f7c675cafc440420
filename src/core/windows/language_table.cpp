#include "core/windows/language_table.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/windows/about_dialog_controls.h"
#include "core/windows/machine_settings_controls.h"
#include "core/windows/machine_window_controls.h"
#include "core/windows/main_window_controls.h"
#include "core/windows/plate_window_controls.h"

namespace pistora {
namespace {

constexpr CaptionTargetKind kText = CaptionTargetKind::kControlText;
constexpr CaptionTargetKind kTitle = CaptionTargetKind::kWindowTitle;
constexpr CaptionTargetKind kMenu = CaptionTargetKind::kMenuEntry;
constexpr CaptionTargetKind kPage = CaptionTargetKind::kPageTitle;
constexpr CaptionTargetKind kFirstItem = CaptionTargetKind::kFirstListItem;
constexpr CaptionTargetKind kMode = CaptionTargetKind::kModeName;

// Line by line; a line with several targets lists them one after the other.
// Rows of the windows that do not have a control table yet; each moves into its window's
// table (core/windows/<window>_controls.cpp) with roles.
constexpr CaptionTarget kUntabledTargets[] = {
    // Machine window, lines 60 to 104.
    {60, kTitle, "Tgravefrm", "", "Gravure de circuits imprimés"},
    {61, kText, "Tgravefrm", "GroupBox1", "Position et déplacements manuels"},
    {62, kText, "Tgravefrm", "GroupBox2", "Etat machine"},
    {63, kText, "Tgravefrm", "Label10", "Butée axe x"},
    {64, kText, "Tgravefrm", "Label11", "Butée axe y"},
    {65, kText, "Tgravefrm", "Label12", "Butée axe z"},
    {66, kText, "Tgravefrm", "Label13", "Palpeur outil"},
    {67, kText, "Tgravefrm", "Label14", "Arrêt d'urgence"},
    {68, kText, "Tgravefrm", "Label16", "Avance de travail"},
    {69, kText, "Tgravefrm", "Label35", "Avance Réelle"},
    {70, kText, "Tgravefrm", "Label19", "mm/mn"},
    {70, kText, "Tgravefrm", "Label34", "mm/mn"},
    {71, kText, "Tgravefrm", "Button1", "Aller à"},
    {71, kText, "TPagesDlg", "Button1", "Aller à"},
    {72, kText, "Tgravefrm", "BitBtn7", "Broche"},
    {73, kText, "Tgravefrm", "GroupBox3", "Message machine"},
    {74, kText, "Tgravefrm", "GroupBox4", "Code ISO"},
    {75, kText, "Tgravefrm", "GroupBox5", "Commandes"},
    {76, kText, "Tgravefrm", "BitBtn8", "Zéro Machine"},
    {77, kText, "Tgravefrm", "GroupBox8", "Fonction"},
    {78, kText, "Tgravefrm", "BitBtn14", "&Bascule"},
    {79, kMode, "Tgravefrm", "EngravingModeName", "Gravure"},
    {80, kMode, "Tgravefrm", "DrillingModeName", "Perçage"},
    {81, kText, "Tgravefrm", "Label18", "Gravure : "},
    {82, kText, "Tgravefrm", "Label51", "Perçage : "},
    {83, kText, "Tgravefrm", "BitBtn9", "&Charger gravure ISO"},
    {84, kText, "Tgravefrm", "BitBtn13", "Charger &perçage ISO"},
    {85, kText, "Tgravefrm", "BitBtn11", "&Réglage position gravure"},
    {86, kText, "Tgravefrm", "BitBtn12", "Valide &Réglage niveau Z"},
    {87, kText, "Tgravefrm", "BitBtn10", "Démarrer la gravure"},
    {88, kText, "Tgravefrm", "GroupBox6", "Information programme"},
    {89, kText, "Tgravefrm", "Label22", "Taille X :"},
    {90, kText, "Tgravefrm", "Label23", "Taille Y :"},
    {91, kText, "Tgravefrm", "Label28", "Longueur :"},
    {92, kText, "Tgravefrm", "Label31", "Temps estimé :"},
    {93, kText, "Tgravefrm", "Label25", "mm"},
    {93, kText, "Tgravefrm", "Label30", "mm"},
    {93, kText, "Tgravefrm", "Label27", "mm"},
    {93, kText, "Tgravefrm", "Label47", "mm"},
    {93, kText, "Tgravefrm", "Label48", "mm"},
    {94, kText, "Tgravefrm", "Label44", "s"},
    {95, kText, "Tgravefrm", "GroupBox7", "Option de répétition"},
    {96, kText, "Tgravefrm", "Label45", "Répétition sur axe X"},
    {97, kText, "Tgravefrm", "Label46", "Répétition sur axe Y"},
    {98, kText, "Tgravefrm", "Button5", "Raz"},
    {98, kText, "Tgravefrm", "Button2", "RAZ"},
    {98, kText, "Tgravefrm", "Button3", "RAZ"},
    {98, kText, "Tgravefrm", "Button4", "RAZ"},
    {98, kText, "TPagesDlg", "Button2", "Raz"},
    {98, kText, "Tgestfrm", "Button5", "Raz"},
    {99, kText, "Tgravefrm", "Label15", "STOP"},
    {99, kText, "TPagesDlg", "Label38", "STOP"},
    {99, kText, "Tgestfrm", "Label15", "STOP"},
    {100, kMenu, "Tgravefrm", "MenuOption", "&Option"},
    {101, kMenu, "Tgravefrm", "MenuPortSetup", "&Paramétrage du port parallèle"},
    {102, kMenu, "Tgravefrm", "MenuGeometry", "&Réglage géométrie machine"},
    {103, kMenu, "Tgravefrm", "MenuSurfacing", "&Surfaçage plan de travail"},
    {104, kMenu, "Tgravefrm", "MenuCopper", "Réglage &Cuivre"},

    // Parameter dialog, lines 105 to 164.
    {105, kText, "TPagesDlg", "GroupBox1", "Port parallèle"},
    {106, kText, "TPagesDlg", "Label1", "Adresse du port :"},
    {107, kText, "TPagesDlg", "GroupBox2", "Entrées"},
    {108, kText, "TPagesDlg", "Label2", "Arrêt d'urgence"},
    {109, kText, "TPagesDlg", "Label3", "Butée axe X"},
    {110, kText, "TPagesDlg", "Label4", "Butée axe Y"},
    {111, kText, "TPagesDlg", "Label5", "Butée axe Z"},
    {112, kText, "TPagesDlg", "Label6", "Palpeur Outil"},
    {113, kText, "TPagesDlg", "CheckBox1", "Inversé "},
    {113, kText, "TPagesDlg", "CheckBox2", "Inversé "},
    {113, kText, "TPagesDlg", "CheckBox3", "Inversé "},
    {113, kText, "TPagesDlg", "CheckBox4", "Inversé "},
    {113, kText, "TPagesDlg", "CheckBox5", "Inversé "},
    {113, kText, "TPagesDlg", "CheckBox6", "Inversé "},
    {113, kText, "TPagesDlg", "CheckBox7", "Inversé "},
    {113, kText, "TPagesDlg", "CheckBox8", "Inversé "},
    {113, kText, "TPagesDlg", "CheckBox9", "Inversé "},
    {113, kText, "TPagesDlg", "CheckBox10", "Inversé "},
    {113, kText, "TPagesDlg", "CheckBox11", "Inversé "},
    {113, kText, "TPagesDlg", "CheckBox12", "Inversé "},
    {114, kText, "TPagesDlg", "GroupBox3", "Sorties"},
    {115, kText, "TPagesDlg", "Label7", "Pas X"},
    {116, kText, "TPagesDlg", "Label10", "Sens X"},
    {117, kText, "TPagesDlg", "Label8", "Pas Y"},
    {118, kText, "TPagesDlg", "Label11", "Sens Y"},
    {119, kText, "TPagesDlg", "Label9", "Pas Z"},
    {120, kText, "TPagesDlg", "Label12", "Sens Z"},
    {121, kText, "TPagesDlg", "Label13", "Broche"},
    {122, kText, "TPagesDlg", "BitBtn1", "&Restaurer"},
    {123, kText, "TPagesDlg", "BitBtn2", "&Annuler / Sortir"},
    {124, kText, "TPagesDlg", "BitBtn3", "&Valider / Sortir"},
    {125, kTitle, "TPagesDlg", "", "Paramétrage"},
    {126, kPage, "TPagesDlg", "TabSheet1", "Entrées / Sorties"},
    {127, kPage, "TPagesDlg", "TabSheet2", "Axes"},
    {128, kPage, "TPagesDlg", "TabSheet3", "Surfaçage de la table"},
    {129, kPage, "TPagesDlg", "TabSheet4", "Gestion du cuivre"},
    {130, kText, "TPagesDlg", "GroupBox4", "Caractéristiques des vis et moteurs d'axe"},
    {131, kText, "TPagesDlg", "Label14", "Axe X"},
    {132, kText, "TPagesDlg", "Label15", "Axe Y"},
    {133, kText, "TPagesDlg", "Label16", "Axe Z"},
    {134, kText, "TPagesDlg", "UnitStepsX", "Pas par mm"},
    {134, kText, "TPagesDlg", "UnitStepsY", "Pas par mm"},
    {134, kText, "TPagesDlg", "UnitStepsZ", "Pas par mm"},
    {135, kText, "TPagesDlg", "GroupBox5", "Vitesses limites de la machine"},
    {136, kText, "TPagesDlg", "Label20", "Avance maximale "},
    {137, kText, "TPagesDlg", "Label22", "Avance de travail par défaut"},
    {138, kText, "TPagesDlg", "UnitMaxFeed", "mm/mm"},
    {138, kText, "TPagesDlg", "UnitWorkFeed", "mm/mm"},
    {139, kText, "TPagesDlg", "GroupBox6", "Réglage des impulsions de commandes"},
    {140, kText, "TPagesDlg", "Label26", "Durée minimum d'une impulsion de commande  "},
    {141, kText, "TPagesDlg", "Label56", "Durée de la tempo de 50us  "},
    {142, kText, "TPagesDlg", "UnitMinPulse", "us"},
    {142, kText, "TPagesDlg", "UnitTickWait", "us"},
    {143, kText, "TPagesDlg", "Label59", "Distance retrait fin de course  : "},
    {144, kText, "TPagesDlg", "UnitBackOff", "mm"},
    {144, kText, "TPagesDlg", "UnitSurfaceOffsetX", "mm"},
    {144, kText, "TPagesDlg", "UnitSurfaceOffsetY", "mm"},
    {144, kText, "TPagesDlg", "UnitSurfaceSizeX", "mm"},
    {144, kText, "TPagesDlg", "UnitSurfaceSizeY", "mm"},
    {144, kText, "TPagesDlg", "UnitSurfacePassDepth", "mm"},
    {144, kText, "TPagesDlg", "UnitSurfaceStepOver", "mm"},
    {144, kText, "TPagesDlg", "UnitPlateSizeX", "mm"},
    {144, kText, "TPagesDlg", "UnitPlateSizeY", "mm"},
    {144, kText, "TPagesDlg", "UnitPlateThickness", "mm"},
    {144, kText, "TPagesDlg", "UnitPlateBorderX", "mm"},
    {144, kText, "TPagesDlg", "UnitPlateBorderY", "mm"},
    {144, kText, "TPagesDlg", "UnitPlateOriginX", "mm"},
    {144, kText, "TPagesDlg", "UnitPlateOriginY", "mm"},
    {144, kText, "TPagesDlg", "UnitCopyGap", "mm"},
    {145, kText, "TPagesDlg", "Label58", "Diminuer cette valeur pour augmenter la vitesse réelle"},
    {146, kText, "TPagesDlg", "GroupBox7", "Surfaçage plan de travail"},
    {147, kText, "TPagesDlg", "Label21", "Offset axe X : "},
    {148, kText, "TPagesDlg", "Label24", "Offset axe Y : "},
    {149, kText, "TPagesDlg", "LabelSurfaceSizeX", "Dimenssion X : "},
    {149, kText, "TPagesDlg", "LabelPlateSizeX", "Dimenssion X : "},
    {150, kText, "TPagesDlg", "LabelSurfaceSizeY", "Dimenssion Y :"},
    {150, kText, "TPagesDlg", "LabelPlateSizeY", "Dimenssion Y : "},
    {151, kText, "TPagesDlg", "Label30", "Profondeur de passe :  "},
    {152, kText, "TPagesDlg", "Label31", "Encart entre deux passes : "},
    {153, kText, "TPagesDlg", "Button11", "Réglage zéro Table"},
    {154, kText, "TPagesDlg", "Label39", "Réglage Axe Z"},
    {155, kText, "TPagesDlg", "Button13", "Validation réglage des z"},
    {156, kText, "TPagesDlg", "Button12", "Démarrer le surfacage"},
    {157, kText, "TPagesDlg", "GroupBox8", "Dimenssion des plaques de cuivre"},
    {158, kText, "TPagesDlg", "Label42", "Eppaisseur :"},
    {159, kText, "TPagesDlg", "GroupBox9", "Réglage position plaque de cuivre"},
    {160, kText, "TPagesDlg", "Label48", "Bord inutilisable axe X :"},
    {161, kText, "TPagesDlg", "Label49", "Bord inutilisable axe Y :"},
    {162, kText, "TPagesDlg", "Label50", "Offset origine X :"},
    {163, kText, "TPagesDlg", "Label51", "Offset origine Y :"},
    {164, kText, "TPagesDlg", "Label46", "Ecart entre les copies : "},

    // Copper plate window, lines 165 to 177.
    {165, kTitle, "Tgestfrm", "", "Réglage position de gravure"},
    {166, kText, "Tgestfrm", "GroupBox1", "Prévisualisation"},
    {167, kText, "Tgestfrm", "GroupBox2", "Commandes"},
    {168, kText, "Tgestfrm", "BitBtn1", "Nouvelle plaque"},
    {169, kText, "Tgestfrm", "BitBtn3", "&Sortir sans rien faire"},
    {170, kText, "Tgestfrm", "BitBtn2", "&Positionner la broche et sortir"},
    {171, kText, "Tgestfrm", "GroupBox3", "Légende"},
    {172, kText, "Tgestfrm", "Label1", "Surface cuivrée"},
    {173, kText, "Tgestfrm", "Label2", "Zone interdite"},
    {174, kText, "Tgestfrm", "Label3", "Gravure en cours"},
    {175, kText, "Tgestfrm", "Label4", "Zone déja gravée"},
    {176, kText, "Tgestfrm", "Label5", "Point de départ gravure"},
    {177, kText, "Tgestfrm", "GroupBox4", "Gestion des plaques de cuivre"},

    // Last lines.
    {179, kFirstItem, "TPagesDlg", "ComboBox1", "Port désactivé"},
    // Input lists first ("Non utilisé"), then the output lists ("Non utilisée").
    {180, kFirstItem, "TPagesDlg", "ComboBox2", "Non utilisé"},
    {180, kFirstItem, "TPagesDlg", "ComboBox4", "Non utilisé"},
    {180, kFirstItem, "TPagesDlg", "ComboBox5", "Non utilisé"},
    {180, kFirstItem, "TPagesDlg", "ComboBox6", "Non utilisé"},
    {180, kFirstItem, "TPagesDlg", "ComboBox7", "Non utilisé"},
    {180, kFirstItem, "TPagesDlg", "ComboBox3", "Non utilisée"},
    {180, kFirstItem, "TPagesDlg", "ComboBox8", "Non utilisée"},
    {180, kFirstItem, "TPagesDlg", "ComboBox9", "Non utilisée"},
    {180, kFirstItem, "TPagesDlg", "ComboBox10", "Non utilisée"},
    {180, kFirstItem, "TPagesDlg", "ComboBox11", "Non utilisée"},
    {180, kFirstItem, "TPagesDlg", "ComboBox12", "Non utilisée"},
    {180, kFirstItem, "TPagesDlg", "ComboBox13", "Non utilisée"},
};

// Windows in the order the language file goes through them; a line that captions controls of
// several windows lists them in this order.
constexpr std::string_view kWindowOrder[] = {"TForm1", "TForm2", "Tgravefrm", "TPagesDlg", "Tgestfrm"};

int WindowRank(std::string_view window) {
  return static_cast<int>(std::find(std::begin(kWindowOrder), std::end(kWindowOrder), window) -
                          std::begin(kWindowOrder));
}

std::vector<CaptionTarget> GatherTargets() {
  std::vector<CaptionTarget> targets(std::begin(kUntabledTargets), std::end(kUntabledTargets));
  MainWindowControls().AppendCaptionTargets(&targets);
  AboutControls().AppendCaptionTargets(&targets);
  MachineWindowControls().AppendCaptionTargets(&targets);
  MachineSettingsControls().AppendCaptionTargets(&targets);
  PlateWindowControls().AppendCaptionTargets(&targets);
  // By line, then by window; rows of one window keep the order of its table.
  std::stable_sort(targets.begin(), targets.end(), [](const CaptionTarget& a, const CaptionTarget& b) {
    if (a.line != b.line) return a.line < b.line;
    return WindowRank(a.window_class) < WindowRank(b.window_class);
  });
  return targets;
}

}  // namespace

std::span<const CaptionTarget> AllCaptionTargets() {
  static const std::vector<CaptionTarget> targets = GatherTargets();
  return targets;
}

std::span<const CaptionTarget> CaptionTargetsOfLine(int line) {
  const std::span<const CaptionTarget> all = AllCaptionTargets();
  const auto first = std::lower_bound(all.begin(), all.end(), line,
                                       [](const CaptionTarget& t, int l) { return t.line < l; });
  const auto last = std::upper_bound(first, all.end(), line,
                                      [](int l, const CaptionTarget& t) { return l < t.line; });
  return {first, last};
}

std::string_view BuiltInFrenchCaption(int line) {
  if (line == 1) return "Français";
  const std::span<const CaptionTarget> targets = CaptionTargetsOfLine(line);
  return targets.empty() ? std::string_view() : targets.front().built_in;
}

}  // namespace pistora
