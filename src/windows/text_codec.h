// Texts between the windows (Unicode) and the core (Windows-1252 bytes).
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace win {

QString fromCp1252(std::string_view bytes);

// The text's UTF-16 code units, as the core takes them; valid while the text lives unchanged.
std::u16string_view utf16(const QString& text);

// The bytes of a text that Windows-1252 can hold whole; otherwise nothing.
std::optional<std::string> toCp1252(const QString& text);

// The bytes of a text known to come from Windows-1252 (a list's own rows).
std::string toCp1252Lossless(const QString& text);

// Bytes in the locale's encoding (file names, program arguments) for Windows-1252 bytes.
std::string cp1252ToLocal(std::string_view bytes);

// A name in the locale's encoding (a device, a folder), as shown to the user.
QString fromLocal(const std::string& bytes);

// A file name's bytes as text and back, losing nothing: a byte that is not part of valid UTF-8
// (Windows-1252 or Latin-1 in a name copied from an old disc) stands as U+DC80 to U+DCFF, so the
// very file it named is opened.
QString fromFileName(std::string_view bytes);
std::string toFileName(const QString& text);

}  // namespace win
