// The rows of the main window's loose-entry and album lists, read from the Catalogue's tables.
#pragma once

#include <cstddef>
#include <string_view>

#include "catalogue/catalogue.h"
#include "toolkit/row_source.h"

// Row r shows the text at table index r + 1, converted when a list asks for it. How many rows
// show is the window's to say: a list may show fewer than the tables hold (none after a new
// list is made, no album header while a load has not read the whole file).
class CatalogueRows : public tk::RowSource {
  public:
    // The text a list shows for table index i (from 1).
    using Text = std::string_view (*)(const mp3::Catalogue& catalogue, std::size_t i);
    static std::string_view looseEntry(const mp3::Catalogue& catalogue, std::size_t k);
    static std::string_view albumHeader(const mp3::Catalogue& catalogue, std::size_t a);

    CatalogueRows(const mp3::Catalogue& catalogue, Text text);

    // Takes effect at the list's next reset (tk::ListBox::resetRows).
    void setShown(std::size_t rows);

    int rowCount() const override { return shown_; }
    QString rowText(int row) const override;

  private:
    const mp3::Catalogue& catalogue_;
    Text text_;
    int shown_ = 0;
};
