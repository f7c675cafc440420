#include "gui/machine/machine_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QAction>
#include <QTimer>

#include "core/machine/engine_iso_motion.h"
#include "core/machine/iso_box.h"
#include "core/machine/homing.h"
#include "core/machine/machine_message.h"
#include "core/machine/machine_session.h"
#include "core/machine/motion_engine.h"
#include "core/settings/machine_parameters.h"
#include "core/windows/machine_window_controls.h"
#include "gui/adapters/prompts.h"
#include "gui/adapters/settings_files.h"
#include "gui/adapters/translations.h"
#include "gui/machine/jog_worker.h"
#include "gui/machine/live_job_view.h"
#include "gui/machine/machine_pictures.h"
#include "gui/widgets/hold_arrow_button.h"
#include "gui/widgets/led_lamp.h"
#include "gui/widgets/named_control.h"
#include "gui/widgets/stop_disc.h"

namespace pistora {
namespace {

// A message of the line in the chosen language.
QString TranslatedMessage(const std::string& text) { return QString::fromStdString(TranslatedMachineMessage(text)); }

}  // namespace

MachineWindow::MachineWindow(Prompts& prompts, MachineSession& session, QString folder, QWidget* parent)
    : QWidget(parent), prompts_(prompts), session_(session), settings_folder_(folder), folder_(std::move(folder)) {
  const std::string_view window_name = MachineWindowControls().WindowName();
  setObjectName(QString::fromLatin1(window_name.data(), static_cast<qsizetype>(window_name.size())));
  setWindowTitle(QString::fromUtf8("Gravure de circuits imprimés"));
  // The boxes keep their fixed 689 x 527 places; the live pane beside them takes what is left.
  setMinimumSize(689 + 260, 527);
  resize(689 + 420, 527);
  if (folder_.isEmpty()) folder_ = QCoreApplication::applicationDirPath();

  BuildLayout();
  BuildLivePane();
  status_timer_ = Named(new QTimer(this), MachineControl::kStatusTimer);
  status_timer_->setInterval(100);
  motion_view_timer_ = Named(new QTimer(this), MachineControl::kMotionViewTimer);
  motion_view_timer_->setInterval(40);
  ConnectHandlers();
  StartUp();
}

MachineWindow::~MachineWindow() {
  // A command still running may call back into this window: it ends first (STOP at its next
  // tick, outputs low).
  if (session_.MotionBusy() && !session_.Motion().OnMotionThread()) session_.Halt();
  // The worker first: once it has stopped no jog step can be asked for any more, and a step
  // already asked for is dropped with this object.
  jog_worker_.reset();
  status_timer_->stop();
  motion_view_timer_->stop();
  if (!session_.Threaded() && session_.Jog().Held()) session_.Jog().Release();
  session_.Feed().SetChangeHandler({});
  session_.ProgramMotion().SetFeedShown({});
  session_.ProgramMotion().SetProgressShown({});
  session_.SetDisplay(nullptr);
}

void MachineWindow::StartUp() {
  session_.SetDisplay(this);
  drilling_mode_ = false;
  spindle_on_ = false;
  // A program's feed words and progress come from the motion thread: the feed takes effect at
  // once, the labels follow at the next view.
  session_.Feed().SetChangeHandler([this](std::int32_t feed) {
    session_.State().WorkFeed = feed;
    session_.OnWindowThread([this, feed] { FeedChanged(feed); }, MachineSession::kWorkFeedSlot);
  });
  session_.ProgramMotion().SetFeedShown([this](int feed) {
    session_.OnWindowThread([this, feed] { work_feed_value_->setText(QString::number(feed)); },
                            MachineSession::kFeedLabelSlot);
  });
  session_.ProgramMotion().SetProgressShown([this](long line, long count) {
    session_.OnWindowThread(
        [this, line, count] {
          progress_bar_->setMaximum(static_cast<int>(std::max<long>(count, 1)));
          progress_bar_->setValue(static_cast<int>(line));
        },
        MachineSession::kProgressSlot);
  });
  ShowMessage(session_.StartupMessage());
  spindle_button_->setIcon(QIcon(MachinePicture(folder_, QStringLiteral("led1off.bmp"))));
  spindle_button_->setIconSize(QSize(20, 20));
  ShowMode(mode_name_->text());
  ShowRepetition();
  ApplyButtonStates();
  if (!session_.Threaded()) jog_worker_ = std::make_unique<JogWorker>(this, [this] { JogStep(); });
  status_timer_->start();
  motion_view_timer_->start();
}

void MachineWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  if (isActiveWindow()) {
    Activated();
  } else if (session_.JogActive()) {
    // The arrow's release would go to another window: a jog never outlives the focus.
    JogRelease();
  }
}

void MachineWindow::hideEvent(QHideEvent* event) {
  if (session_.JogActive()) JogRelease();
  QWidget::hideEvent(event);
}

