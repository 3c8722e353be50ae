// The wait for a disc in a small box that can be cancelled, woken by changes to the mount table.
#pragma once

#include <chrono>
#include <string>

#include "toolkit/platform.h"

namespace tk {

// A modal box with the text, a busy bar and "Cancelar". It asks `ready` at once and, while the
// answer is still being worked out, keeps the box back for a tenth of a second (the window goes on
// painting; keys and clicks wait), so a quick answer shows no box. Then it asks whenever the mount
// table file signals a change (poll's priority event, as /proc/self/mountinfo does), twice a
// second, and every few milliseconds while `ready` is Asking, until it is Ready or `timeout` has
// passed.
class QtDiscWait : public DiscWait {
  public:
    explicit QtDiscWait(std::chrono::milliseconds timeout = std::chrono::seconds(30),
                        std::string mountInfo = "/proc/self/mountinfo")
        : timeout_(timeout), mountInfo_(std::move(mountInfo)) {}

    bool waitUntil(QWidget* parent, const QString& text, const Ready& ready) override;

  private:
    std::chrono::milliseconds timeout_;
    std::string mountInfo_;
};

}  // namespace tk
