// The main window's stored settings, recent files and start folder, on the real window.
#include "app/commands/CommandTable.h"
#include "app/commands/EditCommands.h"
#include "app/commands/FileCommands.h"
#include "app/commands/PageCommands.h"
#include "app/commands/TextToolCommands.h"
#include "app/commands/ViewCommands.h"
#include "app/pages/TPageControl.h"
#include "app/shell/TMainForm.h"
#include "editor/view/TRxRichEdit.h"
#include "settings/store/TSettingsStore.h"
#include "speedbar/TSpeedBar.h"
#include "TFakePrompts.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

class TestMainFormSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void firstStartWritesDesignedValues_data();
    void firstStartWritesDesignedValues();
    void storedValuesComeBack_data();
    void storedValuesComeBack();
    void lowerCaseFalseUnticksWrapOfNewPages();
    void restoredViewReachesTheWindow();
    void fontAndColoursReachNewPages();
    void standardLookIsStoredAsBlackOnWhite();
    void storedShowCmd2StartsMinimized();
    void placementSurvivesRestart();

    void storedRecentFilesWithGapsFillTheMenu();
    void emptyRecentListDisablesTheSubmenu();
    void elevenFilesKeepTenItems();
    void choosingAnItemOpensItWithoutMovingIt();
    void choosingAMissingFileShowsTheMessage();
    void openAndSaveAsEnterWithUserData1();
    void commandLineFileKeepsNumberOfListedEntry();

    void exitWritesStartDir_data();
    void exitWritesStartDir();
    void closeBoxKeepsStartDir();

    void damagedFileIsToldOnceAndStillCloses();
    void unwritableFileIsToldOnceAndStillCloses();
    void nonTextStartDirIsToldAndWindowOpens();
    void destroyedWithoutCloseSavesVisible1();
    void withoutStoreNothingIsWritten();

private:
    QString fileName() const { return m_dir->filePath(QStringLiteral("cfg/QUORTOSK.ini")); }
    void writeFile(const QByteArray &bytes)
    {
        QDir().mkpath(m_dir->filePath(QStringLiteral("cfg")));
        QFile f(fileName());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QString read(const QString &key, const QString &name) const
    {
        TSettingsStore store(fileName());
        TSettingsSession s(store);
        return s.ReadString(key, name, QStringLiteral("<missing>"));
    }
    std::unique_ptr<TMainForm> start()
    {
        auto form = std::make_unique<TMainForm>(&m_prompts, m_store.get());
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return nullptr;
        return form;
    }
    static bool closeForm(TMainForm &form)
    {
        form.close();
        return !form.isVisible();
    }
    static QStringList menuTexts(const TMainForm &form)
    {
        QStringList texts;
        for (QAction *a : form.mmReopen->actions())
            texts << a->text();
        return texts;
    }
    QString makeFile(const QString &name)
    {
        const QString path = m_dir->filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("text of " + name.toUtf8());
        return path;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TSettingsStore> m_store;
    TFakePrompts m_prompts;
};

void TestMainFormSettings::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_store = std::make_unique<TSettingsStore>(fileName());
    m_prompts = TFakePrompts();
}

void TestMainFormSettings::cleanup()
{
    m_store.reset();
}

void TestMainFormSettings::firstStartWritesDesignedValues_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    const char *rows[][2] = {{"itmWrap_Checked", "True"},
                             {"mmStatusBar_Checked", "False"},
                             {"StatusBar_Visible", "False"},
                             {"PageControl1_MultiLine", "False"},
                             {"pnlLEVY_Width", "140"},
                             {"pnlLEVY_Visible", "False"},
                             {"mmSpeed_Checked", "False"},
                             {"pnlDIRS_Height", "105"},
                             {"PageControl1_TabPosition", "tpTop"},
                             {"DriveComboBox1_Width", "137"},
                             {"mmTOOLBAR_Checked", "False"},
                             {"editvzor2_FontCharset", "238"},
                             {"editvzor2_FontColor", "-2147483640"},
                             {"editvzor2_FontName", "Courier New"},
                             {"editvzor2_FontPitch", "fpDefault"},
                             {"editvzor2_FontSize", "8"},
                             {"editvzor2_FontStyle", "[]"},
                             {"editvzor2_Color", "-2147483643"},
                             {"ToolBar_Visible", "False"},
                             {"mmAutoSpell_Checked", "False"},
                             {"Flags", "0"},
                             {"ShowCmd", "1"},
                             {"Visible", "0"},
                             {"NormPos", "137,82,575,413"},
                             {"StartDir", "<missing>"}};
    for (const auto &r : rows)
        QTest::newRow(r[0]) << QString(r[0]) << QString(r[1]);
}

