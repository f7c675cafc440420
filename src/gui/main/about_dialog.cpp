#include "gui/main/about_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <utility>

#include "core/windows/about_dialog_controls.h"
#include "gui/widgets/named_control.h"

namespace pistora {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QString::fromLatin1(AboutControls().WindowName().data()));
  setWindowTitle(QStringLiteral("A propos de ...."));
  setFixedSize(320, 216);

  program_name_label_ = Named(new QLabel(QStringLiteral("Pistora"), this), AboutControl::kProgramName, {10, 20, 300, 44});
  QFont big = program_name_label_->font();
  big.setPointSize(big.pointSize() + 8);
  big.setBold(true);
  program_name_label_->setFont(big);
  program_name_label_->setAlignment(Qt::AlignCenter);

  version_label_ = Named(new QLabel(QStringLiteral("ver 2.20"), this), AboutControl::kVersion, {10, 70, 300, 24});
  version_label_->setAlignment(Qt::AlignCenter);

  // What the program does (the language files' first description line) and its licence.
  for (const auto& [role, top] : {std::pair{AboutControl::kDescriptionLine1, 100}, std::pair{AboutControl::kLicence, 124}}) {
    auto* line = Named(new QLabel(BuiltInCaptionOf(role), this), role, {10, top, 300, 20});
    line->setAlignment(Qt::AlignCenter);
  }

  close_button_ = Named(new QPushButton(QStringLiteral("&Fermer"), this), AboutControl::kCloseButton, {110, 164, 100, 30});
  close_button_->setDefault(true);
  connect(close_button_, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace pistora
