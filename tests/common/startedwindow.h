#pragma once

#include "editing/labeldialog.h"
#include "mainwindow/mainwindow.h"
#include "tests/common/messagelog.h"
#include "tests/common/workdir.h"

// The main window as the program starts it: in a fresh working folder that
// holds `files` before anything is read, every message logged and answered,
// the editing dialog attached, shown and its first page loaded.
struct StartedWindow {
    WorkDir dir;
    MessageLog messages;
    MainWindow window;
    LabelDialog editor{&window};

    explicit StartedWindow(const WorkDir::Files &files = {})
        : dir(files)
    {
        window.setEditor(&editor);
        window.show();
        window.startUp();
    }

    // The sys.ini entry that selects `kind`, for `files`.
    static std::pair<QString, QByteArray> kind(int kind)
    {
        return {QStringLiteral("sys.ini"), "[info]\r\nMode=" + QByteArray::number(kind) + "\r\n"};
    }
};
