#pragma once

#include <QDialog>
#include <QString>

#include "core/settings/parameter_dialog.h"
#include "core/text/report_gate.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace pistora {

class Prompts;
class SetupMotion;

// The machine parameter dialog "Paramétrage": every value of cn.dat on four pages (inputs and
// outputs, axes, table surfacing, copper plates) and the buttons "&Restaurer",
// "&Annuler / Sortir" and "&Valider / Sortir". The controls are the working copy; cn.dat is
// read each time the dialog becomes active and written whole on confirmation.
// Each control's objectName is its member name; the surfacing page's boxes (Edit5, Edit8 to
// Edit12) belong to that page and are reached by name.
class MachineSettingsDialog : public QDialog {
  Q_OBJECT
 public:
  // `folder`: where cn.dat lives (empty: the executable's folder). `motion`: the machine the
  // surfacing page drives (null: none).
  explicit MachineSettingsDialog(Prompts& prompts, QString folder = {}, QWidget* parent = nullptr,
                                 SetupMotion* motion = nullptr);

  // Selects a page: 0 inputs/outputs, 1 axes, 2 table surfacing, 3 copper plates.
  Q_INVOKABLE void ShowPage(int index);

  QString ParameterFilePath() const;

  // Handlers (public so that tests drive them as the events would).
  void FormActivate();
  void LoadParameterDialog();
  void BitBtn1Click();  // "&Restaurer"
  void BitBtn2Click();  // "&Annuler / Sortir"
  void BitBtn3Click();  // "&Valider / Sortir"
  void ComboBoxChange(QComboBox* list);

  // What the 47 controls show, in file order, and the reverse.
  ParameterDialogValues ReadControls() const;
  void WriteControls(const ParameterDialogValues& values);

  // The colour a list shows (its button colour).
  static QColor ListColourOf(const QComboBox* list);

  QTabWidget* PageControl1 = nullptr;
  QWidget* TabSheet1 = nullptr;  // "Entrées / Sorties"
  QWidget* TabSheet2 = nullptr;  // "Axes"
  QWidget* TabSheet3 = nullptr;  // "Surfaçage de la table"
  QWidget* TabSheet4 = nullptr;  // "Gestion du cuivre"

  QGroupBox* GroupBox1 = nullptr;  // "Port parallèle"
  QComboBox* ComboBox1 = nullptr;  // PortIndex
  QGroupBox* GroupBox2 = nullptr;  // "Entrées"
  QGroupBox* GroupBox3 = nullptr;  // "Sorties"
  QComboBox* ComboBox3 = nullptr;  // StepXOutput ("Pas X")
  QCheckBox* CheckBox6 = nullptr;  // StepXInverted

  QGroupBox* GroupBox4 = nullptr;  // "Caractéristiques des vis et moteurs d'axe"
  QLineEdit* Edit1 = nullptr;      // StepsPerMmX
  QLineEdit* Edit2 = nullptr;
  QLineEdit* Edit3 = nullptr;
  QGroupBox* GroupBox5 = nullptr;  // "Vitesses limites de la machine"
  QLineEdit* Edit4 = nullptr;      // MaxFeed
  QLineEdit* Edit6 = nullptr;      // WorkFeed
  QGroupBox* GroupBox6 = nullptr;  // "Réglage des impulsions de commandes"
  QLineEdit* Edit7 = nullptr;      // MinPulseUs
  QLineEdit* Edit22 = nullptr;     // TickWaitUs
  QLabel* Label58 = nullptr;       // the hint beside Edit22
  QLineEdit* Edit23 = nullptr;     // LimitBackOffMm

  QGroupBox* GroupBox8 = nullptr;  // "Dimenssion des plaques de cuivre"
  QGroupBox* GroupBox9 = nullptr;  // "Réglage position plaque de cuivre"
  QLineEdit* Edit14 = nullptr;     // PlateSizeX
  QLineEdit* Edit17 = nullptr;     // CopyGap

  QPushButton* BitBtn1 = nullptr;  // "&Restaurer"
  QPushButton* BitBtn2 = nullptr;  // "&Annuler / Sortir"
  QPushButton* BitBtn3 = nullptr;  // "&Valider / Sortir"

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  // `asked`: the user asked for the reading ("&Restaurer"), not a mere activation.
  void Load(bool asked);
  void BuildInputsOutputsPage();
  void BuildAxesPage();
  void BuildCopperPage();
  void BuildButtons();
  void InstallKeyModes(QWidget* page);

  Prompts& prompts_;
  QString folder_;
  ReportGate load_report_;  // a fault of cn.dat is told once across activations
  bool keep_edits_ = false;     // unsaved edits that activation must not overwrite
  bool centred_ = false;
};

}  // namespace pistora
