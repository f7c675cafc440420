// The copper plate window over a real machine window on the simulated machine: the preview it
// draws, dragging the job, leaving, placing the spindle, and the STOP disc.
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <array>
#include <memory>

#include "core/machine/homing.h"
#include "core/machine/plate_placement.h"
#include "gui/adapters/scripted_prompts.h"
#include "gui/app/app_windows.h"
#include "gui/app/startup.h"
#include "gui/machine/machine_window.h"
#include "gui/setup/plate_preview_view.h"
#include "gui/setup/plate_window.h"
#include "gui/widgets/stop_disc.h"
#include "gui/support/simulated_machine_window.h"

using namespace pistora;

namespace {

const QRgb kCopper = qRgb(255, 202, 174);
const QRgb kJobOnCopper = qRgb(0, 53, 174);
const QRgb kRed = qRgb(255, 0, 0);

std::int64_t TotalSteps(const SimulatedMachine& m) {
  return m.StepCount(Axis::X) + m.StepCount(Axis::Y) + m.StepCount(Axis::Z);
}

// Colours found in a rectangle of the image (right and bottom excluded).
QSet<QRgb> ColoursIn(const QImage& image, const PreviewRect& r) {
  QSet<QRgb> colours;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) colours.insert(image.pixel(x, y) | 0xff000000);
  }
  return colours;
}

}  // namespace

class PlateWindowTest : public QObject {
  Q_OBJECT

 private:
  // The machine window on a simulated machine with a 30 x 20 mm program loaded, and the plate
  // window, registered as the one instances.
  void Make() {
    // Only the X switch wired (on Error): homing seeks X alone.
    QVERIFY(WriteSimulatedCnDat(folder_->path(), {{CnLine::LimitXInput, "1"}}));
    rig_ = std::make_unique<SimulatedMachineWindow>(prompts_, folder_->path());
    window_ = &rig_->Window();
    machine_ = &rig_->Machine();
    plate_ = std::make_unique<PlateWindow>(nullptr, &prompts_);
    Windows().plate = plate_.get();

    const QString program = QDir(folder_->path()).filePath("g.iso");
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("G00 X0 Y0\r\nG01 X30 Y0 F300\r\nG01 X30 Y20\r\nG01 X0 Y0\r\n");
    file.close();
    prompts_.QueueFileName(program);
    window_->BitBtn9->click();
    QVERIFY(window_->BitBtn11->isEnabled());
    prompts_.ClearMessages();
  }

  // "&Réglage position gravure" in the machine window.
  void Open() {
    window_->BitBtn11->click();
    QVERIFY(plate_->isVisible());
  }

  void Drag(QPoint from, QPoint to) {
    QTest::mousePress(plate_->Image1, Qt::LeftButton, {}, from);
    QTest::mouseMove(plate_->Image1, to);
    QTest::mouseRelease(plate_->Image1, Qt::LeftButton, {}, to);
  }

  std::unique_ptr<QTemporaryDir> folder_;
  ScriptedPrompts prompts_;
  std::unique_ptr<SimulatedMachineWindow> rig_;
  MachineWindow* window_ = nullptr;
  SimulatedMachine* machine_ = nullptr;
  std::unique_ptr<PlateWindow> plate_;

