// Reading the command line with Qt's parser, before the application exists.
#include "command_line.h"

#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "toolkit/interface_language.h"
#include "windows/text_codec.h"

namespace {

// Qt's own window options, which the application takes from the command line after us.
const char* const kQtOptions[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin", "display",    "geometry",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "style",  "stylesheet", "session"};
const char* const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Catálogo dos ficheiros MP3 gravados em CD. Sem LISTA, pergunta qual abrir; com ela, "
        "abre esse ficheiro (criando-o se não existir)."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QCoreApplication::translate("CommandLine", "LISTA"),
        QCoreApplication::translate("CommandLine", "O ficheiro da lista de MP3 a abrir."),
        QCoreApplication::translate("CommandLine", "[LISTA]"));
    for (const char* name : kQtOptions) {
        QCommandLineOption option{QString::fromLatin1(name)};
        option.setValueName(QCoreApplication::translate("CommandLine", "valor"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option{QString::fromLatin1(name)};
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

}  // namespace

QString listFileFromCommandLine(int argc, char** argv) {
    QStringList arguments;
    // Each argument as the bytes the system gave, so a name that is not UTF-8 is that very name.
    for (int i = 0; i < argc; ++i) arguments << win::fromFileName(argv[i]);
    QCommandLineParser parser;
    describe(parser);
    const bool parsed = parser.parse(arguments);
    if (!parsed || parser.isSet(QStringLiteral("help")) ||
        parser.isSet(QStringLiteral("help-all")) || parser.isSet(QStringLiteral("version")) ||
        parser.positionalArguments().size() > 1) {
        // Qt's parser prints help, the version or the mistake and ends the process itself; it
        // needs an application for the program's name, and a plain one needs no display. The
        // texts are said in the interface's language, so described again once it is known.
        QCoreApplication terminal(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("mp3_search"));
        QCoreApplication::setApplicationVersion(QStringLiteral(MP3_SEARCH_VERSION));
        tk::useLanguage(tk::languageFor(QLocale::system().uiLanguages()));
        if (parser.positionalArguments().size() > 1 && parsed) {
            std::fputs(qPrintable(QCoreApplication::translate(
                                      "CommandLine", "Só se pode abrir uma lista de cada vez.") +
                                  QLatin1Char('\n')),
                       stderr);
            std::exit(1);
        }
        QCommandLineParser told;
        describe(told);
        told.process(arguments);
    }
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) return QString();
    std::string name = win::toFileName(files.first());
    if (!name.empty() && name.front() != '/') {
        char here[PATH_MAX];
        if (::getcwd(here, sizeof here) != nullptr) name = std::string(here) + "/" + name;
    }
    return win::fromFileName(name);
}
