#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

class QAction;
class QLabel;
class QMenu;

namespace pistora {

// The magnifier window: the frame of a magnifying glass, cut from loupe.bmp, drawn over the
// mask window. Its black pixels are see-through, so the enlarged picture of the mask window
// shows inside the frame. Dragging it moves both windows; its pop-up menu offers "Close" and
// "Option".
class MagnifierGlass : public QWidget {
  Q_OBJECT
 public:
  explicit MagnifierGlass(QWidget* parent = nullptr);

  // The main window's toggle pressed: the mask window, then this one, at the screen's top-left
  // corner. When a picture cannot be loaded the message is shown, nothing stays on screen and
  // the toggle is released; returns false.
  bool ShowMagnifier();
  // Closes this window and the mask window.
  void CloseMagnifier();

  // Pop-up menu.
  void Close1Click();   // "Close": closes both windows and releases the main window's toggle
  void Option1Click();  // "Option": shows the settings window

  // Dragging, in this window's coordinates (the mouse events call them).
  void Image1MouseDown(QPoint position);
  void Image1MouseMove(QPoint position);
  void Image1MouseUp();

  QLabel* Image1 = nullptr;  // the magnifier picture
  QMenu* PopupMenu1 = nullptr;
  QAction* Close1 = nullptr;
  QAction* Option1 = nullptr;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ConnectHandlers();
  void ReleaseToggle();

  bool told_no_settings_ = false;  // the absence of loupe.dat has been told in this run
  bool dragging_ = false;
  QPoint anchor_;
};

}  // namespace pistora
