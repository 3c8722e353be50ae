#!/usr/bin/python3
"""A stand-in for the udisks2 disk service, for tests: it answers as udisks2 does for drives,
their block devices and filesystems, and mounts ISO images with fuseiso when asked.

Usage:
    /usr/bin/python3 udisks2_standin.py --config FILE [--address BUS_ADDRESS]

It claims org.freedesktop.UDisks2 on the bus at BUS_ADDRESS (by default the system bus, which
honours DBUS_SYSTEM_BUS_ADDRESS), prints "ready" on a line of its own once the name is held, and
runs until SIGTERM or SIGINT, when it unmounts whatever it mounted and exits. Exit status 2 means a
bad command line or description, 3 that the name is taken.

It answers:
  /org/freedesktop/UDisks2                   org.freedesktop.DBus.ObjectManager.GetManagedObjects
  /org/freedesktop/UDisks2/Manager           org.freedesktop.UDisks2.Manager (Version)
  /org/freedesktop/UDisks2/drives/ID         org.freedesktop.UDisks2.Drive
  /org/freedesktop/UDisks2/block_devices/N   org.freedesktop.UDisks2.Block, and when a filesystem
                                             is there org.freedesktop.UDisks2.Filesystem with
                                             Mount(a{sv}) -> s and Unmount(a{sv})
and org.freedesktop.DBus.Properties Get and GetAll on each object. Device paths, symlinks and
mount points are byte arrays ending in NUL, as udisks2 sends them; IdLabel and IdUUID are the
disc's. For tests, org.mp3search.Test.ChangeMedium(s iso) on a block object swaps its disc ("":
none) as a user would: what was mounted there is unmounted first.

The description (JSON; every key but "drives" optional):
{
  "record": "/tmp/calls.jsonl",      each Mount and Unmount call is appended there as a line
                                     {"method": "Mount", "object": PATH, "options": {...}}
  "drives": [
    {
      "id": "DVD_RW_1",              the drive object's name under .../drives/
      "model": "DVD-RW",
      "media_compatibility": ["optical_cd", "optical_dvd"],   [] for a drive that is no CD drive
      "devices": [
        {
          "name": "sr0",             the block object's name under .../block_devices/
          "device": "/dev/sr0",      default /dev/NAME
          "symlinks": ["/dev/cdrom"],
          "partition": false,        true adds org.freedesktop.UDisks2.Partition
          "filesystem": true,        false: no disc (or no filesystem on it), Mount is unknown
          "mount_points": [],        where it is mounted now
          "iso": "/tmp/disc.iso",    mounted with fuseiso at "mount_at" when Mount is called
          "mount_at": "/tmp/disc",   what Mount mounts at (created if missing) and returns
          "mount_error": null,       a text: Mount fails with org.freedesktop.UDisks2.Error.Failed
          "id_label": "ROCK",        IdLabel and IdUUID; by default what blkid reads from "iso"
          "id_uuid": "2003-05-01-12-00-00-00",
          "mount_delay": 0           seconds Mount takes to answer, the service answering others
                                     meanwhile (a disc spinning up)
        }
      ]
    }
  ]
}
A Mount without "mount_at" fails; one without "iso" only reports "mount_at" as mounted.
"""

import argparse
import json
import os
import signal
import subprocess
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

BUS_NAME = "org.freedesktop.UDisks2"
ROOT = "/org/freedesktop/UDisks2"
OBJECT_MANAGER = "org.freedesktop.DBus.ObjectManager"
PROPERTIES = "org.freedesktop.DBus.Properties"
MANAGER = "org.freedesktop.UDisks2.Manager"
DRIVE = "org.freedesktop.UDisks2.Drive"
BLOCK = "org.freedesktop.UDisks2.Block"
PARTITION = "org.freedesktop.UDisks2.Partition"
FILESYSTEM = "org.freedesktop.UDisks2.Filesystem"
TEST = "org.mp3search.Test"


class UDisksError(dbus.DBusException):
    def __init__(self, name, message):
        super().__init__(message, name="org.freedesktop.UDisks2.Error." + name)


def object_name(text):
    return "".join(c if c.isalnum() else "_" for c in text)


def bytes_nul(text):
    return dbus.ByteArray(os.fsencode(text) + b"\0")


def byte_arrays(texts):
    return dbus.Array([bytes_nul(t) for t in texts], signature="ay")


