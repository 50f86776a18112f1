#include "lists/listlimits.h"

#include <QLocale>

#include <algorithm>

namespace ListLimits {

namespace {

QString number(qint64 n)
{
    return QLocale(QLocale::Chinese, QLocale::Taiwan).toString(n);
}

const QString SplitTheList = QStringLiteral("請只留下需要的欄和列，或把名單分成幾個檔案。");

} // namespace

ListRead requireValue(ListRead read)
{
    if (!read.ok() || !read.rows.isEmpty())
        return read;
    return ListRead::refused(
        read.notice.isEmpty()
            ? QStringLiteral("檔案中沒有名單資料。")
            : QStringLiteral("檔案的前 %1 欄中沒有名單資料，其後的欄未讀取。").arg(MaxColumns));
}

QString fileTooLarge(qint64 bytes)
{
    return QStringLiteral("名單檔案有 %1 MB，超過 %2 MB，無法匯入。")
               .arg(number((bytes + (1 << 20) - 1) >> 20))
               .arg(MaxFileBytes >> 20)
        + SplitTheList;
}

QString partTooLarge(const QString &part, qint64 limitBytes)
{
    return QStringLiteral("活頁簿中的 %1 解壓縮後超過 %2 MB，無法匯入。")
               .arg(part)
               .arg(limitBytes >> 20)
        + SplitTheList;
}

} // namespace ListLimits

using namespace ListLimits;

bool ListCollector::holdText(qsizetype chars)
{
    m_chars += chars;
    return m_chars <= MaxTextChars
        || refuse(QStringLiteral("名單的文字超過 %1 字，無法匯入。").arg(number(MaxTextChars))
                  + SplitTheList);
}

bool ListCollector::holdSharedText(qsizetype chars)
{
    if (++m_sharedTexts > MaxCells)
        return refuse(
            QStringLiteral("活頁簿中有超過 %1 段不同的文字，無法匯入。").arg(number(MaxCells))
            + SplitTheList);
    return holdText(chars);
}

bool ListCollector::add(int sourceRow, QStringList fields)
{
    while (!fields.isEmpty() && fields.last().isEmpty())
        fields.removeLast();
    if (over())
        return false;
    if (fields.isEmpty())
        return true;
    if (m_rows.size() == MaxRows)
        return refuse(QStringLiteral("名單超過 %1 列，無法匯入。").arg(number(MaxRows))
                      + SplitTheList);
    m_cells += fields.size();
    if (m_cells > MaxCells)
        return refuse(
            QStringLiteral("名單中有資料的儲存格超過 %1 個，無法匯入。").arg(number(MaxCells))
            + SplitTheList);
    m_rows.append(ListRow{sourceRow, std::move(fields)});
    return true;
}

ListRead ListCollector::finish()
{
    if (over())
        return ListRead::refused(m_problem);
    ListRead read;
    read.rows = std::move(m_rows);
    if (m_columnsCut)
        read.notice = QStringLiteral("名單超過 %1 欄，只讀取了第 1 到第 %1 欄。").arg(MaxColumns);
    return read;
}

bool ListCollector::refuse(const QString &problem)
{
    if (m_problem.isEmpty())
        m_problem = problem;
    m_rows.clear();
    return false;
}

ByteProgress::ByteProgress(const ListProgress &progress, qint64 total)
    : m_progress(progress)
    , m_total(total)
{ }

bool ByteProgress::at(qint64 done)
{
    constexpr qint64 Step = 256 << 10;
    if (!m_progress || m_cancelled)
        return !m_cancelled;
    // 0 first, which starts a progress dialog's clock.
    const qint64 told = m_next == 0 ? 0 : done;
    if (told >= m_next) {
        m_next = told + Step;
        m_cancelled = !m_progress(int(told >> 10), int(std::max(told, m_total) >> 10));
    }
    return !m_cancelled;
}
