// The file commands of the main window, driven through the prompt seam: open, save, save as,
// save all, and failed writes.
#include "FileCommandsFixture.h"
#include "TmpfsMount.h"
#include "app/commands/CommandTable.h"
#include "app/commands/PageCommands.h"
#include "app/commands/TextToolCommands.h"
#include "app/commands/ViewCommands.h"
#include "app/pages/TPageControl.h"
#include "app/shell/TMainForm.h"
#include "app/shell/TStatusPanels.h"
#include "editor/view/TRxRichEdit.h"
#include "TFakePrompts.h"

class TestFileCommands : public QObject, FileCommandsFixture
{
    Q_OBJECT

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void openSeveralInTheDialogsOrder();
    void openMissingFileReportsAfterwards();
    void openFailureLeavesNoPage_data();
    void openFailureLeavesNoPage();
    void sameFileTwiceGivesIndependentPages();

    void saveWritesAndRemovesMarker();
    void saveWritesAnUnchangedPageToo();
    void saveGoesToSaveAs_data();
    void saveGoesToSaveAs();
    void saveAsProposalFollowsLastName();
    void saveAsNames_data();
    void saveAsNames();
    void saveAsOverwriteQuestion_data();
    void saveAsOverwriteQuestion();
    void failedWriteChangesNothing_data();
    void failedWriteChangesNothing();
    void fullDiskKeepsOldFile();
    void saveKeepsPermissions();
    void saveThroughSymlinkWritesTarget();

    void saveAllOrderAndFocus();
    void saveAllStopsAtFailedWrite();

    void captionAndStatusFollowTheActivePage();
};

void TestFileCommands::openSeveralInTheDialogsOrder()
{
    const QString c = makeFile("c.txt", "third\r\n");
    const QString a = makeFile("a.txt", "first\nline\rend");
    const QString b = makeFile("b.txt", "");
    m_prompts->openAnswers.enqueue({c, a, b});
    m_form->Files()->mmOpenClick();

    QCOMPARE(pageCount(), 4);
    QCOMPARE(page(0)->Caption(), QStringLiteral("bezejmenný1"));
    const QStringList files{c, a, b};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(page(i + 1)->Hint(), files[i]);
        QCOMPARE(page(i + 1)->Caption(), QFileInfo(files[i]).fileName());
        QCOMPARE(page(i + 1)->ImageIndex(), -1);
        QVERIFY(!page(i + 1)->Editor()->Modified());
    }
    QCOMPARE(page(2)->Editor()->PlainText(), QStringLiteral("first\nline\nend"));
    QCOMPARE(active(), page(3));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Quorvel Tosk - ") + b); // the active page
    QVERIFY(m_prompts->errors.isEmpty());
}

void TestFileCommands::openMissingFileReportsAfterwards()
{
    const QString missing = path("nothing.txt");
    m_form->Files()->OpenFile(missing);
    QCOMPARE(pageCount(), 1);
    QVERIFY(m_prompts->messages.isEmpty()); // not while the caller is still running
    QTRY_COMPARE(m_prompts->messages,
                 QStringList{QStringLiteral("Error|File '%1' does not exist").arg(missing)});
    QCOMPARE(pageCount(), 1);
}

void TestFileCommands::openFailureLeavesNoPage_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder instead of file") << "folder";
    QTest::newRow("longer than the editor holds") << "huge";
}

void TestFileCommands::openFailureLeavesNoPage()
{
    QFETCH(QString, kind);
    QString bad = path("bad.txt");
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(bad));
    } else {
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray line(1023, 'a');
        for (int i = 0; i < 16384; ++i) // 16 Mi characters: one more than the limit allows
            QCOMPARE(f.write(line + '\n'), qint64(1024));
    }
    const QString after = makeFile("after.txt", "x");
    m_prompts->openAnswers.enqueue({bad, after});
    m_form->Files()->mmOpenClick();

    QCOMPARE(pageCount(), 1); // nothing left behind that a Save could write over the file
    QCOMPARE(active(), page(0));
    QCOMPARE(m_prompts->errors.size(), 1);
    QVERIFY2(m_prompts->errors[0].startsWith(QStringLiteral("Error opening ") + bad + " - "),
             qPrintable(m_prompts->errors[0]));
    if (kind == QLatin1String("folder"))
        QCOMPARE(m_prompts->errors[0],
                 "Error opening " + bad + " - Cannot open file " + bad + ": Je to složka");
    QVERIFY(m_form->Commands().Action("mmSave")->isEnabled());
}

