#include "mainwindow/supportwindow.h"

#include "frontend/formfont.h"
#include "frontend/pictures.h"
#include "frontend/urllabel.h"
#include "ini/inidocument.h"
#include "sheet/supportcontacts.h"
#include "sheet/sysini.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

constexpr int TextPixels = 16;

QFont textFont(const QFont &base)
{
    return formFont(QStringLiteral("標楷體"), TextPixels, base);
}

QWidget *header(QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    line->addStretch(1);
    auto *img1 = new QLabel(row);
    img1->setObjectName(QStringLiteral("img1"));
    img1->setPixmap(Pictures::supportIcon());
    line->addWidget(img1);
    auto *name = new QLabel(QStringLiteral("岑禾"), row);
    name->setObjectName(QStringLiteral("lbl3"));
    name->setFont(formFont(QStringLiteral("標楷體"), 19, name->font()));
    line->addWidget(name);
    line->addStretch(1);
    return row;
}

} // namespace

SupportWindow::SupportWindow(QWidget *parent)
    : QDialog(parent,
              Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                  | Qt::WindowCloseButtonHint)
    , m_rows(new QGridLayout)
    , m_version(new QLabel(QStringLiteral("岑禾 %1").arg(QStringLiteral(CENHE_VERSION))))
    , m_folder(new UrlLabel(QString()))
    , m_phone(new QLabel)
    , m_fax(new QLabel)
    , m_remote(new QLabel)
{
    setObjectName(QStringLiteral("FrSupport"));
    setWindowTitle(QStringLiteral("技術支援"));
    setMinimumWidth(360);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(8, 4, 8, 10);
    page->addWidget(header(this));
    page->addLayout(m_rows);
    page->addStretch(1);
    m_rows->setHorizontalSpacing(8);
    m_rows->setColumnStretch(1, 1);

    // Plain rows can be selected and copied, to read them out on the phone.
    for (QLabel *plain : {m_version, m_phone, m_fax, m_remote})
        plain->setTextInteractionFlags(Qt::TextSelectableByMouse);
    addRow(QStringLiteral("lblVersion"), QStringLiteral("版本:"), m_version);
    addRow(QStringLiteral("lblFolder"), QStringLiteral("資料夾:"), m_folder)
        ->setToolTip(QStringLiteral("在檔案管理員中開啟"));
    addRow(QStringLiteral("lbl4"), QStringLiteral("聯絡電話:"), m_phone);
    addRow(QStringLiteral("lblFax"), QStringLiteral("傳真:"), m_fax);
    addRow(QStringLiteral("lbl5"), QStringLiteral("遠端連線:"), m_remote);
    for (int i = 0; i < SupportContacts::MaxLinks; ++i) {
        auto *label = new UrlLabel(QString());
        addRow(QStringLiteral("lblLink%1").arg(i + 1),
               i == 0 ? QStringLiteral("相關網站:") : QString(), label);
        m_links.append(label);
    }
    refresh();
}

QLabel *SupportWindow::addRow(const QString &name, const QString &caption, QLabel *value)
{
    const int row = m_rows->rowCount();
    auto *title = new QLabel(caption, this);
    title->setFont(textFont(title->font()));
    value->setParent(this);
    value->setObjectName(name);
    value->setFont(textFont(value->font()));
    m_rows->addWidget(title, row, 0, Qt::AlignLeft | Qt::AlignTop);
    m_rows->addWidget(value, row, 1, Qt::AlignLeft | Qt::AlignTop);
    return value;
}

// A row shows only with data; its caption goes with it.
void SupportWindow::setRow(QLabel *value, const QString &text)
{
    value->setText(text);
    const int index = m_rows->indexOf(value);
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    m_rows->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    m_rows->itemAtPosition(row, 0)->widget()->setVisible(!text.isEmpty());
    value->setVisible(!text.isEmpty());
}

QList<UrlLabel *> SupportWindow::links() const
{
    QList<UrlLabel *> shown;
    for (UrlLabel *label : m_links) {
        if (!label->text().isEmpty())
            shown.append(label);
    }
    return shown;
}

void SupportWindow::refresh()
{
    const QString folder = QDir::currentPath();
    m_folder->setUrl(folder);
    setRow(m_folder, QDir::toNativeSeparators(folder));
    const SupportContacts::Contacts contacts =
        SupportContacts::read(IniDocument::load(SysIni::fileName()));
    setRow(m_phone, contacts.phone);
    setRow(m_fax, contacts.fax);
    setRow(m_remote, contacts.remote);
    for (int i = 0; i < m_links.size(); ++i) {
        const SupportContacts::Link link = contacts.links.value(i);
        m_links[i]->setUrl(link.target);
        setRow(m_links[i], link.text);
    }
    adjustSize();
}

void SupportWindow::showEvent(QShowEvent *event)
{
    refresh();
    QDialog::showEvent(event);
}
