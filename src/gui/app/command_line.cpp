#include "gui/app/command_line.h"

#include <cstring>

namespace pistora {

void DescribeCommandLine(QCommandLineParser& parser) {
  parser.setApplicationDescription(QString::fromUtf8(
      "Pistora : du typon (image noir et blanc) aux programmes de gravure et de perçage, et leur "
      "exécution sur une fraiseuse à moteurs pas à pas."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption(QCommandLineOption(
      QStringLiteral("port"),
      QString::fromUtf8("port parallèle de la machine : auto (défaut), ppdev, direct, sim (machine simulée) ou none"),
      QStringLiteral("CHOIX")));
  parser.addOption(QCommandLineOption(QStringLiteral("screenshots"),
                                      QString::fromUtf8("écrit une image PNG de chaque fenêtre dans DOSSIER et s'arrête"),
                                      QStringLiteral("DOSSIER")));
  parser.addPositionalArgument(QStringLiteral("FICHIER"),
                               QString::fromUtf8("typon à ouvrir (BMP, GIF, PNG, TIFF, ...) ou fichier de gravure .grv"),
                               QStringLiteral("[FICHIER]"));
}

bool AsksHelpOrVersion(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
      if (std::strcmp(argv[i], option) == 0) return true;
    }
  }
  return false;
}

}  // namespace pistora
