#pragma once

#include <QByteArray>
#include <QString>

// How an INI file's bytes are turned into text and back. Files we create are
// UTF-8 without BOM; files copied from the Windows predecessor may be UTF-16
// with a BOM or the Traditional Chinese code page (Big5/CP950).
enum class IniEncoding {
    Utf8,        // no BOM
    Utf8Bom,
    Utf16LE,     // with BOM
    Utf16BE,     // with BOM
    LegacyBig5,  // CP950, no BOM
};

struct DecodedIniText {
    QString text;
    IniEncoding encoding = IniEncoding::Utf8;
    bool damaged = false;  // bytes were replaced because no encoding fitted them all
    // Not UTF-8 and this Qt has no Big5 converter: the text is a guess, and
    // writing it back could destroy an old file, so writes are refused.
    bool undecodable = false;
};

DecodedIniText decodeIniBytes(const QByteArray &bytes);

// Encodes for writing back. A legacy file that must take a character CP950
// lacks switches to UTF-16LE with BOM; `encoding` tells what was used.
QByteArray encodeIniText(const QString &text, IniEncoding &encoding);
