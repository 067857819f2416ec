#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class TSettingsSession;

// The values of a font as they are stored: character set, colour, height in pixels
// (negative: character height), name, pitch (index into fpDefault, fpVariable, fpFixed),
// size in points and style (bits of fsBold, fsItalic, fsUnderline, fsStrikeOut).
struct TFontValues
{
    qint32 Charset = 0;
    qint32 Color = 0;
    qint32 Height = 0;
    QString Name;
    int Pitch = 0;
    qint32 Size = 0;
    quint32 Style = 0;
};

// A form store's declared list of stored properties. Each entry is bound to the live
// property through a getter and a setter; Save writes the entries in their order as the
// value "<Component>_<Property>" of the section, Restore reads them back in the same order.
// A string list goes to its own key "<section>.<Component>_<Property>" as "Count" and
// "Item0"..; a font expands into one value per sub-property.
class TStoredProperties
{
public:
    void AddInteger(const QString &name, std::function<qint32()> get, std::function<void(qint32)> set);
    void AddTruth(const QString &name, std::function<bool()> get, std::function<void(bool)> set);
    void AddEnum(const QString &name, const QStringList &identifiers, std::function<int()> get,
                 std::function<void(int)> set);
    void AddSet(const QString &name, const QStringList &identifiers, std::function<quint32()> get,
                std::function<void(quint32)> set);
    void AddString(const QString &name, std::function<QString()> get, std::function<void(const QString &)> set);
    void AddColor(const QString &name, std::function<qint32()> get, std::function<void(qint32)> set);
    void AddStringList(const QString &name, std::function<QStringList()> get,
                       std::function<void(const QStringList &)> set);
    // Seven values "<name>Charset", "<name>Color", "<name>Height", "<name>Name",
    // "<name>Pitch", "<name>Size", "<name>Style", in that order. The setter receives the
    // whole font with one sub-property changed at a time.
    void AddFont(const QString &name, std::function<TFontValues()> get,
                 std::function<void(const TFontValues &)> set);

    // The value names (or list key suffixes) in their order.
    QStringList Names() const;

    // Writing errors are thrown (TError) and end the Save.
    void Save(TSettingsSession &session, const QString &section) const;
    // A property whose stored value cannot be used keeps its value; the others are still
    // restored.
    void Restore(TSettingsSession &session, const QString &section) const;

    // Upper bound of the lines read for one string list, whatever its "Count" says.
    static constexpr int MaxListLines = 65536;

private:
    enum class Kind { Plain, Text, List };
    struct Entry
    {
        QString name;
        Kind kind;
        std::function<QString()> text;            // current value as text (Plain, Text)
        std::function<void(const QString &)> apply; // parse and set (Plain, Text)
        std::function<QStringList()> lines;       // List
        std::function<void(const QStringList &)> setLines;
    };
    void add(const QString &name, Kind kind, std::function<QString()> text,
             std::function<void(const QString &)> apply);
    static void saveList(TSettingsSession &session, const QString &key, const QStringList &lines);
    static void restoreList(TSettingsSession &session, const QString &key, const Entry &entry);

    std::vector<Entry> m_entries;
};
