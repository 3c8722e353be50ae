// A disc's identity: udev's link names decoded and matched to a device, the disk service first.
#include "disc_identity.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <vector>

#include "disk_authority.h"
#include "drive_location.h"

namespace mp3 {
namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The node a path leads to, links followed; nothing when it leads nowhere.
std::optional<std::pair<dev_t, ino_t>> nodeOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return std::pair{st.st_dev, st.st_ino};
}

// The decoded name of the link in `folder` that leads to `node`; a stale second link for the
// same node (udev replaces links as discs come and go) loses to the first by name.
std::string linkNameFor(const std::string& folder, const std::pair<dev_t, ino_t>& node) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (nodeOf(it->path().string()) == node) names.push_back(it->path().filename().string());
    }
    if (names.empty()) return {};
    return decodeUdevEscapes(*std::min_element(names.begin(), names.end()));
}

}  // namespace

std::string decodeUdevEscapes(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && name.size() - i > 3 && name[i + 1] == 'x' &&
            hexValue(name[i + 2]) >= 0 && hexValue(name[i + 3]) >= 0) {
            out.push_back(static_cast<char>(hexValue(name[i + 2]) * 16 + hexValue(name[i + 3])));
            i += 3;
        } else {
            out.push_back(name[i]);
        }
    }
    return out;
}

DiscIdentity identityFromLinks(const std::string& device, const SystemPaths& paths) {
    const auto node = nodeOf(device);
    if (!node) return {};
    return {linkNameFor(paths.diskByLabel, *node), linkNameFor(paths.diskByUuid, *node)};
}

DiscIdentity discIdentity(const std::string& device, DiskAuthority* authority,
                          const SystemPaths& paths) {
    if (authority) {
        auto known = authority->identity(device);
        if (!known) {
            // The service knows a link only if it made it; ask again by the node it names.
            std::error_code ec;
            const auto target = std::filesystem::canonical(device, ec);
            if (!ec && target.string() != device) known = authority->identity(target.string());
        }
        if (known) return *known;
    }
    return identityFromLinks(device, paths);
}

DiscIdentity discInDrive(const DriveLocation& drive, DiskAuthority* authority,
                         const SystemPaths& paths) {
    if (drive.status == DriveLocation::Status::Folder) return {};
    return discIdentity(drive.node, authority, paths);
}

}  // namespace mp3
