#include "printrun/printrun.h"

#include "composition/reportunits.h"
#include "ini/iniutil.h"
#include "sheet/sysini.h"

#include <cmath>

namespace PrintRun {

namespace {

double positiveOr(double value, double fallback)
{
    return value > 0 ? value : fallback;
}

int wholePoints(double size)
{
    return int(std::nearbyint(size)); // the default rounding mode: half to even
}

} // namespace

Margins readMargins(const IniDocument &settings)
{
    const SysIni::StoredMargins stored = SysIni::readMargins(settings);
    return marginsFromText(stored.top, stored.left);
}

Margins readMargins(const QString &settingsPath)
{
    return readMargins(IniDocument::load(settingsPath));
}

Margins marginsFromText(const QString &top, const QString &left)
{
    const Margins defaults;
    return Margins{positiveOr(IniUtil::parseIniFloat(top, -1.0), defaults.top),
                   positiveOr(IniUtil::parseIniFloat(left, -1.0), defaults.left)};
}

std::optional<LabelTemplate> preparedTemplate(int kind, const Margins &margins,
                                              const BoxStyle &name, const BoxStyle &third,
                                              const BoxStyle &address)
{
    std::optional<LabelTemplate> prepared = labelTemplate(kind);
    if (!prepared)
        return prepared;
    prepared->page1.topMarginMm = margins.top;
    prepared->page1.leftMarginMm = margins.left;
    for (TextBoxTemplate &box : prepared->boxes) {
        const BoxStyle &style = box.panel == StylePanel::Name ? name
            : box.panel == StylePanel::ThirdField             ? third
                                                              : address;
        box.font.family = style.family;
        box.font.pointSize = wholePoints(style.size);
        box.font.color = style.color;
    }
    return prepared;
}

void setPaper(LabelTemplate &prepared, const QPageSize &paper)
{
    const QSizeF size = paper.size(QPageSize::Millimeter);
    prepared.page1.paperWidthMm = size.width();
    prepared.page1.paperHeightMm = size.height();
    prepared.page1.paperSize = paper.windowsId();
}

QString noRowFitsMessage(const Margins &margins)
{
    const auto mm = [](double value) { return QString::number(value, 'g', 15); };
    const ReportPage &paper = sheetPaper();
    return QStringLiteral(
               "邊界太大，頁面上放不下任何一列標籤。\n\n"
               "目前上邊界為 %1 毫米、左邊界為 %2 毫米；每列標籤高 %3 毫米，下邊界 %4 毫米，"
               "A4 紙高 %5 毫米。\n請在「預覽列印」按鈕上按滑鼠右鍵，把上邊界改小。")
        .arg(mm(margins.top), mm(margins.left),
             QString::number(ReportUnits::toMm(labelBand().height), 'f', 1),
             mm(paper.bottomMarginMm), mm(paper.paperHeightMm));
}

} // namespace PrintRun
