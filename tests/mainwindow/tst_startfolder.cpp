// The window works in the folder named on its command line; without one,
// on Windows in 文件\岑禾 (tests/windows), elsewhere where it was started.
#include "app/startfolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestStartFolder : public QObject
{
    Q_OBJECT

    QString m_started;

private Q_SLOTS:
    void init() { m_started = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(m_started); }

    void namedFolderBecomesCurrent()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("龍山寺 點燈"));
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(!StartFolder::enter({QStringLiteral("cenhe"), folder}));
        QCOMPARE(QDir::currentPath(), QFileInfo(folder).canonicalFilePath());
    }

    void missingFolderIsRefused()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("沒有這個"));
        const FileResult failure = StartFolder::enter({QStringLiteral("cenhe"), folder});
        QVERIFY(failure);
        QCOMPARE(failure->path, folder);
        QCOMPARE(failure->reason, QStringLiteral("找不到這個資料夾"));
        QCOMPARE(QDir::currentPath(), m_started);
    }

#ifndef Q_OS_WIN
    void withoutFolderStaysWhereStarted()
    {
        QVERIFY(!StartFolder::enter({QStringLiteral("cenhe")}));
        QCOMPARE(QDir::currentPath(), m_started);
    }
#endif
};

QTEST_GUILESS_MAIN(TestStartFolder)
#include "tst_startfolder.moc"
