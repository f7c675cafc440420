#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "core/artwork/scale.h"
#include "core/host/host.h"
#include "core/artwork/tool_paths.h"
#include "core/artwork/verification.h"
#include "core/artwork/workspace.h"
#include "core/job/drill_placement.h"
#include "core/job/engraving_file.h"
#include "core/job/gcode_writer.h"
#include "core/job/order_job.h"
#include "core/job/program_options.h"
#include "core/job/simulation.h"
#include "core/settings/language_file.h"
#include "core/settings/main_settings.h"
#include "core/text/report_gate.h"
#include "core/windows/main_window_steps.h"
#include "gui/adapters/qt_host.h"
#include "gui/main/file_history.h"
#include "image/picture_resolution.h"

class QAction;
class QCheckBox;
class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QResizeEvent;
class QPushButton;
class QScrollBar;
class QSpinBox;
class QToolButton;

namespace pistora {

class BitmapView;
class LedLamp;
class Prompts;
class ProgramOptionsDialog;
class ToolDialog;

// The main window: the artwork and engraving views on the left; on the right the general
// controls, the progress gauge, one of four step panels and the job settings.
//
// Steps (each shown by one panel and one lamp):
//   1. nothing loaded: "Réglages généraux", processing disabled;
//   2. artwork loaded (LoadArtwork): artwork view, processing enabled;
//   3. processing done (EnterScalePhase): "Mise à l'échelle", drags on the artwork measure;
//   4. scale validated (ValidateScale): engraving view and "Vérification du résultat";
//   5. verification validated: "Simulation et génération du g-code".
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // `settings_folder` holds param.txt; empty means the executable's folder.
  explicit MainWindow(Prompts& prompts, QString settings_folder = QString(), QWidget* parent = nullptr);
  ~MainWindow() override;

  Workspace& Work() { return work_; }
  const Workspace& Work() const { return work_; }
  QtHost& UiHost() { return host_; }
  Prompts& UiPrompts() { return prompts_; }
  QString SettingsPath() const;  // the param.txt read (see SettingsReadPath)
  QString LanguageFolder() const;  // where the .lng files are listed

  // --- links to the other windows -----------------------------------------------------
  // What the language list does with a language file once read: caption every window.
  void SetLanguageApplier(std::function<void(const LanguageText&)> apply);
  // Puts the "Loupe" toggle down or up without telling anyone (the magnifier closed itself).
  void SetMagnifierShown(bool shown);
  bool MagnifierShown() const;

  // The progress gauge, for the long loops.
  void ShowProgress(int value, int maximum);

  // --- handlers -----------------------------------------------------------------------
  void LoadArtwork();        // "&Charger le typon d'origine"
  // Opens `path` as the two load buttons would after their dialog: a ".grv" name as an engraving
  // file, anything else as an artwork (the command line, a drop, the recent files).
  void OpenFile(const QString& path);
  void ValidateScale();      // "Valide" of the scale step
  void ShowAbout();          // "A Propos de ..."
  void OpenMachineWindow();  // "&Module de Gravure"
  void CopyPitchLength();    // pitch calculator result into the real distance
  void SaveSettings();       // "Sauve les paramètres"
  void OpenProgramOptions();  // "Options G-code": controller, spindle speed, travel height, drills
  void UpdatePixelSize();    // the measured or the real distance changed
  void PitchCountChanged();
  void ArtworkMouseDown(QPoint position);
  void ArtworkMouseMove(QPoint position);
  void ArtworkMouseUp(QPoint position);
  void EngravingMouseDown(QPoint position);
  void EngravingMouseMove(QPoint position);
  void EngravingMouseUp(QPoint position);
  void ShowArtworkMenu(QPoint position);  // menu of the artwork transformations

  // Processing (main_window_processing.cpp).
  void ProcessArtwork();          // "&Traiter le typon d'origine"
  void StopLongRun();             // "&Stop !"
  void RunPolygonalProcessing();  // "Traitement polygonale"
  void RunPreprocessing();        // "Pré-traitement Typon ( en phase de codage )"

