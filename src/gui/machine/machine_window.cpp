#include "gui/machine/machine_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QMenuBar>
#include <QAction>
#include <QTimer>

#include "core/machine/engine_iso_motion.h"
#include "core/machine/homing.h"
#include "core/machine/iso_box.h"
#include "core/settings/machine_parameters.h"
#include "gui/adapters/prompts.h"
#include "gui/app/app_windows.h"
#include "gui/machine/jog_worker.h"
#include "gui/machine/machine_host.h"
#include "gui/machine/machine_pictures.h"
#include "gui/setup/machine_settings_dialog.h"
#include "gui/widgets/hold_arrow_button.h"
#include "gui/widgets/led_lamp.h"
#include "gui/widgets/stop_disc.h"
#include "hw/null_port.h"
#include "hw/simulated_machine.h"
#include "hw/steady_clock.h"

namespace pistora {

MachineWindow::MachineWindow(Prompts& prompts, MachineIo io, QWidget* parent)
    : QWidget(parent), prompts_(prompts), folder_(io.folder) {
  setObjectName(QStringLiteral("Tgravefrm"));
  setWindowTitle(QString::fromUtf8("Gravure de circuits imprimés"));
  setFixedSize(689, 527);
  if (folder_.isEmpty()) folder_ = QCoreApplication::applicationDirPath();

  if (io.clock == nullptr) own_clock_ = std::make_unique<SteadyClock>(false);
  clock_ = io.clock != nullptr ? io.clock : own_clock_.get();
  PortIo* port = io.port;
  if (port == nullptr) {
    own_port_ = std::make_unique<NullPort>();
    port = own_port_.get();
  }
  host_ = std::make_unique<WindowHost>();
  port_layer_ = std::make_unique<PortLayer>(*port, *clock_, static_cast<MachineDisplay&>(*this));
  if (SimulatedMachine* simulated = io.simulated) {
    // The simulated machine decodes the data register with the window's wiring.
    port_layer_->SetSignalMapListener(
        [simulated](const SignalMap& map, std::uint16_t base) { simulated->Configure(map, base); });
  }
  engine_ = std::make_unique<MotionEngine>(state_, *port_layer_, *clock_, *host_,
                                           static_cast<MachineDisplay&>(*this));
  jogger_ = std::make_unique<Jogger>(*engine_);
  iso_motion_ = std::make_unique<EngineIsoMotion>(*engine_, feed_slider_);
  startup_message_ = io.port_message;
  if (!io.timing_message.empty())
    startup_message_ += (startup_message_.empty() ? "" : " ") + io.timing_message;

  BuildLayout();
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(100);
  ConnectHandlers();
  FormCreate();
}

MachineWindow::~MachineWindow() {
  // The worker first: once it has stopped no jog step can be asked for any more, and a step
  // already asked for is dropped with this object.
  jog_worker_.reset();
  Timer1->stop();
  port_layer_->StopPortDriver();
}

IsoMotion& MachineWindow::Motion() { return *iso_motion_; }

void MachineWindow::FormCreate() {
  state_ = MachineState{};  // position 0, WorkFeed 400, latch clear, factory scales
  engine_->ApplyParameters(state_.Parameters);
  drilling_mode_ = false;
  spindle_on_ = false;
  feed_slider_.SetMaximum(600);
  feed_slider_.SetPosition(150);
  feed_slider_.SetChangeHandler([this](std::int32_t feed) { FeedChanged(feed); });
  iso_motion_->SetFeedShown([this](int feed) { Label17->setText(QString::number(feed)); });
  iso_motion_->SetProgressShown([this](long line, long count) {
    ProgressBar1->setMaximum(static_cast<int>(std::max<long>(count, 1)));
    ProgressBar1->setValue(static_cast<int>(line));
  });
  port_layer_->StartPortDriver();
  std::string message = port_layer_->DriverMessage();
  if (!startup_message_.empty()) message += " " + startup_message_;
  ShowMessage(message);
  BitBtn7->setIcon(QIcon(MachinePicture(folder_, QStringLiteral("led1off.bmp"))));
  BitBtn7->setIconSize(QSize(20, 20));
  ShowMode(Label53->text());
  ShowRepetition();
  ApplyButtonStates();
  jog_worker_ = std::make_unique<JogWorker>(this, [this] { JogStep(); });
  Timer1->start();
}

void MachineWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  if (isActiveWindow()) {
    FormActivate();
  } else if (jogger_->Held()) {
    // The arrow's release would go to another window: a jog never outlives the focus.
    JogRelease();
  }
}

void MachineWindow::hideEvent(QHideEvent* event) {
  if (jogger_->Held()) JogRelease();
  QWidget::hideEvent(event);
}

