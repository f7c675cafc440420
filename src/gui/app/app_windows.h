#pragma once

namespace pistora {

class TForm1;
class TForm2;
class Tgravefrm;
class Tgestfrm;
class TPagesDlg;
class Tloupefrm;
class Tmasquefrm;
class Trgloupefrm;

// The single instance of every window, alive for the whole run. Handlers of one window
// reach another through these; a pointer is null until CreateWindows made that window
// (a test may create the main window alone).
struct AppWindows {
  TForm1* Form1 = nullptr;
  TForm2* Form2 = nullptr;
  Tgravefrm* gravefrm = nullptr;
  Tgestfrm* gestfrm = nullptr;
  TPagesDlg* PagesDlg = nullptr;
  Tloupefrm* loupefrm = nullptr;
  Tmasquefrm* masquefrm = nullptr;
  Trgloupefrm* rgloupefrm = nullptr;
};

AppWindows& Windows();

}  // namespace pistora
