// Walking a folder tree with openat and readdir, each folder opened from its parent.
#include "disc_tree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "runtime_error.h"
#include "text_file.h"

namespace mp3 {
namespace {

// A folder being walked, kept open while a folder below it still waits: folders are opened
// relative to their parent, so no path grows past what the system allows.
class OpenFolder {
  public:
    OpenFolder(DIR* dir, const struct stat& st, std::shared_ptr<const OpenFolder> parent)
        : dir_(dir), device_(st.st_dev), inode_(st.st_ino), parent_(std::move(parent)) {}
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;
    ~OpenFolder() { ::closedir(dir_); }

    DIR* dir() const { return dir_; }
    int fd() const { return ::dirfd(dir_); }
    // Whether `st` is this folder or one it lies in: a bind mount or a broken file system can
    // make a folder contain itself, and the walk would never end.
    bool isOrLiesIn(const struct stat& st) const {
        for (const OpenFolder* f = this; f != nullptr; f = f->parent_.get()) {
            if (f->device_ == st.st_dev && f->inode_ == st.st_ino) return true;
        }
        return false;
    }

  private:
    DIR* dir_;
    dev_t device_;
    ino_t inode_;
    std::shared_ptr<const OpenFolder> parent_;
};

using FolderPtr = std::shared_ptr<const OpenFolder>;

struct Named {
    std::string name;
    int error = 0;  // a file that could not be examined or read
    bool operator<(const Named& other) const { return name < other.name; }
};

struct Names {
    std::vector<Named> files;
    std::vector<std::string> folders;
};

// What a name in a folder is, without following a link to a folder.
enum class Kind { Folder, File, Unreadable, Other };

struct Examined {
    Kind kind;
    int error = 0;
};

Examined examine(int folderFd, const char* name, unsigned char type) {
    struct stat st {};
    if (type == DT_UNKNOWN) {
        if (::fstatat(folderFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
            // Gone since the folder was read: nothing to list.
            return errno == ENOENT ? Examined{Kind::Other} : Examined{Kind::Unreadable, errno};
        }
        type = S_ISDIR(st.st_mode)   ? DT_DIR
               : S_ISREG(st.st_mode) ? DT_REG
               : S_ISLNK(st.st_mode) ? DT_LNK
                                     : DT_UNKNOWN;
    }
    if (type == DT_DIR) return {Kind::Folder};
    if (type == DT_LNK) {
        if (::fstatat(folderFd, name, &st, 0) != 0) {
            const int err = errno;
            // A link that leads nowhere names no file; one that cannot be followed hides one.
            const bool nowhere = err == ENOENT || err == ENOTDIR || err == ELOOP;
            return nowhere ? Examined{Kind::Other} : Examined{Kind::Unreadable, err};
        }
        if (!S_ISREG(st.st_mode)) return {Kind::Other};
    } else if (type != DT_REG) {
        return {Kind::Other};
    }
    // A file the player could not read would be listed as if it played.
    if (::faccessat(folderFd, name, R_OK, AT_EACCESS) != 0) return {Kind::Unreadable, errno};
    return {Kind::File};
}

// Every name in the folder, sorted; the errno of a failed read, or 0.
int readNames(const OpenFolder& folder, Names& names) {
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(folder.dir());
        if (entry == nullptr) {
            if (errno != 0) return errno;
            break;
        }
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
        const Examined found = examine(folder.fd(), name, entry->d_type);
        switch (found.kind) {
            case Kind::Folder:
                names.folders.emplace_back(name);
                break;
            case Kind::File:
            case Kind::Unreadable:
                names.files.push_back({name, found.error});
                break;
            case Kind::Other:
                break;
        }
    }
    std::sort(names.files.begin(), names.files.end());
    std::sort(names.folders.begin(), names.folders.end());
    return 0;
}

// Takes over `fd`; nothing, with the errno in `err`, when it is not a folder that can be read.
FolderPtr openFolder(int fd, FolderPtr parent, int& err) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        err = errno;
    } else if (parent && parent->isOrLiesIn(st)) {
        err = ELOOP;
    } else if (DIR* dir = ::fdopendir(fd)) {
        return std::make_shared<const OpenFolder>(dir, st, std::move(parent));
    } else {
        err = errno;
    }
    ::close(fd);
    return nullptr;
}

struct Waiting {
    FolderPtr parent;
    std::string name;  // within the parent
    std::string path;  // from the root
};

std::string joined(const std::string& folder, const std::string& name) {
    return folder.empty() ? name : folder + "/" + name;
}

class Walk {
  public:
    Walk(DiscListing& listing, const DiscProgress& progress)
        : listing_(listing), progress_(progress) {}

    // The folder's files into the listing, its folders onto the stack; false to stop.
    bool take(const FolderPtr& folder, const std::string& path, Names& names) {
        for (const Named& file : names.files) {
            listing_.entries.push_back(
                {joined(path, file.name),
                 file.error == 0 ? DiscEntryKind::File : DiscEntryKind::UnreadableFile,
                 file.error});
        }
        // Reversed, so they leave the stack in order.
        for (auto it = names.folders.rbegin(); it != names.folders.rend(); ++it) {
            waiting_.push_back({folder, *it, joined(path, *it)});
        }
        return report();
    }

    void run() {
        while (!waiting_.empty()) {
            Waiting next = std::move(waiting_.back());
            waiting_.pop_back();
            if (!visit(next)) return;
        }
    }

  private:
    bool visit(const Waiting& w) {
        const int fd = ::openat(w.parent->fd(), w.name.c_str(),
                                O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        int err = fd < 0 ? errno : 0;
        FolderPtr folder = fd < 0 ? nullptr : openFolder(fd, w.parent, err);
        Names names;
        if (folder) err = readNames(*folder, names);
        if (err != 0) {
            // Nothing of a folder read only in part: half an album would be worse than none.
            listing_.entries.push_back({w.path, DiscEntryKind::Unreadable, err});
            return report();
        }
        listing_.entries.push_back({w.path, DiscEntryKind::Folder, 0});
        return take(folder, w.path, names);
    }

    // Tells the progress; false once it asked to stop.
    bool report() {
        if (progress_ && !progress_(listing_.entries.size())) listing_.cancelled = true;
        return !listing_.cancelled;
    }

    DiscListing& listing_;
    const DiscProgress& progress_;
    std::vector<Waiting> waiting_;
};

}  // namespace

DiscListing listDiscTree(const std::string& root, const DiscProgress& progress) {
    const int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) throw EInOutError(ioCodeForErrno(errno, root, false));
    int err = 0;
    const FolderPtr folder = openFolder(fd, nullptr, err);
    Names names;
    if (folder) err = readNames(*folder, names);
    if (err != 0) throw EInOutError(ioCodeForErrno(err, root, false));
    DiscListing listing;
    Walk walk(listing, progress);
    if (walk.take(folder, "", names)) walk.run();
    return listing;
}

}  // namespace mp3
