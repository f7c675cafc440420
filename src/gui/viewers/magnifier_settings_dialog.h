#pragma once

#include <QWidget>

#include "core/settings/loupe_settings.h"

class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;

namespace pistora {

class MagnifierMask;
class Prompts;

// The magnifier settings window "Réglage Loupe": the zoom and the offsets of the enlarged
// picture inside the mask window, kept in loupe.dat. Changes act on the mask window at once;
// "Valider" saves them, "Annuler" puts back the saved ones.
class MagnifierSettingsDialog : public QWidget {
  Q_OBJECT
 public:
  MagnifierSettingsDialog(Prompts& prompts, MagnifierMask& mask, QWidget* parent = nullptr);

  // The settings as the controls show them, and back.
  LoupeSettings SettingsFromControls() const;
  void SettingsToControls(const LoupeSettings& settings);

 private:
  void BuildLayout();
  void ConnectHandlers();
  void LoadSettings();

  // Handlers.
  void ApplyZoom();        // zoom slider: zoom box and the copied square's half side
  void ApplyOffsetX();     // offset X: its box and the enlarged picture's left
  void ApplyOffsetY();     // offset Y: its box and the enlarged picture's top
  void SaveAndClose();     // "Valider": writes loupe.dat and closes
  void RevertAndClose();   // "Annuler": reads loupe.dat back and closes
  // The offsets as the arrows hold them, applied to the mask window.
  void ApplyOffsets();

  Prompts& prompts_;
  MagnifierMask& mask_;
  // The settings last read from or written to loupe.dat ("Annuler" falls back on them when the
  // file cannot be read).
  LoupeSettings saved_;

  QLineEdit* offset_x_edit_ = nullptr;
  QSpinBox* offset_x_arrows_ = nullptr;
  QLineEdit* offset_y_edit_ = nullptr;
  QSpinBox* offset_y_arrows_ = nullptr;
  QLineEdit* zoom_edit_ = nullptr;
  QSlider* zoom_slider_ = nullptr;
  QPushButton* save_button_ = nullptr;
  QPushButton* cancel_button_ = nullptr;
};

}  // namespace pistora
