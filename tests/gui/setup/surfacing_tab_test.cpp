// The table surfacing page driving a real machine window over a simulated machine: the page's
// controls, its three steps through the buttons' enabled states, STOP and "Raz", the Z arrows
// forwarded to the machine window, and the refusals that keep the machine still.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdlib>
#include <memory>

#include "gui/adapters/numeric_key_filter_adapter.h"
#include "gui/adapters/scripted_prompts.h"
#include "gui/app/app_windows.h"
#include "gui/app/startup.h"
#include "gui/setup/surfacing_tab.h"
#include "gui/widgets/hold_arrow_button.h"
#include "gui/widgets/stop_disc.h"
#include "core/windows/machine_window_controls.h"
#include "gui/support/simulated_machine_window.h"
#include "gui/widgets/named_control.h"

using namespace pistora;

namespace {

constexpr double kStepsPerMm = 133.3333;

struct Enabled {
  bool button11, edit13, button1, bitbtn4, bitbtn5, button13, button12;
  friend bool operator==(const Enabled&, const Enabled&) = default;
};

Enabled EnabledOf(const SurfacingTab& tab) {
  return {tab.Button11->isEnabled(), tab.Edit13->isEnabled(), tab.Button1->isEnabled(),
          tab.BitBtn4->isEnabled(), tab.BitBtn5->isEnabled(), tab.Button13->isEnabled(),
          tab.Button12->isEnabled()};
}

bool Near(std::int64_t steps, double mm) { return std::llabs(steps - std::llround(mm * kStepsPerMm)) <= 1; }

}  // namespace

class SurfacingTabTest : public QObject {
  Q_OBJECT

 private:
  std::int64_t Steps(Axis axis) const { return machine_->PositionSteps(axis); }
  std::int64_t TotalSteps() const {
    return machine_->StepCount(Axis::X) + machine_->StepCount(Axis::Y) + machine_->StepCount(Axis::Z);
  }

  // A small table: origin 1, 0.5 from home, 2 by 1.5, step 1, depth 0.4.
  void SmallTable() {
    tab_->Edit5->setText(QStringLiteral("1"));
    tab_->Edit8->setText(QStringLiteral("0.5"));
    tab_->Edit9->setText(QStringLiteral("2"));
    tab_->Edit10->setText(QStringLiteral("1.5"));
    tab_->Edit11->setText(QStringLiteral("0.4"));
    tab_->Edit12->setText(QStringLiteral("1"));
  }

  // Table zero, approach to Z -2 and validation: the page is Ready.
  void BringToReady() {
    SmallTable();
    tab_->Button11->click();
    tab_->Edit13->setText(QStringLiteral("-2"));
    tab_->Button1->click();
    tab_->Button13->click();
    QCOMPARE(tab_->Page().State(), SurfacingState::kReady);
  }

  std::unique_ptr<QTemporaryDir> folder_;
  ScriptedPrompts prompts_;
  std::unique_ptr<SimulatedMachineWindow> simulated_;
  SimulatedMachine* machine_ = nullptr;
  MachineWindow* window_ = nullptr;
  MachineSession* session_ = nullptr;
  std::unique_ptr<SurfacingTab> tab_;

  template <typename W = QLabel>
  W* Machine(MachineControl role) {
    return FindControl<W>(*window_, role);
  }

 private slots:
  void initTestCase() { ApplyUiFont(); }

  void init() {
    QLocale::setDefault(QLocale::c());
    folder_ = std::make_unique<QTemporaryDir>();
    // No switch wired (homing keeps the position), a quick feed.
    QVERIFY(WriteSimulatedCnDat(folder_->path(), {{CnLine::WorkFeed, "600"}}));
    prompts_.ClearMessages();
    simulated_ = std::make_unique<SimulatedMachineWindow>(prompts_, folder_->path());
    machine_ = &simulated_->Machine();
    window_ = &simulated_->Window();
    session_ = &simulated_->Session();
    Windows().machine = window_;
    tab_ = std::make_unique<SurfacingTab>(nullptr, session_);
    tab_->SetPrompts(prompts_);
  }

  void cleanup() {
    tab_.reset();
    Windows().machine = nullptr;
    simulated_.reset();
    QLocale::setDefault(QLocale::c());
  }

