#pragma once

#include "frontend/runprogress.h"
#include "tests/common/seamguards.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QProgressBar>
#include <QProgressDialog>

#include <functional>

using ProgressDelay = SeamGuard<&RunProgress::setShowDelay, std::optional<int>>;

// While it lives, every progress dialog shows at its first step, whatever
// the machine's speed, and `onStep` is told each later step (the dialog
// and the steps done), so that a test can act at a step it chooses.
class ProgressSteps : public QObject
{
public:
    using OnStep = std::function<void(QProgressDialog *dialog, int done)>;

    explicit ProgressSteps(OnStep onStep)
        : m_onStep(std::move(onStep))
    {
        qApp->installEventFilter(this);
    }

    // Clicks the dialog's 取消 as soon as the step being counted is over,
    // as a user's click arrives between two steps.
    static void cancel(QProgressDialog *dialog)
    {
        QMetaObject::invokeMethod(
            dialog, [dialog] { dialog->findChild<QAbstractButton *>()->click(); },
            Qt::QueuedConnection);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<QProgressDialog *>(watched);
        if (event->type() == QEvent::Show && dialog && !m_seen.contains(dialog)) {
            m_seen.append(dialog);
            connect(dialog->findChild<QProgressBar *>(), &QProgressBar::valueChanged, this,
                    [this, dialog](int done) { m_onStep(dialog, done); });
        }
        return false;
    }

private:
    ProgressDelay m_delay{0};
    OnStep m_onStep;
    QList<QPointer<QProgressDialog>> m_seen;
};
