#pragma once

#include <functional>

#include <QPoint>
#include <QString>
#include <QWidget>

#include "core/windows/main_window_steps.h"
#include "core/artwork/scale.h"
#include "core/artwork/verification.h"
#include "core/job/engraving_file.h"
#include "core/job/gcode_writer.h"
#include "core/job/order_job.h"
#include "core/job/simulation.h"
#include "core/artwork/workspace.h"
#include "core/text/report_gate.h"
#include "core/settings/main_settings.h"
#include "gui/adapters/qt_host.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QSpinBox;
class QToolButton;

namespace pistora {

class BitmapView;
class LedLamp;
class Prompts;

// The main window: the artwork and engraving views on the left; on the right the general
// controls, the progress gauge, one of four step panels and the job settings.
//
// Steps (each shown by one panel and one lamp):
//   1. nothing loaded: "Réglages généraux", processing disabled;
//   2. artwork loaded (BitBtn1Click): artwork view, processing enabled;
//   3. processing done (EnterScalePhase): "Mise à l'échelle", drags on the artwork measure;
//   4. scale validated (BitBtn8Click): engraving view and "Vérification du résultat";
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
  QString SettingsPath() const;

  // --- handlers -----------------------------------------------------------------------
  void FormCreate();
  void BitBtn1Click();   // "&Charger le typon d'origine"
  void BitBtn8Click();   // "Valide" of the scale step
  void BitBtn11Click();  // "A Propos de ..."
  void BitBtn12Click();  // "&Module de Gravure"
  void BitBtn13Click();  // pitch calculator result into the real distance
  void BitBtn16Click();  // "Sauve les paramètres"
  void Edit2Change();
  void Edit3Change();
  void SpinEdit3Change();
  void Image1MouseDown(QPoint position);
  void Image1MouseMove(QPoint position);
  void Image1MouseUp(QPoint position);
  void Image2MouseDown(QPoint position);
  void Image2MouseMove(QPoint position);
  void Image2MouseUp(QPoint position);
  void Image1ContextPopup(QPoint position);  // menu of the artwork transformations

  // Processing (main_window_processing.cpp).
  void BitBtn2Click();   // "&Traiter le typon d'origine"
  void BitBtn3Click();   // "&Stop !"
  void BitBtn14Click();  // "Traitement polygonale"
  void BitBtn15Click();  // "Pré-traitement Typon ( en phase de codage )"

  // Verification (main_window_verification.cpp).
  void SpinEdit1Change();                  // highlight the contour of the number box
  void Image2ContextPopup(QPoint position);  // right-click selection on the engraving view
  void CheckBox1Click(bool checked);       // "Pastille"
  void CheckBox2Click(bool checked);       // "Inutile"
  void Button1Click();                     // "Epaissir les pistes "
  void Button2Click();                     // "Crénelage"
  void Button3Click();                     // "&Vérifier le fichier de gravure"
  void Button6Click();                     // "Pastille suivante"
  void Button7Click();                     // "Piste utile suivante"
  void Button8Click();                     // "Piste inutile suivante"
  void Button9Click();                     // "Pastille précédente"
  void Button10Click();                    // "Piste utile précédente"
  void Button11Click();                    // "Piste inutile précédente"
  void BitBtn9Click();                     // "Valide": the generation step

  // Engraving file and generation (main_window_generation.cpp).
  void Button5Click();   // "&Charger fichier gravure ( *.grv )"
  void BitBtn10Click();  // "&Sauvegarde du fichier de gravure ( *.grv )"
  void BitBtn6Click();   // "Générer G-CODE (gravure )"
  void BitBtn7Click();   // "Générer G-CODE ( perçage )"
  void BitBtn5Click();   // "&Simulation gravure"
  void BitBtn4Click();   // "&Simulation perçage"

  // Languages and the magnifier (main_window_language.cpp).
  void FormActivate();     // applies the chosen language file again, at every activation
  void ComboBox1Change();  // applies the language file just chosen in the list
  void ListLanguages();    // fills the language list from the program's folder, keeping the text
  void SpeedButton1Click(bool down);  // the magnifier toggle: shows or closes the magnifier

  // Copies the visible part of each working bitmap onto its view, at the scroll offsets.
  void ShowArtworkView();
  void ShowEngravingView();

  // Step 3: called when the processing of the artwork has ended (stopped or not).
  void EnterScalePhase();

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