  void ControlsFactoryTextsAndKeyRules() {
    const struct {
      QLineEdit* box;
      const char* name;
      const char* text;
      KeyMode mode;
    } boxes[] = {{tab_->Edit5, "Edit5", "17.25", KeyMode::UnsignedDecimal},
                 {tab_->Edit8, "Edit8", "12.25", KeyMode::UnsignedDecimal},
                 {tab_->Edit9, "Edit9", "200.5", KeyMode::UnsignedDecimal},
                 {tab_->Edit10, "Edit10", "150.5", KeyMode::UnsignedDecimal},
                 {tab_->Edit11, "Edit11", "0.4", KeyMode::UnsignedDecimal},
                 {tab_->Edit12, "Edit12", "1", KeyMode::UnsignedDecimal},
                 {tab_->Edit13, "Edit13", "-30", KeyMode::SignedDecimal}};
    for (const auto& box : boxes) {
      QCOMPARE(tab_->findChild<QLineEdit*>(QString::fromLatin1(box.name)), box.box);
      QCOMPARE(box.box->text(), QString::fromLatin1(box.text));
      auto* filter = box.box->findChild<NumericKeyFilterAdapter*>();
      QVERIFY2(filter != nullptr, box.name);
      QCOMPARE(filter->Mode(), box.mode);
    }
    tab_->Edit9->clear();
    QTest::keyClicks(tab_->Edit9, QStringLiteral("-1.2.5x"));
    QCOMPARE(tab_->Edit9->text(), QStringLiteral("1.25"));

    QCOMPARE(tab_->GroupBox7->title(), QString::fromUtf8("Surfaçage plan de travail"));
    const struct {
      const char* name;
      const char* text;
    } captions[] = {{"Label21", "Offset axe X : "}, {"Label31", "Encart entre deux passes : "},
                    {"LabelSurfaceSizeY", "Dimenssion Y :"}, {"UnitSurfaceStepOver", "mm"},
                    {"Label39", "Réglage Axe Z"}, {"Label38", "STOP"}};
    for (const auto& caption : captions) {
      auto* label = tab_->findChild<QLabel*>(QString::fromLatin1(caption.name));
      QVERIFY2(label != nullptr, caption.name);
      QCOMPARE(label->text(), QString::fromUtf8(caption.text));
    }
    QCOMPARE(tab_->Button12->text(), QString::fromUtf8("Démarrer le surfacage"));
    QCOMPARE(tab_->Button2->text(), QStringLiteral("Raz"));
    QCOMPARE(tab_->Shape1->RingColour(), QColor(255, 255, 128));
    QCOMPARE(EnabledOf(*tab_), (Enabled{true, false, false, false, false, false, false}));
  }

  void ThreeStepsOnTheMachine() {
    Machine<QLineEdit>(MachineControl::kTargetXEdit)->setText(QStringLiteral("5"));
    Machine<QLineEdit>(MachineControl::kTargetZEdit)->setText(QStringLiteral("7"));
    SmallTable();
    tab_->Button11->click();
    QVERIFY(prompts_.Errors().isEmpty());
    QVERIFY(Near(Steps(Axis::X), 1));
    QVERIFY(Near(Steps(Axis::Y), 0.5));
    QCOMPARE(Machine(MachineControl::kPositionX)->text(), QStringLiteral("0.000"));  // the origin is the work zero
    QCOMPARE(Machine<QLineEdit>(MachineControl::kTargetXEdit)->text(), QStringLiteral("0.000"));
    QCOMPARE(Machine<QLineEdit>(MachineControl::kTargetZEdit)->text(), QStringLiteral("0.000"));
    QCOMPARE(EnabledOf(*tab_), (Enabled{false, true, true, true, true, true, false}));
    const std::int64_t origin_x = Steps(Axis::X);
    const std::int64_t origin_y = Steps(Axis::Y);

    tab_->Edit13->setText(QStringLiteral("-2"));
    tab_->Button1->click();
    QVERIFY(Near(Steps(Axis::Z), -2));
    Machine<QLineEdit>(MachineControl::kTargetZEdit)->setText(QStringLiteral("7"));
    tab_->Button13->click();
    QCOMPARE(Machine(MachineControl::kPositionZ)->text(), QStringLiteral("0.000"));
    QCOMPARE(Machine<QLineEdit>(MachineControl::kTargetZEdit)->text(), QStringLiteral("0.000"));
    QCOMPARE(EnabledOf(*tab_), (Enabled{false, false, false, false, false, false, true}));
    const std::int64_t table_z = Steps(Axis::Z);

    // The start button is off from the first pump of the run.
    bool start_enabled_while_running = true;
    bool seen = false;
    simulated_->SetPumpHook([&] {
      if (seen) return;
      seen = true;
      start_enabled_while_running = tab_->Button12->isEnabled();
    });
    tab_->Button12->click();
    simulated_->SetPumpHook({});
    QVERIFY(seen);
    QVERIFY(!start_enabled_while_running);
    QVERIFY(prompts_.Errors().isEmpty());
    QCOMPARE(tab_->Page().State(), SurfacingState::kDone);
    QCOMPARE(EnabledOf(*tab_), (Enabled{false, false, false, false, false, false, false}));
    // Back at the origin, one pass depth below the table.
    QCOMPARE(Steps(Axis::X), origin_x);
    QCOMPARE(Steps(Axis::Y), origin_y);
    QVERIFY(std::llabs(Steps(Axis::Z) - (table_z - std::llround(0.4 * kStepsPerMm))) <= 1);
    // X: 1 to the origin, a pass out and a pass back (2 each). Y: 0.5 to the origin, step-overs
    // to 1 and to 1.5 (clamped), 1.5 back.
    QVERIFY(Near(machine_->StepCount(Axis::X), 5));
    QVERIFY(Near(machine_->StepCount(Axis::Y), 3.5));
  }