void MachineWindow::FormActivate() {
  // Not under a running move or program: new scales or dropped direction outputs would lose the
  // tool's place. The next activation reads the file.
  if (running_ || engine_->Busy()) return;
  MachineParameters parameters = state_.Parameters;
  const std::string path = QDir(folder_).filePath(QStringLiteral("cn.dat")).toStdString();
  const Status status = LoadMachineParameters(path, &parameters);
  if (status) {
    engine_->ApplyParameters(parameters);
    feed_slider_.SetMaximum(parameters.MaxFeed);
    feed_slider_.SetPosition(parameters.WorkFeed);
    // The work feed stays within the slider's range even when the slider did not move.
    FeedChanged(feed_slider_.Position());
    TrackBar1->blockSignals(true);
    TrackBar1->setMaximum(feed_slider_.Maximum());
    TrackBar1->setValue(feed_slider_.Position());
    TrackBar1->blockSignals(false);
    ShowRepetition();
  } else {
    ShowMessage(status.message());
  }
  // Outputs to low even when the file could not be read: nothing is left driven.
  port_layer_->ResetOutputs();
}

void MachineWindow::ConnectHandlers() {
  connect(Button2, &QPushButton::clicked, this, &MachineWindow::ZeroAxisX);
  connect(Button3, &QPushButton::clicked, this, &MachineWindow::ZeroAxisY);
  connect(Button4, &QPushButton::clicked, this, &MachineWindow::ZeroAxisZ);
  connect(Button1, &QPushButton::clicked, this, &MachineWindow::Button1Click);
  const std::pair<HoldArrowButton*, JogDirection> arrows[] = {
      {BitBtn1, JogDirection::kDroite}, {BitBtn2, JogDirection::kGauche},
      {BitBtn3, JogDirection::kDevant}, {BitBtn4, JogDirection::kDerriere},
      {BitBtn5, JogDirection::kHaut},   {BitBtn6, JogDirection::kBas}};
  for (const auto& [button, direction] : arrows) {
    const JogDirection d = direction;
    connect(button, &QAbstractButton::pressed, this, [this, d] { JogPress(d); });
    connect(button, &QAbstractButton::released, this, &MachineWindow::JogRelease);
  }
  Label4->installEventFilter(this);
  Label5->installEventFilter(this);
  connect(BitBtn7, &QPushButton::clicked, this, &MachineWindow::BitBtn7Click);
  connect(Shape1, &StopDisc::Pressed, this, &MachineWindow::StopDiscMouseDown);
  connect(Button5, &QPushButton::clicked, this, &MachineWindow::Button5Click);
  connect(TrackBar1, &QSlider::valueChanged, this, &MachineWindow::TrackBar1Change);
  connect(BitBtn9, &QPushButton::clicked, this, &MachineWindow::BitBtn9Click);
  connect(BitBtn13, &QPushButton::clicked, this, &MachineWindow::BitBtn13Click);
  connect(BitBtn11, &QPushButton::clicked, this, &MachineWindow::BitBtn11Click);
  connect(BitBtn12, &QPushButton::clicked, this, &MachineWindow::BitBtn12Click);
  connect(BitBtn10, &QPushButton::clicked, this, &MachineWindow::BitBtn10Click);
  connect(BitBtn8, &QPushButton::clicked, this, &MachineWindow::BitBtn8Click);
  connect(BitBtn14, &QPushButton::clicked, this, &MachineWindow::BitBtn14Click);
  connect(SpinEdit1, &QSpinBox::valueChanged, this, &MachineWindow::SpinEdit1Change);
  connect(SpinEdit2, &QSpinBox::valueChanged, this, &MachineWindow::SpinEdit1Change);
  connect(Timer1, &QTimer::timeout, this, &MachineWindow::Timer1Timer);
  connect(MenuPortSetup, &QAction::triggered, this, [this] { OptionClick(0); });
  connect(MenuGeometry, &QAction::triggered, this, [this] { OptionClick(1); });
  connect(MenuSurfacing, &QAction::triggered, this, [this] { OptionClick(2); });
  connect(MenuCopper, &QAction::triggered, this, [this] { OptionClick(3); });
}