  // Verification (main_window_verification.cpp).
  void SelectContour();                   // highlight the contour of the number box
  void SelectContourAt(QPoint position);  // right-click selection on the engraving view
  void TogglePad(bool checked);           // "Pastille"
  void ToggleUseless(bool checked);       // "Inutile"
  void ThickenTracks();                   // "Epaissir les pistes "
  void SmoothJaggies();                   // "Crénelage"
  void RedrawVerification();              // "&Vérifier le fichier de gravure"
  void NextPad();                         // "Pastille suivante"
  void NextUsefulTrack();                 // "Piste utile suivante"
  void NextUseless();                     // "Piste inutile suivante"
  void PreviousPad();                     // "Pastille précédente"
  void PreviousUsefulTrack();             // "Piste utile précédente"
  void PreviousUseless();                 // "Piste inutile précédente"
  void ValidateVerification();            // "Valide": the generation step

  // The real tool (main_window_tool.cpp).
  void RebuildForTool();              // "Adapter à l'outil": useful contours at the tool's radius
  void OpenToolSettings();            // "Outil..."
  void CentreOnGapWarning(int index);  // the engraving view centred on a narrow gap

  // Engraving file and generation (main_window_generation.cpp).
  void LoadEngravingFile();      // "&Charger fichier gravure ( *.grv )"
  void SaveEngravingFile();      // "&Sauvegarde du fichier de gravure ( *.grv )"
  void WriteEngravingProgram();  // "Générer G-CODE (gravure )"
  void WriteDrillingProgram();   // "Générer G-CODE ( perçage )"
  void SimulateEngraving();      // "&Simulation gravure"
  void SimulateDrilling();       // "&Simulation perçage"

  // Languages and the magnifier (main_window_language.cpp).
  void Activated();                 // applies the chosen language file again, at every activation
  void LanguageChosen();            // applies the language file just chosen in the list
  void ListLanguages();             // fills the language list from the program's folder, keeping the text
  void ToggleMagnifier(bool down);  // the "Loupe" toggle: asks for the magnifier shown or closed

  // Zoom of the view shown (main_window_zoom.cpp). The keys + and -, Ctrl + wheel, 0 (fit)
  // and 1 (1:1) do the same on the view that has the focus.
  void ZoomIn();
  void ZoomOut();
  void ZoomFit();
  void ZoomOneToOne();
  // Screen pixels per bitmap pixel of a view.
  double ViewScale(View view) const;
  // Scrolls a view so that bitmap pixel (x, row) is at its centre, as near as its ends allow.
  void CentreViewOn(View view, PixelPoint pixel);

  // Copies the visible part of each working bitmap onto its view, at the scroll offsets.
  void ShowArtworkView();
  void ShowEngravingView();

  // Step 3: called when the processing of the artwork has ended (stopped or not).
  void EnterScalePhase();
  // While set, a drag on the artwork view measures a distance instead of panning.
  bool InScaleMode() const { return scale_mode_; }

  // Switches the controls, lamps and panels of one step change.
  void ApplyStep(StepEvent event);

  // True while a long operation runs (processing, programs, simulations, thickening, artwork
  // transformations); a second one is refused meanwhile.
  bool Busy() const { return busy_; }

  // The pause of the drilling simulation after each hole; by default it waits while the
  // window stays responsive and ends early on "&Stop !".
  void SetBusyDelay(BusyDelay delay) { busy_delay_ = std::move(delay); }

  // The job settings boxes as the program writers take them.
  JobParameters JobParametersFromControls() const;

  // The program options in use (kept in the user's settings; defaults write today's programs).
  const ProgramOptions& CurrentProgramOptions() const { return program_options_; }
  void SetProgramOptions(const ProgramOptions& options);

  // The job settings as their boxes show them, and back.
  MainSettings SettingsFromControls() const;
  void SettingsToControls(const MainSettings& settings);

 signals:
  void AboutRequested();
  void MachineWindowRequested();
  // The "Loupe" toggle went down or up; also up when the window closes or the machine window
  // opens with the magnifier shown.
  void MagnifierToggled(bool shown);

