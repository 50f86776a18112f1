#include "frontend/paperdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

namespace {

const QList<QPageSize::PageSizeId> Papers{QPageSize::A4, QPageSize::A5, QPageSize::B5,
                                          QPageSize::Letter, QPageSize::Legal};

QString millimetres(double value)
{
    return QString::number(value, 'g', 15);
}

} // namespace

PaperDialog::PaperDialog(const QPageSize &current, double topMarginMm, double leftMarginMm,
                         QWidget *parent)
    : QDialog(parent)
    , m_paper(new QComboBox(this))
{
    setObjectName(QStringLiteral("PaperDialog"));
    setWindowTitle(QStringLiteral("版面設定"));
    m_paper->setObjectName(QStringLiteral("paper"));
    for (QPageSize::PageSizeId id : Papers) {
        const QSizeF size = QPageSize::size(id, QPageSize::Millimeter);
        m_paper->addItem(QStringLiteral("%1（%2 × %3 毫米）")
                             .arg(QPageSize::name(id))
                             .arg(size.width())
                             .arg(size.height()),
                         int(id));
    }
    m_paper->setCurrentIndex(std::max(0, int(Papers.indexOf(current.id()))));

    auto *margins =
        new QLabel(QStringLiteral("上 %1 毫米、左 %2 毫米\n（在工具列的「調整邊界」修改）")
                       .arg(millimetres(topMarginMm), millimetres(leftMarginMm)),
                   this);
    margins->setObjectName(QStringLiteral("labelMargins"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("確定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("紙張："), m_paper);
    form->addRow(QStringLiteral("標籤邊界："), margins);
    form->addRow(buttons);
}

QPageSize PaperDialog::paper() const
{
    return QPageSize(QPageSize::PageSizeId(m_paper->currentData().toInt()));
}
