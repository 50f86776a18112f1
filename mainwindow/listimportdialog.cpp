#include "mainwindow/listimportdialog.h"

#include "sheet/labelfields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int PreviewRows = 8;
constexpr int SeatField = 1; // kind 3: the whole seat text

// The fields a column can go to, in the editing dialog's order; kind 3 also
// takes the seat as one text.
QStringList fieldCaptions(int kind)
{
    QStringList captions;
    for (const DialogField &field : dialogFields(kind))
        captions.append(field.captionText());
    if (kind == 3)
        captions.insert(SeatField, QStringLiteral("座位"));
    return captions;
}

// Column by column unless kind 3 has just two columns: name and seat text.
int defaultColumn(int kind, int field, int columns)
{
    if (kind != 3)
        return field < columns ? field : -1;
    if (columns == 2)
        return field <= SeatField ? field : -1;
    if (field == SeatField)
        return -1;
    const int column = field == 0 ? 0 : field - 1;
    return column < columns ? column : -1;
}

// A first row naming one of the fields ("姓名", "地址") is a header: no
// devotee is called that, and spreadsheets kept for registration have one.
bool looksLikeHeader(const QList<ListRow> &rows, const QStringList &captions)
{
    if (rows.isEmpty())
        return false;
    const QStringList &first = rows.first().fields;
    return std::any_of(first.begin(), first.end(),
                       [&](const QString &value) { return captions.contains(value.trimmed()); });
}

} // namespace

ListImportDialog::ListImportDialog(int kind, const QList<ListRow> &rows, QWidget *parent)
    : QDialog(parent)
    , m_kind(kind)
    , m_rows(rows)
{
    setObjectName(QStringLiteral("ListImportDialog"));
    setWindowTitle(QStringLiteral("匯入名單"));
    for (const ListRow &row : rows)
        m_columns = std::max(m_columns, int(row.fields.size()));

    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("lblNotice"));
    m_notice->setWordWrap(true);
    m_notice->hide();
    m_preview = new QTableWidget(this);
    m_preview->setObjectName(QStringLiteral("tblPreview"));
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->horizontalHeader()->setStretchLastSection(true);
    m_header = new QCheckBox(QStringLiteral("第一列是標題"), this);
    m_header->setObjectName(QStringLiteral("chkHeader"));
    const QStringList captions = fieldCaptions(kind);
    m_header->setChecked(looksLikeHeader(rows, captions));
    connect(m_header, &QCheckBox::toggled, this, &ListImportDialog::showColumns);

    auto *mapping = new QFormLayout;
    for (int field = 0; field < captions.size(); ++field) {
        auto *choice = new QComboBox(this);
        choice->setObjectName(QStringLiteral("cbbField%1").arg(field));
        mapping->addRow(captions[field], choice);
        m_fields.append(choice);
    }
    showColumns();
    for (int field = 0; field < m_fields.size(); ++field)
        m_fields[field]->setCurrentIndex(defaultColumn(kind, field, m_columns) + 1);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("匯入"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("btnok"));
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_notice);
    layout->addWidget(m_preview, 1);
    layout->addWidget(m_header);
    layout->addLayout(mapping);
    layout->addWidget(buttons);
    resize(640, 480);
}

void ListImportDialog::showNotice(const QString &notice)
{
    m_notice->setText(notice);
    m_notice->setVisible(!notice.isEmpty());
}

QList<ListRow> ListImportDialog::dataRows() const
{
    return m_header->isChecked() ? m_rows.mid(1) : m_rows;
}

// The preview and the column names offered, which follow the header choice.
void ListImportDialog::showColumns()
{
    QStringList names;
    for (int column = 0; column < m_columns; ++column) {
        const QString title = m_header->isChecked() && !m_rows.isEmpty()
            ? m_rows.first().fields.value(column)
            : QString();
        names.append(title.isEmpty() ? QStringLiteral("第 %1 欄").arg(column + 1)
                                     : QStringLiteral("第 %1 欄：%2").arg(column + 1).arg(title));
    }
    const QList<ListRow> shown = dataRows().mid(0, PreviewRows);
    m_preview->clear();
    m_preview->setColumnCount(m_columns);
    m_preview->setRowCount(int(shown.size()));
    m_preview->setHorizontalHeaderLabels(names);
    for (int row = 0; row < shown.size(); ++row) {
        m_preview->setVerticalHeaderItem(
            row, new QTableWidgetItem(QString::number(shown[row].sourceRow)));
        for (int column = 0; column < shown[row].fields.size(); ++column)
            m_preview->setItem(row, column, new QTableWidgetItem(shown[row].fields[column]));
    }
    for (QComboBox *choice : std::as_const(m_fields)) {
        const int chosen = choice->currentIndex();
        choice->clear();
        choice->addItem(QStringLiteral("（不匯入）"));
        choice->addItems(names);
        choice->setCurrentIndex(std::max(chosen, 0));
    }
}

int ListImportDialog::columnFor(int field) const
{
    return field < m_fields.size() ? m_fields[field]->currentIndex() - 1 : -1;
}

QList<LabelFill::Row> ListImportDialog::chosenRows() const
{
    QList<int> columns;
    for (int field = 0; field < m_fields.size(); ++field)
        columns.append(columnFor(field));
    // Kind 3 gives either the seat text or its three parts.
    if (m_kind == 3)
        columns = columnFor(SeatField) >= 0 ? QList<int>{columns[0], columns[SeatField]}
                                            : columns.mid(0, 1) + columns.mid(2);
    QList<LabelFill::Row> rows;
    for (const ListRow &row : dataRows()) {
        QStringList values;
        for (const int column : columns)
            values.append(column >= 0 ? row.fields.value(column) : QString());
        rows.append({row.sourceRow, values});
    }
    return rows;
}
