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
  Label23->setText(QString::number(panel.counters.UsefulTrackCount));
  Label24->setText(QString::number(panel.counters.DrillCount));
  CheckBox1->setChecked(panel.pad_checked);
  CheckBox2->setChecked(panel.useless_checked);
}

void MainWindow::SetContourRange() {
  // The number box never addresses a contour past the table; with no contour there is
  // nothing to select or flag.
  const int count = work_.Table.ContourCount();
  {
    const QSignalBlocker block(SpinEdit1);
    SpinEdit1->setRange(0, std::max(0, count - 1));
    SpinEdit1->setValue(0);
  }
  work_.SelectedContour = 0;
  if (count == 0) {
    for (QWidget* w : std::initializer_list<QWidget*>{SpinEdit1, CheckBox1, CheckBox2}) w->setEnabled(false);
  }
  ShowSelectionPanel(PanelFor(work_.Table, 0));
}

void MainWindow::SpinEdit1Change() {
  ShowSelectionPanel(SelectContour(work_, host_, SpinEdit1->value(), SpinEdit4->value()));
}

void MainWindow::SelectContourNumber(int index) {
  // Setting the value it already holds changes nothing in the box: highlight anyway, since a
  // redraw may have taken the blue off the selection.
  if (SpinEdit1->value() == index) {
    SpinEdit1Change();
  } else {
    SpinEdit1->setValue(index);
  }
}

void MainWindow::Image2ContextPopup(QPoint position) {
  if (busy_ || !SpinEdit1->isEnabled()) return;
  const int hpos = ScrollBar3->value();
  const int vpos = ScrollBar4->value();
  const std::optional<int> index = ContourAtViewPoint(work_, position.x(), position.y(), hpos, vpos,
                                                      EngravingViewColours(work_, hpos, vpos));
  ShowEngravingView();
  if (index) SelectContourNumber(*index);
}

void MainWindow::CheckBox1Click(bool checked) { SetPadFlag(work_.Table, SpinEdit1->value(), checked); }

void MainWindow::CheckBox2Click(bool checked) {
  if (SetUselessFlag(work_.Table, SpinEdit1->value(), checked)) CheckBox2->setChecked(false);
}

void MainWindow::Button3Click() { VerifyView(work_, host_, SpinEdit4->value()); }

void MainWindow::BrowseTo(int index) {
  work_.StopRequest = false;
  SelectContourNumber(index);
}

void MainWindow::Button6Click() { BrowseTo(NextPad(work_.Table, SpinEdit1->value())); }
void MainWindow::Button9Click() { BrowseTo(PreviousPad(work_.Table, SpinEdit1->value())); }
void MainWindow::Button7Click() { BrowseTo(NextUsefulTrack(work_.Table, SpinEdit1->value())); }
void MainWindow::Button10Click() { BrowseTo(PreviousUsefulTrack(work_.Table, SpinEdit1->value())); }
void MainWindow::Button8Click() { BrowseTo(NextUselessContour(work_.Table, SpinEdit1->value())); }
void MainWindow::Button11Click() { BrowseTo(PreviousUselessContour(work_.Table, SpinEdit1->value())); }

void MainWindow::Button1Click() {
  RunLongOperation([this] { ThickenTracks(work_, host_, SpinEdit4->value()); });
}

void MainWindow::Button2Click() {
  // The smoothed paths are drawn at once, as the redraw button would.
  RunLongOperation([this] {
    SmoothUsefulContours(work_);
    VerifyView(work_, host_, SpinEdit4->value());
  });
}

void MainWindow::BitBtn9Click() { ApplyStep(StepEvent::VerificationValidated); }

}  // namespace pistora
