#pragma once

#include <QString>

class TSettingsStore;

// The language version chosen in "&Jazyková verze": a translation code ("cs", "en") or
// empty for the untranslated source texts ("[default]"). Stored as the value "Language" of
// "Options": nothing stored (or an empty value) means Czech, "Dflt" means "[default]".
// Read once at start, before the main window exists.
namespace LanguageChoice {

// The code of the Czech translation, the one used when nothing is stored.
inline const QString Czech = QStringLiteral("cs");

// "cs" when nothing is stored or the store cannot be read. Read before the translators are
// installed and the store has a problem handler: a damaged file is told when the handler
// comes, in the language chosen.
QString Read(TSettingsStore &store);

// An empty code stores "Dflt". Throws TError when the store cannot be written.
void Write(TSettingsStore &store, const QString &code);

} // namespace LanguageChoice
