// Where the CD is: drive texts, mountinfo, sysfs drives and the disk service, on made-up files.
#include "catalogue/drive_location.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>
#include <map>

#include "support/expect_io_error.h"
#include "support/scratch.h"

namespace mp3 {
namespace {

using Status = DriveLocation::Status;
using Kind = DriveText::Kind;

TEST(DriveText, KindsAndLetters) {
    struct Case {
        const char* text;
        Kind kind;
        int index;
        const char* letter;
    } cases[] = {
        {"D:", Kind::Letter, 0, "D:"},        {"d:", Kind::Letter, 0, "D:"},
        {"f:\\", Kind::Letter, 2, "F:"},      {"L:", Kind::Letter, 8, "L:"},
        {"C:", Kind::Letter, -1, "C:"},       {"D:/", Kind::Folder, -1, ""},
        {"D:\\x", Kind::Folder, -1, ""},      {"DE:", Kind::Folder, -1, ""},
        {"1:", Kind::Folder, -1, ""},         {"/dev/sr0", Kind::Device, -1, ""},
        {"/dev/cdrom", Kind::Device, -1, ""}, {"/dev/", Kind::Folder, -1, ""},
        {"/devices/x", Kind::Folder, -1, ""}, {"/media/cdrom", Kind::Folder, -1, ""},
        {"", Kind::Folder, -1, ""},
    };
    for (const Case& c : cases) {
        DriveText got = classifyDriveText(c.text, "/dev");
        EXPECT_EQ(got.kind, c.kind) << c.text;
        EXPECT_EQ(got.driveIndex, c.index) << c.text;
        EXPECT_EQ(got.letter, c.letter) << c.text;
    }
    EXPECT_EQ(classifyDriveText("/tmp/x/dev/sr0", "/tmp/x/dev/").kind, Kind::Device);
}

TEST(MountInfo, FieldsEscapesAndBadLines) {
    const std::string text =
        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
        "36 22 11:0 / /media/Os\\040Meus\\040CDs rw - iso9660 /dev/sr0 ro\n"
        "37 22 11:1 /sub /mnt/tab\\011and\\134slash rw - iso9660 /dev/sr1 ro\n"
        "garbage line\n"
        "38 22 x:1 / /bad rw - tmpfs none rw\n"
        "\n"
        "39 22 11:0 / /media/M\xC3\xBAsica\\012 rw - iso9660 /dev/sr0 ro\n"
        "40 22 0:50 / /media/a\\9b\\04 rw - tmpfs none rw";
    std::vector<MountEntry> got = parseMountInfo(text);
    ASSERT_EQ(got.size(), 5u);
    EXPECT_EQ(got[0].mountPoint, "/");
    EXPECT_EQ(got[1].major, 11u);
    EXPECT_EQ(got[1].minor, 0u);
    EXPECT_EQ(got[1].mountPoint, "/media/Os Meus CDs");
    EXPECT_EQ(got[2].root, "/sub");
    EXPECT_EQ(got[2].mountPoint, "/mnt/tab\tand\\slash");
    EXPECT_EQ(got[3].mountPoint, "/media/M\xC3\xBAsica\n");
    // A backslash that does not start three octal digits stays as it is.
    EXPECT_EQ(got[4].mountPoint, "/media/a\\9b\\04");
}

TEST(DeviceOrder, NumbersByValue) {
    std::vector<std::string> devices = {"/dev/sr10", "/dev/sr2", "/dev/sr0", "/dev/sr9",
                                        "/dev/sr1"};
    sortByDeviceName(devices);
    EXPECT_EQ(devices, (std::vector<std::string>{"/dev/sr0", "/dev/sr1", "/dev/sr2", "/dev/sr9",
                                                 "/dev/sr10"}));
}

// A made-up machine: a dev folder, a sysfs block folder and a mountinfo file.
class MadeUpSystem : public ::testing::Test {
  protected:
    test::ScratchDir dir;
    SystemPaths paths{dir.file("dev"), dir.file("sys"), dir.file("mountinfo")};

