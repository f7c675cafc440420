#include "gui/viewers/magnifier_settings_dialog.h"

#include <QLabel>
#include <QRect>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include "gui/app/app_windows.h"
#include "gui/viewers/loupe_support.h"
#include "gui/viewers/magnifier_mask.h"
#include "gui/widgets/named_control.h"

namespace pistora {

MagnifierSettingsDialog::MagnifierSettingsDialog(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Trgloupefrm"));
  setWindowTitle(QString::fromUtf8("Réglage Loupe"));
  setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
  setFixedSize(305, 190);
  BuildLayout();
  ConnectHandlers();
  FormCreate();
}

void MagnifierSettingsDialog::BuildLayout() {
  const auto read_only_box = [this](const char* name, int top, const char* text) {
    QLineEdit* box = Named(new QLineEdit(this), name, {100, top, 60, 22});
    box->setReadOnly(true);
    box->setText(QString::fromLatin1(text));
    return box;
  };
  const auto up_down = [this](const char* name, int top) {
    QSpinBox* arrows = Named(new QSpinBox(this), name, {162, top, 18, 22});
    arrows->setRange(-kLoupeMaxOffset, kLoupeMaxOffset);
    arrows->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    return arrows;
  };
  Label1 = Named(new QLabel(this), "Label1", {16, 16, 80, 22});
  Label1->setText(QStringLiteral("Offset X : "));
  Edit1 = read_only_box("Edit1", 16, "0");
  UpDown1 = up_down("UpDown1", 16);
  Label2 = Named(new QLabel(this), "Label2", {16, 48, 80, 22});
  Label2->setText(QStringLiteral("Offset Y :"));
  Edit2 = read_only_box("Edit2", 48, "0");
  UpDown2 = up_down("UpDown2", 48);
  Label3 = Named(new QLabel(this), "Label3", {16, 80, 80, 22});
  Label3->setText(QStringLiteral("Zoom : "));
  Edit3 = read_only_box("Edit3", 80, "100");
  Label4 = Named(new QLabel(this), "Label4", {164, 80, 20, 22});
  Label4->setText(QStringLiteral("%"));
  TrackBar1 = Named(new QSlider(this), "TrackBar1", {16, 108, 273, 30});
  TrackBar1->setOrientation(Qt::Horizontal);
  TrackBar1->setRange(kLoupeMinPosition, kLoupeMaxPosition);
  TrackBar1->setTickPosition(QSlider::TicksBelow);
  TrackBar1->setTickInterval(1);
  Button1 = Named(new QPushButton(this), "Button1", {60, 150, 80, 28});
  Button1->setText(QStringLiteral("Valider"));
  Button2 = Named(new QPushButton(this), "Button2", {165, 150, 80, 28});
  Button2->setText(QStringLiteral("Annuler"));
}

void MagnifierSettingsDialog::ConnectHandlers() {
  connect(TrackBar1, &QSlider::valueChanged, this, &MagnifierSettingsDialog::TrackBar1Change);
  connect(UpDown1, &QSpinBox::valueChanged, this, &MagnifierSettingsDialog::UpDown1Click);
  connect(UpDown2, &QSpinBox::valueChanged, this, &MagnifierSettingsDialog::UpDown2Click);
  connect(Button1, &QPushButton::clicked, this, &MagnifierSettingsDialog::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &MagnifierSettingsDialog::Button2Click);
}

void MagnifierSettingsDialog::FormCreate() {
  // The mask window, created just before, has reported a bad file already.
  QString ignored;
  ReadLoupeSettingsFile(&saved_, &ignored);
  SettingsToControls(saved_);
}

LoupeSettings MagnifierSettingsDialog::SettingsFromControls() const {
  return {TrackBar1->value(), Edit3->text().toStdString(), UpDown1->value(), UpDown2->value()};
}

void MagnifierSettingsDialog::SettingsToControls(const LoupeSettings& settings) {
  TrackBar1->setValue(settings.SliderPosition);
  TrackBar1Change();  // also when the slider already stood there
  Edit3->setText(QString::fromStdString(settings.ZoomText));
  UpDown1->setValue(settings.OffsetX);
  UpDown2->setValue(settings.OffsetY);
  Edit1->setText(QString::number(settings.OffsetX));
  Edit2->setText(QString::number(settings.OffsetY));
  ApplyOffsets();
}

void MagnifierSettingsDialog::TrackBar1Change() {
  Edit3->setText(QString::fromStdString(ZoomPercentText(TrackBar1->value())));
  if (MagnifierMask* mask = Windows().magnifier_mask) mask->SetHalfSide(HalfSide(TrackBar1->value()));
}

void MagnifierSettingsDialog::UpDown1Click() {
  Edit1->setText(QString::number(UpDown1->value()));
  ApplyOffsets();
}

void MagnifierSettingsDialog::UpDown2Click() {
  Edit2->setText(QString::number(UpDown2->value()));
  ApplyOffsets();
}

void MagnifierSettingsDialog::ApplyOffsets() {
  if (MagnifierMask* mask = Windows().magnifier_mask) mask->SetPictureOffset(UpDown1->value(), UpDown2->value());
}

void MagnifierSettingsDialog::Button1Click() {
  const LoupeSettings settings = SettingsFromControls();
  const Status status = SaveLoupeSettings(LoupeSettingsPath().toStdString(), settings);
  if (!status) {
    ReportLoupeError(QString::fromStdString(status.message()));
    return;  // the window stays open with the values not saved
  }
  saved_ = settings;
  close();
}

void MagnifierSettingsDialog::Button2Click() {
  LoupeSettings settings = saved_;
  QString error;
  if (ReadLoupeSettingsFile(&settings, &error)) {
    saved_ = settings;
  } else {
    ReportLoupeError(error);
    settings = saved_;
  }
  SettingsToControls(settings);
  close();
}

}  // namespace pistora
