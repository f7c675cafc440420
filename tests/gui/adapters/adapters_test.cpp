// The Qt seams: dialog filters, the host of long loops, the key filter of a box.
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/adapters/numeric_key_filter_adapter.h"
#include "gui/adapters/prompts.h"
#include "gui/adapters/scripted_prompts.h"
#include "gui/adapters/view_picture.h"
#include "gui/main/main_window.h"
#include "gui/widgets/bitmap_view.h"
#include "gui/widgets/named_control.h"

using namespace pistora;

class AdaptersTest : public QObject {
  Q_OBJECT

 private slots:
  void FiltersInQtForm() {
    QCOMPARE(QtFilterFromPairs(QStringLiteral("Images BitMap(*.bmp)|*.bmp|Images Gif (*.gif)|*.gif")),
             QStringLiteral("Images BitMap(*.bmp);;Images Gif (*.gif)"));
    QCOMPARE(QtFilterFromPairs(QStringLiteral("Programmes|*.iso")), QStringLiteral("Programmes (*.iso)"));
    QCOMPARE(WithUpperCasePatterns(QStringLiteral("Images BitMap(*.bmp);;Images Gif (*.gif)")),
             QStringLiteral("Images BitMap(*.bmp *.BMP);;Images Gif (*.gif *.GIF)"));
    QCOMPARE(WithUpperCasePatterns(QStringLiteral("Tout (*)")), QStringLiteral("Tout (*)"));
  }

  void ScriptedPromptsAnswerInOrder() {
    ScriptedPrompts prompts;
    prompts.QueueFileName(QStringLiteral("/a.bmp"));
    QCOMPARE(prompts.OpenFileName(QStringLiteral("c"), QStringLiteral("f")), QStringLiteral("/a.bmp"));
    QCOMPARE(prompts.LastFilter(), QStringLiteral("f"));
    QVERIFY(prompts.SaveFileName(QString(), QString()).isEmpty());  // nothing queued: cancelled
  }

  void ViewPictureCopiesTheVisibleRectangle() {
    Bitmap b(5, 4, kWhite);
    b.Set(3, 2, kRed);
    b.Set(4, 3, kBlue);
    const QImage at_origin = ViewPicture(b, 0, 0, 3, 3);
    QCOMPARE(at_origin.pixel(0, 0), qRgb(255, 255, 255));
    const QImage shifted = ViewPicture(b, 3, 2, 3, 3);
    QCOMPARE(shifted.pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(shifted.pixel(1, 1), qRgb(0, 0, 255));
    QCOMPARE(shifted.pixel(2, 2), qRgb(255, 255, 255));  // beyond the bitmap
    QCOMPARE(ViewPicture(Bitmap(), 0, 0, 2, 2).pixel(1, 1), qRgb(255, 255, 255));
  }

  void ZoomedOutPictureKeepsThinTracksSeen() {
    // A one-pixel track, a lone pixel and a coloured mark on white, seen at 1/3 to 1/9.
    Bitmap b(90, 60, kWhite);
    for (int row = 0; row < 60; ++row) b.Set(41, row, kBlack);
    b.Set(10, 50, kBlack);
    b.Set(70, 20, Rgb{255, 0, 0});
    for (const double scale : {1.0 / 3, 0.25, 1.0 / 9}) {
      const QImage picture = ZoomedViewPicture(b, 0, 0, scale, 30, 20);
      const auto shown = [&](int x, int row) {
        return picture.pixel(static_cast<int>(x * scale), static_cast<int>(row * scale));
      };
      for (int row = 0; row < 60; row += 7) QCOMPARE(shown(41, row), qRgb(0, 0, 0));
      QCOMPARE(shown(10, 50), qRgb(0, 0, 0));
      QCOMPARE(shown(70, 20), qRgb(255, 0, 0));
      QCOMPARE(shown(25, 5), qRgb(255, 255, 255));
    }
  }

  void HostDrivesTheMainWindow() {
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    MainWindow form(prompts, folder.path());
    Host& host = form.UiHost();
    host.ShowProgress(30, 120);
    QCOMPARE(FindControl<QProgressBar>(form, MainControl::kProgressGauge)->maximum(), 120);
    QCOMPARE(FindControl<QProgressBar>(form, MainControl::kProgressGauge)->value(), 30);
    form.Work().EngravingBitmap = Bitmap(600, 500, kWhite);
    form.Work().EngravingBitmap.Set(0, 0, kGreen);
    host.RefreshView(View::Engraving);
    QCOMPARE(FindControl<BitmapView>(form, MainControl::kEngravingView)->Picture().pixel(0, 0), qRgb(0, 128, 0));
    form.Work().ArtworkBitmap = Bitmap(600, 500, kBlack);
    host.RefreshView(View::Artwork);
    QCOMPARE(FindControl<BitmapView>(form, MainControl::kArtworkView)->Picture().pixel(5, 5), qRgb(0, 0, 0));
    host.PumpEvents();  // runs pending events without blocking
  }

  void KeyFilterOnASignedBox() {
    QLocale::setDefault(QLocale::c());
    QLineEdit edit;
    edit.installEventFilter(new NumericKeyFilterAdapter(KeyMode::SignedDecimal, &edit));
    QTest::keyClicks(&edit, QStringLiteral("12"));
    QTest::keyClicks(&edit, QStringLiteral("-"));  // caret not at the start: refused
    QCOMPARE(edit.text(), QStringLiteral("12"));
    edit.setCursorPosition(0);
    QTest::keyClicks(&edit, QStringLiteral("-"));
    QCOMPARE(edit.text(), QStringLiteral("-12"));
    edit.setCursorPosition(0);
    QTest::keyClicks(&edit, QStringLiteral("-"));  // only one minus
    QCOMPARE(edit.text(), QStringLiteral("-12"));
    edit.setCursorPosition(3);
    QTest::keyClicks(&edit, QStringLiteral(".5.e"));
    QCOMPARE(edit.text(), QStringLiteral("-12.5"));
    // Navigation and deletion keys are not characters: they pass.
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QCOMPARE(edit.text(), QStringLiteral("12.5"));
  }
};

QTEST_MAIN(AdaptersTest)
#include "adapters_test.moc"
