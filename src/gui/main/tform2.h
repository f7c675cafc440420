#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace pistora {

// The About window: the program's name and version, and "&Fermer".
class TForm2 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* parent = nullptr);

  void Button1Click();

  QLabel* Label1 = nullptr;  // program name
  QLabel* Label2 = nullptr;  // version
  QPushButton* Button1 = nullptr;

 private:
  void ConnectHandlers();
};

}  // namespace pistora
