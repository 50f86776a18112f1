#include "sheet/sysini.h"

#include <QRegularExpression>

namespace SysIni {

std::optional<int> strictInt(const QString &text)
{
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
    if (!integer.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<int> readKind(const IniDocument &settings)
{
    return strictInt(settings.value(infoSection(), modeKey()));
}

void setMode(IniDocument &settings, int kind)
{
    settings.setValue(infoSection(), modeKey(), QString::number(kind));
}

StoredMargins readMargins(const IniDocument &settings)
{
    return {settings.value(marginSection(), topMarginKey()),
            settings.value(marginSection(), leftMarginKey())};
}

void setMargins(IniDocument &settings, const StoredMargins &margins)
{
    settings.setValue(marginSection(), topMarginKey(), margins.top);
    settings.setValue(marginSection(), leftMarginKey(), margins.left);
}

StoredStyle readStyle(const IniDocument &doc, const StyleSection &section)
{
    const QString name = QString::fromUtf16(section.name);
    StoredStyle style;
    style.font = doc.value(name, fontKey());
    style.color = doc.value(name, colorKey());
    style.size = doc.value(name, sizeKey());
    style.present = doc.contains(name, fontKey()) || doc.contains(name, colorKey())
        || doc.contains(name, sizeKey());
    return style;
}

void setStyle(IniDocument &doc, const StyleSection &section, const QString &font, int color,
              int size)
{
    const QString name = QString::fromUtf16(section.name);
    doc.setValue(name, fontKey(), font);
    doc.setValue(name, colorKey(), QString::number(color));
    doc.setValue(name, sizeKey(), QString::number(size));
}

namespace {

QString firstSectionOf(const LabelKindInfo &kind)
{
    return QString::fromUtf16(kind.sections().front().name);
}

} // namespace

bool readAutoShrink(const IniDocument &doc, const LabelKindInfo &kind)
{
    return doc.value(firstSectionOf(kind), autoShrinkKey()).trimmed() == QLatin1String("1");
}

void setAutoShrink(IniDocument &doc, const LabelKindInfo &kind, bool on)
{
    const QString section = firstSectionOf(kind);
    if (on || doc.contains(section, autoShrinkKey()))
        doc.setValue(section, autoShrinkKey(), on ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace SysIni
