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
#include "core/windows/machine_settings_controls.h"
#include "core/windows/machine_window_controls.h"
#include "gui/app/startup.h"
#include "gui/setup/surfacing_tab.h"
#include "gui/widgets/hold_arrow_button.h"
#include "gui/widgets/named_control.h"
#include "gui/widgets/stop_disc.h"
#include "gui/support/simulated_machine_window.h"

using namespace pistora;

namespace {

constexpr double kStepsPerMm = 133.3333;

using R = MachineSettingsControl;

// The step controls' enabled states, in the order of SurfacingControls.
struct Enabled {
  bool table_zero, z_target, approach, jog_up, jog_down, validate_z, start_run;
  friend bool operator==(const Enabled&, const Enabled&) = default;
};

Enabled EnabledOf(const SurfacingTab& tab) {
  auto on = [&tab](R role) { return FindControl<QWidget>(tab, role)->isEnabled(); };
  return {on(R::kTableZeroButton), on(R::kZTargetEdit),     on(R::kApproachButton),       on(R::kJogUpButton),
          on(R::kJogDownButton),   on(R::kValidateZButton), on(R::kStartSurfacingButton)};
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
    Box(R::kSurfaceOffsetXEdit)->setText(QStringLiteral("1"));
    Box(R::kSurfaceOffsetYEdit)->setText(QStringLiteral("0.5"));
    Box(R::kSurfaceSizeXEdit)->setText(QStringLiteral("2"));
    Box(R::kSurfaceSizeYEdit)->setText(QStringLiteral("1.5"));
    Box(R::kSurfacePassDepthEdit)->setText(QStringLiteral("0.4"));
    Box(R::kSurfaceStepOverEdit)->setText(QStringLiteral("1"));
  }

  // Table zero, approach to Z -2 and validation: the page is Ready.
  void BringToReady() {
    SmallTable();
    Click(R::kTableZeroButton);
    Box(R::kZTargetEdit)->setText(QStringLiteral("-2"));
    Click(R::kApproachButton);
    Click(R::kValidateZButton);
    QCOMPARE(tab_->Page().State(), SurfacingState::kReady);
  }

  QLineEdit* MachineBox(MachineControl role) const { return FindControl<QLineEdit>(*window_, role); }
  QLineEdit* Box(R role) const { return FindControl<QLineEdit>(*tab_, role); }
  void Click(R role) const { FindControl<QPushButton>(*tab_, role)->click(); }
  StopDisc* Disc() const { return FindControl<StopDisc>(*tab_, R::kStopDisc); }
  HoldArrowButton* Arrow(R role) const { return FindControl<HoldArrowButton>(*tab_, role); }

