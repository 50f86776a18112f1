#include "lists/delimitedtext.h"

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
    Parser(QStringView text, QChar separator)
        : m_text(text)
        , m_separator(separator)
    { }

    ListRead run()
    {
        ListRead read;
        while (m_pos < m_text.size()) {
            if (!readRecord(read)) {
                read.problem =
                    QStringLiteral(
                        "第 %1 列有一個引號沒有結束，檔案可能不完整或不是以逗號或定位字元分隔。")
                        .arg(m_record);
                read.rows.clear();
                return read;
            }
        }
        return read;
    }

private:
    bool atRecordEnd() const { return m_pos >= m_text.size() || isLineBreak(m_text[m_pos]); }

    bool readRecord(ListRead &read)
    {
        for (;;) {
            if (!readField())
                return false;
            if (atRecordEnd())
                break;
            ++m_pos; // the separator; a field follows even at the very end
        }
        endRecord(read);
        return true;
    }

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
        m_fields.append(field);
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

    void endRecord(ListRead &read)
    {
        if (m_pos < m_text.size()) {
            const bool crlf =
                m_text[m_pos] == u'\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n';
            m_pos += crlf ? 2 : 1;
        }
        while (!m_fields.isEmpty() && m_fields.last().isEmpty())
            m_fields.removeLast();
        if (!m_fields.isEmpty())
            read.rows.append(ListRow{m_record, m_fields});
        m_fields.clear();
        ++m_record;
    }

    QStringView m_text;
    QChar m_separator;
    qsizetype m_pos = 0;
    int m_record = 1;
    QStringList m_fields;
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

ListRead parse(QStringView text, QChar separator)
{
    return Parser(text, separator).run();
}

} // namespace DelimitedText
