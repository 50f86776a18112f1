#include "frontend/fontchooser.h"
#include "frontend/fontpreview.h"

#include <QAbstractItemView>
#include <QFontDatabase>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace {

QStringList entries(const FontChooser &chooser)
{
    QStringList texts;
    for (int i = 0; i < chooser.count(); ++i)
        texts << chooser.itemText(i);
    return texts;
}

// The user's picks above the separator, and the sorted families below it.
QStringList picksPart(const FontChooser &chooser)
{
    const QStringList all = entries(chooser);
    return all.mid(0, std::max<qsizetype>(all.indexOf(QString()), 0));
}

QStringList sortedPart(const FontChooser &chooser)
{
    const QStringList all = entries(chooser);
    return all.mid(all.indexOf(QString()) + 1);
}

QStringList listedFamilies()
{
    return sortedPart(FontChooser());
}

// As the user does it: open the list, move to the family's entry in the
// sorted part and press Enter.
void pickFromList(FontChooser &chooser, const QString &family)
{
    const int row = chooser.model()->rowCount() - int(sortedPart(chooser).size())
        + int(sortedPart(chooser).indexOf(family));
    chooser.showPopup();
    QAbstractItemView *list = chooser.view();
    list->setCurrentIndex(chooser.model()->index(row, 0));
    QTest::keyClick(list, Qt::Key_Return);
}

bool caseInsensitiveLess(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

} // namespace

class TestFontChooser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void listsInstalledFamiliesSortedWithoutSymbolFonts();
    void startsWithoutSelection();
    void picksGoToTheTop_data();
    void picksGoToTheTop();
    void setFontName_data();
    void setFontName();
    void userPickReplacesASubstitutedName();
    void userChoiceEmitsAndSettingDoesNot();
    void previewFollowsTheHighlight();
};

void TestFontChooser::initTestCase()
{
    QVERIFY2(listedFamilies().size() > FontChooser::RecentLimit + 1, "too few fonts installed");
    QFont::insertSubstitution(QStringLiteral("岑禾測試字型"), listedFamilies().at(2));
    QFont::insertSubstitutions(QStringLiteral("岑禾測試字型二"),
                               {QStringLiteral("No Such Family"), listedFamilies().at(3)});
}

void TestFontChooser::listsInstalledFamiliesSortedWithoutSymbolFonts()
{
    const QStringList listed = entries(FontChooser());
    QVERIFY(std::is_sorted(listed.begin(), listed.end(), caseInsensitiveLess));
    QCOMPARE(QStringList(listed).removeDuplicates(), 0);
    int symbolFonts = 0;
    for (const QString &family : QFontDatabase::families()) {
        const bool symbol = QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol);
        symbolFonts += symbol;
        QVERIFY2(listed.contains(family) == !symbol, qPrintable(family));
    }
    if (symbolFonts == 0)
        QWARN("no symbol font installed: leaving them out is not exercised");
}

void TestFontChooser::startsWithoutSelection()
{
    FontChooser chooser;
    QCOMPARE(chooser.currentIndex(), -1);
    QCOMPARE(chooser.fontName(), QString());
    QVERIFY(!chooser.isEditable());
}

void TestFontChooser::picksGoToTheTop_data()
{
    // Indexes into the sorted families.
    QTest::addColumn<QList<int>>("picks");
    QTest::addColumn<QList<int>>("top");
    QTest::newRow("one pick") << QList<int>{0} << QList<int>{0};
    QTest::newRow("latest first") << QList<int>{3, 1} << QList<int>{1, 3};
    QTest::newRow("picked again moves up") << QList<int>{1, 2, 1} << QList<int>{1, 2};
    QTest::newRow("oldest falls off") << QList<int>{0, 1, 2, 3, 4, 5} << QList<int>{5, 4, 3, 2, 1};
}

