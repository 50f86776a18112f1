#pragma once

#include <QLineEdit>

// 可列印頁數 (edt6): how many pages one print run covers from the shown
// page, a whole number 0..9999 shown with digit grouping ("1,200"). 0 and 1
// both mean the shown page alone. The value lasts while the program runs.
class PageCountField : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr int Largest = 9999;

    explicit PageCountField(QWidget *parent = nullptr);

    int count() const { return m_count; }
    void setCount(int count);

private:
    void commit();

    int m_count = 0;
};
