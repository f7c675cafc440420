// The main window: controls, loading, panning, the scale step, param.txt, the key filter.
#include "gui/main/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "core/artwork/view_geometry.h"
#include "core/windows/program_options_controls.h"
#include "gui/adapters/scripted_prompts.h"
#include "gui/app/user_settings.h"
#include "gui/app/startup.h"
#include "gui/main/file_history.h"
#include "gui/widgets/bitmap_view.h"
#include "gui/widgets/led_lamp.h"
#include "gui/widgets/named_control.h"

using namespace pistora;

namespace {

// A picture whose every pixel tells its place: red = x mod 256, green = row mod 256, blue 7.
QString WriteBmp(const QTemporaryDir& dir, const QString& name, int width, int height) {
  QImage image(width, height, QImage::Format_RGB888);
  for (int row = 0; row < height; ++row)
    for (int x = 0; x < width; ++x) image.setPixel(x, row, qRgb(x % 256, row % 256, 7));
  const QString path = dir.filePath(name);
  if (!image.save(path, "BMP")) qFatal("cannot write the test picture");
  return path;
}

QString Caption(QWidget* w) {
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
  return QStringLiteral("<no caption>");
}

// Enabled state of every control that the steps switch.
QMap<QString, bool> EnabledStates(MainWindow& window) {
  QMap<QString, bool> states;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->objectName().isEmpty()) states[w->objectName()] = w->isEnabled();
  }
  return states;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;
  ScriptedPrompts prompts_;
  std::unique_ptr<MainWindow> window_;
  QStringList creation_errors_;  // messages shown while the window was created

  MainWindow& Window() { return *window_; }
  template <class W>
  W* Control(MainControl role) {
    return FindControl<W>(Window(), role);
  }
  void Load(const QString& path) {
    prompts_.QueueFileName(path);
    Control<QPushButton>(MainControl::kLoadArtworkButton)->click();
  }

 private slots:
  void initTestCase() {
    // The program options are kept in the user's settings: a test folder of Qt's, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    UserSettings().clear();
    ApplyUiFont();
    QLocale::setDefault(QLocale::c());
  }

  void init() {
    prompts_.ClearMessages();
    window_ = std::make_unique<MainWindow>(prompts_, folder_.path());
    creation_errors_ = prompts_.Errors();
    prompts_.ClearMessages();
  }

  void cleanup() {
    window_.reset();
    QFile::remove(folder_.filePath(QStringLiteral("param.txt")));
    QLocale::setDefault(QLocale::c());
  }

  void TheWindowHoldsExactlyTheControlsOfItsTableWithTheirCaptions() {
    // Each row names one control (or the artwork menu) of the window, showing its built-in caption.
    QSet<QString> tabled;
    for (const ControlName<MainControl>& row : MainWindowControls().Rows()) {
      if (row.role == MainControl::kWindow) continue;
      const QString name = QString::fromLatin1(row.object_name.data(), static_cast<qsizetype>(row.object_name.size()));
      tabled.insert(name);
      const QList<QObject*> found = Window().findChildren<QObject*>(name);
      QVERIFY2(found.size() == 1, qPrintable(name));
      if (!row.built_in.empty()) {
        QVERIFY2(found[0]->isWidgetType(), qPrintable(name));
        QCOMPARE(Caption(static_cast<QWidget*>(found[0])), QString::fromUtf8(row.built_in.data(), row.built_in.size()));
      }
    }
    // Every role has its row (the last enumerator is the artwork menu).
    for (int r = static_cast<int>(MainControl::kWindow) + 1; r <= static_cast<int>(MainControl::kArtworkMenu); ++r) {
      QVERIFY2(tabled.contains(ObjectNameOf(static_cast<MainControl>(r))), qPrintable(QString::number(r)));
    }
    // And no named control of the window is missing from the table (Qt names its inner parts "qt_...").
    for (const QObject* child : Window().findChildren<QObject*>()) {
      const QString name = child->objectName();
      if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) QVERIFY2(tabled.contains(name), qPrintable(name));
    }
    // The lamps the steps switch are lamps.
    for (StepEvent e : {StepEvent::Started, StepEvent::ArtworkLoaded, StepEvent::ProcessingDone,
                        StepEvent::ScaleValidated, StepEvent::EngravingFileLoaded, StepEvent::VerificationValidated}) {
      for (const std::vector<MainControl>* lamps : {&SwitchFor(e).lamps_on, &SwitchFor(e).lamps_off}) {
        for (MainControl lamp : *lamps) QVERIFY(Control<LedLamp>(lamp) != nullptr);
      }
    }
    QVERIFY(!Control<QPushButton>(MainControl::kSmoothJaggiesButton)
                 ->isHidden());  // "Crénelage" is offered in the verification group
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             Control<QPushButton>(MainControl::kPolygonalButton), Control<QPushButton>(MainControl::kPreprocessButton),
             Control<QPushButton>(MainControl::kNextPadButton),
             Control<QPushButton>(MainControl::kNextUsefulTrackButton),
             Control<QPushButton>(MainControl::kNextUselessButton),
             Control<QPushButton>(MainControl::kPreviousPadButton),
             Control<QPushButton>(MainControl::kPreviousUsefulTrackButton),
             Control<QPushButton>(MainControl::kPreviousUselessButton),
             Control<QPlainTextEdit>(MainControl::kContourLog), Control<QPlainTextEdit>(MainControl::kRunLog)}) {
      QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
    }
    struct Spin {
      QSpinBox* box;
      int minimum, maximum, value, step;
    } spins[] = {{Control<QSpinBox>(MainControl::kPadPointLimit), 2, 100, 20, 1},
                 {Control<QSpinBox>(MainControl::kPitchCount), 1, 50, 1, 1},
                 {Control<QSpinBox>(MainControl::kDrillMarkSize), 0, 20, 2, 1},
                 {Control<QSpinBox>(MainControl::kEngravingSimulationSpeed), 0, 100, 50, 1},
                 {Control<QSpinBox>(MainControl::kDrillingSimulationPause), 0, 10000, 50, 50}};
    for (const Spin& s : spins) {
      QCOMPARE(s.box->minimum(), s.minimum);
      QCOMPARE(s.box->maximum(), s.maximum);
      QCOMPARE(s.box->value(), s.value);
      QCOMPARE(s.box->singleStep(), s.step);
    }
    QCOMPARE(Control<BitmapView>(MainControl::kArtworkView)->size(), QSize(kViewWidth, kViewHeight));
    QCOMPARE(Control<BitmapView>(MainControl::kEngravingView)->size(), QSize(kViewWidth, kViewHeight));
    // First step: artwork view and general settings; processing waits for an artwork.
    QVERIFY(!Control<QGroupBox>(MainControl::kArtworkGroup)->isHidden());
    QVERIFY(Control<QGroupBox>(MainControl::kEngravingGroup)->isHidden());
    QVERIFY(!Control<QGroupBox>(MainControl::kSettingsPanel)->isHidden());
    QVERIFY(!Control<QPushButton>(MainControl::kProcessButton)->isEnabled());
    QVERIFY(!Control<QSpinBox>(MainControl::kDrillMarkSize)->isEnabled());
    QVERIFY(!Control<QCheckBox>(MainControl::kSpindleControl)->isEnabled());
    for (QLineEdit* typed :
         {Control<QLineEdit>(MainControl::kEngravingDepth), Control<QLineEdit>(MainControl::kRetractDistance),
          Control<QLineEdit>(MainControl::kDrillingDepth), Control<QLineEdit>(MainControl::kEngravingFeed),
          Control<QLineEdit>(MainControl::kDrillingFeed)}) {
      QVERIFY2(typed->isEnabled(), qPrintable(typed->objectName()));
    }
    QVERIFY(Control<LedLamp>(MainControl::kLoadArtworkLamp)->Active());
  }

  void OtherWindowsAreAskedForThroughSignals() {
    auto* toggle = Control<QToolButton>(MainControl::kMagnifierToggle);
    toggle->click();  // no magnifier listens: the toggle stays up
    QVERIFY(!Window().MagnifierShown());

    QSignalSpy about(&Window(), &MainWindow::AboutRequested);
    QSignalSpy machine(&Window(), &MainWindow::MachineWindowRequested);
    QSignalSpy magnifier(&Window(), &MainWindow::MagnifierToggled);
    Control<QPushButton>(MainControl::kAboutButton)->click();
    QCOMPARE(about.size(), 1);
    toggle->click();
    QVERIFY(Window().MagnifierShown());
    QCOMPARE(magnifier.size(), 1);
    QCOMPARE(magnifier.takeFirst(), QVariantList{true});
    // The machine window takes the magnifier away, once.
    for (int i = 1; i <= 2; ++i) {
      Control<QPushButton>(MainControl::kMachineWindowButton)->click();
      QCOMPARE(machine.size(), i);
      QVERIFY(!Window().MagnifierShown());
      QCOMPARE(magnifier.size(), i == 1 ? 1 : 0);
      if (i == 1) QCOMPARE(magnifier.takeFirst(), QVariantList{false});
    }
    // Putting the toggle down from outside tells nobody; closing the window closes the magnifier.
    Window().SetMagnifierShown(true);
    QVERIFY(magnifier.isEmpty());
    Window().close();
    QVERIFY(!Window().MagnifierShown());
    QCOMPARE(magnifier.size(), 1);
    QCOMPARE(magnifier.takeFirst(), QVariantList{false});
    QCOMPARE(about.size(), 1);
  }

  void LoadingAnArtworkOpensTheProcessingStep() {
    const QString path = WriteBmp(folder_, QStringLiteral("board.bmp"), 800, 600);
    Load(path);
    QVERIFY(prompts_.Errors().isEmpty());
    QCOMPARE(prompts_.LastFilter(), ArtworkFilter());
    QCOMPARE(Window().windowTitle(), QStringLiteral("Pistora (") + path + QLatin1Char(')'));

    const Workspace& ws = Window().Work();
    QCOMPARE(ws.ArtworkBitmap.Width(), 800);
    QCOMPARE(ws.ArtworkBitmap.Height(), 600);
    QCOMPARE(ws.ArtworkBitmap.At(300, 200), (Rgb{300 % 256, 200, 7}));
    QCOMPARE(ws.EngravingBitmap, Bitmap(800, 600, kWhite));

    for (QScrollBar* bar : {Control<QScrollBar>(MainControl::kArtworkHorizontalScroll),
                            Control<QScrollBar>(MainControl::kEngravingHorizontalScroll)})
      QCOMPARE(bar->maximum(), 800 - 561 - 1);
    for (QScrollBar* bar : {Control<QScrollBar>(MainControl::kArtworkVerticalScroll),
                            Control<QScrollBar>(MainControl::kEngravingVerticalScroll)})
      QCOMPARE(bar->maximum(), 600 - 441 - 1);
    QCOMPARE(Control<QProgressBar>(MainControl::kProgressGauge)->maximum(), 600);
    QCOMPARE(Control<QProgressBar>(MainControl::kProgressGauge)->value(), 0);

    QVERIFY(!Control<QGroupBox>(MainControl::kArtworkGroup)->isHidden());
    QVERIFY(!Control<QGroupBox>(MainControl::kSettingsPanel)->isHidden());
    for (QGroupBox* g :
         {Control<QGroupBox>(MainControl::kEngravingGroup), Control<QGroupBox>(MainControl::kVerificationPanel),
          Control<QGroupBox>(MainControl::kScalePanel), Control<QGroupBox>(MainControl::kGenerationPanel)}) {
      QVERIFY(g->isHidden());
    }
    QVERIFY(Control<QPushButton>(MainControl::kProcessButton)->isEnabled());
    QVERIFY(Control<QSpinBox>(MainControl::kDrillMarkSize)->isEnabled());
    QVERIFY(Control<QSpinBox>(MainControl::kPadPointLimit)->isEnabled());
    QVERIFY(!Control<LedLamp>(MainControl::kLoadArtworkLamp)->Active());
    QVERIFY(Control<LedLamp>(MainControl::kProcessLamp)->Active());
    for (LedLamp* lamp :
         {Control<LedLamp>(MainControl::kGenerationLamp), Control<LedLamp>(MainControl::kLoadEngravingFileLamp),
          Control<LedLamp>(MainControl::kValidateVerificationLamp),
          Control<LedLamp>(MainControl::kValidateScaleLamp)}) {
      QVERIFY(!lamp->Active());
    }
    for (QWidget* w : std::initializer_list<QWidget*>{
             Control<QPushButton>(MainControl::kRedrawVerificationButton),
             Control<QPushButton>(MainControl::kNextPadButton),
             Control<QPushButton>(MainControl::kPreviousUselessButton),
             Control<QPushButton>(MainControl::kValidateVerificationButton),
             Control<QSpinBox>(MainControl::kContourNumber), Control<QCheckBox>(MainControl::kPadCheck),
             Control<QCheckBox>(MainControl::kUselessCheck), Control<QLineEdit>(MainControl::kRealDistance),
             Control<QPushButton>(MainControl::kValidateScaleButton),
             Control<QPushButton>(MainControl::kSaveEngravingFileButton),
             Control<QPushButton>(MainControl::kSimulateEngravingButton),
             Control<QPushButton>(MainControl::kSimulateDrillingButton),
             Control<QPushButton>(MainControl::kEngravingProgramButton),
             Control<QPushButton>(MainControl::kDrillingProgramButton),
             Control<QSpinBox>(MainControl::kEngravingSimulationSpeed),
             Control<QSpinBox>(MainControl::kDrillingSimulationPause),
             Control<QCheckBox>(MainControl::kSpindleControl)}) {
      QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    }
    QVERIFY(!Window().InScaleMode());
    // The view shows the top-left corner, unscaled.
    QCOMPARE(Control<BitmapView>(MainControl::kArtworkView)->Picture().size(), QSize(kViewWidth, kViewHeight));
    QCOMPARE(Control<BitmapView>(MainControl::kArtworkView)->Picture().pixel(10, 20), qRgb(10, 20, 7));
  }

  void SmallArtworkGetsScrollMaximaOfOne() {
    Load(WriteBmp(folder_, QStringLiteral("small.bmp"), 100, 50));
    for (QScrollBar* bar : {Control<QScrollBar>(MainControl::kArtworkHorizontalScroll),
                            Control<QScrollBar>(MainControl::kArtworkVerticalScroll),
                            Control<QScrollBar>(MainControl::kEngravingHorizontalScroll),
                            Control<QScrollBar>(MainControl::kEngravingVerticalScroll)}) {
      QCOMPARE(bar->maximum(), 1);
      QCOMPARE(bar->value(), 0);
    }
    // Outside the picture the view is white.
    QCOMPARE(Control<BitmapView>(MainControl::kArtworkView)->Picture().pixel(200, 100), qRgb(255, 255, 255));
  }

  void CancelledOrRejectedFileChangesNothing() {
    Load(WriteBmp(folder_, QStringLiteral("first.bmp"), 600, 500));
    Window().EnterScalePhase();
    const QString title = Window().windowTitle();
    const Bitmap artwork = Window().Work().ArtworkBitmap;
    const QMap<QString, bool> states = EnabledStates(Window());

    Load(QString());  // cancelled dialog
    QCOMPARE(Window().windowTitle(), title);
    QVERIFY(prompts_.Errors().isEmpty());

    QFile bad(folder_.filePath(QStringLiteral("bad.bmp")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("BM this is not a picture");
    bad.close();
    Load(bad.fileName());
    QCOMPARE(prompts_.Errors().size(), 1);
    QCOMPARE(Window().windowTitle(), title);
    QCOMPARE(Window().Work().ArtworkBitmap, artwork);
    QCOMPARE(EnabledStates(Window()), states);
    QVERIFY(Window().InScaleMode());
    QVERIFY(!Control<QGroupBox>(MainControl::kScalePanel)->isHidden());
  }

  void PanningFollowsThePointerWithinTheScrollRange() {
    Load(WriteBmp(folder_, QStringLiteral("pan.bmp"), 800, 600));  // maxima 238 and 158
    // Real mouse events through the view: press, move with the button held, release.
    QTest::mousePress(Control<BitmapView>(MainControl::kArtworkView), Qt::LeftButton, {}, QPoint(300, 300));
    QMouseEvent move(QEvent::MouseMove, QPointF(200, 250), QPointF(200, 250), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(Control<BitmapView>(MainControl::kArtworkView), &move);
    QCOMPARE(Control<QScrollBar>(MainControl::kArtworkHorizontalScroll)->value(), 100);
    QCOMPARE(Control<QScrollBar>(MainControl::kArtworkVerticalScroll)->value(), 50);
    QCOMPARE(Control<BitmapView>(MainControl::kArtworkView)->Picture().pixel(0, 0), qRgb(100, 50, 7));
    QTest::mouseRelease(Control<BitmapView>(MainControl::kArtworkView), Qt::LeftButton, {}, QPoint(100, 250));
    QCOMPARE(Control<QScrollBar>(MainControl::kArtworkHorizontalScroll)->value(), 200);
    QCOMPARE(Control<QScrollBar>(MainControl::kArtworkVerticalScroll)->value(), 50);

    struct Step {
      const char* name;
      QPoint to;
      int h, v;
    } steps[] = {
        {"past the maximum", QPoint(-400, -400), 238, 158},
        {"back a little", QPoint(-390, -380), 228, 138},
        {"past the start", QPoint(500, 500), 0, 0},
    };
    Window().ArtworkMouseDown(QPoint(0, 0));
    for (const Step& s : steps) {
      Window().ArtworkMouseMove(s.to);
      QVERIFY2(Control<QScrollBar>(MainControl::kArtworkHorizontalScroll)->value() == s.h, s.name);
      QVERIFY2(Control<QScrollBar>(MainControl::kArtworkVerticalScroll)->value() == s.v, s.name);
    }
    Window().ArtworkMouseUp(QPoint(500, 500));
    Window().ArtworkMouseMove(QPoint(0, 0));  // no button held: nothing moves
    QCOMPARE(Control<QScrollBar>(MainControl::kArtworkHorizontalScroll)->value(), 0);

    // The engraving view pans the same way with its own scroll bars.
    Window().EngravingMouseDown(QPoint(50, 50));
    Window().EngravingMouseMove(QPoint(20, 40));
    Window().EngravingMouseUp(QPoint(20, 40));
    QCOMPARE(Control<QScrollBar>(MainControl::kEngravingHorizontalScroll)->value(), 30);
    QCOMPARE(Control<QScrollBar>(MainControl::kEngravingVerticalScroll)->value(), 10);
    QCOMPARE(Control<QScrollBar>(MainControl::kArtworkHorizontalScroll)->value(), 0);
  }

  void MeasuringSetsThePixelSize() {
    Load(WriteBmp(folder_, QStringLiteral("measure.bmp"), 800, 600));
    const Bitmap original = Window().Work().ArtworkBitmap;
    Window().EnterScalePhase();
    QVERIFY(Window().InScaleMode());
    QVERIFY(Control<QLineEdit>(MainControl::kRealDistance)->isEnabled());
    QVERIFY(Control<QPushButton>(MainControl::kValidateScaleButton)->isEnabled());
    QVERIFY(!Control<QPushButton>(MainControl::kProcessButton)->isEnabled());
    QVERIFY(Control<LedLamp>(MainControl::kValidateScaleLamp)->Active());
    QVERIFY(!Control<LedLamp>(MainControl::kProcessLamp)->Active());
    QVERIFY(Control<QGroupBox>(MainControl::kSettingsPanel)->isHidden());
    QVERIFY(!Control<QGroupBox>(MainControl::kScalePanel)->isHidden());

    // Scrolled by (20, 10): the line runs from bitmap pixel (30, 20) to (130, 20).
    Control<QScrollBar>(MainControl::kArtworkHorizontalScroll)->setValue(20);
    Control<QScrollBar>(MainControl::kArtworkVerticalScroll)->setValue(10);
    Window().ArtworkMouseDown(QPoint(10, 10));
    Window().ArtworkMouseMove(QPoint(60, 10));
    Window().ArtworkMouseMove(QPoint(110, 10));
    Window().ArtworkMouseUp(QPoint(110, 10));
    QCOMPARE(Control<QScrollBar>(MainControl::kArtworkHorizontalScroll)->value(), 20);  // measuring does not pan
    QCOMPARE(Control<QLineEdit>(MainControl::kMeasuredDistance)->text(), QStringLiteral("100.0000"));
    QCOMPARE(Control<QLineEdit>(MainControl::kPixelSize)->text(), QStringLiteral("0.025"));
    QCOMPARE(Window().Work().PixelSizeMm, 0.0254);

    const Bitmap& drawn = Window().Work().ArtworkBitmap;
    int changed = 0;
    for (int row = 0; row < drawn.Height(); ++row)
      for (int x = 0; x < drawn.Width(); ++x) changed += !(drawn.At(x, row) == original.At(x, row));
    QCOMPARE(changed, 101);
    QCOMPARE(drawn.At(30, 20).r, static_cast<std::uint8_t>(original.At(30, 20).r ^ 255));
    QCOMPARE(Control<BitmapView>(MainControl::kArtworkView)->Picture().pixel(10, 10), qRgb(30 ^ 255, 20, 7));

    // The next press erases the line; a click without moving measures 0, which keeps the size.
    Window().ArtworkMouseDown(QPoint(5, 5));
    QCOMPARE(Window().Work().ArtworkBitmap, original);
    Window().ArtworkMouseUp(QPoint(5, 5));
    QCOMPARE(Control<QLineEdit>(MainControl::kMeasuredDistance)->text(), QStringLiteral("0.0000"));
    QCOMPARE(Window().Work().PixelSizeMm, 0.0254);
    QCOMPARE(Control<QLineEdit>(MainControl::kPixelSize)->text(), QStringLiteral("0.025"));
  }

  void PitchCalculatorFillsTheRealDistance() {
    Load(WriteBmp(folder_, QStringLiteral("pitch.bmp"), 100, 100));
    Window().EnterScalePhase();
    Window().ArtworkMouseDown(QPoint(0, 0));
    Window().ArtworkMouseMove(QPoint(0, 50));
    Window().ArtworkMouseUp(QPoint(0, 50));
    Control<QSpinBox>(MainControl::kPitchCount)->setValue(4);
    QCOMPARE(Control<QLineEdit>(MainControl::kPitchLength)->text(), QStringLiteral("10.16"));
    QCOMPARE(Control<QLineEdit>(MainControl::kRealDistance)->text(), QStringLiteral("2.54"));
    Control<QPushButton>(MainControl::kCopyPitchLengthButton)->click();
    QCOMPARE(Control<QLineEdit>(MainControl::kRealDistance)->text(), QStringLiteral("10.16"));
    QCOMPARE(Window().Work().PixelSizeMm, 10.16 / 50);
    QCOMPARE(Control<QLineEdit>(MainControl::kPixelSize)->text(), QStringLiteral("0.203"));
  }

  void ValidatingTheScaleOpensVerification() {
    Load(WriteBmp(folder_, QStringLiteral("valid.bmp"), 700, 500));
    Window().EnterScalePhase();
    Window().Work().EngravingBitmap.Fill(kRed);
    // Nothing measured, or a real distance of 0: a pixel of 0 mm would put every move at X0 Y0.
    for (const char* real : {"", "0"}) {
      Control<QLineEdit>(MainControl::kRealDistance)->setText(QString::fromLatin1(real));
      if (*real != '\0') {
        Window().ArtworkMouseDown(QPoint(0, 0));
        Window().ArtworkMouseUp(QPoint(40, 0));
      }
      prompts_.ClearMessages();
      Control<QPushButton>(MainControl::kValidateScaleButton)->click();
      QVERIFY(Window().InScaleMode());
      QCOMPARE(Window().Work().PixelSizeMm, 0.0);
      QCOMPARE(prompts_.Errors().size(), 1);
      QVERIFY2(prompts_.Errors()[0].contains(QStringLiteral("0.000 mm")), qPrintable(prompts_.Errors()[0]));
    }
    Control<QLineEdit>(MainControl::kRealDistance)->setText(QStringLiteral("1"));
    QCOMPARE(Window().Work().PixelSizeMm, 1.0 / 40);
    Control<QPushButton>(MainControl::kValidateScaleButton)->click();
    QVERIFY(!Window().InScaleMode());
    QVERIFY(Control<QGroupBox>(MainControl::kArtworkGroup)->isHidden());
    QVERIFY(Control<QGroupBox>(MainControl::kScalePanel)->isHidden());
    QVERIFY(!Control<QGroupBox>(MainControl::kEngravingGroup)->isHidden());
    QVERIFY(!Control<QGroupBox>(MainControl::kVerificationPanel)->isHidden());
    for (QWidget* w : std::initializer_list<QWidget*>{Control<QPushButton>(MainControl::kRedrawVerificationButton),
                                                      Control<QPushButton>(MainControl::kNextPadButton),
                                                      Control<QPushButton>(MainControl::kPreviousUselessButton),
                                                      Control<QPushButton>(MainControl::kValidateVerificationButton)}) {
      QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    }
    // Without any contour there is nothing to select or flag.
    for (QWidget* w : std::initializer_list<QWidget*>{Control<QSpinBox>(MainControl::kContourNumber),
                                                      Control<QCheckBox>(MainControl::kPadCheck),
                                                      Control<QCheckBox>(MainControl::kUselessCheck)}) {
      QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    }
    QVERIFY(!Control<QPushButton>(MainControl::kValidateScaleButton)->isEnabled());
    QVERIFY(!Control<QLineEdit>(MainControl::kRealDistance)->isEnabled());
    QVERIFY(!Control<LedLamp>(MainControl::kValidateScaleLamp)->Active());
    QVERIFY(Control<LedLamp>(MainControl::kValidateVerificationLamp)->Active());
    // No contour yet: the verification picture is all white.
    QCOMPARE(Window().Work().EngravingBitmap, Bitmap(700, 500, kWhite));
  }

  void SettingsRoundTripThroughParamTxt() {
    // init() found no param.txt: one message, defaults kept.
    QCOMPARE(creation_errors_.size(), 1);
    QCOMPARE(Control<QLineEdit>(MainControl::kDrillingDepth)->text(), QStringLiteral("1.7"));
    QVERIFY(Control<QCheckBox>(MainControl::kSpindleControl)->isChecked());
    QCOMPARE(Control<QComboBox>(MainControl::kLanguageList)->currentText(), QStringLiteral("fr.lng ( Français )"));

    Control<QLineEdit>(MainControl::kEngravingDepth)->setText(QStringLiteral("0.3"));
    Control<QLineEdit>(MainControl::kDrillingFeed)->setText(QStringLiteral("120"));
    Control<QCheckBox>(MainControl::kSpindleControl)->setChecked(false);
    Control<QPushButton>(MainControl::kSaveSettingsButton)->click();
    QFile file(Window().SettingsPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("0.3\r\n1.7\r\n1.5\r\n350\r\n120\r\nFALSE\r\nfr.lng ( Fran\xE7" "ais )\r\n"));
    file.close();

    prompts_.ClearMessages();
    MainWindow again(prompts_, folder_.path());
    QVERIFY(prompts_.Errors().isEmpty());
    QCOMPARE(FindControl<QLineEdit>(again, MainControl::kEngravingDepth)->text(), QStringLiteral("0.3"));
    QCOMPARE(FindControl<QLineEdit>(again, MainControl::kDrillingFeed)->text(), QStringLiteral("120"));
    QVERIFY(!FindControl<QCheckBox>(again, MainControl::kSpindleControl)->isChecked());
    QCOMPARE(FindControl<QComboBox>(again, MainControl::kLanguageList)->currentText(),
             QStringLiteral("fr.lng ( Français )"));

    // A job value that is no number in range: said, naming it, and the built-in value stands in.
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("0.25 X300 Y300\r\n1.7\r\n1.5\r\n350\r\n100\r\nTRUE\r\nfr.lng ( Fran\xE7" "ais )\r\n");
    file.close();
    prompts_.ClearMessages();
    MainWindow slipped(prompts_, folder_.path());
    QCOMPARE(prompts_.Errors().size(), 1);
    QVERIFY(prompts_.Errors()[0].contains(QStringLiteral("X300")));
    QCOMPARE(FindControl<QLineEdit>(slipped, MainControl::kEngravingDepth)->text(), QStringLiteral("0.25"));
  }

  void ProgramOptionsGoIntoTheProgramsAndAreKept() {
    QCOMPARE(Window().CurrentProgramOptions(), ProgramOptions{});  // today's programs by default
    Control<QPushButton>(MainControl::kProgramOptionsButton)->click();
    QDialog* dialog = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == QStringLiteral("ProgramOptionsDialog") && w->isVisible()) dialog = qobject_cast<QDialog*>(w);
    }
    QVERIFY(dialog != nullptr);
    using P = ProgramOptionsControl;
    FindControl<QComboBox>(*dialog, P::kDialectList)->setCurrentIndex(2);
    FindControl<QLineEdit>(*dialog, P::kDrills)->setText(QStringLiteral("0.8,1.0"));
    FindControl<QLineEdit>(*dialog, P::kSpindleRpm)->setText(QStringLiteral("12 000"));
    FindControl<QPushButton>(*dialog, P::kConfirmButton)->click();
    // A value no program could take: said, the dialog stays open, nothing changes.
    QCOMPARE(prompts_.Errors().size(), 1);
    QVERIFY(dialog->isVisible());
    QCOMPARE(Window().CurrentProgramOptions(), ProgramOptions{});

    FindControl<QLineEdit>(*dialog, P::kSpindleRpm)->setText(QStringLiteral("12000"));
    FindControl<QPushButton>(*dialog, P::kConfirmButton)->click();
    QVERIFY(!dialog->isVisible());
    const JobParameters parameters = Window().JobParametersFromControls();
    QCOMPARE(parameters.TargetDialect, Dialect::Grbl);
    QCOMPARE(parameters.SpindleRpm, std::string("12000"));
    QCOMPARE(parameters.Drills, std::string("0.8,1.0"));
    // Kept for the next run.
    MainWindow again(prompts_, folder_.path());
    QCOMPARE(again.CurrentProgramOptions(), Window().CurrentProgramOptions());
    UserSettings().clear();
  }

  void KeyFilterOnTheNumericBoxes() {
    QLineEdit* depth = Control<QLineEdit>(MainControl::kEngravingDepth);
    QLineEdit* feed = Control<QLineEdit>(MainControl::kEngravingFeed);
    for (QLineEdit* e : {depth, feed}) {
      e->setEnabled(true);
      e->clear();
    }
    QTest::keyClicks(depth, QStringLiteral("1a.5.-,2"));
    QCOMPARE(depth->text(), QStringLiteral("1.52"));
    QTest::keyClick(depth, Qt::Key_Backspace);
    QCOMPARE(depth->text(), QStringLiteral("1.5"));
    QTest::keyClicks(feed, QStringLiteral("35.0x"));
    QCOMPARE(feed->text(), QStringLiteral("350"));

    // The separator is the locale's at the time of the key press.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    depth->clear();
    QTest::keyClicks(depth, QStringLiteral("0.2,5,"));
    QCOMPARE(depth->text(), QStringLiteral("02,5"));

    // Spin boxes are not plain edits: every typed character is swallowed.
    Control<QSpinBox>(MainControl::kDrillMarkSize)->setEnabled(true);
    QTest::keyClicks(Control<QSpinBox>(MainControl::kDrillMarkSize), QStringLiteral("7"));
    QCOMPARE(Control<QSpinBox>(MainControl::kDrillMarkSize)->value(), 2);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
