// The main window's creation, job settings and links to the other windows.
#include "gui/main/program_options_dialog.h"
#include "gui/main/tool_dialog.h"
#include "gui/main/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>

#include "gui/adapters/numeric_key_filter_adapter.h"
#include "gui/adapters/prompts.h"
#include "gui/adapters/settings_files.h"
#include "gui/adapters/translations.h"
#include "gui/widgets/bitmap_view.h"
#include "gui/widgets/led_lamp.h"
#include "gui/widgets/named_control.h"
#include "gui/widgets/sight_cursor.h"

namespace pistora {

MainWindow::MainWindow(Prompts& prompts, QString settings_folder, QWidget* parent)
    : QWidget(parent),
      prompts_(prompts),
      settings_folder_(std::move(settings_folder)),
      host_(*this),
      busy_delay_(PumpingBusyDelay(host_, work_.StopRequest)) {
  BuildLayout();
  BuildArtworkMenu();
  SettingsToControls(MainSettings{});
  ConnectHandlers();
  InstallKeyFilters();
  StartUp();
}

MainWindow::~MainWindow() = default;

QString MainWindow::SettingsPath() const { return SettingsReadPath(kMainSettingsFileName, settings_folder_); }

void MainWindow::ConnectHandlers() {
  connect(load_artwork_button_, &QPushButton::clicked, this, &MainWindow::LoadArtwork);
  connect(gerber_drill_button_, &QPushButton::clicked, this, &MainWindow::ChooseGerberDrillFile);
  connect(validate_scale_button_, &QPushButton::clicked, this, &MainWindow::ValidateScale);
  connect(about_button_, &QPushButton::clicked, this, &MainWindow::ShowAbout);
  connect(machine_window_button_, &QPushButton::clicked, this, &MainWindow::OpenMachineWindow);
  connect(copy_pitch_length_button_, &QPushButton::clicked, this, &MainWindow::CopyPitchLength);
  connect(save_settings_button_, &QPushButton::clicked, this, &MainWindow::SaveSettings);
  connect(program_options_button_, &QPushButton::clicked, this, &MainWindow::OpenProgramOptions);
  connect(program_options_dialog_.get(), &ProgramOptionsDialog::OptionsConfirmed, this, &MainWindow::SetProgramOptions);
  connect(tool_dialog_.get(), &ToolDialog::WarningChosen, this, &MainWindow::CentreOnGapWarning);
  // The passes in two boxes: each follows the other (setting an equal value sends nothing).
  connect(tool_passes_spin_, &QSpinBox::valueChanged, tool_dialog_.get(), &ToolDialog::SetPasses);
  connect(tool_dialog_.get(), &ToolDialog::PassesChanged, tool_passes_spin_, &QSpinBox::setValue);
  connect(language_list_, &QComboBox::activated, this, &MainWindow::LanguageChosen);
  connect(magnifier_toggle_, &QToolButton::clicked, this, &MainWindow::ToggleMagnifier);
  const std::pair<QPushButton*, void (MainWindow::*)()> commands[] = {
      {process_button_, &MainWindow::ProcessArtwork},
      {stop_button_, &MainWindow::StopLongRun},
      {polygonal_button_, &MainWindow::RunPolygonalProcessing},
      {preprocess_button_, &MainWindow::RunPreprocessing},
      {thicken_tracks_button_, &MainWindow::ThickenTracks},
      {smooth_jaggies_button_, &MainWindow::SmoothJaggies},
      {redraw_verification_button_, &MainWindow::RedrawVerification},
      {next_pad_button_, &MainWindow::NextPad},
      {next_useful_track_button_, &MainWindow::NextUsefulTrack},
      {next_useless_button_, &MainWindow::NextUseless},
      {previous_pad_button_, &MainWindow::PreviousPad},
      {previous_useful_track_button_, &MainWindow::PreviousUsefulTrack},
      {previous_useless_button_, &MainWindow::PreviousUseless},
      {validate_verification_button_, &MainWindow::ValidateVerification},
      {load_engraving_file_button_, &MainWindow::LoadEngravingFile},
      {save_engraving_file_button_, &MainWindow::SaveEngravingFile},
      {engraving_program_button_, &MainWindow::WriteEngravingProgram},
      {drilling_program_button_, &MainWindow::WriteDrillingProgram},
      {simulate_engraving_button_, &MainWindow::SimulateEngraving},
      {simulate_drilling_button_, &MainWindow::SimulateDrilling},
      {rebuild_for_tool_button_, &MainWindow::RebuildForTool},
      {tool_settings_button_, &MainWindow::OpenToolSettings},
      {zoom_in_button_, &MainWindow::ZoomIn},
      {zoom_out_button_, &MainWindow::ZoomOut},
      {zoom_fit_button_, &MainWindow::ZoomFit},
      {zoom_one_to_one_button_, &MainWindow::ZoomOneToOne},
  };
  for (const auto& [button, handler] : commands) connect(button, &QPushButton::clicked, this, handler);
  // Clicks only: the boxes are also set when a contour is selected, which must not change flags.
  connect(pad_check_, &QCheckBox::clicked, this, &MainWindow::TogglePad);
  connect(useless_check_, &QCheckBox::clicked, this, &MainWindow::ToggleUseless);
  connect(contour_number_spin_, &QSpinBox::valueChanged, this, &MainWindow::SelectContour);
  connect(measured_distance_edit_, &QLineEdit::textChanged, this, &MainWindow::UpdatePixelSize);
  connect(real_distance_edit_, &QLineEdit::textChanged, this, &MainWindow::UpdatePixelSize);
  connect(pitch_count_spin_, &QSpinBox::valueChanged, this, &MainWindow::PitchCountChanged);
  connect(artwork_h_scroll_, &QScrollBar::valueChanged, this, &MainWindow::ShowArtworkView);
  connect(artwork_v_scroll_, &QScrollBar::valueChanged, this, &MainWindow::ShowArtworkView);
  connect(engraving_h_scroll_, &QScrollBar::valueChanged, this, &MainWindow::ShowEngravingView);
  connect(engraving_v_scroll_, &QScrollBar::valueChanged, this, &MainWindow::ShowEngravingView);
  // The right button of the artwork view opens its context menu; it neither pans nor measures.
  connect(artwork_view_, &BitmapView::MouseDown, this, [this](QPoint p, Qt::MouseButton button) {
    if (button != Qt::RightButton) ArtworkMouseDown(p);
  });
  connect(artwork_view_, &BitmapView::MouseMove, this, [this](QPoint p) { ArtworkMouseMove(p); });
  connect(artwork_view_, &BitmapView::MouseUp, this, [this](QPoint p, Qt::MouseButton button) {
    if (button != Qt::RightButton) ArtworkMouseUp(p);
  });
  connect(artwork_view_, &QWidget::customContextMenuRequested, this, &MainWindow::ShowArtworkMenu);
  connect(engraving_view_, &QWidget::customContextMenuRequested, this, &MainWindow::SelectContourAt);
  connect(engraving_view_, &BitmapView::MouseDown, this, [this](QPoint p) { EngravingMouseDown(p); });
  connect(engraving_view_, &BitmapView::MouseMove, this, [this](QPoint p) { EngravingMouseMove(p); });
  connect(engraving_view_, &BitmapView::MouseUp, this, [this](QPoint p) { EngravingMouseUp(p); });
  connect(recent_files_menu_, &QMenu::aboutToShow, this, &MainWindow::FillRecentFilesMenu);
}

void MainWindow::ApplyStep(StepEvent event) {
  const StepSwitch& step = SwitchFor(event);
  const auto each = [this](const std::vector<MainControl>& roles, const auto& action) {
    for (MainControl role : roles) {
      if (QWidget* w = FindControl<QWidget>(*this, role)) action(w);
    }
  };
  each(step.enable, [](QWidget* w) { w->setEnabled(true); });
  each(step.disable, [](QWidget* w) { w->setEnabled(false); });
  each(step.lamps_on, [](QWidget* w) {
    if (auto* lamp = qobject_cast<LedLamp*>(w)) lamp->SetActive(true);
  });
  each(step.lamps_off, [](QWidget* w) {
    if (auto* lamp = qobject_cast<LedLamp*>(w)) lamp->SetActive(false);
  });
  each(step.hide, [](QWidget* w) { w->hide(); });
  each(step.show, [](QWidget* w) { w->show(); });
  ShowZoomLevel();  // the view shown may have changed
}

JobParameters MainWindow::JobParametersFromControls() const {
  JobParameters parameters = JobParametersFrom(SettingsFromControls());
  ApplyProgramOptions(program_options_, &parameters);
  // A Gerber layer's drill file gives the drills when the options give none.
  if (parameters.Drills.empty() && gerber_loaded_) parameters.Drills = DrillListOfHoles(gerber_holes_);
  return parameters;
}

void MainWindow::OpenProgramOptions() { program_options_dialog_->Open(program_options_); }

void MainWindow::SetProgramOptions(const ProgramOptions& options) {
  program_options_ = options;
  SaveProgramOptions(options);
}

void MainWindow::InstallKeyFilters() {
  // Depths and the real distance: unsigned decimals; feeds and the two spin boxes: unsigned
  // integers (spin boxes are not plain edits, so the filter swallows what is typed there).
  const std::pair<QWidget*, KeyMode> boxes[] = {
      {engraving_depth_edit_, KeyMode::UnsignedDecimal},  {drilling_depth_edit_, KeyMode::UnsignedDecimal},
      {retract_distance_edit_, KeyMode::UnsignedDecimal}, {real_distance_edit_, KeyMode::UnsignedDecimal},
      {engraving_feed_edit_, KeyMode::UnsignedInteger},   {drilling_feed_edit_, KeyMode::UnsignedInteger},
      {drill_mark_size_spin_, KeyMode::UnsignedInteger},  {pad_point_limit_spin_, KeyMode::UnsignedInteger},
  };
  for (const auto& [box, mode] : boxes) box->installEventFilter(new NumericKeyFilterAdapter(mode, box));
}

void MainWindow::StartUp() {
  contour_log_->clear();
  work_.ContourLog.clear();
  work_.ArtworkBitmap = Bitmap();
  work_.EngravingBitmap = Bitmap();
  work_.SelectedContour = 0;
  artwork_drag_ = Drag{};
  engraving_drag_ = Drag{};
  measuring_ = false;

  ListLanguages();
  program_options_ = LoadProgramOptions();
  const MainSettings shown = SettingsFromControls();
  MainSettings settings = shown;
  std::vector<std::string> problems;
  Status status = LoadMainSettings(SettingsPath().toStdString(), &settings, &problems);
  // The messages speak the language param.txt chooses: read again once its translation is in.
  if (status && UseTranslationFor(QString::fromStdString(settings.Language)) && !problems.empty()) {
    settings = shown;
    problems.clear();
    status = LoadMainSettings(SettingsPath().toStdString(), &settings, &problems);
  }
  if (status) {
    SettingsToControls(settings);
    // Job values that could not go into a program: the built-in ones stand in, said once each.
    for (const std::string& problem : problems) prompts_.ShowError(QString::fromStdString(problem));
  } else {
    prompts_.ShowError(QString::fromStdString(status.message()));
  }

  engraving_view_->setCursor(SightCursor());
  ShowArtworkView();
  ShowEngravingView();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

MainSettings MainWindow::SettingsFromControls() const {
  MainSettings s;
  s.EngravingDepth = engraving_depth_edit_->text().toStdString();
  s.DrillingDepth = drilling_depth_edit_->text().toStdString();
  s.RetractDistance = retract_distance_edit_->text().toStdString();
  s.EngravingFeed = engraving_feed_edit_->text().toStdString();
  s.DrillingFeed = drilling_feed_edit_->text().toStdString();
  s.SpindleControl = spindle_control_check_->isChecked();
  s.Language = language_list_->currentText().toStdString();
  return s;
}

void MainWindow::SettingsToControls(const MainSettings& s) {
  engraving_depth_edit_->setText(QString::fromStdString(s.EngravingDepth));
  drilling_depth_edit_->setText(QString::fromStdString(s.DrillingDepth));
  retract_distance_edit_->setText(QString::fromStdString(s.RetractDistance));
  engraving_feed_edit_->setText(QString::fromStdString(s.EngravingFeed));
  drilling_feed_edit_->setText(QString::fromStdString(s.DrillingFeed));
  spindle_control_check_->setChecked(s.SpindleControl);
  language_list_->setEditText(QString::fromStdString(s.Language));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A run still going ends at its next check instead of holding the program open.
  if (busy_) work_.StopRequest = true;
  if (MagnifierShown()) {
    SetMagnifierShown(false);
    emit MagnifierToggled(false);
  }
  QWidget::closeEvent(event);
  QCoreApplication::quit();
}

void MainWindow::SaveSettings() {
  const Status status =
      SaveMainSettings(SettingsWritePath(kMainSettingsFileName, settings_folder_).toStdString(), SettingsFromControls());
  if (!status) prompts_.ShowError(QString::fromStdString(status.message()));
}

void MainWindow::ShowAbout() { emit AboutRequested(); }

void MainWindow::OpenMachineWindow() {
  // The magnifier only looks at this window: it goes when the machine window comes.
  if (MagnifierShown()) {
    SetMagnifierShown(false);
    emit MagnifierToggled(false);
  }
  emit MachineWindowRequested();
}

void MainWindow::SetMagnifierShown(bool shown) { magnifier_toggle_->setChecked(shown); }

bool MainWindow::MagnifierShown() const { return magnifier_toggle_->isChecked(); }

void MainWindow::ShowProgress(int value, int maximum) {
  if (progress_gauge_->maximum() != maximum) progress_gauge_->setMaximum(maximum);
  progress_gauge_->setValue(value);
}

}  // namespace pistora
