#include "gui/viewers/magnifier_mask.h"

#include <QCoreApplication>
#include <QCursor>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

#include "core/windows/magnifier_controls.h"
#include "gui/adapters/prompts.h"
#include "gui/viewers/loupe_support.h"
#include "gui/widgets/named_control.h"

namespace pistora {
namespace {

using M = MagnifierMaskControl;

constexpr int kEnlargedSide = 220;  // pixels, the enlarged picture's side
constexpr int kRefreshMs = 100;

}  // namespace

MagnifierMask::MagnifierMask(Prompts& prompts, QWidget& source, QWidget* parent)
    : QWidget(parent), prompts_(prompts), source_(source) {
  setObjectName(QString::fromLatin1(MagnifierMaskControls().WindowName().data()));
  setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
  resize(300, 300);

  mask_picture_ = Named(new QLabel(this), M::kPicture, {0, 0, 300, 300});
  enlarged_picture_ = Named(new QLabel(this), M::kEnlargedPicture, {55, 22, kEnlargedSide, kEnlargedSide});
  // The pointer may be over either shaped window: let the magnifier above take the clicks.
  enlarged_picture_->setAttribute(Qt::WA_TransparentForMouseEvents);

  refresh_timer_ = Named(new QTimer(this), M::kRefreshTimer);
  refresh_timer_->setInterval(kRefreshMs);
  connect(refresh_timer_, &QTimer::timeout, this, &MagnifierMask::Refresh);
  LoadSettings();
}

void MagnifierMask::LoadSettings() {
  LoupeSettings settings;
  QString error;
  if (!ReadLoupeSettingsFile(&settings, &error)) prompts_.ShowError(error);
  half_side_ = pistora::HalfSide(settings.SliderPosition);
  SetPictureOffset(settings.OffsetX, settings.OffsetY);
  refresh_timer_->start();
}

void MagnifierMask::SetPictureOffset(int offset_x, int offset_y) {
  const LoupePoint origin = PictureOrigin(offset_x, offset_y);
  enlarged_picture_->move(origin.x, origin.y);
}

bool MagnifierMask::ShowMaskOverlay() {
  ShapedPicture shaped;
  QString error;
  if (!LoadShapedPicture(QStringLiteral("masque.bmp"), false, &shaped, &error)) {
    prompts_.ShowError(error);
    return false;
  }
  resize(shaped.picture.size());
  mask_picture_->setGeometry(0, 0, shaped.picture.width(), shaped.picture.height());
  setMask(shaped.outline);
  show();
  QCoreApplication::processEvents();
  move(0, 0);
  raise();
  mask_picture_->setPixmap(QPixmap::fromImage(shaped.picture));
  enlarged_picture_->raise();
  return true;
}

void MagnifierMask::Refresh() {
  if (!isVisible() || half_side_ <= 0) return;
  const QPoint pointer = QCursor::pos();
  const QPoint client_origin = source_.mapToGlobal(QPoint(0, 0));
  const LoupePoint client = ClientPointFromScreen(pointer.x(), pointer.y(), client_origin.x(), client_origin.y());
  last_source_ = SourceSquare(client, half_side_);
  const QRect square(last_source_.left, last_source_.top, last_source_.width, last_source_.height);

  // What lies outside the source window's client area shows as the window's background colour.
  QPixmap copy(square.size());
  copy.fill(source_.palette().color(QPalette::Window));
  const QRect inside = square.intersected(source_.rect());
  if (!inside.isEmpty()) {
    QPainter painter(&copy);
    painter.drawPixmap(inside.topLeft() - square.topLeft(), source_.grab(inside));
  }
  enlarged_picture_->setPixmap(copy.scaled(kEnlargedSide, kEnlargedSide, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

}  // namespace pistora
