// Fuzz target: saves of the records the input describes, batch by batch, must load back whole;
// saves the list file cannot hold must be refused and leave the file as it was.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/record_writer.h"
#include "catalogue/runtime_error.h"
#include "catalogue/text_file.h"
#include "fuzz_support.h"

namespace {

using namespace mp3;

struct Loose {
    std::string cd, text;
};
struct Album {
    std::string cd, header;
    std::vector<std::string> tracks;
};
struct Saved {
    std::vector<Loose> loose;
    std::vector<Album> albums;
};

// The two-character field for a CD number the save takes: plain decimal 0 to 99.
std::optional<std::string> cdFieldOf(std::string_view text) {
    if (text.empty() || text.size() > 2) return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    if (text.size() == 2 && text[0] == '0') return std::nullopt;
    return text.size() == 1 ? std::string(text) + " " : std::string(text);
}

// Longer than the 128-byte write buffer many times over.
constexpr std::size_t kLongestText = 2000;

constexpr std::string_view kUnstorable("\r\n\x1a", 3);

bool storable(std::string_view text) {
    return text.find_first_of(kUnstorable) == text.npos;
}

// A text from the input; unless `raw`, without the bytes the save refuses.
std::string takeText(FuzzedDataProvider& in, bool raw) {
    std::string text = in.ConsumeRandomLengthString(kLongestText);
    if (!raw) {
        text.erase(std::remove_if(text.begin(), text.end(),
                                  [](char c) { return kUnstorable.find(c) != kUnstorable.npos; }),
                   text.end());
    }
    return text;
}

struct NullSink : CatalogueSink {
    void looseEntry(std::string_view) override {}
    void albumHeader(std::string_view) override {}
};

void loadAndCompare(TextFile& list, const Saved& saved) {
    Catalogue catalogue;
    NullSink sink;
    catalogue.load(list, sink);
    FUZZ_CHECK(catalogue.looseCount() == saved.loose.size());
    FUZZ_CHECK(catalogue.albumCount() == saved.albums.size());
    for (std::size_t k = 0; k < saved.loose.size(); ++k) {
        FUZZ_CHECK(catalogue.MP3_NumCD(k + 1) == saved.loose[k].cd);
        FUZZ_CHECK(catalogue.MP3_Isolados(k + 1) == saved.loose[k].text);
    }
    for (std::size_t a = 0; a < saved.albums.size(); ++a) {
        const Album& album = saved.albums[a];
        FUZZ_CHECK(catalogue.CD_NumCD(a + 1) == album.cd);
        FUZZ_CHECK(catalogue.CD_NumEntradas(a + 1) == album.tracks.size() + 1);
        FUZZ_CHECK(catalogue.CD_Conteudo(a + 1, 1) == album.header);
        for (std::size_t t = 0; t < album.tracks.size(); ++t) {
            FUZZ_CHECK(catalogue.CD_Conteudo(a + 1, t + 2) == album.tracks[t]);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string name = fuzz::scratchFolder().file("lista.txt");
    fuzz::writeBytes(name, "");
    // One handle for saves and loads, as the program holds its list file.
    TextFile list(name);
    Saved saved;

    for (int batch = 0; batch < 32 && in.remaining_bytes() > 0; ++batch) {
        NewRecords records;
        records.mode = in.ConsumeBool() ? EntryMode::Album : EntryMode::Mp3;
        const bool album = records.mode == EntryMode::Album;
        // Now and then a batch keeps what the save must refuse.
        const bool raw = in.ConsumeIntegralInRange(0, 7) == 0;
        records.cdText = raw ? in.ConsumeRandomLengthString(4)
                             : std::to_string(in.ConsumeIntegralInRange(0, 99));
        if (album) {
            records.artist = takeText(in, raw);
            records.title = takeText(in, raw);
        }
        const int count = in.ConsumeIntegralInRange(0, 12);
        for (int i = 0; i < count; ++i) {
            std::string line = takeText(in, raw);
            if (album && line == "/" && !raw) continue;  // it would end the album
            records.lines.push_back(line);
        }

        const std::optional<std::string> cd = cdFieldOf(records.cdText);
        bool accepted =
            cd.has_value() &&
            std::all_of(records.lines.begin(), records.lines.end(), [&](const std::string& line) {
                return storable(line) && !(album && line == "/");
            });
        if (album) accepted = accepted && storable(records.artist) && storable(records.title);
        if (!album && records.lines.empty()) accepted = true;  // nothing to write or check

        const std::string before = accepted ? std::string() : fuzz::readBytes(name);
        bool refused = false;
        try {
            appendRecords(list, records);
        } catch (const EInputRefused&) {
            refused = true;
        } catch (const EConvertError&) {
            refused = true;
        }
        FUZZ_CHECK(refused == !accepted);
        FUZZ_CHECK(list.state() == TextFile::State::Closed);
        if (refused) {
            FUZZ_CHECK(fuzz::readBytes(name) == before);
        } else if (album) {
            saved.albums.push_back(
                {*cd, records.artist + " - " + records.title, std::move(records.lines)});
        } else {
            for (std::string& line : records.lines) saved.loose.push_back({*cd, std::move(line)});
        }

        if (in.ConsumeIntegralInRange(0, 3) == 0) loadAndCompare(list, saved);
    }
    loadAndCompare(list, saved);
    return 0;
}
