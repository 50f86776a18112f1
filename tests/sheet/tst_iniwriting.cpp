// Writing rules of the INI module: what a write leaves in the file, and
// that a refused write leaves the file exactly as it was.
#include "ini/inidocument.h"
#include "ini/iniutil.h"

#include "tests/common/filefixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Restores write permission so the temporary folder can be removed.
struct PermissionGuard {
    QString path;
    QFile::Permissions saved;
    explicit PermissionGuard(QString p)
        : path(std::move(p))
        , saved(QFile::permissions(path))
    { }
    ~PermissionGuard() { QFile::setPermissions(path, saved); }
};

constexpr QFile::Permissions ReadOnlyFile =
    QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther;
constexpr QFile::Permissions ReadOnlyFolder =
    ReadOnlyFile | QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther;

} // namespace

class TestIniWriting : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void write_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");

        QTest::newRow("new file") << QByteArray() << "info"
                                  << "Mode"
                                  << "1" << QByteArray("[info]\r\nMode=1\r\n");
        QTest::newRow("in place") << QByteArray("[info]\nMode=2\nOther=x\n") << "info"
                                  << "Mode"
                                  << "3" << QByteArray("[info]\nMode=3\nOther=x\n");
        QTest::newRow("in place, other case and blanks")
            << QByteArray("[INFO]\n  mode = 2 \n") << "info"
            << "Mode"
            << "3" << QByteArray("[INFO]\nmode=3\n");
        QTest::newRow("empty value") << QByteArray("[a]\nk=v\n") << "a"
                                     << "k"
                                     << "" << QByteArray("[a]\nk=\n");
        QTest::newRow("new key after last key, before blank lines")
            << QByteArray("[a]\nx=1\n; note\n\n[b]\ny=2\n") << "a"
            << "k"
            << "v" << QByteArray("[a]\nx=1\nk=v\n; note\n\n[b]\ny=2\n");
        QTest::newRow("new key in empty section") << QByteArray("[a]\n\n[b]\n") << "a"
                                                  << "k"
                                                  << "v" << QByteArray("[a]\nk=v\n\n[b]\n");
        QTest::newRow("new section at end") << QByteArray("; top\n[a]\nx=1\n") << "b"
                                            << "k"
                                            << "v" << QByteArray("; top\n[a]\nx=1\n[b]\nk=v\n");
        QTest::newRow("file without final newline") << QByteArray("[a]\nx=1") << "b"
                                                    << "k"
                                                    << "v" << QByteArray("[a]\nx=1\n[b]\nk=v\n");
        QTest::newRow("new key, last line without newline") << QByteArray("[a]\nx=1") << "a"
                                                            << "k"
                                                            << "v" << QByteArray("[a]\nx=1\nk=v\n");
        QTest::newRow("crlf kept") << QByteArray("[a]\r\nx=1\r\n") << "a"
                                   << "k"
                                   << "v" << QByteArray("[a]\r\nx=1\r\nk=v\r\n");
        QTest::newRow("cr-only file, in place") << QByteArray("[a]\rk=1\rj=2\r") << "a"
                                                << "k"
                                                << "3" << QByteArray("[a]\rk=3\rj=2\r");
        QTest::newRow("cr-only file, new key") << QByteArray("[a]\rk=1\r") << "a"
                                               << "j"
                                               << "2" << QByteArray("[a]\rk=1\rj=2\r");
        QTest::newRow("stray cr kept, new line takes the dominant end")
            << QByteArray("[1]\r\n0=name-a\r1=line-b\r\n") << "1"
            << "2"
            << "c" << QByteArray("[1]\r\n0=name-a\r1=line-b\r\n2=c\r\n");
        QTest::newRow("mixed ends, new section takes the dominant end")
            << QByteArray("[a]\nx=1\r\ny=2\r\n") << "b"
            << "k"
            << "v" << QByteArray("[a]\nx=1\r\ny=2\r\n[b]\r\nk=v\r\n");
        QTest::newRow("first duplicate rewritten")
            << QByteArray("[a]\nk=1\nk=2\n[A]\nk=3\n") << "a"
            << "k"
            << "9" << QByteArray("[a]\nk=9\nk=2\n[A]\nk=3\n");
        QTest::newRow("leading blank kept by quoting") << QByteArray("[a]\n") << "a"
                                                       << "k"
                                                       << " 陳" << QByteArray("[a]\nk=\" 陳\"\n");
        QTest::newRow("quoted value kept by quoting") << QByteArray("[a]\n") << "a"
                                                      << "k"
                                                      << "'x'" << QByteArray("[a]\nk=\"'x'\"\n");
        QTest::newRow("lone quote not quoted") << QByteArray("[a]\n") << "a"
                                               << "k"
                                               << "\"x" << QByteArray("[a]\nk=\"x\n");
        QTest::newRow("chinese") << QByteArray("[info]\nMode=2\n") << "標籤"
                                 << "TOPMARGIN"
                                 << "3" << QByteArray("[info]\nMode=2\n[標籤]\nTOPMARGIN=3\n");
    }

    void write()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);

        const QString path = m_dir.filePath(QStringLiteral("w.ini"));
        QFile::remove(path);
        if (!before.isEmpty())
            writeAll(path, before);
        QVERIFY(!IniUtil::writeString(path, section, key, value));
        QCOMPARE(readAll(path), after);
        QCOMPARE(IniUtil::readString(path, section, key), value);
    }

    void refusedWrite_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("read-only file") << "file";
        QTest::newRow("read-only folder") << "folder";
        QTest::newRow("missing folder") << "missing";
        QTest::newRow("file is a folder") << "isdir";
    }

    void refusedWrite()
    {
        QFETCH(QString, what);
        QTemporaryDir dir;
        const QByteArray original("[info]\nMode=2\n");
        QString path = dir.filePath(QStringLiteral("sys.ini"));
        writeAll(path, original);
        std::optional<PermissionGuard> guard;
        if (what == QLatin1String("file")) {
            guard.emplace(path);
            QFile::setPermissions(path, ReadOnlyFile);
        } else if (what == QLatin1String("folder")) {
            guard.emplace(dir.path());
            QFile::setPermissions(dir.path(), ReadOnlyFolder);
        } else if (what == QLatin1String("missing")) {
            path = dir.filePath(QStringLiteral("gone/sys.ini"));
        } else {
            path = dir.path();
        }

        const FileResult result = IniUtil::writeString(path, QStringLiteral("info"),
                                                       QStringLiteral("Mode"), QStringLiteral("3"));
        QVERIFY(result);
        QCOMPARE(result->path, path);
        QCOMPARE(result->action, FileFailure::Action::Write);
        QVERIFY(!result->reason.isEmpty());
        if (what != QLatin1String("missing") && what != QLatin1String("isdir"))
            QCOMPARE(readAll(path), original);
        guard.reset();
        // No temporary file is left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("sys.ini")});
    }

    void lineBreakInValueIsRefused()
    {
        const QString path = m_dir.filePath(QStringLiteral("inject.ini"));
        writeAll(path, "[a]\nk=v\n");
        const FileResult result = IniUtil::writeString(
            path, QStringLiteral("a"), QStringLiteral("k"), QStringLiteral("x\r\n[b]\ny=1"));
        QVERIFY(result);
        QCOMPARE(readAll(path), QByteArray("[a]\nk=v\n"));
    }

    void symlinkIsFollowed()
    {
        QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath(QStringLiteral("real.ini"));
        writeAll(target, "[info]\nMode=2\n");
        const QString link = m_dir.filePath(QStringLiteral("link.ini"));
        QVERIFY(QFile::link(target, link));
        QVERIFY(!IniUtil::writeString(link, QStringLiteral("info"), QStringLiteral("Mode"),
                                      QStringLiteral("4")));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readAll(target), QByteArray("[info]\nMode=4\n"));
    }

    void newFileIsUtf8WithoutBom()
    {
        const QString path = m_dir.filePath(QStringLiteral("地址12.ini"));
        QVERIFY(!IniUtil::writeString(path, QStringLiteral("1"), QStringLiteral("0"),
                                      QStringLiteral("陳美玲")));
        QCOMPARE(readAll(path), QByteArray("[1]\r\n0=陳美玲\r\n"));
        QVERIFY(QFileInfo(path).permissions() & QFile::ReadGroup); // not a private temporary file
    }

    void utf16FileStaysUtf16()
    {
        const QString path = m_dir.filePath(QStringLiteral("u16.ini"));
        const QString text = QStringLiteral("[標籤]\r\nTOPMARGIN=3\r\n");
        writeAll(path,
                 QByteArray("\xFF\xFE")
                     + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2));
        QVERIFY(!IniUtil::writeString(path, QStringLiteral("標籤"), QStringLiteral("LEFTMARGIN"),
                                      QStringLiteral("6")));
        const QString expected = QStringLiteral("[標籤]\r\nTOPMARGIN=3\r\nLEFTMARGIN=6\r\n");
        QCOMPARE(readAll(path),
                 QByteArray("\xFF\xFE")
                     + QByteArray(reinterpret_cast<const char *>(expected.utf16()),
                                  expected.size() * 2));
    }

    void big5FileStaysBig5()
    {
        const QString path = m_dir.filePath(QStringLiteral("姓名1.ini"));
        writeAll(path, "[1]\r\n0=\xB3\x5C\r\n"); // 許
        QVERIFY(!IniUtil::writeString(path, QStringLiteral("2"), QStringLiteral("0"),
                                      QStringLiteral("功蓋")));
        QCOMPARE(readAll(path), QByteArray("[1]\r\n0=\xB3\x5C\r\n[2]\r\n0=\xA5\x5C\xBB\x5C\r\n"));
    }

    void big5FileTakingHkscsCharacterBecomesUtf16()
    {
        const QString path = m_dir.filePath(QStringLiteral("姓名2.ini"));
        writeAll(path, "[1]\r\n0=\xB3\x5C\r\n");
        QVERIFY(!IniUtil::writeString(path, QStringLiteral("2"), QStringLiteral("0"),
                                      QStringLiteral("王堃")));
        const QByteArray bytes = readAll(path);
        QVERIFY(bytes.startsWith("\xFF\xFE"));
        QCOMPARE(IniUtil::readString(path, QStringLiteral("1"), QStringLiteral("0")),
                 QStringLiteral("許"));
        QCOMPARE(IniUtil::readString(path, QStringLiteral("2"), QStringLiteral("0")),
                 QStringLiteral("王堃"));
    }

    void big5BytesThatReadAsUtf8BecomeUtf16()
    {
        // 聽 is C5 A5 in Big5, which is also UTF-8 (for ť): a file holding
        // only that would read back wrong, so it cannot stay Big5.
        const QString path = m_dir.filePath(QStringLiteral("姓名3.ini"));
        writeAll(path, "[1]\r\n0=\xB3\x5C\r\n"); // 許
        QVERIFY(!IniUtil::writeString(path, QStringLiteral("1"), QStringLiteral("0"),
                                      QStringLiteral("聽")));
        QVERIFY(readAll(path).startsWith("\xFF\xFE"));
        QCOMPARE(IniUtil::readString(path, QStringLiteral("1"), QStringLiteral("0")),
                 QStringLiteral("聽"));
    }

