// Choosing the list file: what happens once the open dialog has returned a name.
#pragma once

#include <string>

namespace mp3 {

class TextFile;

// True for an existing entry that is not a folder.
bool fileExists(const std::string& name);

// Start-up: bind, then open an existing file for reading or create a new, empty one.
// A file is never truncated here.
void openChosenListFile(TextFile& list, const std::string& fullName);

// A new list: bind and create, truncating an existing file to zero bytes.
void createListFile(TextFile& list, const std::string& fullName);

// After an OK in the dialog the current directory is the chosen file's folder, so that
// "config.ini" is looked for beside the list. A folder that does not exist is left alone.
void followChosenFolder(const std::string& fullName);

}  // namespace mp3
