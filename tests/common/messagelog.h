#pragma once

#include "frontend/usermessages.h"

#include <QList>
#include <QStringList>

// Records the messages shown and gives the answer a test has set.
struct MessageLog {
    QList<UserMessages::Shown> shown;
    UserMessages::Answer answer = UserMessages::Answer::Ok;
    MessageLog()
    {
        UserMessages::setAnswerer([this](const UserMessages::Shown &message) {
            shown.append(message);
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
