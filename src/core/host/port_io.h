#pragma once

#include <cstdint>
#include <string>

namespace pistora {

// Byte access to the parallel port's I/O addresses. The port layer computes every byte;
// a backend only moves it (ppdev, direct I/O, a simulated machine or nothing at all).
//
// Only two registers are used: the data register at the port base and the status
// register at base + 1.
class PortIo {
 public:
  virtual ~PortIo() = default;

  // Brings port access up. True when reads and writes reach a port from now on.
  // Calling it again once open returns true without doing anything.
  virtual bool Open() = 0;

  // Gives the port back (releases a claimed device, drops I/O permission).
  virtual void Close() = 0;

  // One byte from an I/O address. A failed read yields 0 and Healthy() turns false.
  virtual std::uint8_t Read(std::uint16_t address) = 0;

  // One byte to an I/O address. A failed write is dropped and Healthy() turns false.
  virtual void Write(std::uint16_t address, std::uint8_t value) = 0;

  // False once an access has failed (a device that vanished, a refused request).
  virtual bool Healthy() const = 0;

  // Why the last open or access failed, for the message line; empty when nothing failed.
  virtual std::string LastError() const = 0;

  // What this backend is, in a few words ("ppdev /dev/parport0 (378h)").
  virtual std::string Description() const = 0;
};

}  // namespace pistora
