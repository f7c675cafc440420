// The machine window's live view: what is cut turns from the cut colour to the done colour as
// the run goes, and the plate and paths are drawn again only on a zoom or when the run goes back.
#include <QImage>
#include <QtTest>
#include <memory>

#include "core/machine/iso_program.h"
#include "core/machine/program_path.h"
#include "gui/machine/live_job_view.h"

using namespace pistora;

class LiveJobViewTest : public QObject {
  Q_OBJECT

 private:
  // Whether `colour` is drawn within a pixel of plate point (x, y) (mm) of a 60 x 40 mm plate
  // with the work zero at (5, 5).
  static bool DrawnNear(const LiveJobView& view, double x, double y, QColor colour) {
    QImage image(view.size(), QImage::Format_RGB32);
    const_cast<LiveJobView&>(view).render(&image);
    // Content: 5 mm of margin left of the plate, the plate's top (40 mm) 5 mm below the top.
    const ViewPoint at = view.Zoom().ToScreen({5 + 5 + x, 45 - (5 + y)});
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        if (image.pixelColor(static_cast<int>(at.x) + dx, static_cast<int>(at.y) + dy) == colour) return true;
    return false;
  }

 private slots:
  void CutsTurnDoneAsTheRunGoesAndTheDrawingIsKept() {
    const auto path = std::make_shared<const ProgramPath>(BuildProgramPath(
        {"G00 Z1", "G00 X10 Y10", "G00 Z-0.1", "G01 X40 Y10", "G01 X40 Y30", "G00 Z1", "G00 X0 Y0"}));
    LiveJobView view;
    view.resize(400, 300);
    view.SetPlate(60, 40, 3, 3, 5, 5);
    view.SetJob(path, nullptr, CopyOrigins({1, 1, path->max_x, path->max_y, 5}));
    const QColor cut(20, 40, 170), done(0, 200, 60);
    QVERIFY(DrawnNear(view, 25, 10, cut));
    QVERIFY(DrawnNear(view, 40, 20, cut));
    QCOMPARE(view.StaticRenders(), 1);
    // Running line 4 (the second side), the tool half way up it: the first side is done, the
    // second is done up to the tool only.
    for (long line = 0; line <= 4; ++line) {
      view.SetDone(false, 0, line);
      view.SetTool(40, 20);
      QVERIFY(DrawnNear(view, 40, 28, cut));
    }
    QVERIFY(DrawnNear(view, 25, 10, done));
    QVERIFY(DrawnNear(view, 40, 15, done));
    QCOMPARE(view.StaticRenders(), 1);
    // A new run from the start draws again, and so does a zoom.
    view.SetDone(false, 0, 0);
    QVERIFY(DrawnNear(view, 25, 10, cut));
    QCOMPARE(view.StaticRenders(), 2);
    view.Fit();
    QVERIFY(DrawnNear(view, 25, 10, cut));
    QCOMPARE(view.StaticRenders(), 3);
  }
};

QTEST_MAIN(LiveJobViewTest)
#include "live_job_view_test.moc"
