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

#include "core/settings/parameter_dialog.h"
#include "gui/adapters/scripted_prompts.h"
#include "gui/app/screenshots.h"
#include "gui/app/startup.h"
#include "gui/setup/machine_settings_dialog.h"

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

template <typename W>
W* Control(const MachineSettingsDialog& dialog, const char* name) {
  return dialog.findChild<W*>(QString::fromLatin1(name));
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
    MachineSettingsDialog dialog(prompts, QStringLiteral("/nonexistent"));
    QCOMPARE(dialog.windowTitle(), QString::fromUtf8("Paramétrage"));
    QCOMPARE(dialog.size(), QSize(603, 300));
    QCOMPARE(dialog.ComboBox1->currentText(), QStringLiteral("LPT1  378h - 37Fh"));
    QCOMPARE(MachineSettingsDialog::ListColourOf(dialog.ComboBox1), kGreen);
    for (int n = 2; n <= 13; ++n) {
      auto* list = dialog.findChild<QComboBox*>(QStringLiteral("ComboBox%1").arg(n));
      QVERIFY(list != nullptr);
      QCOMPARE(list->currentIndex(), 0);
      QVERIFY2(MachineSettingsDialog::ListColourOf(list) == kRed, qPrintable(list->objectName()));
      QVERIFY(!list->isEditable());
    }
    QCOMPARE(Control<QComboBox>(dialog, "ComboBox2")->count(), 6);
    QCOMPARE(Control<QComboBox>(dialog, "ComboBox13")->count(), 9);
    QCOMPARE(Control<QLineEdit>(dialog, "Edit5")->text(), QStringLiteral("17.25"));  // surfacing page
    QCOMPARE(Control<QLineEdit>(dialog, "Edit17")->text(), QStringLiteral("5"));
    QVERIFY(prompts.Errors().isEmpty() && prompts.Infos().isEmpty());

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
    MachineSettingsDialog dialog(prompts, QStringLiteral("/nonexistent"));
    QComboBox* step_x = dialog.ComboBox3;
    Choose(step_x, QStringLiteral("b3 = D1"));
    QCOMPARE(MachineSettingsDialog::ListColourOf(step_x), kGreen);
    QCOMPARE(MachineSettingsDialog::ListColourOf(Control<QComboBox>(dialog, "ComboBox8")), kRed);  // the others stay
    Choose(step_x, QString::fromUtf8("Non utilisée"));
    QCOMPARE(MachineSettingsDialog::ListColourOf(step_x), kRed);
    Choose(dialog.ComboBox1, QString::fromUtf8("Port désactivé"));
    QCOMPARE(MachineSettingsDialog::ListColourOf(dialog.ComboBox1), kRed);
    Choose(Control<QComboBox>(dialog, "ComboBox7"), QStringLiteral("b11 = Busy"));
    QCOMPARE(MachineSettingsDialog::ListColourOf(Control<QComboBox>(dialog, "ComboBox7")), kGreen);
  }

  void BoxesTakeOnlyTheKeysOfTheirMode() {
    ScriptedPrompts prompts;
    MachineSettingsDialog dialog(prompts, QStringLiteral("/nonexistent"));
    Retype(dialog.Edit4, QStringLiteral("1.5"));
    QCOMPARE(dialog.Edit4->text(), QStringLiteral("15"));
    Retype(dialog.Edit23, QStringLiteral("-7a"));
    QCOMPARE(dialog.Edit23->text(), QStringLiteral("7"));
    Retype(dialog.Edit1, QStringLiteral("1.2.5x"));
    QCOMPARE(dialog.Edit1->text(), QStringLiteral("1.25"));
    Retype(dialog.Edit17, QStringLiteral("-2.5"));  // copper page: unsigned decimal
    QCOMPARE(dialog.Edit17->text(), QStringLiteral("2.5"));
    Retype(Control<QLineEdit>(dialog, "Edit10"), QStringLiteral("-1.5.0"));  // surfacing page
    QCOMPARE(Control<QLineEdit>(dialog, "Edit10")->text(), QStringLiteral("1.50"));
  }

  void ActivationAndRestaurerBringBackTheFileValues() {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    MachineSettingsDialog dialog(prompts, folder.path());
    QVERIFY(WriteBytes(dialog.ParameterFilePath(), Golden()));
    Activate(dialog);
    QCOMPARE(dialog.Edit4->text(), QStringLiteral("900"));
    QCOMPARE(dialog.ComboBox1->currentIndex(), 3);
    QCOMPARE(Control<QComboBox>(dialog, "ComboBox8")->currentIndex(), 7);
    QVERIFY(Control<QCheckBox>(dialog, "CheckBox1")->isChecked());
    QVERIFY(!Control<QCheckBox>(dialog, "CheckBox2")->isChecked());
    QCOMPARE(Control<QLineEdit>(dialog, "Edit10")->text(), QStringLiteral("120.5"));
    QCOMPARE(MachineSettingsDialog::ListColourOf(dialog.ComboBox3), kGreen);

    // An edit not confirmed is lost when the dialog comes back into focus.
    Retype(dialog.Edit4, QStringLiteral("1234"));
    dialog.ComboBox3->setCurrentIndex(0);
    Activate(dialog);
    QCOMPARE(dialog.Edit4->text(), QStringLiteral("900"));
    QCOMPARE(dialog.ComboBox3->currentIndex(), 6);
    QCOMPARE(MachineSettingsDialog::ListColourOf(dialog.ComboBox3), kGreen);

    // "&Restaurer" does the same and the dialog stays open.
    dialog.show();
    Retype(dialog.Edit6, QStringLiteral("77"));
    Control<QCheckBox>(dialog, "CheckBox12")->setChecked(true);
    QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
    QCOMPARE(dialog.Edit6->text(), QStringLiteral("250"));
    QVERIFY(!Control<QCheckBox>(dialog, "CheckBox12")->isChecked());
    QVERIFY(dialog.isVisible());
    QVERIFY(prompts.Errors().isEmpty() && prompts.Infos().isEmpty());

    // "&Annuler / Sortir" closes and writes nothing.
    Retype(dialog.Edit6, QStringLiteral("77"));
    QTest::mouseClick(dialog.BitBtn2, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(Slurp(dialog.ParameterFilePath()), Golden());
  }

  void ValiderWritesTheFortySevenLinesInFileOrder() {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    MachineSettingsDialog dialog(prompts, folder.path());
    // The controls set one by one, as a user would: the golden file holds these values.
    const QList<QPair<const char*, int>> lists = {
        {"ComboBox1", 3}, {"ComboBox2", 4}, {"ComboBox3", 6},  {"ComboBox4", 5},  {"ComboBox5", 2},
        {"ComboBox6", 1}, {"ComboBox7", 3}, {"ComboBox8", 7},  {"ComboBox9", 8},  {"ComboBox10", 1},
        {"ComboBox11", 2}, {"ComboBox12", 3}, {"ComboBox13", 5}};
    for (const auto& [name, index] : lists) Control<QComboBox>(dialog, name)->setCurrentIndex(index);
    for (int n : {1, 3, 4, 7, 9, 10, 11}) dialog.findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n))->setChecked(true);
    const QList<QPair<const char*, const char*>> texts = {
        {"Edit1", "80"},     {"Edit2", "81.5"},   {"Edit3", "400.25"}, {"Edit4", "900"},   {"Edit6", "250"},
        {"Edit7", "45"},     {"Edit5", "10.5"},   {"Edit8", "11.75"},  {"Edit9", "180"},   {"Edit10", "120.5"},
        {"Edit11", "0.3"},   {"Edit12", "1.25"},  {"Edit14", "160"},   {"Edit15", "100"},  {"Edit16", "1.5"},
        {"Edit17", "3"},     {"Edit18", "6"},     {"Edit19", "4"},     {"Edit20", "20.5"}, {"Edit21", "14.5"},
        {"Edit22", "41"},    {"Edit23", "2"}};
    for (const auto& [name, text] : texts) Control<QLineEdit>(dialog, name)->setText(QString::fromLatin1(text));

    dialog.show();
    QTest::mouseClick(dialog.BitBtn3, Qt::LeftButton);
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
    MachineSettingsDialog dialog(prompts, not_a_folder);
    dialog.show();
    Retype(dialog.Edit4, QStringLiteral("850"));
    QTest::mouseClick(dialog.BitBtn3, Qt::LeftButton);
    QCOMPARE(prompts.Errors().size(), 1);
    QVERIFY2(prompts.Errors()[0].contains(QStringLiteral("cn.dat")), qPrintable(prompts.Errors()[0]));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.Edit4->text(), QStringLiteral("850"));
    // Returning from the message box does not replace the edits with the file's values.
    Activate(dialog);
    QCOMPARE(dialog.Edit4->text(), QStringLiteral("850"));
    QCOMPARE(prompts.Errors().size(), 1);
    // Once left, the dialog reads the file again on its next activation.
    dialog.hide();
    dialog.show();
    Activate(dialog);
    QCOMPARE(dialog.Edit4->text(), QStringLiteral("850"));  // nothing readable: the contents stay
    QCOMPARE(prompts.Errors().size(), 2);
  }

  void ANonIntegerIndexLineStopsTheReadingWithAMessage() {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    MachineSettingsDialog dialog(prompts, folder.path());
    QVERIFY(WriteBytes(dialog.ParameterFilePath(), WithLine(Golden(), 5, "deux")));
    dialog.Edit4->setText(QStringLiteral("321"));
    Activate(dialog);
    QCOMPARE(prompts.Errors().size(), 1);
    QVERIFY2(prompts.Errors()[0].contains(QString::fromUtf8("ligne 5 (Butée axe Y)")), qPrintable(prompts.Errors()[0]));
    QCOMPARE(dialog.ComboBox1->currentIndex(), 3);  // lines 1 to 4 were read
    QCOMPARE(Control<QComboBox>(dialog, "ComboBox4")->currentIndex(), 5);
    QCOMPARE(Control<QComboBox>(dialog, "ComboBox5")->currentIndex(), 0);  // the rest was not
    QCOMPARE(Control<QComboBox>(dialog, "ComboBox8")->currentIndex(), 0);
    QCOMPARE(dialog.Edit4->text(), QStringLiteral("321"));
  }

  void AnIndexBeyondItsListShowsNothingIsToldAndSavedAsMinusOne() {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    MachineSettingsDialog dialog(prompts, folder.path());
    QVERIFY(WriteBytes(dialog.ParameterFilePath(), WithLine(Golden(), 12, "9")));
    Activate(dialog);
    QComboBox* dir_z = Control<QComboBox>(dialog, "ComboBox12");
    QCOMPARE(dir_z->currentIndex(), -1);
    QCOMPARE(MachineSettingsDialog::ListColourOf(dir_z), kGreen);
    QVERIFY(prompts.Errors().isEmpty());
    QCOMPARE(prompts.Infos().size(), 1);
    QVERIFY2(prompts.Infos()[0].contains(QStringLiteral("ligne 12 (Sens Z)")), qPrintable(prompts.Infos()[0]));
    QVERIFY(prompts.Infos()[0].contains(QString::fromUtf8("non câblé")));
    QCOMPARE(dialog.Edit23->text(), QStringLiteral("2"));  // the lines after it were read
    Activate(dialog);
    QCOMPARE(prompts.Infos().size(), 1);  // told once while the dialog is shown

    QTest::mouseClick(dialog.BitBtn3, Qt::LeftButton);
    QCOMPARE(Line(Slurp(dialog.ParameterFilePath()), 12), QByteArray("-1"));
    QCOMPARE(Slurp(dialog.ParameterFilePath()), WithLine(Golden(), 12, "-1"));
  }

  void AMissingFileIsToldOnceAndTheControlsKeepTheirContents() {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    MachineSettingsDialog dialog(prompts, folder.path());
    dialog.show();
    dialog.Edit4->setText(QStringLiteral("321"));
    Activate(dialog);
    Activate(dialog);  // the message box hands the focus back
    QCOMPARE(prompts.Errors().size(), 1);
    QVERIFY2(prompts.Errors()[0].contains(QStringLiteral("cn.dat")), qPrintable(prompts.Errors()[0]));
    QCOMPARE(dialog.Edit4->text(), QStringLiteral("321"));
    QCOMPARE(dialog.ComboBox1->currentIndex(), 1);

    // "&Restaurer" is a request of its own: answered every time.
    QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
    QCOMPARE(prompts.Errors().size(), 2);

    // Shown again, the dialog tells again.
    dialog.hide();
    dialog.show();
    Activate(dialog);
    QCOMPARE(prompts.Errors().size(), 3);

    // A clean read, then the file goes: news again.
    QVERIFY(WriteBytes(dialog.ParameterFilePath(), Golden()));
    Activate(dialog);
    QCOMPARE(dialog.Edit4->text(), QStringLiteral("900"));
    QVERIFY(QFile::remove(dialog.ParameterFilePath()));
    Activate(dialog);
    QCOMPARE(prompts.Errors().size(), 4);

    // Confirming creates the file.
    QTest::mouseClick(dialog.BitBtn3, Qt::LeftButton);
    QCOMPARE(Slurp(dialog.ParameterFilePath()), Golden());
  }

  void DoubtfulValuesAreListedAndStillWritten() {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    MachineSettingsDialog dialog(prompts, folder.path());
    dialog.Edit1->setText(QStringLiteral("0"));
    dialog.Edit6->setText(QString());
    Choose(dialog.ComboBox3, QStringLiteral("b4 = D2"));                       // Pas X
    Choose(Control<QComboBox>(dialog, "ComboBox13"), QStringLiteral("b4 = D2"));  // Broche
    dialog.show();
    QTest::mouseClick(dialog.BitBtn3, Qt::LeftButton);
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
    MachineSettingsDialog dialog(prompts, folder.path());
    QVERIFY(WriteBytes(dialog.ParameterFilePath(), Golden()));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.Edit22->text(), QStringLiteral("41"));
    QCOMPARE(Control<QLineEdit>(dialog, "Edit8")->text(), QStringLiteral("11.75"));
    QVERIFY(prompts.Errors().isEmpty() && prompts.Infos().isEmpty());
  }

  void ShowPageSelectsThePageAsTheMachineWindowAsks() {
    ScriptedPrompts prompts;
    MachineSettingsDialog dialog(prompts, QStringLiteral("/nonexistent"));
    QCOMPARE(dialog.PageControl1->count(), 4);
    QCOMPARE(dialog.PageControl1->tabText(2), QString::fromUtf8("Surfaçage de la table"));
    QVERIFY(QMetaObject::invokeMethod(&dialog, "ShowPage", Q_ARG(int, 2)));
    QCOMPARE(dialog.PageControl1->currentIndex(), 2);
    QCOMPARE(dialog.PageControl1->currentWidget()->objectName(), QStringLiteral("TabSheet3"));
    QVERIFY(dialog.PageControl1->currentWidget()->findChild<QLineEdit*>(QStringLiteral("Edit10")) != nullptr);
    dialog.ShowPage(3);
    QCOMPARE(dialog.PageControl1->currentWidget(), dialog.TabSheet4);
  }
};

QTEST_MAIN(MachineSettingsDialogTest)
#include "machine_settings_dialog_test.moc"
