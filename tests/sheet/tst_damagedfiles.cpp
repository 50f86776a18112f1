// Files with a few damaged bytes (a copy cut short, one stray byte): the
// encoding they are written in is kept, every intact character reads as it
// is, and the first save keeps the original bytes in a copy beside the file.
#include "ini/inidocument.h"
#include "ini/inistore.h"
#include "sheet/sheetpage.h"
#include "sheet/sysini.h"

#include "tests/common/filefixture.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(IniEncoding)

namespace {

QString nameOf(int cell)
{
    static const QStringList names = {QStringLiteral("陳美玲"), QStringLiteral("林志明"),
                                      QStringLiteral("許功蓋"), QStringLiteral("張雅婷"),
                                      QStringLiteral("王小明")};
    return names[cell % names.size()] + QString::number(cell);
}

// A full page of 70 names as the predecessor wrote it.
QString pageText()
{
    QString text;
    for (int cell = 1; cell <= SheetPage::CellCount; ++cell)
        text += QStringLiteral("[%1]\r\n0=%2\r\n1=\r\n2=\r\n3=\r\n").arg(cell).arg(nameOf(cell));
    return text;
}

QByteArray big5(const QString &text)
{
    QStringEncoder encoder("windows-950");
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        qFatal("fixture text is not Big5");
    return bytes;
}

QByteArray utf16(const QString &text)
{
    return QByteArray("\xFF\xFE")
        + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

QByteArray cutBig5Page()
{
    const QByteArray bytes = big5(pageText() + QStringLiteral("[71]\r\n0=林"));
    return bytes.left(bytes.size() - 1); // ends inside 林
}

QByteArray strayByteBig5Page()
{
    QByteArray bytes = big5(pageText());
    const QByteArray line = big5(QStringLiteral("0=%1\r\n").arg(nameOf(70)));
    bytes.insert(bytes.indexOf(line) + line.size() - 2, '\xA4'); // Big5 has no character A4 0D
    return bytes;
}

QByteArray oddUtf16Page()
{
    return utf16(pageText()) + "\x41";
}

QStringList copiesOf(const QString &path)
{
    const QFileInfo file(path);
    return file.dir().entryList({file.fileName() + QStringLiteral(".損毀備份-*")}, QDir::Files,
                                QDir::Name);
}

// The file system, except that replacing a file always fails: a save that
// fails after its copy was kept, as on a disk that fills up meanwhile.
class FailingReplace : public IniStore
{
public:
    QString refusal(const QString &path) const override { return fileStore().refusal(path); }
    QString keepCopy(const QString &path, const QByteArray &bytes, QString &copyPath) override
    {
        return fileStore().keepCopy(path, bytes, copyPath);
    }
    QString replace(const QString &, const QByteArray &) override
    {
        return QStringLiteral("磁碟已滿");
    }
};

} // namespace

class TestDamagedFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void init() { QVERIFY(QDir(m_dir.path()).removeRecursively() && QDir().mkpath(m_dir.path())); }