void TestFileCommands::sameFileTwiceGivesIndependentPages()
{
    const QString f = makeFile("twice.txt", "text");
    openPage(f);
    openPage(f);
    QCOMPARE(pageCount(), 3);
    QCOMPARE(page(1)->Caption(), page(2)->Caption());
    page(1)->Editor()->SetSelText(QStringLiteral("one "));
    page(2)->Editor()->SetSelText(QStringLiteral("two "));
    QVERIFY(page(1)->Editor()->Modified() && page(2)->Editor()->Modified());
    m_form->PageControl()->SetActivePage(page(2));
    m_form->Files()->mmSaveClick();
    QCOMPARE(TestFiles::ReadBytes(f, "<unreadable>"), QByteArray("two text"));
    QVERIFY(!page(2)->Editor()->Modified());
    QVERIFY(page(1)->Editor()->Modified());
    QCOMPARE(page(1)->ImageIndex(), 0);
}

// ---- saving ----

void TestFileCommands::saveWritesAndRemovesMarker()
{
    const QString f = makeFile("s.txt", "a\nb");
    openPage(f);
    m_form->ActiveEditor()->SetSelStart(3);
    m_form->ActiveEditor()->SetSelText(QStringLiteral("\nč"));
    QCOMPARE(active()->ImageIndex(), 0);
    m_form->Files()->mmSaveClick();
    QCOMPARE(TestFiles::ReadBytes(f, "<unreadable>"), QByteArray("a\nb\n\xe8")); // the file's LF kept
    QVERIFY(!m_form->ActiveEditor()->Modified());
    QCOMPARE(active()->ImageIndex(), -1);
    QCOMPARE(active()->Caption(), QStringLiteral("s.txt"));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Quorvel Tosk - ") + f);
    QVERIFY(m_prompts->saveProposals.isEmpty());
    QVERIFY(m_prompts->confirmTexts.isEmpty());
}

void TestFileCommands::saveWritesAnUnchangedPageToo()
{
    const QString f = makeFile("u.txt", "mine");
    openPage(f);
    QVERIFY(TestFiles::WriteBytes(f, "changed by someone else"));
    m_prompts->overwriteAnswers << true; // another program's change is written over only when asked
    m_form->Files()->mmSaveClick();
    QCOMPARE(m_prompts->overwriteTexts.size(), 1);
    QCOMPARE(TestFiles::ReadBytes(f, "<unreadable>"), QByteArray("mine"));
}

void TestFileCommands::saveGoesToSaveAs_data()
{
    QTest::addColumn<bool>("untitled");
    QTest::newRow("untitled page") << true;
    QTest::newRow("file deleted since it was opened") << false;
}

void TestFileCommands::saveGoesToSaveAs()
{
    QFETCH(bool, untitled);
    if (!untitled) {
        const QString f = makeFile("gone.txt", "x");
        openPage(f);
        QVERIFY(QFile::remove(f));
    }
    type(QStringLiteral("kept"));
    const QString target = path("new.txt");
    m_prompts->saveAnswers.enqueue(target);
    m_form->Files()->mmSaveClick();
    QCOMPARE(m_prompts->saveProposals, QStringList{QStringLiteral("Bez názvu.Txt")});
    QVERIFY(TestFiles::ReadBytes(target, "<unreadable>").startsWith("kept"));
    QCOMPARE(active()->Caption(), QStringLiteral("new.txt"));
    QCOMPARE(active()->Hint(), target);
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Quorvel Tosk - ") + target);

    // From now on the page has a file: Save writes without asking again.
    type(QStringLiteral("more "));
    m_form->Files()->mmSaveClick();
    QCOMPARE(m_prompts->saveProposals.size(), 1);
    QVERIFY(TestFiles::ReadBytes(target, "<unreadable>").startsWith("more kept"));
}

void TestFileCommands::saveAsProposalFollowsLastName()
{
    const QString first = path("zprava.doc.txt");
    m_prompts->saveAnswers << first << QString();
    m_form->Files()->mmSaveAsClick();
    QVERIFY(QFileInfo::exists(first));
    m_form->Files()->mmSaveAsClick(); // cancelled
    QCOMPARE(m_prompts->saveProposals,
             QStringList({QStringLiteral("Bez názvu.Txt"), QStringLiteral("zprava.Txt")}));
    // A page opened from a file has not been saved under a name by this run yet.
    openPage(makeFile("jina.doc", "x"));
    m_form->Files()->mmSaveAsClick();
    QCOMPARE(m_prompts->saveProposals.last(), QStringLiteral("Bez názvu.Txt"));
}

