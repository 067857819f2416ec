#pragma once

// Recovery copies as a run that ended without removing them leaves them behind.
#include "app/files/RecoveryStore.h"
#include "text/FileSignature.h"

#include <QFileInfo>
#include <QList>

namespace KeptCopies {

// The copy of a Windows-1250 page: of the file at `path` (named and signed as it is on disk
// now), or, with `hasFile` false, of an untitled page whose caption is `path`.
inline RecoveryCopy Copy(const QString &path, const QByteArray &text, int order = 1, bool hasFile = true)
{
    RecoveryCopy copy;
    copy.fileName = path;
    copy.caption = hasFile ? QFileInfo(path).fileName() : path;
    copy.hasFile = hasFile;
    copy.encoding = QStringLiteral("windows-1250");
    copy.order = order;
    if (hasFile)
        copy.signature = FileSignature::Of(path);
    copy.text = text;
    return copy;
}

// How a copy is written: as this version writes it, or as versions before the page's format
// was kept did, without its "bom" and "breaks" lines.
enum class Form { Current, WithoutFormat };

inline QByteArray Serialized(const RecoveryCopy &copy, Form form)
{
    const QByteArray bytes = copy.Serialize();
    if (form == Form::Current)
        return bytes;
    const qsizetype end = bytes.indexOf("\n\n");
    QByteArray header;
    for (const QByteArray &line : bytes.left(end).split('\n'))
        if (!line.startsWith("bom ") && !line.startsWith("breaks "))
            header += line + '\n';
    return header + bytes.mid(end + 1);
}

// Leaves the copies, each in the place of its order, in an instance folder under `folder`
// whose lock is let go again: that folder's path, empty when a copy cannot be written.
inline QString Leave(const QString &folder, const QList<RecoveryCopy> &copies, Form form = Form::Current)
{
    RecoveryStore ended(folder);
    if (!ended.Open())
        return {};
    QString problem;
    for (const RecoveryCopy &copy : copies)
        if (!RecoveryStore::Write(ended.CopyPath(copy.order), Serialized(copy, form), &problem))
            return {};
    return ended.OwnFolder();
}

} // namespace KeptCopies
