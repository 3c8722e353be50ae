// The steps of a play between the prompt and the player.
#include "windows/disc_player.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <chrono>
#include <functional>
#include <optional>

#include "catalogue/cd_number.h"
#include "catalogue/config_file.h"
#include "catalogue/cp1252.h"
#include "catalogue/disc_identity.h"
#include "toolkit/background_job.h"
#include "toolkit/platform.h"
#include "windows/known_discs.h"
#include "windows/text_codec.h"

namespace {

using State = tk::DiscWait::State;

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

// Why the player could not be started, from the error number the start gave.
QString startFailure(int err) {
    switch (err) {
        case ENOEXEC:
            return DiscPlayer::tr(
                "não é um programa que o sistema saiba executar (a um script "
                "falta a primeira linha \"#!\")");
        case ENOENT:
            return DiscPlayer::tr(
                "o programa, o interpretador que ele pede ou a pasta do CD não "
                "existe");
        case EACCES:
        case EPERM:
            return DiscPlayer::tr("não há permissão para o executar ou para entrar na pasta");
        default:
            return DiscPlayer::tr("erro %1 do sistema").arg(err);
    }
}

// One question about the drive at a time, asked off the user-interface thread; its answer (or
// what it raised) is taken once it is in. Going away leaves a question still on its way behind.
template <typename Answer>
class Probe {
  public:
    bool asking() const { return job_.running(); }
    void ask(std::function<Answer()> question) {
        if (job_.running()) return;
        auto slot = std::make_shared<std::optional<Answer>>();
        job_.start([slot, question = std::move(question)](
                       const tk::BackgroundJob::Progress&) { *slot = question(); },
                   [this, slot](std::exception_ptr raised) {
                       answer_ = std::move(*slot);
                       raised_ = raised;
                       answered_ = true;
                   });
    }
    // Whether an answer came in since the last take.
    bool answered() const { return answered_; }
    // The answer, or nothing when the question raised (see raised()).
    std::optional<Answer> take() {
        answered_ = false;
        return raised_ ? std::nullopt : std::move(answer_);
    }
    std::exception_ptr raised() const { return raised_; }

  private:
    tk::BackgroundJob job_;
    std::optional<Answer> answer_;
    std::exception_ptr raised_;
    bool answered_ = false;
};

// What one look at the drive found.
struct Look {
    mp3::DriveLocation where;
    mp3::DiscIdentity disc;  // of the disc in a device; empty for a folder or no disc
    std::string path;        // the item's file there; empty while nothing is mounted
    bool fileThere = false;
};

// Where the drive is, and which disc is in it when it is a device.
Look lookAtDrive(const std::string& drive, mp3::DiskAuthority* disks,
                 const mp3::SystemPaths& paths) {
    Look look{mp3::resolveDrive(drive, disks, paths), {}, {}, false};
    look.disc = mp3::discInDrive(look.where, disks, paths);
    return look;
}

}  // namespace

// Asks the disk service to mount a device off the user-interface thread, one request at a time
// and not more often than every two seconds, so the wait box stays responsive while a disc
// spins up. A request still on its way when the play ends is left to finish on its own.
class DiscPlayer::BackgroundMount {
  public:
    explicit BackgroundMount(mp3::DiskAuthority* disk) : disk_(disk) {}

    void request(const std::string& device) {
        if (disk_ == nullptr || job_.running()) return;
        const auto now = std::chrono::steady_clock::now();
        if (asked_ && now - lastAsked_ < std::chrono::seconds(2)) return;
        asked_ = true;
        lastAsked_ = now;
        job_.start(
            [disk = disk_, device](const tk::BackgroundJob::Progress&) {
                // Only a device the service knows, and only a disc nobody has mounted yet.
                if (disk->available()) {
                    const auto mounted = disk->mountPoints(device);
                    if (mounted && mounted->empty()) disk->mount(device);
                }
            },
            {});
    }

  private:
    mp3::DiskAuthority* disk_;
    tk::BackgroundJob job_;
    bool asked_ = false;
    std::chrono::steady_clock::time_point lastAsked_;
};

DiscPlayer::DiscPlayer(tk::Platform& platform, QWidget* parent, mp3::SystemPaths paths)
    : platform_(platform), parent_(parent), paths_(std::move(paths)) {}

DiscPlayer::~DiscPlayer() = default;

