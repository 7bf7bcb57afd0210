// The page tools in the window: the file dialogs of schemes and exports
// and the history dialog. The user's folders are those of a fresh account
// in a temporary home without a documents folder.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeView>

#include "app/window/file_dialog.h"
#include "app/window/history_dialog.h"
#include "app/window/tip_window.h"
#include "window_fixture.h"

namespace tesvik {
namespace {

// Sets an environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray& value)
      : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
    qputenv(name, value);
  }
  ~ScopedEnv() {
    if (had_) qputenv(name_, old_);
    else qunsetenv(name_);
  }

 private:
  const char* name_;
  QByteArray old_;
  bool had_;
};

class PageTools : public Window {
 protected:
  QPushButton* tool(const char* caption) {
    auto* b = window.findChild<QPushButton*>(QString::fromUtf8(caption));
    EXPECT_NE(b, nullptr);
    return b;
  }
  // Runs `answer` in the next file dialog, then lets the tip that may follow pass.
  void on_file_dialog(std::function<void(QFileDialog*)> answer) {
    on_next_modal<QFileDialog>(std::move(answer));
    on_next_modal<TipWindow>([this](TipWindow*) { window.advance(kTipMilliseconds); });
  }

  QTemporaryDir home;
  ScopedEnv home_env{"HOME", home.path().toUtf8()};
  ScopedEnv config_env{"XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8()};
  ScopedEnv data_env{"XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8()};
};

// A scheme saved under a name without a suffix gets ".scheme", which the
// load dialog lists; loading it brings back the page's conditions.
TEST_F(PageTools, SchemeSavedWithoutSuffixIsListedAndLoads) {
  started();
  click(Ctl::C_ding, 0);
  click(Ctl::C_annv, 49);
  on_file_dialog([](QFileDialog* d) {
    d->findChild<QLineEdit*>("fileNameEdit")->setText("myplan");
    static_cast<QDialog*>(d)->accept();  // as the dialog's button does
  });
  QTest::mouseClick(tool("保存方案"), Qt::LeftButton);
  const QString folder = dialog_folder(FileDialog::SaveScheme);
  ASSERT_TRUE(QFileInfo::exists(folder + "/myplan.scheme"));

  click(Ctl::C_annv, 49);
  EXPECT_EQ(window.app().button_of({Ctl::C_annv, 49})->colour, kNeutral);
  bool listed = false;
  on_file_dialog([&](QFileDialog* d) {
    EXPECT_EQ(QDir(d->directory()).canonicalPath(), QDir(folder).canonicalPath());
    listed = d->selectedNameFilter().contains("(*.scheme)") &&
             QDir(folder).entryList({"*.scheme"}, QDir::Files).contains("myplan.scheme");
    EXPECT_TRUE(d->nameFilters().contains(QString::fromUtf8("所有文件 (*)")));
    d->selectFile("myplan.scheme");
    static_cast<QDialog*>(d)->accept();  // as the dialog's button does
  });
  QTest::mouseClick(tool("载入方案"), Qt::LeftButton);
  EXPECT_TRUE(listed);
  EXPECT_EQ(window.app().button_of({Ctl::C_annv, 49})->colour, kKill);
}

// Folders are "文件夹" and dates are digits in the file list of a Chinese
// interface, which Qt's model writes in the system's locale.
TEST(FileColumns, FolderTypeAndDateInChinese) {
  QTemporaryDir dir;
  const QLocale chinese(QLocale::Chinese, QLocale::China);
  const QFileInfo folder(dir.path());
  EXPECT_EQ(file_column_text(folder, 2, chinese).toString(), QString::fromUtf8("文件夹"));
  EXPECT_EQ(file_column_text(folder, 1, chinese).toString(), "");
  const QString date = file_column_text(folder, 3, chinese).toString();
  EXPECT_TRUE(date.contains(QString::number(folder.lastModified().date().year()))) << date.toStdString();
  EXPECT_FALSE(date.contains(QRegularExpression("[A-Za-z]"))) << date.toStdString();
  EXPECT_FALSE(file_column_text(folder, 0, chinese).isValid());
}

// Without a documents folder the export starts in the home folder and
// proposes a text file named after the page and the day.
TEST_F(PageTools, ExportProposesATextFileInAnExistingFolder) {
  started();
  click(Ctl::C_ding, 0);
  click(Ctl::C_jg_gn, 0);
  QString proposed;
  on_file_dialog([&](QFileDialog* d) {
    proposed = d->selectedFiles().value(0);
    EXPECT_EQ(d->locale().language(), QLocale::Chinese);
    auto* view = d->findChild<QTreeView*>("treeView");
    ASSERT_NE(view, nullptr);
    const QString date = file_column_text(QFileInfo(home.path()), 3, d->locale()).toString();
    EXPECT_GE(view->header()->sectionSize(3), QFontMetrics(view->font()).horizontalAdvance(date));
    EXPECT_EQ(d->selectedNameFilter(), QString::fromUtf8("文本文件 (*.txt)"));
    static_cast<QDialog*>(d)->accept();  // as the dialog's button does
  });
  QTest::mouseClick(tool("导出文件"), Qt::LeftButton);
  const QFileInfo file(proposed);
  EXPECT_EQ(file.suffix(), "txt");
  EXPECT_TRUE(file.fileName().startsWith(QString::fromUtf8("前三-"))) << proposed.toStdString();
  EXPECT_EQ(QDir(file.absolutePath()).canonicalPath(), QDir(home.path()).canonicalPath());
  EXPECT_TRUE(file.exists());
}

// The history dialog has a close button, closes by Escape, and shows the
// draws of its last opening again.
TEST_F(PageTools, HistoryDialogKeepsItsDrawsAndClosesByEscape) {
  started();
  click(Ctl::C_ding, 0);
  click(Ctl::C_jg_gn, 0);
  bool closed = false;
  on_next_modal<QDialog>([&](QDialog* modal) {
    auto* d = dynamic_cast<HistoryDialog*>(modal);
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    d->draws()->setPlainText("03 07 01");
    QTest::keyClick(d->draws(), Qt::Key_Escape);
    closed = d->isHidden();
  });
  QTest::mouseClick(tool("历史验证"), Qt::LeftButton);
  EXPECT_TRUE(closed);
  QString kept;
  on_next_modal<QDialog>([&](QDialog* modal) {
    if (auto* d = dynamic_cast<HistoryDialog*>(modal)) kept = d->draws()->toPlainText();
    modal->reject();
  });
  click(Ctl::C_ding, 1);
  QTest::mouseClick(tool("历史验证"), Qt::LeftButton);
  EXPECT_EQ(kept, "03 07 01");
}

}  // namespace
}  // namespace tesvik
