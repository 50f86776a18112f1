#include "editing/storablefield.h"

#include "ini/inidocument.h"

#include <QLineEdit>
#include <QRegularExpression>

namespace StorableField {

namespace {

bool holdsBreak(const QString &text)
{
    return text.contains(u'\n') || text.contains(u'\r') || text.contains(u'\t');
}

} // namespace

QString oneLine(const QString &text)
{
    // A copied spreadsheet cell ends in CRLF: breaks at either end go.
    static const QRegularExpression ends(QStringLiteral("^[\r\n\t]+|[\r\n\t]+$"));
    static const QRegularExpression breaks(QStringLiteral("\r\n|[\r\n\t]"));
    return QString(text).remove(ends).replace(breaks, QStringLiteral(" "));
}

void attach(QLineEdit *field)
{
    // QLineEdit cuts an insertion to fit, so a long paste ends here visibly.
    field->setMaxLength(int(IniDocument::MaxValueLength));
    // A paste or a drop keeps its line breaks; a validator never sees a
    // paste of several lines, so the text is mended once it is in.
    QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString &text) {
        if (!holdsBreak(text))
            return;
        const int cursor = int(oneLine(text.left(field->cursorPosition())).size());
        field->setText(oneLine(text));
        field->setCursorPosition(cursor);
    });
}

} // namespace StorableField
