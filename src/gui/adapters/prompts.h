#pragma once

#include <QString>

namespace pistora {

// File dialogs and message boxes of the windows. The windows ask through this interface so
// that tests can script the answers and never open a modal dialog.
//
// Filters use Qt's form: "Images BitMap (*.bmp);;Images Gif (*.gif)".
class Prompts {
 public:
  virtual ~Prompts() = default;

  // Full path of the chosen file, or an empty string when the dialog was cancelled.
  virtual QString OpenFileName(const QString& caption, const QString& filter) = 0;
  virtual QString SaveFileName(const QString& caption, const QString& filter) = 0;
  // The same, the dialog opening at `start`: a folder, or a file name proposed in a folder.
  virtual QString OpenFileNameAt(const QString& caption, const QString& filter, const QString& /*start*/) {
    return OpenFileName(caption, filter);
  }
  virtual QString SaveFileNameAt(const QString& caption, const QString& filter, const QString& /*start*/) {
    return SaveFileName(caption, filter);
  }

  virtual void ShowError(const QString& text) = 0;
  virtual void ShowInfo(const QString& text) = 0;

  // A yes/no question; true for yes. The default answer is no.
  virtual bool Confirm(const QString& question) = 0;
};

// Converts a filter of description|pattern pairs ("Images BitMap(*.bmp)|*.bmp|...") to
// Qt's form. The description already names its patterns, so only descriptions are kept.
QString QtFilterFromPairs(const QString& pairs);

// Adds the upper-case form of every pattern of a Qt filter ("Images (*.bmp)" becomes
// "Images (*.bmp *.BMP)"), so that files named in capitals are listed where names are
// case-sensitive.
QString WithUpperCasePatterns(const QString& filter);

}  // namespace pistora
