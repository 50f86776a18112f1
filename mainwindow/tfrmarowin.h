#pragma once

#include "composition/recordfeed.h"
#include "editing/labelfill.h"
#include "mainwindow/fillstep.h"
#include "mainwindow/folderopening.h"
#include "sheet/datafolder.h"
#include "sheet/filefailure.h"
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
class TFrEdit;
class TFrSupport;
class TFrWelcome;
class MemoCell;
class PageCountField;
class PreviewWindow;

namespace PrintRun {
struct Margins;
}

// The main window FrMarowin. Its 70 cells are the sheet page; it loads and
// saves pages around page turns and kind changes, and keeps the text styles
// of the current kind in its style panels.
class TFrMarowin : public QWidget, public RecordFeed
{
    Q_OBJECT

public:
    explicit TFrMarowin(QWidget *parent = nullptr);
    ~TFrMarowin() override;

    // Start-up step, run once on the first activation.
    void FormActivate();

    // Kind change to 1..4, also to the kind shown.
    void img1Click() { imgClick(1); }
    void img2Click() { imgClick(2); }
    void img3Click() { imgClick(3); }
    void img4Click() { imgClick(4); }

    void bnSaveClick() { savedata(); }
    void btnupClick();
    void btndownClick();
    void btnScallDownLeftClick();
    void btnScallUpRightClick();
    void btn1Click();
    // The preview of the cells on screen as the print run prepares it; null
    // when the kind has no sheet or the margins leave no room (then said).
    std::unique_ptr<PreviewWindow> makePreview();
    // The current kind's template with the margins and the panels' styles
    // and "自動縮小" set; empty for a kind without a sheet.
    std::optional<LabelTemplate> preparedSheet(const PrintRun::Margins &margins) const;
    void btn1MouseUp(Qt::MouseButton button);
    void btn2Click();
    void btn3Click();
    void mmoClick(int number);
    // 尋找 (Ctrl+F): the find box, created on first use.
    void btnFindClick();
    // A chosen find hit: the shown page is saved (stopping if that fails),
    // kind and page switch as a kind change does, and the cell is focused.
    // False when the save failed.
    bool showLabel(int kind, int page, int cell);

    // Keyboard entry on the grid's current cell (tfrmarowin_entry.cpp).
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
    void btnImportClick();
    QUndoStack *undoStack() const { return m_undo; }

    // Style panel handlers, each shared by the three panels.
    void fontcbb1Select();
    void spinSizeChange();
    void edt1Change();
    void chkShrinkClick();
    // Stores the panels of the current kind in its style sections; returns
    // false when sys.ini cannot be written (told once a run) and in a run
    // that writes nothing, which keeps them for itself.
    bool WriteToIniFont();

    // The shown page as a record feed: record n is cell n, fields n1, n2
    // and n3 its lines 0, 1 and 2.
    void first() override { FRecNo = 1; }
    void next() override { ++FRecNo; }
    bool atEnd() const override { return FRecNo > SheetPage::CellCount; }
    std::optional<QString> value(const QString &field) const override;
    int recordNumber() const { return FRecNo; }
    // The same feed under the report's handler names.
    void frxsrdtst1First() { first(); }
    void frxsrdtst1Next() { next(); }
    void frxsrdtst1Prior() { --FRecNo; }
    void frxsrdtst1CheckEOF(bool &eof) { eof = eof || atEnd(); }
    void frxsrdtst1GetValue(const QString &varName, std::optional<QString> &value)
    {
        if (const std::optional<QString> found = this->value(varName))
            value = found;
    }

    // Writes the shown page under the kind and page it was loaded as, then
    // the kind's text styles. Shows one message and returns false when the
    // page was not written; a failure to store the styles is told once a
    // run and stops nothing.
    bool savedata();
    // Reads the kind and its styles from sys.ini, sets the window up for the
    // kind, and fills the cells from the current page's file. A page file
    // that exists but cannot be read is told here and recorded: leaving the
    // page then asks before its edits are dropped, since a save would fail.
    void readdata();
    void readMode();
    void checkMode();
    void SETModeName();
    void MmoFocusTop(const QString &number);
    // Fill the editing dialog from cell `number` / write it back into the cell.
    void EditMode(const QString &number);
    void WriteToMmo(const QString &number);

    // The editing dialog FrEdit, created once at start-up after this window.
    void setEditor(TFrEdit *editor) { FrEdit = editor; }
    // The splash and support windows, created once at start-up.
    void setSplash(TFrWelcome *splash) { FrWelcome = splash; }
    void setSupport(TFrSupport *support) { FrSupport = support; }
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
    int mode() const { return FMode; }
    const QString &modeName() const { return FModeName; }
    bool loading() const { return FLoading != 0; }
    int page() const { return m_page; }
    bool hasUnsavedChanges() const { return m_changed; }
    CellGrid *grid() const { return pnlgrid; }
    QCheckBox *autoShrinkBox() const { return chkShrink; }

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLeftColumn(QWidget *column);
    QWidget *buildTopBar();
    QWidget *buildBottomBar();
    void imgClick(int kind);
    // Saves, stores the kind and loads its page; false when a save failed.
    bool showKindPage(int kind, int page);
    void setPage(int page);
    void edtpageCommit();
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
    MemoCell *cellNamed(const QString &number) const;
    TextStylePanel *panelFor(StylePanel panel) const;
    bool applyStoredStyles(const IniDocument &settings);
    void setUpEntry();
    void turnPage(int step);
    void pushCellEdit(const QList<LabelFill::Placed> &placed, const QString &action);
    QStringList previousCellLines(int number) const;
    // A fill across pages (tfrmarowin_fill.cpp).
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
    int FRecNo = 0;
    int FMode = 0;
    int FLoading = 0;
    QString FModeName;

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

    TFrEdit *FrEdit = nullptr;
    TFrWelcome *FrWelcome = nullptr;
    TFrSupport *FrSupport = nullptr;
    FindBox *m_findBox = nullptr;
    std::array<KindThumbnail *, 4> m_thumbnails{};
    TextStylePanel *pnl8 = nullptr; // name
    TextStylePanel *pnl9 = nullptr; // address
    TextStylePanel *pnl10 = nullptr; // third field
    QLineEdit *edtpage = nullptr;
    PageCountField *edt6 = nullptr; // pages a print run covers
    QToolButton *btnup = nullptr;
    QToolButton *btndown = nullptr;
    CellGrid *pnlgrid = nullptr;
    GridScrollArea *m_gridArea = nullptr;
    QCheckBox *chkShrink = nullptr;
    QPushButton *btn1 = nullptr;
    QUndoStack *m_undo = nullptr; // edits since the page was loaded, fills across pages
    std::unique_ptr<LabelComposer> m_cutCheck; // the sheet as the marks judge it
};
