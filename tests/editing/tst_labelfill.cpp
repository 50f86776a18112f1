// The fill shared by paste and import: values cleaned and read per kind,
// rows placed from the start cell and onto the following pages' empty cells.
#include "sheet/labelfill.h"

#include <QTest>

Q_DECLARE_METATYPE(LabelFields)

namespace {

LabelFields seat(const QString &name, const QString &zone, const QString &row,
                 const QString &number)
{
    LabelFields fields;
    fields.name = name;
    fields.zone = zone;
    fields.row = row;
    fields.number = number;
    return fields;
}

} // namespace

class TestLabelFill : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valuesAreCleanedAndRead_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<LabelFields>("fields");
        LabelFields address;
        address.name = QStringLiteral("林志明");
        address.address = QStringLiteral("台北市 中山區 三樓");
        QTest::newRow("breaks and tabs") << 2
                                         << QStringList{QStringLiteral(" 林志明 "), QString(),
                                                        QStringLiteral("台北市\r\n中山區\t三樓")}
                                         << address;
        QTest::newRow("seat text")
            << 3 << QStringList{QStringLiteral("王"), QStringLiteral("A區３排１２號")}
            << seat(QStringLiteral("王"), QStringLiteral("A"), QStringLiteral("3"),
                    QStringLiteral("12"));
        QTest::newRow("seat parts with units")
            << 3
            << QStringList{QStringLiteral("王"), QStringLiteral("A區"), QStringLiteral("3排"),
                           QStringLiteral("１２號")}
            << seat(QStringLiteral("王"), QStringLiteral("A"), QStringLiteral("3"),
                    QStringLiteral("12"));
        QTest::newRow("number only")
            << 3 << QStringList{QStringLiteral("王"), QStringLiteral("5號")}
            << seat(QStringLiteral("王"), QString(), QString(), QStringLiteral("5"));
        QTest::newRow("extra columns ignored")
            << 1 << QStringList{QStringLiteral("王"), QStringLiteral("0912")}
            << seat(QStringLiteral("王"), QString(), QString(), QString());
    }

    void valuesAreCleanedAndRead()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, values);
        QFETCH(LabelFields, fields);
        const auto read = LabelFill::fieldsFromValues(kind, values);
        QVERIFY(std::holds_alternative<LabelFields>(read));
        QCOMPARE(std::get<LabelFields>(read), fields);
    }

    void unreadableSeatsAreReasons_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::newRow("row too large") << QStringList{QStringLiteral("王"), QStringLiteral("A"),
                                                      QStringLiteral("101"), QStringLiteral("1")};
        QTest::newRow("number not a number") << QStringList{
            QStringLiteral("王"), QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("一")};
        QTest::newRow("seat text without parts")
            << QStringList{QStringLiteral("王"), QStringLiteral("12")};
    }

    void unreadableSeatsAreReasons()
    {
        QFETCH(QStringList, values);
        QVERIFY(std::holds_alternative<QString>(LabelFill::fieldsFromValues(3, values)));
    }

    void rowsContinueOnTheEmptyCellsOfTheFollowingPages()
    {
        SheetPage::Cells start;
        start[68] = QStringList{QStringLiteral("舊")}; // cell 69 is overwritten
        SheetPage::Cells second;
        second[0] = QStringList{QStringLiteral("有")}; // cell 1 of page 2 is passed over
        const LabelFill::PageSource pages = [&](int page) {
            return page == 4 ? start : page == 5 ? second : SheetPage::Cells{};
        };
        QList<LabelFill::Row> rows;
        for (int n = 1; n <= 4; ++n)
            rows.append({n, {QStringLiteral("名%1").arg(n)}});
        rows.insert(1, {9, {QStringLiteral(" "), QStringLiteral("\t")}}); // nothing in it
        const LabelFill::Plan plan = LabelFill::plan(1, rows, 4, 68, pages);
        QCOMPARE(plan.overwritten, 1);
        QVERIFY(plan.skipped.isEmpty());
        QCOMPARE(plan.placed.size(), 4);
        const QList<std::pair<int, int>> expected{{4, 68}, {4, 69}, {4, 70}, {5, 2}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE((std::pair{plan.placed[i].page, plan.placed[i].cell}), expected[i]);
            QCOMPARE(plan.placed[i].row, i + 1);
        }
        QCOMPARE(plan.placed[3].lines, QStringList{QStringLiteral("名4")});
        QCOMPARE(plan.firstPage(), 4);
        QCOMPARE(plan.lastPage(), 5);
        const QList<QList<LabelFill::Placed>> byPage = plan.byPage();
        QCOMPARE(byPage.size(), 2);
        QCOMPARE(byPage[0].size(), 3);
        QCOMPARE(byPage[1].size(), 1);
        const SheetPage::Cells fifth = LabelFill::placeInto(pages(5), byPage[1]);
        QCOMPARE(fifth[0], pages(5)[0]);
        QCOMPARE(fifth[1], QStringList{QStringLiteral("名4")});
    }

    void copiedLineHasTheDialogsFields()
    {
        QCOMPARE(LabelFill::tabLine(3, {QStringLiteral("王"), QStringLiteral("A區3排12號")}),
                 QStringLiteral("王\tA\t3\t12"));
        QCOMPARE(LabelFill::tabLine(4, {QStringLiteral("王"), QStringLiteral("國家考試")}),
                 QStringLiteral("王\t國家考試"));
    }

    void followingSeatTakesTheNextNumber()
    {
        QCOMPARE(LabelFill::followingSeat(seat(QStringLiteral("王"), QStringLiteral("A"),
                                               QStringLiteral("3"), QStringLiteral("12"))),
                 seat(QString(), QStringLiteral("A"), QStringLiteral("3"), QStringLiteral("13")));
        QCOMPARE(LabelFill::followingSeat(seat(QStringLiteral("王"), QStringLiteral("A"),
                                               QStringLiteral("3"), QStringLiteral("100")))
                     .number,
                 QString());
    }
};

QTEST_MAIN(TestLabelFill)
#include "tst_labelfill.moc"
