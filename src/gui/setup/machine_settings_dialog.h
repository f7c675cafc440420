#pragma once

#include <QDialog>
#include <QString>

#include "core/settings/parameter_dialog.h"
#include "core/text/report_gate.h"

class QComboBox;
class QGroupBox;
class QPushButton;
class QTabWidget;

namespace pistora {

class Prompts;
class SetupMotion;
class SurfacingTab;

// The machine parameter dialog "Paramétrage": every value of cn.dat on four pages (inputs and
// outputs, axes, table surfacing, copper plates) and the buttons "&Restaurer",
// "&Annuler / Sortir" and "&Valider / Sortir". The controls are the working copy; cn.dat is
// read each time the dialog becomes active and written whole on confirmation. The controls are
// named after the dialog's control table (core/windows/machine_settings_controls.h) and the
// cn.dat lines reach them through their roles (core/settings/parameter_dialog.h).
class MachineSettingsDialog : public QDialog {
  Q_OBJECT
 public:
  // `motion`: the machine the surfacing page drives. `folder`: where cn.dat lives (empty: the
  // executable's folder).
  MachineSettingsDialog(Prompts& prompts, SetupMotion& motion, QString folder = {}, QWidget* parent = nullptr);

  // Shows and raises the dialog on a page: 0 inputs/outputs, 1 axes, 2 table surfacing,
  // 3 copper plates.
  void ShowPage(int page);

  QString ParameterFilePath() const;

  // The surfacing page, whose Z arrows and resets the machine window answers.
  SurfacingTab& Surfacing() { return *surfacing_page_; }

  // What the 47 controls show, in file order, and the reverse.
  ParameterDialogValues ReadControls() const;
  void WriteControls(const ParameterDialogValues& values);

  // The colour a list shows (its button colour).
  static QColor ListColourOf(const QComboBox* list);

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  // Handlers.
  void ReloadOnActivation();
  void RestoreFromFile();  // "&Restaurer"
  void SaveAndLeave();     // "&Valider / Sortir"; "&Annuler / Sortir" merely closes
  void ColourList(QComboBox* list);
  void MeasureTick();      // "Mesurer ce PC": the tick wait that gives a true 50 µs tick

  // `asked`: the user asked for the reading ("&Restaurer"), not a mere activation.
  void Load(bool asked);
  void BuildInputsOutputsPage();
  void BuildAxesPage();
  void BuildCopperPage();
  void BuildButtons();
  void ConnectHandlers();
  void InstallKeyModes(QWidget* page);

  Prompts& prompts_;
  SetupMotion& motion_;  // the machine: a measure waits until it stands still
  QString folder_;
  ReportGate load_report_;  // a fault of cn.dat is told once across activations
  bool keep_edits_ = false;     // unsaved edits that activation must not overwrite
  bool centred_ = false;

  QTabWidget* pages_ = nullptr;
  QWidget* inputs_outputs_page_ = nullptr;
  QWidget* axes_page_ = nullptr;
  SurfacingTab* surfacing_page_ = nullptr;
  QWidget* copper_page_ = nullptr;
  QPushButton* restore_button_ = nullptr;
  QPushButton* cancel_button_ = nullptr;
  QPushButton* confirm_button_ = nullptr;
  QPushButton* measure_tick_button_ = nullptr;
};

}  // namespace pistora
