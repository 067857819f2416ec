// The Debian package as a user gets it: cpack builds it from this build folder, and what it
// holds is checked against what `cmake --install` puts into a folder of its own, so files that
// later install rules add (help, man pages) are checked without a list kept here.
#include "TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int code = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QString &program, const QStringList &arguments,
        const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(), int timeoutMs = 60000)
{
    Run result;
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, arguments);
    if (!p.waitForStarted(10000))
        return result;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(2000);
    }
    result.out = p.readAllStandardOutput();
    result.err = p.readAllStandardError();
    if (p.exitStatus() == QProcess::NormalExit)
        result.code = p.exitCode();
    return result;
}

// The files under `root`, as paths relative to it.
QStringList filesUnder(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

// One field of the package's control file, as `dpkg-deb -f` prints it.
QString field(const QString &deb, const QString &name)
{
    return QString::fromUtf8(run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, name}).out)
        .trimmed();
}

// The names of a Depends-style list, without versions: "a (>= 1), b | c" gives a, b, c.
QStringList packageNames(const QString &list)
{
    QStringList names;
    for (const QString &part : list.split(QRegularExpression(QStringLiteral("[,|]")), Qt::SkipEmptyParts))
        names << part.section(QLatin1Char('('), 0, 0).trimmed();
    return names;
}

} // namespace

class TestPackage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_work;
    QString m_deb;
    QString m_root;  // the package's files, unpacked
    QString m_stage; // what `cmake --install` installs under /usr
    QString m_version;

    QString tool(const char *name) const { return QStandardPaths::findExecutable(QLatin1String(name)); }

