#pragma once

#include "text/TextEdits.h"

#include <QString>
#include <QStringView>

#include <array>
#include <memory>

// The conversion of Prevest applied to text as the editor holds it: the characters of the
// page's 8-bit set (Windows 1250 unless told) in UTF-16, one unit per byte. Each unit is
// looked up once; no byte copy of the text is made.
namespace KonverzeText {

// What Prevest(source, target) makes of every UTF-16 unit: the unit's byte in the page's
// set (`pageSet`, a conversion set number) converted and read back in that set. A unit
// without a byte there becomes "?", as encoding it would. Set numbers out of range leave
// the bytes alone.
class Map
{
public:
    Map(int source, int target, int pageSet = 1);

    char16_t operator()(char16_t unit) const { return (*m_units)[unit]; }
    // All 65536 units at once, for loops over long texts.
    const char16_t *table() const { return m_units->data(); }

    // The text converted, same length.
    QString converted(QStringView text) const;

private:
    std::shared_ptr<const std::array<char16_t, 65536>> m_units;
};

// The edits that convert a page's text in place, line by line: for each line that changes,
// one edit that replaces the line (without its break); then, for a text that does not end
// in a line break, one that adds it (the converted text ends each line with a break). Both
// "\n" and the editor's paragraph separator U+2029 end a line, so the text may be the
// document's raw text. The edits' texts live in *storage, which must outlive them.
QList<TextEdits::Edit> LineEdits(QStringView text, const Map &map, QString *storage);

} // namespace KonverzeText
