// Fuzz target: random sequences of text-file handle operations, run on a real file and on an
// in-memory model of the file and the handle; both must agree after every step.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "catalogue/runtime_error.h"
#include "catalogue/text_file.h"
#include "fuzz_support.h"

namespace {

using namespace mp3;
using State = TextFile::State;
namespace fs = std::filesystem;

constexpr char kCtrlZ = TextFile::kCtrlZ;
constexpr std::size_t kBuffer = TextFile::kBufferSize;
// Keeps each run quick while letting files outgrow any read buffer.
constexpr std::size_t kMaxFileSize = 96 * 1024;

enum class Kind { Missing, File, Folder };

// The file and the handle as the handle's rules describe them, with no buffering but the
// 128-byte write buffer that decides what reaches the file when.
struct Model {
    Kind kind = Kind::Missing;
    std::string disk;
    State state = State::Unbound;
    bool boundToGoodName = true;  // otherwise a name in a folder that does not exist
    std::size_t pos = 0;
    std::string pending;
    std::uint64_t sizeAtOpen = 0;

    bool open() const { return state == State::Reading || state == State::Writing; }
    // Nothing after the first byte 26 is ever read.
    std::size_t readEnd() const { return std::min(disk.find(kCtrlZ), disk.size()); }

    void closeIfOpen() {
        if (state == State::Writing) disk += pending;
        pending.clear();
        if (open()) state = State::Closed;
    }
    // Common start of the three openings; a non-zero result is the code of the failure.
    int beginOpen() {
        if (state == State::Unbound) return 102;
        closeIfOpen();
        return boundToGoodName ? 0 : 3;
    }
    int reset() {
        if (int code = beginOpen()) return code;
        if (kind == Kind::Missing) return 2;
        if (kind == Kind::Folder) return 5;
        state = State::Reading;
        pos = 0;
        return 0;
    }
    int rewrite() {
        if (int code = beginOpen()) return code;
        if (kind == Kind::Folder) return 5;
        kind = Kind::File;
        disk.clear();
        state = State::Writing;
        sizeAtOpen = 0;
        return 0;
    }
    int append() {
        if (int code = beginOpen()) return code;
        if (kind == Kind::Missing) return 2;
        if (kind == Kind::Folder) return 5;
        std::size_t tailStart = disk.size() > kBuffer ? disk.size() - kBuffer : 0;
        std::size_t z = disk.find(kCtrlZ, tailStart);
        if (z != std::string::npos) disk.resize(z);
        state = State::Writing;
        sizeAtOpen = disk.size();
        return 0;
    }
    int readChar(char& c) {
        if (state != State::Reading) return 104;
        c = pos < readEnd() ? disk[pos++] : kCtrlZ;
        return 0;
    }
    int readLine(std::string& line) {
        if (state != State::Reading) return 104;
        std::size_t end = readEnd();
        std::size_t cr = disk.find('\r', pos);
        std::size_t stop = std::min(cr, end);
        line = disk.substr(pos, stop - pos);
        pos = stop;
        if (stop == cr) {
            ++pos;
            if (pos < end && disk[pos] == '\n') ++pos;
        }
        return 0;
    }
    int eof(bool& atEnd) const {
        if (state != State::Reading) return 104;
        atEnd = pos >= readEnd();
        return 0;
    }
    int write(std::string_view text) {
        if (state != State::Writing) return 105;
        pending += text;
        while (pending.size() >= kBuffer) {
            disk += pending.substr(0, kBuffer);
            pending.erase(0, kBuffer);
        }
        return 0;
    }
    int writeLine(std::string_view text) {
        if (state != State::Writing) return state == State::Reading ? 105 : 103;
        write(text);
        return write("\r\n");
    }
    int flush() const { return open() ? 0 : 103; }
    int close() {
        if (!open()) return 103;
        closeIfOpen();
        return 0;
    }
    void discardFrom(std::uint64_t size) {
        if (state == State::Writing) {
            pending.clear();
            disk.resize(size);  // ftruncate: a longer size pads with zero bytes
            state = State::Closed;
        } else if (state == State::Closed && boundToGoodName && kind == Kind::File) {
            disk.resize(size);
        }
    }
    void assign(bool good) {
        closeIfOpen();
        boundToGoodName = good;
        state = State::Closed;
    }
    void destroy() {
        closeIfOpen();
        state = State::Unbound;
        boundToGoodName = true;
    }
};

// The code an operation on the real handle raised, 0 for none.
template <typename Op>
int codeOf(Op op) {
    try {
        op();
    } catch (const EInOutError& e) {
        return e.code();
    }
    return 0;
}

class Run {
  public:
    Run()
        : good_(fuzz::scratchFolder().file("f.txt")),
          bad_(fuzz::scratchFolder().file("missing/f.txt")),
          handle_(std::make_unique<TextFile>()) {
        std::error_code ignored;
        fs::remove_all(good_, ignored);
    }

