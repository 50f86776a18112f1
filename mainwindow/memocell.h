#pragma once

#include <QPlainTextEdit>
#include <QStringList>

// One label cell of the sheet page: a read-only multi-line text control whose
// lines are the cell's data. The lines are kept as given (a trailing empty
// line is a line), and the text shown is derived from them. The grid holds
// the keyboard focus for all cells; a cell only shows whether it is the
// current one.
class MemoCell : public QPlainTextEdit
{
    Q_OBJECT

public:
    enum class Mark { None, Current, CurrentInactive };

    MemoCell(int number, QWidget *parent = nullptr);

    int number() const { return m_number; }

    const QStringList &lines() const { return m_lines; }
    QString line(int index) const;
    void setLines(const QStringList &lines);
    bool hasText() const;

    // Caret to the start, nothing selected, scrolled so the first line shows.
    void focusTop();

    void setMark(Mark mark);
    Mark mark() const { return m_mark; }

Q_SIGNALS:
    void clicked(int number);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_number;
    QStringList m_lines;
    Mark m_mark = Mark::None;
};
