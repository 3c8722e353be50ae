// Writes the benchmarks' list files and the "config.ini" the main window reads beside them.
#include "collection.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace mp3::bench {

namespace {

// Two characters, as the list format holds the CD number.
std::string cd(int n) {
    return n < 10 ? std::to_string(n) + " " : std::to_string(n);
}

// Written under a name of this process's first, so neither a run stopped half-way nor two
// programs writing at once ever leave a short file under the final name.
template <typename Write>
void writeOnce(const std::filesystem::path& path, Write write) {
    if (std::filesystem::exists(path)) return;
    auto partial = path;
    partial += ".partial-" + std::to_string(::getpid());
    {
        std::ofstream out(partial, std::ios::binary);
        write(out);
    }
    std::filesystem::rename(partial, path);
}

}  // namespace

std::string benchFolder() {
    auto dir = std::filesystem::temp_directory_path() / "mp3bench";
    std::filesystem::create_directories(dir);
    return dir.string();
}

std::string listFile(const Collection& c) {
    const std::filesystem::path dir = benchFolder();
    writeOnce(dir / "config.ini",
              [](std::ostream& out) { out << "/usr/bin/true\r\n/media/cdrom\r\n"; });
    const auto path = dir / (std::string(c.label) + ".txt");
    writeOnce(path, [&c](std::ostream& out) {
        for (int a = 0, k = 0; a < c.albums || k < c.loose;) {
            if (k < c.loose) {
                if (c.shortTexts) {
                    out << cd(k % 99 + 1) << " Artist " << k << " - Song " << k << "\r\n";
                } else {
                    out << cd(k % 99 + 1) << " Artist number " << k << " - Song title number " << k
                        << "\r\n";
                }
                ++k;
            }
            if (a < c.albums) {
                out << "/" << cd(a % 99 + 1) << " Band " << a << " - Album title " << a << "\r\n";
                for (int t = 0; t < c.tracks; ++t) {
                    out << "Track " << t << " of album " << a << "\r\n";
                }
                out << "/\r\n";
                ++a;
            }
        }
    });
    return path.string();
}

}  // namespace mp3::bench
