#include "mainwindow/pagecountfield.h"

#include "mainwindow/pagenumber.h"

#include <QRegularExpressionValidator>

PageCountField::PageCountField(QWidget *parent)
    : QLineEdit(parent)
{
    // Digits, full-width ones from a Chinese input method, and separators;
    // the value is checked when the entry is done.
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9０-９,，]{0,6}")), this));
    setAlignment(Qt::AlignRight);
    setToolTip(QStringLiteral("一次列印的頁數，從目前這一頁算起（0 或 1：只印這一頁）"));
    setCount(0);
    connect(this, &QLineEdit::editingFinished, this, &PageCountField::commit);
}

void PageCountField::setCount(int count)
{
    m_count = std::clamp(count, 0, Largest);
    setText(PageNumber::format(m_count));
}

void PageCountField::commit()
{
    const std::optional<int> typed = PageNumber::parseCount(text());
    setCount(typed ? *typed : m_count);
}
