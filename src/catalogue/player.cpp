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

std::string insertCdPrompt(std::string_view cd) {
    static const std::string before = cp1252::fromUtf8("Introduza o CD Nº ");
    return before + std::string(cd) + " na unidade e carregue em OK";
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
    host.checkDrive(config);
    if (item.cd != ultimoCd_) host.askForCd(insertCdPrompt(item.cd));
    host.startPlayer(config, item);
    ultimoCd_ = item.cd;
}

}  // namespace mp3
