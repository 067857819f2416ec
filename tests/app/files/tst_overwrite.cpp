// Saving over a file another program changed, with a real second writer: Save, Save All,
// the close query and a restored recovery copy ask before overwriting, and "Storno" keeps
// both the other version and the page; a write landing right after our own rename is never
// taken for ours; two pages of one file each see the other's save as a change.
#include "app/commands/FileCommands.h"
#include "app/files/FileWatch.h"
#include "app/pages/TPageBar.h"
#include "app/pages/TPageControl.h"
#include "app/shell/TMainForm.h"
#include "editor/view/TRxRichEdit.h"
#include "ShownMainForm.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <memory>
#include <poll.h>
#include <sys/inotify.h>
#include <thread>
#include <unistd.h>

namespace {

const QString Rewrite = QStringLiteral("printf 'jejich' > \"$F.t\" && mv \"$F.t\" \"$F\"");
const QString WriteInPlace = QStringLiteral("printf 'jejich' > \"$F\"");

// A writer that waits for the file's name to be taken by a rename (our save) and at that
// moment renames its own version over it: a write between our rename and anything we do
// after it.
class RenameChaser
{
public:
    RenameChaser(const QString &folder, const QString &name, const QByteArray &bytes)
    {
        m_target = QFile::encodeName(folder + QLatin1Char('/') + name);
        m_own = QFile::encodeName(folder + QStringLiteral("/.chaser"));
        TestFiles::WriteBytes(QFile::decodeName(m_own), bytes);
        m_fd = ::inotify_init1(IN_CLOEXEC);
        ::inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_MOVED_TO);
        m_name = QFile::encodeName(name);
        m_thread = std::thread([this] { run(); });
    }
    ~RenameChaser()
    {
        m_thread.join();
        ::close(m_fd);
    }
    bool Struck() const { return m_struck; }

private:
    void run()
    {
        alignas(inotify_event) char buffer[4096];
        pollfd p{m_fd, POLLIN, 0};
        while (::poll(&p, 1, 5000) > 0) {
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            for (ssize_t at = 0; at < n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
                if (event->len && m_name == event->name) {
                    m_struck = ::rename(m_own.constData(), m_target.constData()) == 0;
                    return;
                }
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
    }
    QByteArray m_target, m_own, m_name;
    int m_fd = -1;
    std::atomic<bool> m_struck{false};
    std::thread m_thread;
};

} // namespace

class TestOverwrite : public QObject, ShownMainForm<>
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qRegisterMetaType<TTabSheet *>();
    }
    void init() { showForm(); }
    void cleanup() { closeForm(); }

    void saveAsksBeforeOverwriting_data();
    void saveAsksBeforeOverwriting();
    void saveAllAsksForEachChangedFile();
    void closeQueryStornoKeepsThePage();
    void restoredCopyOfAChangedFileAsks();
    void writeRightAfterOurRenameIsNotOurs();
    void twoPagesOfOneFile();
    void writeWhileALargeTextIsSavedIsAsked_data();
    void writeWhileALargeTextIsSavedIsAsked();

private:
    static QString question(const QString &path)
    {
        return QStringLiteral("Soubor %1 byl mezitím změněn jiným programem. Přepsat?").arg(path);
    }
};

void TestOverwrite::saveAsksBeforeOverwriting_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("waitForBar");
    // Ctrl+S at once, before the watcher has looked, and while its bar is up.
    QTest::newRow("replaced by rename, saved at once") << Rewrite << false;
    QTest::newRow("written in place, saved at once") << WriteInPlace << false;
    QTest::newRow("replaced by rename, bar showing") << Rewrite << true;
}