#ifdef Q_OS_UNIX
    // As root (CI), the file belongs to another user; as anyone else, to
    // this user. Either way owner, group and mode stay, and a symbolic
    // link stays a link to a file that keeps them.
    void saveKeepsOwnerAndMode_data()
    {
        QTest::addColumn<bool>("throughLink");
        QTest::newRow("file") << false;
        QTest::newRow("symbolic link") << true;
    }

    void saveKeepsOwnerAndMode()
    {
        QFETCH(bool, throughLink);
        QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath(QStringLiteral("姓名1.ini"));
        writeAll(target, "[1]\n0=林\n");
        const QByteArray native = QFile::encodeName(target);
        const uid_t owner = ::geteuid() == 0 ? 65534 : ::geteuid(); // nobody
        const gid_t group = ::geteuid() == 0 ? 65534 : ::getegid();
        QCOMPARE(::chown(native.constData(), owner, group), 0);
        QCOMPARE(::chmod(native.constData(), 0604), 0);
        QString path = target;
        if (throughLink) {
            path = m_dir.filePath(QStringLiteral("link1.ini"));
            QFile::remove(path);
            QVERIFY(QFile::link(target, path));
        }
        QVERIFY(!IniUtil::writeString(path, QStringLiteral("1"), QStringLiteral("0"),
                                      QStringLiteral("陳")));
        QCOMPARE(QFileInfo(path).isSymLink(), throughLink);
        QCOMPARE(readAll(target), QByteArray("[1]\n0=陳\n"));
        struct stat after {
        };
        QCOMPARE(::stat(native.constData(), &after), 0);
        QCOMPARE(after.st_uid, owner);
        QCOMPARE(after.st_gid, group);
        QCOMPARE(after.st_mode & 07777, mode_t(0604));
    }
#endif

    void documentEditsMatchOneValueWrites()
    {
        const QByteArray start("[b]\nk=1\n; c\n[a]\n");
        const QString viaDoc = m_dir.filePath(QStringLiteral("doc.ini"));
        const QString viaCalls = m_dir.filePath(QStringLiteral("calls.ini"));
        writeAll(viaDoc, start);
        writeAll(viaCalls, start);
        const QList<QStringList> writes = {
            {"a", "x", "1"}, {"b", "k", ""}, {"c", "y", "2"}, {"a", "z", "3"}, {"B", "n", "4"}};
        IniDocument doc = IniDocument::load(viaDoc);
        for (const QStringList &w : writes) {
            doc.setValue(w[0], w[1], w[2]);
            QVERIFY(!IniUtil::writeString(viaCalls, w[0], w[1], w[2]));
        }
        QVERIFY(!doc.save());
        QCOMPARE(readAll(viaDoc), readAll(viaCalls));
    }
};

QTEST_GUILESS_MAIN(TestIniWriting)
#include "tst_iniwriting.moc"
