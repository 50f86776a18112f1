// The text styles of the current kind: read into the style panels on every
// page load, written to sys.ini on every change and every page save.
#include "mainwindow/mainwindow.h"

#include "editing/stylepanel.h"
#include "frontend/damagedfilenotice.h"
#include "frontend/usermessages.h"
#include "ini/inidocument.h"
#include "sheet/sysini.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>

TextStylePanel *MainWindow::panelFor(StylePanel panel) const
{
    switch (panel) {
    case StylePanel::Name:
        return m_namePanel;
    case StylePanel::Address:
        return m_addressPanel;
    case StylePanel::ThirdField:
        return m_thirdPanel;
    }
    return nullptr;
}

bool MainWindow::applyStoredStyles(const IniDocument &settings)
{
    const LabelKindInfo *kind = labelKind(m_kind);
    if (!kind)
        return true;
    m_autoShrink->setChecked(SysIni::readAutoShrink(settings, *kind));
    for (const StyleSection &section : kind->sections()) {
        TextStylePanel *panel = panelFor(section.panel);
        const SysIni::StoredStyle stored = SysIni::readStyle(settings, section);
        // A kind used for the first time has no section yet.
        if (!stored.present) {
            panel->setInitialValues(section.initialSize);
            continue;
        }
        // Values are taken in order; the first malformed one stops the
        // reading and leaves what came before it applied.
        panel->setFontName(stored.font);
        const std::optional<int> color = SysIni::strictInt(stored.color);
        if (!color)
            return false;
        panel->setColor(*color);
        const std::optional<int> size = SysIni::strictInt(stored.size);
        if (!size)
            return false;
        panel->setSize(*size);
    }
    return true;
}

bool MainWindow::storeStyles()
{
    const LabelKindInfo *kind = labelKind(m_kind);
    if (!kind)
        return true;
    IniDocument settings = m_folder.settings();
    const QString before = settings.text();
    for (const StyleSection &section : kind->sections()) {
        const TextStylePanel *panel = panelFor(section.panel);
        SysIni::setStyle(settings, section, panel->fontName(), panel->color(), panel->size());
    }
    SysIni::setAutoShrink(settings, *kind, m_autoShrink->isChecked());
    const FileResult failure = m_folder.storeSettings(settings);
    tellDamagedFileKept(this, settings.path(), settings.damagedCopyPath());
    if (failure) {
        reportSettingsFailure(*failure);
        return false;
    }
    tellSettingsKept(settings.text() != before);
    return !m_folder.readOnly();
}

void MainWindow::fontChosen()
{
    storeStyles();
    refreshCutMarks();
}

void MainWindow::sizeChanged()
{
    if (m_loading)
        return;
    storeStyles();
    refreshCutMarks();
}

void MainWindow::autoShrinkClicked()
{
    storeStyles();
    refreshCutMarks();
}

void MainWindow::colorPicked()
{
    if (!m_loading)
        storeStyles();
}