void TestMainFormSettings::firstStartWritesDesignedValues()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    auto form = start();
    QVERIFY(form);
    QVERIFY(closeForm(*form));
    QCOMPARE(read("Options", name), expected);
    QVERIFY(m_prompts.errors.isEmpty());
    // No recent files: no key for them.
    TSettingsSession s(*m_store);
    QVERIFY(!s.KeyExists("Options\\TMainForm.MRUMan"));
}

void TestMainFormSettings::storedValuesComeBack_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("lower-case false") << QByteArray("itmWrap_Checked=false") << "itmWrap_Checked"
                                      << "False";
    QTest::newRow("status bar shown")
        << QByteArray("StatusBar_Visible=True\nmmStatusBar_Checked=True") << "StatusBar_Visible"
        << "True";
    QTest::newRow("status bar tick") << QByteArray("StatusBar_Visible=True\nmmStatusBar_Checked=True")
                                     << "mmStatusBar_Checked"
                                     << "True";
    QTest::newRow("tabs at the bottom")
        << QByteArray("PageControl1_TabPosition=tpBottom") << "PageControl1_TabPosition"
        << "tpBottom";
    QTest::newRow("bad tab position")
        << QByteArray("PageControl1_TabPosition=tpSideways") << "PageControl1_TabPosition"
        << "tpTop";
    QTest::newRow("multi-row tabs") << QByteArray("PageControl1_MultiLine=TRUE") << "PageControl1_MultiLine"
                                    << "True";
    QTest::newRow("width no number") << QByteArray("pnlLEVY_Width=wide") << "pnlLEVY_Width"
                                     << "0";
    QTest::newRow("hidden panel width") << QByteArray("pnlLEVY_Width=180") << "pnlLEVY_Width"
                                        << "180";
    QTest::newRow("shown panel width")
        << QByteArray("pnlLEVY_Width=200\npnlLEVY_Visible=True\nmmSpeed_Checked=True") << "pnlLEVY_Width"
        << "200";
    QTest::newRow("panel shown") << QByteArray("pnlLEVY_Visible=True") << "pnlLEVY_Visible"
                                 << "True";
    QTest::newRow("folder part height") << QByteArray("pnlDIRS_Height=77") << "pnlDIRS_Height"
                                        << "77";
    QTest::newRow("drive box width") << QByteArray("DriveComboBox1_Width=99") << "DriveComboBox1_Width"
                                     << "99";
    QTest::newRow("toolbar shown") << QByteArray("ToolBar_Visible=True\nmmTOOLBAR_Checked=True")
                                   << "ToolBar_Visible"
                                   << "True";
    QTest::newRow("style with a blank")
        << QByteArray("editvzor2_FontStyle=\"[fsBold, fsItalic]\"") << "editvzor2_FontStyle"
        << "[fsBold,fsItalic]";
    QTest::newRow("font name") << QByteArray("editvzor2_FontName=Liberation Mono") << "editvzor2_FontName"
                               << "Liberation Mono";
    QTest::newRow("font size") << QByteArray("editvzor2_FontSize=12") << "editvzor2_FontSize"
                               << "12";
    QTest::newRow("size wins over height")
        << QByteArray("editvzor2_FontHeight=-16\neditvzor2_FontSize=10") << "editvzor2_FontSize"
        << "10";
    QTest::newRow("height alone gives the size")
        << QByteArray("editvzor2_FontHeight=-16") << "editvzor2_FontSize"
        << "12";
    QTest::newRow("font colour") << QByteArray("editvzor2_FontColor=16711680") << "editvzor2_FontColor"
                                 << "16711680";
    QTest::newRow("background") << QByteArray("editvzor2_Color=255") << "editvzor2_Color"
                                << "255";
    QTest::newRow("bad background keeps window colour")
        << QByteArray("editvzor2_Color=red") << "editvzor2_Color"
        << "-2147483643";
    QTest::newRow("character set") << QByteArray("editvzor2_FontCharset=0") << "editvzor2_FontCharset"
                                   << "0";
    QTest::newRow("pitch") << QByteArray("editvzor2_FontPitch=FPFIXED") << "editvzor2_FontPitch"
                           << "fpFixed";
    QTest::newRow("recent file user number")
        << QByteArray("TMainForm.MRUMan\\Item_0=/a\nTMainForm.MRUMan\\User_0=1") << "TMainForm.MRUMan\\User_0"
        << "1";
}

