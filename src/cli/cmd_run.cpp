#include "cli/cmd_run.h"

#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/cli_args.h"
#include "cli/cli_machine.h"
#include "cli/command_privileges.h"
#include "cli/located_settings.h"
#include "cli/sim_plate.h"
#include "core/machine/engine_iso_motion.h"
#include "core/machine/forwarding_motion.h"
#include "core/machine/height_map_file.h"
#include "core/machine/height_map_motion.h"
#include "core/machine/homing.h"
#include "core/machine/iso_program.h"
#include "core/settings/machine_parameters.h"
#include "core/text/numbers.h"
#include "hw/port_choice.h"
#include "hw/steady_clock.h"

namespace pistora::cli {

namespace {


// The window's program moves, counting the step pulses sent to each axis.
class CountingMotion final : public ForwardingMotion {
 public:
  CountingMotion(EngineIsoMotion& moves, MotionEngine& engine) : ForwardingMotion(moves), engine_(engine) {}
  void MoveTo(double x, double y, double z) override {
    inner_.MoveTo(x, y, z);
    for (int i = 0; i < 3; ++i) pulses[i] += std::llabs(engine_.LastMoveSteps()[i]);
  }

  std::array<std::int64_t, 3> pulses = {0, 0, 0};

 private:
  MotionEngine& engine_;
};

// The wiring of the simulated machine when no cn.dat is given: step and direction of X, Y and
// Z on D0 to D5, nothing inverted, no switch; the other values are the factory ones.
MachineParameters SimulatedWiring() {
  MachineParameters p;
  MachineParametersFromFile(MachineParameterFile{}, &p);
  WireAxesOnLowDataBits(p);
  return p;
}

constexpr const char* kUsage =
    "Usage : pistora-cli run PROGRAMME.iso [--drill PERCAGE.iso] [--copies NXxNY] "
    "[--params cn.dat] --port CHOIX [--virtual-clock]\n"
    "        [--height-map CARTE.txt] [--sim-surface \"tilt=X,Y;bow=MM\"]\n"
    "        CHOIX : sim (machine simulée), ppdev, direct, auto ou none ; "
    "PISTORA_PORT à défaut de --port\n";

}  // namespace

std::optional<std::pair<int, int>> ParseCopies(std::string_view text) {
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string_view::npos) return std::nullopt;
  const auto nx = ParseInt32(text.substr(0, x));
  const auto ny = ParseInt32(text.substr(x + 1));
  if (!nx || !ny || *nx < 1 || *nx > 100 || *ny < 1 || *ny > 100) return std::nullopt;
  return std::make_pair(*nx, *ny);
}

