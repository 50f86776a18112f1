#pragma once

#include <QXmlStreamReader>

#include <functional>
#include <memory>

class QIODevice;

// One XML part of an .xlsx package, read as it inflates and within bounds:
// never more than `limit` bytes, no token (a tag, a text) of more than 1 MB
// and no text element of more than a cell's 32,767 characters, so memory
// stays small whatever the part holds; no document type declaration, so no
// entity expands. `advanced` hears of the bytes read so far and may stop
// the read. The calls are QXmlStreamReader's, which must not be called
// directly: each token read resets the count of its bytes.
class XlsxPart
{
public:
    // The most characters a cell holds in a spreadsheet.
    static constexpr qsizetype MaxTextChars = 32767;

    enum class Stop {
        None,
        TooLarge, // more than `limit` bytes
        TooLong, // a token or a text too long
        Cancelled, // `advanced` said stop
        Unreadable, // the inflated stream failed
    };

    XlsxPart(QIODevice &inflated, qint64 limit, std::function<bool(qint64 read)> advanced);
    ~XlsxPart();

    QXmlStreamReader::TokenType next();
    bool nextStartElement(); // QXmlStreamReader::readNextStartElement
    QString elementText(); // QXmlStreamReader::readElementText, text only, MaxTextChars
    void skipElement(); // QXmlStreamReader::skipCurrentElement

    bool atEnd() const { return m_xml.atEnd(); }
    QStringView name() const { return m_xml.name(); }
    QXmlStreamAttributes attributes() const { return m_xml.attributes(); }
    void raiseError(const QString &message) { m_xml.raiseError(message); }
    // Ends the read: a text put together from several elements is too long.
    void tooLong();
    bool hasError() const { return m_xml.hasError(); }
    qint64 lineNumber() const { return m_xml.lineNumber(); }

    // Why reading ended early, if it did; the XML error it caused comes
    // second.
    Stop stop() const;

private:
    class Stream;
    std::unique_ptr<Stream> m_stream;
    QXmlStreamReader m_xml;
    bool m_tooLong = false; // a text longer than MaxTextChars
};