  // The job settings as their boxes show them, and back.
  MainSettings SettingsFromControls() const;
  void SettingsToControls(const MainSettings& settings);

  // While set, a drag on the artwork view measures a distance instead of panning.
  bool ScaleMode = false;

  // --- controls (public: other windows and later steps reach them) ---------------------
  // Artwork view "Typon d'origine" and engraving view "Gravure anglaise", one shown at a time.
  QGroupBox* GroupBox1 = nullptr;
  BitmapView* Image1 = nullptr;
  QScrollBar* ScrollBar1 = nullptr;  // horizontal offset of Image1
  QScrollBar* ScrollBar2 = nullptr;  // vertical offset of Image1
  QGroupBox* GroupBox2 = nullptr;
  BitmapView* Image2 = nullptr;
  QScrollBar* ScrollBar3 = nullptr;  // horizontal offset of Image2
  QScrollBar* ScrollBar4 = nullptr;  // vertical offset of Image2

  // "Contrôle général".
  QGroupBox* GroupBox8 = nullptr;
  QPushButton* BitBtn1 = nullptr;  // load the artwork
  QPushButton* Button5 = nullptr;  // load an engraving file
  QPushButton* BitBtn3 = nullptr;  // "&Stop !"
  LedLamp* cyAdvLed2 = nullptr;    // next step: load the artwork
  LedLamp* cyAdvLed6 = nullptr;    // next step: load an engraving file
  LedLamp* cyAdvLed3 = nullptr;    // beside "&Stop !"
  QProgressBar* Gauge1 = nullptr;

  // "Réglages généraux".
  QGroupBox* GroupBox4 = nullptr;
  QLabel* Label20 = nullptr;
  QSpinBox* SpinEdit4 = nullptr;  // drill mark half side, 0..20
  QLabel* Label3 = nullptr;
  QSpinBox* SpinEdit2 = nullptr;  // most points of a pad, 2..100
  QPushButton* BitBtn2 = nullptr;  // process the artwork
  LedLamp* cyAdvLed4 = nullptr;
  QPushButton* BitBtn14 = nullptr;  // polygonal processing (hidden)
  QPushButton* BitBtn15 = nullptr;  // artwork pre-processing (hidden)

  // "Mise à l'échelle".
  QGroupBox* GroupBox5 = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* Edit2 = nullptr;  // measured distance, pixels
  QLabel* Label2 = nullptr;
  QLineEdit* Edit3 = nullptr;  // real distance, mm
  QLabel* Label28 = nullptr;
  QLineEdit* Edit1 = nullptr;  // pixel size, mm
  QPushButton* BitBtn8 = nullptr;
  LedLamp* cyAdvLed8 = nullptr;
  QSpinBox* SpinEdit3 = nullptr;  // number of 2.54 mm pitches
  QLabel* Label6 = nullptr;
  QLineEdit* Edit9 = nullptr;  // their length, mm
  QPushButton* BitBtn13 = nullptr;

  // "Vérification du résultat".
  QGroupBox* GroupBox3 = nullptr;
  QLabel* Label21 = nullptr;
  QLabel* Label23 = nullptr;  // useful track count
  QLabel* Label22 = nullptr;
  QLabel* Label24 = nullptr;  // drill count
  QLabel* Label5 = nullptr;
  QSpinBox* SpinEdit1 = nullptr;  // selected contour
  QCheckBox* CheckBox1 = nullptr;  // "Pastille"
  QCheckBox* CheckBox2 = nullptr;  // "Inutile"
  QPushButton* Button1 = nullptr;  // thicken the tracks
  QPushButton* Button2 = nullptr;  // jaggies smoothing (hidden)
  QPushButton* Button3 = nullptr;  // redraw the verification picture
  QPushButton* BitBtn9 = nullptr;  // "Valide"
  LedLamp* cyAdvLed7 = nullptr;
  QLabel* Label9 = nullptr;
  QPushButton* Button6 = nullptr;  // browse buttons (hidden)
  QPushButton* Button7 = nullptr;
  QPushButton* Button8 = nullptr;
  QPushButton* Button9 = nullptr;
  QPushButton* Button10 = nullptr;
  QPushButton* Button11 = nullptr;

