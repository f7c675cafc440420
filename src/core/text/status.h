#pragma once

#include <string>
#include <utility>

namespace pistora {

// Outcome of an operation that can fail for a reason the user must be told.
// The message is complete and in the user's language, ready for a message box.
class Status {
 public:
  Status() = default;
  static Status Ok() { return Status(); }
  static Status Error(std::string message) { return Status(std::move(message)); }

  bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  const std::string& message() const { return message_; }

 private:
  explicit Status(std::string message) : failed_(true), message_(std::move(message)) {}
  bool failed_ = false;
  std::string message_;
};

}  // namespace pistora
