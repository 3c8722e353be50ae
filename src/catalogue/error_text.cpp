// Caption and message of the standard error box.
#include "error_text.h"

#include <cctype>

namespace mp3 {

std::string applicationTitle(std::string_view programFileName) {
    if (auto slash = programFileName.find_last_of('/'); slash != std::string_view::npos) {
        programFileName.remove_prefix(slash + 1);
    }
    std::string title(programFileName.substr(0, programFileName.find('.')));
    for (std::size_t i = 1; i < title.size(); ++i) {
        title[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(title[i])));
    }
    return title;
}

std::string errorBoxMessage(std::string_view message) {
    std::string shown(message);
    if (!shown.empty() && static_cast<unsigned char>(shown.back()) > '.') shown.push_back('.');
    return shown;
}

}  // namespace mp3
