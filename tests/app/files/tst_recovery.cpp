// Recovery copies: written a moment after typing pauses, removed when the page is saved or
// closed, offered at the next start; a window killed with SIGKILL and its pages restored as
// they were (untitled, line breaks, byte-order mark); and the real program killed with
// SIGKILL, started again, and ended by SIGTERM while a modal box is up.
#include "app/commands/CommandTable.h"
#include "app/commands/FileCommands.h"
#include "app/commands/PageCommands.h"
#include "app/files/Recovery.h"
#include "app/files/RecoveryStore.h"
#include "app/pages/TPageControl.h"
#include "app/shell/TMainForm.h"
#include "editor/view/TRxRichEdit.h"
#include "KeptCopies.h"
#include "KilledRun.h"
#include "TestFiles.h"
#include "text/TextFile.h"
#include "TFakePrompts.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

RecoveryCopy parsed(const QString &path)
{
    RecoveryCopy copy;
    QString problem;
    if (!RecoveryCopy::Parse(TestFiles::ReadBytes(path), &copy, &problem))
        copy.fileName = QStringLiteral("<damaged: %1>").arg(problem);
    return copy;
}

// Every Windows-1250 byte but NUL, CR and LF, in lines with CR LF: what a page round-trips.
QByteArray everyByte()
{
    QByteArray out;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            out += char(b);
        if (b % 32 == 0)
            out += "\r\n";
    }
    return out + "\r\n";
}

QStringList copiesUnder(const QString &folder)
{
    QStringList out;
    QDirIterator it(folder, {QStringLiteral("*.copy")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << it.next();
    out.sort();
    return out;
}

// The child part of KilledRun: a window keeping copies in the folder arguments[1], with the
// file arguments[3] opened when given; arguments[2] is typed at the start of the active
// page, and the child is ready once that page's copy is written.
const QString TypedPageKept = QStringLiteral("typed page kept");

int typedPageKept(const QStringList &arguments)
{
    QStandardPaths::setTestModeEnabled(true);
    TFakePrompts prompts;
    RecoveryStore store(arguments.value(1));
    if (!store.Open())
        return 2;
    TMainForm form(&prompts, nullptr);
    form.RecoveryCopies()->SetStore(&store);
    form.RecoveryCopies()->SetPauseMs(50);
    form.show();
    if (arguments.size() > 3)
        form.Files()->OpenFile(arguments.at(3));
    TRxRichEdit *editor = form.ActiveEditor();
    if (!QTest::qWaitFor([editor] { return !editor->Loading(); }, 10000))
        return 3;
    QSignalSpy written(form.RecoveryCopies(), &Recovery::CopyWritten);
    for (const QChar c : arguments.value(2)) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(editor, &press);
    }
    if (!written.wait(20000))
        return 4;
    return KilledRun::Ready();
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void copyWrittenAfterPauseAndRemoved_data();
    void copyWrittenAfterPauseAndRemoved();
    void textChangedWhileCopyingIsCopiedAgain();
    void editWhileLoadingIsCopiedWhole();
    void leftCopiesOffered_data();
    void leftCopiesOffered();
    void untitledCopyTakesAFreeCaption();
    void largeCopyGetsItsCaretBack();
    void writeAllNowKeepsEveryUnsavedPage();
    void killedProgramsTextComesBack();
    void killedUntitledPageComesBack();
    void restoredPageKeepsItsFormat_data();
    void restoredPageKeepsItsFormat();
    void pageOfAnotherSetKeepsItsSet();
    void copyFollowsAnEncodingChange();

private:
    QString folder() const { return m_dir->filePath(QStringLiteral("recovery")); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TFakePrompts> m_prompts;
    std::unique_ptr<RecoveryStore> m_store;
    std::unique_ptr<TMainForm> m_form;
};

void TestRecovery::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    qRegisterMetaType<TTabSheet *>();
}

void TestRecovery::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_prompts = std::make_unique<TFakePrompts>();
    m_store = std::make_unique<RecoveryStore>(folder());
    QVERIFY(m_store->Open());
    m_form = std::make_unique<TMainForm>(m_prompts.get(), nullptr);
    m_form->RecoveryCopies()->SetStore(m_store.get());
    m_form->RecoveryCopies()->SetPauseMs(50);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestRecovery::cleanup()
{
    m_form.reset();
    m_store.reset();
    m_dir.reset();
}

void TestRecovery::copyWrittenAfterPauseAndRemoved_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("saved") << "save";
    QTest::newRow("closed, answered Ne") << "close";
}

