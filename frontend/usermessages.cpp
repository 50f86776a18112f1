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

Answer present(QWidget *parent, const Shown &shown)
{
    if (answerer())
        return answerer()(shown);
    switch (shown.kind) {
    case Kind::Information:
        return okBox(parent, QMessageBox::Information, shown.text);
    case Kind::Error:
        return okBox(parent, QMessageBox::Warning, shown.text);
    case Kind::YesNoCancel: {
        QMessageBox box(QMessageBox::Question, title(), shown.text, QMessageBox::NoButton, parent);
        QPushButton *yes = box.addButton(QStringLiteral("是"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(QStringLiteral("否"), QMessageBox::NoRole);
        QPushButton *cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == yes)
            return Answer::Yes;
        return box.clickedButton() == no ? Answer::No : Answer::Cancel;
    }
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

Answer askYesNoCancel(QWidget *parent, const QString &text)
{
    return present(parent, {Kind::YesNoCancel, text});
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