bool MachineWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    if (watched == Label4) {
      Label4Click();
      return true;
    }
    if (watched == Label5) {
      Label5Click();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// ---- MachineDisplay --------------------------------------------------------------------------

void MachineWindow::ShowPositions(const std::string& x, const std::string& y, const std::string& z) {
  Label1->setText(QString::fromStdString(x));
  Label2->setText(QString::fromStdString(y));
  Label3->setText(QString::fromStdString(z));
  Label1->repaint();
  Label2->repaint();
  Label3->repaint();
}

void MachineWindow::ShowRealFeed(const std::string& text) { Label33->setText(QString::fromStdString(text)); }

void MachineWindow::PaintStopDisc(bool red) {
  if (red)
    Shape1->PaintRed();
  else
    Shape1->PaintRing(QColor(255, 255, 0));
}

void MachineWindow::SetLamp(Lamp lamp, bool on) {
  LedLamp* lamps[5] = {cyAdvLed1, cyAdvLed2, cyAdvLed3, cyAdvLed4, cyAdvLed5};
  lamps[static_cast<int>(lamp)]->SetActive(on);
}

void MachineWindow::ShowMessage(const std::string& text) {
  Label6->setText(QString::fromStdString(text));
  Label6->repaint();
}

QString MachineWindow::MessageLine() const { return Label6->text(); }

void MachineWindow::SetPumpHook(std::function<void()> hook) { host_->SetPumpHook(std::move(hook)); }

// ---- Machine operations ----------------------------------------------------------------------

void MachineWindow::HomeMachine() { pistora::HomeMachine(*engine_); }
void MachineWindow::ZeroAxisX() { ZeroAxis(*engine_, Axis::X); }
void MachineWindow::ZeroAxisY() { ZeroAxis(*engine_, Axis::Y); }
void MachineWindow::ZeroAxisZ() { ZeroAxis(*engine_, Axis::Z); }
void MachineWindow::MoveTo(double x, double y, double z) { engine_->MoveTo(x, y, z); }

void MachineWindow::SetTargetsToZero() {
  Edit1->setText(QStringLiteral("0.000"));
  Edit2->setText(QStringLiteral("0.000"));
  Edit3->setText(QStringLiteral("0.000"));
}

void MachineWindow::SetTargetZToZero() { Edit3->setText(QStringLiteral("0.000")); }

void MachineWindow::StopDiscMouseDown() {
  state_.StopFlag = true;
  Shape1->PaintRed();
}

void MachineWindow::Button5Click() {
  Shape1->PaintRing(QColor(255, 255, 0));
  state_.StopFlag = false;
}

void MachineWindow::Button1Click() {
  if (running_) return;
  const char separator = QLocale().decimalPoint().at(0).toLatin1();
  const auto x = ParseTargetField(Edit1->text().toStdString(), separator);
  const auto y = ParseTargetField(Edit2->text().toStdString(), separator);
  const auto z = ParseTargetField(Edit3->text().toStdString(), separator);
  if (!x || !y || !z) {
    ShowMessage(kBadTargetMessage);
    return;
  }
  engine_->MoveTo(*x, *y, *z);
}

void MachineWindow::Label4Click() {
  if (!running_) engine_->MoveTo(0, 0, state_.Position[2]);
}

void MachineWindow::Label5Click() {
  if (!running_) engine_->MoveTo(state_.Position[0], state_.Position[1], 0);
}

void MachineWindow::BitBtn7Click() {
  spindle_on_ = !spindle_on_;
  BitBtn7->setIcon(QIcon(MachinePicture(folder_, spindle_on_ ? QStringLiteral("led1on.bmp")
                                                             : QStringLiteral("led1off.bmp"))));
}

void MachineWindow::BitBtn8Click() {
  if (!running_) HomeMachine();
}

void MachineWindow::Timer1Timer() { StatusTimerTick(*engine_); }

void MachineWindow::TrackBar1Change(int position) { feed_slider_.SetPosition(position); }

void MachineWindow::FeedChanged(std::int32_t feed) {
  state_.WorkFeed = feed;
  Label17->setText(QString::number(feed));
  if (TrackBar1->value() != feed) {
    TrackBar1->blockSignals(true);
    TrackBar1->setValue(feed);
    TrackBar1->blockSignals(false);
  }
  Label32->setText(QString::number(EstimatedSeconds(program_length_, feed)));
}

void MachineWindow::OptionClick(int page) {
  QWidget* dialog = Windows().machine_settings;
  if (dialog == nullptr) return;
  dialog->show();
  dialog->raise();
  // The dialog selects its page itself when it offers ShowPage; else its tab widget is set.
  if (!QMetaObject::invokeMethod(dialog, "ShowPage", Q_ARG(int, page))) {
    if (auto* tabs = dialog->findChild<QTabWidget*>()) tabs->setCurrentIndex(page);
  }
}

// ---- Jogging ---------------------------------------------------------------------------------

void MachineWindow::JogPress(JogDirection direction) {
  if (running_ || engine_->Busy()) {
    ShowMessage(kBusyMessage);
    return;
  }
  if (!jogger_->Press(direction)) {
    if (state_.WorkFeed <= 0) ShowMessage(kNoFeedMessage);
    return;
  }
  jog_worker_->Resume(jogger_->StepPeriodUs());
}

void MachineWindow::JogRelease() {
  jog_worker_->Suspend();
  jogger_->Release();
}

JogStepOutcome MachineWindow::JogStep() { return jogger_->Step(); }

}  // namespace pistora
