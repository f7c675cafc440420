// Probing from the machine window on a simulated plate: "Palper Z", and the height-map window
// (its controls, refusals, the map probed, shown, applied, saved and loaded back).
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/machine/height_map.h"
#include "core/windows/height_map_window_controls.h"
#include "core/windows/machine_window_controls.h"
#include "gui/adapters/scripted_prompts.h"
#include "gui/app/user_settings.h"
#include "gui/machine/height_map_window.h"
#include "gui/machine/probe_settings_store.h"
#include "gui/support/simulated_machine_window.h"
#include "gui/widgets/named_control.h"

using namespace pistora;

class HeightMapWindowTest : public QObject {
  Q_OBJECT

 private:
  template <typename W = QWidget, typename Role>
  W* Control(QWidget& window, Role role) {
    W* control = FindControl<W>(window, role);
    if (control == nullptr) qFatal("no control %s", ObjectNameOf(role).toLatin1().constData());
    return control;
  }
  HeightMapWindow& MapWindow() {
    Control<QAbstractButton>(rig_->Window(), MachineControl::kHeightMapButton)->click();
    auto* window = rig_->Window().findChild<HeightMapWindow*>();
    if (window == nullptr) qFatal("no height-map window");
    return *window;
  }

  std::unique_ptr<QTemporaryDir> folder_;
  ScriptedPrompts prompts_;
  std::unique_ptr<SimulatedMachineWindow> rig_;

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void init() {
    UserSettings().remove(QStringLiteral("palpeur"));
    folder_ = std::make_unique<QTemporaryDir>();
    // The probe on pin 12 (paper-out).
    QVERIFY(WriteSimulatedCnDat(folder_->path(), {{CnLine::ProbeInput, "3"}}));
    prompts_.ClearMessages();
    rig_ = std::make_unique<SimulatedMachineWindow>(prompts_, folder_->path());
    QVERIFY(rig_->Session().Port().Signals().probe.mask != 0);
    const MachineParameters& p = rig_->Session().State().Parameters;
    // The copper 1 mm under the tool at the origin, rising 0.2 mm over 100 mm in X.
    rig_->Machine().SetSurface([](double x, double) { return -1.0 + 0.002 * x; },
                               {p.StepsPerMmX, p.StepsPerMmY, p.StepsPerMmZ});
  }

  void cleanup() { rig_.reset(); }

  void TouchOffPutsZeroOnTheCopperUnderThePlate() {
    SaveProbeSettings({30, 5, 0.5, 2});
    // Without a probe wired the button is off.
    QVERIFY(WriteSimulatedCnDat(folder_->path()));
    rig_->Window().Activated();
    QVERIFY(!Control<QAbstractButton>(rig_->Window(), MachineControl::kTouchOffButton)->isEnabled());
    QVERIFY(WriteSimulatedCnDat(folder_->path(), {{CnLine::ProbeInput, "3"}}));
    rig_->Window().Activated();
    rig_->Session().PlacementDone();  // the work placed: the Z level is asked for
    Control<QAbstractButton>(rig_->Window(), MachineControl::kTouchOffButton)->click();
    rig_->Session().Poll();
    // The touch-off validates it: the run may start.
    QVERIFY(Control<QAbstractButton>(rig_->Window(), MachineControl::kStartButton)->isEnabled());
    QVERIFY(!Control<QAbstractButton>(rig_->Window(), MachineControl::kValidateZButton)->isEnabled());
    // Lifted back to where it started: 1 mm above the copper, plus the plate it touched.
    QVERIFY2(std::abs(rig_->Session().State().Position[2] - 0.5 - 1.0) < 0.004,
             qPrintable(QString::number(rig_->Session().State().Position[2])));
    QVERIFY(!rig_->Session().State().StopFlag);
  }

