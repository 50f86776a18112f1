#include "lists/xlsxpart.h"

#include <QIODevice>

namespace {

// Far more than a tag or a cell's text takes (32,767 characters, escaped).
constexpr qint64 MaxTokenBytes = 1 << 20;

} // namespace

// The inflated bytes as QXmlStreamReader asks for them; it sees the end of
// the part once a bound is crossed.
class XlsxPart::Stream : public QIODevice
{
public:
    Stream(QIODevice &inflated, qint64 limit, std::function<bool(qint64)> advanced)
        : m_inflated(inflated)
        , m_limit(limit)
        , m_advanced(std::move(advanced))
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }
    void tokenRead() { m_sinceToken = 0; }
    Stop stop() const { return m_stop; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_stop != Stop::None)
            return -1;
        const qint64 count = m_inflated.read(data, maxSize);
        if (count < 0) {
            m_stop = Stop::Unreadable;
            return -1;
        }
        m_read += count;
        m_sinceToken += count;
        if (m_read > m_limit)
            m_stop = Stop::TooLarge;
        else if (m_sinceToken > MaxTokenBytes)
            m_stop = Stop::TooLong;
        else if (m_advanced && !m_advanced(m_read))
            m_stop = Stop::Cancelled;
        return m_stop == Stop::None ? count : -1;
    }

    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QIODevice &m_inflated;
    qint64 m_limit;
    std::function<bool(qint64)> m_advanced;
    qint64 m_read = 0;
    qint64 m_sinceToken = 0;
    Stop m_stop = Stop::None;
};

XlsxPart::XlsxPart(QIODevice &inflated, qint64 limit, std::function<bool(qint64)> advanced)
    : m_stream(std::make_unique<Stream>(inflated, limit, std::move(advanced)))
    , m_xml(m_stream.get())
{ }

XlsxPart::~XlsxPart() = default;

QXmlStreamReader::TokenType XlsxPart::next()
{
    m_stream->tokenRead();
    const QXmlStreamReader::TokenType type = m_xml.readNext();
    if (type == QXmlStreamReader::DTD)
        m_xml.raiseError(QStringLiteral("document type declaration"));
    return m_xml.tokenType();
}

bool XlsxPart::nextStartElement()
{
    while (next() != QXmlStreamReader::Invalid) {
        if (m_xml.isEndElement() || m_xml.isEndDocument())
            return false;
        if (m_xml.isStartElement())
            return true;
    }
    return false;
}

QString XlsxPart::elementText()
{
    QString text;
    for (;;) {
        switch (next()) {
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::EntityReference:
            text += m_xml.text();
            if (text.size() > MaxTextChars)
                tooLong();
            break;
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::ProcessingInstruction:
            break;
        case QXmlStreamReader::EndElement:
            return text;
        default:
            if (!m_xml.hasError())
                m_xml.raiseError(QStringLiteral("expected character data"));
            return text;
        }
        if (m_xml.hasError())
            return text;
    }
}

void XlsxPart::skipElement()
{
    int depth = 1;
    while (depth > 0 && next() != QXmlStreamReader::Invalid) {
        if (m_xml.isEndElement())
            --depth;
        else if (m_xml.isStartElement())
            ++depth;
    }
}

void XlsxPart::tooLong()
{
    m_tooLong = true;
    m_xml.raiseError(QStringLiteral("text too long"));
}

XlsxPart::Stop XlsxPart::stop() const
{
    return m_tooLong ? Stop::TooLong : m_stream->stop();
}
