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
constexpr CaptionTargetKind kPage = CaptionTargetKind::kPageTitle;
constexpr CaptionTargetKind kFirstItem = CaptionTargetKind::kFirstListItem;

// Line by line; a line with several targets lists them one after the other.
// Rows of the windows that do not have a control table yet; each moves into its window's
// table (core/windows/<window>_controls.cpp) with roles.
constexpr CaptionTarget kUntabledTargets[] = {
    // Main window, lines 2 to 48.
    {2, kText, "TForm1", "GroupBox1", "Typon d'origine"},
    {3, kText, "TForm1", "GroupBox2", "Gravure anglaise"},
    {4, kText, "TForm1", "GroupBox8", "Contrôle général"},
    {5, kText, "TForm1", "BitBtn1", "&Charger le typon d'origine"},
    {6, kText, "TForm1", "Button5", "&Charger fichier gravure ( *.grv )"},
    {7, kText, "TForm1", "BitBtn3", "&Stop !"},
    {8, kText, "TForm1", "GroupBox4", "Réglages généraux"},
    {9, kText, "TForm1", "Label20", "Taille des trous de perçages :"},
    {10, kText, "TForm1", "Label3", "Nbr points max par pastilles :"},
    {11, kText, "TForm1", "BitBtn2", "&Traiter le typon d'origine"},
    {12, kText, "TForm1", "BitBtn15", "Pré-traitement Typon ( en phase de codage )"},
    {13, kText, "TForm1", "BitBtn11", "A Propos de ..."},
    {14, kText, "TForm1", "BitBtn12", "&Module de Gravure"},
    {15, kText, "TForm1", "Label25", "Profondeur de gravure : "},
    {16, kText, "TForm1", "Label30", "Profondeur de perçage :"},
    {17, kText, "TForm1", "Label26", "Distance de retrait :"},
    {18, kText, "TForm1", "Label4", "Vitesse de gravure :"},
    {19, kText, "TForm1", "Label33", "Vitesse perçage :"},
    {20, kText, "TForm1", "CheckBox3", "Gestion de la broche"},
    {21, kText, "TForm1", "Label29", "mm"},
    {21, kText, "TForm1", "Label31", "mm"},
    {21, kText, "TForm1", "Label27", "mm"},
    {22, kText, "TForm1", "Label32", "mm/min"},
    {22, kText, "TForm1", "Label34", "mm/min"},
    {23, kText, "TForm1", "Label8", "Choix de la langue :"},
    {24, kText, "TForm1", "GroupBox3", "Vérification du résultat"},
    {25, kText, "TForm1", "Label21", "Nombre de pistes utiles : "},
    {26, kText, "TForm1", "Label22", "Nombre de perçages :"},
    {27, kText, "TForm1", "Label5", "N° de piste :"},
    {28, kText, "TForm1", "Button1", "Epaissir les pistes "},
    {29, kText, "TForm1", "CheckBox1", "Pastille"},
    {30, kText, "TForm1", "CheckBox2", "Inutile"},
    {31, kText, "TForm1", "Button3", "&Vérifier le fichier de gravure"},
    {32, kText, "TForm1", "BitBtn9", "Valide"},
    {32, kText, "TForm1", "BitBtn8", "Valide"},
    {33, kText, "TForm1", "Label9", "Click droit sur l'objet a sélectionner"},
    {34, kText, "TForm1", "Button9", "Pastille précédente"},
    {35, kText, "TForm1", "Button7", "Piste utile suivante"},
    {36, kText, "TForm1", "Button10", "Piste utile précédente"},
    {37, kText, "TForm1", "Button8", "Piste inutile suivante"},
    {38, kText, "TForm1", "Button11", "Piste inutile précédente"},
    {39, kText, "TForm1", "GroupBox6", "Simulation et génération du g-code"},
    {40, kText, "TForm1", "BitBtn10", "&Sauvegarde du fichier de gravure ( *.grv )"},
    {41, kText, "TForm1", "BitBtn5", "&Simulation gravure"},
    {42, kText, "TForm1", "BitBtn6", "Générer G-CODE (gravure )"},
    {43, kText, "TForm1", "BitBtn4", "&Simulation perçage"},
    {44, kText, "TForm1", "BitBtn7", "Générer G-CODE ( perçage )"},
    {45, kText, "TForm1", "GroupBox5", "Mise à l'échelle"},
    {46, kText, "TForm1", "Label1", "Distance sur l'image en pixel :"},
    {47, kText, "TForm1", "Label2", "Distance réelle en mm :   "},
    {48, kText, "TForm1", "Label28", "Taille d'un pixel en mm : "},

    // The parameter dialog's rows among the machine window's lines 60 to 104.
    {71, kText, "TPagesDlg", "Button1", "Aller à"},
    {98, kText, "TPagesDlg", "Button2", "Raz"},
    {99, kText, "TPagesDlg", "Label38", "STOP"},

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

    // Last lines.
    {178, kText, "TForm1", "BitBtn16", "Sauve les paramètres"},
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
