#include "gui/viewers/magnifier_glass.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QToolButton>

#include "core/settings/loupe_outline.h"
#include "gui/app/app_windows.h"
#include "gui/main/main_window.h"
#include "gui/viewers/loupe_support.h"
#include "gui/viewers/magnifier_mask.h"
#include "gui/viewers/magnifier_settings_dialog.h"

namespace pistora {

MagnifierGlass::MagnifierGlass(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Tloupefrm"));
  setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
  resize(300, 300);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(0, 0, 300, 300);
  // The window takes the mouse itself: presses drag it, the right button opens the menu.
  Image1->setAttribute(Qt::WA_TransparentForMouseEvents);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  Close1 = PopupMenu1->addAction(QStringLiteral("Close"));
  Close1->setObjectName(QStringLiteral("Close1"));
  Option1 = PopupMenu1->addAction(QStringLiteral("Option"));
  Option1->setObjectName(QStringLiteral("Option1"));
  setContextMenuPolicy(Qt::CustomContextMenu);
  ConnectHandlers();
}

void MagnifierGlass::ConnectHandlers() {
  connect(this, &QWidget::customContextMenuRequested, this,
          [this](QPoint position) { PopupMenu1->popup(mapToGlobal(position)); });
  connect(Close1, &QAction::triggered, this, &MagnifierGlass::Close1Click);
  connect(Option1, &QAction::triggered, this, &MagnifierGlass::Option1Click);
}

bool MagnifierGlass::ShowMagnifier() {
  MagnifierMask* mask = Windows().magnifier_mask;
  ShapedPicture shaped;
  QString error;
  if (mask == nullptr || !mask->ShowMaskOverlay()) {
    CloseMagnifier();
    ReleaseToggle();
    return false;
  }
  if (!LoadShapedPicture(QStringLiteral("loupe.bmp"), true, &shaped, &error)) {
    ReportLoupeError(error);
    CloseMagnifier();
    ReleaseToggle();
    return false;
  }
  resize(shaped.picture.size());
  Image1->setGeometry(0, 0, shaped.picture.width(), shaped.picture.height());
  setMask(shaped.outline);
  show();
  Image1->setPixmap(QPixmap::fromImage(shaped.picture));
  QCoreApplication::processEvents();
  move(0, 0);
  raise();
  if (!told_no_settings_ && !QFileInfo::exists(LoupeSettingsPath())) {
    told_no_settings_ = true;
    ReportLoupeInfo(QStringLiteral("Pas de fichier loupe.dat dans le dossier courant : la loupe prend ses réglages "
                                   "par défaut (zoom 100 %, sans décalage). « Valider » de la fenêtre « Option » "
                                   "les enregistre."));
  }
  return true;
}

void MagnifierGlass::CloseMagnifier() {
  dragging_ = false;
  close();
  if (MagnifierMask* mask = Windows().magnifier_mask) mask->close();
}

void MagnifierGlass::ReleaseToggle() {
  if (MainWindow* main = Windows().main) main->SetMagnifierShown(false);
}

void MagnifierGlass::Close1Click() {
  CloseMagnifier();
  ReleaseToggle();
}

void MagnifierGlass::Option1Click() {
  if (MagnifierSettingsDialog* settings = Windows().magnifier_settings) {
    settings->show();
    settings->raise();
  }
}

void MagnifierGlass::Image1MouseDown(QPoint position) {
  anchor_ = position;
  dragging_ = true;
}

void MagnifierGlass::Image1MouseMove(QPoint position) {
  if (!dragging_) return;
  const LoupePoint corner = DraggedWindowPosition({x(), y()}, {anchor_.x(), anchor_.y()}, {position.x(), position.y()});
  move(corner.x, corner.y);
  if (MagnifierMask* mask = Windows().magnifier_mask) {
    mask->move(corner.x, corner.y);
    mask->update();
  }
  update();
}

void MagnifierGlass::Image1MouseUp() { dragging_ = false; }

void MagnifierGlass::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Image1MouseDown(event->position().toPoint());
  QWidget::mousePressEvent(event);
}

void MagnifierGlass::mouseMoveEvent(QMouseEvent* event) {
  Image1MouseMove(event->position().toPoint());
  QWidget::mouseMoveEvent(event);
}

void MagnifierGlass::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Image1MouseUp();
  QWidget::mouseReleaseEvent(event);
}

}  // namespace pistora
