#pragma once

#include "ini/inidocument.h"
#include "sheet/labelkinds.h"

#include <QString>

#include <optional>

// The keys of sys.ini, the program's one settings file in the working
// directory, with the conversions their readers apply.
namespace SysIni {

inline QString fileName()
{
    return QStringLiteral("sys.ini");
}

inline QString infoSection()
{
    return QStringLiteral("info");
}
inline QString modeKey()
{
    return QStringLiteral("Mode");
}

inline QString marginSection()
{
    return QStringLiteral("標籤");
}
inline QString topMarginKey()
{
    return QStringLiteral("TOPMARGIN");
}
inline QString leftMarginKey()
{
    return QStringLiteral("LEFTMARGIN");
}
// The top and left print margins in millimetres, as stored: the text typed
// into the margin dialog, unchecked (a reader treats one that is not a
// number above 0 as absent).
struct StoredMargins {
    QString top;
    QString left;
};
StoredMargins readMargins(const IniDocument &settings);
void setMargins(IniDocument &settings, const StoredMargins &margins);

inline QString fontKey()
{
    return QStringLiteral("font");
}
inline QString colorKey()
{
    return QStringLiteral("color");
}
inline QString sizeKey()
{
    return QStringLiteral("size");
}

// A decimal integer with an optional sign that fits 32 bits; nothing else.
std::optional<int> strictInt(const QString &text);

// "Mode" of section "info" as a kind number; empty when missing or not an
// integer. The number may still lie outside 1 to 4.
std::optional<int> readKind(const IniDocument &settings);
void setMode(IniDocument &settings, int kind);

// The three values of one style section as stored.
struct StoredStyle {
    QString font;
    QString color;
    QString size;
    bool present = false; // any of the three keys exists
};
StoredStyle readStyle(const IniDocument &doc, const StyleSection &section);
void setStyle(IniDocument &doc, const StyleSection &section, const QString &font, int color,
              int size);

// "自動縮小" of a kind, kept in its first style section: "1" is on, anything
// else or a missing key (every file from before the key) is off.
inline QString autoShrinkKey()
{
    return QStringLiteral("autoshrink");
}
bool readAutoShrink(const IniDocument &doc, const LabelKindInfo &kind);
// Writes the key only where it is on or already stored, so that files of
// users who never turn it on stay as they were.
void setAutoShrink(IniDocument &doc, const LabelKindInfo &kind, bool on);

} // namespace SysIni
