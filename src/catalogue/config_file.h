// "config.ini": the player's path and the CD drive, two lines in the current directory.
#pragma once

#include <string>

namespace mp3 {

class TextFile;

inline constexpr char kConfigFileName[] = "config.ini";
inline constexpr char kDefaultPlayerPath[] = "C:\\Programas\\Winamp\\Winamp.exe";
inline constexpr char kDefaultDrive[] = "D:";

struct PlayerConfig {
    std::string Leitor_Path;
    std::string Unidade_CD;
};

// Reads line 1 and line 2 through `reader` (a missing line is an empty text). On failure the
// error is raised and `config` keeps the values of the last successful read.
void readConfig(TextFile& reader, PlayerConfig& config);

// Writes the two texts, each followed by CR LF, replacing "config.ini" only once the new file
// is whole: a failed save leaves the previous file as it was. A text the file cannot hold (a line
// break or a Ctrl-Z would end its line or the file early) is refused before anything is written.
void writeConfig(const std::string& playerPath, const std::string& drive);

// How a refusal names each line: by the configuration window's caption for its field, in the
// interface's language.
std::string playerPathSubject();
std::string driveSubject();

}  // namespace mp3
