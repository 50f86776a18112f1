#pragma once

#include "ini/inidocument.h"

#include <QList>
#include <QString>

// Who gives technical support, as a temple's helper fills it in: the
// optional section "支援" of sys.ini. Every key may be missing.
//
//   [支援]
//   電話=02-2345-6789
//   傳真=02-2345-6790
//   遠端連線=遠端協助請來電告知連線碼
//   連結1=岑禾使用說明
//   網址1=https://example.org/cenhe
//   連結2=...            (up to 連結9 / 網址9)
namespace SupportContacts {

inline QString section()
{
    return QStringLiteral("支援");
}
inline QString phoneKey()
{
    return QStringLiteral("電話");
}
inline QString faxKey()
{
    return QStringLiteral("傳真");
}
inline QString remoteKey()
{
    return QStringLiteral("遠端連線");
}
inline QString linkTextKey(int n)
{
    return QStringLiteral("連結%1").arg(n);
}
inline QString linkTargetKey(int n)
{
    return QStringLiteral("網址%1").arg(n);
}
constexpr int MaxLinks = 9;

struct Link {
    QString text; // shown; the target when empty
    QString target; // opened; the text when empty
};

struct Contacts {
    QString phone;
    QString fax;
    QString remote;
    QList<Link> links; // only those with a text or a target, in key order
};

Contacts read(const IniDocument &settings);

} // namespace SupportContacts
