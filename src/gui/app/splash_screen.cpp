#include "gui/app/splash_screen.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QThread>

namespace pistora {

SplashScreen::SplashScreen(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("TSplfrm"));
  setWindowTitle(QStringLiteral("Chargement"));
  setFixedSize(300, 257);

  version_label_ = new QLabel(QStringLiteral("VER 2.20"), this);
  version_label_->setObjectName(QStringLiteral("Label1"));  // the name the documents know it by
  QFont bold = version_label_->font();
  bold.setBold(true);
  bold.setPointSize(12);
  version_label_->setFont(bold);
  version_label_->setStyleSheet(QStringLiteral("color: #ffff00; background: transparent;"));
  version_label_->setAlignment(Qt::AlignCenter);
  version_label_->setGeometry(0, 200, 300, 30);
}

void SplashScreen::HoldOnScreen(int tick_ms) {
  for (int i = 0; i < 20; ++i) {
    QThread::msleep(static_cast<unsigned long>(tick_ms));
    QCoreApplication::processEvents();
  }
}

void SplashScreen::paintEvent(QPaintEvent*) {
  // A copper board with isolation tracks, drawn rather than shipped as a picture.
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient board(0, 0, 0, height());
  board.setColorAt(0, QColor(20, 60, 40));
  board.setColorAt(1, QColor(5, 25, 15));
  p.fillRect(rect(), board);
  p.setPen(QPen(QColor(205, 127, 50), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(QPolygon({QPoint(30, 150), QPoint(90, 150), QPoint(130, 110), QPoint(270, 110)}));
  p.drawPolyline(QPolygon({QPoint(30, 175), QPoint(110, 175), QPoint(150, 135), QPoint(270, 135)}));
  p.setBrush(QColor(205, 127, 50));
  for (const QPoint& pad : {QPoint(30, 150), QPoint(30, 175), QPoint(270, 110), QPoint(270, 135)}) {
    p.drawEllipse(pad, 9, 9);
  }
  p.setBrush(Qt::black);
  p.setPen(Qt::NoPen);
  for (const QPoint& pad : {QPoint(30, 150), QPoint(30, 175), QPoint(270, 110), QPoint(270, 135)}) {
    p.drawEllipse(pad, 3, 3);
  }
  QFont title = font();
  title.setPointSize(28);
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(230, 230, 230));
  p.drawText(QRect(0, 20, width(), 70), Qt::AlignCenter, QStringLiteral("Pistora"));
  p.setPen(QColor(60, 60, 60));
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace pistora