int RunRun(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
  ArgSpec options_spec;
  options_spec.valued = {"drill", "copies", "params", "port", "height-map", "sim-surface"};
  options_spec.flags = {"virtual-clock"};
  Args args;
  if (Status s = ParseArgs(argv, options_spec, &args); !s) {
    err << "pistora-cli run : " << s.message() << "\n" << kUsage;
    return 2;
  }
  if (args.positional.size() != 1) {
    err << kUsage;
    return 2;
  }
  std::pair<int, int> copies = {1, 1};
  if (args.Has("copies")) {
    const auto parsed = ParseCopies(args.Get("copies").value_or(""));
    if (!parsed) {
      err << "pistora-cli run : --copies attend NXxNY, chaque nombre de 1 à 100 (ex. 2x2)\n";
      return 2;
    }
    copies = *parsed;
  }
  const char* environment = std::getenv(kPortEnvironmentVariable);
  const std::string port_option = args.Get("port").value_or(environment ? environment : "");
  if (port_option.empty()) {
    err << "pistora-cli run : choisir le port avec --port (sim pour une marche à blanc)\n" << kUsage;
    return 2;
  }
  const bool simulated = port_option == "sim";
  if (args.Has("virtual-clock") && !simulated) {
    err << "pistora-cli run : --virtual-clock ne sert qu'avec la machine simulée (--port sim)\n";
    return 2;
  }
  // Under sudo, the files are read with the invoking user's rights, the port is opened as root,
  // then root is given up before anything moves.
  CommandPrivileges privileges;
  if (!StartReadingAsUser("run", &privileges, err)) return 1;
  std::optional<SimulatedSurface> surface;
  if (Status s = ReadSimulatedSurface(args, simulated, &surface); !s) {
    err << "pistora-cli run : " << s.message() << "\n";
    return 2;
  }
  HeightMap height_map;
  if (args.Has("height-map")) {
    if (Status s = LoadHeightMap(args.Get("height-map").value_or(""), &height_map); !s) {
      err << "pistora-cli run : " << s.message() << "\n";
      return 1;
    }
  }
  MachineParameters parameters;
  if (args.Has("params")) {
    if (Status s = LoadMachineParameters(args.Get("params").value_or(""), &parameters); !s) {
      err << "pistora-cli run : " << s.message() << "\n";
      return 1;
    }
  } else if (simulated) {
    parameters = SimulatedWiring();
  } else if (const std::string located = LocatedMachineParameters(); !located.empty()) {
    // The program's own cn.dat: the wiring the windows drive this machine with.
    err << "Paramètres machine : " << located << "\n";
    if (Status s = LoadMachineParameters(located, &parameters); !s) {
      err << "pistora-cli run : " << s.message() << "\n";
      return 1;
    }
  } else {
    err << "pistora-cli run : --params cn.dat est nécessaire pour une vraie machine (son câblage)\n";
    return 2;
  }

  std::vector<std::string> engraving;
  std::vector<std::string> drilling;
  if (Status s = LoadIsoProgram(args.positional[0], &engraving); !s) {
    err << "pistora-cli run : " << s.message() << "\n";
    return 1;
  }
  if (args.Has("drill")) {
    if (Status s = LoadIsoProgram(args.Get("drill").value_or(""), &drilling); !s) {
      err << "pistora-cli run : " << s.message() << "\n";
      return 1;
    }
  }
  // A line that does not convert is refused before anything moves.
  for (const auto* program : {&engraving, &drilling}) {
    if (Status s = CheckIsoProgram(*program); !s) {
      err << "pistora-cli run : " << (program == &drilling ? "perçage : " : "") << s.message() << "\n";
      return 1;
    }
  }

  StopReadingAsUser(&privileges);
  int exit_code = 0;
  const std::unique_ptr<CliMachine> machine = OpenCliMachine("run", port_option, args.Has("virtual-clock"), parameters,
                                                             surface, privileges, true, err, &exit_code);
  if (!machine) return exit_code;
  const std::unique_ptr<Clock>& clock = machine->clock;
  const std::string& timing = machine->timing;
  PortChoice& port = machine->port;
  MachineState& state = machine->state;
  ConsoleDisplay& display = machine->display;
  InterruptHost& host = machine->host;
  PortLayer& port_layer = machine->port_layer;
  MotionEngine engine(state, port_layer, *clock, host, display);
  engine.ApplyParameters(parameters);
  state.WorkFeed = parameters.WorkFeed;
  FeedSlider slider(parameters.MaxFeed, parameters.WorkFeed);
  slider.SetChangeHandler([&state](std::int32_t feed) { state.WorkFeed = feed; });
  state.WorkFeed = LimitFeed(parameters.WorkFeed, slider.Maximum());
  port_layer.ResetOutputs();
  EngineIsoMotion engine_motion(engine, slider);
  CountingMotion motion(engine_motion, engine);
  // Outermost first: the simulated machine told which moves cut, then the map's correction.
  std::optional<HeightMapMotion> mapped;
  if (!height_map.Empty()) mapped.emplace(motion, height_map);
  IsoMotion& corrected = mapped ? static_cast<IsoMotion&>(*mapped) : motion;
  std::optional<CuttingMarkMotion> marked;
  if (surface) marked.emplace(corrected, *port.simulated);
  IsoMotion& program_motion = marked ? static_cast<IsoMotion&>(*marked) : corrected;
  // The machine's pages exist now: locked as the program does once its session is built.
  if (!args.Has("virtual-clock")) LockCurrentMemory();

  out << "Port : " << port.description << "\n";
  if (!timing.empty()) out << timing << "\n";

  const IsoAnalysis analysis =
      AnalyseIsoProgram(engraving, motion.CurrentPosition(), state.WorkFeed, host, state.StopFlag);
  const CopyGrid grid{copies.first, copies.second, analysis.extent_x, analysis.extent_y,
                      parameters.CopyGap};
  const std::int64_t start_us = clock->NowMicros();
  bool refused = false;
  auto run_program = [&](const std::vector<std::string>& lines) {
    // "Valide Réglage niveau Z" where the tool stands, then "Démarrer la gravure".
    program_motion.ZeroAxisZ();
    RunStartSequence(
        grid,
        [&] {
          const IsoRunResult result = RunIsoProgram(lines, program_motion, host);
          if (result.outcome == IsoRunOutcome::kRefused) {
            err << "pistora-cli run : " << result.status.message() << "\n";
            refused = true;
            return false;
          }
          if (result.outcome == IsoRunOutcome::kStopped) {
            err << "pistora-cli run : " << result.status.message() << "\n";
            return false;
          }
          return true;
        },
        program_motion);
  };
  run_program(engraving);
  if (!drilling.empty() && !refused && !state.StopFlag) run_program(drilling);
  const std::int64_t elapsed_us = clock->NowMicros() - start_us;
  port_layer.ResetOutputs();
  port_layer.StopPortDriver();

  out << "Durée : " << FormatFixed(static_cast<double>(elapsed_us) / 1e6, 3) << " s"
      << (args.Has("virtual-clock") ? " (horloge virtuelle)" : "") << "\n";
  if (state.StopFlag) out << "Arrêt : la machine a été arrêtée avant la fin du programme.\n";
  out << "final X=" << FormatFixed(state.Position[0], 3) << " Y=" << FormatFixed(state.Position[1], 3)
      << " Z=" << FormatFixed(state.Position[2], 3) << " pulses X=" << motion.pulses[0]
      << " Y=" << motion.pulses[1] << " Z=" << motion.pulses[2];
  if (surface) {
    const SimulatedMachine::DepthRange& depth = port.simulated->CuttingDepth();
    out << " depth below surface: min=" << FormatFixed(depth.min, 3) << " max=" << FormatFixed(depth.max, 3);
  }
  out << "\n";
  return refused || state.StopFlag ? 1 : 0;
}

}  // namespace pistora::cli