    void SetUp() override {
        std::filesystem::create_directories(paths.devDir);
        std::filesystem::create_directories(paths.sysClassBlock);
    }
    void addSysfsDrive(const std::string& name, const std::string& numbers) {
        std::filesystem::create_directories(paths.sysClassBlock + "/" + name);
        test::writeBytes(paths.sysClassBlock + "/" + name + "/dev", numbers + "\n");
    }
    void link(const std::string& name, const std::string& target) {
        std::filesystem::create_symlink(target, paths.devDir + "/" + name);
    }
    static std::string numbersOf(const char* node) {
        struct stat st {};
        EXPECT_EQ(::stat(node, &st), 0);
        return std::to_string(major(st.st_rdev)) + ":" + std::to_string(minor(st.st_rdev));
    }
};

void expectLocation(const DriveLocation& got, Status status, const std::string& folder,
                    const std::string& device, const std::string& what) {
    EXPECT_EQ(got.status, status) << what;
    EXPECT_EQ(got.folder, folder) << what;
    EXPECT_EQ(got.device, device) << what;
}

#define EXPECT_DRIVE_ERROR(statement, expectedMessage)         \
    do {                                                       \
        try {                                                  \
            statement;                                         \
            ADD_FAILURE() << "no error from " #statement;      \
        } catch (const mp3::EDriveNotFound& e) {               \
            EXPECT_EQ(std::string(e.what()), expectedMessage); \
        }                                                      \
    } while (false)

TEST_F(MadeUpSystem, LettersFromSysfsAndMountInfo) {
    addSysfsDrive("sr0", "11:0");
    addSysfsDrive("sr1", "11:1");
    addSysfsDrive("sr2", "11:2");
    addSysfsDrive("sr10", "11:10");
    addSysfsDrive("sda", "8:0");
    addSysfsDrive("sr", "11:99");
    addSysfsDrive("srx", "11:98");
    test::writeBytes(paths.mountInfo,
                     "22 1 8:0 / / rw - ext4 /dev/sda rw\n"
                     "30 22 11:1 / /media/CD\\040M\xC3\xBAsica ro - iso9660 /dev/sr1 ro\n"
                     "31 22 11:10 / /media/first ro - iso9660 /dev/sr10 ro\n"
                     "32 22 11:10 / /media/latest ro - iso9660 /dev/sr10 ro\n"
                     "33 22 11:10 /Album /media/bound ro - iso9660 /dev/sr10 ro\n");
    const std::string dev = paths.devDir;
    struct Case {
        const char* text;
        Status status;
        std::string folder;
        std::string device;
    } cases[] = {
        {"D:", Status::NotMounted, "", dev + "/sr0"},
        {"e:\\", Status::Mounted, "/media/CD M\xC3\xBAsica", dev + "/sr1"},
        {"F:", Status::NotMounted, "", dev + "/sr2"},
        {"G:", Status::Mounted, "/media/latest", dev + "/sr10"},
        {"/media/cdrom", Status::Folder, "/media/cdrom", ""},
        {"D:/", Status::Folder, "D:/", ""},
    };
    for (const Case& c : cases)
        expectLocation(resolveDrive(c.text, nullptr, paths), c.status, c.folder, c.device, c.text);

    EXPECT_DRIVE_ERROR(resolveDrive("H:", nullptr, paths),
                       "N\xE3o h\xE1 nenhuma unidade de CD-ROM com a letra H: neste computador");
    EXPECT_DRIVE_ERROR(resolveDrive("c:\\", nullptr, paths),
                       "N\xE3o h\xE1 nenhuma unidade de CD-ROM com a letra C: neste computador");
}

TEST_F(MadeUpSystem, NoOpticalDriveAtAll) {
    std::filesystem::remove_all(paths.sysClassBlock);
    EXPECT_DRIVE_ERROR(resolveDrive("D:", nullptr, paths),
                       "N\xE3o h\xE1 nenhuma unidade de CD-ROM com a letra D: neste computador");
}

TEST_F(MadeUpSystem, DevicesByTheirNodesNumbers) {
    // Character nodes stand in for the drive: their numbers are as good as a block device's.
    link("cdrom", "/dev/null");
    link("dvd", "/dev/zero");
    test::writeBytes(paths.devDir + "/notes", "not a device");
    test::writeBytes(paths.mountInfo,
                     "22 1 8:0 / / rw - ext4 /dev/sda rw\n"
                     "30 22 " +
                         numbersOf("/dev/null") + " / /mnt/disc ro - iso9660 /dev/sr0 ro\n");
    const std::string dev = paths.devDir;
    expectLocation(resolveDrive(dev + "/cdrom", nullptr, paths), Status::Mounted, "/mnt/disc",
                   dev + "/cdrom", "link to a mounted device");
    expectLocation(resolveDrive(dev + "/dvd", nullptr, paths), Status::NotMounted, "", dev + "/dvd",
                   "link to a device with nothing mounted");

    // A link is mounted through the node it names; a folder among the devices is a folder.
    EXPECT_EQ(resolveDrive(dev + "/dvd", nullptr, paths).node, "/dev/zero");
    std::filesystem::create_directory(dev + "/shm");
    expectLocation(resolveDrive(dev + "/shm", nullptr, paths), Status::Folder, dev + "/shm", "",
                   "folder under the devices' folder");
    EXPECT_DRIVE_ERROR(resolveDrive("", nullptr, paths),
                       "A unidade de CD n\xE3o est\xE1 definida no ficheiro \"config.ini\": "
                       "escolha-a em Ficheiro > Configura\xE7\xE3o");

    EXPECT_DRIVE_ERROR(resolveDrive(dev + "/sr3", nullptr, paths),
                       "O dispositivo " + dev + "/sr3 n\xE3o existe");
    EXPECT_DRIVE_ERROR(resolveDrive(dev + "/notes", nullptr, paths),
                       "O caminho " + dev + "/notes n\xE3o \xE9 um dispositivo");

    std::filesystem::remove(paths.mountInfo);
    EXPECT_IO_ERROR(resolveDrive(dev + "/cdrom", nullptr, paths), 2, "File not found");
}

// Answers from a table: device -> mount points; records what was asked.
class TableAuthority : public DiskAuthority {
  public:
    bool answers = true;
    std::vector<std::string> drives;
    std::map<std::string, std::vector<std::string>> mounts;
    std::vector<std::string> asked;

