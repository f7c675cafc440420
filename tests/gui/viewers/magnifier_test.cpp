// The magnifier: the toggle, the two shaped windows, dragging, the pop-up menu and the settings
// window with loupe.dat (all in the current directory, a fresh folder per test).
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "gui/adapters/scripted_prompts.h"
#include "gui/app/app_windows.h"
#include "gui/app/startup.h"
#include "gui/main/main_window.h"
#include "gui/viewers/magnifier_glass.h"
#include "gui/viewers/magnifier_mask.h"
#include "gui/viewers/magnifier_settings_dialog.h"
#include "gui/widgets/named_control.h"

using namespace pistora;

namespace {

constexpr QRgb kTestRed = 0xFFFF0000;
constexpr QRgb kTestBlack = 0xFF000000;
constexpr QRgb kTestGrey = 0xFF808080;

// A 20 x 10 picture: red outside the rectangle (4, 2) - (15, 7); inside it grey, with a black
// hole (8, 4) - (11, 5) when `hole`.
void WritePicture(const QString& name, bool hole) {
  QImage image(20, 10, QImage::Format_RGB888);
  image.fill(kTestRed);
  for (int y = 2; y <= 7; ++y)
    for (int x = 4; x <= 15; ++x) image.setPixel(x, y, hole && x >= 8 && x <= 11 && y >= 4 && y <= 5 ? kTestBlack : kTestGrey);
  QVERIFY(image.save(name, "BMP"));
}

void WriteBothPictures() {
  WritePicture(QStringLiteral("masque.bmp"), false);
  WritePicture(QStringLiteral("loupe.bmp"), true);
}

// The windows of one run, with the start-up messages of the other windows set aside (the test
// folder has no param.txt).
struct Session {
  explicit Session(const QString& folder) : set(prompts, folder) { prompts.ClearMessages(); }
  ScriptedPrompts prompts;
  WindowSet set;
};

void WriteText(const QString& name, const QByteArray& bytes) {
  QFile file(name);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray ReadText(const QString& name) {
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class MagnifierTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  QString previous_;

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    previous_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir_->path()));
  }
  void cleanup() {
    QDir::setCurrent(previous_);
    dir_.reset();
  }

  void ToggleShowsBothWindowsShapedByTheirPictures() {
    WriteBothPictures();
    Session session(dir_->path());
    ScriptedPrompts& prompts = session.prompts;
    MainWindow* form = Windows().main;
    MagnifierGlass* loupe = Windows().magnifier;
    MagnifierMask* mask = Windows().magnifier_mask;

    FindControl<QToolButton>(*form, MainControl::kMagnifierToggle)->click();
    QVERIFY(FindControl<QToolButton>(*form, MainControl::kMagnifierToggle)->isChecked());
    QVERIFY2(prompts.Errors().isEmpty(), qPrintable(prompts.Errors().join(QStringLiteral("; "))));
    QVERIFY(loupe->isVisible());
    QVERIFY(mask->isVisible());
    QCOMPARE(loupe->size(), QSize(20, 10));
    QCOMPARE(mask->size(), QSize(20, 10));
    QCOMPARE(loupe->pos(), QPoint(0, 0));
    QCOMPARE(mask->pos(), QPoint(0, 0));
    QVERIFY((mask->mask() ^ QRegion(4, 2, 12, 6)).isEmpty());
    // The magnifier's black hole is see-through: outside its window, inside the mask's.
    QVERIFY((loupe->mask() ^ (QRegion(4, 2, 12, 6) - QRegion(8, 4, 4, 2))).isEmpty());

    // No loupe.dat: said once in the run, as information.
    QCOMPARE(prompts.Infos().size(), 1);
    QVERIFY(prompts.Infos()[0].contains(QStringLiteral("loupe.dat")));

    // Released: both close.
    FindControl<QToolButton>(*form, MainControl::kMagnifierToggle)->click();
    QVERIFY(!FindControl<QToolButton>(*form, MainControl::kMagnifierToggle)->isChecked());
    QVERIFY(!loupe->isVisible());
    QVERIFY(!mask->isVisible());
    FindControl<QToolButton>(*form, MainControl::kMagnifierToggle)->click();
    QVERIFY(loupe->isVisible());
    QCOMPARE(prompts.Infos().size(), 1);
  }

  void ShippedPicturesAreFoundBesideTheProgram() {
    Session session(dir_->path());
    ScriptedPrompts& prompts = session.prompts;
    FindControl<QToolButton>(*Windows().main, MainControl::kMagnifierToggle)->click();
    QVERIFY2(prompts.Errors().isEmpty(), qPrintable(prompts.Errors().join(QStringLiteral("; "))));
    MagnifierGlass* loupe = Windows().magnifier;
    MagnifierMask* mask = Windows().magnifier_mask;
    QCOMPARE(loupe->size(), mask->size());
    // The enlarged picture's centre: inside the mask, see-through in the magnifier's glass.
    const QPoint centre = Windows().magnifier_mask->Image2->geometry().center();
    QVERIFY(mask->mask().contains(centre));
    QVERIFY(!loupe->mask().contains(centre));
    QVERIFY(!loupe->mask().contains(QPoint(0, 0)));
    QVERIFY(!mask->mask().contains(QPoint(0, 0)));
    // The frame around the glass belongs to the magnifier.
    QVERIFY(loupe->mask().contains(centre + QPoint(0, 112)));
  }

  void UnreadablePictureIsReportedAndReleasesTheToggle() {
    struct Case {
      const char* name;
      bool mask_bad;
      QByteArray bytes;  // empty: an all-red picture
    } cases[] = {
        {"garbled mask", true, QByteArray("BM not a picture")},
        {"garbled magnifier", false, QByteArray("BM not a picture")},
        {"all-red magnifier", false, QByteArray()},
    };
    for (const Case& c : cases) {
      WriteBothPictures();
      const QString bad = c.mask_bad ? QStringLiteral("masque.bmp") : QStringLiteral("loupe.bmp");
      if (c.bytes.isEmpty()) {
        QImage red(8, 8, QImage::Format_RGB888);
        red.fill(kTestRed);
        QVERIFY(red.save(bad, "BMP"));
      } else {
        WriteText(bad, c.bytes);
      }
      Session session(dir_->path());
      ScriptedPrompts& prompts = session.prompts;
      FindControl<QToolButton>(*Windows().main, MainControl::kMagnifierToggle)->click();
      QVERIFY2(prompts.Errors().size() == 1, c.name);
      QVERIFY2(prompts.Errors()[0].contains(bad), c.name);
      QVERIFY2(!FindControl<QToolButton>(*Windows().main, MainControl::kMagnifierToggle)->isChecked(), c.name);
      QVERIFY2(!Windows().magnifier->isVisible(), c.name);
      QVERIFY2(!Windows().magnifier_mask->isVisible(), c.name);
    }

    // A picture far larger than any screen (a small file: one bit per pixel) is refused.
    WriteBothPictures();
    QImage huge(5000, 4000, QImage::Format_Mono);
    huge.fill(1);
    QVERIFY(huge.save(QStringLiteral("loupe.bmp"), "BMP"));
    Session session(dir_->path());
    FindControl<QToolButton>(*Windows().main, MainControl::kMagnifierToggle)->click();
    QCOMPARE(session.prompts.Errors().size(), 1);
    QVERIFY(session.prompts.Errors()[0].contains(QStringLiteral("5000 x 4000")));
    QVERIFY(!FindControl<QToolButton>(*Windows().main, MainControl::kMagnifierToggle)->isChecked());
    QVERIFY(!Windows().magnifier_mask->isVisible());
  }

  void FinelyCutPictureIsShapedQuickly() {
    // A checkerboard: one rectangle per pixel that is not red, 80 000 of them.
    QImage board(400, 400, QImage::Format_RGB888);
    for (int y = 0; y < 400; ++y)
      for (int x = 0; x < 400; ++x) board.setPixel(x, y, (x + y) % 2 ? kTestRed : kTestGrey);
    QVERIFY(board.save(QStringLiteral("masque.bmp"), "BMP"));
    WritePicture(QStringLiteral("loupe.bmp"), true);
    Session session(dir_->path());
    QElapsedTimer clock;
    clock.start();
    FindControl<QToolButton>(*Windows().main, MainControl::kMagnifierToggle)->click();
    QVERIFY2(clock.elapsed() < 5000, "shaping took too long");
    QVERIFY(session.prompts.Errors().isEmpty());
    const QRegion shape = Windows().magnifier_mask->mask();
    QCOMPARE(shape.rectCount(), 80000);
    QVERIFY(shape.contains(QPoint(0, 0)));
    QVERIFY(!shape.contains(QPoint(1, 0)));
    QVERIFY(shape.contains(QPoint(399, 399)));
  }

  void DraggingMovesBothWindowsAndTheMenuClosesOrOpensTheSettings() {
    WriteBothPictures();
    Session session(dir_->path());
    MagnifierGlass* loupe = Windows().magnifier;
    MagnifierMask* mask = Windows().magnifier_mask;
    FindControl<QToolButton>(*Windows().main, MainControl::kMagnifierToggle)->click();

    // A move without a press does nothing; a press then a move 10 pixels right drags.
    loupe->Image1MouseMove(QPoint(30, 5));
    QCOMPARE(loupe->pos(), QPoint(0, 0));
    loupe->Image1MouseDown(QPoint(5, 5));
    loupe->Image1MouseMove(QPoint(15, 5));
    QCOMPARE(loupe->pos(), QPoint(10, 0));
    QCOMPARE(mask->pos(), QPoint(10, 0));
    loupe->Image1MouseMove(QPoint(5, 12));  // the anchor stays where the press was in the window
    QCOMPARE(loupe->pos(), QPoint(10, 7));
    QCOMPARE(mask->pos(), QPoint(10, 7));
    loupe->Image1MouseUp();
    loupe->Image1MouseMove(QPoint(40, 40));
    QCOMPARE(loupe->pos(), QPoint(10, 7));

    QCOMPARE(loupe->PopupMenu1->actions().size(), 2);
    QCOMPARE(loupe->Close1->text(), QStringLiteral("Close"));
    QCOMPARE(loupe->Option1->text(), QStringLiteral("Option"));
    loupe->Option1->trigger();
    QVERIFY(Windows().magnifier_settings->isVisible());
    QVERIFY(!Windows().magnifier_settings->isModal());
    loupe->Close1->trigger();
    QVERIFY(!loupe->isVisible());
    QVERIFY(!mask->isVisible());
    QVERIFY(!FindControl<QToolButton>(*Windows().main, MainControl::kMagnifierToggle)->isChecked());
  }

  void RefreshCopiesTheSquareAroundThePointerEnlarged() {
    WriteBothPictures();
    Session session(dir_->path());
    MagnifierMask* mask = Windows().magnifier_mask;
    QCOMPARE(mask->Timer1->interval(), 100);
    QVERIFY(mask->Timer1->isActive());
    FindControl<QToolButton>(*Windows().main, MainControl::kMagnifierToggle)->click();
    mask->SetHalfSide(48);
    mask->Timer1Timer();
    const LoupeSquare square = mask->LastSource();
    QCOMPARE(square.width, 96);
    QCOMPARE(square.height, 96);
    // Centred on the pointer, in the main window's client coordinates.
    const QPoint pointer = Windows().main->mapFromGlobal(QCursor::pos());
    QCOMPARE(QPoint(square.left + 48, square.top + 48), pointer);
    QCOMPARE(mask->Image2->pixmap().size(), QSize(220, 220));

    // A green patch of the main window under the pointer fills the middle of the enlarged picture.
    MainWindow* form = Windows().main;
    auto* patch = new QWidget(form);
    patch->setGeometry(300, 200, 10, 10);
    patch->setAutoFillBackground(true);
    QPalette palette = patch->palette();
    palette.setColor(QPalette::Window, QColor(0, 255, 0));
    patch->setPalette(palette);
    patch->show();
    QCursor::setPos(form->mapToGlobal(QPoint(305, 205)));
    if (form->mapFromGlobal(QCursor::pos()) != QPoint(305, 205)) QSKIP("the platform cannot place the pointer");
    mask->Timer1Timer();
    const QImage enlarged = mask->Image2->pixmap().toImage();
    QCOMPARE(QColor(enlarged.pixel(110, 110)), QColor(0, 255, 0));
    // 10 source pixels are 22 enlarged ones at c = 48 (220 / 96 each): the patch ends there.
    QCOMPARE(QColor(enlarged.pixel(110 + 8, 110 + 8)), QColor(0, 255, 0));
    QVERIFY(QColor(enlarged.pixel(110 + 16, 110)) != QColor(0, 255, 0));
    QVERIFY(QColor(enlarged.pixel(110 - 16, 110)) != QColor(0, 255, 0));
  }

  void SettingsWindowActsAtOnceSavesAndCancels() {
    Session session(dir_->path());
    ScriptedPrompts& prompts = session.prompts;
    MagnifierSettingsDialog* settings = Windows().magnifier_settings;
    MagnifierMask* mask = Windows().magnifier_mask;
    QCOMPARE(settings->windowTitle(), QString::fromUtf8("Réglage Loupe"));
    // No loupe.dat: the settings as shipped, without a message.
    QVERIFY(prompts.Errors().isEmpty());
    QCOMPARE(settings->TrackBar1->value(), 1);
    QCOMPARE(settings->Edit3->text(), QStringLiteral("100"));
    QCOMPARE(mask->HalfSide(), 50);
    QCOMPARE(mask->Image2->pos(), QPoint(55, 27));

    struct Zoom {
      int position;
      int half_side;
      const char* shown;
    };
    for (const Zoom& z : {Zoom{50, 1, "5000"}, Zoom{3, 48, "104"}, Zoom{1, 50, "100"}}) {
      settings->TrackBar1->setValue(z.position);
      QCOMPARE(settings->Edit3->text(), QString::fromLatin1(z.shown));
      QCOMPARE(mask->HalfSide(), z.half_side);
    }
    settings->UpDown1->setValue(-55);
    settings->UpDown2->setValue(-27);
    QCOMPARE(settings->Edit1->text(), QStringLiteral("-55"));
    QCOMPARE(settings->Edit2->text(), QStringLiteral("-27"));
    QCOMPARE(mask->Image2->pos(), QPoint(0, 0));

    settings->TrackBar1->setValue(3);
    settings->show();
    settings->Button1->click();  // "Valider"
    QVERIFY(!settings->isVisible());
    QCOMPARE(ReadText(QStringLiteral("loupe.dat")), QByteArray("3\r\n104\r\n-55\r\n-27\r\n"));

    // Moved again, then "Annuler": the saved zoom and offsets are back at once.
    settings->TrackBar1->setValue(40);
    settings->UpDown1->setValue(12);
    QCOMPARE(mask->HalfSide(), 11);
    settings->show();
    settings->Button2->click();
    QVERIFY(!settings->isVisible());
    QCOMPARE(settings->TrackBar1->value(), 3);
    QCOMPARE(settings->Edit3->text(), QStringLiteral("104"));
    QCOMPARE(mask->HalfSide(), 48);
    QCOMPARE(settings->Edit1->text(), QStringLiteral("-55"));
    QCOMPARE(mask->Image2->pos(), QPoint(0, 0));
    QVERIFY(prompts.Errors().isEmpty());

    // With loupe.dat saved, showing the magnifier has nothing to say.
    WriteBothPictures();
    FindControl<QToolButton>(*Windows().main, MainControl::kMagnifierToggle)->click();
    QVERIFY(Windows().magnifier->isVisible());
    QVERIFY(prompts.Infos().isEmpty());
    QVERIFY(prompts.Errors().isEmpty());
  }

  void SettingsFileIsReadAtStartAndABadOneReportedOnce() {
    WriteText(QStringLiteral("loupe.dat"), "10\r\n123\r\n5\r\n-7\r\n");
    {
      Session session(dir_->path());
      ScriptedPrompts& prompts = session.prompts;
      QCOMPARE(Windows().magnifier_mask->HalfSide(), 41);
      QCOMPARE(Windows().magnifier_mask->Image2->pos(), QPoint(60, 20));
      QCOMPARE(Windows().magnifier_settings->TrackBar1->value(), 10);
      QCOMPARE(Windows().magnifier_settings->Edit3->text(), QStringLiteral("123"));  // as stored
      QCOMPARE(Windows().magnifier_settings->Edit1->text(), QStringLiteral("5"));
      QCOMPARE(Windows().magnifier_settings->Edit2->text(), QStringLiteral("-7"));
      QVERIFY(prompts.Errors().isEmpty());
    }
    WriteText(QStringLiteral("loupe.dat"), "7\r\n");
    ScriptedPrompts prompts;
    WindowSet set(prompts, dir_->path());
    int loupe_messages = 0;
    for (const QString& error : prompts.Errors()) loupe_messages += error.contains(QStringLiteral("loupe.dat"));
    QCOMPARE(loupe_messages, 1);
    QCOMPARE(Windows().magnifier_mask->HalfSide(), 44);  // line 1 was read before the fault
  }
};

QTEST_MAIN(MagnifierTest)
#include "magnifier_test.moc"
