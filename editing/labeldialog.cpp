#include "editing/labeldialog.h"

#include "editing/birthfieldwriter.h"
#include "editing/seatnumberfield.h"
#include "editing/storablefield.h"
#include "frontend/formfont.h"
#include "frontend/pictures.h"
#include "frontend/typeaheaddialog.h"
#include "sheet/labelkinds.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr int FieldHeight = 32;

QWidget *newPage(const QString &name)
{
    auto *page = new QWidget;
    page->setObjectName(name);
    return page;
}

void caption(QWidget *page, const QString &text, int x, int y)
{
    auto *label = new QLabel(text, page);
    label->setFont(formFont(QStringLiteral("標楷體"), 19, label->font()));
    label->move(x, y);
}

QLineEdit *textField(QWidget *page, const QString &name, int x, int y, int width)
{
    auto *field = new QLineEdit(page);
    field->setObjectName(name);
    field->setFont(formFont(field->font().family(), 19, field->font()));
    field->setGeometry(x, y, width, FieldHeight);
    StorableField::attach(field);
    return field;
}

SeatNumberField *numberField(QWidget *page, const QString &name, int x, int y)
{
    auto *field = new SeatNumberField(page);
    field->setObjectName(name);
    field->setFont(formFont(field->font().family(), 19, field->font()));
    field->setGeometry(x, y, 65, FieldHeight);
    return field;
}

// The dialog's edits are line edits, and spin boxes for the seat numbers.
QString fieldText(const QWidget *edit)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(edit))
        return line->text();
    return static_cast<const SeatNumberField *>(edit)->text();
}

void setFieldText(QWidget *edit, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(edit))
        line->setText(text);
    else
        static_cast<SeatNumberField *>(edit)->setText(text);
}

} // namespace

LabelDialog::LabelDialog(QWidget *parent)
    : QDialog(parent)
    , m_typeAhead(new TypeAheadDialog(*this))
    , m_kindPages(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("FrEdit"));
    setWindowTitle(QStringLiteral("貼紙內容編輯"));
    resize(396, 200);
    m_kindPages->setObjectName(QStringLiteral("rzpg1"));
    m_kindPages->addWidget(buildNamePage());
    m_kindPages->addWidget(buildBirthPage());
    m_kindPages->addWidget(buildSeatPage());
    m_kindPages->addWidget(buildExamPage());

    auto *pnl1 = new QVBoxLayout(this);
    pnl1->setContentsMargins(0, 0, 0, 0);
    pnl1->setSpacing(0);
    pnl1->addWidget(m_kindPages, 1);
    pnl1->addWidget(buildButtonBar());
    m_fieldEdits = {{{m_nameEdit},
                     {m_birthNameEdit, m_birthEdit, m_addressEdit},
                     {m_seatNameEdit, m_seatAreaEdit, m_seatRowEdit, m_seatNumberEdit},
                     {m_examNameEdit, m_examEdit}}};

    auto *sameAsAbove = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this);
    connect(sameAsAbove, &QShortcut::activated, this, &LabelDialog::copyFieldFromPrevious);
}

QWidget *LabelDialog::buildNamePage()
{
    QWidget *page = newPage(QStringLiteral("rztbsht1"));
    caption(page, QStringLiteral("姓名"), 56, 39);
    m_nameEdit = textField(page, QStringLiteral("edtname"), 104, 32, 217);
    return page;
}

QWidget *LabelDialog::buildBirthPage()
{
    QWidget *page = newPage(QStringLiteral("rztbsht2"));
    caption(page, QStringLiteral("姓名"), 32, 15);
    m_birthNameEdit = textField(page, QStringLiteral("edt1"), 80, 8, 217);
    caption(page, QStringLiteral("生辰"), 32, 59);
    m_birthEdit = textField(page, QStringLiteral("edt2"), 80, 52, 217);
    // The written form of typed digits, in the gap under the field.
    auto *lblbirth = new QLabel(page);
    lblbirth->setObjectName(QStringLiteral("lblbirth"));
    lblbirth->setFont(formFont(lblbirth->font().family(), 12, lblbirth->font()));
    lblbirth->setGeometry(82, 84, 310, 12);
    auto *birth = new BirthFieldWriter(m_birthEdit, lblbirth);
    connect(this, &QDialog::finished, birth, [birth](int result) {
        if (result == SaveResult)
            birth->writeOut();
    });
    caption(page, QStringLiteral("地址"), 32, 103);
    m_addressEdit = textField(page, QStringLiteral("edt3"), 80, 96, 289);
    return page;
}

