// The question before printing when label text falls where the printer
// cannot print: only the bands that hold text, with their rows or columns.
#include "composition/composer.h"
#include "composition/labelfonts.h"
#include "frontend/unprintablebands.h"
#include "tests/composition/labelfixtures.h"
#include "tests/composition/memoryfeed.h"

#include <QTest>

using UnprintableBands::Edge;

Q_DECLARE_METATYPE(QMarginsF)

namespace {

QList<ComposedPage> kindTwoSheets(double topMm, int records = 70)
{
    LabelTemplate sheet = LabelFixtures::kind2Sheet();
    sheet.page1.topMarginMm = topMm;
    MemoryFeed feed(LabelFixtures::kind2Records(records));
    return composeLabelPages(sheet, feed).pages;
}

} // namespace

class TestUnprintableBands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { LabelFonts::installKaiSubstitution(); }

    void namesOnlyTheBandsHoldingText_data()
    {
        QTest::addColumn<double>("top");
        QTest::addColumn<int>("records");
        QTest::addColumn<QMarginsF>("unreachable"); // left, top, right, bottom
        QTest::addColumn<QString>("bands");
        // A printer that reaches to 4.23 mm: the kind 2 name starts 4.85 mm
        // down, the left labels 5 mm in: nothing to ask.
        QTest::newRow("clear") << 2.0 << 70 << QMarginsF(4.23, 4.23, 4.23, 4.23) << "";
        // 6.4 mm all round takes the first row's names and the first
        // column; the right and bottom labels stay clear of it.
        QTest::newRow("wide bands")
            << 2.0 << 70 << QMarginsF(6.4, 6.4, 6.4, 6.4) << "上緣 第 1 列|左緣 第 1 欄";
        // A wide bottom band with the last row's addresses in it.
        QTest::newRow("bottom") << 2.0 << 70 << QMarginsF(0, 0, 0, 9) << "下緣 第 14 列";
        // Empty cells in the band need no question.
        QTest::newRow("bottom row empty") << 2.0 << 65 << QMarginsF(0, 0, 0, 9) << "";
    }

    void namesOnlyTheBandsHoldingText()
    {
        QFETCH(double, top);
        QFETCH(int, records);
        QFETCH(QMarginsF, unreachable);
        QFETCH(QString, bands);
        QStringList named;
        for (const UnprintableBands::Overlap &overlap :
             UnprintableBands::overlaps(kindTwoSheets(top, records), unreachable)) {
            const bool rows = overlap.edge == Edge::Top || overlap.edge == Edge::Bottom;
            const QString edge =
                QStringList{QStringLiteral("上緣"), QStringLiteral("下緣"), QStringLiteral("左緣"),
                            QStringLiteral("右緣")}[int(overlap.edge)];
            QStringList lines;
            for (int line : overlap.lines)
                lines.append(QString::number(line));
            named.append(QStringLiteral("%1 第 %2 %3")
                             .arg(edge, lines.join(u','),
                                  rows ? QStringLiteral("列") : QStringLiteral("欄")));
        }
        QCOMPARE(named.join(u'|'), bands);
    }

    void questionWording()
    {
        const QList<UnprintableBands::Overlap> overlaps =
            UnprintableBands::overlaps(kindTwoSheets(2), QMarginsF(6.4, 6.4, 6.4, 6.4));
        QCOMPARE(
            UnprintableBands::question(overlaps),
            QStringLiteral(
                "這台印表機在紙張邊緣有印不到的範圍，下列標籤的文字落在其中，可能印不完整：\n\n"
                "・上緣 6.4 毫米內：第 1 列\n"
                "・左緣 6.4 毫米內：第 1 欄\n\n"
                "要照樣列印，還是返回（可按「調整邊界」移動標籤）？"));
    }
};

QTEST_MAIN(TestUnprintableBands)
#include "tst_unprintablebands.moc"
