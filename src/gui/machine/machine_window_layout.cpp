// The machine window's controls and their places in the fixed 689 x 527 layout.
#include <QAction>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include "gui/adapters/numeric_key_filter_adapter.h"
#include "gui/machine/machine_window.h"
#include "gui/widgets/hold_arrow_button.h"
#include "gui/widgets/led_lamp.h"
#include "gui/widgets/stop_disc.h"
#include "gui/widgets/named_control.h"

namespace pistora {

namespace {

QLabel* Caption(QWidget* parent, const char* utf8, int x, int y, int w = 120, int h = 16) {
  auto* label = new QLabel(QString::fromUtf8(utf8), parent);
  label->setGeometry(x, y, w, h);
  return label;
}

// A caption that language files name.
QLabel* Caption(QWidget* parent, const char* name, const char* utf8, int x, int y, int w) {
  return Named(Caption(parent, utf8, x, y, w), name);
}

QPushButton* Button(QWidget* parent, const char* name, const char* utf8, int x, int y, int w, int h) {
  auto* button = Named(new QPushButton(QString::fromUtf8(utf8), parent), name);
  button->setGeometry(x, y, w, h);
  return button;
}

QLabel* Value(QWidget* parent, const char* name, const char* text, int x, int y, int w = 70) {
  auto* label = Named(new QLabel(QString::fromUtf8(text), parent), name);
  label->setGeometry(x, y, w, 16);
  return label;
}

// Large green figures on black.
QLabel* PositionLabel(QWidget* parent, const char* name, int x, int y) {
  auto* label = Named(new QLabel(QStringLiteral("0.000"), parent), name);
  label->setGeometry(x, y, 130, 30);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setStyleSheet(QStringLiteral("QLabel { background-color: black; color: rgb(0, 255, 0); padding-right: 4px; }"));
  QFont font = label->font();
  font.setPointSize(16);
  font.setBold(true);
  label->setFont(font);
  return label;
}

HoldArrowButton* Arrow(QWidget* parent, const char* name, Qt::ArrowType arrow, int x, int y) {
  auto* button = Named(new HoldArrowButton(arrow, parent), name);
  button->setGeometry(x, y, 32, 32);
  return button;
}

QLabel* ClickLabel(QWidget* parent, const char* name, const char* text, int x, int y) {
  auto* label = Named(new QLabel(QString::fromUtf8(text), parent), name);
  label->setGeometry(x, y, 32, 32);
  label->setAlignment(Qt::AlignCenter);
  label->setCursor(Qt::PointingHandCursor);
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Raised);
  return label;
}

}  // namespace

void MachineWindow::BuildLayout() {
  MainMenu1 = Named(new QMenuBar(this), "MainMenu1");
  MainMenu1->setGeometry(0, 0, 689, 22);
  MenuOption = Named(MainMenu1->addMenu(QStringLiteral("&Option")), "MenuOption");
  MenuPortSetup = Named(MenuOption->addAction(QString::fromUtf8("&Paramétrage du port parallèle")), "MenuPortSetup");
  MenuGeometry = Named(MenuOption->addAction(QString::fromUtf8("&Réglage géométrie machine")), "MenuGeometry");
  MenuSurfacing = Named(MenuOption->addAction(QString::fromUtf8("&Surfaçage plan de travail")), "MenuSurfacing");
  MenuCopper = Named(MenuOption->addAction(QString::fromUtf8("Réglage &Cuivre")), "MenuCopper");

  BuildPositionBox();
  BuildStateBox();

  GroupBox3 = Named(new QGroupBox(QStringLiteral("Message machine"), this), "GroupBox3");
  GroupBox3->setGeometry(4, 252, 681, 42);
  Label6 = Value(GroupBox3, "Label6", "", 8, 18, 665);

  BuildIsoBox();

  GroupBox5 = Named(new QGroupBox(QStringLiteral("Commandes"), this), "GroupBox5");
  GroupBox5->setGeometry(528, 296, 157, 56);
  BitBtn8 = Button(GroupBox5, "BitBtn8", "Zéro Machine", 8, 20, 141, 26);

  GroupBox8 = Named(new QGroupBox(QStringLiteral("Fonction"), this), "GroupBox8");
  GroupBox8->setGeometry(528, 356, 157, 167);
  Image1 = Named(new QLabel(GroupBox8), "Image1");
  Image1->setGeometry(54, 20, 48, 48);
  Image1->setAlignment(Qt::AlignCenter);
  Label53 = Value(GroupBox8, "Label53", "Gravure", 8, 76, 141);
  Label53->setAlignment(Qt::AlignCenter);
  BitBtn14 = Button(GroupBox8, "BitBtn14", "&Bascule", 28, 104, 100, 26);
}

