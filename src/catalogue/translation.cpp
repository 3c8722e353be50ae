// The translator the windows install, and placeholders filled in after translating.
#include "translation.h"

#include <atomic>

#include "cp1252.h"

namespace mp3 {
namespace {

// Atomic: a disc is read off the user-interface thread, and its refusals are texts too.
std::atomic<Translator> installed{nullptr};

}  // namespace

void setTranslator(Translator translator) {
    installed.store(translator);
}

std::string msg(const char* context, const char* sourceUtf8) {
    const Translator translator = installed.load();
    if (!translator) return cp1252::fromUtf8(sourceUtf8);
    return cp1252::fromUtf8(translator(context, sourceUtf8));
}

std::string substitute(std::string_view text, std::initializer_list<std::string_view> arguments) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < arguments.size()) {
                out += arguments.begin()[n];
                ++i;
                continue;
            }
        }
        out.push_back(text[i]);
    }
    return out;
}

}  // namespace mp3
