// Playing an item: the player's command line, the insert-CD prompt and the CD asked for last.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime_error.h"

namespace mp3 {

struct PlayerConfig;

// The item to play: its CD field, and its path on the CD without ".mp3" as pieces: a loose
// entry's text, or an album's header and a track.
struct PlayItem {
    std::string cd;
    std::optional<std::string> folder;  // the album's header; none for a loose entry
    std::string file;
};

// The command line in its Windows form: player, space, drive, "\", quotation mark, file part,
// ".mp3", quotation mark. The file part of an album track is header "\" track.
std::string playerCommandLine(const PlayerConfig& config, const PlayItem& item);

// "Introduza o CD Nº " + the CD field + " na unidade e carregue em OK", in the interface's
// language, in Windows-1252; with the label of the disc known as that CD (Windows-1252) after the
// field: "... Nº 12 («ROCK 2003») na unidade ...".
std::string insertCdPrompt(std::string_view cd, std::string_view label = {});

// What the wait box says while the drive holds a disc known as another CD: "No leitor está o CD
// Nº 3 («JAZZ»). Introduza o CD Nº 12 («ROCK 2003»)." (a label only where one is known).
std::string otherDiscInDrive(int inDrive, std::string_view inDriveLabel, int wanted,
                             std::string_view wantedLabel);

// What the drive check found about the item's disc, as "discos.ini" knows discs.
struct DiscCheck {
    std::string label;     // of the disc known as the item's CD, Windows-1252; empty when unknown
    bool inDrive = false;  // that very disc is in the drive now
};

// How the player is started on Linux: no shell, one argument, the path on the CD built from the
// same pieces with "/" where the command line has the program's own "\".
struct PlayerStart {
    std::string program;
    std::vector<std::string> arguments;
    std::string workingDirectory;
};
PlayerStart playerStart(const PlayerConfig& config, const PlayItem& item);

// The path of an item on a disc whose files are in `folder`: folder "/" [header "/"] file ".mp3",
// every piece in one encoding.
std::string pathOnDisc(std::string_view folder, const PlayItem& item);

// The player (or the desktop's default application) was tried on the file but did not start: the
// attempt was made, so the CD counts as asked for.
class EPlayerNotStarted : public RuntimeError {
  public:
    using RuntimeError::RuntimeError;
};

// What playing needs from the windows: the drive checked, a modal prompt, and a start.
class PlayerHost {
  public:
    virtual ~PlayerHost() = default;
    // Raises at once when the drive names nothing (a letter without a drive, a missing device),
    // before anyone is asked for a CD; otherwise tells what is known of the item's disc.
    virtual DiscCheck checkDrive(const PlayerConfig& config, const PlayItem& item) = 0;
    virtual void askForCd(const std::string& prompt) = 0;
    // Finds the item's file on the disc, waiting for the disc when it is not there yet, and
    // starts the player on it; raises when the file never comes, EPlayerNotStarted when the start
    // itself fails.
    virtual void startPlayer(const PlayerConfig& config, const PlayItem& item) = 0;
};

// Remembers the CD asked for last (`Ultimo_CD`, empty at first, never cleared).
class Playback {
  public:
    // Checks the drive, prompts when the item's CD differs from the last one (unless its disc,
    // known by its identity, is in the drive already), starts the player, and remembers the
    // item's CD whatever became of the start itself. A failure before the start
    // (no such drive, the disc never came) ends the play there and remembers nothing.
    void play(const PlayerConfig& config, const PlayItem& item, PlayerHost& host);
    const std::string& Ultimo_CD() const noexcept { return ultimoCd_; }

  private:
    std::string ultimoCd_;
};

}  // namespace mp3
