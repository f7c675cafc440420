// The machine window on a simulated machine: its controls, the programs of the "Code ISO" box,
// STOP inside a running program, jogging through the worker thread, and its destruction.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
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
#include "gui/machine/machine_window.h"
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
  void Make(bool virtual_clock = true) {
    machine_.reset();
    window_.reset();
    if (virtual_clock) clock_ = std::make_unique<VirtualClock>();
    machine_ = std::make_unique<SimulatedMachine>(*clock_);
    MachineIo io;
    io.port = machine_.get();
    io.simulated = machine_.get();
    io.clock = clock_.get();
    io.folder = folder_->path();
    window_ = std::make_unique<MachineWindow>(prompts_, io);
    window_->FormActivate();
  }

  std::unique_ptr<QTemporaryDir> folder_;
  ScriptedPrompts prompts_;
  std::unique_ptr<VirtualClock> clock_;
  std::unique_ptr<SimulatedMachine> machine_;
  std::unique_ptr<MachineWindow> window_;

 private slots:
  void initTestCase() { ApplyUiFont(); }

  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    WriteCnDat(folder_->path());
    prompts_.ClearMessages();
  }

  void cleanup() {
    window_.reset();
    machine_.reset();
    clock_.reset();
  }

  void HasEveryBoxAndControl() {
    Make();
    QCOMPARE(window_->size(), QSize(689, 527));
    QCOMPARE(window_->windowTitle(), QString::fromUtf8("Gravure de circuits imprimés"));
    const struct {
      const char* name;
      const char* caption;
    } captions[] = {{"GroupBox1", "Position et déplacements manuels"}, {"GroupBox2", "Etat machine"},
                    {"GroupBox3", "Message machine"}, {"GroupBox4", "Code ISO"},
                    {"GroupBox5", "Commandes"}, {"GroupBox6", "Information programme"},
                    {"GroupBox7", "Option de répétition"}, {"GroupBox8", "Fonction"},
                    {"Label10", "Butée axe x"}, {"Label14", "Arrêt d'urgence"},
                    {"Label15", "STOP"}, {"Label16", "Avance de travail"}, {"Label35", "Avance Réelle"},
                    {"Label19", "mm/mn"}, {"Label34", "mm/mn"}, {"Button1", "Aller à"},
                    {"Button2", "RAZ"}, {"Button5", "Raz"}, {"BitBtn7", "Broche"},
                    {"BitBtn8", "Zéro Machine"}, {"BitBtn14", "&Bascule"},
                    {"BitBtn9", "&Charger gravure ISO"}, {"BitBtn13", "Charger &perçage ISO"},
                    {"BitBtn11", "&Réglage position gravure"}, {"BitBtn12", "Valide &Réglage niveau Z"},
                    {"BitBtn10", "Démarrer la gravure"}, {"Label18", "Gravure : "},
                    {"Label51", "Perçage : "}, {"Label31", "Temps estimé :"}, {"Label44", "s"},
                    {"Label45", "Répétition sur axe X"}, {"Label4", "(0;0)"}, {"Label5", "Z0"},
                    {"Label1", "0.000"}, {"Label17", "150"}, {"Label33", "0"}};
    for (const auto& c : captions) {
      QObject* control = window_->findChild<QObject*>(QString::fromLatin1(c.name));
      QVERIFY2(control != nullptr, c.name);
      const QVariant text = control->property(qobject_cast<QGroupBox*>(control) ? "title" : "text");
      QCOMPARE(text.toString(), QString::fromUtf8(c.caption));
    }
    QCOMPARE(window_->MenuOption->title(), QStringLiteral("&Option"));
    QCOMPARE(window_->MenuCopper->text(), QString::fromUtf8("Réglage &Cuivre"));
    // Buttons of the "Code ISO" box at start.
    QVERIFY(window_->BitBtn9->isEnabled());
    QVERIFY(window_->BitBtn13->isEnabled());
    QVERIFY(!window_->BitBtn11->isEnabled());
    QVERIFY(!window_->BitBtn12->isEnabled());
    QVERIFY(!window_->BitBtn10->isEnabled());
    // The pictures are drawn when missing and kept beside the program.
    QVERIFY(QFile::exists(QDir(folder_->path()).filePath("grav.bmp")));
    QVERIFY(QFile::exists(QDir(folder_->path()).filePath("led1off.bmp")));
    QVERIFY(window_->MessageLine().startsWith(QString::fromUtf8("Driver port parallèle correctement chargé !")));
  }

  void ActivationReadsCnDatAndDropsTheOutputs() {
    Make();
    QCOMPARE(window_->State().WorkFeed, 150);
    QCOMPARE(window_->Label17->text(), QStringLiteral("150"));
    QCOMPARE(window_->Engine().Port().Signals().step[0].mask, 0x01);
    window_->Port().SetDirection(Axis::X, true);
    QCOMPARE(machine_->DataRegister(), 0x02);
    WriteCnDat(folder_->path(), "300");
    window_->FormActivate();
    QCOMPARE(window_->State().WorkFeed, 300);
    QCOMPARE(machine_->DataRegister(), 0x00);
    // Not while the machine moves: the running move keeps its direction outputs.
    WriteCnDat(folder_->path(), "200");
    window_->Port().SetDirection(Axis::Y, true);
    window_->SetPumpHook([this] { window_->FormActivate(); });
    window_->MoveTo(0, 1, 0);
    window_->SetPumpHook({});
    QCOMPARE(window_->State().WorkFeed, 300);
    QCOMPARE(machine_->PositionSteps(Axis::Y), 133);
    window_->FormActivate();
    QCOMPARE(window_->State().WorkFeed, 200);
    // A work feed outside 1 .. MaxFeed is limited: a feed of 0 never reaches a move.
    WriteCnDat(folder_->path(), "0");
    window_->FormActivate();
    QCOMPARE(window_->State().WorkFeed, 1);
    WriteCnDat(folder_->path(), "200");
    window_->FormActivate();
    // A damaged file is reported and the values in use are kept.
    WriteFile(folder_->path(), "cn.dat", "1\r\n");
    window_->FormActivate();
    QCOMPARE(window_->State().WorkFeed, 200);
    QVERIFY(window_->MessageLine().contains(QStringLiteral("cn.dat")));
  }

  void LoadsAnalysesAndRunsWithCopiesThenSwitchesToDrilling() {
    Make();
    const QString engrave = WriteFile(folder_->path(), "g.iso",
                                      "%\r\nG00 X0 Y0 Z0\r\nG01 X30 Y0 F300\r\nG01 X30 Y20\r\nG01 X0 Y0\r\n");
    const QString drill = WriteFile(folder_->path(), "p.iso", "G00 X5 Y5\r\nG01 Z-1\r\nG00 Z0\r\n");
    prompts_.QueueFileName(engrave);
    window_->BitBtn9->click();
    QCOMPARE(window_->Label8->text(), engrave);
    QCOMPARE(window_->Label24->text(), QStringLiteral("30.000"));
    QCOMPARE(window_->Label26->text(), QStringLiteral("20.000"));
    QCOMPARE(window_->Label29->text(), QStringLiteral("86.056"));
    QCOMPARE(window_->Label32->text(), QStringLiteral("34"));  // at 150 mm/mn
    QVERIFY(window_->BitBtn11->isEnabled());
    prompts_.QueueFileName(drill);
    window_->BitBtn13->click();
    QCOMPARE(window_->Label9->text(), drill);

    window_->SpinEdit1->setValue(2);
    QCOMPARE(window_->RepetitionTotalXText(), QStringLiteral("65"));
    window_->SpinEdit2->setValue(10);  // 10 x 20 + 9 x 5 = 245 mm: more than 150 - 2 x 7
    QCOMPARE(window_->RepetitionTotalYText(), QStringLiteral("245"));
    QVERIFY(window_->Label50->styleSheet().contains(QStringLiteral("red")));
    QVERIFY(window_->Label49->styleSheet().contains(QStringLiteral("black")));
    window_->SpinEdit2->setValue(1);

    window_->PlacementDone();
    QVERIFY(window_->BitBtn12->isEnabled());
    QVERIFY(!window_->BitBtn11->isEnabled());
    window_->BitBtn12->click();
    QVERIFY(window_->BitBtn10->isEnabled());
    QCOMPARE(window_->Edit3->text(), QStringLiteral("0.000"));
    window_->BitBtn10->click();
    // Two copies: 2 x (30 + 30) mm of X, and 35 mm out and back between them.
    QCOMPARE(machine_->StepCount(Axis::X), 2 * 8000 + 2 * 4667);
    QCOMPARE(machine_->PositionSteps(Axis::X), 0);
    QCOMPARE(window_->State().WorkFeed, 300);
    QCOMPARE(window_->Label17->text(), QStringLiteral("300"));
    QVERIFY(window_->DrillingMode());
    QCOMPARE(window_->Label53->text(), QString::fromUtf8("Perçage"));
    QVERIFY(!window_->BitBtn10->isEnabled());
    QVERIFY(window_->BitBtn12->isEnabled());
    QVERIFY(window_->MessageLine().startsWith(QString::fromUtf8("Exécution instruction : ")));
  }

  void AMalformedProgramIsRefusedBeforeAnythingMoves() {
    Make();
    prompts_.QueueFileName(WriteFile(folder_->path(), "bad.iso", "G00 X5 Y5\r\nG01 X1,5\r\n"));
    window_->BitBtn9->click();
    window_->PlacementDone();
    window_->BitBtn12->click();
    window_->BitBtn10->click();
    QCOMPARE(TotalSteps(*machine_), 0);
    QVERIFY(!prompts_.Errors().isEmpty());
    QVERIFY(prompts_.Errors().last().contains(QStringLiteral("Ligne 2")));
  }

  void StopDuringAProgramIsTheLastStep() {
    Make();
    prompts_.QueueFileName(WriteFile(folder_->path(), "long.iso", "G01 X50 Y40\r\nG01 X0 Y0\r\nG01 X50\r\n"));
    window_->BitBtn9->click();
    window_->PlacementDone();
    window_->BitBtn12->click();
    std::int64_t steps_at_stop = -1;
    connect(window_->Shape1, &StopDisc::Pressed, this, [&] { steps_at_stop = TotalSteps(*machine_); });
    // Some way into the first move, a real press on the disc is queued; the event loop that the
    // move pumps delivers it.
    long pumps = 0;
    window_->SetPumpHook([&] {
      if (++pumps != 2000) return;
      QTimer::singleShot(0, window_.get(), [this] {
        QTest::mousePress(window_->Shape1, Qt::LeftButton, {}, QPoint(34, 34));
      });
    });
    window_->BitBtn10->click();
    window_->SetPumpHook({});
    QVERIFY(steps_at_stop > 0);
    QCOMPARE(TotalSteps(*machine_), steps_at_stop);  // not one step after STOP
    QVERIFY(window_->State().StopFlag);
    QVERIFY(window_->Shape1->ShowsRed());
    // The shown position is where the tool is.
    QCOMPARE(window_->Label1->text(),
             QString::number(machine_->PositionSteps(Axis::X) / 133.3333, 'f', 3));
    // Until "Raz" nothing moves; after it, moves run again.
    window_->MoveTo(1, 1, 0);
    QCOMPARE(TotalSteps(*machine_), steps_at_stop);
    window_->Button5->click();
    QCOMPARE(window_->Shape1->RingColour(), QColor(255, 255, 0));
    window_->MoveTo(0, 0, 0);
    QVERIFY(TotalSteps(*machine_) > steps_at_stop);
  }

  void GoToZeroAndRazButtons() {
    Make();
    window_->Edit1->setText(QStringLiteral("2.5"));
    window_->Edit3->setText(QStringLiteral("-1"));
    window_->Button1->click();
    QCOMPARE(machine_->PositionSteps(Axis::X), 333);
    QCOMPARE(machine_->PositionSteps(Axis::Z), -133);
    QCOMPARE(window_->Label1->text(), QStringLiteral("2.498"));  // 333 / 133.3333 = 2.4975006
    QTest::mouseClick(window_->Label5, Qt::LeftButton);  // "Z0"
    QCOMPARE(machine_->PositionSteps(Axis::Z), 0);
    QTest::mouseClick(window_->Label4, Qt::LeftButton);  // "(0;0)"
    QCOMPARE(machine_->PositionSteps(Axis::X), 0);
    window_->Edit2->setText(QStringLiteral("abc"));
    const std::int64_t before = TotalSteps(*machine_);
    window_->Button1->click();
    QCOMPARE(TotalSteps(*machine_), before);
    window_->MoveTo(4, 0, 0);
    window_->Button2->click();  // "RAZ" X
    QCOMPARE(window_->Label1->text(), QStringLiteral("0.000"));
    QCOMPARE(window_->State().Position[0], 0.0);
  }

  void TargetFieldsTakeSignedDecimalsOnly() {
    Make();
    QLocale::setDefault(QLocale::c());
    window_->Edit1->clear();
    QTest::keyClicks(window_->Edit1, QStringLiteral("-1.5-.2x"));
    QCOMPARE(window_->Edit1->text(), QStringLiteral("-1.52"));
    window_->Edit2->clear();
    QTest::keyClicks(window_->Edit2, QStringLiteral("3-"));
    QCOMPARE(window_->Edit2->text(), QStringLiteral("3"));
  }

  void SpindleButtonTogglesOnlyItsPicture() {
    Make();
    const std::uint8_t data = machine_->DataRegister();
    window_->BitBtn7->click();
    QVERIFY(window_->SpindleOn());
    QVERIFY(QFile::exists(QDir(folder_->path()).filePath("led1on.bmp")));
    window_->BitBtn7->click();
    QVERIFY(!window_->SpindleOn());
    QCOMPARE(machine_->DataRegister(), data);
  }

  void StatusTimerLightsTheWiredSwitch() {
    Make();
    machine_->SetTravel(Axis::X, 0, 100);  // X on its switch
    QTRY_VERIFY_WITH_TIMEOUT(window_->cyAdvLed1->Active(), 1000);
    QVERIFY(!window_->State().StopFlag);
  }

  void HoldingAnArrowJogsThroughTheWorker() {
    Make();
    QTest::mousePress(window_->BitBtn1, Qt::LeftButton);
    QTest::qWait(120);
    QTest::mouseRelease(window_->BitBtn1, Qt::LeftButton);
    const std::int64_t steps = machine_->PositionSteps(Axis::X);
    QVERIFY2(steps > 3, qPrintable(QString::number(steps)));
    QTest::qWait(30);
    QCOMPARE(machine_->PositionSteps(Axis::X), steps);  // released: no more steps
    QCOMPARE(window_->Label1->text(), QString::number(steps / 133.3333, 'f', 3));
    // The parameter dialog forwards its Z arrows to "haut" and "bas".
    window_->BitBtn6->Press();
    QTest::qWait(60);
    window_->BitBtn6->Release();
    QVERIFY(machine_->PositionSteps(Axis::Z) < 0);
    QCOMPARE(window_->State().Position[2], machine_->PositionSteps(Axis::Z) / 133.3333);
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
      MachineWindow window(prompts_, io);
      const QString message = window.MessageLine();
      QVERIFY2(message.contains(QString::fromUtf8("machine simulée")), qPrintable(message));
      QVERIFY(message.contains(QString::fromUtf8("Ordonnancement temps réel refusé.")));
      window.FormActivate();
      window.MoveTo(1, 0, 0);
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
    QVERIFY(!window_->Jog().Held());
    const std::int64_t steps = machine_->PositionSteps(Axis::X);
    QTest::qWait(30);
    QCOMPARE(machine_->PositionSteps(Axis::X), steps);
    QCOMPARE(window_->State().Position[0], steps / 133.3333);
  }

  void DestroyingTheWindowWhileJoggingStopsTheWorker() {
    Make();
    window_->JogPress(JogDirection::kDevant);
    QTest::qWait(40);
    window_.reset();  // the arrow still held
    const std::int64_t steps = machine_->StepCount(Axis::Y);
    QVERIFY(steps > 0);
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
