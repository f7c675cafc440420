// The main window's views at several zooms and window sizes, through the real widgets: what a
// view shows and where a click, a drag or a zoom lands agree; a selected contour is centred; the
// scale step is filled from the resolution the file states; files open from the command line, a
// drop or the recent list, and the save dialogs propose names from the artwork.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <cmath>

#include "core/artwork/scale.h"
#include "core/artwork/view_geometry.h"
#include "core/job/file_names.h"
#include "gui/app/user_settings.h"
#include "gui/adapters/scripted_prompts.h"
#include "gui/app/startup.h"
#include "gui/main/main_window.h"
#include "gui/widgets/bitmap_view.h"
#include "gui/widgets/named_control.h"

using namespace pistora;

namespace {

constexpr int kSide = 1200;      // wider and taller than the view at every zoom below 2
constexpr int kDotsPerMetre = 23622;  // 600 dpi

// Every pixel tells its place: red = x mod 256, green = row mod 256, blue = x / 256 + 8 (row / 256).
QImage PlacePicture() {
  QImage image(kSide, kSide - 300, QImage::Format_RGB888);
  for (int row = 0; row < image.height(); ++row)
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, row, qRgb(x % 256, row % 256, x / 256 + 8 * (row / 256)));
  image.setDotsPerMeterX(kDotsPerMetre);
  image.setDotsPerMeterY(kDotsPerMetre);
  return image;
}

QPoint PlaceOf(QRgb colour) {
  return {qRed(colour) + 256 * (qBlue(colour) % 8), qGreen(colour) + 256 * (qBlue(colour) / 8)};
}

// Solid 15 x 15 squares far apart: one useful contour each.
QImage SquaresBoard() {
  QImage image(kSide, kSide - 300, QImage::Format_RGB888);
  image.fill(Qt::white);
  for (const QPoint corner : {QPoint(30, 40), QPoint(1100, 60), QPoint(600, 450), QPoint(80, 850), QPoint(1150, 860)})
    for (int row = 0; row < 15; ++row)
      for (int x = 0; x < 15; ++x) image.setPixel(corner.x() + x, corner.y() + row, qRgb(0, 0, 0));
  image.setDotsPerMeterX(kDotsPerMetre);
  image.setDotsPerMeterY(kDotsPerMetre);
  return image;
}

}  // namespace

class MainWindowViewsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;
  ScriptedPrompts prompts_;
  std::unique_ptr<MainWindow> window_;
  QString place_path_;
  QString squares_path_;

  MainWindow& Window() { return *window_; }
  template <class W>
  W* Control(MainControl role) {
    return FindControl<W>(Window(), role);
  }
  BitmapView* ArtworkView() { return Control<BitmapView>(MainControl::kArtworkView); }
  QPoint ShownPlace(QPoint screen) { return PlaceOf(ArtworkView()->Picture().pixel(screen)); }

  // The zoom states a user reaches with the buttons, each checked by `check`.
  void ForEachZoom(const std::function<void(const QString&)>& check) {
    const std::pair<const char*, MainControl> presses[] = {
        {"fit", MainControl::kZoomFitButton}, {"1:1", MainControl::kZoomOneToOneButton},
        {"in", MainControl::kZoomInButton},   {"in", MainControl::kZoomInButton},
        {"in", MainControl::kZoomInButton},   {"1:1", MainControl::kZoomOneToOneButton},
        {"out", MainControl::kZoomOutButton}, {"out", MainControl::kZoomOutButton},
    };
    QString path;
    for (const auto& [name, button] : presses) {
      Control<QPushButton>(button)->click();
      path += QString::fromLatin1(name) + QLatin1Char(' ');
      check(path + Control<QLabel>(MainControl::kZoomLevel)->text());
    }
  }

  void Measure(QPoint from, QPoint to) {
    QTest::mousePress(ArtworkView(), Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), ArtworkView()->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ArtworkView(), &move);
    QTest::mouseRelease(ArtworkView(), Qt::LeftButton, {}, to);
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);  // the recent files and folders: Qt's test settings
    UserSettings().clear();
    ApplyUiFont();
    QLocale::setDefault(QLocale::c());
    place_path_ = folder_.filePath(QStringLiteral("place.bmp"));
    squares_path_ = folder_.filePath(QStringLiteral("squares.png"));
    if (!PlacePicture().save(place_path_, "BMP") || !SquaresBoard().save(squares_path_, "PNG"))
      qFatal("cannot write the test pictures");
  }

  void init() {
    UserSettings().clear();
    window_ = std::make_unique<MainWindow>(prompts_, folder_.path());
    prompts_.ClearMessages();  // no param.txt here: the built-in job values, said once
  }
  void cleanup() {
    window_.reset();
    prompts_.ClearMessages();
  }

  void AtEveryZoomTheViewShowsWhatAMeasureAndAZoomAboutThePointerTake() {
    Window().OpenFile(place_path_);
    QVERIFY2(prompts_.Errors().isEmpty(), qPrintable(prompts_.Errors().join(u'\n')));
    Window().EnterScalePhase();
    const QPoint points[] = {{3, 5}, {280, 220}, {kViewWidth - 2, kViewHeight - 3}, {101, 397}};
    ForEachZoom([&](const QString& state) {
      const double scale = Window().ViewScale(View::Artwork);
      // The pixels shown, read before any measuring line is drawn (by inverting pixels).
      QList<QPoint> shown;
      for (const QPoint point : points) shown << ShownPlace(point);
      const auto outside = [&](int i) { return ArtworkView()->Picture().pixel(points[i]) == qRgb(255, 255, 255); };
      for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
          if (outside(i) || outside(j)) continue;  // below a fitted board: no pixel there
          const QPoint a = shown[i];
          const QPoint b = shown[j];
          Measure(points[i], points[j]);
          const QString measured = Control<QLineEdit>(MainControl::kMeasuredDistance)->text();
          QVERIFY2(QString::fromStdString(MeasuredDistanceText({a.x(), a.y()}, {b.x(), b.y()})) == measured,
                   qPrintable(state + QStringLiteral(": %1 from (%2, %3) to (%4, %5)")
                                          .arg(measured).arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y())));
        }
      }
      // A press without a move takes the last line off.
      QTest::mousePress(ArtworkView(), Qt::LeftButton, {}, points[0]);
      QTest::mouseRelease(ArtworkView(), Qt::LeftButton, {}, points[0]);
      // The screen pixel under the pointer shows the same bitmap pixel, within the one pixel of
      // a scroll position, after Ctrl + wheel there.
      const QPoint pointer(200, 150);
      const QPoint before = ShownPlace(pointer);
      QWheelEvent wheel(QPointF(pointer), ArtworkView()->mapToGlobal(QPointF(pointer)), QPoint(), QPoint(0, 120),
                        Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(ArtworkView(), &wheel);
      QVERIFY2(Window().ViewScale(View::Artwork) > scale, qPrintable(state));
      const QPoint after = ShownPlace(pointer);
      QVERIFY2(std::abs(after.x() - before.x()) <= 1 && std::abs(after.y() - before.y()) <= 1,
               qPrintable(state + QStringLiteral(": (%1, %2) then (%3, %4)")
                                      .arg(before.x()).arg(before.y()).arg(after.x()).arg(after.y())));
      Window().ZoomOut();  // back to the state the next press starts from
    });
  }

  void DraggingMovesThePictureWithThePointerAtEveryZoom() {
    Window().OpenFile(place_path_);
    ForEachZoom([&](const QString& state) {
      auto* h = Control<QScrollBar>(MainControl::kArtworkHorizontalScroll);
      auto* v = Control<QScrollBar>(MainControl::kArtworkVerticalScroll);
      h->setValue(h->maximum() / 2);
      v->setValue(v->maximum() / 2);
      const QPoint from(300, 260);
      const QPoint to(240, 200);  // within the scroll range from its middle at every zoom here
      const QPoint grabbed = ShownPlace(from);
      QTest::mousePress(ArtworkView(), Qt::LeftButton, {}, from);
      for (int step = 1; step <= 4; ++step) {
        const QPointF at = QPointF(from) + (QPointF(to) - QPointF(from)) * step / 4.0;
        QMouseEvent move(QEvent::MouseMove, at, ArtworkView()->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(ArtworkView(), &move);
      }
      QTest::mouseRelease(ArtworkView(), Qt::LeftButton, {}, to);
      const QPoint held = ShownPlace(to);
      const bool fits = h->maximum() <= 1 && v->maximum() <= 1;
      QVERIFY2(fits || (std::abs(held.x() - grabbed.x()) <= 1 && std::abs(held.y() - grabbed.y()) <= 1),
               qPrintable(state + QStringLiteral(": (%1, %2) then (%3, %4)")
                                      .arg(grabbed.x()).arg(grabbed.y()).arg(held.x()).arg(held.y())));
    });
  }

  void TheViewsGrowWithTheWindowAndTheRightColumnFollowsItsEdge() {
    Window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&Window()));
    Window().OpenFile(place_path_);
    const QRect general = Control<QGroupBox>(MainControl::kGeneralControlGroup)->geometry();
    Window().resize(1400, 900);
    QCoreApplication::processEvents();
    const QSize grown(kViewWidth + 1400 - 961, kViewHeight + 900 - 507);
    QCOMPARE(ArtworkView()->size(), grown);
    QCOMPARE(Control<BitmapView>(MainControl::kEngravingView)->size(), grown);
    QCOMPARE(ArtworkView()->Picture().size(), grown);
    QCOMPARE(Control<QGroupBox>(MainControl::kGeneralControlGroup)->geometry(), general.translated(1400 - 961, 0));
    QCOMPARE(Control<QScrollBar>(MainControl::kArtworkHorizontalScroll)->maximum(),
             ScrollMaximum(kSide, grown.width()));
    QCOMPARE(ShownPlace(QPoint(grown.width() - 1, grown.height() - 1)),
             QPoint(grown.width() - 1, grown.height() - 1));
    Window().resize(961, 507);
    QCoreApplication::processEvents();
    QCOMPARE(ArtworkView()->size(), QSize(kViewWidth, kViewHeight));
    QCOMPARE(Control<QGroupBox>(MainControl::kGeneralControlGroup)->geometry(), general);
  }

  void TheStatedResolutionFillsTheScaleAndASelectedContourIsCentred() {
    Window().OpenFile(squares_path_);
    QCOMPARE(Control<QLabel>(MainControl::kStatedResolutionNote)->text(), QStringLiteral("600 dpi lus dans le fichier"));
    QCOMPARE(Control<QLineEdit>(MainControl::kPixelSize)->text(), QStringLiteral("0.042"));
    Control<QPushButton>(MainControl::kProcessButton)->click();
    Control<QPushButton>(MainControl::kValidateScaleButton)->click();  // nothing measured by hand
    QVERIFY2(prompts_.Errors().isEmpty(), qPrintable(prompts_.Errors().join(u'\n')));
    QCOMPARE(Window().Work().PixelSizeMm, 25.4 / 600);
    const ContourTable& table = Window().Work().Table;
    QCOMPARE(table.ContourCount(), 5);
    auto* number = Control<QSpinBox>(MainControl::kContourNumber);
    auto* h = Control<QScrollBar>(MainControl::kEngravingHorizontalScroll);
    auto* v = Control<QScrollBar>(MainControl::kEngravingVerticalScroll);
    for (const int zoom_ins : {0, 3}) {
      for (int i = 0; i < zoom_ins; ++i) Window().ZoomIn();
      const double scale = Window().ViewScale(View::Engraving);
      for (int index = table.ContourCount() - 1; index >= 0; --index) {
        number->setValue(index);
        const PixelPoint centre{table[index].CenterX, Window().Work().EngravingBitmap.Height() - table[index].CenterY};
        const int want_h = std::clamp(centre.x - static_cast<int>(kViewWidth / scale) / 2, 0, h->maximum());
        const int want_v = std::clamp(centre.row - static_cast<int>(kViewHeight / scale) / 2, 0, v->maximum());
        QVERIFY2(h->value() == want_h && v->value() == want_v,
                 qPrintable(QStringLiteral("contour %1 at scale %2: %3, %4").arg(index).arg(scale).arg(h->value()).arg(v->value())));
        // A right click on the contour's outline selects it, and leaves the view where it is.
        number->setValue(index == 0 ? 1 : 0);
        h->setValue(want_h);
        v->setValue(want_v);
        const PixelPoint start{table[index].StartX, Window().Work().EngravingBitmap.Height() - table[index].StartY};
        QCOMPARE(Window().Work().EngravingBitmap.At(start.x, start.row), kBlack);
        const QPoint on_screen(static_cast<int>((start.x - want_h + 0.5) * scale),
                               static_cast<int>((start.row - want_v + 0.5) * scale));
        QContextMenuEvent click(QContextMenuEvent::Mouse, on_screen, on_screen);
        QApplication::sendEvent(Control<BitmapView>(MainControl::kEngravingView), &click);
        QCOMPARE(number->value(), index);
        QCOMPARE(h->value(), want_h);
      }
    }
  }

  void FilesOpenFromTheCommandLineADropOrTheRecentList() {
    // A .grv is an engraving file, anything else an artwork.
    Window().OpenFile(squares_path_);
    Control<QPushButton>(MainControl::kProcessButton)->click();
    Control<QPushButton>(MainControl::kValidateScaleButton)->click();
    Control<QPushButton>(MainControl::kValidateVerificationButton)->click();
    const JobFileNames proposed = JobFileNamesFor(squares_path_.toStdString());
    prompts_.QueueFileName(QString::fromStdString(proposed.engraving_file));
    Control<QPushButton>(MainControl::kSaveEngravingFileButton)->click();
    QCOMPARE(prompts_.LastStart(), QString::fromStdString(proposed.engraving_file));
    prompts_.QueueFileName(QString::fromStdString(proposed.engraving_program));
    Control<QPushButton>(MainControl::kEngravingProgramButton)->click();
    QCOMPARE(prompts_.LastStart(), QString::fromStdString(proposed.engraving_program));
    QCOMPARE(prompts_.Infos().last(), QString::fromUtf8("Programme de gravure écrit :\n") +
                                          QString::fromStdString(proposed.engraving_program));
    QVERIFY2(prompts_.Errors().isEmpty(), qPrintable(prompts_.Errors().join(u'\n')));

    window_ = std::make_unique<MainWindow>(prompts_, folder_.path());
    prompts_.ClearMessages();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(proposed.engraving_file))});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Window(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Window(), &drop);
    QVERIFY2(prompts_.Errors().isEmpty(), qPrintable(prompts_.Errors().join(u'\n')));
    QCOMPARE(Window().Work().Table.ContourCount(), 5);
    QVERIFY(!Control<QGroupBox>(MainControl::kVerificationPanel)->isHidden());

    // The recent list: most recent first, each entry opening its file.
    QMenu* recent = Control<QToolButton>(MainControl::kRecentFilesButton)->menu();
    QMetaObject::invokeMethod(recent, "aboutToShow");
    QStringList names;
    for (QAction* action : recent->actions()) names << action->text();
    QCOMPARE(names, (QStringList{QStringLiteral("squares.grv"), QStringLiteral("squares.png")}));
    recent->actions()[1]->trigger();
    QVERIFY(!Control<QGroupBox>(MainControl::kSettingsPanel)->isHidden());  // the artwork, to process

    // The artwork dialog opens in the last folder, with one entry for every picture format.
    Control<QPushButton>(MainControl::kLoadArtworkButton)->click();
    QCOMPARE(prompts_.LastStart(), folder_.path());
    const QString first_entry = prompts_.LastFilter().section(QStringLiteral(";;"), 0, 0);
    for (const char* pattern : {"*.bmp", "*.gif", "*.png", "*.jpg"})
      QVERIFY2(first_entry.contains(QString::fromLatin1(pattern)), qPrintable(first_entry));
  }
};

QTEST_MAIN(MainWindowViewsTest)
#include "main_window_views_test.moc"
