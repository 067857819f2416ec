// The side panel on the shown main window: a folder with Czech file names, a hidden file, an
// executable and a subfolder; files opened by Enter and double clicks, keys that only
// navigate, the folder tree, the drive list, the splitters and the start folder.
#include "app/commands/CommandTable.h"
#include "app/commands/FileCommands.h"
#include "app/commands/PageCommands.h"
#include "app/pages/TPageControl.h"
#include "app/panel/TFilePanel.h"
#include "app/shell/TMainForm.h"
#include "settings/store/TFormStorage.h"
#include "settings/store/TSettingsStore.h"
#include "TestFiles.h"
#include "TFakePrompts.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QProcess>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace {

const QStringList Listed = {"čtenářský deník.txt",      "Ďábelská řeč.txt", "hrad.txt",  "chata.txt",
                            "příliš žluťoučký kůň.txt", "spustit.sh",       "Žádost.txt"};

QStringList pageCaptions(const TMainForm &form)
{
    QStringList captions;
    for (int i = 0; i < form.PageControl()->PageCount(); ++i)
        captions << form.PageControl()->Page(i)->Caption();
    return captions;
}

QStringList recentFiles(const TMainForm &form)
{
    QStringList paths;
    for (QAction *a : form.mmReopen->actions()) {
        if (!a->isSeparator())
            paths << a->statusTip();
    }
    return paths;
}

} // namespace

class TestFilePanel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listsOrdinaryFilesInCzechOrderWithGlyphs();
    void selectedFilesOpenInListOrder_data();
    void selectedFilesOpenInListOrder();
    void otherKeysOnlyNavigate_data();
    void otherKeysOnlyNavigate();
    void doubleClickInEmptyFolderOpensNothing();
    void removedFolderMovesUpToItsParent();
    void errorStopsTheWalkWithItsOwnText();
    void missingFileStillEntersRecentAndCaption();
    void folderOpenedInTreeIsNextStartsFolder_data();
    void folderOpenedInTreeIsNextStartsFolder();
    void driveListKeepsEachDrivesFolder();
    void draggingSplitter1SizesDriveList();
    void storedSizesReachTheWidgets();
    void storedSizesFollowTheScreensResolution();
    void enteredSubfolderStaysOutOfTheList();
    void programGlyphByExtensionToo();
    void unreadableFolderSaysSo();
    void startFolderStaysInViewWhileTheTreeFills();

private:
    QString data(const QString &name = QString()) const
    {
        return name.isEmpty() ? m_dir->filePath(QStringLiteral("Dokumenty"))
                              : m_dir->filePath(QStringLiteral("Dokumenty/") + name);
    }
    QString configFile() const { return m_dir->filePath(QStringLiteral("cfg/QUORTOSK.ini")); }
    void writeConfig(const QByteArray &options);
    // The main window shown, the panel switched on with F9 and its list filled.
    std::unique_ptr<TMainForm> start();
    static QStringList listed(const TFilePanel &panel);
    static QRect itemRect(const TFilePanel &panel, const QString &name);
    static void click(const TFilePanel &panel, const QString &name, Qt::KeyboardModifiers mods = {});
    static bool openInTree(TFilePanel &panel, const QString &name);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TSettingsStore> m_store;
    TFakePrompts m_prompts;
};

void TestFilePanel::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia)); // the order users here see
}

