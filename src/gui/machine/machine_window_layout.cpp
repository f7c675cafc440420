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

#include "core/windows/machine_window_controls.h"
#include "gui/adapters/numeric_key_filter_adapter.h"
#include "gui/machine/machine_window.h"
#include "gui/widgets/hold_arrow_button.h"
#include "gui/widgets/led_lamp.h"
#include "gui/widgets/stop_disc.h"
#include "gui/widgets/named_control.h"

namespace pistora {

namespace {

using R = MachineControl;

QLabel* Caption(QWidget* parent, const char* utf8, int x, int y, int w = 120, int h = 16) {
  auto* label = new QLabel(QString::fromUtf8(utf8), parent);
  label->setGeometry(x, y, w, h);
  return label;
}

// A caption that language files name.
QLabel* Caption(QWidget* parent, MachineControl role, const char* utf8, int x, int y, int w) {
  return Named(Caption(parent, utf8, x, y, w), role);
}

QPushButton* Button(QWidget* parent, MachineControl role, const char* utf8, int x, int y, int w, int h) {
  return Named(new QPushButton(QString::fromUtf8(utf8), parent), role, {x, y, w, h});
}

QLabel* Value(QWidget* parent, MachineControl role, const char* text, int x, int y, int w = 70) {
  return Named(new QLabel(QString::fromUtf8(text), parent), role, {x, y, w, 16});
}

QGroupBox* Box(QWidget* parent, MachineControl role, const char* title, QRect place) {
  return Named(new QGroupBox(QString::fromUtf8(title), parent), role, place);
}

// Large green figures on black.
QLabel* PositionLabel(QWidget* parent, MachineControl role, int x, int y) {
  auto* label = Named(new QLabel(QStringLiteral("0.000"), parent), role, {x, y, 130, 30});
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setStyleSheet(QStringLiteral("QLabel { background-color: black; color: rgb(0, 255, 0); padding-right: 4px; }"));
  QFont font = label->font();
  font.setPointSize(16);
  font.setBold(true);
  label->setFont(font);
  return label;
}

HoldArrowButton* Arrow(QWidget* parent, MachineControl role, Qt::ArrowType arrow, int x, int y) {
  return Named(new HoldArrowButton(arrow, parent), role, {x, y, 32, 32});
}

QLabel* ClickLabel(QWidget* parent, MachineControl role, const char* text, int x, int y) {
  auto* label = Named(new QLabel(QString::fromUtf8(text), parent), role, {x, y, 32, 32});
  label->setAlignment(Qt::AlignCenter);
  label->setCursor(Qt::PointingHandCursor);
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Raised);
  return label;
}

}  // namespace

void MachineWindow::BuildLayout() {
  menu_bar_ = Named(new QMenuBar(this), R::kMenuBar, {0, 0, 689, 22});
  option_menu_ = Named(menu_bar_->addMenu(QStringLiteral("&Option")), R::kOptionMenu);
  port_setup_entry_ = Named(option_menu_->addAction(QString::fromUtf8("&Paramétrage du port parallèle")), R::kPortSetupEntry);
  geometry_entry_ = Named(option_menu_->addAction(QString::fromUtf8("&Réglage géométrie machine")), R::kGeometryEntry);
  surfacing_entry_ = Named(option_menu_->addAction(QString::fromUtf8("&Surfaçage plan de travail")), R::kSurfacingEntry);
  copper_entry_ = Named(option_menu_->addAction(QString::fromUtf8("Réglage &Cuivre")), R::kCopperEntry);

  BuildPositionBox();
  BuildStateBox();

  message_box_ = Box(this, R::kMessageBox, "Message machine", {4, 252, 681, 42});
  message_line_ = Value(message_box_, R::kMessageLine, "", 8, 18, 665);

  BuildIsoBox();

  command_box_ = Box(this, R::kCommandBox, "Commandes", {528, 296, 157, 56});
  home_button_ = Button(command_box_, R::kHomeButton, "Zéro Machine", 8, 20, 141, 26);

  mode_box_ = Box(this, R::kModeBox, "Fonction", {528, 356, 157, 167});
  mode_picture_ = Named(new QLabel(mode_box_), R::kModePicture, {54, 20, 48, 48});
  mode_picture_->setAlignment(Qt::AlignCenter);
  mode_name_ = Value(mode_box_, R::kModeName, "Gravure", 8, 76, 141);
  mode_name_->setAlignment(Qt::AlignCenter);
  switch_mode_button_ = Button(mode_box_, R::kSwitchModeButton, "&Bascule", 28, 104, 100, 26);
}

