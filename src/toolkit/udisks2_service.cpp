// udisks2's objects read from its object manager; filesystems mounted through it.
#include "toolkit/udisks2_service.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QFile>
#include <QMap>
#include <QVariantMap>
#include <algorithm>

namespace tk {
namespace {

const QString kService = QStringLiteral("org.freedesktop.UDisks2");
const QString kRoot = QStringLiteral("/org/freedesktop/UDisks2");
const QString kDrive = QStringLiteral("org.freedesktop.UDisks2.Drive");
const QString kBlock = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString kPartition = QStringLiteral("org.freedesktop.UDisks2.Partition");
const QString kFilesystem = QStringLiteral("org.freedesktop.UDisks2.Filesystem");

struct BlockDevice {
    QString objectPath;
    QByteArray device;
    QList<QByteArray> names;  // the device, its preferred name and its links
    QString drive;
    bool partition = false;
    bool hasFilesystem = false;
    QList<QByteArray> mountPoints;
    QString idLabel;  // the filesystem's, empty with no disc
    QString idUuid;
};

struct Objects {
    QMap<QString, QStringList> mediaOfDrive;  // drive object path -> MediaCompatibility
    std::vector<BlockDevice> blocks;
};

// udisks2 ends each path it sends as bytes with a NUL.
QByteArray withoutNul(QByteArray bytes) {
    if (bytes.endsWith('\0')) bytes.chop(1);
    return bytes;
}

bool isDBusArgument(const QVariant& value) {
    return value.metaType() == QMetaType::fromType<QDBusArgument>();
}

// "aay" arrives unconverted inside a variant.
QList<QByteArray> byteArrays(const QVariant& value) {
    QList<QByteArray> out;
    if (isDBusArgument(value)) {
        const QDBusArgument arg = value.value<QDBusArgument>();
        arg.beginArray();
        while (!arg.atEnd()) {
            QByteArray bytes;
            arg >> bytes;
            out << withoutNul(bytes);
        }
        arg.endArray();
    } else {
        for (const QByteArray& bytes : value.value<QList<QByteArray>>()) out << withoutNul(bytes);
    }
    return out;
}

QStringList strings(const QVariant& value) {
    if (!isDBusArgument(value)) return value.toStringList();
    QStringList out;
    value.value<QDBusArgument>() >> out;
    return out;
}

QString objectPath(const QVariant& value) {
    if (isDBusArgument(value)) {
        QDBusObjectPath path;
        value.value<QDBusArgument>() >> path;
        return path.path();
    }
    return value.value<QDBusObjectPath>().path();
}

void addObject(Objects& objects, const QString& path,
               const QMap<QString, QVariantMap>& interfaces) {
    if (interfaces.contains(kDrive)) {
        objects.mediaOfDrive.insert(path, strings(interfaces[kDrive].value("MediaCompatibility")));
    }
    if (!interfaces.contains(kBlock)) return;
    const QVariantMap& block = interfaces[kBlock];
    BlockDevice device;
    device.objectPath = path;
    device.device = withoutNul(block.value("Device").toByteArray());
    device.names << device.device << withoutNul(block.value("PreferredDevice").toByteArray())
                 << byteArrays(block.value("Symlinks"));
    device.drive = objectPath(block.value("Drive"));
    device.idLabel = block.value("IdLabel").toString();
    device.idUuid = block.value("IdUUID").toString();
    device.partition = interfaces.contains(kPartition);
    device.hasFilesystem = interfaces.contains(kFilesystem);
    if (device.hasFilesystem)
        device.mountPoints = byteArrays(interfaces[kFilesystem].value("MountPoints"));
    objects.blocks.push_back(std::move(device));
}

// Every object udisks2 manages, or nothing when it does not answer in time.
std::optional<Objects> managedObjects(int timeoutMs) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return std::nullopt;
    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kRoot, "org.freedesktop.DBus.ObjectManager", "GetManagedObjects");
    QDBusMessage reply = bus.call(call, QDBus::Block, timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1 ||
        reply.signature() != "a{oa{sa{sv}}}")
        return std::nullopt;

    Objects objects;
    const QDBusArgument arg = reply.arguments().constFirst().value<QDBusArgument>();
    arg.beginMap();
    while (!arg.atEnd()) {
        QDBusObjectPath path;
        QMap<QString, QVariantMap> interfaces;
        arg.beginMapEntry();
        arg >> path >> interfaces;
        arg.endMapEntry();
        addObject(objects, path.path(), interfaces);
    }
    arg.endMap();
    return objects;
}

const BlockDevice* blockNamed(const Objects& objects, const std::string& device) {
    const QByteArray name = QByteArray::fromStdString(device);
    for (const BlockDevice& block : objects.blocks) {
        if (block.names.contains(name)) return &block;
    }
    return nullptr;
}

}  // namespace

bool UDisks2Service::available() {
    return managedObjects(queryTimeoutMs_).has_value();
}

std::vector<std::string> UDisks2Service::opticalDrives() {
    std::vector<std::string> devices;
    auto objects = managedObjects(queryTimeoutMs_);
    if (!objects) return devices;
    QStringList seen;
    for (const BlockDevice& block : objects->blocks) {
        // A drive's whole-disc device stands for it; its partitions do not.
        if (block.partition || seen.contains(block.drive)) continue;
        const QStringList media = objects->mediaOfDrive.value(block.drive);
        bool optical = std::any_of(media.begin(), media.end(),
                                   [](const QString& m) { return m.startsWith("optical"); });
        if (!optical) continue;
        seen << block.drive;
        devices.push_back(block.device.toStdString());
    }
    return devices;
}

std::optional<std::vector<std::string>> UDisks2Service::mountPoints(const std::string& device) {
    auto objects = managedObjects(queryTimeoutMs_);
    if (!objects) return std::nullopt;
    const BlockDevice* block = blockNamed(*objects, device);
    if (!block) return std::nullopt;
    std::vector<std::string> points;
    for (const QByteArray& point : block->mountPoints) points.push_back(point.toStdString());
    return points;
}

std::optional<std::string> UDisks2Service::mount(const std::string& device) {
    auto objects = managedObjects(queryTimeoutMs_);
    if (!objects) return std::nullopt;
    const BlockDevice* block = blockNamed(*objects, device);
    if (!block || !block->hasFilesystem) return std::nullopt;
    if (!block->mountPoints.isEmpty()) return block->mountPoints.last().toStdString();

    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, block->objectPath, kFilesystem, "Mount");
    call << QVariantMap();
    QDBusMessage reply = QDBusConnection::systemBus().call(call, QDBus::Block, mountTimeoutMs_);
    if (reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 1)
        return QFile::encodeName(reply.arguments().constFirst().toString()).toStdString();

    // Mounted meanwhile by someone else (the desktop's automounter, say): that place will do.
    auto points = mountPoints(device);
    if (points && !points->empty()) return points->back();
    return std::nullopt;
}

std::optional<mp3::DiscIdentity> UDisks2Service::identity(const std::string& device) {
    auto objects = managedObjects(queryTimeoutMs_);
    if (!objects) return std::nullopt;
    const BlockDevice* block = blockNamed(*objects, device);
    if (!block) return std::nullopt;
    return mp3::DiscIdentity{block->idLabel.toStdString(), block->idUuid.toStdString()};
}

}  // namespace tk
