#include "cli/cmd_probe.h"

#include <memory>
#include <optional>
#include <ostream>

#include "cli/cli_args.h"
#include "cli/cli_machine.h"
#include "cli/command_privileges.h"
#include "cli/sim_plate.h"
#include "core/machine/height_map_file.h"
#include "core/machine/height_map_probing.h"
#include "core/text/numbers.h"
#include "hw/port_choice.h"

namespace pistora::cli {

namespace {

constexpr const char* kUsage =
    "Usage : pistora-cli probe --extent LxH (--grid CxR | --spacing MM) -o CARTE.txt --port CHOIX\n"
    "        [--params cn.dat] [--feed F] [--max-travel MM] [--clearance MM]\n"
    "        [--sim-surface \"tilt=X,Y;bow=MM\"] [--virtual-clock]\n";


// "AxB" as two numbers (mm or counts).
bool ReadPair(const std::string& text, double* a, double* b) {
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  const auto first = ParseDecimal(std::string_view(text).substr(0, x));
  const auto second = ParseDecimal(std::string_view(text).substr(x + 1));
  if (!first || !second) return false;
  *a = *first;
  *b = *second;
  return true;
}

}  // namespace

int RunProbe(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
  ArgSpec options_spec;
  options_spec.valued = {"extent", "grid", "spacing", "o", "port", "params", "feed", "max-travel", "clearance",
                         "sim-surface"};
  options_spec.flags = {"virtual-clock"};
  Args args;
  if (Status s = ParseArgs(argv, options_spec, &args); !s) {
    err << "pistora-cli probe : " << s.message() << "\n" << kUsage;
    return 2;
  }
  const auto usage_error = [&](const std::string& why) {
    err << "pistora-cli probe : " << why << "\n" << kUsage;
    return 2;
  };
  if (!args.positional.empty() || args.Get("o").value_or("").empty()) return usage_error("-o CARTE.txt attendu");
  double extent_x = 0, extent_y = 0;
  if (!ReadPair(args.Get("extent").value_or(""), &extent_x, &extent_y)) {
    return usage_error("--extent attend LxH en mm (ex. 80x60)");
  }
  std::string grid_error;
  std::optional<HeightGrid> grid;
  if (args.Has("grid") == args.Has("spacing")) return usage_error("donner --grid CxR ou --spacing MM (l'un des deux)");
  if (args.Has("grid")) {
    const std::string text = args.Get("grid").value_or("");
    const std::size_t x = text.find_first_of("xX");
    const auto columns = ParseInt32(std::string_view(text).substr(0, x == std::string::npos ? 0 : x));
    const auto rows = x == std::string::npos ? std::nullopt : ParseInt32(std::string_view(text).substr(x + 1));
    if (!columns || !rows) return usage_error("--grid attend COLONNESxLIGNES (ex. 6x5)");
    grid = GridByCount(0, 0, extent_x, extent_y, *columns, *rows, &grid_error);
  } else {
    double spacing = 0;
    if (Status s = GetDecimal(args, "spacing", &spacing); !s) return usage_error(s.message());
    grid = GridBySpacing(0, 0, extent_x, extent_y, spacing, &grid_error);
  }
  if (!grid) return usage_error(grid_error);
  ProbeSettings settings;
  for (const auto& [name, value] : {std::pair{"feed", &settings.feed}, std::pair{"max-travel", &settings.max_travel},
                                    std::pair{"clearance", &settings.clearance}}) {
    if (!args.Has(name)) continue;
    if (Status s = GetDecimal(args, name, value); !s || !(*value > 0)) {
      return usage_error("--" + std::string(name) + " attend un nombre positif");
    }
  }

  const std::string port_option = args.Get("port").value_or("");
  if (port_option.empty()) return usage_error("choisir le port avec --port (sim pour une marche à blanc)");
  const bool simulated = port_option == "sim";
  if (args.Has("virtual-clock") && !simulated) return usage_error("--virtual-clock ne sert qu'avec --port sim");
  std::optional<SimulatedSurface> surface;
  if (Status s = ReadSimulatedSurface(args, simulated, &surface); !s) return usage_error(s.message());
  // Under sudo: cn.dat read as the user, the port opened as root, root given up before any move
  // and before the map is written.
  CommandPrivileges privileges;
  if (!StartReadingAsUser("probe", &privileges, err)) return 1;
  MachineParameters parameters;
  if (args.Has("params")) {
    if (Status s = LoadMachineParameters(args.Get("params").value_or(""), &parameters); !s) {
      err << "pistora-cli probe : " << s.message() << "\n";
      return 1;
    }
  } else if (simulated) {
    MachineParametersFromFile(MachineParameterFile{}, &parameters);
    WireAxesOnLowDataBits(parameters);
  } else {
    return usage_error("--params cn.dat est nécessaire pour une vraie machine (son câblage)");
  }
  if (simulated) WireSimulatedProbe(parameters);
  StopReadingAsUser(&privileges);

  // Without a plate the simulated probe never closes: a flat one at the start height.
  int exit_code = 0;
  const std::unique_ptr<CliMachine> machine =
      OpenCliMachine("probe", port_option, args.Has("virtual-clock"), parameters, surface.value_or(SimulatedSurface{}),
                     privileges, false, err, &exit_code);
  if (!machine) return exit_code;
  const std::unique_ptr<Clock>& clock = machine->clock;
  PortChoice& port = machine->port;
  MachineState& state = machine->state;
  ConsoleDisplay& display = machine->display;
  InterruptHost& host = machine->host;
  PortLayer& port_layer = machine->port_layer;
  MotionEngine engine(state, port_layer, *clock, host, display);
  engine.ApplyParameters(parameters);
  state.WorkFeed = parameters.WorkFeed;
  port_layer.ResetOutputs();

  out << "Port : " << port.description << "\n";
  const HeightMapProbeResult result = ProbeHeightMap(engine, *grid, settings);
  port_layer.ResetOutputs();
  port_layer.StopPortDriver();
  if (result.outcome != ProbeOutcome::kContact) {
    err << "pistora-cli probe : carte interrompue après " << result.points_probed << " point(s) : "
        << engine.StopReason() << "\n";
    return 1;
  }
  const std::string path = *args.Get("o");
  if (Status s = SaveHeightMap(path, result.map); !s) {
    err << "pistora-cli probe : " << s.message() << "\n";
    return 1;
  }
  const HeightSummary summary = result.map.Summary();
  out << "Carte des hauteurs : " << grid->columns << " x " << grid->rows << " points, pas "
      << FormatFixed(grid->step_x, 3) << " x " << FormatFixed(grid->step_y, 3) << " mm, écrite dans " << path << "\n"
      << "min=" << FormatFixed(summary.min, 3) << " max=" << FormatFixed(summary.max, 3)
      << " pente X=" << FormatFixed(summary.tilt_x, 3) << " Y=" << FormatFixed(summary.tilt_y, 3)
      << " mm/100 mm\n";
  return 0;
}

}  // namespace pistora::cli