void MachineWindow::BuildPositionBox() {
  position_box_ = Box(this, R::kPositionBox, "Position et déplacements manuels", {4, 24, 440, 226});
  QWidget* box = position_box_;
  const char* axes[3] = {"X", "Y", "Z"};
  const MachineControl positions[3] = {R::kPositionX, R::kPositionY, R::kPositionZ};
  const MachineControl zero_buttons[3] = {R::kZeroXButton, R::kZeroYButton, R::kZeroZButton};
  for (int i = 0; i < 3; ++i) {
    const int y = 20 + 34 * i;
    Caption(box, axes[i], 10, y + 7, 14);
    position_labels_[i] = PositionLabel(box, positions[i], 26, y);
    zero_axis_buttons_[i] = Button(box, zero_buttons[i], "RAZ", 162, y + 3, 50, 24);
  }
  go_to_button_ = Button(box, R::kGoToButton, "Aller à", 10, 128, 80, 24);
  const MachineControl targets[3] = {R::kTargetXEdit, R::kTargetYEdit, R::kTargetZEdit};
  for (int i = 0; i < 3; ++i) {
    Caption(box, axes[i], 10 + 66 * i, 160, 14);
    auto* edit = Named(new QLineEdit(QStringLiteral("0.000"), box), targets[i], {22 + 66 * i, 158, 50, 20});
    // The boxes show "0.000": a comma typed under a comma locale goes in as ".".
    edit->installEventFilter(new NumericKeyFilterAdapter(KeyMode::SignedDecimal, edit, SeparatorInput::AsDot));
    target_edits_[i] = edit;
  }

  // The jog cross, "(0;0)" at its centre, and the Z column with "Z0" between its arrows.
  jog_front_arrow_ = Arrow(box, R::kJogFrontArrow, Qt::UpArrow, 262, 22);
  jog_left_arrow_ = Arrow(box, R::kJogLeftArrow, Qt::LeftArrow, 228, 56);
  go_to_xy_zero_label_ = ClickLabel(box, R::kGoToXYZero, "(0;0)", 262, 56);
  jog_right_arrow_ = Arrow(box, R::kJogRightArrow, Qt::RightArrow, 296, 56);
  jog_back_arrow_ = Arrow(box, R::kJogBackArrow, Qt::DownArrow, 262, 90);
  Caption(box, "Y+", 298, 30, 20);
  Caption(box, "X-", 210, 64, 18);
  Caption(box, "X+", 332, 64, 18);
  Caption(box, "Y-", 298, 98, 20);
  jog_up_arrow_ = Arrow(box, R::kJogUpArrow, Qt::UpArrow, 372, 22);
  go_to_z_zero_label_ = ClickLabel(box, R::kGoToZZero, "Z0", 372, 56);
  jog_down_arrow_ = Arrow(box, R::kJogDownArrow, Qt::DownArrow, 372, 90);
  Caption(box, "Z+", 408, 30, 20);
  Caption(box, "Z-", 408, 98, 20);

  spindle_button_ = Button(box, R::kSpindleButton, "Broche", 240, 150, 120, 30);
  touch_off_button_ = Button(box, R::kTouchOffButton, "Palper Z", 10, 192, 100, 26);
  height_map_button_ = Button(box, R::kHeightMapButton, "Carte des hauteurs...", 116, 192, 150, 26);
}

void MachineWindow::BuildStateBox() {
  state_box_ = Box(this, R::kStateBox, "Etat machine", {448, 24, 237, 226});
  QWidget* box = state_box_;
  const char* lamp_texts[5] = {"Butée axe x", "Butée axe y", "Butée axe z", "Palpeur outil",
                               "Arrêt d'urgence"};
  const MachineControl lamp_roles[5] = {R::kLimitXLamp, R::kLimitYLamp, R::kLimitZLamp, R::kProbeLamp,
                                        R::kEStopLamp};
  const MachineControl caption_roles[5] = {R::kLimitXCaption, R::kLimitYCaption, R::kLimitZCaption,
                                           R::kProbeCaption, R::kEStopCaption};
  for (int i = 0; i < 5; ++i) {
    lamps_[i] = Named(new LedLamp(box, QColor(255, 0, 0)), lamp_roles[i], {8, 20 + 18 * i, 16, 16});
    Caption(box, caption_roles[i], lamp_texts[i], 28, 20 + 18 * i, 120);
  }
  stop_disc_ = Named(new StopDisc(box), R::kStopDisc);
  Named(stop_disc_->Word(), R::kStopWord);
  stop_disc_->setGeometry(156, 16, 68, 68);
  reset_stop_button_ = Button(box, R::kResetStopButton, "Raz", 166, 88, 48, 22);

  feed_slider_ = Named(new QSlider(Qt::Horizontal, box), R::kFeedSlider, {8, 118, 221, 30});
  feed_slider_->setRange(1, 600);
  feed_slider_->setTickPosition(QSlider::TicksBelow);
  feed_slider_->setTickInterval(50);
  feed_slider_->setValue(150);
  Caption(box, R::kWorkFeedCaption, "Avance de travail", 8, 156, 110);
  work_feed_value_ = Value(box, R::kWorkFeedValue, "150", 122, 156, 50);
  work_feed_value_->setAlignment(Qt::AlignRight);
  Caption(box, R::kWorkFeedUnit, "mm/mn", 178, 156, 50);
  Caption(box, R::kRealFeedCaption, "Avance Réelle", 8, 180, 110);
  real_feed_value_ = Value(box, R::kRealFeedValue, "0", 122, 180, 50);
  real_feed_value_->setAlignment(Qt::AlignRight);
  Caption(box, R::kRealFeedUnit, "mm/mn", 178, 180, 50);
}

