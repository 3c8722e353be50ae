// Whether a text can be stored in the list file, "config.ini" or "discos.ini": decided here, once.
#pragma once

#include <string>
#include <string_view>

namespace mp3 {

// The file a text is meant for; it names the file in a refusal.
enum class Store { ListFile, ConfigFile, DiscRegister };

// What keeps a text out of a file. A line break or a Ctrl-Z would end the line or the file early;
// an album track that is exactly "/" would end its album.
enum class Flaw { None, OutsideCodePage, LineBreak, CtrlZ, AlbumEnd };

struct TextFlaw {
    Flaw flaw = Flaw::None;
    char32_t character = 0;  // the character Windows-1252 lacks, for OutsideCodePage

    explicit operator bool() const noexcept { return flaw != Flaw::None; }
};

// Where a text goes: an album's track is also refused when it is exactly "/".
enum class TextRole { Line, AlbumTrack };

// The first flaw of a text, in this order: a character outside Windows-1252, a line break, a
// Ctrl-Z, and for a track the lone "/".
TextFlaw findFlaw(std::u16string_view text, TextRole role = TextRole::Line);
// The same for a text already in Windows-1252 bytes (it has no character outside the code page).
TextFlaw findFlaw(std::string_view bytes, TextRole role = TextRole::Line);

// The end of a refusal sentence whose subject comes first, in the interface's language, in
// Windows-1252: "tem uma quebra de linha, que a lista não pode guardar numa só linha".
std::string flawText(const TextFlaw& flaw, Store store);

// "U+0151" for a character: refusals are Windows-1252, which cannot show the character itself.
std::string codePointName(char32_t character);

// The Windows-1252 bytes of a text that can be stored; otherwise EInputRefused with `subject`
// (Windows-1252, such as "A linha 3") followed by the flaw.
std::string storableBytes(std::u16string_view text, Store store, std::string_view subject,
                          TextRole role = TextRole::Line);
// Refuses bytes that cannot be stored, the same way.
void requireStorable(std::string_view bytes, Store store, std::string_view subject,
                     TextRole role = TextRole::Line);

}  // namespace mp3
