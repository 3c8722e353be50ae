// Binding, opening and creating the list file.
#include "list_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include "text_file.h"

namespace mp3 {

bool fileExists(const std::string& name) {
    struct stat st {};
    return ::stat(name.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

void openChosenListFile(TextFile& list, const std::string& fullName) {
    list.assign(fullName);
    if (fileExists(list.name())) {
        list.reset();
    } else {
        list.rewrite();
    }
}

void createListFile(TextFile& list, const std::string& fullName) {
    list.assign(fullName);
    list.rewrite();
}

void followChosenFolder(const std::string& fullName) {
    auto slash = fullName.find_last_of('/');
    if (slash == std::string::npos) return;
    std::string folder = slash == 0 ? "/" : fullName.substr(0, slash);
    // The dialog accepts names in folders that do not exist; the old folder then stays current.
    [[maybe_unused]] const int moved = ::chdir(folder.c_str());
}

}  // namespace mp3
