// The steps of a play between the prompt and the player.
#include "windows/disc_player.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRunnable>
#include <QThreadPool>
#include <atomic>
#include <chrono>
#include <climits>

#include "catalogue/config_file.h"
#include "toolkit/platform.h"
#include "windows/text_codec.h"

namespace {

bool isFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isExecutableFile(const std::string& path) {
    return isFile(path) && ::access(path.c_str(), X_OK) == 0;
}

// A relative path taken from our folder (the list file's), never from the disc.
std::string absolutePath(const std::string& path) {
    if (path.empty() || path.front() == '/') return path;
    return QFile::encodeName(QDir::current().absoluteFilePath(QFile::decodeName(path.c_str())))
        .toStdString();
}

mp3::PlayItem inLocale(const mp3::PlayItem& item) {
    mp3::PlayItem local{item.cd, std::nullopt, win::cp1252ToLocal(item.file)};
    if (item.folder) local.folder = win::cp1252ToLocal(*item.folder);
    return local;
}

}  // namespace

// Asks the disk service to mount a device off the user-interface thread, one request at a time
// and not more often than every two seconds, so the wait box stays responsive while a disc
// spins up. The request outlives this object if it must: the disk service is the program's.
class DiscPlayer::BackgroundMount {
  public:
    explicit BackgroundMount(mp3::DiskAuthority* disk) : disk_(disk) {}

    void request(const std::string& device) {
        if (disk_ == nullptr || state_->running.load()) return;
        const auto now = std::chrono::steady_clock::now();
        if (asked_ && now - lastAsked_ < std::chrono::seconds(2)) return;
        asked_ = true;
        lastAsked_ = now;
        state_->running = true;
        QThreadPool::globalInstance()->start([disk = disk_, device, state = state_] {
            // Only a device the service knows, and only a disc nobody has mounted yet.
            if (disk->available()) {
                const auto mounted = disk->mountPoints(device);
                if (mounted && mounted->empty()) disk->mount(device);
            }
            state->running = false;
        });
    }

  private:
    struct State {
        std::atomic<bool> running{false};
    };
    mp3::DiskAuthority* disk_;
    std::shared_ptr<State> state_ = std::make_shared<State>();
    bool asked_ = false;
    std::chrono::steady_clock::time_point lastAsked_;
};

DiscPlayer::DiscPlayer(tk::Platform& platform, QWidget* parent, mp3::SystemPaths paths)
    : platform_(platform), parent_(parent), paths_(std::move(paths)) {}

DiscPlayer::~DiscPlayer() = default;

mp3::DriveLocation DiscPlayer::locate(const mp3::PlayerConfig& config) const {
    mp3::DriveLocation where =
        mp3::resolveDrive(win::cp1252ToLocal(config.Unidade_CD), platform_.diskService, paths_);
    // The player runs in the drive's folder, so a relative one would name the wrong file there.
    // An empty drive stays empty: its paths start at the root.
    if (!where.folder.empty()) where.folder = absolutePath(where.folder);
    return where;
}

void DiscPlayer::checkDrive(const mp3::PlayerConfig& config) {
    locate(config);
}

void DiscPlayer::askForCd(const std::string& prompt) {
    platform_.messageDialog->warning(parent_, win::fromCp1252(prompt));
}

void DiscPlayer::startPlayer(const mp3::PlayerConfig& config, const mp3::PlayItem& item) {
    const mp3::PlayItem local = inLocale(item);
    mp3::DriveLocation where = locate(config);
    auto pathIn = [&local](const mp3::DriveLocation& at) {
        return at.status == mp3::DriveLocation::Status::NotMounted
                   ? std::string()
                   : mp3::pathOnDisc(at.folder, local);
    };
    std::string path = pathIn(where);
    if (path.empty() || !isFile(path)) {
        BackgroundMount mounting(platform_.diskService);
        auto ready = [&] {
            try {
                where = locate(config);
            } catch (const mp3::RuntimeError&) {
                return false;  // the drive went away meanwhile: it may come back
            }
            if (where.status == mp3::DriveLocation::Status::NotMounted) {
                mounting.request(where.device);
                return false;
            }
            path = pathIn(where);
            return isFile(path);
        };
        if (!platform_.discWait->waitUntil(parent_, QStringLiteral("A aguardar o CD..."), ready)) {
            const QString looked =
                path.empty()
                    ? QStringLiteral("%1 (nenhum disco montado em %2)")
                          .arg(QFile::decodeName(mp3::pathOnDisc("", local).substr(1).c_str()),
                               QFile::decodeName(where.device.c_str()))
                    : QFile::decodeName(path.c_str());
            throw mp3::RuntimeError(
                win::toCp1252Lossless(QStringLiteral("O CD não tem o ficheiro %1").arg(looked)));
        }
    }
    start(config, path, where.folder);
}

void DiscPlayer::start(const mp3::PlayerConfig& config, const std::string& path,
                       const std::string& folder) {
    const std::string program = absolutePath(win::cp1252ToLocal(config.Leitor_Path));
    if (isExecutableFile(program)) {
        platform_.processStarter->start(program, {path}, folder + "/");
        return;
    }
    // Not a program on this machine (the Windows default, an empty line, one not installed):
    // the desktop plays the file with what it plays MP3s with.
    if (!platform_.defaultApplication->open(path)) {
        throw mp3::RuntimeError(
            win::toCp1252Lossless(QStringLiteral("Nenhum programa do ambiente de trabalho abre %1")
                                      .arg(QFile::decodeName(path.c_str()))));
    }
}
