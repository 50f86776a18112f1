// The four label layouts: kinds to templates, the A4 page, the label band
// and every text box, checked in millimetres against the label sheet.
#include "composition/labeltemplate.h"
#include "composition/reportunits.h"

#include <QTest>

namespace {

double mm2(double units)
{
    return std::round(ReportUnits::toMm(units) * 100) / 100;
}

} // namespace

class TestLabelTemplates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void kindsOutsideOneToFourHaveNone()
    {
        QVERIFY(!labelTemplate(0));
        QVERIFY(!labelTemplate(5));
    }

    void sharedPageAndBand_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        for (int kind = 1; kind <= 4; ++kind)
            QTest::addRow("kind %d", kind) << kind << QStringLiteral("frxrprt%1").arg(kind);
    }

    void sharedPageAndBand()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        const LabelTemplate layout = *labelTemplate(kind);
        QCOMPARE(layout.name, name);
        const ReportPage &page = layout.page1;
        QCOMPARE(QList<double>({page.paperWidthMm, page.paperHeightMm, page.leftMarginMm,
                                page.rightMarginMm, page.topMarginMm, page.bottomMarginMm}),
                 QList<double>({210, 297, 5, 5, 2, 1}));
        QCOMPARE(page.paperSize, 9);
        const MasterDataBand &band = layout.masterData1;
        QCOMPARE(band.columns, 5);
        QCOMPARE(mm2(band.columnWidth), 38.20);
        QCOMPARE(mm2(band.columnGap), 2.00);
        QCOMPARE(mm2(band.height), 20.90);
        // Five labels with four gaps and fourteen rows fit the default printable area.
        QVERIFY(4 * band.columnPitch() + band.columnWidth < ReportUnits::fromMm(200));
        QVERIFY(14 * band.height < ReportUnits::fromMm(294));
        QCOMPARE(layout.dataSet.userName, QStringLiteral("frxUserDataSet1"));
        QCOMPARE(layout.dataSet.fields, QStringList({"n1", "n2", "n3", "n4", "n5"}));
    }

    void textBoxes_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QList<double>>("leftTopHeightLowerMm");
        QTest::addColumn<bool>("stretches");
        QTest::newRow("1 Memo1") << 1 << 0 << "Memo1"
                                 << "n1" << QList<double>{0.00, 0.33, 19.67, 19.99} << false;
        QTest::newRow("2 Memo1") << 2 << 0 << "Memo1"
                                 << "n1" << QList<double>{0.38, 2.85, 7.70, 10.55} << false;
        QTest::newRow("2 Memo2") << 2 << 1 << "Memo2"
                                 << "n2" << QList<double>{0.00, 8.53, 3.70, 12.23} << false;
        QTest::newRow("2 Memo3") << 2 << 2 << "Memo3"
                                 << "n3" << QList<double>{0.00, 11.41, 3.70, 15.12} << false;
        QTest::newRow("3 Memo1") << 3 << 0 << "Memo1"
                                 << "n1" << QList<double>{0.00, 2.32, 9.70, 12.02} << false;
        QTest::newRow("3 Memo2") << 3 << 1 << "Memo2"
                                 << "n2" << QList<double>{0.00, 10.53, 5.70, 16.23} << false;
        QTest::newRow("4 Memo1") << 4 << 0 << "Memo1"
                                 << "n1" << QList<double>{0.38, 6.47, 8.70, 15.17} << false;
        QTest::newRow("4 Memo2") << 4 << 1 << "Memo2"
                                 << "n2" << QList<double>{0.00, 2.53, 7.70, 10.23} << true;
    }

    void textBoxes()
    {
        QFETCH(int, kind);
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, field);
        QFETCH(QList<double>, leftTopHeightLowerMm);
        QFETCH(bool, stretches);
        const TextBoxTemplate box = labelTemplate(kind)->boxes.value(index);
        QCOMPARE(box.name, name);
        QCOMPARE(box.field, field);
        QCOMPARE(QList<double>({mm2(box.rect.left()), mm2(box.rect.top()), mm2(box.rect.height()),
                                mm2(box.rect.bottom())}),
                 leftTopHeightLowerMm);
        QCOMPARE(mm2(box.rect.width()), 37.27);
        QCOMPARE(box.stretchMode == StretchMode::ActualHeight, stretches);
        QCOMPARE(box.alignment, Qt::AlignCenter);
        QCOMPARE(box.font.family, QStringLiteral("標楷體"));
        QCOMPARE(box.font.color, 0);
    }

    void boxCountsPerKind()
    {
        QCOMPARE(labelTemplate(1)->boxes.size(), 1);
        QCOMPARE(labelTemplate(2)->boxes.size(), 3);
        QCOMPARE(labelTemplate(3)->boxes.size(), 2);
        QCOMPARE(labelTemplate(4)->boxes.size(), 2);
    }

    // The print run changes its copy; the next run starts from stored values.
    void eachCallGivesAFreshCopy()
    {
        LabelTemplate changed = *labelTemplate(2);
        changed.page1.topMarginMm = 9;
        changed.boxes[1].font.pointSize = 8;
        const LabelTemplate fresh = *labelTemplate(2);
        QCOMPARE(fresh.page1.topMarginMm, 2.0);
        QCOMPARE(fresh.boxes[1].font.pointSize, 22);
    }
};

QTEST_APPLESS_MAIN(TestLabelTemplates)
#include "tst_labeltemplates.moc"
