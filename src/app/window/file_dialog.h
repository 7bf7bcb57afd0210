#pragma once
// The page tools' file dialogs: the folder each starts in, the files it
// lists, the suffix a typed name gets and the name an export proposes.

#include <QFileInfo>
#include <QLocale>
#include <QString>
#include <QVariant>

#include "support/user_port.h"

class QFileDialog;
class QWidget;

namespace tesvik {

// Schemes: the "schemes" folder of the user's data location, made when
// missing. Exports and past draws: the documents folder where it exists,
// else the home folder.
QString dialog_folder(FileDialog which);

// The dialog of `which`, set up to run; `page` names the page ("前三") in the
// name that an export proposes.
// Qt's own dialog in the program's locale (QLocale's default) with room
// for its columns; a Chinese locale also writes the file list's sizes,
// dates and folder type in Chinese.
void set_up_file_dialog(QFileDialog& dialog, FileDialog which, const QString& page);

// A column of the file list (1 size, 2 type, 3 date) for a file in
// `locale`; an invalid value leaves Qt's own text.
QVariant file_column_text(const QFileInfo& info, int column, const QLocale& locale);

}  // namespace tesvik
