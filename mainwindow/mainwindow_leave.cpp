// Leaving the shown page: what a page turn, a kind change or exit asks of
// the page before another is shown, so that no page the program cannot
// write keeps the user on it.
#include "mainwindow/mainwindow.h"

#include "frontend/usermessages.h"
#include "mainwindow/pagenumber.h"

#include <QLineEdit>

bool MainWindow::leavePage()
{
    // A read-only folder, or a page file that could not be read (writing it
    // would destroy what it holds): nothing to keep when nothing changed.
    const bool writable = !m_folder.readOnly() && !m_pageUnreadable;
    if (!writable && !m_changed)
        return true;
    if (savePage())
        return true;
    if (writable)
        return false;
    return UserMessages::askYesNo(
               this, QStringLiteral("此頁無法存檔，離開後此頁的變更將會捨棄。\n\n仍要離開此頁嗎？"))
        == UserMessages::Answer::Yes;
}

bool MainWindow::typedPageTaken()
{
    // The arrow buttons take no focus, so a number typed into the page field
    // is still unfinished when one is clicked: the typed page wins.
    if (m_pageField->text() == PageNumber::format(m_page))
        return false;
    const std::optional<int> typed = PageNumber::parseTyped(m_pageField->text());
    const bool another = typed && *typed != m_page;
    commitTypedPage();
    return another;
}

void MainWindow::reportSettingsFailure(const FileFailure &failure)
{
    // Styles are stored on every change and every save: one message a run.
    if (m_settingsReported)
        return;
    m_settingsReported = true;
    showFailure(failure);
}
