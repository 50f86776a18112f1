#include "ini/initextcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace {

const char *findLegacyCodec()
{
    // Microsoft's own table first: it is what the predecessor wrote.
    for (const char *name : {"windows-950", "CP950", "Big5"}) {
        if (QStringDecoder(name).isValid())
            return name;
    }
    return nullptr;
}

const char *legacyCodecName()
{
    static const char *const name = findLegacyCodec();
    return name;
}

bool startsWith(const QByteArray &bytes, std::initializer_list<unsigned char> prefix)
{
    if (bytes.size() < qsizetype(prefix.size()))
        return false;
    qsizetype i = 0;
    for (unsigned char c : prefix) {
        if (static_cast<unsigned char>(bytes[i++]) != c)
            return false;
    }
    return true;
}

struct ByteOrderMark {
    IniEncoding encoding;
    qsizetype size;
    int width; // of a code unit
    bool bigEndian;
};

std::optional<ByteOrderMark> byteOrderMarkOf(const QByteArray &bytes)
{
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF}))
        return ByteOrderMark{IniEncoding::Utf8Bom, 3, 1, false};
    if (startsWith(bytes, {0xFF, 0xFE}))
        return ByteOrderMark{IniEncoding::Utf16LE, 2, 2, false};
    if (startsWith(bytes, {0xFE, 0xFF}))
        return ByteOrderMark{IniEncoding::Utf16BE, 2, 2, true};
    return std::nullopt;
}

struct ByteLine {
    qsizetype begin;
    qsizetype size;
    QString eol;
};

// Code units of `width` bytes (1, or 2 for UTF-16): a CR, an LF or a CRLF
// ends a line. CR and LF never occur inside a multi-byte character of
// UTF-8 or Big5, so the split needs no decoding.
std::vector<ByteLine> splitLines(const QByteArray &bytes, qsizetype start, int width,
                                 bool bigEndian)
{
    static const QString crlf = QStringLiteral("\r\n");
    static const QString lf = QStringLiteral("\n");
    static const QString cr = QStringLiteral("\r");
    const auto unitAt = [&](qsizetype at) -> char16_t {
        if (width == 1)
            return static_cast<unsigned char>(bytes[at]);
        const auto b0 = static_cast<unsigned char>(bytes[at]);
        const auto b1 = static_cast<unsigned char>(bytes[at + 1]);
        return bigEndian ? char16_t(b0 << 8 | b1) : char16_t(b1 << 8 | b0);
    };
    std::vector<ByteLine> lines;
    const qsizetype whole = bytes.size() - (bytes.size() - start) % width;
    qsizetype lineStart = start;
    for (qsizetype at = start; at < whole; at += width) {
        const char16_t unit = unitAt(at);
        if (unit != u'\n' && unit != u'\r')
            continue;
        const bool pair = unit == u'\r' && at + width < whole && unitAt(at + width) == u'\n';
        lines.push_back({lineStart, at - lineStart, pair ? crlf : unit == u'\n' ? lf : cr});
        if (pair)
            at += width;
        lineStart = at + width;
    }
    if (lineStart < bytes.size())
        lines.push_back({lineStart, bytes.size() - lineStart, QString()});
    return lines;
}

// Decodes one line at a time, so that damage never reaches past its line.
class LineDecoder
{
public:
    explicit LineDecoder(IniEncoding encoding)
        : m_encoding(encoding)
        , m_decoder(encoding == IniEncoding::LegacyBig5
                        ? QStringDecoder(legacyCodecName(), QStringConverter::Flag::Stateless)
                        : QStringDecoder(converterFor(encoding), QStringConverter::Flag::Stateless))
    { }

    // The text, and how many characters replace damaged bytes.
    QString decode(QByteArrayView bytes, qsizetype &damage)
    {
        QString text;
        if (m_encoding == IniEncoding::LegacyBig5) {
            // ICU drops a lead byte at the very end of its input; a line end
            // after it makes it a replacement character like any other.
            text = m_decoder.decode(bytes.toByteArray() + '\n');
            if (text.endsWith(u'\n'))
                text.chop(1);
        } else if (isUtf16() && bytes.size() % 2) {
            // A file cut inside its last character.
            text = m_decoder.decode(bytes.chopped(1)) + QChar::ReplacementCharacter;
        } else {
            text = m_decoder.decode(bytes);
        }
        m_decoder.resetState();
        damage = text.count(QChar::ReplacementCharacter) - storedReplacements(bytes);
        return text;
    }

private:
    bool isUtf16() const
    {
        return m_encoding == IniEncoding::Utf16LE || m_encoding == IniEncoding::Utf16BE;
    }

    static QStringConverter::Encoding converterFor(IniEncoding encoding)
    {
        switch (encoding) {
        case IniEncoding::Utf16LE:
            return QStringConverter::Utf16LE;
        case IniEncoding::Utf16BE:
            return QStringConverter::Utf16BE;
        default:
            return QStringConverter::Utf8;
        }
    }