void TestFilePanel::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(data(QStringLiteral("Šablony"))));
    QVERIFY(QDir().mkpath(data(QStringLiteral("Prázdná"))));
    for (const QString &name : Listed)
        QVERIFY(TestFiles::WriteBytes(data(name), "text"));
    QVERIFY(TestFiles::WriteBytes(data(QStringLiteral(".skrytý.txt")), "text"));
    QVERIFY(TestFiles::WriteBytes(data(QStringLiteral("Šablony/vzor.txt")), "text"));
    QVERIFY(QFile::setPermissions(data(QStringLiteral("spustit.sh")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    m_store = std::make_unique<TSettingsStore>(configFile());
    m_prompts = TFakePrompts();
    writeConfig({});
}

void TestFilePanel::cleanup()
{
    m_store.reset();
}

void TestFilePanel::writeConfig(const QByteArray &options)
{
    QDir().mkpath(m_dir->filePath(QStringLiteral("cfg")));
    QFile f(configFile());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("[Options]\nStartDir=" + data().toUtf8() + "\n" + options);
}

std::unique_ptr<TMainForm> TestFilePanel::start()
{
    auto form = std::make_unique<TMainForm>(&m_prompts, m_store.get());
    form->resize(700, 500);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        return nullptr;
    if (!form->pnlLEVY->isVisible())
        QTest::keyClick(form.get(), Qt::Key_F9);
    if (!form->pnlLEVY->isVisible() || !QTest::qWaitFor([&] { return !listed(*form->pnlLEVY).isEmpty(); }))
        return nullptr;
    return form;
}

QStringList TestFilePanel::listed(const TFilePanel &panel)
{
    QStringList names;
    const QAbstractItemModel *model = panel.FileListBox1->model();
    const QModelIndex root = panel.FileListBox1->rootIndex();
    for (int row = 0; model && root.isValid() && row < model->rowCount(root); ++row)
        names << model->index(row, 0, root).data().toString();
    return names;
}

QRect TestFilePanel::itemRect(const TFilePanel &panel, const QString &name)
{
    const QModelIndex root = panel.FileListBox1->rootIndex();
    const QAbstractItemModel *model = panel.FileListBox1->model();
    for (int row = 0; row < model->rowCount(root); ++row) {
        const QModelIndex index = model->index(row, 0, root);
        if (index.data().toString() == name)
            return panel.FileListBox1->visualRect(index);
    }
    return {};
}

void TestFilePanel::click(const TFilePanel &panel, const QString &name, Qt::KeyboardModifiers mods)
{
    const QRect r = itemRect(panel, name);
    QVERIFY2(r.isValid(), qPrintable(name));
    QTest::mouseClick(panel.FileListBox1->viewport(), Qt::LeftButton, mods, r.center());
}

// Double-clicks the folder `name` below the tree's current folder once it has been read.
bool TestFilePanel::openInTree(TFilePanel &panel, const QString &name)
{
    QTreeView *tree = panel.DirectoryListBox1;
    QModelIndex child;
    const bool found = QTest::qWaitFor([&] {
        const QModelIndex current = tree->currentIndex();
        for (int row = 0; row < tree->model()->rowCount(current); ++row) {
            if (tree->model()->index(row, 0, current).data().toString() == name)
                child = tree->model()->index(row, 0, current);
        }
        return child.isValid();
    });
    if (!found)
        return false;
    tree->scrollTo(child);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(child).center());
    return true;
}

void TestFilePanel::listsOrdinaryFilesInCzechOrderWithGlyphs()
{
    auto form = start();
    QVERIFY(form);
    TFilePanel &panel = *form->pnlLEVY;
    // No folders, no hidden file; "ch" after "h" and the letters with háček after their base.
    QTRY_COMPARE(listed(panel), Listed);
    QCOMPARE(panel.Folder(), data());
    QCOMPARE(panel.DriveComboBox1->currentText().isEmpty(), false);

    auto glyph = [&panel](const QString &name) {
        const QModelIndex root = panel.FileListBox1->rootIndex();
        const QModelIndex index = panel.FileListBox1->model()->index(int(Listed.indexOf(name)), 0, root);
        return index.data(Qt::DecorationRole).value<QIcon>().pixmap(16, 16).toImage();
    };
    const QImage document = glyph(QStringLiteral("hrad.txt"));
    QVERIFY(!document.isNull());
    QCOMPARE(glyph(QStringLiteral("Žádost.txt")), document);
    QVERIFY(glyph(QStringLiteral("spustit.sh")) != document);
}

void TestFilePanel::selectedFilesOpenInListOrder_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("opened");
    const QStringList range = Listed.mid(1, 3);
    QTest::newRow("click, Shift+click, Enter") << "shift-enter" << range;
    QTest::newRow("Ctrl+clicks, keypad Enter")
        << "ctrl-keypad" << QStringList{Listed[0], Listed[2], Listed[6]};
    QTest::newRow("click, Shift+double click") << "shift-dclick" << range;
    QTest::newRow("Shift+Down twice, Enter") << "keys" << range;
    QTest::newRow("double click on one file") << "dclick" << QStringList{Listed[4]};
}

