#pragma once

#include <QString>

#include <optional>

// Why a file could not be read or written, or a printer not printed on: one
// value for every such failure in the program, with one wording for users.
// A write that returns one has left the file exactly as it was.
struct FileFailure {
    enum class Action { Read, Write, Print };

    QString path; // as the caller gave it; the printer's name for Print
    QString reason; // what the system said, for the user and for logs
    Action action = Action::Write;

    // "無法寫入檔案：<full path>" and "原因：<reason>", the same words in
    // message boxes and on the command line. Boxes put the two on lines of
    // their own; the command line keeps each error on one line.
    QString text(QStringView between = u"\n") const;
    // The heading a message box puts above the text: "寫入錯誤" and so on.
    QString heading() const;
};

// Empty on success.
using FileResult = std::optional<FileFailure>;
