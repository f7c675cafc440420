#pragma once

#include <QWidget>
#include <array>

#include "core/machine/jogging.h"
#include "core/machine/surfacing.h"
#include "core/machine/table_setup.h"

class QLineEdit;
class QPushButton;

namespace pistora {

class HoldArrowButton;
class Prompts;
class SetupMotion;
class StopDisc;

// The parameter dialog's third page, "Surfaçage de la table": the six surfacing values of cn.dat
// and the three steps that mill the machine table flat ("Réglage zéro Table", the Z approach
// and "Validation réglage des z", "Démarrer le surfacage"), with the page's STOP disc and "Raz".
// The dialog loads and saves the six value boxes with the other cn.dat boxes (found by role);
// the page keeps its step state while the dialog is hidden and shown. The controls are named
// after the dialog's control table (core/windows/machine_settings_controls.h).
class SurfacingTab final : public QWidget {
  Q_OBJECT
 public:
  // `motion`: the machine the steps drive (its STOP and "Raz" too); `prompts`: where the
  // page's refusals are told.
  SurfacingTab(SetupMotion& motion, Prompts& prompts, QWidget* parent = nullptr);
  ~SurfacingTab() override;

  const SurfacingPage& Page() const { return page_; }

  // Handlers (public so that tests drive them as a click would).
  void ZeroTable();   // "Réglage zéro Table"
  void ApproachZ();   // "Aller à" (Z approach to the Z target box)
  void ValidateZ();   // "Validation réglage des z"
  void StartRun();    // "Démarrer le surfacage"
  void PressStop();   // the page's STOP disc (ring, circle or word)
  void ResetStop();   // "Raz"

 signals:
  // The Z arrows, held and let go: the machine window jogs as with its own "haut" and "bas".
  void JogPressed(JogDirection direction);
  void JogReleased();
  // The table zero became the work zero: the machine window's target boxes read zero.
  void TargetsReset();
  // The table height became Z 0: the machine window's Z target reads zero.
  void TargetZReset();

 private:
  void BuildLayout();
  void ConnectHandlers();
  // The step controls' enabled states, as the page's state has them.
  void ApplyControls();
  SurfacingTexts Texts() const;
  // Shows a refusal; true when the step went ahead.
  bool Report(const Status& status);
  void AfterStep(const Status& status, const StepFinished& finish);

  SurfacingPage page_;
  SetupMotion& motion_;
  Prompts& prompts_;

  // The six cn.dat values, in the order of SurfacingTexts.
  std::array<QLineEdit*, kSurfacingBoxCount> value_edits_{};
  QPushButton* table_zero_button_ = nullptr;
  QLineEdit* z_target_edit_ = nullptr;
  QPushButton* approach_button_ = nullptr;
  HoldArrowButton* jog_up_button_ = nullptr;
  HoldArrowButton* jog_down_button_ = nullptr;
  QPushButton* validate_z_button_ = nullptr;
  QPushButton* start_button_ = nullptr;
  StopDisc* stop_disc_ = nullptr;
  QPushButton* reset_stop_button_ = nullptr;
};

}  // namespace pistora
