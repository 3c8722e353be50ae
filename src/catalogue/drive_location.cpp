// Resolving the drive text: classification, mountinfo and sysfs reading, the disk service.
#include "drive_location.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <fstream>

#include "text_file.h"
#include "translation.h"

namespace mp3 {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Digit runs compare by value, everything else byte by byte.
bool naturalLess(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            std::size_t iEnd = i, jEnd = j;
            while (iEnd < a.size() && isDigit(a[iEnd])) ++iEnd;
            while (jEnd < b.size() && isDigit(b[jEnd])) ++jEnd;
            std::string_view x = a.substr(i, iEnd - i), y = b.substr(j, jEnd - j);
            while (x.size() > 1 && x[0] == '0') x.remove_prefix(1);
            while (y.size() > 1 && y[0] == '0') y.remove_prefix(1);
            if (x.size() != y.size()) return x.size() < y.size();
            if (x != y) return x < y;
            i = iEnd;
            j = jEnd;
        } else {
            if (a[i] != b[j])
                return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

std::string_view baseName(std::string_view path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool deviceNameLess(std::string_view a, std::string_view b) {
    std::string_view na = baseName(a), nb = baseName(b);
    if (na != nb) return naturalLess(na, nb);
    return a < b;
}

// "\040" and the like, as the kernel writes blanks, tabs, line ends and backslashes.
std::string decodeOctalEscapes(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    auto octal = [&](std::size_t k) { return field[k] >= '0' && field[k] <= '7'; };
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && field.size() - i > 3 && field[i + 1] <= '3' && octal(i + 1) &&
            octal(i + 2) && octal(i + 3)) {
            out.push_back(static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                            (field[i + 3] - '0')));
            i += 3;
        } else {
            out.push_back(field[i]);
        }
    }
    return out;
}

std::optional<std::pair<unsigned, unsigned>> parseDeviceNumbers(std::string_view text) {
    std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    unsigned major = 0, minor = 0;
    const char* end = text.data() + colon;
    auto a = std::from_chars(text.data(), end, major);
    if (a.ec != std::errc() || a.ptr != end || colon == 0) return std::nullopt;
    const char* last = text.data() + text.size();
    auto b = std::from_chars(end + 1, last, minor);
    if (b.ec != std::errc() || b.ptr != last || end + 1 == last) return std::nullopt;
    return std::pair{major, minor};
}

std::string readMountInfo(const std::string& path) {
    // /proc files report no size, so read to the end.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw EInOutError(ioCodeForErrno(errno, path, false));
    std::string text;
    char buffer[8192];
    for (;;) {
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            int err = errno;
            ::close(fd);
            throw EInOutError(ioCodeForErrno(err, path, false));
        }
        if (got == 0) break;
        text.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return text;
}

struct Drive {
    std::string device;
    std::optional<dev_t> number;  // known from sysfs; otherwise the node is looked at
};

std::vector<Drive> sysfsOpticalDrives(const SystemPaths& paths) {
    namespace fs = std::filesystem;
    std::vector<Drive> drives;
    std::error_code ec;
    for (fs::directory_iterator it(paths.sysClassBlock, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.size() < 3 || name.compare(0, 2, "sr") != 0 ||
            !std::all_of(name.begin() + 2, name.end(), isDigit))
            continue;
        Drive drive{paths.devDir + "/" + name, std::nullopt};
        std::ifstream devFile(it->path() / "dev");
        std::string numbers;
        if (std::getline(devFile, numbers)) {
            if (auto n = parseDeviceNumbers(numbers)) drive.number = makedev(n->first, n->second);
        }
        drives.push_back(std::move(drive));
    }
    std::sort(drives.begin(), drives.end(),
              [](const Drive& a, const Drive& b) { return deviceNameLess(a.device, b.device); });
    return drives;
}

// The node a device path leads to; the path itself when it leads nowhere.
std::string nodeOf(const std::string& device) {
    std::error_code ec;
    const auto target = std::filesystem::canonical(device, ec);
    return ec ? device : target.string();
}

DriveLocation fromMountPoints(const std::string& device, const std::vector<std::string>& points) {
    const auto status =
        points.empty() ? DriveLocation::Status::NotMounted : DriveLocation::Status::Mounted;
    return {status, points.empty() ? std::string() : points.back(), device, nodeOf(device)};
}

bool isFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

[[noreturn]] void raiseNoDevice(const std::string& device) {
    throw EDriveNotFound(substitute(msg("Drive", "O dispositivo %1 não existe"), {device}));
}

