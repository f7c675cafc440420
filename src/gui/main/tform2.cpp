#include "gui/main/tform2.h"

#include <QLabel>
#include <QPushButton>

namespace pistora {

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm2"));
  setWindowTitle(QStringLiteral("A propos de ...."));
  setFixedSize(320, 180);

  Label1 = new QLabel(QStringLiteral("Pistora"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont big = Label1->font();
  big.setPointSize(big.pointSize() + 8);
  big.setBold(true);
  Label1->setFont(big);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setGeometry(10, 20, 300, 44);

  Label2 = new QLabel(QStringLiteral("ver 2.20"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setAlignment(Qt::AlignCenter);
  Label2->setGeometry(10, 70, 300, 24);

  Button1 = new QPushButton(QStringLiteral("&Fermer"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(110, 126, 100, 30);
  Button1->setDefault(true);
  ConnectHandlers();
}

void TForm2::ConnectHandlers() { connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click); }

void TForm2::Button1Click() { accept(); }

}  // namespace pistora
