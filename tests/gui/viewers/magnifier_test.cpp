// The magnifier: the two shaped windows shown and closed, dragging, the pop-up menu and the
// settings window with loupe.dat (all in the current directory, a fresh folder per test).
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "core/windows/magnifier_controls.h"
#include "gui/adapters/scripted_prompts.h"
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

using S = MagnifierSettingsControl;
using G = MagnifierGlassControl;
using M = MagnifierMaskControl;

// The three magnifier windows over a stand-in for the main window, made in the order the
// start-up makes them.
struct Magnifier {
  Magnifier() : mask(prompts, source), settings(prompts, mask), glass(prompts, mask, settings) {
    source.resize(640, 480);
  }
  QLabel* Enlarged() const { return FindControl<QLabel>(mask, M::kEnlargedPicture); }
  QSlider* Zoom() const { return FindControl<QSlider>(settings, S::kZoomSlider); }
  QString Shown(S role) const { return FindControl<QLineEdit>(settings, role)->text(); }

  ScriptedPrompts prompts;
  QWidget source;
  MagnifierMask mask;
  MagnifierSettingsDialog settings;
  MagnifierGlass glass;
};

QString FromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

template <typename Role>
QString BuiltIn(Role role) {
  for (const ControlName<Role>& row : TableOf(role).Rows()) {
    if (row.role == role) return FromView(row.built_in);
  }
  return {};
}

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

  void ShowingShapesBothWindowsByTheirPictures() {
    WriteBothPictures();
    Magnifier m;
    QSignalSpy closed(&m.glass, &MagnifierGlass::Closed);

    QVERIFY(m.glass.ShowMagnifier());
    QVERIFY2(m.prompts.Errors().isEmpty(), qPrintable(m.prompts.Errors().join(QStringLiteral("; "))));
    QVERIFY(m.glass.isVisible());
    QVERIFY(m.mask.isVisible());
    QCOMPARE(m.glass.size(), QSize(20, 10));
    QCOMPARE(m.mask.size(), QSize(20, 10));
    QCOMPARE(m.glass.pos(), QPoint(0, 0));
    QCOMPARE(m.mask.pos(), QPoint(0, 0));
    QVERIFY((m.mask.mask() ^ QRegion(4, 2, 12, 6)).isEmpty());
    // The magnifier's black hole is see-through: outside its window, inside the mask's.
    QVERIFY((m.glass.mask() ^ (QRegion(4, 2, 12, 6) - QRegion(8, 4, 4, 2))).isEmpty());

    // No loupe.dat: said once in the run, as information.
    QCOMPARE(m.prompts.Infos().size(), 1);
    QVERIFY(m.prompts.Infos()[0].contains(QStringLiteral("loupe.dat")));

    // Closed by the main window: both go, without a word back.
    m.glass.CloseMagnifier();
    QVERIFY(!m.glass.isVisible());
    QVERIFY(!m.mask.isVisible());
    QVERIFY(m.glass.ShowMagnifier());
    QVERIFY(m.glass.isVisible());
    QCOMPARE(m.prompts.Infos().size(), 1);
    QCOMPARE(closed.count(), 0);
  }

  void ShippedPicturesAreFoundBesideTheProgram() {
    Magnifier m;
    QVERIFY(m.glass.ShowMagnifier());
    QVERIFY2(m.prompts.Errors().isEmpty(), qPrintable(m.prompts.Errors().join(QStringLiteral("; "))));
    QCOMPARE(m.glass.size(), m.mask.size());
    // The enlarged picture's centre: inside the mask, see-through in the magnifier's glass.
    const QPoint centre = m.Enlarged()->geometry().center();
    QVERIFY(m.mask.mask().contains(centre));
    QVERIFY(!m.glass.mask().contains(centre));
    QVERIFY(!m.glass.mask().contains(QPoint(0, 0)));
    QVERIFY(!m.mask.mask().contains(QPoint(0, 0)));
    // The frame around the glass belongs to the magnifier.
    QVERIFY(m.glass.mask().contains(centre + QPoint(0, 112)));
  }

  void UnreadablePictureIsReportedAndTheMagnifierClosesItself() {
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
      Magnifier m;
      QSignalSpy closed(&m.glass, &MagnifierGlass::Closed);
      QVERIFY2(!m.glass.ShowMagnifier(), c.name);
      QVERIFY2(m.prompts.Errors().size() == 1, c.name);
      QVERIFY2(m.prompts.Errors()[0].contains(bad), c.name);
      QVERIFY2(closed.count() == 1, c.name);
      QVERIFY2(!m.glass.isVisible(), c.name);
      QVERIFY2(!m.mask.isVisible(), c.name);
    }

    // A picture far larger than any screen (a small file: one bit per pixel) is refused.
    WriteBothPictures();
    QImage huge(5000, 4000, QImage::Format_Mono);
    huge.fill(1);
    QVERIFY(huge.save(QStringLiteral("loupe.bmp"), "BMP"));
    Magnifier m;
    QSignalSpy closed(&m.glass, &MagnifierGlass::Closed);
    QVERIFY(!m.glass.ShowMagnifier());
    QCOMPARE(m.prompts.Errors().size(), 1);
    QVERIFY(m.prompts.Errors()[0].contains(QStringLiteral("5000 x 4000")));
    QCOMPARE(closed.count(), 1);
    QVERIFY(!m.mask.isVisible());
  }

  void FinelyCutPictureIsShapedQuickly() {
    // A checkerboard: one rectangle per pixel that is not red, 80 000 of them.
    QImage board(400, 400, QImage::Format_RGB888);
    for (int y = 0; y < 400; ++y)
      for (int x = 0; x < 400; ++x) board.setPixel(x, y, (x + y) % 2 ? kTestRed : kTestGrey);
    QVERIFY(board.save(QStringLiteral("masque.bmp"), "BMP"));
    WritePicture(QStringLiteral("loupe.bmp"), true);
    Magnifier m;
    QElapsedTimer clock;
    clock.start();
    m.glass.ShowMagnifier();
    QVERIFY2(clock.elapsed() < 5000, "shaping took too long");
    QVERIFY(m.prompts.Errors().isEmpty());
    const QRegion shape = m.mask.mask();
    QCOMPARE(shape.rectCount(), 80000);
    QVERIFY(shape.contains(QPoint(0, 0)));
    QVERIFY(!shape.contains(QPoint(1, 0)));
    QVERIFY(shape.contains(QPoint(399, 399)));
  }

  void DraggingMovesBothWindowsAndTheMenuClosesOrOpensTheSettings() {
    WriteBothPictures();
    Magnifier m;
    QSignalSpy closed(&m.glass, &MagnifierGlass::Closed);
    m.glass.ShowMagnifier();

    // A move without a press does nothing; a press then a move 10 pixels right drags.
    m.glass.DragTo(QPoint(30, 5));
    QCOMPARE(m.glass.pos(), QPoint(0, 0));
    m.glass.StartDrag(QPoint(5, 5));
    m.glass.DragTo(QPoint(15, 5));
    QCOMPARE(m.glass.pos(), QPoint(10, 0));
    QCOMPARE(m.mask.pos(), QPoint(10, 0));
    m.glass.DragTo(QPoint(5, 12));  // the anchor stays where the press was in the window
    QCOMPARE(m.glass.pos(), QPoint(10, 7));
    QCOMPARE(m.mask.pos(), QPoint(10, 7));
    m.glass.EndDrag();
    m.glass.DragTo(QPoint(40, 40));
    QCOMPARE(m.glass.pos(), QPoint(10, 7));

    // The menu holds the two entries of the table, with their captions.
    QCOMPARE(FindControl<QMenu>(m.glass, G::kMenu)->actions().size(), 2);
    for (G entry : {G::kCloseEntry, G::kOptionEntry}) {
      QCOMPARE(FindControl<QAction>(m.glass, entry)->text(), BuiltIn(entry));
    }
    FindControl<QAction>(m.glass, G::kOptionEntry)->trigger();
    QVERIFY(m.settings.isVisible());
    QVERIFY(!m.settings.isModal());
    FindControl<QAction>(m.glass, G::kCloseEntry)->trigger();
    QVERIFY(!m.glass.isVisible());
    QVERIFY(!m.mask.isVisible());
    QCOMPARE(closed.count(), 1);  // the main window's toggle goes up
  }

  void RefreshCopiesTheSquareAroundThePointerEnlarged() {
    WriteBothPictures();
    Magnifier m;
    auto* timer = FindControl<QTimer>(m.mask, M::kRefreshTimer);
    QCOMPARE(timer->interval(), 100);
    QVERIFY(timer->isActive());
    m.glass.ShowMagnifier();
    m.mask.SetHalfSide(48);
    m.mask.Refresh();
    const LoupeSquare square = m.mask.LastSource();
    QCOMPARE(square.width, 96);
    QCOMPARE(square.height, 96);
    // Centred on the pointer, in the source window's client coordinates.
    const QPoint pointer = m.source.mapFromGlobal(QCursor::pos());
    QCOMPARE(QPoint(square.left + 48, square.top + 48), pointer);
    QCOMPARE(m.Enlarged()->pixmap().size(), QSize(220, 220));

    // A green patch of the source under the pointer fills the middle of the enlarged picture.
    auto* patch = new QWidget(&m.source);
    patch->setGeometry(300, 200, 10, 10);
    patch->setAutoFillBackground(true);
    QPalette palette = patch->palette();
    palette.setColor(QPalette::Window, QColor(0, 255, 0));
    patch->setPalette(palette);
    patch->show();
    QCursor::setPos(m.source.mapToGlobal(QPoint(305, 205)));
    if (m.source.mapFromGlobal(QCursor::pos()) != QPoint(305, 205)) QSKIP("the platform cannot place the pointer");
    m.mask.Refresh();
    const QImage enlarged = m.Enlarged()->pixmap().toImage();
    QCOMPARE(QColor(enlarged.pixel(110, 110)), QColor(0, 255, 0));
    // 10 source pixels are 22 enlarged ones at c = 48 (220 / 96 each): the patch ends there.
    QCOMPARE(QColor(enlarged.pixel(110 + 8, 110 + 8)), QColor(0, 255, 0));
    QVERIFY(QColor(enlarged.pixel(110 + 16, 110)) != QColor(0, 255, 0));
    QVERIFY(QColor(enlarged.pixel(110 - 16, 110)) != QColor(0, 255, 0));
  }

  void SettingsWindowActsAtOnceSavesAndCancels() {
    Magnifier m;
    // Every control of the table is there, with its built-in caption.
    QCOMPARE(m.settings.objectName(), FromView(MagnifierSettingsControls().WindowName()));
    for (const ControlName<S>& row : MagnifierSettingsControls().Rows()) {
      if (row.role == S::kWindow) {
        QCOMPARE(m.settings.windowTitle(), FromView(row.built_in));
        continue;
      }
      QObject* control = FindControl(m.settings, row.role);
      QVERIFY2(control != nullptr, row.object_name.data());
      if (!row.built_in.empty()) QCOMPARE(control->property("text").toString(), FromView(row.built_in));
    }
    auto* offset_x = FindControl<QSpinBox>(m.settings, S::kOffsetXArrows);
    auto* offset_y = FindControl<QSpinBox>(m.settings, S::kOffsetYArrows);

    // No loupe.dat: the settings as shipped, without a message.
    QVERIFY(m.prompts.Errors().isEmpty());
    QCOMPARE(m.Zoom()->value(), 1);
    QCOMPARE(m.Shown(S::kZoomEdit), QStringLiteral("100"));
    QCOMPARE(m.mask.HalfSide(), 50);
    QCOMPARE(m.Enlarged()->pos(), QPoint(55, 27));

    struct Zoom {
      int position;
      int half_side;
      const char* shown;
    };
    for (const Zoom& z : {Zoom{50, 1, "5000"}, Zoom{3, 48, "104"}, Zoom{1, 50, "100"}}) {
      m.Zoom()->setValue(z.position);
      QCOMPARE(m.Shown(S::kZoomEdit), QString::fromLatin1(z.shown));
      QCOMPARE(m.mask.HalfSide(), z.half_side);
    }
    offset_x->setValue(-55);
    offset_y->setValue(-27);
    QCOMPARE(m.Shown(S::kOffsetXEdit), QStringLiteral("-55"));
    QCOMPARE(m.Shown(S::kOffsetYEdit), QStringLiteral("-27"));
    QCOMPARE(m.Enlarged()->pos(), QPoint(0, 0));

    m.Zoom()->setValue(3);
    m.settings.show();
    FindControl<QPushButton>(m.settings, S::kSaveButton)->click();
    QVERIFY(!m.settings.isVisible());
    QCOMPARE(ReadText(QStringLiteral("loupe.dat")), QByteArray("3\r\n104\r\n-55\r\n-27\r\n"));

    // Moved again, then "Annuler": the saved zoom and offsets are back at once.
    m.Zoom()->setValue(40);
    offset_x->setValue(12);
    QCOMPARE(m.mask.HalfSide(), 11);
    m.settings.show();
    FindControl<QPushButton>(m.settings, S::kCancelButton)->click();
    QVERIFY(!m.settings.isVisible());
    QCOMPARE(m.Zoom()->value(), 3);
    QCOMPARE(m.Shown(S::kZoomEdit), QStringLiteral("104"));
    QCOMPARE(m.mask.HalfSide(), 48);
    QCOMPARE(m.Shown(S::kOffsetXEdit), QStringLiteral("-55"));
    QCOMPARE(m.Enlarged()->pos(), QPoint(0, 0));
    QVERIFY(m.prompts.Errors().isEmpty());

    // With loupe.dat saved, showing the magnifier has nothing to say.
    WriteBothPictures();
    QVERIFY(m.glass.ShowMagnifier());
    QVERIFY(m.prompts.Infos().isEmpty());
    QVERIFY(m.prompts.Errors().isEmpty());
  }

  void SettingsFileIsReadAtStartAndABadOneReportedOnce() {
    WriteText(QStringLiteral("loupe.dat"), "10\r\n123\r\n5\r\n-7\r\n");
    {
      Magnifier m;
      QCOMPARE(m.mask.HalfSide(), 41);
      QCOMPARE(m.Enlarged()->pos(), QPoint(60, 20));
      QCOMPARE(m.Zoom()->value(), 10);
      QCOMPARE(m.Shown(S::kZoomEdit), QStringLiteral("123"));  // as stored
      QCOMPARE(m.Shown(S::kOffsetXEdit), QStringLiteral("5"));
      QCOMPARE(m.Shown(S::kOffsetYEdit), QStringLiteral("-7"));
      QVERIFY(m.prompts.Errors().isEmpty());
    }
    WriteText(QStringLiteral("loupe.dat"), "7\r\n");
    Magnifier m;
    int loupe_messages = 0;
    for (const QString& error : m.prompts.Errors()) loupe_messages += error.contains(QStringLiteral("loupe.dat"));
    QCOMPARE(loupe_messages, 1);
    QCOMPARE(m.mask.HalfSide(), 44);  // line 1 was read before the fault
  }
};

QTEST_MAIN(MagnifierTest)
#include "magnifier_test.moc"
