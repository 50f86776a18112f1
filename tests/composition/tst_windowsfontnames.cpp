// A face stored by its Chinese or its English Windows name picks the same
// face, whichever of the two names this machine lists.
#include "composition/windowsfontnames.h"

#include <QSet>
#include <QTest>

using WindowsFontNames::Substitution;

class TestWindowsFontNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void otherNameStandsIn_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("expected"); // missing → installed, in table order
        QTest::newRow("English Windows")
            << QStringList{"DFKai-SB", "PMingLiU", "MingLiU", "Microsoft JhengHei"}
            << QStringList{"標楷體→DFKai-SB", "新細明體→PMingLiU", "細明體→MingLiU",
                           "微軟正黑體→Microsoft JhengHei"};
        QTest::newRow("Chinese Windows")
            << QStringList{"標楷體", "新細明體", "微軟正黑體"}
            << QStringList{"DFKai-SB→標楷體", "PMingLiU→新細明體", "Microsoft JhengHei→微軟正黑體"};
        QTest::newRow("both names listed") << QStringList{"標楷體", "DFKai-SB"} << QStringList{};
        QTest::newRow("neither name listed") << QStringList{"AR PL UKai TW"} << QStringList{};
    }

    void otherNameStandsIn()
    {
        QFETCH(QStringList, installed);
        QFETCH(QStringList, expected);
        const QSet<QString> listed(installed.begin(), installed.end());
        QStringList found;
        for (const Substitution &substitution : WindowsFontNames::substitutions(
                 [&](const QString &family) { return listed.contains(family); }))
            found.append(substitution.missing + u'→' + substitution.installed);
        QCOMPARE(found, expected);
    }
};

QTEST_GUILESS_MAIN(TestWindowsFontNames)
#include "tst_windowsfontnames.moc"
