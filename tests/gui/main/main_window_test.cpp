// The main window: controls, loading, panning, the scale step, param.txt, the key filter.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "core/artwork/view_geometry.h"
#include "gui/adapters/scripted_prompts.h"
#include "gui/app/startup.h"
#include "gui/main/main_window.h"
#include "gui/widgets/bitmap_view.h"
#include "gui/widgets/led_lamp.h"

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
QMap<QString, bool> EnabledStates(MainWindow& form) {
  QMap<QString, bool> states;
  for (QWidget* w : form.findChildren<QWidget*>()) {
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
  std::unique_ptr<MainWindow> form_;
  QStringList creation_errors_;  // messages shown while the window was created

  MainWindow& Form() { return *form_; }
  void Load(const QString& path) {
    prompts_.QueueFileName(path);
    Form().BitBtn1->click();
  }

 private slots:
  void initTestCase() {
    ApplyUiFont();
    QLocale::setDefault(QLocale::c());
  }

  void init() {
    prompts_.ClearMessages();
    form_ = std::make_unique<MainWindow>(prompts_, folder_.path());
    creation_errors_ = prompts_.Errors();
    prompts_.ClearMessages();
  }

  void cleanup() {
    form_.reset();
    QFile::remove(folder_.filePath(QStringLiteral("param.txt")));
    QLocale::setDefault(QLocale::c());
  }

  void EveryControlHasItsNameAndCaption() {
    const std::pair<const char*, const char*> captions[] = {
        {"GroupBox1", "Typon d'origine"},
        {"GroupBox2", "Gravure anglaise"},
        {"GroupBox8", "Contrôle général"},
        {"BitBtn1", "&Charger le typon d'origine"},
        {"Button5", "&Charger fichier gravure ( *.grv )"},
        {"BitBtn3", "&Stop !"},
        {"GroupBox4", "Réglages généraux"},
        {"Label20", "Taille des trous de perçages :"},
        {"Label3", "Nbr points max par pastilles :"},
        {"BitBtn2", "&Traiter le typon d'origine"},
        {"BitBtn15", "Pré-traitement Typon ( en phase de codage )"},
        {"BitBtn14", "Traitement polygonale"},
        {"BitBtn11", "A Propos de ..."},
        {"BitBtn12", "&Module de Gravure"},
        {"Label25", "Profondeur de gravure : "},
        {"Label30", "Profondeur de perçage :"},
        {"Label26", "Distance de retrait :"},
        {"Label4", "Vitesse de gravure :"},
        {"Label33", "Vitesse perçage :"},
        {"CheckBox3", "Gestion de la broche"},
        {"Label29", "mm"},
        {"Label31", "mm"},
        {"Label27", "mm"},
        {"Label32", "mm/min"},
        {"Label34", "mm/min"},
        {"Label8", "Choix de la langue :"},
        {"GroupBox3", "Vérification du résultat"},
        {"Label21", "Nombre de pistes utiles : "},
        {"Label22", "Nombre de perçages :"},
        {"Label5", "N° de piste :"},
        {"Button1", "Epaissir les pistes "},
        {"Button2", "Crénelage"},
        {"CheckBox1", "Pastille"},
        {"CheckBox2", "Inutile"},
        {"Button3", "&Vérifier le fichier de gravure"},
        {"BitBtn9", "Valide"},
        {"BitBtn8", "Valide"},
        {"Label9", "Click droit sur l'objet a sélectionner"},
        {"Button6", "Pastille suivante"},
        {"Button9", "Pastille précédente"},
        {"Button7", "Piste utile suivante"},
        {"Button10", "Piste utile précédente"},
        {"Button8", "Piste inutile suivante"},
        {"Button11", "Piste inutile précédente"},
        {"GroupBox6", "Simulation et génération du g-code"},
        {"BitBtn10", "&Sauvegarde du fichier de gravure ( *.grv )"},
        {"BitBtn5", "&Simulation gravure"},
        {"BitBtn6", "Générer G-CODE (gravure )"},
        {"BitBtn4", "&Simulation perçage"},
        {"BitBtn7", "Générer G-CODE ( perçage )"},
        {"GroupBox5", "Mise à l'échelle"},
        {"Label1", "Distance sur l'image en pixel :"},
        {"Label2", "Distance réelle en mm :   "},
        {"Label28", "Taille d'un pixel en mm : "},
        {"Label6", "* 2,54 = "},
        {"BitBtn16", "Sauve les paramètres"},
    };
    for (const auto& [name, caption] : captions) {
      QWidget* w = Form().findChild<QWidget*>(QString::fromLatin1(name));
      QVERIFY2(w != nullptr, name);
      QCOMPARE(Caption(w), QString::fromUtf8(caption));
    }
    for (const char* name : {"Image1", "Image2", "ScrollBar1", "ScrollBar2", "ScrollBar3", "ScrollBar4", "Gauge1",
                             "Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9",
                             "SpinEdit1", "SpinEdit2", "SpinEdit3", "SpinEdit4", "SpinEdit5", "SpinEdit6",
                             "ComboBox1", "SpeedButton1", "BitBtn13", "Label23", "Label24", "Memo1", "Memo2",
                             "cyAdvLed2", "cyAdvLed3", "cyAdvLed4", "cyAdvLed5", "cyAdvLed6", "cyAdvLed7",
                             "cyAdvLed8"}) {
      QVERIFY2(Form().findChild<QWidget*>(QString::fromLatin1(name)) != nullptr, name);
    }
    // Every control the step changes switch exists, with the expected kind for lamps.
    for (std::string_view name : AllStepControlNames()) {
      const QString object_name = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
      QWidget* w = Form().findChild<QWidget*>(object_name);
      QVERIFY2(w != nullptr, qPrintable(object_name));
      if (name.starts_with("cyAdvLed")) QVERIFY2(qobject_cast<LedLamp*>(w) != nullptr, qPrintable(object_name));
    }
    QVERIFY(!Form().Button2->isHidden());  // "Crénelage" is offered in the verification group
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             Form().BitBtn14, Form().BitBtn15, Form().Button6, Form().Button7, Form().Button8,
             Form().Button9, Form().Button10, Form().Button11, Form().Memo1, Form().Memo2}) {
      QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
    }
    struct Spin {
      QSpinBox* box;
      int minimum, maximum, value, step;
    } spins[] = {{Form().SpinEdit2, 2, 100, 20, 1}, {Form().SpinEdit3, 1, 50, 1, 1},
                 {Form().SpinEdit4, 0, 20, 2, 1},   {Form().SpinEdit5, 0, 100, 50, 1},
                 {Form().SpinEdit6, 0, 10000, 50, 50}};
    for (const Spin& s : spins) {
      QCOMPARE(s.box->minimum(), s.minimum);
      QCOMPARE(s.box->maximum(), s.maximum);
      QCOMPARE(s.box->value(), s.value);
      QCOMPARE(s.box->singleStep(), s.step);
    }
    QCOMPARE(Form().Image1->size(), QSize(kViewWidth, kViewHeight));
    QCOMPARE(Form().Image2->size(), QSize(kViewWidth, kViewHeight));
    // First step: artwork view and general settings; processing waits for an artwork.
    QVERIFY(!Form().GroupBox1->isHidden());
    QVERIFY(Form().GroupBox2->isHidden());
    QVERIFY(!Form().GroupBox4->isHidden());
    QVERIFY(!Form().BitBtn2->isEnabled());
    QVERIFY(!Form().SpinEdit4->isEnabled());
    QVERIFY(!Form().CheckBox3->isEnabled());
    for (QLineEdit* typed : {Form().Edit4, Form().Edit5, Form().Edit6, Form().Edit7, Form().Edit8}) {
      QVERIFY2(typed->isEnabled(), qPrintable(typed->objectName()));
    }
    QVERIFY(Form().cyAdvLed2->Active());
  }

  void LoadingAnArtworkOpensTheProcessingStep() {
    const QString path = WriteBmp(folder_, QStringLiteral("board.bmp"), 800, 600);
    Load(path);
    QVERIFY(prompts_.Errors().isEmpty());
    QCOMPARE(prompts_.LastFilter(), QStringLiteral("Images BitMap(*.bmp);;Images Gif (*.gif)"));
    QCOMPARE(Form().windowTitle(), QStringLiteral("Pistora (") + path + QLatin1Char(')'));

    const Workspace& ws = Form().Work();
    QCOMPARE(ws.ArtworkBitmap.Width(), 800);
    QCOMPARE(ws.ArtworkBitmap.Height(), 600);
    QCOMPARE(ws.ArtworkBitmap.At(300, 200), (Rgb{300 % 256, 200, 7}));
    QCOMPARE(ws.EngravingBitmap, Bitmap(800, 600, kWhite));

    for (QScrollBar* bar : {Form().ScrollBar1, Form().ScrollBar3}) QCOMPARE(bar->maximum(), 800 - 561 - 1);
    for (QScrollBar* bar : {Form().ScrollBar2, Form().ScrollBar4}) QCOMPARE(bar->maximum(), 600 - 441 - 1);
    QCOMPARE(Form().Gauge1->maximum(), 600);
    QCOMPARE(Form().Gauge1->value(), 0);

    QVERIFY(!Form().GroupBox1->isHidden());
    QVERIFY(!Form().GroupBox4->isHidden());
    for (QGroupBox* g : {Form().GroupBox2, Form().GroupBox3, Form().GroupBox5, Form().GroupBox6}) {
      QVERIFY(g->isHidden());
    }
    QVERIFY(Form().BitBtn2->isEnabled());
    QVERIFY(Form().SpinEdit4->isEnabled());
    QVERIFY(Form().SpinEdit2->isEnabled());
    QVERIFY(!Form().cyAdvLed2->Active());
    QVERIFY(Form().cyAdvLed4->Active());
    for (LedLamp* lamp : {Form().cyAdvLed5, Form().cyAdvLed6, Form().cyAdvLed7, Form().cyAdvLed8}) {
      QVERIFY(!lamp->Active());
    }
    for (QWidget* w : std::initializer_list<QWidget*>{
             Form().Button3, Form().Button6, Form().Button11, Form().BitBtn9, Form().SpinEdit1, Form().CheckBox1,
             Form().CheckBox2, Form().Edit3, Form().BitBtn8, Form().BitBtn10, Form().BitBtn5, Form().BitBtn4,
             Form().BitBtn6, Form().BitBtn7, Form().SpinEdit5, Form().SpinEdit6, Form().CheckBox3}) {
      QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    }
    QVERIFY(!Form().ScaleMode);
    // The view shows the top-left corner, unscaled.
    QCOMPARE(Form().Image1->Picture().size(), QSize(kViewWidth, kViewHeight));
    QCOMPARE(Form().Image1->Picture().pixel(10, 20), qRgb(10, 20, 7));
  }

  void SmallArtworkGetsScrollMaximaOfOne() {
    Load(WriteBmp(folder_, QStringLiteral("small.bmp"), 100, 50));
    for (QScrollBar* bar : {Form().ScrollBar1, Form().ScrollBar2, Form().ScrollBar3, Form().ScrollBar4}) {
      QCOMPARE(bar->maximum(), 1);
      QCOMPARE(bar->value(), 0);
    }
    // Outside the picture the view is white.
    QCOMPARE(Form().Image1->Picture().pixel(200, 100), qRgb(255, 255, 255));
  }

  void CancelledOrRejectedFileChangesNothing() {
    Load(WriteBmp(folder_, QStringLiteral("first.bmp"), 600, 500));
    Form().EnterScalePhase();
    const QString title = Form().windowTitle();
    const Bitmap artwork = Form().Work().ArtworkBitmap;
    const QMap<QString, bool> states = EnabledStates(Form());

    Load(QString());  // cancelled dialog
    QCOMPARE(Form().windowTitle(), title);
    QVERIFY(prompts_.Errors().isEmpty());

    QFile bad(folder_.filePath(QStringLiteral("bad.bmp")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("BM this is not a picture");
    bad.close();
    Load(bad.fileName());
    QCOMPARE(prompts_.Errors().size(), 1);
    QCOMPARE(Form().windowTitle(), title);
    QCOMPARE(Form().Work().ArtworkBitmap, artwork);
    QCOMPARE(EnabledStates(Form()), states);
    QVERIFY(Form().ScaleMode);
    QVERIFY(!Form().GroupBox5->isHidden());
  }

  void PanningFollowsThePointerWithinTheScrollRange() {
    Load(WriteBmp(folder_, QStringLiteral("pan.bmp"), 800, 600));  // maxima 238 and 158
    // Real mouse events through the view: press, move with the button held, release.
    QTest::mousePress(Form().Image1, Qt::LeftButton, {}, QPoint(300, 300));
    QMouseEvent move(QEvent::MouseMove, QPointF(200, 250), QPointF(200, 250), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(Form().Image1, &move);
    QCOMPARE(Form().ScrollBar1->value(), 100);
    QCOMPARE(Form().ScrollBar2->value(), 50);
    QCOMPARE(Form().Image1->Picture().pixel(0, 0), qRgb(100, 50, 7));
    QTest::mouseRelease(Form().Image1, Qt::LeftButton, {}, QPoint(100, 250));
    QCOMPARE(Form().ScrollBar1->value(), 200);
    QCOMPARE(Form().ScrollBar2->value(), 50);

    struct Step {
      const char* name;
      QPoint to;
      int h, v;
    } steps[] = {
        {"past the maximum", QPoint(-400, -400), 238, 158},
        {"back a little", QPoint(-390, -380), 228, 138},
        {"past the start", QPoint(500, 500), 0, 0},
    };
    Form().Image1MouseDown(QPoint(0, 0));
    for (const Step& s : steps) {
      Form().Image1MouseMove(s.to);
      QVERIFY2(Form().ScrollBar1->value() == s.h, s.name);
      QVERIFY2(Form().ScrollBar2->value() == s.v, s.name);
    }
    Form().Image1MouseUp(QPoint(500, 500));
    Form().Image1MouseMove(QPoint(0, 0));  // no button held: nothing moves
    QCOMPARE(Form().ScrollBar1->value(), 0);

    // The engraving view pans the same way with its own scroll bars.
    Form().Image2MouseDown(QPoint(50, 50));
    Form().Image2MouseMove(QPoint(20, 40));
    Form().Image2MouseUp(QPoint(20, 40));
    QCOMPARE(Form().ScrollBar3->value(), 30);
    QCOMPARE(Form().ScrollBar4->value(), 10);
    QCOMPARE(Form().ScrollBar1->value(), 0);
  }

  void MeasuringSetsThePixelSize() {
    Load(WriteBmp(folder_, QStringLiteral("measure.bmp"), 800, 600));
    const Bitmap original = Form().Work().ArtworkBitmap;
    Form().EnterScalePhase();
    QVERIFY(Form().ScaleMode);
    QVERIFY(Form().Edit3->isEnabled());
    QVERIFY(Form().BitBtn8->isEnabled());
    QVERIFY(!Form().BitBtn2->isEnabled());
    QVERIFY(Form().cyAdvLed8->Active());
    QVERIFY(!Form().cyAdvLed4->Active());
    QVERIFY(Form().GroupBox4->isHidden());
    QVERIFY(!Form().GroupBox5->isHidden());

    // Scrolled by (20, 10): the line runs from bitmap pixel (30, 20) to (130, 20).
    Form().ScrollBar1->setValue(20);
    Form().ScrollBar2->setValue(10);
    Form().Image1MouseDown(QPoint(10, 10));
    Form().Image1MouseMove(QPoint(60, 10));
    Form().Image1MouseMove(QPoint(110, 10));
    Form().Image1MouseUp(QPoint(110, 10));
    QCOMPARE(Form().ScrollBar1->value(), 20);  // measuring does not pan
    QCOMPARE(Form().Edit2->text(), QStringLiteral("100.0000"));
    QCOMPARE(Form().Edit1->text(), QStringLiteral("0.025"));
    QCOMPARE(Form().Work().PixelSizeMm, 0.0254);

    const Bitmap& drawn = Form().Work().ArtworkBitmap;
    int changed = 0;
    for (int row = 0; row < drawn.Height(); ++row)
      for (int x = 0; x < drawn.Width(); ++x) changed += !(drawn.At(x, row) == original.At(x, row));
    QCOMPARE(changed, 101);
    QCOMPARE(drawn.At(30, 20).r, static_cast<std::uint8_t>(original.At(30, 20).r ^ 255));
    QCOMPARE(Form().Image1->Picture().pixel(10, 10), qRgb(30 ^ 255, 20, 7));

    // The next press erases the line; a click without moving measures 0, which keeps the size.
    Form().Image1MouseDown(QPoint(5, 5));
    QCOMPARE(Form().Work().ArtworkBitmap, original);
    Form().Image1MouseUp(QPoint(5, 5));
    QCOMPARE(Form().Edit2->text(), QStringLiteral("0.0000"));
    QCOMPARE(Form().Work().PixelSizeMm, 0.0254);
    QCOMPARE(Form().Edit1->text(), QStringLiteral("0.025"));
  }

  void PitchCalculatorFillsTheRealDistance() {
    Load(WriteBmp(folder_, QStringLiteral("pitch.bmp"), 100, 100));
    Form().EnterScalePhase();
    Form().Image1MouseDown(QPoint(0, 0));
    Form().Image1MouseMove(QPoint(0, 50));
    Form().Image1MouseUp(QPoint(0, 50));
    Form().SpinEdit3->setValue(4);
    QCOMPARE(Form().Edit9->text(), QStringLiteral("10.16"));
    QCOMPARE(Form().Edit3->text(), QStringLiteral("2.54"));
    Form().BitBtn13->click();
    QCOMPARE(Form().Edit3->text(), QStringLiteral("10.16"));
    QCOMPARE(Form().Work().PixelSizeMm, 10.16 / 50);
    QCOMPARE(Form().Edit1->text(), QStringLiteral("0.203"));
  }

  void ValidatingTheScaleOpensVerification() {
    Load(WriteBmp(folder_, QStringLiteral("valid.bmp"), 700, 500));
    Form().EnterScalePhase();
    Form().Work().EngravingBitmap.Fill(kRed);
    Form().BitBtn8->click();
    QVERIFY(!Form().ScaleMode);
    QVERIFY(Form().GroupBox1->isHidden());
    QVERIFY(Form().GroupBox5->isHidden());
    QVERIFY(!Form().GroupBox2->isHidden());
    QVERIFY(!Form().GroupBox3->isHidden());
    for (QWidget* w : std::initializer_list<QWidget*>{Form().Button3, Form().Button6, Form().Button11,
                                                      Form().BitBtn9}) {
      QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    }
    // Without any contour there is nothing to select or flag.
    for (QWidget* w : std::initializer_list<QWidget*>{Form().SpinEdit1, Form().CheckBox1, Form().CheckBox2}) {
      QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    }
    QVERIFY(!Form().BitBtn8->isEnabled());
    QVERIFY(!Form().Edit3->isEnabled());
    QVERIFY(!Form().cyAdvLed8->Active());
    QVERIFY(Form().cyAdvLed7->Active());
    // No contour yet: the verification picture is all white.
    QCOMPARE(Form().Work().EngravingBitmap, Bitmap(700, 500, kWhite));
  }

  void SettingsRoundTripThroughParamTxt() {
    // init() found no param.txt: one message, defaults kept.
    QCOMPARE(creation_errors_.size(), 1);
    QCOMPARE(Form().Edit6->text(), QStringLiteral("1.7"));
    QVERIFY(Form().CheckBox3->isChecked());
    QCOMPARE(Form().ComboBox1->currentText(), QStringLiteral("fr.lng ( Français )"));

    Form().Edit4->setText(QStringLiteral("0.3"));
    Form().Edit8->setText(QStringLiteral("120"));
    Form().CheckBox3->setChecked(false);
    Form().BitBtn16->click();
    QFile file(Form().SettingsPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("0.3\r\n1.7\r\n1.5\r\n350\r\n120\r\nFALSE\r\nfr.lng ( Fran\xE7" "ais )\r\n"));
    file.close();

    prompts_.ClearMessages();
    MainWindow again(prompts_, folder_.path());
    QVERIFY(prompts_.Errors().isEmpty());
    QCOMPARE(again.Edit4->text(), QStringLiteral("0.3"));
    QCOMPARE(again.Edit8->text(), QStringLiteral("120"));
    QVERIFY(!again.CheckBox3->isChecked());
    QCOMPARE(again.ComboBox1->currentText(), QStringLiteral("fr.lng ( Français )"));
  }

  void KeyFilterOnTheNumericBoxes() {
    QLineEdit* depth = Form().Edit4;
    QLineEdit* feed = Form().Edit7;
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
    Form().SpinEdit4->setEnabled(true);
    QTest::keyClicks(Form().SpinEdit4, QStringLiteral("7"));
    QCOMPARE(Form().SpinEdit4->value(), 2);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
