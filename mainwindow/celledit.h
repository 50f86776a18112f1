#pragma once

#include <QList>
#include <QStringList>
#include <QUndoCommand>

class CellGrid;

// New lines for some cells of the shown page, as one step of its undo
// history: a confirmed dialog, a clear, a cut, a paste or an import.
class CellEdit : public QUndoCommand
{
public:
    struct Change {
        int cell = 0;
        QStringList lines;
    };

    // Takes the cells' present lines as what undo brings back.
    CellEdit(CellGrid *grid, const QList<Change> &changes, const QString &text);

    void undo() override;
    void redo() override;

private:
    void show(const QList<Change> &state);

    CellGrid *m_grid;
    QList<Change> m_before;
    QList<Change> m_after;
};