void TestOverwrite::saveAsksBeforeOverwriting()
{
    QFETCH(QString, command);
    QFETCH(bool, waitForBar);
    TTabSheet *page = openWritten("puvodni\r\n");
    QVERIFY(page);
    const QString path = page->Hint();
    TRxRichEdit *editor = page->Editor();
    editor->setFocus();
    QTest::keyClicks(editor, QStringLiteral("moje "));
    QVERIFY(TestFiles::OtherProgram(command, path));
    if (waitForBar)
        QTRY_VERIFY(watchBar(page));

    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier); // "Storno": nothing written
    QCOMPARE(m_prompts->overwriteTexts, QStringList{question(path)});
    QCOMPARE(TestFiles::ReadBytes(path), QByteArray("jejich"));
    QVERIFY(editor->Modified());
    QCOMPARE(editor->PlainText(), QStringLiteral("moje puvodni\n"));
    QTRY_VERIFY(watchBar(page)); // raised at once, not left to the watcher
    QVERIFY(m_prompts->errors.isEmpty());

    m_prompts->overwriteAnswers << true; // "Přepsat"
    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_prompts->overwriteTexts.size(), 2);
    QCOMPARE(TestFiles::ReadBytes(path), QByteArray("moje puvodni\r\n"));
    QVERIFY(!editor->Modified());
    QTRY_VERIFY(!watchBar(page));
    // The file is ours again: the next save writes without asking.
    QTest::keyClicks(editor, QStringLiteral("x"));
    QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_prompts->overwriteTexts.size(), 2);
    QCOMPARE(TestFiles::ReadBytes(path), QByteArray("moje xpuvodni\r\n"));
}

void TestOverwrite::saveAllAsksForEachChangedFile()
{
    TTabSheet *a = openWritten("a\r\n", QStringLiteral("a.txt"));
    TTabSheet *b = openWritten("b\r\n", QStringLiteral("b.txt"));
    TTabSheet *c = openWritten("c\r\n", QStringLiteral("c.txt"));
    for (TTabSheet *page : {a, b, c})
        QTest::keyClicks(page->Editor(), QStringLiteral("1"));
    QVERIFY(TestFiles::OtherProgram(Rewrite, a->Hint()));
    QVERIFY(TestFiles::OtherProgram(WriteInPlace, c->Hint()));
    // Save All goes from the last page to the first: c is kept as the other program left
    // it, a is overwritten.
    m_prompts->overwriteAnswers << false << true;
    m_form->Files()->mmSaveAllClick();
    QCOMPARE(m_prompts->overwriteTexts, QStringList({question(c->Hint()), question(a->Hint())}));
    QCOMPARE(TestFiles::ReadBytes(c->Hint()), QByteArray("jejich"));
    QVERIFY(c->Editor()->Modified());
    QCOMPARE(TestFiles::ReadBytes(b->Hint()), QByteArray("1b\r\n"));
    QCOMPARE(TestFiles::ReadBytes(a->Hint()), QByteArray("1a\r\n"));
    QVERIFY(!a->Editor()->Modified());
}

void TestOverwrite::closeQueryStornoKeepsThePage()
{
    TTabSheet *page = openWritten("a\r\n");
    QTest::keyClicks(page->Editor(), QStringLiteral("moje"));
    QVERIFY(TestFiles::OtherProgram(Rewrite, page->Hint()));
    const int pages = m_form->PageControl()->PageCount();
    // "Ano, uložit" then "Storno" at the overwrite question: nothing closes.
    m_prompts->confirmAnswers << TPrompts::Yes;
    QVERIFY(!m_form->Files()->FormCloseQuery());
    QCOMPARE(m_prompts->overwriteTexts.size(), 1);
    m_prompts->confirmAnswers << TPrompts::Yes;
    m_form->Files()->ClosePage(page);
    QCOMPARE(m_form->PageControl()->PageCount(), pages);
    QCOMPARE(m_prompts->overwriteTexts.size(), 2);
    QCOMPARE(TestFiles::ReadBytes(page->Hint()), QByteArray("jejich"));
    QVERIFY(page->Editor()->Modified());
}

void TestOverwrite::restoredCopyOfAChangedFileAsks()
{
    const QString path = m_dir->filePath(QStringLiteral("r.txt"));
    QVERIFY(TestFiles::WriteBytes(path, "kdysi\r\n"));
    const FileSignature then = FileSignature::Of(path); // as the page knew it when copied
    QVERIFY(TestFiles::OtherProgram(Rewrite, path));
    TTabSheet *page = m_form->PageControl()->ActivePage();
    page->Doc()->Recover(QStringLiteral("obnoveno\n"), path, true, then, TextFile::Format{});
    QTRY_VERIFY(watchBar(page));
    m_form->Files()->mmSaveClick();
    QCOMPARE(m_prompts->overwriteTexts, QStringList{question(path)});
    QCOMPARE(TestFiles::ReadBytes(path), QByteArray("jejich"));
}

