#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The program's own command line, read from the raw bytes before QApplication exists:
// "--help" and "--version" (before "--") answer on the terminal, "--" ends the options and
// everything after it is a file name. Any other argument before "--" that starts with "-"
// and names no existing file is an unknown option (see UnknownOption).
class CommandLine
{
public:
    enum Action { Run, Help, Version };

    // argv as given, including the program's path.
    static CommandLine Parse(const QList<QByteArray> &argv);

    Action action() const { return m_action; }
    // How many leading entries of argv QApplication may see (it takes its own options out
    // of these); nothing after "--" reaches it.
    int QtArgumentCount() const { return m_qtCount; }
    // The raw file names after "--".
    QList<QByteArray> AfterSeparator() const { return m_after; }

    // File names as the program will use them: a name that does not decode to exactly the
    // same bytes (not valid in the system's encoding) goes to `unusable` instead, shown
    // as far as it can be.
    static QStringList UsableNames(const QList<QByteArray> &raw, QStringList *unusable);

    // The first of the arguments left before "--" (after Qt took its own options) that starts
    // with "-" and names no existing file (a lone "-" too); empty when there is none. Such a
    // word is refused rather than made into a new file.
    static QByteArray UnknownOption(const QList<QByteArray> &beforeSeparator);
    static QString UnknownOptionText(const QByteArray &option);

    static QString HelpText();
    static QString VersionText();

private:
    Action m_action = Run;
    int m_qtCount = 0;
    QList<QByteArray> m_after;
};
