// The list-file loader, reading record starts character by character.
#include "catalogue.h"

#include "text_file.h"

namespace mp3 {

std::string_view Catalogue::MP3_Isolados(std::size_t k) const {
    return k >= 1 && k <= loose_.size() ? loose_[k - 1].text : std::string_view{};
}

std::string_view Catalogue::MP3_NumCD(std::size_t k) const {
    return k >= 1 && k <= loose_.size() ? std::string_view(loose_[k - 1].cd, 2)
                                        : std::string_view{};
}

std::string_view Catalogue::CD_Conteudo(std::size_t a, std::size_t s) const {
    if (a < 1 || a > albums_.size()) return {};
    const Album& album = albums_[a - 1];
    return s >= 1 && s <= album.slotCount ? slots_[album.firstSlot + s - 1] : std::string_view{};
}

std::string_view Catalogue::CD_NumCD(std::size_t a) const {
    return a >= 1 && a <= albums_.size() ? std::string_view(albums_[a - 1].cd, 2)
                                         : std::string_view{};
}

std::size_t Catalogue::CD_NumEntradas(std::size_t a) const {
    return a >= 1 && a <= albums_.size() ? albums_[a - 1].slotCount : 0;
}

void Catalogue::load(TextFile& file, CatalogueSink& sink) {
    file.reset();
    pool_.clear();
    loose_.clear();
    albums_.clear();
    slots_.clear();

    std::string line;
    while (!file.eof()) {
        char c = file.readChar();
        if (c == '/') {
            Album album{};
            album.cd[0] = file.readChar();
            album.cd[1] = file.readChar();
            file.readChar();  // the separator
            file.readLine(line);
            album.firstSlot = slots_.size();
            album.slotCount = 1;
            slots_.push_back(pool_.store(line));
            albums_.push_back(album);
            // Only a line that is exactly "/" closes the block; the end of the file does too.
            while (!file.eof()) {
                file.readLine(line);
                if (line == "/") break;
                slots_.push_back(pool_.store(line));
                ++albums_.back().slotCount;
            }
        } else {
            LooseEntry entry{};
            entry.cd[0] = c;
            entry.cd[1] = file.readChar();
            file.readChar();  // the separator
            file.readLine(line);
            entry.text = pool_.store(line);
            loose_.push_back(entry);
            sink.looseEntry(entry.text);
        }
    }
    for (const Album& album : albums_) sink.albumHeader(slots_[album.firstSlot]);
}

}  // namespace mp3
