#include "hw/ppdev_port.h"

#include <fcntl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace pistora {

std::uint16_t ParseParportBaseAddr(const std::string& text) {
  std::istringstream in(text);
  long value = 0;
  if (!(in >> value) || value <= 0 || value > 0xFFFF) return 0;
  return static_cast<std::uint16_t>(value);
}

PpdevPort::PpdevPort(std::string proc_root, std::string dev_root)
    : proc_root_(std::move(proc_root)), dev_root_(std::move(dev_root)) {}

PpdevPort::~PpdevPort() { Close(); }

bool PpdevPort::Open() {
  if (!devices_.empty()) return true;
  namespace fs = std::filesystem;
  std::error_code ec;
  if (!fs::is_directory(proc_root_, ec)) {
    Fail("aucun port parallèle déclaré par le noyau (" + proc_root_ +
         " absent : modprobe parport_pc ppdev)");
    return false;
  }
  std::string reasons;
  for (const fs::directory_entry& entry : fs::directory_iterator(proc_root_, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("parport", 0) != 0) continue;
    std::ifstream in(entry.path() / "base-addr");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::uint16_t base = ParseParportBaseAddr(text);
    if (base == 0) continue;
    const std::string path = dev_root_ + "/" + name;
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
      reasons += path + " : " + std::strerror(errno) + " ; ";
      continue;
    }
    if (ioctl(fd, PPCLAIM) != 0) {
      reasons += path + " (PPCLAIM) : " + std::strerror(errno) + " ; ";
      ::close(fd);
      continue;
    }
    devices_.push_back({path, base, fd});
  }
  if (devices_.empty()) {
    Fail(reasons.empty() ? "aucun port parallèle utilisable (" + proc_root_ + " est vide)"
                         : "aucun port parallèle utilisable : " + reasons.substr(0, reasons.size() - 3));
    return false;
  }
  Recover();
  return true;
}

void PpdevPort::Close() {
  for (const Device& d : devices_) {
    ioctl(d.fd, PPRELEASE);
    ::close(d.fd);
  }
  devices_.clear();
}

const PpdevPort::Device* PpdevPort::Find(std::uint16_t address, bool* status_register) {
  for (const Device& d : devices_) {
    if (address == d.base || address == d.base + 1) {
      *status_register = address == d.base + 1;
      return &d;
    }
  }
  char text[96];
  std::snprintf(text, sizeof text, "aucun port parallèle ouvert à l'adresse %Xh",
                static_cast<unsigned>(address));
  Fail(text);
  return nullptr;
}

std::uint8_t PpdevPort::Read(std::uint16_t address) {
  bool status = false;
  const Device* d = Find(address, &status);
  if (d == nullptr) return 0;
  unsigned char value = 0;
  if (ioctl(d->fd, status ? PPRSTATUS : PPRDATA, &value) != 0) {
    Fail(d->path + " : lecture refusée (" + std::strerror(errno) + ")");
    return 0;
  }
  return value;
}

void PpdevPort::Write(std::uint16_t address, std::uint8_t value) {
  bool status = false;
  const Device* d = Find(address, &status);
  if (d == nullptr) return;
  if (status) {
    Fail("le registre d'état ne s'écrit pas");
    return;
  }
  unsigned char byte = value;
  if (ioctl(d->fd, PPWDATA, &byte) != 0) {
    Fail(d->path + " : écriture refusée (" + std::strerror(errno) + ")");
  }
}

std::string PpdevPort::Description() const {
  if (devices_.empty()) return "ppdev (aucun port ouvert)";
  std::string text = "ppdev";
  for (const Device& d : devices_) {
    char item[96];
    std::snprintf(item, sizeof item, " %s (%Xh)", d.path.c_str(), static_cast<unsigned>(d.base));
    text += item;
  }
  return text;
}

}  // namespace pistora