    // U+FFFD written into the file as a character of its own.
    qsizetype storedReplacements(QByteArrayView bytes) const
    {
        switch (m_encoding) {
        case IniEncoding::Utf8:
        case IniEncoding::Utf8Bom:
            return bytes.count("\xEF\xBF\xBD");
        case IniEncoding::Utf16LE:
        case IniEncoding::Utf16BE: {
            const char high = m_encoding == IniEncoding::Utf16LE ? '\xFD' : '\xFF';
            const char low = m_encoding == IniEncoding::Utf16LE ? '\xFF' : '\xFD';
            qsizetype count = 0;
            for (qsizetype at = 0; at + 1 < bytes.size(); at += 2)
                count += bytes[at] == high && bytes[at + 1] == low;
            return count;
        }
        case IniEncoding::LegacyBig5:
            return 0;
        }
        Q_UNREACHABLE();
    }

    IniEncoding m_encoding;
    QStringDecoder m_decoder;
};

// Decodes every line; returns the number of damaged characters.
qsizetype decodeLines(const QByteArray &bytes, const std::vector<ByteLine> &split,
                      IniEncoding encoding, std::vector<DecodedIniLine> &lines)
{
    LineDecoder decoder(encoding);
    qsizetype damage = 0;
    lines.clear();
    lines.reserve(split.size());
    for (const ByteLine &line : split) {
        qsizetype lineDamage = 0;
        QString text =
            decoder.decode(QByteArrayView(bytes).sliced(line.begin, line.size), lineDamage);
        lines.push_back({std::move(text), line.eol, line.begin, line.size, lineDamage > 0});
        damage += lineDamage;
    }
    return damage;
}

} // namespace

DecodedIniText decodeIniBytes(const QByteArray &bytes)
{
    DecodedIniText result;
    const auto decodeAs = [&](IniEncoding encoding, qsizetype start, int width, bool bigEndian) {
        result.encoding = encoding;
        result.damaged =
            decodeLines(bytes, splitLines(bytes, start, width, bigEndian), encoding, result.lines)
            > 0;
        return result;
    };
    if (const std::optional<ByteOrderMark> mark = byteOrderMarkOf(bytes))
        return decodeAs(mark->encoding, mark->size, mark->width, mark->bigEndian);

    const std::vector<ByteLine> split = splitLines(bytes, 0, 1, false);
    const qsizetype utf8Damage = decodeLines(bytes, split, IniEncoding::Utf8, result.lines);
    result.damaged = utf8Damage > 0;
    if (!result.damaged)
        return result;
    if (!legacyCodecName()) {
        result.undecodable = true;
        return result;
    }
    std::vector<DecodedIniLine> legacyLines;
    const qsizetype legacyDamage = decodeLines(bytes, split, IniEncoding::LegacyBig5, legacyLines);
    if (legacyDamage < utf8Damage) {
        result.lines = std::move(legacyLines);
        result.encoding = IniEncoding::LegacyBig5;
        result.damaged = legacyDamage > 0;
    }
    return result;
}

DecodedWholeText decodeWholeText(const QByteArray &bytes)
{
    DecodedWholeText result;
    const auto decodeAs = [&](IniEncoding encoding, qsizetype start) {
        qsizetype damage = 0;
        result.text = LineDecoder(encoding).decode(QByteArrayView(bytes).sliced(start), damage);
        result.encoding = encoding;
        result.damaged = damage > 0;
        return damage;
    };
    if (const std::optional<ByteOrderMark> mark = byteOrderMarkOf(bytes)) {
        decodeAs(mark->encoding, mark->size);
        return result;
    }
    const qsizetype utf8Damage = decodeAs(IniEncoding::Utf8, 0);
    if (utf8Damage == 0)
        return result;
    if (!legacyCodecName()) {
        result.undecodable = true;
        return result;
    }
    DecodedWholeText utf8 = std::move(result);
    if (decodeAs(IniEncoding::LegacyBig5, 0) >= utf8Damage)
        result = std::move(utf8);
    return result;
}

QByteArray byteOrderMark(IniEncoding encoding)
{
    switch (encoding) {
    case IniEncoding::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF");
    case IniEncoding::Utf16LE:
        return QByteArray("\xFF\xFE");
    case IniEncoding::Utf16BE:
        return QByteArray("\xFE\xFF");
    default:
        return {};
    }
}

IniLineEncoder::IniLineEncoder(IniEncoding encoding)
    : m_encoding(encoding)
    , m_encoder(encoding == IniEncoding::LegacyBig5    ? QStringEncoder(legacyCodecName())
                    : encoding == IniEncoding::Utf16LE ? QStringEncoder(QStringConverter::Utf16LE)
                    : encoding == IniEncoding::Utf16BE ? QStringEncoder(QStringConverter::Utf16BE)
                                                       : QStringEncoder(QStringConverter::Utf8))
{ }

QByteArray IniLineEncoder::encode(const QString &text)
{
    if (m_encoding != IniEncoding::LegacyBig5)
        return m_encoder.encode(text);
    return m_encoder.encode(textAsStored(text, m_encoding));
}

QString textAsStored(QString text, IniEncoding encoding)
{
    if (encoding == IniEncoding::LegacyBig5)
        text.replace(QChar::ReplacementCharacter, u'?');
    return text;
}