void TestFilePanel::selectedFilesOpenInListOrder()
{
    QFETCH(QString, how);
    QFETCH(QStringList, opened);
    auto form = start();
    QVERIFY(form);
    TFilePanel &panel = *form->pnlLEVY;
    QTRY_COMPARE(listed(panel), Listed);
    QListView *list = panel.FileListBox1;
    const QStringList before = pageCaptions(*form);

    if (how == QLatin1String("shift-enter")) {
        click(panel, Listed[1]);
        click(panel, Listed[3], Qt::ShiftModifier);
        QTest::keyClick(list, Qt::Key_Return);
    } else if (how == QLatin1String("ctrl-keypad")) {
        click(panel, Listed[0]);
        click(panel, Listed[6], Qt::ControlModifier);
        click(panel, Listed[2], Qt::ControlModifier);
        QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
    } else if (how == QLatin1String("shift-dclick")) {
        click(panel, Listed[1]);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                           itemRect(panel, Listed[3]).center());
    } else if (how == QLatin1String("keys")) {
        click(panel, Listed[1]);
        QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(list, Qt::Key_Return);
    } else {
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, itemRect(panel, Listed[4]).center());
    }

    QCOMPARE(pageCaptions(*form), before + opened);
    QCOMPARE(form->ActivePage()->Caption(), opened.last());
    QCOMPARE(form->windowTitle(), "Quorvel Tosk - " + data(opened.last()));
    QStringList newestFirst;
    for (const QString &name : opened)
        newestFirst.prepend(data(name));
    QCOMPARE(recentFiles(*form).mid(0, opened.size()), newestFirst);
    QVERIFY(m_prompts.errors.isEmpty());
    QVERIFY(form->Commands().Action("mmSave")->isEnabled());
}

void TestFilePanel::otherKeysOnlyNavigate_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("current"); // the list's current item afterwards
    QTest::newRow("Down moves") << int(Qt::Key_Down) << 0 << Listed[1];
    QTest::newRow("End moves") << int(Qt::Key_End) << 0 << Listed.last();
    QTest::newRow("a letter finds") << int(Qt::Key_S) << 0 << QStringLiteral("spustit.sh");
    QTest::newRow("Space") << int(Qt::Key_Space) << 0 << Listed[0];
    QTest::newRow("Delete deletes nothing") << int(Qt::Key_Delete) << 0 << Listed[0];
    QTest::newRow("F2 renames nothing") << int(Qt::Key_F2) << 0 << Listed[0];
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << Listed[0];
    QTest::newRow("Shift+Delete") << int(Qt::Key_Delete) << int(Qt::ShiftModifier) << Listed[0];
}

void TestFilePanel::otherKeysOnlyNavigate()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, current);
    auto form = start();
    QVERIFY(form);
    TFilePanel &panel = *form->pnlLEVY;
    QTRY_COMPARE(listed(panel), Listed);
    const QStringList pages = pageCaptions(*form);
    const QString title = form->windowTitle();
    click(panel, Listed[0]);

    QTest::keyClick(panel.FileListBox1, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(panel.FileListBox1->currentIndex().data().toString(), current);
    QVERIFY(!panel.FileListBox1->findChild<QLineEdit *>()); // no name being edited
    QCOMPARE(pageCaptions(*form), pages);
    QCOMPARE(form->windowTitle(), title);
    QVERIFY(recentFiles(*form).isEmpty());
    QTest::qWait(50);
    QCOMPARE(listed(panel), Listed);
    QVERIFY(QFile::exists(data(Listed[0])));
}

