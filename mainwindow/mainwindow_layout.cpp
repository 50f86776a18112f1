// Building the main window's controls. Positions are those of the original
// form, in pixels; the left column and the bars are docked with layouts so the
// window can be resized.
#include "mainwindow/mainwindow.h"

#include "composition/labelcomposer.h"
#include "editing/stylepanel.h"
#include "frontend/arrowbuttonpair.h"
#include "frontend/autorepeat.h"
#include "frontend/colorchooser.h"
#include "frontend/fontchooser.h"
#include "frontend/pictures.h"
#include "frontend/sizespinbox.h"
#include "mainwindow/cellgrid.h"
#include "mainwindow/gridscrollarea.h"
#include "mainwindow/kindthumbnail.h"
#include "mainwindow/kindthumbnails.h"
#include "mainwindow/pagecountfield.h"
#include "mainwindow/pagenumber.h"
#include "mainwindow/windowplacement.h"
#include "sheet/labelkinds.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {

constexpr int LeftColumnWidth = 233;
constexpr int TopBarHeight = 41;
constexpr int BottomBarHeight = 42;

QLabel *placedLabel(const QString &text, QWidget *parent, int x, int y)
{
    auto *label = new QLabel(text, parent);
    label->move(x, y);
    return label;
}

QToolButton *arrowButton(const QString &name, Qt::ArrowType arrow, QWidget *parent,
                         const QRect &geometry)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setGeometry(geometry);
    AutoRepeat::apply(button);
    return button;
}

QPushButton *barButton(const QString &name, const QString &text, const QIcon &icon, int width,
                       QWidget *parent)
{
    auto *button = new QPushButton(icon, text, parent);
    button->setIconSize(QSize(24, 24));
    button->setObjectName(name);
    button->setFixedSize(width, 38);
    button->setAutoDefault(false);
    // A click leaves the keyboard with the grid.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

// The usual key of a bar button, named in its tool tip with `more` after it.
void giveShortcut(QPushButton *button, const QKeySequence &key, const QString &more = QString())
{
    button->setShortcut(key);
    QString tip = button->text();
    if (!button->shortcut().isEmpty())
        tip += QStringLiteral(" (%1)").arg(button->shortcut().toString(QKeySequence::NativeText));
    button->setToolTip(more.isEmpty() ? tip : tip + QLatin1Char('\n') + more);
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FrMarowin"));
    setWindowTitle(QStringLiteral("岑禾 v3.2"));

    auto *pnl3 = new QWidget(this);
    pnl3->setObjectName(QStringLiteral("pnl3"));
    pnl3->setFixedWidth(LeftColumnWidth);
    buildLeftColumn(pnl3);

    auto *pnl11 = new QWidget(this);
    pnl11->setObjectName(QStringLiteral("pnl11"));
    auto *right = new QVBoxLayout(pnl11);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    right->addWidget(buildTopBar());
    m_grid = new CellGrid;
    m_gridArea = new GridScrollArea(m_grid, pnl11);
    connect(m_gridArea, &GridScrollArea::zoomInRequested, this, &MainWindow::zoomIn);
    connect(m_gridArea, &GridScrollArea::zoomOutRequested, this, &MainWindow::zoomOut);
    setUpEntry();
    // Pastes, clears and undo change cells without the dialog.
    connect(m_undo, &QUndoStack::indexChanged, this, &MainWindow::refreshCutMarks);
    right->addWidget(m_gridArea, 1);
    right->addWidget(buildBottomBar());
    addZoomKeys();

    auto *columns = new QHBoxLayout(this);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(0);
    columns->addWidget(pnl3);
    columns->addWidget(pnl11, 1);

    WindowPlacement::fitAndCentre(this, StartSize);
}

// Ctrl with plus or minus zooms as the arrow pair does; Ctrl+= is plus
// where plus needs Shift.
void MainWindow::addZoomKeys()
{
    const auto add = [this](const QKeySequence &keys, void (MainWindow::*step)()) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, step);
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_Plus), &MainWindow::zoomIn);
    add(QKeySequence(Qt::CTRL | Qt::Key_Equal), &MainWindow::zoomIn);
    add(QKeySequence(Qt::CTRL | Qt::Key_Minus), &MainWindow::zoomOut);
}