void TestRecovery::copyWrittenAfterPauseAndRemoved()
{
    QFETCH(QString, how);
    const QString path = m_dir->filePath(QStringLiteral("dopis.txt"));
    QVERIFY(TestFiles::WriteBytes(path, "V\xe1\x9e"
                            "en\xed,\r\n")); // Windows-1250: a page of that encoding
    m_form->Files()->OpenFile(path);
    TRxRichEdit *editor = m_form->ActiveEditor();
    editor->setFocus();
    QTest::keyClicks(editor, QStringLiteral("Mily "));
    const QString copyPath = m_store->CopyPath(1);
    QTRY_VERIFY(QFile::exists(copyPath));
    QCOMPARE(QFile::permissions(copyPath), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                               | QFileDevice::ReadUser | QFileDevice::WriteUser);
    QCOMPARE(QFileInfo(m_store->OwnFolder()).permissions() & 0077, QFileDevice::Permissions());
    const RecoveryCopy copy = parsed(copyPath);
    QCOMPARE(copy.fileName, path);
    QCOMPARE(copy.caption, QStringLiteral("dopis.txt"));
    QVERIFY(copy.hasFile);
    QCOMPARE(copy.caret, 5);
    QCOMPARE(copy.text, TextFile::toFileBytes(editor->PlainText()));
    QCOMPARE(copy.signature, FileSignature::Of(path));

    if (how == QLatin1String("save")) {
        QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
    } else {
        m_prompts->confirmAnswers << TPrompts::No;
        QTest::keyClick(editor, Qt::Key_F4, Qt::ControlModifier);
        QCOMPARE(m_prompts->confirmTexts.size(), 1);
    }
    QTRY_VERIFY(!QFile::exists(copyPath));
    QCOMPARE(copiesUnder(folder()), QStringList());
}

void TestRecovery::textChangedWhileCopyingIsCopiedAgain()
{
    Recovery *recovery = m_form->RecoveryCopies();
    recovery->SetPauseMs(0);
    TRxRichEdit *editor = m_form->ActiveEditor();
    QString text;
    for (int i = 0; text.size() < 4'000'000; ++i)
        text += QStringLiteral("řádek %1 s nějakým textem\n").arg(i);
    QSignalSpy written(recovery, &Recovery::CopyWritten);
    editor->SetWholeText(text); // modified: a copy is due
    // Into the slices of the snapshot, then a change at the very start.
    QTRY_VERIFY(recovery->Busy());
    QCoreApplication::processEvents();
    QVERIFY(written.isEmpty());
    editor->SetSelStart(0);
    editor->SetSelText(QStringLiteral("Z"));
    QVERIFY(written.wait(20000));
    // The first copy written after the change already has it: a copy is never a mixture.
    QCOMPARE(parsed(m_store->CopyPath(1)).text, TextFile::toFileBytes(editor->PlainText()));
}

void TestRecovery::leftCopiesOffered_data()
{
    QTest::addColumn<int>("choice");
    QTest::newRow("Obnovit") << int(Recovery::Choice::Restore);
    QTest::newRow("Zahodit") << int(Recovery::Choice::Discard);
    QTest::newRow("box closed") << int(Recovery::Choice::Later);
}