def iso_identity(path):
    """The label and UUID blkid gives an ISO 9660 image: from its primary volume descriptor, the
    volume identifier and the creation time ("YYYY-MM-DD-HH-MM-SS-cc"; none when all zeros).
    An image that cannot be read has neither: Mount is where that fails, as before."""
    try:
        with open(path, "rb") as image:
            image.seek(0x8000)
            pvd = image.read(2048)
    except OSError:
        return "", ""
    if pvd[0:6] != b"\x01CD001":
        return "", ""
    date = pvd[813:829].decode("latin-1")
    uuid = "-".join([date[0:4]] + [date[i:i + 2] for i in range(4, 16, 2)])
    return (pvd[40:72].decode("latin-1").rstrip(" "),
            uuid if date.isdigit() and date != "0" * 16 else "")


def identity_properties(label, uuid, disc):
    return {"IdLabel": dbus.String(label), "IdUUID": dbus.String(uuid),
            "IdType": dbus.String("iso9660" if disc else "")}


def plain(value):
    """A D-Bus value as JSON can hold it."""
    if isinstance(value, dbus.Boolean):
        return bool(value)
    if isinstance(value, (dbus.Dictionary, dict)):
        return {str(k): plain(v) for k, v in value.items()}
    if isinstance(value, (dbus.Array, list)):
        return [plain(v) for v in value]
    if isinstance(value, (int, float)):
        return value
    return str(value)


