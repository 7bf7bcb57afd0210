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

bool ResultListModel::update(const ListBox& list) {
  if (list.rows == rows_) return false;
  beginResetModel();
  rows_ = list.rows;
  endResetModel();
  return true;
}

}  // namespace tesvik
