#include "editing/tfredit.h"

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

TFrEdit::TFrEdit(QWidget *parent)
    : QDialog(parent)
    , m_typeAhead(new TypeAheadDialog(*this))
    , rzpg1(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("FrEdit"));
    setWindowTitle(QStringLiteral("貼紙內容編輯"));
    resize(396, 200);
    rzpg1->setObjectName(QStringLiteral("rzpg1"));
    rzpg1->addWidget(buildNamePage());
    rzpg1->addWidget(buildBirthPage());
    rzpg1->addWidget(buildSeatPage());
    rzpg1->addWidget(buildExamPage());

    auto *pnl1 = new QVBoxLayout(this);
    pnl1->setContentsMargins(0, 0, 0, 0);
    pnl1->setSpacing(0);
    pnl1->addWidget(rzpg1, 1);
    pnl1->addWidget(buildButtonBar());
    m_fieldEdits = {{{edtname}, {edt1, edt2, edt3}, {edt4, edt5, edt6, edt7}, {edt8, edt9}}};

    auto *sameAsAbove = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this);
    connect(sameAsAbove, &QShortcut::activated, this, &TFrEdit::copyFieldFromPrevious);
}

QWidget *TFrEdit::buildNamePage()
{
    QWidget *page = newPage(QStringLiteral("rztbsht1"));
    caption(page, QStringLiteral("姓名"), 56, 39);
    edtname = textField(page, QStringLiteral("edtname"), 104, 32, 217);
    return page;
}

QWidget *TFrEdit::buildBirthPage()
{
    QWidget *page = newPage(QStringLiteral("rztbsht2"));
    caption(page, QStringLiteral("姓名"), 32, 15);
    edt1 = textField(page, QStringLiteral("edt1"), 80, 8, 217);
    caption(page, QStringLiteral("生辰"), 32, 59);
    edt2 = textField(page, QStringLiteral("edt2"), 80, 52, 217);
    // The written form of typed digits, in the gap under the field.
    auto *lblbirth = new QLabel(page);
    lblbirth->setObjectName(QStringLiteral("lblbirth"));
    lblbirth->setFont(formFont(lblbirth->font().family(), 12, lblbirth->font()));
    lblbirth->setGeometry(82, 84, 310, 12);
    auto *birth = new BirthFieldWriter(edt2, lblbirth);
    connect(this, &QDialog::finished, birth, [birth](int result) {
        if (result == SaveResult)
            birth->writeOut();
    });
    caption(page, QStringLiteral("地址"), 32, 103);
    edt3 = textField(page, QStringLiteral("edt3"), 80, 96, 289);
    return page;
}

QWidget *TFrEdit::buildSeatPage()
{
    QWidget *page = newPage(QStringLiteral("rztbsht3"));
    caption(page, QStringLiteral("姓名"), 32, 15);
    edt4 = textField(page, QStringLiteral("edt4"), 80, 8, 217);
    caption(page, QStringLiteral("座位"), 32, 63);
    edt5 = textField(page, QStringLiteral("edt5"), 80, 56, 57);
    caption(page, QStringLiteral("區"), 138, 63);
    edt6 = numberField(page, QStringLiteral("edt6"), 160, 56);
    caption(page, QStringLiteral("排"), 226, 63);
    edt7 = numberField(page, QStringLiteral("edt7"), 248, 56);
    caption(page, QStringLiteral("號"), 314, 63);
    return page;
}

QWidget *TFrEdit::buildExamPage()
{
    QWidget *page = newPage(QStringLiteral("rztbsht4"));
    caption(page, QStringLiteral("姓名"), 32, 15);
    edt8 = textField(page, QStringLiteral("edt8"), 80, 8, 217);
    caption(page, QStringLiteral("考試名稱"), 0, 63);
    edt9 = textField(page, QStringLiteral("edt9"), 80, 56, 297);
    return page;
}

QWidget *TFrEdit::buildButtonBar()
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
    connect(btncal, &QPushButton::clicked, this, &TFrEdit::reject);
    return pnl2;
}

void TFrEdit::reject()
{
    done(CancelResult);
}

void TFrEdit::startWith(const QString &typed)
{
    if (auto *first = rzpg1->currentWidget()->findChild<QLineEdit *>()) {
        first->setText(typed);
        m_keepCaret = true;
    }
}

int TFrEdit::exec()
{
    return m_typeAhead->exec();
}

void TFrEdit::setVisible(bool visible)
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

void TFrEdit::copyFieldFromPrevious()
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

void TFrEdit::setActivePage(int index)
{
    rzpg1->setCurrentIndex(index);
}

int TFrEdit::activePage() const
{
    return rzpg1->currentIndex();
}

void TFrEdit::setFields(int kind, const LabelFields &fields)
{
    const std::span<const DialogField> order = dialogFields(kind);
    for (size_t i = 0; i < order.size(); ++i)
        setFieldText(m_fieldEdits[size_t(kind - 1)][qsizetype(i)], fields.*order[i].member);
}

LabelFields TFrEdit::fields(int kind) const
{
    LabelFields fields;
    const std::span<const DialogField> order = dialogFields(kind);
    for (size_t i = 0; i < order.size(); ++i)
        fields.*order[i].member = fieldText(m_fieldEdits[size_t(kind - 1)][qsizetype(i)]);
    return fields;
}

void TFrEdit::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Typing starts in the name field of the page shown, all of it selected.
    const QWidget *page = rzpg1->currentWidget();
    if (auto *first = page->findChild<QLineEdit *>()) {
        first->setFocus();
        first->selectAll();
    }
}
