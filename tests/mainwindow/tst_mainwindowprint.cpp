// The print run from the main window: the record feed over the cells, the
// preview button and its right-button margin dialog, and a PDF exported
// from the preview checked against the label grid.
#include "composition/labelfonts.h"
#include "frontend/filedialogs.h"
#include "frontend/previewwindow.h"
#include "frontend/sizespinbox.h"
#include "frontend/usermessages.h"
#include "mainwindow/cellgrid.h"
#include "mainwindow/labelcell.h"
#include "mainwindow/mainwindow.h"
#include "printing/margindialog.h"
#include "tests/common/messagelog.h"
#include "tests/common/pdfwords.h"
#include "tests/common/seamguards.h"
#include "tests/common/workdir.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace {

// Runs `action` on the modal window that `trigger` opens; returns the class
// name of that window, or an empty text when none opened.
QString onModal(const std::function<void()> &trigger, const std::function<void(QWidget *)> &action)
{
    QString opened;
    QTimer::singleShot(0, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            opened = QString::fromLatin1(modal->metaObject()->className());
            action(modal);
        }
    });
    trigger();
    QCoreApplication::processEvents();
    return opened;
}

QString kindTwoName(int cell)
{
    return QStringLiteral("王%1").arg(cell, 2, 10, QLatin1Char('0'));
}

void fillKindTwoPage(MainWindow &window)
{
    for (int n = 1; n <= SheetPage::CellCount; ++n)
        window.grid()->cell(n)->setLines(
            {kindTwoName(n), QStringLiteral("生%1").arg(n), QStringLiteral("址%1").arg(n)});
}

} // namespace

class TestMainWindowPrint : public QObject
{
    Q_OBJECT

    QList<UserMessages::Shown> m_shown;
    int m_shownUnderProgress = 0;

private Q_SLOTS:
    void initTestCase()
    {
        LabelFonts::installKaiSubstitution();
        UserMessages::setAnswerer([this](const UserMessages::Shown &message) {
            m_shown.append(message);
            m_shownUnderProgress += aProgressDialogLives();
            return UserMessages::Answer::Ok;
        });
    }
    void cleanupTestCase() { UserMessages::setAnswerer({}); }
    void init()
    {
        m_shown.clear();
        m_shownUnderProgress = 0;
    }
    // A message never waits under a progress dialog that may still show.
    void cleanup() { QCOMPARE(m_shownUnderProgress, 0); }

    void feedWalksTheCells()
    {
        WorkDir dir;
        MainWindow window;
        window.startUp();
        window.grid()->cell(70)->setLines({QStringLiteral("陳美玲"), QStringLiteral("生辰")});
        RecordFeed &feed = window;
        feed.first();
        for (int i = 0; i < 69; ++i)
            feed.next();
        QVERIFY(!feed.atEnd());
        QCOMPARE(feed.value(QStringLiteral("N1")),
                 std::optional<QString>(QStringLiteral("陳美玲")));
        // A line the cell lacks is empty; a field no cell has is no field.
        QCOMPARE(feed.value(QStringLiteral("n3")), std::optional<QString>(QString()));
        QVERIFY(!feed.value(QStringLiteral("n4")));

        feed.next();
        QVERIFY(feed.atEnd());
        QCOMPARE(feed.value(QStringLiteral("n1")), std::optional<QString>(QString())); // no cell 71
    }

    void previewShowsTheCellsAndStylesOfNow()
    {
        WorkDir dir;
        dir.write(QStringLiteral("sys.ini"), "[info]\r\nMode=2\r\n");
        MainWindow window;
        window.startUp();
        window.grid()->cell(1)->setLines(
            {QStringLiteral("林志明"), QStringLiteral("甲市乙區丁路8號")});
        const QByteArray settings = dir.read(QStringLiteral("sys.ini"));
        QList<ComposedPage> pages;
        const auto keepPages = [&](QWidget *modal) {
            auto *preview = qobject_cast<PreviewWindow *>(modal);
            pages = preview->pages();
            QCOMPARE(preview->windowTitle(), QStringLiteral("預覽"));
            QCOMPARE(preview->zoomFactor(), 1.0);
            preview->reject();
        };
        QCOMPARE(onModal([&] { window.preview(); }, keepPages), QStringLiteral("PreviewWindow"));
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages[0].labels.size(), 70);
        const PlacedLabel &first = pages[0].labels[0];
        // The address typed without birth data prints in the n2 box.
        for (const ComposedTextBox &box : first.boxes) {
            if (box.name == QLatin1String("Memo2"))
                QCOMPARE(box.text, QStringLiteral("甲市乙區丁路8號"));
            if (box.name == QLatin1String("Memo3"))
                QCOMPARE(box.text, QString());
            if (box.name == QLatin1String("Memo1"))
                QCOMPARE(box.font.pointSize, 12); // kind 2's initial name size
        }
        QCOMPARE(pages[0].labels[69].boxes[0].text, QString()); // an empty cell is an empty label

