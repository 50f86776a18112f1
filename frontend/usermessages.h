#pragma once

#include "files/filefailure.h"

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// Every message box the program shows goes through here: Traditional
// Chinese, titled "岑禾". Tests install an answerer so that no modal box
// ever opens and every message can be checked.
namespace UserMessages {

enum class Answer { Ok, Yes, No, Cancel, TakeOver, ReadOnly };

enum class Kind {
    Information, // OK only
    Error, // OK only
    YesNoCancel, // 是 / 否 / 取消
    YesNo, // 是 / 否
    LockChoice, // 仍要開啟 / 唯讀開啟 / 取消
    GoOnOrBack, // two named answers: going on is Yes, going back Cancel
};

struct Shown {
    Kind kind;
    QString text;
    QStringList buttons = {}; // the named answers of GoOnOrBack, going on first
};

// Plain message with an OK button.
void inform(QWidget *parent, const QString &text);
// An error the user must see, with an OK button.
void showError(QWidget *parent, const QString &text);
// A file that could not be read or written, or a print that failed, in the
// one wording the program uses for it: heading, path and reason, then what
// the program does about it, where that needs saying.
void showFailure(QWidget *parent, const FileFailure &failure, const QString &consequence = {});
// 是 / 否 / 取消; the close box counts as 取消.
Answer askYesNoCancel(QWidget *parent, const QString &text);
// 是 / 否 with 否 the default; the close box counts as 否.
Answer askYesNo(QWidget *parent, const QString &text);
// A folder lock nobody here holds: 仍要開啟 (TakeOver), 唯讀開啟 (ReadOnly)
// or 取消 (Cancel, also the close box).
Answer askLockChoice(QWidget *parent, const QString &text);
// Two named answers with their mnemonics, such as "列印(&P)" and "返回(&R)":
// Yes for going on; the going-back button, Esc and the close box give Cancel.
// Going back is the default, so a hurried Enter spoils nothing.
Answer askGoOnOrBack(QWidget *parent, const QString &text, const QString &goOn,
                     const QString &back);

// Test seam: while set, called instead of opening a box; its answer is
// taken as the user's.
using Answerer = std::function<Answer(const Shown &)>;
void setAnswerer(Answerer answerer);

} // namespace UserMessages