void TestMainFormSettings::storedValuesComeBack()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    writeFile("[Options]\n" + stored + "\n");
    auto form = start();
    QVERIFY(form);
    QVERIFY(closeForm(*form));
    const qsizetype slash = name.lastIndexOf(QLatin1Char('\\'));
    const QString key = slash < 0 ? QStringLiteral("Options") : "Options\\" + name.left(slash);
    QCOMPARE(read(key, name.mid(slash + 1)), expected);
    QVERIFY(m_prompts.errors.isEmpty());
}

void TestMainFormSettings::lowerCaseFalseUnticksWrapOfNewPages()
{
    writeFile("[Options]\nitmWrap_Checked=false\n");
    auto form = start();
    QVERIFY(form);
    QVERIFY(!form->Commands().Action("itmWrap")->isChecked());
    QVERIFY(!form->TemplateEditor()->WordWrap());
    QVERIFY(form->ActiveEditor());
    QVERIFY(!form->ActiveEditor()->WordWrap());
}

void TestMainFormSettings::restoredViewReachesTheWindow()
{
    writeFile(
        "[Options]\nStatusBar_Visible=True\nmmStatusBar_Checked=True\nPageControl1_TabPosition=TPBOTTOM\n"
        "PageControl1_MultiLine=True\npnlLEVY_Visible=True\npnlLEVY_Width=150\nToolBar_Visible=True\n");
    auto form = start();
    QVERIFY(form);
    QVERIFY(form->StatusBar->isVisible());
    QVERIFY(form->Commands().Action("mmStatusBar")->isChecked());
    QVERIFY(form->PageControl1->TabsAtBottom());
    QVERIFY(form->PageControl1->MultiLine());
    QVERIFY(form->ToolBar->isVisible());
    QVERIFY(form->pnlLEVY->isVisible());
    QTRY_COMPARE(form->pnlLEVY->width(), 150);
    // Not stored: the toolbar's and side panel's ticks stay as stored (here: none).
    QVERIFY(!form->Commands().Action("mmTOOLBAR")->isChecked());
}

void TestMainFormSettings::fontAndColoursReachNewPages()
{
    writeFile("[Options]\neditvzor2_FontStyle=[fsBold, fsItalic]\neditvzor2_FontSize=12\n"
              "editvzor2_FontName=Liberation Mono\neditvzor2_Color=255\neditvzor2_FontColor=16711680\n");
    auto form = start();
    QVERIFY(form);
    const QFont font = form->TemplateEditor()->font();
    QVERIFY(font.bold());
    QVERIFY(font.italic());
    QVERIFY(!font.underline());
    QCOMPARE(font.pointSize(), 12);
    QCOMPARE(font.family(), QStringLiteral("Liberation Mono"));
    TRxRichEdit *editor = form->ActiveEditor();
    QVERIFY(editor);
    QVERIFY(editor->font().bold());
    QCOMPARE(editor->font().pointSize(), 12);
    QCOMPARE(editor->palette().color(QPalette::Active, QPalette::Base), QColor(255, 0, 0));
    QCOMPARE(editor->palette().color(QPalette::Active, QPalette::Text), QColor(0, 0, 255));
}

