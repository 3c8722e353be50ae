// The text-file handle through which every file is read and written.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime_error.h"

namespace mp3 {

// A program object bound to a file name, with a 128-byte write buffer deciding what reaches
// the file when. Every failing operation raises EInOutError with the code of the failure.
// Bytes are not translated; CR LF or a lone CR ends a line, and byte 26 ends the file.
class TextFile {
  public:
    enum class State { Unbound, Closed, Reading, Writing };

    static constexpr std::size_t kBufferSize = 128;
    static constexpr char kCtrlZ = 26;

    TextFile() = default;
    explicit TextFile(std::string_view name) { assign(name); }
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    // Writes out what the buffer holds, so nothing saved is lost when the owner goes away.
    ~TextFile();

    // Bind: closes an open file first, then takes the whole name; one the system refuses as too
    // long fails at the open, as any other name it cannot open.
    void assign(std::string_view name);
    // Open for reading at the start of an existing file.
    void reset();
    // Create, or truncate an existing file to zero bytes, and open it for writing.
    void rewrite();
    // Open an existing file for writing at its end, first cutting it at a byte 26 that lies
    // within its last 128 bytes.
    void append();

    // The next byte; 26 at the end or at a byte 26, without moving on.
    char readChar();
    // The characters up to the next CR (or the end); then past that CR and one LF after it.
    std::string readLine();
    void readLine(std::string& line);
    bool eof();
    // Moves up to `room` of the next bytes into `into`, stopping before a byte 26, with one read
    // of the file at most; returns how many, 0 only at the end (or at a byte 26). The handle
    // then stands where reading them character by character would have left it.
    std::size_t readBlock(char* into, std::size_t room);

    void write(std::string_view text);
    void write(char ch) { write(std::string_view(&ch, 1)); }
    // Writes the text, then CR LF, then flushes.
    void writeLine(std::string_view text = {});
    void flush();
    // Writes out what the buffer holds while the file stays open (and locked), so a failure
    // can still be undone with discardFrom before anyone else writes.
    void writeOutBuffer();
    void close();
    // Undoes a failed write: cuts the file back to `size` bytes, drops the buffer and closes.
    // Never raises; the failure being undone is what gets reported.
    void discardFrom(std::uint64_t size) noexcept;

    State state() const noexcept { return state_; }
    const std::string& name() const noexcept { return name_; }
    bool isOpen() const noexcept { return state_ == State::Reading || state_ == State::Writing; }
    // Bytes written but still waiting in the buffer.
    std::size_t pending() const noexcept { return writeFill_; }
    // Length of the file when it was opened: for writing, after any Ctrl-Z cut.
    std::uint64_t sizeAtOpen() const noexcept { return sizeAtOpen_; }
    // Whether the file opened for appending was empty or ended its last line (CR, or CR LF).
    bool endedWithLineEnd() const noexcept { return endedWithLineEnd_; }

  private:
    void requireBound() const;
    void closeIfOpen();
    // Opens with the given flags; on failure the handle stays bound and closed. Only a regular
    // file opens: a folder, a FIFO or a device is refused at once, without blocking.
    void openFile(int flags, bool forWriting);
    void lockForWriting();
    // The failure tail of opening: the descriptor released, the error raised.
    [[noreturn]] void failOpen(int err, bool writing);
    void releaseFile() noexcept;
    void writeOut(const char* data, std::size_t size);
    int peek();
    bool fill();

    std::string name_;
    State state_ = State::Unbound;
    int fd_ = -1;
    std::uint64_t sizeAtOpen_ = 0;
    bool endedWithLineEnd_ = true;

    std::vector<char> readBuffer_;
    std::size_t readPos_ = 0;
    std::size_t readFill_ = 0;
    bool physicalEnd_ = false;

    std::array<char, kBufferSize> writeBuffer_{};
    std::size_t writeFill_ = 0;
};

// The input/output code for an operating-system error number met on `name`.
IoCode ioCodeForErrno(int err, const std::string& name, bool writing);

}  // namespace mp3
