// The disk service seam: the desktop's authority on drives and mounts, as the core declares it.
#pragma once

#include "catalogue/disk_authority.h"

namespace tk {

// udisks2 in the program (UDisks2Service), a recording stand-in in tests.
using DiskService = mp3::DiskAuthority;

}  // namespace tk