void MachineWindow::BuildPositionBox() {
  GroupBox1 = Named(new QGroupBox(QString::fromUtf8("Position et déplacements manuels"), this), "GroupBox1");
  GroupBox1->setGeometry(4, 24, 440, 226);
  QWidget* box = GroupBox1;
  const char* axes[3] = {"X", "Y", "Z"};
  QLabel** positions[3] = {&Label1, &Label2, &Label3};
  QPushButton** raz[3] = {&Button2, &Button3, &Button4};
  const char* position_names[3] = {"Label1", "Label2", "Label3"};
  const char* raz_names[3] = {"Button2", "Button3", "Button4"};
  for (int i = 0; i < 3; ++i) {
    const int y = 20 + 34 * i;
    Caption(box, axes[i], 10, y + 7, 14);
    *positions[i] = PositionLabel(box, position_names[i], 26, y);
    *raz[i] = Button(box, raz_names[i], "RAZ", 162, y + 3, 50, 24);
  }
  Button1 = Button(box, "Button1", "Aller à", 10, 128, 80, 24);
  QLineEdit** targets[3] = {&Edit1, &Edit2, &Edit3};
  const char* target_names[3] = {"Edit1", "Edit2", "Edit3"};
  for (int i = 0; i < 3; ++i) {
    Caption(box, axes[i], 10 + 66 * i, 160, 14);
    auto* edit = Named(new QLineEdit(QStringLiteral("0.000"), box), target_names[i]);
    edit->setGeometry(22 + 66 * i, 158, 50, 20);
    edit->installEventFilter(new NumericKeyFilterAdapter(KeyMode::SignedDecimal, edit));
    *targets[i] = edit;
  }

  // The jog cross, "(0;0)" at its centre, and the Z column with "Z0" between its arrows.
  BitBtn3 = Arrow(box, "BitBtn3", Qt::UpArrow, 262, 22);
  BitBtn2 = Arrow(box, "BitBtn2", Qt::LeftArrow, 228, 56);
  Label4 = ClickLabel(box, "Label4", "(0;0)", 262, 56);
  BitBtn1 = Arrow(box, "BitBtn1", Qt::RightArrow, 296, 56);
  BitBtn4 = Arrow(box, "BitBtn4", Qt::DownArrow, 262, 90);
  Caption(box, "Y+", 298, 30, 20);
  Caption(box, "X-", 210, 64, 18);
  Caption(box, "X+", 332, 64, 18);
  Caption(box, "Y-", 298, 98, 20);
  BitBtn5 = Arrow(box, "BitBtn5", Qt::UpArrow, 372, 22);
  Label5 = ClickLabel(box, "Label5", "Z0", 372, 56);
  BitBtn6 = Arrow(box, "BitBtn6", Qt::DownArrow, 372, 90);
  Caption(box, "Z+", 408, 30, 20);
  Caption(box, "Z-", 408, 98, 20);

  BitBtn7 = Button(box, "BitBtn7", "Broche", 240, 150, 120, 30);
}

void MachineWindow::BuildStateBox() {
  GroupBox2 = Named(new QGroupBox(QStringLiteral("Etat machine"), this), "GroupBox2");
  GroupBox2->setGeometry(448, 24, 237, 226);
  QWidget* box = GroupBox2;
  const char* lamp_texts[5] = {"Butée axe x", "Butée axe y", "Butée axe z", "Palpeur outil",
                               "Arrêt d'urgence"};
  const char* lamp_names[5] = {"cyAdvLed1", "cyAdvLed2", "cyAdvLed3", "cyAdvLed4", "cyAdvLed5"};
  const char* caption_names[5] = {"Label10", "Label11", "Label12", "Label13", "Label14"};
  LedLamp** lamps[5] = {&cyAdvLed1, &cyAdvLed2, &cyAdvLed3, &cyAdvLed4, &cyAdvLed5};
  QLabel** captions[5] = {&Label10, &Label11, &Label12, &Label13, &Label14};
  for (int i = 0; i < 5; ++i) {
    auto* lamp = Named(new LedLamp(box, QColor(255, 0, 0)), lamp_names[i]);
    lamp->setGeometry(8, 20 + 18 * i, 16, 16);
    *captions[i] = Caption(box, caption_names[i], lamp_texts[i], 28, 20 + 18 * i, 120);
    *lamps[i] = lamp;
  }
  Shape1 = Named(new StopDisc(box), "Shape1");
  Named(Shape1->Word(), "Label15");
  Shape1->setGeometry(156, 16, 68, 68);
  Button5 = Button(box, "Button5", "Raz", 166, 88, 48, 22);

  TrackBar1 = Named(new QSlider(Qt::Horizontal, box), "TrackBar1");
  TrackBar1->setGeometry(8, 118, 221, 30);
  TrackBar1->setRange(1, 600);
  TrackBar1->setTickPosition(QSlider::TicksBelow);
  TrackBar1->setTickInterval(50);
  TrackBar1->setValue(150);
  Label16 = Caption(box, "Label16", "Avance de travail", 8, 156, 110);
  Label17 = Value(box, "Label17", "150", 122, 156, 50);
  Label17->setAlignment(Qt::AlignRight);
  Label19 = Caption(box, "Label19", "mm/mn", 178, 156, 50);
  Label35 = Caption(box, "Label35", "Avance Réelle", 8, 180, 110);
  Label33 = Value(box, "Label33", "0", 122, 180, 50);
  Label33->setAlignment(Qt::AlignRight);
  Label34 = Caption(box, "Label34", "mm/mn", 178, 180, 50);
}