void TestFilePanel::doubleClickInEmptyFolderOpensNothing()
{
    auto form = start();
    QVERIFY(form);
    TFilePanel &panel = *form->pnlLEVY;
    QVERIFY(openInTree(panel, QStringLiteral("Prázdná")));
    QCOMPARE(panel.Folder(), data(QStringLiteral("Prázdná")));
    QTRY_COMPARE(panel.FileListBox1->rootIndex().data().toString(), QStringLiteral("Prázdná"));
    QVERIFY(listed(panel).isEmpty());
    const QStringList pages = pageCaptions(*form);
    QTest::mouseDClick(panel.FileListBox1->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    QTest::keyClick(panel.FileListBox1, Qt::Key_Return);
    QCOMPARE(pageCaptions(*form), pages);
    QVERIFY(m_prompts.errors.isEmpty());
    QCOMPARE(form->windowTitle(), QStringLiteral("Quorvel Tosk - bezejmenný1"));
}

void TestFilePanel::removedFolderMovesUpToItsParent()
{
    auto form = start();
    QVERIFY(form);
    TFilePanel &panel = *form->pnlLEVY;
    QVERIFY(openInTree(panel, QStringLiteral("Šablony")));
    QTRY_COMPARE(listed(panel), QStringList{"vzor.txt"});
    QVERIFY(QDir(data(QStringLiteral("Šablony"))).removeRecursively());
    // Not the vanished folder's old files: the folder that is still there.
    QTRY_COMPARE(panel.Folder(), data());
    QTRY_COMPARE(listed(panel), Listed);
    QCOMPARE(panel.DirectoryListBox1->currentIndex().data().toString(), QStringLiteral("Dokumenty"));
}

void TestFilePanel::errorStopsTheWalkWithItsOwnText()
{
    // The middle file is larger than the editor takes: reading it fails.
    QFile big(data(QStringLiteral("hrad.txt")));
    QVERIFY(big.open(QIODevice::ReadWrite));
    QVERIFY(big.resize(80'000'000)); // sparse: costs no disk
    big.close();
    auto form = start();
    QVERIFY(form);
    TFilePanel &panel = *form->pnlLEVY;
    QTRY_COMPARE(listed(panel), Listed);
    const QStringList before = pageCaptions(*form);
    click(panel, Listed[1]);
    click(panel, Listed[3], Qt::ShiftModifier);
    QTest::keyClick(panel.FileListBox1, Qt::Key_Return);

    QCOMPARE(pageCaptions(*form), before + QStringList{Listed[1]});
    QCOMPARE(m_prompts.errors.size(), 1);
    QVERIFY2(m_prompts.errors[0].contains(data(QStringLiteral("hrad.txt"))), qPrintable(m_prompts.errors[0]));
    QVERIFY2(!m_prompts.errors[0].startsWith(QStringLiteral("Error opening")),
             qPrintable(m_prompts.errors[0]));
    QCOMPARE(recentFiles(*form), QStringList{data(Listed[1])});
    QCOMPARE(form->windowTitle(), "Quorvel Tosk - " + data(Listed[1]));
}

void TestFilePanel::missingFileStillEntersRecentAndCaption()
{
    auto form = start();
    QVERIFY(form);
    TFilePanel &panel = *form->pnlLEVY;
    QTRY_COMPARE(listed(panel), Listed);
    const QStringList before = pageCaptions(*form);
    click(panel, Listed[6]);
    QVERIFY(QFile::remove(data(Listed[6]))); // gone before the list hears of it
    QTest::keyClick(panel.FileListBox1, Qt::Key_Return);

    QCOMPARE(pageCaptions(*form), before);
    QCOMPARE(recentFiles(*form), QStringList{data(Listed[6])});
    QCOMPARE(form->windowTitle(), QStringLiteral("Quorvel Tosk - bezejmenný1")); // names the active page
    QTRY_COMPARE(m_prompts.messages, QStringList{"Error|File '" + data(Listed[6]) + "' does not exist"});
}

void TestFilePanel::folderOpenedInTreeIsNextStartsFolder_data()
{
    QTest::addColumn<bool>("byExit");
    QTest::newRow("left by Alt+F4 (Konec)") << true;
    QTest::newRow("left by the close box") << false;
}

void TestFilePanel::folderOpenedInTreeIsNextStartsFolder()
{
    QFETCH(bool, byExit);
    const QString sub = data(QStringLiteral("Šablony"));
    {
        auto form = start();
        QVERIFY(form);
        QVERIFY(openInTree(*form->pnlLEVY, QStringLiteral("Šablony")));
        QCOMPARE(form->pnlLEVY->Folder(), sub);
        QTRY_COMPARE(listed(*form->pnlLEVY), QStringList{"vzor.txt"});
        if (byExit)
            QTest::keyClick(form.get(), Qt::Key_F4, Qt::AltModifier);
        else
            form->close();
        QVERIFY(!form->isVisible());
    }
    auto again = start();
    QVERIFY(again);
    QCOMPARE(again->pnlLEVY->Folder(), byExit ? sub : data());
    QTRY_COMPARE(listed(*again->pnlLEVY), byExit ? QStringList{"vzor.txt"} : Listed);
    QCOMPARE(again->pnlLEVY->DirectoryListBox1->currentIndex().data().toString(),
             byExit ? QStringLiteral("Šablony") : QStringLiteral("Dokumenty"));
}

void TestFilePanel::driveListKeepsEachDrivesFolder()
{
    const QString home = QDir::cleanPath(QDir::homePath());
    if (home == QLatin1String("/") || data().startsWith(home + QLatin1Char('/')))
        QSKIP("the temporary folder lies in the home folder");
    auto form = start();
    QVERIFY(form);
    TFilePanel &panel = *form->pnlLEVY;
    QComboBox *drives = panel.DriveComboBox1;
    const int homeIndex = drives->findText(home);
    QVERIFY2(homeIndex > 0, qPrintable(home));
    const QString dataDrive = drives->currentText();

    // The keys choose one drive after the other, as a user stepping through the closed list.
    drives->setFocus();
    while (drives->currentIndex() < homeIndex)
        QTest::keyClick(drives, Qt::Key_Down);
    QCOMPARE(panel.Folder(), home);
    QTRY_COMPARE(panel.FileListBox1->rootIndex().data(QFileSystemModel::FilePathRole).toString(), home);
    while (drives->currentText() != dataDrive && drives->currentIndex() > 0)
        QTest::keyClick(drives, Qt::Key_Up);
    QCOMPARE(panel.Folder(), data()); // not that drive's root: the folder left there
    QTRY_COMPARE(listed(panel), Listed);
}

void TestFilePanel::draggingSplitter1SizesDriveList()
{
    auto form = start();
    QVERIFY(form);
    TFilePanel &panel = *form->pnlLEVY;
    QTRY_COMPARE(panel.width(), 140);
    QCOMPARE(panel.DriveComboBox1->width(), 137);
    QWidget *handle = form->Splitter1->handle(1);
    const QPoint from = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, {}, from);
    QTest::mouseMove(handle, from + QPoint(60, 0));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, from + QPoint(60, 0));
    const int width = panel.width();
    QVERIFY2(qAbs(width - 200) <= 1, qPrintable(QString::number(width))); // the handle's own pixel
    QCOMPARE(panel.DriveComboBox1->width(), width);
    form->close();
    TSettingsSession s(*m_store);
    QCOMPARE(s.ReadString("Options", "pnlLEVY_Width"), QString::number(width));
    QCOMPARE(s.ReadString("Options", "DriveComboBox1_Width"), QString::number(width));
}

