// The machine window's live pane: the job drawn as it runs, its elapsed and remaining time,
// and "Reprendre" after a stop.
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>
#include <memory>
#include <optional>

#include "core/machine/height_map_motion.h"
#include "core/machine/iso_program.h"
#include "core/machine/machine_session.h"
#include "core/text/message_translation.h"
#include "core/windows/machine_window_controls.h"
#include "gui/adapters/prompts.h"
#include "gui/adapters/translations.h"
#include "gui/machine/live_job_view.h"
#include "gui/machine/machine_window.h"
#include "gui/widgets/named_control.h"

namespace pistora {
namespace {

using R = MachineControl;

// The fixed area of the boxes; the pane takes the rest of the window.
constexpr int kBoxesWidth = 689;
constexpr int kPaneGap = 6;
constexpr int kRowHeight = 26;

QString Caption(MachineControl role) { return BuiltInCaptionOf(role); }

// "Écoulé : h:mm:ss", from the built-in caption's words before its figures.
QString TimeText(MachineControl role, long seconds) {
  const QString caption = Caption(role);
  return caption.left(caption.indexOf(QLatin1Char(':')) + 2) + QString::fromStdString(FormatHoursMinutesSeconds(seconds));
}

}  // namespace

void MachineWindow::BuildLivePane() {
  live_view_ = Named(new LiveJobView(this), R::kLiveView);
  fit_view_button_ = Named(new QPushButton(Caption(R::kFitViewButton), this), R::kFitViewButton);
  elapsed_label_ = Named(new QLabel(Caption(R::kElapsedTime), this), R::kElapsedTime);
  remaining_label_ = Named(new QLabel(Caption(R::kRemainingTime), this), R::kRemainingTime);
  percent_label_ = Named(new QLabel(Caption(R::kPercentDone), this), R::kPercentDone);
  percent_label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  resume_button_ = Named(new QPushButton(Caption(R::kResumeButton), this), R::kResumeButton);
  resume_button_->setEnabled(false);
  resume_button_->setToolTip(
      TrMessage("Après un STOP et « Raz » : reprend au début de l'objet interrompu, dans la même copie."));
  PlaceLivePane();
}

void MachineWindow::PlaceLivePane() {
  if (!live_view_) return;
  const int left = kBoxesWidth + kPaneGap;
  const int pane_width = std::max(width() - left - kPaneGap, 120);
  const int bottom = height() - kPaneGap;
  const int buttons_top = bottom - kRowHeight;
  const int times_top = buttons_top - kRowHeight;
  live_view_->setGeometry(left, 24, pane_width, std::max(times_top - 4 - 24, 100));
  const int third = pane_width / 3;
  elapsed_label_->setGeometry(left, times_top, third, kRowHeight - 4);
  remaining_label_->setGeometry(left + third, times_top, third + 10, kRowHeight - 4);
  percent_label_->setGeometry(left + 2 * third + 10, times_top, pane_width - 2 * third - 10, kRowHeight - 4);
  fit_view_button_->setGeometry(left, buttons_top, 90, kRowHeight - 2);
  resume_button_->setGeometry(left + pane_width - 120, buttons_top, 120, kRowHeight - 2);
}

void MachineWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceLivePane();
}

void MachineWindow::RefreshLiveJob() {
  if (!live_view_) return;
  const MachineParameters& p = session_.State().Parameters;
  LiveJobKey key;
  key.engraving = engraving_path_.get();
  key.drilling = drilling_path_.get();
  key.plate[0] = p.PlateSizeX;
  key.plate[1] = p.PlateSizeY;
  key.plate[2] = p.PlateBorderX;
  key.plate[3] = p.PlateBorderY;
  // Where the copper plate window placed the work zero; at first the usable area's lower-left
  // corner, where that window starts.
  const ToolPosition start = session_.PlateStart().value_or(ToolPosition{p.PlateBorderX, p.PlateBorderY, 0});
  key.start_x = start.x;
  key.start_y = start.y;
  key.copies_x = session_.CopiesX();
  key.copies_y = session_.CopiesY();
  key.extent_x = session_.ExtentX();
  key.extent_y = session_.ExtentY();
  key.gap = p.CopyGap;
  if (key == live_job_key_ && !view_origins_.empty()) return;
  live_job_key_ = key;
  live_view_->SetPlate(p.PlateSizeX, p.PlateSizeY, p.PlateBorderX, p.PlateBorderY, start.x, start.y);
  view_origins_ = CopyOrigins({key.copies_x, key.copies_y, key.extent_x, key.extent_y, key.gap});
  live_view_->SetJob(engraving_path_, drilling_path_, view_origins_);
}