void TestFontChooser::picksGoToTheTop()
{
    QFETCH(QList<int>, picks);
    QFETCH(QList<int>, top);
    const QStringList families = listedFamilies();
    FontChooser chooser;
    for (int pick : picks)
        pickFromList(chooser, families.at(pick));

    QStringList expectedTop;
    for (int index : top)
        expectedTop << families.at(index);
    QCOMPARE(picksPart(chooser), expectedTop);
    QCOMPARE(sortedPart(chooser), families);
    QCOMPARE(chooser.fontName(), families.at(picks.constLast()));
    QVERIFY(!chooser.view()->isVisible());
}

void TestFontChooser::setFontName_data()
{
    const QStringList families = listedFamilies();
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("value");
    QTest::newRow("exact") << families.at(1) << families.at(1) << families.at(1);
    QTest::newRow("lower case") << families.at(1).toLower() << families.at(1) << families.at(1);
    QTest::newRow("upper case") << families.at(1).toUpper() << families.at(1) << families.at(1);
    QTest::newRow("unknown") << QStringLiteral("細明體測試") << QString() << QString();
    QTest::newRow("empty") << QString() << QString() << QString();
    // A substituted name shows the face that draws it and keeps its own name.
    QTest::newRow("substituted") << QStringLiteral("岑禾測試字型") << families.at(2)
                                 << QStringLiteral("岑禾測試字型");
    QTest::newRow("first installed substitute")
        << QStringLiteral("岑禾測試字型二") << families.at(3) << QStringLiteral("岑禾測試字型二");
}

void TestFontChooser::setFontName()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QFETCH(QString, value);
    FontChooser chooser;
    chooser.setFontName(QStringLiteral("岑禾測試字型"));
    chooser.setFontName(listedFamilies().constLast());
    chooser.setFontName(name);
    QCOMPARE(chooser.fontName(), value);
    QCOMPARE(chooser.currentIndex() < 0 ? QString() : chooser.currentText(), shown);
}

void TestFontChooser::userPickReplacesASubstitutedName()
{
    const QStringList families = listedFamilies();
    FontChooser chooser;
    chooser.show();
    QVERIFY(QTest::qWaitForWindowActive(&chooser));
    chooser.setFontName(QStringLiteral("岑禾測試字型"));
    pickFromList(chooser, families.at(2));
    QCOMPARE(chooser.fontName(), families.at(2));
}

void TestFontChooser::userChoiceEmitsAndSettingDoesNot()
{
    const QStringList families = listedFamilies();
    FontChooser chooser;
    chooser.show();
    QVERIFY(QTest::qWaitForWindowActive(&chooser));
    QSignalSpy chosen(&chooser, &FontChooser::fontChosen);
    chooser.setFontName(families.at(1));
    chooser.setFontName(QStringLiteral("細明體測試"));
    QCOMPARE(chosen.count(), 0);

    pickFromList(chooser, families.at(2));
    // Stepping with the closed list is a choice too.
    QTest::keyClick(&chooser, Qt::Key_Down);
    QCOMPARE(chosen.count(), 2);
    QCOMPARE(chosen.at(0).constFirst().toString(), families.at(2));
    QCOMPARE(chosen.at(1).constFirst().toString(), families.at(3));
    QCOMPARE(chooser.fontName(), families.at(3));
}

void TestFontChooser::previewFollowsTheHighlight()
{
    const QStringList families = listedFamilies();
    FontChooser chooser;
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    chooser.setFontName(families.at(1));
    auto *preview = chooser.findChild<FontPreview *>();
    QVERIFY(preview);
    QVERIFY(!preview->isVisible());

    chooser.showPopup();
    QVERIFY(preview->isVisible());
    QCOMPARE(preview->size(), QSize(260, 65));
    QCOMPARE(preview->family(), families.at(1));
    QVERIFY(!preview->geometry().intersects(chooser.view()->window()->geometry()));

    chooser.view()->setCurrentIndex(chooser.model()->index(4, 0));
    QCOMPARE(preview->family(), families.at(4));

    chooser.hidePopup();
    QVERIFY(!preview->isVisible());
    QCOMPARE(chooser.fontName(), families.at(1));
}

QTEST_MAIN(TestFontChooser)
#include "tst_fontchooser.moc"
