#include "printing/margindialog.h"

#include "printing/alignmentpreview.h"
#include "printrun/printrun.h"

#include "frontend/damagedfilenotice.h"
#include "frontend/formfont.h"
#include "frontend/usermessages.h"
#include "ini/inidocument.h"
#include "ini/iniutil.h"
#include "sheet/datafolder.h"
#include "sheet/sysini.h"

#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace MarginEditing {

QPoint placeAtCursor(const QPoint &cursor, const QSize &outer, const QRect &screen)
{
    QPoint place = cursor;
    if (place.x() + outer.width() > screen.right() + 1)
        place.setX(screen.right() + 1 - outer.width() - 10);
    if (place.y() + outer.height() > screen.bottom() + 1)
        place.setY(screen.bottom() + 1 - outer.height() - 10);
    return place;
}

QString shownMargin(const QString &stored, double defaultMargin)
{
    const double value = IniUtil::parseIniFloat(stored, 0.0);
    return QString::number(value > 0 ? value : defaultMargin, 'g', 15);
}

bool edit(QWidget *parent, int kind, DataFolder &folder)
{
    MarginDialog dialog(folder, parent, kind);
    dialog.setWindowTitle(QStringLiteral("設定上左邊界-單位為毫米(mm)"));
    return dialog.exec() == QDialog::Accepted;
}

} // namespace MarginEditing

namespace {

QLabel *caption(const QString &text, QWidget *parent, int x, int y)
{
    auto *label = new QLabel(text, parent);
    label->setFont(formFont(QStringLiteral("新細明體"), 15, label->font()));
    label->setGeometry(x, y, 45, 17);
    return label;
}

QLineEdit *marginEdit(const QString &name, QWidget *parent, int x, int y)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFont(formFont(QStringLiteral("Arial"), 13, edit->font()));
    edit->setGeometry(x, y, 44, 24);
    return edit;
}

QPushButton *button(const QString &name, const QString &text, QWidget *parent, int x, int width)
{
    auto *pushButton = new QPushButton(text, parent);
    pushButton->setObjectName(name);
    pushButton->setGeometry(x, 88, width, 25);
    pushButton->setCursor(Qt::PointingHandCursor);
    return pushButton;
}

// This dialog has always reported a refused store in the words of the
// Windows profile functions; users and their notes know it by them.
QString profileWriteText(const FileFailure &failure)
{
    return QStringLiteral("Unable to write to %1\n%2")
        .arg(QFileInfo(failure.path).absoluteFilePath(), failure.reason);
}

} // namespace

MarginDialog::MarginDialog(DataFolder &folder, QWidget *parent, int kind)
    : QDialog(parent)
    , m_folder(folder)
    , m_kind(kind)
{
    setObjectName(QStringLiteral("PageMarginSetDlg"));
    setFixedSize(273, 120);
    setFont(formFont(QStringLiteral("新細明體"), 15, font()));

    auto *Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, 273, 43);
    caption(QStringLiteral("左邊界"), Panel1, 16, 13);
    m_leftMargin = marginEdit(QStringLiteral("LeftMarginEd"), Panel1, 67, 9);
    caption(QStringLiteral("上邊界"), Panel1, 144, 13);
    m_topMargin = marginEdit(QStringLiteral("TopMarginEd"), Panel1, 205, 11);

    setTabOrder(m_leftMargin, m_topMargin);

    auto *direction = new QLabel(
        QStringLiteral("數字加大，印出的標籤往右（左邊界）\n或往下（上邊界）移動。"), this);
    direction->setObjectName(QStringLiteral("DirectionLbl"));
    direction->setFont(formFont(QStringLiteral("新細明體"), 13, direction->font()));
    direction->setGeometry(16, 45, 250, 36);

    auto *OkBtn = button(QStringLiteral("OkBtn"), QStringLiteral("確定"), this, 12, 62);
    OkBtn->setDefault(true);
    auto *BitBtn2 = button(QStringLiteral("BitBtn2"), QStringLiteral("取消"), this, 82, 62);
    BitBtn2->setAutoDefault(false);
    auto *TestSheetBtn =
        button(QStringLiteral("TestSheetBtn"), QStringLiteral("對位測試頁"), this, 156, 105);
    TestSheetBtn->setAutoDefault(false);
    TestSheetBtn->setToolTip(QStringLiteral("用輸入的邊界預覽對位測試頁，印在白紙上核對"));
    TestSheetBtn->setVisible(m_kind != 0);
    connect(TestSheetBtn, &QPushButton::clicked, this, &MarginDialog::showAlignmentSheet);
    connect(OkBtn, &QPushButton::clicked, this, [this] {
        // The dialog closes with OK even when the store fails.
        accept();
        storeMargins();
    });
    connect(BitBtn2, &QPushButton::clicked, this, &MarginDialog::reject);
}

void MarginDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    prepare();
}

void MarginDialog::prepare()
{
    const SysIni::StoredMargins stored = SysIni::readMargins(m_folder.settings());
    const PrintRun::Margins defaults;
    m_topMargin->setText(MarginEditing::shownMargin(stored.top, defaults.top));
    m_leftMargin->setText(MarginEditing::shownMargin(stored.left, defaults.left));
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect screenArea = screen ? screen->geometry() : QRect();
    move(MarginEditing::placeAtCursor(QCursor::pos(), frameGeometry().size(), screenArea));
}

void MarginDialog::storeMargins()
{
    IniDocument settings = m_folder.settings();
    SysIni::setMargins(settings, {m_topMargin->text(), m_leftMargin->text()});
    const FileResult failure = m_folder.storeSettings(settings);
    tellDamagedFileKept(this, settings.path(), settings.damagedCopyPath());
    if (failure)
        UserMessages::showError(this, profileWriteText(*failure));
}

void MarginDialog::showAlignmentSheet()
{
    showAlignmentPreview(this, m_kind,
                         PrintRun::marginsFromText(m_topMargin->text(), m_leftMargin->text()));
}