        // A size changed after that run is used by the next, unsaved cells too.
        window.findChild<SizeSpinBox *>(QStringLiteral("spinSize"))->setValue(14);
        window.grid()->cell(1)->setLines({QStringLiteral("未存的名字")});
        onModal([&] { window.preview(); }, keepPages);
        QCOMPARE(pages[0].labels[0].boxes[0].font.pointSize, 14);
        QCOMPARE(pages[0].labels[0].boxes[0].text, QStringLiteral("未存的名字"));
        QVERIFY(!dir.exists(QStringLiteral("地址1.ini"))); // printing saves nothing
        QVERIFY(m_shown.isEmpty());
    }

    // 可列印頁數 typed as a user does: the run covers pages 1..4, the shown
    // page with its unsaved edits, the others from their files, the empty
    // one named in the status line.
    void manyPagesInOneRun()
    {
        WorkDir dir;
        dir.write(QStringLiteral("sys.ini"), "[info]\r\nMode=2\r\n");
        dir.write(QStringLiteral("地址2.ini"), "[1]\r\n0=第二頁的名字\r\n");
        dir.write(QStringLiteral("地址4.ini"), "[70]\r\n0=第四頁的名字\r\n");
        MainWindow window;
        window.show();
        window.startUp();
        window.grid()->cell(1)->setLines({QStringLiteral("未存的名字")});
        auto *count = window.findChild<QLineEdit *>(QStringLiteral("edt6"));
        count->selectAll();
        QTest::keyClicks(count, QStringLiteral("4"));
        QTest::keyClick(count, Qt::Key_Return);
        QCOMPARE(count->text(), QStringLiteral("4"));

        QList<ComposedPage> sheets;
        QString status;
        QCOMPARE(onModal([&] { window.preview(); },
                         [&](QWidget *modal) {
                             auto *preview = qobject_cast<PreviewWindow *>(modal);
                             sheets = preview->pages();
                             status = preview->statusText();
                             preview->reject();
                         }),
                 QStringLiteral("PreviewWindow"));
        QCOMPARE(sheets.size(), 3);
        QCOMPARE(sheets[0].labels[0].boxes[0].text, QStringLiteral("未存的名字"));
        QCOMPARE(sheets[1].labels[0].boxes[0].text, QStringLiteral("第二頁的名字"));
        QCOMPARE(sheets[2].labels[69].boxes[0].text, QStringLiteral("第四頁的名字"));
        QCOMPARE(status, QStringLiteral("第 1–4 頁，共 3 張，第 3 頁無資料"));
        QVERIFY(!dir.exists(QStringLiteral("地址1.ini"))); // printing saves nothing
        QVERIFY(m_shown.isEmpty());
    }

    void pageCountShowsGroupedWholeNumbers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("grouped") << "1200"
                                 << "1,200";
        QTest::newRow("largest") << "99999"
                                 << "9,999";
        QTest::newRow("zero") << "0"
                              << "0";
        QTest::newRow("emptied") << " "
                                 << "0";
        QTest::newRow("full-width") << "１２"
                                    << "12";
    }

    void pageCountShowsGroupedWholeNumbers()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        WorkDir dir;
        MainWindow window;
        window.show();
        window.startUp();
        auto *count = window.findChild<QLineEdit *>(QStringLiteral("edt6"));
        count->setFocus();
        count->selectAll();
        QTest::keyClick(count, Qt::Key_Delete);
        if (typed.front() < u'\x80') {
            QTest::keyClicks(count, typed);
        } else { // as a Chinese input method hands it over
            QInputMethodEvent committed;
            committed.setCommitString(typed);
            QApplication::sendEvent(count, &committed);
        }
        QTest::keyClick(count, Qt::Key_Return);
        QCOMPARE(count->text(), shown);
    }

    void marginsLeavingNoRoomAreReported()
    {
        WorkDir dir;
        dir.write(QStringLiteral("sys.ini"), "[info]\r\nMode=1\r\n[標籤]\r\nTOPMARGIN=280\r\n");
        MainWindow window;
        window.startUp();
        QCOMPARE(onModal([&] { window.preview(); }, [](QWidget *modal) { modal->close(); }),
                 QString());
        QCOMPARE(m_shown.size(), 1);
        QVERIFY(m_shown[0].text.contains(QStringLiteral("280")));
    }

    // A run of several pages that hold no label opens no preview.
    void aRunWithoutLabelsSaysSoAndOpensNothing()
    {
        WorkDir dir;
        dir.write(QStringLiteral("sys.ini"), "[info]\r\nMode=1\r\n");
        MainWindow window;
        window.show();
        window.startUp();
        auto *count = window.findChild<QLineEdit *>(QStringLiteral("edt6"));
        count->selectAll();
        QTest::keyClicks(count, QStringLiteral("3"));
        QTest::keyClick(count, Qt::Key_Return);
        QCOMPARE(onModal([&] { window.preview(); }, [](QWidget *modal) { modal->close(); }),
                 QString());
        QCOMPARE(m_shown.size(), 1);
        QCOMPARE(m_shown[0].text, QStringLiteral("第 1–3 頁都沒有資料，沒有可以列印的標籤。"));
    }

    void rightButtonOpensTheMarginDialogOnly()
    {
        WorkDir dir;
        MainWindow window;
        window.show();
        window.startUp();
        auto *btn1 = window.findChild<QPushButton *>(QStringLiteral("btn1"));
        const auto cancel = [](QWidget *modal) { modal->close(); };
        QCOMPARE(onModal([&] { QTest::mouseClick(btn1, Qt::RightButton); }, cancel),
                 QStringLiteral("MarginDialog"));
        QCOMPARE(onModal([&] { QTest::mouseClick(btn1, Qt::LeftButton); }, cancel),
                 QStringLiteral("PreviewWindow"));
        QCOMPARE(onModal([&] { window.previewButtonReleased(Qt::LeftButton); }, cancel), QString());
    }

    void adjustingMarginsInThePreviewComposesAgain()
    {
        WorkDir dir;
        dir.write(QStringLiteral("sys.ini"), "[info]\r\nMode=2\r\n");
        MainWindow window;
        window.startUp();
        window.grid()->cell(70)->setLines({QStringLiteral("林志明")});
        int sheetsBefore = 0;
        int sheetsAfter = 0;
        double topAfter = 0;
        bool alignmentAfter = false;
        const auto adjust = [&](QWidget *modal) {
            auto *preview = qobject_cast<PreviewWindow *>(modal);
            sheetsBefore = preview->pageCount();
            // 調整邊界: a top margin of 3.41 mm pushes the last row over.
            onModal([&] { preview->adjustMargins(); },
                    [](QWidget *dialog) {
                        dialog->findChild<QLineEdit *>(QStringLiteral("TopMarginEd"))
                            ->setText(QStringLiteral("3.41"));
                        dialog->findChild<QPushButton *>(QStringLiteral("OkBtn"))->click();
                    });
            sheetsAfter = preview->pageCount();
            topAfter = preview->pages().first().paper.topMarginMm;
            preview->showAlignmentSheet(true);
            alignmentAfter = preview->pages().first().paper.topMarginMm == 3.41
                && preview->pages().first().labels.size() == 65;
            preview->reject();
        };
        QCOMPARE(onModal([&] { window.preview(); }, adjust), QStringLiteral("PreviewWindow"));
        QCOMPARE(sheetsBefore, 1);
        QCOMPARE(sheetsAfter, 2);
        QCOMPARE(topAfter, 3.41);
        QVERIFY(alignmentAfter);
        QVERIFY(dir.read(QStringLiteral("sys.ini")).contains("TOPMARGIN=3.41"));
    }

    void exportedPdfHasTheLabelsOnTheGrid()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext is missing: scripts/setup.sh installs poppler-utils");
        WorkDir dir;
        dir.write(QStringLiteral("sys.ini"), "[info]\r\nMode=2\r\n");
        MainWindow window;
        window.show();
        window.startUp();
        fillKindTwoPage(window);

        // Top 3 and left 6 mm through the margin dialog.
        onModal([&] { window.previewButtonReleased(Qt::RightButton); },
                [](QWidget *modal) {
                    modal->findChild<QLineEdit *>(QStringLiteral("TopMarginEd"))
                        ->setText(QStringLiteral("3"));
                    modal->findChild<QLineEdit *>(QStringLiteral("LeftMarginEd"))
                        ->setText(QStringLiteral("6"));
                    modal->findChild<QPushButton *>(QStringLiteral("OkBtn"))->click();
                });
        const QString pdf = dir.path(QStringLiteral("標籤.pdf"));
        const FileDialogAnswer answer([&](const FileDialogs::SaveRequest &) { return pdf; });
        onModal(
            [&] {
                QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("btn1")),
                                  Qt::LeftButton);
            },
            [](QWidget *modal) {
                auto *preview = qobject_cast<PreviewWindow *>(modal);
                preview->exportPdf();
                preview->reject();
            });
        // Only the word of where the file went.
        QCOMPARE(m_shown.size(), 1);
        QCOMPARE(m_shown[0].kind, UserMessages::Kind::Information);
        QVERIFY(m_shown[0].text.endsWith(QDir::toNativeSeparators(pdf)));

        const QList<PdfWord> words = pdfWords(pdf);
        int checked = 0;
        for (int n = 1; n <= SheetPage::CellCount; ++n) {
            const int row = (n - 1) / 5;
            const int column = (n - 1) % 5;
            // The name box: 0.38 mm in and 2.85 mm down in its label, 37.27 x 7.70 mm.
            const QPointF centre(6 + column * 40.2 + 0.38 + 37.27 / 2,
                                 3 + row * 20.9 + 2.85 + 7.70 / 2);
            for (const PdfWord &word : words) {
                if (word.text != kindTwoName(n))
                    continue;
                QVERIFY2(qAbs(word.box.center().x() - centre.x()) < 0.3, qPrintable(word.text));
                QVERIFY2(qAbs(word.box.center().y() - centre.y()) < 1.0, qPrintable(word.text));
                ++checked;
            }
        }
        QCOMPARE(checked, SheetPage::CellCount);
    }
};

QTEST_MAIN(TestMainWindowPrint)
#include "tst_mainwindowprint.moc"
