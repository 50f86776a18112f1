#include "mainwindow/tfrsupport.h"

#include "frontend/pictures.h"
#include "mainwindow/supportinfo.h"
#include "frontend/urllabel.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

QFont pixelFont(const QStringList &families, int pixels)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixels);
    return font;
}

QFont kai(int pixels)
{
    return pixelFont({QStringLiteral("標楷體")}, pixels);
}

QLabel *fixedLabel(QWidget *panel, const QString &name, const QString &text, const QRect &geometry, int pixels)
{
    auto *label = new QLabel(text, panel);
    label->setObjectName(name);
    label->setFont(kai(pixels));
    label->setGeometry(geometry);
    return label;
}

UrlLabel *link(QWidget *panel, const QString &name, const char16_t *text, const char16_t *url, QPoint at)
{
    auto *label = new UrlLabel(QString::fromUtf16(text), panel);
    label->setObjectName(name);
    label->setUrl(QString::fromUtf16(url));
    QFont font = label->font();
    font.setPixelSize(16);
    label->setFont(font);
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace

TFrSupport::TFrSupport(QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FrSupport"));
    setWindowTitle(QStringLiteral("技術支援"));
    resize(360, 223);

    auto *rzpnl1 = new QWidget(this);
    rzpnl1->setObjectName(QStringLiteral("rzpnl1"));
    auto *fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(rzpnl1);

    auto *img1 = new QLabel(rzpnl1);
    img1->setObjectName(QStringLiteral("img1"));
    img1->setGeometry(112, 4, 41, 37);
    img1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    img1->setPixmap(Pictures::supportIcon());

    using namespace SupportInfo;
    fixedLabel(rzpnl1, QStringLiteral("lbl3"), QString::fromUtf16(CompanyName), QRect(152, 16, 89, 21), 19);
    fixedLabel(rzpnl1, QStringLiteral("lbl7"), QStringLiteral("聯絡電話:"), QRect(5, 48, 84, 19), 16);
    fixedLabel(rzpnl1, QStringLiteral("lbl4"), QString::fromUtf16(PhoneAndFax), QRect(96, 48, 257, 19), 16);
    fixedLabel(rzpnl1, QStringLiteral("lbl8"), QStringLiteral("遠端連線IP:"), QRect(5, 72, 92, 19), 16);
    fixedLabel(rzpnl1, QStringLiteral("lbl5"), QString::fromUtf16(RemoteEndpoint1), QRect(96, 73, 257, 19), 16);
    fixedLabel(rzpnl1, QStringLiteral("lbl6"), QString::fromUtf16(RemoteEndpoint2), QRect(96, 97, 257, 19), 16);
    fixedLabel(rzpnl1, QStringLiteral("lbl9"), QStringLiteral("技術支援網站:"), QRect(5, 120, 116, 19), 16);
    lbl2 = link(rzpnl1, QStringLiteral("lbl2"), SiteText, SiteUrl, QPoint(96, 144));
    fixedLabel(rzpnl1, QStringLiteral("lbl10"), QStringLiteral("更多關於點燈管理系統:"), QRect(5, 173, 180, 19), 16);
    lbl1 = link(rzpnl1, QStringLiteral("lbl1"), ProductText, ProductUrl, QPoint(96, 192));
}
