// The preview and print window: printing through the (replaced) print
// dialog, the messages when that cannot happen, PDF export, page setup.
#include "composition/alignmentsheet.h"
#include "composition/composer.h"
#include "composition/labelfonts.h"
#include "frontend/filedialogs.h"
#include "frontend/previewwindow.h"
#include "frontend/printeraccess.h"
#include "frontend/usermessages.h"
#include "tests/common/filefixture.h"
#include "tests/common/messagelog.h"
#include "tests/common/pdfwords.h"
#include "tests/common/seamguards.h"
#include "tests/composition/labelfixtures.h"
#include "tests/composition/memoryfeed.h"

#include "frontend/sheetview.h"
#include <QApplication>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

Composition composeKindTwo(int records = 70, double paperHeightMm = 297)
{
    LabelTemplate sheet = LabelFixtures::kind2Sheet();
    sheet.page1.paperHeightMm = paperHeightMm;
    MemoryFeed feed(LabelFixtures::kind2Records(records));
    return composeLabelPages(sheet, feed);
}

// Three pages of one sheet each, the names of page n reading "第n頁...".
SheetRun::Built threePages()
{
    QList<SheetRun::ComposePage> pages;
    for (int page = 1; page <= 3; ++page) {
        pages.append([page] {
            QList<QStringList> records = LabelFixtures::kind2Records();
            for (QStringList &record : records)
                record[0] = QStringLiteral("第%1頁").arg(page) + record[0];
            MemoryFeed feed(records);
            return composeLabelPages(LabelFixtures::kind2Sheet(), feed);
        });
    }
    return SheetRun::compose(pages);
}

