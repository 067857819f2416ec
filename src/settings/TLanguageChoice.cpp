#include "settings/TLanguageChoice.h"

#include "common/TErrorText.h"
#include "settings/TSettingsKeys.h"
#include "settings/TSettingsStore.h"

namespace {
const QString LanguageValue = QStringLiteral("Language");
}

namespace LanguageChoice {

QString Read(TSettingsStore &store)
{
    try {
        TSettingsSession session(store);
        return session.ReadString(SettingsKeys::Options, LanguageValue).trimmed();
    } catch (const TError &) {
        return {}; // a damaged value selects the program's own texts
    }
}

void Write(TSettingsStore &store, const QString &code)
{
    TSettingsSession session(store);
    session.WriteString(SettingsKeys::Options, LanguageValue, code);
    session.Close();
}

} // namespace LanguageChoice
