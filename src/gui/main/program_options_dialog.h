#pragma once

#include <QDialog>

#include "core/job/program_options.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace pistora {

class Prompts;

// "Options des programmes": for which controller the programs are written, the spindle speed of
// the standard dialects, the travel height between close objects, the improved object order and
// the drill list. "&Valider" checks the values (a bad one is shown and the dialog stays open)
// and hands them over through OptionsConfirmed.
class ProgramOptionsDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit ProgramOptionsDialog(Prompts& prompts, QWidget* parent = nullptr);

  // Puts `options` into the controls and shows the dialog (not modal).
  void Open(const ProgramOptions& options);
  ProgramOptions OptionsFromControls() const;

 signals:
  void OptionsConfirmed(const ProgramOptions& options);

 private:
  void Confirm();

  Prompts& prompts_;
  QComboBox* dialect_list_ = nullptr;
  QLineEdit* spindle_rpm_edit_ = nullptr;
  QLineEdit* travel_height_edit_ = nullptr;
  QLineEdit* drills_edit_ = nullptr;
  QCheckBox* improved_order_check_ = nullptr;
};

// The options kept between runs in the user's settings (QSettings, group "programmes"); values
// that cannot go into a program are dropped for the defaults.
ProgramOptions LoadProgramOptions();
void SaveProgramOptions(const ProgramOptions& options);

}  // namespace pistora
