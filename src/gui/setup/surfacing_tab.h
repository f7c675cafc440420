#pragma once

#include <QWidget>
#include <memory>

#include "core/machine/jogging.h"
#include "core/machine/surfacing.h"
#include "core/machine/table_setup.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pistora {

class HoldArrowButton;
class Prompts;
class QtPrompts;
class MachineWindow;
class SetupMotion;
class StopDisc;

// The parameter dialog's third page, "Surfaçage de la table": the six surfacing values of cn.dat
// and the three steps that mill the machine table flat ("Réglage zéro Table", the Z approach
// and "Validation réglage des z", "Démarrer le surfacage"), with the page's STOP disc and "Raz".
// The dialog loads and saves Edit5, Edit8 to Edit12 with the other cn.dat boxes (found by
// objectName); the page keeps its step state while the dialog is hidden and shown.
// Each control's objectName is its member name.
class SurfacingTab final : public QWidget {
  Q_OBJECT
 public:
  // `motion`: the machine the steps drive; null: none (the steps say so).
  explicit SurfacingTab(QWidget* parent = nullptr, SetupMotion* motion = nullptr);
  ~SurfacingTab() override;

  const SurfacingPage& Page() const { return page_; }

  // Where the page's messages go (real message boxes by default; tests script them).
  void SetPrompts(Prompts& prompts);

  // Handlers (public so that tests drive them as a click would).
  void Button11Click();  // "Réglage zéro Table"
  void Button1Click();   // "Aller à" (Z approach to Edit13)
  void Button13Click();  // "Validation réglage des z"
  void Button12Click();  // "Démarrer le surfacage"
  void StopMouseDown();  // the page's STOP disc (ring, circle or word)
  void Button2Click();   // "Raz"

  QGroupBox* GroupBox7 = nullptr;  // "Surfaçage plan de travail"
  QLabel* Label21 = nullptr;       // "Offset axe X : "
  QLineEdit* Edit5 = nullptr;      // SurfaceOffsetX, "17.25"
  QLabel* UnitSurfaceOffsetX = nullptr;
  QLabel* Label24 = nullptr;       // "Offset axe Y : "
  QLineEdit* Edit8 = nullptr;      // SurfaceOffsetY, "12.25"
  QLabel* UnitSurfaceOffsetY = nullptr;
  QLabel* LabelSurfaceSizeX = nullptr;  // "Dimenssion X : "
  QLineEdit* Edit9 = nullptr;      // SurfaceSizeX, "200.5"
  QLabel* UnitSurfaceSizeX = nullptr;
  QLabel* LabelSurfaceSizeY = nullptr;  // "Dimenssion Y :"
  QLineEdit* Edit10 = nullptr;     // SurfaceSizeY, "150.5"
  QLabel* UnitSurfaceSizeY = nullptr;
  QLabel* Label30 = nullptr;       // "Profondeur de passe :  "
  QLineEdit* Edit11 = nullptr;     // SurfacePassDepth, "0.4"
  QLabel* UnitSurfacePassDepth = nullptr;
  QLabel* Label31 = nullptr;       // "Encart entre deux passes : "
  QLineEdit* Edit12 = nullptr;     // SurfaceStepOver, "1"
  QLabel* UnitSurfaceStepOver = nullptr;

  QPushButton* Button11 = nullptr;  // "Réglage zéro Table"
  QLabel* Label39 = nullptr;        // "Réglage Axe Z"
  QLineEdit* Edit13 = nullptr;      // Z target of the approach, "-30" (signed decimal)
  QPushButton* Button1 = nullptr;   // "Aller à"
  HoldArrowButton* BitBtn4 = nullptr;  // jog Z up while held (forwarded to the machine's "haut")
  HoldArrowButton* BitBtn5 = nullptr;  // jog Z down while held (the machine's "bas")
  QPushButton* Button13 = nullptr;  // "Validation réglage des z"
  QPushButton* Button12 = nullptr;  // "Démarrer le surfacage"
  StopDisc* Shape1 = nullptr;       // the STOP disc; its word is Label38 "STOP"
  QPushButton* Button2 = nullptr;   // "Raz"

 private:
  void BuildLayout();
  void ConnectHandlers();
  // The step controls' enabled states, as the page's state has them.
  void ApplyControls();
  SurfacingTexts Texts() const;
  // The machine window (null before it exists) and the motion the steps drive (null, with a
  // message, when there is none).
  MachineWindow* Machine() const;
  SetupMotion* Motion();
  // Shows a refusal; true when the step went ahead.
  bool Report(const Status& status);
  // Press or release of one of the machine window's Z arrows.
  void ForwardJog(JogDirection direction, bool press);

  SurfacingPage page_;
  SetupMotion* motion_ = nullptr;
  std::unique_ptr<QtPrompts> own_prompts_;
  Prompts* prompts_ = nullptr;
};

}  // namespace pistora
