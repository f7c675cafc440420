// The machine window on a simulated machine: its controls, the programs of the "Code ISO" box,
// STOP inside a running program, jogging through the worker thread, and its destruction.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "core/settings/machine_parameters.h"
#include "gui/adapters/scripted_prompts.h"
#include "gui/app/startup.h"
#include "gui/machine/jog_worker.h"
#include "core/machine/machine_session.h"
#include "core/windows/machine_window_controls.h"
#include "gui/machine/machine_window.h"
#include "gui/widgets/named_control.h"
#include "gui/widgets/hold_arrow_button.h"
#include "gui/widgets/led_lamp.h"
#include "gui/widgets/stop_disc.h"
#include "hw/simulated_machine.h"
#include "hw/virtual_clock.h"
#include "gui/support/simulated_machine_window.h"

using namespace pistora;

namespace {

// cn.dat with X, Y, Z on D0 to D5, the X switch on Error, the given work feed.
void WriteCnDat(const QString& folder, const char* work_feed = "150") {
  QVERIFY(WriteSimulatedCnDat(folder, {{CnLine::LimitXInput, "1"}, {CnLine::WorkFeed, work_feed}}));
}

QString WriteFile(const QString& folder, const QString& name, const QByteArray& text) {
  const QString path = QDir(folder).filePath(name);
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(text);
  return path;
}

std::int64_t TotalSteps(const SimulatedMachine& m) {
  return m.StepCount(Axis::X) + m.StepCount(Axis::Y) + m.StepCount(Axis::Z);
}

}  // namespace

class MachineWindowTest : public QObject {
  Q_OBJECT

 private:
  // A window over a simulated machine and a virtual clock, cn.dat read as on activation.
  void Make() {
    rig_.reset();
    rig_ = std::make_unique<SimulatedMachineWindow>(prompts_, folder_->path());
    window_ = &rig_->Window();
    session_ = &rig_->Session();
    machine_ = &rig_->Machine();
  }

  template <typename W = QWidget>
  W* Control(MachineControl role) {
    W* control = FindControl<W>(*window_, role);
    if (control == nullptr) qFatal("no control %s", ObjectNameOf(role).toLatin1().constData());
    return control;
  }
  QString Text(MachineControl role) { return Control<QLabel>(role)->text(); }
  void Click(MachineControl role) { Control<QAbstractButton>(role)->click(); }

  std::unique_ptr<QTemporaryDir> folder_;
  ScriptedPrompts prompts_;
  std::unique_ptr<SimulatedMachineWindow> rig_;
  MachineWindow* window_ = nullptr;
  MachineSession* session_ = nullptr;
  SimulatedMachine* machine_ = nullptr;

