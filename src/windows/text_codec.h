// Texts between the windows (Unicode) and the core (Windows-1252 bytes).
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace win {

QString fromCp1252(std::string_view bytes);

// The bytes of a text that Windows-1252 can hold whole; otherwise nothing, with the index of
// the first character it lacks in `badIndex` when given.
std::optional<std::string> toCp1252(const QString& text, qsizetype* badIndex = nullptr);

// The bytes of a text known to come from Windows-1252 (a list's own rows).
std::string toCp1252Lossless(const QString& text);

// "U+0151" for the character at `index` (a surrogate pair taken whole): messages are
// Windows-1252, which cannot show a character it lacks.
std::string codePointName(const QString& text, qsizetype index);

// Bytes in the locale's encoding (file names, program arguments) for Windows-1252 bytes.
std::string cp1252ToLocal(std::string_view bytes);

}  // namespace win
