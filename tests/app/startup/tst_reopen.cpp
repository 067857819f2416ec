// Reopening the last files: the option on the settings dialog's "Obecné" page, what a normal
// close stores, and a start without file arguments, on the real window.
#include "app/commands/CommandTable.h"
#include "app/commands/FileCommands.h"
#include "app/commands/PageCommands.h"
#include "app/files/Recovery.h"
#include "app/files/RecoveryStore.h"
#include "app/pages/TPageControl.h"
#include "app/shell/TMainForm.h"
#include "app/startup/TLastFilesReopen.h"
#include "editor/document/Document.h"
#include "editor/view/TRxRichEdit.h"
#include "KeptCopies.h"
#include "RecentFiles.h"
#include "settings/options/TLastFiles.h"
#include "settings/store/TSettingsStore.h"
#include "TestFiles.h"
#include "TFakePrompts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <memory>

namespace {

// Notes the order of the window's first paint and the pages made after it.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *window) : m_window(window) { qApp->installEventFilter(this); }
    QStringList events;

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == m_window
            && !events.contains(QStringLiteral("paint")))
            events << QStringLiteral("paint");
        return false;
    }

private:
    QWidget *m_window;
};

} // namespace

class TestReopen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void optionThroughTheDialog_data();
    void optionThroughTheDialog();
    void closeStoresFilesOrderActiveAndCarets();
    void optionOffKeepsNoList();
    void startReopensAfterFirstPaint();
    void endingBySignalReopensNothing();
    void recoveredFileOpensOnce();
    void realProgramReopensOnlyWithoutArguments();

private:
    QString file(const QString &name, const QByteArray &bytes = "jedna\r\ndva\r\ntři\r\n")
    {
        const QString path = m_dir->filePath(name);
        return TestFiles::WriteBytes(path, bytes) ? path : QString();
    }
    std::unique_ptr<TMainForm> start(std::unique_ptr<TLastFilesReopen> *reopen = nullptr,
                                     PaintWatch **watch = nullptr)
    {
        auto form = std::make_unique<TMainForm>(m_prompts.get(), m_store.get());
        if (reopen)
            *reopen = std::make_unique<TLastFilesReopen>(*form, m_store.get());
        if (watch)
            *watch = new PaintWatch(form.get());
        form->show();
        return form;
    }
    QStringList pages(const TMainForm &form) const
    {
        QStringList out;
        for (int i = 0; i < form.PageControl()->PageCount(); ++i)
            out << form.PageControl()->Page(i)->Doc()->FileName();
        return out;
    }
    // "Obecné" page of the dialog opened by F8: the check box as found, then set and OK.
    bool setOptionThroughDialog(TMainForm &form, bool on, QString *caption = nullptr, bool *wasOn = nullptr)
    {
        bool done = false;
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            auto *box = dialog ? dialog->findChild<QCheckBox *>(QStringLiteral("chkREOPEN")) : nullptr;
            auto *ok = dialog ? dialog->findChild<QPushButton *>(QStringLiteral("btnOK")) : nullptr;
            if (!box || !ok) {
                if (dialog)
                    dialog->close();
                return;
            }
            if (caption)
                *caption = box->text();
            if (wasOn)
                *wasOn = box->isChecked();
            if (box->isChecked() != on)
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
            ok->click();
            done = true;
        });
        form.activateWindow();
        QTest::keyClick(form.ActiveEditor(), Qt::Key_F8);
        return done;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TSettingsStore> m_store;
    std::unique_ptr<TFakePrompts> m_prompts;
};

void TestReopen::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_store = std::make_unique<TSettingsStore>(m_dir->filePath(QStringLiteral("cfg/quortosk.ini")));
    m_prompts = std::make_unique<TFakePrompts>();
}

void TestReopen::cleanup()
{
    m_store.reset();
    m_dir.reset();
}

void TestReopen::optionThroughTheDialog_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Czech") << ""
                           << "Při spuštění &znovu otevřít soubory z minula";
    QTest::newRow("English") << "en"
                             << "&Reopen the last files at start";
}

void TestReopen::optionThroughTheDialog()
{
    QFETCH(QString, language);
    QFETCH(QString, caption);
    QTranslator translator;
    if (!language.isEmpty()) {
        QVERIFY(translator.load(QStringLiteral("quortosk_") + language,
                                qEnvironmentVariable("QUORTOSK_BUILD_DIR")));
        QApplication::installTranslator(&translator);
    }
    QVERIFY(!TLastFiles::ReopenOn(*m_store)); // off at first
    {
        auto form = start();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QString shown;
        bool wasOn = true;
        QVERIFY(setOptionThroughDialog(*form, true, &shown, &wasOn));
        QCOMPARE(shown, caption);
        QVERIFY(!wasOn);
        QVERIFY(TLastFiles::ReopenOn(*m_store));
        form->close();
    }
    // The next run's dialog shows it on; switched off it is stored off.
    auto form = start();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    bool wasOn = false;
    QVERIFY(setOptionThroughDialog(*form, false, nullptr, &wasOn));
    QVERIFY(wasOn);
    QVERIFY(!TLastFiles::ReopenOn(*m_store));
    QApplication::removeTranslator(&translator);
}

