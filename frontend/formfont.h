#pragma once

#include <QFont>
#include <QString>

// A form's font as the forms give it: a Windows face name and a height in
// pixels. The widget's own face follows as a fallback, for machines without
// that face (installUiFonts maps the usual ones to installed faces).
QFont formFont(const QString &family, int pixels, const QFont &base);
