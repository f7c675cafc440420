#pragma once

#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;

namespace pistora {

class MachineSession;
class Prompts;
class QtPrompts;
class PlatePreviewView;
class StopDisc;

// The copper plate window "Réglage position de gravure" (713 x 467): a preview of the plate with
// its unusable border, and the job rectangle the user drags to choose where the board goes; then
// the machine homes, moves over that point and makes it the work zero. Controls are named by the
// copper plate window's control table (core/windows/plate_window_controls.h).
class PlateWindow final : public QWidget {
  Q_OBJECT
 public:
  // `prompts`: where messages go; null means the real message boxes.
  explicit PlateWindow(MachineSession& session, Prompts* prompts = nullptr, QWidget* parent = nullptr);
  ~PlateWindow() override;

  // Shown and raised with a new plate, as the machine window's "&Réglage position gravure" asks.
  void OpenWithNewPlate();

  // The preview from the machine's parameters and the job's repetition totals, the job back in
  // the inner lower-left corner, the start point at the border values. A job size the preview
  // cannot take is reported and the previous preview stays.
  void DrawPlatePreview();

  // Handlers (public so that tests drive them as a click would).
  void PlaceSpindle();     // "&Positionner la broche et sortir"
  void LatchStop();        // the STOP disc (ring, circle or word)
  void ResetStopLatch();   // "Raz"

 private:
  void BuildLayout();
  void BuildCommandBox();
  void BuildLegendBox();
  void ConnectHandlers();
  void ShowStartPoint();
  Prompts& Messages();

  MachineSession& session_;
  Prompts* prompts_ = nullptr;
  std::unique_ptr<QtPrompts> own_prompts_;

  PlatePreviewView* preview_ = nullptr;  // 353 x 265
  QPushButton* new_plate_button_ = nullptr;
  QPushButton* place_spindle_button_ = nullptr;
  QPushButton* leave_button_ = nullptr;
  StopDisc* stop_disc_ = nullptr;  // its word "STOP"
  QPushButton* reset_stop_button_ = nullptr;
  QLabel* start_x_label_ = nullptr;  // EngraveStartX, "0.000"
  QLabel* start_y_label_ = nullptr;  // EngraveStartY, "0.000"
};

}  // namespace pistora
