// Playing an item from the disc: where the drive is, the wait for the disc, the player started.
#pragma once

#include <QCoreApplication>
#include <memory>
#include <optional>
#include <string>

#include "catalogue/disc_register.h"
#include "catalogue/drive_location.h"
#include "catalogue/player.h"

class QWidget;

namespace tk {
struct Platform;
}

// The main window's host for a play. The drive is resolved at each use (a folder, a device or a
// letter, see resolveDrive) off the user-interface thread, so a disk service that stops answering
// freezes nothing; when the item's file is not there yet the wait box shows, and a device udisks2
// knows but nobody mounted is mounted through it. The configured player starts when it names an
// executable file here; otherwise the desktop's default application opens the file. No shell reads
// any of it, and a start that fails is reported. Discs "discos.ini" knows are recognised by their
// identity: the right one in the drive needs no prompt, and a wrong one is never played from.
class DiscPlayer : public mp3::PlayerHost {
    Q_DECLARE_TR_FUNCTIONS(DiscPlayer)

  public:
    DiscPlayer(tk::Platform& platform, QWidget* parent, mp3::SystemPaths paths = {});
    ~DiscPlayer() override;

    mp3::DiscCheck checkDrive(const mp3::PlayerConfig& config, const mp3::PlayItem& item) override;
    void askForCd(const std::string& prompt) override;
    void startPlayer(const mp3::PlayerConfig& config, const mp3::PlayItem& item) override;

  private:
    class BackgroundMount;

    void start(const mp3::PlayerConfig& config, const std::string& path, const std::string& folder);
    // The label "discos.ini" keeps for a CD, in Windows-1252; empty when none.
    std::string labelOf(int cd) const;

    tk::Platform& platform_;
    QWidget* parent_;
    mp3::SystemPaths paths_;
    // What the drive check found, for the wait that follows it.
    std::optional<mp3::DiscRegister> known_;
    std::optional<int> wanted_;  // the item's CD number
};
