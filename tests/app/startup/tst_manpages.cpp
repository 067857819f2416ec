// The manual pages: every option the program's own help names is described in both, and
// groff reads them without a warning.
#include "app/startup/CommandLine.h"
#include "TestFiles.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTest>

namespace {

// The options "--help" lists: its indented lines that start with "-".
QSet<QString> programOptions()
{
    QSet<QString> options;
    static const QRegularExpression line(QStringLiteral("^\\s+(-\\S*)"), QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(CommandLine::HelpText()); it.hasNext();)
        options << it.next().captured(1);
    return options;
}

// The options the page's options section describes: the ".B" line after each ".TP".
QSet<QString> pageOptions(const QString &page, const QString &section)
{
    QSet<QString> options;
    const QStringList lines = page.split(QLatin1Char('\n'));
    bool inSection = false;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).startsWith(QStringLiteral(".SH ")))
            inSection = lines.at(i) == QStringLiteral(".SH ") + section;
        else if (inSection && lines.at(i) == QStringLiteral(".TP") && i + 1 < lines.size()
                 && lines.at(i + 1).startsWith(QStringLiteral(".B ")))
            options << lines.at(i + 1).mid(3).replace(QStringLiteral("\\-"), QStringLiteral("-"));
    }
    return options;
}

} // namespace

class TestManPages : public QObject
{
    Q_OBJECT

private slots:
    void optionsAreThoseOfTheProgram_data() { pages_data(); }
    void optionsAreThoseOfTheProgram();
    void groffReadsThemCleanly_data() { pages_data(); }
    void groffReadsThemCleanly();

private:
    static void pages_data();
};

void TestManPages::pages_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("name");
    QTest::newRow("English") << QStringLiteral(QUORTOSK_MAN_DIR "/quortosk.1") << "OPTIONS"
                             << "NAME";
    QTest::newRow("Czech") << QStringLiteral(QUORTOSK_MAN_DIR "/cs/quortosk.1") << "VOLBY"
                           << "JMÉNO";
}

void TestManPages::optionsAreThoseOfTheProgram()
{
    QFETCH(QString, file);
    QFETCH(QString, section);
    const QSet<QString> program = programOptions();
    QVERIFY(program.contains(QStringLiteral("--help")));
    QVERIFY(program.contains(QStringLiteral("--")));
    QCOMPARE(pageOptions(QString::fromUtf8(TestFiles::ReadBytes(file)), section), program);
}

void TestManPages::groffReadsThemCleanly()
{
    QFETCH(QString, file);
    QFETCH(QString, name);
    const QString groff = QStandardPaths::findExecutable(QStringLiteral("groff"));
    if (groff.isEmpty())
        QSKIP("groff is not installed");
    QProcess p;
    p.start(groff, {QStringLiteral("-k"), QStringLiteral("-man"), QStringLiteral("-Tutf8"),
                    QStringLiteral("-ww"), file});
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(p.readAllStandardError()), QString());
    const QString text =
        QString::fromUtf8(p.readAllStandardOutput()).remove(QRegularExpression(QStringLiteral(".\b")));
    QVERIFY2(text.contains(name + QStringLiteral("\n       quortosk - ")), qPrintable(text.left(400)));
}

QTEST_GUILESS_MAIN(TestManPages)
#include "tst_manpages.moc"
