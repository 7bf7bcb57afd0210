#include "app/window/file_dialog.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace tesvik {

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
}

}  // namespace tesvik
