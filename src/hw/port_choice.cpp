#include "hw/port_choice.h"

#include "hw/ioperm_port.h"
#include "hw/null_port.h"
#include "hw/ppdev_port.h"

namespace pistora {

namespace {

PortChoice Make(std::unique_ptr<PortIo> port, PortBackend backend, std::string why = {}) {
  PortChoice choice;
  choice.description = port->Description() + why;
  choice.port = std::move(port);
  choice.backend = backend;
  return choice;
}

PortChoice Auto(std::uint16_t port_base) {
  auto direct = std::make_unique<IoPermPort>(port_base);
  if (direct->Open()) return Make(std::move(direct), PortBackend::Direct);
  auto ppdev = std::make_unique<PpdevPort>();
  if (ppdev->Open()) {
    return Make(std::move(ppdev), PortBackend::Ppdev, " ; " + direct->LastError());
  }
  return Make(std::make_unique<NullPort>(), PortBackend::None,
              " ; " + direct->LastError() + " ; " + ppdev->LastError());
}

}  // namespace

PortChoice ChoosePort(std::string_view option, std::string_view environment, Clock& clock,
                      std::uint16_t port_base) {
  const std::string_view value = !option.empty() ? option : environment;
  if (value.empty() || value == "auto") return Auto(port_base);
  if (value == "ppdev") return Make(std::make_unique<PpdevPort>(), PortBackend::Ppdev);
  if (value == "direct") return Make(std::make_unique<IoPermPort>(port_base), PortBackend::Direct);
  if (value == "none") return Make(std::make_unique<NullPort>(), PortBackend::None);
  if (value == "sim") {
    auto machine = std::make_unique<SimulatedMachine>(clock);
    SimulatedMachine* raw = machine.get();
    PortChoice choice = Make(std::move(machine), PortBackend::Simulated);
    choice.simulated = raw;
    return choice;
  }
  PortChoice choice = Make(std::make_unique<NullPort>(), PortBackend::None);
  choice.error = "Choix de port inconnu « " + std::string(value) +
                 " » (auto, ppdev, direct, sim ou none) : aucun port n'est utilisé.";
  return choice;
}

std::string PortRefusal(const PortChoice& choice) {
  const std::string reason = choice.port ? choice.port->LastError() : std::string();
  return reason.empty() ? choice.description : reason;
}

std::string FindPortOption(const std::vector<std::string>& args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i].rfind("--port=", 0) == 0) return args[i].substr(7);
    if (args[i] == "--port" && i + 1 < args.size()) return args[i + 1];
  }
  return {};
}

}  // namespace pistora
