#pragma once

#include <QString>

class QWidget;

// Tells the user that a file with damaged bytes was about to be written
// over and that its original bytes were kept in a copy: names both files.
// Nothing when `copyPath` is empty (no copy was made).
void tellDamagedFileKept(QWidget *parent, const QString &path, const QString &copyPath);
