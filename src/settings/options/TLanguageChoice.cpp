#include "settings/options/TLanguageChoice.h"

#include "common/TErrorText.h"
#include "settings/store/TSettingsKeys.h"
#include "settings/store/TSettingsStore.h"

namespace {
const QString LanguageValue = QStringLiteral("Language");
const QString DefaultValue = QStringLiteral("Dflt"); // the name of the "[default]" item, less its "1"
} // namespace

namespace LanguageChoice {

QString Read(TSettingsStore &store)
{
    try {
        TSettingsSession session(store);
        const QString value = session.ReadString(SettingsKeys::Options, LanguageValue).trimmed();
        if (value.isEmpty())
            return Czech;
        return value == DefaultValue ? QString() : value;
    } catch (const TError &) {
        return Czech; // a damaged value selects the default language
    }
}

void Write(TSettingsStore &store, const QString &code)
{
    TSettingsSession session(store);
    session.WriteString(SettingsKeys::Options, LanguageValue, code.isEmpty() ? DefaultValue : code);
    session.Close();
}

} // namespace LanguageChoice
