#pragma once

#include <QWidget>

#include "core/settings/loupe_settings.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;

namespace pistora {

// The magnifier settings window "Réglage Loupe": the zoom and the offsets of the enlarged
// picture inside the mask window, kept in loupe.dat. Changes act on the magnifier at once;
// "Valider" saves them, "Annuler" puts back the saved ones.
class MagnifierSettingsDialog : public QWidget {
  Q_OBJECT
 public:
  explicit MagnifierSettingsDialog(QWidget* parent = nullptr);

  void TrackBar1Change();  // zoom slider: zoom box and the copied square's half side
  void UpDown1Click();     // offset X: its box and the enlarged picture's left
  void UpDown2Click();     // offset Y: its box and the enlarged picture's top
  void Button1Click();     // "Valider": writes loupe.dat and closes
  void Button2Click();     // "Annuler": reads loupe.dat back and closes

  // The settings as the controls show them, and back.
  LoupeSettings SettingsFromControls() const;
  void SettingsToControls(const LoupeSettings& settings);

  QLabel* Label1 = nullptr;  // "Offset X : "
  QLineEdit* Edit1 = nullptr;
  QSpinBox* UpDown1 = nullptr;
  QLabel* Label2 = nullptr;  // "Offset Y :"
  QLineEdit* Edit2 = nullptr;
  QSpinBox* UpDown2 = nullptr;
  QLabel* Label3 = nullptr;  // "Zoom : "
  QLineEdit* Edit3 = nullptr;
  QLabel* Label4 = nullptr;  // "%"
  QSlider* TrackBar1 = nullptr;
  QPushButton* Button1 = nullptr;  // "Valider"
  QPushButton* Button2 = nullptr;  // "Annuler"

 private:
  void BuildLayout();
  void ConnectHandlers();
  void FormCreate();
  // The offsets as the boxes show them, applied to the mask window.
  void ApplyOffsets();

  // The settings last read from or written to loupe.dat ("Annuler" falls back on them when the
  // file cannot be read).
  LoupeSettings saved_;
};

}  // namespace pistora
