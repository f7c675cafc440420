#pragma once

#include <QPixmap>
#include <QString>

namespace pistora {

// The small pictures of the machine window: grav.bmp and perc.bmp (the current mode),
// led1on.bmp and led1off.bmp (the spindle button). They are read from the program's folder;
// one that is missing there is drawn by the program instead, and saved there for next time
// when the folder is writable.
QPixmap MachinePicture(const QString& folder, const QString& name);

// Draws one of the four pictures (a null pixmap for any other name).
QPixmap DrawMachinePicture(const QString& name);

}  // namespace pistora
