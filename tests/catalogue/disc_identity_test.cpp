// A disc's identity: udev's escapes, by-label and by-uuid links on a made-up tree, the service
// first.
#include "catalogue/disc_identity.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "catalogue/disk_authority.h"
#include "catalogue/drive_location.h"
#include "support/scratch.h"

namespace mp3 {
namespace {

namespace fs = std::filesystem;

TEST(UdevEscapes, HexPairsOnly) {
    // A decoded backslash starts no escape; what is not "\x" and two hex digits stays.
    const std::pair<const char*, const char*> cases[] = {
        {"ROCK\\x202003", "ROCK 2003"},
        {"M\\xc3\\xBAsica", "M\xC3\xBAsica"},
        {"a\\x5cx20", "a\\x20"},
    };
    for (const auto& [name, decoded] : cases) EXPECT_EQ(decodeUdevEscapes(name), decoded) << name;
}

// Knows the devices in its table by the exact name asked.
struct IdentityTable : DiskAuthority {
    std::map<std::string, DiscIdentity> known;
    bool available() override { return true; }
    std::vector<std::string> opticalDrives() override { return {}; }
    std::optional<std::vector<std::string>> mountPoints(const std::string&) override { return {}; }
    std::optional<std::string> mount(const std::string&) override { return {}; }
    std::optional<DiscIdentity> identity(const std::string& device) override {
        auto it = known.find(device);
        return it == known.end() ? std::nullopt : std::optional(it->second);
    }
};

// Plain files stand in for the nodes; udev's folders hold relative links as udev makes them.
TEST(DiscIdentity, FromTheServiceWhereItKnowsTheDeviceOtherwiseFromTheLinks) {
    test::ScratchDir dir;
    const std::string dev = dir.file("dev");
    SystemPaths paths{dev, "", "", dev + "/disk/by-label", dev + "/disk/by-uuid"};
    fs::create_directories(paths.diskByLabel);
    fs::create_directories(paths.diskByUuid);
    for (const char* node : {"sr0", "sr1", "sr2"}) test::writeBytes(dev + "/" + node, "");
    fs::create_symlink("sr0", dev + "/cdrom");
    fs::create_symlink("../../sr0", paths.diskByLabel + "/ROCK\\x202003");
    fs::create_symlink("../../sr1", paths.diskByLabel + "/S\\xc3\\xb3");
    fs::create_symlink("../../sr2", paths.diskByLabel + "/OLD");
    fs::create_symlink("../../sr9", paths.diskByLabel + "/Stale");
    fs::create_symlink("../../sr0", paths.diskByUuid + "/2003-05-01-12-00-00-00");

    const DiscIdentity rock{"ROCK 2003", "2003-05-01-12-00-00-00"}, jazz{"JAZZ", "1999"};
    const std::string sr0 = fs::canonical(dev + "/sr0").string();
    IdentityTable service;
    service.known = {{sr0, jazz}, {dev + "/sr2", {}}};
    struct Case {
        std::string device;
        DiscIdentity fromLinks, withService;
    } cases[] = {
        {dev + "/sr0", rock, jazz},
        // The service knows a link only if it made it: asked again by the node it names.
        {dev + "/cdrom", rock, jazz},
        {dev + "/sr1", {"S\xC3\xB3", ""}, {"S\xC3\xB3", ""}},
        // Known to the service with no disc: the links are not read.
        {dev + "/sr2", {"OLD", ""}, {}},
        {dev + "/sr9", {}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(discIdentity(c.device, nullptr, paths), c.fromLinks) << c.device;
        EXPECT_EQ(discIdentity(c.device, &service, paths), c.withService) << c.device;
    }
}

}  // namespace
}  // namespace mp3
