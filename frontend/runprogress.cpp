#include "frontend/runprogress.h"

namespace {

constexpr int ShowDelay = 500; // milliseconds
std::optional<int> testShowDelay;

} // namespace

void RunProgress::setShowDelay(std::optional<int> milliseconds)
{
    testShowDelay = milliseconds;
}

RunProgress::RunProgress(QWidget *parent)
    : m_dialog(parent)
{
    m_dialog.setWindowTitle(QStringLiteral("岑禾"));
    m_dialog.setCancelButtonText(QStringLiteral("取消"));
    m_dialog.setWindowModality(Qt::WindowModal);
    m_dialog.setMinimumDuration(testShowDelay.value_or(ShowDelay));
    m_dialog.setAutoClose(false);
    m_dialog.setAutoReset(false);
}

std::function<bool(int, int)> RunProgress::stage(const QString &label)
{
    return [this, label](int done, int total) {
        if (m_dialog.labelText() != label)
            m_dialog.setLabelText(label);
        m_dialog.setMaximum(total);
        m_dialog.setValue(done);
        return !m_dialog.wasCanceled();
    };
}