 protected:
  // Closing the main window ends the program, whatever other window is open.
  void closeEvent(QCloseEvent* event) override;
  // Runs Activated whenever the window becomes the active window.
  bool event(QEvent* event) override;
  // The views grow with the window; the right column keeps its places along the right edge.
  void resizeEvent(QResizeEvent* event) override;
  // The zoom gestures of the two views.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A file dropped on the window is opened as OpenFile does.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // The Gerber road (main_window_gerber.cpp): the drill file box's "...", the layer's rendering
  // with its drill file and face, and the holes put in the table once the scale is validated.
  void ChooseGerberDrillFile();
  Status LoadGerberLayer(const std::string& path, Bitmap* artwork, PictureFrame* frame, std::vector<DrillHole>* holes);
  void PlaceGerberHoles();
  void BuildLayout();
  void ConnectHandlers();
  void InstallKeyFilters();
  // The state of a new window: nothing loaded, param.txt read, the language list filled.
  void StartUp();
  void BuildArtworkMenu();
  void UpdateArtworkMenu();
  // Runs a long operation with "&Stop !" enabled and the commands that could start another one
  // disabled; StopRequest is cleared first. Returns false (running nothing) when one already runs.
  bool RunLongOperation(const std::function<void()>& operation);
  // Copies the hidden diagnostic lines of the workspace into their two lists.
  void ShowLogs();
  // The verification panel for the current table: number box range and the selection's boxes.
  void ShowSelectionPanel(const SelectionPanel& panel);
  void SetContourRange();
  // Puts contour `index` into the number box and highlights it.
  void SelectContourNumber(int index);
  void BrowseTo(int index);
  void GenerateProgram(JobMode mode);
  SimulationSettings SimulationSettingsFromControls() const;
  // Puts a read engraving file into the window and enters the verification step.
  void ShowEngravingFile(EngravingFile&& file);
  // The verification drawing with the narrow gaps marked on it.
  void RedrawWithGapMarks();
  // Forgets the tool's contours and warnings (a new artwork or engraving file).
  void ForgetToolPaths();
  // Pads by their size when the tool settings ask for it (the scale is known).
  void ClassifyHolesIfAsked();
  // The check of the programs written, shown once a tool's contours are engraved; `text` is
  // what the window would show anyway (may be empty).
  void ShowProgramCheck(QString text);
  // Sets a view's two scroll bars without redrawing through their change signals.
  void SetScrollPositions(QScrollBar* horizontal, QScrollBar* vertical, int h, int v);
  PixelPoint ArtworkPoint(QPoint view_position) const;
  // Applies the entry of the language list; `chosen`: the user has just chosen it.
  void ApplyLanguage(bool chosen);

  // One drag on a view: pressed at `remembered`, in view pixels (fractions at other scales
  // than 1, where a move shifts the picture by whole bitmap pixels).
  struct Drag {
    bool active = false;
    QPointF remembered;
  };
  void PanView(Drag& drag, QPoint position, QScrollBar* horizontal, QScrollBar* vertical);

  // The parts of one view (main_window_zoom.cpp).
  struct ViewParts {
    BitmapView* view;
    QScrollBar* horizontal;
    QScrollBar* vertical;
    const Bitmap& bitmap;
    double& scale;
  };
  ViewParts Parts(View view);
  View ShownView() const;
  // The scroll ranges of a view for its bitmap, size and scale, keeping the positions within.
  void UpdateScrollRanges(View view);
  // Sets a view's scale keeping the bitmap point under view pixel `about` in place.
  void SetViewScale(View view, double scale, QPointF about);
  // Resets a view to the top-left corner of a new bitmap, keeping its scale.
  void ResetView(View view);
  void ShowView(View view);
  void ShowZoomLevel();
  void PlaceControlsForSize();
  // The bitmap pixel under view pixel `position` of a view.
  PixelPoint ViewPixel(View view, QPoint position);