  std::unique_ptr<QTemporaryDir> folder_;
  ScriptedPrompts prompts_;
  std::unique_ptr<SimulatedMachineWindow> simulated_;
  SimulatedMachine* machine_ = nullptr;
  MachineWindow* window_ = nullptr;
  std::unique_ptr<SurfacingTab> tab_;

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
    tab_ = std::make_unique<SurfacingTab>(simulated_->Session(), prompts_);
    // As the start-up wires the page to the machine window.
    connect(tab_.get(), &SurfacingTab::JogPressed, window_, &MachineWindow::JogPress);
    connect(tab_.get(), &SurfacingTab::JogReleased, window_, &MachineWindow::JogRelease);
    connect(tab_.get(), &SurfacingTab::TargetsReset, window_, &MachineWindow::SetTargetsToZero);
    connect(tab_.get(), &SurfacingTab::TargetZReset, window_, &MachineWindow::SetTargetZToZero);
  }

  void cleanup() {
    tab_.reset();
    simulated_.reset();
    QLocale::setDefault(QLocale::c());
  }

  void ControlsFactoryTextsAndKeyRules() {
    const struct {
      R role;
      const char* text;
      KeyMode mode;
    } boxes[] = {{R::kSurfaceOffsetXEdit, "17.25", KeyMode::UnsignedDecimal},
                 {R::kSurfaceOffsetYEdit, "12.25", KeyMode::UnsignedDecimal},
                 {R::kSurfaceSizeXEdit, "200.5", KeyMode::UnsignedDecimal},
                 {R::kSurfaceSizeYEdit, "150.5", KeyMode::UnsignedDecimal},
                 {R::kSurfacePassDepthEdit, "0.4", KeyMode::UnsignedDecimal},
                 {R::kSurfaceStepOverEdit, "1", KeyMode::UnsignedDecimal},
                 {R::kZTargetEdit, "-30", KeyMode::SignedDecimal}};
    for (const auto& box : boxes) {
      QLineEdit* edit = Box(box.role);
      QVERIFY(edit != nullptr);
      QCOMPARE(edit->text(), QString::fromLatin1(box.text));
      auto* filter = edit->findChild<NumericKeyFilterAdapter*>();
      QVERIFY(filter != nullptr);
      QCOMPARE(filter->Mode(), box.mode);
    }
    Box(R::kSurfaceSizeXEdit)->clear();
    QTest::keyClicks(Box(R::kSurfaceSizeXEdit), QStringLiteral("-1.2.5x"));
    QCOMPARE(Box(R::kSurfaceSizeXEdit)->text(), QStringLiteral("1.25"));

    QCOMPARE(FindControl<QLabel>(*tab_, R::kStopWord), Disc()->Word());
    QCOMPARE(Disc()->RingColour(), QColor(255, 255, 128));
    QCOMPARE(EnabledOf(*tab_), (Enabled{true, false, false, false, false, false, false}));
  }

  void ThreeStepsOnTheMachine() {
    MachineBox(MachineControl::kTargetXEdit)->setText(QStringLiteral("5"));
    MachineBox(MachineControl::kTargetZEdit)->setText(QStringLiteral("7"));
    SmallTable();
    Click(R::kTableZeroButton);
    QVERIFY(prompts_.Errors().isEmpty());
    QVERIFY(Near(Steps(Axis::X), 1));
    QVERIFY(Near(Steps(Axis::Y), 0.5));
    QCOMPARE(FindControl<QLabel>(*window_, MachineControl::kPositionX)->text(), QStringLiteral("0.000"));  // the origin is the work zero
    QCOMPARE(MachineBox(MachineControl::kTargetXEdit)->text(), QStringLiteral("0.000"));
    QCOMPARE(MachineBox(MachineControl::kTargetZEdit)->text(), QStringLiteral("0.000"));
    QCOMPARE(EnabledOf(*tab_), (Enabled{false, true, true, true, true, true, false}));
    const std::int64_t origin_x = Steps(Axis::X);
    const std::int64_t origin_y = Steps(Axis::Y);

    Box(R::kZTargetEdit)->setText(QStringLiteral("-2"));
    Click(R::kApproachButton);
    QVERIFY(Near(Steps(Axis::Z), -2));
    MachineBox(MachineControl::kTargetZEdit)->setText(QStringLiteral("7"));
    Click(R::kValidateZButton);
    QCOMPARE(FindControl<QLabel>(*window_, MachineControl::kPositionZ)->text(), QStringLiteral("0.000"));
    QCOMPARE(MachineBox(MachineControl::kTargetZEdit)->text(), QStringLiteral("0.000"));
    QCOMPARE(EnabledOf(*tab_), (Enabled{false, false, false, false, false, false, true}));
    const std::int64_t table_z = Steps(Axis::Z);

    // The start button is off from the first pump of the run.
    bool start_enabled_while_running = true;
    bool seen = false;
    simulated_->SetPumpHook([&] {
      if (seen) return;
      seen = true;
      start_enabled_while_running = FindControl<QPushButton>(*tab_, R::kStartSurfacingButton)->isEnabled();
    });
    Click(R::kStartSurfacingButton);
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
      QTest::mousePress(Disc(), Qt::LeftButton, {}, QPoint(34, 34));
      steps_at_stop = TotalSteps();
    });
    Click(R::kStartSurfacingButton);
    simulated_->SetPumpHook({});
    QVERIFY(steps_at_stop > 0);
    QCOMPARE(TotalSteps(), steps_at_stop);  // not one step after STOP, the return included
    QCOMPARE(tab_->Page().State(), SurfacingState::kDone);
    QVERIFY(simulated_->Session().State().StopFlag);
    QVERIFY(FindControl<StopDisc>(*window_, MachineControl::kStopDisc)->ShowsRed());
    QVERIFY(Disc()->ShowsRed());
    QCOMPARE(EnabledOf(*tab_), (Enabled{false, false, false, false, false, false, false}));

    Click(R::kResetStopButton);  // "Raz"
    QVERIFY(!simulated_->Session().State().StopFlag);
    QCOMPARE(FindControl<StopDisc>(*window_, MachineControl::kStopDisc)->RingColour(), QColor(255, 255, 0));
    QCOMPARE(Disc()->RingColour(), QColor(255, 255, 0));
    QCOMPARE(tab_->Page().State(), SurfacingState::kIdle);
    QCOMPARE(EnabledOf(*tab_), (Enabled{true, false, false, false, false, false, false}));
    // Re-armed: the whole sequence runs again.
    BringToReady();
    Click(R::kStartSurfacingButton);
    QCOMPARE(tab_->Page().State(), SurfacingState::kDone);
    QVERIFY(!simulated_->Session().State().StopFlag);
  }

  void StopOnTheWayToTheOriginStillZeroesThere() {
    SmallTable();
    long pumps = 0;
    simulated_->SetPumpHook([&] {
      if (++pumps == 40) tab_->PressStop();
    });
    Click(R::kTableZeroButton);
    simulated_->SetPumpHook({});
    QVERIFY(simulated_->Session().State().StopFlag);
    const std::int64_t stopped_x = Steps(Axis::X);
    QVERIFY(stopped_x > 0 && !Near(stopped_x, 1));  // cut short
    QCOMPARE(FindControl<QLabel>(*window_, MachineControl::kPositionX)->text(), QStringLiteral("0.000"));
    QCOMPARE(tab_->Page().State(), SurfacingState::kZSetting);
    // Until "Raz" the approach is refused and nothing moves.
    Box(R::kZTargetEdit)->setText(QStringLiteral("-2"));
    Click(R::kApproachButton);
    QCOMPARE(prompts_.Errors().size(), 1);
    QCOMPARE(Steps(Axis::Z), 0);
    Click(R::kResetStopButton);
    QCOMPARE(EnabledOf(*tab_), (Enabled{true, false, false, true, true, false, false}));
    Click(R::kTableZeroButton);
    QVERIFY(Near(Steps(Axis::X) - stopped_x, 1));  // the new origin, 1 mm further
  }

  void ZArrowsJogTheMachineWhileHeld() {
    SmallTable();
    Click(R::kTableZeroButton);
    QVERIFY(Arrow(R::kJogDownButton)->isEnabled());
    const std::int64_t z0 = Steps(Axis::Z);
    Arrow(R::kJogDownButton)->Press();  // "bas"
    QVERIFY(simulated_->Session().Jog().Held());
    QTest::qWait(60);
    Arrow(R::kJogDownButton)->Release();
    QVERIFY(!simulated_->Session().Jog().Held());
    const std::int64_t lowered = Steps(Axis::Z);
    QVERIFY2(lowered < z0, qPrintable(QString::number(lowered)));
    QTest::qWait(30);
    QCOMPARE(Steps(Axis::Z), lowered);  // released: no more steps

    Arrow(R::kJogUpButton)->Press();  // "haut"
    QTest::qWait(60);
    Arrow(R::kJogUpButton)->Release();
    QVERIFY(Steps(Axis::Z) > lowered);
    QVERIFY(!simulated_->Session().Jog().Held());

    // "Raz" from the Z setting leaves the arrows enabled.
    Click(R::kResetStopButton);
    QCOMPARE(EnabledOf(*tab_), (Enabled{true, false, false, true, true, false, false}));
  }

  void ApproachReadsTheRegionalSeparatorAndRefusesTheRest() {
    SmallTable();
    Click(R::kTableZeroButton);
    const std::int64_t before = TotalSteps();
    for (const char* text : {"abc", ""}) {
      QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
      prompts_.ClearMessages();
      Box(R::kZTargetEdit)->setText(QString::fromLatin1(text));
      Click(R::kApproachButton);
      QCOMPARE(prompts_.Errors().size(), 1);
      QCOMPARE(TotalSteps(), before);
    }
    Box(R::kZTargetEdit)->setText(QStringLiteral("-1,5"));
    Click(R::kApproachButton);
    QVERIFY(Near(Steps(Axis::Z), -1.5));
    QCOMPARE(tab_->Page().State(), SurfacingState::kZSetting);
  }

  void StepsRefusedWhileAMoveRuns() {
    SmallTable();
    Click(R::kTableZeroButton);
    Box(R::kZTargetEdit)->setText(QStringLiteral("-2"));
    bool clicked = false;
    simulated_->SetPumpHook([&] {
      if (clicked) return;
      clicked = true;
      tab_->ApproachZ();   // a second approach from inside the first
      tab_->ValidateZ();  // and the validation before the tool arrived
    });
    Click(R::kApproachButton);
    simulated_->SetPumpHook({});
    QVERIFY(clicked);
    QCOMPARE(prompts_.Errors().size(), 2);
    QVERIFY(Near(Steps(Axis::Z), -2));  // one approach only
    QCOMPARE(tab_->Page().State(), SurfacingState::kZSetting);
  }

  void RefusedValuesLeaveThePageUsable() {
    Box(R::kSurfaceOffsetYEdit)->setText(QStringLiteral("12,25"));
    Click(R::kTableZeroButton);
    QCOMPARE(prompts_.Errors().size(), 1);
    QVERIFY(prompts_.Errors().front().contains(QStringLiteral("Offset axe Y")));
    QCOMPARE(TotalSteps(), 0);
    QCOMPARE(tab_->Page().State(), SurfacingState::kIdle);

    prompts_.ClearMessages();
    BringToReady();
    const std::int64_t before = TotalSteps();
    Box(R::kSurfaceStepOverEdit)->setText(QStringLiteral("0"));
    Click(R::kStartSurfacingButton);
    QCOMPARE(prompts_.Errors().size(), 1);
    QCOMPARE(TotalSteps(), before);
    QCOMPARE(tab_->Page().State(), SurfacingState::kReady);
    QVERIFY(FindControl<QPushButton>(*tab_, R::kStartSurfacingButton)->isEnabled());
  }
};

QTEST_MAIN(SurfacingTabTest)
#include "surfacing_tab_test.moc"
