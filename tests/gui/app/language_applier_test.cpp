// Language files applied to every window: the list, the captions by control name, the mode
// names, activation and the report of a file that cannot be applied.
#include <QComboBox>
#include <QDirIterator>
#include <QEvent>
#include <QFileInfo>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <cctype>

#include "core/artwork/scale.h"
#include "core/job/engraving_file.h"
#include "core/job/excellon.h"
#include "core/machine/height_map_file.h"
#include "core/machine/iso_program.h"
#include "core/machine/machine_message.h"
#include "core/machine/motion_engine.h"
#include "core/machine/resume_point.h"
#include "core/settings/loupe_settings.h"
#include "core/settings/parameter_dialog.h"
#include "core/windows/language_table.h"
#include "core/text/latin1.h"
#include "core/windows/about_dialog_controls.h"
#include "core/windows/machine_window_controls.h"
#include "core/windows/machine_settings_controls.h"
#include "core/windows/magnifier_controls.h"
#include "core/windows/main_window_controls.h"
#include "core/windows/plate_window_controls.h"
#include "core/windows/program_options_controls.h"
#include "core/windows/height_map_window_controls.h"
#include "core/windows/tool_dialog_controls.h"
#include "gui/widgets/named_control.h"
#include "gui/adapters/scripted_prompts.h"
#include "gui/adapters/translations.h"
#include "gui/app/app_windows.h"
#include "gui/app/language_applier.h"
#include "gui/app/screenshots.h"
#include "gui/app/startup.h"
#include "gui/machine/machine_window.h"
#include "gui/main/main_window.h"
#include "gui/main/about_dialog.h"
#include "gui/main/file_history.h"
#include "gui/setup/plate_window.h"
#include "gui/setup/machine_settings_dialog.h"
#include "gui/viewers/magnifier_settings_dialog.h"
#include "image/artwork_loader.h"
#include "image/gerber_picture.h"
#include "image/picture_structure.h"

using namespace pistora;

