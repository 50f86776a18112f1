// The margin dialog: what it shows, what it stores, where it opens.
#include "printing/margindialog.h"

#include "frontend/previewwindow.h"
#include "printrun/printrun.h"
#include "sheet/datafolder.h"
#include "tests/common/messagelog.h"
#include "tests/common/workdir.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// A working folder of its own, with its sys.ini, written by this run.
struct InDir : WorkDir {
    DataFolder folder;
    QString sysIni() const { return path(QStringLiteral("sys.ini")); }
    QByteArray read() const { return WorkDir::read(QStringLiteral("sys.ini")); }
    void write(const QByteArray &bytes) const { WorkDir::write(QStringLiteral("sys.ini"), bytes); }
};

QLineEdit *edit(MarginDialog &dialog, const char *name)
{
    return dialog.findChild<QLineEdit *>(QLatin1String(name));
}

} // namespace

class TestMarginDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shows_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("left");
        // What prints: a value not above 0 shows the default the print run uses.
        QTest::newRow("nothing stored") << QByteArray() << "2"
                                        << "5";
        QTest::newRow("decimal") << QByteArray("TOPMARGIN=2.50\nLEFTMARGIN=6\n") << "2.5"
                                 << "6";
        QTest::newRow("not numbers") << QByteArray("TOPMARGIN=abc\nLEFTMARGIN=2,5\n") << "2"
                                     << "5";
        QTest::newRow("negative") << QByteArray("TOPMARGIN=-1\nLEFTMARGIN=\n") << "2"
                                  << "5";
        QTest::newRow("zero") << QByteArray("TOPMARGIN=0\nLEFTMARGIN=0.4\n") << "2"
                              << "0.4";
    }

    void shows()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, top);
        QFETCH(QString, left);
        InDir dir;
        if (!stored.isEmpty())
            dir.write("[標籤]\n" + stored);
        MarginDialog dialog(dir.folder);
        dialog.prepare();
        QCOMPARE(edit(dialog, "TopMarginEd")->text(), top);
        QCOMPARE(edit(dialog, "LeftMarginEd")->text(), left);
        // Tab order: the left margin first.
        QWidget *next = edit(dialog, "LeftMarginEd")->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        QCOMPARE(next, edit(dialog, "TopMarginEd"));
    }

    void saysWhichWayTheNumbersMove()
    {
        DataFolder folder;
        MarginDialog dialog(folder);
        const QString direction =
            dialog.findChild<QLabel *>(QStringLiteral("DirectionLbl"))->text();
        QVERIFY(direction.contains(QStringLiteral("數字加大")));
        QVERIFY(direction.contains(QStringLiteral("往右（左邊界）")));
        QVERIFY(direction.contains(QStringLiteral("往下（上邊界）")));
        // Without a kind there is no alignment sheet to show.
        QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("TestSheetBtn"))->isHidden());
    }

    void alignmentSheetAtTheTypedMargins()
    {
        InDir dir;
        MarginDialog dialog(dir.folder, nullptr, 2);
        dialog.show();
        edit(dialog, "TopMarginEd")->setText(QStringLiteral("3"));
        edit(dialog, "LeftMarginEd")->setText(QStringLiteral("abc"));
        QList<ComposedPage> shown;
        bool opened = false;
        QTimer::singleShot(0, [&] {
            if (auto *preview = qobject_cast<PreviewWindow *>(QApplication::activeModalWidget())) {
                opened = true;
                shown = preview->pages();
                preview->reject();
            }
        });
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("TestSheetBtn")),
                          Qt::LeftButton);
        QTRY_VERIFY(opened);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].paper.topMarginMm, 3.0);
        QCOMPARE(shown[0].paper.leftMarginMm, 5.0); // not a number: the default
        QCOMPARE(shown[0].labels.size(), 70);
        QCOMPARE(shown[0].marks.outlines.size(), 70);
        // Nothing stored until OK.
        QVERIFY(dir.read().isEmpty());
    }

    void storesAsTyped()
    {
        InDir dir;
        dir.write("[info]\nMode=2\n");
        MarginDialog dialog(dir.folder);
        dialog.prepare();
        edit(dialog, "TopMarginEd")->setText(QStringLiteral("3"));
        edit(dialog, "LeftMarginEd")->setText(QStringLiteral("-1"));
        dialog.findChild<QPushButton *>(QStringLiteral("OkBtn"))->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dir.read(), QByteArray("[info]\nMode=2\n[標籤]\nTOPMARGIN=3\nLEFTMARGIN=-1\n"));
    }

    void cancelStoresNothing()
    {
        InDir dir;
        dir.write("[標籤]\nTOPMARGIN=3\n");
        MarginDialog dialog(dir.folder);
        dialog.prepare();
        edit(dialog, "TopMarginEd")->setText(QStringLiteral("9"));
        dialog.findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dir.read(), QByteArray("[標籤]\nTOPMARGIN=3\n"));
    }

    // A run that writes nothing keeps what 確定 stores for itself: sys.ini
    // stays byte for byte, and the run's prints and the dialog use the
    // margins typed.
    void readOnlyRunKeepsTheMarginsInMemory()
    {
        InDir dir;
        const QByteArray stored = "[info]\r\nMode=2\r\n[標籤]\r\nTOPMARGIN=2\r\n";
        dir.write(stored);
        dir.folder.setReadOnly();
        MessageLog messages;
        {
            MarginDialog dialog(dir.folder);
            dialog.prepare();
            edit(dialog, "TopMarginEd")->setText(QStringLiteral("3.5"));
            edit(dialog, "LeftMarginEd")->setText(QStringLiteral("6"));
            dialog.findChild<QPushButton *>(QStringLiteral("OkBtn"))->click();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(dir.read(), stored);
        const PrintRun::Margins margins = PrintRun::readMargins(dir.folder.settings());
        QCOMPARE(margins.top, 3.5);
        QCOMPARE(margins.left, 6.0);
        MarginDialog again(dir.folder);
        again.prepare();
        QCOMPARE(edit(again, "TopMarginEd")->text(), QStringLiteral("3.5"));
    }

    void refusedWriteIsShownAndDialogCloses()
    {
        InDir dir;
        dir.write("[標籤]\nTOPMARGIN=3\n");
        QFile::setPermissions(dir.sysIni(), QFile::ReadOwner);
        MessageLog messages;
        MarginDialog dialog(dir.folder);
        dialog.prepare();
        edit(dialog, "TopMarginEd")->setText(QStringLiteral("5"));
        dialog.findChild<QPushButton *>(QStringLiteral("OkBtn"))->click();
        QFile::setPermissions(dir.sysIni(), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.shown[0].text.startsWith(QStringLiteral("Unable to write to ")
                                                  + dir.sysIni()));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dir.read(), QByteArray("[標籤]\nTOPMARGIN=3\n"));
    }

    void placement_data()
    {
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("room to the right") << QPoint(100, 200) << QPoint(100, 200);
        QTest::newRow("near the right edge") << QPoint(1200, 50) << QPoint(1280 - 280 - 10, 50);
        QTest::newRow("exactly fits") << QPoint(1000, 50) << QPoint(1000, 50);
        QTest::newRow("near the bottom edge") << QPoint(10, 1000) << QPoint(10, 1024 - 100 - 10);
        QTest::newRow("bottom right corner")
            << QPoint(1270, 1020) << QPoint(1280 - 280 - 10, 1024 - 100 - 10);
    }

    void placement()
    {
        QFETCH(QPoint, cursor);
        QFETCH(QPoint, place);
        QCOMPARE(MarginEditing::placeAtCursor(cursor, QSize(280, 100), QRect(0, 0, 1280, 1024)),
                 place);
    }
};

QTEST_MAIN(TestMarginDialog)
#include "tst_margindialog.moc"
