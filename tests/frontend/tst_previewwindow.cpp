// The preview and print window: printing through the (replaced) print
// dialog, the messages when that cannot happen, PDF export, page setup.
#include "composition/composer.h"
#include "tests/composition/labelfixtures.h"
#include "composition/labelfonts.h"
#include "tests/composition/memoryfeed.h"
#include "tests/common/pdfwords.h"
#include "frontend/filedialogs.h"
#include "frontend/previewwindow.h"
#include "frontend/printeraccess.h"
#include "frontend/usermessages.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

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
    QTemporaryDir m_dir;

    void printWith(bool installed, const std::function<bool(QPrinter &)> &choose)
    {
        PrinterAccess::setHooks({[installed] { return installed; }, choose});
        PreviewWindow preview([](const QPageSize &) { return composeKindTwo(); }, composeKindTwo());
        preview.print();
        PrinterAccess::setHooks({});
    }

    static void exportTo(PreviewWindow &preview, const QString &path)
    {
        FileDialogs::setAnswerer([&](const FileDialogs::SaveRequest &) { return path; });
        preview.exportPdf();
        FileDialogs::setAnswerer({});
    }

private Q_SLOTS:
    void initTestCase()
    {
        LabelFonts::installKaiSubstitution();
        UserMessages::setAnswerer([this](const UserMessages::Shown &message) {
            m_shown.append(message.text);
            return UserMessages::Answer::Yes;
        });
    }
    void cleanupTestCase() { UserMessages::setAnswerer({}); }
    void init() { m_shown.clear(); }

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
        printWith(true, [&](QPrinter &printer) {
            fullPage = printer.fullPage();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(out);
            return true;
        });
        QVERIFY(fullPage);
        QVERIFY(isPdf(out));
        QVERIFY(m_shown.isEmpty());
        // Through the printer as in the preview: the first name centred in
        // its box, 5 + 0.38 + 37.27 / 2 mm from the paper's left edge.
        const QList<PdfWord> words = pdfWords(out);
        if (words.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QString firstName = LabelFixtures::kind2Records(1).first().first();
        const auto name = std::find_if(words.cbegin(), words.cend(), [&](const PdfWord &w) { return w.text == firstName; });
        QVERIFY(name != words.cend());
        QVERIFY(qAbs(name->box.center().x() - (5 + 0.38 + 37.27 / 2)) < 0.3);
    }

    // The print dialog's range counts sheets of the whole run.
    void pageRangePrintsTheChosenSheetsOnly()
    {
        const QString out = m_dir.filePath(QStringLiteral("range.pdf"));
        PrinterAccess::setHooks({[] { return true; }, [&](QPrinter &printer) {
                                     printer.setOutputFormat(QPrinter::PdfFormat);
                                     printer.setOutputFileName(out);
                                     printer.setPrintRange(QPrinter::PageRange);
                                     printer.setFromTo(2, 3);
                                     return true;
                                 }});
        PreviewWindow preview([](const QPageSize &) { return threePages(); }, threePages());
        QCOMPARE(preview.pageCount(), 3);
        preview.print();
        PrinterAccess::setHooks({});
        QVERIFY(m_shown.isEmpty());
        const QList<PdfWord> words = pdfWords(out);
        if (words.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
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
        QVERIFY(m_shown.isEmpty());
        exportTo(preview, QStringLiteral("/nonexistent-folder/x.pdf"));
        QCOMPARE(m_shown.size(), 1);
        QVERIFY(m_shown[0].contains(QStringLiteral("/nonexistent-folder/x.pdf")));
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
        QVERIFY(preview.pageCount() > 1);  // 14 rows no longer fit
    }
};

QTEST_MAIN(TestPreviewWindow)
#include "tst_previewwindow.moc"
