// Turning a disc's listing into records, comparing them with the list, and composing the new ones.
#include "disc_reader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <map>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "catalogue.h"
#include "cd_number.h"
#include "cp1252.h"
#include "disc_tree.h"
#include "runtime_error.h"
#include "storable.h"
#include "translation.h"

namespace mp3 {
namespace {

enum class Text {
    FileSubject,
    FolderSubject,
    NotUtf8,
    ExtensionCase,
    NoPermission,
    ReadFault,
    Loop,
    OtherFault,
    FileNoPermission,
    FileReadFault,
    FileOtherFault,
    AlbumLostTrack,
    Cancelled,
};

struct ReasonText {
    Text text;
    const char* source;  // "%1" stands for an error number, or a track's name
};

constexpr std::array kTexts{
    ReasonText{Text::FileSubject, MP3_TEXT("DiscReader", "O nome do ficheiro")},
    ReasonText{Text::FolderSubject, MP3_TEXT("DiscReader", "O caminho da pasta")},
    ReasonText{Text::NotUtf8,
               MP3_TEXT("DiscReader", "não está em UTF-8, por isso não se sabe que letras tem")},
    ReasonText{Text::ExtensionCase,
               MP3_TEXT("DiscReader",
                        "A extensão não está em minúsculas, e o leitor só abre nomes terminados "
                        "em \".mp3\"")},
    ReasonText{Text::NoPermission,
               MP3_TEXT("DiscReader", "A pasta não pôde ser lida: não há permissão para a abrir")},
    ReasonText{Text::ReadFault,
               MP3_TEXT("DiscReader", "A pasta não pôde ser lida: erro de leitura do disco")},
    ReasonText{Text::Loop,
               MP3_TEXT("DiscReader",
                        "A pasta leva de volta a uma pasta onde está, por isso não foi lida")},
    ReasonText{Text::OtherFault,
               MP3_TEXT("DiscReader", "A pasta não pôde ser lida (erro %1 do sistema)")},
    ReasonText{
        Text::FileNoPermission,
        MP3_TEXT("DiscReader", "O ficheiro não pôde ser lido: não há permissão para o abrir")},
    ReasonText{Text::FileReadFault,
               MP3_TEXT("DiscReader", "O ficheiro não pôde ser lido: erro de leitura do disco")},
    ReasonText{Text::FileOtherFault,
               MP3_TEXT("DiscReader", "O ficheiro não pôde ser lido (erro %1 do sistema)")},
    ReasonText{Text::AlbumLostTrack,
               MP3_TEXT("DiscReader",
                        "O álbum não pode ser gravado sem a faixa \"%1\", que não pôde ser lida")},
    ReasonText{Text::Cancelled,
               MP3_TEXT("DiscReader",
                        "A leitura do CD foi interrompida antes do fim: leia-o outra vez para "
                        "gravar")},
};

// In the interface's language, in Windows-1252.
std::string textFor(Text which) {
    for (const ReasonText& entry : kTexts) {
        if (entry.text == which) return msg("DiscReader", entry.source);
    }
    return {};
}

// Why a folder, or a file, could not be read.
std::string unreadableReason(int err, bool file) {
    switch (err) {
        case EACCES:
        case EPERM:
            return textFor(file ? Text::FileNoPermission : Text::NoPermission);
        case EIO:
            return textFor(file ? Text::FileReadFault : Text::ReadFault);
        case ELOOP:
            if (!file) return textFor(Text::Loop);
            [[fallthrough]];
        default:
            return substitute(textFor(file ? Text::FileOtherFault : Text::OtherFault),
                              {std::to_string(err)});
    }
}

// The name as far as it is UTF-8, each byte that is not shown as U+FFFD.
std::u16string shownPath(std::string_view bytes) {
    if (auto whole = cp1252::utf8ToUtf16(bytes)) return *whole;
    std::u16string out;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (auto one = cp1252::utf8ToUtf16(bytes.substr(i, length))) {
            out += *one;
            i += length;
        } else {
            out += u'\uFFFD';
            ++i;
        }
    }
    return out;
}

constexpr std::string_view kExtension = ".mp3";

enum class Ending { Other, Mp3, Mp3OtherCase };

Ending endingOf(std::string_view name) {
    if (name.size() < kExtension.size()) return Ending::Other;
    const std::string_view tail = name.substr(name.size() - kExtension.size());
    if (tail == kExtension) return Ending::Mp3;
    const bool sameLetters =
        std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char a, char b) {
            return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
        });
    return sameLetters ? Ending::Mp3OtherCase : Ending::Other;
}