  void RefusesBadValuesNamingTheField() {
    HeightMapWindow& window = MapWindow();
    for (const ControlName<HeightMapControl>& row : HeightMapWindowControls().Rows()) {
      if (row.kind == CaptionTargetKind::kWindowTitle) continue;
      QCOMPARE(window.findChildren<QObject*>(QString::fromLatin1(row.object_name.data(),
                                                                 static_cast<qsizetype>(row.object_name.size())))
                   .size(),
               1);
    }
    Control<QLineEdit>(window, HeightMapControl::kFeedEdit)->setText(QStringLiteral("0"));
    window.ProbeMap();
    QVERIFY(!prompts_.Errors().isEmpty());
    QVERIFY2(prompts_.Errors().last().contains(QString::fromUtf8("Avance de palpage")), qPrintable(prompts_.Errors().last()));
    // No program loaded: no extent, no grid.
    Control<QLineEdit>(window, HeightMapControl::kFeedEdit)->setText(QStringLiteral("60"));
    window.ProbeMap();
    QVERIFY2(prompts_.Errors().last().contains(QString::fromUtf8("étendue")), qPrintable(prompts_.Errors().last()));
    QCOMPARE(TotalStepsOf(rig_->Machine()), 0);
  }

  void ProbesShowsAppliesSavesAndLoadsTheMap() {
    rig_->Session().SetJobExtent(40, 30);
    HeightMapWindow& window = MapWindow();
    Control<QRadioButton>(window, HeightMapControl::kByCountRadio)->setChecked(true);
    Control<QSpinBox>(window, HeightMapControl::kColumnsSpin)->setValue(3);
    Control<QSpinBox>(window, HeightMapControl::kRowsSpin)->setValue(2);
    Control<QLineEdit>(window, HeightMapControl::kFeedEdit)->setText(QStringLiteral("60"));
    Control<QAbstractButton>(window, HeightMapControl::kProbeMapButton)->click();
    rig_->Session().Poll();
    QVERIFY2(!window.Map().Empty(), qPrintable(Control<QLabel>(window, HeightMapControl::kSummary)->text()));
    QCOMPARE(window.Map().Grid().columns, 3);
    QVERIFY(std::abs(window.Map().At(2, 1) - 0.08) < 0.008);
    QVERIFY(Control<QLabel>(window, HeightMapControl::kSummary)->text().contains(QStringLiteral("pente X 0.2")));
    QVERIFY(!Control<QLabel>(window, HeightMapControl::kPicture)->pixmap().isNull());
    QCOMPARE(LoadProbeSettings().feed, 60.0);
    QVERIFY(!LoadProbeGrid().by_spacing);

    QVERIFY(!rig_->Session().AppliedHeightMap());
    Control<QCheckBox>(window, HeightMapControl::kApplyCheck)->setChecked(true);
    QVERIFY(rig_->Session().AppliedHeightMap());

    const QString path = QDir(folder_->path()).filePath("carte.txt");
    prompts_.QueueFileName(path);
    window.SaveMap();
    QVERIFY(QFile::exists(path));
    const double probed = window.Map().At(2, 1);
    window.ShowMap(HeightMap(window.Map().Grid()));
    prompts_.QueueFileName(path);
    window.LoadMap();
    QVERIFY(std::abs(window.Map().At(2, 1) - probed) < 0.0001);

    QFile bad(QDir(folder_->path()).filePath("bad.txt"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("grille 2 2 0 0 10 10\r\n0 0 0\r\n");
    bad.close();
    prompts_.QueueFileName(bad.fileName());
    window.LoadMap();
    QVERIFY2(prompts_.Errors().last().contains(QStringLiteral("ligne 2")), qPrintable(prompts_.Errors().last()));
    QVERIFY(std::abs(window.Map().At(2, 1) - probed) < 0.0001);  // the map shown stays
  }

 private:
  static std::int64_t TotalStepsOf(const SimulatedMachine& m) {
    return m.StepCount(Axis::X) + m.StepCount(Axis::Y) + m.StepCount(Axis::Z);
  }
};

QTEST_MAIN(HeightMapWindowTest)
#include "height_map_window_test.moc"
