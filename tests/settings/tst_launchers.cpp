// Desktop launchers to the program, the program's icon and what `cmake --install` puts
// in place.
#include "common/TErrorText.h"
#include "settings/options/TLaunchers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// desktop-file-validate's verdict: empty when the file is valid.
QString validate(const QString &path)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("desktop-file-validate"), {path});
    if (!p.waitForFinished(30000))
        return QStringLiteral("desktop-file-validate did not run (package desktop-file-utils)");
    const QString out = QString::fromUtf8(p.readAll()).trimmed();
    return p.exitCode() == 0 && out.isEmpty() ? QString()
                                              : out + QStringLiteral(" [exit %1]").arg(p.exitCode());
}

} // namespace

class TestLaunchers : public QObject
{
    Q_OBJECT
    QTemporaryDir m_home;

private slots:
    void initTestCase();
    void launcher_data();
    void launcher();
    void pressingTwiceRewritesOneFile();
    void awkwardPathsAreQuoted();
    void percentInThePathStartsThroughGio();
    void folderProblemsAreToldInCzech();
    void onlyDesktopFilesAreWritten();
    void iconIsDrawnAndCopiedForLaunchers();
    void installPutsEverythingInPlace();
};

void TestLaunchers::initTestCase()
{
    // Nothing of the real user's folders is touched.
    qputenv("XDG_DATA_HOME", m_home.filePath("data").toUtf8());
    qputenv("XDG_CONFIG_HOME", m_home.filePath("config").toUtf8());
}

void TestLaunchers::launcher_data()
{
    QTest::addColumn<bool>("sendTo");
    QTest::newRow("desktop") << false;
    QTest::newRow("send to") << true;
}

void TestLaunchers::launcher()
{
    QFETCH(bool, sendTo);
    QTemporaryDir folder;
    const QString icon = folder.filePath("icon.svg");
    const QString file = Launchers::WriteLauncher(folder.path(), icon, sendTo);
    QCOMPARE(file, folder.filePath("Quorvel Tosk.desktop"));
    QVERIFY(QFile::permissions(file) & QFile::ExeOwner);

    QSettings entry(file, QSettings::IniFormat);
    entry.beginGroup("Desktop Entry");
    QCOMPARE(entry.value("Type").toString(), QStringLiteral("Application"));
    QCOMPARE(entry.value("Name").toString(), QStringLiteral("Quorvel Tosk"));
    QVERIFY(contents(file).contains(QStringLiteral("\nComment=Testování shortcut\n")));
    const QString exe = QCoreApplication::applicationFilePath();
    QVERIFY(contents(file).contains(QStringLiteral("\nExec=\"%1\" %f\n").arg(exe)));
    QCOMPARE(entry.value("Path").toString(), QFileInfo(exe).absolutePath());
    QCOMPARE(entry.value("Icon").toString(), icon);
    QCOMPARE(contents(file).contains(QStringLiteral("\nMimeType=text/plain;\n")), sendTo);
    QCOMPARE(entry.value("NoDisplay").toString() == QStringLiteral("true"), sendTo);
    const QString verdict = validate(file);
    QVERIFY2(verdict.isEmpty(), qPrintable(verdict));
    // The "Otevřít v" launcher is listed for text files at once: the folder's cache knows it.
    if (!QStandardPaths::findExecutable(QStringLiteral("update-desktop-database")).isEmpty())
        QCOMPARE(contents(folder.filePath("mimeinfo.cache")).contains(QStringLiteral("text/plain=Quorvel Tosk.desktop;")),
                 sendTo);
}

void TestLaunchers::pressingTwiceRewritesOneFile()
{
    QTemporaryDir folder;
    Launchers::WriteLauncher(folder.path(), QString(), false);
    QFile::setPermissions(folder.filePath("Quorvel Tosk.desktop"), QFile::ReadOwner | QFile::WriteOwner);
    Launchers::WriteLauncher(folder.path(), QString(), false);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Quorvel Tosk.desktop"});
    QVERIFY(QFile::permissions(folder.filePath("Quorvel Tosk.desktop")) & QFile::ExeOwner);
}

