#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace pistora {

// The About window: the program's name and version, and "&Fermer".
class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);

 private:
  QLabel* program_name_label_ = nullptr;
  QLabel* version_label_ = nullptr;
  QPushButton* close_button_ = nullptr;
};

}  // namespace pistora
