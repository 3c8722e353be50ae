// The desktop's disk service (udisks2 on Linux) as the core asks it: drives, mounts, mounting.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "disc_identity.h"

namespace mp3 {

// Device paths and mount points are bytes as the filesystem names them. Every question is
// answered afresh: discs come and go between two uses.
class DiskAuthority {
  public:
    virtual ~DiskAuthority() = default;

    // Whether the service answers now; when it does not, the core reads the system's files.
    virtual bool available() = 0;

    // The device paths ("/dev/sr0") of the drives that take optical discs, in any order.
    virtual std::vector<std::string> opticalDrives() = 0;

    // Where a device (its path or one of its links) is mounted now, empty when nowhere;
    // nothing when the service does not know the device.
    virtual std::optional<std::vector<std::string>> mountPoints(const std::string& device) = 0;

    // Mounts the filesystem on a device (a disc just inserted); its mount point, or nothing
    // when it could not be mounted (no disc, no filesystem, refused). A device already mounted
    // gives its current mount point.
    virtual std::optional<std::string> mount(const std::string& device) = 0;

    // The identity of the disc in a device: empty when there is no disc, or its filesystem has
    // no label and no UUID; nothing when the service does not know the device.
    virtual std::optional<DiscIdentity> identity(const std::string& device) = 0;
};

}  // namespace mp3
