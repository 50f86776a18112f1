#pragma once

#include <QFrame>
#include <QStringList>

// One label cell of the sheet page: a framed, read-only view of the cell's
// lines, one under another and cut at the right edge. The lines are kept as
// given (a trailing empty line is a line). The grid holds the keyboard focus
// for all cells; a cell only shows whether it is the current one, or that
// its text is selected after a search found it. Painted by itself: seventy
// text editors cost the start and every page turn more than they gave.
class LabelCell : public QFrame
{
    Q_OBJECT

public:
    enum class Mark { None, Current, CurrentInactive };

    LabelCell(int number, QWidget *parent = nullptr);

    int number() const { return m_number; }

    const QStringList &lines() const { return m_lines; }
    QString line(int index) const;
    void setLines(const QStringList &lines);
    bool hasText() const;

    // Drops a selection; the first line always shows, as a cell never scrolls.
    void focusTop();
    // Shows the whole text selected, until the lines change, focusTop() or
    // another cell becomes the current one.
    void selectAll();
    bool isSelected() const { return m_selected; }

    void setMark(Mark mark);
    Mark mark() const { return m_mark; }

Q_SIGNALS:
    void clicked(int number);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void paintLines(QPainter &painter) const;

    int m_number;
    QStringList m_lines;
    Mark m_mark = Mark::None;
    bool m_selected = false;
};
