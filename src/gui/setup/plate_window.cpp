#include "gui/setup/plate_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include "core/machine/plate_placement.h"
#include "core/text/numbers.h"
#include "gui/adapters/qt_prompts.h"
#include "gui/app/app_windows.h"
#include "gui/machine/machine_window.h"
#include "gui/setup/machine_window_motion.h"
#include "gui/setup/plate_preview_view.h"
#include "gui/widgets/stop_disc.h"
#include "gui/widgets/named_control.h"

namespace pistora {

namespace {

QGroupBox* Group(QWidget* parent, const char* name, const char* title, int x, int y, int w, int h) {
  return Named(new QGroupBox(QString::fromUtf8(title), parent), name, x, y, w, h);
}

QLabel* Text(QWidget* parent, const char* name, const char* text, int x, int y, int w) {
  return Named(new QLabel(QString::fromUtf8(text), parent), name, x, y, w, 16);
}

QPushButton* Command(QWidget* parent, const char* name, const char* caption, int x, int y, int w) {
  return Named(new QPushButton(QString::fromUtf8(caption), parent), name, x, y, w, 30);
}

QLabel* Sample(QWidget* parent, const char* name, int x, int y, const QPixmap& pixmap) {
  QLabel* sample = Named(new QLabel(parent), name, x, y, pixmap.width(), pixmap.height());
  sample->setPixmap(pixmap);
  return sample;
}

QString ThreeDecimals(double mm) { return QString::fromStdString(FormatFixed(mm, 3)); }

}  // namespace

PlateWindow::PlateWindow(QWidget* parent, Prompts* prompts) : QWidget(parent), prompts_(prompts) {
  setObjectName(QStringLiteral("Tgestfrm"));
  setWindowTitle(QString::fromUtf8("Réglage position de gravure"));
  setFixedSize(713, 467);
  BuildLayout();
  ConnectHandlers();
}

PlateWindow::~PlateWindow() = default;

void PlateWindow::BuildLayout() {
  GroupBox1 = Group(this, "GroupBox1", "Prévisualisation", 8, 8, 373, 297);
  Image1 = Named(new PlatePreviewView(GroupBox1), "Image1", 10, 22, kPlatePreviewWidth,
                  kPlatePreviewHeight);
  BuildCommandBox();
  BuildLegendBox();
  GroupBox4 = Group(this, "GroupBox4", "Gestion des plaques de cuivre", 392, 312, 313, 147);
}

void PlateWindow::BuildCommandBox() {
  GroupBox2 = Group(this, "GroupBox2", "Commandes", 392, 8, 313, 297);
  BitBtn1 = Command(GroupBox2, "BitBtn1", "Nouvelle plaque", 12, 24, 289);
  BitBtn2 = Command(GroupBox2, "BitBtn2", "&Positionner la broche et sortir", 12, 62, 289);
  BitBtn3 = Command(GroupBox2, "BitBtn3", "&Sortir sans rien faire", 12, 100, 289);
  Shape1 = Named(new StopDisc(GroupBox2), "Shape1", 60, 160, 68, 68);
  Shape1->Word()->setObjectName(QStringLiteral("Label15"));
  Button5 = Named(new QPushButton(QStringLiteral("Raz"), GroupBox2), "Button5", 160, 180, 80, 28);
}

void PlateWindow::BuildLegendBox() {
  GroupBox3 = Group(this, "GroupBox3", "Légende", 8, 312, 373, 147);
  const QSize sample(28, 16);
  Shape2 = Sample(GroupBox3, "Shape2", 12, 24, LegendSample(sample, kCopperColour));
  Label1 = Text(GroupBox3, "Label1", "Surface cuivrée", 46, 24, 140);
  Shape3 = Sample(GroupBox3, "Shape3", 190, 24, LegendSample(sample, kCopperColour, kForbiddenHatchColour));
  Label2 = Text(GroupBox3, "Label2", "Zone interdite", 224, 24, 140);
  Shape4 = Sample(GroupBox3, "Shape4", 12, 50, LegendSample(sample, kEngravingLegendColour));
  Label3 = Text(GroupBox3, "Label3", "Gravure en cours", 46, 50, 140);
  Shape5 = Sample(GroupBox3, "Shape5", 190, 50, LegendSample(sample, kCopperColour, kEngravedHatchColour));
  Label4 = Text(GroupBox3, "Label4", "Zone déja gravée", 224, 50, 140);
  Label5 = Text(GroupBox3, "Label5", "Point de départ gravure", 12, 84, 220);
  Label6 = Text(GroupBox3, "Label6", "X", 24, 108, 14);
  Label8 = Text(GroupBox3, "Label8", "0.000", 42, 108, 80);
  Label7 = Text(GroupBox3, "Label7", "Y", 150, 108, 14);
  Label9 = Text(GroupBox3, "Label9", "0.000", 168, 108, 80);
}

void PlateWindow::ConnectHandlers() {
  connect(BitBtn1, &QPushButton::clicked, this, &PlateWindow::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &PlateWindow::BitBtn2Click);
  connect(BitBtn3, &QPushButton::clicked, this, &PlateWindow::BitBtn3Click);
  connect(Shape1, &StopDisc::Pressed, this, &PlateWindow::Shape1MouseDown);
  connect(Button5, &QPushButton::clicked, this, &PlateWindow::Button5Click);
  connect(Image1, &PlatePreviewView::StartPointMoved, this, &PlateWindow::ShowStartPoint);
}

Prompts& PlateWindow::Messages() {
  if (prompts_ != nullptr) return *prompts_;
  if (!own_prompts_) own_prompts_ = std::make_unique<QtPrompts>(this);
  return *own_prompts_;
}

MachineWindow* PlateWindow::Machine() {
  MachineWindow* machine = Windows().machine;
  if (machine == nullptr) Messages().ShowError(QString::fromUtf8("La fenêtre de la machine n'existe pas."));
  return machine;
}

void PlateWindow::DrawPlatePreview() {
  MachineWindow* machine = Machine();
  if (machine == nullptr) return;
  PlatePreview preview = Image1->Preview();
  const char separator = QLocale().decimalPoint().at(0).toLatin1();
  const Status status =
      NewPlatePreview(machine->State().Parameters, machine->RepetitionTotalXText().toStdString(),
                      machine->RepetitionTotalYText().toStdString(), separator, &preview);
  if (!status) {
    Messages().ShowError(QString::fromStdString(status.message()));
    return;
  }
  Image1->SetPreview(preview);
  ShowStartPoint();
}

void PlateWindow::ShowStartPoint() {
  Label8->setText(ThreeDecimals(Image1->Preview().EngraveStartX()));
  Label9->setText(ThreeDecimals(Image1->Preview().EngraveStartY()));
}

void PlateWindow::BitBtn1Click() { DrawPlatePreview(); }

void PlateWindow::BitBtn2Click() {
  MachineWindow* machine = Machine();
  if (machine == nullptr) return;
  MachineWindowMotion motion(*machine);
  Status status;
  const PlacementOutcome outcome = PlaceSpindle(Image1->Preview().SpindleTarget(), motion,
                                                [machine] { machine->PlacementDone(); }, &status);
  if (outcome == PlacementOutcome::kRefused) {
    Messages().ShowError(QString::fromStdString(status.message()));
    return;  // the window stays open
  }
  close();
}

void PlateWindow::BitBtn3Click() { close(); }

void PlateWindow::Shape1MouseDown() {
  Shape1->PaintRed();
  if (MachineWindow* machine = Machine()) machine->StopDiscMouseDown();
}

void PlateWindow::Button5Click() {
  Shape1->PaintRing(QColor(255, 255, 0));
  if (MachineWindow* machine = Machine()) machine->Button5Click();
}

}  // namespace pistora
