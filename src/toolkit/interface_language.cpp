// Choosing the interface's language and installing its translators.
#include "toolkit/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "catalogue/translation.h"

namespace tk {
namespace {

Language current = Language::Portuguese;

// The core asks for its texts through a plain function: it knows nothing of Qt.
std::string translateForCore(const char* context, const char* sourceUtf8) {
    return QCoreApplication::translate(context, sourceUtf8).toStdString();
}

// Installs the translation file if it is there; the application owns the translator.
void install(const QString& file, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace

Language languageFor(const QStringList& uiLanguages) {
    for (const QString& language : uiLanguages) {
        if (language == QLatin1String("C") || language.startsWith(QLatin1String("pt")))
            return Language::Portuguese;
        if (language.startsWith(QLatin1String("en"))) return Language::English;
    }
    return uiLanguages.isEmpty() ? Language::Portuguese : Language::English;
}

void useLanguage(Language language) {
    current = language;
    const QString system = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Installed last, searched first: the program's own texts, then its corrections of Qt's.
    if (language == Language::English) {
        install(QStringLiteral("qtbase_en"), system);
        install(QStringLiteral("mp3_search_en"), QStringLiteral(":/i18n"));
    } else {
        install(QStringLiteral("qtbase_pt_BR"), system);
        install(QStringLiteral("qtbase_pt_PT"), QStringLiteral(":/i18n"));
    }
    mp3::setTranslator(language == Language::English ? &translateForCore : nullptr);
}

Language interfaceLanguage() {
    return current;
}

}  // namespace tk