  // Files (main_window_files.cpp).
  void LoadArtworkFrom(const QString& path);
  // Fills the scale step from the resolution the artwork states, or says nothing of it.
  void ShowStatedResolution(const std::optional<StatedResolution>& resolution);
  void LoadEngravingFileFrom(const QString& path);
  void FillRecentFilesMenu();
  // Where a save dialog opens: the stem of the artwork or engraving file opened with the kind's
  // ending (board.grv, board-gravure.iso, board-percage.iso), in the last folder used for the kind
  // (at first the opened file's).
  QString ProposedName(FileKind kind, JobMode mode) const;

  Prompts& prompts_;
  QString settings_folder_;
  Workspace work_;
  QtHost host_;
  MeasuringLine measuring_line_;
  bool scale_mode_ = false;
  bool measuring_ = false;  // a button went down on the artwork view in scale mode
  bool artwork_loaded_ = false;  // the artwork bitmap holds a loaded picture (not a .grv blank)
  QString artwork_path_;         // the picture loaded, as messages name it
  QString job_source_path_;      // the artwork or engraving file last opened: saved names come from it
  // A Gerber layer loaded: where its picture lies on the board and the holes of its drill file
  // (empty without one), placed when the scale (known) is validated.
  bool gerber_loaded_ = false;
  PictureFrame gerber_frame_;
  std::vector<DrillHole> gerber_holes_;
  bool busy_ = false;
  BusyDelay busy_delay_;
  Drag artwork_drag_;
  Drag engraving_drag_;
  double artwork_scale_ = 1.0;    // screen pixels per bitmap pixel
  double engraving_scale_ = 1.0;
  // Off while a right click selects: the contour is already under the pointer.
  bool centre_selection_ = true;
  ReportGate language_report_;
  std::function<void(const LanguageText&)> apply_language_;

  // --- controls (the control table gives their objectNames) ---------------------------
  // The two views, one shown at a time.
  QGroupBox* artwork_group_ = nullptr;
  BitmapView* artwork_view_ = nullptr;
  QScrollBar* artwork_h_scroll_ = nullptr;
  QScrollBar* artwork_v_scroll_ = nullptr;
  QGroupBox* engraving_group_ = nullptr;
  BitmapView* engraving_view_ = nullptr;
  QScrollBar* engraving_h_scroll_ = nullptr;
  QScrollBar* engraving_v_scroll_ = nullptr;

  // "Contrôle général".
  QPushButton* load_artwork_button_ = nullptr;
  QLineEdit* gerber_drill_edit_ = nullptr;
  QPushButton* gerber_drill_button_ = nullptr;
  QCheckBox* gerber_mirror_check_ = nullptr;
  QPushButton* load_engraving_file_button_ = nullptr;
  QPushButton* stop_button_ = nullptr;
  QProgressBar* progress_gauge_ = nullptr;

  // "Réglages généraux".
  QGroupBox* settings_panel_ = nullptr;
  QSpinBox* drill_mark_size_spin_ = nullptr;  // 0..20
  QSpinBox* pad_point_limit_spin_ = nullptr;  // 2..100
  QPushButton* process_button_ = nullptr;
  QPushButton* polygonal_button_ = nullptr;   // hidden
  QPushButton* preprocess_button_ = nullptr;  // hidden

  // "Mise à l'échelle".
  QGroupBox* scale_panel_ = nullptr;
  QLineEdit* measured_distance_edit_ = nullptr;  // pixels
  QLineEdit* real_distance_edit_ = nullptr;      // mm
  QLineEdit* pixel_size_edit_ = nullptr;         // mm
  QSpinBox* pitch_count_spin_ = nullptr;         // number of 2.54 mm pitches
  QLineEdit* pitch_length_edit_ = nullptr;       // their length, mm
  QPushButton* copy_pitch_length_button_ = nullptr;
  QPushButton* validate_scale_button_ = nullptr;
  QLabel* stated_resolution_note_ = nullptr;

