#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QLineEdit;

// Writes out birth digits in a line edit (BirthText) when the user leaves the
// field or the dialog saves, and shows on a line under it what the digits
// will become and the year's 生肖, or why they stay as typed. The text goes
// in through the line edit's own undoable editing, so Ctrl+Z in the field
// takes the conversion back, and digits taken back that way stay as typed.
class BirthFieldWriter : public QObject
{
    Q_OBJECT

public:
    BirthFieldWriter(QLineEdit *field, QLabel *preview);

    void writeOut();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void textChanged(const QString &text);
    bool isKeptAsTyped(const QString &text) const;
    void showPreview();

    QLineEdit *m_field;
    QLabel *m_preview;
    QString m_previous; // the field's text before its last change
    QString m_writtenFrom; // the digits of the last conversion
    QString m_writtenTo; // and what they became
    int m_writtenYear = 0;
    QString m_keptAsTyped; // digits whose conversion Ctrl+Z took back
};
