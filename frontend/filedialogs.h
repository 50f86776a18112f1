#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every file dialog the program shows goes through here, with Traditional
// Chinese labels. Tests install an answerer so that no dialog ever opens.
namespace FileDialogs {

struct SaveRequest {
    QString caption;
    QString suggestedPath;
    QString filter;
    bool opening = false; // asked by openFileName
};

// Why a chosen path must not be written; empty when it may.
using Refusal = std::function<QString(const QString &path)>;

// Asks where to save. Returns the chosen path, or the empty text when the
// user cancels. A path `refusal` refuses is told as a failed write and the
// dialog asks again. Choosing an existing file asks (through UserMessages)
// whether to replace it: 是 takes it, 否 asks for another name, 取消
// cancels. The suffix of suggestedPath is added to a name typed without one.
QString saveFileName(QWidget *parent, const QString &caption, const QString &suggestedPath,
                     const QString &filter, const Refusal &refusal = {});

// Asks for an existing file to read. Returns its path, or the empty text
// when the user cancels.
QString openFileName(QWidget *parent, const QString &caption, const QString &folder,
                     const QString &filter);

// Test seam: while set, called instead of opening the dialog; its answer is
// taken as the path the user chose (empty text for cancel).
using Answerer = std::function<QString(const SaveRequest &)>;
void setAnswerer(Answerer answerer);

} // namespace FileDialogs
