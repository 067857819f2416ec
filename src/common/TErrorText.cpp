#include "common/TErrorText.h"

#include <QCoreApplication>
#include <QFileInfo>

QString ErrorBoxText(const QString &text)
{
    if (!text.isEmpty() && text.back() <= QLatin1Char('.'))
        return text;
    return text + QLatin1Char('.');
}

QString ErrorOpeningText(const QString &fileName, const QString &text)
{
    // One pass over both arguments: a "%2" in the file name stays as it is.
    return QCoreApplication::translate("TErrorText", "Error opening %1 - %2").arg(fileName, text);
}

QString ExeBaseName(const QString &exePath)
{
    const QFileInfo info(exePath);
    const QString base = info.completeBaseName();
    return base.isEmpty() ? info.fileName() : base;
}

QString AddBackslash(const QString &path)
{
    if (path.isEmpty() || path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\')))
        return path;
    return path + QLatin1Char('/');
}