class Node(dbus.service.Object):
    """One object with its interfaces' properties."""

    def __init__(self, service, path, interfaces):
        super().__init__(service.bus, path)
        self.service = service
        self.path = path
        self.interfaces = interfaces

    @dbus.service.method(PROPERTIES, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        props = self.interfaces.get(interface)
        if props is None or name not in props:
            raise dbus.DBusException("No such property " + name,
                                     name="org.freedesktop.DBus.Error.InvalidArgs")
        return props[name]

    @dbus.service.method(PROPERTIES, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return dbus.Dictionary(self.interfaces.get(interface, {}), signature="sv")

    @dbus.service.signal(PROPERTIES, signature="sa{sv}as")
    def PropertiesChanged(self, interface, changed, invalidated):
        pass


class BlockNode(Node):
    def __init__(self, service, path, interfaces, description):
        super().__init__(service, path, interfaces)
        self.description = description
        self.fuse_mount = None

    def _filesystem(self):
        props = self.interfaces.get(FILESYSTEM)
        if props is None:
            raise dbus.DBusException("No such interface " + FILESYSTEM,
                                     name="org.freedesktop.DBus.Error.UnknownMethod")
        return props

    def _set_mount_points(self, points):
        self.interfaces[FILESYSTEM]["MountPoints"] = byte_arrays(points)
        self.PropertiesChanged(FILESYSTEM,
                               dbus.Dictionary({"MountPoints": byte_arrays(points)},
                                               signature="sv"),
                               dbus.Array([], signature="s"))

    @dbus.service.method(FILESYSTEM, in_signature="a{sv}", out_signature="s",
                         async_callbacks=("reply", "error"))
    def Mount(self, options, reply, error):
        self._filesystem()
        self.service.record("Mount", self.path, options)
        delay = self.description.get("mount_delay", 0)
        if not delay:
            self._answer_mount(reply, error)
            return
        # A disc spinning up: the answer comes late, and the service answers others meanwhile.
        GLib.timeout_add(int(delay * 1000), lambda: self._answer_mount(reply, error) and False)

    def _answer_mount(self, reply, error):
        try:
            reply(self._mount())
        except dbus.DBusException as e:
            error(e)

    def _mount(self):
        props = self._filesystem()
        current = [bytes(p).rstrip(b"\0") for p in props["MountPoints"]]
        if current:
            raise UDisksError("AlreadyMounted", "Device %s is already mounted at `%s'."
                              % (self.description["device"], os.fsdecode(current[0])))
        if self.description.get("mount_error"):
            raise UDisksError("Failed", self.description["mount_error"])
        target = self.description.get("mount_at")
        if not target:
            raise UDisksError("Failed", "No mount point described for this device")
        os.makedirs(target, exist_ok=True)
        iso = self.description.get("iso")
        if iso:
            done = subprocess.run(["fuseiso", iso, target], capture_output=True, text=True)
            if done.returncode != 0:
                raise UDisksError("Failed", "fuseiso: " + done.stderr.strip())
            self.fuse_mount = target
        self._set_mount_points([target])
        return target

    @dbus.service.method(FILESYSTEM, in_signature="a{sv}", out_signature="")
    def Unmount(self, options):
        props = self._filesystem()
        self.service.record("Unmount", self.path, options)
        if not props["MountPoints"]:
            raise UDisksError("NotMounted", "Device is not mounted")
        self.unmount_fuse()
        self._set_mount_points([])

    @dbus.service.method(TEST, in_signature="s", out_signature="")
    def ChangeMedium(self, iso):
        self.unmount_fuse()
        if FILESYSTEM in self.interfaces:
            self._set_mount_points([])
        self.description["iso"] = iso
        changed = identity_properties(*(iso_identity(iso) if iso else ("", "")), bool(iso))
        self.interfaces[BLOCK].update(changed)
        self.PropertiesChanged(BLOCK, dbus.Dictionary(changed, signature="sv"),
                               dbus.Array([], signature="s"))
        # An empty drive has no filesystem, as udisks2 shows it.
        if iso:
            self.interfaces.setdefault(FILESYSTEM, {"MountPoints": byte_arrays([])})
        else:
            self.interfaces.pop(FILESYSTEM, None)

    def unmount_fuse(self):
        if self.fuse_mount:
            subprocess.run(["fusermount", "-u", self.fuse_mount], capture_output=True)
            self.fuse_mount = None


class Root(dbus.service.Object):
    def __init__(self, service):
        super().__init__(service.bus, ROOT)
        self.service = service

    @dbus.service.method(OBJECT_MANAGER, in_signature="", out_signature="a{oa{sa{sv}}}")
    def GetManagedObjects(self):
        return dbus.Dictionary(
            {dbus.ObjectPath(node.path): dbus.Dictionary(
                {name: dbus.Dictionary(props, signature="sv")
                 for name, props in node.interfaces.items()}, signature="sa{sv}")
             for node in self.service.nodes},
            signature="oa{sa{sv}}")


class Service:
    def __init__(self, bus, description):
        self.bus = bus
        self.record_file = description.get("record")
        self.nodes = [Node(self, ROOT + "/Manager",
                           {MANAGER: {"Version": dbus.String("2.9.4")}})]
        self.blocks = []
        self.root = Root(self)
        for drive in description.get("drives", []):
            self.add_drive(drive)

    def add_drive(self, drive):
        drive_path = ROOT + "/drives/" + object_name(drive["id"])
        self.nodes.append(Node(self, drive_path, {DRIVE: {
            "Id": dbus.String(drive["id"]),
            "Model": dbus.String(drive.get("model", "")),
            "MediaCompatibility": dbus.Array(drive.get("media_compatibility", []), signature="s"),
            "MediaRemovable": dbus.Boolean(True),
            "Removable": dbus.Boolean(True),
        }}))
        for device in drive.get("devices", []):
            device = dict(device)
            device.setdefault("device", "/dev/" + device["name"])
            disc = device.get("filesystem", True)
            label, uuid = iso_identity(device["iso"]) if disc and device.get("iso") else ("", "")
            interfaces = {BLOCK: {
                "Device": bytes_nul(device["device"]),
                "PreferredDevice": bytes_nul(device["device"]),
                "Symlinks": byte_arrays(device.get("symlinks", [])),
                "Drive": dbus.ObjectPath(drive_path),
                "ReadOnly": dbus.Boolean(True),
                **identity_properties(device.get("id_label", label), device.get("id_uuid", uuid),
                                      disc),
            }}
            if device.get("partition"):
                interfaces[PARTITION] = {"Number": dbus.UInt32(1)}
            if disc:
                interfaces[FILESYSTEM] = {"MountPoints": byte_arrays(device.get("mount_points", []))}
            block = BlockNode(self, ROOT + "/block_devices/" + object_name(device["name"]),
                              interfaces, device)
            self.nodes.append(block)
            self.blocks.append(block)

    def record(self, method, path, options):
        if not self.record_file:
            return
        with open(self.record_file, "a", encoding="utf-8") as out:
            out.write(json.dumps({"method": method, "object": path, "options": plain(options)})
                      + "\n")

    def unmount_all(self):
        for block in self.blocks:
            block.unmount_fuse()


def main():
    parser = argparse.ArgumentParser(description="A stand-in udisks2 service for tests.")
    parser.add_argument("--config", required=True, help="the JSON description")
    parser.add_argument("--address", help="the bus to claim the name on (default: system bus)")
    args = parser.parse_args()
    try:
        with open(args.config, encoding="utf-8") as f:
            description = json.load(f)
    except (OSError, ValueError) as e:
        print("udisks2_standin: " + str(e), file=sys.stderr)
        return 2

    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    if args.address:
        bus = dbus.bus.BusConnection(args.address)
    else:
        bus = dbus.SystemBus()
    service = Service(bus, description)
    if bus.request_name(BUS_NAME, dbus.bus.NAME_FLAG_DO_NOT_QUEUE) != \
            dbus.bus.REQUEST_NAME_REPLY_PRIMARY_OWNER:
        print("udisks2_standin: " + BUS_NAME + " is taken", file=sys.stderr)
        return 3

    loop = GLib.MainLoop()
    for sig in (signal.SIGTERM, signal.SIGINT):
        GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, sig, loop.quit)
    print("ready", flush=True)
    try:
        loop.run()
    finally:
        service.unmount_all()
    return 0


if __name__ == "__main__":
    sys.exit(main())
