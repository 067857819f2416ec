#include "settings/store/TStoredProperties.h"

#include "common/TErrorText.h"
#include "settings/store/TSettingsCodec.h"
#include "settings/store/TSettingsKeys.h"
#include "settings/store/TSettingsStore.h"

using C = TSettingsCodec;

void TStoredProperties::add(const QString &name, Kind kind, std::function<QString()> text,
                            std::function<void(const QString &)> apply)
{
    m_entries.push_back(Entry{name, kind, std::move(text), std::move(apply), {}, {}});
}

void TStoredProperties::AddInteger(const QString &name, std::function<qint32()> get,
                                   std::function<void(qint32)> set)
{
    // A text that is no number reads as 0.
    add(name, Kind::Plain, [get] { return C::EncodeInteger(get()); },
        [set](const QString &t) { set(C::DecodeInteger(t)); });
}

void TStoredProperties::AddTruth(const QString &name, std::function<bool()> get, std::function<void(bool)> set)
{
    add(name, Kind::Plain, [get] { return C::EncodeTruth(get()); },
        [set](const QString &t) {
            if (const auto v = C::DecodeTruth(t))
                set(*v);
        });
}

void TStoredProperties::AddEnum(const QString &name, const QStringList &identifiers, std::function<int()> get,
                                std::function<void(int)> set)
{
    add(name, Kind::Plain, [get, identifiers] { return C::EncodeEnum(get(), identifiers); },
        [set, identifiers](const QString &t) {
            if (const auto v = C::DecodeEnum(t, identifiers))
                set(*v);
        });
}

void TStoredProperties::AddSet(const QString &name, const QStringList &identifiers,
                               std::function<quint32()> get, std::function<void(quint32)> set)
{
    add(name, Kind::Plain, [get, identifiers] { return C::EncodeSet(get(), identifiers); },
        [set, identifiers](const QString &t) { set(C::DecodeSet(t, identifiers)); });
}

void TStoredProperties::AddString(const QString &name, std::function<QString()> get,
                                  std::function<void(const QString &)> set)
{
    add(name, Kind::Text, std::move(get), std::move(set));
}

void TStoredProperties::AddColor(const QString &name, std::function<qint32()> get, std::function<void(qint32)> set)
{
    // A colour that is no number keeps the colour there is: 0 would be black on black.
    add(name, Kind::Plain, [get] { return C::EncodeInteger(get()); },
        [set](const QString &t) {
            if (const auto v = C::ParseInteger(t))
                set(*v);
        });
}

void TStoredProperties::AddStringList(const QString &name, std::function<QStringList()> get,
                                      std::function<void(const QStringList &)> set)
{
    m_entries.push_back(Entry{name, Kind::List, {}, {}, std::move(get), std::move(set)});
}

void TStoredProperties::AddFont(const QString &name, std::function<TFontValues()> get,
                                std::function<void(const TFontValues &)> set)
{
    auto with = [get, set](auto change) {
        return [get, set, change](auto value) {
            TFontValues font = get();
            change(font, value);
            set(font);
        };
    };
    AddInteger(name + QStringLiteral("Charset"), [get] { return get().Charset; },
               with([](TFontValues &f, qint32 v) { f.Charset = v; }));
    AddColor(name + QStringLiteral("Color"), [get] { return get().Color; },
             with([](TFontValues &f, qint32 v) { f.Color = v; }));
    AddInteger(name + QStringLiteral("Height"), [get] { return get().Height; },
               with([](TFontValues &f, qint32 v) { f.Height = v; }));
    AddString(name + QStringLiteral("Name"), [get] { return get().Name; },
              with([](TFontValues &f, const QString &v) { f.Name = v; }));
    AddEnum(name + QStringLiteral("Pitch"), C::FontPitchIds(), [get] { return get().Pitch; },
            with([](TFontValues &f, int v) { f.Pitch = v; }));
    AddInteger(name + QStringLiteral("Size"), [get] { return get().Size; },
               with([](TFontValues &f, qint32 v) { f.Size = v; }));
    AddSet(name + QStringLiteral("Style"), C::FontStyleIds(), [get] { return get().Style; },
           with([](TFontValues &f, quint32 v) { f.Style = v; }));
}

QStringList TStoredProperties::Names() const
{
    QStringList names;
    for (const Entry &e : m_entries)
        names << e.name;
    return names;
}

void TStoredProperties::Save(TSettingsSession &session, const QString &section) const
{
    for (const Entry &e : m_entries) {
        if (e.kind == Kind::List) {
            saveList(session, section + QLatin1Char('.') + e.name, e.lines());
            continue;
        }
        const QString text = C::Trim(e.text());
        if (text.isEmpty() && e.kind != Kind::Text)
            continue;
        session.WriteString(section, e.name, text);
    }
}

void TStoredProperties::Restore(TSettingsSession &session, const QString &section) const
{
    for (const Entry &e : m_entries) {
        try {
            if (e.kind == Kind::List)
                restoreList(session, section + QLatin1Char('.') + e.name, e);
            else
                e.apply(C::Trim(session.ReadString(section, e.name, e.text())));
        } catch (const std::exception &) {
            // This property keeps its value; the next one is still restored.
        }
    }
}

void TStoredProperties::saveList(TSettingsSession &session, const QString &key, const QStringList &lines)
{
    session.DeleteKey(key);
    if (lines.isEmpty())
        return;
    session.WriteString(key, SettingsKeys::Count, QString::number(lines.size()));
    for (int i = 0; i < lines.size(); ++i)
        session.WriteString(key, SettingsKeys::ListItem.arg(i), lines.at(i));
}

void TStoredProperties::restoreList(TSettingsSession &session, const QString &key, const Entry &entry)
{
    const int count = qMin(C::DecodeInteger(C::Trim(session.ReadString(key, SettingsKeys::Count,
                                                                       QStringLiteral("0")))),
                           MaxListLines);
    if (count <= 0)
        return; // an empty or missing list leaves the lines as they are
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << session.ReadString(key, SettingsKeys::ListItem.arg(i));
    entry.setLines(lines);
}
