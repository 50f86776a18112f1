#pragma once

#include "tests/common/filefixture.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <utility>

// A fresh working directory for one test: the program's files live in the
// current directory, so each test gets its own and leaves it afterwards.
class WorkDir
{
public:
    // Names and contents of files to write into it.
    using Files = QList<std::pair<QString, QByteArray>>;

    WorkDir()
        : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(m_dir.path());
    }
    explicit WorkDir(const Files &files)
        : WorkDir()
    {
        for (const auto &[name, bytes] : files)
            write(name, bytes);
    }
    ~WorkDir() { QDir::setCurrent(m_previous); }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    void write(const QString &name, const QByteArray &bytes) const { writeAll(path(name), bytes); }
    QByteArray read(const QString &name) const { return readAll(path(name)); }

    bool exists(const QString &name) const { return QFile::exists(path(name)); }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};
