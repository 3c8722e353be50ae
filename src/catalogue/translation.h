// Texts of the program's own in the interface's language, with no Qt in the core.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace mp3 {

// Gives a text of the program's own in the interface's language, UTF-8 in and out; null (the
// default) keeps the Portuguese source texts.
using Translator = std::string (*)(const char* context, const char* sourceUtf8);
void setTranslator(Translator translator);

// A text of the program's own in the interface's language, as Windows-1252 bytes (what every
// core text is). `sourceUtf8` is the Portuguese source text, written where it is used.
std::string msg(const char* context, const char* sourceUtf8);

// `text` with each "%1".."%9" replaced by that argument, in one pass: a translation may put them
// in any order, and an argument that holds "%2" is not read again.
std::string substitute(std::string_view text, std::initializer_list<std::string_view> arguments);

}  // namespace mp3

// Marks a source text in a table for translation where it is written; msg() translates it where
// it is used. Read by lupdate as QT_TRANSLATE_NOOP.
#define MP3_TEXT(context, text) text
