// The process start seam on posix_spawn: no shell, exact bytes, no waiting.
#pragma once

#include "toolkit/platform.h"

namespace tk {

class SpawnProcessStarter : public ProcessStarter {
  public:
    // An empty working folder keeps ours. A relative program path is taken from our current
    // folder, as it stands when start is called.
    int start(const std::string& program, const std::vector<std::string>& args,
              const std::string& workingDir) override;
};

}  // namespace tk