void MachineWindow::BuildIsoBox() {
  GroupBox4 = Named(new QGroupBox(QStringLiteral("Code ISO"), this), "GroupBox4");
  GroupBox4->setGeometry(4, 296, 520, 227);
  QWidget* box = GroupBox4;
  BitBtn9 = Button(box, "BitBtn9", "&Charger gravure ISO", 8, 18, 150, 24);
  BitBtn13 = Button(box, "BitBtn13", "Charger &perçage ISO", 8, 46, 150, 24);
  BitBtn11 = Button(box, "BitBtn11", "&Réglage position gravure", 8, 84, 150, 24);
  BitBtn12 = Button(box, "BitBtn12", "Valide &Réglage niveau Z", 8, 112, 150, 24);
  BitBtn10 = Button(box, "BitBtn10", "Démarrer la gravure", 8, 150, 150, 24);

  Label18 = Caption(box, "Label18", "Gravure : ", 166, 22, 58);
  Label8 = Value(box, "Label8", "", 226, 22, 286);
  Label51 = Caption(box, "Label51", "Perçage : ", 166, 48, 58);
  Label9 = Value(box, "Label9", "", 226, 48, 286);
  for (QLabel* file : {Label8, Label9})
    file->setStyleSheet(QStringLiteral("QLabel { background-color: rgb(255, 255, 0); }"));

  GroupBox6 = Named(new QGroupBox(QStringLiteral("Information programme"), box), "GroupBox6");
  GroupBox6->setGeometry(164, 70, 170, 118);
  struct InfoRow {
    const char* caption_name;
    const char* caption;
    QLabel** value;
    const char* value_name;
    const char* value_text;
    const char* unit_name;
    const char* unit;
  };
  const InfoRow rows[] = {{"Label22", "Taille X :", &Label24, "Label24", "0.000", "Label25", "mm"},
                          {"Label23", "Taille Y :", &Label26, "Label26", "0.000", "Label30", "mm"},
                          {"Label28", "Longueur :", &Label29, "Label29", "0.000", "Label27", "mm"},
                          {"Label31", "Temps estimé :", &Label32, "Label32", "0", "Label44", "s"}};
  QLabel** row_captions[4] = {&Label22, &Label23, &Label28, &Label31};
  for (int i = 0; i < 4; ++i) {
    const int y = 20 + 22 * i;
    *row_captions[i] = Caption(GroupBox6, rows[i].caption_name, rows[i].caption, 6, y, 86);
    *rows[i].value = Value(GroupBox6, rows[i].value_name, rows[i].value_text, 92, y, 52);
    (*rows[i].value)->setAlignment(Qt::AlignRight);
    Caption(GroupBox6, rows[i].unit_name, rows[i].unit, 146, y, 22);
  }

  GroupBox7 = Named(new QGroupBox(QString::fromUtf8("Option de répétition"), box), "GroupBox7");
  GroupBox7->setGeometry(338, 70, 174, 118);
  Label45 = Caption(GroupBox7, "Label45", "Répétition sur axe X", 6, 20, 114);
  SpinEdit1 = Named(new QSpinBox(GroupBox7), "SpinEdit1");
  SpinEdit1->setGeometry(122, 17, 46, 22);
  Label49 = Value(GroupBox7, "Label49", "0", 60, 42, 80);
  Caption(GroupBox7, "Label47", "mm", 146, 42, 22);
  Label46 = Caption(GroupBox7, "Label46", "Répétition sur axe Y", 6, 66, 114);
  SpinEdit2 = Named(new QSpinBox(GroupBox7), "SpinEdit2");
  SpinEdit2->setGeometry(122, 63, 46, 22);
  Label50 = Value(GroupBox7, "Label50", "0", 60, 88, 80);
  Caption(GroupBox7, "Label48", "mm", 146, 88, 22);
  for (QLabel* total : {Label49, Label50}) total->setAlignment(Qt::AlignRight);
  for (QSpinBox* spin : {SpinEdit1, SpinEdit2}) {
    spin->setRange(1, 100);
    spin->setValue(1);
  }

  ProgressBar1 = Named(new QProgressBar(box), "ProgressBar1");
  ProgressBar1->setGeometry(8, 196, 504, 18);
  ProgressBar1->setRange(0, 1);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
}

}  // namespace pistora
