#include "cli/command_table.h"

#include <ostream>

#include "cli/cmd_analyse.h"
#include "cli/cmd_calibrate.h"
#include "cli/cmd_check.h"
#include "cli/cmd_convert.h"
#include "cli/cmd_gcode.h"
#include "cli/cmd_info.h"
#include "cli/cmd_preprocess.h"
#include "cli/cmd_probe.h"
#include "cli/cmd_run.h"

namespace pistora::cli {

// Subcommands live in files of their own (cmd_<name>.cpp) and are listed here.
const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"analyse", "analyse TYPON -o SORTIE.grv [--pixel-mm MM | --dpi N] [--hole-size N] [--pad-points N]",
       "Traitement du typon (pistes et pastilles) et fichier gravure, comme « Traiter » puis « Sauvegarde ».", RunAnalyse},
      {"preprocess", "preprocess TYPON -o SORTIE.bmp",
       "Pré-traitement du typon : lignes médianes blanches des isolements, écrites en BMP 24 bits.", RunPreprocess},
      {"gcode", "gcode FICHIER.grv [--engrave GRAVURE.iso] [--drill PERCAGE.iso] [--depth MM] [--no-spindle] ...",
       "Programmes ISO de gravure et de perçage d'un fichier gravure, comme « Générer G-CODE ».", RunGcode},
      {"convert", "convert TYPON --out-dir DOSSIER [--pixel-mm MM | --dpi N] [--hole-size N] [--pad-points N] ...",
       "Typon vers fichier gravure et programmes de gravure et de perçage, en une fois.", RunConvert},
      {"check", "check TYPON GRAVURE.iso [--pixel-mm MM | --dpi N] --tool-width MM [--drill PERCAGE.iso]",
       "Pose le sillon de l'outil le long du programme sur le typon : îlots non isolés, cuivre entamé, perçages sur le cuivre.",
       RunCheck},
      {"info", "info PROGRAMME.iso [--feed F]",
       "Taille, longueur et temps estimé d'un programme ISO, comme « &Charger gravure ISO ».", RunInfo},
      {"run", "run PROGRAMME.iso [--drill PERCAGE.iso] [--copies NXxNY] [--params cn.dat] --port sim [--virtual-clock]"
              " [--height-map CARTE.txt]",
       "Exécute le programme (et ses copies) sur la machine, comme « Démarrer la gravure ».", RunRun},
      {"probe", "probe --extent LxH (--grid CxR | --spacing MM) -o CARTE.txt --port sim [--sim-surface ...]",
       "Palpe la carte des hauteurs du cuivre sur l'étendue du travail et l'écrit dans un fichier texte.", RunProbe},
      {"calibrate", "calibrate [--port P --params cn.dat] [--seconds S]",
       "Mesure le tic de 50 µs de ce PC et propose le TickWaitUs de cn.dat qui le tient.", RunCalibrate},
  };
  return commands;
}

namespace {

void PrintUsage(std::ostream& out) {
  out << "Usage : pistora-cli <commande> [options]\n"
         "        pistora-cli --help | --version\n\n"
         "Commandes :\n";
  for (const Command& c : Commands()) {
    out << "  " << c.synopsis << "\n      " << c.summary << "\n";
  }
  if (Commands().empty()) out << "  (aucune)\n";
}

}  // namespace

int Main(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
  if (argv.size() < 2 || argv[1] == "--help" || argv[1] == "-h" || argv[1] == "help") {
    PrintUsage(argv.size() < 2 ? err : out);
    return argv.size() < 2 ? 2 : 0;
  }
  if (argv[1] == "--version") {
    out << "pistora-cli 2.20\n";
    return 0;
  }
  for (const Command& c : Commands()) {
    if (argv[1] == c.name) {
      return c.run(std::vector<std::string>(argv.begin() + 2, argv.end()), out, err);
    }
  }
  err << "pistora-cli : commande inconnue « " << argv[1] << " »\n\n";
  PrintUsage(err);
  return 2;
}

}  // namespace pistora::cli
