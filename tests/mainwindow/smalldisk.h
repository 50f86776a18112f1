#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

// A small tmpfs mounted for the test (needs the right to mount).
class SmallDisk
{
public:
    SmallDisk()
    {
        m_mounted =
            QProcess::execute(QStringLiteral("mount"),
                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                               QStringLiteral("size=256k"), QStringLiteral("tmpfs"), m_dir.path()})
            == 0;
        if (m_mounted)
            QDir::setCurrent(m_dir.path());
    }
    ~SmallDisk()
    {
        QDir::setCurrent(m_previous);
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
    }
    bool mounted() const { return m_mounted; }

    // Writes until the disk refuses another byte.
    void fill() const
    {
        QFile filler(QStringLiteral("filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            qFatal("cannot create the filler");
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) { }
        while (filler.write("x", 1) == 1) { }
    }

private:
    QString m_previous = QDir::currentPath();
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
