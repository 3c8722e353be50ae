// The storability check and the refusal texts, written once as readable text.
#include "storable.h"

#include <array>
#include <cstdio>

#include "cp1252.h"
#include "runtime_error.h"
#include "text_file.h"
#include "translation.h"

namespace mp3 {
namespace {

struct FlawMessage {
    Flaw flaw;
    Store store;
    const char* source;  // "%1" stands for the character's name
};

constexpr std::array kMessages{
    FlawMessage{Flaw::OutsideCodePage, Store::ListFile,
                MP3_TEXT("Storable", "tem o carácter %1, que a lista não pode guardar")},
    FlawMessage{Flaw::LineBreak, Store::ListFile,
                MP3_TEXT("Storable",
                         "tem uma quebra de linha, que a lista não pode guardar numa só linha")},
    FlawMessage{Flaw::CtrlZ, Store::ListFile,
                MP3_TEXT("Storable",
                         "tem um carácter de fim de ficheiro (Ctrl-Z), que a lista não pode "
                         "guardar")},
    FlawMessage{Flaw::AlbumEnd, Store::ListFile,
                MP3_TEXT("Storable", "é só \"/\", que a lista leria como o fim do álbum")},
    FlawMessage{
        Flaw::OutsideCodePage, Store::ConfigFile,
        MP3_TEXT("Storable", "tem o carácter %1, que o ficheiro config.ini não pode guardar")},
    FlawMessage{Flaw::LineBreak, Store::ConfigFile,
                MP3_TEXT("Storable",
                         "tem uma quebra de linha, que o ficheiro config.ini não pode guardar")},
    FlawMessage{Flaw::CtrlZ, Store::ConfigFile,
                MP3_TEXT("Storable",
                         "tem um carácter de fim de ficheiro (Ctrl-Z), que o ficheiro config.ini "
                         "não pode guardar")},
    FlawMessage{
        Flaw::OutsideCodePage, Store::DiscRegister,
        MP3_TEXT("Storable", "tem o carácter %1, que o ficheiro discos.ini não pode guardar")},
    FlawMessage{Flaw::LineBreak, Store::DiscRegister,
                MP3_TEXT("Storable",
                         "tem uma quebra de linha, que o ficheiro discos.ini não pode guardar")},
    FlawMessage{Flaw::CtrlZ, Store::DiscRegister,
                MP3_TEXT("Storable",
                         "tem um carácter de fim de ficheiro (Ctrl-Z), que o ficheiro discos.ini "
                         "não pode guardar")},
};

template <typename Char>
TextFlaw findSeparators(std::basic_string_view<Char> text, TextRole role) {
    for (Char c : text) {
        if (c == Char('\r') || c == Char('\n')) return {Flaw::LineBreak, 0};
    }
    for (Char c : text) {
        if (c == Char(TextFile::kCtrlZ)) return {Flaw::CtrlZ, 0};
    }
    if (role == TextRole::AlbumTrack && text.size() == 1 && text[0] == Char('/')) {
        return {Flaw::AlbumEnd, 0};
    }
    return {};
}

[[noreturn]] void refuse(const TextFlaw& flaw, Store store, std::string_view subject) {
    throw EInputRefused(std::string(subject) + " " + flawText(flaw, store));
}

}  // namespace

TextFlaw findFlaw(std::u16string_view text, TextRole role) {
    std::optional<cp1252::Unencodable> failure;
    cp1252::fromUtf16(text, &failure);
    if (failure) {
        char32_t ch = text[failure->index];
        const std::size_t next = failure->index + 1;
        if (ch >= 0xD800 && ch <= 0xDBFF && next < text.size() && text[next] >= 0xDC00 &&
            text[next] <= 0xDFFF) {
            ch = 0x10000 + ((ch - 0xD800) << 10) + (text[next] - 0xDC00);
        }
        return {Flaw::OutsideCodePage, ch};
    }
    return findSeparators(text, role);
}

TextFlaw findFlaw(std::string_view bytes, TextRole role) {
    return findSeparators(bytes, role);
}

std::string codePointName(char32_t character) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(character));
    return name;
}

std::string flawText(const TextFlaw& flaw, Store store) {
    for (const FlawMessage& message : kMessages) {
        if (message.flaw == flaw.flaw && message.store == store) {
            return substitute(msg("Storable", message.source), {codePointName(flaw.character)});
        }
    }
    return {};
}

std::string storableBytes(std::u16string_view text, Store store, std::string_view subject,
                          TextRole role) {
    if (const TextFlaw flaw = findFlaw(text, role)) refuse(flaw, store, subject);
    return cp1252::fromUtf16(text);
}

void requireStorable(std::string_view bytes, Store store, std::string_view subject, TextRole role) {
    if (const TextFlaw flaw = findFlaw(bytes, role)) refuse(flaw, store, subject);
}

}  // namespace mp3
