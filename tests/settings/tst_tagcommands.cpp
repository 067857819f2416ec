// User tags: the "Z&kratky" menu built from the store, the insertion around the
// selection, and hot keys pressed on a shown window next to commands that keep theirs.
#include "editor/view/TRxRichEdit.h"
#include "EditorWith.h"
#include "settings/store/TSettingsKeys.h"
#include "settings/store/TSettingsStore.h"
#include "settings/tags/TagCommands.h"
#include "TFakePrompts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

namespace K = SettingsKeys;

namespace {

struct Tag
{
    QString name, hotKey, before, after;
};

void storeTags(TSettingsStore &store, const QList<Tag> &tags)
{
    TSettingsSession s(store);
    for (const QString &key : {K::TagNames, K::TagHotKeys, K::TagStarts, K::TagEnds})
        s.DeleteKey(key);
    for (int i = 0; i < tags.size(); ++i) {
        s.WriteString(K::TagNames, K::ListItem.arg(i), tags[i].name);
        s.WriteString(K::TagHotKeys, K::ListItem.arg(i), tags[i].hotKey);
        s.WriteString(K::TagStarts, K::ListItem.arg(i), tags[i].before);
        s.WriteString(K::TagEnds, K::ListItem.arg(i), tags[i].after);
    }
    s.Close();
}

// A small main window: an edit menu whose "&Kopírovat" has Ctrl+C, the tag menu, an editor.
class TestWindow : public QMainWindow
{
public:
    explicit TestWindow(TSettingsStore *store, TFakePrompts *prompts)
    {
        editor = new TRxRichEdit(this);
        setCentralWidget(editor);
        edit = menuBar()->addMenu(QStringLiteral("Úpr&avy"));
        copy = edit->addAction(QStringLiteral("&Kopírovat"), this, [this] { editor->copy(); });
        copy->setShortcut(Qt::CTRL | Qt::Key_C);
        mmUZIV = menuBar()->addMenu(QStringLiteral("Z&kratky"));
        tags = new TagCommands([this] { return editor; }, prompts, this, store, this);
    }
    // What the lead passes: every command's key and the menu titles' mnemonics.
    QList<QKeySequence> taken() const
    {
        return {copy->shortcut(), QKeySequence::mnemonic(edit->title()),
                QKeySequence::mnemonic(mmUZIV->title())};
    }

    TRxRichEdit *editor;
    QMenu *edit, *mmUZIV;
    QAction *copy;
    TagCommands *tags;
};

} // namespace

class TestTagCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TSettingsStore> m_store;
    TFakePrompts m_prompts;

    TRxRichEdit *editorWith(TRxRichEdit *editor, const QString &text, int selStart, int selLength)
    {
        TakeAsLoaded(editor, text);
        editor->SetSelStart(selStart);
        editor->SetSelLength(selLength);
        return editor;
    }

private slots:
    void init()
    {
        QFile::remove(m_dir.filePath("t.ini"));
        m_store = std::make_unique<TSettingsStore>(m_dir.filePath("t.ini"));
        m_prompts = TFakePrompts();
    }

    void wrap_data();
    void wrap();
    void menuFromTheStore();
    void longNamesAreCutInTheMenuOnly();
    void afterTextEditedBetweenUses();
    void takenKeysStayWithTheirOwners();
    void rebuildReplacesTheItems();
    void noPageNoChange();
    void textThatWouldOutgrowTheEditorIsRefused();
};

void TestTagCommands::wrap_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("caret");
    QTest::addColumn<bool>("modified");

    QTest::newRow("selection wrapped") << "a word b" << 2 << 4 << "[b]"
                                       << "[/b]"
                                       << "a [b]word[/b] b" << 5 << true;
    QTest::newRow("nothing selected") << "ab" << 1 << 0 << "[b]"
                                      << "[/b]"
                                      << "a[b][/b]b" << 4 << true;
    QTest::newRow("two-line before text, CR LF") << "xy" << 1 << 1 << "<p>\r\n  "
                                                 << "</p>"
                                                 << "x<p>\n  y</p>" << 7 << true;
    QTest::newRow("lone LF and lone CR") << "" << 0 << 0 << "a\nb\rc"
                                         << "\r\n"
                                         << "a\nb\nc\n"
                                         << 5 << true;
    QTest::newRow("selection over lines") << "l1\nl2\nl3" << 1 << 6 << "("
                                          << ")"
                                          << "l(1\nl2\nl)3" << 2 << true;
    QTest::newRow("both texts empty") << "word" << 1 << 2 << ""
                                      << ""
                                      << "word" << 1 << true;
    QTest::newRow("characters outside Windows-1250")
        << "x" << 0 << 1 << QStringLiteral("\u4e2d\U0001F600") << ""
        << "??x" << 2 << true;
}

