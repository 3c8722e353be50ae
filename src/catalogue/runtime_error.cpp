// Messages of the runtime errors.
#include "runtime_error.h"

namespace mp3 {

std::string EInOutError::messageFor(int code) {
    switch (static_cast<IoCode>(code)) {
        case IoCode::kFileNotFound:
            return "File not found";
        case IoCode::kPathNotFound:
            return "Invalid filename";
        case IoCode::kTooManyOpenFiles:
            return "Too many open files";
        case IoCode::kAccessDenied:
            return "File access denied";
        case IoCode::kReadBeyondEnd:
            return "Read beyond end of file";
        case IoCode::kDiskFull:
            return "Disk full";
        case IoCode::kInvalidNumericInput:
            return "Invalid numeric input";
        default:
            return "I/O error " + std::to_string(code);
    }
}

EInOutError::EInOutError(int code) : RuntimeError(messageFor(code)), code_(code) {}

EListError::EListError(int index)
    : RuntimeError("List index out of bounds (" + std::to_string(index) + ")") {}

EConvertError::EConvertError(const std::string& text)
    : RuntimeError("'" + text + "' is not a valid integer value") {}

}  // namespace mp3