void TestFileCommands::saveAsNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("with extension") << "poznamky.txt"
                                    << "poznamky.txt";
    QTest::newRow("other extension kept") << "dopis.doc"
                                          << "dopis.doc";
    QTest::newRow("without extension") << "poznamky"
                                       << "poznamky.txt";
    QTest::newRow("dot only in the folder") << "a.b/poznamky"
                                            << "a.b/poznamky.txt";
    QTest::newRow("hidden file") << ".poznamky"
                                 << ".poznamky";
}

void TestFileCommands::saveAsNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QDir(m_dir->path()).mkdir(QStringLiteral("a.b"));
    type(QStringLiteral("obsah"));
    m_prompts->saveAnswers.enqueue(path(typed));
    m_form->Files()->mmSaveAsClick();
    QCOMPARE(TestFiles::ReadBytes(path(written), "<unreadable>"), QByteArray("obsah"));
    QCOMPARE(active()->Hint(), path(written));
    QCOMPARE(active()->Caption(), QFileInfo(written).fileName());
    if (typed != written)
        QVERIFY(!QFileInfo::exists(path(typed)));
}

void TestFileCommands::saveAsOverwriteQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << int(TPrompts::Yes);
    QTest::newRow("no") << int(TPrompts::No);
    QTest::newRow("cancel") << int(TPrompts::Cancel);
}

void TestFileCommands::saveAsOverwriteQuestion()
{
    QFETCH(int, answer);
    const QString target = makeFile("exists.txt", "old");
    type(QStringLiteral("new"));
    m_prompts->saveAnswers.enqueue(target);
    m_prompts->confirmAnswers.enqueue(TPrompts::Answer(answer));
    m_form->Files()->mmSaveAsClick();
    QCOMPARE(m_prompts->confirmTexts,
             QStringList{QStringLiteral("Soubor: %1 existuje. Přepsat?").arg(target)});
    if (answer == TPrompts::Yes) {
        QCOMPARE(TestFiles::ReadBytes(target, "<unreadable>"), QByteArray("new"));
        QCOMPARE(active()->Caption(), QStringLiteral("exists.txt"));
        QVERIFY(!m_form->ActiveEditor()->Modified());
        QCOMPARE(active()->ImageIndex(), -1);
    } else {
        QCOMPARE(TestFiles::ReadBytes(target, "<unreadable>"), QByteArray("old"));
        QCOMPARE(active()->Caption(), QStringLiteral("bezejmenný1"));
        QCOMPARE(active()->Hint(), QStringLiteral("bezejmenný1"));
        QVERIFY(m_form->ActiveEditor()->Modified());
        QCOMPARE(active()->ImageIndex(), 0);
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Quorvel Tosk - *bezejmenný1"));
    }
}

void TestFileCommands::failedWriteChangesNothing_data()
{
    QTest::addColumn<QString>("target"); // relative to the test folder
    QTest::addColumn<bool>("needsMount");
    QTest::addColumn<QString>("reason"); // the system's, as the message gives it
    QTest::newRow("folder does not exist") << "missing/x.txt" << false << "Složka neexistuje";
    QTest::newRow("name too long") << QString(300, QLatin1Char('n')) + ".txt" << false
                                   << "Název je příliš dlouhý";
    QTest::newRow("a file used as folder") << "orig.txt/x.txt" << false << "Část cesty není složka";
    QTest::newRow("target is a folder") << "folder.txt" << false << "Je to složka";
    QTest::newRow("read-only folder") << "ro/x.txt" << true << "Disk je jen pro čtení";
    QTest::newRow("read-only file") << "ro/present.txt" << true << "Disk je jen pro čtení";
}

