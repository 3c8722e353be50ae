// The udisks2 client against the tests' stand-in service on a private bus: drives, mount points,
// mounting a real ISO image, and a service that does not answer.
#include "toolkit/udisks2_service.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

#include "catalogue/drive_location.h"
#include "support/disc_image.h"
#include "support/private_bus.h"
#include "support/udisks2_standin.h"

namespace {

QJsonObject json(const QString& text) {
    return QJsonDocument::fromJson(text.toUtf8()).object();
}

std::vector<std::string> sorted(std::vector<std::string> texts) {
    std::sort(texts.begin(), texts.end());
    return texts;
}

using Points = std::optional<std::vector<std::string>>;
using Identity = std::optional<mp3::DiscIdentity>;

}  // namespace

class UDisks2ServiceTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        bus_ = std::make_unique<testsupport::PrivateBus>();
        QVERIFY(bus_->ok());
        bus_->becomeSystemBus();
    }

    void withoutUDisks2NothingAnswers() {
        tk::UDisks2Service service;
        QVERIFY(!service.available());
        QVERIFY(service.opticalDrives().empty());
        QCOMPARE(service.mountPoints("/dev/sr0"), Points());
        QCOMPARE(service.mount("/dev/sr0"), std::optional<std::string>());
    }

    void opticalDrivesAndMountPoints() {
        // A DVD drive with a disc mounted twice, a CD drive with no disc, a hard disk with a
        // partition, and a drive whose disc has a partition table.
        testsupport::UDisks2StandIn standIn(bus_->address(), json(R"({"drives": [
            {"id": "DVD", "media_compatibility": ["optical_cd", "optical_dvd"],
             "devices": [{"name": "sr1", "symlinks": ["/dev/cdrom", "/dev/dvd"],
                          "mount_points": ["/media/Os Meus CDs", "/media/M\u00fasica"]}]},
            {"id": "CD", "media_compatibility": ["optical_cd"],
             "devices": [{"name": "sr0", "filesystem": false}]},
            {"id": "Disk", "media_compatibility": [],
             "devices": [{"name": "sda", "filesystem": false},
                         {"name": "sda1", "partition": true, "mount_points": ["/"]}]},
            {"id": "BD", "media_compatibility": ["thumb", "optical_bd"],
             "devices": [{"name": "sr10", "filesystem": false},
                         {"name": "sr10p1", "partition": true}]}
        ]})"));
        QVERIFY(standIn.ok());
        tk::UDisks2Service service;
        QVERIFY(service.available());
        QCOMPARE(sorted(service.opticalDrives()),
                 (std::vector<std::string>{"/dev/sr0", "/dev/sr1", "/dev/sr10"}));

        const std::vector<std::string> dvd = {"/media/Os Meus CDs", "/media/M\xC3\xBAsica"};
        struct Case {
            const char* device;
            Points points;
        } cases[] = {
            {"/dev/sr1", dvd},
            {"/dev/dvd", dvd},
            {"/dev/sr0", std::vector<std::string>{}},
            {"/dev/sda1", std::vector<std::string>{"/"}},
            {"/dev/sr2", std::nullopt},
            {"/dev/sr", std::nullopt},
        };
        for (const Case& c : cases) QVERIFY2(service.mountPoints(c.device) == c.points, c.device);

        // Through the core: "D:" is sr0 (no disc), "E:" sr1, "F:" sr10.
        const mp3::DriveLocation e = mp3::resolveDrive("e:\\", &service);
        QCOMPARE(e.status, mp3::DriveLocation::Status::Mounted);
        QCOMPARE(e.folder, std::string("/media/M\xC3\xBAsica"));
        QCOMPARE(e.device, std::string("/dev/sr1"));
        QCOMPARE(mp3::resolveDrive("D:", &service).status, mp3::DriveLocation::Status::NotMounted);
        QCOMPARE(mp3::resolveDrive("F:", &service).device, std::string("/dev/sr10"));
        QVERIFY_THROWS_EXCEPTION(mp3::EDriveNotFound, mp3::resolveDrive("G:", &service));
    }

    void mountAsksUDisks2AndGivesTheMountPoint() {
        testsupport::IsoImage image({{QString::fromUtf8("Álbum/faixa 1.mp3"), "ID3 one"}});
        QVERIFY(image.ok());
        QTemporaryDir places;
        const QString target = places.filePath(QString::fromUtf8("CD Música"));
        const QJsonObject description = json(QString(R"({"drives": [
            {"id": "DVD", "media_compatibility": ["optical_dvd"],
             "devices": [{"name": "sr0", "symlinks": ["/dev/cdrom"],
                          "iso": "%1", "mount_at": "%2"},
                         {"name": "sr1", "filesystem": false},
                         {"name": "sr2", "mount_error": "No medium found"}]}]})")
                                                 .arg(image.path(), target));
        testsupport::UDisks2StandIn standIn(bus_->address(), description);
        QVERIFY(standIn.ok());
        tk::UDisks2Service service;
        const std::string where = QFile::encodeName(target).toStdString();
        QCOMPARE(service.mount("/dev/cdrom"), std::optional<std::string>(where));
        QFile track(target + QString::fromUtf8("/Álbum/faixa 1.mp3"));
        QVERIFY(track.open(QIODevice::ReadOnly));
        QCOMPARE(track.readAll(), QByteArray("ID3 one"));
        QCOMPARE(service.mountPoints("/dev/sr0"), Points(std::vector<std::string>{where}));

        // Mounted already: the same place, and udisks2 is not asked again.
        QCOMPARE(service.mount("/dev/sr0"), std::optional<std::string>(where));
        QList<QJsonObject> calls = standIn.calls();
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0]["method"].toString(), QString("Mount"));
        QCOMPARE(calls[0]["object"].toString(),
                 QString("/org/freedesktop/UDisks2/block_devices/sr0"));
        QCOMPARE(calls[0]["options"].toObject(), QJsonObject());

        // No filesystem: nothing to ask. A refused mount: asked, and nothing given.
        QCOMPARE(service.mount("/dev/sr1"), std::optional<std::string>());
        QCOMPARE(service.mount("/dev/sr2"), std::optional<std::string>());
        calls = standIn.calls();
        QCOMPARE(calls.size(), 2);
        QCOMPARE(calls[1]["object"].toString(),
                 QString("/org/freedesktop/UDisks2/block_devices/sr2"));
    }

    void identityOfTheDiscInTheDrive() {
        // Two burns with one label, told apart by the volume's creation time.
        testsupport::IsoImage rock2003({{"a.mp3", ""}}, "ROCK"), rock2004({{"b.mp3", ""}}, "ROCK");
        QVERIFY(rock2003.setCreationTime("2003050112000000"));
        QVERIFY(rock2004.setCreationTime("2004123123595999"));
        testsupport::UDisks2StandIn standIn(bus_->address(),
                                            json(QString(R"({"drives": [
            {"id": "DVD", "media_compatibility": ["optical_cd"], "devices": [
                {"name": "sr0", "symlinks": ["/dev/cdrom"], "iso": "%1"},
                {"name": "sr1", "iso": "%2"},
                {"name": "sr2", "id_label": "A\u00c7\u00c3O", "id_uuid": "x"}]}]})")
                                                     .arg(rock2003.path(), rock2004.path())));
        QVERIFY(standIn.ok());
        tk::UDisks2Service service;
        const mp3::DiscIdentity first{"ROCK", "2003-05-01-12-00-00-00"};
        const mp3::DiscIdentity second{"ROCK", "2004-12-31-23-59-59-99"};
        const std::pair<const char*, Identity> cases[] = {
            {"/dev/cdrom", first},
            {"/dev/sr1", second},
            {"/dev/sr2", mp3::DiscIdentity{"A\xC3\x87\xC3\x83O", "x"}},
            {"/dev/sr9", std::nullopt},
        };
        for (const auto& [device, identity] : cases)
            QVERIFY2(service.identity(device) == identity, device);
    }

    void aHungServiceHoldsUsForTheTimeoutOnly() {
        testsupport::UDisks2StandIn standIn(bus_->address(), json(R"({"drives": [{"id": "CD",
            "media_compatibility": ["optical_cd"], "devices": [{"name": "sr0"}]}]})"));
        QVERIFY(standIn.ok());
        tk::UDisks2Service service(300, 300);
        QVERIFY(service.available());
        standIn.pause();
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!service.available());
        QCOMPARE(service.mount("/dev/sr0"), std::optional<std::string>());
        // D-Bus's own default would be 25 s a call.
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        standIn.resume();
    }

    void cleanupTestCase() { bus_.reset(); }

  private:
    std::unique_ptr<testsupport::PrivateBus> bus_;
};

QTEST_MAIN(UDisks2ServiceTest)
#include "udisks2_service_test.moc"