namespace {

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// What a target shows on screen, read back independently of the applier; null when the
// window lacks the control.
std::optional<QString> Shown(const AppWindows& windows, const CaptionTarget& target) {
  QWidget* window = WindowOfClass(target.window_class, windows);
  if (window == nullptr) return std::nullopt;
  if (target.kind == CaptionTargetKind::kWindowTitle) return window->windowTitle();
  QObject* control = window->findChild<QObject*>(FromView(target.object_name));
  if (control == nullptr) return std::nullopt;
  if (target.kind == CaptionTargetKind::kPageTitle) {
    for (QWidget* up = qobject_cast<QWidget*>(control); up != nullptr; up = up->parentWidget()) {
      if (auto* tabs = qobject_cast<QTabWidget*>(up->parentWidget() ? up->parentWidget()->parentWidget() : nullptr)) {
        return tabs->tabText(tabs->indexOf(up));
      }
    }
    return std::nullopt;
  }
  if (target.kind == CaptionTargetKind::kFirstListItem) {
    auto* box = qobject_cast<QComboBox*>(control);
    return box && box->count() > 0 ? std::optional<QString>(box->itemText(0)) : std::nullopt;
  }
  for (const char* property : {"title", "text"}) {
    const QVariant value = control->property(property);
    if (value.isValid()) return value.toString();
  }
  return std::nullopt;
}

// Every target that exists and does not show `expected(line)`: "Window.name: shown".
QStringList Mismatches(const AppWindows& windows, const std::function<QString(const CaptionTarget&)>& expected) {
  QStringList wrong;
  for (const CaptionTarget& target : AllCaptionTargets()) {
    if (target.kind == CaptionTargetKind::kModeName) continue;
    const std::optional<QString> shown = Shown(windows, target);
    if (shown && *shown != expected(target)) {
      wrong << QStringLiteral("%1.%2 (line %3): \"%4\" instead of \"%5\"")
                   .arg(FromView(target.window_class), FromView(target.object_name))
                   .arg(target.line)
                   .arg(*shown, expected(target));
    }
  }
  return wrong;
}

QString BuiltIn(const CaptionTarget& target) { return FromView(target.built_in); }

// The shipped files, copied into the test's program folder.
void CopyShipped(const QTemporaryDir& dir, const char* name) {
  const QString from = QStringLiteral(PISTORA_LNG_DIR "/") + QString::fromLatin1(name);
  QVERIFY(QFile::copy(from, dir.filePath(QString::fromLatin1(name))));
}

void WriteLatin1(const QTemporaryDir& dir, const QString& name, const std::string& utf8) {
  QFile file(dir.filePath(name));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(QByteArray::fromStdString(Utf8ToLatin1(utf8)));
}

void Choose(MainWindow* form, const QString& entry) {
  const int index = FindControl<QComboBox>(*form, MainControl::kLanguageList)->findText(entry);
  QVERIFY2(index >= 0, qPrintable(entry));
  FindControl<QComboBox>(*form, MainControl::kLanguageList)->setCurrentIndex(index);
  emit FindControl<QComboBox>(*form, MainControl::kLanguageList)->activated(index);
}

QString Message(const Status& status) { return QString::fromStdString(status.message()); }

// One message of each area the core and the windows build, with the start it shows in French
// and in English: the start holds the translated pattern, the rest only values.
struct AreaMessage {
  const char* area;
  std::function<QString()> build;
  const char* french;
  const char* english;
};

std::vector<AreaMessage> AreaMessages() {
  return {
      {"artwork", [] { Bitmap b; return Message(LoadArtwork("/nonexistent/typon.bmp", &b)); }, "Le fichier ",
       "The file "},
      {"picture structure", [] { return Message(CheckPictureStructure("GIF89a")); }, "GIF tronqué : le fichier s'arrête",
       "GIF cut short: the file stops in the header."},
      {".grv", [] { EngravingFile f; return Message(ParseEngravingFile({"abc"}, &f)); },
       "ligne 1 (taille d'un pixel en mm) : « abc » n'est pas un nombre décimal",
       "line 1 (size of a pixel in mm): “abc” is not a decimal number (separator “.”)."},
      {"scale", [] { return QString::fromStdString(PixelSizeRefusal(0)); }, "Échelle non définie : la taille du pixel vaut 0.000 mm.",
       "Scale not set: the pixel size is 0.000 mm."},
      {"cn.dat save warnings", [] { return QString::fromStdString(SaveWarningsMessage({"x"})); },
       "Attention, ces paramètres semblent douteux :\n- x\nLe fichier cn.dat est enregistré tel quel.",
       "Warning, these settings look doubtful:\n- x\nThe file cn.dat is saved as it is."},
      {"loupe.dat", [] { LoupeSettings l; return Message(LoupeSettingsFromLines({"x"}, &l)); },
       "loupe.dat, ligne 1 : « x » n'est pas un nombre entier.", "loupe.dat, line 1: “x” is not a whole number."},
      {"program line", [] { return Message(CheckIsoProgram({"G21 G90"})); }, "Ligne 1 du programme : « G21 G90 » annonce",
       "Program line 1: “G21 G90” announces a program for another controller"},
      {"height map", [] { Status s; ParseHeightMapLines({}, "m.txt", &s); return Message(s); },
       "Carte des hauteurs m.txt, ligne 1 : en-tête « grille » absent.", "Height map m.txt, line 1: “grille” header missing."},
      {"machine alarm", [] { return QString::fromStdString(TranslatedMachineMessage(std::string(kLimitStopMessage) + "X.")); },
       "Butée atteinte, machine arrêtée : axe X.", "Limit switch reached, machine stopped: axis X."},
      {"resume", [] { return Message(CheckResume(ResumePoint{}, 0, true)); }, "Reprise impossible",
       "Cannot resume: the machine is stopped, press “Reset” first."},
      {"Excellon", [] { DrillFile d; return Message(ParseDrillFile("X1Y1\n", "d.drl", &d)); }, "Fichier de perçage ",
       "Drill file "},
      {"Gerber", [] {
         GerberRequest r;
         r.program = "/nonexistent/gerbv";
         GerberPicture p;
         return Message(RenderGerber(r, &p));
       }, "Le programme gerbv", "The program gerbv, which draws Gerber files, cannot be found (/nonexistent/gerbv)"},
      {"artwork filter", [] { return ArtworkFilter(); }, "Typons (", "Artworks ("},
  };
}

// The text of a C++ string literal's inside (escapes \n, \", \\, \' and \xHH), as UTF-8 bytes.
QByteArray Unescaped(const QString& inside) {
  const QByteArray in = inside.toUtf8();
  QByteArray out;
  for (qsizetype i = 0; i < in.size(); ++i) {
    if (in[i] != '\\' || i + 1 == in.size()) {
      out += in[i];
      continue;
    }
    const char next = in[++i];
    if (next == 'n') {
      out += '\n';
    } else if (next == 'x') {
      qsizetype end = i + 1;
      while (end < in.size() && end < i + 3 && std::isxdigit(static_cast<unsigned char>(in[end]))) ++end;
      out += static_cast<char>(in.mid(i + 1, end - i - 1).toInt(nullptr, 16));
      i = end - 1;
    } else {
      out += next;
    }
  }
  return out;
}

// Every French text written out at a translation call of the program's sources (Tr("..."),
// TrMessage("..."), adjacent literals joined) or as a named message the windows translate
// (kLimitStopMessage = "...", the prefixes, the questions), with the file it is in.
QList<QPair<QString, QByteArray>> MessagesInSources() {
  QList<QPair<QString, QByteArray>> found;
  const QRegularExpression call(QStringLiteral(
      R"re((?:\b(?:Tr|TrMessage)\(|char\* k\w+(?:Message|Prefix|Question) =)\s*((?:"(?:[^"\\]|\\.)*"\s*)+)[);])re"));
  const QRegularExpression piece(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
  QDirIterator files(QStringLiteral(PISTORA_LNG_DIR "/../src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                     QDir::Files, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    QFile file(files.next());
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QString text = QString::fromUtf8(file.readAll());
    for (auto calls = call.globalMatch(text); calls.hasNext();) {
      QByteArray french;
      for (auto pieces = piece.globalMatch(calls.next().captured(1)); pieces.hasNext();) {
        french += Unescaped(pieces.next().captured(1));
      }
      found.append({QFileInfo(file.fileName()).fileName(), french});
    }
  }
  return found;
}

void Activate(MainWindow* form) {
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(form, &activate);
}

}  // namespace

class LanguageApplierTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    ApplyUiFont();  // the font the layouts are measured for
    // Nothing applied yet in this process: no mode names.
    QVERIFY(AppliedModeNames().Of(false).empty());
    QVERIFY(AppliedModeNames().Of(true).empty());
  }

