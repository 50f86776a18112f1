// Nothing changes behind the user's back: the keyboard starts on the grid
// and comes back to it after a kind change or a dialog, and a mouse wheel
// passing over a style field that has no focus leaves it as it is.
#include "composition/labelfonts.h"
#include "editing/stylepanel.h"
#include "frontend/fontchooser.h"
#include "frontend/sizespinbox.h"
#include "frontend/usermessages.h"
#include "mainwindow/cellgrid.h"
#include "mainwindow/labelcell.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/supportwindow.h"
#include "tests/common/workdir.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

namespace {

bool focusOnGrid(const MainWindow &window)
{
    const QWidget *focused = QApplication::focusWidget();
    return focused && (focused == window.grid() || window.grid()->isAncestorOf(focused));
}

void wheelOver(QWidget *target, int angle)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

void showActive(MainWindow &window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

class TestFocusWheel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        LabelFonts::installKaiSubstitution();
        UserMessages::setAnswerer(
            [](const UserMessages::Shown &) { return UserMessages::Answer::Ok; });
    }

    void focusStartsOnTheGridAndReturnsAfterAKindChange()
    {
        WorkDir dir;
        dir.write(QStringLiteral("sys.ini"), "[info]\r\nMode=2\r\n");
        MainWindow window;
        showActive(window);
        QTRY_VERIFY(focusOnGrid(window));

        QTest::mouseClick(window.stylePanel(StylePanel::Name)->sizeField(), Qt::LeftButton);
        QVERIFY(!focusOnGrid(window));
        window.chooseKind(4);
        QVERIFY(focusOnGrid(window));
        QCOMPARE(window.kind(), 4);
    }

    void focusReturnsToTheGridAfterTheSupportWindow()
    {
        WorkDir dir;
        MainWindow window;
        auto *support = new SupportWindow(&window);
        window.setSupport(support);
        showActive(window);
        QTRY_VERIFY(focusOnGrid(window));
        QTest::mouseClick(window.grid()->cell(12), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(focusOnGrid(window));
        QCOMPARE(window.grid()->currentCell(), 12);
        bool shown = false;
        QTimer::singleShot(0, support, [&] {
            shown = support->isVisible();
            support->reject();
        });
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("btn3")), Qt::LeftButton);
        QVERIFY(shown);
        // Offscreen the closed dialog does not give the activation back; the
        // window's own focus widget is where the keyboard returns.
        QCOMPARE(window.focusWidget(), static_cast<QWidget *>(window.grid()));
        QCOMPARE(window.grid()->currentCell(), 12);
    }

    void wheelOverAnUnfocusedFieldChangesNothing_data()
    {
        QTest::addColumn<bool>("fontField");
        QTest::newRow("font chooser") << true;
        QTest::newRow("size field") << false;
    }

    void wheelOverAnUnfocusedFieldChangesNothing()
    {
        QFETCH(bool, fontField);
        WorkDir dir;
        dir.write(QStringLiteral("sys.ini"), "[info]\r\nMode=1\r\n");
        MainWindow window;
        showActive(window);
        TextStylePanel *panel = window.stylePanel(StylePanel::Name);
        QWidget *field =
            fontField ? static_cast<QWidget *>(panel->fontChooser()) : panel->sizeField();
        QSignalSpy chosen(panel->fontChooser(), &FontChooser::fontChosen);
        const QByteArray before = dir.read(QStringLiteral("sys.ini"));
        for (int angle : {120, -120, -120, 240})
            wheelOver(field, angle);
        QVERIFY(!field->hasFocus());
        QCOMPARE(panel->fontName(), QStringLiteral("標楷體"));
        QCOMPARE(panel->size(), 20);
        QCOMPARE(chosen.count(), 0);
        QCOMPARE(dir.read(QStringLiteral("sys.ini")), before);

        // With the focus the wheel is an explicit step of the size.
        if (!fontField) {
            field->setFocus();
            wheelOver(field, 120);
            QCOMPARE(panel->size(), 21);
        }
    }
};

QTEST_MAIN(TestFocusWheel)
#include "tst_focuswheel.moc"
