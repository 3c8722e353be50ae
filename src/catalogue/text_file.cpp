// The text-file handle: states, error codes, Ctrl-Z, line ends and the 128-byte write buffer.
#include "text_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <thread>

#include "runtime_error.h"

namespace mp3 {
namespace {

constexpr std::size_t kReadChunk = 16 * 1024;
// A second running copy that is saving holds the lock for milliseconds; wait that long.
constexpr auto kLockPatience = std::chrono::seconds(3);

bool parentFolderMissing(const std::string& name) {
    auto slash = name.find_last_of('/');
    if (slash == std::string::npos) return false;
    std::string parent = slash == 0 ? "/" : name.substr(0, slash);
    struct stat st {};
    if (::stat(parent.c_str(), &st) != 0) return errno == ENOENT || errno == ENOTDIR;
    return !S_ISDIR(st.st_mode);
}

[[noreturn]] void raise(IoCode code) {
    throw EInOutError(code);
}

int codeOf(IoCode code) {
    return static_cast<int>(code);
}

// Codes below this, and 100 to 106, have a meaning (and some a message) of their own.
bool collides(int err) {
    return err <= codeOf(IoCode::kAccessDenied) ||
           (err >= codeOf(IoCode::kReadBeyondEnd) && err <= codeOf(IoCode::kInvalidNumericInput));
}

}  // namespace

IoCode ioCodeForErrno(int err, const std::string& name, bool writing) {
    switch (err) {
        case ENOENT:
            return parentFolderMissing(name) ? IoCode::kPathNotFound : IoCode::kFileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
            return IoCode::kPathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY:
            return IoCode::kAccessDenied;
        case EMFILE:
        case ENFILE:
            return IoCode::kTooManyOpenFiles;
        case ENOSPC:
        case EFBIG:
        case EDQUOT:
            return IoCode::kDiskFull;
        case EIO:
            return writing ? IoCode::kWriteFault : IoCode::kReadFault;
        case ENXIO:
        case ENODEV:
        case ENOMEDIUM:
            return IoCode::kDeviceNotReady;
        case EWOULDBLOCK:
            return IoCode::kSharingViolation;
        default:
            // Keep the number, but never one that has a meaning of its own.
            return static_cast<IoCode>(collides(err) ? codeOf(IoCode::kErrnoBase) + err : err);
    }
}

TextFile::~TextFile() {
    try {
        if (isOpen()) close();
    } catch (const EInOutError&) {
        // Nothing is left to tell at this point; the descriptor is released all the same.
    }
}

void TextFile::assign(std::string_view name) {
    closeIfOpen();
    name_ = std::string(name);
    state_ = State::Closed;
    writeFill_ = 0;
    readPos_ = readFill_ = 0;
}

void TextFile::requireBound() const {
    if (state_ == State::Unbound) raise(IoCode::kNotAssigned);
}

void TextFile::closeIfOpen() {
    if (isOpen()) close();
}

void TextFile::releaseFile() noexcept {
    if (fd_ >= 0) ::close(fd_);  // also drops the lock
    fd_ = -1;
    state_ = State::Closed;
    writeFill_ = 0;
    readPos_ = readFill_ = 0;
    physicalEnd_ = false;
}

void TextFile::failOpen(int err, bool writing) {
    releaseFile();
    raise(ioCodeForErrno(err, name_, writing));
}

void TextFile::openFile(int flags, bool forWriting) {
    requireBound();
    closeIfOpen();
    endedWithLineEnd_ = true;
    // Without blocking, so a FIFO named as the file cannot hold the program before it is refused.
    int fd = ::open(name_.c_str(), flags | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) {
        const int err = errno;
        struct stat st {};
        // A FIFO nobody reads refuses a writer with ENXIO: it is no file all the same.
        if (err == ENXIO && ::stat(name_.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
            raise(IoCode::kAccessDenied);
        }
        raise(ioCodeForErrno(err, name_, forWriting));
    }
    fd_ = fd;
    struct stat st {};
    if (::fstat(fd_, &st) != 0) failOpen(errno, forWriting);
    // A folder, a FIFO or a device is no list: reading /dev/zero would never end.
    if (!S_ISREG(st.st_mode)) failOpen(EISDIR, forWriting);
    const int status = ::fcntl(fd_, F_GETFL);
    if (status < 0 || ::fcntl(fd_, F_SETFL, status & ~O_NONBLOCK) != 0) failOpen(errno, forWriting);
    if (forWriting) {
        lockForWriting();
        // Another writer may have appended while we waited for the lock.
        if (::fstat(fd_, &st) != 0) failOpen(errno, true);
    }
    sizeAtOpen_ = static_cast<std::uint64_t>(st.st_size);
    state_ = forWriting ? State::Writing : State::Reading;
}

void TextFile::lockForWriting() {
    // Others may read while we write, but two writers never interleave their appends.
    auto deadline = std::chrono::steady_clock::now() + kLockPatience;
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        int err = errno;
        if (err == EINTR) continue;
        if (err != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
            failOpen(err, true);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void TextFile::reset() {
    openFile(O_RDONLY, false);
    if (readBuffer_.size() != kReadChunk) readBuffer_.resize(kReadChunk);
}

void TextFile::rewrite() {
    // Truncate only once the lock is held, so a running writer is never cut short.
    openFile(O_WRONLY | O_CREAT, true);
    if (::ftruncate(fd_, 0) != 0) failOpen(errno, true);
    sizeAtOpen_ = 0;
}

void TextFile::append() {
    openFile(O_RDWR, true);
    off_t size = static_cast<off_t>(sizeAtOpen_);
    off_t tailStart = size > static_cast<off_t>(kBufferSize) ? size - kBufferSize : 0;
    std::array<char, kBufferSize> tail{};
    ssize_t got = ::pread(fd_, tail.data(), static_cast<std::size_t>(size - tailStart), tailStart);
    if (got < 0) failOpen(errno, true);
    if (auto* z =
            static_cast<char*>(std::memchr(tail.data(), kCtrlZ, static_cast<std::size_t>(got)))) {
        size = tailStart + (z - tail.data());
        if (::ftruncate(fd_, size) != 0) failOpen(errno, true);
    }
    // The cut may leave the end before the bytes just read, so the last two are read again.
    // A lone LF is text: only a CR ends the last line.
    std::array<char, 2> end{};
    const off_t endStart = size >= 2 ? size - 2 : 0;
    const ssize_t endGot =
        ::pread(fd_, end.data(), static_cast<std::size_t>(size - endStart), endStart);
    if (endGot < 0) failOpen(errno, true);
    const std::string_view last(end.data(), static_cast<std::size_t>(endGot));
    endedWithLineEnd_ = last.empty() || last.back() == '\r' || last == "\r\n";
    if (::lseek(fd_, size, SEEK_SET) < 0) failOpen(errno, true);
    sizeAtOpen_ = static_cast<std::uint64_t>(size);
}

bool TextFile::fill() {
    if (physicalEnd_) return false;
    for (;;) {
        ssize_t got = ::read(fd_, readBuffer_.data(), readBuffer_.size());
        if (got < 0) {
            if (errno == EINTR) continue;
            raise(ioCodeForErrno(errno, name_, false));
        }
        readPos_ = 0;
        readFill_ = static_cast<std::size_t>(got);
        if (got == 0) physicalEnd_ = true;
        return got > 0;
    }
}

// The next byte (0..255), or -1 at the physical end of the file.
int TextFile::peek() {
    if (readPos_ == readFill_ && !fill()) return -1;
    return static_cast<unsigned char>(readBuffer_[readPos_]);
}

char TextFile::readChar() {
    if (state_ != State::Reading) raise(IoCode::kNotOpenForInput);
    int c = peek();
    if (c < 0 || c == kCtrlZ) return kCtrlZ;
    ++readPos_;
    return static_cast<char>(c);
}

bool TextFile::eof() {
    if (state_ != State::Reading) raise(IoCode::kNotOpenForInput);
    int c = peek();
    return c < 0 || c == kCtrlZ;
}

std::size_t TextFile::readBlock(char* into, std::size_t room) {
    if (state_ != State::Reading) raise(IoCode::kNotOpenForInput);
    std::size_t got = 0;
    const bool buffered = readPos_ < readFill_;
    if (buffered) {
        got = std::min(room, readFill_ - readPos_);
        std::memcpy(into, readBuffer_.data() + readPos_, got);
        readPos_ += got;
    } else if (room > 0 && !physicalEnd_) {
        ssize_t put;
        while ((put = ::read(fd_, into, room)) < 0) {
            if (errno != EINTR) raise(ioCodeForErrno(errno, name_, false));
        }
        got = static_cast<std::size_t>(put);
        physicalEnd_ = got == 0;
    }
    auto* z = static_cast<const char*>(std::memchr(into, kCtrlZ, got));
    if (z == nullptr) return got;
    // Nothing past a byte 26 is ever read: the handle stays on it, as readChar does.
    const std::size_t kept = static_cast<std::size_t>(z - into);
    if (buffered) {
        readPos_ -= got - kept;
    } else {
        readBuffer_[0] = kCtrlZ;
        readPos_ = 0;
        readFill_ = 1;
    }
    return kept;
}

std::string TextFile::readLine() {
    std::string line;
    readLine(line);
    return line;
}

void TextFile::readLine(std::string& line) {
    if (state_ != State::Reading) raise(IoCode::kNotOpenForInput);
    line.clear();
    for (;;) {
        if (readPos_ == readFill_ && !fill()) return;
        const char* start = readBuffer_.data() + readPos_;
        std::size_t avail = readFill_ - readPos_;
        auto* cr = static_cast<const char*>(std::memchr(start, '\r', avail));
        std::size_t span = cr ? static_cast<std::size_t>(cr - start) : avail;
        if (auto* z = static_cast<const char*>(std::memchr(start, kCtrlZ, span))) {
            line.append(start, static_cast<std::size_t>(z - start));
            readPos_ += static_cast<std::size_t>(z - start);
            return;  // byte 26 is the end: stay on it
        }
        line.append(start, span);
        readPos_ += span;
        if (cr) {
            ++readPos_;
            if (peek() == '\n') ++readPos_;
            return;
        }
    }
}

void TextFile::writeOut(const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t put = ::write(fd_, data, size);
        if (put < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            writeFill_ = 0;
            raise(ioCodeForErrno(err, name_, true));
        }
        if (put == 0) {
            writeFill_ = 0;
            raise(IoCode::kDiskFull);
        }
        data += put;
        size -= static_cast<std::size_t>(put);
    }
}

void TextFile::write(std::string_view text) {
    if (state_ != State::Writing) raise(IoCode::kNotOpenForOutput);
    while (!text.empty()) {
        std::size_t take = std::min(text.size(), kBufferSize - writeFill_);
        std::memcpy(writeBuffer_.data() + writeFill_, text.data(), take);
        writeFill_ += take;
        text.remove_prefix(take);
        if (writeFill_ == kBufferSize) {
            writeOut(writeBuffer_.data(), kBufferSize);
            writeFill_ = 0;
        }
    }
}

void TextFile::writeLine(std::string_view text) {
    // A line end on a handle that is not open ends with the flush's code, 103.
    if (state_ != State::Writing)
        raise(state_ == State::Reading ? IoCode::kNotOpenForOutput : IoCode::kNotOpen);
    write(text);
    write("\r\n");
    flush();
}

void TextFile::flush() {
    // A file on disk keeps its buffer: only a full buffer or a close writes it out.
    if (!isOpen()) raise(IoCode::kNotOpen);
}

void TextFile::writeOutBuffer() {
    if (state_ != State::Writing) raise(isOpen() ? IoCode::kNotOpenForOutput : IoCode::kNotOpen);
    if (writeFill_ == 0) return;
    writeOut(writeBuffer_.data(), writeFill_);
    writeFill_ = 0;
}

void TextFile::close() {
    if (!isOpen()) raise(IoCode::kNotOpen);
    // The descriptor is released whatever happens; the first failure is the one reported.
    std::optional<EInOutError> failure;
    if (state_ == State::Writing && writeFill_ > 0) {
        try {
            writeOut(writeBuffer_.data(), writeFill_);
        } catch (const EInOutError& e) {
            failure = e;
        }
    }
    const int fd = fd_;
    fd_ = -1;
    const bool writing = state_ == State::Writing;
    releaseFile();
    if (::close(fd) != 0 && !failure && errno != EINTR) {
        failure = EInOutError(ioCodeForErrno(errno, name_, writing));
    }
    if (failure) throw *failure;
}

void TextFile::discardFrom(std::uint64_t size) noexcept {
    if (state_ == State::Writing && fd_ >= 0) {
        writeFill_ = 0;
        // A cut that fails too leaves nothing more to try; the caller reports the first failure.
        [[maybe_unused]] const int cut = ::ftruncate(fd_, static_cast<off_t>(size));
        releaseFile();
    } else if (state_ == State::Closed && !name_.empty()) {
        [[maybe_unused]] const int cut = ::truncate(name_.c_str(), static_cast<off_t>(size));
    }
}

}  // namespace mp3
