#include "sheet/initextcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {

const char *legacyCodecName()
{
    // Microsoft's own table first: it is what the predecessor wrote.
    for (const char *name : {"windows-950", "CP950", "Big5"}) {
        if (QStringDecoder(name).isValid())
            return name;
    }
    return nullptr;
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

// Decodes strictly; returns false when any byte sequence is invalid or the
// bytes end inside a character.
bool decodeStrict(QStringDecoder decoder, QByteArrayView bytes, QString &out)
{
    out = decoder.decode(bytes);
    return !decoder.hasError();
}

QStringDecoder strictDecoder(QStringConverter::Encoding encoding)
{
    return QStringDecoder(encoding, QStringConverter::Flag::Stateless);
}

QStringDecoder strictDecoder(const char *name)
{
    return QStringDecoder(name, QStringConverter::Flag::Stateless);
}

bool isAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

QByteArray utf16Bytes(const QString &text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

} // namespace

DecodedIniText decodeIniBytes(const QByteArray &bytes)
{
    DecodedIniText result;
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF})) {
        result.encoding = IniEncoding::Utf8Bom;
        result.damaged = !decodeStrict(strictDecoder(QStringConverter::Utf8), QByteArrayView(bytes).sliced(3), result.text);
        return result;
    }
    if (startsWith(bytes, {0xFF, 0xFE})) {
        result.encoding = IniEncoding::Utf16LE;
        result.damaged = !decodeStrict(strictDecoder(QStringConverter::Utf16LE), QByteArrayView(bytes).sliced(2), result.text);
        return result;
    }
    if (startsWith(bytes, {0xFE, 0xFF})) {
        result.encoding = IniEncoding::Utf16BE;
        result.damaged = !decodeStrict(strictDecoder(QStringConverter::Utf16BE), QByteArrayView(bytes).sliced(2), result.text);
        return result;
    }
    if (decodeStrict(strictDecoder(QStringConverter::Utf8), bytes, result.text))
        return result;
    const char *legacy = legacyCodecName();
    if (legacy && decodeStrict(strictDecoder(legacy), bytes, result.text)) {
        result.encoding = IniEncoding::LegacyBig5;
        return result;
    }
    // Neither fits: keep what can be read and write UTF-8 from now on.
    result.damaged = true;
    result.undecodable = legacy == nullptr;
    result.text = QString::fromUtf8(bytes);
    return result;
}

QByteArray encodeIniText(const QString &text, IniEncoding &encoding)
{
    switch (encoding) {
    case IniEncoding::Utf8:
        return text.toUtf8();
    case IniEncoding::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case IniEncoding::Utf16LE:
        return utf16Bytes(text, QStringConverter::Utf16LE);
    case IniEncoding::Utf16BE:
        return utf16Bytes(text, QStringConverter::Utf16BE);
    case IniEncoding::LegacyBig5:
        if (const char *legacy = legacyCodecName()) {
            QStringEncoder encoder(legacy);
            const QByteArray bytes = encoder.encode(text);
            // The converters substitute silently; a round trip is the test.
            // Bytes that would read as UTF-8 next time cannot stay Big5.
            QString back;
            QString asUtf8;
            if (!encoder.hasError() && decodeStrict(strictDecoder(legacy), bytes, back) && back == text
                && (isAscii(bytes) || !decodeStrict(strictDecoder(QStringConverter::Utf8), bytes, asUtf8)))
                return bytes;
        }
        encoding = IniEncoding::Utf16LE;
        return utf16Bytes(text, QStringConverter::Utf16LE);
    }
    Q_UNREACHABLE();
}
