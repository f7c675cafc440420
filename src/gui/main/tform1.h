#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

#include "core/artwork/scale.h"
#include "core/artwork/workspace.h"
#include "core/settings/main_settings.h"
#include "gui/adapters/qt_host.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
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
class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // `settings_folder` holds param.txt; empty means the executable's folder.
  explicit TForm1(Prompts& prompts, QString settings_folder = QString(), QWidget* parent = nullptr);
  ~TForm1() override;

  Workspace& Work() { return work_; }
  const Workspace& Work() const { return work_; }
  Host& UiHost() { return host_; }
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

  // Copies the visible part of each working bitmap onto its view, at the scroll offsets.
  void ShowArtworkView();
  void ShowEngravingView();

  // Step 3: called when the processing of the artwork has ended (stopped or not).
  void EnterScalePhase();

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

 protected:
  // Closing the main window ends the program, whatever other window is open.
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildLayout();
  void ConnectHandlers();
  void InstallKeyFilters();
  void UpdatePixelSize();
  // Fills the engraving bitmap with the verification picture of the current contour table.
  void RedrawVerificationPicture();
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
  Drag artwork_drag_;
  Drag engraving_drag_;
};

}  // namespace pistora
