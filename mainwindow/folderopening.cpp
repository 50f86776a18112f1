#include "mainwindow/folderopening.h"

#include "files/folderlock.h"
#include "frontend/usermessages.h"

#include <QDir>

namespace {

QString folderShown()
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

FolderAccess readOnlyTold(QWidget *parent, const FileResult &why)
{
    UserMessages::inform(
        parent,
        QStringLiteral("此資料夾無法寫入：可以檢視與列印，但無法存檔\n\n%1%2")
            .arg(folderShown(), why ? QStringLiteral("\n\n") + why->text() : QString()));
    return FolderAccess::ReadOnly;
}

QString lockQuestion(const FolderLock &lock)
{
    return QStringLiteral("這個資料夾有岑禾的鎖定檔，本機無法確認它是否仍在使用：\n%1\n\n"
                          "鎖定者：%2\n\n"
                          "若對方已經關閉或當機，請選「仍要開啟」。\n"
                          "只要檢視或列印，請選「唯讀開啟」。\n"
                          "若對方其實仍在使用，它下次存檔時會改為唯讀，之後的變更無法存檔。")
        .arg(folderShown(), lock.holder());
}

} // namespace

FolderAccess openDataFolder(FolderLock &lock, QWidget *parent)
{
    switch (lock.tryLock()) {
    case FolderLock::Outcome::Locked:
        return FolderAccess::Writable;
    case FolderLock::Outcome::HeldByLiveCopy:
        UserMessages::showError(parent, lock.liveCopyMessage());
        return FolderAccess::Refused;
    case FolderLock::Outcome::CannotLock:
        return readOnlyTold(parent, lock.whyNotLocked());
    case FolderLock::Outcome::Unverifiable:
        break;
    }
    switch (UserMessages::askLockChoice(parent, lockQuestion(lock))) {
    case UserMessages::Answer::TakeOver:
        if (const FileResult failure = lock.takeOver())
            return readOnlyTold(parent, failure);
        return FolderAccess::Writable;
    case UserMessages::Answer::ReadOnly:
        return FolderAccess::ReadOnly;
    default:
        return FolderAccess::Refused;
    }
}
