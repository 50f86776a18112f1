#include "frontend/usermessages.h"

#include <QMessageBox>
#include <QPushButton>

namespace UserMessages {

namespace {

Answerer &answerer()
{
    static Answerer instance;
    return instance;
}

QString title()
{
    return QStringLiteral("岑禾");
}

Answer okBox(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, title(), text, QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("確定"), QMessageBox::AcceptRole);
    box.exec();
    return Answer::Ok;
}

struct Choice {
    QString text;
    QMessageBox::ButtonRole role;
    Answer answer;
};

// The first choice is the default, the last the one Escape and the close
// box give.
Answer choiceBox(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                 const QList<Choice> &choices)
{
    QMessageBox box(icon, title(), text, QMessageBox::NoButton, parent);
    QList<QPushButton *> buttons;
    for (const Choice &choice : choices)
        buttons.append(box.addButton(choice.text, choice.role));
    box.setDefaultButton(buttons.front());
    box.setEscapeButton(buttons.back());
    box.exec();
    const qsizetype clicked = buttons.indexOf(box.clickedButton());
    return choices[clicked < 0 ? choices.size() - 1 : clicked].answer;
}

Answer present(QWidget *parent, const Shown &shown)
{
    if (answerer())
        return answerer()(shown);
    switch (shown.kind) {
    case Kind::Information:
        return okBox(parent, QMessageBox::Information, shown.text);
    case Kind::Error:
        return okBox(parent, QMessageBox::Warning, shown.text);
    case Kind::YesNoCancel:
        return choiceBox(parent, QMessageBox::Question, shown.text,
                         {{QStringLiteral("是"), QMessageBox::YesRole, Answer::Yes},
                          {QStringLiteral("否"), QMessageBox::NoRole, Answer::No},
                          {QStringLiteral("取消"), QMessageBox::RejectRole, Answer::Cancel}});
    case Kind::YesNo:
        // Leaving unsaved work behind must be a deliberate choice.
        return choiceBox(parent, QMessageBox::Question, shown.text,
                         {{QStringLiteral("否"), QMessageBox::NoRole, Answer::No},
                          {QStringLiteral("是"), QMessageBox::YesRole, Answer::Yes}});
    case Kind::LockChoice:
        return choiceBox(
            parent, QMessageBox::Warning, shown.text,
            {{QStringLiteral("唯讀開啟"), QMessageBox::AcceptRole, Answer::ReadOnly},
             {QStringLiteral("仍要開啟"), QMessageBox::DestructiveRole, Answer::TakeOver},
             {QStringLiteral("取消"), QMessageBox::RejectRole, Answer::Cancel}});
    case Kind::GoOnOrBack: {
        QMessageBox box(QMessageBox::Question, title(), shown.text, QMessageBox::NoButton, parent);
        QPushButton *goOn = box.addButton(shown.buttons.value(0), QMessageBox::AcceptRole);
        QPushButton *back = box.addButton(shown.buttons.value(1), QMessageBox::RejectRole);
        box.setDefaultButton(back);
        box.setEscapeButton(back);
        box.exec();
        return box.clickedButton() == goOn ? Answer::Yes : Answer::Cancel;
    }
    }
    return Answer::Cancel;
}

} // namespace

void inform(QWidget *parent, const QString &text)
{
    present(parent, {Kind::Information, text});
}

void showError(QWidget *parent, const QString &text)
{
    present(parent, {Kind::Error, text});
}

void showFailure(QWidget *parent, const FileFailure &failure, const QString &consequence)
{
    QString text = failure.heading() + QStringLiteral("\n\n") + failure.text();
    if (!consequence.isEmpty())
        text += QStringLiteral("\n\n") + consequence;
    showError(parent, text);
}

Answer askYesNoCancel(QWidget *parent, const QString &text)
{
    return present(parent, {Kind::YesNoCancel, text});
}

Answer askYesNo(QWidget *parent, const QString &text)
{
    return present(parent, {Kind::YesNo, text});
}

Answer askLockChoice(QWidget *parent, const QString &text)
{
    return present(parent, {Kind::LockChoice, text});
}

Answer askGoOnOrBack(QWidget *parent, const QString &text, const QString &goOn, const QString &back)
{
    return present(parent, {Kind::GoOnOrBack, text, {goOn, back}});
}

void setAnswerer(Answerer newAnswerer)
{
    answerer() = std::move(newAnswerer);
}

} // namespace UserMessages
