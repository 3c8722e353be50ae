// The rows a list box shows when a window keeps them: how many there are and each one's text.
#pragma once

#include <QString>

namespace tk {

// Asked only for the rows a list box paints or is asked about, so a million rows cost nothing
// until they are seen. Between two resets of the list (ListBox::resetRows) the source must
// answer for every row below the count it gave at the last one.
class RowSource {
  public:
    virtual ~RowSource() = default;
    virtual int rowCount() const = 0;
    // `row` is 0-based and below rowCount().
    virtual QString rowText(int row) const = 0;
};

}  // namespace tk