 private slots:
  void initTestCase() { ApplyUiFont(); }

  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    WriteCnDat(folder_->path());
    prompts_.ClearMessages();
  }

  void cleanup() { rig_.reset(); }

  // Every control of the table is in the window once, built with the table's French caption.
  void HasEveryControlOfItsTableWithItsCaption() {
    Make();
    QCOMPARE(window_->size(), QSize(689 + 420, 527));  // the boxes, then the live pane
    QCOMPARE(window_->objectName(), QStringLiteral("Tgravefrm"));
    for (const ControlName<MachineControl>& row : MachineWindowControls().Rows()) {
      const QString name = QString::fromLatin1(row.object_name.data(), static_cast<qsizetype>(row.object_name.size()));
      const QString built_in = QString::fromUtf8(row.built_in.data(), static_cast<qsizetype>(row.built_in.size()));
      if (row.kind == CaptionTargetKind::kWindowTitle) {
        QCOMPARE(window_->windowTitle(), built_in);
        continue;
      }
      if (row.kind == CaptionTargetKind::kModeName) continue;  // kept in memory, no control
      QCOMPARE(window_->findChildren<QObject*>(name).size(), 1);
      if (built_in.isEmpty()) continue;
      QObject* control = window_->findChild<QObject*>(name);
      const bool titled = qobject_cast<QGroupBox*>(control) || qobject_cast<QMenu*>(control);
      QVERIFY2(control->property(titled ? "title" : "text").toString() == built_in, qPrintable(name));
    }
    // Buttons of the "Code ISO" box at start.
    QVERIFY(Control(MachineControl::kLoadEngravingButton)->isEnabled());
    QVERIFY(Control(MachineControl::kLoadDrillingButton)->isEnabled());
    QVERIFY(!Control(MachineControl::kPlacementButton)->isEnabled());
    QVERIFY(!Control(MachineControl::kValidateZButton)->isEnabled());
    QVERIFY(!Control(MachineControl::kStartButton)->isEnabled());
    // The pictures are drawn when missing and kept beside the program.
    QVERIFY(QFile::exists(QDir(folder_->path()).filePath("grav.bmp")));
    QVERIFY(QFile::exists(QDir(folder_->path()).filePath("led1off.bmp")));
    QVERIFY(window_->MessageLine().startsWith(QString::fromUtf8("Driver port parallèle correctement chargé !")));
  }

  void TheOptionEntriesAskForTheirSettingsPage() {
    Make();
    QSignalSpy pages(window_, &MachineWindow::SettingsPageRequested);
    const MachineControl entries[] = {MachineControl::kPortSetupEntry, MachineControl::kGeometryEntry,
                                      MachineControl::kSurfacingEntry, MachineControl::kCopperEntry};
    for (MachineControl entry : entries) Control<QAction>(entry)->trigger();
    QCOMPARE(pages.size(), 4);
    for (int page = 0; page < 4; ++page) QCOMPARE(pages[page][0].toInt(), page);
  }

  void ActivationReadsCnDatAndDropsTheOutputs() {
    Make();
    QCOMPARE(session_->State().WorkFeed, 150);
    QCOMPARE(Text(MachineControl::kWorkFeedValue), QStringLiteral("150"));
    QCOMPARE(session_->Engine().Port().Signals().step[0].mask, 0x01);
    session_->Port().SetDirection(Axis::X, true);
    QCOMPARE(machine_->DataRegister(), 0x02);
    WriteCnDat(folder_->path(), "300");
    window_->Activated();
    QCOMPARE(session_->State().WorkFeed, 300);
    QCOMPARE(machine_->DataRegister(), 0x00);
    // Not while the machine moves: the running move keeps its direction outputs.
    WriteCnDat(folder_->path(), "200");
    session_->Port().SetDirection(Axis::Y, true);
    rig_->SetPumpHook([this] { window_->Activated(); });
    session_->MoveTo(0, 1, 0);
    rig_->SetPumpHook({});
    QCOMPARE(session_->State().WorkFeed, 300);
    QCOMPARE(machine_->PositionSteps(Axis::Y), 133);
    window_->Activated();
    QCOMPARE(session_->State().WorkFeed, 200);
    // A work feed outside 1 .. MaxFeed is limited: a feed of 0 never reaches a move.
    WriteCnDat(folder_->path(), "0");
    window_->Activated();
    QCOMPARE(session_->State().WorkFeed, 1);
    WriteCnDat(folder_->path(), "200");
    window_->Activated();
    // A damaged file is reported and the values in use are kept.
    WriteFile(folder_->path(), "cn.dat", "1\r\n");
    window_->Activated();
    QCOMPARE(session_->State().WorkFeed, 200);
    QVERIFY(window_->MessageLine().contains(QStringLiteral("cn.dat")));
  }

  void LoadsAnalysesAndRunsWithCopiesThenSwitchesToDrilling() {
    Make();
    const QString engrave = WriteFile(folder_->path(), "g.iso",
                                      "%\r\nG00 X0 Y0 Z0\r\nG01 X30 Y0 F300\r\nG01 X30 Y20\r\nG01 X0 Y0\r\n");
    const QString drill = WriteFile(folder_->path(), "p.iso", "G00 X5 Y5\r\nG01 Z-1\r\nG00 Z0\r\n");
    prompts_.QueueFileName(engrave);
    Click(MachineControl::kLoadEngravingButton);
    QCOMPARE(Text(MachineControl::kEngravingFile), engrave);
    QCOMPARE(Text(MachineControl::kSizeXValue), QStringLiteral("30.000"));
    QCOMPARE(Text(MachineControl::kSizeYValue), QStringLiteral("20.000"));
    QCOMPARE(Text(MachineControl::kLengthValue), QStringLiteral("86.056"));
    QCOMPARE(Text(MachineControl::kTimeValue), QStringLiteral("0:00:34"));  // at 150 mm/mn
    QVERIFY(Control(MachineControl::kPlacementButton)->isEnabled());
    prompts_.QueueFileName(drill);
    Click(MachineControl::kLoadDrillingButton);
    QCOMPARE(Text(MachineControl::kDrillingFile), drill);

    Control<QSpinBox>(MachineControl::kCopiesXSpin)->setValue(2);
    QCOMPARE(Text(MachineControl::kTotalX), QStringLiteral("65"));
    Control<QSpinBox>(MachineControl::kCopiesYSpin)->setValue(10);  // 10 x 20 + 9 x 5 = 245 mm: more than 150 - 2 x 7
    // 20 copies of 86.056 mm and 1270 mm of walks between them, at 150 mm/mn.
    QCOMPARE(Text(MachineControl::kTimeValue), QStringLiteral("0:19:56"));
    QCOMPARE(Text(MachineControl::kTotalY), QStringLiteral("245"));
    QVERIFY(Control<QLabel>(MachineControl::kTotalY)->styleSheet().contains(QStringLiteral("red")));
    QVERIFY(Control<QLabel>(MachineControl::kTotalX)->styleSheet().contains(QStringLiteral("black")));
    Control<QSpinBox>(MachineControl::kCopiesYSpin)->setValue(1);

    session_->PlacementDone();
    QVERIFY(Control(MachineControl::kValidateZButton)->isEnabled());
    QVERIFY(!Control(MachineControl::kPlacementButton)->isEnabled());
    Click(MachineControl::kValidateZButton);
    QVERIFY(Control(MachineControl::kStartButton)->isEnabled());
    QCOMPARE(Control<QLineEdit>(MachineControl::kTargetZEdit)->text(), QStringLiteral("0.000"));
    Click(MachineControl::kStartButton);
    // Two copies: 2 x (30 + 30) mm of X, and 35 mm out and back between them.
    QCOMPARE(machine_->StepCount(Axis::X), 2 * 8000 + 2 * 4667);
    QCOMPARE(machine_->PositionSteps(Axis::X), 0);
    // The program's F300 ended with it: the work feed is the one it started with.
    QCOMPARE(session_->State().WorkFeed, 150);
    QCOMPARE(Text(MachineControl::kWorkFeedValue), QStringLiteral("150"));
    QVERIFY(window_->DrillingMode());
    QCOMPARE(Text(MachineControl::kModeName), QString::fromUtf8("Perçage"));
    QVERIFY(!Control(MachineControl::kStartButton)->isEnabled());
    QVERIFY(Control(MachineControl::kValidateZButton)->isEnabled());
    QVERIFY(window_->MessageLine().startsWith(QString::fromUtf8("Exécution instruction : ")));
  }

  void AMalformedProgramIsRefusedBeforeAnythingMoves() {
    Make();
    prompts_.QueueFileName(WriteFile(folder_->path(), "bad.iso", "G00 X5 Y5\r\nG01 X1,5\r\n"));
    Click(MachineControl::kLoadEngravingButton);
    session_->PlacementDone();
    Click(MachineControl::kValidateZButton);
    Click(MachineControl::kStartButton);
    QCOMPARE(TotalSteps(*machine_), 0);
    QVERIFY(!prompts_.Errors().isEmpty());
    QVERIFY(prompts_.Errors().last().contains(QStringLiteral("Ligne 2")));
  }

  void StopDuringAProgramIsTheLastStep() {
    Make();
    prompts_.QueueFileName(WriteFile(folder_->path(), "long.iso", "G01 X50 Y40\r\nG01 X0 Y0\r\nG01 X50\r\n"));
    Click(MachineControl::kLoadEngravingButton);
    session_->PlacementDone();
    Click(MachineControl::kValidateZButton);
    std::int64_t steps_at_stop = -1;
    connect(Control<StopDisc>(MachineControl::kStopDisc), &StopDisc::Pressed, this, [&] { steps_at_stop = TotalSteps(*machine_); });
    // Some way into the first move, a real press on the disc is queued; the event loop that the
    // move pumps delivers it.
    long pumps = 0;
    rig_->SetPumpHook([&] {
      if (++pumps != 2000) return;
      QTimer::singleShot(0, window_, [this] {
        QTest::mousePress(Control<StopDisc>(MachineControl::kStopDisc), Qt::LeftButton, {}, QPoint(34, 34));
      });
    });
    Click(MachineControl::kStartButton);
    rig_->SetPumpHook({});
    QVERIFY(steps_at_stop > 0);
    QCOMPARE(TotalSteps(*machine_), steps_at_stop);  // not one step after STOP
    QVERIFY(session_->State().StopFlag);
    QVERIFY(Control<StopDisc>(MachineControl::kStopDisc)->ShowsRed());
    // The shown position is where the tool is.
    QCOMPARE(Text(MachineControl::kPositionX),
             QString::number(machine_->PositionSteps(Axis::X) / 133.3333, 'f', 3));
    // Until "Raz" nothing moves; after it, moves run again.
    session_->MoveTo(1, 1, 0);
    QCOMPARE(TotalSteps(*machine_), steps_at_stop);
    Click(MachineControl::kResetStopButton);
    QCOMPARE(Control<StopDisc>(MachineControl::kStopDisc)->RingColour(), QColor(255, 255, 0));
    session_->MoveTo(0, 0, 0);
    QVERIFY(TotalSteps(*machine_) > steps_at_stop);
  }

  // STOP inside a contour: "Reprendre" is refused until "Raz", then lifts, goes back to the
  // contour's plunge and runs on to the end; once the work zero has changed it is refused.
  void ReprendreGoesOnFromTheInterruptedContour() {
    Make();
    prompts_.QueueFileName(WriteFile(folder_->path(), "c.iso",
                                     "G00 Z1\r\nG00 X5 Y5\r\nG00 Z-0.2\r\nG01 X25 Y5\r\nG01 X25 Y15\r\n"
                                     "G00 Z1\r\nG00 X0 Y0\r\nG00 Z0\r\n"));
    Click(MachineControl::kLoadEngravingButton);
    auto* resume = Control<QAbstractButton>(MachineControl::kResumeButton);
    const double s = 133.3333;
    std::int64_t stop_x = -1;
    const auto stop_in_the_cut = [&] {
      if (stop_x < 0 && machine_->PositionSteps(Axis::Z) < 0 && machine_->PositionSteps(Axis::X) > 12 * s) {
        stop_x = machine_->PositionSteps(Axis::X);
        session_->LatchStop();
      }
    };
    for (const bool change_the_work_zero : {false, true}) {
      stop_x = -1;
      session_->PlacementDone();
      Click(MachineControl::kValidateZButton);
      QVERIFY(!resume->isEnabled());
      rig_->SetPumpHook(stop_in_the_cut);
      Click(MachineControl::kStartButton);
      rig_->SetPumpHook({});
      QVERIFY(stop_x > 0);
      QVERIFY(resume->isEnabled());
      const std::int64_t x_steps = machine_->StepCount(Axis::X);
      const std::int64_t all_steps = TotalSteps(*machine_);
      Click(MachineControl::kResumeButton);
      QCOMPARE(TotalSteps(*machine_), all_steps);
      QVERIFY(prompts_.Errors().last().contains(QStringLiteral("Raz")));
      Click(MachineControl::kResetStopButton);
      if (change_the_work_zero) {
        Click(MachineControl::kZeroXButton);
        Click(MachineControl::kResumeButton);
        QCOMPARE(TotalSteps(*machine_), all_steps);
        QVERIFY(prompts_.Errors().last().contains(QString::fromUtf8("zéro pièce a changé")));
        QVERIFY(window_->MessageLine().contains(QString::fromUtf8("zéro pièce a changé")));
        continue;
      }
      Click(MachineControl::kResumeButton);
      // Back to X 5 from the stop, the 20 mm side again, then home: X steps of the resumed run.
      const double expected = (stop_x - 5 * s) + 20 * s + 25 * s;
      QVERIFY2(std::abs(machine_->StepCount(Axis::X) - x_steps - expected) <= 3,
               qPrintable(QString::number(machine_->StepCount(Axis::X) - x_steps - expected)));
      QCOMPARE(machine_->PositionSteps(Axis::X), 0);
      QCOMPARE(machine_->PositionSteps(Axis::Z), 0);
      QVERIFY(!resume->isEnabled());
      QCOMPARE(Text(MachineControl::kPercentDone), QStringLiteral("100 %"));
      QCOMPARE(Text(MachineControl::kRemainingTime), QString::fromUtf8("Restant : 0:00:00"));
    }
  }

  void GoToZeroAndRazButtons() {
    Make();
    Control<QLineEdit>(MachineControl::kTargetXEdit)->setText(QStringLiteral("2.5"));
    Control<QLineEdit>(MachineControl::kTargetZEdit)->setText(QStringLiteral("-1"));
    Click(MachineControl::kGoToButton);
    QCOMPARE(machine_->PositionSteps(Axis::X), 333);
    QCOMPARE(machine_->PositionSteps(Axis::Z), -133);
    QCOMPARE(Text(MachineControl::kPositionX), QStringLiteral("2.498"));  // 333 / 133.3333 = 2.4975006
    QTest::mouseClick(Control(MachineControl::kGoToZZero), Qt::LeftButton);  // "Z0"
    QCOMPARE(machine_->PositionSteps(Axis::Z), 0);
    QTest::mouseClick(Control(MachineControl::kGoToXYZero), Qt::LeftButton);  // "(0;0)"
    QCOMPARE(machine_->PositionSteps(Axis::X), 0);
    Control<QLineEdit>(MachineControl::kTargetYEdit)->setText(QStringLiteral("abc"));
    const std::int64_t before = TotalSteps(*machine_);
    Click(MachineControl::kGoToButton);
    QCOMPARE(TotalSteps(*machine_), before);
    session_->MoveTo(4, 0, 0);
    Click(MachineControl::kZeroXButton);  // "RAZ" X
    QCOMPARE(Text(MachineControl::kPositionX), QStringLiteral("0.000"));
    QCOMPARE(session_->State().Position[0], 0.0);
  }

  void TargetFieldsTakeSignedDecimalsOnly() {
    Make();
    QLocale::setDefault(QLocale::c());
    Control<QLineEdit>(MachineControl::kTargetXEdit)->clear();
    QTest::keyClicks(Control<QLineEdit>(MachineControl::kTargetXEdit), QStringLiteral("-1.5-.2x"));
    QCOMPARE(Control<QLineEdit>(MachineControl::kTargetXEdit)->text(), QStringLiteral("-1.52"));
    Control<QLineEdit>(MachineControl::kTargetYEdit)->clear();
    QTest::keyClicks(Control<QLineEdit>(MachineControl::kTargetYEdit), QStringLiteral("3-"));
    QCOMPARE(Control<QLineEdit>(MachineControl::kTargetYEdit)->text(), QStringLiteral("3"));

    // Either separator, under either kind of locale, goes in as "." and is never dropped; the
    // move goes where the box says: where a move to 1.5 mm goes.
    session_->MoveTo(1.5, 1.5, 0);
    const auto to_1_5 = machine_->PositionSteps(Axis::X);
    QVERIFY(to_1_5 > 0);
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::French, QLocale::France)}) {
      QLocale::setDefault(locale);
      for (const QString& typed : {QStringLiteral("1,5"), QStringLiteral("1.5")}) {
        const QString where = locale.name() + QLatin1Char(' ') + typed;
        session_->MoveTo(0, 0, 0);
        for (MachineControl box : {MachineControl::kTargetXEdit, MachineControl::kTargetYEdit}) {
          Control<QLineEdit>(box)->clear();
          QTest::keyClicks(Control<QLineEdit>(box), typed);
          QVERIFY2(Control<QLineEdit>(box)->text() == QStringLiteral("1.5"), qPrintable(where));
        }
        Control<QLineEdit>(MachineControl::kTargetZEdit)->setText(QStringLiteral("0"));
        Click(MachineControl::kGoToButton);
        QVERIFY2(machine_->PositionSteps(Axis::X) == to_1_5 && machine_->PositionSteps(Axis::Y) == to_1_5,
                 qPrintable(where));
      }
    }
    QLocale::setDefault(QLocale::c());
  }

  void SpindleButtonTogglesOnlyItsPicture() {
    Make();
    const std::uint8_t data = machine_->DataRegister();
    Click(MachineControl::kSpindleButton);
    QVERIFY(window_->SpindleOn());
    QVERIFY(QFile::exists(QDir(folder_->path()).filePath("led1on.bmp")));
    Click(MachineControl::kSpindleButton);
    QVERIFY(!window_->SpindleOn());
    QCOMPARE(machine_->DataRegister(), data);
  }

  void StatusTimerLightsTheWiredSwitch() {
    Make();
    machine_->SetTravel(Axis::X, 0, 100);  // X on its switch
    QTRY_VERIFY_WITH_TIMEOUT(Control<LedLamp>(MachineControl::kLimitXLamp)->Active(), 1000);
    QVERIFY(!session_->State().StopFlag);
  }

  void HoldingAnArrowJogsThroughTheWorker() {
    Make();
    QTest::mousePress(Control(MachineControl::kJogRightArrow), Qt::LeftButton);
    QTest::qWait(120);
    QTest::mouseRelease(Control(MachineControl::kJogRightArrow), Qt::LeftButton);
    const std::int64_t steps = machine_->PositionSteps(Axis::X);
    QVERIFY2(steps > 3, qPrintable(QString::number(steps)));
    QTest::qWait(30);
    QCOMPARE(machine_->PositionSteps(Axis::X), steps);  // released: no more steps
    QCOMPARE(Text(MachineControl::kPositionX), QString::number(steps / 133.3333, 'f', 3));
    // The parameter dialog forwards its Z arrows to "haut" and "bas".
    Control<HoldArrowButton>(MachineControl::kJogDownArrow)->Press();
    QTest::qWait(60);
    Control<HoldArrowButton>(MachineControl::kJogDownArrow)->Release();
    QVERIFY(machine_->PositionSteps(Axis::Z) < 0);
    QCOMPARE(session_->State().Position[2], machine_->PositionSteps(Axis::Z) / 133.3333);
  }

  void TheStartUpPortChoiceReachesTheWindow() {
    VirtualClock clock;
    const PortChoice port = ChoosePort(FindPortOption({"pistora", "--port=sim"}), "none", clock);
    RealTimeSetup refused;
    refused.message = "Ordonnancement temps réel refusé.";
    MachineIo io = MachineIoFor(port, clock, refused);
    io.folder = folder_->path();
    QCOMPARE(io.simulated, port.simulated);
    {
      MachineLink link(io);
      MachineWindow window(prompts_, link.Session(), io.folder);
      const QString message = window.MessageLine();
      QVERIFY2(message.contains(QString::fromUtf8("machine simulée")), qPrintable(message));
      QVERIFY(message.contains(QString::fromUtf8("Ordonnancement temps réel refusé.")));
      window.Activated();
      link.Session().MoveTo(1, 0, 0);
      QCOMPARE(port.simulated->PositionSteps(Axis::X), 133);
    }
    const PortChoice unknown = ChoosePort("", "bogus", clock);
    const MachineIo none = MachineIoFor(unknown, clock, RealTimeSetup{true, ""});
    QVERIFY(QString::fromStdString(none.port_message).contains(QStringLiteral("bogus")));
    QCOMPARE(QString::fromStdString(none.timing_message), QString::fromUtf8("Ordonnancement temps réel obtenu."));
  }

  void HidingTheWindowEndsAJog() {
    Make();
    window_->show();
    window_->JogPress(JogDirection::kDroite);
    QTest::qWait(30);
    window_->hide();
    QVERIFY(!session_->Jog().Held());
    const std::int64_t steps = machine_->PositionSteps(Axis::X);
    QTest::qWait(30);
    QCOMPARE(machine_->PositionSteps(Axis::X), steps);
    QCOMPARE(session_->State().Position[0], steps / 133.3333);
  }

  void DestroyingTheWindowWhileJoggingStopsTheWorker() {
    Make();
    window_->JogPress(JogDirection::kDevant);
    QTest::qWait(40);
    rig_->DestroyWindow();  // the arrow still held
    QVERIFY(!session_->Jog().Held());  // the session outlives it, nothing held
    const std::int64_t steps = machine_->StepCount(Axis::Y);
    QVERIFY(steps > 0);
    QCOMPARE(session_->State().Position[1], machine_->PositionSteps(Axis::Y) / 133.3333);
    QTest::qWait(40);
    QCoreApplication::processEvents();
    QCOMPARE(machine_->StepCount(Axis::Y), steps);
  }

  void WorkerAskedStepsNeverRunOnceItsContextIsGone() {
    int runs = 0;
    auto context = std::make_unique<QObject>();
    {
      JogWorker worker(context.get(), [&] { ++runs; });
      worker.Resume(1000);
      QTRY_VERIFY_WITH_TIMEOUT(worker.StepsRun() >= 3, 1000);
      worker.Suspend();
      const int before = runs;
      QTest::qWait(20);
      QVERIFY(runs <= before + 1);  // at most the step already asked for
      worker.Resume(1000);
      QTest::qWait(5);
      // Delete the context while steps may still be asked for.
      context.reset();
    }
    const int after = runs;
    QTest::qWait(20);
    QCOMPARE(runs, after);
  }
};

QTEST_MAIN(MachineWindowTest)
#include "machine_window_test.moc"
