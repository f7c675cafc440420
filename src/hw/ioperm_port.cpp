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

constexpr unsigned long kPortSpan = 3;  // data, status, control

}  // namespace

std::string IoPermRefusal(int error) {
  if (error == ENOSYS) {
    return "accès direct aux ports indisponible : ce noyau n'offre pas ioperm (" +
           std::string(std::strerror(error)) + ") ; utilisez ppdev";
  }
  if (error == EPERM || error == EACCES) {
    return "accès direct aux ports refusé (" + std::string(std::strerror(error)) + ") : il faut être root";
  }
  return "accès direct aux ports refusé par ioperm (" + std::string(std::strerror(error)) + ")";
}

IoPermPort::~IoPermPort() { Close(); }

bool IoPermPort::Open() {
  if (!bases_.empty()) return true;
#if PISTORA_HAS_PORT_IO
  char address[16];
  std::snprintf(address, sizeof address, "%Xh", static_cast<unsigned>(wanted_));
  if (wanted_ == 0) {
    Fail("accès direct : cn.dat ne désigne aucun port parallèle");
    return false;
  }
  if (ioperm(wanted_, kPortSpan, 1) != 0) {
    Fail(IoPermRefusal(errno));
    return false;
  }
  outb(0, wanted_);
  if (inb(wanted_) != 0) {
    ioperm(wanted_, kPortSpan, 0);
    Fail(std::string("accès direct : aucun port parallèle ne répond en ") + address);
    return false;
  }
  bases_.push_back(wanted_);
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
