// cn.dat: the machine's 47 settings, read when the machine window opens.
#include <cstdlib>

#include "core/settings/machine_parameters.h"
#include "fuzz_input_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pistora;
  const std::string& path = fuzz::WriteInputFile(data, size, ".dat");
  MachineParameterFile file;
  const MachineParameterFile before = file;
  const Status read = ReadMachineParameterFile(path, &file);
  if (!read && file != before) std::abort();  // a refused file leaves the texts alone
  if (!read) return 0;
  MachineParameters parameters;
  const MachineParameters defaults = parameters;
  const Status converted = MachineParametersFromFile(file, &parameters);
  if (!converted && parameters != defaults) std::abort();  // all or nothing
  if (!converted && converted.message().empty()) std::abort();  // an error always says why
  MachineParameters loaded;
  if (LoadMachineParameters(path, &loaded).ok() != converted.ok()) std::abort();
  return 0;
}
