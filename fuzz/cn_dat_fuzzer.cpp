// cn.dat: the machine's 47 settings, read when the machine window opens and by the parameter
// dialog on each activation.
#include <cstdlib>
#include <string>
#include <vector>

#include "core/settings/machine_parameters.h"
#include "core/settings/parameter_dialog.h"
#include "fuzz_input_file.h"

namespace {

// The dialog shows what the file holds, lists included, and what it saves reads back the same.
void CheckDialog(const std::string& path) {
  using namespace pistora;
  ParameterDialogValues values = FactoryDialogValues();
  const ParameterDialogLoad load = LoadParameterDialogFile(path, &values);
  if (!load.Clean() && load.Message().empty()) std::abort();  // a problem is always told
  for (std::size_t i = 0; i < values.size(); ++i) {
    const ParameterDialogControl& control = ParameterDialogControls()[i];
    if (control.kind != DialogControlKind::List) continue;
    const int count = static_cast<int>(DialogListItems(control.list).size());
    if (values[i].index != kNoSelection && (values[i].index < 0 || values[i].index >= count)) std::abort();
  }
  const MachineParameterFile saved = DialogValuesToFile(values);
  ParameterDialogValues again = FactoryDialogValues();
  const ParameterDialogLoad reload =
      ApplyParameterLines(std::vector<std::string>(saved.Texts.begin(), saved.Texts.end()), &again);
  ParameterDialogValues expected = values;  // line breaks inside a box are dropped on saving
  for (DialogControlValue& value : expected) std::erase_if(value.text, [](char c) { return c == '\r' || c == '\n'; });
  if (!reload.status.ok() || again != expected) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pistora;
  const std::string& path = fuzz::WriteInputFile(data, size, ".dat");
  CheckDialog(path);
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
