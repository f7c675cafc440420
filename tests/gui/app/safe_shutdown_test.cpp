// The windows over a machine whose moves run on their own thread (as the program builds it): the
// window thread is free during a move and shows it as it goes; closing a window mid-move asks
// first; SIGTERM reaches the event loop.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QSlider>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <memory>

#include "core/machine/machine_session.h"
#include "core/text/numbers.h"
#include "core/windows/machine_window_controls.h"
#include "gui/adapters/scripted_prompts.h"
#include "gui/app/app_windows.h"
#include "gui/app/safe_shutdown.h"
#include "gui/app/startup.h"
#include "gui/machine/machine_window.h"
#include "gui/main/main_window.h"
#include "gui/support/simulated_machine_window.h"
#include "gui/widgets/named_control.h"
#include "hw/simulated_machine.h"
#include "hw/steady_clock.h"

using namespace pistora;

class SafeShutdownTest : public QObject {
  Q_OBJECT

 private:
  // Every window over a simulated machine on the real clock, moves on the motion thread.
  void Make(const char* work_feed) {
    windows_.reset();
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(WriteSimulatedCnDat(folder_->path(), {{CnLine::WorkFeed, work_feed}}));
    machine_ = std::make_unique<SimulatedMachine>(clock_);
    MachineIo io;
    io.port = machine_.get();
    io.simulated = machine_.get();
    io.clock = &clock_;
    io.folder = folder_->path();
    io.motion_thread = true;
    windows_ = std::make_unique<WindowSet>(prompts_, folder_->path(), io);
    machine_window_ = windows_->ByKind().machine;
    machine_window_->Activated();
  }
  void GoToX(const char* x) {
    FindControl<QLineEdit>(*machine_window_, MachineControl::kTargetXEdit)->setText(QString::fromLatin1(x));
    FindControl<QPushButton>(*machine_window_, MachineControl::kGoToButton)->click();
  }
  QString ShownX() { return FindControl<QLabel>(*machine_window_, MachineControl::kPositionX)->text(); }

  SteadyClock clock_{false};
  ScriptedPrompts prompts_;
  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<SimulatedMachine> machine_;
  std::unique_ptr<WindowSet> windows_;
  MachineWindow* machine_window_ = nullptr;

 private slots:
  void cleanup() { windows_.reset(); }

  // "Aller à" returns at once; the place shows as the tool goes, then where it stopped.
  void AMoveRunsOffTheWindowThreadAndShowsAsItGoes() {
    Make("300");  // 3 mm in 0.6 s
    GoToX("3");
    QVERIFY(windows_->Machine().MotionBusy());
    QTRY_VERIFY_WITH_TIMEOUT(ShownX() != QStringLiteral("0.000") && ShownX() != QStringLiteral("3.000"), 2000);
    QTRY_COMPARE_WITH_TIMEOUT(ShownX(), QStringLiteral("3.000"), 5000);
    QVERIFY(!windows_->Machine().MotionBusy());
    QCOMPARE(machine_->PositionSteps(Axis::X), 400);  // round(3 x 133.3333)
  }

  // A program (a feed word, two lines) and a jog as motion commands: the labels, progress bar and
  // buttons follow from the motion thread's updates, the window thread free meanwhile.
  void AProgramAndAJogShowWhatTheMotionThreadDid() {
    Make("300");
    const QString program = QDir(folder_->path()).filePath(QStringLiteral("p.iso"));
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("G01 X1 F600\r\nG01 X0\r\n");
    file.close();
    QVERIFY(machine_window_->LoadEngravingProgram(program));
    windows_->Machine().PlacementDone();
    FindControl<QPushButton>(*machine_window_, MachineControl::kValidateZButton)->click();
    QTRY_VERIFY(!windows_->Machine().MotionBusy());
    FindControl<QPushButton>(*machine_window_, MachineControl::kStartButton)->click();
    QVERIFY(windows_->Machine().Busy());
    QTRY_VERIFY_WITH_TIMEOUT(!windows_->Machine().Busy(), 5000);
    QTRY_COMPARE(FindControl<QProgressBar>(*machine_window_, MachineControl::kProgress)->value(), 2);
    // The program's F word ended with it: the work feed from before the run is back.
    QCOMPARE(FindControl<QLabel>(*machine_window_, MachineControl::kWorkFeedValue)->text(), QStringLiteral("300"));
    QCOMPARE(FindControl<QSlider>(*machine_window_, MachineControl::kFeedSlider)->value(), 300);
    QCOMPARE(machine_->StepCount(Axis::X), 2 * 133);
    QVERIFY(!FindControl<QPushButton>(*machine_window_, MachineControl::kStartButton)->isEnabled());
    QVERIFY(FindControl<QPushButton>(*machine_window_, MachineControl::kValidateZButton)->isEnabled());

    machine_window_->JogPress(JogDirection::kDroite);
    QVERIFY(windows_->Machine().JogActive());
    QTRY_VERIFY(ShownX() != QStringLiteral("0.000"));
    machine_window_->JogRelease();
    QTRY_VERIFY(!windows_->Machine().JogActive());
    QTRY_COMPARE(ShownX(), QString::fromStdString(FormatFixed(machine_->PositionSteps(Axis::X) / 133.3333, 3)));
  }

