#pragma once

#include <QList>
#include <QString>

// The speed bar's thirty commands as the program ships them, in section order. Captions
// and sections are Czech source texts (translation context "TSpeedBar"); `command` is the
// object name of the main-menu action whose handler the button runs.
struct TSpeedItemRow
{
    const char *section;
    const char *name;    // component name, the stored layout's key
    const char *caption; // tooltip and the customising dialog's text
    int image;           // CommandImage number
    int designLeft;      // left on the first layout (top 3), -1 if not on it
    const char *command; // main-menu action, e.g. "mmSave"
};

namespace SpeedItems {

const QList<TSpeedItemRow> &Rows();
// The row's caption or section in the program's language.
QString Caption(const TSpeedItemRow &row);
QString Section(const TSpeedItemRow &row);

} // namespace SpeedItems
