#pragma once

#include <QPlainTextEdit>
#include <QStringList>

// One label cell of the sheet page: a read-only multi-line text control whose
// lines are the cell's data. The lines are kept as given (a trailing empty
// line is a line), and the text shown is derived from them.
class MemoCell : public QPlainTextEdit
{
    Q_OBJECT

public:
    MemoCell(int number, QWidget *parent = nullptr);

    int number() const { return m_number; }

    const QStringList &lines() const { return m_lines; }
    QString line(int index) const;
    void setLines(const QStringList &lines);

    // Caret to the start, nothing selected, scrolled so the first line shows.
    void focusTop();

Q_SIGNALS:
    void clicked(int number);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_number;
    QStringList m_lines;
};
