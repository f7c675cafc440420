#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/machine/iso_motion.h"
#include "core/machine/jogging.h"
#include "core/machine/job_run.h"
#include "core/machine/machine_display.h"
#include "core/machine/run_progress.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QSlider;
class QSpinBox;
class QTimer;

namespace pistora {

class HeightMapWindow;
class HoldArrowButton;
class JogWorker;
class LedLamp;
class LiveJobView;
class MachineSession;
class Prompts;
class StopDisc;

// The machine window "Gravure de circuits imprimés": manual control, homing, the machine's
// state and the ISO programs in a fixed 689 x 527 area, over the run's one machine session,
// and beside it a resizable pane with the job as it runs and its resume. It is the
// session's display while it lives. Controls are named by the machine window's control table
// (core/windows/machine_window_controls.h).
class MachineWindow final : public QWidget, private MachineDisplay {
  Q_OBJECT
 public:
  // `folder`: where cn.dat and the pictures are (empty: the pictures beside the executable, cn.dat
  // where SettingsReadPath finds it).
  MachineWindow(Prompts& prompts, MachineSession& session, QString folder = {}, QWidget* parent = nullptr);
  ~MachineWindow() override;

  const QString& Folder() const { return folder_; }

  // The three "Aller à" target boxes to "0.000" / the Z box alone.
  void SetTargetsToZero();
  void SetTargetZToZero();

  // The STOP disc pressed: the session's stop latch set, the disc red.
  void LatchStop();
  // "Raz" beside the disc: the disc's ring yellow, the latch cleared.
  void ResetStopLatch();

  // Each activation: cn.dat re-read (a message when it cannot be), outputs to 0; skipped while
  // the machine moves or a program runs.
  void Activated();

  // ---- Jogging (the arrows, or another window forwarding its own Z arrows) ----------------
  // Press starts the jog worker, release stops it and shows the position.
  void JogPress(JogDirection direction);
  void JogRelease();
  // One jog step on this thread, as the worker has it run.
  JogStepOutcome JogStep();

  // Loads the programs as the two open dialogs would (the dialogs ask the prompts).
  bool LoadEngravingProgram(const QString& path);
  bool LoadDrillingProgram(const QString& path);
  QString MessageLine() const;

  bool DrillingMode() const { return drilling_mode_; }
  bool SpindleOn() const { return spindle_on_; }

 signals:
  // An "&Option" entry: the parameter dialog on that page (0 port, 1 geometry, 2 surfacing,
  // 3 copper).
  void SettingsPageRequested(int page);
  // "&Réglage position gravure": the copper plate window, with a new plate.
  void PlateWindowRequested();

 protected:
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // MachineDisplay
  void ShowPositions(const std::string& x, const std::string& y, const std::string& z) override;
  void ShowRealFeed(const std::string& text) override;
  void PaintStopDisc(bool red) override;
  void SetLamp(Lamp lamp, bool on) override;
  void ShowMessage(const std::string& text) override;
  void ShowProgramButtons(const IsoBoxButtons& buttons) override;

  void BuildLayout();
  void BuildPositionBox();
  void BuildStateBox();
  void BuildIsoBox();
  void ConnectHandlers();
  void StartUp();

  // Handlers
  void GoToTarget();     // "Aller à"
  void GoToXYZero();     // "(0;0)"
  void GoToZZero();      // "Z0"
  void ToggleSpindle();  // "Broche"
  void LoadEngravingProgramFile();  // "&Charger gravure ISO"
  void LoadDrillingProgramFile();   // "Charger &perçage ISO"
  void OpenPlacement();             // "&Réglage position gravure"
  void ValidateZLevel();            // "Valide &Réglage niveau Z"
  void StartProgram();              // "Démarrer la gravure"
  void HomeMachine();               // "Zéro Machine"
  void TouchOffZ();                 // "Palper Z"
  void OpenHeightMap();             // "Carte des hauteurs..."
  void SwitchMode();                // "&Bascule"
  void CopiesChanged();
  void FeedSliderMoved(int position);
  void StatusTick();
  void MotionViewTick();  // what the motion thread published, shown
  void OpenSettingsPage(int page);

