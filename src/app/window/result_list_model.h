#pragma once
// A list box's rows as a Qt model, so that a list of 30,240 lines needs no
// widget per line. The model keeps its own copy and resets only on change.

#include <QAbstractListModel>
#include <string>
#include <vector>

#include "app/controls.h"

namespace tesvik {

class ResultListModel : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;
  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // Takes the list's rows; true when they differed from the shown ones.
  bool update(const ListBox& list);

 private:
  std::vector<std::string> rows_;
};

}  // namespace tesvik
