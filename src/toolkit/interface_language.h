// The interface's language: chosen from the desktop's, and the translators that speak it.
#pragma once

#include <QStringList>

namespace tk {

enum class Language { Portuguese, English };

// The first language of the desktop's list (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as
// QLocale::system().uiLanguages() gives them) that the program speaks: Portuguese, also for the
// C/POSIX locale or none set, whose texts are the program's own; English for any other.
Language languageFor(const QStringList& uiLanguages);

// Makes `language` the interface's, for Qt's texts and the core's: English from the program's
// own translation, Qt's own texts from the system's translations (Debian's
// qt6-translations-l10n) where it has them, with the program's corrections where its Portuguese
// is Brazil's. Needs the application to exist; the language stays for the process's life.
void useLanguage(Language language);

// The language last chosen by useLanguage; Portuguese before any.
Language interfaceLanguage();

}  // namespace tk
