#include "tests/composition/labelfixtures.h"

namespace LabelFixtures {

LabelTemplate prepared(int kind, double topMm, double leftMm, int pointSize)
{
    LabelTemplate layout = *labelTemplate(kind);
    layout.page1.topMarginMm = topMm;
    layout.page1.leftMarginMm = leftMm;
    for (TextBoxTemplate &box : layout.boxes)
        box.font.pointSize = pointSize;
    return layout;
}

LabelTemplate kind2Sheet()
{
    LabelTemplate layout = prepared(2, 2, 5, 20);
    layout.boxes[1].font.pointSize = 8;
    layout.boxes[2].font.pointSize = 8;
    return layout;
}

QList<QStringList> kind2Records(int count)
{
    static const QStringList Surnames =
        QStringLiteral("陳 林 黃 張 李 王 吳 劉 蔡 楊 許 鄭 謝 郭").split(u' ');
    static const QStringList Given = QStringLiteral("淑芬 志明 美玲 家豪 宗翰").split(u' ');
    static const QStringList Districts = QStringLiteral("中正 大同 萬華 信義 士林").split(u' ');
    QList<QStringList> records;
    for (int i = 0; i < count; ++i) {
        records.append(
            {Surnames[i / 5 % Surnames.size()] + Given[i % Given.size()],
             QStringLiteral("民國%1年%2月%3日").arg(50 + i).arg(i % 12 + 1).arg(i % 28 + 1),
             QStringLiteral("台北市%1區重慶南路").arg(Districts[i % Districts.size()])});
    }
    return records;
}

} // namespace LabelFixtures
