#!/usr/bin/env python3
"""A read-only folder whose one file fails to read past a given byte, as a scratched disc does.

Usage: faulty_folder.py MOUNTPOINT SOURCE_FOLDER NAME FAIL_AT

Serves the files of SOURCE_FOLDER (read once, at the start) at MOUNTPOINT. Reads of NAME give
its bytes up to FAIL_AT; a read that starts at FAIL_AT or later fails with EIO. Runs in the
foreground until unmounted (fusermount -u MOUNTPOINT). Reads bypass the page cache, so each
read() a program makes is one read here.
"""
import errno
import os
import stat
import sys

from fusepy import FUSE, FuseOSError, Operations


class FaultyFolder(Operations):
    def __init__(self, files, name, fail_at):
        self.files = files
        self.failing = "/" + name
        self.fail_at = fail_at

    def content(self, path):
        if path[1:] not in self.files:
            raise FuseOSError(errno.ENOENT)
        return self.files[path[1:]]

    def getattr(self, path, fh=None):
        if path == "/":
            return {"st_mode": stat.S_IFDIR | 0o555, "st_nlink": 2}
        return {"st_mode": stat.S_IFREG | 0o444, "st_nlink": 1,
                "st_size": len(self.content(path))}

    def readdir(self, path, fh):
        return [".", ".."] + sorted(self.files)

    def open(self, path, flags):
        self.content(path)
        if flags & (os.O_WRONLY | os.O_RDWR):
            raise FuseOSError(errno.EROFS)
        return 0

    def read(self, path, size, offset, fh):
        data = self.content(path)
        if path == self.failing and offset + size > self.fail_at:
            if offset >= self.fail_at:
                raise FuseOSError(errno.EIO)
            size = self.fail_at - offset
        return data[offset:offset + size]


if __name__ == "__main__":
    mount, source, name, fail_at = sys.argv[1:5]
    files = {}
    for leaf in os.listdir(source):
        with open(os.path.join(source, leaf), "rb") as f:
            files[leaf] = f.read()
    FUSE(FaultyFolder(files, name, int(fail_at)), mount, foreground=True, direct_io=True,
         nothreads=True)