void MainWindow::buildLeftColumn(QWidget *column)
{
    // On a low screen the thumbnails scroll, so that the style panels below
    // them stay in sight.
    auto *thumbnailArea = new QScrollArea(column);
    thumbnailArea->setObjectName(QStringLiteral("thumbnailArea"));
    thumbnailArea->setFrameShape(QFrame::NoFrame);
    thumbnailArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    thumbnailArea->setWidgetResizable(true);
    thumbnailArea->setFocusPolicy(Qt::NoFocus);
    auto *thumbnails = new QWidget;
    thumbnails->setMinimumHeight(307 + 69 + 8);
    thumbnailArea->setWidget(thumbnails);
    const int tops[] = {24, 118, 213, 307};
    for (int kind = FirstKind; kind <= LastKind; ++kind) {
        auto *thumbnail = new KindThumbnail(kind, thumbnails);
        thumbnail->move(38, tops[kind - FirstKind]);
        // Drawn once the window is up: composing the samples loads the Kai
        // face, which the first paint of the window does not need.
        QTimer::singleShot(0, thumbnail, [thumbnail, kind] {
            thumbnail->setPicture(KindThumbnails::picture(kind));
        });
        thumbnail->setToolTip(QStringLiteral("%1標籤").arg(labelKind(kind)->stemText()));
        connect(thumbnail, &KindThumbnail::clicked, this, [this, kind] { chooseKind(kind); });
        m_thumbnails[kind - FirstKind] = thumbnail;
    }

    const auto names = [](const char *panel, const char *caption, const char *font,
                          const char *color, const char *size) {
        return TextStylePanel::Names{QLatin1String(panel), QLatin1String(caption),
                                     QLatin1String(font), QLatin1String(color),
                                     QLatin1String(size)};
    };
    m_addressPanel = new TextStylePanel(names("pnl9", "lbl10", "cbb1", "edt3", "edt2"),
                                        QStringLiteral("地址"), column);
    m_thirdPanel = new TextStylePanel(names("pnl10", "lbl14", "cbb2", "edt5", "edt4"),
                                      QStringLiteral("生辰"), column);
    m_namePanel = new TextStylePanel(names("pnl8", "lbl6", "fontcbb1", "edt1", "spinSize"),
                                     QStringLiteral("姓名"), column);
    for (TextStylePanel *panel : {m_namePanel, m_addressPanel, m_thirdPanel}) {
        connect(panel->fontChooser(), &FontChooser::fontChosen, this, &MainWindow::fontChosen);
        connect(panel->sizeField(), &SizeSpinBox::valueChanged, this, &MainWindow::sizeChanged);
        connect(panel->colorChooser(), &ColorChooser::colorPicked, this, &MainWindow::colorPicked);
    }

    m_autoShrink = new QCheckBox(QStringLiteral("自動縮小"), column);
    m_autoShrink->setObjectName(QStringLiteral("chkShrink"));
    m_autoShrink->setToolTip(
        QStringLiteral("文字超出標籤時，列印時把那張標籤的字縮小到放得下（最小 6）"));
    connect(m_autoShrink, &QCheckBox::clicked, this, &MainWindow::autoShrinkClicked);

    auto *stack = new QVBoxLayout(column);
    stack->setContentsMargins(2, 0, 2, 0);
    stack->setSpacing(0);
    stack->addWidget(thumbnailArea, 1);
    stack->addWidget(m_autoShrink);
    for (QWidget *panel :
         {static_cast<QWidget *>(m_addressPanel), static_cast<QWidget *>(m_thirdPanel),
          static_cast<QWidget *>(m_namePanel)})
        stack->addWidget(panel);
}

