// Reading and atomically writing "config.ini".
#include "config_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "runtime_error.h"
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
        if (writer.isOpen()) {
            try {
                writer.close();
            } catch (const EInOutError&) {
            }
        }
        ::unlink(temporary.c_str());
        throw;
    }
}

}  // namespace mp3
