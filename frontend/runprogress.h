#pragma once

#include <QProgressDialog>

#include <functional>
#include <optional>

// The progress of a long run: a window-modal progress dialog with a cancel
// button that appears only when the work takes longer than about half a
// second.
class RunProgress
{
public:
    explicit RunProgress(QWidget *parent);

    // A counter for one stage of the run, shown as `label`: told the steps
    // done and in all, false once the user cancelled.
    std::function<bool(int done, int total)> stage(const QString &label);

    // Runs `work` with a progress dialog that is gone when it returns. The
    // dialog shows itself after a delay, also while a message waits for an
    // answer, and would cover it; so messages come after, never inside.
    template<typename Work> static auto during(QWidget *parent, Work work)
    {
        RunProgress progress(parent);
        return work(progress);
    }

    // Test seam: while set, dialogs wait this many milliseconds instead of
    // half a second (0: they show at the first step, on any machine).
    static void setShowDelay(std::optional<int> milliseconds);

private:
    QProgressDialog m_dialog;
};
