// The main window's whole job on a small board: processing (and stopping it), the scale,
// verification by number and by right click, the engraving file, both programs, the
// simulations, thickening and the artwork transformations menu.
#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "core/artwork/extraction.h"
#include "core/job/engraving_file.h"
#include "core/job/gcode_writer.h"
#include "core/text/line_file.h"
#include "gui/adapters/scripted_prompts.h"
#include "gui/app/startup.h"
#include "gui/main/main_window.h"
#include "gui/widgets/bitmap_view.h"
#include "gui/widgets/led_lamp.h"
#include "image/artwork_loader.h"

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
  std::unique_ptr<MainWindow> form_;
  QString board_path_;

  MainWindow& Form() { return *form_; }
  QString PathOf(const QString& name) const { return folder_.filePath(name); }

  // Load, process, measure 10 pixels as 2.54 mm and validate: the verification step.
  void ReachVerification() {
    prompts_.QueueFileName(board_path_);
    Form().BitBtn1->click();
    Form().BitBtn2->click();
    Form().Image1MouseDown(QPoint(0, 0));
    Form().Image1MouseMove(QPoint(10, 0));
    Form().Image1MouseUp(QPoint(10, 0));
    Form().BitBtn8->click();
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
    ApplyUiFont();
    QLocale::setDefault(QLocale::c());
    board_path_ = Save(SmallBoard(), PathOf(QStringLiteral("board.bmp")));
  }

  void init() {
    while (!prompts_.OpenFileName(QString(), QString()).isEmpty()) {
    }
    form_ = std::make_unique<MainWindow>(prompts_, folder_.path());
    prompts_.ClearMessages();  // no param.txt in the folder: the defaults stay
  }

  void cleanup() {
    form_.reset();
    SetWriteFaultPlanForTesting(WriteFaultPlan{});
  }

  void ProcessingFillsTheTableAndOpensTheScaleStep() {
    prompts_.QueueFileName(board_path_);
    Form().BitBtn1->click();
    Form().BitBtn2->click();

    const Workspace reference = ReferenceAnalysis();
    QCOMPARE(Form().Work().Table, reference.Table);
    QCOMPARE(Form().Work().Table.ContourCount(), 4);
    QCOMPARE(Form().SpinEdit1->maximum(), 3);
    QCOMPARE(Form().SpinEdit1->value(), 0);
    QCOMPARE(Form().Label23->text(), QStringLiteral("2"));
    QCOMPARE(Form().Label24->text(), QStringLiteral("2"));
    QCOMPARE(Form().Gauge1->value(), kHeight);
    // Each stored trace is a line of the hidden list.
    QCOMPARE(Form().Memo1->toPlainText().split(QLatin1Char('\n')).size(), 4);
    QVERIFY(Form().Memo1->toPlainText().startsWith(QString::fromStdString(reference.Table[0].PathText)));

    QVERIFY(Form().ScaleMode);
    QVERIFY(!Form().GroupBox5->isHidden());
    QVERIFY(Form().GroupBox4->isHidden());
    QVERIFY(!Form().BitBtn2->isEnabled());
    QVERIFY(!Form().BitBtn3->isEnabled());
    QVERIFY(Form().BitBtn1->isEnabled());
    QVERIFY(Form().cyAdvLed8->Active());
    QVERIFY(!Form().Busy());
  }

  void StopDuringProcessingEndsTheRunAndStillOpensTheScaleStep() {
    constexpr int kSide = 400;
    constexpr int kDots = 20 * 20;
    prompts_.QueueFileName(Save(DottedBoard(kSide, 20), PathOf(QStringLiteral("dots.bmp"))));
    Form().BitBtn1->click();

    long pumps = 0;
    bool checked_controls = false;
    Form().UiHost().PumpEvents();  // the first pump always runs the event loop; start afresh
    const long runs_before = Form().UiHost().EventLoopRuns();
    Form().UiHost().SetPumpHook([&] {
      if (++pumps != 300) return;
      // Inside the run: stop enabled, nothing that could start a second run.
      checked_controls = Form().Busy() && Form().BitBtn3->isEnabled() && !Form().BitBtn1->isEnabled() &&
                         !Form().Button5->isEnabled() && !Form().BitBtn2->isEnabled();
      prompts_.QueueFileName(board_path_);
      Form().Button5Click();  // refused while the run goes on: the queued name stays unread
      // Pressed through the event loop, as a user would.
      QTimer::singleShot(0, Form().BitBtn3, &QAbstractButton::click);
    });
    Form().BitBtn2->click();
    Form().UiHost().SetPumpHook({});

    QVERIFY(checked_controls);
    QVERIFY(pumps > 300);
    const int stored = Form().Work().Table.ContourCount();
    QVERIFY2(stored < kDots / 2, qPrintable(QString::number(stored)));
    QCOMPARE(Form().SpinEdit1->maximum(), std::max(0, stored - 1));
    // The event loop ran far less often than the run asked for it.
    const long runs = Form().UiHost().EventLoopRuns() - runs_before;
    QVERIFY2(runs * 20 < pumps, qPrintable(QStringLiteral("%1 runs for %2 pumps").arg(runs).arg(pumps)));

    QVERIFY(Form().ScaleMode);
    QVERIFY(!Form().GroupBox5->isHidden());
    QVERIFY(!Form().BitBtn3->isEnabled());
    QCOMPARE(Form().Gauge1->value(), kSide);
    QVERIFY(Form().BitBtn1->isEnabled());
    // The refused load asked for no file: the name queued during the run is still there.
    QCOMPARE(prompts_.OpenFileName(QString(), QString()), board_path_);
    QCOMPARE(Form().Work().ArtworkBitmap.Width(), kSide);
  }

  void VerifySelectFlagAndGenerateBothPrograms() {
    ReachVerification();
    QVERIFY(!Form().GroupBox3->isHidden());
    QCOMPARE(Form().Work().PixelSizeMm, 0.254);
    const ContourTable& table = Form().Work().Table;
    const int track = 0;  // the lowest island is met first
    const int dot = ContourStartingAt(table, 39, kHeight - 9);  // below-left of the pixel
    QVERIFY(dot >= 0);
    QVERIFY(table[dot].IsPad);
    QVERIFY(!table[track].IsPad && !table[track].IsUseless);

    // Right click on a black pixel of the track.
    const QPoint on_track(table[track].StartX, kHeight - table[track].StartY);
    QCOMPARE(Form().Work().EngravingBitmap.At(on_track.x(), on_track.y()), kBlack);
    RightClick(Form().Image2, on_track);
    QCOMPARE(Form().SpinEdit1->value(), track);
    QCOMPARE(Form().Work().EngravingBitmap.At(on_track.x(), on_track.y()), kBlue);
    QVERIFY(!Form().CheckBox1->isChecked());
    Form().CheckBox2->click();  // "Inutile"
    QVERIFY(table[track].IsUseless);

    // A white pixel beside the drill mark of the dot selects it through its neighbours.
    const QPoint beside_dot(40 + 3, 8);
    QCOMPARE(Form().Work().EngravingBitmap.At(beside_dot.x(), beside_dot.y()), kWhite);
    RightClick(Form().Image2, beside_dot);
    QCOMPARE(Form().SpinEdit1->value(), dot);
    QVERIFY(Form().CheckBox1->isChecked());
    QCOMPARE(Form().Label23->text(), QStringLiteral("1"));  // the track is useless now
    QCOMPARE(Form().Label24->text(), QStringLiteral("2"));
    QCOMPARE(Form().Work().EngravingBitmap.At(40, 8), kBlue);   // the pad's mark, selected
    QCOMPARE(Form().Work().EngravingBitmap.At(on_track.x(), on_track.y()), kYellow);

    Form().CheckBox2->click();  // refused for a pad
    QVERIFY(!Form().CheckBox2->isChecked());
    QVERIFY(!table[dot].IsUseless);
    Form().CheckBox1->click();  // no longer a pad: engraved as a path
    QVERIFY(!table[dot].IsPad);

    // A white pixel with nothing around selects nothing.
    RightClick(Form().Image2, QPoint(55, 35));
    QCOMPARE(Form().SpinEdit1->value(), dot);

    Form().Edit4->setText(QStringLiteral("0.3"));
    Form().CheckBox3->setChecked(false);  // disabled until generation; set before to prove it is read
    Form().BitBtn9->click();
    QVERIFY(Form().GroupBox3->isHidden());
    QVERIFY(!Form().GroupBox6->isHidden());
    QVERIFY(Form().cyAdvLed5->Active());
    for (QWidget* w : std::initializer_list<QWidget*>{Form().BitBtn6, Form().BitBtn7, Form().BitBtn5, Form().BitBtn4,
                                                      Form().BitBtn10, Form().CheckBox3, Form().SpinEdit5}) {
      QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    }
    QVERIFY(!Form().SpinEdit1->isEnabled());

    prompts_.QueueFileName(PathOf(QStringLiteral("engraving")));
    Form().BitBtn6->click();
    QCOMPARE(prompts_.LastFilter(), QStringLiteral("Fichier g-code (*.iso)"));
    prompts_.QueueFileName(PathOf(QStringLiteral("drilling.iso")));
    Form().BitBtn7->click();
    QVERIFY(prompts_.Errors().isEmpty());
    QVERIFY(Form().Memo1->toPlainText().contains(QStringLiteral("Le vertex n°")));

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
    QVERIFY(!Form().Busy());
    QVERIFY(!Form().BitBtn3->isEnabled());
  }

  void StopEndsTheProgramLoopWithTheTrailerWritten() {
    ReachVerification();
    Form().BitBtn9->click();
    prompts_.QueueFileName(PathOf(QStringLiteral("full.iso")));
    Form().BitBtn6->click();

    long pumps = 0;
    Form().UiHost().SetPumpHook([&] {
      if (++pumps == 2) Form().BitBtn3->click();
    });
    prompts_.QueueFileName(PathOf(QStringLiteral("stopped.iso")));
    Form().BitBtn6->click();
    Form().UiHost().SetPumpHook({});

    const QByteArray full = Slurp(PathOf(QStringLiteral("full.iso")));
    const QByteArray stopped = Slurp(PathOf(QStringLiteral("stopped.iso")));
    QVERIFY(prompts_.Errors().isEmpty());
    QVERIFY(stopped.count("G00 Z-0.25") < full.count("G00 Z-0.25"));
    QVERIFY(stopped.endsWith("G00 Z1.5\r\nG00 X0.000 Y0.000\r\nM05\r\nM30  (Fin programme gravure)\r\n"));
    QVERIFY(stopped.startsWith("(debut programme gravure)\r\n%\r\nF350\r\nM03\r\n"));
  }

  void FailedProgramWriteKeepsTheOlderProgram() {
    ReachVerification();
    Form().BitBtn9->click();
    Write(PathOf(QStringLiteral("old.iso")), "older program\r\n");
    SetWriteFaultPlanForTesting(WriteFaultPlan{30, false});
    prompts_.QueueFileName(PathOf(QStringLiteral("old.iso")));
    Form().BitBtn7->click();
    QCOMPARE(prompts_.Errors().size(), 1);
    QCOMPARE(Slurp(PathOf(QStringLiteral("old.iso"))), QByteArray("older program\r\n"));
    QVERIFY(!Form().Busy());

    // A cancelled dialog writes nothing and reports nothing.
    Form().BitBtn7->click();
    QCOMPARE(prompts_.Errors().size(), 1);
  }

  void EngravingFileRoundTripOpensVerification() {
    ReachVerification();
    ContourTable& table = Form().Work().Table;
    table[1].IsUseless = true;
    table[2].JobOrder = 7;
    Form().BitBtn9->click();
    prompts_.QueueFileName(PathOf(QStringLiteral("job")));
    Form().BitBtn10->click();
    QVERIFY(prompts_.Errors().isEmpty());
    QCOMPARE(prompts_.LastFilter(), QStringLiteral("Fichier gravure (*.grv)"));
    QCOMPARE(Form().windowTitle(), QStringLiteral("Pistora (") + PathOf(QStringLiteral("job.grv")) + QLatin1Char(')'));
    const ContourTable saved = table;

    MainWindow other(prompts_, folder_.path());
    prompts_.ClearMessages();
    prompts_.QueueFileName(PathOf(QStringLiteral("job")));  // completed to job.grv
    other.Button5->click();
    QVERIFY(prompts_.Errors().isEmpty());
    QCOMPARE(other.Work().Table, saved);
    QCOMPARE(other.Work().PixelSizeMm, 0.254);
    QCOMPARE(other.Edit1->text(), QStringLiteral("0.25400"));
    QCOMPARE(other.Work().EngravingBitmap.Width(), kWidth);
    QCOMPARE(other.Work().EngravingBitmap.Height(), kHeight);
    // Verification step, with the loaded table's range and counters.
    QVERIFY(!other.GroupBox2->isHidden());
    QVERIFY(!other.GroupBox3->isHidden());
    QVERIFY(other.GroupBox1->isHidden());
    QVERIFY(other.GroupBox4->isHidden());
    QVERIFY(other.SpinEdit1->isEnabled());
    QCOMPARE(other.SpinEdit1->maximum(), 3);
    QCOMPARE(other.Label23->text(), QStringLiteral("1"));
    QCOMPARE(other.Label24->text(), QStringLiteral("2"));
    QVERIFY(!other.BitBtn2->isEnabled());
    QVERIFY(!other.BitBtn6->isEnabled());
    QVERIFY(other.cyAdvLed7->Active());
    QVERIFY(!other.cyAdvLed6->Active());
    // The verification picture: the useless contour yellow, pads green.
    QVERIFY(CountPixels(other.Work().EngravingBitmap, kYellow) > 0);
    QVERIFY(CountPixels(other.Work().EngravingBitmap, kGreen) > 0);
    QVERIFY(CountPixels(other.Work().EngravingBitmap, kBlack) > 0);
    // The artwork is not in the file: nothing to transform.
    QVERIFY(!other.PolygonalAction->isEnabled());
  }

  void FailedEngravingFileSaveOrLoadLosesNothing() {
    ReachVerification();
    Form().BitBtn9->click();
    Write(PathOf(QStringLiteral("keep.grv")), "previous contents");
    SetWriteFaultPlanForTesting(WriteFaultPlan{40, false});
    prompts_.QueueFileName(PathOf(QStringLiteral("keep.grv")));
    Form().BitBtn10->click();
    QCOMPARE(prompts_.Errors().size(), 1);
    QCOMPARE(Slurp(PathOf(QStringLiteral("keep.grv"))), QByteArray("previous contents"));
    SetWriteFaultPlanForTesting(WriteFaultPlan{});

    // A file that does not parse leaves the window in its step with its table.
    const ContourTable before = Form().Work().Table;
    const QString title = Form().windowTitle();
    prompts_.QueueFileName(PathOf(QStringLiteral("keep.grv")));
    Form().Button5->click();
    QCOMPARE(prompts_.Errors().size(), 2);
    QCOMPARE(Form().Work().Table, before);
    QCOMPARE(Form().windowTitle(), title);
    QVERIFY(!Form().GroupBox6->isHidden());
    QVERIFY(Form().BitBtn6->isEnabled());
  }

  void EmptyEngravingFileLeavesNothingToSelect() {
    // Head (pixel size, height, width, 0 contours) and the one record of the empty slot.
    QByteArray bytes = " 1.00000000000000E-0001\r\n20\r\n30\r\n0\r\n\r\n";
    for (const char* line : {"0", "0", "0", "0", "0", "FALSE", "FALSE", "0", "0", "0", "0", "0", "0", "0", "FALSE"}) {
      bytes += QByteArray(line) + "\r\n";
    }
    Write(PathOf(QStringLiteral("empty.grv")), bytes);
    prompts_.QueueFileName(PathOf(QStringLiteral("empty.grv")));
    Form().Button5->click();
    QVERIFY(prompts_.Errors().isEmpty());
    QCOMPARE(Form().Work().Table.ContourCount(), 0);
    QCOMPARE(Form().Work().EngravingBitmap, Bitmap(30, 20, kWhite));
    QVERIFY(!Form().GroupBox3->isHidden());
    for (QWidget* w : std::initializer_list<QWidget*>{Form().SpinEdit1, Form().CheckBox1, Form().CheckBox2}) {
      QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    }
    QVERIFY(Form().BitBtn9->isEnabled());
    QCOMPARE(Form().Label23->text(), QStringLiteral("0"));
    QCOMPARE(Form().Edit1->text(), QStringLiteral("0.10000"));
    // Nothing to find under a click.
    RightClick(Form().Image2, QPoint(3, 3));
    QCOMPARE(Form().SpinEdit1->value(), 0);
  }

  void BrowseButtonsMoveTheSelection() {
    ReachVerification();
    // Table: 0 track, 1 square outline, 2 rim of its hole (pad), 3 dot (pad).
    const ContourTable& table = Form().Work().Table;
    QVERIFY(table[2].IsPad && table[3].IsPad && !table[1].IsPad);
    struct Step {
      QPushButton* button;
      int expected;
    } steps[] = {
        {Form().Button6, 2},   // next pad
        {Form().Button6, 3},   // next pad
        {Form().Button6, 3},   // none after: stays on the last contour
        {Form().Button10, 1},  // previous useful track
        {Form().Button10, 0},  // previous useful track
        {Form().Button8, 3},   // next useless: none, so the last contour
        {Form().Button11, 0},  // previous useless: none, so 0
        {Form().Button7, 1},   // next useful
        {Form().Button9, 0},   // previous pad: none before, so 0
    };
    for (const Step& s : steps) {
      s.button->click();
      QVERIFY2(Form().SpinEdit1->value() == s.expected, qPrintable(s.button->objectName()));
    }
    // Exactly one contour is blue after any number of selections: the track, 0.
    const Bitmap& view = Form().Work().EngravingBitmap;
    QCOMPARE(view.At(table[0].StartX, kHeight - table[0].StartY), kBlue);
    QCOMPARE(view.At(table[1].StartX, kHeight - table[1].StartY), kBlack);
    QVERIFY(CountPixels(view, kGreen) > 0);

    // The redraw takes the selection off.
    Form().Button3->click();
    QCOMPARE(CountPixels(Form().Work().EngravingBitmap, kBlue), 0);
  }

  void ThickeningTwiceMovesPadCentresTwoPixelsLeft() {
    ReachVerification();
    ContourTable& table = Form().Work().Table;
    table[3].IsUseless = true;  // a useless pad is not moved
    const ContourTable before = table;
    Form().Button1->click();
    Form().Button1->click();
    QCOMPARE(table[2].CenterX, before[2].CenterX - 2);
    QCOMPARE(table[2].CenterY, before[2].CenterY);
    QCOMPARE(table[3].CenterX, before[3].CenterX);
    for (int i : {0, 1}) {
      QVERIFY(QString::fromStdString(table[i].PathText).contains(QStringLiteral("+-CLOSED Points : ")));
      QCOMPARE(table[i].StartX, before[i].StartX);
    }
    QVERIFY(!Form().Busy());
    QVERIFY(!Form().BitBtn3->isEnabled());
    QVERIFY(Form().SpinEdit1->isEnabled());  // back in the verification step

    // "Crénelage" is reachable and logs each useful contour.
    QVERIFY(!Form().Button2->isHidden());
    Form().Button2->click();
    QVERIFY(Form().Memo2->toPlainText().contains(QStringLiteral("*** Ligne 0 ****")));
    QVERIFY(Form().Memo2->toPlainText().contains(QStringLiteral("*** Ligne 1 ****")));
  }

  void SimulationsDrawTheJobAndPauseAfterEachHole() {
    ReachVerification();
    Form().BitBtn9->click();
    std::vector<int> pauses;
    Form().SetBusyDelay([&pauses](int units) { pauses.push_back(units); });
    Form().SpinEdit6->setValue(150);
    Form().BitBtn4->click();
    QCOMPARE(pauses, (std::vector<int>{150, 150}));
    QVERIFY(CountPixels(Form().Work().EngravingBitmap, kGreen) > 0);
    QVERIFY(CountPixels(Form().Work().EngravingBitmap, kBlack) > 0);  // the tracks, shown under the holes

    Form().BitBtn5->click();
    const int red = CountPixels(Form().Work().EngravingBitmap, kRed);
    QVERIFY(red > 0);
    QVERIFY(CountPixels(Form().Work().EngravingBitmap, kBlue) > 0);
    QVERIFY(!Form().BitBtn3->isEnabled());

    // Stopped at once: no contour drawn.
    Form().UiHost().SetPumpHook([&] { Form().BitBtn3->click(); });
    Form().BitBtn5->click();
    Form().UiHost().SetPumpHook({});
    QCOMPARE(CountPixels(Form().Work().EngravingBitmap, kRed), 0);
    QVERIFY(!Form().BitBtn3->isEnabled());
  }

  void ArtworkMenuOffersTheTransformationsOnceAnArtworkIsLoaded() {
    QVERIFY(!Form().PreprocessAction->isEnabled());
    QVERIFY(!Form().PolygonalAction->isEnabled());
    QCOMPARE(Form().PreprocessAction->text(), Form().BitBtn15->text());
    QCOMPARE(Form().PolygonalAction->text(), Form().BitBtn14->text());

    prompts_.QueueFileName(board_path_);
    Form().BitBtn1->click();
    RightClick(Form().Image1, QPoint(5, 5));
    QVERIFY(Form().Image1Menu->isVisible());
    Form().Image1Menu->hide();
    QVERIFY(Form().PreprocessAction->isEnabled());
    QVERIFY(Form().PolygonalAction->isEnabled());

    // Column 6 has copper on rows 4..5 and 9..10 around the hole: its middle, row 7, turns green.
    Form().PolygonalAction->trigger();
    QCOMPARE(Form().Work().ArtworkBitmap.At(6, 7), kGreen);
    QVERIFY(!Form().Busy());

    // The pre-processing leaves only black and white inside the frame.
    Form().PreprocessAction->trigger();
    const Bitmap& art = Form().Work().ArtworkBitmap;
    for (int row = 1; row < art.Height() - 1; ++row)
      for (int x = 1; x < art.Width() - 1; ++x) QVERIFY(art.At(x, row) == kBlack || art.At(x, row) == kWhite);
    QVERIFY(CountPixels(art, kWhite) > 0);
  }

  void RightButtonOnTheArtworkNeitherMeasuresNorPans() {
    prompts_.QueueFileName(board_path_);
    Form().BitBtn1->click();
    Form().BitBtn2->click();
    QVERIFY(Form().ScaleMode);
    QTest::mousePress(Form().Image1, Qt::RightButton, {}, QPoint(2, 2));
    QTest::mouseRelease(Form().Image1, Qt::RightButton, {}, QPoint(30, 2));
    Form().Image1Menu->hide();
    QVERIFY(Form().Edit2->text().isEmpty());
    QTest::mousePress(Form().Image1, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(Form().Image1, Qt::LeftButton, {}, QPoint(30, 2));
    QCOMPARE(Form().Edit2->text(), QStringLiteral("28.0000"));
  }

  void HostRunsTheEventLoopAboutEveryTenMilliseconds() {
    QtHost& host = Form().UiHost();
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