  // "Simulation et génération du g-code".
  QGroupBox* GroupBox6 = nullptr;
  QPushButton* BitBtn10 = nullptr;  // save the engraving file
  QPushButton* BitBtn5 = nullptr;   // engraving simulation
  QSpinBox* SpinEdit5 = nullptr;    // its speed, 0..100
  QPushButton* BitBtn4 = nullptr;   // drilling simulation
  QSpinBox* SpinEdit6 = nullptr;    // its pause per hole, 0..10000
  QPushButton* BitBtn6 = nullptr;   // engraving G-code
  QPushButton* BitBtn7 = nullptr;   // drilling G-code
  LedLamp* cyAdvLed5 = nullptr;

  // Job settings (param.txt) and the links to the other windows.
  QGroupBox* GroupBox7 = nullptr;
  QLabel* Label25 = nullptr;
  QLineEdit* Edit4 = nullptr;  // engraving depth, mm
  QLabel* Label29 = nullptr;
  QLabel* Label30 = nullptr;
  QLineEdit* Edit6 = nullptr;  // drilling depth, mm
  QLabel* Label31 = nullptr;
  QLabel* Label26 = nullptr;
  QLineEdit* Edit5 = nullptr;  // retract distance, mm
  QLabel* Label27 = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* Edit7 = nullptr;  // engraving feed, mm/min
  QLabel* Label32 = nullptr;
  QLabel* Label33 = nullptr;
  QLineEdit* Edit8 = nullptr;  // drilling feed, mm/min
  QLabel* Label34 = nullptr;
  QCheckBox* CheckBox3 = nullptr;  // spindle commands in the programs
  QLabel* Label8 = nullptr;
  QComboBox* ComboBox1 = nullptr;  // language entry
  QPushButton* BitBtn11 = nullptr;
  QPushButton* BitBtn12 = nullptr;
  QToolButton* SpeedButton1 = nullptr;  // magnifier toggle
  QPushButton* BitBtn16 = nullptr;

  // Hidden diagnostic lists.
  QPlainTextEdit* Memo1 = nullptr;
  QPlainTextEdit* Memo2 = nullptr;

  // Context menu of the artwork view: the two artwork transformations, which have no
  // visible button in the standard layout.
  QMenu* Image1Menu = nullptr;
  QAction* PreprocessAction = nullptr;  // runs BitBtn15Click
  QAction* PolygonalAction = nullptr;   // runs BitBtn14Click

 protected:
  // Closing the main window ends the program, whatever other window is open.
  void closeEvent(QCloseEvent* event) override;
  // Runs FormActivate whenever the window becomes the active window.
  bool event(QEvent* event) override;

 private:
  void BuildLayout();
  void ConnectHandlers();
  void InstallKeyFilters();
  void UpdatePixelSize();
  void BuildArtworkMenu();
  void UpdateArtworkMenu();
  // Runs a long operation with "&Stop !" enabled and the commands that could start another one
  // disabled; StopRequest is cleared first. Returns false (running nothing) when one already runs.
  bool RunLongOperation(const std::function<void()>& operation);
  // Copies the hidden diagnostic lines of the workspace into Memo1 and Memo2.
  void ShowMemos();
  // The verification panel for the current table: number box range and the selection's boxes.
  void ShowSelectionPanel(const SelectionPanel& panel);
  void SetContourRange();
  // Puts contour `index` into the number box and highlights it.
  void SelectContourNumber(int index);
  void BrowseTo(int index);
  void GenerateProgram(JobMode mode);
  // Puts a read engraving file into the window and enters the verification step.
  void ShowEngravingFile(EngravingFile&& file);
  // Sets a view's two scroll bars without redrawing through their change signals.
  void SetScrollPositions(QScrollBar* horizontal, QScrollBar* vertical, int h, int v);
  PixelPoint ArtworkPoint(QPoint view_position) const;

  // One drag on a view: pressed at `remembered`, in view pixels.
  struct Drag {
    bool active = false;
    QPoint remembered;
  };
  void PanView(Drag& drag, QPoint position, QScrollBar* horizontal, QScrollBar* vertical);

  Prompts& prompts_;
  QString settings_folder_;
  Workspace work_;
  QtHost host_;
  MeasuringLine measuring_line_;
  bool measuring_ = false;  // a button went down on the artwork view in scale mode
  bool artwork_loaded_ = false;  // the artwork bitmap holds a loaded picture (not a .grv blank)
  bool busy_ = false;
  BusyDelay busy_delay_;
  Drag artwork_drag_;
  Drag engraving_drag_;
  // Applies the entry of ComboBox1; `chosen`: the user has just chosen it.
  void ApplyLanguage(bool chosen);
  ReportGate language_report_;
};

}  // namespace pistora