    void step(FuzzedDataProvider& in) {
        switch (in.ConsumeIntegralInRange(0, 19)) {
            case 0: {
                bool good = in.ConsumeIntegralInRange(0, 7) != 0;
                model_.assign(good);
                handle_->assign(good ? good_ : bad_);
                break;
            }
            case 1:
                agree(model_.reset(), [&] { handle_->reset(); });
                break;
            case 2:
                agree(model_.rewrite(), [&] { handle_->rewrite(); });
                break;
            case 3:
                agree(model_.append(), [&] { handle_->append(); });
                break;
            case 4: {
                char expected = 0, got = 0;
                agree(model_.readChar(expected), [&] { got = handle_->readChar(); });
                FUZZ_CHECK(expected == got);
                break;
            }
            case 5: {
                std::string expected, got = "left over";  // the read must replace it
                int code = model_.readLine(expected);
                agree(code, [&] { handle_->readLine(got); });
                if (code == 0) FUZZ_CHECK(expected == got);
                break;
            }
            case 6: {
                bool expected = false, got = false;
                agree(model_.eof(expected), [&] { got = handle_->eof(); });
                FUZZ_CHECK(expected == got);
                break;
            }
            case 7: {
                std::string text = in.ConsumeRandomLengthString(300);
                if (fits(text.size())) agree(model_.write(text), [&] { handle_->write(text); });
                break;
            }
            case 8: {
                // One statement each: the order in which bytes are taken must not vary.
                auto length = in.ConsumeIntegralInRange<std::size_t>(0, 20000);
                std::string run(length, in.ConsumeIntegral<char>());
                if (fits(run.size())) agree(model_.write(run), [&] { handle_->write(run); });
                break;
            }
            case 9: {
                char c = in.ConsumeIntegral<char>();
                agree(model_.write(std::string_view(&c, 1)), [&] { handle_->write(c); });
                break;
            }
            case 10: {
                std::string text = in.ConsumeRandomLengthString(300);
                if (fits(text.size() + 2)) {
                    agree(model_.writeLine(text), [&] { handle_->writeLine(text); });
                }
                break;
            }
            case 11:
                agree(model_.flush(), [&] { handle_->flush(); });
                break;
            case 12:
                agree(model_.close(), [&] { handle_->close(); });
                break;
            case 13:
                if (model_.state == State::Writing) {
                    FUZZ_CHECK(handle_->sizeAtOpen() == model_.sizeAtOpen);
                    model_.discardFrom(model_.sizeAtOpen);
                    handle_->discardFrom(model_.sizeAtOpen);
                }
                break;
            case 14: {
                auto size = in.ConsumeIntegralInRange<std::uint64_t>(0, 600);
                model_.discardFrom(size);
                handle_->discardFrom(size);
                break;
            }
            case 15: {
                // Another program writes the file: CR, LF, byte 26, anything.
                std::string bytes = in.ConsumeRandomLengthString(400);
                if (!model_.open()) setContent(bytes);
                break;
            }
            case 16: {
                // A long file, with the chosen bytes near where any read buffer would end.
                auto length = in.ConsumeIntegralInRange<std::size_t>(0, 40000);
                std::string bytes(length, in.ConsumeIntegral<char>());
                bytes += in.ConsumeRandomLengthString(200);
                if (!model_.open()) setContent(bytes);
                break;
            }
            case 17:
                if (!model_.open()) {
                    fs::remove_all(good_);
                    model_.kind = Kind::Missing;
                    model_.disk.clear();
                }
                break;
            case 18:
                if (!model_.open()) {
                    fs::remove_all(good_);
                    fs::create_directory(good_);
                    model_.kind = Kind::Folder;
                    model_.disk.clear();
                }
                break;
            case 19:
                model_.destroy();
                handle_ = std::make_unique<TextFile>();
                break;
        }
        compare(false);
    }

    // The whole file is read only when the model says it changed; otherwise its size is enough.
    void compare(bool whole) {
        FUZZ_CHECK(handle_->state() == model_.state);
        FUZZ_CHECK(handle_->pending() == model_.pending.size());
        if (model_.state == State::Writing) FUZZ_CHECK(handle_->sizeAtOpen() == model_.sizeAtOpen);

        std::error_code err;
        fs::file_status status = fs::symlink_status(good_, err);
        if (model_.kind == Kind::Missing) {
            FUZZ_CHECK(status.type() == fs::file_type::not_found);
        } else if (model_.kind == Kind::Folder) {
            FUZZ_CHECK(status.type() == fs::file_type::directory);
        } else {
            FUZZ_CHECK(status.type() == fs::file_type::regular);
            if (whole || model_.disk != lastCompared_) {
                FUZZ_CHECK(fuzz::readBytes(good_) == model_.disk);
                lastCompared_ = model_.disk;
            } else {
                FUZZ_CHECK(fs::file_size(good_) == model_.disk.size());
            }
        }
        FUZZ_CHECK(!fs::exists(fs::path(bad_).parent_path()));
    }

  private:
    template <typename Op>
    void agree(int expected, Op op) {
        FUZZ_CHECK(codeOf(op) == expected);
    }
    bool fits(std::size_t more) const {
        return model_.disk.size() + model_.pending.size() + more <= kMaxFileSize;
    }
    void setContent(const std::string& bytes) {
        std::error_code ignored;
        if (model_.kind == Kind::Folder) fs::remove_all(good_, ignored);
        fuzz::writeBytes(good_, bytes);
        model_.kind = Kind::File;
        model_.disk = bytes;
    }

    std::string good_, bad_;
    Model model_;
    std::unique_ptr<TextFile> handle_;
    std::string lastCompared_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    Run run;
    for (int op = 0; op < 1000 && in.remaining_bytes() > 0; ++op) run.step(in);
    run.compare(true);
    return 0;
}
