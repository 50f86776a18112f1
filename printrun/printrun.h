#pragma once

#include "composition/labeltemplate.h"

#include <QPageSize>
#include <QString>

#include <optional>

class IniDocument;

// Preparing a print: the margins read afresh from sys.ini (or the run's
// settings) and the template of the kind with those margins and the style
// panels' fonts.
namespace PrintRun {

// In mm; the defaults are the margins the templates store.
struct Margins {
    double top = sheetPaper().topMarginMm;
    double left = sheetPaper().leftMarginMm;
};

// A stored margin that is missing, not a number, 0 or negative gives the
// default; there is no upper bound.
Margins readMargins(const IniDocument &settings);
Margins readMargins(const QString &settingsPath);
// The same rules for margins as typed, before they are stored.
Margins marginsFromText(const QString &top, const QString &left);

// The font of one text box as a style panel holds it.
struct BoxStyle {
    QString family;
    double size = 0; // points; rounded half to even
    int color = 0;
};

// The template of kind 1..4 with the margins set and Memo1 styled from the
// name panel, Memo2 from the third panel and Memo3 from the address panel
// (where the kind has those boxes). Empty for any other kind.
std::optional<LabelTemplate> preparedTemplate(int kind, const Margins &margins,
                                              const BoxStyle &name, const BoxStyle &third,
                                              const BoxStyle &address);

// Composes for `paper` instead of the template's A4.
void setPaper(LabelTemplate &prepared, const QPageSize &paper);

// What the user is told when the margins leave no room for one row.
QString noRowFitsMessage(const Margins &margins);

} // namespace PrintRun
