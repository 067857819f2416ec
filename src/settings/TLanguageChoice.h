#pragma once

#include <QString>

class TSettingsStore;

// The language version chosen in "&Jazyková verze": a translation code ("en") or empty
// for the program's own Czech texts. Stored as the value "Language" of "Options"; read
// once at start, before the main window exists.
namespace LanguageChoice {

// Empty when nothing is stored or the store cannot be read.
QString Read(TSettingsStore &store);

// Throws TError when the store cannot be written.
void Write(TSettingsStore &store, const QString &code);

} // namespace LanguageChoice