  void StopMidRunEndsDoneAndRazReArms() {
    BringToReady();
    std::int64_t steps_at_stop = -1;
    long pumps = 0;
    simulated_->SetPumpHook([&] {
      if (++pumps != 3000) return;
      QTest::mousePress(tab_->Shape1, Qt::LeftButton, {}, QPoint(34, 34));
      steps_at_stop = TotalSteps();
    });
    tab_->Button12->click();
    simulated_->SetPumpHook({});
    QVERIFY(steps_at_stop > 0);
    QCOMPARE(TotalSteps(), steps_at_stop);  // not one step after STOP, the return included
    QCOMPARE(tab_->Page().State(), SurfacingState::kDone);
    QVERIFY(session_->State().StopFlag);
    QVERIFY(Machine<StopDisc>(MachineControl::kStopDisc)->ShowsRed());
    QVERIFY(tab_->Shape1->ShowsRed());
    QCOMPARE(EnabledOf(*tab_), (Enabled{false, false, false, false, false, false, false}));

    tab_->Button2->click();  // "Raz"
    QVERIFY(!session_->State().StopFlag);
    QCOMPARE(Machine<StopDisc>(MachineControl::kStopDisc)->RingColour(), QColor(255, 255, 0));
    QCOMPARE(tab_->Shape1->RingColour(), QColor(255, 255, 0));
    QCOMPARE(tab_->Page().State(), SurfacingState::kIdle);
    QCOMPARE(EnabledOf(*tab_), (Enabled{true, false, false, false, false, false, false}));
    // Re-armed: the whole sequence runs again.
    BringToReady();
    tab_->Button12->click();
    QCOMPARE(tab_->Page().State(), SurfacingState::kDone);
    QVERIFY(!session_->State().StopFlag);
  }

  void StopOnTheWayToTheOriginStillZeroesThere() {
    SmallTable();
    long pumps = 0;
    simulated_->SetPumpHook([&] {
      if (++pumps == 40) tab_->StopMouseDown();
    });
    tab_->Button11->click();
    simulated_->SetPumpHook({});
    QVERIFY(session_->State().StopFlag);
    const std::int64_t stopped_x = Steps(Axis::X);
    QVERIFY(stopped_x > 0 && !Near(stopped_x, 1));  // cut short
    QCOMPARE(Machine(MachineControl::kPositionX)->text(), QStringLiteral("0.000"));
    QCOMPARE(tab_->Page().State(), SurfacingState::kZSetting);
    // Until "Raz" the approach is refused and nothing moves.
    tab_->Edit13->setText(QStringLiteral("-2"));
    tab_->Button1->click();
    QCOMPARE(prompts_.Errors().size(), 1);
    QCOMPARE(Steps(Axis::Z), 0);
    tab_->Button2->click();
    QCOMPARE(EnabledOf(*tab_), (Enabled{true, false, false, true, true, false, false}));
    tab_->Button11->click();
    QVERIFY(Near(Steps(Axis::X) - stopped_x, 1));  // the new origin, 1 mm further
  }