void TestRecovery::leftCopiesOffered()
{
    QFETCH(int, choice);
    const QString path = m_dir->filePath(QStringLiteral("a.txt"));
    QVERIFY(TestFiles::WriteBytes(path, "na disku\r\n"));
    RecoveryCopy fileCopy = KeptCopies::Copy(path, everyByte());
    fileCopy.caret = 7;
    RecoveryCopy untitled = KeptCopies::Copy(QStringLiteral("bezejmenný3"), "nov\xfd\r\ntext", 2, false);
    untitled.caret = 7;
    QString problem;
    QString deadFolder, aliveCopy;
    {
        // An instance that ended: its lock goes with it.
        RecoveryStore dead(folder());
        QVERIFY(dead.Open());
        deadFolder = dead.OwnFolder();
        QVERIFY(RecoveryStore::Write(dead.CopyPath(2), untitled.Serialize(), &problem));
        QVERIFY(RecoveryStore::Write(dead.CopyPath(1), fileCopy.Serialize(), &problem));
        QVERIFY(RecoveryStore::Write(dead.CopyPath(3), fileCopy.Serialize().chopped(1), &problem));
    }
    // An instance still running: never touched.
    RecoveryStore alive(folder());
    QVERIFY(alive.Open());
    aliveCopy = alive.CopyPath(1);
    QVERIFY(RecoveryStore::Write(aliveCopy, fileCopy.Serialize(), &problem));

    Recovery *recovery = m_form->RecoveryCopies();
    int asked = -1;
    recovery->SetAsk([&](QWidget *, int count) {
        asked = count;
        return Recovery::Choice(choice);
    });
    const int restored = recovery->OfferLeftCopies();
    QCOMPARE(asked, 2);
    // The damaged copy is reported and kept aside, whatever the answer.
    QCOMPARE(m_prompts->messages.size(), 1);
    QVERIFY(m_prompts->messages.first().contains(m_store->DamagedFolder()));
    const QStringList damaged = QDir(m_store->DamagedFolder()).entryList(QDir::Files);
    QCOMPARE(damaged.size(), 1);
    QCOMPARE(TestFiles::ReadBytes(m_store->DamagedFolder() + QLatin1Char('/') + damaged.first()),
             fileCopy.Serialize().chopped(1));
    QCOMPARE(TestFiles::ReadBytes(aliveCopy), fileCopy.Serialize());

    TPageControl *pages = m_form->PageControl();
    switch (Recovery::Choice(choice)) {
    case Recovery::Choice::Restore: {
        QCOMPARE(restored, 2);
        QCOMPARE(pages->PageCount(), 3);
        TTabSheet *first = pages->Page(1), *second = pages->Page(2);
        QCOMPARE(first->Caption(), QStringLiteral("a.txt"));
        QCOMPARE(first->Hint(), path);
        QCOMPARE(second->Caption(), QStringLiteral("bezejmenný3"));
        QVERIFY(!second->Doc()->HasFile());
        QCOMPARE(pages->ActivePage(), second);
        for (TTabSheet *page : {first, second}) {
            QVERIFY(page->Editor()->Modified());
            QCOMPARE(page->ImageIndex(), 0);
        }
        QCOMPARE(first->Editor()->SelStart(), 7);
        // New numbers on past the restored caption.
        m_form->Pages()->mmNewClick();
        QCOMPARE(pages->ActivePage()->Caption(), QStringLiteral("bezejmenný4"));
        pages->DeletePage(pages->ActivePage());
        // Byte for byte: saved, the page writes exactly the text that was kept.
        pages->SetActivePage(first);
        m_form->Files()->mmSaveClick();
        QCOMPARE(TestFiles::ReadBytes(path), everyByte());
        QCOMPARE(second->Editor()->PlainText(), QStringLiteral("nový\ntext"));
        // The copies moved into our own folder: the saved page's went, the other stays.
        QTRY_COMPARE(copiesUnder(m_store->OwnFolder()).size(), 1);
        QVERIFY(!QFileInfo::exists(deadFolder));
        break;
    }
    case Recovery::Choice::Discard:
        QCOMPARE(restored, 0);
        QCOMPARE(pages->PageCount(), 1);
        QVERIFY(!QFileInfo::exists(deadFolder));
        break;
    case Recovery::Choice::Later: {
        QCOMPARE(pages->PageCount(), 1);
        QCOMPARE(copiesUnder(deadFolder).size(), 2);
        // Offered again at the next start.
        RecoveryStore next(folder());
        QVERIFY(next.Open());
        QCOMPARE(next.TakeLeftCopies().copies.size(), 2);
        break;
    }
    }
    QCOMPARE(copiesUnder(alive.OwnFolder()), QStringList{aliveCopy});
}

