// Cells whose text printing would cut: the grid marks them, the preview
// counts them per sheet, and "自動縮小" prints them smaller, stored per kind.
#include "composition/labelfonts.h"
#include "editing/labeldialog.h"
#include "editing/stylepanel.h"
#include "frontend/previewwindow.h"
#include "frontend/sizespinbox.h"
#include "frontend/usermessages.h"
#include "ini/iniutil.h"
#include "mainwindow/cellgrid.h"
#include "mainwindow/cutmark.h"
#include "mainwindow/labelcell.h"
#include "mainwindow/mainwindow.h"
#include "sheet/labelfields.h"
#include "tests/common/workdir.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>

namespace {

const QByteArray LongAddress = "台北市中正區重慶南路一段一二二號之三之四";

// Kind 2 at its initial sizes, cell 7 of page 1 holding an address too long
// for them and cell 1 a short one.
void writeKind2Page(const WorkDir &dir)
{
    dir.write(QStringLiteral("sys.ini"), "[info]\r\nMode=2\r\n");
    dir.write(QStringLiteral("地址1.ini"),
              "[1]\r\n0=陳美玲\r\n1=民國60年1月2日\r\n2=台北市\r\n"
              "[7]\r\n0=林志明\r\n1=民國61年3月4日\r\n2="
                  + LongAddress + "\r\n");
}

QList<int> markedCells(const MainWindow &window)
{
    QList<int> marked;
    for (int n = 1; n <= 70; ++n) {
        if (CutMark::isShown(window.grid()->cell(n)))
            marked.append(n);
    }
    return marked;
}

QString cutLabelsLine(const PreviewWindow &preview)
{
    const QLabel *line = preview.findChild<QLabel *>(QStringLiteral("cutLabels"));
    return line && !line->isHidden() ? line->text() : QString();
}

} // namespace

class TestCutMarks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        LabelFonts::installKaiSubstitution();
        UserMessages::setAnswerer(
            [](const UserMessages::Shown &) { return UserMessages::Answer::Ok; });
    }

    void cutCellIsMarkedAndCounted()
    {
        WorkDir dir;
        writeKind2Page(dir);
        MainWindow window;
        window.startUp();
        QCOMPARE(markedCells(window), QList<int>{7});
        QCOMPARE(window.grid()->cell(7)->toolTip(), QStringLiteral("文字超出標籤，列印時會被截斷"));
        QVERIFY(window.grid()->cell(1)->toolTip().isEmpty());

        const std::unique_ptr<PreviewWindow> preview = window.makePreview();
        QCOMPARE(preview->pages()[0].cutLabelCount(), 1);
        QCOMPARE(cutLabelsLine(*preview),
                 QStringLiteral("1 張標籤的文字超出標籤，列印時會被截斷（第 1 頁）"));
    }

    void marksFollowStylesAndEdits()
    {
        WorkDir dir;
        writeKind2Page(dir);
        MainWindow window;
        window.startUp();
        // A larger name size cuts every name.
        window.stylePanel(StylePanel::Name)->sizeField()->setValue(40);
        QCOMPARE(markedCells(window), (QList<int>{1, 7}));
        window.stylePanel(StylePanel::Name)->sizeField()->setValue(12);
        QCOMPARE(markedCells(window), QList<int>{7});

        // An edit through the editing dialog judges the cell again.
        LabelDialog editor(&window);
        window.setEditor(&editor);
        window.fillDialogFromCell(QStringLiteral("7"));
        editor.setFields(2, fieldsFromCell(2, {"林志明", "", "台北市"}));
        window.writeDialogToCell(QStringLiteral("7"));
        QVERIFY(markedCells(window).isEmpty());
        QVERIFY(window.grid()->cell(7)->toolTip().isEmpty());
        editor.setFields(2, fieldsFromCell(2, {"林志明", "", QString::fromUtf8(LongAddress)}));
        window.writeDialogToCell(QStringLiteral("7"));
        QCOMPARE(markedCells(window), QList<int>{7});
    }

    void autoShrinkPrintsCutLabelsSmallerAndIsStored()
    {
        WorkDir dir;
        writeKind2Page(dir);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.startUp();
        QCheckBox *shrink = window.autoShrinkBox();
        QCOMPARE(shrink->text(), QStringLiteral("自動縮小"));
        QVERIFY(!shrink->isChecked());
        QVERIFY(!dir.read(QStringLiteral("sys.ini")).contains("autoshrink"));

        QTest::mouseClick(shrink, Qt::LeftButton, {}, QPoint(6, shrink->height() / 2));
        QVERIFY(shrink->isChecked());
        QCOMPARE(IniUtil::readString(QStringLiteral("sys.ini"), QStringLiteral("M2font1"),
                                     QStringLiteral("autoshrink")),
                 QStringLiteral("1"));
        const std::unique_ptr<PreviewWindow> preview = window.makePreview();
        const QList<PlacedLabel> labels = preview->pages()[0].labels;
        QCOMPARE(labels[6].boxes[2].font.pointSize, 6);
        QCOMPARE(labels[0].boxes[2].font.pointSize, window.stylePanel(StylePanel::Address)->size());
        QCOMPARE(labels[0].boxes[0].font.pointSize, 12);
        QCOMPARE(labels[6].boxes[0].font.pointSize, 12); // fits: as styled

        // Another kind has its own setting; coming back reads it again.
        window.chooseKind(1);
        QVERIFY(!shrink->isChecked());
        window.chooseKind(2);
        QVERIFY(shrink->isChecked());
        QTest::mouseClick(shrink, Qt::LeftButton, {}, QPoint(6, shrink->height() / 2));
        QCOMPARE(IniUtil::readString(QStringLiteral("sys.ini"), QStringLiteral("M2font1"),
                                     QStringLiteral("autoshrink")),
                 QStringLiteral("0"));
    }
};

QTEST_MAIN(TestCutMarks)
#include "tst_cutmarks.moc"