void TestReopen::closeStoresFilesOrderActiveAndCarets()
{
    const QString a = file(QStringLiteral("a.txt")), b = file(QStringLiteral("b.txt")),
                  c = file(QStringLiteral("c.txt"));
    TLastFiles::SetReopenOn(*m_store, true);
    auto form = start();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    for (const QString &path : {b, a, c}) {
        form->Files()->OpenFile(path);
        form->ActiveEditor()->SetSelStart(path == a ? 9 : path == b ? 3 : 0);
    }
    form->Pages()->mmNewClick();                // an untitled page in between is not part of the list
    form->Files()->OpenFile(c);                 // the same file twice: two pages, as they were
    form->PageControl()->SetActivePageIndex(2); // a.txt
    QVERIFY(form->close());
    const TLastFiles last = TLastFiles::Read(*m_store);
    const QList<TLastFiles::File> expected{{b, 3}, {a, 9}, {c, 0}, {c, 0}};
    QCOMPARE(last.files, expected);
    QCOMPARE(last.active, 1);

    // The close query kept the window open: nothing is stored.
    TLastFiles::Write(*m_store, {});
    auto again = start();
    QVERIFY(QTest::qWaitForWindowExposed(again.get()));
    again->Files()->OpenFile(a);
    again->ActiveEditor()->SetSelText(QStringLiteral("změna"));
    m_prompts->confirmAnswers.enqueue(TPrompts::Cancel);
    QVERIFY(!again->close());
    QVERIFY(TLastFiles::Read(*m_store).files.isEmpty());
    m_prompts->confirmAnswers.enqueue(TPrompts::No);
    QVERIFY(again->close());
    QCOMPARE(TLastFiles::Read(*m_store).files.size(), 1);
    QCOMPARE(TLastFiles::Read(*m_store).active, 0);
}

void TestReopen::optionOffKeepsNoList()
{
    const QString a = file(QStringLiteral("a.txt"));
    TLastFiles::Write(*m_store, {{{a, 1}}, 0}); // from a time the option was on
    auto form = start();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->Files()->OpenFile(a);
    QVERIFY(form->close());
    QVERIFY(TLastFiles::Read(*m_store).files.isEmpty());

    // Nor does a start reopen anything while it is off.
    TLastFiles::Write(*m_store, {{{a, 1}}, 0});
    std::unique_ptr<TLastFilesReopen> reopen;
    auto next = start(&reopen);
    QSignalSpy done(reopen.get(), &TLastFilesReopen::Reopened);
    reopen->Start();
    QVERIFY(done.wait(5000));
    QCOMPARE(done.first().first().toInt(), 0);
    QCOMPARE(next->PageControl()->PageCount(), 1);
}

void TestReopen::startReopensAfterFirstPaint()
{
    const QString a = file(QStringLiteral("a.txt")), b = file(QStringLiteral("b.txt"));
    const QString gone1 = m_dir->filePath(QStringLiteral("pryč.txt")),
                  gone2 = m_dir->filePath(QStringLiteral("také pryč.txt"));
    TLastFiles::SetReopenOn(*m_store, true);
    TLastFiles::Write(*m_store, {{{b, 4}, {gone1, 0}, {a, 13}, {gone2, 2}}, 0});

    std::unique_ptr<TLastFilesReopen> reopen;
    PaintWatch *watch = nullptr;
    auto form = start(&reopen, &watch);
    std::unique_ptr<PaintWatch> owner(watch);
    connect(form->Pages(), &PageCommands::PageCreated, watch,
            [watch] { watch->events << QStringLiteral("page"); });
    QSignalSpy done(reopen.get(), &TLastFilesReopen::Reopened);
    reopen->Start();
    QCOMPARE(form->PageControl()->PageCount(), 1); // nothing read before the window shows
    QVERIFY(done.wait(5000));
    QCOMPARE(done.first().first().toInt(), 2);
    QCOMPARE(watch->events.value(0), QStringLiteral("paint"));
    QCOMPARE(watch->events.count(QStringLiteral("page")), 2);

    QCOMPARE(pages(*form).mid(1), (QStringList{b, a}));
    QCOMPARE(form->ActivePage()->Doc()->FileName(), b);
    QCOMPARE(form->PageControl()->Page(1)->Editor()->SelStart(), 4);
    QCOMPARE(form->PageControl()->Page(2)->Editor()->SelStart(), 13);
    // The reopened files enter the recent list, newest first, as the command line's do;
    // the missing ones do not.
    QCOMPARE(RecentPaths(*form), (QStringList{a, b}));
    // One notice names both missing files.
    QCOMPARE(m_prompts->messages.size(), 1);
    QVERIFY(m_prompts->messages.first().contains(gone1));
    QVERIFY(m_prompts->messages.first().contains(gone2));
    QVERIFY(m_prompts->errors.isEmpty());
}

