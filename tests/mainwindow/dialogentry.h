#pragma once

#include "editing/labeldialog.h"
#include "mainwindow/mainwindow.h"

// Gives the window an editing dialog and changes cells through it, as 存檔
// in the dialog does, so that the window counts the change. (Not named
// CellEdit: that is the window's undo step, and two classes of one name in
// one program share their inline functions.)
class DialogEntry
{
public:
    explicit DialogEntry(MainWindow &window)
        : m_window(window)
        , m_editor(&window)
    {
        window.setEditor(&m_editor);
    }

    void name(int cell, const QString &name)
    {
        LabelFields fields;
        fields.name = name;
        m_editor.setFields(m_window.kind(), fields);
        m_window.writeDialogToCell(QString::number(cell));
    }

private:
    MainWindow &m_window;
    LabelDialog m_editor;
};