// The desktop's window colours are white and black here too: "&Standard" must still store
// the colours themselves, or a dark desktop theme would darken the editor at the next start.
void TestMainFormSettings::standardLookIsStoredAsBlackOnWhite()
{
    QPalette desktop = QGuiApplication::palette();
    desktop.setColor(QPalette::Base, Qt::white);
    desktop.setColor(QPalette::Text, Qt::black);
    QApplication::setPalette(desktop);
    auto form = start();
    QVERIFY(form);
    bool pressed = false;
    QTimer::singleShot(0, [&pressed] {
        QWidget *dialog = QApplication::activeModalWidget();
        auto *standard = dialog ? dialog->findChild<QPushButton *>(QStringLiteral("Button2")) : nullptr;
        auto *ok = dialog ? dialog->findChild<QPushButton *>(QStringLiteral("btnOK")) : nullptr;
        if (!standard || !ok) {
            if (dialog)
                dialog->close();
            return;
        }
        standard->click();
        ok->click();
        pressed = true;
    });
    form->Commands().Action(QStringLiteral("mmNASTAV"))->trigger();
    QVERIFY(pressed);
    QVERIFY(closeForm(*form));
    QCOMPARE(read("Options", "editvzor2_Color"), QStringLiteral("16777215"));
    QCOMPARE(read("Options", "editvzor2_FontColor"), QStringLiteral("0"));
    QCOMPARE(read("Options", "editvzor2_FontName"), QStringLiteral("Courier New"));
}

void TestMainFormSettings::storedShowCmd2StartsMinimized()
{
    writeFile("[Options]\nShowCmd=2\n");
    auto form = std::make_unique<TMainForm>(&m_prompts, m_store.get());
    form->show();
    QTRY_VERIFY(form->isMinimized());
    QCOMPARE(form->PageControl1->PageCount(), 1); // the first page is there all the same
}

void TestMainFormSettings::placementSurvivesRestart()
{
    {
        auto form = start();
        QVERIFY(form);
        form->move(33, 44);
        form->resize(520, 410);
        QVERIFY(closeForm(*form));
    }
    auto form = start();
    QVERIFY(form);
    QCOMPARE(form->pos(), QPoint(33, 44));
    QCOMPARE(form->size(), QSize(520, 410));
}

void TestMainFormSettings::storedRecentFilesWithGapsFillTheMenu()
{
    writeFile(
        "[Options]\nTMainForm.MRUMan\\Item_0=/data/zero.txt\nTMainForm.MRUMan\\Item_5=/data/five.txt\n");
    auto form = start();
    QVERIFY(form);
    QCOMPARE(menuTexts(*form), (QStringList{"&1\t/data/zero.txt", "&2\t/data/five.txt"}));
    QCOMPARE(form->mmReopen->actions().at(1)->statusTip(), QStringLiteral("/data/five.txt"));
    QVERIFY(form->mmReopen->isEnabled());
    QVERIFY(form->mmReopen->menuAction()->isEnabled());
    QVERIFY(closeForm(*form));
    QCOMPARE(read("Options\\TMainForm.MRUMan", "Item_1"), QStringLiteral("/data/five.txt"));
    QCOMPARE(read("Options\\TMainForm.MRUMan", "Item_5"), QStringLiteral("<missing>"));
}

void TestMainFormSettings::emptyRecentListDisablesTheSubmenu()
{
    auto form = start();
    QVERIFY(form);
    QVERIFY(form->mmReopen->actions().isEmpty());
    QVERIFY(!form->mmReopen->menuAction()->isEnabled());
    form->AddToRecent(QStringLiteral("/x.txt"), 1);
    QVERIFY(form->mmReopen->menuAction()->isEnabled());
}

void TestMainFormSettings::elevenFilesKeepTenItems()
{
    auto form = start();
    QVERIFY(form);
    for (int i = 1; i <= 11; ++i)
        form->AddToRecent(QStringLiteral("/f%1.txt").arg(i), 1);
    const QStringList texts = menuTexts(*form);
    QCOMPARE(texts.size(), 10);
    QCOMPARE(texts.first(), QStringLiteral("&1\t/f11.txt"));
    QCOMPARE(texts.last(), QStringLiteral("&A\t/f2.txt"));
    form->AddToRecent(QStringLiteral("/f5.txt"), 1);
    QCOMPARE(menuTexts(*form).first(), QStringLiteral("&1\t/f5.txt"));
    QCOMPARE(menuTexts(*form).size(), 10);
}