private slots:
    void initTestCase()
    {
        const QString skip = qEnvironmentVariable("QUORTOSK_PACKAGE_SKIP");
        if (!skip.isEmpty())
            QSKIP(qPrintable(skip));
        if (tool("dpkg-deb").isEmpty() || tool("dpkg-shlibdeps").isEmpty())
            QSKIP("dpkg-deb or dpkg-shlibdeps is missing: install dpkg-dev (scripts/setup.sh does)");
        const QString build = qEnvironmentVariable("QUORTOSK_BUILD_DIR");
        m_version = qEnvironmentVariable("QUORTOSK_VERSION");
        QVERIFY(!build.isEmpty() && !m_version.isEmpty());
        QVERIFY(m_work.isValid());

        // The package goes to a folder of its own: scripts/package's is left alone.
        const QString out = m_work.filePath(QStringLiteral("out"));
        const Run cpack = run(qEnvironmentVariable("QUORTOSK_CPACK"),
                              {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                               build + QStringLiteral("/CPackConfig.cmake"), QStringLiteral("-B"), out},
                              QProcessEnvironment::systemEnvironment(), 240000);
        QVERIFY2(cpack.code == 0, cpack.out + cpack.err);
        const QStringList debs = QDir(out).entryList({QStringLiteral("*.deb")}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        m_deb = QDir(out).filePath(debs.first());

        m_root = m_work.filePath(QStringLiteral("root"));
        const Run extract = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), m_deb, m_root});
        QVERIFY2(extract.code == 0, extract.err);

        m_stage = m_work.filePath(QStringLiteral("stage/usr"));
        const Run install = run(qEnvironmentVariable("QUORTOSK_CMAKE"),
                                {QStringLiteral("--install"), build, QStringLiteral("--prefix"), m_stage});
        QVERIFY2(install.code == 0, install.out + install.err);
    }

    // quortosk_<version>_<arch>.deb, and the control file agrees with it.
    void fileNameAndControl()
    {
        const QString arch = QString::fromUtf8(
            run(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")}).out.trimmed());
        QVERIFY(!arch.isEmpty());
        QCOMPARE(QFileInfo(m_deb).fileName(), QStringLiteral("quortosk_%1_%2.deb").arg(m_version, arch));
        QCOMPARE(field(m_deb, QStringLiteral("Package")), QStringLiteral("quortosk"));
        QCOMPARE(field(m_deb, QStringLiteral("Version")), m_version);
        QCOMPARE(field(m_deb, QStringLiteral("Architecture")), arch);
        QCOMPARE(field(m_deb, QStringLiteral("Section")), QStringLiteral("editors"));
        QVERIFY(field(m_deb, QStringLiteral("Maintainer")).contains(QLatin1Char('@')));
        const QStringList description = field(m_deb, QStringLiteral("Description")).split(QLatin1Char('\n'));
        QVERIFY(description.size() > 2);
        QCOMPARE(description.first(), QStringLiteral("Czech-friendly plain-text editor"));
        QVERIFY(description.at(1).startsWith(QStringLiteral(" Quorvel Tosk edits")));
    }

    // The libraries come from dpkg-shlibdeps; what it cannot see is declared.
    void dependencies()
    {
        const QStringList depends = packageNames(field(m_deb, QStringLiteral("Depends")));
        for (const char *name : {"libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
                                 "libqt6network6", "libqt6printsupport6", "libqt6svg6"})
            QVERIFY2(depends.contains(QLatin1String(name)),
                     qPrintable(depends.join(", ") + " lacks " + name));
        // Named with their library's version: libhunspell-1.7-0, libenca0.
        for (const char *prefix : {"libhunspell-", "libenca"})
            QVERIFY2(!depends.filter(QRegularExpression(QLatin1Char('^') + QLatin1String(prefix))).isEmpty(),
                     qPrintable(depends.join(", ") + " lacks " + prefix));
        QCOMPARE(packageNames(field(m_deb, QStringLiteral("Recommends"))),
                 (QStringList{"qt6-wayland", "qt6-translations-l10n", "fonts-liberation", "hunspell-cs"}));
    }

    // Everything the install rules install, nothing else; and the files a desktop needs.
    void contents()
    {
        const QStringList packaged = filesUnder(m_root + QStringLiteral("/usr"));
        const QStringList installed = filesUnder(m_stage);
        QVERIFY(!installed.isEmpty());
        QCOMPARE(packaged, installed);
        for (const char *name :
             {"bin/quortosk", "share/applications/quortosk.desktop",
              "share/metainfo/org.quortosk.QuorvelTosk.metainfo.xml",
              "share/icons/hicolor/scalable/apps/quortosk.svg", "share/icons/hicolor/32x32/apps/quortosk.png",
              "share/quortosk/translations/quortosk_cs.qm", "share/quortosk/translations/quortosk_en.qm",
              "share/quortosk/quor_CSY.txt", "share/doc/quortosk/copyright",
              "share/doc/quortosk/changelog.gz", "share/man/man1/quortosk.1.gz",
              "share/man/cs/man1/quortosk.1.gz"})
            QVERIFY2(packaged.contains(QLatin1String(name)), name);
        QVERIFY(QFileInfo(m_root + QStringLiteral("/usr/bin/quortosk")).isExecutable());
        // As dpkg-deb lists them: owned by root, under ./usr only.
        const QString listing =
            QString::fromUtf8(run(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), m_deb}).out);
        const QStringList lines = listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(!lines.isEmpty());
        for (const QString &line : lines) {
            QVERIFY2(line.contains(QStringLiteral(" root/root ")), qPrintable(line));
            QVERIFY2(line.contains(QStringLiteral(" ./usr/")) || line.endsWith(QStringLiteral(" ./")),
                     qPrintable(line));
        }
    }

    // The manual pages and the changelog are gzipped as Debian wants them: at the best
    // compression, without the name and time stamp that would make two builds differ; they
    // unpack to the manual pages, and the changelog's newest entry is this version.
    void gzippedDocumentation_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("pattern"); // what the unpacked text holds, lines as ^...$
        QTest::newRow("man page") << "man/man1/quortosk.1.gz"
                                  << "^\\.TH QUORTOSK 1 ";
        QTest::newRow("Czech man page") << "man/cs/man1/quortosk.1.gz"
                                        << "^\\.TH QUORTOSK 1 ";
        QTest::newRow("changelog") << "doc/quortosk/changelog.gz"
                                   << "\\Aquortosk \\(" + QRegularExpression::escape(m_version)
                                          + "\\) unstable; urgency=\\w+$";
    }
    void gzippedDocumentation()
    {
        QFETCH(QString, file);
        QFETCH(QString, pattern);
        const QString path = m_root + QStringLiteral("/usr/share/") + file;
        const QByteArray bytes = TestFiles::ReadBytes(path);
        QVERIFY2(bytes.size() > 10, qPrintable(path));
        QCOMPARE(bytes.left(3), QByteArray("\x1F\x8B\x08")); // gzip, deflate
        QCOMPARE(int(bytes.at(3)) & 0x08, 0);                // no file name
        QCOMPARE(bytes.mid(4, 4), QByteArray(4, '\0'));      // no time stamp
        QCOMPARE(int(bytes.at(8)), 2);                       // the best compression
        const Run unpacked = run(QStringLiteral("gzip"), {QStringLiteral("-dc"), path});
        QCOMPARE(unpacked.code, 0);
        const QRegularExpression expected(pattern, QRegularExpression::MultilineOption);
        QVERIFY2(expected.match(QString::fromUtf8(unpacked.out)).hasMatch(), unpacked.out.left(120));
    }

    // Debian's own checker finds no error and no warning in the package (the licence terms,
    // the changelog's name, the gzipped documentation, the files' modes and owners).
    void lintianIsSilent()
    {
        if (tool("lintian").isEmpty())
            QSKIP("lintian is missing: install lintian (scripts/setup.sh does)");
        const Run checked = run(QStringLiteral("lintian"), {m_deb});
        const QStringList findings = QString::fromUtf8(checked.out)
                                         .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                         .filter(QRegularExpression(QStringLiteral("^[EW]: ")));
        QVERIFY2(findings.isEmpty(), qPrintable(findings.join(QLatin1Char('\n'))));
        QVERIFY2(checked.code == 0, checked.out + checked.err);
    }

    // The desktop entry and the AppStream file pass their validators and agree with each
    // other and with the package.
    void desktopEntryAndMetainfo()
    {
        const QString desktop = m_root + QStringLiteral("/usr/share/applications/quortosk.desktop");
        const QString metainfo =
            m_root + QStringLiteral("/usr/share/metainfo/org.quortosk.QuorvelTosk.metainfo.xml");
        if (tool("desktop-file-validate").isEmpty() || tool("appstreamcli").isEmpty())
            QSKIP(
                "desktop-file-validate or appstreamcli is missing: install desktop-file-utils and appstream");
        const Run entry = run(QStringLiteral("desktop-file-validate"), {desktop});
        QVERIFY2(entry.code == 0 && entry.out.isEmpty(), entry.out + entry.err);
        const Run info = run(QStringLiteral("appstreamcli"),
                             {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo});
        QVERIFY2(info.code == 0, info.out + info.err);
        // The installed tree as a whole: the launchable desktop entry is found, the icon too.
        const Run tree = run(QStringLiteral("appstreamcli"),
                             {QStringLiteral("validate-tree"), QStringLiteral("--no-net"), m_root});
        QVERIFY2(tree.code == 0, tree.out + tree.err);

        const QString xml = QString::fromUtf8(TestFiles::ReadBytes(metainfo));
        QVERIFY(
            xml.contains(QStringLiteral("<launchable type=\"desktop-id\">quortosk.desktop</launchable>")));
        QVERIFY(xml.contains(QStringLiteral("<binary>quortosk</binary>")));
        // The newest release is the one being packaged.
        const QRegularExpressionMatch release =
            QRegularExpression(QStringLiteral("<release version=\"([^\"]+)\"")).match(xml);
        QVERIFY(release.hasMatch());
        QCOMPARE(release.captured(1), m_version);

        const QString entryText = QString::fromUtf8(TestFiles::ReadBytes(desktop));
        QVERIFY(entryText.contains(QStringLiteral("\nExec=quortosk ")));
        QVERIFY(entryText.contains(QStringLiteral("\nIcon=quortosk\n")));
    }

    // The packaged program starts from its folder and finds its translations there: with
    // English chosen, its message for an unknown option is the English one.
    void installedProgramFindsItsFiles()
    {
        const QString program = m_root + QStringLiteral("/usr/bin/quortosk");
        const Run version = run(program, {QStringLiteral("--version")});
        QCOMPARE(version.code, 0);
        // The program names the package's own version.
        QCOMPARE(version.out.trimmed(), QStringLiteral("Quorvel Tosk ") + m_version);

        QTemporaryDir config;
        QVERIFY(QDir(config.path()).mkpath(QStringLiteral("quortosk")));
        QVERIFY(TestFiles::WriteBytes(config.filePath(QStringLiteral("quortosk/quortosk.ini")),
                                      "[Options]\r\nLanguage=en\r\n"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        const Run english = run(program, {QStringLiteral("--no-such-option")}, env);
        QCOMPARE(english.code, 2);
        QVERIFY2(english.err.contains("quortosk: unknown option \"--no-such-option\""), english.err);
        // Without its translations it would speak Czech: the check above can fail.
        QVERIFY(QFile::remove(m_root + QStringLiteral("/usr/share/quortosk/translations/quortosk_en.qm")));
        const Run czech = run(program, {QStringLiteral("--no-such-option")}, env);
        QCOMPARE(czech.code, 2);
        QVERIFY2(czech.err.contains("quortosk: neznámá volba"), czech.err);
    }
};

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
