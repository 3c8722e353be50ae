// Reading "discos.ini" for the windows, and saying once what is wrong with it.
#include "windows/known_discs.h"

#include <QCoreApplication>
#include <QString>

#include "catalogue/error_text.h"
#include "catalogue/runtime_error.h"
#include "toolkit/platform.h"
#include "toolkit/run_handler.h"
#include "windows/text_codec.h"

std::optional<mp3::DiscRegister> readKnownDiscs(tk::Platform& platform, QWidget* parent) {
    // The fault reported last: a file left damaged is not reported at every play.
    static std::string reported;
    mp3::DiscRegister discs;
    std::string message;
    try {
        discs.read();
    } catch (const mp3::EInOutError& error) {
        message =
            win::toCp1252Lossless(QCoreApplication::translate(
                                      "KnownDiscs", "O ficheiro discos.ini não pôde ser lido (%1)")
                                      .arg(win::fromCp1252(error.what())));
    } catch (const mp3::RuntimeError& error) {
        message = error.what();  // damaged: it says where
    }
    if (!message.empty()) {
        message += win::toCp1252Lossless(QCoreApplication::translate(
            "KnownDiscs", ": os discos não são reconhecidos nem registados até ser corrigido"));
        if (message != reported) {
            reported = message;
            platform.errorBox->show(parent, tk::applicationTitle(),
                                    win::fromCp1252(mp3::errorBoxMessage(message)));
        }
        return std::nullopt;
    }
    reported.clear();
    return discs;
}
