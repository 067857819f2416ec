// The About dialog: its pages, the information file for the language, the links.
#include "about/AboutInfo.h"
#include "about/TfrmAbout.h"
#include "text/Cp1250.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Takes the URLs the desktop would open, so no browser or mail program starts.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

namespace {

bool writeCp1250(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(Cp1250::encode(text)) > 0;
}

bool tabShown(const TfrmAbout &dialog, QWidget *tab)
{
    return dialog.PageControl1->isTabVisible(dialog.PageControl1->indexOf(tab));
}

} // namespace

class TstAbout : public QObject
{
    Q_OBJECT

    UrlRecorder m_recorder;

private slots:
    void initTestCase()
    {
        for (const char *scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), &m_recorder, "open");
    }
    void cleanupTestCase()
    {
        for (const char *scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    void init() { m_recorder.urls.clear(); }

    void languageCode_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("code");
        QTest::newRow("program's own Czech") << QString() << "CSY";
        QTest::newRow("English") << "en"
                                 << "ENU";
        QTest::newRow("English with a country") << "en_GB"
                                                << "ENU";
        QTest::newRow("another language") << "de"
                                          << "CSY";
    }
    void languageCode()
    {
        QFETCH(QString, choice);
        QFETCH(QString, code);
        QCOMPARE(AboutInfo::LanguageCode(choice), code);
    }

    // The file quor_<code>.txt beside the executable, else in ../share/quortosk; read as
    // Windows-1250. The page "Informace" shows only when it exists.
    void informationPage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("files"); // "bin/..." beside the executable, "share/..." installed
        QTest::addColumn<QString>("shown");     // the text on "Informace", empty when hidden
        QTest::newRow("no file: only Autor") << "CSY" << QStringList() << QString();
        QTest::newRow("CSY beside the executable") << "CSY" << QStringList{"bin/quor_CSY.txt"} << "bin CSY";
        QTest::newRow("no code means CSY") << "" << QStringList{"bin/quor_CSY.txt"} << "bin CSY";
        QTest::newRow("ENU does not show CSY") << "ENU" << QStringList{"bin/quor_CSY.txt"} << QString();
        QTest::newRow("ENU") << "ENU" << QStringList{"bin/quor_CSY.txt", "bin/quor_ENU.txt"} << "bin ENU";
        QTest::newRow("installed data folder") << "CSY" << QStringList{"share/quor_CSY.txt"} << "share CSY";
        QTest::newRow("beside the executable first")
            << "CSY" << QStringList{"share/quor_CSY.txt", "bin/quor_CSY.txt"} << "bin CSY";
        QTest::newRow("a folder of that name is no file")
            << "CSY" << QStringList{"bin/quor_CSY.txt/"} << QString();
    }
    void informationPage()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, files);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        const QString bin = dir.filePath(QStringLiteral("prefix/bin"));
        QVERIFY(QDir().mkpath(bin));
        for (const QString &file : files) {
            const QString where = file.section(QLatin1Char('/'), 0, 0);
            const QString name = file.section(QLatin1Char('/'), 1, 1);
            const QString folder =
                where == QLatin1String("bin") ? bin : dir.filePath("prefix/share/quortosk");
            if (file.endsWith(QLatin1Char('/'))) {
                QVERIFY(QDir().mkpath(folder + QLatin1Char('/') + name));
                continue;
            }
            QVERIFY(writeCp1250(folder + QLatin1Char('/') + name,
                                where + QLatin1Char(' ') + name.mid(5, 3)
                                    + QStringLiteral("\r\nPříliš žluťoučký kůň")));
        }

        TfrmAbout dialog(code, nullptr, AboutInfo::InformationFolders(bin));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.PageControl1->currentWidget(), dialog.tabAutor);
        QVERIFY(tabShown(dialog, dialog.tabAutor));
        QCOMPARE(tabShown(dialog, dialog.tabInformace), !shown.isEmpty());
        if (!shown.isEmpty()) {
            QCOMPARE(dialog.Memo1->toPlainText(), shown + QStringLiteral("\nPříliš žluťoučký kůň"));
            QVERIFY(dialog.Memo1->isReadOnly());
        }
    }

    // Both shipped texts lie beside the program in the build folder and read as Czech.
    void shippedTexts_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("heading");
        QTest::newRow("CSY") << "CSY" << QStringLiteral("Nastavení");
        QTest::newRow("ENU") << "ENU" << QStringLiteral("Settings");
    }
    void shippedTexts()
    {
        QFETCH(QString, code);
        QFETCH(QString, heading);
        const QString buildDir = qEnvironmentVariable("QUORTOSK_BUILD_DIR");
        if (buildDir.isEmpty())
            QSKIP("run through ctest, which names the build folder");
        TfrmAbout dialog(code, nullptr, AboutInfo::InformationFolders(buildDir));
        QVERIFY(tabShown(dialog, dialog.tabInformace));
        const QString text = dialog.Memo1->toPlainText();
        QVERIFY(text.startsWith(QStringLiteral("Quorvel Tosk 2.2\n")));
        QVERIFY(text.contains(QStringLiteral("\n") + heading + QStringLiteral("\n")));
        QVERIFY(text.contains(QStringLiteral("~/.config/quortosk/quortosk.ini")));
        QVERIFY(text.contains(QStringLiteral("Kamenický")));
        QVERIFY(!text.contains(QLatin1Char('\r')));
    }

    void productLine()
    {
        TfrmAbout dialog(QStringLiteral("CSY"), nullptr, {QStringLiteral("/nonexistent")});
        QCOMPARE(dialog.windowTitle(), QStringLiteral("O programu"));
        QCOMPARE(dialog.lblProduct->text(), QStringLiteral("Quorvel Tosk"));
        QCOMPARE(dialog.Label5->text(), QStringLiteral("2.2"));
        QCOMPARE(dialog.PageControl1->tabText(0), QStringLiteral("Autor"));
        QCOMPARE(dialog.PageControl1->tabText(1), QStringLiteral("Informace"));
        QCOMPARE(dialog.OKButton->text(), QStringLiteral("OK"));
        QVERIFY(dialog.OKButton->isDefault());
        // Not resizable.
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    }

    // Every link is a green, underlined label with the hand cursor; a click opens exactly
    // the address it shows.
    void linksOpenWhatTheyShow()
    {
        TfrmAbout dialog(QStringLiteral("CSY"), nullptr, {QStringLiteral("/nonexistent")});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QList<TLinkLabel *> links = dialog.Links();
        QVERIFY(links.size() >= 2);
        QStringList expected;
        for (TLinkLabel *link : links) {
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseClick(link, Qt::LeftButton);
            if (link->pixmap().isNull()) {
                QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 128, 0));
                QVERIFY(link->font().underline());
                QVERIFY(link->text().startsWith(QLatin1String("https://")));
                expected << link->text();
            } else {
                expected << link->Url().toString(); // the logo links to the credit's site
            }
        }
        QStringList opened;
        for (const QUrl &url : std::as_const(m_recorder.urls))
            opened << url.toString();
        QCOMPARE(opened, expected);
    }

    // An e-mail link starts a new mail to the address shown: "mailto:" is put before it.
    void mailLink()
    {
        TLinkLabel link(TLinkLabel::Mail, QStringLiteral("nekdo@example.org"));
        link.show();
        QVERIFY(QTest::qWaitForWindowExposed(&link));
        QCOMPARE(link.text(), QStringLiteral("nekdo@example.org"));
        QTest::mouseClick(&link, Qt::LeftButton);
        QCOMPARE(m_recorder.urls, QList<QUrl>{QUrl(QStringLiteral("mailto:nekdo@example.org"))});
        // A press that is dragged off the label and released elsewhere opens nothing.
        QTest::mousePress(&link, Qt::LeftButton);
        QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(m_recorder.urls.size(), 1);
    }

    // "OK", Enter and Esc close the dialog.
    void closes_data()
    {
        QTest::addColumn<int>("key"); // 0: click OK
        QTest::newRow("OK") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void closes()
    {
        QFETCH(int, key);
        TfrmAbout dialog(QStringLiteral("CSY"), nullptr, {QStringLiteral("/nonexistent")});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        if (key == 0)
            QTest::mouseClick(dialog.OKButton, Qt::LeftButton);
        else
            QTest::keyClick(&dialog, Qt::Key(key));
        QVERIFY(!dialog.isVisible());
    }

    // The help menu's command shows the dialog modally and destroys it after.
    void mmAboutClick()
    {
        QWidget window;
        window.show();
        AboutCommands commands(&window, QStringLiteral("CSY"));
        QPointer<TfrmAbout> seen;
        bool modal = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            QWidget *w = QApplication::activeModalWidget();
            if (!w)
                return;
            watch.stop();
            seen = qobject_cast<TfrmAbout *>(w);
            modal = seen && seen->isModal();
            w->close();
        });
        watch.start(10);
        commands.mmAboutClick();
        QVERIFY(modal);
        QVERIFY(seen.isNull());
    }
};

QTEST_MAIN(TstAbout)
#include "tst_about.moc"