  // The main window or the machine window closed during a move: "no" keeps it open and the
  // machine moving; "yes" halts the machine (STOP, every output low) before it closes.
  // On the motion thread: the live times follow the run, STOP leaves a resume point, and after
  // "Raz", "Reprendre" ends the job where a whole run ends.
  void TheLivePaneFollowsARunAndResumesIt() {
    Make("600");  // 10 mm/s
    const QString program = QDir(folder_->path()).filePath(QStringLiteral("r.iso"));
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("G00 Z-0.1\r\nG01 X6\r\nG00 Z1\r\nG00 X0\r\nG00 Z0\r\n");
    file.close();
    QVERIFY(machine_window_->LoadEngravingProgram(program));
    MachineSession& session = windows_->Machine();
    session.PlacementDone();
    FindControl<QPushButton>(*machine_window_, MachineControl::kValidateZButton)->click();
    QTRY_VERIFY(!session.MotionBusy());
    auto* percent = FindControl<QLabel>(*machine_window_, MachineControl::kPercentDone);
    auto* resume = FindControl<QPushButton>(*machine_window_, MachineControl::kResumeButton);
    FindControl<QPushButton>(*machine_window_, MachineControl::kStartButton)->click();
    QTRY_VERIFY_WITH_TIMEOUT(machine_->PositionSteps(Axis::X) > 2 * 133, 20000);  // within the cut
    session.LatchStop();
    QTRY_VERIFY_WITH_TIMEOUT(!session.Busy(), 20000);
    QVERIFY(machine_->PositionSteps(Axis::X) < 6 * 133);
    // Stopped in the cut (line 2): 14.1 of the 14.2 mm left at 10 mm/s.
    QCOMPARE(FindControl<QLabel>(*machine_window_, MachineControl::kRemainingTime)->text(),
             QString::fromUtf8("Restant : 0:00:01"));
    QVERIFY(resume->isEnabled());
    FindControl<QPushButton>(*machine_window_, MachineControl::kResetStopButton)->click();
    resume->click();
    QVERIFY(session.Busy());
    QTRY_VERIFY_WITH_TIMEOUT(!session.Busy(), 20000);
    QCOMPARE(percent->text(), QStringLiteral("100 %"));
    QVERIFY(!resume->isEnabled());
    QCOMPARE(machine_->PositionSteps(Axis::X), 0);
    QCOMPARE(machine_->PositionSteps(Axis::Z), 0);
  }

  void ClosingAWindowDuringAMoveAsksFirst() {
    for (const bool main : {false, true}) {
      Make("1");  // 3 mm at 1 mm/min: minutes
      QWidget* window = main ? static_cast<QWidget*>(windows_->ByKind().main) : machine_window_;
      window->show();
      GoToX("3");
      QTRY_VERIFY(windows_->Machine().LivePosition()[0] != 0);
      prompts_.QueueAnswer(false);
      QVERIFY(!window->close());
      QVERIFY(window->isVisible());
      QVERIFY(windows_->Machine().MotionBusy());
      QVERIFY(!windows_->Machine().StopLatched());

      prompts_.QueueAnswer(true);
      QVERIFY(window->close());
      QVERIFY(!windows_->Machine().MotionBusy());
      QVERIFY(windows_->Machine().StopLatched());
      QCOMPARE(windows_->Machine().Port().OutputShadow(), 0);
      QCOMPARE(machine_->DataRegister(), 0);
      QCOMPARE(prompts_.Questions().size(), main ? 4 : 2);
      QCOMPARE(prompts_.Questions().back(), QString::fromUtf8(kCloseWhileMovingQuestion));
    }
  }

  void SigtermReachesTheEventLoop() {
    int signals_seen = 0;
    InterruptSignals interrupts([&signals_seen] { ++signals_seen; });
    QVERIFY(interrupts.Installed());
    std::raise(SIGTERM);
    QTRY_COMPARE(signals_seen, 1);
  }
};

QTEST_MAIN(SafeShutdownTest)
#include "safe_shutdown_test.moc"
