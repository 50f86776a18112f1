#include "sheet/labelkinds.h"

namespace {

constexpr std::array<LabelKindInfo, 4> Kinds = {{
    {1, u"姓名", 1, 0, "frxrprt1", u"", {{{u"M1font1", StylePanel::Name, 20}}}, 1},
    {2,
     u"地址",
     3,
     1,
     "frxrprt2",
     u"生辰",
     {{{u"M2font1", StylePanel::Address, 6},
       {u"M2font2", StylePanel::ThirdField, 8},
       {u"M2font3", StylePanel::Name, 12}}},
     3},
    {3,
     u"座位",
     2,
     2,
     "frxrprt3",
     u"座位",
     {{{u"M3font1", StylePanel::ThirdField, 12}, {u"M3font2", StylePanel::Name, 20}}},
     2},
    {4,
     u"考試",
     2,
     3,
     "frxrprt4",
     u"考試",
     {{{u"M4font1", StylePanel::ThirdField, 10}, {u"M4font2", StylePanel::Name, 15}}},
     2},
}};

} // namespace

StylePanel panelOfLine(int line)
{
    static constexpr StylePanel Panels[] = {StylePanel::Name, StylePanel::ThirdField,
                                            StylePanel::Address};
    Q_ASSERT(line >= 0 && line < 3);
    return Panels[line];
}

bool LabelKindInfo::showsPanel(StylePanel panel) const
{
    for (const StyleSection &section : sections()) {
        if (section.panel == panel)
            return true;
    }
    return false;
}

const LabelKindInfo *labelKind(int number)
{
    if (number < FirstKind || number > LastKind)
        return nullptr;
    return &Kinds[number - FirstKind];
}
