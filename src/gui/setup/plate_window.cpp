#include "gui/adapters/translations.h"
#include "gui/setup/plate_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "core/machine/machine_session.h"
#include "core/machine/plate_placement.h"
#include "core/text/numbers.h"
#include "core/windows/plate_window_controls.h"
#include "gui/adapters/qt_prompts.h"
#include "gui/setup/plate_preview_view.h"
#include "gui/widgets/named_control.h"
#include "gui/widgets/stop_disc.h"

namespace pistora {

namespace {

using R = PlateControl;

QGroupBox* Group(QWidget* parent, PlateControl role, const char* title, QRect place) {
  return Named(new QGroupBox(QString::fromUtf8(title), parent), role, place);
}

QLabel* Text(QWidget* parent, PlateControl role, const char* text, int x, int y, int w) {
  return Named(new QLabel(QString::fromUtf8(text), parent), role, {x, y, w, 16});
}

QPushButton* Command(QWidget* parent, PlateControl role, const char* caption, int x, int y, int w) {
  return Named(new QPushButton(QString::fromUtf8(caption), parent), role, {x, y, w, 30});
}

QLabel* Sample(QWidget* parent, PlateControl role, int x, int y, const QPixmap& pixmap) {
  QLabel* sample = Named(new QLabel(parent), role, {x, y, pixmap.width(), pixmap.height()});
  sample->setPixmap(pixmap);
  return sample;
}

QString ThreeDecimals(double mm) { return QString::fromStdString(FormatFixed(mm, 3)); }

}  // namespace

PlateWindow::PlateWindow(MachineSession& session, Prompts* prompts, QWidget* parent)
    : QWidget(parent), session_(session), prompts_(prompts) {
  const std::string_view window_name = PlateWindowControls().WindowName();
  setObjectName(QString::fromLatin1(window_name.data(), static_cast<qsizetype>(window_name.size())));
  setWindowTitle(QString::fromUtf8("Réglage position de gravure"));
  setFixedSize(713, 467);
  BuildLayout();
  ConnectHandlers();
}

PlateWindow::~PlateWindow() = default;

void PlateWindow::BuildLayout() {
  QGroupBox* preview_box = Group(this, R::kPreviewBox, "Prévisualisation", {8, 8, 373, 297});
  preview_ = Named(new PlatePreviewView(preview_box), R::kPreview,
                   {10, 22, kPlatePreviewWidth, kPlatePreviewHeight});
  BuildCommandBox();
  BuildLegendBox();
  Group(this, R::kPlateStockBox, "Gestion des plaques de cuivre", {392, 312, 313, 147});
}

void PlateWindow::BuildCommandBox() {
  QGroupBox* box = Group(this, R::kCommandBox, "Commandes", {392, 8, 313, 297});
  new_plate_button_ = Command(box, R::kNewPlateButton, "Nouvelle plaque", 12, 24, 289);
  place_spindle_button_ = Command(box, R::kPlaceSpindleButton, "&Positionner la broche et sortir", 12, 62, 289);
  leave_button_ = Command(box, R::kLeaveButton, "&Sortir sans rien faire", 12, 100, 289);
  stop_disc_ = Named(new StopDisc(box), R::kStopDisc, {60, 160, 68, 68});
  Named(stop_disc_->Word(), R::kStopWord);
  reset_stop_button_ = Named(new QPushButton(QStringLiteral("Raz"), box), R::kResetStopButton, {160, 180, 80, 28});
}

void PlateWindow::BuildLegendBox() {
  QGroupBox* box = Group(this, R::kLegendBox, "Légende", {8, 312, 373, 147});
  const QSize sample(28, 16);
  Sample(box, R::kCopperSample, 12, 24, LegendSample(sample, kCopperColour));
  Text(box, R::kCopperCaption, "Surface cuivrée", 46, 24, 140);
  Sample(box, R::kForbiddenSample, 190, 24, LegendSample(sample, kCopperColour, kForbiddenHatchColour));
  Text(box, R::kForbiddenCaption, "Zone interdite", 224, 24, 140);
  Sample(box, R::kEngravingSample, 12, 50, LegendSample(sample, kEngravingLegendColour));
  Text(box, R::kEngravingCaption, "Gravure en cours", 46, 50, 140);
  Sample(box, R::kEngravedSample, 190, 50, LegendSample(sample, kCopperColour, kEngravedHatchColour));
  Text(box, R::kEngravedCaption, "Zone déja gravée", 224, 50, 140);
  Text(box, R::kStartPointCaption, "Point de départ gravure", 12, 84, 220);
  Text(box, R::kStartXCaption, "X", 24, 108, 14);
  start_x_label_ = Text(box, R::kStartX, "0.000", 42, 108, 80);
  Text(box, R::kStartYCaption, "Y", 150, 108, 14);
  start_y_label_ = Text(box, R::kStartY, "0.000", 168, 108, 80);
}

void PlateWindow::ConnectHandlers() {
  connect(new_plate_button_, &QPushButton::clicked, this, &PlateWindow::DrawPlatePreview);
  connect(place_spindle_button_, &QPushButton::clicked, this, &PlateWindow::PlaceSpindle);
  connect(leave_button_, &QPushButton::clicked, this, &QWidget::close);
  connect(stop_disc_, &StopDisc::Pressed, this, &PlateWindow::LatchStop);
  connect(reset_stop_button_, &QPushButton::clicked, this, &PlateWindow::ResetStopLatch);
  connect(preview_, &PlatePreviewView::StartPointMoved, this, &PlateWindow::ShowStartPoint);
}

Prompts& PlateWindow::Messages() {
  if (prompts_ != nullptr) return *prompts_;
  if (!own_prompts_) own_prompts_ = std::make_unique<QtPrompts>(this);
  return *own_prompts_;
}

void PlateWindow::OpenWithNewPlate() {
  show();
  raise();
  new_plate_button_->click();
}

void PlateWindow::DrawPlatePreview() {
  PlatePreview preview = preview_->Preview();
  const Status status = NewPlatePreview(session_.State().Parameters, session_.RepetitionTotal(), &preview);
  if (!status) {
    Messages().ShowError(QString::fromStdString(status.message()));
    return;
  }
  preview_->SetPreview(preview);
  ShowStartPoint();
}

void PlateWindow::ShowStartPoint() {
  start_x_label_->setText(ThreeDecimals(preview_->Preview().EngraveStartX()));
  start_y_label_->setText(ThreeDecimals(preview_->Preview().EngraveStartY()));
}

void PlateWindow::PlaceSpindle() {
  if (session_.Busy()) {
    Messages().ShowError(TrMessage(kPlacementBusyMessage));
    return;  // the window stays open
  }
  const ToolPosition target = preview_->Preview().SpindleTarget();
  MachineSession* session = &session_;
  session_.SetPlateStart(preview_->Preview().EngraveStartX(), preview_->Preview().EngraveStartY());
  // The placement runs as a motion command; its buttons change on the window thread.
  session_.Submit([session, target] {
    pistora::PlaceSpindle(target, *session, [session] { session->OnWindowThread([session] { session->PlacementDone(); }); });
  });
  close();
}

void PlateWindow::LatchStop() {
  stop_disc_->PaintRed();
  session_.LatchStop();
}

void PlateWindow::ResetStopLatch() {
  stop_disc_->PaintRing(QColor(255, 255, 0));
  session_.ResetStopLatch();
}

}  // namespace pistora
