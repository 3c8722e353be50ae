// The disk service over udisks2 on the system bus (Qt D-Bus).
#pragma once

#include "toolkit/disk_service.h"

namespace tk {

// Asks udisks2 afresh at each question. Without a system bus or without udisks2 it answers
// "not available", and the core reads the system's files instead. Calls are bounded, so a hung
// bus holds the program for a moment only; a mount may take its full timeout (a disc spinning
// up), so a window may want to ask from another thread.
class UDisks2Service : public DiskService {
  public:
    explicit UDisks2Service(int queryTimeoutMs = 2000, int mountTimeoutMs = 30000)
        : queryTimeoutMs_(queryTimeoutMs), mountTimeoutMs_(mountTimeoutMs) {}

    bool available() override;
    std::vector<std::string> opticalDrives() override;
    std::optional<std::vector<std::string>> mountPoints(const std::string& device) override;
    std::optional<std::string> mount(const std::string& device) override;
    std::optional<mp3::DiscIdentity> identity(const std::string& device) override;

  private:
    int queryTimeoutMs_;
    int mountTimeoutMs_;
};

}  // namespace tk
