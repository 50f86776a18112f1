#include "ini/inidocument.h"

#include "files/regularfile.h"
#include "ini/iniparse.h"
#include "ini/inistore.h"

#include <QFile>

#include <algorithm>
#include <array>

namespace {

bool holdsLineBreak(QStringView text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

QString readFailure(const QString &reason)
{
    return QStringLiteral("無法讀取原有檔案：%1").arg(reason);
}

// The line end most lines of the file have; CRLF for a file without any.
QString dominantEnd(const std::vector<DecodedIniLine> &lines)
{
    static const std::array<QString, 3> ends = {QStringLiteral("\r\n"), QStringLiteral("\n"),
                                                QStringLiteral("\r")};
    std::array<qsizetype, 3> counts{};
    for (const DecodedIniLine &line : lines) {
        for (std::size_t i = 0; i < ends.size(); ++i)
            counts[i] += line.eol == ends[i];
    }
    return ends[std::max_element(counts.begin(), counts.end()) - counts.begin()];
}

} // namespace

IniDocument IniDocument::load(const QString &path)
{
    IniDocument doc(path);
    QFile file(path);
    const RegularFile::Opening opening = RegularFile::openForReading(file);
    switch (opening.kind) {
    case RegularFile::Kind::Missing:
        return doc;
    case RegularFile::Kind::Folder:
        doc.m_refusal = QStringLiteral("這是資料夾，不是檔案");
        return doc;
    case RegularFile::Kind::Special:
        doc.m_refusal = QStringLiteral("這不是一般檔案，不是頁面檔或設定檔");
        return doc;
    case RegularFile::Kind::File:
        break;
    }
    if (!opening.error.isEmpty()) {
        doc.m_refusal = readFailure(opening.error);
        return doc;
    }
    // One byte more than allowed tells a file that is too large, whatever
    // its size said a moment ago.
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        doc.m_refusal = readFailure(file.errorString());
        return doc;
    }
    if (bytes.size() > MaxFileSize) {
        doc.m_refusal = QStringLiteral("檔案大於 %1 MB，不是頁面檔或設定檔").arg(MaxFileSize >> 20);
        return doc;
    }
    return fromBytes(path, bytes);
}

IniDocument IniDocument::fromBytes(const QString &path, const QByteArray &bytes)
{
    IniDocument doc(path);
    DecodedIniText decoded = decodeIniBytes(bytes);
    if (decoded.undecodable)
        doc.m_refusal = QStringLiteral("無法辨識檔案的文字編碼");
    doc.adopt(bytes, std::move(decoded));
    return doc;
}

void IniDocument::adopt(const QByteArray &bytes, DecodedIniText decoded)
{
    m_original = bytes;
    m_edited = false;
    m_encoding = decoded.encoding;
    m_damaged = decoded.damaged;
    m_preamble.clear();
    m_sections.clear();
    m_sectionIndex.clear();
    if (!decoded.lines.empty())
        m_eol = dominantEnd(decoded.lines);
    for (DecodedIniLine &line : decoded.lines) {
        // A damaged line is written anew from its text; all others keep their bytes.
        addLine(Line{std::move(line.text), std::move(line.eol), line.damaged ? -1 : line.byteBegin,
                     line.byteSize});
    }
}

