#include "gui/viewers/magnifier_mask.h"

#include <QCoreApplication>
#include <QCursor>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

#include "gui/app/app_windows.h"
#include "gui/main/main_window.h"
#include "gui/viewers/loupe_support.h"

namespace pistora {
namespace {

constexpr int kEnlargedSide = 220;  // pixels, the enlarged picture's side
constexpr int kRefreshMs = 100;

}  // namespace

MagnifierMask::MagnifierMask(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Tmasquefrm"));
  setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
  resize(300, 300);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(0, 0, 300, 300);
  Image2 = new QLabel(this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setGeometry(55, 22, kEnlargedSide, kEnlargedSide);
  // The pointer may be over either shaped window: let the magnifier above take the clicks.
  Image2->setAttribute(Qt::WA_TransparentForMouseEvents);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(kRefreshMs);
  connect(Timer1, &QTimer::timeout, this, &MagnifierMask::Timer1Timer);
  FormCreate();
}

void MagnifierMask::FormCreate() {
  LoupeSettings settings;
  QString error;
  if (!ReadLoupeSettingsFile(&settings, &error)) ReportLoupeError(error);
  half_side_ = pistora::HalfSide(settings.SliderPosition);
  SetPictureOffset(settings.OffsetX, settings.OffsetY);
  Timer1->start();
}

void MagnifierMask::SetPictureOffset(int offset_x, int offset_y) {
  const LoupePoint origin = PictureOrigin(offset_x, offset_y);
  Image2->move(origin.x, origin.y);
}

bool MagnifierMask::ShowMaskOverlay() {
  ShapedPicture shaped;
  QString error;
  if (!LoadShapedPicture(QStringLiteral("masque.bmp"), false, &shaped, &error)) {
    ReportLoupeError(error);
    return false;
  }
  resize(shaped.picture.size());
  Image1->setGeometry(0, 0, shaped.picture.width(), shaped.picture.height());
  setMask(shaped.outline);
  show();
  QCoreApplication::processEvents();
  move(0, 0);
  raise();
  Image1->setPixmap(QPixmap::fromImage(shaped.picture));
  Image2->raise();
  return true;
}

void MagnifierMask::Timer1Timer() {
  MainWindow* main = Windows().main;
  if (main == nullptr || !isVisible() || half_side_ <= 0) return;
  const QPoint pointer = QCursor::pos();
  const QPoint client_origin = main->mapToGlobal(QPoint(0, 0));
  const LoupePoint client = ClientPointFromScreen(pointer.x(), pointer.y(), client_origin.x(), client_origin.y());
  last_source_ = SourceSquare(client, half_side_);
  const QRect square(last_source_.left, last_source_.top, last_source_.width, last_source_.height);

  // What lies outside the main window's client area shows as the window's background colour.
  QPixmap copy(square.size());
  copy.fill(main->palette().color(QPalette::Window));
  const QRect inside = square.intersected(main->rect());
  if (!inside.isEmpty()) {
    QPainter painter(&copy);
    painter.drawPixmap(inside.topLeft() - square.topLeft(), main->grab(inside));
  }
  Image2->setPixmap(copy.scaled(kEnlargedSide, kEnlargedSide, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

}  // namespace pistora