void TestFileCommands::failedWriteChangesNothing()
{
    QFETCH(QString, target);
    QFETCH(bool, needsMount);
    QFETCH(QString, reason);
    const QString orig = makeFile("orig.txt", "original");
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.txt")));
    std::unique_ptr<TmpfsMount> mount;
    if (needsMount) {
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("ro")));
        mount = std::make_unique<TmpfsMount>(path("ro"));
        if (!mount->ok())
            QSKIP("cannot mount a tmpfs here");
        QVERIFY(TestFiles::WriteBytes(path("ro/present.txt"), "protected"));
        QVERIFY(mount->remountReadOnly());
    }
    const QByteArray before = QFileInfo::exists(path(target)) ? TestFiles::ReadBytes(path(target), "<unreadable>") : QByteArray();

    openPage(orig);
    type(QStringLiteral("edited "));
    const QString full = path(target);
    m_prompts->saveAnswers.enqueue(full);
    m_prompts->confirmAnswers.enqueue(TPrompts::Yes); // overwrite, where asked
    m_form->Files()->mmSaveAsClick();

    QCOMPARE(m_prompts->errors, QStringList{QStringLiteral("Cannot create file ") + full + ": " + reason});
    QCOMPARE(TestFiles::ReadBytes(orig, "<unreadable>"), QByteArray("original"));
    if (!before.isEmpty())
        QCOMPARE(TestFiles::ReadBytes(full, "<unreadable>"), before);
    QVERIFY(m_form->ActiveEditor()->Modified());
    QCOMPARE(active()->ImageIndex(), 0);
    QCOMPARE(active()->Caption(), QStringLiteral("orig.txt"));
    QCOMPARE(active()->Hint(), orig);
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Quorvel Tosk - *") + orig);
    QCOMPARE(m_form->ActiveEditor()->PlainText(), QStringLiteral("edited original"));

    // Save on the page still writes to its own file afterwards.
    m_form->Files()->mmSaveClick();
    QCOMPARE(TestFiles::ReadBytes(orig, "<unreadable>"), QByteArray("edited original"));
}

void TestFileCommands::fullDiskKeepsOldFile()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("disk")));
    TmpfsMount mount(path("disk"));
    if (!mount.ok())
        QSKIP("cannot mount a tmpfs here");
    const QString f = path("disk/doc.txt");
    QVERIFY(TestFiles::WriteBytes(f, "old text"));
    openPage(f);
    mount.fillUp();
    type(QString(20000, QLatin1Char('z'))); // far more than the few free bytes
    m_form->Files()->mmSaveClick();

    QCOMPARE(m_prompts->errors, QStringList{QStringLiteral("Cannot create file ") + f + ": Disk je plný"});
    QCOMPARE(TestFiles::ReadBytes(f, "<unreadable>"), QByteArray("old text"));
    QCOMPARE(QDir(path("disk")).entryList(QDir::Files | QDir::Hidden),
             QStringList({QStringLiteral("doc.txt"), QStringLiteral("filler")}));
    QVERIFY(m_form->ActiveEditor()->Modified());
    QCOMPARE(active()->ImageIndex(), 0);

    // The page closes only after an answer that does not need the disk.
    m_prompts->confirmAnswers << TPrompts::Yes;
    m_form->Files()->mmCloseClick();
    QCOMPARE(pageCount(), 2);
}

void TestFileCommands::saveKeepsPermissions()
{
    const QString f = makeFile("perm.txt", "x");
    const auto perms = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther;
    QVERIFY(QFile::setPermissions(f, perms));
    openPage(f);
    type(QStringLiteral("y"));
    m_form->Files()->mmSaveClick();
    QCOMPARE(TestFiles::ReadBytes(f, "<unreadable>"), QByteArray("yx"));
    QCOMPARE(QFile::permissions(f) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser), perms);
}

void TestFileCommands::saveThroughSymlinkWritesTarget()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("real")));
    const QString target = makeFile("real/target.txt", "old");
    const QString link = path("link.txt");
    QVERIFY(QFile::link(target, link));
    openPage(link);
    type(QStringLiteral("new "));
    m_form->Files()->mmSaveClick();
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QFileInfo(link).symLinkTarget(), target);
    QCOMPARE(TestFiles::ReadBytes(target, "<unreadable>"), QByteArray("new old"));
    QCOMPARE(active()->Caption(), QStringLiteral("link.txt"));
}

// ---- save all ----

