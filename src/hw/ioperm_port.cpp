#include "hw/ioperm_port.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define PISTORA_HAS_PORT_IO 1
#else
#define PISTORA_HAS_PORT_IO 0
#endif

namespace pistora {

namespace {

constexpr std::uint16_t kStandardBases[] = {0x378, 0x278, 0x3BC};
constexpr unsigned long kPortSpan = 3;  // data, status, control

}  // namespace

IoPermPort::~IoPermPort() { Close(); }

bool IoPermPort::Open() {
  if (!bases_.empty()) return true;
#if PISTORA_HAS_PORT_IO
  std::string refusal;
  for (std::uint16_t base : kStandardBases) {
    if (ioperm(base, kPortSpan, 1) != 0) {
      refusal = std::strerror(errno);
      continue;
    }
    outb(0, base);
    if (inb(base) == 0) {
      bases_.push_back(base);
    } else {
      ioperm(base, kPortSpan, 0);
    }
  }
  if (bases_.empty()) {
    Fail(refusal.empty() ? "accès direct : aucun port parallèle ne répond en 378h, 278h ou 3BCh"
                         : "accès direct aux ports refusé (" + refusal + ") : il faut être root");
    return false;
  }
  Recover();
  return true;
#else
  Fail("accès direct aux ports indisponible sur ce processeur");
  return false;
#endif
}

void IoPermPort::Close() {
#if PISTORA_HAS_PORT_IO
  for (std::uint16_t base : bases_) ioperm(base, kPortSpan, 0);
#endif
  bases_.clear();
}

bool IoPermPort::Allowed(std::uint16_t address) const {
  for (std::uint16_t base : bases_) {
    if (address >= base && address < base + kPortSpan) return true;
  }
  return false;
}

std::uint8_t IoPermPort::Read(std::uint16_t address) {
  if (!Allowed(address)) {
    Fail("accès direct : adresse hors des ports ouverts");
    return 0;
  }
#if PISTORA_HAS_PORT_IO
  return inb(address);
#else
  return 0;
#endif
}

void IoPermPort::Write(std::uint16_t address, std::uint8_t value) {
  if (!Allowed(address)) {
    Fail("accès direct : adresse hors des ports ouverts");
    return;
  }
#if PISTORA_HAS_PORT_IO
  outb(value, address);
#else
  (void)value;
#endif
}

std::string IoPermPort::Description() const {
  std::string text = "accès direct (ioperm)";
  for (std::uint16_t base : bases_) {
    char item[16];
    std::snprintf(item, sizeof item, " %Xh", static_cast<unsigned>(base));
    text += item;
  }
  return text;
}

}  // namespace pistora
