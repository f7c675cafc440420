// The main window's creation, job settings and links to the other windows.
#include "gui/main/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>

#include "gui/adapters/numeric_key_filter_adapter.h"
#include "gui/adapters/prompts.h"
#include "gui/app/app_windows.h"
#include "gui/machine/machine_window.h"
#include "gui/main/about_dialog.h"
#include "gui/viewers/magnifier_glass.h"
#include "gui/viewers/magnifier_mask.h"
#include "gui/widgets/bitmap_view.h"
#include "gui/widgets/led_lamp.h"
#include "gui/widgets/sight_cursor.h"

namespace pistora {

MainWindow::MainWindow(Prompts& prompts, QString settings_folder, QWidget* parent)
    : QWidget(parent),
      prompts_(prompts),
      settings_folder_(std::move(settings_folder)),
      host_(*this),
      busy_delay_(PumpingBusyDelay(host_, work_.StopRequest)) {
  BuildLayout();
  BuildArtworkMenu();
  SettingsToControls(MainSettings{});
  ConnectHandlers();
  InstallKeyFilters();
  FormCreate();
}

MainWindow::~MainWindow() = default;

QString MainWindow::SettingsPath() const {
  const QString folder = settings_folder_.isEmpty() ? QCoreApplication::applicationDirPath() : settings_folder_;
  return QDir(folder).filePath(QString::fromLatin1(kMainSettingsFileName));
}

void MainWindow::ConnectHandlers() {
  connect(BitBtn1, &QPushButton::clicked, this, &MainWindow::BitBtn1Click);
  connect(BitBtn8, &QPushButton::clicked, this, &MainWindow::BitBtn8Click);
  connect(BitBtn11, &QPushButton::clicked, this, &MainWindow::BitBtn11Click);
  connect(BitBtn12, &QPushButton::clicked, this, &MainWindow::BitBtn12Click);
  connect(BitBtn13, &QPushButton::clicked, this, &MainWindow::BitBtn13Click);
  connect(BitBtn16, &QPushButton::clicked, this, &MainWindow::BitBtn16Click);
  connect(ComboBox1, &QComboBox::activated, this, &MainWindow::ComboBox1Change);
  connect(SpeedButton1, &QToolButton::clicked, this, &MainWindow::SpeedButton1Click);
  const std::pair<QPushButton*, void (MainWindow::*)()> commands[] = {
      {BitBtn2, &MainWindow::BitBtn2Click},   {BitBtn3, &MainWindow::BitBtn3Click},   {BitBtn14, &MainWindow::BitBtn14Click},
      {BitBtn15, &MainWindow::BitBtn15Click}, {Button1, &MainWindow::Button1Click},   {Button2, &MainWindow::Button2Click},
      {Button3, &MainWindow::Button3Click},   {Button6, &MainWindow::Button6Click},   {Button7, &MainWindow::Button7Click},
      {Button8, &MainWindow::Button8Click},   {Button9, &MainWindow::Button9Click},   {Button10, &MainWindow::Button10Click},
      {Button11, &MainWindow::Button11Click}, {BitBtn9, &MainWindow::BitBtn9Click},   {Button5, &MainWindow::Button5Click},
      {BitBtn10, &MainWindow::BitBtn10Click}, {BitBtn6, &MainWindow::BitBtn6Click},   {BitBtn7, &MainWindow::BitBtn7Click},
      {BitBtn5, &MainWindow::BitBtn5Click},   {BitBtn4, &MainWindow::BitBtn4Click},
  };
  for (const auto& [button, handler] : commands) connect(button, &QPushButton::clicked, this, handler);
  // Clicks only: the boxes are also set when a contour is selected, which must not change flags.
  connect(CheckBox1, &QCheckBox::clicked, this, &MainWindow::CheckBox1Click);
  connect(CheckBox2, &QCheckBox::clicked, this, &MainWindow::CheckBox2Click);
  connect(SpinEdit1, &QSpinBox::valueChanged, this, &MainWindow::SpinEdit1Change);
  connect(Edit2, &QLineEdit::textChanged, this, &MainWindow::Edit2Change);
  connect(Edit3, &QLineEdit::textChanged, this, &MainWindow::Edit3Change);
  connect(SpinEdit3, &QSpinBox::valueChanged, this, &MainWindow::SpinEdit3Change);
  connect(ScrollBar1, &QScrollBar::valueChanged, this, &MainWindow::ShowArtworkView);
  connect(ScrollBar2, &QScrollBar::valueChanged, this, &MainWindow::ShowArtworkView);
  connect(ScrollBar3, &QScrollBar::valueChanged, this, &MainWindow::ShowEngravingView);
  connect(ScrollBar4, &QScrollBar::valueChanged, this, &MainWindow::ShowEngravingView);
  // The right button of the artwork view opens its context menu; it neither pans nor measures.
  connect(Image1, &BitmapView::MouseDown, this, [this](QPoint p, Qt::MouseButton button) {
    if (button != Qt::RightButton) Image1MouseDown(p);
  });
  connect(Image1, &BitmapView::MouseMove, this, [this](QPoint p) { Image1MouseMove(p); });
  connect(Image1, &BitmapView::MouseUp, this, [this](QPoint p, Qt::MouseButton button) {
    if (button != Qt::RightButton) Image1MouseUp(p);
  });
  connect(Image1, &QWidget::customContextMenuRequested, this, &MainWindow::Image1ContextPopup);
  connect(Image2, &QWidget::customContextMenuRequested, this, &MainWindow::Image2ContextPopup);
  connect(Image2, &BitmapView::MouseDown, this, [this](QPoint p) { Image2MouseDown(p); });
  connect(Image2, &BitmapView::MouseMove, this, [this](QPoint p) { Image2MouseMove(p); });
  connect(Image2, &BitmapView::MouseUp, this, [this](QPoint p) { Image2MouseUp(p); });
}

void MainWindow::ApplyStep(StepEvent event) {
  const StepSwitch& step = SwitchFor(event);
  const auto each = [this](const std::vector<std::string_view>& names, const auto& action) {
    for (std::string_view name : names) {
      const QString object_name = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
      if (QWidget* w = findChild<QWidget*>(object_name)) action(w);
    }
  };
  each(step.enable, [](QWidget* w) { w->setEnabled(true); });
  each(step.disable, [](QWidget* w) { w->setEnabled(false); });
  each(step.lamps_on, [](QWidget* w) {
    if (auto* lamp = qobject_cast<LedLamp*>(w)) lamp->SetActive(true);
  });
  each(step.lamps_off, [](QWidget* w) {
    if (auto* lamp = qobject_cast<LedLamp*>(w)) lamp->SetActive(false);
  });
  each(step.hide, [](QWidget* w) { w->hide(); });
  each(step.show, [](QWidget* w) { w->show(); });
}

JobParameters MainWindow::JobParametersFromControls() const { return JobParametersFrom(SettingsFromControls()); }

void MainWindow::InstallKeyFilters() {
  // Depths and the real distance: unsigned decimals; feeds and the two spin boxes: unsigned
  // integers (spin boxes are not plain edits, so the filter swallows what is typed there).
  const std::pair<QWidget*, KeyMode> boxes[] = {
      {Edit4, KeyMode::UnsignedDecimal},     {Edit6, KeyMode::UnsignedDecimal},
      {Edit5, KeyMode::UnsignedDecimal},     {Edit3, KeyMode::UnsignedDecimal},
      {Edit7, KeyMode::UnsignedInteger},     {Edit8, KeyMode::UnsignedInteger},
      {SpinEdit4, KeyMode::UnsignedInteger}, {SpinEdit2, KeyMode::UnsignedInteger},
  };
  for (const auto& [box, mode] : boxes) box->installEventFilter(new NumericKeyFilterAdapter(mode, box));
}

void MainWindow::FormCreate() {
  Memo1->clear();
  work_.Memo1.clear();
  work_.ArtworkBitmap = Bitmap();
  work_.EngravingBitmap = Bitmap();
  work_.SelectedContour = 0;
  artwork_drag_ = Drag{};
  engraving_drag_ = Drag{};
  measuring_ = false;

  ListLanguages();
  MainSettings settings = SettingsFromControls();
  const Status status = LoadMainSettings(SettingsPath().toStdString(), &settings);
  if (status) {
    SettingsToControls(settings);
  } else {
    prompts_.ShowError(QString::fromStdString(status.message()));
  }

  Image2->setCursor(SightCursor());
  ShowArtworkView();
  ShowEngravingView();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

MainSettings MainWindow::SettingsFromControls() const {
  MainSettings s;
  s.EngravingDepth = Edit4->text().toStdString();
  s.DrillingDepth = Edit6->text().toStdString();
  s.RetractDistance = Edit5->text().toStdString();
  s.EngravingFeed = Edit7->text().toStdString();
  s.DrillingFeed = Edit8->text().toStdString();
  s.SpindleControl = CheckBox3->isChecked();
  s.Language = ComboBox1->currentText().toStdString();
  return s;
}

void MainWindow::SettingsToControls(const MainSettings& s) {
  Edit4->setText(QString::fromStdString(s.EngravingDepth));
  Edit6->setText(QString::fromStdString(s.DrillingDepth));
  Edit5->setText(QString::fromStdString(s.RetractDistance));
  Edit7->setText(QString::fromStdString(s.EngravingFeed));
  Edit8->setText(QString::fromStdString(s.DrillingFeed));
  CheckBox3->setChecked(s.SpindleControl);
  ComboBox1->setEditText(QString::fromStdString(s.Language));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A run still going ends at its next check instead of holding the program open.
  if (busy_) work_.StopRequest = true;
  QWidget::closeEvent(event);
  QCoreApplication::quit();
}

void MainWindow::BitBtn16Click() {
  const Status status = SaveMainSettings(SettingsPath().toStdString(), SettingsFromControls());
  if (!status) prompts_.ShowError(QString::fromStdString(status.message()));
}

void MainWindow::BitBtn11Click() {
  if (AboutDialog* about = Windows().about) about->exec();
}

void MainWindow::BitBtn12Click() {
  if (SpeedButton1->isChecked()) {
    if (Windows().magnifier) Windows().magnifier->close();
    if (Windows().magnifier_mask) Windows().magnifier_mask->close();
    SpeedButton1->setChecked(false);
  }
  if (MachineWindow* machine = Windows().machine) {
    machine->show();
    machine->raise();
    machine->activateWindow();
  }
}

}  // namespace pistora