QWidget *LabelDialog::buildSeatPage()
{
    QWidget *page = newPage(QStringLiteral("rztbsht3"));
    caption(page, QStringLiteral("姓名"), 32, 15);
    m_seatNameEdit = textField(page, QStringLiteral("edt4"), 80, 8, 217);
    caption(page, QStringLiteral("座位"), 32, 63);
    m_seatAreaEdit = textField(page, QStringLiteral("edt5"), 80, 56, 57);
    caption(page, QStringLiteral("區"), 138, 63);
    m_seatRowEdit = numberField(page, QStringLiteral("edt6"), 160, 56);
    caption(page, QStringLiteral("排"), 226, 63);
    m_seatNumberEdit = numberField(page, QStringLiteral("edt7"), 248, 56);
    caption(page, QStringLiteral("號"), 314, 63);
    return page;
}

QWidget *LabelDialog::buildExamPage()
{
    QWidget *page = newPage(QStringLiteral("rztbsht4"));
    caption(page, QStringLiteral("姓名"), 32, 15);
    m_examNameEdit = textField(page, QStringLiteral("edt8"), 80, 8, 217);
    caption(page, QStringLiteral("考試名稱"), 0, 63);
    m_examEdit = textField(page, QStringLiteral("edt9"), 80, 56, 297);
    return page;
}

QWidget *LabelDialog::buildButtonBar()
{
    auto *pnl2 = new QWidget;
    pnl2->setObjectName(QStringLiteral("pnl2"));
    pnl2->setFixedHeight(42);
    auto *btncal =
        new QPushButton(Pictures::glyph(Pictures::Glyph::Cancel), QStringLiteral("取消"), pnl2);
    btncal->setObjectName(QStringLiteral("btncal"));
    btncal->setGeometry(200, 8, 80, 28);
    // Enter always saves: the cancel button must never become the default.
    btncal->setAutoDefault(false);
    auto *btnsvae =
        new QPushButton(Pictures::glyph(Pictures::Glyph::Confirm), QStringLiteral("存檔"), pnl2);
    btnsvae->setObjectName(QStringLiteral("btnsvae"));
    btnsvae->setGeometry(288, 8, 80, 28);
    btnsvae->setDefault(true);
    connect(btnsvae, &QPushButton::clicked, this, [this] { done(SaveResult); });
    connect(btncal, &QPushButton::clicked, this, &LabelDialog::reject);
    return pnl2;
}

void LabelDialog::reject()
{
    done(CancelResult);
}

void LabelDialog::startWith(const QString &typed)
{
    if (auto *first = m_kindPages->currentWidget()->findChild<QLineEdit *>()) {
        first->setText(typed);
        m_keepCaret = true;
    }
}

int LabelDialog::exec()
{
    return m_typeAhead->exec();
}

void LabelDialog::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    // Showing selects the first field (QDialog gives it a Tab focus); text
    // typed on the grid is kept and typing goes on after it.
    if (visible && m_keepCaret) {
        if (auto *first = qobject_cast<QLineEdit *>(focusWidget())) {
            first->deselect();
            first->end(false);
        }
    }
    m_keepCaret = false;
}

void LabelDialog::copyFieldFromPrevious()
{
    QWidget *focused = focusWidget();
    for (int kind = FirstKind; kind <= LastKind; ++kind) {
        const std::span<const DialogField> order = dialogFields(kind);
        const QList<QWidget *> &edits = m_fieldEdits[size_t(kind - 1)];
        for (size_t i = 0; i < order.size(); ++i) {
            if (edits[qsizetype(i)] == focused || edits[qsizetype(i)]->isAncestorOf(focused)) {
                setFieldText(edits[qsizetype(i)], m_previous.*order[i].member);
                return;
            }
        }
    }
}

void LabelDialog::setActivePage(int index)
{
    m_kindPages->setCurrentIndex(index);
}

int LabelDialog::activePage() const
{
    return m_kindPages->currentIndex();
}

void LabelDialog::setFields(int kind, const LabelFields &fields)
{
    const std::span<const DialogField> order = dialogFields(kind);
    for (size_t i = 0; i < order.size(); ++i)
        setFieldText(m_fieldEdits[size_t(kind - 1)][qsizetype(i)], fields.*order[i].member);
}

LabelFields LabelDialog::fields(int kind) const
{
    LabelFields fields;
    const std::span<const DialogField> order = dialogFields(kind);
    for (size_t i = 0; i < order.size(); ++i)
        fields.*order[i].member = fieldText(m_fieldEdits[size_t(kind - 1)][qsizetype(i)]);
    return fields;
}

void LabelDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Typing starts in the name field of the page shown, all of it selected.
    const QWidget *page = m_kindPages->currentWidget();
    if (auto *first = page->findChild<QLineEdit *>()) {
        first->setFocus();
        first->selectAll();
    }
}
