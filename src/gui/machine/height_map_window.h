#pragma once

#include <QWidget>
#include <optional>

#include "core/machine/height_map.h"
#include "core/machine/probing.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace pistora {

class MachineSession;
class Prompts;

// "Carte des hauteurs du cuivre": the probe settings, the grid over the job's extent (its
// copies included), the probing of the map on the machine, the map's picture with its min, max
// and tilt, its file, and whether the runs follow it. Controls are named by the window's
// control table (core/windows/height_map_window_controls.h); the settings live in the per-user
// settings file, group "palpeur".
class HeightMapWindow final : public QWidget {
  Q_OBJECT
 public:
  HeightMapWindow(MachineSession& session, Prompts& prompts, QWidget* parent = nullptr);

  // Shown and raised, with the job's extent of now.
  void Open();

  // The typed settings and grid; empty (the field at fault shown) when one does not read.
  std::optional<ProbeSettings> TypedSettings();
  std::optional<HeightGrid> TypedGrid();

  // Handlers (public so that tests drive them as a click would).
  void ProbeMap();      // "Palper la carte"
  void LoadMap();       // "Charger..."
  void SaveMap();       // "Enregistrer..."
  void ApplyChanged();  // "Appliquer la carte à la gravure"

  // The map shown (and applied when the box is ticked).
  void ShowMap(const HeightMap& map);
  const HeightMap& Map() const { return map_; }

 private:
  void BuildLayout();
  void ConnectHandlers();
  void ShowExtent();
  void Refuse(const QString& text);

  MachineSession& session_;
  Prompts& prompts_;
  HeightMap map_;

  QGroupBox* probe_box_ = nullptr;
  QLineEdit* feed_edit_ = nullptr;
  QLineEdit* travel_edit_ = nullptr;
  QLineEdit* plate_edit_ = nullptr;
  QLineEdit* clearance_edit_ = nullptr;
  QGroupBox* grid_box_ = nullptr;
  QLabel* extent_label_ = nullptr;
  QRadioButton* by_spacing_radio_ = nullptr;
  QLineEdit* spacing_edit_ = nullptr;
  QRadioButton* by_count_radio_ = nullptr;
  QSpinBox* columns_spin_ = nullptr;
  QSpinBox* rows_spin_ = nullptr;
  QPushButton* probe_map_button_ = nullptr;
  QPushButton* load_button_ = nullptr;
  QPushButton* save_button_ = nullptr;
  QCheckBox* apply_check_ = nullptr;
  QLabel* picture_ = nullptr;
  QLabel* summary_ = nullptr;
};

}  // namespace pistora
