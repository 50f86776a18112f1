#pragma once

#include <QByteArray>
#include <QString>
#include <QStringEncoder>

#include <vector>

// How an INI file's bytes are turned into lines of text and back. Files we
// create are UTF-8 without BOM; files copied from the Windows predecessor
// may be UTF-16 with a BOM or the Traditional Chinese code page (Big5/CP950).
enum class IniEncoding {
    Utf8, // no BOM
    Utf8Bom,
    Utf16LE, // with BOM
    Utf16BE, // with BOM
    LegacyBig5, // CP950, no BOM
};

// One line as the Windows profile functions see it: a line ends at LF, at
// CRLF, or at a CR on its own.
struct DecodedIniLine {
    QString text;
    QString eol; // "\r\n", "\n", "\r", or "" for a last line without one
    qsizetype byteBegin = 0; // where the line's text lies in the file's bytes
    qsizetype byteSize = 0; // without the line end
    bool damaged = false; // some of its bytes were replaced by U+FFFD
};

struct DecodedIniText {
    std::vector<DecodedIniLine> lines;
    IniEncoding encoding = IniEncoding::Utf8;
    // Some bytes fit no character of the file's encoding (a file cut short,
    // a stray byte): they read as U+FFFD, every other character as written.
    bool damaged = false;
    // Not UTF-8 and this Qt has no Big5 converter: the text is a guess, and
    // writing it back could destroy an old file, so writes are refused.
    bool undecodable = false;
};

// Picks the encoding the file is written in: a byte-order mark decides;
// otherwise UTF-8 or Big5, whichever reads with fewer damaged characters
// (UTF-8 on a tie), so that one damaged character never switches encoding.
DecodedIniText decodeIniBytes(const QByteArray &bytes);

// The whole of `bytes` as one text, its encoding found as decodeIniBytes
// finds it, for files that are only read (name lists): no lines are kept,
// so memory stays a small multiple of the file's size whatever its line ends.
struct DecodedWholeText {
    QString text;
    IniEncoding encoding = IniEncoding::Utf8;
    bool damaged = false;
    bool undecodable = false;
};
DecodedWholeText decodeWholeText(const QByteArray &bytes);

// The byte-order mark a file of this encoding starts with, if any.
QByteArray byteOrderMark(IniEncoding encoding);

// Encodes line after line in one encoding. Big5 has no replacement
// character: a U+FFFD left by damage is written as "?", as Windows does. A
// character the encoding lacks comes out as something else: the caller
// checks by reading the bytes back.
class IniLineEncoder
{
public:
    explicit IniLineEncoder(IniEncoding encoding);
    QByteArray encode(const QString &text);

private:
    IniEncoding m_encoding;
    QStringEncoder m_encoder;
};

// What reading `text` back from a file of this encoding gives when it was
// written by IniLineEncoder.
QString textAsStored(QString text, IniEncoding encoding);
