#include "sheet/inidocument.h"

#include "sheet/durablewrite.h"
#include "sheet/iniparse.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// The mode bits only: the "user" bit tells what this process may do, and an
// administrator may write anything.
constexpr QFileDevice::Permissions AnyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

// A file whose write bits are all off is read-only for us even when the
// system would let an administrator write it, as on Windows.
bool readOnly(const QFileInfo &info)
{
    return !(info.permissions() & AnyWrite) || !info.isWritable();
}

// Why a save to `path` cannot happen, checked before anything is touched.
QString refusalFor(const QString &path)
{
    const QFileInfo file(path);
    if (file.exists()) {
        if (file.isDir())
            return QStringLiteral("這是資料夾，不是檔案");
        if (readOnly(file))
            return QStringLiteral("檔案唯讀");
    }
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("資料夾不存在");
    if (!DurableWrite::folderTakesNewFiles(folder))
        return QStringLiteral("資料夾唯讀");
    return {};
}

bool holdsLineBreak(QStringView text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

} // namespace

IniDocument IniDocument::load(const QString &path)
{
    IniDocument doc(path);
    const QFileInfo info(path);
    if (!info.exists())
        return doc;
    if (!info.isFile()) {
        // A folder, or a pipe or device that could block the program.
        doc.m_refusal = info.isDir() ? QStringLiteral("這是資料夾，不是檔案") : QStringLiteral("這不是一般檔案");
        return doc;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        doc.m_refusal = QStringLiteral("無法讀取原有檔案：%1").arg(file.errorString());
        return doc;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        doc.m_refusal = QStringLiteral("無法讀取原有檔案：%1").arg(file.errorString());
        return doc;
    }
    const DecodedIniText decoded = decodeIniBytes(bytes);
    if (decoded.undecodable)
        doc.m_refusal = QStringLiteral("無法辨識檔案的文字編碼");
    doc.m_encoding = decoded.encoding;
    doc.parse(decoded.text);
    return doc;
}

void IniDocument::parse(const QString &text)
{
    bool eolSeen = false;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype newline = text.indexOf(u'\n', start);
        const bool last = newline < 0;
        if (last)
            newline = text.size();
        qsizetype end = newline;
        if (end > start && text[end - 1] == u'\r')
            --end;
        QString eol = last ? QString() : text.mid(end, newline + 1 - end);
        if (!eolSeen && !last) {
            m_eol = eol;
            eolSeen = true;
        }
        addLine(text.mid(start, end - start), std::move(eol));
        start = newline + 1;
    }
}

void IniDocument::addLine(QString text, QString eol)
{
    if (const auto name = IniParse::sectionName(text)) {
        const QString folded = IniParse::foldName(*name);
        if (!m_sectionIndex.contains(folded))  // the first of duplicates wins
            m_sectionIndex.insert(folded, m_sections.size());
        m_sections.push_back(Section{});
        m_sections.back().lines.push_back(Line{std::move(text), std::move(eol)});
        return;
    }
    if (m_sections.empty()) {
        m_preamble.push_back(Line{std::move(text), std::move(eol)});
        return;
    }
    Section &section = m_sections.back();
    const qsizetype index = section.lines.size();
    if (const auto entry = IniParse::entry(text)) {
        const QString folded = IniParse::foldName(entry->key);
        if (!section.keys.contains(folded))
            section.keys.insert(folded, index);
        section.lastEntry = index;
    }
    section.lines.push_back(Line{std::move(text), std::move(eol)});
}

const IniDocument::Section *IniDocument::findSection(QStringView name) const
{
    const auto it = m_sectionIndex.constFind(IniParse::foldName(name));
    return it == m_sectionIndex.cend() ? nullptr : &m_sections[*it];
}

IniDocument::Section *IniDocument::findSection(QStringView name)
{
    return const_cast<Section *>(std::as_const(*this).findSection(name));
}

const IniDocument::Line *IniDocument::findLine(QStringView section, QStringView key) const
{
    const Section *found = findSection(section);
    if (!found)
        return nullptr;
    const auto it = found->keys.constFind(IniParse::foldName(key));
    return it == found->keys.cend() ? nullptr : &found->lines[*it];
}

