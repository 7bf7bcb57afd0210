#pragma once
// A list box's rows as a Qt model, so that a list of 30,240 lines needs no
// widget per line. The model keeps its own copy and takes the rows again
// only when the list's revision moved, so an unchanged list costs nothing.

#include <QAbstractListModel>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tesvik {

class ResultListModel : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;
  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // Takes the list's rows when its revision moved since the last update;
  // true when it did.
  bool update(std::uint64_t revision, std::span<const std::string> rows);

 private:
  std::vector<std::string> rows_;
  std::uint64_t revision_ = 0;
  bool loaded_ = false;
};

}  // namespace tesvik
