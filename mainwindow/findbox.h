#pragma once

#include "sheet/labelsearch.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The find box: text searched in every page file of every kind in the
// working folder, ignoring case and full-width/half-width forms, the hits
// listed by kind, page and cell with the label's text. Choosing a hit (Enter
// or a double click on it, or 前往) hands it to the main window.
class FindBox : public QDialog
{
    Q_OBJECT

public:
    // The page on screen at the time of a search, unsaved text included.
    using ShownPageSource = std::function<LabelSearch::ShownPage()>;

    explicit FindBox(ShownPageSource shownPage, QWidget *parent = nullptr);

    // The text field focused with its text selected, ready for typing.
    void focusText();

Q_SIGNALS:
    void hitChosen(int kind, int page, int cell);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void find();
    void listHits(const QList<LabelSearch::Hit> &hits);
    void reportUnreadable(const QStringList &files);
    void chooseCurrent();

    ShownPageSource m_shownPage;
    QLineEdit *m_text = nullptr;
    QTreeWidget *m_hits = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_go = nullptr;
};