  // "Vérification du résultat".
  QGroupBox* verification_panel_ = nullptr;
  QLabel* useful_track_count_label_ = nullptr;
  QLabel* drill_count_label_ = nullptr;
  QSpinBox* contour_number_spin_ = nullptr;  // the selected contour
  QCheckBox* pad_check_ = nullptr;
  QCheckBox* useless_check_ = nullptr;
  QPushButton* thicken_tracks_button_ = nullptr;
  QPushButton* smooth_jaggies_button_ = nullptr;
  QPushButton* redraw_verification_button_ = nullptr;
  QPushButton* validate_verification_button_ = nullptr;
  QPushButton* next_pad_button_ = nullptr;  // browse buttons (hidden)
  QPushButton* next_useful_track_button_ = nullptr;
  QPushButton* next_useless_button_ = nullptr;
  QPushButton* previous_pad_button_ = nullptr;
  QPushButton* previous_useful_track_button_ = nullptr;
  QPushButton* previous_useless_button_ = nullptr;
  QDoubleSpinBox* tool_width_spin_ = nullptr;  // mm
  QSpinBox* tool_passes_spin_ = nullptr;       // the same as the tool window's
  QPushButton* rebuild_for_tool_button_ = nullptr;

  // "Simulation et génération du g-code".
  QGroupBox* generation_panel_ = nullptr;
  QPushButton* save_engraving_file_button_ = nullptr;
  QPushButton* simulate_engraving_button_ = nullptr;
  QSpinBox* engraving_simulation_speed_spin_ = nullptr;  // 0..100
  QPushButton* simulate_drilling_button_ = nullptr;
  QSpinBox* drilling_simulation_pause_spin_ = nullptr;  // per hole, 0..10000
  QPushButton* engraving_program_button_ = nullptr;
  QPushButton* drilling_program_button_ = nullptr;

  // Job settings (param.txt) and the links to the other windows.
  QLineEdit* engraving_depth_edit_ = nullptr;   // mm
  QLineEdit* drilling_depth_edit_ = nullptr;    // mm
  QLineEdit* retract_distance_edit_ = nullptr;  // mm
  QLineEdit* engraving_feed_edit_ = nullptr;    // mm/min
  QLineEdit* drilling_feed_edit_ = nullptr;     // mm/min
  QCheckBox* spindle_control_check_ = nullptr;  // spindle commands in the programs
  QComboBox* language_list_ = nullptr;
  QPushButton* about_button_ = nullptr;
  QPushButton* machine_window_button_ = nullptr;
  QToolButton* magnifier_toggle_ = nullptr;
  QPushButton* save_settings_button_ = nullptr;
  QPushButton* program_options_button_ = nullptr;
  std::unique_ptr<ProgramOptionsDialog> program_options_dialog_;  // a window of its own
  ProgramOptions program_options_;
  QPushButton* tool_settings_button_ = nullptr;
  std::unique_ptr<ToolDialog> tool_dialog_;  // a window of its own

  // The tool the useful contours were last rebuilt for (0: none), the contours its outer passes
  // appended to the table, and its narrow gaps.
  double applied_tool_width_mm_ = 0.0;
  int tool_added_contours_ = 0;
  int tool_table_size_ = 0;  // the table's size that press left
  std::vector<GapWarning> gap_warnings_;
  std::set<int> hand_flagged_;  // contours whose pad or useless flag the user set in this table
  // The programs last written, checked together.
  std::string last_engraving_program_;
  std::vector<std::string> last_drilling_programs_;

  // Under the views.
  QPushButton* zoom_out_button_ = nullptr;
  QPushButton* zoom_in_button_ = nullptr;
  QPushButton* zoom_fit_button_ = nullptr;
  QPushButton* zoom_one_to_one_button_ = nullptr;
  QLabel* zoom_level_label_ = nullptr;
  QToolButton* recent_files_button_ = nullptr;
  QMenu* recent_files_menu_ = nullptr;
  // The controls that keep their places along the right edge, at the built-in size.
  std::vector<std::pair<QWidget*, QRect>> right_column_;

  // Hidden diagnostic lists.
  QPlainTextEdit* contour_log_ = nullptr;
  QPlainTextEdit* run_log_ = nullptr;

  // Context menu of the artwork view: the two artwork transformations, which have no
  // visible button in the standard layout.
  QMenu* artwork_menu_ = nullptr;
  QAction* preprocess_action_ = nullptr;  // runs RunPreprocessing
  QAction* polygonal_action_ = nullptr;   // runs RunPolygonalProcessing
};

}  // namespace pistora
