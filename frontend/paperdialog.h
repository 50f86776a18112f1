#pragma once

#include <QDialog>
#include <QPageSize>

class QComboBox;

// 版面設定: the paper to compose the labels for, and the label margins in
// use, shown only (they are set with 調整邊界). Unlike Qt's page setup it
// has no page margins, which the labels do not use.
class PaperDialog : public QDialog
{
    Q_OBJECT

public:
    PaperDialog(const QPageSize &current, double topMarginMm, double leftMarginMm,
                QWidget *parent = nullptr);

    QPageSize paper() const;

private:
    QComboBox *m_paper;
};
