// Where the CD's files are: the "config.ini" drive text resolved to a folder at each use.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "disk_authority.h"
#include "runtime_error.h"

namespace mp3 {

// Where the system keeps what resolving reads; tests hand in made-up ones.
struct SystemPaths {
    std::string devDir = "/dev";
    std::string sysClassBlock = "/sys/class/block";
    std::string mountInfo = "/proc/self/mountinfo";
    std::string diskByLabel = "/dev/disk/by-label";
    std::string diskByUuid = "/dev/disk/by-uuid";
};

// What the drive text names. A letter is "X:" with an optional trailing "\", either case;
// "D:" is the first optical drive, as the configuration window offers them.
struct DriveText {
    enum class Kind { Folder, Device, Letter };
    Kind kind = Kind::Folder;
    int driveIndex = -1;  // Letter: 0 for "D:", negative for "A:" to "C:"
    std::string letter;   // Letter: "F:" in capitals, as messages name it
};
DriveText classifyDriveText(std::string_view text, std::string_view devDir);

// One line of a mountinfo file: the device's numbers, the mount point with its octal escapes
// ("\040") decoded, and the part of the filesystem mounted there ("/" for the whole).
struct MountEntry {
    unsigned major = 0;
    unsigned minor = 0;
    std::string root;
    std::string mountPoint;
};
std::vector<MountEntry> parseMountInfo(std::string_view text);

// Device paths in the order drive letters are given: by device name, numbers by value
// ("sr9" before "sr10").
void sortByDeviceName(std::vector<std::string>& devices);

// Where the disc's files are, or the device that has no filesystem mounted yet (the caller may
// wait for the disc and mount it through the DiskAuthority).
struct DriveLocation {
    enum class Status { Folder, Mounted, NotMounted };
    Status status = Status::Folder;
    std::string folder;  // Folder and Mounted: where the files are
    std::string device;  // Mounted and NotMounted: the device given, or the one behind the letter
    // The device with its links followed: what the disk service is asked to mount, since it
    // knows the node but not a link a user made to it.
    std::string node;
};

// No drive set in "config.ini", a drive letter with no optical drive behind it, or a device path
// with no device there.
class EDriveNotFound : public RuntimeError {
  public:
    using RuntimeError::RuntimeError;
};

// Resolves the drive text, in the filesystem's encoding: a folder is used as it is (also one under
// paths.devDir); a device (any other path under paths.devDir, links too) gives its current mount
// point, the latest if several;
// a letter gives the mount point of its optical drive. The authority (null for none) is asked
// where it answers, otherwise sysfs and mountinfo are read. Raises EDriveNotFound for an empty
// text (no drive set), a missing drive or device, EInOutError when mountinfo cannot be read.
DriveLocation resolveDrive(const std::string& unidadeCd, DiskAuthority* authority,
                           const SystemPaths& paths = {});

}  // namespace mp3
