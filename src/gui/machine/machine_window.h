#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/machine/feed_slider.h"
#include "core/machine/iso_box.h"
#include "core/machine/iso_motion.h"
#include "core/machine/jogging.h"
#include "core/machine/machine_display.h"
#include "core/machine/motion_engine.h"
#include "gui/machine/machine_io.h"

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

class Clock;
class EngineIsoMotion;
class HoldArrowButton;
class JogWorker;
class LedLamp;
class PortIo;
class PortLayer;
class Prompts;
class StopDisc;
class WindowHost;

// The machine window "Gravure de circuits imprimés" (689 x 527): manual control, homing,
// the machine's state and the ISO programs. It owns the machine state and the motion
// operations; the parameter dialog and the copper plate window call them through this one
// instance. Each control's objectName is its member name.
class MachineWindow final : public QWidget, private MachineDisplay {
  Q_OBJECT
 public:
  explicit MachineWindow(Prompts& prompts, MachineIo io = {}, QWidget* parent = nullptr);
  ~MachineWindow() override;

  // ---- The machine, for the other windows --------------------------------------------------
  MachineState& State() { return state_; }
  MotionEngine& Engine() { return *engine_; }
  PortLayer& Port() { return *port_layer_; }
  // Moves as a program run makes them (feed words through the feed slider).
  IsoMotion& Motion();

  // Machine zero on the limit switches ("Zéro Machine").
  void HomeMachine();
  // That axis's position becomes 0, shown "0.000" ("RAZ").
  void ZeroAxisX();
  void ZeroAxisY();
  void ZeroAxisZ();
  // Straight move at the work feed; the STOP disc acts inside it.
  void MoveTo(double x, double y, double z);

  // A move, homing cycle, jog step or program run is under way.
  bool Busy() const { return running_ || engine_->Busy(); }
  // Where cn.dat and the pictures are.
  const QString& Folder() const { return folder_; }

  // The three "Aller à" target boxes to "0.000" / the Z box alone.
  void SetTargetsToZero();
  void SetTargetZToZero();

  // The STOP disc pressed: StopFlag set, disc red. Other windows' STOP discs call it.
  void StopDiscMouseDown();
  // "Raz" beside the disc: ring yellow, StopFlag cleared. Other windows' "Raz" call it.
  void Button5Click();

  // The repetition totals under the copy counts, as shown (mm; the plate window reads them).
  QString RepetitionTotalXText() const;
  QString RepetitionTotalYText() const;

  // The work has been placed on the plate: "Valide &Réglage niveau Z" enabled,
  // "&Réglage position gravure" disabled (before the plate window homes and moves).
  void PlacementDone();

  // Each activation: cn.dat re-read (a message when it cannot be), outputs to 0; skipped while
  // the machine moves or a program runs.
  void FormActivate();

  // ---- Jogging (the arrows, or another window forwarding its own Z arrows) ----------------
  // Press starts the jog worker, release stops it and shows the position.
  void JogPress(JogDirection direction);
  void JogRelease();
  // One jog step on this thread, as the worker has it run (tests call it directly).
  JogStepOutcome JogStep();
  const Jogger& Jog() const { return *jogger_; }

  // ---- Seams for tests ---------------------------------------------------------------------
  // Called at every event pump of a move, homing or program run, before pending events run.
  void SetPumpHook(std::function<void()> hook);
  // Loads the programs as the two open dialogs would (the dialogs ask the prompts).
  bool LoadEngravingProgram(const QString& path);
  bool LoadDrillingProgram(const QString& path);
  QString MessageLine() const;

  // ---- Controls (objectName = member name; captions named as the language files name them) -
  QMenuBar* MainMenu1 = nullptr;
  QMenu* MenuOption = nullptr;         // "&Option"
  QAction* MenuPortSetup = nullptr;    // "&Paramétrage du port parallèle" (page 0)
  QAction* MenuGeometry = nullptr;     // "&Réglage géométrie machine" (page 1)
  QAction* MenuSurfacing = nullptr;    // "&Surfaçage plan de travail" (page 2)
  QAction* MenuCopper = nullptr;       // "Réglage &Cuivre" (page 3)

