#include "app/startup/CommandLine.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

CommandLine CommandLine::Parse(const QList<QByteArray> &argv)
{
    CommandLine line;
    line.m_qtCount = int(argv.size());
    for (int i = 1; i < argv.size(); ++i) {
        const QByteArray &arg = argv.at(i);
        if (arg == "--") {
            line.m_qtCount = i;
            line.m_after = argv.mid(i + 1);
            break;
        }
        if (line.m_action == Run && arg == "--help")
            line.m_action = Help;
        else if (line.m_action == Run && arg == "--version")
            line.m_action = Version;
    }
    return line;
}

QStringList CommandLine::UsableNames(const QList<QByteArray> &raw, QStringList *unusable)
{
    QStringList names;
    for (const QByteArray &bytes : raw) {
        const QString name = QFile::decodeName(bytes);
        if (QFile::encodeName(name) == bytes && !bytes.contains('\0'))
            names << name;
        else if (unusable)
            *unusable << name;
    }
    return names;
}

QByteArray CommandLine::UnknownOption(const QList<QByteArray> &beforeSeparator)
{
    for (const QByteArray &arg : beforeSeparator)
        if (arg.startsWith('-') && !QFileInfo::exists(QFile::decodeName(arg)))
            return arg;
    return {};
}

QString CommandLine::UnknownOptionText(const QByteArray &option)
{
    return QCoreApplication::translate("CommandLine", "quortosk: neznámá volba „%1“. Soubor, jehož název "
                                                      "začíná „-“, uveďte za „--“: quortosk -- %1\n"
                                                      "Více ukáže quortosk --help.\n")
        .arg(QFile::decodeName(option));
}

QString CommandLine::HelpText()
{
    return QStringLiteral("Použití: quortosk [--help] [--version] [--] [soubor…]\n"
                          "\n"
                          "Textový editor Quorvel Tosk. Otevře každý uvedený soubor na vlastní stránce;\n"
                          "soubor, který neexistuje, založí prázdný. Běží-li už, předá mu první soubor.\n"
                          "\n"
                          "  --help      vypíše tuto nápovědu a skončí\n"
                          "  --version   vypíše verzi a skončí\n"
                          "  --          vše za ním jsou názvy souborů, i když začínají „-“\n");
}

QString CommandLine::VersionText()
{
    return QStringLiteral("Quorvel Tosk 2.2\n");
}
