// The two-answer question as the user meets it: named buttons with their
// keys, going back by default and on Esc.
#include "frontend/usermessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using UserMessages::Answer;

class TestUserMessages : public QObject
{
    Q_OBJECT

    // Asks, and once the box is up types `key` (with `modifiers`) into it.
    Answer askAndType(Qt::Key key, Qt::KeyboardModifiers modifiers, QStringList *buttons = nullptr)
    {
        bool seen = false;
        bool closedByKey = false;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = true;
            if (buttons) {
                for (QAbstractButton *button : box->buttons())
                    buttons->append(button->text());
                buttons->append(box->defaultButton()->text());
            }
            box->activateWindow();
            if (QTest::qWaitForWindowActive(box))
                QTest::keyClick(box->windowHandle(), key,
                                modifiers); // through the window, as shortcuts are
            closedByKey = QTest::qWaitFor([box] { return box->isHidden(); }, 2000);
            if (!closedByKey)
                box->close(); // never hang on a key that did nothing
        });
        const Answer answer =
            UserMessages::askGoOnOrBack(nullptr, QStringLiteral("要列印嗎？"),
                                        QStringLiteral("列印(&P)"), QStringLiteral("返回(&R)"));
        [&] {
            QVERIFY(seen);
            QVERIFY(closedByKey);
        }();
        return answer;
    }

private Q_SLOTS:
    void goOnByItsKey()
    {
        QStringList buttons;
        QCOMPARE(askAndType(Qt::Key_P, Qt::AltModifier, &buttons), Answer::Yes);
        QVERIFY(buttons.contains(QStringLiteral("列印(&P)")));
        QVERIFY(buttons.contains(QStringLiteral("返回(&R)")));
        QCOMPARE(buttons.size(), 3); // two buttons, then the default one
        QCOMPARE(buttons.last(), QStringLiteral("返回(&R)"));
    }

    void backByItsKeyEnterOrEscape_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Alt+R") << int(Qt::Key_R) << int(Qt::AltModifier);
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier);
    }

    void backByItsKeyEnterOrEscape()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QCOMPARE(askAndType(Qt::Key(key), Qt::KeyboardModifiers(modifiers)), Answer::Cancel);
    }
};

QTEST_MAIN(TestUserMessages)
#include "tst_usermessages.moc"
