#include "frontend/desktopopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace DesktopOpener {

namespace {
Opener &installed()
{
    static Opener opener;
    return opener;
}
} // namespace

bool open(const QString &address)
{
    if (installed())
        return installed()(address);
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

void setOpener(Opener opener)
{
    installed() = std::move(opener);
}

} // namespace DesktopOpener
