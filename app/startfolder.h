#pragma once

#include "files/filefailure.h"

#include <QString>
#include <QStringList>

// The folder the window works in (sys.ini and the page files), made the
// current folder for the whole run: the folder named on the command line;
// without one, on Windows 文件\岑禾 in the user's Documents folder, created
// at the first start; elsewhere the folder the program was started in
// (scripts/run.sh starts it in its data folder).
namespace StartFolder {

// `arguments` as QCoreApplication gives them, the program first.
FileResult enter(const QStringList &arguments);

// 文件\岑禾: the user's Documents folder and "岑禾".
QString documentsFolder();

} // namespace StartFolder
