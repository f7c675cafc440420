#pragma once

#include <QCommandLineParser>

namespace pistora {

// The options of the pistora program, with their French descriptions:
//   pistora [--port=CHOICE] [--screenshots FOLDER] [FILE]
//   pistora --help | --version   print and exit, without opening a window
// FILE is an artwork picture or an engraving file (.grv), opened once the windows are up.
void DescribeCommandLine(QCommandLineParser& parser);

// True when the arguments ask only for the help or the version, which need no display.
bool AsksHelpOrVersion(int argc, char** argv);

}  // namespace pistora
