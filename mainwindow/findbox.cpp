#include "mainwindow/findbox.h"

#include "frontend/pictures.h"
#include "frontend/usermessages.h"
#include "sheet/labelkinds.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { KindColumn, PageColumn, CellColumn, TextColumn };
enum Role { KindRole = Qt::UserRole, PageRole, CellRole };

QPushButton *plainButton(const QString &name, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    // Enter belongs to the text field and the hit list, not to a button.
    button->setAutoDefault(false);
    return button;
}

QTreeWidgetItem *hitItem(const LabelSearch::Hit &hit)
{
    auto *item =
        new QTreeWidgetItem({labelKind(hit.kind)->stemText(), QString::number(hit.page),
                             QString::number(hit.cell), hit.lines.join(QStringLiteral("　"))});
    item->setData(KindColumn, KindRole, hit.kind);
    item->setData(KindColumn, PageRole, hit.page);
    item->setData(KindColumn, CellRole, hit.cell);
    item->setTextAlignment(PageColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(CellColumn, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

FindBox::FindBox(ShownPageSource shownPage, QWidget *parent)
    : QDialog(parent)
    , m_shownPage(std::move(shownPage))
{
    setObjectName(QStringLiteral("FindBox"));
    setWindowTitle(QStringLiteral("尋找"));
    resize(620, 420);
    // The labels' own text is small; the hits are read at a glance.
    QFont readable = font();
    readable.setPointSize(11);
    setFont(readable);

    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("findText"));
    m_text->setPlaceholderText(QStringLiteral("姓名、生辰、地址、座位或考試"));
    m_text->setClearButtonEnabled(true);
    m_text->installEventFilter(this);
    auto *findButton = plainButton(QStringLiteral("findButton"), QStringLiteral("尋找"), this);
    findButton->setIcon(Pictures::glyph(Pictures::Glyph::Find));

    m_hits = new QTreeWidget(this);
    m_hits->setObjectName(QStringLiteral("hitList"));
    m_hits->setHeaderLabels({QStringLiteral("種類"), QStringLiteral("頁"), QStringLiteral("格"),
                             QStringLiteral("內容")});
    m_hits->setRootIsDecorated(false);
    m_hits->setUniformRowHeights(true);
    m_hits->setAllColumnsShowFocus(true);
    m_hits->header()->setStretchLastSection(true);
    m_hits->setColumnWidth(KindColumn, 60);
    m_hits->setColumnWidth(PageColumn, 50);
    m_hits->setColumnWidth(CellColumn, 40);

    m_status = new QLabel(QStringLiteral("輸入文字後按 Enter；不分大小寫、全形半形。"), this);
    m_status->setObjectName(QStringLiteral("findStatus"));
    m_go = plainButton(QStringLiteral("goButton"), QStringLiteral("前往"), this);
    m_go->setEnabled(false);
    auto *closeButton = plainButton(QStringLiteral("closeButton"), QStringLiteral("關閉"), this);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("尋找："), this));
    top->addWidget(m_text, 1);
    top->addWidget(findButton);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(m_go);
    bottom->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_hits, 1);
    layout->addLayout(bottom);

    connect(m_text, &QLineEdit::returnPressed, this, &FindBox::find);
    connect(findButton, &QPushButton::clicked, this, &FindBox::find);
    connect(m_hits, &QTreeWidget::itemActivated, this, &FindBox::chooseCurrent);
    connect(m_hits, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { m_go->setEnabled(current); });
    connect(m_go, &QPushButton::clicked, this, &FindBox::chooseCurrent);
    connect(closeButton, &QPushButton::clicked, this, &FindBox::reject);
}

void FindBox::focusText()
{
    m_text->setFocus(Qt::ShortcutFocusReason);
    m_text->selectAll();
}

bool FindBox::eventFilter(QObject *watched, QEvent *event)
{
    // Down from the text field goes on to the hits, as in a browser.
    if (watched == m_text && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Down
        && m_hits->topLevelItemCount() > 0) {
        m_hits->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FindBox::find()
{
    const QString text = m_text->text().trimmed();
    if (text.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const LabelSearch::Result result = LabelSearch::search(QDir::current(), text, m_shownPage());
    QApplication::restoreOverrideCursor();
    listHits(result.hits);
    m_status->setText(result.hits.isEmpty() ? QStringLiteral("找不到「%1」").arg(text)
                                            : QStringLiteral("找到 %1 筆").arg(result.hits.size()));
    if (!result.unreadableFiles.isEmpty())
        reportUnreadable(result.unreadableFiles);
}

void FindBox::listHits(const QList<LabelSearch::Hit> &hits)
{
    m_hits->clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(hits.size());
    for (const LabelSearch::Hit &hit : hits)
        items.append(hitItem(hit));
    m_hits->addTopLevelItems(items);
    m_hits->setCurrentItem(m_hits->topLevelItem(0));
}

void FindBox::reportUnreadable(const QStringList &files)
{
    QStringList names;
    for (const QString &file : files)
        names.append(QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()));
    UserMessages::showError(
        this,
        QStringLiteral("下列頁面檔無法讀取，其中的標籤沒有搜尋到：\n%1").arg(names.join(u'\n')));
}

void FindBox::chooseCurrent()
{
    const QTreeWidgetItem *item = m_hits->currentItem();
    if (!item)
        return;
    Q_EMIT hitChosen(item->data(KindColumn, KindRole).toInt(),
                     item->data(KindColumn, PageRole).toInt(),
                     item->data(KindColumn, CellRole).toInt());
}
