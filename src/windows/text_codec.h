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

}  // namespace win