void TestTagCommands::wrap()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, result);
    QFETCH(int, caret);
    QFETCH(bool, modified);

    storeTags(*m_store, {{"T", "", before, after}});
    TRxRichEdit editor;
    editorWith(&editor, text, selStart, selLength);
    TagCommands tags([&editor] { return &editor; }, &m_prompts, nullptr, m_store.get());
    tags.usertagClick(0);
    QCOMPARE(editor.PlainText(), result);
    QCOMPARE(editor.SelStart(), caret);
    QCOMPARE(editor.SelLength(), 0);
    QCOMPARE(editor.Modified(), modified);
    QVERIFY(m_prompts.errors.isEmpty());
    // One undo step takes it all back.
    if (result != text) {
        editor.Undo();
        QCOMPARE(editor.PlainText(), text);
    }
}

void TestTagCommands::menuFromTheStore()
{
    storeTags(*m_store, {{"&Tučně", "alt+t", "<b>", "</b>"},
                         {"-", "Alt+S", "", ""},
                         {"Nic", "Alt+Foo", "", ""},
                         {"Tab\tv názvu", "", "", ""},
                         {QString(), "Alt+X", "", ""},
                         {"Za mezerou", "Alt+Z", "", ""}});
    QMenu menu;
    menu.addAction(QStringLiteral("old item"));
    TagCommands tags({}, &m_prompts, nullptr, m_store.get());
    tags.BuildTagMenu(&menu, {});
    const QList<QAction *> items = menu.actions();
    QCOMPARE(items.size(), 4); // up to the first empty name
    QCOMPARE(items[0]->text(), QStringLiteral("&Tučně"));
    QCOMPARE(items[0]->shortcut(), QKeySequence(Qt::ALT | Qt::Key_T));
    QCOMPARE(items[0]->data().toInt(), 0);
    QVERIFY(items[1]->isSeparator());
    QVERIFY(items[1]->shortcut().isEmpty());
    QCOMPARE(items[2]->text(), QStringLiteral("Nic"));
    QVERIFY(items[2]->shortcut().isEmpty()); // not a key name: no shortcut, nothing said
    QCOMPARE(items[3]->text(), QStringLiteral("Tab v názvu"));
    QCOMPARE(items[3]->data().toInt(), 3);
    QVERIFY(m_prompts.errors.isEmpty());
}

// A name of 200 letters would make the menu as wide as the screen and push the keys out of
// sight: the caption is cut, the key stays, the stored name stays whole.
void TestTagCommands::longNamesAreCutInTheMenuOnly()
{
    const QString longName = QString(200, QLatin1Char('m'));
    const QString ampAtCut =
        QString(59, QLatin1Char('a')) + QStringLiteral("&b") + QString(40, QLatin1Char('c'));
    storeTags(*m_store, {{longName, "Alt+L", "<", ">"}, {ampAtCut, "", "", ""}, {"Krátký", "Alt+K", "", ""}});
    QMenu menu;
    TagCommands tags({}, &m_prompts, nullptr, m_store.get());
    tags.BuildTagMenu(&menu, {});
    const QList<QAction *> items = menu.actions();
    QCOMPARE(items.size(), 3);
    QVERIFY(items[0]->text().size() < 100);
    QVERIFY(items[0]->text().endsWith(QChar(0x2026)));
    QCOMPARE(items[0]->shortcut(), QKeySequence(Qt::ALT | Qt::Key_L));
    QCOMPARE(items[1]->text(), QString(59, QLatin1Char('a')) + QChar(0x2026)); // no "&…"
    QCOMPARE(items[2]->text(), QStringLiteral("Krátký"));
    QVERIFY(menu.sizeHint().width() < 800);
    TSettingsSession s(*m_store);
    QCOMPARE(s.ReadString(K::TagNames, K::ListItem.arg(0)), longName);
}

void TestTagCommands::afterTextEditedBetweenUses()
{
    storeTags(*m_store, {{"B", "", "[b]", "[/b]"}});
    TRxRichEdit editor;
    editorWith(&editor, "", 0, 0);
    TagCommands tags([&editor] { return &editor; }, &m_prompts, nullptr, m_store.get());
    tags.usertagClick(0);
    // The settings dialog (or another running copy) changes the after text.
    storeTags(*m_store, {{"B", "", "[b]", "[/B]\r\n"}});
    tags.usertagClick(0);
    QCOMPARE(editor.PlainText(), QStringLiteral("[b][b][/B]\n[/b]"));
}

