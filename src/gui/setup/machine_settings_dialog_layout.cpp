// The parameter dialog's controls and their places in the fixed 603 x 300 window.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "gui/adapters/numeric_key_filter_adapter.h"
#include "gui/setup/machine_settings_dialog.h"

namespace pistora {

namespace {

template <typename W>
W* Named(W* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

QLabel* Caption(QWidget* parent, const char* name, const char* utf8, int x, int y, int w) {
  auto* label = Named(new QLabel(QString::fromUtf8(utf8), parent), QString::fromLatin1(name));
  label->setGeometry(x, y, w, 18);
  return label;
}

QGroupBox* Group(QWidget* parent, const char* name, const char* utf8, int x, int y, int w, int h) {
  auto* group = Named(new QGroupBox(QString::fromUtf8(utf8), parent), QString::fromLatin1(name));
  group->setGeometry(x, y, w, h);
  return group;
}

QLineEdit* Box(QWidget* parent, const char* name, int x, int y, int w) {
  auto* box = Named(new QLineEdit(parent), QString::fromLatin1(name));
  box->setGeometry(x, y, w, 20);
  return box;
}

// A fixed drop-down list of one of the three kinds.
QComboBox* List(QWidget* parent, const QString& name, DialogListKind kind, int x, int y, int w) {
  auto* list = Named(new QComboBox(parent), name);
  list->setEditable(false);
  for (const std::string& item : DialogListItems(kind)) list->addItem(QString::fromStdString(item));
  list->setGeometry(x, y, w, 22);
  return list;
}

QCheckBox* Inverted(QWidget* parent, int number, int x, int y) {
  auto* box = Named(new QCheckBox(QString::fromUtf8("Inversé "), parent), QStringLiteral("CheckBox%1").arg(number));
  box->setGeometry(x, y, 74, 22);
  return box;
}

// One signal: caption, pin list and polarity.
struct SignalRow {
  const char* label_name;
  const char* caption;
  int list;   // ComboBox number
  int check;  // CheckBox number
};

void Signals(QGroupBox* group, DialogListKind kind, std::initializer_list<SignalRow> rows, int first_y, int step,
             int label_w, int list_w) {
  int y = first_y;
  for (const SignalRow& row : rows) {
    Caption(group, row.label_name, row.caption, 8, y + 2, label_w);
    List(group, QStringLiteral("ComboBox%1").arg(row.list), kind, 10 + label_w, y, list_w);
    Inverted(group, row.check, 16 + label_w + list_w, y);
    y += step;
  }
}

// A value row: caption, box and unit.
QLineEdit* ValueRow(QWidget* group, const char* label_name, const char* caption, const char* box_name,
                    const char* unit_name, const char* unit, int y, int label_w, int box_w, int unit_w) {
  Caption(group, label_name, caption, 8, y + 1, label_w);
  QLineEdit* box = Box(group, box_name, 10 + label_w, y, box_w);
  Caption(group, unit_name, unit, 16 + label_w + box_w, y + 1, unit_w);
  return box;
}

}  // namespace

void MachineSettingsDialog::BuildInputsOutputsPage() {
  QWidget* page = TabSheet1;
  GroupBox1 = Group(page, "GroupBox1", "Port parallèle", 4, 2, 312, 50);
  Caption(GroupBox1, "Label1", "Adresse du port :", 8, 22, 104);
  ComboBox1 = List(GroupBox1, QStringLiteral("ComboBox1"), DialogListKind::Port, 116, 20, 180);

  GroupBox2 = Group(page, "GroupBox2", "Entrées", 4, 56, 312, 160);
  Signals(GroupBox2, DialogListKind::Input,
          {{"Label2", "Arrêt d'urgence", 2, 1},
           {"Label3", "Butée axe X", 4, 2},
           {"Label4", "Butée axe Y", 5, 3},
           {"Label5", "Butée axe Z", 6, 4},
           {"Label6", "Palpeur Outil", 7, 5}},
          20, 27, 92, 126);

  GroupBox3 = Group(page, "GroupBox3", "Sorties", 320, 2, 265, 214);
  Signals(GroupBox3, DialogListKind::Output,
          {{"Label7", "Pas X", 3, 6},
           {"Label10", "Sens X", 8, 7},
           {"Label8", "Pas Y", 9, 8},
           {"Label11", "Sens Y", 10, 9},
           {"Label9", "Pas Z", 11, 10},
           {"Label12", "Sens Z", 12, 11},
           {"Label13", "Broche", 13, 12}},
          20, 27, 62, 112);
  ComboBox3 = GroupBox3->findChild<QComboBox*>(QStringLiteral("ComboBox3"));
  CheckBox6 = GroupBox3->findChild<QCheckBox*>(QStringLiteral("CheckBox6"));
}

void MachineSettingsDialog::BuildAxesPage() {
  QWidget* page = TabSheet2;
  GroupBox4 = Group(page, "GroupBox4", "Caractéristiques des vis et moteurs d'axe", 4, 2, 292, 100);
  Edit1 = ValueRow(GroupBox4, "Label14", "Axe X", "Edit1", "UnitStepsX", "Pas par mm", 20, 60, 80, 120);
  Edit2 = ValueRow(GroupBox4, "Label15", "Axe Y", "Edit2", "UnitStepsY", "Pas par mm", 46, 60, 80, 120);
  Edit3 = ValueRow(GroupBox4, "Label16", "Axe Z", "Edit3", "UnitStepsZ", "Pas par mm", 72, 60, 80, 120);

  GroupBox5 = Group(page, "GroupBox5", "Vitesses limites de la machine", 300, 2, 285, 100);
  Edit4 = ValueRow(GroupBox5, "Label20", "Avance maximale ", "Edit4", "UnitMaxFeed", "mm/mm", 26, 160, 46, 56);
  Edit6 = ValueRow(GroupBox5, "Label22", "Avance de travail par défaut", "Edit6", "UnitWorkFeed", "mm/mm", 56, 160,
                   46, 56);

  GroupBox6 = Group(page, "GroupBox6", "Réglage des impulsions de commandes", 4, 106, 581, 110);
  Edit7 = ValueRow(GroupBox6, "Label26", "Durée minimum d'une impulsion de commande  ", "Edit7", "UnitMinPulse",
                   "us", 20, 272, 60, 30);
  Edit22 = ValueRow(GroupBox6, "Label56", "Durée de la tempo de 50us  ", "Edit22", "UnitTickWait", "us", 44, 272,
                    60, 30);
  // The hint stands beside the tick wait, under its unit.
  Label58 = Caption(GroupBox6, "Label58", "Diminuer cette valeur pour augmenter la vitesse réelle", 268, 66, 306);
  Edit23 = ValueRow(GroupBox6, "Label59", "Distance retrait fin de course  : ", "Edit23", "UnitBackOff", "mm", 86,
                    272, 60, 30);
}

void MachineSettingsDialog::BuildCopperPage() {
  QWidget* page = TabSheet4;
  GroupBox8 = Group(page, "GroupBox8", "Dimenssion des plaques de cuivre", 4, 2, 292, 100);
  Edit14 = ValueRow(GroupBox8, "LabelPlateSizeX", "Dimenssion X : ", "Edit14", "UnitPlateSizeX", "mm", 20, 110, 80,
                    30);
  ValueRow(GroupBox8, "LabelPlateSizeY", "Dimenssion Y : ", "Edit15", "UnitPlateSizeY", "mm", 46, 110, 80, 30);
  ValueRow(GroupBox8, "Label42", "Eppaisseur :", "Edit16", "UnitPlateThickness", "mm", 72, 110, 80, 30);

  GroupBox9 = Group(page, "GroupBox9", "Réglage position plaque de cuivre", 300, 2, 285, 160);
  ValueRow(GroupBox9, "Label48", "Bord inutilisable axe X :", "Edit18", "UnitPlateBorderX", "mm", 20, 150, 70, 30);
  ValueRow(GroupBox9, "Label49", "Bord inutilisable axe Y :", "Edit19", "UnitPlateBorderY", "mm", 46, 150, 70, 30);
  ValueRow(GroupBox9, "Label50", "Offset origine X :", "Edit20", "UnitPlateOriginX", "mm", 72, 150, 70, 30);
  ValueRow(GroupBox9, "Label51", "Offset origine Y :", "Edit21", "UnitPlateOriginY", "mm", 98, 150, 70, 30);
  Edit17 = ValueRow(GroupBox9, "Label46", "Ecart entre les copies : ", "Edit17", "UnitCopyGap", "mm", 124, 150, 70,
                    30);
}

void MachineSettingsDialog::BuildButtons() {
  auto button = [this](const char* name, const char* utf8, int x) {
    auto* b = Named(new QPushButton(QString::fromUtf8(utf8), this), QString::fromLatin1(name));
    b->setGeometry(x, 266, 140, 28);
    b->setAutoDefault(false);
    return b;
  };
  BitBtn1 = button("BitBtn1", "&Restaurer", 151);
  BitBtn2 = button("BitBtn2", "&Annuler / Sortir", 303);
  BitBtn3 = button("BitBtn3", "&Valider / Sortir", 455);
}

void MachineSettingsDialog::InstallKeyModes(QWidget* page) {
  for (const ParameterDialogControl& control : ParameterDialogControls()) {
    if (control.kind != DialogControlKind::Edit) continue;
    if (auto* box = page->findChild<QLineEdit*>(QString::fromLatin1(control.name))) {
      box->installEventFilter(new NumericKeyFilterAdapter(control.mode, box));
    }
  }
}

}  // namespace pistora
