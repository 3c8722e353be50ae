// Messages of the runtime errors.
#include "runtime_error.h"

namespace mp3 {

std::string EInOutError::messageFor(int code) {
    switch (code) {
        case 2:
            return "File not found";
        case 3:
            return "Invalid filename";
        case 4:
            return "Too many open files";
        case 5:
            return "File access denied";
        case 100:
            return "Read beyond end of file";
        case 101:
            return "Disk full";
        case 106:
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