void TestFilePanel::storedSizesReachTheWidgets()
{
    writeConfig("pnlLEVY_Visible=True\nmmSpeed_Checked=True\npnlLEVY_Width=180\npnlDIRS_Height=150\n"
                "DriveComboBox1_Width=90\n");
    auto form = start();
    QVERIFY(form);
    TFilePanel &panel = *form->pnlLEVY;
    QTRY_COMPARE(panel.width(), 180);
    QTRY_COMPARE(panel.pnlDIRS->height(), 150);
    QCOMPARE(panel.DriveComboBox1->width(), 90);
    // Hidden and shown again, the folder part keeps its height.
    QTest::keyClick(form.get(), Qt::Key_F9);
    QVERIFY(!panel.isVisible());
    QTest::keyClick(form.get(), Qt::Key_F9);
    QTRY_COMPARE(panel.pnlDIRS->height(), 150);
}

// The sizes are kept at 96 dots per inch: on a screen of 192 they are twice as large, and
// written back as they were read. Runs this test again in a process of its own whose screen
// has 192 dots per inch.
void TestFilePanel::storedSizesFollowTheScreensResolution()
{
    if (qEnvironmentVariableIsEmpty("QUORTOSK_TEST_DPI_CHILD")) {
        const QString config = m_dir->filePath(QStringLiteral("screen.json"));
        QVERIFY(TestFiles::WriteBytes(config, R"({"screens": [{"name": "big", "x": 0, "y": 0,
            "width": 2400, "height": 1600, "logicalDpi": 192, "logicalBaseDpi": 96, "dpr": 1}]})"));
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUORTOSK_TEST_DPI_CHILD"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
        env.insert(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"), QStringLiteral("0"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("storedSizesFollowTheScreensResolution")});
        QVERIFY(child.waitForFinished(120000));
        const QByteArray out = child.readAll();
        QVERIFY2(child.exitCode() == 0
                     && out.contains("PASS   : TestFilePanel::storedSizesFollowTheScreensResolution"),
                 out.constData());
        return;
    }
    QCOMPARE(TFormStorage::PixelsPerInch(), 192);
    writeConfig("pnlLEVY_Visible=True\nmmSpeed_Checked=True\npnlLEVY_Width=180\npnlDIRS_Height=150\n"
                "DriveComboBox1_Width=90\n");
    for (int run = 0; run < 2; ++run) { // a second start must not grow them
        auto form = start();
        QVERIFY(form);
        form->resize(1400, 1000);
        TFilePanel &panel = *form->pnlLEVY;
        QTRY_COMPARE(panel.width(), 360);
        QTRY_COMPARE(panel.pnlDIRS->height(), 300);
        QCOMPARE(panel.DriveComboBox1->width(), 180);
        form->close();
        TSettingsSession s(*m_store);
        QCOMPARE(s.ReadString("Options", "pnlLEVY_Width"), QStringLiteral("180"));
        QCOMPARE(s.ReadString("Options", "pnlDIRS_Height"), QStringLiteral("150"));
        QCOMPARE(s.ReadString("Options", "DriveComboBox1_Width"), QStringLiteral("90"));
    }
}