QString IniDocument::value(QStringView section, QStringView key, const QString &defaultValue) const
{
    const Line *line = findLine(section, key);
    if (!line)
        return defaultValue;
    return IniParse::readValue(IniParse::entry(line->text)->value, MaxValueLength);
}

bool IniDocument::contains(QStringView section, QStringView key) const
{
    return findLine(section, key) != nullptr;
}

QStringList IniDocument::sectionNames() const
{
    QStringList names;
    for (qsizetype index : m_sectionIndex)
        names.append(IniParse::sectionName(m_sections[index].lines.front().text)->toString());
    return names;
}

QStringList IniDocument::keyNames(QStringView section) const
{
    QStringList names;
    if (const Section *found = findSection(section)) {
        for (qsizetype index : found->keys)
            names.append(IniParse::entry(found->lines[index].text)->key.toString());
    }
    return names;
}

IniDocument::Line IniDocument::newLine(QString text) const
{
    return Line{std::move(text), m_eol};
}

void IniDocument::endLastLine()
{
    std::vector<Line> &lines = m_sections.empty() ? m_preamble : m_sections.back().lines;
    if (!lines.empty() && lines.back().eol.isEmpty())
        lines.back().eol = m_eol;
}

IniDocument::Section &IniDocument::appendSection(const QString &name)
{
    endLastLine();
    m_sectionIndex.insert(IniParse::foldName(name), m_sections.size());
    m_sections.push_back(Section{});
    m_sections.back().lines.push_back(newLine(QLatin1Char('[') + name + QLatin1Char(']')));
    return m_sections.back();
}

bool IniDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    if (holdsLineBreak(section) || holdsLineBreak(key) || holdsLineBreak(value) || section.contains(u']')
        || key.contains(u'=') || IniParse::trimBlanks(key).isEmpty()) {
        m_invalid = QStringLiteral("名稱或內容含有不能存入設定檔的字元");
        return false;
    }
    Section *target = findSection(section);
    if (!target)
        target = &appendSection(section);
    const QString folded = IniParse::foldName(key);
    if (const auto it = target->keys.constFind(folded); it != target->keys.cend()) {
        Line &line = target->lines[*it];
        line.text = IniParse::entry(line.text)->key.toString() + QLatin1Char('=') + IniParse::storedValue(value);
        return true;
    }
    const qsizetype at = target->lastEntry + 1;
    Line &before = target->lines[at - 1];
    if (before.eol.isEmpty())
        before.eol = m_eol;
    target->lines.insert(target->lines.begin() + at, newLine(key + QLatin1Char('=') + IniParse::storedValue(value)));
    target->keys.insert(folded, at);
    target->lastEntry = at;
    return true;
}

QString IniDocument::text() const
{
    QString out;
    const auto append = [&out](const std::vector<Line> &lines) {
        for (const Line &line : lines) {
            out += line.text;
            out += line.eol;
        }
    };
    append(m_preamble);
    for (const Section &section : m_sections)
        append(section.lines);
    return out;
}

IniWriteResult IniDocument::save()
{
    const auto failure = [this](const QString &reason) { return IniFailure{m_path, reason}; };
    if (!m_invalid.isEmpty())
        return failure(m_invalid);
    if (!m_refusal.isEmpty())
        return failure(m_refusal);
    if (const QString refusal = refusalFor(m_path); !refusal.isEmpty())
        return failure(refusal);

    IniEncoding encoding = m_encoding;
    const QByteArray bytes = encodeIniText(text(), encoding);
    QSaveFile file(m_path);
    // Unbuffered, so that a full disk fails the write itself and not a
    // flush whose error the commit would not see.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(file.errorString());
    if (file.write(bytes) != bytes.size() || !DurableWrite::syncToDisk(file)) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("磁碟空間不足或無法寫入");
        file.cancelWriting();
        return failure(reason);
    }
    if (!file.commit())
        return failure(file.errorString());
    m_encoding = encoding;
    return std::nullopt;
}