void TestReopen::endingBySignalReopensNothing()
{
    const QString a = file(QStringLiteral("a.txt"));
    TLastFiles::SetReopenOn(*m_store, true);
    TLastFiles::Write(*m_store, {{{a, 0}}, 0}); // from the normal close before
    {
        auto form = start();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->Files()->OpenFile(a);
        form->EndWithoutQuestions();
        form->close();
        // The ending asked every event loop to stop: a main loop of our own takes that in.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
    }
    QVERIFY(TLastFiles::Read(*m_store).files.isEmpty());
    std::unique_ptr<TLastFilesReopen> reopen;
    auto form = start(&reopen);
    QSignalSpy done(reopen.get(), &TLastFilesReopen::Reopened);
    reopen->Start();
    QVERIFY(done.wait(5000));
    QCOMPARE(form->PageControl()->PageCount(), 1);
}

// Left by an instance that crashed after a normal close had stored its files: the recovery
// copy's page stands for its file, which the list does not open again.
void TestReopen::recoveredFileOpensOnce()
{
    const QString a = file(QStringLiteral("a.txt")), b = file(QStringLiteral("b.txt"));
    TLastFiles::SetReopenOn(*m_store, true);
    TLastFiles::Write(*m_store, {{{a, 2}, {b, 1}}, 0});
    const QString folder = m_dir->filePath(QStringLiteral("recovery"));
    RecoveryCopy copy = KeptCopies::Copy(a, "neulozeno");
    copy.caret = 5;
    QVERIFY(!KeptCopies::Leave(folder, {copy}).isEmpty());
    RecoveryStore store(folder);
    QVERIFY(store.Open());
    std::unique_ptr<TLastFilesReopen> reopen;
    auto form = start(&reopen);
    form->RecoveryCopies()->SetStore(&store);
    form->RecoveryCopies()->SetAsk([](QWidget *, int) { return Recovery::Choice::Restore; });
    QCOMPARE(form->RecoveryCopies()->OfferLeftCopies(), 1);
    QSignalSpy done(reopen.get(), &TLastFilesReopen::Reopened);
    reopen->Start();
    QVERIFY(done.wait(5000));
    QCOMPARE(done.first().first().toInt(), 1);
    QCOMPARE(pages(*form).mid(1), (QStringList{a, b}));
    // The restored text stays, and the page of the active entry is active.
    QVERIFY(form->PageControl()->Page(1)->Doc()->Modified());
    QCOMPARE(form->ActivePage(), form->PageControl()->Page(1));
    m_prompts->confirmAnswers.enqueue(TPrompts::No);
    form->close();
}

// The real program: a start with a file name reopens nothing, one without does.
void TestReopen::realProgramReopensOnlyWithoutArguments()
{
    const QString binary = qEnvironmentVariable("QUORTOSK_BINARY");
    if (binary.isEmpty())
        QSKIP("QUORTOSK_BINARY names no program");
    const QString a = file(QStringLiteral("a.txt")), b = file(QStringLiteral("b.txt")),
                  c = file(QStringLiteral("c.txt"));
    const QString root = m_dir->path();
    QVERIFY(QDir(root).mkpath(QStringLiteral("run")));
    QFile::setPermissions(root + QStringLiteral("/run"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    TSettingsStore store(root + QStringLiteral("/config/quortosk/quortosk.ini"));
    TLastFiles::SetReopenOn(store, true);
    TLastFiles::Write(store, {{{a, 3}, {b, 0}}, 1});
    const QString report = root + QStringLiteral("/report.txt");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root + QStringLiteral("/run"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_STATE_HOME"), root + QStringLiteral("/state"));
    env.insert(QStringLiteral("QUORTOSK_TEST_REPORT"), report);
    // The report's lines after `event`: the page line that follows it.
    auto pagesAfter = [&](const QString &event) {
        const QStringList lines = QString::fromUtf8(TestFiles::ReadBytes(report)).split(QLatin1Char('\n'));
        for (int i = 0; i + 1 < lines.size(); ++i)
            if (lines.at(i).startsWith(event + QLatin1Char('\t')))
                return lines.at(i + 1).section(QLatin1Char('\t'), 1, -2);
        return QStringLiteral("<no %1>").arg(event);
    };
    auto run = [&](const QStringList &arguments, const QString &awaited) {
        TestFiles::WriteBytes(report, "");
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(binary, arguments);
        QTRY_VERIFY_WITH_TIMEOUT(!pagesAfter(awaited).startsWith(QLatin1Char('<')), 20000);
        QTest::qWait(500); // time enough for a reopening that should not come
        program.kill();
        program.waitForFinished();
    };
    run({c}, QStringLiteral("ready"));
    QCOMPARE(pagesAfter(QStringLiteral("reopened")), QStringLiteral("<no reopened>"));
    QCOMPARE(pagesAfter(QStringLiteral("ready")), QStringLiteral("bezejmenný1\t") + c + QStringLiteral("\tactive=1"));
    run({}, QStringLiteral("reopened"));
    QCOMPARE(pagesAfter(QStringLiteral("reopened")),
             QStringLiteral("bezejmenný1\t") + a + QLatin1Char('\t') + b + QStringLiteral("\tactive=2"));
}

QTEST_MAIN(TestReopen)
#include "tst_reopen.moc"