void MachineWindow::RunJobCommand(std::shared_ptr<const JobProgram> job, bool drilling,
                                  std::optional<ResumePoint> from) {
  session_.SetProgramRunning(true);
  start_button_->setEnabled(false);
  // The view draws what runs: the program as read for this run, at this run's copies.
  run_job_ = job;
  run_drilling_ = drilling;
  run_timeline_ = RunTimeline(job->path, job->grid);
  view_origins_ = CopyOrigins(job->grid);
  (drilling ? drilling_path_ : engraving_path_) = std::shared_ptr<const ProgramPath>(job, &job->path);
  RefreshLiveJob();
  elapsed_before_ms_ = from ? elapsed_ms_ : 0;
  run_clock_.start();
  const std::optional<ResumePoint> kept = resume_point_;  // until the command is taken
  resume_point_.reset();
  ShowResumeState();
  auto result = std::make_shared<JobRunResult>();
  std::shared_ptr<RunProgress> progress = run_progress_;
  if (from) progress->EnterCopy(from->copy, from->start_line);
  progress->SetWorkZero(from ? view_origins_[static_cast<std::size_t>(
                                   std::clamp(from->copy, 0, static_cast<int>(view_origins_.size()) - 1))]
                             : CopyOrigin{});
  MachineSession* session = &session_;
  const bool submitted = session_.Submit(
      [session, job, from, progress, result] {
        // Over a warped plate the run follows the applied height map (the work zero set on the
        // copper at the job's origin, where the map is 0).
        const std::shared_ptr<const HeightMap> map = session->AppliedHeightMap();
        std::optional<HeightMapMotion> mapped;
        if (map) mapped.emplace(session->ProgramMotion(), *map);
        IsoMotion& motion = mapped ? static_cast<IsoMotion&>(*mapped) : session->ProgramMotion();
        *result = RunJob(*job, motion, session->CommandHost(), *progress, from ? &*from : nullptr);
      },
      [self = QPointer<MachineWindow>(this), result] {
        if (self) self->FinishRun(*result);
      });
  if (submitted) return;
  resume_point_ = kept;
  FinishProgram(false, {});
  ShowResumeState();
}

void MachineWindow::FinishRun(const JobRunResult& result) {
  elapsed_ms_ = elapsed_before_ms_ + run_clock_.elapsed();
  resume_point_ = result.resume;
  LiveViewTick();
  if (result.ran) {
    elapsed_label_->setText(TimeText(R::kElapsedTime, elapsed_ms_ / 1000));
    remaining_label_->setText(TimeText(R::kRemainingTime, 0));
    percent_label_->setText(QStringLiteral("100 %"));
  }
  FinishProgram(result.ran, result.error);
  ShowResumeState();
}

void MachineWindow::ShowResumeState() {
  resume_button_->setEnabled(resume_point_.has_value() && !session_.ProgramRunning());
  if (!resume_point_ || view_origins_.empty()) {
    live_view_->SetResumeMark(std::nullopt);
    return;
  }
  const CopyOrigin& o =
      view_origins_[static_cast<std::size_t>(std::min<int>(resume_point_->copy, static_cast<int>(view_origins_.size()) - 1))];
  live_view_->SetResumeMark(CopyOrigin{o.x + resume_point_->start.x, o.y + resume_point_->start.y});
}

void MachineWindow::ResumeProgram() {
  if (session_.Busy() || !resume_point_ || !run_job_) return;
  const MachineState& state = session_.State();
  if (const Status ok = CheckResume(*resume_point_, state.WorkZeroEpoch, state.StopFlag); !ok) {
    ShowMessage(ok.message());
    prompts_.ShowError(QString::fromStdString(ok.message()));
    return;
  }
  ShowMessage(Fill(Tr("Reprise à la ligne %1 de la copie %2."),
                   {std::to_string(resume_point_->start_line + 1), std::to_string(resume_point_->copy + 1)}));
  RunJobCommand(run_job_, run_drilling_, resume_point_);
}

void MachineWindow::LiveViewTick() {
  const RunProgress::Snapshot now = run_progress_->Read();
  if (now.running) {
    live_view_->SetDone(run_drilling_, now.copy, now.line);
    ShowRunTimes(now);
  }
  const CopyOrigin o = run_progress_->WorkZero();
  const std::array<double, 3> tool = session_.LivePosition();
  live_view_->SetTool(o.x + tool[0], o.y + tool[1]);
}

void MachineWindow::ShowRunTimes(const RunProgress::Snapshot& now) {
  elapsed_ms_ = elapsed_before_ms_ + run_clock_.elapsed();
  elapsed_label_->setText(TimeText(R::kElapsedTime, static_cast<long>(elapsed_ms_ / 1000)));
  remaining_label_->setText(
      TimeText(R::kRemainingTime, run_timeline_.RemainingSeconds(now.copy, now.line, session_.State().WorkFeed)));
  percent_label_->setText(QString::number(static_cast<int>(run_timeline_.PercentDone(now.copy, now.line))) +
                          QStringLiteral(" %"));
}

}  // namespace pistora
