#include "editing/birthfieldwriter.h"

#include "sheet/birthtext.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

const QColor ReasonColor(0x9c, 0x1c, 0x1c);

QString zodiacWords(int westernYear)
{
    return QStringLiteral("生肖") + BirthText::zodiac(westernYear);
}

} // namespace

BirthFieldWriter::BirthFieldWriter(QLineEdit *field, QLabel *preview)
    : QObject(field)
    , m_field(field)
    , m_preview(preview)
{
    m_field->installEventFilter(this);
    connect(m_field, &QLineEdit::textChanged, this, &BirthFieldWriter::textChanged);
    textChanged(m_field->text());
}

void BirthFieldWriter::writeOut()
{
    const QString typed = m_field->text();
    if (isKeptAsTyped(typed))
        return;
    const BirthText::Conversion conversion = BirthText::convert(typed);
    if (!conversion.written())
        return;
    m_writtenFrom = typed;
    m_writtenTo = conversion.text;
    m_writtenYear = conversion.westernYear;
    // Replacing through the edit's own editing keeps Ctrl+Z able to undo it.
    m_field->selectAll();
    m_field->insert(conversion.text);
}

bool BirthFieldWriter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && event->type() == QEvent::FocusOut) {
        // A menu or another window taking the focus is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            writeOut();
    }
    return QObject::eventFilter(watched, event);
}

void BirthFieldWriter::textChanged(const QString &text)
{
    if (!m_field->isUndoAvailable() && !m_field->isRedoAvailable()) {
        // Set from outside, as for another cell: earlier conversions do not apply.
        m_writtenFrom.clear();
        m_writtenTo.clear();
        m_writtenYear = 0;
        m_keptAsTyped.clear();
    } else if (!m_writtenFrom.isEmpty() && text == m_writtenFrom && m_previous == m_writtenTo) {
        m_keptAsTyped = text;
    }
    m_previous = text;
    showPreview();
}

bool BirthFieldWriter::isKeptAsTyped(const QString &text) const
{
    return !m_keptAsTyped.isEmpty() && text == m_keptAsTyped;
}

void BirthFieldWriter::showPreview()
{
    const QString text = m_field->text();
    const BirthText::Conversion conversion = BirthText::convert(text);
    QString line;
    bool isReason = false;
    if (isKeptAsTyped(text)) {
        line = QStringLiteral("保留原樣，不換算");
    } else if (conversion.written()) {
        line = QStringLiteral("→ %1　%2").arg(conversion.text, zodiacWords(conversion.westernYear));
    } else if (!conversion.reason.isEmpty()) {
        line = QStringLiteral("不換算：") + conversion.reason;
        isReason = true;
    } else if (m_writtenYear != 0 && text == m_writtenTo) {
        line = zodiacWords(m_writtenYear);
    }
    QPalette palette = m_preview->palette();
    palette.setColor(QPalette::WindowText,
                     isReason ? ReasonColor : m_field->palette().color(QPalette::Text));
    m_preview->setPalette(palette);
    m_preview->setText(line);
}
