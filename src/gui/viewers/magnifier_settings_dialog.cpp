#include "gui/viewers/magnifier_settings_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QSlider>
#include <QSpinBox>

#include "core/windows/magnifier_controls.h"
#include "gui/adapters/prompts.h"
#include "gui/adapters/settings_files.h"
#include "gui/viewers/loupe_support.h"
#include "gui/viewers/magnifier_mask.h"
#include "gui/widgets/named_control.h"

namespace pistora {
namespace {

using S = MagnifierSettingsControl;

QString CaptionOf(S role) {
  for (const ControlName<S>& row : MagnifierSettingsControls().Rows()) {
    if (row.role == role) return QString::fromUtf8(row.built_in.data(), static_cast<qsizetype>(row.built_in.size()));
  }
  return {};
}

}  // namespace

MagnifierSettingsDialog::MagnifierSettingsDialog(Prompts& prompts, MagnifierMask& mask, QWidget* parent)
    : QWidget(parent), prompts_(prompts), mask_(mask) {
  setObjectName(QString::fromLatin1(MagnifierSettingsControls().WindowName().data()));
  setWindowTitle(CaptionOf(S::kWindow));
  setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
  setFixedSize(305, 190);
  BuildLayout();
  ConnectHandlers();
  LoadSettings();
}

void MagnifierSettingsDialog::BuildLayout() {
  const auto caption = [this](S role, QRect place) {
    QLabel* label = Named(new QLabel(this), role, place);
    label->setText(CaptionOf(role));
  };
  const auto read_only_box = [this](S role, int top, const char* text) {
    QLineEdit* box = Named(new QLineEdit(this), role, {100, top, 60, 22});
    box->setReadOnly(true);
    box->setText(QString::fromLatin1(text));
    return box;
  };
  const auto up_down = [this](S role, int top) {
    QSpinBox* arrows = Named(new QSpinBox(this), role, {162, top, 18, 22});
    arrows->setRange(-kLoupeMaxOffset, kLoupeMaxOffset);
    arrows->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    return arrows;
  };
  const auto button = [this](S role, int left) {
    QPushButton* pressed = Named(new QPushButton(this), role, {left, 150, 80, 28});
    pressed->setText(CaptionOf(role));
    return pressed;
  };
  caption(S::kOffsetXCaption, {16, 16, 80, 22});
  offset_x_edit_ = read_only_box(S::kOffsetXEdit, 16, "0");
  offset_x_arrows_ = up_down(S::kOffsetXArrows, 16);
  caption(S::kOffsetYCaption, {16, 48, 80, 22});
  offset_y_edit_ = read_only_box(S::kOffsetYEdit, 48, "0");
  offset_y_arrows_ = up_down(S::kOffsetYArrows, 48);
  caption(S::kZoomCaption, {16, 80, 80, 22});
  zoom_edit_ = read_only_box(S::kZoomEdit, 80, "100");
  caption(S::kZoomPercent, {164, 80, 20, 22});
  zoom_slider_ = Named(new QSlider(this), S::kZoomSlider, {16, 108, 273, 30});
  zoom_slider_->setOrientation(Qt::Horizontal);
  zoom_slider_->setRange(kLoupeMinPosition, kLoupeMaxPosition);
  zoom_slider_->setTickPosition(QSlider::TicksBelow);
  zoom_slider_->setTickInterval(1);
  save_button_ = button(S::kSaveButton, 60);
  cancel_button_ = button(S::kCancelButton, 165);
}

void MagnifierSettingsDialog::ConnectHandlers() {
  connect(zoom_slider_, &QSlider::valueChanged, this, &MagnifierSettingsDialog::ApplyZoom);
  connect(offset_x_arrows_, &QSpinBox::valueChanged, this, &MagnifierSettingsDialog::ApplyOffsetX);
  connect(offset_y_arrows_, &QSpinBox::valueChanged, this, &MagnifierSettingsDialog::ApplyOffsetY);
  connect(save_button_, &QPushButton::clicked, this, &MagnifierSettingsDialog::SaveAndClose);
  connect(cancel_button_, &QPushButton::clicked, this, &MagnifierSettingsDialog::RevertAndClose);
}

void MagnifierSettingsDialog::LoadSettings() {
  // The mask window, made before, has reported a bad file already.
  QString ignored;
  ReadLoupeSettingsFile(&saved_, &ignored);
  SettingsToControls(saved_);
}

LoupeSettings MagnifierSettingsDialog::SettingsFromControls() const {
  return {zoom_slider_->value(), zoom_edit_->text().toStdString(), offset_x_arrows_->value(),
          offset_y_arrows_->value()};
}

void MagnifierSettingsDialog::SettingsToControls(const LoupeSettings& settings) {
  zoom_slider_->setValue(settings.SliderPosition);
  ApplyZoom();  // also when the slider already stood there
  zoom_edit_->setText(QString::fromStdString(settings.ZoomText));
  offset_x_arrows_->setValue(settings.OffsetX);
  offset_y_arrows_->setValue(settings.OffsetY);
  offset_x_edit_->setText(QString::number(settings.OffsetX));
  offset_y_edit_->setText(QString::number(settings.OffsetY));
  ApplyOffsets();
}

void MagnifierSettingsDialog::ApplyZoom() {
  zoom_edit_->setText(QString::fromStdString(ZoomPercentText(zoom_slider_->value())));
  mask_.SetHalfSide(HalfSide(zoom_slider_->value()));
}

void MagnifierSettingsDialog::ApplyOffsetX() {
  offset_x_edit_->setText(QString::number(offset_x_arrows_->value()));
  ApplyOffsets();
}

void MagnifierSettingsDialog::ApplyOffsetY() {
  offset_y_edit_->setText(QString::number(offset_y_arrows_->value()));
  ApplyOffsets();
}

void MagnifierSettingsDialog::ApplyOffsets() { mask_.SetPictureOffset(offset_x_arrows_->value(), offset_y_arrows_->value()); }

void MagnifierSettingsDialog::SaveAndClose() {
  const LoupeSettings settings = SettingsFromControls();
  const Status status = SaveLoupeSettings(LoupeSettingsWritePath().toStdString(), settings);
  if (!status) {
    prompts_.ShowError(QString::fromStdString(status.message()));
    return;  // the window stays open with the values not saved
  }
  saved_ = settings;
  close();
}

void MagnifierSettingsDialog::RevertAndClose() {
  LoupeSettings settings = saved_;
  QString error;
  if (ReadLoupeSettingsFile(&settings, &error)) {
    saved_ = settings;
  } else {
    prompts_.ShowError(error);
    settings = saved_;
  }
  SettingsToControls(settings);
  close();
}

}  // namespace pistora