  void FeedChanged(std::int32_t feed);
  void ShowProgramInfo();
  // "Temps estimé": the whole copy sequence at the work feed, h:mm:ss.
  void ShowEstimate();
  void ShowRepetition();
  void ShowMode(const QString& caption);
  QString ModeName() const;
  void ApplyButtonStates();
  // The end of a program run, on this thread: `error` (empty: none) shown and the buttons.
  void FinishProgram(bool ran, const std::string& error);

  // ---- The live pane (machine_window_live.cpp) ------------------------------------------
  void BuildLivePane();
  void PlaceLivePane();
  // The loaded programs, the copies and the plate to the view (only when one of them changed).
  void RefreshLiveJob();
  // The job as a motion command, from its start or from `from`; the view follows it.
  void RunJobCommand(std::shared_ptr<const JobProgram> job, bool drilling, std::optional<ResumePoint> from);
  void FinishRun(const JobRunResult& result);
  void ResumeProgram();  // "Reprendre"
  void LiveViewTick();   // at each motion view: done part, tool, times
  void ShowRunTimes(const RunProgress::Snapshot& now);
  void ShowResumeState();

  Prompts& prompts_;
  MachineSession& session_;
  QString settings_folder_;  // the folder given, empty for the user's/program's cn.dat
  QString folder_;
  std::unique_ptr<JogWorker> jog_worker_;

  QString engraving_file_;
  QString drilling_file_;
  std::shared_ptr<const ProgramPath> engraving_path_;  // of the loaded files, for the view
  std::shared_ptr<const ProgramPath> drilling_path_;
  double program_length_ = 0;
  ToolPosition program_end_;
  bool parameter_message_shown_ = false;  // the message line holds a cn.dat error
  bool drilling_mode_ = false;
  bool spindle_on_ = false;

  // ---- Controls --------------------------------------------------------------------------
  QMenuBar* menu_bar_ = nullptr;
  QMenu* option_menu_ = nullptr;
  QAction* port_setup_entry_ = nullptr;  // page 0
  QAction* geometry_entry_ = nullptr;    // page 1
  QAction* surfacing_entry_ = nullptr;   // page 2
  QAction* copper_entry_ = nullptr;      // page 3

  // "Position et déplacements manuels"
  QGroupBox* position_box_ = nullptr;
  QLabel* position_labels_[3] = {};       // X, Y, Z: large green on black, "0.000"
  QPushButton* zero_axis_buttons_[3] = {};  // "RAZ" X, Y, Z
  QPushButton* go_to_button_ = nullptr;
  QLineEdit* target_edits_[3] = {};       // "Aller à" X, Y, Z targets, "0.000"
  HoldArrowButton* jog_right_arrow_ = nullptr;  // X+
  HoldArrowButton* jog_left_arrow_ = nullptr;   // X-
  HoldArrowButton* jog_front_arrow_ = nullptr;  // Y+
  HoldArrowButton* jog_back_arrow_ = nullptr;   // Y-
  HoldArrowButton* jog_up_arrow_ = nullptr;     // Z+
  HoldArrowButton* jog_down_arrow_ = nullptr;   // Z-
  QLabel* go_to_xy_zero_label_ = nullptr;       // "(0;0)"
  QLabel* go_to_z_zero_label_ = nullptr;        // "Z0"
  QPushButton* spindle_button_ = nullptr;       // "Broche", led1on.bmp / led1off.bmp
  QPushButton* touch_off_button_ = nullptr;     // "Palper Z"
  QPushButton* height_map_button_ = nullptr;    // "Carte des hauteurs..."
  HeightMapWindow* height_map_window_ = nullptr;  // made at its first opening

