// Reading and atomically writing "config.ini".
#include "config_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "runtime_error.h"
#include "storable.h"
#include "text_file.h"
#include "translation.h"

namespace mp3 {

void readConfig(TextFile& reader, PlayerConfig& config) {
    reader.assign(kConfigFileName);
    reader.reset();
    PlayerConfig read;
    reader.readLine(read.Leitor_Path);
    reader.readLine(read.Unidade_CD);
    reader.close();
    config = std::move(read);
}

void writeConfig(const std::string& playerPath, const std::string& drive) {
    requireStorable(playerPath, Store::ConfigFile, playerPathSubject());
    requireStorable(drive, Store::ConfigFile, driveSubject());
    const std::string temporary =
        std::string(kConfigFileName) + "." + std::to_string(::getpid()) + ".tmp";
    TextFile writer(temporary);
    try {
        writer.rewrite();
        writer.writeLine(playerPath);
        writer.writeLine(drive);
        writer.close();
        if (std::rename(temporary.c_str(), kConfigFileName) != 0) {
            throw EInOutError(ioCodeForErrno(errno, kConfigFileName, true));
        }
    } catch (...) {
        writer.discardFrom(0);
        ::unlink(temporary.c_str());
        throw;
    }
}

std::string playerPathSubject() {
    return msg("Config", "O campo \"Localização do Leitor de MP3\"");
}

std::string driveSubject() {
    return msg("Config", "O campo \"Letra da Unidade de CD-ROM\"");
}

}  // namespace mp3
