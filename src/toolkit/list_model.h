// The rows behind a list box: texts it owns, or a window's row source read on demand.
#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <functional>
#include <vector>

#include "toolkit/row_source.h"

namespace tk {

// One column of rows, read only through data() for the rows a view paints or is asked about.
// Every change a view must follow is one of Qt's notices: inserted rows, a reset, or a moved
// layout that carries the selection along.
class ListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit ListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // The view lays out every row at each reset and asks for each one's index twice; checked
    // here without the base class's calls to rowCount() and columnCount().
    QModelIndex index(int row, int column = 0,
                      const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int count() const { return count_; }
    // The text shown at `row`; 0 <= row < count().
    QString text(int row) const;

    // Appends an owned text, or in a sorted list inserts it after every text that sorts equal.
    // A list showing a row source lets it go first.
    void add(const QString& text);
    // No rows, and owned texts from now on.
    void clear();

    // Shows `source`'s rows, or with nullptr owned texts (none yet); a reset either way.
    void setSource(const RowSource* source);
    // Takes the source's rows anew: a reset, and false. An unsorted source with as many rows as
    // before changes nothing the model holds (its texts are read when shown), so there is no
    // reset and true: the view only has to repaint, which spares it laying out every row again.
    bool reset();

    // Sorted rows follow the locale's collation, ignoring case; equal texts keep their order.
    // A sorted source has every row read at each reset, to put them in order.
    void setSorted(bool sorted);
    bool sorted() const { return sorted_; }

  private:
    std::vector<int> collationOrder(const QStringList& texts);
    std::vector<int> sourceOrder();
    // Moves the rows so that row i shows what row from[i] showed; the selection moves with them.
    void reorder(const std::vector<int>& from, const std::function<void()>& apply);

    QStringList owned_;
    const RowSource* source_ = nullptr;
    int count_ = 0;
    // With a sorted source: the source's row for each row shown.
    std::vector<int> order_;
    bool sorted_ = false;
};

}  // namespace tk