void TestMainFormSettings::choosingAnItemOpensItWithoutMovingIt()
{
    const QString a = makeFile("a.txt"), b = makeFile("b.txt"), c = makeFile("c.txt");
    auto form = start();
    QVERIFY(form);
    form->AddToRecent(a, 1);
    form->AddToRecent(b, 1);
    form->AddToRecent(c, 1);
    const QStringList before = menuTexts(*form);
    form->mmReopen->actions().at(2)->trigger(); // the third item: a.txt
    QCOMPARE(form->PageControl1->PageCount(), 2);
    QCOMPARE(form->ActivePage()->Hint(), a);
    QCOMPARE(form->ActiveEditor()->PlainText(), QStringLiteral("text of a.txt"));
    QCOMPARE(menuTexts(*form), before);
    QVERIFY(form->Commands().Action("mmSave")->isEnabled()
            || form->Commands().Action("mmSaveAs")->isEnabled());
}

void TestMainFormSettings::choosingAMissingFileShowsTheMessage()
{
    const QString gone = m_dir->filePath(QStringLiteral("gone.txt"));
    auto form = start();
    QVERIFY(form);
    form->AddToRecent(gone, 1);
    form->AddToRecent(QStringLiteral("/other.txt"), 1);
    form->mmReopen->actions().at(1)->trigger();
    QTRY_COMPARE(m_prompts.messages.size(), 1);
    QVERIFY2(m_prompts.messages.first().endsWith(QStringLiteral("File '%1' does not exist").arg(gone)),
             qPrintable(m_prompts.messages.first()));
    QCOMPARE(menuTexts(*form), (QStringList{"&1\t/other.txt", "&2\t" + gone}));
    QCOMPARE(form->PageControl1->PageCount(), 1);
}

void TestMainFormSettings::openAndSaveAsEnterWithUserData1()
{
    const QString a = makeFile("a.txt");
    const QString saved = m_dir->filePath(QStringLiteral("saved.txt"));
    auto form = start();
    QVERIFY(form);
    m_prompts.openAnswers.enqueue({a});
    form->Files()->mmOpenClick();
    m_prompts.saveAnswers.enqueue(saved);
    form->Files()->mmSaveAsClick();
    QCOMPARE(menuTexts(*form), (QStringList{"&1\t" + saved, "&2\t" + a}));
    QVERIFY(closeForm(*form));
    QCOMPARE(read("Options\\TMainForm.MRUMan", "User_0"), QStringLiteral("1"));
    QCOMPARE(read("Options\\TMainForm.MRUMan", "User_1"), QStringLiteral("1"));
}

void TestMainFormSettings::commandLineFileKeepsNumberOfListedEntry()
{
    auto form = start();
    QVERIFY(form);
    form->AddToRecent(QStringLiteral("/listed.txt"), 1);
    form->AddToRecent(QStringLiteral("/other.txt"), 1);
    form->AddToRecent(QStringLiteral("/listed.txt"), 0);
    form->AddToRecent(QStringLiteral("/new.txt"), 0);
    QVERIFY(closeForm(*form));
    QCOMPARE(read("Options\\TMainForm.MRUMan", "Item_1"), QStringLiteral("/listed.txt"));
    QCOMPARE(read("Options\\TMainForm.MRUMan", "User_1"), QStringLiteral("1"));
    QCOMPARE(read("Options\\TMainForm.MRUMan", "User_0"), QStringLiteral("<missing>"));
}

void TestMainFormSettings::exitWritesStartDir_data()
{
    QTest::addColumn<bool>("exists");
    QTest::newRow("stored folder") << true;
    QTest::newRow("folder that is gone: the current one") << false;
}

