#pragma once
// The page tools' file dialogs: the folder each starts in, the files it
// lists, the suffix a typed name gets and the name an export proposes.

#include <QString>

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
void set_up_file_dialog(QFileDialog& dialog, FileDialog which, const QString& page);

}  // namespace tesvik