  void EveryCaptionedControlExistsWithItsBuiltInCaption_data() {
    QTest::addColumn<QString>("window");
    for (const char* window : {"TForm1", "TForm2", "Tgravefrm", "TPagesDlg", "Tgestfrm"}) {
      QTest::newRow(window) << QString::fromLatin1(window);
    }
  }

  void EveryCaptionedControlExistsWithItsBuiltInCaption() {
    QFETCH(QString, window);
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    WindowSet set(prompts, folder.path());
    QWidget* shell = WindowOfClass(window.toStdString(), set.ByKind());
    QVERIFY(shell != nullptr);
    if (shell->findChildren<QWidget*>().isEmpty()) QSKIP("this window has no controls yet");
    const QString prefix = window + QLatin1Char('.');
    QStringList names;
    for (const std::string& name : MissingCaptionTargets(set.ByKind())) {
      if (QString::fromStdString(name).startsWith(prefix)) names << QString::fromStdString(name);
    }
    // A control named by the table but used for something else would be relabelled.
    QStringList wrong = Mismatches(set.ByKind(), BuiltIn).filter(QRegularExpression(QLatin1Char('^') + prefix));
    QVERIFY2(names.isEmpty(), qPrintable(QStringLiteral("missing: ") + names.join(QStringLiteral(" "))));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("\n"))));
  }

  void ListsTheFilesAndKeepsTheEntryOfTheSettingsFile() {
    QTemporaryDir folder;
    CopyShipped(folder, "fr.lng");
    CopyShipped(folder, "en.lng");
    WriteLatin1(folder, QStringLiteral("anon.lng"), "\r\nx#Anonyme\r\n");
    WriteLatin1(folder, QStringLiteral("param.txt"), "0.25\r\n1.7\r\n1.5\r\n350\r\n100\r\nTRUE\r\nen.lng ( English )\r\n");
    ScriptedPrompts prompts;
    WindowSet set(prompts, folder.path());
    prompts.ClearMessages();  // start-up messages of the other windows
    MainWindow* form = set.ByKind().main;
    QStringList entries;
    for (int i = 0; i < FindControl<QComboBox>(*form, MainControl::kLanguageList)->count(); ++i)
      entries << FindControl<QComboBox>(*form, MainControl::kLanguageList)->itemText(i);
    QCOMPARE(entries, (QStringList{QStringLiteral("anon.lng (  )"), QStringLiteral("en.lng ( English )"),
                                   QString::fromUtf8("fr.lng ( Français )")}));
    QCOMPARE(FindControl<QComboBox>(*form, MainControl::kLanguageList)->currentText(),
             QStringLiteral("en.lng ( English )"));

    // The file with an empty first line can be chosen and applied.
    Choose(form, QStringLiteral("anon.lng (  )"));
    QCOMPARE(FindControl<QGroupBox>(*form, MainControl::kArtworkGroup)->title(), QStringLiteral("Anonyme"));
    QVERIFY(prompts.Errors().isEmpty());
  }

  void SwitchesEveryWindowToEnglishAndBack() {
    QTemporaryDir folder;
    CopyShipped(folder, "fr.lng");
    CopyShipped(folder, "en.lng");
    ScriptedPrompts prompts;
    WindowSet set(prompts, folder.path());
    prompts.ClearMessages();  // start-up messages of the other windows
    MainWindow* form = set.ByKind().main;

    LanguageText english;
    QVERIFY(LoadLanguageFile(folder.filePath(QStringLiteral("en.lng")).toStdString(), &english).ok());
    Choose(form, QStringLiteral("en.lng ( English )"));
    QVERIFY2(prompts.Errors().isEmpty(), qPrintable(prompts.Errors().join(QStringLiteral("; "))));
    const QStringList wrong = Mismatches(set.ByKind(), [&](const CaptionTarget& t) {
      return QString::fromStdString(english.Caption(t.line));
    });
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("\n"))));

    // A few captions of each window, spelt out.
    QCOMPARE(FindControl<QPushButton>(*form, MainControl::kLoadArtworkButton)->text(),
             QStringLiteral("&Load the original artwork"));
    QCOMPARE(FindControl<QGroupBox>(*form, MainControl::kSettingsPanel)->title(), QStringLiteral("General settings"));
    QCOMPARE(FindControl<QLabel>(*form, MainControl::kEngravingDepthUnit)->text(), QStringLiteral("mm"));
    QCOMPARE(FindControl<QPushButton>(*form, MainControl::kValidateVerificationButton)->text(),
             FindControl<QPushButton>(*form, MainControl::kValidateScaleButton)->text());  // one line, two buttons
    QCOMPARE(FindControl<QPushButton>(*form, MainControl::kSaveSettingsButton)->text(),
             QStringLiteral("Save the settings"));
    QCOMPARE(FindControl<QPushButton>(*set.ByKind().about, AboutControl::kCloseButton)->text(), QStringLiteral("&Close"));
    QCOMPARE(set.ByKind().about->windowTitle(), QStringLiteral("About ...."));
    QCOMPARE(set.ByKind().machine->windowTitle(), QStringLiteral("Printed circuit board engraving"));
    QCOMPARE(set.ByKind().machine_settings->windowTitle(), QStringLiteral("Settings"));
    QCOMPARE(set.ByKind().plate->windowTitle(), QStringLiteral("Engraving position setting"));
    QCOMPARE(QString::fromStdString(AppliedModeNames().Of(false)), QStringLiteral("Engraving"));
    QCOMPARE(QString::fromStdString(AppliedModeNames().Of(true)), QStringLiteral("Drilling"));
    auto* mode = FindControl<QLabel>(*set.ByKind().machine, MachineControl::kModeName);
    QVERIFY(mode != nullptr);
    QCOMPARE(mode->text(), QStringLiteral("Engraving"));

    // The English captions fit their controls as the French ones do.
    for (QWidget* window : set.All()) {
      const QStringList clipped = ClippedCaptions(window);
      QVERIFY2(clipped.isEmpty(), qPrintable(window->objectName() + QStringLiteral(": ") +
                                              clipped.join(QStringLiteral("; "))));
    }

    Choose(form, QString::fromUtf8("fr.lng ( Français )"));
    QCOMPARE(FindControl<QPushButton>(*form, MainControl::kLoadArtworkButton)->text(),
             QStringLiteral("&Charger le typon d'origine"));
    QCOMPARE(set.ByKind().about->windowTitle(), QStringLiteral("A propos de ...."));
    QCOMPARE(QString::fromStdString(AppliedModeNames().Of(true)), QString::fromUtf8("Perçage"));
    const QStringList wrong_french =
        Mismatches(set.ByKind(), [](const CaptionTarget& t) { return FromView(BuiltInFrenchCaption(t.line)); });
    QVERIFY2(wrong_french.isEmpty(), qPrintable(wrong_french.join(QStringLiteral("\n"))));
  }

  // The words no language file holds follow the chosen file through its translation (en.lng ->
  // en.qm): the captions outside the file, the window's own messages and the core's, from the
  // start-up on; French again with fr.lng.
  void TranslationFollowsTheLanguageFile() {
    if (!QFileInfo::exists(TranslationFileFor(QStringLiteral("en.lng ( English )")))) {
      QSKIP("en.qm was not built (lrelease missing): the program stays in French");
    }
    QTemporaryDir folder;
    CopyShipped(folder, "fr.lng");
    CopyShipped(folder, "en.lng");
    WriteLatin1(folder, QStringLiteral("param.txt"), "0,25x\r\n1.7\r\n1.5\r\n350\r\n100\r\nTRUE\r\nen.lng ( English )\r\n");
    ScriptedPrompts prompts;
    WindowSet set(prompts, folder.path());
    MainWindow* form = set.ByKind().main;
    // Reported while the windows are built, before any activation.
    QVERIFY2(prompts.Errors().join(QLatin1Char('\n')).contains(QStringLiteral(
                 ", line 1 (engraving depth (mm)): \u201c0,25x\u201d is not a number above 0 and at most")),
             qPrintable(prompts.Errors().join(QLatin1Char('\n'))));
    prompts.ClearMessages();

    const auto caption = [&](QWidget* window, auto role) { return FindControl(*window, role)->property("text").toString(); };
    struct Shown {
      std::function<QString()> read;
      const char* french;
      const char* english;
    };
    const std::vector<Shown> shown = {
        {[&] { return caption(form, MainControl::kCopyPitchLengthButton); }, "Reporter", "Copy"},
        {[&] { return caption(form, MainControl::kSmoothJaggiesButton); }, "Crénelage", "Smoothing"},
        {[&] { return caption(set.ByKind().about, AboutControl::kLicence); }, "Licence : GNU GPL version 3 ou ultérieure",
         "Licence: GNU GPL version 3 or later"},
        {[&] { return set.ByKind().magnifier_settings->windowTitle(); }, "Réglage Loupe", "Magnifier settings"},
    };
    const auto check = [&](bool english) {
      for (const Shown& s : shown) {
        QCOMPARE(s.read(), QString::fromUtf8(english ? s.english : s.french));
      }
      for (const AreaMessage& m : AreaMessages()) {
        const QString built = m.build();
        QVERIFY2(built.startsWith(QString::fromUtf8(english ? m.english : m.french)),
                 qPrintable(QString::fromLatin1(m.area) + QStringLiteral(": ") + built));
      }
    };
    Activate(form);
    check(true);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
    FindControl<QPushButton>(*form, MainControl::kRebuildForToolButton)->click();
    QCOMPARE(prompts.Errors().value(0), QStringLiteral("The original artwork is not loaded: the contours can only be "
                                                       "rebuilt for the tool from the artwork (load it and process it)."));
    FindControl<QComboBox>(*form, MainControl::kLanguageList)->setEditText(QStringLiteral("nothing"));
    Activate(form);
    QCOMPARE(prompts.Errors().value(1), QString::fromUtf8("The language choice « nothing » names no language file."));
    // A fixed message of the machine window's line.
    MachineWindow& machine = *set.ByKind().machine;
    const auto go_to_nowhere = [&] {
      FindControl<QLineEdit>(machine, MachineControl::kTargetXEdit)->setText(QStringLiteral("x"));
      FindControl<QPushButton>(machine, MachineControl::kGoToButton)->click();
    };
    go_to_nowhere();
    QCOMPARE(machine.MessageLine(), QStringLiteral("Invalid target coordinates: move cancelled."));

    Choose(form, QString::fromUtf8("fr.lng ( Français )"));
    check(false);
    FindControl<QPushButton>(*form, MainControl::kRebuildForToolButton)->click();
    QVERIFY(prompts.Errors().value(2).startsWith(QString::fromUtf8("Le typon d'origine n'est pas chargé")));
    go_to_nowhere();
    QCOMPARE(machine.MessageLine(), QString::fromUtf8(kBadTargetMessage));
    // Qt's own words (a question's buttons) in French too, when Qt's translations are installed.
    if (QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_fr.qm"))) {
      QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Oui"));
    }
  }

  // Every caption without a language-file line that holds a word has its English translation, so a
  // new control's caption cannot stay French in English unnoticed.
  void EveryCaptionOutsideTheFilesHasItsTranslation() {
    if (!UseTranslationFor(QStringLiteral("en.lng ( English )"))) QSKIP("en.qm was not built (lrelease missing)");
    QStringList untranslated;
    const auto check = [&](const auto& table) {
      for (const auto& row : table.Rows()) {
        const QString french = FromView(row.built_in);
        if (row.line != 0 || !french.contains(QRegularExpression(QStringLiteral("[a-zé]{2,}")))) continue;
        if (french == QStringLiteral("Close")) continue;  // the glass's menu entry is English already
        if (TrCaption(french) == french) untranslated << FromView(table.WindowName()) + QStringLiteral(": ") + french;
      }
    };
    check(MainWindowControls());
    check(AboutControls());
    check(MachineWindowControls());
    check(MachineSettingsControls());
    check(PlateWindowControls());
    check(MagnifierSettingsControls());
    check(MagnifierGlassControls());
    check(MagnifierMaskControls());
    check(ProgramOptionsControls());
    check(ToolDialogControls());
    check(HeightMapWindowControls());
    UseTranslationFor(QString::fromUtf8("fr.lng ( Français )"));
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
  }

  // Every message written out at a translation call has its English in en.ts, so that a new
  // message cannot stay French in English unnoticed.
  void EveryMessageGivenToTheTranslationHasItsEnglish() {
    if (!UseTranslationFor(QStringLiteral("en.lng ( English )"))) QSKIP("en.qm was not built (lrelease missing)");
    const QList<QPair<QString, QByteArray>> messages = MessagesInSources();
    QStringList untranslated;
    for (const auto& [file, french] : messages) {
      if (TrMessage(french.constData()) == QString::fromUtf8(french)) {
        untranslated << file + QStringLiteral(": ") + QString::fromUtf8(french);
      }
    }
    UseTranslationFor(QString::fromUtf8("fr.lng ( Français )"));
    QVERIFY2(messages.size() > 100, qPrintable(QString::number(messages.size())));  // the scan finds the calls
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
  }

  void ShortFileEmptiesTheCaptionsOfItsMissingLines() {
    QTemporaryDir folder;
    WriteLatin1(folder, QStringLiteral("short.lng"), "Court\r\nGroupBox1#Typon\r\nGroupBox2#Gravure");
    ScriptedPrompts prompts;
    WindowSet set(prompts, folder.path());
    prompts.ClearMessages();  // start-up messages of the other windows
    MainWindow* form = set.ByKind().main;
    Choose(form, QStringLiteral("short.lng ( Court )"));
    QCOMPARE(FindControl<QGroupBox>(*form, MainControl::kArtworkGroup)->title(), QStringLiteral("Typon"));
    QCOMPARE(FindControl<QGroupBox>(*form, MainControl::kEngravingGroup)->title(), QStringLiteral("Gravure"));
    QCOMPARE(FindControl<QGroupBox>(*form, MainControl::kGeneralControlGroup)->title(), QString());
    QCOMPARE(FindControl<QPushButton>(*form, MainControl::kSaveSettingsButton)->text(), QString());  // line 178
    QCOMPARE(set.ByKind().about->windowTitle(), QString());
    QVERIFY(prompts.Errors().isEmpty());
  }

  void ActivationReappliesAndAFaultIsReportedOnce() {
    QTemporaryDir folder;
    CopyShipped(folder, "en.lng");
    ScriptedPrompts prompts;
    WindowSet set(prompts, folder.path());
    prompts.ClearMessages();  // start-up messages of the other windows
    MainWindow* form = set.ByKind().main;
    FindControl<QComboBox>(*form, MainControl::kLanguageList)->setEditText(QStringLiteral("en.lng ( English )"));

    Activate(form);
    QCOMPARE(FindControl<QPushButton>(*form, MainControl::kMachineWindowButton)->text(),
             QStringLiteral("&Engraving module"));
    // Coming back from another window applies the file again.
    FindControl<QPushButton>(*form, MainControl::kMachineWindowButton)->setText(QStringLiteral("changed"));
    Activate(form);
    QCOMPARE(FindControl<QPushButton>(*form, MainControl::kMachineWindowButton)->text(),
             QStringLiteral("&Engraving module"));

    // The file goes away: one message, not one more for each activation that closing it causes.
    QVERIFY(QFile::remove(folder.filePath(QStringLiteral("en.lng"))));
    Activate(form);
    QCOMPARE(prompts.Errors().size(), 1);
    QVERIFY(prompts.Errors()[0].contains(QStringLiteral("en.lng")));
    Activate(form);
    Activate(form);
    QCOMPARE(prompts.Errors().size(), 1);
    QCOMPARE(FindControl<QPushButton>(*form, MainControl::kMachineWindowButton)->text(),
             QStringLiteral("&Engraving module"));  // captions stay

    // Choosing the entry again is a new request: reported again.
    FindControl<QComboBox>(*form, MainControl::kLanguageList)->addItem(QStringLiteral("en.lng ( English )"));
    Choose(form, QStringLiteral("en.lng ( English )"));
    QCOMPARE(prompts.Errors().size(), 2);

    // Once the file is back, a later fault is news again.
    CopyShipped(folder, "en.lng");
    Activate(form);
    QCOMPARE(prompts.Errors().size(), 2);
    QVERIFY(QFile::remove(folder.filePath(QStringLiteral("en.lng"))));
    Activate(form);
    QCOMPARE(prompts.Errors().size(), 3);

    // An entry that names no file.
    FindControl<QComboBox>(*form, MainControl::kLanguageList)->setEditText(QStringLiteral("english"));
    Activate(form);
    QCOMPARE(prompts.Errors().size(), 4);
    QVERIFY(prompts.Errors()[3].contains(QStringLiteral("english")));
  }
};

QTEST_MAIN(LanguageApplierTest)
#include "language_applier_test.moc"
