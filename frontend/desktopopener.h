#pragma once

#include <QString>

#include <functional>

// Opens an address with the desktop's own handler (the web browser for a web
// address). Tests install their own opener so nothing leaves the machine.
namespace DesktopOpener {

bool open(const QString &address);

using Opener = std::function<bool(const QString &address)>;
void setOpener(Opener opener);

} // namespace DesktopOpener