DriveLocation locateDevice(const std::string& device, std::optional<dev_t> number,
                           DiskAuthority* authority, const SystemPaths& paths) {
    if (authority) {
        auto points = authority->mountPoints(device);
        if (!points) {
            // The service knows a link only if it made it; ask again by the node it names.
            const std::string node = nodeOf(device);
            if (node != device) points = authority->mountPoints(node);
        }
        if (points) return fromMountPoints(device, *points);
    }
    if (!number) {
        struct stat st {};
        if (::stat(device.c_str(), &st) != 0) {
            int err = errno;
            if (err == ENOENT || err == ENOTDIR || err == ENAMETOOLONG) raiseNoDevice(device);
            throw EInOutError(ioCodeForErrno(err, device, false));
        }
        if (!S_ISBLK(st.st_mode) && !S_ISCHR(st.st_mode)) {
            throw EDriveNotFound(
                substitute(msg("Drive", "O caminho %1 não é um dispositivo"), {device}));
        }
        number = st.st_rdev;
    }
    std::vector<std::string> points;
    for (const MountEntry& entry : parseMountInfo(readMountInfo(paths.mountInfo))) {
        // A bind mount of a folder inside the disc does not show the disc's top.
        if (entry.major == major(*number) && entry.minor == minor(*number) && entry.root == "/")
            points.push_back(entry.mountPoint);
    }
    return fromMountPoints(device, points);
}

}  // namespace

DriveText classifyDriveText(std::string_view text, std::string_view devDir) {
    DriveText result;
    if ((text.size() == 2 || (text.size() == 3 && text[2] == '\\')) && isAsciiLetter(text[0]) &&
        text[1] == ':') {
        char upper = static_cast<char>(text[0] & ~0x20);
        result.kind = DriveText::Kind::Letter;
        result.driveIndex = upper - 'D';
        result.letter = {upper, ':'};
        return result;
    }
    std::string prefix(devDir);
    if (prefix.empty() || prefix.back() != '/') prefix.push_back('/');
    if (text.size() > prefix.size() && text.substr(0, prefix.size()) == prefix)
        result.kind = DriveText::Kind::Device;
    return result;
}

std::vector<MountEntry> parseMountInfo(std::string_view text) {
    std::vector<MountEntry> entries;
    while (!text.empty()) {
        std::size_t lineEnd = text.find('\n');
        std::string_view line = text.substr(0, lineEnd);
        text.remove_prefix(lineEnd == std::string_view::npos ? text.size() : lineEnd + 1);

        // ID, parent ID, major:minor, root, mount point, ...: blanks inside are escaped.
        std::vector<std::string_view> fields;
        while (fields.size() < 5 && !line.empty()) {
            std::size_t blank = line.find(' ');
            std::string_view field = line.substr(0, blank);
            if (!field.empty()) fields.push_back(field);
            line.remove_prefix(blank == std::string_view::npos ? line.size() : blank + 1);
        }
        if (fields.size() < 5) continue;
        auto numbers = parseDeviceNumbers(fields[2]);
        if (!numbers) continue;
        entries.push_back({numbers->first, numbers->second, decodeOctalEscapes(fields[3]),
                           decodeOctalEscapes(fields[4])});
    }
    return entries;
}

void sortByDeviceName(std::vector<std::string>& devices) {
    std::sort(devices.begin(), devices.end(),
              [](const std::string& a, const std::string& b) { return deviceNameLess(a, b); });
}

DriveLocation resolveDrive(const std::string& unidadeCd, DiskAuthority* authority,
                           const SystemPaths& paths) {
    // An empty line would name the root of the filesystem: say what is missing instead.
    if (unidadeCd.empty()) {
        throw EDriveNotFound(msg("Drive",
                                 "A unidade de CD não está definida no ficheiro \"config.ini\": "
                                 "escolha-a em Ficheiro > Configuração"));
    }
    DriveText what = classifyDriveText(unidadeCd, paths.devDir);
    // A folder under the devices' folder (/dev/shm/cd) is a folder like any other.
    if (what.kind == DriveText::Kind::Device && isFolder(unidadeCd))
        what.kind = DriveText::Kind::Folder;
    if (what.kind == DriveText::Kind::Folder)
        return {DriveLocation::Status::Folder, unidadeCd, "", ""};

    if (authority && !authority->available()) authority = nullptr;
    if (what.kind == DriveText::Kind::Device)
        return locateDevice(unidadeCd, std::nullopt, authority, paths);

    std::vector<Drive> drives;
    if (authority) {
        std::vector<std::string> devices = authority->opticalDrives();
        sortByDeviceName(devices);
        for (std::string& device : devices) drives.push_back({std::move(device), std::nullopt});
    } else {
        drives = sysfsOpticalDrives(paths);
    }
    if (what.driveIndex < 0 || static_cast<std::size_t>(what.driveIndex) >= drives.size()) {
        throw EDriveNotFound(substitute(
            msg("Drive", "Não há nenhuma unidade de CD-ROM com a letra %1 neste computador"),
            {what.letter}));
    }
    const Drive& drive = drives[static_cast<std::size_t>(what.driveIndex)];
    return locateDevice(drive.device, drive.number, authority, paths);
}

}  // namespace mp3
