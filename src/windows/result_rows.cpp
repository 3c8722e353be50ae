// Result rows read through the search's map, or from the texts kept across a reload.
#include "windows/result_rows.h"

#include <algorithm>
#include <limits>

#include "windows/text_codec.h"

ResultRows::ResultRows(const mp3::Catalogue& catalogue, CatalogueRows::Text text)
    : catalogue_(catalogue), text_(text) {}

void ResultRows::show(const std::vector<std::size_t>& matches) {
    matches_ = &matches;
    rows_ =
        static_cast<int>(std::min<std::size_t>(matches.size(), std::numeric_limits<int>::max()));
    kept_ = false;
    // Given back, not only emptied: a large result kept once need not stay allocated.
    std::string().swap(keptBytes_);
    std::vector<std::size_t>().swap(keptEnds_);
}

void ResultRows::keepTexts() {
    if (kept_ || matches_ == nullptr) return;
    const auto rows = static_cast<std::size_t>(rows_);
    auto textAt = [this](std::size_t r) {
        return r < matches_->size() ? text_(catalogue_, (*matches_)[r]) : std::string_view();
    };
    std::size_t bytes = 0;
    for (std::size_t r = 0; r < rows; ++r) bytes += textAt(r).size();
    keptBytes_.reserve(bytes);
    keptEnds_.reserve(rows);
    for (std::size_t r = 0; r < rows; ++r) {
        keptBytes_ += textAt(r);
        keptEnds_.push_back(keptBytes_.size());
    }
    kept_ = true;
}

QString ResultRows::rowText(int row) const {
    const auto r = static_cast<std::size_t>(row);
    // A map changed without show() (it is the window's public SearchResults) shows empty rows.
    if (!kept_) {
        return r < matches_->size() ? win::fromCp1252(text_(catalogue_, (*matches_)[r]))
                                    : QString();
    }
    const std::size_t begin = r == 0 ? 0 : keptEnds_[r - 1];
    return win::fromCp1252(std::string_view(keptBytes_).substr(begin, keptEnds_[r] - begin));
}
