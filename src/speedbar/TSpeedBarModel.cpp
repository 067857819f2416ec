#include "speedbar/TSpeedBarModel.h"

#include "common/TErrorText.h"
#include "settings/store/TSettingsCodec.h"
#include "settings/store/TSettingsKeys.h"
#include "settings/store/TSettingsStore.h"

#include <algorithm>
#include <QRegularExpression>

namespace K = SettingsKeys;

void TSpeedBarModel::SetDesign(const QList<TSpeedItem> &items)
{
    m_design = items;
    ResetToDesign();
}

void TSpeedBarModel::ResetToDesign()
{
    m_items = m_design;
    m_side = TBarSide::Top;
}

int TSpeedBarModel::IndexOf(const QString &name) const
{
    for (int i = 0; i < m_items.size(); ++i)
        if (m_items.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QStringList TSpeedBarModel::Sections() const
{
    QStringList sections;
    for (const TSpeedItem &item : m_items)
        if (!sections.contains(item.section))
            sections.append(item.section);
    return sections;
}

QList<int> TSpeedBarModel::ItemsOf(const QString &section) const
{
    QList<int> indexes;
    for (int i = 0; i < m_items.size(); ++i)
        if (m_items.at(i).section == section)
            indexes.append(i);
    return indexes;
}

QSize TSpeedBarModel::ButtonSize() const
{
    return Vertical() ? QSize(ButtonThickness, ButtonLength) : QSize(ButtonLength, ButtonThickness);
}

bool TSpeedBarModel::Dock(TBarSide side)
{
    if (side != TBarSide::Top && side != TBarSide::Bottom && side != TBarSide::Left
        && side != TBarSide::Right)
        side = TBarSide::Top;
    if (side == m_side)
        return false;
    if (SpeedGrid::IsVertical(side) != Vertical())
        for (TSpeedItem &item : m_items)
            item.pos = item.pos.transposed();
    m_side = side;
    return true;
}

bool TSpeedBarModel::Place(int index, QPoint point, QSize barSize)
{
    TSpeedItem &item = m_items[index];
    item.pos = SpeedGrid::Snap(point, ButtonSize(), Offset(), Vertical());
    item.shown = QRect(QPoint(0, 0), barSize).contains(item.pos);
    return item.shown;
}

void TSpeedBarModel::Hide(int index)
{
    m_items[index].shown = false;
}

void TSpeedBarModel::Save(TSettingsSession &session, const QString &key, int pixelsPerInch) const
{
    using C = TSettingsCodec;
    session.DeleteKey(key);
    session.WriteString(key, K::SpeedBarPosition, C::EncodeInteger(int(m_side)));
    session.WriteString(key, K::SpeedBarWidth, C::EncodeInteger(Thickness()));
    session.WriteString(key, K::SpeedBarVersion, C::EncodeInteger(LayoutVersion));
    session.WriteString(key, K::PixelsPerInch, C::EncodeInteger(pixelsPerInch));
    const QSize button = ButtonSize();
    session.WriteString(key, K::SpeedBarBtnWidth, C::EncodeInteger(button.width()));
    session.WriteString(key, K::SpeedBarBtnHeight, C::EncodeInteger(button.height()));
    int n = 0;
    for (const QString &section : Sections()) {
        for (int index : ItemsOf(section)) {
            const TSpeedItem &item = m_items.at(index);
            if (!item.shown)
                continue;
            session.WriteString(
                key, K::SpeedBarButton.arg(++n),
                QStringLiteral("%1,%2,%3").arg(item.name).arg(item.pos.x()).arg(item.pos.y()));
        }
    }
    session.WriteString(key, K::Count, C::EncodeInteger(n));
}

bool TSpeedBarModel::Load(TSettingsSession &session, const QString &key, int pixelsPerInch)
{
    const TBarSide before = m_side;
    try {
        load(session, key, pixelsPerInch);
    } catch (const TError &) {
        ResetToDesign();
        throw;
    }
    return m_side != before;
}

namespace {

// The numbers n of the "Button<n>" values the key holds, up to `count`, ascending: the walk
// goes over what the file holds, so a huge "Count" costs nothing.
QList<int> buttonNumbers(const TSettingsSession &session, const QString &key, int count)
{
    static const QRegularExpression name(QStringLiteral("^Button(\\d{1,9})$"));
    QList<int> numbers;
    for (const QString &value : session.ValueNames(key)) {
        const QRegularExpressionMatch m = name.match(value);
        const int n = m.hasMatch() ? m.captured(1).toInt() : 0;
        if (n >= 1 && n <= count)
            numbers << n;
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

} // namespace

void TSpeedBarModel::load(TSettingsSession &session, const QString &key, int pixelsPerInch)
{
    using C = TSettingsCodec;
    auto readInteger = [&](const QString &name, int fallback) {
        return C::DecodeInteger(C::Trim(session.ReadString(key, name, C::EncodeInteger(fallback))));
    };
    if (readInteger(K::SpeedBarVersion, LayoutVersion) < LayoutVersion)
        return;
    Dock(TBarSide(qBound(0, readInteger(K::SpeedBarPosition, int(m_side)), 5)));
    if (readInteger(K::PixelsPerInch, DesignedPixelsPerInch) != pixelsPerInch)
        return; // another resolution: the buttons stay as designed
    // The bar's thickness ("Width") is fixed here: it cannot be resized.

    const int count = readInteger(K::Count, 0);
    if (count <= 0)
        return;
    for (TSpeedItem &item : m_items)
        item.shown = false;
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    for (const int n : buttonNumbers(session, key, count)) {
        const QStringList words =
            session.ReadString(key, K::SpeedBarButton.arg(n)).split(separators, Qt::SkipEmptyParts);
        const int index = words.isEmpty() ? -1 : IndexOf(words.at(0));
        if (index < 0)
            continue;
        TSpeedItem &item = m_items[index];
        auto number = [&words](int i, int fallback) {
            return i < words.size() ? C::ParseInteger(words.at(i)).value_or(fallback) : fallback;
        };
        item.pos =
            QPoint(qMax(number(1, item.pos.x()), Offset().x()), qMax(number(2, item.pos.y()), Offset().y()));
        item.shown = true;
    }
}
