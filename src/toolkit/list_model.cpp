// Owned texts and row sources behind the list box, their collation order and Qt's notices.
#include "toolkit/list_model.h"

#include <algorithm>
#include <numeric>

#include "toolkit/list_order.h"

namespace tk {

ListModel::ListModel(QObject* parent) : QAbstractListModel(parent) {}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count_;
}

QModelIndex ListModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || row >= count_ || column != 0 || parent.isValid()) return {};
    return createIndex(row, column);
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    // Only the text is the model's; colours and fonts come from the view's palette.
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= count_) return {};
    return text(index.row());
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

QString ListModel::text(int row) const {
    if (source_ == nullptr) return owned_.at(row);
    return source_->rowText(order_.empty() ? row : order_[static_cast<std::size_t>(row)]);
}

std::vector<int> ListModel::collationOrder(const QStringList& texts) {
    std::vector<int> order(static_cast<std::size_t>(texts.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return compareAsListed(texts.at(a), texts.at(b)) < 0; });
    return order;
}

std::vector<int> ListModel::sourceOrder() {
    QStringList texts;
    texts.reserve(count_);
    for (int row = 0; row < count_; ++row) texts << source_->rowText(row);
    return collationOrder(texts);
}

void ListModel::reorder(const std::vector<int>& from, const std::function<void()>& apply) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    apply();
    std::vector<int> to(from.size());
    for (std::size_t row = 0; row < from.size(); ++row) {
        to[static_cast<std::size_t>(from[row])] = static_cast<int>(row);
    }
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        after << this->index(to[static_cast<std::size_t>(index.row())]);
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ListModel::add(const QString& text) {
    if (source_ != nullptr) setSource(nullptr);
    int row = count_;
    if (sorted_) {
        // After every row that sorts equal, so equal texts keep the order they came in.
        row = static_cast<int>(std::upper_bound(owned_.cbegin(), owned_.cend(), text,
                                                [](const QString& a, const QString& b) {
                                                    return compareAsListed(a, b) < 0;
                                                }) -
                               owned_.cbegin());
    }
    beginInsertRows(QModelIndex(), row, row);
    owned_.insert(row, text);
    ++count_;
    endInsertRows();
}

void ListModel::clear() {
    setSource(nullptr);
}

void ListModel::setSource(const RowSource* source) {
    beginResetModel();
    owned_.clear();
    order_.clear();
    source_ = source;
    count_ = 0;
    if (source_ != nullptr) {
        count_ = std::max(0, source_->rowCount());
        if (sorted_) order_ = sourceOrder();
    }
    endResetModel();
}

bool ListModel::reset() {
    if (source_ != nullptr && !sorted_ && count_ > 0 && source_->rowCount() == count_) {
        return true;
    }
    setSource(source_);
    return false;
}

void ListModel::setSorted(bool sorted) {
    if (sorted_ == sorted) return;
    sorted_ = sorted;
    if (source_ == nullptr) {
        // Owned texts are kept in the order shown; leaving the sorted mode moves nothing.
        if (!sorted_ || count_ < 2) return;
        const std::vector<int> order = collationOrder(owned_);
        reorder(order, [&] {
            QStringList moved;
            moved.reserve(count_);
            for (int row : order) moved << owned_.at(row);
            owned_ = std::move(moved);
        });
        return;
    }
    if (sorted_) {
        const std::vector<int> order = sourceOrder();
        reorder(order, [&] { order_ = order; });
    } else {
        // Back to the source's own order: row i shows source row i, which was shown where the
        // sorted order had put it.
        std::vector<int> from(order_.size());
        for (std::size_t shown = 0; shown < order_.size(); ++shown) {
            from[static_cast<std::size_t>(order_[shown])] = static_cast<int>(shown);
        }
        reorder(from, [&] { order_.clear(); });
    }
}

}  // namespace tk
