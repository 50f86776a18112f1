// The main window on a laptop screen: it starts centred and inside the
// available area, its bars and style panels in sight, every cell reachable
// by scrolling, also zoomed in; Ctrl with the wheel or plus and minus zooms.
// Run once per screen size (the offscreen platform's screen configuration).
#include "frontend/usermessages.h"
#include "mainwindow/cellgrid.h"
#include "mainwindow/labelcell.h"
#include "mainwindow/mainwindow.h"
#include "tests/common/workdir.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace {

QRect inWindow(const QWidget *window, const QWidget *widget)
{
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

QScrollArea *gridArea(const MainWindow &window)
{
    return window.findChild<QScrollArea *>(QStringLiteral("gridArea"));
}

// Scrolled into view, the whole cell lies inside the grid's viewport (but
// for the grid's top frame line, which the window always hid).
bool reachable(const MainWindow &window, int number)
{
    QScrollArea *area = gridArea(window);
    LabelCell *cell = window.grid()->cell(number);
    const QRect inHolder =
        QRect(cell->mapTo(area->widget(), QPoint(0, 0)), cell->size()) & area->widget()->rect();
    area->ensureVisible(inHolder.center().x(), inHolder.center().y(), inHolder.width() / 2 + 1,
                        inHolder.height() / 2 + 1);
    const QRect shown = inHolder.translated(area->widget()->pos());
    return inHolder.height() >= cell->height() - 2 && area->viewport()->rect().contains(shown);
}

void ctrlWheel(QWidget *target, int angle)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

} // namespace

class TestWindowFit : public QObject
{
    Q_OBJECT

private:
    QRect m_available;

private Q_SLOTS:
    void initTestCase()
    {
        UserMessages::setAnswerer(
            [](const UserMessages::Shown &) { return UserMessages::Answer::Ok; });
        m_available = QGuiApplication::primaryScreen()->availableGeometry();
        // Run under a laptop screen, not the offscreen default of 800 x 600.
        QVERIFY2(m_available.size() == QSize(1366, 768) || m_available.size() == QSize(1280, 720),
                 qPrintable(
                     QStringLiteral("%1 x %2").arg(m_available.width()).arg(m_available.height())));
    }

    void startsCentredInsideTheScreen()
    {
        WorkDir dir;
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.startUp();
        const QRect frame = window.frameGeometry();
        QVERIFY(m_available.contains(frame));
        QCOMPARE(window.width(), 1018); // wide enough here: the width it always had
        QVERIFY(qAbs(frame.center().x() - m_available.center().x()) <= 1);
        QVERIFY(qAbs(frame.center().y() - m_available.center().y()) <= 1);
    }

    void barsAndPanelsInSight_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("controls");
        const QStringList bar{"btn3",      "bnSave", "btn1",    "btn2",
                              "chkShrink", "pnl8",   "edtpage", "btnup"};
        QTest::newRow("kind 1") << 1 << bar;
        QTest::newRow("kind 2, three panels") << 2 << bar + QStringList{"pnl9", "pnl10"};
        QTest::newRow("kind 4") << 4 << bar + QStringList{"pnl10"};
    }

    void barsAndPanelsInSight()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, controls);
        WorkDir dir;
        dir.write(QStringLiteral("sys.ini"), "[info]\r\nMode=" + QByteArray::number(kind) + "\r\n");
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.startUp();
        for (const QString &name : controls) {
            const QWidget *control = window.findChild<QWidget *>(name);
            QVERIFY2(control && control->isVisible(), qPrintable(name));
            QVERIFY2(window.rect().contains(inWindow(&window, control)), qPrintable(name));
        }
    }

    void everyCellReachable_data()
    {
        QTest::addColumn<int>("zoomSteps");
        QTest::newRow("as it starts") << 0;
        QTest::newRow("zoomed in twice") << 2;
        QTest::newRow("zoomed in five times") << 5;
    }

    void everyCellReachable()
    {
        QFETCH(int, zoomSteps);
        WorkDir dir;
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.startUp();
        for (int i = 0; i < zoomSteps; ++i)
            window.zoomIn();
        QVERIFY(gridArea(window)->verticalScrollBar()->maximum() > 0);
        for (int n = 1; n <= 70; ++n)
            QVERIFY2(reachable(window, n), qPrintable(QString::number(n)));
    }

    void ctrlWheelAndKeysZoomAsTheArrows()
    {
        WorkDir dir;
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.startUp();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QSize start = window.grid()->size();

        MainWindow arrows;
        arrows.zoomIn();
        const QSize zoomedIn = arrows.grid()->size();

        // Over a cell: the grid zooms, not the cell's own text.
        LabelCell *cell = window.grid()->cell(8);
        ctrlWheel(cell, 120);
        QCOMPARE(window.grid()->size(), zoomedIn);
        QCOMPARE(cell->geometry(), arrows.grid()->cell(8)->geometry());
        QCOMPARE(cell->font().pointSize(), arrows.grid()->cell(8)->font().pointSize());
        ctrlWheel(cell, -60); // half a notch: nothing yet
        QCOMPARE(window.grid()->size(), zoomedIn);
        ctrlWheel(cell, -60);
        arrows.zoomOut();
        QCOMPARE(window.grid()->size(), arrows.grid()->size());

        MainWindow keys;
        keys.show();
        QVERIFY(QTest::qWaitForWindowExposed(&keys));
        keys.startUp();
        keys.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&keys));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(keys.grid()->size(), zoomedIn);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(keys.grid()->size(), arrows.grid()->size());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Equal, Qt::ControlModifier);
        arrows.zoomIn();
        QCOMPARE(keys.grid()->size(), arrows.grid()->size());
        QVERIFY(start != zoomedIn);
    }

    void plainWheelOverACellScrollsTheGrid()
    {
        WorkDir dir;
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.startUp();
        QScrollBar *bar = gridArea(window)->verticalScrollBar();
        QCOMPARE(bar->value(), 0);
        QWidget *cell = window.grid()->cell(6);
        const QPointF at(10, 10);
        QWheelEvent wheel(at, cell->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(cell, &wheel);
        QVERIFY(bar->value() > 0);
    }
};

QTEST_MAIN(TestWindowFit)
#include "tst_windowfit.moc"
