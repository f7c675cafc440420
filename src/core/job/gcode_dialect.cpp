#include "core/job/gcode_dialect.h"

namespace pistora {

namespace {

struct DialectRow {
  Dialect dialect;
  const char* name;
};

constexpr DialectRow kDialects[] = {
    {Dialect::Pistora, "pistora"}, {Dialect::LinuxCnc, "linuxcnc"}, {Dialect::Grbl, "grbl"}};

}  // namespace

std::optional<Dialect> ParseDialect(std::string_view name) {
  for (const DialectRow& row : kDialects) {
    if (name == row.name) return row.dialect;
  }
  return std::nullopt;
}

const char* DialectName(Dialect dialect) {
  for (const DialectRow& row : kDialects) {
    if (row.dialect == dialect) return row.name;
  }
  return "pistora";
}

}  // namespace pistora