  // "Position et déplacements manuels"
  QGroupBox* GroupBox1 = nullptr;
  QLabel* Label1 = nullptr;        // X position, large green on black, "0.000"
  QLabel* Label2 = nullptr;        // Y position
  QLabel* Label3 = nullptr;        // Z position
  QPushButton* Button2 = nullptr;  // "RAZ" X
  QPushButton* Button3 = nullptr;  // "RAZ" Y
  QPushButton* Button4 = nullptr;  // "RAZ" Z
  QPushButton* Button1 = nullptr;  // "Aller à"
  QLineEdit* Edit1 = nullptr;      // "Aller à" X target, "0.000"
  QLineEdit* Edit2 = nullptr;      // Y target
  QLineEdit* Edit3 = nullptr;      // Z target
  HoldArrowButton* BitBtn1 = nullptr;  // "X+" (droite)
  HoldArrowButton* BitBtn2 = nullptr;  // "X-" (gauche)
  HoldArrowButton* BitBtn3 = nullptr;  // "Y+" (devant)
  HoldArrowButton* BitBtn4 = nullptr;  // "Y-" (derriere)
  HoldArrowButton* BitBtn5 = nullptr;  // "Z+" (haut)
  HoldArrowButton* BitBtn6 = nullptr;  // "Z-" (bas)
  QLabel* Label4 = nullptr;        // "(0;0)" at the centre of the cross
  QLabel* Label5 = nullptr;        // "Z0" in the Z column
  QPushButton* BitBtn7 = nullptr;  // "Broche", led1on.bmp / led1off.bmp

  // "Etat machine"
  QGroupBox* GroupBox2 = nullptr;
  LedLamp* cyAdvLed1 = nullptr;  // Label10 "Butée axe x"
  LedLamp* cyAdvLed2 = nullptr;  // Label11 "Butée axe y"
  LedLamp* cyAdvLed3 = nullptr;  // Label12 "Butée axe z"
  LedLamp* cyAdvLed4 = nullptr;  // Label13 "Palpeur outil"
  LedLamp* cyAdvLed5 = nullptr;  // Label14 "Arrêt d'urgence"
  QLabel* Label10 = nullptr;
  QLabel* Label11 = nullptr;
  QLabel* Label12 = nullptr;
  QLabel* Label13 = nullptr;
  QLabel* Label14 = nullptr;
  StopDisc* Shape1 = nullptr;      // the STOP disc; its word is Label15 "STOP"
  QPushButton* Button5 = nullptr;  // "Raz"
  QSlider* TrackBar1 = nullptr;    // feed, 1 .. MaxFeed
  QLabel* Label16 = nullptr;       // "Avance de travail"
  QLabel* Label17 = nullptr;       // its value ("150")
  QLabel* Label19 = nullptr;       // "mm/mn"
  QLabel* Label35 = nullptr;       // "Avance Réelle"
  QLabel* Label33 = nullptr;       // its value ("0")
  QLabel* Label34 = nullptr;       // "mm/mn"

  // "Message machine"
  QGroupBox* GroupBox3 = nullptr;
  QLabel* Label6 = nullptr;  // the message line

  // "Code ISO"
  QGroupBox* GroupBox4 = nullptr;
  QPushButton* BitBtn9 = nullptr;   // "&Charger gravure ISO"
  QPushButton* BitBtn13 = nullptr;  // "Charger &perçage ISO"
  QPushButton* BitBtn11 = nullptr;  // "&Réglage position gravure"
  QPushButton* BitBtn12 = nullptr;  // "Valide &Réglage niveau Z"
  QPushButton* BitBtn10 = nullptr;  // "Démarrer la gravure"
  QLabel* Label18 = nullptr;        // "Gravure : "
  QLabel* Label8 = nullptr;         // the engraving file, yellow
  QLabel* Label51 = nullptr;        // "Perçage : "
  QLabel* Label9 = nullptr;         // the drilling file, yellow
  QGroupBox* GroupBox6 = nullptr;   // "Information programme"
  QLabel* Label22 = nullptr;        // "Taille X :"
  QLabel* Label24 = nullptr;        // its value, Label25 "mm"
  QLabel* Label23 = nullptr;        // "Taille Y :"
  QLabel* Label26 = nullptr;        // its value, Label30 "mm"
  QLabel* Label28 = nullptr;        // "Longueur :"
  QLabel* Label29 = nullptr;        // its value, Label27 "mm"
  QLabel* Label31 = nullptr;        // "Temps estimé :"
  QLabel* Label32 = nullptr;        // its value, Label44 "s"
  QGroupBox* GroupBox7 = nullptr;   // "Option de répétition"
  QLabel* Label45 = nullptr;        // "Répétition sur axe X"
  QSpinBox* SpinEdit1 = nullptr;    // 1 .. 100
  QLabel* Label49 = nullptr;        // total X (black when it fits the plate, red otherwise), Label47 "mm"
  QLabel* Label46 = nullptr;        // "Répétition sur axe Y"
  QSpinBox* SpinEdit2 = nullptr;
  QLabel* Label50 = nullptr;        // total Y, Label48 "mm"
  QProgressBar* ProgressBar1 = nullptr;

