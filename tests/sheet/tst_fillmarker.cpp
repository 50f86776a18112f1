// The record of a fill under way: written, brought up to date, read back
// after a crash, told in words, and gone once the fill is over.
#include "sheet/fillmarker.h"
#include "tests/common/workdir.h"

#include <QTest>

class TestFillMarker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aFillLeavesItsRecordUntilItIsOver()
    {
        const WorkDir dir;
        const QString path = dir.path(FillMarker::fileName());
        QVERIFY(!FillMarker::leftBehind(path));
        FillMarker marker(path);
        QVERIFY(!marker.begin({QStringLiteral("地址"), QStringLiteral("匯入"), 4, 9}));
        QCOMPARE(FillMarker::leftBehind(path)->writtenThrough, 0);
        QVERIFY(!marker.pageWritten(4, 60));
        QVERIFY(!marker.pageWritten(5, 130));
        const std::optional<FillMarker::Record> left = FillMarker::leftBehind(path);
        QVERIFY(left);
        QCOMPARE(left->stem, QStringLiteral("地址"));
        QCOMPARE(left->action, QStringLiteral("匯入"));
        QCOMPARE((QList<int>{left->firstPage, left->lastPage, left->writtenThrough, left->lastRow}),
                 (QList<int>{4, 9, 5, 130}));
        QVERIFY(!marker.finish());
        QVERIFY(!dir.exists(FillMarker::fileName()));
        QVERIFY(!marker.finish()); // nothing left to remove
    }

    void aMarkerThatCannotBeWrittenSaysWhy()
    {
        const WorkDir dir;
        const QString path = dir.path(QStringLiteral("沒有的資料夾/") + FillMarker::fileName());
        FillMarker marker(path);
        const FileResult failure = marker.begin({QStringLiteral("姓名"), {}, 1, 2});
        QVERIFY(failure);
        QCOMPARE(failure->path, path);
        QVERIFY(!failure->reason.isEmpty());
    }

    void theNextStartTellsWhereItStopped_data()
    {
        QTest::addColumn<QByteArray>("marker");
        QTest::addColumn<QString>("told");
        QTest::newRow("pages and rows")
            << QByteArray("[填入]\r\n種類=姓名\r\n動作=貼上\r\n起始頁=1\r\n結束頁=5\r\n"
                          "[已寫入]\r\n1=70\r\n2=140\r\n")
            << "上次填入於第 1 頁中斷（貼上，姓名1.ini 到 姓名5.ini），已寫入第 1–2 頁，至第 140 列。";
        QTest::newRow("an undo, no rows")
            << QByteArray("[填入]\r\n種類=座位\r\n動作=復原匯入\r\n起始頁=3\r\n結束頁=4\r\n"
                          "[已寫入]\r\n3=0\r\n")
            << "上次填入於第 3 頁中斷（復原匯入，座位3.ini 到 座位4.ini），已寫入第 3–3 頁。";
        QTest::newRow("before the first page")
            << QByteArray("[填入]\r\n種類=姓名\r\n動作=貼上\r\n起始頁=2\r\n結束頁=7\r\n"
                          "[已寫入]\r\n")
            << "上次填入於第 2 頁中斷（貼上，姓名2.ini 到 姓名7.ini），未寫入任何一頁。";
        QTest::newRow("cut off") << QByteArray("[填入]\r\n種類=姓")
                                 << "上次填入中斷，無法得知已寫入哪些頁。";
        QTest::newRow("empty") << QByteArray() << "上次填入中斷，無法得知已寫入哪些頁。";
    }

    void theNextStartTellsWhereItStopped()
    {
        QFETCH(QByteArray, marker);
        QFETCH(QString, told);
        const WorkDir dir({{FillMarker::fileName(), marker}});
        const std::optional<FillMarker::Record> left =
            FillMarker::leftBehind(dir.path(FillMarker::fileName()));
        QVERIFY(left);
        QCOMPARE(FillMarker::report(*left), told);
    }
};

QTEST_MAIN(TestFillMarker)
#include "tst_fillmarker.moc"
