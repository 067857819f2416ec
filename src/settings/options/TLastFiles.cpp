#include "settings/options/TLastFiles.h"

#include "common/TErrorText.h"
#include "settings/store/TSettingsCodec.h"
#include "settings/store/TSettingsKeys.h"
#include "settings/store/TSettingsStore.h"
#include "settings/tags/TTagList.h"

namespace K = SettingsKeys;
using C = TSettingsCodec;

bool TLastFiles::ReopenOn(TSettingsStore &store)
{
    try {
        TSettingsSession session(store);
        return C::DecodeTruth(C::Trim(session.ReadString(K::Options, K::chkREOPEN_Checked))).value_or(false);
    } catch (const TError &e) {
        store.ReportProblem(e.message());
        return false;
    }
}

void TLastFiles::SetReopenOn(TSettingsStore &store, bool on)
{
    try {
        TSettingsSession session(store);
        session.WriteString(K::Options, K::chkREOPEN_Checked, C::EncodeTruth(on));
        session.Close();
    } catch (const TError &e) {
        store.ReportProblem(e.message());
    }
}

TLastFiles TLastFiles::Read(TSettingsStore &store)
{
    TSettingsSession session(store);
    TLastFiles last;
    const QStringList paths = TTagList::ReadList(session, K::LastFiles);
    const qint32 active =
        C::DecodeInteger(C::Trim(session.ReadString(K::LastFiles, K::LastActive, QStringLiteral("-1"))));
    for (int i = 0; i < paths.size(); ++i) {
        if (paths.at(i).isEmpty())
            continue; // a hole in a list written by hand
        const qint32 caret = C::DecodeInteger(C::Trim(session.ReadString(K::LastFiles, K::LastCaret.arg(i))));
        if (active == i)
            last.active = int(last.files.size());
        last.files.append({paths.at(i), qMax(0, caret)});
    }
    return last;
}

void TLastFiles::Write(TSettingsStore &store, const TLastFiles &last)
{
    TSettingsSession session(store);
    QStringList paths;
    for (const File &file : last.files)
        paths << file.path;
    TTagList::WriteList(session, K::LastFiles, paths); // deletes the key first
    if (!paths.isEmpty()) {
        for (int i = 0; i < last.files.size(); ++i)
            session.WriteString(K::LastFiles, K::LastCaret.arg(i), C::EncodeInteger(last.files.at(i).caret));
        const bool inList = last.active >= 0 && last.active < last.files.size();
        session.WriteString(K::LastFiles, K::LastActive, C::EncodeInteger(inList ? last.active : -1));
    }
    session.Close();
}
