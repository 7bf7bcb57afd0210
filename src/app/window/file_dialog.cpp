#include "app/window/file_dialog.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QStandardPaths>
#include <QTreeView>
#include <algorithm>

namespace tesvik {

namespace {

constexpr int kSizeColumn = 1;
constexpr int kTypeColumn = 2;
constexpr int kDateColumn = 3;
constexpr int kDialogWidth = 780;
constexpr int kDialogHeight = 460;

// The file list's columns in the program's locale: Qt's file model writes
// sizes and dates in the system's locale and names folders in English.
class LocalColumns : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;
  QVariant data(const QModelIndex& index, int role) const override {
    if (role == Qt::DisplayRole) {
      if (const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel())) {
        const QVariant local = file_column_text(files->fileInfo(mapToSource(index)), index.column(), QLocale());
        if (local.isValid()) return local;
      }
    }
    return QIdentityProxyModel::data(index, role);
  }
};

// Room for the widest text of each column after the name.
void size_columns(QFileDialog& dialog) {
  auto* view = dialog.findChild<QTreeView*>("treeView");
  if (!view) return;
  const QFontMetrics fm(view->font());
  constexpr int kPadding = 24;
  const QString date = QLocale().toString(QDateTime(QDate(2026, 12, 28), QTime(23, 59)), QLocale::ShortFormat);
  view->header()->resizeSection(kSizeColumn, fm.horizontalAdvance("999.9 KB") + kPadding);
  view->header()->resizeSection(kTypeColumn, fm.horizontalAdvance(QString::fromUtf8("纯文本文档文件")) + kPadding);
  view->header()->resizeSection(kDateColumn, fm.horizontalAdvance(date) + kPadding);
}

}  // namespace

QVariant file_column_text(const QFileInfo& info, int column, const QLocale& locale) {
  switch (column) {
    case kSizeColumn: return info.isDir() ? QVariant(QString()) : QVariant(locale.formattedDataSize(info.size()));
    case kTypeColumn: return info.isDir() ? QVariant(QString::fromUtf8("文件夹")) : QVariant();
    case kDateColumn: return locale.toString(info.lastModified(), QLocale::ShortFormat);
    default: return {};
  }
}

QString dialog_folder(FileDialog which) {
  if (which == FileDialog::SaveScheme || which == FileDialog::LoadScheme) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/schemes";
    QDir().mkpath(folder);
    return folder;
  }
  // A documents folder that does not exist would become the proposed name.
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

void set_up_file_dialog(QFileDialog& dialog, FileDialog which, const QString& page) {
  const bool scheme = which == FileDialog::SaveScheme || which == FileDialog::LoadScheme;
  const bool save = which == FileDialog::SaveScheme || which == FileDialog::Export;
  switch (which) {
    case FileDialog::SaveScheme: dialog.setWindowTitle(QString::fromUtf8("保存方案")); break;
    case FileDialog::LoadScheme: dialog.setWindowTitle(QString::fromUtf8("载入方案")); break;
    case FileDialog::Export: dialog.setWindowTitle(QString::fromUtf8("导出文件")); break;
    case FileDialog::OpenDraws: dialog.setWindowTitle(QString::fromUtf8("打开开奖号码")); break;
  }
  // Qt's own dialog on every desktop, so that it lists, names and speaks as set here.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setDirectory(dialog_folder(which));
  dialog.setNameFilters({scheme ? QString::fromUtf8("方案文件 (*.scheme)") : QString::fromUtf8("文本文件 (*.txt)"),
                         QString::fromUtf8("所有文件 (*)")});
  // A name typed without a suffix gets the one that the load dialog lists.
  if (save) dialog.setDefaultSuffix(scheme ? "scheme" : "txt");
  if (which == FileDialog::Export) dialog.selectFile(page + "-" + QDate::currentDate().toString("yyyyMMdd") + ".txt");
  // In the language of the program's texts, wide enough for every column.
  dialog.setLocale(QLocale());
  if (QLocale().language() == QLocale::Chinese) dialog.setProxyModel(new LocalColumns(&dialog));
  dialog.resize(std::max(dialog.width(), kDialogWidth), std::max(dialog.height(), kDialogHeight));
  size_columns(dialog);
}

}  // namespace tesvik
