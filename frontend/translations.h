#pragma once

// Traditional Chinese for Qt's own dialogs (print, page setup, file): Qt's
// translation, then the program's own for the texts Qt's lacks, which is
// asked first. Call once after the application object exists.
namespace Translations {

void installChinese();

} // namespace Translations
