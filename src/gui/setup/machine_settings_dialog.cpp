#include "gui/setup/machine_settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

#include "core/settings/machine_parameters.h"
#include "gui/adapters/prompts.h"
#include "gui/setup/surfacing_tab.h"

namespace pistora {

MachineSettingsDialog::MachineSettingsDialog(Prompts& prompts, QString folder, QWidget* parent, SetupMotion* motion)
    : QDialog(parent), prompts_(prompts), folder_(std::move(folder)) {
  setObjectName(QStringLiteral("TPagesDlg"));
  setWindowTitle(QString::fromUtf8("Paramétrage"));
  setModal(false);
  setFixedSize(603, 300);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  PageControl1->setGeometry(4, 4, 595, 256);
  auto page = [this](const char* name, const char* title) {
    auto* sheet = new QWidget(PageControl1);
    sheet->setObjectName(QString::fromLatin1(name));
    PageControl1->addTab(sheet, QString::fromUtf8(title));
    return sheet;
  };
  TabSheet1 = page("TabSheet1", "Entrées / Sorties");
  TabSheet2 = page("TabSheet2", "Axes");
  auto* surfacing = new SurfacingTab(PageControl1, motion);
  surfacing->SetPrompts(prompts_);
  TabSheet3 = surfacing;
  TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
  PageControl1->addTab(TabSheet3, QString::fromUtf8("Surfaçage de la table"));
  TabSheet4 = page("TabSheet4", "Gestion du cuivre");

  BuildInputsOutputsPage();
  BuildAxesPage();
  BuildCopperPage();
  BuildButtons();
  InstallKeyModes(TabSheet2);
  InstallKeyModes(TabSheet4);

  for (const ParameterDialogControl& control : ParameterDialogControls()) {
    if (control.kind != DialogControlKind::List) continue;
    auto* list = findChild<QComboBox*>(QString::fromLatin1(control.name));
    connect(list, &QComboBox::currentIndexChanged, this, [this, list] { ComboBoxChange(list); });
  }
  connect(BitBtn1, &QPushButton::clicked, this, &MachineSettingsDialog::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &MachineSettingsDialog::BitBtn2Click);
  connect(BitBtn3, &QPushButton::clicked, this, &MachineSettingsDialog::BitBtn3Click);

  WriteControls(FactoryDialogValues());
}

QString MachineSettingsDialog::ParameterFilePath() const {
  const QString folder = folder_.isEmpty() ? QCoreApplication::applicationDirPath() : folder_;
  return QDir(folder).filePath(QString::fromLatin1(kMachineParameterFileName));
}

void MachineSettingsDialog::ShowPage(int index) { PageControl1->setCurrentIndex(index); }

// ---- Controls <-> values ----------------------------------------------------------------------

ParameterDialogValues MachineSettingsDialog::ReadControls() const {
  ParameterDialogValues values;
  for (int i = 0; i < kMachineParameterLineCount; ++i) {
    const ParameterDialogControl& control = ParameterDialogControls()[i];
    const QString name = QString::fromLatin1(control.name);
    switch (control.kind) {
      case DialogControlKind::List:
        if (auto* list = findChild<QComboBox*>(name)) values[i].index = list->currentIndex();
        break;
      case DialogControlKind::Check:
        if (auto* box = findChild<QCheckBox*>(name)) values[i].checked = box->isChecked();
        break;
      case DialogControlKind::Edit:
        if (auto* box = findChild<QLineEdit*>(name)) values[i].text = box->text().toStdString();
        break;
    }
  }
  return values;
}

void MachineSettingsDialog::WriteControls(const ParameterDialogValues& values) {
  for (int i = 0; i < kMachineParameterLineCount; ++i) {
    const ParameterDialogControl& control = ParameterDialogControls()[i];
    const QString name = QString::fromLatin1(control.name);
    switch (control.kind) {
      case DialogControlKind::List:
        if (auto* list = findChild<QComboBox*>(name)) {
          list->setCurrentIndex(values[i].index);
          ComboBoxChange(list);  // also when the index did not change
        }
        break;
      case DialogControlKind::Check:
        if (auto* box = findChild<QCheckBox*>(name)) box->setChecked(values[i].checked);
        break;
      case DialogControlKind::Edit:
        if (auto* box = findChild<QLineEdit*>(name)) box->setText(QString::fromStdString(values[i].text));
        break;
    }
  }
}

QColor MachineSettingsDialog::ListColourOf(const QComboBox* list) { return list->palette().color(QPalette::Button); }

// ---- Handlers -----------------------------------------------------------------------------------

void MachineSettingsDialog::ComboBoxChange(QComboBox* list) {
  const ListRgb rgb = ListColour(list->currentIndex());
  const QColor colour(rgb.r, rgb.g, rgb.b);
  QPalette palette = list->palette();
  palette.setColor(QPalette::Button, colour);
  palette.setColor(QPalette::Base, colour);
  list->setPalette(palette);
}

void MachineSettingsDialog::Load(bool asked) {
  ParameterDialogValues values = ReadControls();
  const ParameterDialogLoad load = LoadParameterDialogFile(ParameterFilePath().toStdString(), &values);
  WriteControls(values);
  if (load.Clean()) {
    load_report_.Rearm();
    return;
  }
  const std::string message = load.Message();
  if (!load_report_.ShouldReport(message, asked)) return;
  if (load.status.ok()) {
    prompts_.ShowInfo(QString::fromStdString(message));
  } else {
    prompts_.ShowError(QString::fromStdString(message));
  }
}

void MachineSettingsDialog::LoadParameterDialog() { Load(true); }

void MachineSettingsDialog::FormActivate() {
  if (keep_edits_) return;
  Load(false);
}

void MachineSettingsDialog::BitBtn1Click() {
  keep_edits_ = false;
  LoadParameterDialog();
}

void MachineSettingsDialog::BitBtn2Click() { close(); }

void MachineSettingsDialog::BitBtn3Click() {
  // The values are taken before any message box: returning from one re-activates the dialog.
  const ParameterDialogValues values = ReadControls();
  keep_edits_ = true;
  const std::string warnings = SaveWarningsMessage(ParameterSaveWarnings(values));
  if (!warnings.empty()) prompts_.ShowInfo(QString::fromStdString(warnings));
  const Status saved = SaveMachineParameters(ParameterFilePath().toStdString(), DialogValuesToFile(values));
  if (!saved) {
    // The dialog stays open with the edits, and activation leaves them alone until they are
    // saved, restored or the dialog is left.
    WriteControls(values);
    prompts_.ShowError(QString::fromStdString(saved.message()));
    return;
  }
  keep_edits_ = false;
  close();
}

// ---- Window events ------------------------------------------------------------------------------

bool MachineSettingsDialog::event(QEvent* event) {
  const bool handled = QDialog::event(event);
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return handled;
}

void MachineSettingsDialog::showEvent(QShowEvent* event) {
  if (!centred_) {
    centred_ = true;
    if (QScreen* on = screen()) move(on->availableGeometry().center() - rect().center());
  }
  QDialog::showEvent(event);
}

void MachineSettingsDialog::hideEvent(QHideEvent* event) {
  // Shown again later, the dialog reads cn.dat afresh and tells of its faults anew.
  load_report_.Rearm();
  keep_edits_ = false;
  QDialog::hideEvent(event);
}

}  // namespace pistora