void MachineWindow::Activated() {
  // Not under a running move or program: new scales or dropped direction outputs would lose the
  // tool's place. The next activation reads the file.
  if (session_.Busy()) return;
  MachineParameters parameters = session_.State().Parameters;
  const std::string path = SettingsReadPath(kMachineParameterFileName, settings_folder_).toStdString();
  const Status status = LoadMachineParameters(path, &parameters);
  if (status) {
    FeedSlider& feed = session_.Feed();
    session_.Engine().ApplyParameters(parameters);
    feed.SetMaximum(parameters.MaxFeed);
    feed.SetPosition(parameters.WorkFeed);
    // The work feed stays within the slider's range even when the slider did not move.
    FeedChanged(feed.Position());
    feed_slider_->blockSignals(true);
    feed_slider_->setMaximum(feed.Maximum());
    feed_slider_->setValue(feed.Position());
    feed_slider_->blockSignals(false);
    ShowRepetition();
    ApplyButtonStates();
    // A cn.dat message says nothing true any more once the file reads well.
    if (parameter_message_shown_) ShowMessage("");
    parameter_message_shown_ = false;
  } else {
    ShowMessage(status.message());
    parameter_message_shown_ = true;
  }
  // Outputs to low even when the file could not be read: nothing is left driven.
  session_.Port().ResetOutputs();
}

void MachineWindow::ConnectHandlers() {
  // The positions are the motion thread's: "RAZ" is one of its commands.
  connect(zero_axis_buttons_[0], &QPushButton::clicked, this, [this] { session_.Submit([this] { session_.ZeroAxisX(); }); });
  connect(zero_axis_buttons_[1], &QPushButton::clicked, this, [this] { session_.Submit([this] { session_.ZeroAxisY(); }); });
  connect(zero_axis_buttons_[2], &QPushButton::clicked, this, [this] { session_.Submit([this] { session_.ZeroAxisZ(); }); });
  connect(go_to_button_, &QPushButton::clicked, this, &MachineWindow::GoToTarget);
  const std::pair<HoldArrowButton*, JogDirection> arrows[] = {
      {jog_right_arrow_, JogDirection::kDroite}, {jog_left_arrow_, JogDirection::kGauche},
      {jog_front_arrow_, JogDirection::kDevant}, {jog_back_arrow_, JogDirection::kDerriere},
      {jog_up_arrow_, JogDirection::kHaut},      {jog_down_arrow_, JogDirection::kBas}};
  for (const auto& [button, direction] : arrows) {
    const JogDirection d = direction;
    connect(button, &QAbstractButton::pressed, this, [this, d] { JogPress(d); });
    connect(button, &QAbstractButton::released, this, &MachineWindow::JogRelease);
  }
  go_to_xy_zero_label_->installEventFilter(this);
  go_to_z_zero_label_->installEventFilter(this);
  connect(spindle_button_, &QPushButton::clicked, this, &MachineWindow::ToggleSpindle);
  connect(stop_disc_, &StopDisc::Pressed, this, &MachineWindow::LatchStop);
  connect(reset_stop_button_, &QPushButton::clicked, this, &MachineWindow::ResetStopLatch);
  connect(feed_slider_, &QSlider::valueChanged, this, &MachineWindow::FeedSliderMoved);
  connect(load_engraving_button_, &QPushButton::clicked, this, &MachineWindow::LoadEngravingProgramFile);
  connect(load_drilling_button_, &QPushButton::clicked, this, &MachineWindow::LoadDrillingProgramFile);
  connect(placement_button_, &QPushButton::clicked, this, &MachineWindow::OpenPlacement);
  connect(validate_z_button_, &QPushButton::clicked, this, &MachineWindow::ValidateZLevel);
  connect(start_button_, &QPushButton::clicked, this, &MachineWindow::StartProgram);
  connect(home_button_, &QPushButton::clicked, this, &MachineWindow::HomeMachine);
  connect(touch_off_button_, &QPushButton::clicked, this, &MachineWindow::TouchOffZ);
  connect(height_map_button_, &QPushButton::clicked, this, &MachineWindow::OpenHeightMap);
  connect(switch_mode_button_, &QPushButton::clicked, this, &MachineWindow::SwitchMode);
  connect(resume_button_, &QPushButton::clicked, this, &MachineWindow::ResumeProgram);
  connect(fit_view_button_, &QPushButton::clicked, live_view_, &LiveJobView::Fit);
  connect(copies_x_spin_, &QSpinBox::valueChanged, this, &MachineWindow::CopiesChanged);
  connect(copies_y_spin_, &QSpinBox::valueChanged, this, &MachineWindow::CopiesChanged);
  connect(status_timer_, &QTimer::timeout, this, &MachineWindow::StatusTick);
  connect(motion_view_timer_, &QTimer::timeout, this, &MachineWindow::MotionViewTick);
  connect(port_setup_entry_, &QAction::triggered, this, [this] { OpenSettingsPage(0); });
  connect(geometry_entry_, &QAction::triggered, this, [this] { OpenSettingsPage(1); });
  connect(surfacing_entry_, &QAction::triggered, this, [this] { OpenSettingsPage(2); });
  connect(copper_entry_, &QAction::triggered, this, [this] { OpenSettingsPage(3); });
}