  // "Commandes"
  QGroupBox* GroupBox5 = nullptr;
  QPushButton* BitBtn8 = nullptr;  // "Zéro Machine"

  // "Fonction"
  QGroupBox* GroupBox8 = nullptr;
  QLabel* Image1 = nullptr;         // grav.bmp / perc.bmp
  QLabel* Label53 = nullptr;        // the mode's name
  QPushButton* BitBtn14 = nullptr;  // "&Bascule"

  QTimer* Timer1 = nullptr;  // the 100 ms status timer

  bool DrillingMode() const { return drilling_mode_; }
  bool SpindleOn() const { return spindle_on_; }

 protected:
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // MachineDisplay
  void ShowPositions(const std::string& x, const std::string& y, const std::string& z) override;
  void ShowRealFeed(const std::string& text) override;
  void PaintStopDisc(bool red) override;
  void SetLamp(Lamp lamp, bool on) override;
  void ShowMessage(const std::string& text) override;

  void BuildLayout();
  void BuildPositionBox();
  void BuildStateBox();
  void BuildIsoBox();
  void ConnectHandlers();
  void FormCreate();

  // Handlers
  void Button1Click();   // "Aller à"
  void Label4Click();    // "(0;0)"
  void Label5Click();    // "Z0"
  void BitBtn7Click();   // "Broche"
  void BitBtn9Click();   // "&Charger gravure ISO"
  void BitBtn13Click();   // "Charger &perçage ISO"
  void BitBtn11Click();   // "&Réglage position gravure"
  void BitBtn12Click();   // "Valide &Réglage niveau Z"
  void BitBtn10Click();  // "Démarrer la gravure"
  void BitBtn8Click();  // "Zéro Machine"
  void BitBtn14Click();  // "&Bascule"
  void SpinEdit1Change();
  void TrackBar1Change(int position);
  void Timer1Timer();
  void OptionClick(int page);

  void FeedChanged(std::int32_t feed);
  void ShowProgramInfo();
  void ShowRepetition();
  void ShowMode(const QString& caption);
  QString ModeName() const;
  void ApplyButtonStates();
  QString PicturePath(const QString& name) const;
  bool RunOneCopy();

  Prompts& prompts_;
  QString folder_;
  std::unique_ptr<Clock> own_clock_;
  std::unique_ptr<PortIo> own_port_;
  Clock* clock_ = nullptr;
  MachineState state_;
  std::unique_ptr<WindowHost> host_;
  std::unique_ptr<PortLayer> port_layer_;
  std::unique_ptr<MotionEngine> engine_;
  std::unique_ptr<Jogger> jogger_;
  FeedSlider feed_slider_;
  std::unique_ptr<EngineIsoMotion> iso_motion_;
  std::unique_ptr<JogWorker> jog_worker_;
  std::string startup_message_;

  std::vector<std::string> engraving_lines_;
  std::vector<std::string> drilling_lines_;
  QString engraving_file_;
  QString drilling_file_;
  double extent_x_ = 0;
  double extent_y_ = 0;
  double program_length_ = 0;
  bool drilling_mode_ = false;
  bool spindle_on_ = false;
  IsoBoxButtons buttons_;
  bool running_ = false;  // a program is being analysed or run
};

}  // namespace pistora
