// The main window's whole job on a small board: processing (and stopping it), the scale,
// verification by number and by right click, the engraving file, both programs, the
// simulations, thickening and the artwork transformations menu.
#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <limits>
#include "core/artwork/extraction.h"
#include "core/artwork/gap_marks.h"
#include "core/artwork/view_geometry.h"
#include "core/windows/tool_dialog_controls.h"
#include "core/job/drill_sizes.h"
#include "core/job/engraving_file.h"
#include "core/job/gcode_writer.h"
#include "core/text/line_file.h"
#include "gui/adapters/scripted_prompts.h"
#include "gui/app/startup.h"
#include "gui/main/main_window.h"
#include "gui/widgets/bitmap_view.h"
#include "gui/widgets/led_lamp.h"
#include "gui/widgets/named_control.h"
#include "image/artwork_loader.h"
#include "support/gerber_board.h"

using namespace pistora;

namespace {

constexpr int kWidth = 60;
constexpr int kHeight = 40;

// Three islands, bottom to top in the order the processing meets them:
//   a track on rows 25..26, columns 8..50 (one useful contour);
//   a 7 x 7 square on rows 4..10, columns 4..10 with a 3 x 3 hole (its outer contour useful,
//   the rim of the hole a pad);
//   a single copper pixel at column 40, row 8 (a pad).
QImage SmallBoard() {
  QImage image(kWidth, kHeight, QImage::Format_RGB888);
  image.fill(Qt::white);
  const auto fill = [&image](int x0, int x1, int r0, int r1, QRgb colour) {
    for (int row = r0; row <= r1; ++row)
      for (int x = x0; x <= x1; ++x) image.setPixel(x, row, colour);
  };
  fill(8, 50, 25, 26, qRgb(0, 0, 0));
  fill(4, 10, 4, 10, qRgb(0, 0, 0));
  fill(6, 8, 6, 8, qRgb(255, 255, 255));
  fill(40, 40, 8, 8, qRgb(0, 0, 0));
  return image;
}

// Larger than the view, at 0.0254 mm per pixel: two parallel tracks 3 pixels (0.076 mm) apart
// near the bottom right, and a small square far from them.
constexpr int kToolBoardWidth = 1200;
constexpr int kToolBoardHeight = 900;
QImage ToolBoard() {
  QImage image(kToolBoardWidth, kToolBoardHeight, QImage::Format_RGB888);
  image.fill(Qt::white);
  const auto fill = [&image](int x0, int x1, int r0, int r1) {
    for (int row = r0; row <= r1; ++row)
      for (int x = x0; x <= x1; ++x) image.setPixel(x, row, qRgb(0, 0, 0));
  };
  fill(800, 1100, 700, 710);
  fill(800, 1100, 714, 724);
  fill(100, 120, 100, 120);
  return image;
}

// Single copper pixels every `spacing` pixels: one pad each, and a long run to stop.
QImage DottedBoard(int side, int spacing) {
  QImage image(side, side, QImage::Format_RGB888);
  image.fill(Qt::white);
  for (int row = spacing / 2; row < side; row += spacing)
    for (int x = spacing / 2; x < side; x += spacing) image.setPixel(x, row, qRgb(0, 0, 0));
  return image;
}

QString Save(const QImage& image, const QString& path) {
  if (!image.save(path, "BMP")) qFatal("cannot write the test picture");
  return path;
}

QByteArray Slurp(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QByteArray("<missing>");
  return file.readAll();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write a test file");
  file.write(bytes);
}

int CountPixels(const Bitmap& bitmap, Rgb colour) {
  int n = 0;
  for (int row = 0; row < bitmap.Height(); ++row)
    for (int x = 0; x < bitmap.Width(); ++x) n += bitmap.At(x, row) == colour;
  return n;
}

void RightClick(QWidget* view, QPoint position) {
  QContextMenuEvent event(QContextMenuEvent::Mouse, position, view->mapToGlobal(position));
  QApplication::sendEvent(view, &event);
}

// The entries of the artwork view's menu: 0 the pre-processing, 1 the polygonal processing.
QAction* ArtworkMenuAction(MainWindow& window, int entry) {
  return FindControl<QMenu>(window, MainControl::kArtworkMenu)->actions().at(entry);
}

// The contour whose start is (x, y), or -1.
int ContourStartingAt(const ContourTable& table, int x, int y) {
  for (int i = 0; i < table.ContourCount(); ++i) {
    if (table[i].StartX == x && table[i].StartY == y) return i;
  }
  return -1;
}

}  // namespace

class MainWindowFlowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;
  ScriptedPrompts prompts_;  // emptied before each test: a failed test may leave names queued
  std::unique_ptr<MainWindow> window_;
  QString board_path_;

  MainWindow& Window() { return *window_; }
  template <class W>
  W* Control(MainControl role) {
    return FindControl<W>(Window(), role);
  }
  QString PathOf(const QString& name) const { return folder_.filePath(name); }

  // Load, process, measure 10 pixels as 2.54 mm and validate: the verification step.
  void ReachVerification() {
    prompts_.QueueFileName(board_path_);
    Control<QPushButton>(MainControl::kLoadArtworkButton)->click();
    Control<QPushButton>(MainControl::kProcessButton)->click();
    Window().ArtworkMouseDown(QPoint(0, 0));
    Window().ArtworkMouseMove(QPoint(10, 0));
    Window().ArtworkMouseUp(QPoint(10, 0));
    Control<QPushButton>(MainControl::kValidateScaleButton)->click();
  }

  // What the core makes of the same board without the window.
  Workspace ReferenceAnalysis() {
    Workspace ws;
    if (!LoadArtwork(board_path_.toStdString(), &ws.ArtworkBitmap)) qFatal("cannot read the board");
    ws.EngravingBitmap = Bitmap(ws.ArtworkBitmap.Width(), ws.ArtworkBitmap.Height(), kWhite);
    NullHost host;
    ExtractContours(ws, host, ExtractionSettings{});
    ws.PixelSizeMm = 0.254;
    return ws;
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);  // the tool settings are kept in the user's settings
    ApplyUiFont();
    QLocale::setDefault(QLocale::c());
    board_path_ = Save(SmallBoard(), PathOf(QStringLiteral("board.bmp")));
  }

  void init() {
    while (!prompts_.OpenFileName(QString(), QString()).isEmpty()) {
    }
    window_ = std::make_unique<MainWindow>(prompts_, folder_.path());
    prompts_.ClearMessages();  // no param.txt in the folder: the defaults stay
  }

  void cleanup() {
    window_.reset();
    SetWriteFaultPlanForTesting(WriteFaultPlan{});
  }

  // A Gerber layer with its drill file: no measuring, the verification step comes right after
  // the processing, with the drill file's holes (exact diameters) as the only pads.
  void GerberLayerWithDrillFileSkipsTheMeasuring() {
    if (QStandardPaths::findExecutable(QStringLiteral("gerbv")).isEmpty()) QSKIP("gerbv absent (paquet Debian gerbv)");
    Write(PathOf(QStringLiteral("carte.gbr")), testing_board::kCopperLayer);
    Write(PathOf(QStringLiteral("carte.drl")), testing_board::kDrillFile);
    prompts_.QueueFileName(PathOf(QStringLiteral("carte.drl")));
    Control<QPushButton>(MainControl::kGerberDrillFileButton)->click();
    prompts_.QueueFileName(PathOf(QStringLiteral("carte.gbr")));
    Control<QPushButton>(MainControl::kLoadArtworkButton)->click();
    QVERIFY2(prompts_.Errors().isEmpty(), qPrintable(prompts_.Errors().join(QLatin1Char('\n'))));
    Control<QPushButton>(MainControl::kProcessButton)->click();
    QVERIFY(!Control<QGroupBox>(MainControl::kVerificationPanel)->isHidden());
    QCOMPARE(Window().Work().PixelSizeMm, 25.4 / 1200);
    QCOMPARE(Control<QLabel>(MainControl::kDrillCount)->text(), QStringLiteral("4"));
    std::vector<double> diameters;
    for (const Contour& c : Window().Work().Table.items) {
      if (c.IsPad) diameters.push_back(PadHoleDiameterMm(c, Window().Work().PixelSizeMm));
    }
    QCOMPARE(diameters, (std::vector<double>{0.8001, 0.8001, 0.8001, 1.00076}));
  }

  void ProcessingFillsTheTableAndOpensTheScaleStep() {
    prompts_.QueueFileName(board_path_);
    Control<QPushButton>(MainControl::kLoadArtworkButton)->click();
    Control<QPushButton>(MainControl::kProcessButton)->click();

    const Workspace reference = ReferenceAnalysis();
    QCOMPARE(Window().Work().Table, reference.Table);
    QCOMPARE(Window().Work().Table.ContourCount(), 4);
    QCOMPARE(Control<QSpinBox>(MainControl::kContourNumber)->maximum(), 3);
    QCOMPARE(Control<QSpinBox>(MainControl::kContourNumber)->value(), 0);
    QCOMPARE(Control<QLabel>(MainControl::kUsefulTrackCount)->text(), QStringLiteral("2"));
    QCOMPARE(Control<QLabel>(MainControl::kDrillCount)->text(), QStringLiteral("2"));
    QCOMPARE(Control<QProgressBar>(MainControl::kProgressGauge)->value(), kHeight);
    // Each stored trace is a line of the hidden list.
    QCOMPARE(Control<QPlainTextEdit>(MainControl::kContourLog)->toPlainText().split(QLatin1Char('\n')).size(), 4);
    QVERIFY(Control<QPlainTextEdit>(MainControl::kContourLog)
                ->toPlainText()
                .startsWith(QString::fromStdString(reference.Table[0].PathText)));

    QVERIFY(Window().InScaleMode());
    QVERIFY(!Control<QGroupBox>(MainControl::kScalePanel)->isHidden());
    QVERIFY(Control<QGroupBox>(MainControl::kSettingsPanel)->isHidden());
    QVERIFY(!Control<QPushButton>(MainControl::kProcessButton)->isEnabled());
    QVERIFY(!Control<QPushButton>(MainControl::kStopButton)->isEnabled());
    QVERIFY(Control<QPushButton>(MainControl::kLoadArtworkButton)->isEnabled());
    QVERIFY(Control<LedLamp>(MainControl::kValidateScaleLamp)->Active());
    QVERIFY(!Window().Busy());
  }

  void StopDuringProcessingEndsTheRunAndStillOpensTheScaleStep() {
    constexpr int kSide = 400;
    constexpr int kDots = 20 * 20;
    prompts_.QueueFileName(Save(DottedBoard(kSide, 20), PathOf(QStringLiteral("dots.bmp"))));
    Control<QPushButton>(MainControl::kLoadArtworkButton)->click();

    long pumps = 0;
    bool checked_controls = false;
    Window().UiHost().PumpEvents();  // the first pump always runs the event loop; start afresh
    const long runs_before = Window().UiHost().EventLoopRuns();
    Window().UiHost().SetPumpHook([&] {
      if (++pumps != 300) return;
      // Inside the run: stop enabled, nothing that could start a second run.
      checked_controls = Window().Busy() && Control<QPushButton>(MainControl::kStopButton)->isEnabled() &&
                         !Control<QPushButton>(MainControl::kLoadArtworkButton)->isEnabled() &&
                         !Control<QPushButton>(MainControl::kLoadEngravingFileButton)->isEnabled() &&
                         !Control<QPushButton>(MainControl::kProcessButton)->isEnabled();
      prompts_.QueueFileName(board_path_);
      Window().LoadEngravingFile();  // refused while the run goes on: the queued name stays unread
      // Pressed through the event loop, as a user would.
      QTimer::singleShot(0, Control<QPushButton>(MainControl::kStopButton), &QAbstractButton::click);
    });
    Control<QPushButton>(MainControl::kProcessButton)->click();
    Window().UiHost().SetPumpHook({});

    QVERIFY(checked_controls);
    QVERIFY(pumps > 300);
    const int stored = Window().Work().Table.ContourCount();
    QVERIFY2(stored < kDots / 2, qPrintable(QString::number(stored)));
    QCOMPARE(Control<QSpinBox>(MainControl::kContourNumber)->maximum(), std::max(0, stored - 1));
    // The event loop ran far less often than the run asked for it.
    const long runs = Window().UiHost().EventLoopRuns() - runs_before;
    QVERIFY2(runs * 20 < pumps, qPrintable(QStringLiteral("%1 runs for %2 pumps").arg(runs).arg(pumps)));

    QVERIFY(Window().InScaleMode());
    // The scale step opens, but the user is told the contours are only part of the board.
    QCOMPARE(prompts_.Infos().size(), 1);
    QVERIFY(prompts_.Infos()[0].contains(QStringLiteral("partiel")));
    QVERIFY(prompts_.Infos()[0].contains(QString::number(stored)));
    QVERIFY(!Control<QGroupBox>(MainControl::kScalePanel)->isHidden());
    QVERIFY(!Control<QPushButton>(MainControl::kStopButton)->isEnabled());
    QCOMPARE(Control<QProgressBar>(MainControl::kProgressGauge)->value(), kSide);
    QVERIFY(Control<QPushButton>(MainControl::kLoadArtworkButton)->isEnabled());
    // The refused load asked for no file: the name queued during the run is still there.
    QCOMPARE(prompts_.OpenFileName(QString(), QString()), board_path_);
    QCOMPARE(Window().Work().ArtworkBitmap.Width(), kSide);
  }

  void VerifySelectFlagAndGenerateBothPrograms() {
    ReachVerification();
    QVERIFY(!Control<QGroupBox>(MainControl::kVerificationPanel)->isHidden());
    QCOMPARE(Window().Work().PixelSizeMm, 0.254);
    const ContourTable& table = Window().Work().Table;
    const int track = 0;  // the lowest island is met first
    const int dot = ContourStartingAt(table, 39, kHeight - 9);  // below-left of the pixel
    QVERIFY(dot >= 0);
    QVERIFY(table[dot].IsPad);
    QVERIFY(!table[track].IsPad && !table[track].IsUseless);

    // Right click on a black pixel of the track.
    const QPoint on_track(table[track].StartX, kHeight - table[track].StartY);
    QCOMPARE(Window().Work().EngravingBitmap.At(on_track.x(), on_track.y()), kBlack);
    RightClick(Control<BitmapView>(MainControl::kEngravingView), on_track);
    QCOMPARE(Control<QSpinBox>(MainControl::kContourNumber)->value(), track);
    QCOMPARE(Window().Work().EngravingBitmap.At(on_track.x(), on_track.y()), kBlue);
    QVERIFY(!Control<QCheckBox>(MainControl::kPadCheck)->isChecked());
    Control<QCheckBox>(MainControl::kUselessCheck)->click();  // "Inutile"
    QVERIFY(table[track].IsUseless);

    // A white pixel beside the drill mark of the dot selects it through its neighbours.
    const QPoint beside_dot(40 + 3, 8);
    QCOMPARE(Window().Work().EngravingBitmap.At(beside_dot.x(), beside_dot.y()), kWhite);
    RightClick(Control<BitmapView>(MainControl::kEngravingView), beside_dot);
    QCOMPARE(Control<QSpinBox>(MainControl::kContourNumber)->value(), dot);
    QVERIFY(Control<QCheckBox>(MainControl::kPadCheck)->isChecked());
    QCOMPARE(Control<QLabel>(MainControl::kUsefulTrackCount)->text(), QStringLiteral("1"));  // the track is useless now
    QCOMPARE(Control<QLabel>(MainControl::kDrillCount)->text(), QStringLiteral("2"));
    QCOMPARE(Window().Work().EngravingBitmap.At(40, 8), kBlue);   // the pad's mark, selected
    QCOMPARE(Window().Work().EngravingBitmap.At(on_track.x(), on_track.y()), kYellow);

    Control<QCheckBox>(MainControl::kUselessCheck)->click();  // refused for a pad
    QVERIFY(!Control<QCheckBox>(MainControl::kUselessCheck)->isChecked());
    QVERIFY(!table[dot].IsUseless);
    Control<QCheckBox>(MainControl::kPadCheck)->click();  // no longer a pad: engraved as a path
    QVERIFY(!table[dot].IsPad);

    // A white pixel with nothing around selects nothing.
    RightClick(Control<BitmapView>(MainControl::kEngravingView), QPoint(55, 35));
    QCOMPARE(Control<QSpinBox>(MainControl::kContourNumber)->value(), dot);

    Control<QLineEdit>(MainControl::kEngravingDepth)->setText(QStringLiteral("0.3"));
    Control<QCheckBox>(MainControl::kSpindleControl)
        ->setChecked(false);  // disabled until generation; set before to prove it is read
    Control<QPushButton>(MainControl::kValidateVerificationButton)->click();
    QVERIFY(Control<QGroupBox>(MainControl::kVerificationPanel)->isHidden());
    QVERIFY(!Control<QGroupBox>(MainControl::kGenerationPanel)->isHidden());
    QVERIFY(Control<LedLamp>(MainControl::kGenerationLamp)->Active());
    for (QWidget* w : std::initializer_list<QWidget*>{Control<QPushButton>(MainControl::kEngravingProgramButton),
                                                      Control<QPushButton>(MainControl::kDrillingProgramButton),
                                                      Control<QPushButton>(MainControl::kSimulateEngravingButton),
                                                      Control<QPushButton>(MainControl::kSimulateDrillingButton),
                                                      Control<QPushButton>(MainControl::kSaveEngravingFileButton),
                                                      Control<QCheckBox>(MainControl::kSpindleControl),
                                                      Control<QSpinBox>(MainControl::kEngravingSimulationSpeed)}) {
      QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    }
    QVERIFY(!Control<QSpinBox>(MainControl::kContourNumber)->isEnabled());

    prompts_.QueueFileName(PathOf(QStringLiteral("engraving")));
    Control<QPushButton>(MainControl::kEngravingProgramButton)->click();
    QCOMPARE(prompts_.LastFilter(), QStringLiteral("Fichier g-code (*.iso)"));
    prompts_.QueueFileName(PathOf(QStringLiteral("drilling.iso")));
    Control<QPushButton>(MainControl::kDrillingProgramButton)->click();
    QVERIFY(prompts_.Errors().isEmpty());
    QVERIFY(Control<QPlainTextEdit>(MainControl::kContourLog)->toPlainText().contains(QStringLiteral("Le vertex n°")));

    // The same job through the core alone.
    Workspace reference = ReferenceAnalysis();
    reference.Table[track].IsUseless = true;
    reference.Table[dot].IsPad = false;
    JobParameters parameters;
    parameters.EngravingDepth = "0.3";
    parameters.SpindleControl = false;
    NullHost host;
    const std::string ref_engraving = PathOf(QStringLiteral("ref_engraving")).toStdString();
    const std::string ref_drilling = PathOf(QStringLiteral("ref_drilling")).toStdString();
    QVERIFY(GenerateEngravingProgram(reference, host, parameters, ref_engraving));
    QVERIFY(GenerateDrillingProgram(reference, host, parameters, ref_drilling));
    const QByteArray engraving = Slurp(PathOf(QStringLiteral("engraving.iso")));
    QCOMPARE(engraving, Slurp(PathOf(QStringLiteral("ref_engraving.iso"))));
    QCOMPARE(Slurp(PathOf(QStringLiteral("drilling.iso"))), Slurp(PathOf(QStringLiteral("ref_drilling.iso"))));
    QVERIFY(engraving.contains("G00 Z-0.3\r\n"));
    QVERIFY(!engraving.contains("M03"));
    QVERIFY(engraving.endsWith("M30  (Fin programme gravure)\r\n"));
    QVERIFY(!Window().Busy());
    QVERIFY(!Control<QPushButton>(MainControl::kStopButton)->isEnabled());
  }

  void SlipsAreCaughtBeforeTheyCostAFileOrABoard() {
    ReachVerification();
    ContourTable& table = Window().Work().Table;
    // "Pastille" on a useless contour makes it a pad and no longer useless, box included.
    Control<QSpinBox>(MainControl::kContourNumber)->setValue(0);
    Control<QCheckBox>(MainControl::kUselessCheck)->click();
    QVERIFY(table[0].IsUseless);
    Control<QCheckBox>(MainControl::kPadCheck)->click();
    QVERIFY(table[0].IsPad && !table[0].IsUseless);
    QVERIFY(!Control<QCheckBox>(MainControl::kUselessCheck)->isChecked());
    Control<QPushButton>(MainControl::kValidateVerificationButton)->click();

    // A name typed without its extension that completes to an existing file: asked first,
    // whichever file the button writes; "no" keeps the file, "yes" replaces it.
    struct Row {
      MainControl button;
      const char* existing;
    };
    for (const Row& r : {Row{MainControl::kEngravingProgramButton, "kept.iso"},
                         Row{MainControl::kDrillingProgramButton, "kept.iso"},
                         Row{MainControl::kSaveEngravingFileButton, "kept.grv"}}) {
      const QString existing = PathOf(QString::fromLatin1(r.existing));
      Write(existing, "older\r\n");
      for (bool yes : {false, true}) {
        prompts_.ClearMessages();
        const qsizetype asked = prompts_.Questions().size();
        prompts_.QueueAnswer(yes);
        prompts_.QueueFileName(PathOf(QStringLiteral("kept")));
        Control<QPushButton>(r.button)->click();
        QCOMPARE(prompts_.Questions().size(), asked + 1);
        QVERIFY(prompts_.Questions().back().contains(existing));
        QVERIFY2((Slurp(existing) == "older\r\n") == !yes, qPrintable(existing));
        QVERIFY(prompts_.Errors().isEmpty());
      }
    }
    // Typed in full, the file dialog itself asked: no second question.
    const qsizetype asked = prompts_.Questions().size();
    prompts_.QueueFileName(PathOf(QStringLiteral("kept.iso")));
    Control<QPushButton>(MainControl::kEngravingProgramButton)->click();
    QCOMPARE(prompts_.Questions().size(), asked);

    // No scale, no program: refused before any file is asked for.
    for (double size : {0.0, -0.1, std::numeric_limits<double>::infinity()}) {
      Window().Work().PixelSizeMm = size;
      prompts_.ClearMessages();
      prompts_.QueueFileName(PathOf(QStringLiteral("unscaled.iso")));
      Control<QPushButton>(MainControl::kEngravingProgramButton)->click();
      QCOMPARE(prompts_.Errors().size(), 1);
      QVERIFY(!QFile::exists(PathOf(QStringLiteral("unscaled.iso"))));
      QCOMPARE(prompts_.OpenFileName(QString(), QString()), PathOf(QStringLiteral("unscaled.iso")));
    }
  }

  void StopEndsTheProgramLoopWithTheTrailerWritten() {
    ReachVerification();
    Control<QPushButton>(MainControl::kValidateVerificationButton)->click();
    prompts_.QueueFileName(PathOf(QStringLiteral("full.iso")));
    Control<QPushButton>(MainControl::kEngravingProgramButton)->click();

    long pumps = 0;
    Window().UiHost().SetPumpHook([&] {
      if (++pumps == 2) Control<QPushButton>(MainControl::kStopButton)->click();
    });
    prompts_.QueueFileName(PathOf(QStringLiteral("stopped.iso")));
    Control<QPushButton>(MainControl::kEngravingProgramButton)->click();
    Window().UiHost().SetPumpHook({});

    const QByteArray full = Slurp(PathOf(QStringLiteral("full.iso")));
    const QByteArray stopped = Slurp(PathOf(QStringLiteral("stopped.iso")));
    QVERIFY(prompts_.Errors().isEmpty());
    QVERIFY(stopped.count("G00 Z-0.25") < full.count("G00 Z-0.25"));
    QVERIFY(stopped.endsWith("G00 Z1.5\r\nG00 X0.000 Y0.000\r\nM05\r\nM30  (Fin programme gravure)\r\n"));
    QVERIFY(stopped.startsWith("(debut programme gravure)\r\n%\r\nF350\r\nM03\r\n"));
  }

  void FailedProgramWriteKeepsTheOlderProgram() {
    ReachVerification();
    Control<QPushButton>(MainControl::kValidateVerificationButton)->click();
    Write(PathOf(QStringLiteral("old.iso")), "older program\r\n");
    SetWriteFaultPlanForTesting(WriteFaultPlan{30, false});
    prompts_.QueueFileName(PathOf(QStringLiteral("old.iso")));
    Control<QPushButton>(MainControl::kDrillingProgramButton)->click();
    QCOMPARE(prompts_.Errors().size(), 1);
    QCOMPARE(Slurp(PathOf(QStringLiteral("old.iso"))), QByteArray("older program\r\n"));
    QVERIFY(!Window().Busy());

    // A cancelled dialog writes nothing and reports nothing.
    Control<QPushButton>(MainControl::kDrillingProgramButton)->click();
    QCOMPARE(prompts_.Errors().size(), 1);
  }

  void EngravingFileRoundTripOpensVerification() {
    ReachVerification();
    ContourTable& table = Window().Work().Table;
    table[1].IsUseless = true;
    table[2].JobOrder = 7;
    Control<QPushButton>(MainControl::kValidateVerificationButton)->click();
    prompts_.QueueFileName(PathOf(QStringLiteral("job")));
    Control<QPushButton>(MainControl::kSaveEngravingFileButton)->click();
    QVERIFY(prompts_.Errors().isEmpty());
    QCOMPARE(prompts_.LastFilter(), QStringLiteral("Fichier gravure (*.grv)"));
    QCOMPARE(Window().windowTitle(), QStringLiteral("Pistora (") + PathOf(QStringLiteral("job.grv")) + QLatin1Char(')'));
    const ContourTable saved = table;

    MainWindow other(prompts_, folder_.path());
    prompts_.ClearMessages();
    prompts_.QueueFileName(PathOf(QStringLiteral("job")));  // completed to job.grv
    FindControl<QPushButton>(other, MainControl::kLoadEngravingFileButton)->click();
    QVERIFY(prompts_.Errors().isEmpty());
    QCOMPARE(other.Work().Table, saved);
    QCOMPARE(other.Work().PixelSizeMm, 0.254);
    QCOMPARE(FindControl<QLineEdit>(other, MainControl::kPixelSize)->text(), QStringLiteral("0.25400"));
    QCOMPARE(other.Work().EngravingBitmap.Width(), kWidth);
    QCOMPARE(other.Work().EngravingBitmap.Height(), kHeight);
    // Verification step, with the loaded table's range and counters.
    QVERIFY(!FindControl<QGroupBox>(other, MainControl::kEngravingGroup)->isHidden());
    QVERIFY(!FindControl<QGroupBox>(other, MainControl::kVerificationPanel)->isHidden());
    QVERIFY(FindControl<QGroupBox>(other, MainControl::kArtworkGroup)->isHidden());
    QVERIFY(FindControl<QGroupBox>(other, MainControl::kSettingsPanel)->isHidden());
    QVERIFY(FindControl<QSpinBox>(other, MainControl::kContourNumber)->isEnabled());
    QCOMPARE(FindControl<QSpinBox>(other, MainControl::kContourNumber)->maximum(), 3);
    QCOMPARE(FindControl<QLabel>(other, MainControl::kUsefulTrackCount)->text(), QStringLiteral("1"));
    QCOMPARE(FindControl<QLabel>(other, MainControl::kDrillCount)->text(), QStringLiteral("2"));
    QVERIFY(!FindControl<QPushButton>(other, MainControl::kProcessButton)->isEnabled());
    QVERIFY(!FindControl<QPushButton>(other, MainControl::kEngravingProgramButton)->isEnabled());
    QVERIFY(FindControl<LedLamp>(other, MainControl::kValidateVerificationLamp)->Active());
    QVERIFY(!FindControl<LedLamp>(other, MainControl::kLoadEngravingFileLamp)->Active());
    // The verification picture: the useless contour yellow, pads green.
    QVERIFY(CountPixels(other.Work().EngravingBitmap, kYellow) > 0);
    QVERIFY(CountPixels(other.Work().EngravingBitmap, kGreen) > 0);
    QVERIFY(CountPixels(other.Work().EngravingBitmap, kBlack) > 0);
    // The artwork is not in the file: nothing to transform.
    QVERIFY(!ArtworkMenuAction(other, 1)->isEnabled());
  }

  void FailedEngravingFileSaveOrLoadLosesNothing() {
    ReachVerification();
    Control<QPushButton>(MainControl::kValidateVerificationButton)->click();
    Write(PathOf(QStringLiteral("keep.grv")), "previous contents");
    SetWriteFaultPlanForTesting(WriteFaultPlan{40, false});
    prompts_.QueueFileName(PathOf(QStringLiteral("keep.grv")));
    Control<QPushButton>(MainControl::kSaveEngravingFileButton)->click();
    QCOMPARE(prompts_.Errors().size(), 1);
    QCOMPARE(Slurp(PathOf(QStringLiteral("keep.grv"))), QByteArray("previous contents"));
    SetWriteFaultPlanForTesting(WriteFaultPlan{});

    // A file that does not parse leaves the window in its step with its table.
    const ContourTable before = Window().Work().Table;
    const QString title = Window().windowTitle();
    prompts_.QueueFileName(PathOf(QStringLiteral("keep.grv")));
    Control<QPushButton>(MainControl::kLoadEngravingFileButton)->click();
    QCOMPARE(prompts_.Errors().size(), 2);
    QCOMPARE(Window().Work().Table, before);
    QCOMPARE(Window().windowTitle(), title);
    QVERIFY(!Control<QGroupBox>(MainControl::kGenerationPanel)->isHidden());
    QVERIFY(Control<QPushButton>(MainControl::kEngravingProgramButton)->isEnabled());
  }

  void EmptyEngravingFileLeavesNothingToSelect() {
    // Head (pixel size, height, width, 0 contours) and the one record of the empty slot.
    QByteArray bytes = " 1.00000000000000E-0001\r\n20\r\n30\r\n0\r\n\r\n";
    for (const char* line : {"0", "0", "0", "0", "0", "FALSE", "FALSE", "0", "0", "0", "0", "0", "0", "0", "FALSE"}) {
      bytes += QByteArray(line) + "\r\n";
    }
    Write(PathOf(QStringLiteral("empty.grv")), bytes);
    prompts_.QueueFileName(PathOf(QStringLiteral("empty.grv")));
    Control<QPushButton>(MainControl::kLoadEngravingFileButton)->click();
    QVERIFY(prompts_.Errors().isEmpty());
    QCOMPARE(Window().Work().Table.ContourCount(), 0);
    QCOMPARE(Window().Work().EngravingBitmap, Bitmap(30, 20, kWhite));
    QVERIFY(!Control<QGroupBox>(MainControl::kVerificationPanel)->isHidden());
    for (QWidget* w : std::initializer_list<QWidget*>{Control<QSpinBox>(MainControl::kContourNumber),
                                                      Control<QCheckBox>(MainControl::kPadCheck),
                                                      Control<QCheckBox>(MainControl::kUselessCheck)}) {
      QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    }
    QVERIFY(Control<QPushButton>(MainControl::kValidateVerificationButton)->isEnabled());
    QCOMPARE(Control<QLabel>(MainControl::kUsefulTrackCount)->text(), QStringLiteral("0"));
    QCOMPARE(Control<QLineEdit>(MainControl::kPixelSize)->text(), QStringLiteral("0.10000"));
    // Nothing to find under a click.
    RightClick(Control<BitmapView>(MainControl::kEngravingView), QPoint(3, 3));
    QCOMPARE(Control<QSpinBox>(MainControl::kContourNumber)->value(), 0);
  }

  void BrowseButtonsMoveTheSelection() {
    ReachVerification();
    // Table: 0 track, 1 square outline, 2 rim of its hole (pad), 3 dot (pad).
    const ContourTable& table = Window().Work().Table;
    QVERIFY(table[2].IsPad && table[3].IsPad && !table[1].IsPad);
    struct Step {
      QPushButton* button;
      int expected;
    } steps[] = {
        {Control<QPushButton>(MainControl::kNextPadButton), 2},              // next pad
        {Control<QPushButton>(MainControl::kNextPadButton), 3},              // next pad
        {Control<QPushButton>(MainControl::kNextPadButton), 3},              // none after: stays on the last contour
        {Control<QPushButton>(MainControl::kPreviousUsefulTrackButton), 1},  // previous useful track
        {Control<QPushButton>(MainControl::kPreviousUsefulTrackButton), 0},  // previous useful track
        {Control<QPushButton>(MainControl::kNextUselessButton), 3},          // next useless: none, so the last contour
        {Control<QPushButton>(MainControl::kPreviousUselessButton), 0},      // previous useless: none, so 0
        {Control<QPushButton>(MainControl::kNextUsefulTrackButton), 1},      // next useful
        {Control<QPushButton>(MainControl::kPreviousPadButton), 0},          // previous pad: none before, so 0
    };
    for (const Step& s : steps) {
      s.button->click();
      QVERIFY2(Control<QSpinBox>(MainControl::kContourNumber)->value() == s.expected,
               qPrintable(s.button->objectName()));
    }
    // Exactly one contour is blue after any number of selections: the track, 0.
    const Bitmap& view = Window().Work().EngravingBitmap;
    QCOMPARE(view.At(table[0].StartX, kHeight - table[0].StartY), kBlue);
    QCOMPARE(view.At(table[1].StartX, kHeight - table[1].StartY), kBlack);
    QVERIFY(CountPixels(view, kGreen) > 0);

    // The redraw takes the selection off.
    Control<QPushButton>(MainControl::kRedrawVerificationButton)->click();
    QCOMPARE(CountPixels(Window().Work().EngravingBitmap, kBlue), 0);
  }

  void ThickeningTwiceKeepsDrillPointsAndPlungesOnTheNewStart() {
    ReachVerification();
    ContourTable& table = Window().Work().Table;
    table[3].IsUseless = true;
    const ContourTable before = table;
    Control<QPushButton>(MainControl::kThickenTracksButton)->click();
    Control<QPushButton>(MainControl::kThickenTracksButton)->click();
    for (int i : {2, 3}) {
      QCOMPARE(table[i].CenterX, before[i].CenterX);
      QCOMPARE(table[i].CenterY, before[i].CenterY);
    }
    for (int i : {0, 1}) {
      const QString path = QString::fromStdString(table[i].PathText);
      QVERIFY(path.contains(QStringLiteral("CLOSED Points : ")));
      QVERIFY(path.startsWith(QStringLiteral("(%1;%2)").arg(table[i].StartX).arg(table[i].StartY)));
    }
    QVERIFY(!Window().Busy());
    QVERIFY(!Control<QPushButton>(MainControl::kStopButton)->isEnabled());
    QVERIFY(Control<QSpinBox>(MainControl::kContourNumber)->isEnabled());  // back in the verification step

    // "Crénelage" is reachable and logs each useful contour.
    QVERIFY(!Control<QPushButton>(MainControl::kSmoothJaggiesButton)->isHidden());
    Control<QPushButton>(MainControl::kSmoothJaggiesButton)->click();
    QVERIFY(Control<QPlainTextEdit>(MainControl::kRunLog)->toPlainText().contains(QStringLiteral("*** Ligne 0 ****")));
    QVERIFY(Control<QPlainTextEdit>(MainControl::kRunLog)->toPlainText().contains(QStringLiteral("*** Ligne 1 ****")));
  }

  void ToolWidthRebuildsPathsListsTheNarrowGapAndChecksThePrograms() {
    prompts_.QueueFileName(Save(ToolBoard(), PathOf(QStringLiteral("tool.bmp"))));
    Control<QPushButton>(MainControl::kLoadArtworkButton)->click();
    Control<QPushButton>(MainControl::kProcessButton)->click();
    Window().ArtworkMouseDown(QPoint(0, 0));  // 100 pixels for 2.54 mm
    Window().ArtworkMouseMove(QPoint(100, 0));
    Window().ArtworkMouseUp(QPoint(100, 0));
    Control<QPushButton>(MainControl::kValidateScaleButton)->click();
    QCOMPARE(Window().Work().PixelSizeMm, 0.0254);
    const ContourTable& table = Window().Work().Table;
    int square = -1;  // the only contour on the left half
    for (int i = 0; i < table.ContourCount(); ++i) {
      if (table[i].StartX < kToolBoardWidth / 2) square = i;
    }
    QVERIFY(square >= 0);
    Control<QSpinBox>(MainControl::kContourNumber)->setValue(square);
    Control<QCheckBox>(MainControl::kUselessCheck)->click();  // a flag the rebuild must keep
    const Contour square_before = table[square];
    std::vector<std::string> paths_before;
    for (const Contour& c : table.items) paths_before.push_back(c.PathText);

    // Pressed twice: the second press redoes the first, it does not pile up on it.
    Control<QDoubleSpinBox>(MainControl::kToolWidth)->setValue(0.2);
    for (int press = 0; press < 2; ++press) Control<QPushButton>(MainControl::kRebuildForToolButton)->click();
    QVERIFY(prompts_.Errors().isEmpty());
    QCOMPARE(static_cast<std::size_t>(table.ContourCount()), paths_before.size());
    QVERIFY(table[square].IsUseless);
    QCOMPARE(table[square].PathText, square_before.PathText);
    int rebuilt = 0;
    for (int i = 0; i < table.ContourCount(); ++i) rebuilt += table[i].PathText != paths_before[static_cast<std::size_t>(i)];
    QCOMPARE(rebuilt, 2);  // the two tracks

    // One warning, for the pair of tracks; choosing it centres the engraving view on the gap,
    // which is marked.
    QWidget* dialog = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == QStringLiteral("ToolDialog")) dialog = w;
    }
    QVERIFY(dialog && dialog->isVisible());
    auto* list = FindControl<QListWidget>(*dialog, ToolDialogControl::kWarningsList);
    QCOMPARE(list->count(), 1);
    const QRegularExpressionMatch place =
        QRegularExpression(QStringLiteral("de 0\\.(\\d+) mm < outil 0\\.200 mm en X=([\\d.]+) Y=([\\d.]+)$"))
            .match(list->item(0)->text());
    QVERIFY2(place.hasMatch(), qPrintable(list->item(0)->text()));
    const int x = qRound(place.captured(2).toDouble() / 0.0254);
    const int row = kToolBoardHeight - qRound(place.captured(3).toDouble() / 0.0254);
    QVERIFY2(x >= 800 && x <= 1100 && row >= 711 && row <= 713, qPrintable(list->item(0)->text()));
    list->setCurrentRow(0);
    const int h = Control<QScrollBar>(MainControl::kEngravingHorizontalScroll)->value();
    const int v = Control<QScrollBar>(MainControl::kEngravingVerticalScroll)->value();
    QVERIFY(h > 0 && v > 0);
    QVERIFY(x - h > kViewWidth / 4 && x - h < 3 * kViewWidth / 4);
    QVERIFY(row - v > kViewHeight / 4 && row - v < kViewHeight);  // the bottom rows stop the scroll
    QCOMPARE(Window().Work().EngravingBitmap.At(x + kGapMarkHalfSide, row), kRed);

    // The passes have a box on each window; each follows the other.
    auto* passes_here = Control<QSpinBox>(MainControl::kToolPasses);
    auto* passes_there = FindControl<QSpinBox>(*dialog, ToolDialogControl::kPasses);
    passes_here->setValue(3);
    QCOMPARE(passes_there->value(), 3);
    passes_there->setValue(2);
    QCOMPARE(passes_here->value(), 2);
    passes_there->setValue(1);

    // Holes by size, redone when the scale is validated again, unflag a track flagged as a pad
    // by the point count, but not one the user flagged by hand.
    int track = -1;
    for (int i = 0; i < table.ContourCount(); ++i) {
      if (table[i].PathText != paths_before[static_cast<std::size_t>(i)]) track = i;
    }
    Control<QSpinBox>(MainControl::kContourNumber)->setValue(track);
    Control<QCheckBox>(MainControl::kPadCheck)->click();
    QVERIFY(table[track].IsPad);
    auto* by_size = FindControl<QCheckBox>(*dialog, ToolDialogControl::kHolesBySize);
    by_size->setChecked(true);
    Window().ValidateScale();
    QVERIFY(table[track].IsPad);
    QVERIFY(table[square].IsUseless);
    by_size->setChecked(false);
    Control<QSpinBox>(MainControl::kContourNumber)->setValue(track);
    Control<QCheckBox>(MainControl::kPadCheck)->click();
    QVERIFY(!table[track].IsPad);

    // The engraving program, checked for the tool.
    Control<QPushButton>(MainControl::kValidateVerificationButton)->click();
    prompts_.QueueFileName(PathOf(QStringLiteral("tool-engraving")));
    Control<QPushButton>(MainControl::kEngravingProgramButton)->click();
    QVERIFY2(prompts_.Errors().isEmpty(), qPrintable(prompts_.Errors().join(u'\n')));
    QVERIFY(!prompts_.Infos().isEmpty());
    QVERIFY2(prompts_.Infos().last().startsWith(QStringLiteral("check: islands=3 not-isolated=0 copper-cut=")),
             qPrintable(prompts_.Infos().last()));
    QCOMPARE(FindControl<QLabel>(*dialog, ToolDialogControl::kCheckLine)->text(), prompts_.Infos().last());

    dialog->hide();
  }

  void SimulationsDrawTheJobAndPauseAfterEachHole() {
    ReachVerification();
    Control<QPushButton>(MainControl::kValidateVerificationButton)->click();
    std::vector<int> pauses;
    Window().SetBusyDelay([&pauses](int units) { pauses.push_back(units); });
    Control<QSpinBox>(MainControl::kDrillingSimulationPause)->setValue(150);
    Control<QPushButton>(MainControl::kSimulateDrillingButton)->click();
    QCOMPARE(pauses, (std::vector<int>{150, 150}));
    QVERIFY(CountPixels(Window().Work().EngravingBitmap, kGreen) > 0);
    QVERIFY(CountPixels(Window().Work().EngravingBitmap, kBlack) > 0);  // the tracks, shown under the holes

    Control<QPushButton>(MainControl::kSimulateEngravingButton)->click();
    const int red = CountPixels(Window().Work().EngravingBitmap, kRed);
    QVERIFY(red > 0);
    QVERIFY(CountPixels(Window().Work().EngravingBitmap, kBlue) > 0);
    QVERIFY(!Control<QPushButton>(MainControl::kStopButton)->isEnabled());

    // Stopped at once: no contour drawn.
    Window().UiHost().SetPumpHook([&] { Control<QPushButton>(MainControl::kStopButton)->click(); });
    Control<QPushButton>(MainControl::kSimulateEngravingButton)->click();
    Window().UiHost().SetPumpHook({});
    QCOMPARE(CountPixels(Window().Work().EngravingBitmap, kRed), 0);
    QVERIFY(!Control<QPushButton>(MainControl::kStopButton)->isEnabled());
  }

  void ArtworkMenuOffersTheTransformationsOnceAnArtworkIsLoaded() {
    QVERIFY(!ArtworkMenuAction(Window(), 0)->isEnabled());
    QVERIFY(!ArtworkMenuAction(Window(), 1)->isEnabled());
    QCOMPARE(ArtworkMenuAction(Window(), 0)->text(), Control<QPushButton>(MainControl::kPreprocessButton)->text());
    QCOMPARE(ArtworkMenuAction(Window(), 1)->text(), Control<QPushButton>(MainControl::kPolygonalButton)->text());

    prompts_.QueueFileName(board_path_);
    Control<QPushButton>(MainControl::kLoadArtworkButton)->click();
    RightClick(Control<BitmapView>(MainControl::kArtworkView), QPoint(5, 5));
    QVERIFY(Control<QMenu>(MainControl::kArtworkMenu)->isVisible());
    Control<QMenu>(MainControl::kArtworkMenu)->hide();
    QVERIFY(ArtworkMenuAction(Window(), 0)->isEnabled());
    QVERIFY(ArtworkMenuAction(Window(), 1)->isEnabled());

    // Column 6 has copper on rows 4..5 and 9..10 around the hole: its middle, row 7, turns green.
    ArtworkMenuAction(Window(), 1)->trigger();
    QCOMPARE(Window().Work().ArtworkBitmap.At(6, 7), kGreen);
    QVERIFY(!Window().Busy());

    // The pre-processing leaves only black and white inside the frame.
    ArtworkMenuAction(Window(), 0)->trigger();
    const Bitmap& art = Window().Work().ArtworkBitmap;
    for (int row = 1; row < art.Height() - 1; ++row)
      for (int x = 1; x < art.Width() - 1; ++x) QVERIFY(art.At(x, row) == kBlack || art.At(x, row) == kWhite);
    QVERIFY(CountPixels(art, kWhite) > 0);
  }

  void RightButtonOnTheArtworkNeitherMeasuresNorPans() {
    prompts_.QueueFileName(board_path_);
    Control<QPushButton>(MainControl::kLoadArtworkButton)->click();
    Control<QPushButton>(MainControl::kProcessButton)->click();
    QVERIFY(Window().InScaleMode());
    QTest::mousePress(Control<BitmapView>(MainControl::kArtworkView), Qt::RightButton, {}, QPoint(2, 2));
    QTest::mouseRelease(Control<BitmapView>(MainControl::kArtworkView), Qt::RightButton, {}, QPoint(30, 2));
    Control<QMenu>(MainControl::kArtworkMenu)->hide();
    QVERIFY(Control<QLineEdit>(MainControl::kMeasuredDistance)->text().isEmpty());
    QTest::mousePress(Control<BitmapView>(MainControl::kArtworkView), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(Control<BitmapView>(MainControl::kArtworkView), Qt::LeftButton, {}, QPoint(30, 2));
    QCOMPARE(Control<QLineEdit>(MainControl::kMeasuredDistance)->text(), QStringLiteral("28.0000"));
  }

  void HostRunsTheEventLoopAboutEveryTenMilliseconds() {
    QtHost& host = Window().UiHost();
    host.PumpEvents();
    const long before = host.EventLoopRuns();
    bool delivered = false;
    QTimer::singleShot(0, [&delivered] { delivered = true; });
    QElapsedTimer clock;
    clock.start();
    long calls = 0;
    while (!delivered && clock.elapsed() < 2000) {
      host.PumpEvents();
      ++calls;
    }
    QVERIFY(delivered);
    QVERIFY2(clock.elapsed() < 200, qPrintable(QString::number(clock.elapsed())));
    // Many calls, few runs: at most one per interval since the start, plus the one that delivered.
    for (int i = 0; i < 100000; ++i) host.PumpEvents();
    const long runs = host.EventLoopRuns() - before;
    const qint64 elapsed = clock.elapsed();
    QVERIFY(runs >= 1);
    QVERIFY2(runs <= elapsed / 10 + 2, qPrintable(QStringLiteral("%1 runs in %2 ms").arg(runs).arg(elapsed)));
    QVERIFY(calls + 100000 > runs * 100);
  }
};

QTEST_MAIN(MainWindowFlowTest)
#include "main_window_flow_test.moc"
