#pragma once

#include <QString>

#include <array>
#include <span>

// The four label kinds and everything that depends on the kind, kept here
// as data so that nothing else spells a stem or a style section.

// The three text style panels of the main window.
enum class StylePanel {
    Name, // pnl8, styles Memo1 (line 0)
    Address, // pnl9, styles Memo3 (line 2), kind 2 only
    ThirdField, // pnl10, styles Memo2 (line 1)
};

// The panel that styles cell line 0, 1 or 2 wherever it prints.
StylePanel panelOfLine(int line);

struct StyleSection {
    const char16_t *name; // section in sys.ini
    StylePanel panel;
    // Points until the user picks: 20, or less where a typical value of the
    // field would not fit its box on one line at 20 or would run into the
    // text of an overlapping box.
    int initialSize;
};

struct LabelKindInfo {
    int number; // 1 to 4, the value of FMode
    const char16_t *stem; // page file name stem (FModeName)
    int lineCount; // lines the editing dialog writes at most
    int editPage; // index of the editing dialog's page, rztbsht1 = 0
    const char *templateName; // the print layout
    const char16_t *thirdCaption; // caption of pnl10; empty where it is hidden
    std::array<StyleSection, 3> sectionTable;
    int sectionCount;

    QString stemText() const { return QString::fromUtf16(stem); }
    QString thirdCaptionText() const { return QString::fromUtf16(thirdCaption); }
    // In the order they are read and written.
    std::span<const StyleSection> sections() const
    {
        return {sectionTable.data(), size_t(sectionCount)};
    }
    bool showsPanel(StylePanel panel) const;
};

constexpr int FirstKind = 1;
constexpr int LastKind = 4;

// Null for a number outside 1 to 4.
const LabelKindInfo *labelKind(int number);
