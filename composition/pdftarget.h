#pragma once

#include <QString>

// Where an exported PDF may go: a new file, or an existing regular file
// that is a PDF already (it starts with "%PDF") or empty. A page file,
// sys.ini, any other file, a folder, a pipe or a device named by mistake is
// refused, so that an export never destroys what it was pointed at.
namespace PdfTarget {

// Why `path` must not be written with a PDF; empty when it may.
QString refusal(const QString &path);

} // namespace PdfTarget