// A restored text larger than what is shown at once gets its caret back where it was.
// Beside the start's own "bezejmenný1", a kept "bezejmenný1" takes the next number, and a
// kept "bezejmenný2" then moves on past that one; a free caption stays as it was.
void TestRecovery::untitledCopyTakesAFreeCaption()
{
    QList<RecoveryCopy> copies;
    for (const char *caption : {"bezejmenný1", "bezejmenný2", "bezejmenný7"}) {
        const int order = int(copies.size()) + 1;
        copies << KeptCopies::Copy(QString::fromUtf8(caption), "text " + QByteArray::number(order), order,
                                   false);
    }
    QVERIFY(!KeptCopies::Leave(folder(), copies).isEmpty());
    Recovery *recovery = m_form->RecoveryCopies();
    recovery->SetAsk([](QWidget *, int) { return Recovery::Choice::Restore; });
    QCOMPARE(recovery->OfferLeftCopies(), 3);
    TPageControl *pages = m_form->PageControl();
    QStringList captions, hints;
    for (int i = 0; i < pages->PageCount(); ++i) {
        captions << pages->Page(i)->Caption();
        hints << pages->Page(i)->Doc()->FileName();
    }
    QCOMPARE(captions, QStringList({"bezejmenný1", "bezejmenný2", "bezejmenný3", "bezejmenný7"}));
    QCOMPARE(hints, captions);
    QCOMPARE(pages->Page(1)->Editor()->PlainText(), QStringLiteral("text 1"));
    QCOMPARE(pages->Page(2)->Editor()->PlainText(), QStringLiteral("text 2"));
    m_form->Pages()->mmNewClick();
    QCOMPARE(pages->ActivePage()->Caption(), QStringLiteral("bezejmenný8"));
}

// Typed into the part of a large file shown while the rest comes in: the copy waits for the
// whole text and holds all of it, the edit included, never the part alone.
void TestRecovery::editWhileLoadingIsCopiedWhole()
{
    QByteArray bytes;
    for (int i = 0; bytes.size() < 3 * 1024 * 1024; ++i)
        bytes += "\xf8\xe1" "dek " + QByteArray::number(i) + "\r\n";
    const QString path = m_dir->filePath(QStringLiteral("velky.txt"));
    QVERIFY(TestFiles::WriteBytes(path, bytes));
    m_form->RecoveryCopies()->SetPauseMs(0);
    m_form->Files()->OpenFile(path);
    TRxRichEdit *editor = m_form->ActiveEditor();
    QVERIFY(editor->Loading());
    QTest::keyClicks(editor, QStringLiteral("Z"));
    QVERIFY(editor->Modified());
    const QString copyPath = m_store->CopyPath(1);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(copyPath), 30000);
    QVERIFY(!editor->Loading());
    const QByteArray copied = parsed(copyPath).text;
    QCOMPARE(copied, TextFile::toFileBytes(editor->PlainText()));
    QVERIFY(copied.startsWith("Z\xf8\xe1"));
    QVERIFY(copied.size() > bytes.size());
}

void TestRecovery::largeCopyGetsItsCaretBack()
{
    RecoveryCopy copy = KeptCopies::Copy(QStringLiteral("bezejmenný2"), {}, 1, false);
    for (int i = 0; copy.text.size() < 2 * 1024 * 1024; ++i)
        copy.text += "\xF8\xE1"
                     "dek "
                     + QByteArray::number(i) + "\r\n";
    copy.caret = int(copy.text.size() / 2 * 9 / 10);
    QVERIFY(!KeptCopies::Leave(folder(), {copy}).isEmpty());
    Recovery *recovery = m_form->RecoveryCopies();
    recovery->SetAsk([](QWidget *, int) { return Recovery::Choice::Restore; });
    QCOMPARE(recovery->OfferLeftCopies(), 1);
    TRxRichEdit *editor = m_form->ActiveEditor();
    QTRY_VERIFY(!editor->Loading());
    QCOMPARE(editor->SelStart(), copy.caret);
    QVERIFY(editor->Modified());
}

