// The runtime errors a handler may raise; one place (the event wrapper) catches and shows them.
#pragma once

#include <stdexcept>
#include <string>

namespace mp3 {

// Base of every error the standard error box shows: only the message matters there.
class RuntimeError : public std::runtime_error {
  public:
    explicit RuntimeError(const std::string& message) : std::runtime_error(message) {}
};

// The input/output codes, the Windows runtime's numbers. An operating-system failure that has no
// code of its own keeps its errno, moved past kErrnoBase where it would collide with one of these.
enum class IoCode : int {
    kFileNotFound = 2,
    kPathNotFound = 3,
    kTooManyOpenFiles = 4,
    kAccessDenied = 5,
    kDeviceNotReady = 21,
    kWriteFault = 29,
    kReadFault = 30,
    kSharingViolation = 32,
    kReadBeyondEnd = 100,
    kDiskFull = 101,
    kNotAssigned = 102,
    kNotOpen = 103,
    kNotOpenForInput = 104,
    kNotOpenForOutput = 105,
    kInvalidNumericInput = 106,
    kErrnoBase = 1000,
};

// Input/output error: a numeric code and the runtime's message for it.
class EInOutError : public RuntimeError {
  public:
    explicit EInOutError(int code);
    explicit EInOutError(IoCode code) : EInOutError(static_cast<int>(code)) {}
    int code() const noexcept { return code_; }

    // "File not found" for 2, ..., "I/O error %d" for codes without a message of their own.
    static std::string messageFor(int code);

  private:
    int code_;
};

// List error: a row index that does not exist, such as -1 for "no selection".
class EListError : public RuntimeError {
  public:
    explicit EListError(int index);
};

// Conversion error: a text that is not a whole number.
class EConvertError : public RuntimeError {
  public:
    explicit EConvertError(const std::string& text);
};

// A refusal of our own, raised before anything is written (the message says why).
class EInputRefused : public RuntimeError {
  public:
    using RuntimeError::RuntimeError;
};

}  // namespace mp3
