// A row source made of two functions, for rows a window keeps in its own tables.
#pragma once

#include <functional>
#include <utility>

#include "toolkit/row_source.h"

namespace tk {

class RowFunctions : public RowSource {
  public:
    RowFunctions(std::function<int()> count, std::function<QString(int)> text)
        : count_(std::move(count)), text_(std::move(text)) {}

    int rowCount() const override { return count_(); }
    QString rowText(int row) const override { return text_(row); }

  private:
    std::function<int()> count_;
    std::function<QString(int)> text_;
};

}  // namespace tk
