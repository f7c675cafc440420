#pragma once

#include <QPoint>
#include <QWidget>

class QAction;
class QLabel;
class QMenu;

namespace pistora {

class MagnifierMask;
class MagnifierSettingsDialog;
class Prompts;

// The magnifier window: the frame of a magnifying glass, cut from loupe.bmp, drawn over the
// mask window. Its black pixels are see-through, so the enlarged picture of the mask window
// shows inside the frame. Dragging it moves both windows; its pop-up menu offers "Close" and
// "Option".
class MagnifierGlass : public QWidget {
  Q_OBJECT
 public:
  MagnifierGlass(Prompts& prompts, MagnifierMask& mask, MagnifierSettingsDialog& settings,
                 QWidget* parent = nullptr);

  // The main window's toggle pressed: the mask window, then this one, at the screen's top-left
  // corner. When a picture cannot be loaded the message is shown, nothing stays on screen and
  // Closed() is emitted; returns false.
  bool ShowMagnifier();
  // Closes this window and the mask window.
  void CloseMagnifier();

  // Dragging, in this window's coordinates (the mouse events call them).
  void StartDrag(QPoint position);
  void DragTo(QPoint position);
  void EndDrag();

 signals:
  // The magnifier closed itself ("Close" of its menu, or a picture that cannot be shown): the
  // main window's toggle goes up.
  void Closed();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ConnectHandlers();
  // Pop-up menu.
  void CloseFromMenu();  // "Close": closes both windows
  void ShowSettings();   // "Option": shows the settings window

  Prompts& prompts_;
  MagnifierMask& mask_;
  MagnifierSettingsDialog& settings_;
  QLabel* picture_ = nullptr;
  QMenu* menu_ = nullptr;
  QAction* close_entry_ = nullptr;
  QAction* option_entry_ = nullptr;

  bool told_no_settings_ = false;  // the absence of loupe.dat has been told in this run
  bool dragging_ = false;
  QPoint anchor_;
};

}  // namespace pistora
