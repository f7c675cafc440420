#include "gui/machine/height_map_window.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <memory>

#include "core/machine/height_map_file.h"
#include "core/machine/height_map_probing.h"
#include "core/machine/machine_message.h"
#include "core/machine/machine_session.h"
#include "core/text/numbers.h"
#include "core/windows/height_map_window_controls.h"
#include "gui/adapters/prompts.h"
#include "gui/adapters/translations.h"
#include "gui/machine/height_map_picture.h"
#include "gui/machine/probe_settings_store.h"
#include "gui/widgets/named_control.h"

namespace pistora {

namespace {

using R = HeightMapControl;

QString BuiltIn(R role) { return BuiltInCaptionOf(role); }

QLineEdit* Edit(QWidget* parent, R role, double value, int x, int y) {
  return Named(new QLineEdit(QString::fromStdString(FormatGeneral(value)), parent), role, {x, y, 60, 20});
}

QLabel* Caption(QWidget* parent, R role, int x, int y, int w) {
  return Named(new QLabel(BuiltIn(role), parent), role, {x, y, w, 20});
}

constexpr int kPictureSize = 240;

}  // namespace

HeightMapWindow::HeightMapWindow(MachineSession& session, Prompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), prompts_(prompts) {
  const std::string_view name = HeightMapWindowControls().WindowName();
  setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  setWindowTitle(BuiltIn(R::kWindow));
  setFixedSize(520, 330);
  BuildLayout();
  ConnectHandlers();
}

void HeightMapWindow::BuildLayout() {
  const ProbeSettings settings = LoadProbeSettings();
  probe_box_ = Named(new QGroupBox(BuiltIn(R::kProbeBox), this), R::kProbeBox, {8, 4, 256, 128});
  const struct {
    R caption;
    R edit;
    double value;
    QLineEdit** field;
  } fields[] = {{R::kFeedCaption, R::kFeedEdit, settings.feed, &feed_edit_},
                {R::kTravelCaption, R::kTravelEdit, settings.max_travel, &travel_edit_},
                {R::kPlateCaption, R::kPlateEdit, settings.plate_thickness, &plate_edit_},
                {R::kClearanceCaption, R::kClearanceEdit, settings.clearance, &clearance_edit_}};
  int y = 20;
  for (const auto& f : fields) {
    Caption(probe_box_, f.caption, 8, y, 180);
    *f.field = Edit(probe_box_, f.edit, f.value, 188, y);
    y += 26;
  }

  const ProbeGridChoice grid = LoadProbeGrid();
  grid_box_ = Named(new QGroupBox(BuiltIn(R::kGridBox), this), R::kGridBox, {8, 136, 256, 104});
  extent_label_ = Named(new QLabel(grid_box_), R::kExtent, {8, 18, 240, 20});
  by_spacing_radio_ = Named(new QRadioButton(BuiltIn(R::kBySpacingRadio), grid_box_), R::kBySpacingRadio,
                            {8, 42, 176, 20});
  spacing_edit_ = Edit(grid_box_, R::kSpacingEdit, grid.spacing, 188, 42);
  by_count_radio_ = Named(new QRadioButton(BuiltIn(R::kByCountRadio), grid_box_), R::kByCountRadio,
                          {8, 70, 130, 20});
  columns_spin_ = Named(new QSpinBox(grid_box_), R::kColumnsSpin, {140, 70, 50, 22});
  rows_spin_ = Named(new QSpinBox(grid_box_), R::kRowsSpin, {198, 70, 50, 22});
  for (QSpinBox* spin : {columns_spin_, rows_spin_}) spin->setRange(kMinGridPoints, kMaxGridPoints);
  columns_spin_->setValue(grid.columns);
  rows_spin_->setValue(grid.rows);
  (grid.by_spacing ? by_spacing_radio_ : by_count_radio_)->setChecked(true);

  probe_map_button_ = Named(new QPushButton(BuiltIn(R::kProbeMapButton), this), R::kProbeMapButton, {8, 248, 120, 26});
  load_button_ = Named(new QPushButton(BuiltIn(R::kLoadButton), this), R::kLoadButton, {134, 248, 62, 26});
  save_button_ = Named(new QPushButton(BuiltIn(R::kSaveButton), this), R::kSaveButton, {200, 248, 64, 26});
  apply_check_ = Named(new QCheckBox(BuiltIn(R::kApplyCheck), this), R::kApplyCheck, {8, 282, 256, 22});
  apply_check_->setEnabled(false);
  save_button_->setEnabled(false);

  picture_ = Named(new QLabel(this), R::kPicture, {272, 8, kPictureSize, kPictureSize});
  picture_->setFrameShape(QFrame::Box);
  summary_ = Named(new QLabel(this), R::kSummary, {272, 252, kPictureSize, 70});
  summary_->setWordWrap(true);
  summary_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
}

void HeightMapWindow::ConnectHandlers() {
  connect(probe_map_button_, &QPushButton::clicked, this, &HeightMapWindow::ProbeMap);
  connect(load_button_, &QPushButton::clicked, this, &HeightMapWindow::LoadMap);
  connect(save_button_, &QPushButton::clicked, this, &HeightMapWindow::SaveMap);
  connect(apply_check_, &QCheckBox::toggled, this, &HeightMapWindow::ApplyChanged);
}

void HeightMapWindow::Open() {
  ShowExtent();
  show();
  raise();
  activateWindow();
}

void HeightMapWindow::ShowExtent() {
  const JobSize total = session_.RepetitionTotal();
  extent_label_->setText(TrMessage("Étendue du travail : %1 x %2 mm")
                             .arg(QString::fromStdString(FormatFixed(total.width_mm, 3)),
                                  QString::fromStdString(FormatFixed(total.height_mm, 3))));
}

void HeightMapWindow::Refuse(const QString& text) {
  summary_->setText(text);
  prompts_.ShowError(text);
}

std::optional<ProbeSettings> HeightMapWindow::TypedSettings() {
  ProbeSettings settings;
  const struct {
    QLineEdit* edit;
    R caption;
    double* value;
    bool zero_ok;
  } fields[] = {{feed_edit_, R::kFeedCaption, &settings.feed, false},
                {travel_edit_, R::kTravelCaption, &settings.max_travel, false},
                {plate_edit_, R::kPlateCaption, &settings.plate_thickness, true},
                {clearance_edit_, R::kClearanceCaption, &settings.clearance, false}};
  for (const auto& f : fields) {
    const std::optional<double> value = ParseDecimal(f.edit->text().trimmed().replace(',', '.').toStdString());
    if (!value || *value < 0 || (*value == 0 && !f.zero_ok)) {
      Refuse(TrMessage("« %1 » : valeur « %2 » refusée (nombre %3 attendu).")
                 .arg(TrCaption(BuiltIn(f.caption)), f.edit->text(), f.zero_ok ? TrMessage("positif ou nul")
                                                                     : TrMessage("positif")));
      f.edit->setFocus();
      return std::nullopt;
    }
    *f.value = *value;
  }
  return settings;
}

std::optional<HeightGrid> HeightMapWindow::TypedGrid() {
  ShowExtent();
  const JobSize total = session_.RepetitionTotal();
  std::string error;
  std::optional<HeightGrid> grid;
  if (by_spacing_radio_->isChecked()) {
    const std::optional<double> spacing = ParseDecimal(spacing_edit_->text().trimmed().replace(',', '.').toStdString());
    if (!spacing) {
      Refuse(TrMessage("« %1 » : valeur « %2 » refusée (nombre positif attendu).")
                 .arg(TrCaption(BuiltIn(R::kBySpacingRadio)), spacing_edit_->text()));
      return std::nullopt;
    }
    grid = GridBySpacing(0, 0, total.width_mm, total.height_mm, *spacing, &error);
  } else {
    grid = GridByCount(0, 0, total.width_mm, total.height_mm, columns_spin_->value(), rows_spin_->value(), &error);
  }
  if (!grid) {
    Refuse(QString::fromStdString(error) +
           TrMessage(" Charger d'abord le programme de gravure : son étendue donne celle de la grille."));
  }
  return grid;
}

void HeightMapWindow::ProbeMap() {
  const std::optional<ProbeSettings> settings = TypedSettings();
  if (!settings) return;
  const std::optional<HeightGrid> grid = TypedGrid();
  if (!grid) return;
  SaveProbeSettings(*settings);
  ProbeGridChoice choice{by_spacing_radio_->isChecked(), LoadProbeGrid().spacing, columns_spin_->value(),
                         rows_spin_->value()};
  if (choice.by_spacing) {
    choice.spacing = *ParseDecimal(spacing_edit_->text().trimmed().replace(',', '.').toStdString());
  }
  SaveProbeGrid(choice);
  auto result = std::make_shared<HeightMapProbeResult>();
  MachineSession* session = &session_;
  probe_map_button_->setEnabled(false);
  const HeightGrid g = *grid;
  const ProbeSettings s = *settings;
  QPointer<QLabel> summary = summary_;
  const bool submitted = session_.Submit(
      [session, result, g, s, summary] {
        *result = ProbeHeightMap(session->Engine(), g, s, [session, summary](int done, int total) {
          session->OnWindowThread(
              [summary, done, total] {
                if (summary) summary->setText(TrMessage("Palpage : point %1 sur %2").arg(done).arg(total));
              },
              MachineSession::kProgressSlot);
        });
      },
      [self = QPointer<HeightMapWindow>(this), result] {
        if (!self) return;
        self->probe_map_button_->setEnabled(true);
        if (result->outcome == ProbeOutcome::kContact) {
          self->ShowMap(result->map);
        } else {
          const std::string reason = TranslatedMachineMessage(self->session_.Engine().StopReason());
          self->summary_->setText(TrMessage("Carte interrompue après %1 point(s) : %2")
                                      .arg(result->points_probed)
                                      .arg(QString::fromStdString(reason)));
        }
      });
  if (!submitted) probe_map_button_->setEnabled(true);
}

void HeightMapWindow::ShowMap(const HeightMap& map) {
  map_ = map;
  picture_->setPixmap(QPixmap::fromImage(HeightMapPicture(map_, QSize(kPictureSize, kPictureSize))));
  const HeightGrid& g = map_.Grid();
  summary_->setText(TrMessage("%1 x %2 points, pas %3 x %4 mm\n")
                        .arg(g.columns)
                        .arg(g.rows)
                        .arg(QString::fromStdString(FormatFixed(g.step_x, 3)),
                             QString::fromStdString(FormatFixed(g.step_y, 3))) +
                    HeightMapSummaryText(map_));
  save_button_->setEnabled(true);
  apply_check_->setEnabled(true);
  ApplyChanged();
}

void HeightMapWindow::LoadMap() {
  const QString path = prompts_.OpenFileName(TrMessage("Charger une carte des hauteurs"),
                                             TrMessage("Carte des hauteurs (*.txt);;Tous les fichiers (*)"));
  if (path.isEmpty()) return;
  HeightMap map;
  if (const Status s = LoadHeightMap(QFile::encodeName(path).toStdString(), &map); !s) {
    Refuse(QString::fromStdString(s.message()));
    return;
  }
  ShowMap(map);
}

void HeightMapWindow::SaveMap() {
  if (map_.Empty()) return;
  const QString path = prompts_.SaveFileName(TrMessage("Enregistrer la carte des hauteurs"),
                                             TrMessage("Carte des hauteurs (*.txt)"));
  if (path.isEmpty()) return;
  if (const Status s = SaveHeightMap(QFile::encodeName(path).toStdString(), map_); !s) {
    Refuse(QString::fromStdString(s.message()));
  }
}

void HeightMapWindow::ApplyChanged() {
  const bool apply = apply_check_->isChecked() && !map_.Empty();
  session_.SetHeightMap(apply ? std::make_shared<const HeightMap>(map_) : nullptr);
}

}  // namespace pistora