QWidget *MainWindow::buildTopBar()
{
    auto *pnl2 = new QWidget;
    pnl2->setObjectName(QStringLiteral("pnl2"));
    pnl2->setFixedHeight(TopBarHeight);
    QFont barFont = pnl2->font();
    barFont.setFamilies({QStringLiteral("新細明體"), barFont.family()});
    barFont.setPointSize(11);
    pnl2->setFont(barFont);

    placedLabel(QStringLiteral("表格縮放比"), pnl2, 16, 10);
    auto *btnScall = new ArrowButtonPair(pnl2);
    btnScall->setObjectName(QStringLiteral("btnScall"));
    btnScall->move(96, 5);
    btnScall->leftButton()->setToolTip(QStringLiteral("縮小表格"));
    btnScall->rightButton()->setToolTip(QStringLiteral("放大表格"));
    connect(btnScall, &ArrowButtonPair::leftClicked, this, &MainWindow::zoomOut);
    connect(btnScall, &ArrowButtonPair::rightClicked, this, &MainWindow::zoomIn);

    placedLabel(QStringLiteral("可列印頁數"), pnl2, 425, 12);
    m_pageCount = new PageCountField(pnl2);
    m_pageCount->setObjectName(QStringLiteral("edt6"));
    m_pageCount->setGeometry(513, 8, 57, 23);

    m_previousPageButton =
        arrowButton(QStringLiteral("btndown"), Qt::LeftArrow, pnl2, QRect(615, 8, 23, 22));
    m_previousPageButton->setToolTip(QStringLiteral("上一頁 (PgUp)"));
    connect(m_previousPageButton, &QToolButton::clicked, this, &MainWindow::previousPage);
    placedLabel(QStringLiteral("第"), pnl2, 641, 12);
    m_pageField = new QLineEdit(PageNumber::format(m_page), pnl2);
    m_pageField->setObjectName(QStringLiteral("edtpage"));
    // Wider than the original 25 pixels so that page 1,000 still shows whole.
    m_pageField->setGeometry(659, 8, 41, 23);
    m_pageField->setAlignment(Qt::AlignCenter);
    m_pageField->setToolTip(QStringLiteral("輸入頁數後按 Enter 前往該頁"));
    connect(m_pageField, &QLineEdit::editingFinished, this, &MainWindow::commitTypedPage);
    placedLabel(QStringLiteral("頁"), pnl2, 703, 12);
    m_nextPageButton =
        arrowButton(QStringLiteral("btnup"), Qt::RightArrow, pnl2, QRect(721, 8, 23, 22));
    m_nextPageButton->setToolTip(QStringLiteral("下一頁 (PgDn)"));
    connect(m_nextPageButton, &QToolButton::clicked, this, &MainWindow::nextPage);
    return pnl2;
}

QWidget *MainWindow::buildBottomBar()
{
    auto *rzpnl1 = new QWidget;
    rzpnl1->setObjectName(QStringLiteral("rzpnl1"));
    rzpnl1->setFixedHeight(BottomBarHeight);
    auto *btn3 = barButton(QStringLiteral("btn3"), QStringLiteral("技術支援"),
                           Pictures::glyph(Pictures::Glyph::Support), 119, rzpnl1);
    auto *bnSave = barButton(QStringLiteral("bnSave"), QStringLiteral("存檔"),
                             Pictures::glyph(Pictures::Glyph::Save), 120, rzpnl1);
    m_previewButton = barButton(QStringLiteral("btn1"), QStringLiteral("預覽列印"),
                                Pictures::glyph(Pictures::Glyph::Print), 120, rzpnl1);
    m_previewButton->installEventFilter(this);
    auto *btn2 = barButton(QStringLiteral("btn2"), QStringLiteral("結束"),
                           Pictures::glyph(Pictures::Glyph::Exit), 120, rzpnl1);
    auto *btnImport = barButton(QStringLiteral("btnImport"), QStringLiteral("匯入名單"),
                                Pictures::glyph(Pictures::Glyph::Import), 120, rzpnl1);
    giveShortcut(btnImport, QKeySequence::Open);
    connect(btnImport, &QPushButton::clicked, this, &MainWindow::importList);
    auto *btnFind = barButton(QStringLiteral("btnFind"), QStringLiteral("尋找"),
                              Pictures::glyph(Pictures::Glyph::Find), 120, rzpnl1);
    // A shortcut of its own: a button's shortcut clicks only after its press animation.
    auto *findKey = new QShortcut(QKeySequence::Find, this, this, &MainWindow::openFind);
    btnFind->setToolTip(
        QStringLiteral("尋找 (%1)").arg(findKey->key().toString(QKeySequence::NativeText)));
    connect(btnFind, &QPushButton::clicked, this, &MainWindow::openFind);
    giveShortcut(btn3, QKeySequence::HelpContents);
    giveShortcut(bnSave, QKeySequence::Save);
    giveShortcut(m_previewButton, QKeySequence::Print, QStringLiteral("按右鍵設定上、左邊界"));
    // Ctrl+Q on every platform; Alt+F4 closes the window as well.
    giveShortcut(btn2, QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(btn3, &QPushButton::clicked, this, &MainWindow::openSupport);
    connect(bnSave, &QPushButton::clicked, this, &MainWindow::savePage);
    connect(m_previewButton, &QPushButton::clicked, this, &MainWindow::preview);
    connect(btn2, &QPushButton::clicked, this, &MainWindow::exitProgram);

    auto *bar = new QHBoxLayout(rzpnl1);
    bar->setContentsMargins(2, 2, 2, 2);
    bar->setSpacing(0);
    bar->addWidget(btn3);
    bar->addStretch(1);
    bar->addWidget(btnFind);
    bar->addWidget(btnImport);
    bar->addWidget(bnSave);
    bar->addWidget(m_previewButton);
    bar->addWidget(btn2);
    return rzpnl1;
}
