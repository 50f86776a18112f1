#pragma once

#include <QComboBox>

class FontPreview;

// The font field of a text style panel: a list, without typing, of the
// installed font families sorted by name, symbol fonts left out. Fonts the
// user picks are repeated at the top, the latest first, above a separator.
// While the list is open a FontPreview follows the highlighted entry.
//
// fontName() is the selected family, the empty text without a selection.
// setFontName() selects without regard to case, or through a substitution
// (QFont::insertSubstitution) to a listed family; otherwise it clears the
// selection. A name reached through a substitution ("標楷體" on a system that
// shows it with another Kai face) stays the value until the user picks, so
// settings files keep the name that works on every system. fontChosen() is emitted only for the
// user's choice, never by setFontName(); currentIndexChanged() fires for both and is not for
// callers.
class FontChooser : public QComboBox
{
    Q_OBJECT

public:
    explicit FontChooser(QWidget *parent = nullptr);

    QString fontName() const;
    void setFontName(const QString &name);

    void showPopup() override;
    void hidePopup() override;

    // How many of the user's latest picks are kept at the top.
    static constexpr int RecentLimit = 5;

Q_SIGNALS:
    void fontChosen(const QString &name);

protected:
    // A wheel passing over the field while it has no focus changes nothing.
    void wheelEvent(QWheelEvent *event) override;

private:
    void fillFamilies();
    void choose(int index);
    void previewEntry(int index);
    void addRecent(const QString &family);
    int findFamily(const QString &name) const;

    FontPreview *m_preview;
    int m_recentCount = 0; // picks above the separator
    QString m_substituted; // the name set, while a substitute shows it
};
