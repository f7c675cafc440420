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


    // Last lines.
    {178, kText, "TForm1", "BitBtn16", "Sauve les paramètres"},
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
