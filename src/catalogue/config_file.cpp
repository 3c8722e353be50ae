// Reading and atomically writing "config.ini".
#include "config_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "cp1252.h"
#include "runtime_error.h"
#include "storable.h"
#include "text_file.h"

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

const std::string& playerPathSubject() {
    static const std::string subject = cp1252::fromUtf8("O campo \"Localização do Leitor de MP3\"");
    return subject;
}

const std::string& driveSubject() {
    static const std::string subject = cp1252::fromUtf8("O campo \"Letra da Unidade de CD-ROM\"");
    return subject;
}

}  // namespace mp3