 private slots:
  void initTestCase() { ApplyUiFont(); }

  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    prompts_.ClearMessages();
  }

  void cleanup() {
    Windows().plate = nullptr;
    plate_.reset();
    rig_.reset();
  }

  void HasItsGroupsAndControls() {
    Make();
    QCOMPARE(plate_->size(), QSize(713, 467));
    QCOMPARE(plate_->windowTitle(), QString::fromUtf8("Réglage position de gravure"));
    const struct {
      const char* name;
      const char* caption;
    } captions[] = {{"GroupBox1", "Prévisualisation"}, {"GroupBox2", "Commandes"},
                    {"GroupBox3", "Légende"}, {"GroupBox4", "Gestion des plaques de cuivre"},
                    {"BitBtn1", "Nouvelle plaque"}, {"BitBtn2", "&Positionner la broche et sortir"},
                    {"BitBtn3", "&Sortir sans rien faire"}, {"Button5", "Raz"}, {"Label15", "STOP"},
                    {"Label1", "Surface cuivrée"}, {"Label2", "Zone interdite"},
                    {"Label3", "Gravure en cours"}, {"Label4", "Zone déja gravée"},
                    {"Label5", "Point de départ gravure"}, {"Label6", "X"}, {"Label7", "Y"},
                    {"Label8", "0.000"}, {"Label9", "0.000"}};
    for (const auto& c : captions) {
      QObject* control = plate_->findChild<QObject*>(QString::fromLatin1(c.name));
      QVERIFY2(control != nullptr, c.name);
      const QVariant text = control->property(qobject_cast<QGroupBox*>(control) ? "title" : "text");
      QCOMPARE(text.toString(), QString::fromUtf8(c.caption));
    }
    QCOMPARE(plate_->Image1->size(), QSize(353, 265));
    // The legend samples: copper, copper hatched red, pure blue, copper hatched green.
    const QImage copper = plate_->Shape2->pixmap().toImage();
    QCOMPARE(copper.pixel(3, 3) | 0xff000000, kCopper);
    QCOMPARE(plate_->Shape4->pixmap().toImage().pixel(3, 3) | 0xff000000, qRgb(0, 0, 255));
    const QImage forbidden = plate_->Shape3->pixmap().toImage();
    QVERIFY(ColoursIn(forbidden, {0, 0, forbidden.width(), forbidden.height()}) ==
            (QSet<QRgb>{kCopper, kRed}));
    const QImage engraved = plate_->Shape5->pixmap().toImage();
    QVERIFY(ColoursIn(engraved, {0, 0, engraved.width(), engraved.height()}) ==
            (QSet<QRgb>{kCopper, qRgb(0, 255, 0)}));
  }

  void TheMachineWindowOpensItWithAFreshPreview() {
    Make();
    Open();
    QCOMPARE(plate_->Label8->text(), QStringLiteral("7.000"));
    QCOMPARE(plate_->Label9->text(), QStringLiteral("7.000"));
    const PlatePreview& preview = plate_->Image1->Preview();
    QCOMPARE(preview.BorderX(), 12);
    QCOMPARE(preview.BorderY(), 12);
    // 30 x 20 mm: 353 × 30 / 200 = 52.95 and 265 × 20 / 150 = 35.33 pixels.
    QCOMPARE(preview.JobRect(), (PreviewRect{12, 253 - 35, 12 + 53, 253}));

    const QImage image = plate_->Image1->Image();
    QCOMPARE(image.size(), QSize(353, 265));
    QCOMPARE(ColoursIn(image, preview.JobRect()), QSet<QRgb>{kJobOnCopper});
    QCOMPARE(ColoursIn(image, {65, 12, 341, 253}), QSet<QRgb>{kCopper});  // right of the job
    QCOMPARE(ColoursIn(image, {12, 12, 341, 218}), QSet<QRgb>{kCopper});  // above it
    for (const PreviewRect& strip : preview.BorderStrips()) {
      QCOMPARE(ColoursIn(image, strip), (QSet<QRgb>{kCopper, kRed}));
    }
    QCOMPARE(image.pixel(0, 0) | 0xff000000, qRgb(255, 255, 255));  // outside (1, 1)–(W, H)
    QVERIFY(prompts_.Errors().isEmpty());
  }

  void DraggingMovesTheStartPointAndStaysInsideTheBorder() {
    Make();
    Open();
    Drag({20, 250}, {100, 200});
    QCOMPARE(plate_->Image1->Preview().JobRect(), (PreviewRect{100, 200 - 35, 100 + 53, 200}));
    QCOMPARE(plate_->Label8->text(), QStringLiteral("56.657"));  // 100 × 200 / 353
    QCOMPARE(plate_->Label9->text(), QStringLiteral("36.792"));  // (265 − 200) × 150 / 265
    const QImage image = plate_->Image1->Image();
    QCOMPARE(image.pixel(120, 180) | 0xff000000, kJobOnCopper);
    QCOMPARE(image.pixel(30, 240) | 0xff000000, kCopper);  // where it was: erased

    // Far outside the preview: against the nearest inner borders.
    Drag({100, 200}, {5000, -5000});
    QCOMPARE(plate_->Image1->Preview().JobRect(), (PreviewRect{353 - 53 - 12, 12, 353 - 12, 12 + 35}));
    QCOMPARE(plate_->Label8->text(), QStringLiteral("163.173"));  // 288 × 200 / 353
    Drag({300, 40}, {-300, 900});
    QCOMPARE(plate_->Image1->Preview().JobRect(), (PreviewRect{12, 253 - 35, 12 + 53, 253}));
    QCOMPARE(plate_->Label8->text(), QStringLiteral("6.799"));  // the pixel corner scaled back

    // Moves without a button held do nothing.
    QTest::mouseMove(plate_->Image1, {150, 150});
    QCOMPARE(plate_->Image1->Preview().JobLeft(), 12);
  }

  void LeavingWithoutDoingAnythingThenReopeningPutsTheJobBack() {
    Make();
    Open();
    Drag({20, 250}, {150, 150});
    QVERIFY(plate_->Label8->text() != QStringLiteral("7.000"));
    plate_->BitBtn3->click();
    QVERIFY(!plate_->isVisible());
    QCOMPARE(TotalSteps(*machine_), 0);
    QVERIFY(window_->BitBtn11->isEnabled());  // the machine window was told nothing
    QVERIFY(!window_->BitBtn12->isEnabled());
    Open();
    QCOMPARE(plate_->Image1->Preview().JobLeft(), 12);
    QCOMPARE(plate_->Image1->Preview().JobBottom(), 253);
    QCOMPARE(plate_->Label8->text(), QStringLiteral("7.000"));
    QCOMPARE(plate_->Label9->text(), QStringLiteral("7.000"));
  }

  void PositioningHomesMovesOverTheStartPointAndMakesItTheZero() {
    Make();
    machine_->SetTravel(Axis::X, -200, 1000000);  // the X switch 1.5 mm below the start
    Open();
    plate_->BitBtn2->click();
    QVERIFY(!plate_->isVisible());
    QVERIFY(prompts_.Errors().isEmpty());
    QVERIFY(window_->BitBtn12->isEnabled());
    QVERIFY(!window_->BitBtn11->isEnabled());
    // X: switch, back-off, then the start point 7 mm plus the origin 17.25 mm. Y has no switch
    // wired, so it only moves 7 + 12.25 mm.
    const std::int64_t back_off = LimitBackOffSteps(window_->State().Parameters, Axis::X);
    QCOMPARE(machine_->PositionSteps(Axis::X), -200 + back_off + 3233);  // 24.25 × 133.3333
    QCOMPARE(machine_->PositionSteps(Axis::Y), 2567);                    // 19.25 × 133.3333
    QCOMPARE(machine_->PositionSteps(Axis::Z), 0);
    QCOMPARE(window_->State().Position, (std::array<double, 3>{0, 0, 0}));
    QCOMPARE(window_->Label1->text(), QStringLiteral("0.000"));
    QCOMPARE(window_->Label2->text(), QStringLiteral("0.000"));
  }

  void StopDuringTheHomingStillZeroesAndCloses() {
    Make();
    machine_->SetTravel(Axis::X, -100000, 1000000);  // a long seek
    window_->MoveTo(0, 2, 0);  // Y has no switch: the homing leaves it where it is
    Open();
    long pumps = 0;
    window_->SetPumpHook([&] {
      if (++pumps == 50) QTest::mousePress(plate_->Shape1, Qt::LeftButton, {}, QPoint(34, 34));
    });
    plate_->BitBtn2->click();
    window_->SetPumpHook({});
    QVERIFY(window_->State().StopFlag);
    QVERIFY(plate_->Shape1->ShowsRed());
    QVERIFY(!plate_->isVisible());
    QVERIFY(machine_->PositionSteps(Axis::X) < 0);  // stopped on its way to the switch
    QCOMPARE(machine_->PositionSteps(Axis::Y), 267);  // the move never ran
    // Zeroed where the machine stands, Y included.
    QCOMPARE(window_->State().Position, (std::array<double, 3>{0, 0, 0}));
    QCOMPARE(window_->Label2->text(), QStringLiteral("0.000"));
    QVERIFY(window_->BitBtn12->isEnabled());
  }

  void PositioningIsRefusedWhileTheMachineMoves() {
    Make();
    Open();
    bool clicked = false;
    window_->SetPumpHook([&] {
      if (clicked) return;
      clicked = true;
      plate_->BitBtn2->click();  // pressed while "Aller à" still runs
    });
    window_->MoveTo(2, 0, 0);
    window_->SetPumpHook({});
    QVERIFY(clicked);
    QCOMPARE(prompts_.Errors(), QStringList{QString::fromUtf8(kPlacementBusyMessage)});
    QVERIFY(plate_->isVisible());
    QCOMPARE(machine_->PositionSteps(Axis::X), 267);  // only the move that was running
    QCOMPARE(machine_->PositionSteps(Axis::Y), 0);
    QVERIFY(window_->BitBtn11->isEnabled());
    QVERIFY(!window_->BitBtn12->isEnabled());
  }

  void StopDiscLatchesTheMachineAndRazClearsIt() {
    Make();
    Open();
    QVERIFY(!window_->State().StopFlag);
    QTest::mousePress(plate_->Shape1->Word(), Qt::LeftButton);  // the word is part of the disc
    QVERIFY(window_->State().StopFlag);
    QVERIFY(plate_->Shape1->ShowsRed());
    QVERIFY(window_->Shape1->ShowsRed());
    window_->MoveTo(1, 0, 0);
    QCOMPARE(TotalSteps(*machine_), 0);
    plate_->Button5->click();
    QVERIFY(!window_->State().StopFlag);
    QCOMPARE(plate_->Shape1->RingColour(), QColor(255, 255, 0));
    QCOMPARE(window_->Shape1->RingColour(), QColor(255, 255, 0));
    window_->MoveTo(1, 0, 0);
    QCOMPARE(machine_->PositionSteps(Axis::X), 133);
  }

  void AJobSizeThatIsNoNumberKeepsThePreviousPreview() {
    Make();
    Open();
    Drag({20, 250}, {100, 200});
    const QImage before = plate_->Image1->Image();
    window_->Label50->setText(QStringLiteral("abc"));
    plate_->BitBtn1->click();
    QCOMPARE(prompts_.Errors().size(), 1);
    QVERIFY(prompts_.Errors()[0].contains(QStringLiteral("\"abc\"")));
    QCOMPARE(plate_->Image1->Image(), before);
    QCOMPARE(plate_->Label8->text(), QStringLiteral("56.657"));
    // A good total again: a fresh plate.
    window_->SpinEdit2->setValue(2);  // 2 × 20 + 5 = 45 mm
    plate_->BitBtn1->click();
    QCOMPARE(prompts_.Errors().size(), 1);
    QCOMPARE(plate_->Label8->text(), QStringLiteral("7.000"));
    QCOMPARE(plate_->Image1->Preview().JobRect(), (PreviewRect{12, 253 - 80, 12 + 53, 253}));
  }
};

QTEST_MAIN(PlateWindowTest)
#include "plate_window_test.moc"
