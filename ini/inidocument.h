#pragma once

#include "files/filefailure.h"
#include "ini/initextcodec.h"

class IniStore;

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// One INI file held in memory: read once, looked up and edited many times,
// written back with one atomic save. Lookups follow the Windows profile
// functions: names match without regard to case, blanks around names and
// values are ignored, a quoted value loses its quotes, the first of
// duplicated sections or keys wins, and a value is cut to 2047 characters.
// Lines end at LF, CRLF or a CR on its own. Edits keep every other line of
// the file byte for byte, comments, blank lines and line ends included; new
// lines take the file's most frequent line end.
//
// A file with damaged bytes (see decodeIniBytes) is flagged; the save that
// first writes over it keeps its original bytes in a copy beside it. Big5
// writes a damaged character as "?"; where one is in a section or key name,
// the file is written as UTF-16LE instead, so that no name can become another.
class IniDocument
{
public:
    static constexpr qsizetype MaxValueLength = 2047;
    // A page file is a few kB and sys.ini less: anything larger is no file
    // of ours, and refusing it keeps every load fast and small.
    static constexpr qsizetype MaxFileSize = 2 << 20;

    // Never fails: a missing or unreadable file gives an empty document.
    // A file that exists but cannot be read also refuses to be saved over.
    static IniDocument load(const QString &path);
    // The document of a file holding `bytes`, without touching the disk.
    static IniDocument fromBytes(const QString &path, const QByteArray &bytes);

    const QString &path() const { return m_path; }
    // Why an existing file could not be read; empty when it was read or does
    // not exist. load() records it and every later save() returns it, so the
    // file is never written over with the empty document it read as.
    FileResult unreadable() const;
    IniEncoding encoding() const { return m_encoding; }
    // Some bytes fitted no character: they read as U+FFFD.
    bool isDamaged() const { return m_damaged; }
    // The copy of the damaged original that the last save kept, or empty
    // when it kept none.
    const QString &damagedCopyPath() const { return m_damagedCopy; }

    // No line at all: a missing or empty file.
    bool isEmpty() const { return m_preamble.empty() && m_sections.empty(); }

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
    // flushed, renamed over it), keeping its owner and mode. On failure the
    // file is left as it was. Afterwards the document is that of the new file.
    // A file that would come out larger than MaxFileSize is not written.
    [[nodiscard]] FileResult save();
    // The same save into another store.
    [[nodiscard]] FileResult saveTo(IniStore &store);

    // The file as it would be written, before encoding.
    QString text() const;

private:
    struct Line {
        QString text;
        QString eol; // "\r\n", "\n", "\r" or "" for a last line without one
        qsizetype rawBegin = -1; // the text's bytes in m_original while unchanged, else -1
        qsizetype rawSize = 0;
    };
    struct Encoded {
        QByteArray bytes;
        DecodedIniText decoded; // the bytes read back
    };
    struct Section {
        std::vector<Line> lines; // the header line first
        QHash<QString, qsizetype> keys; // folded key -> index in lines, first wins
        qsizetype lastEntry = 0; // index of the last key line, or the header
    };

    explicit IniDocument(QString path)
        : m_path(std::move(path))
    { }
    void adopt(const QByteArray &bytes, DecodedIniText decoded);
    void addLine(Line line);
    Encoded encode() const;
    QByteArray encodeLines(IniEncoding encoding, bool keepBytes) const;
    QString textAsStored(IniEncoding encoding) const;
    bool hasDamagedName() const;
    Section *findSection(QStringView name);
    const Section *findSection(QStringView name) const;
    const Line *findLine(QStringView section, QStringView key) const;
    Section &appendSection(const QString &name);
    Line newLine(QString text) const;
    void endLastLine();

    QString m_path;
    QByteArray m_original; // the file's bytes as read
    IniEncoding m_encoding = IniEncoding::Utf8;
    bool m_damaged = false;
    bool m_edited = false; // a line changed or was added since the file was read
    QString m_damagedCopy;
    QString m_eol = QStringLiteral("\r\n"); // for lines we add
    std::vector<Line> m_preamble; // lines before the first section
    std::vector<Section> m_sections;
    QHash<QString, qsizetype> m_sectionIndex; // folded name -> index, first wins
    QString m_refusal; // why the file could not be read and must not be overwritten
    QString m_invalid; // a name or value that cannot be stored in an INI line
};