    void intactNamesReadAsWritten_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<IniEncoding>("encoding");
        QTest::newRow("big5 cut inside its last character")
            << cutBig5Page() << IniEncoding::LegacyBig5;
        QTest::newRow("big5 with a stray byte") << strayByteBig5Page() << IniEncoding::LegacyBig5;
        QTest::newRow("utf-16 with an odd byte count") << oddUtf16Page() << IniEncoding::Utf16LE;
    }

    void intactNamesReadAsWritten()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(IniEncoding, encoding);
        const QString path = m_dir.filePath(QStringLiteral("姓名1.ini"));
        writeAll(path, bytes);
        const IniDocument doc = IniDocument::load(path);
        QCOMPARE(doc.encoding(), encoding);
        QVERIFY(doc.isDamaged());
        const SheetPage::Cells cells = SheetPage::readPage(path);
        for (int cell = 1; cell < SheetPage::CellCount; ++cell)
            QCOMPARE(cells[cell - 1][0], nameOf(cell));
        // Only the damaged bytes are replaced.
        QVERIFY(cells[69][0].startsWith(nameOf(70)) || cells[69][0] == nameOf(70));
    }

    void firstSaveKeepsTheOriginalBytes_data() { intactNamesReadAsWritten_data(); }

    void firstSaveKeepsTheOriginalBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(IniEncoding, encoding);
        const QString path = m_dir.filePath(QStringLiteral("姓名1.ini"));
        writeAll(path, bytes);
        SheetPage::Cells cells = SheetPage::readPage(path);
        cells[0][1] = QStringLiteral("民國六十年三月五日");
        QString copy;
        QVERIFY(!SheetPage::writePage(path, cells, &copy));
        QCOMPARE(copiesOf(path).size(), 1);
        QCOMPARE(QFileInfo(copy).fileName(), copiesOf(path).constFirst());
        // The first copy of a minute has no number after it.
        static const QRegularExpression firstCopy(
            QStringLiteral("^姓名1\\.ini\\.損毀備份-\\d{8}-\\d{4}$"));
        QVERIFY2(firstCopy.match(QFileInfo(copy).fileName()).hasMatch(), qPrintable(copy));
        QCOMPARE(readAll(copy), bytes);

        // The saved file is whole again, in its own encoding, with every name.
        const IniDocument saved = IniDocument::load(path);
        QVERIFY(!saved.isDamaged());
        QCOMPARE(saved.encoding(), encoding);
        const SheetPage::Cells again = SheetPage::readPage(path);
        for (int cell = 1; cell < SheetPage::CellCount; ++cell)
            QCOMPARE(again[cell - 1][0], nameOf(cell));
        QCOMPARE(again[0][1], QStringLiteral("民國六十年三月五日"));

        // Told once: later saves make no further copy.
        QString second;
        QVERIFY(!SheetPage::writePage(path, again, &second));
        QCOMPARE(second, QString());
        QCOMPARE(copiesOf(path).size(), 1);
    }

    void copyNames_data()
    {
        QTest::addColumn<int>("attempt");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << 1 << QStringLiteral("/資料/姓名1.ini.損毀備份-20261210-1530");
        QTest::newRow("second") << 2 << QStringLiteral("/資料/姓名1.ini.損毀備份-20261210-1530-2");
        QTest::newRow("third") << 3 << QStringLiteral("/資料/姓名1.ini.損毀備份-20261210-1530-3");
    }

    void copyNames()
    {
        QFETCH(int, attempt);
        QFETCH(QString, name);
        const QDateTime when(QDate(2026, 12, 10), QTime(15, 30, 59));
        QCOMPARE(damagedCopyName(QStringLiteral("/資料/姓名1.ini"), when, attempt), name);
    }

    // Saves that fail after the copy was kept (each page turn tries again)
    // leave one copy, not one a try; the save that at last succeeds makes
    // none either, the original being kept already.
    void failedSavesLeaveOneCopy()
    {
        const QString path = m_dir.filePath(QStringLiteral("姓名4.ini"));
        writeAll(path, cutBig5Page());
        FailingReplace failing;
        QStringList madeCopies;
        for (int attempt = 0; attempt < 6; ++attempt) {
            IniDocument doc = IniDocument::load(path);
            QVERIFY(doc.setValue(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("新")));
            const FileResult failure = doc.saveTo(failing);
            QVERIFY(failure);
            QCOMPARE(failure->reason, QStringLiteral("磁碟已滿"));
            if (!doc.damagedCopyPath().isEmpty())
                madeCopies.append(doc.damagedCopyPath());
        }
        QCOMPARE(madeCopies.size(), 1);
        QCOMPARE(copiesOf(path), QStringList{QFileInfo(madeCopies[0]).fileName()});
        QCOMPARE(readAll(path), cutBig5Page());

        QString copy;
        QVERIFY(!SheetPage::writePage(path, SheetPage::readPage(path), &copy));
        QCOMPARE(copy, QString());
        QCOMPARE(copiesOf(path), QStringList{QFileInfo(madeCopies[0]).fileName()});
        QCOMPARE(readAll(madeCopies[0]), cutBig5Page());
    }

    void existingCopyIsNeverOverwritten()
    {
        const QString path = m_dir.filePath(QStringLiteral("姓名2.ini"));
        writeAll(path, cutBig5Page());
        // Whatever minute the save falls in, a copy by that name exists.
        const QDateTime now = QDateTime::currentDateTime();
        for (int minute = 0; minute < 3; ++minute)
            writeAll(
                path + now.addSecs(60 * minute).toString(QStringLiteral(".損毀備份-yyyyMMdd-HHmm")),
                "older copy");
        QString copy;
        QVERIFY(!SheetPage::writePage(path, SheetPage::readPage(path), &copy));
        QCOMPARE(readAll(copy), cutBig5Page());
        QCOMPARE(copiesOf(path).size(), 4);
        for (const QString &name : copiesOf(path)) {
            if (m_dir.filePath(name) != copy)
                QCOMPARE(readAll(m_dir.filePath(name)), QByteArray("older copy"));
        }
    }

    void damagedBig5SettingsKeepMarginsAndFont()
    {
        const QString path = m_dir.filePath(SysIni::fileName());
        QByteArray bytes = big5(
            QStringLiteral("[info]\r\nMode=1\r\n[M1font1]\r\nfont=標楷體\r\ncolor=0\r\nsize=20\r\n"
                           "[標籤]\r\nTOPMARGIN=3\r\nLEFTMARGIN=6\r\n"));
        bytes.insert(bytes.indexOf(big5(QStringLiteral("\r\n[標籤]"))),
                     '\xA4'); // one stray byte after size=20
        writeAll(path, bytes);
        IniDocument doc = IniDocument::load(path);
        QVERIFY(doc.isDamaged());
        QCOMPARE(doc.encoding(), IniEncoding::LegacyBig5);
        QCOMPARE(doc.value(QStringLiteral("M1font1"), SysIni::fontKey()), QStringLiteral("標楷體"));
        QCOMPARE(doc.value(SysIni::marginSection(), SysIni::topMarginKey()), QStringLiteral("3"));
        SysIni::setStyle(doc, labelKind(1)->sections().front(), QStringLiteral("標楷體"), 255, 24);
        QVERIFY(!doc.save());
        QCOMPARE(readAll(doc.damagedCopyPath()), bytes);
        const IniDocument saved = IniDocument::load(path);
        QCOMPARE(saved.value(QStringLiteral("M1font1"), SysIni::fontKey()),
                 QStringLiteral("標楷體"));
        QCOMPARE(saved.value(QStringLiteral("M1font1"), SysIni::sizeKey()), QStringLiteral("24"));
        QCOMPARE(saved.value(SysIni::marginSection(), SysIni::topMarginKey()), QStringLiteral("3"));
        QCOMPARE(saved.value(SysIni::marginSection(), SysIni::leftMarginKey()),
                 QStringLiteral("6"));
    }

    void cleanFileMakesNoCopy()
    {
        const QString path = m_dir.filePath(QStringLiteral("姓名3.ini"));
        writeAll(path, big5(pageText()));
        QVERIFY(!IniDocument::load(path).isDamaged());
        QString copy;
        QVERIFY(!SheetPage::writePage(path, SheetPage::readPage(path), &copy));
        QCOMPARE(copy, QString());
        QCOMPARE(readAll(path), big5(pageText()));
    }
};

QTEST_GUILESS_MAIN(TestDamagedFiles)
#include "tst_damagedfiles.moc"
