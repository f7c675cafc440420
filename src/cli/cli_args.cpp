#include "cli/cli_args.h"

#include "core/text/numbers.h"

namespace pistora::cli {

std::optional<std::string> Args::Get(const std::string& name) const {
  auto it = options.find(name);
  if (it == options.end()) return std::nullopt;
  return it->second;
}

Status ParseArgs(const std::vector<std::string>& argv, const ArgSpec& options_spec, Args* args) {
  *args = Args{};
  for (std::size_t i = 0; i < argv.size(); ++i) {
    const std::string& a = argv[i];
    if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
      std::string name = a.substr(2);
      std::optional<std::string> value;
      const std::size_t eq = name.find('=');
      if (eq != std::string::npos) {
        value = name.substr(eq + 1);
        name = name.substr(0, eq);
      }
      if (options_spec.flags.count(name)) {
        if (value) return Status::Error("l'option --" + name + " ne prend pas de valeur");
        args->flags.insert(name);
      } else if (options_spec.optional_value.count(name)) {
        if (!value && i + 1 < argv.size() && argv[i + 1].compare(0, 2, "--") != 0 &&
            ParseInt32(argv[i + 1]).has_value()) {
          value = argv[++i];
        }
        if (value) {
          args->options[name] = *value;
        } else {
          args->flags.insert(name);
        }
      } else if (options_spec.valued.count(name)) {
        if (!value) {
          if (i + 1 >= argv.size()) return Status::Error("l'option --" + name + " attend une valeur");
          value = argv[++i];
        }
        args->options[name] = *value;
      } else {
        return Status::Error("option inconnue : " + a);
      }
    } else if (a == "-o" && options_spec.valued.count("o")) {
      if (i + 1 >= argv.size()) return Status::Error("l'option -o attend un nom de fichier");
      args->options["o"] = argv[++i];
    } else {
      args->positional.push_back(a);
    }
  }
  return Status::Ok();
}

Status GetDecimal(const Args& args, const std::string& name, double* value) {
  auto text = args.Get(name);
  if (!text) return Status::Ok();
  auto parsed = ParseDecimal(*text, '.');
  if (!parsed) {
    return Status::Error("--" + name + " : « " + *text + " » n'est pas un nombre décimal (séparateur « . »)");
  }
  *value = *parsed;
  return Status::Ok();
}

Status GetInteger(const Args& args, const std::string& name, long min, long max, long* value) {
  auto text = args.Get(name);
  if (!text) return Status::Ok();
  auto parsed = ParseInt32(*text);
  if (!parsed || *parsed < min || *parsed > max) {
    return Status::Error("--" + name + " : « " + *text + " » n'est pas un entier entre " + std::to_string(min) +
                         " et " + std::to_string(max));
  }
  *value = *parsed;
  return Status::Ok();
}

}  // namespace pistora::cli
