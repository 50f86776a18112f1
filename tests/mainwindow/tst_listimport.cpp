// 匯入名單 from the window with files made to exhaust the reader: each is
// refused or cut before it can, a long read shows its progress and can be
// stopped, and the label being typed on the shown page is never lost.
#include "frontend/filedialogs.h"
#include "lists/listlimits.h"
#include "mainwindow/listimportdialog.h"
#include "tests/common/messagelog.h"
#include "tests/common/progresssteps.h"
#include "tests/common/seamguards.h"
#include "tests/lists/hostilelists.h"
#include "tests/lists/xlsxfixture.h"
#include "tests/mainwindow/keyentry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <functional>

namespace {

// Types a name into cell 1 through the editing dialog, not saving it.
void typeFirstLabel(Session &session)
{
    DialogAnswer typed(session.editor,
                       [](QWidget *focus) { typeAndConfirm(focus, QStringLiteral("林志明")); });
    session.key(Qt::Key_Return);
    QVERIFY(typed.ran);
    QVERIFY(session.window.hasUnsavedChanges());
}

// Ctrl+O, the file dialog answered with the file `name` of the session's
// folder for as long as this lives: the shortcut clicks the button a moment
// later.
class ListImport
{
public:
    ListImport(Session &session, const QString &name)
        : m_answer([path = session.dir.path(name)](const FileDialogs::SaveRequest &request) {
            return request.opening ? path : QString();
        })
    {
        session.key(Qt::Key_O, Qt::ControlModifier);
    }

private:
    FileDialogAnswer m_answer;
};

// Runs `answer` in the import dialog whenever it opens, then closes it if
// the answer left it open, counting how often it opened; the progress dialog of the read before it
// is left alone.
class ImportDialogAnswer
{
public:
    explicit ImportDialogAnswer(std::function<void(QDialog *dialog)> answer = {})
    {
        m_poll.setInterval(10);
        QObject::connect(&m_poll, &QTimer::timeout, [this, answer] {
            auto *dialog = qobject_cast<ListImportDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            ++shown;
            if (answer)
                answer(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        m_poll.start();
    }
    int shown = 0;

private:
    QTimer m_poll;
};

} // namespace

class TestListImport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aHostileListIsRefusedAndTheTypedLabelKept_data()
    {
        using HostileLists::MB;
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("size"); // when not 0, a file of this size, no bytes written
        QTest::addColumn<bool>("stepped"); // read long enough to show its progress
        QTest::addColumn<QString>("reason");
        QTest::newRow("shared strings inflating to 3 GB")
            << "bomb.xlsx" << HostileLists::inflatingWorkbook() << qint64(0) << false
            << "解壓縮後超過 64 MB";
        QTest::newRow("a cell in column XFD in each of 2,000 rows")
            << "xfd.xlsx" << HostileLists::lastColumnWorkbook(2000) << qint64(0) << false
            << "前 64 欄中沒有名單資料";
        QTest::newRow("a cell in column XFD in each of 100,000 rows")
            << "xfd100k.xlsx" << HostileLists::lastColumnWorkbook(100000) << qint64(0) << true
            << "前 64 欄中沒有名單資料";
        QTest::newRow("bare CRs up to the size limit")
            << "cr.csv" << HostileLists::bareCrs(ListLimits::MaxFileBytes) << qint64(0) << true
            << "沒有名單資料";
        QTest::newRow("50 MB of bare CRs")
            << "cr50.csv" << HostileLists::bareCrs(50 * MB) << qint64(0) << false << "超過 20 MB";
        QTest::newRow("a CSV of 200 MB")
            << "big.csv" << QByteArray() << 200 * MB << false << "超過 20 MB";
        QTest::newRow("a value in each of 1,048,576 rows")
            << "rows.xlsx" << HostileLists::everyRowWorkbook() << qint64(0) << true
            << "超過 100,000 列";
    }

    // A list file made to exhaust memory or time is refused with a message
    // before it can, a long read showing its progress meanwhile; the label
    // typed on the shown page, not yet saved, stays and is saved as usual.
    void aHostileListIsRefusedAndTheTypedLabelKept()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, size);
        QFETCH(bool, stepped);
        QFETCH(QString, reason);
        Session session(1);
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        session.dir.write(file, bytes);
        if (size > 0)
            QVERIFY(QFile::resize(session.dir.path(file), size));
        typeFirstLabel(session);
        ImportDialogAnswer mapping;
        int steps = 0;
        const ProgressSteps progress([&steps](QProgressDialog *, int) { ++steps; });

        const ListImport import(session, file);

        // The bound only keeps a failing read from holding the test up.
        QTRY_COMPARE_WITH_TIMEOUT(session.messages.shown.size(), 1, 60000);
        QCOMPARE(mapping.shown, 0);
        QVERIFY2(session.messages.shown[0].text.contains(reason),
                 qPrintable(session.messages.shown[0].text));
        QCOMPARE(session.messages.shownUnderProgress, 0);
        if (stepped)
            QVERIFY(steps > 0);
        QCOMPARE(session.name(1), QStringLiteral("林志明"));
        QVERIFY(session.window.hasUnsavedChanges());
        session.key(Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(session.page(1).contains(section(1, QStringLiteral("林志明"))));
    }

