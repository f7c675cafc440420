// Creation of the windows, their captions and sizes, and the links between them.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "core/windows/about_dialog_controls.h"
#include "gui/widgets/named_control.h"
#include "gui/adapters/scripted_prompts.h"
#include "gui/app/app_windows.h"
#include "gui/app/screenshots.h"
#include "gui/app/startup.h"
#include "gui/app/splash_screen.h"
#include "gui/machine/machine_window.h"
#include "gui/main/main_window.h"
#include "gui/main/about_dialog.h"
#include "gui/viewers/magnifier_glass.h"
#include "gui/viewers/magnifier_mask.h"
#include "gui/viewers/magnifier_settings_dialog.h"

using namespace pistora;

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ApplyUiFont(); }

  void CreatesEveryWindowOnceInOrder() {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    {
      WindowSet set(prompts, folder.path());
      struct Expected {
        const char* object_name;
        const char* caption;
        int width, height;
        bool frameless;
      } expected[] = {
          {"TForm1", "Pistora ver 2.20 ", 961, 507, false},
          {"TForm2", "A propos de ....", -1, -1, false},
          {"Tgravefrm", "Gravure de circuits imprimés", 689 + 420, 527, false},
          {"Tgestfrm", "Réglage position de gravure", 713, 467, false},
          {"TPagesDlg", "Paramétrage", 603, 300, false},
          {"Tloupefrm", "", -1, -1, true},
          {"Tmasquefrm", "", 300, 300, true},
          {"Trgloupefrm", "Réglage Loupe", -1, -1, false},
      };
      QCOMPARE(set.All().size(), std::size(expected));
      for (std::size_t i = 0; i < std::size(expected); ++i) {
        const QWidget* w = set.All()[i];
        const Expected& e = expected[i];
        QCOMPARE(w->objectName(), QString::fromLatin1(e.object_name));
        QCOMPARE(w->windowTitle(), QString::fromUtf8(e.caption));
        if (e.width > 0) QCOMPARE(w->size(), QSize(e.width, e.height));
        QCOMPARE(bool(w->windowFlags() & Qt::FramelessWindowHint), e.frameless);
        QVERIFY(w->isWindow());
      }
      // The windows by kind are the windows made, in the same order.
      QCOMPARE(ExistingWindows(set.ByKind()), set.All());
      // No param.txt in the folder: the defaults stay and one message says why.
      QCOMPARE(prompts.Errors().size(), 1);
      QVERIFY(prompts.Errors()[0].contains(QStringLiteral("param.txt")));
      QCOMPARE(FindControl<QLineEdit>(*set.ByKind().main, MainControl::kEngravingDepth)->text(), QStringLiteral("0.25"));
    }
  }

  void NoCaptionIsClipped() {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    WindowSet set(prompts, folder.path());
    SplashScreen splash;
    QVERIFY(ClippedCaptions(&splash).isEmpty());
    QCOMPARE(splash.size(), QSize(300, 257));
    QCOMPARE(splash.findChild<QLabel*>()->text(), QStringLiteral("VER 2.20"));
    for (QWidget* w : set.All()) {
      const QStringList clipped = ClippedCaptions(w);
      QVERIFY2(clipped.isEmpty(), qPrintable(w->objectName() + QStringLiteral(": ") + clipped.join(u',')));
    }
  }

  void ScreenshotsOfEveryWindow() {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    WindowSet set(prompts, folder.path());
    const QString shots = folder.filePath(QStringLiteral("shots"));
    QVERIFY(WriteScreenshots(set.ByKind(), shots).ok());
    for (const char* name : {"TSplfrm", "TForm1", "TForm2", "Tgravefrm", "Tgestfrm", "TPagesDlg", "Tloupefrm",
                             "Tmasquefrm", "Trgloupefrm", "TForm1_scale", "TForm1_verification",
                             "TForm1_generation"}) {
      const QImage image(shots + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
      QVERIFY2(!image.isNull(), name);
    }
    QCOMPARE(QImage(shots + QStringLiteral("/TForm1.png")).size(), QSize(961, 507));
    // The main window is left at its first step.
    QVERIFY(!FindControl<QGroupBox>(*set.ByKind().main, MainControl::kSettingsPanel)->isHidden());
    QVERIFY(FindControl<QGroupBox>(*set.ByKind().main, MainControl::kScalePanel)->isHidden());
  }

  void ModuleButtonShowsTheMachineWindowAndClosesTheMagnifier() {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    WindowSet set(prompts, folder.path());
    MainWindow* form = set.ByKind().main;
    FindControl<QToolButton>(*form, MainControl::kMagnifierToggle)->setChecked(true);
    set.ByKind().magnifier->show();
    set.ByKind().magnifier_mask->show();
    QVERIFY(!set.ByKind().machine->isVisible());
    FindControl<QPushButton>(*form, MainControl::kMachineWindowButton)->click();
    QVERIFY(set.ByKind().machine->isVisible());
    QVERIFY(!set.ByKind().machine->isModal());
    QVERIFY(!FindControl<QToolButton>(*form, MainControl::kMagnifierToggle)->isChecked());
    QVERIFY(!set.ByKind().magnifier->isVisible());
    QVERIFY(!set.ByKind().magnifier_mask->isVisible());
  }

  void AboutWindowClosesWithItsButton() {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    WindowSet set(prompts, folder.path());
    AboutDialog* about = set.ByKind().about;
    auto* close = FindControl<QPushButton>(*about, AboutControl::kCloseButton);
    QCOMPARE(close->text(), QStringLiteral("&Fermer"));
    QVERIFY(FindControl<QLabel>(*about, AboutControl::kProgramName)->text().contains(QStringLiteral("Pistora")));
    QVERIFY(FindControl<QLabel>(*about, AboutControl::kVersion)->text().contains(QStringLiteral("2.20")));
    // Shown without its modal loop here (tests open no modal dialog); its button closes it.
    about->show();
    QVERIFY(about->isVisible());
    close->click();
    QVERIFY(!about->isVisible());
    QCOMPARE(about->result(), int(QDialog::Accepted));
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
