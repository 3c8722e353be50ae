// Building the player's command line and start, and the prompt sequence.
#include "player.h"

#include "config_file.h"
#include "translation.h"

namespace mp3 {
namespace {

std::string filePart(const PlayItem& item, char separator) {
    return item.folder ? *item.folder + separator + item.file : item.file;
}

}  // namespace

std::string playerCommandLine(const PlayerConfig& config, const PlayItem& item) {
    return config.Leitor_Path + " " + config.Unidade_CD + "\\\"" + filePart(item, '\\') + ".mp3\"";
}

namespace {

// " («label»)" after a CD's number when its disc is known.
std::string labelled(std::string_view label) {
    if (label.empty()) return {};
    //: After a CD's number when the disc's label is known; %1 is the label
    return substitute(msg("Player", " («%1»)"), {label});
}

}  // namespace

std::string insertCdPrompt(std::string_view cd, std::string_view label) {
    //: %1 is the CD's number, %2 the disc's label when known
    return substitute(msg("Player", "Introduza o CD Nº %1%2 na unidade e carregue em OK"),
                      {cd, labelled(label)});
}

std::string otherDiscInDrive(int inDrive, std::string_view inDriveLabel, int wanted,
                             std::string_view wantedLabel) {
    //: %1 and %3 are CD numbers, %2 and %4 their discs' labels when known
    return substitute(msg("Player", "No leitor está o CD Nº %1%2. Introduza o CD Nº %3%4."),
                      {std::to_string(inDrive), labelled(inDriveLabel), std::to_string(wanted),
                       labelled(wantedLabel)});
}

PlayerStart playerStart(const PlayerConfig& config, const PlayItem& item) {
    PlayerStart start;
    start.program = config.Leitor_Path;
    start.arguments.push_back(pathOnDisc(config.Unidade_CD, item));
    start.workingDirectory = config.Unidade_CD + "/";
    return start;
}

std::string pathOnDisc(std::string_view folder, const PlayItem& item) {
    return std::string(folder) + "/" + filePart(item, '/') + ".mp3";
}

void Playback::play(const PlayerConfig& config, const PlayItem& item, PlayerHost& host) {
    const DiscCheck disc = host.checkDrive(config, item);
    // Asking for the disc that is in the drive already would ask for nothing.
    if (!disc.inDrive && item.cd != ultimoCd_) host.askForCd(insertCdPrompt(item.cd, disc.label));
    try {
        host.startPlayer(config, item);
    } catch (const EPlayerNotStarted&) {
        ultimoCd_ = item.cd;  // tried: the CD was asked for all the same
        throw;
    }
    ultimoCd_ = item.cd;
}

}  // namespace mp3