// The file model keeps the folders it has been through: after going down into a folder and
// back up, that folder must still not be listed.
void TestFilePanel::enteredSubfolderStaysOutOfTheList()
{
    auto form = start();
    QVERIFY(form);
    TFilePanel &panel = *form->pnlLEVY;
    QTRY_COMPARE(listed(panel), Listed);
    QVERIFY(openInTree(panel, QStringLiteral("Šablony")));
    QTRY_COMPARE(listed(panel), QStringList{"vzor.txt"});
    QVERIFY(panel.SetFolder(data()));
    QTRY_COMPARE(listed(panel), Listed);
    QTest::qWait(200); // the model's reading thread has had its say
    QCOMPARE(listed(panel), Listed);
}

void TestFilePanel::programGlyphByExtensionToo()
{
    for (const char *name : {"instalace.EXE", "dávka.bat", "starý.com", "zástupce.pif", "exe.txt"})
        QVERIFY(TestFiles::WriteBytes(data(QString::fromUtf8(name)), "x"));
    auto form = start();
    QVERIFY(form);
    TFilePanel &panel = *form->pnlLEVY;
    QTRY_VERIFY(listed(panel).contains(QStringLiteral("zástupce.pif")));
    auto glyph = [&panel](const QString &name) {
        const QModelIndex root = panel.FileListBox1->rootIndex();
        const QAbstractItemModel *model = panel.FileListBox1->model();
        for (int row = 0; row < model->rowCount(root); ++row) {
            const QModelIndex index = model->index(row, 0, root);
            if (index.data().toString() == name)
                return index.data(Qt::DecorationRole).value<QIcon>().pixmap(16, 16).toImage();
        }
        return QImage();
    };
    const QImage document = glyph(QStringLiteral("hrad.txt"));
    const QImage program = glyph(QStringLiteral("spustit.sh"));
    QVERIFY(!document.isNull() && program != document);
    for (const char *name : {"instalace.EXE", "dávka.bat", "starý.com", "zástupce.pif"})
        QVERIFY2(glyph(QString::fromUtf8(name)) == program, name);
    QCOMPARE(glyph(QStringLiteral("exe.txt")), document);
}