void TestFileCommands::saveAllOrderAndFocus()
{
    const QString f = makeFile("file.txt", "file");
    openPage(f);                   // page 1
    m_form->Pages()->mmNewClick(); // page 2: bezejmenný2
    type(QStringLiteral("second"));
    QVERIFY(TestFiles::WriteBytes(f, "stale"));

    QStringList seen; // the active page and the file's content whenever Save As opens
    m_prompts->onSaveDialog = [&] {
        seen << active()->Caption() + QLatin1Char('|') + QString::fromLatin1(TestFiles::ReadBytes(f, "<unreadable>"));
    };
    m_prompts->saveAnswers << QString() << path("first.txt"); // cancel, then a name
    // The stale file is written over when asked.
    m_prompts->overwriteAnswers << true;
    m_form->PageControl()->SetActivePage(page(1));
    m_form->Files()->mmSaveAllClick();

    QCOMPARE(seen, QStringList({QStringLiteral("bezejmenný2|stale"), QStringLiteral("bezejmenný1|file")}));
    QCOMPARE(active(), page(0));
    QCOMPARE(page(0)->Caption(), QStringLiteral("first.txt"));
    QVERIFY(QFileInfo::exists(path("first.txt")));
    QCOMPARE(page(2)->Caption(), QStringLiteral("bezejmenný2")); // cancelled: as it was
    QVERIFY(page(2)->Editor()->Modified());
    QVERIFY(m_prompts->confirmTexts.isEmpty());
}

void TestFileCommands::saveAllStopsAtFailedWrite()
{
    const QString a = makeFile("a.txt", "a");
    const QString b = makeFile("b.txt", "b");
    openPage(a);
    openPage(b);
    type(QStringLiteral("B"));
    QVERIFY(QFile::remove(b));
    QVERIFY(QDir().mkdir(b)); // b's name now belongs to a folder: its write fails
    page(1)->Editor()->SetSelText(QStringLiteral("A"));
    m_form->Files()->mmSaveAllClick();
    QCOMPARE(m_prompts->errors, QStringList{QStringLiteral("Cannot create file ") + b + ": Je to složka"});
    QCOMPARE(active(), page(2));
    QCOMPARE(TestFiles::ReadBytes(a, "<unreadable>"), QByteArray("a")); // pages before the failure are left alone
    QVERIFY(page(1)->Editor()->Modified());
    QVERIFY(m_prompts->saveProposals.isEmpty());
}

QTEST_MAIN(TestFileCommands)
// The caption names the active page, marked "*" while modified, through switches, saves and
// closes; with no page it is the program's name alone. Line and column in the status bar
// are the active page's right after a switch.
void TestFileCommands::captionAndStatusFollowTheActivePage()
{
    const QString title = QStringLiteral("Quorvel Tosk - ");
    QCOMPARE(m_form->windowTitle(), title + QStringLiteral("bezejmenný1"));
    const QString a = makeFile("a.txt", "one\ntwo\nthree");
    const QString b = makeFile("b.txt", "b");
    openPage(a);
    openPage(b);
    QCOMPARE(m_form->windowTitle(), title + b);
    TStatusPanels *panels = m_form->StatusPanels();
    m_form->PageControl()->SetActivePageIndex(1);
    QCOMPARE(m_form->windowTitle(), title + a);
    m_form->ActiveEditor()->SetSelStart(9); // line 3, column 2
    QCOMPARE(panels->PanelText(1), QStringLiteral("3"));
    m_form->PageControl()->SetActivePageIndex(2);
    QCOMPARE(panels->PanelText(1), QStringLiteral("1"));
    QCOMPARE(panels->PanelText(2), QStringLiteral("1"));
    m_form->PageControl()->SetActivePageIndex(1);
    QCOMPARE(panels->PanelText(1), QStringLiteral("3"));
    QCOMPARE(panels->PanelText(2), QStringLiteral("2"));

    type(QStringLiteral("x"));
    QCOMPARE(m_form->windowTitle(), title + QStringLiteral("*") + a);
    m_form->Files()->mmSaveClick();
    QCOMPARE(m_form->windowTitle(), title + a);

    // The saved page closed: the caption names the page that is active now, not the file.
    m_form->Files()->mmCloseClick();
    QCOMPARE(pageCount(), 2);
    QCOMPARE(m_form->windowTitle(), title + active()->Hint());
    QVERIFY(!m_form->windowTitle().contains(a));
    m_form->PageControl()->SetActivePageIndex(0);
    type(QStringLiteral("z"));
    QCOMPARE(m_form->windowTitle(), title + QStringLiteral("*bezejmenný1"));
    m_prompts->confirmAnswers.enqueue(TPrompts::No);
    m_form->Files()->mmCloseAllClick();
    QCOMPARE(pageCount(), 0);
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Quorvel Tosk"));
}

#include "tst_filecommands.moc"