void TestOverwrite::writeRightAfterOurRenameIsNotOurs()
{
    // Every round: our save, then at once another program's version under the name. The
    // page must show the change, whatever the timing of the two.
    for (int round = 0; round < 8; ++round) {
        const QString name = QStringLiteral("race%1.txt").arg(round);
        TTabSheet *page = openWritten("0\r\n", name);
        QVERIFY(page);
        QTest::keyClicks(page->Editor(), QStringLiteral("moje"));
        {
            RenameChaser chaser(m_dir->path(), name, "jejich");
            m_form->Files()->mmSaveClick();
            QCOMPARE(m_prompts->overwriteTexts.size(), 0);
        } // the chaser has struck (or given up) when it is gone
        QCOMPARE(TestFiles::ReadBytes(page->Hint()), QByteArray("jejich"));
        QTRY_VERIFY2(watchBar(page), qPrintable(QStringLiteral("round %1").arg(round)));
    }
}

void TestOverwrite::twoPagesOfOneFile()
{
    TTabSheet *first = openWritten("spolecny\r\n");
    const QString path = first->Hint();
    m_form->Files()->OpenFile(path);
    TTabSheet *second = m_form->ActivePage();
    QVERIFY(second != first);

    QTest::keyClicks(first->Editor(), QStringLiteral("1"));
    QTest::keyClicks(second->Editor(), QStringLiteral("2"));
    m_form->PageControl()->SetActivePage(first);
    m_form->Files()->mmSaveClick();
    QVERIFY(m_prompts->overwriteTexts.isEmpty());
    QCOMPARE(TestFiles::ReadBytes(path), QByteArray("1spolecny\r\n"));
    // The first page's save is the second page's change on disk, and only the second's.
    QTRY_VERIFY(watchBar(second));
    QTest::qWait(300);
    QVERIFY(!watchBar(first));
    m_form->PageControl()->SetActivePage(second);
    m_form->Files()->mmSaveClick();
    QCOMPARE(m_prompts->overwriteTexts, QStringList{question(path)});
    QCOMPARE(TestFiles::ReadBytes(path), QByteArray("1spolecny\r\n"));
    QVERIFY(second->Editor()->Modified());
}

void TestOverwrite::writeWhileALargeTextIsSavedIsAsked_data()
{
    QTest::addColumn<Document::Probe>("at");
    QTest::addColumn<bool>("overwrite");
    QTest::newRow("while the save waits for the text, Storno") << Document::Probe::AwaitingWhole << false;
    QTest::newRow("before the rename, Storno") << Document::Probe::BeforeCommit << false;
    QTest::newRow("before the rename, Přepsat") << Document::Probe::BeforeCommit << true;
}

// A letter typed into a large file still coming in, Ctrl+S at once, and another program's
// write at the moments the save is most open to it: it is asked about, never lost unasked.
void TestOverwrite::writeWhileALargeTextIsSavedIsAsked()
{
    QFETCH(Document::Probe, at);
    QFETCH(bool, overwrite);
    QByteArray big;
    while (big.size() < 4 * 1024 * 1024)
        big += "puvodni radek, ktery se nacita dlouho\r\n";
    TTabSheet *page = openWritten(big);
    QVERIFY(page && page->Doc()->Loading());
    const QString path = page->Hint();
    typeKeys(QStringLiteral("m"));
    int writes = 0;
    page->Doc()->SetProbe([&](Document::Probe probe) {
        if (probe == at && writes++ == 0)
            TestFiles::OtherProgram(WriteInPlace, path);
    });
    m_prompts->overwriteAnswers << overwrite;
    save();
    QCOMPARE(writes > 0, true);
    QCOMPARE(m_prompts->overwriteTexts, QStringList{question(path)});
    QCOMPARE(TestFiles::ReadBytes(path), overwrite ? "m" + big : QByteArray("jejich"));
    QCOMPARE(page->Editor()->Modified(), !overwrite);
    // A save given up leaves no temporary file behind.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("a.txt")});
}

QTEST_MAIN(TestOverwrite)
#include "tst_overwrite.moc"