bool MachineWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    if (watched == go_to_xy_zero_label_) {
      GoToXYZero();
      return true;
    }
    if (watched == go_to_z_zero_label_) {
      GoToZZero();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// ---- MachineDisplay --------------------------------------------------------------------------

void MachineWindow::ShowPositions(const std::string& x, const std::string& y, const std::string& z) {
  const std::string* texts[3] = {&x, &y, &z};
  for (int i = 0; i < 3; ++i) position_labels_[i]->setText(QString::fromStdString(*texts[i]));
  for (QLabel* label : position_labels_) label->repaint();
}

void MachineWindow::ShowRealFeed(const std::string& text) { real_feed_value_->setText(QString::fromStdString(text)); }

void MachineWindow::PaintStopDisc(bool red) {
  if (red)
    stop_disc_->PaintRed();
  else
    stop_disc_->PaintRing(QColor(255, 255, 0));
}

void MachineWindow::SetLamp(Lamp lamp, bool on) { lamps_[static_cast<int>(lamp)]->SetActive(on); }

void MachineWindow::ShowMessage(const std::string& text) {
  message_line_->setText(TranslatedMessage(text));
  message_line_->repaint();
}

void MachineWindow::ShowProgramButtons(const IsoBoxButtons& /*buttons*/) {
  ApplyButtonStates();
  RefreshLiveJob();  // the job may have been placed on the plate
}

QString MachineWindow::MessageLine() const { return message_line_->text(); }

// ---- Machine operations ----------------------------------------------------------------------

void MachineWindow::SetTargetsToZero() {
  for (QLineEdit* edit : target_edits_) edit->setText(QStringLiteral("0.000"));
}

void MachineWindow::SetTargetZToZero() { target_edits_[2]->setText(QStringLiteral("0.000")); }

void MachineWindow::LatchStop() { session_.LatchStop(); }

void MachineWindow::ResetStopLatch() {
  session_.ResetStopLatch();
  ShowResumeState();
}

void MachineWindow::GoToTarget() {
  if (session_.ProgramRunning()) return;
  const char separator = QLocale().decimalPoint().at(0).toLatin1();
  const auto x = ParseTargetField(target_edits_[0]->text().toStdString(), separator);
  const auto y = ParseTargetField(target_edits_[1]->text().toStdString(), separator);
  const auto z = ParseTargetField(target_edits_[2]->text().toStdString(), separator);
  if (!x || !y || !z) {
    ShowMessage(kBadTargetMessage);
    return;
  }
  session_.Submit([this, x = *x, y = *y, z = *z] { session_.MoveTo(x, y, z); });
}

void MachineWindow::GoToXYZero() {
  if (session_.ProgramRunning()) return;
  session_.Submit([this] { session_.MoveTo(0, 0, session_.State().Position[2]); });
}

void MachineWindow::GoToZZero() {
  if (session_.ProgramRunning()) return;
  session_.Submit([this] {
    const auto& position = session_.State().Position;
    session_.MoveTo(position[0], position[1], 0);
  });
}

void MachineWindow::ToggleSpindle() {
  spindle_on_ = !spindle_on_;
  spindle_button_->setIcon(QIcon(MachinePicture(folder_, spindle_on_ ? QStringLiteral("led1on.bmp")
                                                                     : QStringLiteral("led1off.bmp"))));
}

void MachineWindow::HomeMachine() {
  if (!session_.ProgramRunning()) session_.Submit([this] { session_.HomeMachine(); });
}

void MachineWindow::StatusTick() {
  // While the motion thread owns the port it reads the switches itself at every tick.
  if (session_.Threaded() && session_.MotionBusy()) return;
  StatusTimerTick(session_.Engine());
}

void MachineWindow::MotionViewTick() {
  session_.Poll();
  LiveViewTick();
}

void MachineWindow::FeedSliderMoved(int position) { session_.Feed().SetPosition(position); }

void MachineWindow::FeedChanged(std::int32_t feed) {
  session_.State().WorkFeed = feed;
  work_feed_value_->setText(QString::number(feed));
  if (feed_slider_->value() != feed) {
    feed_slider_->blockSignals(true);
    feed_slider_->setValue(feed);
    feed_slider_->blockSignals(false);
  }
  ShowEstimate();
}

void MachineWindow::OpenSettingsPage(int page) { emit SettingsPageRequested(page); }

// ---- Jogging ---------------------------------------------------------------------------------

void MachineWindow::JogPress(JogDirection direction) {
  if (session_.Threaded()) {
    if (!session_.ProgramRunning()) session_.StartJog(direction);
    return;
  }
  if (session_.Busy()) {
    ShowMessage(kBusyMessage);
    return;
  }
  if (!session_.Jog().Press(direction)) {
    if (session_.State().WorkFeed <= 0) ShowMessage(kNoFeedMessage);
    return;
  }
  jog_worker_->Resume(session_.Jog().StepPeriodUs());
}

void MachineWindow::JogRelease() {
  if (session_.Threaded()) {
    session_.ReleaseJog();
    return;
  }
  jog_worker_->Suspend();
  session_.Jog().Release();
}

JogStepOutcome MachineWindow::JogStep() { return session_.Jog().Step(); }

}  // namespace pistora
