#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// Checks that need a user the system holds to file permissions. CI runs as
// root, who reads and writes anything, so such a check runs again as the
// user nobody: this test program, copied into a folder nobody can use, runs
// the named test functions, making its files in a folder of its own.
inline bool runsAsRoot()
{
#ifdef Q_OS_UNIX
    return ::geteuid() == 0;
#else
    return false;
#endif
}

// True when every one of `functions` passed as nobody; their output goes to
// this test's own.
inline bool passesAsNobody(const QStringList &functions)
{
    QTemporaryDir place;
    const QString program = place.filePath(QStringLiteral("unprivileged-test"));
    constexpr QFile::Permissions Usable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
        | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    if (!QFile::setPermissions(place.path(), Usable)
        || !QFile::copy(QCoreApplication::applicationFilePath(), program)
        || !QFile::setPermissions(program, Usable))
        return false;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.setWorkingDirectory(place.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), QStringLiteral("/tmp"));
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral("setpriv"),
                QStringList{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                            QStringLiteral("--clear-groups"), program}
                    + functions);
    if (!child.waitForFinished(120000)) {
        child.kill();
        child.waitForFinished();
        return false;
    }
    return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}
