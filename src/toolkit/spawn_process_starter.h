// The process start seam on posix_spawn: no shell, exact bytes, no waiting.
#pragma once

#include "toolkit/platform.h"

namespace tk {

class SpawnProcessStarter : public ProcessStarter {
  public:
    // An empty working folder keeps ours. A program without "/" is looked up in PATH.
    void start(const std::string& program, const std::vector<std::string>& args,
               const std::string& workingDir) override;
};

}  // namespace tk