void TestTagCommands::takenKeysStayWithTheirOwners()
{
    storeTags(*m_store, {{"Tučně", "Ctrl+C", "[b]", "[/b]"},
                         {"Kurzíva", "Alt+A", "<i>", "</i>"},
                         {"Podtržení", "Alt+B", "<u>", "</u>"},
                         {"Znovu", "ALT+B", "<x>", "</x>"},
                         {"Enter", "Alt+Enter", "{", "}"}});
    TestWindow w(m_store.get(), &m_prompts);
    w.tags->BuildTagMenu(w.mmUZIV, w.taken());
    const QList<QAction *> items = w.mmUZIV->actions();
    QCOMPARE(items.size(), 5);
    QVERIFY(items[0]->shortcuts().isEmpty());
    QCOMPARE(items[0]->text(), QStringLiteral("Tučně\t")
                                   + QKeySequence(Qt::CTRL | Qt::Key_C).toString(QKeySequence::NativeText));
    QVERIFY(items[1]->shortcuts().isEmpty());
    QCOMPARE(items[2]->shortcut(), QKeySequence(Qt::ALT | Qt::Key_B));
    QVERIFY(items[3]->shortcuts().isEmpty()); // the earlier tag keeps Alt+B
    QCOMPARE(items[4]->shortcuts().size(), 2);

    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.editor->setFocus();
    editorWith(w.editor, "one word", 4, 4);

    QApplication::clipboard()->clear();
    QTest::keyClick(w.editor, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("word")); // still copies
    QCOMPARE(w.editor->PlainText(), QStringLiteral("one word"));

    QTest::keyClick(w.editor, Qt::Key_A, Qt::AltModifier);
    QTRY_VERIFY(w.edit->isVisible()); // the menu title's mnemonic opens "Úpr&avy"
    QCOMPARE(w.editor->PlainText(), QStringLiteral("one word"));
    w.edit->hide();
    w.editor->setFocus();
    QTRY_VERIFY(w.editor->hasFocus());

    QTest::keyClick(w.editor, Qt::Key_B, Qt::AltModifier);
    QCOMPARE(w.editor->PlainText(), QStringLiteral("one <u>word</u>"));
    QTest::keyClick(w.editor, Qt::Key_Enter, Qt::AltModifier | Qt::KeypadModifier);
    QCOMPARE(w.editor->PlainText(), QStringLiteral("one <u>{}word</u>"));
    QTest::keyClick(w.editor, Qt::Key_Return, Qt::AltModifier);
    QCOMPARE(w.editor->PlainText(), QStringLiteral("one <u>{{}}word</u>"));

    // Chosen from the menu, the tag without its key works.
    items[0]->trigger();
    QCOMPARE(w.editor->PlainText(), QStringLiteral("one <u>{{[b][/b]}}word</u>"));
}

void TestTagCommands::rebuildReplacesTheItems()
{
    storeTags(*m_store, {{"A", "Alt+A", "", ""}, {"B", "", "", ""}});
    TestWindow w(m_store.get(), &m_prompts);
    w.tags->BuildTagMenu(w.mmUZIV, {});
    QCOMPARE(w.mmUZIV->actions().size(), 2);
    w.tags->RebuildTagMenu({"X", "Y", "Z"}, {"Ctrl+C", "Alt+Y"});
    const QList<QAction *> items = w.mmUZIV->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0]->text().section('\t', 0, 0), QStringLiteral("X"));
    QCOMPARE(items[1]->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Y));
    QVERIFY(items[2]->shortcuts().isEmpty());
    // The keys given at the first build still count.
    w.tags->BuildTagMenu(w.mmUZIV, w.taken());
    w.tags->RebuildTagMenu({"X"}, {"Ctrl+C"});
    QVERIFY(w.mmUZIV->actions()[0]->shortcuts().isEmpty());
}

void TestTagCommands::noPageNoChange()
{
    storeTags(*m_store, {{"A", "", "<", ">"}});
    TagCommands tags([] { return nullptr; }, &m_prompts, nullptr, m_store.get());
    tags.usertagClick(0);
    QVERIFY(m_prompts.errors.isEmpty());
    TRxRichEdit editor;
    TagCommands noStore([&editor] { return &editor; }, &m_prompts, nullptr, nullptr);
    noStore.usertagClick(0);
    QCOMPARE(editor.PlainText(), QString());
}

void TestTagCommands::textThatWouldOutgrowTheEditorIsRefused()
{
    storeTags(*m_store, {{"Big", "", QString(100 * 1024, QLatin1Char('x')), "!"}});
    TRxRichEdit editor;
    editorWith(&editor, "ab", 1, 0);
    TagCommands tags([&editor] { return &editor; }, &m_prompts, nullptr, m_store.get());
    tags.usertagClick(0);
    QCOMPARE(editor.TextLength(), 2 + 100 * 1024 + 1);
    QCOMPARE(editor.SelStart(), 1 + 100 * 1024);

    // Lines of 100 characters up to 15 short of the limit: quick to lay out.
    const QString line = QString(99, QLatin1Char('y')) + QLatin1Char('\n');
    TakeAsLoaded(&editor, line.repeated(TRxRichEdit::MaxLength / 100));
    const int full = editor.TextLength();
    QVERIFY(full + 100 * 1024 > TRxRichEdit::MaxLength);
    tags.usertagClick(0);
    QCOMPARE(editor.TextLength(), full);
    QVERIFY(!editor.Modified());
    QCOMPARE(m_prompts.errors.size(), 1);
    QVERIFY(m_prompts.errors[0].contains(QStringLiteral("16 777 215")));
}

QTEST_MAIN(TestTagCommands)
#include "tst_tagcommands.moc"
