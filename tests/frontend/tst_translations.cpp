// Qt's print dialog in Traditional Chinese, including the duplex texts of
// its options tab that Qt's own translation lacks.
#include "frontend/translations.h"

#include <QApplication>
#include <QGroupBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTest>

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Translations::installChinese(); }

    void printDialogOptionsInChinese()
    {
        QPrinter printer;
        QPrintDialog dialog(&printer);
        QStringList texts;
        for (const QRadioButton *button : dialog.findChildren<QRadioButton *>())
            texts.append(button->text());
        QStringList titles;
        for (const QGroupBox *box : dialog.findChildren<QGroupBox *>())
            titles.append(box->title());
        QVERIFY2(titles.contains(QStringLiteral("雙面列印")), qPrintable(titles.join(u'|')));
        for (const QString &text :
             {QStringLiteral("關閉"), QStringLiteral("長邊裝訂"), QStringLiteral("短邊裝訂")})
            QVERIFY2(texts.contains(text), qPrintable(texts.join(u'|')));
        // Qt's own translation still answers the rest.
        QVERIFY(texts.contains(QStringLiteral("灰階")));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
