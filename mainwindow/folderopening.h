#pragma once

class FolderLock;
class QWidget;

// How the program may use the data folder it starts in, decided once at
// start-up from its lock, with the user where only the user can tell.
enum class FolderAccess {
    Refused, // another copy has it open, or the user cancelled
    Writable,
    ReadOnly, // for viewing and printing only
};

// Locks the folder through `lock`: a live copy on this machine refuses; a
// lock nobody here can check asks 仍要開啟 / 唯讀開啟 / 取消; a folder
// where no lock can be made (read-only, full disk) opens read-only and says
// so once.
FolderAccess openDataFolder(FolderLock &lock, QWidget *parent = nullptr);
