#include "frontend/filedialogs.h"
#include "frontend/usermessages.h"
#include "tests/common/seamguards.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using UserMessages::Answer;

class TestFileDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void passesTheRequestAndReturnsTheChoice();
    void existingFileAsksBeforeReplacing_data();
    void existingFileAsksBeforeReplacing();
};

void TestFileDialogs::passesTheRequestAndReturnsTheChoice()
{
    QTemporaryDir dir;
    const QString chosen = dir.filePath(QStringLiteral("標籤.pdf"));
    FileDialogs::SaveRequest seen;
    const FileDialogAnswer dialogs([&](const FileDialogs::SaveRequest &request) {
        seen = request;
        return chosen;
    });
    const MessageAnswer messages([](const UserMessages::Shown &) { return Answer::Cancel; });
    const QString path =
        FileDialogs::saveFileName(nullptr, QStringLiteral("匯出 PDF"), QStringLiteral("/tmp/a.pdf"),
                                  QStringLiteral("PDF 檔案 (*.pdf)"));
    QCOMPARE(path, chosen);
    QCOMPARE(seen.caption, QStringLiteral("匯出 PDF"));
    QCOMPARE(seen.suggestedPath, QStringLiteral("/tmp/a.pdf"));
    QCOMPARE(seen.filter, QStringLiteral("PDF 檔案 (*.pdf)"));
}

void TestFileDialogs::existingFileAsksBeforeReplacing_data()
{
    QTest::addColumn<QStringList>("offered"); // what the dialog returns, in turn
    QTest::addColumn<QList<Answer>>("answers"); // to "replace?"
    QTest::addColumn<QString>("expected");
    const QString old = QStringLiteral("old.pdf");
    const QString fresh = QStringLiteral("new.pdf");
    QTest::newRow("new file") << QStringList{fresh} << QList<Answer>{} << fresh;
    QTest::newRow("dialog cancelled") << QStringList{QString()} << QList<Answer>{} << QString();
    QTest::newRow("replace") << QStringList{old} << QList<Answer>{Answer::Yes} << old;
    QTest::newRow("cancel") << QStringList{old} << QList<Answer>{Answer::Cancel} << QString();
    QTest::newRow("no, then a new name")
        << QStringList{old, fresh} << QList<Answer>{Answer::No} << fresh;
    QTest::newRow("no, then replace")
        << QStringList{old, old} << QList<Answer>{Answer::No, Answer::Yes} << old;
}

void TestFileDialogs::existingFileAsksBeforeReplacing()
{
    QFETCH(QStringList, offered);
    QFETCH(QList<Answer>, answers);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QFile existing(dir.filePath(QStringLiteral("old.pdf")));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    const auto inDir = [&](const QString &name) {
        return name.isEmpty() ? QString() : dir.filePath(name);
    };

    QStringList suggested;
    const FileDialogAnswer dialogs([&](const FileDialogs::SaveRequest &request) {
        suggested << request.suggestedPath;
        return offered.isEmpty() ? QString() : inDir(offered.takeFirst());
    });
    QStringList questions;
    const MessageAnswer messages([&](const UserMessages::Shown &shown) {
        questions << shown.text;
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    });

    const int expectedQuestions = int(answers.size());
    const QString path = FileDialogs::saveFileName(nullptr, QStringLiteral("存檔"),
                                                   dir.filePath(QStringLiteral("a.pdf")),
                                                   QStringLiteral("PDF 檔案 (*.pdf)"));
    QCOMPARE(path, inDir(expected));
    QVERIFY(offered.isEmpty());
    QVERIFY(answers.isEmpty());
    QCOMPARE(questions.size(), expectedQuestions);
    for (const QString &question : std::as_const(questions))
        QVERIFY(question.contains(QStringLiteral("「old.pdf」已經存在")));
    // Asked again, the dialog starts from the name the user had chosen.
    if (suggested.size() == 2)
        QCOMPARE(suggested.at(1), existing.fileName());
}

QTEST_MAIN(TestFileDialogs)
#include "tst_filedialogs.moc"
