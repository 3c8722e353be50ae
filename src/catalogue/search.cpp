// Linear substring search over the Catalogue.
#include "search.h"

#include "catalogue.h"

namespace mp3 {

SearchResults search(const Catalogue& catalogue, std::string_view text) {
    SearchResults results;
    if (text.empty()) return results;
    for (std::size_t k = 1; k <= catalogue.looseCount(); ++k) {
        if (catalogue.MP3_Isolados(k).find(text) != std::string_view::npos) {
            results.Resultado_MP3.push_back(k);
        }
    }
    for (std::size_t a = 1; a <= catalogue.albumCount(); ++a) {
        if (catalogue.CD_Conteudo(a, 1).find(text) != std::string_view::npos) {
            results.Resultado_CD.push_back(a);
        }
    }
    return results;
}

}  // namespace mp3
