// The main window's controls and their places. Geometry is in pixels, like the views,
// which show the bitmaps one pixel per screen pixel.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>

#include "core/artwork/view_geometry.h"
#include "gui/main/main_window.h"
#include "gui/widgets/bitmap_view.h"
#include "gui/widgets/led_lamp.h"

namespace pistora {
namespace {

template <class W>
W* Make(QWidget* parent, const char* name, int x, int y, int w, int h) {
  W* widget = new W(parent);
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(x, y, w, h);
  return widget;
}

template <class W>
W* MakeText(QWidget* parent, const char* name, const char* text, int x, int y, int w, int h) {
  W* widget = Make<W>(parent, name, x, y, w, h);
  widget->setText(QString::fromUtf8(text));
  return widget;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const char* title, int x, int y, int w, int h) {
  QGroupBox* box = Make<QGroupBox>(parent, name, x, y, w, h);
  box->setTitle(QString::fromUtf8(title));
  return box;
}

QSpinBox* MakeSpin(QWidget* parent, const char* name, int minimum, int maximum, int value, int x, int y, int w,
                   int h) {
  QSpinBox* spin = Make<QSpinBox>(parent, name, x, y, w, h);
  spin->setRange(minimum, maximum);
  spin->setValue(value);
  return spin;
}

LedLamp* MakeLamp(QWidget* parent, const char* name, int x, int y) { return Make<LedLamp>(parent, name, x, y, 16, 16); }

}  // namespace

// Creates every control as a member named like its objectName.
#define PLACE(Type, Name, parent, x, y, w, h) Name = Make<Type>(parent, #Name, x, y, w, h)
#define PLACE_TEXT(Type, Name, parent, text, x, y, w, h) Name = MakeText<Type>(parent, #Name, text, x, y, w, h)
#define PLACE_GROUP(Name, parent, title, x, y, w, h) Name = MakeGroup(parent, #Name, title, x, y, w, h)
#define PLACE_SPIN(Name, parent, lo, hi, value, x, y, w, h) Name = MakeSpin(parent, #Name, lo, hi, value, x, y, w, h)
#define PLACE_LAMP(Name, parent, x, y) Name = MakeLamp(parent, #Name, x, y)

void MainWindow::BuildLayout() {
  setObjectName(QStringLiteral("TForm1"));
  setWindowTitle(QStringLiteral("Pistora ver 2.20 "));
  setFixedSize(961, 507);

  // Left part: two views in the same place, 561 x 441 pixels each, with their scroll bars.
  constexpr int kBar = 16;
  for (int i = 0; i < 2; ++i) {
    QGroupBox*& group = i == 0 ? GroupBox1 : GroupBox2;
    BitmapView*& view = i == 0 ? Image1 : Image2;
    QScrollBar*& horizontal = i == 0 ? ScrollBar1 : ScrollBar3;
    QScrollBar*& vertical = i == 0 ? ScrollBar2 : ScrollBar4;
    group = MakeGroup(this, i == 0 ? "GroupBox1" : "GroupBox2", i == 0 ? "Typon d'origine" : "Gravure anglaise", 4,
                      2, 585, 473 + 2);
    view = Make<BitmapView>(group, i == 0 ? "Image1" : "Image2", 6, 17, kViewWidth, kViewHeight);
    horizontal = Make<QScrollBar>(group, i == 0 ? "ScrollBar1" : "ScrollBar3", 6, 17 + kViewHeight, kViewWidth, kBar);
    horizontal->setOrientation(Qt::Horizontal);
    vertical = Make<QScrollBar>(group, i == 0 ? "ScrollBar2" : "ScrollBar4", 6 + kViewWidth, 17, kBar, kViewHeight);
    vertical->setOrientation(Qt::Vertical);
    for (QScrollBar* bar : {horizontal, vertical}) bar->setRange(0, 1);
  }
  GroupBox2->hide();

  // Right column.
  constexpr int kX = 596;
  constexpr int kW = 361;
  PLACE_GROUP(GroupBox8, this, "Contrôle général", kX, 2, kW, 88);
  PLACE_TEXT(QPushButton, BitBtn1, GroupBox8, "&Charger le typon d'origine", 8, 20, 230, 28);
  PLACE_LAMP(cyAdvLed2, GroupBox8, 244, 26);
  PLACE_TEXT(QPushButton, Button5, GroupBox8, "&Charger fichier gravure ( *.grv )", 8, 52, 230, 28);
  PLACE_LAMP(cyAdvLed6, GroupBox8, 244, 58);
  PLACE_TEXT(QPushButton, BitBtn3, GroupBox8, "&Stop !", 268, 20, 64, 60);
  PLACE_LAMP(cyAdvLed3, GroupBox8, 337, 42);
  PLACE(QProgressBar, Gauge1, this, kX, 93, kW, 16);
  Gauge1->setRange(0, 100);
  Gauge1->setValue(0);
  Gauge1->setTextVisible(false);

  // The panel place, shared by the four step groups.
  constexpr int kPanelY = 112;
  constexpr int kPanelH = 172;
  PLACE_GROUP(GroupBox4, this, "Réglages généraux", kX, kPanelY, kW, kPanelH);
  PLACE_TEXT(QLabel, Label20, GroupBox4, "Taille des trous de perçages :", 8, 24, 220, 22);
  PLACE_SPIN(SpinEdit4, GroupBox4, 0, 20, 2, 232, 24, 60, 22);
  PLACE_TEXT(QLabel, Label3, GroupBox4, "Nbr points max par pastilles :", 8, 52, 220, 22);
  PLACE_SPIN(SpinEdit2, GroupBox4, 2, 100, 20, 232, 52, 60, 22);
  PLACE_TEXT(QPushButton, BitBtn2, GroupBox4, "&Traiter le typon d'origine", 8, 86, 284, 30);
  PLACE_LAMP(cyAdvLed4, GroupBox4, 300, 93);
  PLACE_TEXT(QPushButton, BitBtn15, GroupBox4, "Pré-traitement Typon ( en phase de codage )", 8, 122, 284, 22);
  PLACE_TEXT(QPushButton, BitBtn14, GroupBox4, "Traitement polygonale", 8, 146, 284, 22);
  BitBtn15->hide();
  BitBtn14->hide();

  PLACE_GROUP(GroupBox5, this, "Mise à l'échelle", kX, kPanelY, kW, kPanelH);
  PLACE_TEXT(QLabel, Label1, GroupBox5, "Distance sur l'image en pixel :", 8, 22, 212, 22);
  PLACE(QLineEdit, Edit2, GroupBox5, 224, 22, 90, 22);
  PLACE_TEXT(QLabel, Label2, GroupBox5, "Distance réelle en mm :   ", 8, 48, 212, 22);
  PLACE_TEXT(QLineEdit, Edit3, GroupBox5, "2.54", 224, 48, 90, 22);
  PLACE_TEXT(QLabel, Label28, GroupBox5, "Taille d'un pixel en mm : ", 8, 74, 212, 22);
  PLACE(QLineEdit, Edit1, GroupBox5, 224, 74, 90, 22);
  PLACE_SPIN(SpinEdit3, GroupBox5, 1, 50, 1, 8, 104, 56, 24);
  PLACE_TEXT(QLabel, Label6, GroupBox5, "* 2,54 = ", 70, 104, 60, 24);
  PLACE_TEXT(QLineEdit, Edit9, GroupBox5, "2.54", 132, 104, 80, 24);
  PLACE_TEXT(QPushButton, BitBtn13, GroupBox5, "Reporter", 218, 102, 96, 28);
  PLACE_TEXT(QPushButton, BitBtn8, GroupBox5, "Valide", 8, 136, 130, 28);
  PLACE_LAMP(cyAdvLed8, GroupBox5, 146, 142);
  for (QLineEdit* edit : {Edit2, Edit1, Edit9}) edit->setReadOnly(true);
  GroupBox5->hide();

  PLACE_GROUP(GroupBox3, this, "Vérification du résultat", kX, kPanelY, kW, kPanelH);
  PLACE_TEXT(QLabel, Label21, GroupBox3, "Nombre de pistes utiles : ", 8, 20, 180, 18);
  PLACE_TEXT(QLabel, Label23, GroupBox3, "0", 190, 20, 60, 18);
  PLACE_TEXT(QLabel, Label22, GroupBox3, "Nombre de perçages :", 8, 38, 180, 18);
  PLACE_TEXT(QLabel, Label24, GroupBox3, "0", 190, 38, 60, 18);
  PLACE_TEXT(QLabel, Label5, GroupBox3, "N° de piste :", 8, 60, 80, 22);
  PLACE_SPIN(SpinEdit1, GroupBox3, 0, 0, 0, 90, 60, 70, 22);
  PLACE_TEXT(QCheckBox, CheckBox1, GroupBox3, "Pastille", 172, 60, 84, 22);
  PLACE_TEXT(QCheckBox, CheckBox2, GroupBox3, "Inutile", 262, 60, 90, 22);
  PLACE_TEXT(QPushButton, Button1, GroupBox3, "Epaissir les pistes ", 8, 88, 140, 28);
  PLACE_TEXT(QPushButton, Button3, GroupBox3, "&Vérifier le fichier de gravure", 152, 88, 201, 28);
  PLACE_TEXT(QPushButton, BitBtn9, GroupBox3, "Valide", 8, 120, 130, 28);
  PLACE_LAMP(cyAdvLed7, GroupBox3, 146, 126);
  PLACE_TEXT(QLabel, Label9, GroupBox3, "Click droit sur l'objet a sélectionner", 8, 150, 345, 18);
  PLACE_TEXT(QPushButton, Button2, GroupBox3, "Crénelage", 172, 120, 90, 28);
  // Hidden in the standard layout; their handlers work (and the language files caption them).
  PLACE_TEXT(QPushButton, Button6, GroupBox3, "Pastille suivante", 8, 88, 170, 22);
  PLACE_TEXT(QPushButton, Button9, GroupBox3, "Pastille précédente", 182, 88, 170, 22);
  PLACE_TEXT(QPushButton, Button7, GroupBox3, "Piste utile suivante", 8, 110, 170, 22);
  PLACE_TEXT(QPushButton, Button10, GroupBox3, "Piste utile précédente", 182, 110, 170, 22);
  PLACE_TEXT(QPushButton, Button8, GroupBox3, "Piste inutile suivante", 8, 132, 170, 22);
  PLACE_TEXT(QPushButton, Button11, GroupBox3, "Piste inutile précédente", 182, 132, 170, 22);
  for (QPushButton* hidden : {Button6, Button7, Button8, Button9, Button10, Button11}) hidden->hide();
  GroupBox3->hide();

  PLACE_GROUP(GroupBox6, this, "Simulation et génération du g-code", kX, kPanelY, kW, kPanelH);
  PLACE_TEXT(QPushButton, BitBtn10, GroupBox6, "&Sauvegarde du fichier de gravure ( *.grv )", 8, 22, 345, 28);
  PLACE_TEXT(QPushButton, BitBtn5, GroupBox6, "&Simulation gravure", 8, 56, 200, 28);
  PLACE_SPIN(SpinEdit5, GroupBox6, 0, 100, 50, 214, 59, 80, 22);
  PLACE_TEXT(QPushButton, BitBtn4, GroupBox6, "&Simulation perçage", 8, 90, 200, 28);
  PLACE_SPIN(SpinEdit6, GroupBox6, 0, 10000, 50, 214, 93, 80, 22);
  SpinEdit6->setSingleStep(50);
  PLACE_LAMP(cyAdvLed5, GroupBox6, 310, 76);
  PLACE_TEXT(QPushButton, BitBtn6, GroupBox6, "Générer G-CODE (gravure )", 8, 130, 170, 30);
  PLACE_TEXT(QPushButton, BitBtn7, GroupBox6, "Générer G-CODE ( perçage )", 182, 130, 171, 30);
  GroupBox6->hide();

  // Job settings, kept in param.txt, and the links to the other windows.
  PLACE_GROUP(GroupBox7, this, "", kX, 287, kW, 216);
  struct SettingRow {
    QLabel** label;
    const char* label_name;
    const char* caption;
    QLineEdit** edit;
    const char* edit_name;
    QLabel** unit;
    const char* unit_name;
    const char* unit_text;
  };
  const SettingRow rows[] = {
      {&Label25, "Label25", "Profondeur de gravure : ", &Edit4, "Edit4", &Label29, "Label29", "mm"},
      {&Label30, "Label30", "Profondeur de perçage :", &Edit6, "Edit6", &Label31, "Label31", "mm"},
      {&Label26, "Label26", "Distance de retrait :", &Edit5, "Edit5", &Label27, "Label27", "mm"},
      {&Label4, "Label4", "Vitesse de gravure :", &Edit7, "Edit7", &Label32, "Label32", "mm/min"},
      {&Label33, "Label33", "Vitesse perçage :", &Edit8, "Edit8", &Label34, "Label34", "mm/min"},
  };
  int y = 10;
  for (const SettingRow& row : rows) {
    *row.label = MakeText<QLabel>(GroupBox7, row.label_name, row.caption, 8, y, 136, 22);
    *row.edit = Make<QLineEdit>(GroupBox7, row.edit_name, 144, y, 44, 22);
    *row.unit = MakeText<QLabel>(GroupBox7, row.unit_name, row.unit_text, 190, y, 47, 22);
    y += 25;
  }
  PLACE_TEXT(QCheckBox, CheckBox3, GroupBox7, "Gestion de la broche", 8, 136, 226, 22);
  CheckBox3->setChecked(true);
  PLACE_TEXT(QLabel, Label8, GroupBox7, "Choix de la langue :", 8, 162, 226, 20);
  PLACE(QComboBox, ComboBox1, GroupBox7, 8, 184, 180, 24);
  ComboBox1->setEditable(true);
  PLACE_TEXT(QPushButton, BitBtn11, GroupBox7, "A Propos de ...", 238, 10, 117, 30);
  PLACE_TEXT(QPushButton, BitBtn12, GroupBox7, "&Module de Gravure", 238, 46, 117, 30);
  PLACE_TEXT(QToolButton, SpeedButton1, GroupBox7, "Loupe", 238, 82, 117, 30);
  SpeedButton1->setCheckable(true);
  PLACE_TEXT(QPushButton, BitBtn16, GroupBox7, "Sauve les paramètres", 194, 182, 161, 28);

  PLACE(QPlainTextEdit, Memo1, this, 0, 0, 10, 10);
  PLACE(QPlainTextEdit, Memo2, this, 0, 0, 10, 10);
  Memo1->hide();
  Memo2->hide();

  // Right clicks: selection on the engraving view, the transformations menu on the artwork view.
  Image1->setContextMenuPolicy(Qt::CustomContextMenu);
  Image2->setContextMenuPolicy(Qt::CustomContextMenu);

  // Start: nothing loaded. Every command of a later step waits for its step.
  ApplyStep(StepEvent::Started);
  // Spin boxes that change only through their arrows.
  for (QSpinBox* spin : {SpinEdit1, SpinEdit2, SpinEdit3, SpinEdit4}) spin->findChild<QLineEdit*>()->setReadOnly(true);
}

#undef PLACE
#undef PLACE_TEXT
#undef PLACE_GROUP
#undef PLACE_SPIN
#undef PLACE_LAMP

}  // namespace pistora
