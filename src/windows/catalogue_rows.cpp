// Rows of the main window's lists converted from the Catalogue's Windows-1252 texts on demand.
#include "windows/catalogue_rows.h"

#include <algorithm>
#include <limits>

#include "windows/text_codec.h"

std::string_view CatalogueRows::looseEntry(const mp3::Catalogue& catalogue, std::size_t k) {
    return catalogue.MP3_Isolados(k);
}

std::string_view CatalogueRows::albumHeader(const mp3::Catalogue& catalogue, std::size_t a) {
    return catalogue.CD_Conteudo(a, 1);
}

CatalogueRows::CatalogueRows(const mp3::Catalogue& catalogue, Text text)
    : catalogue_(catalogue), text_(text) {}

void CatalogueRows::setShown(std::size_t rows) {
    // A list box counts its rows in an int; a table past that shows what an int can count.
    shown_ = static_cast<int>(std::min<std::size_t>(rows, std::numeric_limits<int>::max()));
}

QString CatalogueRows::rowText(int row) const {
    return win::fromCp1252(text_(catalogue_, static_cast<std::size_t>(row) + 1));
}
