#pragma once

#include "sheet/inifailure.h"
#include "sheet/initextcodec.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// One INI file held in memory: read once, looked up and edited many times,
// written back with one atomic save. Lookups follow the Windows profile
// functions: names match without regard to case, blanks around names and
// values are ignored, a quoted value loses its quotes, the first of
// duplicated sections or keys wins, and a value is cut to 2047 characters.
// Edits keep every other line of the file as it was, comments and blank
// lines included.
class IniDocument
{
public:
    static constexpr qsizetype MaxValueLength = 2047;

    // Never fails: a missing or unreadable file gives an empty document.
    // A file that exists but cannot be read also refuses to be saved over.
    static IniDocument load(const QString &path);

    const QString &path() const { return m_path; }
    // Why an existing file could not be read (it then reads as empty and
    // refuses to be saved over); empty when it was read or does not exist.
    const QString &readProblem() const { return m_refusal; }
    IniEncoding encoding() const { return m_encoding; }

    QString value(QStringView section, QStringView key, const QString &defaultValue = {}) const;
    bool contains(QStringView section, QStringView key) const;

    // Names as written in the file, each once (the first of duplicates).
    QStringList sectionNames() const;
    QStringList keyNames(QStringView section) const;

    // Creates the section or the key where missing: a new section at the
    // end, a new key after the last key of its section; an existing value is
    // rewritten in place. False when the text cannot be stored in an INI
    // line; the document then refuses to be saved.
    bool setValue(const QString &section, const QString &key, const QString &value);

    // Replaces the file atomically (temporary file in the same folder,
    // flushed, renamed over it). On failure the file is left as it was.
    [[nodiscard]] IniWriteResult save();

    // The file as it would be written, before encoding.
    QString text() const;

private:
    struct Line {
        QString text;
        QString eol;  // "\r\n", "\n" or "" for a last line without one
    };
    struct Section {
        std::vector<Line> lines;          // the header line first
        QHash<QString, qsizetype> keys;   // folded key -> index in lines, first wins
        qsizetype lastEntry = 0;          // index of the last key line, or the header
    };

    explicit IniDocument(QString path) : m_path(std::move(path)) {}
    void parse(const QString &text);
    void addLine(QString text, QString eol);
    Section *findSection(QStringView name);
    const Section *findSection(QStringView name) const;
    const Line *findLine(QStringView section, QStringView key) const;
    Section &appendSection(const QString &name);
    Line newLine(QString text) const;
    void endLastLine();

    QString m_path;
    IniEncoding m_encoding = IniEncoding::Utf8;
    QString m_eol = QStringLiteral("\r\n");  // for lines we add
    std::vector<Line> m_preamble;             // lines before the first section
    std::vector<Section> m_sections;
    QHash<QString, qsizetype> m_sectionIndex;  // folded name -> index, first wins
    QString m_refusal;  // why the file could not be read and must not be overwritten
    QString m_invalid;  // a name or value that cannot be stored in an INI line
};
