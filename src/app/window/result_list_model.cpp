#include "app/window/result_list_model.h"

namespace tesvik {

int ResultListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() < 0 ||
      static_cast<std::size_t>(index.row()) >= rows_.size())
    return {};
  return QString::fromStdString(rows_[static_cast<std::size_t>(index.row())]);
}

bool ResultListModel::update(std::uint64_t revision, std::span<const std::string> rows) {
  // The size guards against rows replaced without going through the list.
  if (loaded_ && revision == revision_ && rows.size() == rows_.size()) return false;
  beginResetModel();
  rows_.assign(rows.begin(), rows.end());
  revision_ = revision;
  loaded_ = true;
  endResetModel();
  return true;
}

}  // namespace tesvik
