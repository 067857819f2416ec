#include "settings/store/TWindowPlacement.h"

#include "settings/store/TSettingsCodec.h"
#include "settings/store/TSettingsKeys.h"
#include "settings/store/TSettingsStore.h"

namespace K = SettingsKeys;
using C = TSettingsCodec;

QString TWindowPlacement::ScreenName(const QString &name, const QSize &screen)
{
    return QStringLiteral("%1(%2x%3)").arg(name).arg(screen.width()).arg(screen.height());
}

void TWindowPlacement::Write(TSettingsSession &session, const QString &section, int pixelsPerInch,
                             const QSize &screen, bool destroying) const
{
    session.WriteString(section, K::Flags, C::EncodeInteger(Flags));
    session.WriteString(section, K::ShowCmd, C::EncodeInteger(ShowCmd));
    session.WriteString(section, K::PixelsPerInch, C::EncodeInteger(pixelsPerInch));
    const QString minMax = C::EncodeNumbers({MinMaxPos[0], MinMaxPos[1], MinMaxPos[2], MinMaxPos[3]});
    session.WriteString(section, ScreenName(K::MinMaxPos, screen), minMax);
    session.WriteString(section, K::MinMaxPos, minMax);
    const QString norm = C::EncodeNumbers({NormPos[0], NormPos[1], NormPos[2], NormPos[3]});
    session.WriteString(section, ScreenName(K::NormPos, screen), norm);
    session.WriteString(section, K::NormPos, norm);
    session.WriteString(section, K::Visible, destroying ? QStringLiteral("1") : QStringLiteral("0"));
}

TPlacementRead TWindowPlacement::Read(TSettingsSession &session, const QString &section,
                                                    const TWindowPlacement &current, int pixelsPerInch,
                                                    const QSize &screen)
{
    TPlacementRead result;
    TWindowPlacement &p = result.placement;
    p = current;

    auto readPair = [&](const QString &name) {
        QString text = session.ReadString(section, ScreenName(name, screen));
        if (C::Trim(text).isEmpty())
            text = session.ReadString(section, name);
        return C::Trim(text);
    };

    p.Flags = C::DecodeInteger(C::Trim(session.ReadString(section, K::Flags, C::EncodeInteger(current.Flags))));
    const QString minMax = readPair(K::MinMaxPos);
    const auto mm = C::DecodeNumbers(minMax, 4);
    for (int i = 0; i < 4; ++i)
        p.MinMaxPos[i] = mm[i].value_or(0);
    const QString norm = readPair(K::NormPos);
    const auto np = C::DecodeNumbers(norm, 4);
    for (int i = 0; i < 4; ++i)
        p.NormPos[i] = np[i].value_or(current.NormPos[i]);
    const int storedPpi = C::DecodeInteger(
        C::Trim(session.ReadString(section, K::PixelsPerInch, C::EncodeInteger(pixelsPerInch))));

    const bool found = !minMax.isEmpty() || !norm.isEmpty();
    result.applyPosition = found && storedPpi == pixelsPerInch && p.NormPos[0] < p.NormPos[2];
    if (!result.applyPosition) {
        p.NormPos = current.NormPos;
        p.MinMaxPos = current.MinMaxPos;
    }

    const int showCmd = C::DecodeInteger(C::Trim(session.ReadString(section, K::ShowCmd, QStringLiteral("0"))));
    switch (showCmd) {
    case 1: case 5: case 9: result.state = Normal; break;
    case 2: case 6: case 7: result.state = Minimized; break;
    case 3: result.state = Maximized; break;
    default: result.state = Normal; break;
    }
    p.ShowCmd = result.state;
    return result;
}