void TestRecovery::writeAllNowKeepsEveryUnsavedPage()
{
    Recovery *recovery = m_form->RecoveryCopies();
    recovery->SetPauseMs(60000);
    TRxRichEdit *editor = m_form->ActiveEditor();
    editor->SetSelText(QStringLiteral("neuloženo"));
    m_form->Pages()->mmNewClick(); // an unmodified page has no copy
    recovery->WriteAllNow();
    const QStringList copies = copiesUnder(folder());
    QCOMPARE(copies.size(), 1);
    QCOMPARE(parsed(copies.first()).text, QByteArray("neulo\x9e"
                                                     "eno"));
    QCOMPARE(parsed(copies.first()).fileName, QStringLiteral("bezejmenný1"));
    // Nothing removes them afterwards: not the close, not closing pages.
    recovery->DiscardAll();
    m_form.reset();
    QCOMPARE(copiesUnder(folder()), copies);
}

// A Latin 2 page's copy holds its text in Latin 2; restored, the copy gives a Latin 2 page
// whose save writes the kept bytes.
void TestRecovery::pageOfAnotherSetKeepsItsSet()
{
    const QString path = m_dir->filePath(QStringLiteral("dos.txt"));
    QVERIFY(TestFiles::WriteBytes(path, "\x9C\xA0\x87\r\n")); // "ťáç" in Latin 2
    m_form->Files()->OpenFile(path);
    TRxRichEdit *editor = m_form->ActiveEditor();
    m_form->Commands().Action(QStringLiteral("mmKodLatin2"))->trigger();
    QCOMPARE(editor->PlainText(), QStringLiteral("ťáç\n"));
    editor->setFocus();
    QTest::keyClicks(editor, QStringLiteral("x"));
    const QString copyPath = m_store->CopyPath(1);
    QTRY_VERIFY(QFile::exists(copyPath));
    RecoveryCopy copy = parsed(copyPath);
    QCOMPARE(copy.encoding, QStringLiteral("ibm852"));
    QCOMPARE(copy.text, QByteArray("x\x9C\xA0\x87\r\n"));

    m_prompts->confirmAnswers << TPrompts::No; // closed without saving: the copy goes
    QTest::keyClick(editor, Qt::Key_F4, Qt::ControlModifier);
    QTRY_VERIFY(!QFile::exists(copyPath));
    copy.order = 1;
    QVERIFY(!KeptCopies::Leave(folder(), {copy}).isEmpty());
    Recovery *recovery = m_form->RecoveryCopies();
    recovery->SetAsk([](QWidget *, int) { return Recovery::Choice::Restore; });
    QCOMPARE(recovery->OfferLeftCopies(), 1);
    TRxRichEdit *restored = m_form->ActiveEditor();
    QCOMPARE(restored->Doc()->TextEncoding(), TextFile::Encoding::Latin2);
    QCOMPARE(restored->PlainText(), QStringLiteral("xťáç\n"));
    m_form->Files()->mmSaveClick();
    QCOMPARE(TestFiles::ReadBytes(path), QByteArray("x\x9C\xA0\x87\r\n"));
}

// "Kó&dování" on a modified page changes its format alone, no character: the copy is taken
// again, so that a restored page writes the encoding chosen.
void TestRecovery::copyFollowsAnEncodingChange()
{
    const QString path = m_dir->filePath(QStringLiteral("a.txt"));
    QVERIFY(TestFiles::WriteBytes(path, "abc\r\n"));
    m_form->Files()->OpenFile(path);
    QTest::keyClicks(m_form->ActiveEditor(), QStringLiteral("x"));
    const QString copyPath = m_store->CopyPath(1);
    QTRY_COMPARE(parsed(copyPath).encoding, QStringLiteral("windows-1250"));
    m_form->Commands().Action(QStringLiteral("mmKodUtf8"))->trigger();
    QCOMPARE(m_form->ActiveEditor()->Doc()->TextEncoding(), TextFile::Encoding::Utf8);
    QTRY_COMPARE(parsed(copyPath).encoding, QStringLiteral("utf-8"));
}

