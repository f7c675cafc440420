#include "gui/adapters/translations.h"
#include "gui/viewers/magnifier_glass.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>

#include "core/settings/loupe_outline.h"
#include "core/windows/magnifier_controls.h"
#include "gui/adapters/prompts.h"
#include "gui/viewers/loupe_support.h"
#include "gui/viewers/magnifier_mask.h"
#include "gui/viewers/magnifier_settings_dialog.h"
#include "gui/widgets/named_control.h"

namespace pistora {
namespace {

using G = MagnifierGlassControl;

}  // namespace

MagnifierGlass::MagnifierGlass(Prompts& prompts, MagnifierMask& mask, MagnifierSettingsDialog& settings,
                               QWidget* parent)
    : QWidget(parent), prompts_(prompts), mask_(mask), settings_(settings) {
  setObjectName(QString::fromLatin1(MagnifierGlassControls().WindowName().data()));
  setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
  resize(300, 300);

  picture_ = Named(new QLabel(this), G::kPicture, {0, 0, 300, 300});
  // The window takes the mouse itself: presses drag it, the right button opens the menu.
  picture_->setAttribute(Qt::WA_TransparentForMouseEvents);

  menu_ = Named(new QMenu(this), G::kMenu);
  close_entry_ = Named(menu_->addAction(QStringLiteral("Close")), G::kCloseEntry);
  option_entry_ = Named(menu_->addAction(QStringLiteral("Option")), G::kOptionEntry);
  setContextMenuPolicy(Qt::CustomContextMenu);
  ConnectHandlers();
}

void MagnifierGlass::ConnectHandlers() {
  connect(this, &QWidget::customContextMenuRequested, this,
          [this](QPoint position) { menu_->popup(mapToGlobal(position)); });
  connect(close_entry_, &QAction::triggered, this, &MagnifierGlass::CloseFromMenu);
  connect(option_entry_, &QAction::triggered, this, &MagnifierGlass::ShowSettings);
}

bool MagnifierGlass::ShowMagnifier() {
  ShapedPicture shaped;
  QString error;
  if (!mask_.ShowMaskOverlay()) {
    CloseMagnifier();
    emit Closed();
    return false;
  }
  if (!LoadShapedPicture(QStringLiteral("loupe.bmp"), true, &shaped, &error)) {
    prompts_.ShowError(error);
    CloseMagnifier();
    emit Closed();
    return false;
  }
  resize(shaped.picture.size());
  picture_->setGeometry(0, 0, shaped.picture.width(), shaped.picture.height());
  setMask(shaped.outline);
  show();
  picture_->setPixmap(QPixmap::fromImage(shaped.picture));
  QCoreApplication::processEvents();
  move(0, 0);
  raise();
  if (!told_no_settings_ && !QFileInfo::exists(LoupeSettingsPath())) {
    told_no_settings_ = true;
    prompts_.ShowInfo(TrMessage("Pas de fichier loupe.dat dans le dossier courant : la loupe prend ses réglages "
                                "par défaut (zoom 100 %, sans décalage). « Valider » de la fenêtre « Option » "
                                "les enregistre."));
  }
  return true;
}

void MagnifierGlass::CloseMagnifier() {
  dragging_ = false;
  close();
  mask_.close();
}

void MagnifierGlass::CloseFromMenu() {
  CloseMagnifier();
  emit Closed();
}

void MagnifierGlass::ShowSettings() {
  settings_.show();
  settings_.raise();
}

void MagnifierGlass::StartDrag(QPoint position) {
  anchor_ = position;
  dragging_ = true;
}

void MagnifierGlass::DragTo(QPoint position) {
  if (!dragging_) return;
  const LoupePoint corner = DraggedWindowPosition({x(), y()}, {anchor_.x(), anchor_.y()}, {position.x(), position.y()});
  move(corner.x, corner.y);
  mask_.move(corner.x, corner.y);
  mask_.update();
  update();
}

void MagnifierGlass::EndDrag() { dragging_ = false; }

void MagnifierGlass::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) StartDrag(event->position().toPoint());
  QWidget::mousePressEvent(event);
}

void MagnifierGlass::mouseMoveEvent(QMouseEvent* event) {
  DragTo(event->position().toPoint());
  QWidget::mouseMoveEvent(event);
}

void MagnifierGlass::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) EndDrag();
  QWidget::mouseReleaseEvent(event);
}

}  // namespace pistora
