#include "cli/cmd_calibrate.h"

#include <memory>
#include <ostream>

#include "cli/cli_args.h"
#include "core/machine/tick_calibration.h"
#include "core/settings/machine_parameters.h"
#include "hw/port_choice.h"
#include "hw/steady_clock.h"

namespace pistora::cli {

namespace {
constexpr const char* kUsage = "Usage : pistora-cli calibrate [--port P --params cn.dat] [--seconds S]\n";
}  // namespace

int RunCalibrate(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
  ArgSpec options_spec;
  options_spec.valued = {"port", "params", "seconds"};
  Args args;
  Status status = ParseArgs(argv, options_spec, &args);
  long seconds = 2;
  if (status && args.Has("seconds")) status = GetInteger(args, "seconds", 1, 60, &seconds);
  if (!status || !args.positional.empty() || args.Has("port") != args.Has("params")) {
    if (!status) err << "pistora-cli calibrate : " << status.message() << "\n";
    err << kUsage;
    return 2;
  }
  MachineParameters parameters;
  if (args.Has("params")) {
    if (Status s = LoadMachineParameters(args.Get("params").value_or(""), &parameters); !s) {
      err << "pistora-cli calibrate : " << s.message() << "\n";
      return 1;
    }
  }
  const RealTimeSetup real_time = PrepareRealTime();
  if (!real_time.message.empty()) err << real_time.message << "\n";
  SteadyClock clock(real_time.real_time);
  PortChoice port;
  if (args.Has("port")) {
    port = ChoosePort(args.Get("port").value_or(""), "", clock);
    if (!port.error.empty()) {
      err << "pistora-cli calibrate : " << port.error << "\n";
      return 2;
    }
    if (!port.port->Open()) {
      err << "pistora-cli calibrate : " << port.port->LastError() << "\n";
      return 1;
    }
  }
  const TickCalibration calibration =
      CalibrateTick(clock, port.port.get(), parameters.PortBase, static_cast<std::int64_t>(seconds) * 1000000);
  if (port.port) port.port->Close();
  out << CalibrationReport(calibration) << "\n";
  out << "TickWaitUs propos\xC3\xA9 : " << calibration.proposed_tick_wait_us << "\n";
  return calibration.keeps_50us ? 0 : 1;
}

}  // namespace pistora::cli
