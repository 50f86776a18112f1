// Seat line composition and reopening, and the mapping between dialog fields
// and cell lines for every kind.
#include "sheet/labelfields.h"
#include "sheet/seattext.h"

#include <QTest>

Q_DECLARE_METATYPE(LabelFields)

class TestSeatText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void compose_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("seat");
        QTest::newRow("zone row number") << "A" << 3 << 12 << "A區3排12號";
        QTest::newRow("zone row") << "A" << 3 << 0 << "A區3排";
        QTest::newRow("zone number") << "A" << 0 << 7 << "A區7號";
        QTest::newRow("zone only") << "A" << 0 << 0 << "A區";
        QTest::newRow("row number") << "" << 3 << 12 << "3排12號";
        QTest::newRow("row, number 0") << "" << 3 << 0 << "3排0號";
        QTest::newRow("number only") << "" << 0 << 7 << "7號";
        QTest::newRow("nothing") << "" << 0 << 0 << "0號";
        QTest::newRow("space zone counts") << " " << 1 << 2 << " 區1排2號";
    }

    void compose()
    {
        QFETCH(QString, zone);
        QFETCH(int, row);
        QFETCH(int, number);
        QFETCH(QString, seat);
        QCOMPARE(SeatText::compose(zone, row, number), seat);
    }

    void reopen_data()
    {
        QTest::addColumn<QString>("seat");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("number");
        QTest::newRow("full") << "A區3排12號"
                              << "A"
                              << "3"
                              << "12";
        QTest::newRow("no row") << "A區7號"
                                << "A"
                                << ""
                                << "7";
        QTest::newRow("no number") << "A區3排"
                                   << "A"
                                   << "3"
                                   << "";
        QTest::newRow("no zone") << "3排0號"
                                 << ""
                                 << "3"
                                 << "0";
        QTest::newRow("number only") << "0號"
                                     << ""
                                     << ""
                                     << "0";
        QTest::newRow("empty") << ""
                               << ""
                               << ""
                               << "";
        QTest::newRow("zone holding 區") << "東區區3排4號"
                                         << "東"
                                         << "區3"
                                         << "4";
        QTest::newRow("zone holding 區, no row") << "東區區7號"
                                                 << "東"
                                                 << ""
                                                 << "區7";
        // Only 50 characters after a separator are searched further.
        QTest::newRow("tail cut after the row separator")
            << QStringLiteral("A區") + QString(48, u'9') + QStringLiteral("排5號") << "A"
            << QString(48, u'9') << "";
        QTest::newRow("tail cut before the row separator")
            << QStringLiteral("A區") + QString(50, u'9') + QStringLiteral("排5號") << "A"
            << ""
            << "";
    }

    void reopen()
    {
        QFETCH(QString, seat);
        QFETCH(QString, zone);
        QFETCH(QString, row);
        QFETCH(QString, number);
        const SeatText::Parts parts = SeatText::parse(seat);
        QCOMPARE(parts.zone, zone);
        QCOMPARE(parts.row, row);
        QCOMPARE(parts.number, number);
    }

    void reopenedSeatSavesTheSame_data()
    {
        QTest::addColumn<QString>("seat");
        for (const char *seat :
             {"A區3排12號", "A區7號", "A區3排", "A區", "3排0號", "0號", "3排12號"})
            QTest::newRow(seat) << QString::fromUtf8(seat);
    }

    void reopenedSeatSavesTheSame()
    {
        QFETCH(QString, seat);
        const QStringList cell{QStringLiteral("林志明"), seat};
        QCOMPARE(cellFromFields(3, fieldsFromCell(3, cell)), cell);
    }

    void fieldValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("number") << "12" << 12;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("letters") << "區3" << 0;
        QTest::newRow("above") << "150" << 100;
        QTest::newRow("below") << "-4" << 0;
        QTest::newRow("huge") << "99999999999999" << 100;
    }

    void fieldValue()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(SeatText::fieldValue(text), value);
    }

    void cellLines_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<LabelFields>("fields");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<LabelFields>("reopened");

        const auto fields = [](QString name, QString birth, QString address, QString exam = {}) {
            LabelFields f;
            f.name = name;
            f.birth = birth;
            f.address = address;
            f.exam = exam;
            return f;
        };
        QTest::newRow("kind 1") << 1 << fields("王小明", "", "") << QStringList{"王小明"}
                                << fields("王小明", "", "");
        QTest::newRow("kind 1 empty")
            << 1 << fields("", "", "") << QStringList{""} << fields("", "", "");
        QTest::newRow("kind 2 full") << 2 << fields("陳美玲", "民國六十年", "甲市")
                                     << QStringList{"陳美玲", "民國六十年", "甲市"}
                                     << fields("陳美玲", "民國六十年", "甲市");
        QTest::newRow("kind 2 no birth")
            << 2 << fields("林志明", "", "甲市") << QStringList{"林志明", "甲市"}
            << fields("林志明", "甲市", "");
        QTest::newRow("kind 2 no address")
            << 2 << fields("林志明", "民國", "") << QStringList{"林志明", "民國"}
            << fields("林志明", "民國", "");
        QTest::newRow("kind 2 name only")
            << 2 << fields("林", "", "") << QStringList{"林"} << fields("林", "", "");
        QTest::newRow("kind 4") << 4 << fields("王", "", "", "高考") << QStringList{"王", "高考"}
                                << fields("王", "", "", "高考");
        QTest::newRow("kind 4 no exam")
            << 4 << fields("王", "", "", "") << QStringList{"王", ""} << fields("王", "", "", "");
        QTest::newRow("other kind") << 7 << fields("王", "", "") << QStringList{} << LabelFields{};
    }

    void cellLines()
    {
        QFETCH(int, kind);
        QFETCH(LabelFields, fields);
        QFETCH(QStringList, lines);
        QFETCH(LabelFields, reopened);
        QCOMPARE(cellFromFields(kind, fields), lines);
        QVERIFY(fieldsFromCell(kind, lines) == reopened);
    }

    void kindOneOpensOnlyLineZero()
    {
        const QStringList loaded{QStringLiteral("王"), QStringLiteral("x"), QStringLiteral("y"),
                                 QStringLiteral("z")};
        const LabelFields fields = fieldsFromCell(1, loaded);
        QCOMPARE(fields.name, QStringLiteral("王"));
        QCOMPARE(cellFromFields(1, fields), QStringList{QStringLiteral("王")});
    }
};

QTEST_GUILESS_MAIN(TestSeatText)
#include "tst_seattext.moc"
