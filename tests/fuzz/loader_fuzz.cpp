// Fuzz target: the loader on any bytes, checked against the format's reading rules on a string.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/text_file.h"
#include "fuzz_support.h"

namespace {

using namespace mp3;

struct Loose {
    std::string cd, text;
    bool operator==(const Loose&) const = default;
};
struct Album {
    std::string cd;
    std::vector<std::string> slots;  // the header, then the tracks
    bool operator==(const Album&) const = default;
};
struct Loaded {
    std::vector<Loose> loose;
    std::vector<Album> albums;
    bool operator==(const Loaded&) const = default;
};

// The file as the reading rules see it, kept apart from the handle's buffering: nothing after
// the first byte 26; a character read at the end is 26 and does not move; a line ends at a CR,
// and one LF right after it is skipped.
class StringReader {
  public:
    explicit StringReader(std::string_view bytes)
        : bytes_(bytes.substr(0, bytes.find(TextFile::kCtrlZ))) {}
    bool eof() const { return pos_ >= bytes_.size(); }
    char readChar() { return eof() ? TextFile::kCtrlZ : bytes_[pos_++]; }
    std::string readLine() {
        std::size_t cr = bytes_.find('\r', pos_);
        std::size_t end = cr == std::string_view::npos ? bytes_.size() : cr;
        std::string line(bytes_.substr(pos_, end - pos_));
        pos_ = end;
        if (cr != std::string_view::npos) {
            ++pos_;
            if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
        }
        return line;
    }

  private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

Loaded expectedLoad(std::string_view bytes) {
    StringReader in(bytes);
    Loaded out;
    while (!in.eof()) {
        char c = in.readChar();
        std::string cd;
        if (c == '/') {
            cd.push_back(in.readChar());
            cd.push_back(in.readChar());
            in.readChar();
            Album album{cd, {in.readLine()}};
            while (!in.eof()) {
                std::string line = in.readLine();
                if (line == "/") break;
                album.slots.push_back(line);
            }
            out.albums.push_back(album);
        } else {
            cd.push_back(c);
            cd.push_back(in.readChar());
            in.readChar();
            out.loose.push_back({cd, in.readLine()});
        }
    }
    return out;
}

struct RecordingSink : CatalogueSink {
    std::vector<std::string> loose, headers;
    void looseEntry(std::string_view text) override {
        FUZZ_CHECK(headers.empty());  // every loose entry comes before any header
        loose.emplace_back(text);
    }
    void albumHeader(std::string_view text) override { headers.emplace_back(text); }
};

bool holdsCrOrCtrlZ(std::string_view text) {
    return text.find_first_of(std::string_view("\r\x1a", 2)) != std::string_view::npos;
}

// Loads the file through the handle and checks what must hold for any input at all.
Loaded loadAndCheck(TextFile& file, Catalogue& catalogue) {
    RecordingSink sink;
    catalogue.load(file, sink);
    FUZZ_CHECK(file.state() == TextFile::State::Reading);
    FUZZ_CHECK(file.eof());
    FUZZ_CHECK(sink.loose.size() == catalogue.looseCount());
    FUZZ_CHECK(sink.headers.size() == catalogue.albumCount());

    Loaded got;
    for (std::size_t k = 1; k <= catalogue.looseCount(); ++k) {
        std::string_view text = catalogue.MP3_Isolados(k);
        FUZZ_CHECK(!holdsCrOrCtrlZ(text));
        FUZZ_CHECK(catalogue.MP3_NumCD(k).size() == 2);
        FUZZ_CHECK(sink.loose[k - 1] == text);
        got.loose.push_back({std::string(catalogue.MP3_NumCD(k)), std::string(text)});
    }
    for (std::size_t a = 1; a <= catalogue.albumCount(); ++a) {
        FUZZ_CHECK(catalogue.CD_NumEntradas(a) >= 1);
        FUZZ_CHECK(catalogue.CD_NumCD(a).size() == 2);
        FUZZ_CHECK(sink.headers[a - 1] == catalogue.CD_Conteudo(a, 1));
        Album album{std::string(catalogue.CD_NumCD(a)), {}};
        for (std::size_t s = 1; s <= catalogue.CD_NumEntradas(a); ++s) {
            std::string_view slot = catalogue.CD_Conteudo(a, s);
            FUZZ_CHECK(!holdsCrOrCtrlZ(slot));
            album.slots.emplace_back(slot);
        }
        FUZZ_CHECK(catalogue.CD_Conteudo(a, catalogue.CD_NumEntradas(a) + 1).empty());
        got.albums.push_back(album);
    }
    FUZZ_CHECK(catalogue.MP3_Isolados(catalogue.looseCount() + 1).empty());
    FUZZ_CHECK(catalogue.CD_NumEntradas(catalogue.albumCount() + 1) == 0);
    return got;
}

// Larger than any read buffer the handle is likely to use, so the input straddles its end.
constexpr std::size_t kStraddle = 16 * 1024;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name = fuzz::scratchFolder().file("lista.txt");
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TextFile file(name);
    Catalogue catalogue;

    fuzz::writeBytes(name, bytes);
    FUZZ_CHECK(loadAndCheck(file, catalogue) == expectedLoad(bytes));

    // When the first byte's top bit is set, the same bytes again after one long loose entry
    // that ends a little before the buffer's edge, loaded into the same tables and through the
    // same handle as the program does. Only then: writing and reading 16 KiB is most of a run.
    if (size > 0 && (data[0] & 0x80) != 0) {
        std::size_t padLength = kStraddle - data[0] % 64;
        std::string padded = "1  " + std::string(padLength - 5, 'p') + "\r\n" + bytes;
        fuzz::writeBytes(name, padded);
        FUZZ_CHECK(loadAndCheck(file, catalogue) == expectedLoad(padded));
    }
    return 0;
}
