#pragma once

#include "composition/recordfeed.h"
#include "files/filefailure.h"
#include "mainwindow/fillstep.h"
#include "mainwindow/folderopening.h"
#include "sheet/datafolder.h"
#include "sheet/labelfill.h"
#include "sheet/labelkinds.h"
#include "sheet/sheetpage.h"

#include <QWidget>

#include <QHash>
#include <QPointer>

#include <array>
#include <memory>
#include <optional>

class CellGrid;
class FindBox;
class FolderLock;
class GridScrollArea;
class LabelComposer;
struct LabelTemplate;
class QCheckBox;
class IniDocument;
class KindThumbnail;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QUndoStack;
class TextStylePanel;
class LabelDialog;
class SupportWindow;
class SplashWindow;
class LabelCell;
class PageCountField;
class PreviewWindow;

namespace PrintRun {
struct Margins;
}

// The main window. Its 70 cells are the sheet page; it loads and
// saves pages around page turns and kind changes, and keeps the text styles
// of the current kind in its style panels.
class MainWindow : public QWidget, public RecordFeed
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Start-up step, run once on the first activation.
    void startUp();

    // Kind change to 1..4, also to the kind shown.
    void chooseKind(int kind);
    void nextPage();
    void previousPage();
    void zoomOut();
    void zoomIn();
    void preview();
    // The preview of the cells on screen as the print run prepares it; null
    // when the kind has no sheet or the margins leave no room (then said).
    std::unique_ptr<PreviewWindow> makePreview();
    // The current kind's template with the margins and the panels' styles
    // and "自動縮小" set; empty for a kind without a sheet.
    std::optional<LabelTemplate> preparedSheet(const PrintRun::Margins &margins) const;
    void previewButtonReleased(Qt::MouseButton button);
    void exitProgram();
    void openSupport();
    void cellClicked(int number);
    // 尋找 (Ctrl+F): the find box, created on first use.
    void openFind();
    // A chosen find hit: the shown page is saved (stopping if that fails),
    // kind and page switch as a kind change does, and the cell is focused.
    // False when the save failed.
    bool showLabel(int kind, int page, int cell);

    // Keyboard entry on the grid's current cell (mainwindow_entry.cpp).
    // Opens the editing dialog on cell `number`; after a confirm the next
    // cell becomes current, and from the keyboard cell 70 turns the page.
    void editCell(int number, const QString &typed, bool fromKeyboard);
    void clearCurrentCell();
    void copyCurrentCell();
    void cutCurrentCell();
    void pasteClipboard();
    // Fills cells from the current cell on as a paste does; `action` names
    // it in the undo history and the report of rows left out ("貼上").
    // Returns the plan when it was carried out whole.
    std::optional<LabelFill::Plan> fillRows(const QList<LabelFill::Row> &rows,
                                            const QString &action);
    // 匯入名單: a list file, its columns mapped to fields, filled as a paste.
    void importList();
    QUndoStack *undoStack() const { return m_undo; }

    // Style panel handlers, each shared by the three panels.
    void fontChosen();
    void sizeChanged();
    void colorPicked();
    void autoShrinkClicked();
    // Stores the panels of the current kind in its style sections; returns
    // false when sys.ini cannot be written (told once a run) and in a run
    // that writes nothing, which keeps them for itself.
    bool storeStyles();

    // The shown page as a record feed: record n is cell n, fields n1, n2
    // and n3 its lines 0, 1 and 2.
    void first() override { m_record = 1; }
    void next() override { ++m_record; }
    bool atEnd() const override { return m_record > SheetPage::CellCount; }
    std::optional<QString> value(const QString &field) const override;

    // Writes the shown page under the kind and page it was loaded as, then
    // the kind's text styles. Shows one message and returns false when the
    // page was not written; a failure to store the styles is told once a
    // run and stops nothing.
    bool savePage();
    // Reads the kind and its styles from sys.ini, sets the window up for the
    // kind, and fills the cells from the current page's file. A page file
    // that exists but cannot be read is told here and recorded: leaving the
    // page then asks before its edits are dropped, since a save would fail.
    void loadPage();
    void readKind();
    void showKindControls();
    void setKindStem();
    void focusCellTop(const QString &number);
    // Fill the editing dialog from cell `number` / write it back into the cell.
    void fillDialogFromCell(const QString &number);
    void writeDialogToCell(const QString &number);

    // The label editing dialog, created once at start-up after this window.
    void setEditor(LabelDialog *editor) { m_labelDialog = editor; }
    // The splash and support windows, created once at start-up.
    void setSplash(SplashWindow *splash) { m_splash = splash; }
    void setSupport(SupportWindow *support) { m_support = support; }
    // The folder as the start opened it: read-only, or written only while
    // `lock`, which outlives the window, still names this copy.
    void useFolder(FolderAccess access, const FolderLock &lock);
    // A folder opened for viewing and printing only: nothing is written,
    // every save gives the write message, and settings changed hold for
    // this run only. A writing window turns read-only so when another copy
    // takes its folder over.
    void setReadOnly();
    bool readOnly() const { return m_folder.readOnly(); }

    TextStylePanel *stylePanel(StylePanel panel) const { return panelFor(panel); }
    int kind() const { return m_kind; }
    const QString &kindStem() const { return m_kindStem; }
    bool loading() const { return m_loading != 0; }
    int page() const { return m_page; }
    bool hasUnsavedChanges() const { return m_changed; }
    CellGrid *grid() const { return m_grid; }
    QCheckBox *autoShrinkBox() const { return m_autoShrink; }

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLeftColumn(QWidget *column);
    QWidget *buildTopBar();
    QWidget *buildBottomBar();
    // Saves, stores the kind and loads its page; false when a save failed.
    bool showKindPage(int kind, int page);
    void setPage(int page);
    void commitTypedPage();
    bool typedPageTaken();
    bool leavePage();
    void reportSettingsFailure(const FileFailure &failure);
    void showReadOnlyTitle();
    // Tells, once, that another copy took the folder over, with the write
    // it refused; false when there is nothing to tell.
    bool tellTakeover(const FileFailure &refused);
    // After settings were stored: in a run that writes nothing tells the
    // takeover, or for a `deliberate` change once that settings are kept
    // for this run only.
    void tellSettingsKept(bool deliberate);
    // The margin dialog over `parent`; true when 確定 stored the margins.
    bool editMargins(QWidget *parent);
    QString pageFilePath() const;
    void showFailure(const FileFailure &failure, const QString &consequence = {});
    LabelCell *cellNamed(const QString &number) const;
    TextStylePanel *panelFor(StylePanel panel) const;
    bool applyStoredStyles(const IniDocument &settings);
    void setUpEntry();
    void turnPage(int step);
    void pushCellEdit(const QList<LabelFill::Placed> &placed, const QString &action);
    QStringList previousCellLines(int number) const;
    // A fill across pages (mainwindow_fill.cpp).
    bool applyFill(const LabelFill::Plan &plan, const QString &action,
                   const QHash<int, SheetPage::Cells> &read);
    struct PagesWritten;
    PagesWritten writeFillPages(const QList<FillStep::Page> &pages, bool undone,
                                const QString &action);
    void tellPagesWritten(const PagesWritten &written);
    void moveHistory(bool back);
    bool rewriteFill(const FillStep &step, bool back);
    void showFillView(const FillStep::View &view);
    void tellInterruptedFill();
    // Every page the window writes goes through here: a save, a fill and
    // the undo of one.
    FileResult writePageFile(int page, const SheetPage::Cells &cells, QString *damagedCopy);
    // Whether the cells differ from what the shown page's file holds.
    void updateChanged();
    // The inner size on a screen large enough for it.
    static constexpr QSize StartSize{1018, 851};
    void addZoomKeys();
    // Keyboard focus back to the grid cell that had it last, else cell 1.
    void focusGrid();
    // The red corner of the cells printing would cut: every cell after a
    // style or page change, one cell after its edit.
    void refreshCutMarks();
    void refreshCutMark(int number);

    // Record feed cursor, kind, loading flag, page file stem.
    int m_record = 0;
    int m_kind = 0;
    int m_loading = 0;
    QString m_kindStem;

    int m_page = 1; // the page the cells were loaded as
    bool m_changed = false; // the cells differ from what the page's file holds
    SheetPage::Cells m_storedCells; // what the shown page's file holds
    bool m_activated = false;
    bool m_committingPage = false;
    bool m_pageUnreadable = false; // the shown page's file exists but could not be read
    bool m_settingsReported = false; // sys.ini trouble is told once a run
    bool m_takeoverTold = false;
    bool m_settingsKeptTold = false; // a run that writes nothing said so
    DataFolder m_folder; // where pages and sys.ini go, or that they do not

    LabelDialog *m_labelDialog = nullptr;
    SplashWindow *m_splash = nullptr;
    SupportWindow *m_support = nullptr;
    FindBox *m_findBox = nullptr;
    std::array<KindThumbnail *, 4> m_thumbnails{};
    TextStylePanel *m_namePanel = nullptr; // name
    TextStylePanel *m_addressPanel = nullptr; // address
    TextStylePanel *m_thirdPanel = nullptr; // third field
    QLineEdit *m_pageField = nullptr;
    PageCountField *m_pageCount = nullptr; // pages a print run covers
    QToolButton *m_nextPageButton = nullptr;
    QToolButton *m_previousPageButton = nullptr;
    CellGrid *m_grid = nullptr;
    GridScrollArea *m_gridArea = nullptr;
    QCheckBox *m_autoShrink = nullptr;
    QPushButton *m_previewButton = nullptr;
    QUndoStack *m_undo = nullptr; // edits since the page was loaded, fills across pages
    std::unique_ptr<LabelComposer> m_cutCheck; // the sheet as the marks judge it
};