void TestLaunchers::awkwardPathsAreQuoted()
{
    QTemporaryDir folder;
    const QString link = folder.filePath("x.desktop");
    Launchers::MakeLink(QStringLiteral("/opt/my \"odd\" $dir\\50%/quortosk"), QString(), link,
                        QStringLiteral("Two\nlines"), QStringLiteral("/icons/a b.svg"), true);
    const QString text = contents(link);
    QVERIFY2(text.contains(
                 QStringLiteral("Exec=env \"/opt/my \\\\\"odd\\\\\" \\\\$dir\\\\\\\\50%%/quortosk\" %f")),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Comment=Two\\nlines\n")));
    const QString verdict = validate(link);
    QVERIFY2(verdict.isEmpty(), qPrintable(verdict));
}

// A program under a folder with "%" in its name, started the way GLib-based desktops start
// launchers: it runs, and gets the file.
void TestLaunchers::percentInThePathStartsThroughGio()
{
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    QVERIFY2(!gio.isEmpty(), "gio not found (package libglib2.0-bin)");
    QTemporaryDir folder;
    QVERIFY(QDir().mkpath(folder.filePath("50% off")));
    const QString program = folder.filePath("50% off/quortosk");
    const QString answer = folder.filePath("answer.txt");
    {
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s' \"$1\" > '" + answer.toUtf8() + "'\n");
    }
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString link = folder.filePath("x.desktop");
    Launchers::MakeLink(program, QString(), link, QStringLiteral("test"), QString(), false);
    const QString file = folder.filePath("a b.txt");
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(gio, {QStringLiteral("launch"), link, file});
    QVERIFY(p.waitForFinished(30000));
    QVERIFY2(p.exitCode() == 0, p.readAll().constData());
    QTRY_COMPARE(contents(answer), file);
}

void TestLaunchers::folderProblemsAreToldInCzech()
{
    QTemporaryDir folder;
    auto errorOf = [](const QString &dir, bool sendTo) {
        try {
            Launchers::WriteLauncher(dir, QString(), sendTo);
        } catch (const TError &e) {
            return e.message();
        }
        return QString();
    };
    QCOMPARE(errorOf(QString(), false), QStringLiteral("Nelze zjistit složku plochy."));
    QVERIFY(errorOf(QString(), true).startsWith(QStringLiteral("Nelze zjistit složku aplikací")));
    QCOMPARE(errorOf(folder.filePath("no desktop"), false),
             QStringLiteral("Složka %1 neexistuje.").arg(folder.filePath("no desktop")));
    // The applications folder is made when it is missing.
    QCOMPARE(errorOf(folder.filePath("new/applications"), true), QString());
    QVERIFY(QFile::exists(folder.filePath("new/applications/Quorvel Tosk.desktop")));
    // Something that is no file under the launcher's name is left alone.
    QVERIFY(QDir(folder.path()).mkpath("busy/Quorvel Tosk.desktop"));
    QVERIFY(errorOf(folder.filePath("busy"), false).startsWith(QStringLiteral("Zástupce ")));
    QVERIFY(QFileInfo(folder.filePath("busy/Quorvel Tosk.desktop")).isDir());

    // A folder that cannot be written (a read-only file system stops root too).
    const QString ro = folder.filePath("ro");
    QDir().mkpath(ro);
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "ro,size=64k", "tmpfs", ro}) != 0)
        QSKIP("cannot mount a read-only file system here");
    const QString error = errorOf(ro, false);
    QProcess::execute("umount", {"-l", ro});
    QVERIFY2(error.startsWith(
                 QStringLiteral("Zástupce %1 nelze zapsat").arg(QDir(ro).filePath("Quorvel Tosk.desktop"))),
             qPrintable(error));
}

void TestLaunchers::onlyDesktopFilesAreWritten()
{
    QTemporaryDir folder;
    QVERIFY_THROWS_EXCEPTION(
        TError, Launchers::MakeLink("/bin/true", QString(), folder.filePath("a.url"), "x", QString(), false));
    QVERIFY(!QFile::exists(folder.filePath("a.url")));
    Launchers::MakeLink("/bin/true", QString(), folder.filePath("b.DeskTop"), "x", QString(), false);
    QVERIFY(QFile::exists(folder.filePath("b.DeskTop")));
}

void TestLaunchers::iconIsDrawnAndCopiedForLaunchers()
{
    for (int size : {16, 32, 256}) {
        QImageReader reader(QStringLiteral(":/icons/quortosk.svg"));
        reader.setScaledSize(QSize(size, size));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        // Not blank: the sheet and the letter are there.
        QVERIFY(image.pixelColor(size / 2, size / 2).alpha() > 0);
    }
    // Not installed: a copy of the built-in icon in the user's data folder.
    const QString icon = Launchers::ProgramIconFile();
    QCOMPARE(icon, m_home.filePath("data/icons/hicolor/scalable/apps/quortosk.svg"));
    QFile builtIn(QStringLiteral(":/icons/quortosk.svg"));
    QVERIFY(builtIn.open(QIODevice::ReadOnly));
    QCOMPARE(contents(icon).toUtf8(), builtIn.readAll());
}

void TestLaunchers::installPutsEverythingInPlace()
{
    const QString build = qEnvironmentVariable("QUORTOSK_BUILD_DIR");
    if (build.isEmpty() || !QFile::exists(qEnvironmentVariable("QUORTOSK_BINARY")))
        QSKIP("run under ctest after a full build");
    QTemporaryDir prefix;
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral("cmake"), {"--install", build, "--prefix", prefix.path()});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitCode() == 0, install.readAll().constData());
    QVERIFY(QFileInfo(prefix.filePath("bin/quortosk")).isExecutable());
    QVERIFY(QFile::exists(prefix.filePath("share/quortosk/translations/quortosk_en.qm")));
    QVERIFY(QFile::exists(prefix.filePath("share/icons/hicolor/scalable/apps/quortosk.svg")));
    const QString entry = prefix.filePath("share/applications/quortosk.desktop");
    const QString verdict = validate(entry);
    QVERIFY2(verdict.isEmpty(), qPrintable(verdict));
    QVERIFY(contents(entry).contains(QStringLiteral("\nIcon=quortosk\n")));
}

QTEST_MAIN(TestLaunchers)
#include "tst_launchers.moc"