  void ZArrowsJogTheMachineWhileHeld() {
    SmallTable();
    tab_->Button11->click();
    QVERIFY(tab_->BitBtn5->isEnabled());
    const std::int64_t z0 = Steps(Axis::Z);
    tab_->BitBtn5->Press();  // "bas"
    QVERIFY(session_->Jog().Held());
    QTest::qWait(60);
    tab_->BitBtn5->Release();
    QVERIFY(!session_->Jog().Held());
    const std::int64_t lowered = Steps(Axis::Z);
    QVERIFY2(lowered < z0, qPrintable(QString::number(lowered)));
    QTest::qWait(30);
    QCOMPARE(Steps(Axis::Z), lowered);  // released: no more steps

    tab_->BitBtn4->Press();  // "haut"
    QTest::qWait(60);
    tab_->BitBtn4->Release();
    QVERIFY(Steps(Axis::Z) > lowered);
    QVERIFY(!session_->Jog().Held());

    // "Raz" from the Z setting leaves the arrows enabled.
    tab_->Button2->click();
    QCOMPARE(EnabledOf(*tab_), (Enabled{true, false, false, true, true, false, false}));
  }

  void ApproachReadsTheRegionalSeparatorAndRefusesTheRest() {
    SmallTable();
    tab_->Button11->click();
    const std::int64_t before = TotalSteps();
    for (const char* text : {"abc", ""}) {
      QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
      prompts_.ClearMessages();
      tab_->Edit13->setText(QString::fromLatin1(text));
      tab_->Button1->click();
      QCOMPARE(prompts_.Errors().size(), 1);
      QCOMPARE(TotalSteps(), before);
    }
    tab_->Edit13->setText(QStringLiteral("-1,5"));
    tab_->Button1->click();
    QVERIFY(Near(Steps(Axis::Z), -1.5));
    QCOMPARE(tab_->Page().State(), SurfacingState::kZSetting);
  }

  void StepsRefusedWhileAMoveRuns() {
    SmallTable();
    tab_->Button11->click();
    tab_->Edit13->setText(QStringLiteral("-2"));
    bool clicked = false;
    simulated_->SetPumpHook([&] {
      if (clicked) return;
      clicked = true;
      tab_->Button1Click();   // a second approach from inside the first
      tab_->Button13Click();  // and the validation before the tool arrived
    });
    tab_->Button1->click();
    simulated_->SetPumpHook({});
    QVERIFY(clicked);
    QCOMPARE(prompts_.Errors().size(), 2);
    QVERIFY(Near(Steps(Axis::Z), -2));  // one approach only
    QCOMPARE(tab_->Page().State(), SurfacingState::kZSetting);
  }

  void RefusedValuesLeaveThePageUsable() {
    tab_->Edit8->setText(QStringLiteral("12,25"));
    tab_->Button11->click();
    QCOMPARE(prompts_.Errors().size(), 1);
    QVERIFY(prompts_.Errors().front().contains(QStringLiteral("Offset axe Y")));
    QCOMPARE(TotalSteps(), 0);
    QCOMPARE(tab_->Page().State(), SurfacingState::kIdle);

    prompts_.ClearMessages();
    BringToReady();
    const std::int64_t before = TotalSteps();
    tab_->Edit12->setText(QStringLiteral("0"));
    tab_->Button12->click();
    QCOMPARE(prompts_.Errors().size(), 1);
    QCOMPARE(TotalSteps(), before);
    QCOMPARE(tab_->Page().State(), SurfacingState::kReady);
    QVERIFY(tab_->Button12->isEnabled());
  }

  void WithoutTheMachineWindowNothingHappens() {
    Windows().machine = nullptr;
    tab_ = std::make_unique<SurfacingTab>();
    tab_->SetPrompts(prompts_);
    tab_->Button11->click();
    QCOMPARE(prompts_.Errors().size(), 1);
    QCOMPARE(tab_->Page().State(), SurfacingState::kIdle);
    tab_->StopMouseDown();  // still paints its own disc
    QVERIFY(tab_->Shape1->ShowsRed());
    tab_->Button2Click();
    QCOMPARE(tab_->Shape1->RingColour(), QColor(255, 255, 0));
  }
};

QTEST_MAIN(SurfacingTabTest)
#include "surfacing_tab_test.moc"
