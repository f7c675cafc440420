// The main window's controls and their places. Geometry is in pixels, like the views,
// which show the bitmaps one pixel per screen pixel.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>

#include "core/artwork/view_geometry.h"
#include "core/windows/main_window_controls.h"
#include "gui/main/program_options_dialog.h"
#include "gui/main/tool_dialog.h"
#include "gui/main/main_window.h"
#include "gui/widgets/bitmap_view.h"
#include "gui/widgets/led_lamp.h"
#include "gui/widgets/named_control.h"

namespace pistora {
namespace {

using R = MainControl;

template <class W>
W* Place(QWidget* parent, MainControl role, QRect place) {
  return Named(new W(parent), role, place);
}

// A button, label or check box with its built-in caption.
template <class W>
W* PlaceCaptioned(QWidget* parent, MainControl role, QRect place) {
  W* widget = Place<W>(parent, role, place);
  widget->setText(BuiltInCaptionOf(role));
  return widget;
}

QGroupBox* PlaceGroup(QWidget* parent, MainControl role, QRect place) {
  QGroupBox* box = Place<QGroupBox>(parent, role, place);
  box->setTitle(BuiltInCaptionOf(role));
  return box;
}

QSpinBox* PlaceSpin(QWidget* parent, MainControl role, int minimum, int maximum, int value, QRect place) {
  QSpinBox* spin = Place<QSpinBox>(parent, role, place);
  spin->setRange(minimum, maximum);
  spin->setValue(value);
  return spin;
}

LedLamp* PlaceLamp(QWidget* parent, MainControl role, int x, int y) {
  return Place<LedLamp>(parent, role, {x, y, 16, 16});
}

}  // namespace

void MainWindow::BuildLayout() {
  setObjectName(QString::fromLatin1(MainWindowControls().WindowName().data()));
  setWindowTitle(QStringLiteral("Pistora ver 2.20 "));
  // Built at 961 x 507; it may grow (or be maximised), the views growing with it.
  setMinimumSize(961, 507);
  resize(961, 507);
  setAcceptDrops(true);

  // Left part: two views in the same place, 561 x 441 pixels each, with their scroll bars.
  constexpr int kBar = 16;
  struct ViewRoles {
    MainControl group, view, horizontal, vertical;
  };
  const auto place_view = [this](const ViewRoles& roles, QGroupBox*& group, BitmapView*& view, QScrollBar*& horizontal,
                                 QScrollBar*& vertical) {
    group = PlaceGroup(this, roles.group, {4, 2, 585, 473 + 2});
    view = Place<BitmapView>(group, roles.view, {6, 17, kViewWidth, kViewHeight});
    horizontal = Place<QScrollBar>(group, roles.horizontal, {6, 17 + kViewHeight, kViewWidth, kBar});
    horizontal->setOrientation(Qt::Horizontal);
    vertical = Place<QScrollBar>(group, roles.vertical, {6 + kViewWidth, 17, kBar, kViewHeight});
    vertical->setOrientation(Qt::Vertical);
    for (QScrollBar* bar : {horizontal, vertical}) bar->setRange(0, 1);
  };
  place_view({R::kArtworkGroup, R::kArtworkView, R::kArtworkHorizontalScroll, R::kArtworkVerticalScroll},
             artwork_group_, artwork_view_, artwork_h_scroll_, artwork_v_scroll_);
  place_view({R::kEngravingGroup, R::kEngravingView, R::kEngravingHorizontalScroll, R::kEngravingVerticalScroll},
             engraving_group_, engraving_view_, engraving_h_scroll_, engraving_v_scroll_);
  engraving_group_->hide();

  // Right column.
  constexpr int kX = 596;
  constexpr int kW = 361;
  QGroupBox* general = PlaceGroup(this, R::kGeneralControlGroup, {kX, 2, kW, 88});
  load_artwork_button_ = PlaceCaptioned<QPushButton>(general, R::kLoadArtworkButton, {8, 20, 230, 28});
  PlaceLamp(general, R::kLoadArtworkLamp, 244, 26);
  load_engraving_file_button_ = PlaceCaptioned<QPushButton>(general, R::kLoadEngravingFileButton, {8, 52, 230, 28});
  PlaceLamp(general, R::kLoadEngravingFileLamp, 244, 58);
  stop_button_ = PlaceCaptioned<QPushButton>(general, R::kStopButton, {268, 20, 64, 60});
  PlaceLamp(general, R::kStopLamp, 337, 42);
  progress_gauge_ = Place<QProgressBar>(this, R::kProgressGauge, {kX, 93, kW, 16});
  progress_gauge_->setRange(0, 100);
  progress_gauge_->setValue(0);
  progress_gauge_->setTextVisible(false);

  // The panel place, shared by the four step groups.
  constexpr int kPanelY = 112;
  constexpr int kPanelH = 172;
  const QRect panel(kX, kPanelY, kW, kPanelH);
  settings_panel_ = PlaceGroup(this, R::kSettingsPanel, panel);
  PlaceCaptioned<QLabel>(settings_panel_, R::kDrillMarkSizeLabel, {8, 24, 220, 22});
  drill_mark_size_spin_ = PlaceSpin(settings_panel_, R::kDrillMarkSize, 0, 20, 2, {232, 24, 60, 22});
  PlaceCaptioned<QLabel>(settings_panel_, R::kPadPointLimitLabel, {8, 52, 220, 22});
  pad_point_limit_spin_ = PlaceSpin(settings_panel_, R::kPadPointLimit, 2, 100, 20, {232, 52, 60, 22});
  process_button_ = PlaceCaptioned<QPushButton>(settings_panel_, R::kProcessButton, {8, 86, 284, 30});
  PlaceLamp(settings_panel_, R::kProcessLamp, 300, 93);
  preprocess_button_ = PlaceCaptioned<QPushButton>(settings_panel_, R::kPreprocessButton, {8, 122, 284, 22});
  polygonal_button_ = PlaceCaptioned<QPushButton>(settings_panel_, R::kPolygonalButton, {8, 146, 284, 22});
  preprocess_button_->hide();
  polygonal_button_->hide();
  // Where the hidden buttons would be: the drill file and the face of a Gerber layer.
  gerber_drill_edit_ = Place<QLineEdit>(settings_panel_, R::kGerberDrillFile, {8, 120, 200, 22});
  gerber_drill_edit_->setPlaceholderText(QString::fromUtf8("Perçage Excellon d'un Gerber (facultatif)"));
  gerber_drill_button_ = PlaceCaptioned<QPushButton>(settings_panel_, R::kGerberDrillFileButton, {212, 120, 80, 22});
  gerber_mirror_check_ = PlaceCaptioned<QCheckBox>(settings_panel_, R::kGerberMirror, {8, 144, 284, 22});

  scale_panel_ = PlaceGroup(this, R::kScalePanel, panel);
  PlaceCaptioned<QLabel>(scale_panel_, R::kMeasuredDistanceLabel, {8, 22, 212, 22});
  measured_distance_edit_ = Place<QLineEdit>(scale_panel_, R::kMeasuredDistance, {224, 22, 90, 22});
  PlaceCaptioned<QLabel>(scale_panel_, R::kRealDistanceLabel, {8, 48, 212, 22});
  real_distance_edit_ = Place<QLineEdit>(scale_panel_, R::kRealDistance, {224, 48, 90, 22});
  real_distance_edit_->setText(QStringLiteral("2.54"));
  PlaceCaptioned<QLabel>(scale_panel_, R::kPixelSizeLabel, {8, 74, 212, 22});
  pixel_size_edit_ = Place<QLineEdit>(scale_panel_, R::kPixelSize, {224, 74, 90, 22});
  pitch_count_spin_ = PlaceSpin(scale_panel_, R::kPitchCount, 1, 50, 1, {8, 104, 56, 24});
  PlaceCaptioned<QLabel>(scale_panel_, R::kPitchTimesLabel, {70, 104, 60, 24});
  pitch_length_edit_ = Place<QLineEdit>(scale_panel_, R::kPitchLength, {132, 104, 80, 24});
  pitch_length_edit_->setText(QStringLiteral("2.54"));
  copy_pitch_length_button_ = PlaceCaptioned<QPushButton>(scale_panel_, R::kCopyPitchLengthButton, {218, 102, 96, 28});
  validate_scale_button_ = PlaceCaptioned<QPushButton>(scale_panel_, R::kValidateScaleButton, {8, 136, 130, 28});
  PlaceLamp(scale_panel_, R::kValidateScaleLamp, 146, 142);
  stated_resolution_note_ = Place<QLabel>(scale_panel_, R::kStatedResolutionNote, {170, 136, 183, 28});
  stated_resolution_note_->setWordWrap(true);
  for (QLineEdit* edit : {measured_distance_edit_, pixel_size_edit_, pitch_length_edit_}) edit->setReadOnly(true);
  scale_panel_->hide();

  verification_panel_ = PlaceGroup(this, R::kVerificationPanel, panel);
  QGroupBox* const v = verification_panel_;
  PlaceCaptioned<QLabel>(v, R::kUsefulTrackCountCaption, {8, 20, 180, 18});
  useful_track_count_label_ = Place<QLabel>(v, R::kUsefulTrackCount, {190, 20, 60, 18});
  useful_track_count_label_->setText(QStringLiteral("0"));
  PlaceCaptioned<QLabel>(v, R::kDrillCountCaption, {8, 38, 180, 18});
  drill_count_label_ = Place<QLabel>(v, R::kDrillCount, {190, 38, 60, 18});
  drill_count_label_->setText(QStringLiteral("0"));
  PlaceCaptioned<QLabel>(v, R::kContourNumberLabel, {8, 60, 80, 22});
  contour_number_spin_ = PlaceSpin(v, R::kContourNumber, 0, 0, 0, {90, 60, 70, 22});
  pad_check_ = PlaceCaptioned<QCheckBox>(v, R::kPadCheck, {172, 60, 84, 22});
  useless_check_ = PlaceCaptioned<QCheckBox>(v, R::kUselessCheck, {262, 60, 90, 22});
  thicken_tracks_button_ = PlaceCaptioned<QPushButton>(v, R::kThickenTracksButton, {8, 88, 140, 28});
  redraw_verification_button_ = PlaceCaptioned<QPushButton>(v, R::kRedrawVerificationButton, {152, 88, 201, 28});
  validate_verification_button_ = PlaceCaptioned<QPushButton>(v, R::kValidateVerificationButton, {8, 120, 130, 28});
  PlaceLamp(v, R::kValidateVerificationLamp, 146, 126);
  PlaceCaptioned<QLabel>(v, R::kRightClickHint, {8, 150, 345, 18});
  smooth_jaggies_button_ = PlaceCaptioned<QPushButton>(v, R::kSmoothJaggiesButton, {172, 120, 90, 28});
  // Hidden in the standard layout; their handlers work (and the language files caption them).
  next_pad_button_ = PlaceCaptioned<QPushButton>(v, R::kNextPadButton, {8, 88, 170, 22});
  previous_pad_button_ = PlaceCaptioned<QPushButton>(v, R::kPreviousPadButton, {182, 88, 170, 22});
  next_useful_track_button_ = PlaceCaptioned<QPushButton>(v, R::kNextUsefulTrackButton, {8, 110, 170, 22});
  previous_useful_track_button_ = PlaceCaptioned<QPushButton>(v, R::kPreviousUsefulTrackButton, {182, 110, 170, 22});
  next_useless_button_ = PlaceCaptioned<QPushButton>(v, R::kNextUselessButton, {8, 132, 170, 22});
  previous_useless_button_ = PlaceCaptioned<QPushButton>(v, R::kPreviousUselessButton, {182, 132, 170, 22});
  // The real tool, beside the counts: its width and the rebuild of the useful contours for it.
  tool_width_spin_ = Place<QDoubleSpinBox>(v, R::kToolWidth, {254, 16, 64, 22});
  tool_width_spin_->setDecimals(2);
  tool_width_spin_->setRange(0.01, 5.0);
  tool_width_spin_->setSingleStep(0.05);
  tool_width_spin_->setSuffix(QStringLiteral(" mm"));
  tool_width_spin_->setToolTip(QString::fromUtf8("Largeur de l'outil (mm) pour « Adapter à l'outil »"));
  tool_passes_spin_ = Place<QSpinBox>(v, R::kToolPasses, {320, 16, 33, 22});
  tool_passes_spin_->setRange(1, kMaxPasses);
  tool_passes_spin_->setButtonSymbols(QAbstractSpinBox::NoButtons);
  tool_passes_spin_->setToolTip(QString::fromUtf8("Nombre de passes autour de chaque îlot pour « Adapter à l'outil »"));
  rebuild_for_tool_button_ = PlaceCaptioned<QPushButton>(v, R::kRebuildForToolButton, {254, 38, 99, 21});
  for (QPushButton* hidden : {next_pad_button_, next_useful_track_button_, next_useless_button_, previous_pad_button_,
                              previous_useful_track_button_, previous_useless_button_}) {
    hidden->hide();
  }
  verification_panel_->hide();

  generation_panel_ = PlaceGroup(this, R::kGenerationPanel, panel);
  QGroupBox* const g = generation_panel_;
  save_engraving_file_button_ = PlaceCaptioned<QPushButton>(g, R::kSaveEngravingFileButton, {8, 22, 345, 28});
  simulate_engraving_button_ = PlaceCaptioned<QPushButton>(g, R::kSimulateEngravingButton, {8, 56, 200, 28});
  engraving_simulation_speed_spin_ = PlaceSpin(g, R::kEngravingSimulationSpeed, 0, 100, 50, {214, 59, 80, 22});
  simulate_drilling_button_ = PlaceCaptioned<QPushButton>(g, R::kSimulateDrillingButton, {8, 90, 200, 28});
  drilling_simulation_pause_spin_ = PlaceSpin(g, R::kDrillingSimulationPause, 0, 10000, 50, {214, 93, 80, 22});
  drilling_simulation_pause_spin_->setSingleStep(50);
  PlaceLamp(g, R::kGenerationLamp, 310, 76);
  engraving_program_button_ = PlaceCaptioned<QPushButton>(g, R::kEngravingProgramButton, {8, 130, 170, 30});
  drilling_program_button_ = PlaceCaptioned<QPushButton>(g, R::kDrillingProgramButton, {182, 130, 171, 30});
  generation_panel_->hide();

  // Job settings, kept in param.txt, and the links to the other windows.
  QGroupBox* job = PlaceGroup(this, R::kJobSettingsGroup, {kX, 287, kW, 216});
  struct SettingRow {
    MainControl label;
    MainControl edit;
    MainControl unit;
    QLineEdit** member;
  };
  const SettingRow rows[] = {
      {R::kEngravingDepthLabel, R::kEngravingDepth, R::kEngravingDepthUnit, &engraving_depth_edit_},
      {R::kDrillingDepthLabel, R::kDrillingDepth, R::kDrillingDepthUnit, &drilling_depth_edit_},
      {R::kRetractDistanceLabel, R::kRetractDistance, R::kRetractDistanceUnit, &retract_distance_edit_},
      {R::kEngravingFeedLabel, R::kEngravingFeed, R::kEngravingFeedUnit, &engraving_feed_edit_},
      {R::kDrillingFeedLabel, R::kDrillingFeed, R::kDrillingFeedUnit, &drilling_feed_edit_},
  };
  int y = 10;
  for (const SettingRow& row : rows) {
    PlaceCaptioned<QLabel>(job, row.label, {8, y, 136, 22});
    *row.member = Place<QLineEdit>(job, row.edit, {144, y, 44, 22});
    PlaceCaptioned<QLabel>(job, row.unit, {190, y, 47, 22});
    y += 25;
  }
  spindle_control_check_ = PlaceCaptioned<QCheckBox>(job, R::kSpindleControl, {8, 136, 226, 22});
  spindle_control_check_->setChecked(true);
  PlaceCaptioned<QLabel>(job, R::kLanguageLabel, {8, 162, 226, 20});
  language_list_ = Place<QComboBox>(job, R::kLanguageList, {8, 184, 180, 24});
  language_list_->setEditable(true);
  about_button_ = PlaceCaptioned<QPushButton>(job, R::kAboutButton, {238, 10, 117, 30});
  machine_window_button_ = PlaceCaptioned<QPushButton>(job, R::kMachineWindowButton, {238, 46, 117, 30});
  magnifier_toggle_ = PlaceCaptioned<QToolButton>(job, R::kMagnifierToggle, {238, 82, 117, 30});
  magnifier_toggle_->setCheckable(true);
  save_settings_button_ = PlaceCaptioned<QPushButton>(job, R::kSaveSettingsButton, {194, 182, 161, 28});
  program_options_button_ = PlaceCaptioned<QPushButton>(job, R::kProgramOptionsButton, {238, 118, 117, 30});
  program_options_dialog_ = std::make_unique<ProgramOptionsDialog>(prompts_);
  tool_settings_button_ = PlaceCaptioned<QPushButton>(job, R::kToolSettingsButton, {238, 150, 117, 28});
  tool_dialog_ = std::make_unique<ToolDialog>();
  tool_width_spin_->setValue(tool_dialog_->Settings().tool_width_mm);
  tool_passes_spin_->setValue(tool_dialog_->Settings().passes);

  // Under the views: the zoom of the view shown and the files opened lately.
  zoom_out_button_ = PlaceCaptioned<QPushButton>(this, R::kZoomOutButton, {6, 481, 28, 24});
  zoom_in_button_ = PlaceCaptioned<QPushButton>(this, R::kZoomInButton, {36, 481, 28, 24});
  zoom_fit_button_ = PlaceCaptioned<QPushButton>(this, R::kZoomFitButton, {68, 481, 70, 24});
  zoom_one_to_one_button_ = PlaceCaptioned<QPushButton>(this, R::kZoomOneToOneButton, {140, 481, 40, 24});
  zoom_level_label_ = Place<QLabel>(this, R::kZoomLevel, {186, 481, 60, 24});
  zoom_level_label_->setText(QStringLiteral("100 %"));
  zoom_out_button_->setToolTip(QString::fromUtf8("Zoom arrière (touche -)"));
  zoom_in_button_->setToolTip(QString::fromUtf8("Zoom avant (touche +, ou Ctrl + molette)"));
  zoom_fit_button_->setToolTip(QString::fromUtf8("Toute l'image dans la vue (touche 0)"));
  zoom_one_to_one_button_->setToolTip(QString::fromUtf8("Un pixel de l'image par pixel de l'écran (touche 1)"));
  recent_files_button_ = PlaceCaptioned<QToolButton>(this, R::kRecentFilesButton, {429, 481, 160, 24});
  recent_files_menu_ = new QMenu(recent_files_button_);
  recent_files_button_->setMenu(recent_files_menu_);
  recent_files_button_->setPopupMode(QToolButton::InstantPopup);
  for (BitmapView* view : {artwork_view_, engraving_view_}) {
    view->installEventFilter(this);
    view->setFocusPolicy(Qt::ClickFocus);
  }
  for (QWidget* right : std::initializer_list<QWidget*>{general, progress_gauge_, settings_panel_, scale_panel_,
                                                        verification_panel_, generation_panel_, job}) {
    right_column_.emplace_back(right, right->geometry());
  }

  contour_log_ = Place<QPlainTextEdit>(this, R::kContourLog, {0, 0, 10, 10});
  run_log_ = Place<QPlainTextEdit>(this, R::kRunLog, {0, 0, 10, 10});
  contour_log_->hide();
  run_log_->hide();

  // Right clicks: selection on the engraving view, the transformations menu on the artwork view.
  artwork_view_->setContextMenuPolicy(Qt::CustomContextMenu);
  engraving_view_->setContextMenuPolicy(Qt::CustomContextMenu);

  // Start: nothing loaded. Every command of a later step waits for its step.
  ApplyStep(StepEvent::Started);
  // Spin boxes that change only through their arrows.
  for (QSpinBox* spin : {contour_number_spin_, pad_point_limit_spin_, pitch_count_spin_, drill_mark_size_spin_}) {
    spin->findChild<QLineEdit*>()->setReadOnly(true);
  }
}

}  // namespace pistora