    // Values past the 64th column are left unread, and the import dialog
    // says so above the first 64; closing it leaves the typed label.
    void aListWiderThan64ColumnsShowsItsFirst64AndSaysSo()
    {
        Session session(1);
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        session.dir.write(QStringLiteral("wide.csv"), HostileLists::wideCsv(100000));
        typeFirstLabel(session);
        ImportDialogAnswer mapping([](QDialog *dialog) {
            const auto *notice = dialog->findChild<QLabel *>(QStringLiteral("lblNotice"));
            QVERIFY(notice->isVisible());
            QCOMPARE(notice->text(), QStringLiteral("名單超過 64 欄，只讀取了第 1 到第 64 欄。"));
            QCOMPARE(dialog->findChild<QTableWidget *>(QStringLiteral("tblPreview"))->columnCount(),
                     64);
            QCOMPARE(dialog->findChild<QComboBox *>(QStringLiteral("cbbField0"))->count(), 65);
        });
        const ListImport import(session, QStringLiteral("wide.csv"));
        QTRY_COMPARE_WITH_TIMEOUT(mapping.shown, 1, 60000);
        QVERIFY(session.messages.shown.isEmpty());
        QCOMPARE(session.name(1), QStringLiteral("林志明"));
        QCOMPARE(session.name(2), QString());
        QVERIFY(session.window.hasUnsavedChanges());
    }

    void cancellingAnImportLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CSV") << "long.csv"
                             << QStringLiteral("王小明,台北市中正區重慶南路一段122號\r\n")
                                    .toUtf8()
                                    .repeated(ListLimits::MaxRows);
        QTest::newRow("xlsx") << "long.xlsx"
                              << XlsxFixture::workbookBytes(XlsxFixture::repeatedSheetRows(
                                     R"(<row><c t="inlineStr"><is><t>王小明</t></is></c></row>)",
                                     ListLimits::MaxRows));
    }

    // Stopping a long read leaves everything as it was: no dialog, no
    // message, the typed label unsaved on the page. The progress dialog
    // shows once the read has taken a step and is cancelled two steps
    // later, on any machine.
    void cancellingAnImportLeavesEverythingAsItWas()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        Session session(1);
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        session.dir.write(file, bytes);
        typeFirstLabel(session);
        ImportDialogAnswer mapping;
        int steps = 0;
        const ProgressSteps progress([&steps](QProgressDialog *dialog, int) {
            if (++steps == 2)
                ProgressSteps::cancel(dialog);
        });
        {
            const ListImport import(session, file);
            QTRY_VERIFY_WITH_TIMEOUT(steps >= 2 && !aProgressDialogLives(), 60000);
        }

        QCOMPARE(steps, 2);
        QCOMPARE(mapping.shown, 0);
        QVERIFY(session.messages.shown.isEmpty());
        QCOMPARE(session.name(1), QStringLiteral("林志明"));
        QCOMPARE(session.name(2), QString());
        QVERIFY(session.window.hasUnsavedChanges());
    }

    // A list filled over three pages is one step of the history, as a paste
    // is: Ctrl+Z takes it back from every page and shows the typed label
    // as it was, unsaved; Ctrl+Y fills it again.
    void anImportAcrossPagesIsOneUndoStep()
    {
        Session session(1);
        QVERIFY(QTest::qWaitForWindowActive(&session.window));
        QByteArray names;
        for (int n = 1; n <= 150; ++n)
            names += QStringLiteral("名%1\r\n").arg(n).toUtf8();
        session.dir.write(QStringLiteral("名單.csv"), names);
        typeFirstLabel(session);
        ImportDialogAnswer mapping([](QDialog *dialog) {
            QVERIFY(!dialog->findChild<QCheckBox *>(QStringLiteral("chkHeader"))->isChecked());
            dialog->findChild<QPushButton *>(QStringLiteral("btnok"))->click();
        });
        {
            const ListImport import(session, QStringLiteral("名單.csv"));
            QTRY_COMPARE_WITH_TIMEOUT(session.messages.shown.size(), 1, 60000);
        }
        QCOMPARE(session.messages.texts(),
                 QStringList{QStringLiteral("已匯入 150 筆，第 1 頁到第 3 頁")});
        // 69 names after the label on page 1, 70 on page 2, 11 on page 3.
        QCOMPARE(session.window.page(), 3);
        QCOMPARE(session.name(11), QStringLiteral("名150"));
        QVERIFY(session.page(1).contains(section(1, QStringLiteral("林志明"))));
        QVERIFY(session.page(2).contains(section(70, QStringLiteral("名139"))));

        session.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(session.window.page(), 1);
        QCOMPARE(session.name(1), QStringLiteral("林志明"));
        QCOMPARE(session.name(2), QString());
        QVERIFY(session.window.hasUnsavedChanges());
        QVERIFY(!session.page(2).contains("名"));
        session.key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(session.window.page(), 3);
        QCOMPARE(session.name(11), QStringLiteral("名150"));
        QVERIFY(session.page(2).contains(section(70, QStringLiteral("名139"))));
    }
};

QTEST_MAIN(TestListImport)
#include "tst_listimport.moc"
