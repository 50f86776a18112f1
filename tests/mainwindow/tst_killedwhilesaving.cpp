// The program killed at random moments while it saves pages: afterwards
// every page file and sys.ini reads whole, as one save or another left it.
#include "ini/inidocument.h"
#include "sheet/sheetpage.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Empty when the page file holds one whole save.
QString pageProblem(const QString &path)
{
    const SheetPage::Cells cells = SheetPage::readPage(path);
    static const QRegularExpression markPattern(QStringLiteral("^甲[0-9]+$"));
    const QString mark = cells[0][0];
    if (!markPattern.match(mark).hasMatch())
        return QStringLiteral("cell 1 holds '%1'").arg(mark);
    for (int i = 0; i < SheetPage::CellCount; ++i) {
        if (cells[i]
            != QStringList{mark, mark + QStringLiteral("生辰"), mark + QStringLiteral("地址"),
                           QString()})
            return QStringLiteral("cell %1 does not match cell 1").arg(i + 1);
    }
    return {};
}

QString settingsProblem(const QString &path)
{
    const IniDocument settings = IniDocument::load(path);
    // No kind change may have happened yet: then there is no Mode at all.
    const QString mode =
        settings.value(QStringLiteral("info"), QStringLiteral("Mode"), QStringLiteral("none"));
    if (mode != QLatin1String("none") && mode != QLatin1String("1") && mode != QLatin1String("2"))
        return QStringLiteral("Mode is '%1'").arg(mode);
    for (const QString &section : settings.sectionNames()) {
        if (!section.startsWith(QLatin1String("M")))
            continue;
        for (const char *key : {"font", "color", "size"}) {
            if (!settings.contains(section, QString::fromLatin1(key)))
                return QStringLiteral("%1 lacks %2").arg(section, QLatin1String(key));
        }
    }
    return {};
}

} // namespace

class TestKilledWhileSaving : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyFileStaysWhole()
    {
        QTemporaryDir dir;
        QRandomGenerator random(1210);
        constexpr int Rounds = 200;
        for (int round = 0; round < Rounds; ++round) {
            QProcess program;
            program.start(QStringLiteral(PAGETURNER_PATH), {dir.path()});
            QVERIFY(program.waitForStarted());
            QVERIFY2(program.waitForReadyRead(20000), program.readAllStandardError().constData());
            QThread::usleep(random.bounded(0, 30000));
            program.kill();
            QVERIFY(program.waitForFinished());

            const QStringList files =
                QDir(dir.path()).entryList({QStringLiteral("*.ini")}, QDir::Files);
            QVERIFY(files.contains(QStringLiteral("sys.ini")));
            for (const QString &name : files) {
                const QString file = dir.filePath(name);
                const QString problem =
                    name == QLatin1String("sys.ini") ? settingsProblem(file) : pageProblem(file);
                QVERIFY2(problem.isEmpty(), qPrintable(name + QStringLiteral(": ") + problem));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestKilledWhileSaving)
#include "tst_killedwhilesaving.moc"