void MachineWindow::BuildIsoBox() {
  program_box_ = Box(this, R::kProgramBox, "Code ISO", {4, 296, 520, 227});
  QWidget* box = program_box_;
  load_engraving_button_ = Button(box, R::kLoadEngravingButton, "&Charger gravure ISO", 8, 18, 150, 24);
  load_drilling_button_ = Button(box, R::kLoadDrillingButton, "Charger &perçage ISO", 8, 46, 150, 24);
  placement_button_ = Button(box, R::kPlacementButton, "&Réglage position gravure", 8, 84, 150, 24);
  validate_z_button_ = Button(box, R::kValidateZButton, "Valide &Réglage niveau Z", 8, 112, 150, 24);
  start_button_ = Button(box, R::kStartButton, "Démarrer la gravure", 8, 150, 150, 24);

  Caption(box, R::kEngravingFileCaption, "Gravure : ", 166, 22, 58);
  engraving_file_label_ = Value(box, R::kEngravingFile, "", 226, 22, 286);
  Caption(box, R::kDrillingFileCaption, "Perçage : ", 166, 48, 58);
  drilling_file_label_ = Value(box, R::kDrillingFile, "", 226, 48, 286);
  for (QLabel* file : {engraving_file_label_, drilling_file_label_})
    file->setStyleSheet(QStringLiteral("QLabel { background-color: rgb(255, 255, 0); }"));

  program_info_box_ = Box(box, R::kProgramInfoBox, "Information programme", {164, 70, 170, 118});
  struct InfoRow {
    MachineControl caption_role;
    const char* caption;
    QLabel** value;
    MachineControl value_role;
    const char* value_text;
    MachineControl unit_role;
    const char* unit;
  };
  const InfoRow rows[] = {
      {R::kSizeXCaption, "Taille X :", &size_x_value_, R::kSizeXValue, "0.000", R::kSizeXUnit, "mm"},
      {R::kSizeYCaption, "Taille Y :", &size_y_value_, R::kSizeYValue, "0.000", R::kSizeYUnit, "mm"},
      {R::kLengthCaption, "Longueur :", &length_value_, R::kLengthValue, "0.000", R::kLengthUnit, "mm"},
      {R::kTimeCaption, "Temps estimé :", &time_value_, R::kTimeValue, "0:00:00", R::kTimeUnit, "s"}};
  for (int i = 0; i < 4; ++i) {
    const int y = 20 + 22 * i;
    Caption(program_info_box_, rows[i].caption_role, rows[i].caption, 6, y, 86);
    // Right-aligned values reach left under the end of their caption, so that a length of
    // five digits and three decimals ("22014.000") shows whole.
    *rows[i].value = Value(program_info_box_, rows[i].value_role, rows[i].value_text, 62, y, 82);
    (*rows[i].value)->setAlignment(Qt::AlignRight);
    QLabel* unit = Caption(program_info_box_, rows[i].unit_role, rows[i].unit, 146, y, 22);
    // The time shows as h:mm:ss, which needs no unit.
    if (rows[i].unit_role == R::kTimeUnit) unit->hide();
  }

  repetition_box_ = Box(box, R::kRepetitionBox, "Option de répétition", {338, 70, 174, 118});
  Caption(repetition_box_, R::kCopiesXCaption, "Répétition sur axe X", 6, 20, 114);
  copies_x_spin_ = Named(new QSpinBox(repetition_box_), R::kCopiesXSpin, {122, 17, 46, 22});
  total_x_label_ = Value(repetition_box_, R::kTotalX, "0", 60, 42, 80);
  Caption(repetition_box_, R::kTotalXUnit, "mm", 146, 42, 22);
  Caption(repetition_box_, R::kCopiesYCaption, "Répétition sur axe Y", 6, 66, 114);
  copies_y_spin_ = Named(new QSpinBox(repetition_box_), R::kCopiesYSpin, {122, 63, 46, 22});
  total_y_label_ = Value(repetition_box_, R::kTotalY, "0", 60, 88, 80);
  Caption(repetition_box_, R::kTotalYUnit, "mm", 146, 88, 22);
  for (QLabel* total : {total_x_label_, total_y_label_}) total->setAlignment(Qt::AlignRight);
  for (QSpinBox* spin : {copies_x_spin_, copies_y_spin_}) {
    spin->setRange(1, 100);
    spin->setValue(1);
  }

  progress_bar_ = Named(new QProgressBar(box), R::kProgress, {8, 196, 504, 18});
  progress_bar_->setRange(0, 1);
  progress_bar_->setValue(0);
  progress_bar_->setTextVisible(false);
}

}  // namespace pistora