class Reader {
  public:
    explicit Reader(DiscPreview& preview) : preview_(preview) {}

    void add(const DiscEntry& entry) {
        if (entry.kind == DiscEntryKind::Unreadable) {
            refuse(entry.path, unreadableReason(entry.error, false));
            return;
        }
        if (entry.kind != DiscEntryKind::File && entry.kind != DiscEntryKind::UnreadableFile)
            return;
        const std::size_t slash = entry.path.rfind('/');
        const std::string_view name = slash == std::string::npos
                                          ? std::string_view(entry.path)
                                          : std::string_view(entry.path).substr(slash + 1);
        const Ending ending = endingOf(name);
        if (ending == Ending::Other) return;
        if (entry.kind == DiscEntryKind::UnreadableFile) {
            refuse(entry.path, unreadableReason(entry.error, true));
            // Half an album would play as if it were whole.
            if (slash != std::string::npos && ending == Ending::Mp3)
                lost_.emplace(entry.path.substr(0, slash), name);
            return;
        }
        if (ending == Ending::Mp3OtherCase) {
            refuse(entry.path, textFor(Text::ExtensionCase));
            return;
        }
        const std::string_view stem = name.substr(0, name.size() - kExtension.size());
        if (slash == std::string::npos) {
            if (auto text = storable(entry.path, stem, Text::FileSubject, TextRole::Line)) {
                preview_.loose.push_back({std::move(*text), Presence::New});
            }
        } else {
            folders_[entry.path.substr(0, slash)].push_back(&entry);
        }
    }

    // Each folder's tracks once every file has been seen.
    void makeAlbums() {
        for (auto& [folder, files] : folders_) {
            if (const auto lost = lost_.find(folder); lost != lost_.end()) {
                const std::string track = cp1252::fromUtf16(shownPath(lost->second));
                refuse(folder, substitute(textFor(Text::AlbumLostTrack), {track}));
                continue;
            }
            auto header = storable(folder, folder, Text::FolderSubject, TextRole::Line);
            if (!header) continue;  // one refusal for the album, none for its tracks
            DiscAlbum album{std::move(*header), folder, Presence::New, {}};
            for (const DiscEntry* file : files) {
                const std::string_view name =
                    std::string_view(file->path).substr(folder.size() + 1);
                const std::string_view stem = name.substr(0, name.size() - kExtension.size());
                if (auto track =
                        storable(file->path, stem, Text::FileSubject, TextRole::AlbumTrack)) {
                    album.tracks.push_back({std::move(*track), Presence::New});
                }
            }
            if (!album.tracks.empty()) preview_.albums.push_back(std::move(album));
        }
    }

  private:
    void refuse(const std::string& path, std::string reason) {
        preview_.refusals.push_back({path, shownPath(path), std::move(reason)});
    }

    // The Windows-1252 text of a name, or nothing once it is refused under `path`.
    std::optional<std::string> storable(const std::string& path, std::string_view name,
                                        Text subject, TextRole role) {
        const std::optional<std::u16string> text = cp1252::utf8ToUtf16(name);
        if (!text) {
            refuse(path, textFor(subject) + " " + textFor(Text::NotUtf8));
            return std::nullopt;
        }
        if (const TextFlaw flaw = findFlaw(*text, role)) {
            refuse(path, textFor(subject) + " " + flawText(flaw, Store::ListFile));
            return std::nullopt;
        }
        return cp1252::fromUtf16(*text);
    }

    DiscPreview& preview_;
    std::map<std::string, std::vector<const DiscEntry*>> folders_;
    // A folder's first track that could not be read, by the folder's path.
    std::map<std::string, std::string> lost_;
};

template <typename Item>
std::size_t countNew(const std::vector<Item>& items) {
    return static_cast<std::size_t>(std::count_if(items.begin(), items.end(), [](const Item& item) {
        return item.presence == Presence::New;
    }));
}

}  // namespace

bool byteOrder(std::string_view a, std::string_view b) {
    return a < b;
}