void TestMainFormSettings::exitWritesStartDir()
{
    QFETCH(bool, exists);
    const QString folder = exists ? m_dir->path() : m_dir->filePath(QStringLiteral("gone"));
    writeFile("[Options]\nStartDir=" + folder.toUtf8() + "\n");
    auto form = start();
    QVERIFY(form);
    form->Files()->mmExitClick();
    QVERIFY(!form->isVisible());
    QCOMPARE(read("Options", "StartDir"), QDir::toNativeSeparators(exists ? folder : QDir::currentPath()));
}

void TestMainFormSettings::closeBoxKeepsStartDir()
{
    const QString gone = m_dir->filePath(QStringLiteral("gone"));
    writeFile("[Options]\nStartDir=" + gone.toUtf8() + "\n");
    auto form = start();
    QVERIFY(form);
    QVERIFY(closeForm(*form));
    QCOMPARE(read("Options", "StartDir"), gone);
}

void TestMainFormSettings::damagedFileIsToldOnceAndStillCloses()
{
    writeFile("[Options]\nitmWrap_Checked=False\nStatusBar_Visible=True\nmmStat");
    auto form = start();
    QVERIFY(form);
    QCOMPARE(m_prompts.errors.size(), 1);
    QVERIFY2(m_prompts.errors.first().contains(QStringLiteral("damaged")),
             qPrintable(m_prompts.errors.first()));
    QVERIFY(!form->Commands().Action("itmWrap")->isChecked()); // what could be read was used
    QVERIFY(form->StatusBar->isVisible());
    form->Files()->mmExitClick();
    QVERIFY(!form->isVisible());
    QCOMPARE(m_prompts.errors.size(), 1);
    // Written afresh: readable without complaint, the values kept.
    TSettingsStore again(fileName());
    QStringList told;
    again.SetProblemHandler([&](const QString &t) { told << t; });
    TSettingsSession s(again);
    QCOMPARE(s.ReadString("Options", "itmWrap_Checked"), QStringLiteral("False"));
    QCOMPARE(s.ReadString("Options", "StatusBar_Visible"), QStringLiteral("True"));
    QVERIFY(told.isEmpty());
}

void TestMainFormSettings::unwritableFileIsToldOnceAndStillCloses()
{
    QFile blocker(m_dir->filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    m_store = std::make_unique<TSettingsStore>(m_dir->filePath(QStringLiteral("blocker/QUORTOSK.ini")));
    auto form = start();
    QVERIFY(form);
    QVERIFY(m_prompts.errors.isEmpty());
    form->AddToRecent(QStringLiteral("/a.txt"), 1);
    form->Files()->mmExitClick(); // the start folder and then the settings both fail
    QVERIFY(!form->isVisible());
    QCOMPARE(m_prompts.errors, QStringList{"Failed to set data for 'StartDir'"});
}

void TestMainFormSettings::nonTextStartDirIsToldAndWindowOpens()
{
    writeFile("[Options]\nStartDir=@ByteArray(/home)\nitmWrap_Checked=False\n");
    auto form = start();
    QVERIFY(form);
    QCOMPARE(m_prompts.errors, QStringList{"Invalid data type for 'StartDir'"});
    QVERIFY(!form->Commands().Action("itmWrap")->isChecked());
    QCOMPARE(form->PageControl1->PageCount(), 1);
}

void TestMainFormSettings::destroyedWithoutCloseSavesVisible1()
{
    {
        auto form = start();
        QVERIFY(form);
        form->AddToRecent(QStringLiteral("/kept.txt"), 1);
    }
    QCOMPARE(read("Options", "Visible"), QStringLiteral("1"));
    QCOMPARE(read("Options\\TMainForm.MRUMan", "Item_0"), QStringLiteral("/kept.txt"));
}

void TestMainFormSettings::withoutStoreNothingIsWritten()
{
    m_store.reset();
    auto form = start();
    QVERIFY(form);
    form->AddToRecent(QStringLiteral("/a.txt"), 1);
    QCOMPARE(menuTexts(*form), QStringList{"&1\t/a.txt"});
    form->Files()->mmExitClick();
    QVERIFY(!form->isVisible());
    QVERIFY(!QFile::exists(fileName()));
    QVERIFY(m_prompts.errors.isEmpty());
}

QTEST_MAIN(TestMainFormSettings)
#include "tst_mainformsettings.moc"
