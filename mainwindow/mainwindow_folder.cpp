// The data folder as the window may use it: opened read-only, or written
// until another copy takes it over; either way, a run that writes nothing
// keeps its settings for itself and says so once.
#include "mainwindow/mainwindow.h"

#include "frontend/usermessages.h"
#include "sheet/sysini.h"

#include <utility>

void MainWindow::useFolder(FolderAccess access, const FolderLock &lock)
{
    if (access == FolderAccess::ReadOnly)
        setReadOnly();
    else
        m_folder.checkWritesAgainst(&lock);
}

void MainWindow::setReadOnly()
{
    m_folder.setReadOnly();
    // The user was told at the start; sys.ini stays as it is without more.
    m_settingsReported = true;
    showReadOnlyTitle();
}

void MainWindow::showReadOnlyTitle()
{
    setWindowTitle(windowTitle() + QStringLiteral("（唯讀）"));
}

bool MainWindow::tellTakeover(const FileFailure &refused)
{
    if (!m_folder.takenOver() || refused.action != FileFailure::Action::Write
        || std::exchange(m_takeoverTold, true))
        return false;
    m_settingsReported = true;
    m_settingsKeptTold = true; // said here
    showReadOnlyTitle();
    UserMessages::showFailure(
        this, refused,
        QStringLiteral("現在的鎖定者：%1\n\n"
                       "此視窗從現在起為唯讀：不再存檔，設定的變更只用在這次執行。"
                       "畫面上未存檔的標籤仍在，可以複製後貼到正在使用這個資料夾的岑禾。")
            .arg(m_folder.lockHolder()));
    return true;
}

void MainWindow::tellSettingsKept(bool deliberate)
{
    if (!m_folder.readOnly())
        return;
    if (m_folder.takenOver()) {
        tellTakeover(*m_folder.refusal(SysIni::fileName()));
        return;
    }
    if (!deliberate || std::exchange(m_settingsKeptTold, true))
        return;
    UserMessages::inform(this,
                         QStringLiteral("此資料夾以唯讀方式開啟：邊界、字型、自動縮小等設定的"
                                        "變更只用在這次執行，不會儲存。"));
}
