// The parameter dialog: list colours, key rules, reading cn.dat on activation and on
// "&Restaurer", and writing it on "&Valider / Sortir".
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "core/machine/fake_setup_motion.h"
#include "core/settings/parameter_dialog.h"
#include "core/windows/machine_settings_controls.h"
#include "gui/adapters/scripted_prompts.h"
#include "gui/app/screenshots.h"
#include "gui/app/startup.h"
#include "gui/setup/machine_settings_dialog.h"
#include "gui/setup/surfacing_tab.h"
#include "gui/widgets/named_control.h"

using namespace pistora;

namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);

QByteArray Golden() {
  QFile file(QStringLiteral(PISTORA_DEFAULT_SOURCE_DIR "/tests/golden/parameter-dialog-cn.dat"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Slurp(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Line `number` (1-based) of a CR LF file replaced.
QByteArray WithLine(QByteArray bytes, int number, const QByteArray& text) {
  QList<QByteArray> lines = bytes.split('\n');
  lines[number - 1] = text + '\r';
  return lines.join('\n');
}

QByteArray Line(const QByteArray& bytes, int number) { return bytes.split('\n').value(number - 1).chopped(1); }

using R = MachineSettingsControl;

QComboBox* List(const MachineSettingsDialog& dialog, R role) { return FindControl<QComboBox>(dialog, role); }
QLineEdit* Box(const MachineSettingsDialog& dialog, R role) { return FindControl<QLineEdit>(dialog, role); }
QCheckBox* Check(const MachineSettingsDialog& dialog, R role) { return FindControl<QCheckBox>(dialog, role); }
QPushButton* Button(const MachineSettingsDialog& dialog, R role) { return FindControl<QPushButton>(dialog, role); }

QString FromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// What a control of the table shows as its caption, as the language applier would set it.
QString ShownCaption(const MachineSettingsDialog& dialog, const ControlName<R>& row) {
  if (row.kind == CaptionTargetKind::kWindowTitle) return dialog.windowTitle();
  QObject* control = dialog.findChild<QObject*>(FromView(row.object_name));
  if (control == nullptr) return QStringLiteral("<missing>");
  if (row.kind == CaptionTargetKind::kPageTitle) {
    auto* tabs = FindControl<QTabWidget>(dialog, R::kPages);
    return tabs->tabText(tabs->indexOf(qobject_cast<QWidget*>(control)));
  }
  if (row.kind == CaptionTargetKind::kFirstListItem) return qobject_cast<QComboBox*>(control)->itemText(0);
  for (const char* property : {"title", "text"}) {
    if (control->metaObject()->indexOfProperty(property) >= 0) return control->property(property).toString();
  }
  return {};
}

void Activate(MachineSettingsDialog& dialog) {
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(&dialog, &activate);
}

void Choose(QComboBox* list, const QString& item) {
  const int index = list->findText(item);
  QVERIFY2(index >= 0, qPrintable(item));
  list->setCurrentIndex(index);
}

void Retype(QLineEdit* box, const QString& keys) {
  box->setFocus();
  box->clear();
  QTest::keyClicks(box, keys);
}

}  // namespace

class MachineSettingsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    ApplyUiFont();
    QLocale::setDefault(QLocale::c());  // "." is the decimal separator of the key filter
    QVERIFY(!Golden().isEmpty());
  }

  void FactoryValuesShowThePortGreenAndEveryPinRed() {
    ScriptedPrompts prompts;
    FakeSetupMotion motion;
    MachineSettingsDialog dialog(prompts, motion, QStringLiteral("/nonexistent"));
    QCOMPARE(dialog.windowTitle(), QString::fromUtf8("Paramétrage"));
    QCOMPARE(dialog.size(), QSize(603, 300));
    QCOMPARE(List(dialog, R::kPortList)->currentText(), QStringLiteral("LPT1  378h - 37Fh"));
    QCOMPARE(MachineSettingsDialog::ListColourOf(List(dialog, R::kPortList)), kGreen);
    for (const ParameterDialogControl& control : ParameterDialogControls()) {
      if (control.kind != DialogControlKind::List || control.role == R::kPortList) continue;
      QComboBox* list = List(dialog, control.role);
      QVERIFY(list != nullptr);
      QCOMPARE(list->currentIndex(), 0);
      QVERIFY2(MachineSettingsDialog::ListColourOf(list) == kRed, qPrintable(list->objectName()));
      QVERIFY(!list->isEditable());
    }
    QCOMPARE(List(dialog, R::kEmergencyStopList)->count(), 6);
    QCOMPARE(List(dialog, R::kSpindleList)->count(), 9);
    QCOMPARE(Box(dialog, R::kSurfaceOffsetXEdit)->text(), QStringLiteral("17.25"));  // surfacing page
    QCOMPARE(Box(dialog, R::kCopyGapEdit)->text(), QStringLiteral("5"));
    QVERIFY(prompts.Errors().isEmpty() && prompts.Infos().isEmpty());

    // Every control of the table is there, with its built-in caption.
    for (const ControlName<R>& row : MachineSettingsControls().Rows()) {
      if (row.built_in.empty()) {
        QVERIFY2(dialog.findChild<QObject*>(FromView(row.object_name)) != nullptr, row.object_name.data());
      } else {
        QCOMPARE(ShownCaption(dialog, row), FromView(row.built_in));
      }
    }

    // Every caption fits its control.
    QStringList clipped = ClippedCaptions(&dialog);
    // ... and every list its longest item.
    for (const QComboBox* list : dialog.findChildren<QComboBox*>()) {
      if (list->sizeHint().width() > list->width()) {
        clipped << QStringLiteral("%1 (%2 > %3)").arg(list->objectName()).arg(list->sizeHint().width()).arg(list->width());
      }
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
  }

  void ChoosingAPinTurnsTheListGreenAndNotUsedRedAgain() {
    ScriptedPrompts prompts;
    FakeSetupMotion motion;
    MachineSettingsDialog dialog(prompts, motion, QStringLiteral("/nonexistent"));
    QComboBox* step_x = List(dialog, R::kStepXList);
    Choose(step_x, QStringLiteral("b3 = D1"));
    QCOMPARE(MachineSettingsDialog::ListColourOf(step_x), kGreen);
    QCOMPARE(MachineSettingsDialog::ListColourOf(List(dialog, R::kDirXList)), kRed);  // the others stay
    Choose(step_x, QString::fromUtf8("Non utilisée"));
    QCOMPARE(MachineSettingsDialog::ListColourOf(step_x), kRed);
    Choose(List(dialog, R::kPortList), QString::fromUtf8("Port désactivé"));
    QCOMPARE(MachineSettingsDialog::ListColourOf(List(dialog, R::kPortList)), kRed);
    Choose(List(dialog, R::kProbeList), QStringLiteral("b11 = Busy"));
    QCOMPARE(MachineSettingsDialog::ListColourOf(List(dialog, R::kProbeList)), kGreen);
  }

  void BoxesTakeOnlyTheKeysOfTheirMode() {
    ScriptedPrompts prompts;
    FakeSetupMotion motion;
    MachineSettingsDialog dialog(prompts, motion, QStringLiteral("/nonexistent"));
    Retype(Box(dialog, R::kMaxFeedEdit), QStringLiteral("1.5"));
    QCOMPARE(Box(dialog, R::kMaxFeedEdit)->text(), QStringLiteral("15"));
    Retype(Box(dialog, R::kLimitBackOffEdit), QStringLiteral("-7a"));
    QCOMPARE(Box(dialog, R::kLimitBackOffEdit)->text(), QStringLiteral("7"));
    Retype(Box(dialog, R::kStepsPerMmXEdit), QStringLiteral("1.2.5x"));
    QCOMPARE(Box(dialog, R::kStepsPerMmXEdit)->text(), QStringLiteral("1.25"));
    Retype(Box(dialog, R::kCopyGapEdit), QStringLiteral("-2.5"));  // copper page: unsigned decimal
    QCOMPARE(Box(dialog, R::kCopyGapEdit)->text(), QStringLiteral("2.5"));
    Retype(Box(dialog, R::kSurfaceSizeYEdit), QStringLiteral("-1.5.0"));  // surfacing page
    QCOMPARE(Box(dialog, R::kSurfaceSizeYEdit)->text(), QStringLiteral("1.50"));
  }

  void ActivationAndRestaurerBringBackTheFileValues() {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    FakeSetupMotion motion;
    MachineSettingsDialog dialog(prompts, motion, folder.path());
    QVERIFY(WriteBytes(dialog.ParameterFilePath(), Golden()));
    Activate(dialog);
    QCOMPARE(Box(dialog, R::kMaxFeedEdit)->text(), QStringLiteral("900"));
    QCOMPARE(List(dialog, R::kPortList)->currentIndex(), 3);
    QCOMPARE(List(dialog, R::kDirXList)->currentIndex(), 7);
    QVERIFY(Check(dialog, R::kEmergencyStopInverted)->isChecked());
    QVERIFY(!Check(dialog, R::kLimitXInverted)->isChecked());
    QCOMPARE(Box(dialog, R::kSurfaceSizeYEdit)->text(), QStringLiteral("120.5"));
    QCOMPARE(MachineSettingsDialog::ListColourOf(List(dialog, R::kStepXList)), kGreen);

    // An edit not confirmed is lost when the dialog comes back into focus.
    Retype(Box(dialog, R::kMaxFeedEdit), QStringLiteral("1234"));
    List(dialog, R::kStepXList)->setCurrentIndex(0);
    Activate(dialog);
    QCOMPARE(Box(dialog, R::kMaxFeedEdit)->text(), QStringLiteral("900"));
    QCOMPARE(List(dialog, R::kStepXList)->currentIndex(), 6);
    QCOMPARE(MachineSettingsDialog::ListColourOf(List(dialog, R::kStepXList)), kGreen);

    // "&Restaurer" does the same and the dialog stays open.
    dialog.show();
    Retype(Box(dialog, R::kWorkFeedEdit), QStringLiteral("77"));
    Check(dialog, R::kSpindleInverted)->setChecked(true);
    QTest::mouseClick(Button(dialog, R::kRestoreButton), Qt::LeftButton);
    QCOMPARE(Box(dialog, R::kWorkFeedEdit)->text(), QStringLiteral("250"));
    QVERIFY(!Check(dialog, R::kSpindleInverted)->isChecked());
    QVERIFY(dialog.isVisible());
    QVERIFY(prompts.Errors().isEmpty() && prompts.Infos().isEmpty());

    // "&Annuler / Sortir" closes and writes nothing.
    Retype(Box(dialog, R::kWorkFeedEdit), QStringLiteral("77"));
    QTest::mouseClick(Button(dialog, R::kCancelButton), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(Slurp(dialog.ParameterFilePath()), Golden());
  }

  void ValiderWritesTheFortySevenLinesInFileOrder() {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    FakeSetupMotion motion;
    MachineSettingsDialog dialog(prompts, motion, folder.path());
    // The controls set one by one, as a user would: the golden file holds these values.
    const QList<QPair<R, int>> lists = {
        {R::kPortList, 3},  {R::kEmergencyStopList, 4}, {R::kStepXList, 6}, {R::kLimitXList, 5},
        {R::kLimitYList, 2}, {R::kLimitZList, 1},       {R::kProbeList, 3}, {R::kDirXList, 7},
        {R::kStepYList, 8}, {R::kDirYList, 1},          {R::kStepZList, 2}, {R::kDirZList, 3},
        {R::kSpindleList, 5}};
    for (const auto& [role, index] : lists) List(dialog, role)->setCurrentIndex(index);
    for (R role : {R::kEmergencyStopInverted, R::kLimitYInverted, R::kLimitZInverted, R::kDirXInverted,
                   R::kDirYInverted, R::kStepZInverted, R::kDirZInverted}) {
      Check(dialog, role)->setChecked(true);
    }
    const QList<QPair<R, const char*>> texts = {
        {R::kStepsPerMmXEdit, "80"},        {R::kStepsPerMmYEdit, "81.5"},    {R::kStepsPerMmZEdit, "400.25"},
        {R::kMaxFeedEdit, "900"},           {R::kWorkFeedEdit, "250"},        {R::kMinPulseEdit, "45"},
        {R::kSurfaceOffsetXEdit, "10.5"},   {R::kSurfaceOffsetYEdit, "11.75"}, {R::kSurfaceSizeXEdit, "180"},
        {R::kSurfaceSizeYEdit, "120.5"},    {R::kSurfacePassDepthEdit, "0.3"}, {R::kSurfaceStepOverEdit, "1.25"},
        {R::kPlateSizeXEdit, "160"},        {R::kPlateSizeYEdit, "100"},      {R::kPlateThicknessEdit, "1.5"},
        {R::kCopyGapEdit, "3"},             {R::kPlateBorderXEdit, "6"},      {R::kPlateBorderYEdit, "4"},
        {R::kPlateOriginXEdit, "20.5"},     {R::kPlateOriginYEdit, "14.5"},   {R::kTickWaitEdit, "41"},
        {R::kLimitBackOffEdit, "2"}};
    for (const auto& [role, text] : texts) Box(dialog, role)->setText(QString::fromLatin1(text));

    dialog.show();
    QTest::mouseClick(Button(dialog, R::kConfirmButton), Qt::LeftButton);
    QVERIFY2(prompts.Errors().isEmpty(), qPrintable(prompts.Errors().join(QStringLiteral("; "))));
    QVERIFY2(prompts.Infos().isEmpty(), qPrintable(prompts.Infos().join(QStringLiteral("; "))));
    QVERIFY(!dialog.isVisible());
    const QByteArray written = Slurp(dialog.ParameterFilePath());
    for (int line = 1; line <= kMachineParameterLineCount; ++line) {
      QVERIFY2(Line(written, line) == Line(Golden(), line),
               qPrintable(QStringLiteral("line %1: %2 instead of %3")
                              .arg(line)
                              .arg(QString::fromLatin1(Line(written, line)), QString::fromLatin1(Line(Golden(), line)))));
    }
    QCOMPARE(written, Golden());
  }

  void AFailedWriteKeepsTheDialogOpenWithTheEdits() {
    QTemporaryDir folder;
    const QString not_a_folder = folder.filePath(QStringLiteral("plain-file"));
    QVERIFY(WriteBytes(not_a_folder, "x"));
    ScriptedPrompts prompts;
    FakeSetupMotion motion;
    MachineSettingsDialog dialog(prompts, motion, not_a_folder);
    dialog.show();
    Retype(Box(dialog, R::kMaxFeedEdit), QStringLiteral("850"));
    QTest::mouseClick(Button(dialog, R::kConfirmButton), Qt::LeftButton);
    QCOMPARE(prompts.Errors().size(), 1);
    QVERIFY2(prompts.Errors()[0].contains(QStringLiteral("cn.dat")), qPrintable(prompts.Errors()[0]));
    QVERIFY(dialog.isVisible());
    QCOMPARE(Box(dialog, R::kMaxFeedEdit)->text(), QStringLiteral("850"));
    // Returning from the message box does not replace the edits with the file's values.
    Activate(dialog);
    QCOMPARE(Box(dialog, R::kMaxFeedEdit)->text(), QStringLiteral("850"));
    QCOMPARE(prompts.Errors().size(), 1);
    // Once left, the dialog reads the file again on its next activation.
    dialog.hide();
    dialog.show();
    Activate(dialog);
    QCOMPARE(Box(dialog, R::kMaxFeedEdit)->text(), QStringLiteral("850"));  // nothing readable: the contents stay
    QCOMPARE(prompts.Errors().size(), 2);
  }

  void ANonIntegerIndexLineStopsTheReadingWithAMessage() {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    FakeSetupMotion motion;
    MachineSettingsDialog dialog(prompts, motion, folder.path());
    QVERIFY(WriteBytes(dialog.ParameterFilePath(), WithLine(Golden(), 5, "deux")));
    Box(dialog, R::kMaxFeedEdit)->setText(QStringLiteral("321"));
    Activate(dialog);
    QCOMPARE(prompts.Errors().size(), 1);
    QVERIFY2(prompts.Errors()[0].contains(QString::fromUtf8("ligne 5 (Butée axe Y)")), qPrintable(prompts.Errors()[0]));
    QCOMPARE(List(dialog, R::kPortList)->currentIndex(), 3);  // lines 1 to 4 were read
    QCOMPARE(List(dialog, R::kLimitXList)->currentIndex(), 5);
    QCOMPARE(List(dialog, R::kLimitYList)->currentIndex(), 0);  // the rest was not
    QCOMPARE(List(dialog, R::kDirXList)->currentIndex(), 0);
    QCOMPARE(Box(dialog, R::kMaxFeedEdit)->text(), QStringLiteral("321"));
  }

  void AnIndexBeyondItsListShowsNothingIsToldAndSavedAsMinusOne() {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    FakeSetupMotion motion;
    MachineSettingsDialog dialog(prompts, motion, folder.path());
    QVERIFY(WriteBytes(dialog.ParameterFilePath(), WithLine(Golden(), 12, "9")));
    Activate(dialog);
    QComboBox* dir_z = List(dialog, R::kDirZList);
    QCOMPARE(dir_z->currentIndex(), -1);
    QCOMPARE(MachineSettingsDialog::ListColourOf(dir_z), kGreen);
    QVERIFY(prompts.Errors().isEmpty());
    QCOMPARE(prompts.Infos().size(), 1);
    QVERIFY2(prompts.Infos()[0].contains(QStringLiteral("ligne 12 (Sens Z)")), qPrintable(prompts.Infos()[0]));
    QVERIFY(prompts.Infos()[0].contains(QString::fromUtf8("non câblé")));
    QCOMPARE(Box(dialog, R::kLimitBackOffEdit)->text(), QStringLiteral("2"));  // the lines after it were read
    Activate(dialog);
    QCOMPARE(prompts.Infos().size(), 1);  // told once while the dialog is shown

    QTest::mouseClick(Button(dialog, R::kConfirmButton), Qt::LeftButton);
    QCOMPARE(Line(Slurp(dialog.ParameterFilePath()), 12), QByteArray("-1"));
    QCOMPARE(Slurp(dialog.ParameterFilePath()), WithLine(Golden(), 12, "-1"));
  }

  void AMissingFileIsToldOnceAndTheControlsKeepTheirContents() {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    FakeSetupMotion motion;
    MachineSettingsDialog dialog(prompts, motion, folder.path());
    dialog.show();
    Box(dialog, R::kMaxFeedEdit)->setText(QStringLiteral("321"));
    Activate(dialog);
    Activate(dialog);  // the message box hands the focus back
    QCOMPARE(prompts.Errors().size(), 1);
    QVERIFY2(prompts.Errors()[0].contains(QStringLiteral("cn.dat")), qPrintable(prompts.Errors()[0]));
    QCOMPARE(Box(dialog, R::kMaxFeedEdit)->text(), QStringLiteral("321"));
    QCOMPARE(List(dialog, R::kPortList)->currentIndex(), 1);

    // "&Restaurer" is a request of its own: answered every time.
    QTest::mouseClick(Button(dialog, R::kRestoreButton), Qt::LeftButton);
    QCOMPARE(prompts.Errors().size(), 2);

    // Shown again, the dialog tells again.
    dialog.hide();
    dialog.show();
    Activate(dialog);
    QCOMPARE(prompts.Errors().size(), 3);

    // A clean read, then the file goes: news again.
    QVERIFY(WriteBytes(dialog.ParameterFilePath(), Golden()));
    Activate(dialog);
    QCOMPARE(Box(dialog, R::kMaxFeedEdit)->text(), QStringLiteral("900"));
    QVERIFY(QFile::remove(dialog.ParameterFilePath()));
    Activate(dialog);
    QCOMPARE(prompts.Errors().size(), 4);

    // Confirming creates the file.
    QTest::mouseClick(Button(dialog, R::kConfirmButton), Qt::LeftButton);
    QCOMPARE(Slurp(dialog.ParameterFilePath()), Golden());
  }

  void DoubtfulValuesAreListedAndStillWritten() {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    FakeSetupMotion motion;
    MachineSettingsDialog dialog(prompts, motion, folder.path());
    Box(dialog, R::kStepsPerMmXEdit)->setText(QStringLiteral("0"));
    Box(dialog, R::kWorkFeedEdit)->setText(QString());
    Choose(List(dialog, R::kStepXList), QStringLiteral("b4 = D2"));                       // Pas X
    Choose(List(dialog, R::kSpindleList), QStringLiteral("b4 = D2"));  // Broche
    dialog.show();
    QTest::mouseClick(Button(dialog, R::kConfirmButton), Qt::LeftButton);
    QVERIFY(prompts.Errors().isEmpty());
    QCOMPARE(prompts.Infos().size(), 1);  // one message for all
    const QString message = prompts.Infos()[0];
    QVERIFY2(message.contains(QStringLiteral("ligne 26 (Axe X, Pas par mm)")), qPrintable(message));
    QVERIFY(message.contains(QString::fromUtf8("ligne 30 (Avance de travail par défaut)")));
    QVERIFY(message.contains(QStringLiteral("ligne 3 (Pas X)")));
    QVERIFY(message.contains(QStringLiteral("ligne 13 (Broche)")));
    QVERIFY(!dialog.isVisible());
    const QByteArray written = Slurp(dialog.ParameterFilePath());
    QCOMPARE(Line(written, 26), QByteArray("0"));
    QCOMPARE(Line(written, 30), QByteArray());
    QCOMPARE(Line(written, 3), QByteArray("3"));
    QCOMPARE(Line(written, 13), QByteArray("3"));
  }

  void ShowingTheDialogReadsTheFileWhenItBecomesActive() {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    FakeSetupMotion motion;
    MachineSettingsDialog dialog(prompts, motion, folder.path());
    QVERIFY(WriteBytes(dialog.ParameterFilePath(), Golden()));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(Box(dialog, R::kTickWaitEdit)->text(), QStringLiteral("41"));
    QCOMPARE(Box(dialog, R::kSurfaceOffsetYEdit)->text(), QStringLiteral("11.75"));
    QVERIFY(prompts.Errors().isEmpty() && prompts.Infos().isEmpty());
  }

  void ShowPageShowsTheDialogOnThatPage() {
    ScriptedPrompts prompts;
    FakeSetupMotion motion;
    MachineSettingsDialog dialog(prompts, motion, QStringLiteral("/nonexistent"));
    auto* pages = FindControl<QTabWidget>(dialog, R::kPages);
    QCOMPARE(pages->count(), 4);
    dialog.ShowPage(2);
    QVERIFY(dialog.isVisible());
    QCOMPARE(pages->currentWidget(), FindControl<QWidget>(dialog, R::kSurfacingPage));
    QCOMPARE(pages->currentWidget(), static_cast<QWidget*>(&dialog.Surfacing()));
    QVERIFY(FindControl<QLineEdit>(*pages->currentWidget(), R::kSurfaceSizeYEdit) != nullptr);
    dialog.ShowPage(3);
    QCOMPARE(pages->currentWidget(), FindControl<QWidget>(dialog, R::kCopperPage));
  }
};

QTEST_MAIN(MachineSettingsDialogTest)
#include "machine_settings_dialog_test.moc"
