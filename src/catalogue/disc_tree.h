// The listing of a disc's folder tree, read with plain POSIX calls.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace mp3 {

enum class DiscEntryKind {
    Folder,
    File,            // a regular file, or a link to one
    Unreadable,      // a folder that could not be opened or read; `error` says why
    UnreadableFile,  // a name that could not be examined, or a file that cannot be read
};

struct DiscEntry {
    // From the tree's root, "/" between names: the bytes the file system gave, undecoded.
    std::string path;
    DiscEntryKind kind = DiscEntryKind::File;
    // The errno of an Unreadable folder or file; ELOOP for a folder that contains itself.
    int error = 0;
};

struct DiscListing {
    // Depth first: a folder, its files in byte order of their names, then each of its folders
    // in that order. The root itself is not listed.
    std::vector<DiscEntry> entries;
    // Stopped by the progress callback: the entries are only those seen until then.
    bool cancelled = false;
};

// Told the number of entries seen so far, after each folder has been read; false stops the walk.
using DiscProgress = std::function<bool(std::size_t entriesSeen)>;

// Lists every folder and regular file under `root`. Links to folders are not followed, so a loop
// on a disc cannot hang the walk; other kinds of file, and links that lead nowhere, are left out.
// A folder that cannot be read is listed as Unreadable, and a name that cannot be examined or a
// file this user cannot read as UnreadableFile (in its folder's order of files); the walk goes on.
// A root that cannot be opened or read raises EInOutError. Keeps no state between calls: safe on
// any thread.
DiscListing listDiscTree(const std::string& root, const DiscProgress& progress = {});

}  // namespace mp3
