// Hot-key texts: what the tag menu reads and what the settings dialog writes.
#include "settings/tags/HotKeyText.h"

#include <QTest>

using HotKeyText::Parse;
using HotKeyText::Write;

Q_DECLARE_METATYPE(QKeyCombination)

class TestHotKeyText : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void write_data();
    void write();
    void enterAlsoAnswersTheKeypad();
};

void TestHotKeyText::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeyCombination>("key"); // QKeyCombination(): no shortcut

    const auto none = QKeyCombination();
    QTest::newRow("Alt+A") << "Alt+A" << (Qt::ALT | Qt::Key_A);
    QTest::newRow("alt+a") << "alt+a" << (Qt::ALT | Qt::Key_A);
    QTest::newRow("ALT+A") << "ALT+A" << (Qt::ALT | Qt::Key_A);
    QTest::newRow("Shift+Ctrl+F5") << "Shift+Ctrl+F5" << (Qt::SHIFT | Qt::CTRL | Qt::Key_F5);
    QTest::newRow("prefixes in any order")
        << "alt+SHIFT+ctrl+f5" << (Qt::SHIFT | Qt::CTRL | Qt::ALT | Qt::Key_F5);
    QTest::newRow("^ is Ctrl") << "^F5" << (Qt::CTRL | Qt::Key_F5);
    QTest::newRow("^ then ^ key") << "^^" << (Qt::CTRL | Qt::Key_AsciiCircum);
    QTest::newRow("Alt+^ names the key") << "Alt+^" << (Qt::ALT | Qt::Key_AsciiCircum);
    QTest::newRow("plus key") << "Alt++" << (Qt::ALT | Qt::Key_Plus);
    QTest::newRow("comma key") << "Ctrl+," << (Qt::CTRL | Qt::Key_Comma);
    QTest::newRow("BkSp") << "Alt+bksp" << (Qt::ALT | Qt::Key_Backspace);
    QTest::newRow("PgDn") << "Ctrl+PgDn" << (Qt::CTRL | Qt::Key_PageDown);
    QTest::newRow("Qt's PgDown too") << "Ctrl+PgDown" << (Qt::CTRL | Qt::Key_PageDown);
    QTest::newRow("Enter is the main key") << "Alt+Enter" << (Qt::ALT | Qt::Key_Return);
    QTest::newRow("Esc") << "Alt+Esc" << (Qt::ALT | Qt::Key_Escape);
    QTest::newRow("Ins Del") << "Ctrl+Alt+Del" << (Qt::CTRL | Qt::ALT | Qt::Key_Delete);
    QTest::newRow("Space") << "Ctrl+space" << (Qt::CTRL | Qt::Key_Space);
    QTest::newRow("F24") << "Alt+F24" << (Qt::ALT | Qt::Key_F24);
    QTest::newRow("Czech letter") << "Alt+ě" << QKeyCombination(Qt::AltModifier, Qt::Key(0x11A));
    QTest::newRow("Qt's other names") << "Ctrl+Media Play" << (Qt::CTRL | Qt::Key_MediaPlay);
    QTest::newRow("blanks around") << " Alt+A " << (Qt::ALT | Qt::Key_A);
    QTest::newRow("plain key") << "F5" << QKeyCombination(Qt::Key_F5);

    QTest::newRow("empty") << "" << none;
    QTest::newRow("Alt+ alone") << "Alt+" << none;
    QTest::newRow("lone ^ is Ctrl alone") << "^" << none;
    QTest::newRow("^ with blanks") << " ^ " << none;
    QTest::newRow("modifiers alone") << "Shift+Ctrl+" << none;
    QTest::newRow("modifier key as name") << "Ctrl+Alt" << none;
    QTest::newRow("unknown name") << "Alt+Foo" << none;
    QTest::newRow("Meta is no prefix") << "Meta+A" << none;
    QTest::newRow("keypad prefix") << "Num+1" << none;
    QTest::newRow("two keys") << "Ctrl+X, Ctrl+C" << none;
    QTest::newRow("garbage") << QStringLiteral("\x01\x7f+") << none;
    QTest::newRow("prefix without plus") << "AltA" << none;
}

void TestHotKeyText::parse()
{
    QFETCH(QString, text);
    QFETCH(QKeyCombination, key);
    const std::optional<QKeyCombination> parsed = Parse(text);
    if (key == QKeyCombination())
        QVERIFY2(!parsed, qPrintable(QKeySequence(parsed.value_or(QKeyCombination())).toString()));
    else
        QCOMPARE(parsed.value_or(QKeyCombination()), key);
}

void TestHotKeyText::write_data()
{
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("order Shift Ctrl Alt")
        << (Qt::ALT | Qt::CTRL | Qt::SHIFT | Qt::Key_A) << "Shift+Ctrl+Alt+A";
    QTest::newRow("BkSp") << (Qt::ALT | Qt::Key_Backspace) << "Alt+BkSp";
    QTest::newRow("PgUp") << (Qt::CTRL | Qt::Key_PageUp) << "Ctrl+PgUp";
    QTest::newRow("PgDn") << (Qt::CTRL | Qt::Key_PageDown) << "Ctrl+PgDn";
    QTest::newRow("Enter") << (Qt::ALT | Qt::Key_Return) << "Alt+Enter";
    QTest::newRow("keypad Enter") << (Qt::ALT | Qt::Key_Enter) << "Alt+Enter";
    QTest::newRow("Esc") << (Qt::ALT | Qt::Key_Escape) << "Alt+Esc";
    QTest::newRow("Ins") << (Qt::SHIFT | Qt::ALT | Qt::Key_Insert) << "Shift+Alt+Ins";
    QTest::newRow("Del") << (Qt::CTRL | Qt::Key_Delete) << "Ctrl+Del";
    QTest::newRow("Tab") << (Qt::CTRL | Qt::Key_Tab) << "Ctrl+Tab";
    QTest::newRow("Space") << (Qt::ALT | Qt::Key_Space) << "Alt+Space";
    QTest::newRow("arrows") << (Qt::ALT | Qt::Key_Left) << "Alt+Left";
    QTest::newRow("plus") << (Qt::ALT | Qt::Key_Plus) << "Alt++";
    QTest::newRow("circumflex") << (Qt::CTRL | Qt::Key_AsciiCircum) << "Ctrl+^";
    QTest::newRow("Czech letter") << QKeyCombination(Qt::AltModifier, Qt::Key(0x160)) << "Alt+Š";
    QTest::newRow("none") << QKeyCombination() << "";
}

void TestHotKeyText::write()
{
    QFETCH(QKeyCombination, key);
    QFETCH(QString, text);
    QCOMPARE(Write(key), text);
}

void TestHotKeyText::enterAlsoAnswersTheKeypad()
{
    const QList<QKeySequence> shortcuts = HotKeyText::Shortcuts(Qt::ALT | Qt::Key_Return);
    QCOMPARE(shortcuts.size(), 2);
    QCOMPARE(shortcuts.at(1), QKeySequence(Qt::ALT | Qt::Key_Enter));
    QCOMPARE(HotKeyText::Shortcuts(Qt::ALT | Qt::Key_A).size(), 1);
    QVERIFY(HotKeyText::Shortcuts(QKeyCombination()).isEmpty());
}

QTEST_GUILESS_MAIN(TestHotKeyText)
#include "tst_hotkeytext.moc"
