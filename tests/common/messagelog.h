#pragma once

#include "frontend/usermessages.h"

#include <QApplication>
#include <QList>
#include <QProgressDialog>
#include <QStringList>

#include <algorithm>

// Whether a progress dialog exists: one that a message waits under can show
// itself late over the message and take its keys.
inline bool aProgressDialogLives()
{
    const QList<QWidget *> widgets = QApplication::allWidgets();
    return std::any_of(widgets.begin(), widgets.end(),
                       [](QWidget *widget) { return qobject_cast<QProgressDialog *>(widget); });
}

// Records the messages shown and gives the answer a test has set.
struct MessageLog {
    QList<UserMessages::Shown> shown;
    UserMessages::Answer answer = UserMessages::Answer::Ok;
    int shownUnderProgress = 0; // messages shown while a progress dialog lived
    MessageLog()
    {
        UserMessages::setAnswerer([this](const UserMessages::Shown &message) {
            shown.append(message);
            shownUnderProgress += aProgressDialogLives();
            return answer;
        });
    }
    ~MessageLog() { UserMessages::setAnswerer({}); }
    MessageLog(const MessageLog &) = delete;
    MessageLog &operator=(const MessageLog &) = delete;

    QStringList texts() const
    {
        QStringList texts;
        for (const UserMessages::Shown &message : shown)
            texts.append(message.text);
        return texts;
    }
};