std::size_t DiscAlbum::newTrackCount() const {
    return countNew(tracks);
}

std::size_t DiscPreview::newLooseCount() const {
    return countNew(loose);
}

std::size_t DiscPreview::newTrackCount() const {
    std::size_t count = 0;
    for (const DiscAlbum& album : albums) count += album.newTrackCount();
    return count;
}

DiscPreview readDisc(const DiscListing& listing, const TextOrder& order) {
    DiscPreview preview;
    preview.cancelled = listing.cancelled;
    Reader reader(preview);
    for (const DiscEntry& entry : listing.entries) reader.add(entry);
    reader.makeAlbums();

    // Stable, so texts the order takes as equal keep their byte order.
    auto byText = [&order](const DiscText& a, const DiscText& b) { return order(a.text, b.text); };
    std::stable_sort(preview.loose.begin(), preview.loose.end(), byText);
    for (DiscAlbum& album : preview.albums) {
        std::stable_sort(album.tracks.begin(), album.tracks.end(), byText);
    }
    std::stable_sort(
        preview.albums.begin(), preview.albums.end(),
        [&order](const DiscAlbum& a, const DiscAlbum& b) { return order(a.header, b.header); });
    std::stable_sort(preview.refusals.begin(), preview.refusals.end(),
                     [](const DiscRefusal& a, const DiscRefusal& b) { return a.path < b.path; });
    return preview;
}

void compareWithList(DiscPreview& preview, const Catalogue& catalogue, std::string_view cdText) {
    const std::string field = cdFieldFor(cdText);
    std::unordered_set<std::string_view> loose;
    for (std::size_t k = 1; k <= catalogue.looseCount(); ++k) {
        if (catalogue.MP3_NumCD(k) == field) loose.insert(catalogue.MP3_Isolados(k));
    }
    // Every album of the CD with the same header counts: earlier readings may have added blocks.
    std::unordered_map<std::string_view, std::unordered_set<std::string_view>> albums;
    for (std::size_t a = 1; a <= catalogue.albumCount(); ++a) {
        if (catalogue.CD_NumCD(a) != field) continue;
        auto& tracks = albums[catalogue.CD_Conteudo(a, 1)];
        for (std::size_t s = 2; s <= catalogue.CD_NumEntradas(a); ++s) {
            tracks.insert(catalogue.CD_Conteudo(a, s));
        }
    }

    preview.cdText = cdText;
    for (DiscText& entry : preview.loose) {
        entry.presence = loose.count(entry.text) ? Presence::AlreadyThere : Presence::New;
    }
    for (DiscAlbum& album : preview.albums) {
        const auto there = albums.find(album.header);
        album.presence = there != albums.end() ? Presence::AlreadyThere : Presence::New;
        for (DiscText& track : album.tracks) {
            track.presence = there != albums.end() && there->second.count(track.text)
                                 ? Presence::AlreadyThere
                                 : Presence::New;
        }
    }
}

DiscPreview previewDisc(const DiscListing& listing, const Catalogue& catalogue,
                        std::string_view cdText, const TextOrder& order) {
    DiscPreview preview = readDisc(listing, order);
    compareWithList(preview, catalogue, cdText);
    return preview;
}

std::string composeDisc(const DiscPreview& preview) {
    if (preview.cancelled) throw EInputRefused(textFor(Text::Cancelled));
    const std::string field = cdFieldFor(preview.cdText);
    const std::string fileSubject = textFor(Text::FileSubject);
    std::string out;
    for (const DiscText& entry : preview.loose) {
        if (entry.presence != Presence::New) continue;
        requireStorable(entry.text, Store::ListFile, fileSubject);
        out += field + " " + entry.text + "\r\n";
    }
    for (const DiscAlbum& album : preview.albums) {
        if (album.newTrackCount() == 0) continue;
        requireStorable(album.header, Store::ListFile, textFor(Text::FolderSubject));
        out += "/" + field + " " + album.header + "\r\n";
        for (const DiscText& track : album.tracks) {
            if (track.presence != Presence::New) continue;
            requireStorable(track.text, Store::ListFile, fileSubject, TextRole::AlbumTrack);
            out += track.text + "\r\n";
        }
        out += "/\r\n";
    }
    return out;
}

}  // namespace mp3
