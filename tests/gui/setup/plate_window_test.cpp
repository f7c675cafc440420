// The copper plate window and the machine window over one session on the simulated machine: the
// preview it draws, dragging the job, leaving, placing the spindle, and the STOP disc that both
// windows show.
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
#include "core/machine/machine_session.h"
#include "core/windows/machine_window_controls.h"
#include "core/windows/plate_window_controls.h"
#include "gui/app/startup.h"
#include "gui/machine/machine_window.h"
#include "gui/setup/plate_preview_view.h"
#include "gui/setup/plate_window.h"
#include "gui/widgets/named_control.h"
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
    session_ = &rig_->Session();
    plate_ = std::make_unique<PlateWindow>(*session_, &prompts_);
    connect(window_, &MachineWindow::PlateWindowRequested, plate_.get(), &PlateWindow::OpenWithNewPlate);

    const QString program = QDir(folder_->path()).filePath("g.iso");
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("G00 X0 Y0\r\nG01 X30 Y0 F300\r\nG01 X30 Y20\r\nG01 X0 Y0\r\n");
    file.close();
    prompts_.QueueFileName(program);
    Machine<QPushButton>(MachineControl::kLoadEngravingButton)->click();
    QVERIFY(Machine(MachineControl::kPlacementButton)->isEnabled());
    prompts_.ClearMessages();
  }

  template <typename W = QWidget>
  W* Machine(MachineControl role) {
    return FindControl<W>(*window_, role);
  }
  template <typename W = QWidget>
  W* Plate(PlateControl role) {
    return FindControl<W>(*plate_, role);
  }
  PlatePreviewView* Preview() { return Plate<PlatePreviewView>(PlateControl::kPreview); }
  QString PlateText(PlateControl role) { return Plate<QLabel>(role)->text(); }

  // "&Réglage position gravure" in the machine window.
  void Open() {
    Machine<QPushButton>(MachineControl::kPlacementButton)->click();
    QVERIFY(plate_->isVisible());
  }

  void Drag(QPoint from, QPoint to) {
    QTest::mousePress(Preview(), Qt::LeftButton, {}, from);
    QTest::mouseMove(Preview(), to);
    QTest::mouseRelease(Preview(), Qt::LeftButton, {}, to);
  }

  std::unique_ptr<QTemporaryDir> folder_;
  ScriptedPrompts prompts_;
  std::unique_ptr<SimulatedMachineWindow> rig_;
  MachineWindow* window_ = nullptr;
  MachineSession* session_ = nullptr;
  SimulatedMachine* machine_ = nullptr;
  std::unique_ptr<PlateWindow> plate_;

 private slots:
  void initTestCase() { ApplyUiFont(); }

  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    prompts_.ClearMessages();
  }

  void cleanup() {
    plate_.reset();
    rig_.reset();
  }

  void HasItsGroupsAndControls() {
    Make();
    QCOMPARE(plate_->size(), QSize(713, 467));
    // Every control of the table once, built with the table's French caption.
    for (const ControlName<PlateControl>& row : PlateWindowControls().Rows()) {
      const QString name = QString::fromLatin1(row.object_name.data(), static_cast<qsizetype>(row.object_name.size()));
      const QString built_in = QString::fromUtf8(row.built_in.data(), static_cast<qsizetype>(row.built_in.size()));
      if (row.kind == CaptionTargetKind::kWindowTitle) {
        QCOMPARE(plate_->windowTitle(), built_in);
        continue;
      }
      QCOMPARE(plate_->findChildren<QObject*>(name).size(), 1);
      if (built_in.isEmpty()) continue;
      QObject* control = plate_->findChild<QObject*>(name);
      const QVariant text = control->property(qobject_cast<QGroupBox*>(control) ? "title" : "text");
      QVERIFY2(text.toString() == built_in, qPrintable(name));
    }
    QCOMPARE(Preview()->size(), QSize(353, 265));
    // The legend samples: copper, copper hatched red, pure blue, copper hatched green.
    const QImage copper = Plate<QLabel>(PlateControl::kCopperSample)->pixmap().toImage();
    QCOMPARE(copper.pixel(3, 3) | 0xff000000, kCopper);
    QCOMPARE(Plate<QLabel>(PlateControl::kEngravingSample)->pixmap().toImage().pixel(3, 3) | 0xff000000, qRgb(0, 0, 255));
    const QImage forbidden = Plate<QLabel>(PlateControl::kForbiddenSample)->pixmap().toImage();
    QVERIFY(ColoursIn(forbidden, {0, 0, forbidden.width(), forbidden.height()}) ==
            (QSet<QRgb>{kCopper, kRed}));
    const QImage engraved = Plate<QLabel>(PlateControl::kEngravedSample)->pixmap().toImage();
    QVERIFY(ColoursIn(engraved, {0, 0, engraved.width(), engraved.height()}) ==
            (QSet<QRgb>{kCopper, qRgb(0, 255, 0)}));
  }

  void TheMachineWindowOpensItWithAFreshPreview() {
    Make();
    Open();
    QCOMPARE(PlateText(PlateControl::kStartX), QStringLiteral("7.000"));
    QCOMPARE(PlateText(PlateControl::kStartY), QStringLiteral("7.000"));
    const PlatePreview& preview = Preview()->Preview();
    QCOMPARE(preview.BorderX(), 12);
    QCOMPARE(preview.BorderY(), 12);
    // 30 x 20 mm: 353 × 30 / 200 = 52.95 and 265 × 20 / 150 = 35.33 pixels.
    QCOMPARE(preview.JobRect(), (PreviewRect{12, 253 - 35, 12 + 53, 253}));

    const QImage image = Preview()->Image();
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
    QCOMPARE(Preview()->Preview().JobRect(), (PreviewRect{100, 200 - 35, 100 + 53, 200}));
    QCOMPARE(PlateText(PlateControl::kStartX), QStringLiteral("56.657"));  // 100 × 200 / 353
    QCOMPARE(PlateText(PlateControl::kStartY), QStringLiteral("36.792"));  // (265 − 200) × 150 / 265
    const QImage image = Preview()->Image();
    QCOMPARE(image.pixel(120, 180) | 0xff000000, kJobOnCopper);
    QCOMPARE(image.pixel(30, 240) | 0xff000000, kCopper);  // where it was: erased

    // Far outside the preview: against the nearest inner borders.
    Drag({100, 200}, {5000, -5000});
    QCOMPARE(Preview()->Preview().JobRect(), (PreviewRect{353 - 53 - 12, 12, 353 - 12, 12 + 35}));
    QCOMPARE(PlateText(PlateControl::kStartX), QStringLiteral("163.173"));  // 288 × 200 / 353
    Drag({300, 40}, {-300, 900});
    QCOMPARE(Preview()->Preview().JobRect(), (PreviewRect{12, 253 - 35, 12 + 53, 253}));
    QCOMPARE(PlateText(PlateControl::kStartX), QStringLiteral("6.799"));  // the pixel corner scaled back

    // Moves without a button held do nothing.
    QTest::mouseMove(Preview(), {150, 150});
    QCOMPARE(Preview()->Preview().JobLeft(), 12);
  }

  void LeavingWithoutDoingAnythingThenReopeningPutsTheJobBack() {
    Make();
    Open();
    Drag({20, 250}, {150, 150});
    QVERIFY(PlateText(PlateControl::kStartX) != QStringLiteral("7.000"));
    Plate<QPushButton>(PlateControl::kLeaveButton)->click();
    QVERIFY(!plate_->isVisible());
    QCOMPARE(TotalSteps(*machine_), 0);
    QVERIFY(Machine(MachineControl::kPlacementButton)->isEnabled());  // the machine window was told nothing
    QVERIFY(!Machine(MachineControl::kValidateZButton)->isEnabled());
    Open();
    QCOMPARE(Preview()->Preview().JobLeft(), 12);
    QCOMPARE(Preview()->Preview().JobBottom(), 253);
    QCOMPARE(PlateText(PlateControl::kStartX), QStringLiteral("7.000"));
    QCOMPARE(PlateText(PlateControl::kStartY), QStringLiteral("7.000"));
  }

  void PositioningHomesMovesOverTheStartPointAndMakesItTheZero() {
    Make();
    machine_->SetTravel(Axis::X, -200, 1000000);  // the X switch 1.5 mm below the start
    Open();
    Plate<QPushButton>(PlateControl::kPlaceSpindleButton)->click();
    QVERIFY(!plate_->isVisible());
    QVERIFY(prompts_.Errors().isEmpty());
    QVERIFY(Machine(MachineControl::kValidateZButton)->isEnabled());
    QVERIFY(!Machine(MachineControl::kPlacementButton)->isEnabled());
    // X: switch, back-off, then the start point 7 mm plus the origin 17.25 mm. Y has no switch
    // wired, so it only moves 7 + 12.25 mm.
    const std::int64_t back_off = LimitBackOffSteps(session_->State().Parameters, Axis::X);
    QCOMPARE(machine_->PositionSteps(Axis::X), -200 + back_off + 3233);  // 24.25 × 133.3333
    QCOMPARE(machine_->PositionSteps(Axis::Y), 2567);                    // 19.25 × 133.3333
    QCOMPARE(machine_->PositionSteps(Axis::Z), 0);
    QCOMPARE(session_->State().Position, (std::array<double, 3>{0, 0, 0}));
    QCOMPARE(Machine<QLabel>(MachineControl::kPositionX)->text(), QStringLiteral("0.000"));
    QCOMPARE(Machine<QLabel>(MachineControl::kPositionY)->text(), QStringLiteral("0.000"));
  }

  void StopDuringTheHomingStillZeroesAndCloses() {
    Make();
    machine_->SetTravel(Axis::X, -100000, 1000000);  // a long seek
    session_->MoveTo(0, 2, 0);  // Y has no switch: the homing leaves it where it is
    Open();
    long pumps = 0;
    rig_->SetPumpHook([&] {
      if (++pumps == 50) QTest::mousePress(Plate(PlateControl::kStopDisc), Qt::LeftButton, {}, QPoint(34, 34));
    });
    Plate<QPushButton>(PlateControl::kPlaceSpindleButton)->click();
    rig_->SetPumpHook({});
    QVERIFY(session_->State().StopFlag);
    QVERIFY(Plate<StopDisc>(PlateControl::kStopDisc)->ShowsRed());
    QVERIFY(!plate_->isVisible());
    QVERIFY(machine_->PositionSteps(Axis::X) < 0);  // stopped on its way to the switch
    QCOMPARE(machine_->PositionSteps(Axis::Y), 267);  // the move never ran
    // Zeroed where the machine stands, Y included.
    QCOMPARE(session_->State().Position, (std::array<double, 3>{0, 0, 0}));
    QCOMPARE(Machine<QLabel>(MachineControl::kPositionY)->text(), QStringLiteral("0.000"));
    QVERIFY(Machine(MachineControl::kValidateZButton)->isEnabled());
  }

  void PositioningIsRefusedWhileTheMachineMoves() {
    Make();
    Open();
    bool clicked = false;
    rig_->SetPumpHook([&] {
      if (clicked) return;
      clicked = true;
      Plate<QPushButton>(PlateControl::kPlaceSpindleButton)->click();  // pressed while "Aller à" still runs
    });
    session_->MoveTo(2, 0, 0);
    rig_->SetPumpHook({});
    QVERIFY(clicked);
    QCOMPARE(prompts_.Errors(), QStringList{QString::fromUtf8(kPlacementBusyMessage)});
    QVERIFY(plate_->isVisible());
    QCOMPARE(machine_->PositionSteps(Axis::X), 267);  // only the move that was running
    QCOMPARE(machine_->PositionSteps(Axis::Y), 0);
    QVERIFY(Machine(MachineControl::kPlacementButton)->isEnabled());
    QVERIFY(!Machine(MachineControl::kValidateZButton)->isEnabled());
  }

  void StopDiscLatchesTheMachineAndRazClearsIt() {
    Make();
    Open();
    QVERIFY(!session_->State().StopFlag);
    QTest::mousePress(Plate(PlateControl::kStopWord), Qt::LeftButton);  // the word is part of the disc
    QVERIFY(session_->State().StopFlag);
    QVERIFY(Plate<StopDisc>(PlateControl::kStopDisc)->ShowsRed());
    QVERIFY(Machine<StopDisc>(MachineControl::kStopDisc)->ShowsRed());
    session_->MoveTo(1, 0, 0);
    QCOMPARE(TotalSteps(*machine_), 0);
    Plate<QPushButton>(PlateControl::kResetStopButton)->click();
    QVERIFY(!session_->State().StopFlag);
    QCOMPARE(Plate<StopDisc>(PlateControl::kStopDisc)->RingColour(), QColor(255, 255, 0));
    QCOMPARE(Machine<StopDisc>(MachineControl::kStopDisc)->RingColour(), QColor(255, 255, 0));
    session_->MoveTo(1, 0, 0);
    QCOMPARE(machine_->PositionSteps(Axis::X), 133);
  }

  void ANewPlateTakesTheCopiesOfTheSession() {
    Make();
    Open();
    Drag({20, 250}, {100, 200});
    QCOMPARE(PlateText(PlateControl::kStartX), QStringLiteral("56.657"));
    Machine<QSpinBox>(MachineControl::kCopiesYSpin)->setValue(2);  // 2 × 20 + 5 = 45 mm
    QCOMPARE(session_->RepetitionTotal(), (JobSize{30, 45}));
    Plate<QPushButton>(PlateControl::kNewPlateButton)->click();
    QVERIFY(prompts_.Errors().isEmpty());
    QCOMPARE(PlateText(PlateControl::kStartX), QStringLiteral("7.000"));
    QCOMPARE(Preview()->Preview().JobRect(), (PreviewRect{12, 253 - 80, 12 + 53, 253}));
  }
};

QTEST_MAIN(PlateWindowTest)
#include "plate_window_test.moc"
