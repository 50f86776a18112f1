#include "lists/delimitedtext.h"

#include "lists/listlimits.h"

#include <utility>

namespace DelimitedText {

namespace {

constexpr QChar Quote = u'"';
constexpr int LinesToGuessFrom = 20;

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Reads records one field at a time.
class Parser
{
public:
    Parser(QStringView text, QChar separator, const ListProgress &progress)
        : m_text(text)
        , m_separator(separator)
        , m_progress(progress, text.size())
    { }

    ListRead run()
    {
        while (m_pos < m_text.size() && !m_rows.over()) {
            if (!m_progress.at(m_pos))
                return ListRead::stopped();
            if (!readRecord()) {
                return ListRead::refused(
                    QStringLiteral(
                        "第 %1 列有一個引號沒有結束，檔案可能不完整或不是以逗號或定位字元分隔。")
                        .arg(m_record));
            }
        }
        return m_rows.finish();
    }

private:
    bool atRecordEnd() const { return m_pos >= m_text.size() || isLineBreak(m_text[m_pos]); }

    bool readRecord()
    {
        for (;;) {
            if (!readField())
                return false;
            if (atRecordEnd())
                break;
            ++m_pos; // the separator; a field follows even at the very end
        }
        endRecord();
        return true;
    }

    // A field past the last column read is read to find the next, not kept.
    bool readField()
    {
        QString field;
        if (m_pos < m_text.size() && m_text[m_pos] == Quote && !readQuoted(field))
            return false;
        // Unquoted text, or what follows a closing quote up to the separator.
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] != m_separator && !isLineBreak(m_text[m_pos]))
            ++m_pos;
        field += m_text.sliced(start, m_pos - start);
        if (ListCollector::readsColumn(m_fields.size())) {
            m_rows.holdText(field.size());
            m_fields.append(field);
        } else if (!field.isEmpty()) {
            m_rows.leaveOut();
        }
        return true;
    }

    bool readQuoted(QString &field)
    {
        ++m_pos;
        for (;;) {
            const qsizetype close = m_text.indexOf(Quote, m_pos);
            if (close < 0)
                return false;
            field += m_text.sliced(m_pos, close - m_pos);
            m_pos = close + 1;
            if (m_pos < m_text.size() && m_text[m_pos] == Quote) {
                field += Quote;
                ++m_pos;
            } else {
                return true;
            }
        }
    }

    void endRecord()
    {
        if (m_pos < m_text.size()) {
            const bool crlf =
                m_text[m_pos] == u'\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n';
            m_pos += crlf ? 2 : 1;
        }
        // The next record likely has as many fields: room for them at once.
        const qsizetype width = m_fields.size();
        m_rows.add(m_record, std::exchange(m_fields, {}));
        m_fields.reserve(width);
        ++m_record;
    }

    QStringView m_text;
    QChar m_separator;
    ByteProgress m_progress;
    qsizetype m_pos = 0;
    int m_record = 1;
    QStringList m_fields;
    ListCollector m_rows;
};

} // namespace

QChar guessSeparator(QStringView text)
{
    int tabLines = 0;
    int commaLines = 0;
    int lines = 0;
    for (QStringView line : text.tokenize(u'\n')) {
        if (++lines > LinesToGuessFrom)
            break;
        tabLines += line.contains(u'\t');
        commaLines += line.contains(u',');
    }
    return tabLines > 0 && tabLines >= commaLines ? QChar(u'\t') : QChar(u',');
}

ListRead parse(QStringView text, QChar separator, const ListProgress &progress)
{
    return Parser(text, separator, progress).run();
}

} // namespace DelimitedText
