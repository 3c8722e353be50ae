// Building the player's command line and start, and the prompt sequence.
#include "player.h"

#include "config_file.h"
#include "cp1252.h"

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
    return cp1252::fromUtf8(" («") + std::string(label) + cp1252::fromUtf8("»)");
}

}  // namespace

std::string insertCdPrompt(std::string_view cd, std::string_view label) {
    static const std::string before = cp1252::fromUtf8("Introduza o CD Nº ");
    return before + std::string(cd) + labelled(label) + " na unidade e carregue em OK";
}

std::string otherDiscInDrive(int inDrive, std::string_view inDriveLabel, int wanted,
                             std::string_view wantedLabel) {
    static const std::string inThePlayer = cp1252::fromUtf8("No leitor está o CD Nº ");
    static const std::string insert = cp1252::fromUtf8(". Introduza o CD Nº ");
    return inThePlayer + std::to_string(inDrive) + labelled(inDriveLabel) + insert +
           std::to_string(wanted) + labelled(wantedLabel) + ".";
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
    host.startPlayer(config, item);
    ultimoCd_ = item.cd;
}

}  // namespace mp3
