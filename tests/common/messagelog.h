#pragma once

#include "frontend/usermessages.h"

#include <QList>

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
};
