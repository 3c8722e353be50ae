// A disc's identity (volume label and filesystem UUID), from the disk service or the system's
// links.
#pragma once

#include <string>
#include <string_view>

namespace mp3 {

class DiskAuthority;
struct SystemPaths;
struct DriveLocation;

// A disc's identity as the system names it: its volume label and its filesystem UUID, bytes as
// udisks2 and udev give them (UTF-8). For ISO 9660 the UUID is the volume's creation time
// ("2003-05-01-12-00-00-00"), which tells apart two burns with one label.
struct DiscIdentity {
    std::string label;
    std::string uuid;
    bool empty() const noexcept { return label.empty() && uuid.empty(); }
    bool operator==(const DiscIdentity&) const = default;
};

// udev's escapes in a /dev/disk/by-* link name decoded: "ROCK\x202003" -> "ROCK 2003".
std::string decodeUdevEscapes(std::string_view name);

// From the system's own names: the link in paths.diskByLabel and the one in paths.diskByUuid
// that lead to the same device node as `device` (which may itself be a link, e.g. /dev/cdrom).
// Empty when neither folder has one (or the folders do not exist).
DiscIdentity identityFromLinks(const std::string& device, const SystemPaths& paths);

// The identity of the disc in `device`: the authority's answer where it answers and knows the
// device, otherwise the links. Empty when there is none (no disc, a drive that is a folder).
DiscIdentity discIdentity(const std::string& device, DiskAuthority* authority,
                          const SystemPaths& paths);

// The disc in a resolved drive: its device's, asked by its node; a folder has none.
DiscIdentity discInDrive(const DriveLocation& drive, DiskAuthority* authority,
                         const SystemPaths& paths);

}  // namespace mp3