void IniDocument::addLine(Line line)
{
    if (const auto name = IniParse::sectionName(line.text)) {
        const QString folded = IniParse::foldName(*name);
        if (!m_sectionIndex.contains(folded)) // the first of duplicates wins
            m_sectionIndex.insert(folded, m_sections.size());
        m_sections.push_back(Section{});
        m_sections.back().lines.push_back(std::move(line));
        return;
    }
    if (m_sections.empty()) {
        m_preamble.push_back(std::move(line));
        return;
    }
    Section &section = m_sections.back();
    const qsizetype index = section.lines.size();
    if (const auto entry = IniParse::entry(line.text)) {
        const QString folded = IniParse::foldName(entry->key);
        if (!section.keys.contains(folded))
            section.keys.insert(folded, index);
        section.lastEntry = index;
    }
    section.lines.push_back(std::move(line));
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
    if (holdsLineBreak(section) || holdsLineBreak(key) || holdsLineBreak(value)
        || section.contains(u']') || key.contains(u'=') || IniParse::trimBlanks(key).isEmpty()) {
        m_invalid = QStringLiteral("名稱或內容含有不能存入設定檔的字元");
        return false;
    }
    Section *target = findSection(section);
    if (!target)
        target = &appendSection(section);
    const QString folded = IniParse::foldName(key);
    if (const auto it = target->keys.constFind(folded); it != target->keys.cend()) {
        Line &line = target->lines[*it];
        const IniParse::Entry entry = *IniParse::entry(line.text);
        if (IniParse::readValue(entry.value, MaxValueLength) == value)
            return true; // reads the same: the line keeps its bytes
        m_edited = true;
        line.text = entry.key.toString() + QLatin1Char('=') + IniParse::storedValue(value);
        line.rawBegin = -1;
        return true;
    }
    m_edited = true;
    const qsizetype at = target->lastEntry + 1;
    Line &before = target->lines[at - 1];
    if (before.eol.isEmpty())
        before.eol = m_eol;
    target->lines.insert(target->lines.begin() + at,
                         newLine(key + QLatin1Char('=') + IniParse::storedValue(value)));
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

QByteArray IniDocument::encodeLines(IniEncoding encoding, bool keepBytes) const
{
    IniLineEncoder encoder(encoding);
    QByteArray out = byteOrderMark(encoding);
    out.reserve(m_original.size() + 64);
    const auto append = [&](const std::vector<Line> &lines) {
        for (const Line &line : lines) {
            if (keepBytes && line.rawBegin >= 0)
                out += QByteArrayView(m_original).sliced(line.rawBegin, line.rawSize);
            else
                out += encoder.encode(line.text);
            out += encoder.encode(line.eol);
        }
    };
    append(m_preamble);
    for (const Section &section : m_sections)
        append(section.lines);
    return out;
}

QString IniDocument::textAsStored(IniEncoding encoding) const
{
    return ::textAsStored(text(), encoding);
}

bool IniDocument::hasDamagedName() const
{
    const auto damaged = [](QStringView name) {
        return name.contains(QChar::ReplacementCharacter);
    };
    for (const Section &section : m_sections) {
        for (const Line &line : section.lines) {
            if (const auto name = IniParse::sectionName(line.text); name && damaged(*name))
                return true;
            if (const auto entry = IniParse::entry(line.text); entry && damaged(entry->key))
                return true;
        }
    }
    return false;
}

IniDocument::Encoded IniDocument::encode() const
{
    if (!m_edited && !m_damaged)
        return {m_original, {}}; // this document was read from these bytes
    // The file's own encoding when its bytes read back as this document;
    // otherwise (a character Big5 lacks, Big5 bytes that would read as
    // UTF-8) UTF-16LE with BOM, which holds any text.
    const auto joined = [](const DecodedIniText &decoded) {
        QString text;
        for (const DecodedIniLine &line : decoded.lines)
            text += line.text + line.eol;
        return text;
    };
    // Big5 writes a damaged character as "?", which is harmless in a value
    // but could turn a damaged name into another one spelled with a "?".
    if (m_encoding != IniEncoding::LegacyBig5 || !hasDamagedName()) {
        Encoded kept{encodeLines(m_encoding, true), {}};
        kept.decoded = decodeIniBytes(kept.bytes);
        if (!kept.decoded.damaged && joined(kept.decoded) == textAsStored(m_encoding))
            return kept;
    }
    Encoded wide{encodeLines(IniEncoding::Utf16LE, false), {}};
    wide.decoded = decodeIniBytes(wide.bytes);
    return wide;
}

FileResult IniDocument::unreadable() const
{
    if (m_refusal.isEmpty())
        return std::nullopt;
    return FileFailure{m_path, m_refusal, FileFailure::Action::Read};
}

FileResult IniDocument::save()
{
    return saveTo(fileStore());
}

FileResult IniDocument::saveTo(IniStore &store)
{
    const auto failure = [this](const QString &reason) { return FileFailure{m_path, reason}; };
    m_damagedCopy.clear();
    if (!m_invalid.isEmpty())
        return failure(m_invalid);
    if (!m_refusal.isEmpty())
        return failure(m_refusal);
    if (const QString refusal = store.refusal(m_path); !refusal.isEmpty())
        return failure(refusal);

    Encoded encoded = encode();
    // What the save would write must still be readable afterwards.
    if (encoded.bytes.size() > MaxFileSize)
        return failure(
            QStringLiteral("存檔後檔案會大於 %1 MB，之後將無法讀取").arg(MaxFileSize >> 20));
    if (m_damaged) {
        QString copy;
        if (const QString reason = store.keepCopy(m_path, m_original, copy); !reason.isEmpty())
            return failure(
                QStringLiteral("檔案有損毀的內容，無法先保留原檔的副本：%1").arg(reason));
        m_damagedCopy = copy;
    }
    if (const QString reason = store.replace(m_path, encoded.bytes); !reason.isEmpty())
        return failure(reason);
    if (m_edited || m_damaged)
        adopt(encoded.bytes, std::move(encoded.decoded));
    return std::nullopt;
}