  // "Etat machine"
  QGroupBox* state_box_ = nullptr;
  LedLamp* lamps_[5] = {};         // by Lamp: limit X, Y, Z, probe, emergency stop
  StopDisc* stop_disc_ = nullptr;  // its word "STOP"
  QPushButton* reset_stop_button_ = nullptr;  // "Raz"
  QSlider* feed_slider_ = nullptr;            // feed, 1 .. MaxFeed
  QLabel* work_feed_value_ = nullptr;         // "150"
  QLabel* real_feed_value_ = nullptr;         // "0"

  // "Message machine"
  QGroupBox* message_box_ = nullptr;
  QLabel* message_line_ = nullptr;

  // "Code ISO"
  QGroupBox* program_box_ = nullptr;
  QPushButton* load_engraving_button_ = nullptr;
  QPushButton* load_drilling_button_ = nullptr;
  QPushButton* placement_button_ = nullptr;
  QPushButton* validate_z_button_ = nullptr;
  QPushButton* start_button_ = nullptr;
  QLabel* engraving_file_label_ = nullptr;  // yellow
  QLabel* drilling_file_label_ = nullptr;   // yellow
  QGroupBox* program_info_box_ = nullptr;
  QLabel* size_x_value_ = nullptr;
  QLabel* size_y_value_ = nullptr;
  QLabel* length_value_ = nullptr;
  QLabel* time_value_ = nullptr;
  QGroupBox* repetition_box_ = nullptr;
  QSpinBox* copies_x_spin_ = nullptr;  // 1 .. 100
  QLabel* total_x_label_ = nullptr;    // black when it fits the plate, red otherwise
  QSpinBox* copies_y_spin_ = nullptr;
  QLabel* total_y_label_ = nullptr;
  QProgressBar* progress_bar_ = nullptr;

  // "Commandes"
  QGroupBox* command_box_ = nullptr;
  QPushButton* home_button_ = nullptr;  // "Zéro Machine"

  // "Fonction"
  QGroupBox* mode_box_ = nullptr;
  QLabel* mode_picture_ = nullptr;  // grav.bmp / perc.bmp
  QLabel* mode_name_ = nullptr;
  QPushButton* switch_mode_button_ = nullptr;  // "&Bascule"

  // The live pane
  LiveJobView* live_view_ = nullptr;
  QPushButton* fit_view_button_ = nullptr;
  QLabel* elapsed_label_ = nullptr;
  QLabel* remaining_label_ = nullptr;
  QLabel* percent_label_ = nullptr;
  QPushButton* resume_button_ = nullptr;
  // The run under way or last run: its progress (written by the motion thread), its job, its
  // timeline, the copies' origins, and where it can resume.
  std::shared_ptr<RunProgress> run_progress_ = std::make_shared<RunProgress>();
  std::shared_ptr<const JobProgram> run_job_;
  bool run_drilling_ = false;
  RunTimeline run_timeline_;
  std::vector<CopyOrigin> view_origins_;
  std::optional<ResumePoint> resume_point_;
  QElapsedTimer run_clock_;
  std::int64_t elapsed_before_ms_ = 0;  // of the run's earlier parts (before a resume)
  std::int64_t elapsed_ms_ = 0;
  struct LiveJobKey {
    const ProgramPath* engraving = nullptr;
    const ProgramPath* drilling = nullptr;
    double plate[4] = {};
    int copies_x = 0, copies_y = 0;
    double extent_x = 0, extent_y = 0, gap = 0;
    double start_x = 0, start_y = 0;
    friend bool operator==(const LiveJobKey&, const LiveJobKey&) = default;
  };
  LiveJobKey live_job_key_;

  QTimer* status_timer_ = nullptr;  // 100 ms
  QTimer* motion_view_timer_ = nullptr;  // 40 ms: 25 views a second during every motion
};

}  // namespace pistora
