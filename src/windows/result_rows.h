// The rows of a search's result list: the matched entries' texts, kept once the tables reload.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "toolkit/row_source.h"
#include "windows/catalogue_rows.h"

// A result list's rows keep the texts they showed when the search ran, while a click on a row
// reads the tables as they are now. Until the tables change the texts are read from them; just
// before a reload the window has them copied out (keepTexts), so a search costs nothing per
// match and only a result list that outlives its tables holds texts of its own.
class ResultRows : public tk::RowSource {
  public:
    ResultRows(const mp3::Catalogue& catalogue, CatalogueRows::Text text);

    // A new search's rows: `matches` holds the table index of each row and must stay as it is
    // until the next call (it is the window's mp3::SearchResults map). Drops kept texts.
    void show(const std::vector<std::size_t>& matches);
    // Copies the texts shown out of the tables, which are about to change; once is enough.
    void keepTexts();

    int rowCount() const override { return rows_; }
    QString rowText(int row) const override;

  private:
    const mp3::Catalogue& catalogue_;
    CatalogueRows::Text text_;
    const std::vector<std::size_t>* matches_ = nullptr;
    int rows_ = 0;
    bool kept_ = false;
    // The kept texts one after another; keptEnds_[r] is where row r's text ends.
    std::string keptBytes_;
    std::vector<std::size_t> keptEnds_;
};
