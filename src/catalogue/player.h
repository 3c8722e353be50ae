// Playing an item: the player's command line, the insert-CD prompt and the CD asked for last.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// "Introduza o CD Nº " + the CD field + " na unidade e carregue em OK", in Windows-1252.
std::string insertCdPrompt(std::string_view cd);

// How the player is started on Linux: no shell, one argument, the path on the CD built from the
// same pieces with "/" where the command line has the program's own "\".
struct PlayerStart {
    std::string program;
    std::vector<std::string> arguments;
    std::string workingDirectory;
};
PlayerStart playerStart(const PlayerConfig& config, const PlayItem& item);

// What playing needs from the windows: a modal prompt and a process start whose result is
// not looked at.
class PlayerHost {
  public:
    virtual ~PlayerHost() = default;
    virtual void askForCd(const std::string& prompt) = 0;
    virtual void startPlayer(const PlayerStart& start) = 0;
};

// Remembers the CD asked for last (`Ultimo_CD`, empty at first, never cleared).
class Playback {
  public:
    // Prompts when the item's CD differs from the last one, starts the player, and remembers
    // the item's CD whatever became of the start.
    void play(const PlayerConfig& config, const PlayItem& item, PlayerHost& host);
    const std::string& Ultimo_CD() const noexcept { return ultimoCd_; }

  private:
    std::string ultimoCd_;
};

}  // namespace mp3