void TestRecovery::killedProgramsTextComesBack()
{
    const QString binary = qEnvironmentVariable("QUORTOSK_BINARY");
    if (binary.isEmpty())
        QSKIP("QUORTOSK_BINARY names no program");
    const QString root = m_dir->path();
    QDir(root).mkpath(QStringLiteral("run"));
    QFile::setPermissions(root + QStringLiteral("/run"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString file = root + QStringLiteral("/text.txt");
    QVERIFY(TestFiles::WriteBytes(file, everyByte()));
    const QString recovery = root + QStringLiteral("/state/quortosk/recovery");

    auto start = [&](QProcess &p, const QString &name, const QStringList &args, const QString &display,
                     bool answered = true) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root + QStringLiteral("/run"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_STATE_HOME"), root + QStringLiteral("/state"));
        env.insert(QStringLiteral("DISPLAY"), display);
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QUORTOSK_TEST_REPORT"), root + QLatin1Char('/') + name);
        if (answered)
            env.insert(QStringLiteral("QUORTOSK_TEST_RECOVERY"), QStringLiteral("Obnovit"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(root);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(binary, args);
    };
    auto reported = [&](const QString &name, const QByteArray &what) {
        return TestFiles::ReadBytes(root + QLatin1Char('/') + name).contains(what);
    };

    // The first run: the page's file is deleted, so the page holds the only copy of the text.
    QProcess first;
    start(first, QStringLiteral("first"), {file}, QStringLiteral(":keep-a"));
    QTRY_VERIFY_WITH_TIMEOUT(reported(QStringLiteral("first"), "ready"), 20000);
    QVERIFY(QFile::remove(file));
    QTRY_COMPARE_WITH_TIMEOUT(copiesUnder(recovery).size(), 1, 20000);
    first.kill(); // SIGKILL: nothing of ours runs
    QVERIFY(first.waitForFinished(10000));

    // The next start offers it and opens it as the modified page of that file.
    QProcess second;
    start(second, QStringLiteral("second"), {}, QStringLiteral(":keep-a"));
    QTRY_VERIFY_WITH_TIMEOUT(reported(QStringLiteral("second"),
                                      "recovery\t1\npages\tbezejmenný1\t" + file.toUtf8() + "\tactive=1"),
                             20000);

    // Another instance (another display) leaves the running one's copy alone. It offers
    // copies before its event loop runs, so once it has ended by SIGTERM it has looked.
    QProcess other;
    start(other, QStringLiteral("other"), {}, QStringLiteral(":keep-b"));
    QTRY_VERIFY_WITH_TIMEOUT(reported(QStringLiteral("other"), "ready"), 20000);
    other.terminate();
    QVERIFY(other.waitForFinished(10000));
    QVERIFY(!reported(QStringLiteral("other"), "recovery"));
    QCOMPARE(copiesUnder(recovery).size(), 1);

    // A modal box is up (a later start named a missing file); SIGTERM still ends the program
    // at once, with the copy written and the settings saved.
    QProcess later;
    start(later, QStringLiteral("later"), {QStringLiteral("chybí.txt")}, QStringLiteral(":keep-a"));
    QVERIFY(later.waitForFinished(10000));
    QTRY_VERIFY_WITH_TIMEOUT(reported(QStringLiteral("second"), "open\t"), 10000);
    QTest::qWait(500);
    second.terminate();
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(QFile::exists(root + QStringLiteral("/config/quortosk/quortosk.ini")));
    const QStringList copies = copiesUnder(recovery);
    QCOMPARE(copies.size(), 1);
    const RecoveryCopy copy = parsed(copies.first());
    QCOMPARE(copy.fileName, file);
    QCOMPARE(copy.text, everyByte()); // the text as it was, byte for byte, after two runs

    // SIGTERM while the recovery question itself is up, before the main loop runs: the
    // program still ends, and the copy waits for the next start.
    QProcess asking;
    start(asking, QStringLiteral("asking"), {}, QStringLiteral(":keep-a"), false);
    QTRY_VERIFY_WITH_TIMEOUT(reported(QStringLiteral("asking"), "ready"), 20000);
    QTest::qWait(500);
    asking.terminate();
    QVERIFY(asking.waitForFinished(10000));
    QCOMPARE(asking.exitCode(), 0);
    QCOMPARE(copiesUnder(recovery).size(), 1);
    QCOMPARE(parsed(copiesUnder(recovery).first()).text, everyByte());
}

// Typed into the untitled page of a window killed after the pause: the next start brings
// the text back as an untitled page.
void TestRecovery::killedUntitledPageComesBack()
{
    QString problem;
    QVERIFY2(KilledRun::RunAndKill(TypedPageKept, {folder(), QStringLiteral("Dobrý den")}, &problem),
             qPrintable(problem));
    Recovery *recovery = m_form->RecoveryCopies();
    recovery->SetAsk([](QWidget *, int) { return Recovery::Choice::Restore; });
    QCOMPARE(recovery->OfferLeftCopies(), 1);
    TPageControl *pages = m_form->PageControl();
    QCOMPARE(pages->PageCount(), 2);
    TTabSheet *page = pages->ActivePage();
    QVERIFY(!page->Doc()->HasFile());
    QCOMPARE(page->Caption(), QStringLiteral("bezejmenný2")); // this start has its own 1
    QCOMPARE(page->Editor()->PlainText(), QStringLiteral("Dobrý den"));
    QVERIFY(page->Editor()->Modified());
}

// A page restored from its copy writes its file as before: LF breaks stay LF, a byte-order
// mark stays. A copy written before the format was kept still restores, as CR LF.
void TestRecovery::restoredPageKeepsItsFormat_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("copyWithoutFormat");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("Windows-1250 file with LF breaks")
        << QByteArray("\xe8\x61j\nb\n") << false << QByteArray("x\xe8\x61j\nb\n");
    QTest::newRow("UTF-8 file with a byte-order mark, CR LF")
        << QByteArray("\xef\xbb\xbf\xc4\x8d\x61j\r\nb\r\n") << false
        << QByteArray("\xef\xbb\xbfx\xc4\x8d\x61j\r\nb\r\n");
    QTest::newRow("copy without format keys (older version)")
        << QByteArray("a\nb\n") << true << QByteArray("xa\r\nb\r\n");
}

void TestRecovery::restoredPageKeepsItsFormat()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, copyWithoutFormat);
    QFETCH(QByteArray, saved);
    const QString path = m_dir->filePath(QStringLiteral("a.txt"));
    QVERIFY(TestFiles::WriteBytes(path, file));
    if (copyWithoutFormat) {
        // The copy's text is what the page writes: "x" typed, CR LF between lines.
        const RecoveryCopy copy = KeptCopies::Copy(path, saved);
        QVERIFY(!KeptCopies::Leave(folder(), {copy}, KeptCopies::Form::WithoutFormat).isEmpty());
    } else {
        QString problem;
        QVERIFY2(KilledRun::RunAndKill(TypedPageKept, {folder(), QStringLiteral("x"), path}, &problem),
                 qPrintable(problem));
    }
    Recovery *recovery = m_form->RecoveryCopies();
    recovery->SetAsk([](QWidget *, int) { return Recovery::Choice::Restore; });
    QCOMPARE(recovery->OfferLeftCopies(), 1);
    TRxRichEdit *editor = m_form->ActiveEditor();
    QCOMPARE(editor->Doc()->FileName(), path);
    QVERIFY(editor->Modified());
    m_form->Files()->mmSaveClick();
    QCOMPARE(TestFiles::ReadBytes(path), saved);
}

// The test program is also the child of KilledRun.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    if (KilledRun::Role() == TypedPageKept)
        return typedPageKept(app.arguments());
    TestRecovery test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_recovery.moc"
