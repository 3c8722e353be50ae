// The desktop's default application for a file, through Qt's desktop services.
#pragma once

#include "toolkit/platform.h"

namespace tk {

// QDesktopServices::openUrl on the file's URL, which follows the freedesktop MIME defaults
// (xdg-open where no desktop integration of its own is loaded). No shell reads the path.
class QtDefaultApplication : public DefaultApplication {
  public:
    bool open(const std::string& path) override;
};

}  // namespace tk