QAction *toolAction(PreviewWindow &preview, const QString &text)
{
    for (QAction *action : preview.findChild<QToolBar *>()->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// The tool button of the preview's tool bar action `text`.
QToolButton *toolButton(PreviewWindow &preview, const QString &text)
{
    return qobject_cast<QToolButton *>(
        preview.findChild<QToolBar *>()->widgetForAction(toolAction(preview, text)));
}

bool isPdf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

} // namespace

class TestPreviewWindow : public QObject
{
    Q_OBJECT

    QStringList m_shown;
    int m_shownUnderProgress = 0;
    QTemporaryDir m_dir;

    void printWith(bool installed, const std::function<bool(QPrinter &)> &choose)
    {
        const PrinterHooks printers({[installed] { return installed; }, choose});
        PreviewWindow preview([](const QPageSize &) { return composeKindTwo(); }, composeKindTwo());
        preview.setPrintedPages({QStringLiteral("姓名"), 3, 3});
        preview.print();
    }

    static void exportTo(PreviewWindow &preview, const QString &path)
    {
        const FileDialogAnswer answer([&](const FileDialogs::SaveRequest &) { return path; });
        preview.exportPdf();
    }

    // The path 匯出 PDF proposes; the export itself is answered with `chosen`.
    QString proposedPath(PreviewWindow &preview, const QString &chosen = QString())
    {
        QString proposed;
        const FileDialogAnswer answer([&](const FileDialogs::SaveRequest &request) {
            proposed = request.suggestedPath;
            return chosen;
        });
        preview.exportPdf();
        return proposed;
    }

private Q_SLOTS:
    void initTestCase()
    {
        LabelFonts::installKaiSubstitution();
        UserMessages::setAnswerer([this](const UserMessages::Shown &message) {
            m_shown.append(message.text);
            m_shownUnderProgress += aProgressDialogLives();
            return UserMessages::Answer::Yes;
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

    void opensAtTrueSize()
    {
        PreviewWindow preview([](const QPageSize &) { return composeKindTwo(); }, composeKindTwo());
        QCOMPARE(preview.windowTitle(), QStringLiteral("預覽"));
        QVERIFY(preview.windowState() & Qt::WindowMaximized);
        QCOMPARE(preview.zoomFactor(), 1.0);
        QCOMPARE(preview.pageCount(), 1);
    }

    void noPrinterInstalled()
    {
        bool asked = false;
        printWith(false, [&](QPrinter &) { return asked = true; });
        QVERIFY(!asked);
        QCOMPARE(m_shown.size(), 1);
        QVERIFY(m_shown[0].contains(QStringLiteral("沒有安裝任何印表機")));
    }

    void cancelledDialogPrintsNothing()
    {
        const QString out = m_dir.filePath(QStringLiteral("cancelled.pdf"));
        printWith(true, [&](QPrinter &printer) {
            printer.setOutputFileName(out);
            return false;
        });
        QVERIFY(!QFile::exists(out));
        QVERIFY(m_shown.isEmpty());
    }

    void printerThatCannotBeOpened()
    {
        printWith(true, [](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QStringLiteral("/nonexistent-folder/out.pdf"));
            return true;
        });
        QCOMPARE(m_shown, QStringList{QStringLiteral("Printer selected is not valid")});
    }

    void printsEveryPageOnTheChosenPrinter()
    {
        const QString out = m_dir.filePath(QStringLiteral("printed.pdf"));
        bool fullPage = false;
        QString jobTitle;
        printWith(true, [&](QPrinter &printer) {
            fullPage = printer.fullPage();
            jobTitle = printer.docName();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(out);
            return true;
        });
        QVERIFY(fullPage);
        QCOMPARE(jobTitle, QStringLiteral("岑禾 姓名 第3頁"));
        QVERIFY(isPdf(out));
        QVERIFY(m_shown.isEmpty());
        // Through the printer as in the preview: the first name centred in
        // its box, 5 + 0.38 + 37.27 / 2 mm from the paper's left edge.
        const QList<PdfWord> words = pdfWords(out);
        if (words.isEmpty())
            QFAIL("pdftotext is missing: scripts/setup.sh installs poppler-utils");
        const QString firstName = LabelFixtures::kind2Records(1).first().first();
        const auto name = std::find_if(words.cbegin(), words.cend(),
                                       [&](const PdfWord &w) { return w.text == firstName; });
        QVERIFY(name != words.cend());
        QVERIFY(qAbs(name->box.center().x() - (5 + 0.38 + 37.27 / 2)) < 0.3);
    }

    // The print dialog's range counts sheets of the whole run.
    void pageRangePrintsTheChosenSheetsOnly()
    {
        const QString out = m_dir.filePath(QStringLiteral("range.pdf"));
        const PrinterHooks printers({[] { return true; },
                                     [&](QPrinter &printer) {
                                         printer.setOutputFormat(QPrinter::PdfFormat);
                                         printer.setOutputFileName(out);
                                         printer.setPrintRange(QPrinter::PageRange);
                                         printer.setFromTo(2, 3);
                                         return true;
                                     }});
        PreviewWindow preview([](const QPageSize &) { return threePages(); }, threePages());
        QCOMPARE(preview.pageCount(), 3);
        preview.print();
        QVERIFY(m_shown.isEmpty());
        const QList<PdfWord> words = pdfWords(out);
        if (words.isEmpty())
            QFAIL("pdftotext is missing: scripts/setup.sh installs poppler-utils");
        const auto onPage = [&](int page) {
            return std::count_if(words.cbegin(), words.cend(), [&](const PdfWord &word) {
                return word.text.startsWith(QStringLiteral("第%1頁").arg(page));
            });
        };
        QCOMPARE(onPage(1), 0);
        QCOMPARE(onPage(2), 70);
        QCOMPARE(onPage(3), 70);
    }

    void exportWritesAPdf()
    {
        PreviewWindow preview([](const QPageSize &) { return composeKindTwo(); }, composeKindTwo());
        const QString out = m_dir.filePath(QStringLiteral("標籤.pdf"));
        exportTo(preview, out);
        QVERIFY(isPdf(out));
        // Only the word of where it went.
        QCOMPARE(m_shown,
                 QStringList{QStringLiteral("已匯出 PDF 檔：\n") + QDir::toNativeSeparators(out)});
        m_shown.clear();
        exportTo(preview, QStringLiteral("/nonexistent-folder/x.pdf"));
        QCOMPARE(m_shown.size(), 1);
        // The words of every failed write in the program.
        QVERIFY(m_shown[0].startsWith(QStringLiteral("寫入錯誤\n\n無法寫入檔案：")));
        QVERIFY(m_shown[0].contains(QStringLiteral("/nonexistent-folder/x.pdf\n原因：")));
    }

    // Pointed by mistake at a file that is no PDF (a page file), 匯出 PDF
    // says it will not write over it, keeps it, and asks for another name.
    void exportRefusesToWriteOverWhatIsNoPdf()
    {
        PreviewWindow preview([](const QPageSize &) { return composeKindTwo(); }, composeKindTwo());
        const QString page = m_dir.filePath(QStringLiteral("姓名1.ini"));
        const QString out = m_dir.filePath(QStringLiteral("另存.pdf"));
        writeAll(page, "[1]\r\n0=陳美玲\r\n");
        QStringList offered{page, out};
        QStringList suggested;
        {
            const FileDialogAnswer answer([&](const FileDialogs::SaveRequest &request) {
                suggested.append(request.suggestedPath);
                return offered.isEmpty() ? QString() : offered.takeFirst();
            });
            preview.exportPdf();
        }
        QCOMPARE(readAll(page), QByteArray("[1]\r\n0=陳美玲\r\n"));
        QCOMPARE(m_shown.size(), 2);
        QVERIFY2(m_shown[0].startsWith(QStringLiteral("寫入錯誤\n\n無法寫入檔案：")
                                       + QDir::toNativeSeparators(page)
                                       + QStringLiteral("\n原因：")),
                 qPrintable(m_shown[0]));
        QCOMPARE(suggested.size(), 2);
        QCOMPARE(suggested[1], page);
        QVERIFY(isPdf(out));
        QCOMPARE(m_shown[1], QStringLiteral("已匯出 PDF 檔：\n") + QDir::toNativeSeparators(out));
    }

    void pageSetupComposesAgain()
    {
        QList<QPageSize> asked;
        PreviewWindow preview(
            [&](const QPageSize &paper) {
                asked.append(paper);
                return composeKindTwo(70, paper.size(QPageSize::Millimeter).height());
            },
            composeKindTwo());
        preview.changePaper(QPageSize(QPageSize::A5));
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].id(), QPageSize::A5);
        QVERIFY(preview.pageCount() > 1); // 14 rows no longer fit
    }

    void counterFollowsTheSheetShown_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("下一頁") << "下一頁";
        QTest::newRow("最後頁") << "最後頁";
        QTest::newRow("Page Down") << "PageDown";
        QTest::newRow("End") << "End";
        QTest::newRow("scrolling") << "scroll";
        QTest::newRow("page field") << "field";
    }

    void counterFollowsTheSheetShown()
    {
        QFETCH(QString, way);
        PreviewWindow preview([](const QPageSize &) { return composeKindTwo(140); },
                              composeKindTwo(140));
        preview.show();
        preview.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&preview));
        QCOMPARE(preview.pageCount(), 2);
        auto *field = preview.findChild<QSpinBox *>(QStringLiteral("pageField"));
        QTRY_COMPARE(field->value(), 1);
        if (way == QLatin1String("PageDown"))
            QTest::keyClick(&preview, Qt::Key_PageDown);
        else if (way == QLatin1String("End"))
            QTest::keyClick(&preview, Qt::Key_End);
        else if (way == QLatin1String("scroll")) {
            QScrollBar *bar = preview.findChild<SheetView *>()->verticalScrollBar();
            bar->setValue(bar->maximum());
        } else if (way == QLatin1String("field")) {
            field->selectAll();
            QTest::keyClicks(field, QStringLiteral("2"));
        } else
            QTest::mouseClick(toolButton(preview, way), Qt::LeftButton);
        QTRY_COMPARE(preview.currentPage(), 2);
        QTRY_COMPARE(field->value(), 2);
        QVERIFY(preview.findChild<QSpinBox *>(QStringLiteral("pageField"))->isVisible());

        // And back to the first sheet by its button.
        QTest::mouseClick(toolButton(preview, QStringLiteral("第一頁")), Qt::LeftButton);
        QTRY_COMPARE(field->value(), 1);
    }

    // A long run is composed once to count its sheets and once for the
    // status line; after that the preview composes only the sheets it draws.
    void longRunComposesOnlyTheSheetsInView()
    {
        int composed = 0;
        QList<SheetRun::ComposePage> pages;
        for (int page = 1; page <= 200; ++page) {
            pages.append([&composed] {
                ++composed;
                MemoryFeed feed(LabelFixtures::kind2Records());
                return composeLabelPages(LabelFixtures::kind2Sheet(), feed);
            });
        }
        const SheetRun::Built run = SheetRun::compose(pages);
        PreviewWindow preview([&run](const QPageSize &) { return run; }, run);
        QCOMPARE(preview.pageCount(), 200);
        const int beforeShown = composed;
        QCOMPARE(beforeShown, 400);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        QTRY_VERIFY(composed > beforeShown);
        // Whatever paint is still due happens now: what is in view is drawn.
        QWidget *view = preview.findChild<SheetView *>()->viewport();
        view->repaint();
        QVERIFY2(composed - beforeShown <= 2, qPrintable(QString::number(composed - beforeShown)));
        const int beforeTurn = composed;
        QTest::mouseClick(toolButton(preview, QStringLiteral("最後頁")), Qt::LeftButton);
        QTRY_COMPARE(preview.currentPage(), 200);
        QTRY_VERIFY(composed > beforeTurn);
        view->repaint();
        QVERIFY2(composed - beforeTurn <= 2, qPrintable(QString::number(composed - beforeTurn)));
    }

    void exportProposesWhatTheFileHolds_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<bool>("alignment");
        QTest::addColumn<QString>("name");
        QTest::newRow("one page") << 3 << 3 << false << "姓名_第3頁.pdf";
        QTest::newRow("several pages") << 3 << 12 << false << "姓名_第3-12頁.pdf";
        QTest::newRow("alignment sheet") << 3 << 3 << true << "姓名_對位測試頁.pdf";
    }

    void exportProposesWhatTheFileHolds()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(bool, alignment);
        QFETCH(QString, name);
        PreviewWindow preview([](const QPageSize &) { return composeKindTwo(); }, composeKindTwo());
        preview.setPrintedPages({QStringLiteral("姓名"), first, last});
        preview.setAlignmentSheet(
            [](const QPageSize &) { return composeAlignmentSheet(LabelFixtures::kind2Sheet()); });
        preview.showAlignmentSheet(alignment);
        QCOMPARE(QFileInfo(proposedPath(preview)).fileName(), name);
    }

    void exportRemembersTheFolderAndSaysWhereItWrote()
    {
        PreviewWindow preview([](const QPageSize &) { return composeKindTwo(); }, composeKindTwo());
        preview.setPrintedPages({QStringLiteral("姓名"), 1, 1});
        QDir(m_dir.path()).mkdir(QStringLiteral("exports"));
        const QString chosen = m_dir.filePath(QStringLiteral("exports/春節.pdf"));
        proposedPath(preview, chosen);
        QVERIFY(isPdf(chosen));
        QCOMPARE(
            m_shown,
            QStringList{QStringLiteral("已匯出 PDF 檔：\n") + QDir::toNativeSeparators(chosen)});
        // Another preview in the same run proposes that folder.
        PreviewWindow next([](const QPageSize &) { return composeKindTwo(); }, composeKindTwo());
        next.setPrintedPages({QStringLiteral("姓名"), 2, 2});
        QCOMPARE(proposedPath(next), m_dir.filePath(QStringLiteral("exports/姓名_第2頁.pdf")));
    }

    void adjustingMarginsComposesAgain()
    {
        double top = 2;
        const auto compose = [&](const QPageSize &) {
            LabelTemplate sheet = LabelFixtures::kind2Sheet();
            sheet.page1.topMarginMm = top;
            MemoryFeed feed(LabelFixtures::kind2Records());
            return composeLabelPages(sheet, feed);
        };
        PreviewWindow preview(compose, compose(QPageSize(QPageSize::A4)));
        bool stored = false;
        preview.setMarginAdjuster([&](QWidget *parent) {
            Q_UNUSED(parent);
            top = 3.41; // what the dialog stored
            return stored;
        });
        QToolButton *button = toolButton(preview, QStringLiteral("調整邊界"));
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton); // cancelled: nothing changes
        QCOMPARE(preview.pages().first().paper.topMarginMm, 2.0);
        stored = true;
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(preview.pages().first().paper.topMarginMm, 3.41);
        QCOMPARE(preview.pageCount(), 2); // the last row no longer fits
    }

    void alignmentSheetInThePreview()
    {
        PreviewWindow preview([](const QPageSize &) { return composeKindTwo(); }, composeKindTwo());
        QVERIFY(!toolAction(preview, QStringLiteral("對位測試頁"))->isVisible());
        preview.setAlignmentSheet(
            [](const QPageSize &) { return composeAlignmentSheet(LabelFixtures::kind2Sheet()); });
        QVERIFY(toolAction(preview, QStringLiteral("對位測試頁"))->isVisible());
        preview.setDescription(
            [](int sheets) { return QStringLiteral("第 3–12 頁，共 %1 張").arg(sheets); });
        QToolButton *button = toolButton(preview, QStringLiteral("對位測試頁"));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(preview.showsAlignmentSheet());
        QCOMPARE(preview.statusText(),
                 QStringLiteral("對位測試頁：只有標籤框、編號與刻度，共 1 張"));
        QCOMPARE(preview.pageCount(), 1);
        QCOMPARE(preview.pages().first().marks.outlines.size(), 70);
        QVERIFY(preview.windowTitle().contains(QStringLiteral("對位測試頁")));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!preview.showsAlignmentSheet());
        QCOMPARE(preview.statusText(), QStringLiteral("第 3–12 頁，共 1 張"));
        QVERIFY(preview.pages().first().marks.isEmpty());
        QCOMPARE(preview.pages().first().labels.first().boxes.size(), 3);
    }

    void outlinesAreNeverExported()
    {
        PreviewWindow preview([](const QPageSize &) { return composeKindTwo(); }, composeKindTwo());
        const QString plain = m_dir.filePath(QStringLiteral("plain.pdf"));
        exportTo(preview, plain);
        QTest::mouseClick(preview.findChild<QCheckBox *>(QStringLiteral("showOutlines")),
                          Qt::LeftButton);
        QVERIFY(preview.findChild<QCheckBox *>(QStringLiteral("showOutlines"))->isChecked());
        const QString outlined = m_dir.filePath(QStringLiteral("outlined.pdf"));
        exportTo(preview, outlined);
        QCOMPARE(QFileInfo(outlined).size(), QFileInfo(plain).size());
        for (const ComposedPage &page : preview.pages())
            QVERIFY(page.marks.isEmpty());
    }

    void pageSetupOffersThePaperOnly()
    {
        PreviewWindow preview([](const QPageSize &) { return composeKindTwo(); }, composeKindTwo());
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            seen = true;
            QVERIFY(dialog->findChildren<QDoubleSpinBox *>().isEmpty());
            QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("labelMargins"))
                         ->text()
                         .section(u'\n', 0, 0),
                     QStringLiteral("上 2 毫米、左 5 毫米"));
            dialog->close();
        });
        QTest::mouseClick(toolButton(preview, QStringLiteral("版面設定")), Qt::LeftButton);
        QTRY_VERIFY(seen);
    }
};

QTEST_MAIN(TestPreviewWindow)
#include "tst_previewwindow.moc"
