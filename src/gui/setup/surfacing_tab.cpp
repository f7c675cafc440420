// The table surfacing page of the parameter dialog: its controls and the three steps.
#include "gui/setup/surfacing_tab.h"


#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "core/machine/table_setup.h"
#include "gui/adapters/numeric_key_filter_adapter.h"
#include "gui/adapters/qt_prompts.h"
#include "gui/app/app_windows.h"
#include "gui/machine/machine_host.h"
#include "gui/machine/machine_window.h"
#include "core/machine/setup_motion.h"
#include "gui/widgets/hold_arrow_button.h"
#include "gui/widgets/stop_disc.h"
#include "gui/widgets/named_control.h"

namespace pistora {

namespace {

// One surfacing value: caption, box (key mode 2, factory text) and its "mm".
struct ValueRow {
  QLabel** caption;
  const char* caption_name;
  const char* caption_text;
  QLineEdit** box;
  const char* box_name;
  const char* factory;
  QLabel** unit;
  const char* unit_name;
};

}  // namespace

SurfacingTab::SurfacingTab(QWidget* parent, SetupMotion* motion)
    : QWidget(parent), motion_(motion), own_prompts_(std::make_unique<QtPrompts>(this)) {
  setObjectName(QStringLiteral("SurfacingTab"));
  prompts_ = own_prompts_.get();
  BuildLayout();
  ConnectHandlers();
  ApplyControls();
}

SurfacingTab::~SurfacingTab() = default;

void SurfacingTab::SetPrompts(Prompts& prompts) { prompts_ = &prompts; }

void SurfacingTab::BuildLayout() {
  GroupBox7 = Named(new QGroupBox(QString::fromUtf8("Surfaçage plan de travail"), this), "GroupBox7",
                     {4, 4, 292, 196});
  const ValueRow rows[] = {
      {&Label21, "Label21", "Offset axe X : ", &Edit5, "Edit5", "17.25", &UnitSurfaceOffsetX,
       "UnitSurfaceOffsetX"},
      {&Label24, "Label24", "Offset axe Y : ", &Edit8, "Edit8", "12.25", &UnitSurfaceOffsetY,
       "UnitSurfaceOffsetY"},
      {&LabelSurfaceSizeX, "LabelSurfaceSizeX", "Dimenssion X : ", &Edit9, "Edit9", "200.5",
       &UnitSurfaceSizeX, "UnitSurfaceSizeX"},
      {&LabelSurfaceSizeY, "LabelSurfaceSizeY", "Dimenssion Y :", &Edit10, "Edit10", "150.5",
       &UnitSurfaceSizeY, "UnitSurfaceSizeY"},
      {&Label30, "Label30", "Profondeur de passe :  ", &Edit11, "Edit11", "0.4",
       &UnitSurfacePassDepth, "UnitSurfacePassDepth"},
      {&Label31, "Label31", "Encart entre deux passes : ", &Edit12, "Edit12", "1",
       &UnitSurfaceStepOver, "UnitSurfaceStepOver"},
  };
  int y = 24;
  for (const ValueRow& row : rows) {
    *row.caption = Named(new QLabel(QString::fromUtf8(row.caption_text), GroupBox7), row.caption_name,
                          {8, y + 2, 176, 16});
    *row.box = Named(new QLineEdit(QString::fromLatin1(row.factory), GroupBox7), row.box_name,
                      {188, y, 64, 20});
    (*row.box)->installEventFilter(new NumericKeyFilterAdapter(KeyMode::UnsignedDecimal, *row.box));
    *row.unit = Named(new QLabel(QStringLiteral("mm"), GroupBox7), row.unit_name, {258, y + 2, 28, 16});
    y += 28;
  }

  Button11 = Named(new QPushButton(QString::fromUtf8("Réglage zéro Table"), this), "Button11",
                    {304, 8, 180, 26});
  Label39 = Named(new QLabel(QString::fromUtf8("Réglage Axe Z"), this), "Label39", {304, 44, 130, 16});
  Edit13 = Named(new QLineEdit(QStringLiteral("-30"), this), "Edit13", {304, 66, 60, 20});
  Edit13->installEventFilter(new NumericKeyFilterAdapter(KeyMode::SignedDecimal, Edit13));
  Button1 = Named(new QPushButton(QString::fromUtf8("Aller à"), this), "Button1", {370, 64, 70, 24});
  BitBtn4 = Named(new HoldArrowButton(Qt::UpArrow, this), "BitBtn4", {448, 40, 32, 32});
  BitBtn5 = Named(new HoldArrowButton(Qt::DownArrow, this), "BitBtn5", {448, 76, 32, 32});
  Button13 = Named(new QPushButton(QString::fromUtf8("Validation réglage des z"), this), "Button13",
                    {304, 122, 180, 26});
  Button12 = Named(new QPushButton(QString::fromUtf8("Démarrer le surfacage"), this), "Button12",
                    {304, 160, 180, 26});

  Shape1 = Named(new StopDisc(this), "Shape1", {506, 8, 68, 68});
  Shape1->Word()->setObjectName(QStringLiteral("Label38"));
  Button2 = Named(new QPushButton(QStringLiteral("Raz"), this), "Button2", {514, 82, 52, 24});
}

void SurfacingTab::ConnectHandlers() {
  connect(Button11, &QPushButton::clicked, this, &SurfacingTab::Button11Click);
  connect(Button1, &QPushButton::clicked, this, &SurfacingTab::Button1Click);
  connect(Button13, &QPushButton::clicked, this, &SurfacingTab::Button13Click);
  connect(Button12, &QPushButton::clicked, this, &SurfacingTab::Button12Click);
  connect(Shape1, &StopDisc::Pressed, this, &SurfacingTab::StopMouseDown);
  connect(Button2, &QPushButton::clicked, this, &SurfacingTab::Button2Click);
  // The Z arrows act as the machine window's own "haut" and "bas" while held.
  connect(BitBtn4, &QAbstractButton::pressed, this, [this] { ForwardJog(JogDirection::kHaut, true); });
  connect(BitBtn4, &QAbstractButton::released, this, [this] { ForwardJog(JogDirection::kHaut, false); });
  connect(BitBtn5, &QAbstractButton::pressed, this, [this] { ForwardJog(JogDirection::kBas, true); });
  connect(BitBtn5, &QAbstractButton::released, this, [this] { ForwardJog(JogDirection::kBas, false); });
}

void SurfacingTab::ApplyControls() {
  const SurfacingControls on = page_.Controls();
  Button11->setEnabled(on.zero_table);
  Edit13->setEnabled(on.approach_z);
  Button1->setEnabled(on.go_to_approach);
  BitBtn4->setEnabled(on.jog_up);
  BitBtn5->setEnabled(on.jog_down);
  Button13->setEnabled(on.validate_height);
  Button12->setEnabled(on.start);
}

// ---- Handlers ----------------------------------------------------------------------------------

void SurfacingTab::Button11Click() {
  SetupMotion* motion = Motion();
  if (motion == nullptr) return;
  if (Report(SetTableZero(page_, *motion, Texts()))) {
    if (MachineWindow* machine = Machine()) machine->SetTargetsToZero();
  }
  ApplyControls();
}

void SurfacingTab::Button1Click() {
  SetupMotion* motion = Motion();
  if (motion == nullptr) return;
  const char separator = QLocale().decimalPoint().at(0).toLatin1();
  Report(ApproachTable(page_, *motion, Edit13->text().toStdString(), separator));
}

void SurfacingTab::Button13Click() {
  SetupMotion* motion = Motion();
  if (motion == nullptr) return;
  if (Report(ValidateTableHeight(page_, *motion))) {
    if (MachineWindow* machine = Machine()) machine->SetTargetZToZero();
  }
  ApplyControls();
}

void SurfacingTab::Button12Click() {
  SetupMotion* motion = Motion();
  if (motion == nullptr) return;
  WindowHost host;
  Report(StartSurfacing(page_, *motion, host, Texts(), [this] { ApplyControls(); }));
  ApplyControls();
}

void SurfacingTab::StopMouseDown() {
  if (motion_ != nullptr) motion_->LatchStop();
  Shape1->PaintRed();
}

void SurfacingTab::Button2Click() {
  if (motion_ != nullptr) motion_->ResetStopLatch();
  Shape1->PaintRing(QColor(255, 255, 0));
  page_.Reset();
  ApplyControls();
}

// ---- Helpers -----------------------------------------------------------------------------------

SurfacingTexts SurfacingTab::Texts() const {
  SurfacingTexts texts;
  const QLineEdit* boxes[kSurfacingBoxCount] = {Edit5, Edit8, Edit9, Edit10, Edit11, Edit12};
  for (int i = 0; i < kSurfacingBoxCount; ++i) texts[i] = boxes[i]->text().toStdString();
  return texts;
}

MachineWindow* SurfacingTab::Machine() const { return Windows().machine; }

SetupMotion* SurfacingTab::Motion() {
  if (motion_ == nullptr) prompts_->ShowError(QString::fromUtf8("Le module de gravure n'est pas disponible."));
  return motion_;
}

bool SurfacingTab::Report(const Status& status) {
  if (!status) prompts_->ShowError(QString::fromStdString(status.message()));
  return status.ok();
}

void SurfacingTab::ForwardJog(JogDirection direction, bool press) {
  MachineWindow* machine = Machine();
  if (machine == nullptr) return;
  if (press) {
    machine->JogPress(direction);
  } else {
    machine->JogRelease();
  }
}

}  // namespace pistora
