// Test helper: one copy of the program on the folder given, started as the
// program starts it (the folder lock first, its question answered with the
// second argument: takeover, readonly or cancel), its window offscreen and
// driven by lines on standard input:
//   save TEXT   puts TEXT into cell 1 through the editing dialog, clicks 存檔
//   size        one step up in the name panel's size (stored in sys.ini)
// Each message shown is printed as "message TEXT" (line breaks as "|"), each
// command ends with a line "saved", "refused" or "done" and one "title ...".
// When standard input ends the window is closed (a question about unsaved
// changes answered 否) and the program ends as a user's exit does.
#include "files/folderlock.h"
#include "frontend/sizespinbox.h"
#include "frontend/usermessages.h"
#include "mainwindow/folderopening.h"
#include "mainwindow/mainwindow.h"
#include "tests/mainwindow/dialogentry.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>

#include <cstdio>
#include <string>

namespace {

void say(const QString &line)
{
    std::puts(qPrintable(line));
    std::fflush(stdout);
}

UserMessages::Answer answerFor(const QString &lockAnswer, UserMessages::Kind kind)
{
    switch (kind) {
    case UserMessages::Kind::LockChoice:
        if (lockAnswer == QLatin1String("takeover"))
            return UserMessages::Answer::TakeOver;
        if (lockAnswer == QLatin1String("readonly"))
            return UserMessages::Answer::ReadOnly;
        return UserMessages::Answer::Cancel;
    case UserMessages::Kind::YesNoCancel:
    case UserMessages::Kind::YesNo:
        return UserMessages::Answer::No;
    default:
        return UserMessages::Answer::Ok;
    }
}

QString command(MainWindow &window, DialogEntry &edit, const QString &line)
{
    if (line.startsWith(QLatin1String("save "))) {
        edit.name(1, line.mid(5));
        window.findChild<QPushButton *>(QStringLiteral("bnSave"))->click();
        return window.hasUnsavedChanges() ? QStringLiteral("refused") : QStringLiteral("saved");
    }
    if (line == QLatin1String("size"))
        window.findChild<SizeSpinBox *>(QStringLiteral("spinSize"))->stepBy(1);
    return QStringLiteral("done");
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1])))
        return 2;
    const QString lockAnswer = QString::fromLocal8Bit(argv[2]);
    UserMessages::setAnswerer([&](const UserMessages::Shown &message) {
        say(QStringLiteral("message ") + QString(message.text).replace(u'\n', u'|'));
        return answerFor(lockAnswer, message.kind);
    });

    FolderLock lock(QDir::currentPath());
    const FolderAccess access = openDataFolder(lock);
    if (access == FolderAccess::Refused)
        return 1;
    MainWindow window;
    window.useFolder(access, lock);
    DialogEntry edit(window);
    window.show();
    window.startUp();
    say(access == FolderAccess::ReadOnly ? QStringLiteral("ready readonly")
                                         : QStringLiteral("ready writable"));

    char buffer[1024];
    while (std::fgets(buffer, sizeof buffer, stdin)) {
        const QString line = QString::fromUtf8(buffer).trimmed();
        say(command(window, edit, line));
        say(QStringLiteral("title ") + window.windowTitle());
    }
    window.close();
    say(window.isVisible() ? QStringLiteral("stays") : QStringLiteral("closed"));
    return 0;
}
