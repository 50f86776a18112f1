// The stored label font name resolves to the installed Traditional Chinese
// Kai face instead of a Latin face with per-glyph fallback.
#include "composition/labelfonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

class TestLabelFonts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (!QFontDatabase::hasFamily(QStringLiteral("AR PL UKai TW")))
            QSKIP("fonts-arphic-ukai is not installed");
        LabelFonts::installKaiSubstitution();
    }

    void windowsNamesResolveToKai_data()
    {
        QTest::addColumn<QString>("family");
        QTest::newRow("標楷體") << QStringLiteral("標楷體");
        QTest::newRow("DFKai-SB") << QStringLiteral("DFKai-SB");
        QTest::newRow("BiauKai") << QStringLiteral("BiauKai");
    }

    void windowsNamesResolveToKai()
    {
        QFETCH(QString, family);
        QCOMPARE(QFontInfo(QFont(family)).family(), QStringLiteral("AR PL UKai TW"));
    }

    void otherNamesAreLeftAlone()
    {
        QCOMPARE(QFont::substitutes(QStringLiteral("DejaVu Sans")), QStringList());
    }
};

QTEST_MAIN(TestLabelFonts)
#include "tst_labelfonts.moc"
