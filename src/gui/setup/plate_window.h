#pragma once

#include <QWidget>
#include <memory>

class QGroupBox;
class QLabel;
class QPushButton;

namespace pistora {

class Prompts;
class QtPrompts;
class PlatePreviewView;
class StopDisc;
class MachineWindow;

// The copper plate window "Réglage position de gravure" (713 x 467): a preview of the plate with
// its unusable border, and the job rectangle the user drags to choose where the board goes; then
// the machine homes, moves over that point and makes it the work zero. It works on the machine
// window's one instance. Each control's objectName is its member name.
class PlateWindow final : public QWidget {
  Q_OBJECT
 public:
  // `prompts`: where messages go; null means the real message boxes.
  explicit PlateWindow(QWidget* parent = nullptr, Prompts* prompts = nullptr);
  ~PlateWindow() override;

  // The preview from the machine window's parameters and job size, the job back in the inner
  // lower-left corner, the start point at the border values. A job size that is no number is
  // reported and the previous preview stays.
  void DrawPlatePreview();

  // Handlers (public so that tests drive them as a click would).
  void BitBtn1Click();     // "Nouvelle plaque"
  void BitBtn2Click();     // "&Positionner la broche et sortir"
  void BitBtn3Click();     // "&Sortir sans rien faire"
  void Shape1MouseDown();  // the STOP disc (ring, circle or word)
  void Button5Click();     // "Raz"

  // "Prévisualisation"
  QGroupBox* GroupBox1 = nullptr;
  PlatePreviewView* Image1 = nullptr;  // 353 x 265

  // "Commandes"
  QGroupBox* GroupBox2 = nullptr;
  QPushButton* BitBtn1 = nullptr;  // "Nouvelle plaque"
  QPushButton* BitBtn2 = nullptr;  // "&Positionner la broche et sortir"
  QPushButton* BitBtn3 = nullptr;  // "&Sortir sans rien faire"
  StopDisc* Shape1 = nullptr;      // the STOP disc; its word is Label15 "STOP"
  QPushButton* Button5 = nullptr;  // "Raz"

  // "Légende"
  QGroupBox* GroupBox3 = nullptr;
  QLabel* Shape2 = nullptr;  // copper sample
  QLabel* Shape3 = nullptr;  // copper hatched red
  QLabel* Shape4 = nullptr;  // pure blue
  QLabel* Shape5 = nullptr;  // copper hatched green
  QLabel* Label1 = nullptr;  // "Surface cuivrée"
  QLabel* Label2 = nullptr;  // "Zone interdite"
  QLabel* Label3 = nullptr;  // "Gravure en cours"
  QLabel* Label4 = nullptr;  // "Zone déja gravée"
  QLabel* Label5 = nullptr;  // "Point de départ gravure"
  QLabel* Label6 = nullptr;  // "X"
  QLabel* Label8 = nullptr;  // EngraveStartX, "0.000"
  QLabel* Label7 = nullptr;  // "Y"
  QLabel* Label9 = nullptr;  // EngraveStartY, "0.000"

  // "Gestion des plaques de cuivre" (empty)
  QGroupBox* GroupBox4 = nullptr;

 private:
  void BuildLayout();
  void BuildCommandBox();
  void BuildLegendBox();
  void ConnectHandlers();
  void ShowStartPoint();
  Prompts& Messages();
  // The machine window's one instance; null (with a message) before it exists.
  MachineWindow* Machine();

  Prompts* prompts_ = nullptr;
  std::unique_ptr<QtPrompts> own_prompts_;
};

}  // namespace pistora
