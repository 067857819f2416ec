#include "about/HelpGuide.h"

#include <QDir>
#include <QFileInfo>

namespace HelpGuide {

QStringList Folders(const QString &exeFolder)
{
    return {exeFolder + QStringLiteral("/help"),
            QDir::cleanPath(exeFolder + QStringLiteral("/../share/quortosk/help"))};
}

QString Language(const QString &aboutCode)
{
    return aboutCode == QLatin1String("ENU") ? QStringLiteral("en") : QStringLiteral("cs");
}

QString File(const QStringList &folders, const QString &language)
{
    for (const QString &lang : {language, QStringLiteral("cs")})
        for (const QString &folder : folders) {
            const QString path = folder + QLatin1Char('/') + lang + QStringLiteral("/index.html");
            if (QFileInfo(path).isFile())
                return path;
        }
    return {};
}

QString WithKeys(const QString &html, const QList<KeyRow> &rows, const QString &commandTitle,
                 const QString &keysTitle)
{
    QString table = QStringLiteral("<table class=\"keys\" cellspacing=\"0\" cellpadding=\"3\" border=\"1\">"
                                   "<tr><th align=\"left\">%1</th><th align=\"left\">%2</th></tr>\n")
                        .arg(commandTitle.toHtmlEscaped(), keysTitle.toHtmlEscaped());
    for (const KeyRow &row : rows)
        table += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n")
                     .arg(row.command.toHtmlEscaped(), row.keys.toHtmlEscaped());
    table += QStringLiteral("</table>");
    QString page = html;
    return page.replace(KeysMark, table);
}

} // namespace HelpGuide
