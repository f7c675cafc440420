// The STOP disc and the press-and-hold arrow, which several windows share.
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include "gui/widgets/hold_arrow_button.h"
#include "gui/widgets/stop_disc.h"

using namespace pistora;

class MachineWidgetsTest : public QObject {
  Q_OBJECT

 private slots:
  void StopDiscReactsToAPressOnAnyPartAndShowsTheLatch() {
    StopDisc disc(nullptr, QColor(255, 255, 128));
    disc.resize(68, 68);
    disc.show();
    QSignalSpy pressed(&disc, &StopDisc::Pressed);
    QTest::mousePress(&disc, Qt::LeftButton, {}, QPoint(3, 34));   // the ring
    QTest::mousePress(&disc, Qt::LeftButton, {}, QPoint(34, 34));  // the word, over the circle
    QCOMPARE(pressed.count(), 2);
    QVERIFY(disc.Word()->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(disc.Word()->text(), QStringLiteral("STOP"));
    QVERIFY(!disc.ShowsRed());
    disc.PaintRed();
    QVERIFY(disc.ShowsRed());
    disc.PaintRing(QColor(255, 255, 0));
    QCOMPARE(disc.RingColour(), QColor(255, 255, 0));
  }

  void HoldArrowReportsPressAndReleaseOnce() {
    HoldArrowButton arrow(Qt::UpArrow);
    arrow.resize(32, 32);
    arrow.show();
    QSignalSpy pressed(&arrow, &QAbstractButton::pressed);
    QSignalSpy released(&arrow, &QAbstractButton::released);
    QTest::mousePress(&arrow, Qt::LeftButton);
    QTest::qWait(400);  // held: no repetition
    QCOMPARE(pressed.count(), 1);
    QTest::mouseRelease(&arrow, Qt::LeftButton);
    QCOMPARE(released.count(), 1);
    // Another window forwards its own arrow's press and release.
    arrow.Press();
    QVERIFY(arrow.isDown());
    arrow.Release();
    QVERIFY(!arrow.isDown());
    QCOMPARE(pressed.count(), 2);
    QCOMPARE(released.count(), 2);
  }
};

QTEST_MAIN(MachineWidgetsTest)
#include "machine_widgets_test.moc"
