// The text style panels of the main window: what a page load reads into
// them and what each change and each save writes to sys.ini.
#include "composition/labelfonts.h"
#include "editing/stylepanel.h"
#include "frontend/colorchooser.h"
#include "frontend/fontchooser.h"
#include "frontend/sizespinbox.h"
#include "ini/iniutil.h"
#include "mainwindow/mainwindow.h"
#include "tests/common/messagelog.h"
#include "tests/common/startedwindow.h"
#include "tests/common/workdir.h"

#include <QLabel>
#include <QTest>

namespace {

QString stored(const QString &section, const QString &key)
{
    return IniUtil::readString(QStringLiteral("sys.ini"), section, key);
}

QByteArray style(const char *section, const char *font, const char *color, const char *size)
{
    return QByteArray("[") + section + "]\r\nfont=" + font + "\r\ncolor=" + color
        + "\r\nsize=" + size + "\r\n";
}

// A family that is surely listed, other than the initial one.
QString someOtherFamily()
{
    FontChooser chooser;
    return chooser.itemText(0);
}

} // namespace

class TestStylePanels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { LabelFonts::installKaiSubstitution(); }

    void firstStartShowsNoMessageAndSaveStoresDefaults()
    {
        StartedWindow s({StartedWindow::kind(1)});
        QVERIFY(s.messages.shown.isEmpty());
        const TextStylePanel *name = s.window.stylePanel(StylePanel::Name);
        QCOMPARE(name->fontName(), QStringLiteral("標楷體"));
        QCOMPARE(name->color(), 536870911);
        QCOMPARE(name->size(), 20);
        QVERIFY(stored(QStringLiteral("M1font1"), QStringLiteral("size")).isEmpty());

        s.window.savePage();
        QCOMPARE(stored(QStringLiteral("M1font1"), QStringLiteral("font")),
                 QStringLiteral("標楷體"));
        QCOMPARE(stored(QStringLiteral("M1font1"), QStringLiteral("color")),
                 QStringLiteral("536870911"));
        QCOMPARE(stored(QStringLiteral("M1font1"), QStringLiteral("size")), QStringLiteral("20"));
        // Kind 1 touches no other kind's sections.
        QVERIFY(!s.dir.read(QStringLiteral("sys.ini")).contains("M2font"));
    }

    void storedStylesAreShown()
    {
        WorkDir dir;
        MessageLog messages;
        const QString family = someOtherFamily();
        dir.write(QStringLiteral("sys.ini"),
                  "[info]\r\nMode=2\r\n"
                      + style("M2font1", family.toUtf8().constData(), "255", "12")
                      + style("M2font2", "標楷體", "65280", "150")
                      + style("M2font3", "不存在的字型", "-5", "-3"));
        MainWindow window;
        window.startUp();
        QVERIFY(messages.shown.isEmpty());
        const TextStylePanel *address = window.stylePanel(StylePanel::Address);
        const TextStylePanel *third = window.stylePanel(StylePanel::ThirdField);
        const TextStylePanel *name = window.stylePanel(StylePanel::Name);
        QCOMPARE(address->fontName(), family);
        QCOMPARE(address->color(), 255);
        QCOMPARE(address->size(), 12);
        QCOMPARE(third->size(), 100); // 150 is brought to the bound
        QCOMPARE(name->fontName(), QString()); // not installed: no selection
        QCOMPARE(name->size(), 0);
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lbl14"))->text(),
                 QStringLiteral("生辰"));

        window.savePage();
        QCOMPARE(stored(QStringLiteral("M2font2"), QStringLiteral("size")), QStringLiteral("100"));
        QCOMPARE(stored(QStringLiteral("M2font3"), QStringLiteral("font")), QString());
        QCOMPARE(stored(QStringLiteral("M2font3"), QStringLiteral("color")), QStringLiteral("-5"));
    }

    void loadingWritesNothing()
    {
        WorkDir dir;
        MessageLog messages;
        const QByteArray settings = "[info]\r\nMode=1\r\n" + style("M1font1", "標楷體", "0", "33");
        dir.write(QStringLiteral("sys.ini"), settings);
        MainWindow window;
        window.startUp();
        QCOMPARE(window.stylePanel(StylePanel::Name)->size(), 33);
        window.loadPage();
        QCOMPARE(dir.read(QStringLiteral("sys.ini")), settings);
    }

    void oneSizeStepWritesItsKind()
    {
        StartedWindow s({StartedWindow::kind(1)});
        s.window.findChild<SizeSpinBox *>(QStringLiteral("spinSize"))->stepBy(1);
        QCOMPARE(stored(QStringLiteral("M1font1"), QStringLiteral("size")), QStringLiteral("21"));
        QCOMPARE(stored(QStringLiteral("M1font1"), QStringLiteral("font")),
                 QStringLiteral("標楷體"));
        QCOMPARE(stored(QStringLiteral("M1font1"), QStringLiteral("color")),
                 QStringLiteral("536870911"));
    }

    void fontPickInKindTwoWritesAllNineValues()
    {
        StartedWindow s({StartedWindow::kind(2)});
        auto *cbb1 = s.window.findChild<FontChooser *>(QStringLiteral("cbb1"));
        const QString family = someOtherFamily();
        cbb1->setCurrentIndex(cbb1->findText(family));
        Q_EMIT cbb1->activated(cbb1->currentIndex());
        QCOMPARE(stored(QStringLiteral("M2font1"), QStringLiteral("font")), family);
        for (const char *section : {"M2font1", "M2font2", "M2font3"}) {
            for (const char *key : {"font", "color", "size"})
                QVERIFY2(!IniUtil::readString(QStringLiteral("sys.ini"), QLatin1String(section),
                                              QLatin1String(key))
                              .isEmpty(),
                         section);
        }
        QVERIFY(!s.dir.read(QStringLiteral("sys.ini")).contains("M1font1"));
    }

    void malformedValueKeepsPartialState_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<int>("nameColor");
        QTest::addColumn<int>("nameSize");
        // Kind 3 reads M3font1 (third panel) then M3font2 (name panel).
        QTest::newRow("colour not a number") << QByteArray(
            style("M3font1", "標楷體", "red", "30") + style("M3font2", "標楷體", "255", "40"))
                                             << 536870911 << 20;
        QTest::newRow("size empty in second section") << QByteArray(
            style("M3font1", "標楷體", "0", "30") + style("M3font2", "標楷體", "255", ""))
                                                      << 255 << 20;
    }

    void malformedValueKeepsPartialState()
    {
        QFETCH(QByteArray, settings);
        QFETCH(int, nameColor);
        QFETCH(int, nameSize);
        StartedWindow s({{QStringLiteral("sys.ini"), "[info]\r\nMode=3\r\n" + settings}});
        QCOMPARE(s.messages.texts(), QStringList{QStringLiteral("載入參數失敗")});
        QCOMPARE(s.window.stylePanel(StylePanel::Name)->color(), nameColor);
        QCOMPARE(s.window.stylePanel(StylePanel::Name)->size(), nameSize);
        // The load goes on: the kind is set up and the page shown.
        QCOMPARE(s.window.kind(), 3);
        QCOMPARE(s.window.findChild<QLabel *>(QStringLiteral("lbl14"))->text(),
                 QStringLiteral("座位"));
    }

    void colourPickWritesButProgramSetDoesNot()
    {
        StartedWindow s({StartedWindow::kind(4)});
        auto *edt5 = s.window.findChild<ColorChooser *>(QStringLiteral("edt5"));
        edt5->setValue(255);
        QVERIFY(!s.dir.read(QStringLiteral("sys.ini")).contains("M4font1"));
        Q_EMIT edt5->colorPicked(255);
        QCOMPARE(stored(QStringLiteral("M4font1"), QStringLiteral("color")), QStringLiteral("255"));
    }
};

QTEST_MAIN(TestStylePanels)
#include "tst_stylepanels.moc"