mp3::DiscCheck DiscPlayer::checkDrive(const mp3::PlayerConfig& config, const mp3::PlayItem& item) {
    known_ = readKnownDiscs(platform_, parent_);
    wanted_ = mp3::cdNumberOf(item.cd);
    Probe<Look> probe;
    probe.ask([drive = win::cp1252ToLocal(config.Unidade_CD), disks = platform_.diskService,
               paths = paths_] { return lookAtDrive(drive, disks, paths); });
    const bool answered = platform_.discWait->waitUntil(
        parent_, DiscPlayer::tr("A procurar a unidade de CD..."),
        [&probe](QString&) { return probe.answered() ? State::Ready : State::Asking; });
    if (!answered) {
        throw mp3::RuntimeError(
            win::toCp1252Lossless(tr("A unidade de CD não foi encontrada: a procura foi "
                                     "interrompida antes de o disco responder")));
    }
    if (probe.raised()) std::rethrow_exception(probe.raised());
    const Look look = *probe.take();
    mp3::DiscCheck check{wanted_ ? labelOf(*wanted_) : std::string(), false};
    check.inDrive = known_ && wanted_ && !look.disc.empty() && known_->cdOf(look.disc) == wanted_;
    return check;
}

std::string DiscPlayer::labelOf(int cd) const {
    const std::optional<mp3::DiscIdentity> disc = known_ ? known_->discOf(cd) : std::nullopt;
    return disc ? mp3::cp1252::fromUtf8(disc->label) : std::string();
}

void DiscPlayer::askForCd(const std::string& prompt) {
    platform_.messageDialog->warning(parent_, win::fromCp1252(prompt));
}

void DiscPlayer::startPlayer(const mp3::PlayerConfig& config, const mp3::PlayItem& item) {
    const mp3::PlayItem local = inLocale(item);
    const std::string drive = win::cp1252ToLocal(config.Unidade_CD);
    // The player runs in the drive's folder, so a relative one is taken from ours, here. An empty
    // drive stays empty.
    const std::string base = drive.empty() ? drive : absolutePath(drive);
    auto question = [drive, base, local, disks = platform_.diskService, paths = paths_] {
        Look look = lookAtDrive(drive, disks, paths);
        if (look.where.status == mp3::DriveLocation::Status::Folder) look.where.folder = base;
        if (look.where.status != mp3::DriveLocation::Status::NotMounted) {
            look.path = mp3::pathOnDisc(look.where.folder, local);
            look.fileThere = isFile(look.path);
        }
        return look;
    };

    const QString waiting = DiscPlayer::tr("A aguardar o CD...");
    Probe<Look> probe;
    BackgroundMount mounting(platform_.diskService);
    std::optional<Look> last;
    auto ready = [&](QString& text) {
        if (probe.asking()) return State::Asking;
        if (!probe.answered()) {
            probe.ask(question);
            return State::Asking;
        }
        // A drive that went away meanwhile may come back: it is looked at again.
        std::optional<Look> look = probe.take();
        if (!look) return State::NotYet;
        last = std::move(look);
        if (last->where.status == mp3::DriveLocation::Status::NotMounted)
            mounting.request(last->where.node);
        // A disc known as another CD is never played from, whatever files it holds.
        const std::optional<int> inDrive =
            known_ && !last->disc.empty() ? known_->cdOf(last->disc) : std::nullopt;
        if (inDrive && wanted_ && inDrive != wanted_) {
            text = win::fromCp1252(
                mp3::otherDiscInDrive(*inDrive, labelOf(*inDrive), *wanted_, labelOf(*wanted_)));
            return State::NotYet;
        }
        text = waiting;
        return last->fileThere ? State::Ready : State::NotYet;
    };
    if (!platform_.discWait->waitUntil(parent_, waiting, ready)) {
        const QString looked = !last ? win::fromLocal(mp3::pathOnDisc(drive, local))
                               : last->path.empty()
                                   ? DiscPlayer::tr("%1 (nenhum disco montado em %2)")
                                         .arg(win::fromLocal(mp3::pathOnDisc("", local).substr(1)),
                                              win::fromLocal(last->where.device))
                                   : win::fromLocal(last->path);
        throw mp3::RuntimeError(
            win::toCp1252Lossless(DiscPlayer::tr("O CD não tem o ficheiro %1").arg(looked)));
    }
    start(config, last->path, last->where.folder);
}

void DiscPlayer::start(const mp3::PlayerConfig& config, const std::string& path,
                       const std::string& folder) {
    const std::string program = absolutePath(win::cp1252ToLocal(config.Leitor_Path));
    if (isExecutableFile(program)) {
        if (const int err = platform_.processStarter->start(program, {path}, folder + "/")) {
            throw mp3::EPlayerNotStarted(win::toCp1252Lossless(
                DiscPlayer::tr("O leitor %1 não pôde ser iniciado na pasta %2: %3")
                    .arg(win::fromLocal(program), win::fromLocal(folder), startFailure(err))));
        }
        return;
    }
    // Not a program on this machine (the Windows default, an empty line, one not installed):
    // the desktop plays the file with what it plays MP3s with.
    if (!platform_.defaultApplication->open(path)) {
        throw mp3::EPlayerNotStarted(
            win::toCp1252Lossless(DiscPlayer::tr("Nenhum programa do ambiente de trabalho abre %1")
                                      .arg(win::fromLocal(path))));
    }
}