    bool available() override { return answers; }
    std::vector<std::string> opticalDrives() override { return drives; }
    std::optional<std::vector<std::string>> mountPoints(const std::string& device) override {
        asked.push_back(device);
        auto it = mounts.find(device);
        if (it == mounts.end()) return std::nullopt;
        return it->second;
    }
    std::optional<std::string> mount(const std::string&) override { return std::nullopt; }
    std::optional<DiscIdentity> identity(const std::string&) override { return std::nullopt; }
};

TEST_F(MadeUpSystem, TheDiskServiceIsAskedFirstWhereItAnswers) {
    addSysfsDrive("sr0", "11:0");
    test::writeBytes(paths.mountInfo, "30 22 11:0 / /from/mountinfo ro - iso9660 /dev/sr0 ro\n");
    link("cdrom", "/dev/null");
    TableAuthority service;
    service.drives = {"/dev/sr10", "/dev/sr1", "/dev/sr0"};
    service.mounts = {{"/dev/sr0", {}},
                      {"/dev/sr1", {"/media/a", "/media/b"}},
                      {"/dev/sr10", {"/media/ten"}},
                      {"/dev/null", {"/media/null"}}};
    const std::string dev = paths.devDir;
    struct Case {
        std::string text;
        Status status;
        std::string folder;
        std::string device;
    } cases[] = {
        {"D:", Status::NotMounted, "", "/dev/sr0"},
        {"E:", Status::Mounted, "/media/b", "/dev/sr1"},
        {"F:", Status::Mounted, "/media/ten", "/dev/sr10"},
        // A link the service does not know is asked again by the node it names.
        {dev + "/cdrom", Status::Mounted, "/media/null", dev + "/cdrom"},
    };
    for (const Case& c : cases)
        expectLocation(resolveDrive(c.text, &service, paths), c.status, c.folder, c.device, c.text);
    EXPECT_EQ(service.asked.back(), "/dev/null");
    EXPECT_DRIVE_ERROR(resolveDrive("G:", &service, paths),
                       "N\xE3o h\xE1 nenhuma unidade de CD-ROM com a letra G: neste computador");

    // A device the service does not know is looked up in the system's files.
    service.mounts.erase("/dev/null");
    test::writeBytes(paths.mountInfo,
                     "30 22 " + numbersOf("/dev/null") + " / /mnt/x ro - x y ro\n");
    expectLocation(resolveDrive(dev + "/cdrom", &service, paths), Status::Mounted, "/mnt/x",
                   dev + "/cdrom", "unknown to the service");

    // A service that does not answer is not asked at all.
    service.answers = false;
    service.asked.clear();
    test::writeBytes(paths.mountInfo, "30 22 11:0 / /from/mountinfo ro - iso9660 /dev/sr0 ro\n");
    expectLocation(resolveDrive("D:", &service, paths), Status::Mounted, "/from/mountinfo",
                   dev + "/sr0", "service not answering");
    EXPECT_TRUE(service.asked.empty());
}

}  // namespace
}  // namespace mp3