// Root reads every folder: whether a folder can be read is asked through the panel's own
// question, answered here for the folder "Prázdná".
void TestFilePanel::unreadableFolderSaysSo()
{
    auto form = start();
    QVERIFY(form);
    TFilePanel &panel = *form->pnlLEVY;
    QVERIFY(!panel.lblNoAccess->isVisible());
    const QString locked = data(QStringLiteral("Prázdná"));
    panel.FolderReadable = [locked](const QString &folder) { return folder != locked; };
    QVERIFY(panel.SetFolder(locked));
    QVERIFY(panel.lblNoAccess->isVisible());
    QCOMPARE(panel.lblNoAccess->text(), QStringLiteral("Přístup odepřen"));
    QVERIFY(panel.SetFolder(data()));
    QVERIFY(!panel.lblNoAccess->isVisible());
    QTRY_COMPARE(listed(panel), Listed);
}

// The tree reads the folders above the start folder after it is shown, and folders appear
// there later too; they come in above it and are sorted. The start folder stays in view, open,
// and the current one, until the user scrolls.
void TestFilePanel::startFolderStaysInViewWhileTheTreeFills()
{
    writeConfig("pnlLEVY_Visible=True\nmmSpeed_Checked=True\n"); // the panel comes up with the window
    auto form = start();
    QVERIFY(form);
    QTreeView *tree = form->pnlLEVY->DirectoryListBox1;
    auto shownPath = [](const QModelIndex &i) { return i.data(QFileSystemModel::FilePathRole).toString(); };
    // Every folder of the drive on the way down has all its subfolders in the tree.
    auto filled = [&] {
        for (QModelIndex i = tree->currentIndex().parent(); i.isValid() && i != tree->rootIndex();
             i = i.parent()) {
            const QString path = shownPath(i);
            if (tree->model()->rowCount(i)
                < QDir(path).entryList(QDir::AllDirs | QDir::NoDotAndDotDot).size())
                return false;
        }
        return true;
    };
    auto inView = [&] {
        const QRect r = tree->visualRect(tree->currentIndex());
        return r.isValid() && r.top() >= 0 && r.bottom() < tree->viewport()->height();
    };
    auto addFolders = [&](int count) {
        for (int i = 0; i < count; ++i) // sorted above "Dokumenty"
            QVERIFY(
                QDir().mkpath(m_dir->filePath(QStringLiteral("Archiv %1").arg(i, 2, 10, QLatin1Char('0')))));
    };
    QVERIFY(QTest::qWaitFor(filled, 20000)); // waited for, not asked again: other tests add folders to /tmp
    addFolders(40); // far more than the tree shows
    QVERIFY(QTest::qWaitFor(filled, 20000));
    QTRY_VERIFY(inView());
    QTest::qWait(300); // and not only for a moment
    QVERIFY(inView());
    QCOMPARE(shownPath(tree->currentIndex()), data());
    QVERIFY(tree->isExpanded(tree->currentIndex()));

    // A user who scrolls away is not pulled back when more folders come in; choosing a
    // folder brings the tree to it again.
    tree->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    addFolders(41);
    QVERIFY(QTest::qWaitFor(filled, 20000));
    QTest::qWait(100);
    QCOMPARE(tree->verticalScrollBar()->value(), 0);
    QVERIFY(form->pnlLEVY->SetFolder(data(QStringLiteral("Šablony"))));
    QTRY_VERIFY(inView());
}

QTEST_MAIN(TestFilePanel)
#include "tst_filepanel.moc"
