// The verification step: selection by number or right click, the two flags, browsing,
// the redraw, the contour rewrites and "Valide".
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>

#include "core/artwork/smoothing.h"
#include "core/artwork/thickening.h"
#include "core/artwork/verification.h"
#include "gui/main/main_window.h"

namespace pistora {

void MainWindow::ShowSelectionPanel(const SelectionPanel& panel) {
  useful_track_count_label_->setText(QString::number(panel.counters.UsefulTrackCount));
  drill_count_label_->setText(QString::number(panel.counters.DrillCount));
  pad_check_->setChecked(panel.pad_checked);
  useless_check_->setChecked(panel.useless_checked);
}

void MainWindow::SetContourRange() {
  // The number box never addresses a contour past the table; with no contour there is
  // nothing to select or flag.
  const int count = work_.Table.ContourCount();
  {
    const QSignalBlocker block(contour_number_spin_);
    contour_number_spin_->setRange(0, std::max(0, count - 1));
    contour_number_spin_->setValue(0);
  }
  work_.SelectedContour = 0;
  if (count == 0) {
    for (QWidget* w : std::initializer_list<QWidget*>{contour_number_spin_, pad_check_, useless_check_})
      w->setEnabled(false);
  }
  ShowSelectionPanel(PanelFor(work_.Table, 0));
}

void MainWindow::SelectContour() {
  const int index = contour_number_spin_->value();
  ShowSelectionPanel(pistora::SelectContour(work_, host_, index, drill_mark_size_spin_->value()));
  if (centre_selection_ && index >= 0 && index < work_.Table.ContourCount()) {
    CentreViewOn(View::Engraving, ContourCentre(work_.Table[index], work_.EngravingBitmap.Height()));
  }
}

void MainWindow::SelectContourNumber(int index) {
  // Setting the value it already holds changes nothing in the box: highlight anyway, since a
  // redraw may have taken the blue off the selection.
  if (contour_number_spin_->value() == index) {
    SelectContour();
  } else {
    contour_number_spin_->setValue(index);
  }
}

void MainWindow::SelectContourAt(QPoint position) {
  if (busy_ || !contour_number_spin_->isEnabled()) return;
  const int hpos = engraving_h_scroll_->value();
  const int vpos = engraving_v_scroll_->value();
  // The click as the bitmap pixel under it, counted from the view's top-left bitmap pixel: at
  // scale 1 the view pixel itself.
  const PixelPoint pixel = ViewPixel(View::Engraving, position);
  const std::optional<int> index = ContourAtViewPoint(work_, pixel.x - hpos, pixel.row - vpos, hpos, vpos,
                                                      EngravingViewColours(work_, hpos, vpos));
  ShowEngravingView();
  // The contour is under the pointer already: the view stays where it is.
  centre_selection_ = false;
  if (index) SelectContourNumber(*index);
  centre_selection_ = true;
}

void MainWindow::TogglePad(bool checked) {
  hand_flagged_.insert(contour_number_spin_->value());
  SetPadFlag(work_.Table, contour_number_spin_->value(), checked);
  if (checked) {
    const QSignalBlocker block(useless_check_);
    useless_check_->setChecked(false);
  }
}

void MainWindow::ToggleUseless(bool checked) {
  hand_flagged_.insert(contour_number_spin_->value());
  if (SetUselessFlag(work_.Table, contour_number_spin_->value(), checked)) useless_check_->setChecked(false);
}

void MainWindow::RedrawVerification() { RedrawWithGapMarks(); }

void MainWindow::BrowseTo(int index) {
  work_.StopRequest = false;
  SelectContourNumber(index);
}

void MainWindow::NextPad() { BrowseTo(pistora::NextPad(work_.Table, contour_number_spin_->value())); }
void MainWindow::PreviousPad() { BrowseTo(pistora::PreviousPad(work_.Table, contour_number_spin_->value())); }
void MainWindow::NextUsefulTrack() { BrowseTo(pistora::NextUsefulTrack(work_.Table, contour_number_spin_->value())); }
void MainWindow::PreviousUsefulTrack() {
  BrowseTo(pistora::PreviousUsefulTrack(work_.Table, contour_number_spin_->value()));
}
void MainWindow::NextUseless() { BrowseTo(NextUselessContour(work_.Table, contour_number_spin_->value())); }
void MainWindow::PreviousUseless() { BrowseTo(PreviousUselessContour(work_.Table, contour_number_spin_->value())); }

void MainWindow::ThickenTracks() {
  RunLongOperation([this] { pistora::ThickenTracks(work_, host_, drill_mark_size_spin_->value()); });
}

void MainWindow::SmoothJaggies() {
  // The smoothed paths are drawn at once, as the redraw button would.
  RunLongOperation([this] {
    SmoothUsefulContours(work_);
    VerifyView(work_, host_, drill_mark_size_spin_->value());
  });
}

void MainWindow::ValidateVerification() { ApplyStep(StepEvent::VerificationValidated); }

}  // namespace pistora
