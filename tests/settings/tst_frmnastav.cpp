// The settings dialog: its pages, the sample's font and colours and what OK and Storno do
// with them, the tag editor and its write-through rules, the hot-key field, the launcher
// buttons, bad stored input, and the command that opens it all.
#include "settings/tags/TagCommands.h"
#include "editor/view/TRxRichEdit.h"
#include "settings/tags/HotKeyText.h"
#include "settings/options/EditorAppearance.h"
#include "settings/dialog/SettingsCommands.h"
#include "settings/store/SettingsFile.h"
#include "settings/dialog/TfrmNASTAV.h"
#include "settings/tags/THotKeyEdit.h"
#include "settings/store/TSettingsKeys.h"
#include "settings/store/TSettingsStore.h"
#include "TFakePrompts.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMetaEnum>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace K = SettingsKeys;

namespace {

struct Tag
{
    QString name, hotKey, before, after;
};

void storeTags(TSettingsStore &store, const QList<Tag> &tags)
{
    TSettingsSession s(store);
    const QString keys[] = {K::TagNames, K::TagHotKeys, K::TagStarts, K::TagEnds};
    for (const QString &key : keys) {
        s.DeleteKey(key);
        s.WriteString(key, K::Count, QString::number(tags.size()));
    }
    for (int i = 0; i < tags.size(); ++i) {
        s.WriteString(K::TagNames, K::ListItem.arg(i), tags[i].name);
        s.WriteString(K::TagHotKeys, K::ListItem.arg(i), tags[i].hotKey);
        s.WriteString(K::TagStarts, K::ListItem.arg(i), tags[i].before);
        s.WriteString(K::TagEnds, K::ListItem.arg(i), tags[i].after);
    }
    s.Close();
}

QString stored(TSettingsStore &store, const QString &key, int i)
{
    TSettingsSession s(store);
    return s.ReadString(key, K::ListItem.arg(i));
}

QStringList itemsOf(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void clickItem(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void setColors(QWidget *w, const QColor &text, const QColor &base)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::Base, base);
    w->setPalette(pal);
}

QColor textOf(const QWidget *w)
{
    return w->palette().color(QPalette::Active, QPalette::Text);
}

QColor baseOf(const QWidget *w)
{
    return w->palette().color(QPalette::Active, QPalette::Base);
}

} // namespace

Q_DECLARE_METATYPE(QKeyCombination)

class TestFrmNastav : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TSettingsStore> m_store;
    TFakePrompts m_prompts;
    std::unique_ptr<TRxRichEdit> m_template;
    std::unique_ptr<WidgetAppearance> m_appearance;
    QList<QStringList> m_rebuilt; // names, then hot keys, per OK that rebuilt the menu

    std::unique_ptr<TfrmNASTAV> open(TRxRichEdit *active = nullptr)
    {
        m_appearance = std::make_unique<WidgetAppearance>(m_template.get(), [active] { return active; });
        auto dialog = std::make_unique<TfrmNASTAV>(
            m_appearance.get(),
            [this](const QStringList &names, const QStringList &hotKeys) { m_rebuilt << names << hotKeys; },
            &m_prompts, m_store.get());
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get()))
            return nullptr;
        return dialog;
    }
    // The "Zkratky" page, tag `row` clicked.
    void selectTag(TfrmNASTAV &d, int row)
    {
        d.PageControl1->setCurrentWidget(d.TabSheet3);
        clickItem(d.lstZNACKY, row);
    }

private slots:
    void init()
    {
        QFile::remove(m_dir.filePath("t.ini"));
        m_store = std::make_unique<TSettingsStore>(m_dir.filePath("t.ini"));
        m_prompts = TFakePrompts();
        m_template = std::make_unique<TRxRichEdit>();
        m_template->setFont(QFont(QStringLiteral("Liberation Sans"), 11));
        m_rebuilt.clear();
    }

    void controlsAtOpening();
    void colourListShowsTheTemplate_data();
    void colourListShowsTheTemplate();
    void colourGoesToTheBackgroundUntilTextIsChosen();
    void standardThenOkGivesTheActivePageAndTemplate();
    void stornoDropsFontAndColours();
    void fontDialogOpensOnTheShownFamily();
    void newTagNamedKeyedAndFilledThenOk();
    void withNoTagSelectedNothingChanges();
    void removeTakesTheTagFromAllFourLists();
    void removingEveryTagLeavesTheMenuAndDeletesTheKeys();
    void stornoStillSavesTheTags();
    void hotKeyField_data();
    void hotKeyField();
    void enterTabAndEscInTheHotKeyField();
    void everyKeyTheFieldGivesReadsBack();
    void badStoredInputLosesNothing();
    void launcherButtons();
    void settingsCommandOpensAndRebuildsTheMenu();
};

void TestFrmNastav::controlsAtOpening()
{
    storeTags(*m_store, {{"A", "Alt+B", "<", ">"}, {"B", "", "", ""}});
    auto d = open();
    QVERIFY(d);
    QCOMPARE(d->windowTitle(), QStringLiteral("Nastavení"));
    QCOMPARE(d->PageControl1->count(), 3);
    QCOMPARE(d->PageControl1->tabText(0), QStringLiteral("Obecné"));
    QCOMPARE(d->PageControl1->tabText(1), QStringLiteral("Písmo/barvy"));
    QCOMPARE(d->PageControl1->tabText(2), QStringLiteral("Zkratky"));
    QCOMPARE(d->PageControl1->currentIndex(), 0);
    QCOMPARE(d->GroupBox1->title(), QStringLiteral("Zástupci"));
    QCOMPARE(d->Button4->text(), QStringLiteral("Přidat do složky &ODESLAT"));
    QCOMPARE(d->Button3->text(), QStringLiteral("Přidat na &PLOCHU"));
    QCOMPARE(d->GroupBox2->title(), QStringLiteral("Nastavení"));
    QCOMPARE(itemsOf(d->lstTextBarva), QStringList({"barva textu", "barva pozadí"}));
    QVERIFY(d->lstTextBarva->selectedItems().isEmpty());
    QCOMPARE(d->Button1->text(), QStringLiteral("Typ &písma..."));
    QCOMPARE(d->Button2->text(), QStringLiteral("&Standard"));
    QStringList colours;
    for (int i = 0; i < d->cmbColor->count(); ++i) {
        colours << d->cmbColor->itemText(i);
        QVERIFY(!d->cmbColor->itemIcon(i).isNull());
    }
    QCOMPARE(colours, QStringList({"černá", "kaštanová", "zelená", "olivová", "námořnická modř", "fialová",
                                   "šedozelená", "šedá", "stříbrná", "červená", "žlutozelená", "žlutá",
                                   "modrá", "fuchsiová", "akvamarínová", "bílá"}));
    QCOMPARE(d->edit_vzor->toPlainText(), QStringList(5, "ukázka textu").join('\n'));
    QVERIFY(d->edit_vzor->isReadOnly());
    QCOMPARE(d->edit_vzor->font().family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(d->GroupBox3->title(), QStringLiteral("Klávesové zkratky"));
    QCOMPARE(d->Label1->text(), QStringLiteral("Název:"));
    QCOMPARE(d->Label2->text(), QStringLiteral("Hotkey:"));
    QCOMPARE(d->Label3->text(), QStringLiteral("Před vybraný text:"));
    QCOMPARE(d->Label4->text(), QStringLiteral("Za vybraný text:"));
    QCOMPARE(d->RxSpeedButton1->toolTip(), QStringLiteral("Přidat"));
    QCOMPARE(d->RxSpeedButton2->text(), QStringLiteral("-"));
    QCOMPARE(d->RxSpeedButton2->toolTip(), QStringLiteral("Odstranit"));
    QCOMPARE(d->btnOK->text(), QStringLiteral("O&K"));
    QVERIFY(d->btnOK->isDefault());
    QCOMPARE(d->btnSTORNO->text(), QStringLiteral("Storno"));
    // The stored tags, none selected, empty fields and Alt+A.
    QCOMPARE(itemsOf(d->lstZNACKY), QStringList({"A", "B"}));
    QVERIFY(d->lstZNACKY->selectedItems().isEmpty());
    QCOMPARE(d->SelectedTag(), -1);
    QVERIFY(d->Edit1->text().isEmpty() && d->memoSTART->toPlainText().isEmpty()
            && d->memoEND->toPlainText().isEmpty());
    QCOMPARE(d->HotKey2->text(), QStringLiteral("Alt+A"));
    // Not resizable.
    QCOMPARE(d->minimumSize(), d->maximumSize());
}

void TestFrmNastav::colourListShowsTheTemplate_data()
{
    QTest::addColumn<QColor>("background");
    QTest::addColumn<int>("index");
    QTest::newRow("system window colour") << QGuiApplication::palette().color(QPalette::Base) << -1;
    QTest::newRow("red") << QColor(0xFF, 0, 0) << 9;
    QTest::newRow("navy") << QColor(0, 0, 0x80) << 4;
    QTest::newRow("outside the sixteen") << QColor(0x12, 0x34, 0x56) << -1;
}

void TestFrmNastav::colourListShowsTheTemplate()
{
    QFETCH(QColor, background);
    QFETCH(int, index);
    setColors(m_template.get(), Qt::black, background);
    auto d = open();
    QCOMPARE(d->cmbColor->currentIndex(), index);
    QCOMPARE(d->SampleBackground(), background);
}

void TestFrmNastav::colourGoesToTheBackgroundUntilTextIsChosen()
{
    setColors(m_template.get(), Qt::black, Qt::white);
    auto d = open();
    d->PageControl1->setCurrentWidget(d->TabSheet2);
    d->cmbColor->setCurrentIndex(8);
    d->cmbColor->setFocus();
    QTest::keyClick(d->cmbColor, Qt::Key_Down); // "červená"
    QCOMPARE(d->cmbColor->currentText(), QStringLiteral("červená"));
    QCOMPARE(d->SampleBackground(), QColor(Qt::red));
    QCOMPARE(d->SampleTextColor(), QColor(Qt::black));

    clickItem(d->lstTextBarva, 0);                                   // "barva textu"
    QCOMPARE(d->cmbColor->currentText(), QStringLiteral("červená")); // the list does not follow
    d->cmbColor->setFocus();
    QTest::keyClick(d->cmbColor, Qt::Key_Down); // "žlutozelená"
    QCOMPARE(d->SampleTextColor(), QColor(0, 0xFF, 0));
    QCOMPARE(d->SampleBackground(), QColor(Qt::red));
    clickItem(d->lstTextBarva, 1);
    QTest::keyClick(d->cmbColor, Qt::Key_Up);
    QCOMPARE(d->SampleBackground(), QColor(Qt::red));
    // Nothing reaches the template before OK.
    QCOMPARE(baseOf(m_template.get()), QColor(Qt::white));
}

void TestFrmNastav::standardThenOkGivesTheActivePageAndTemplate()
{
    TRxRichEdit active, other;
    for (TRxRichEdit *e : {&active, &other}) {
        e->setFont(QFont(QStringLiteral("Liberation Serif"), 14));
        setColors(e, Qt::blue, Qt::yellow);
    }
    auto d = open(&active);
    d->PageControl1->setCurrentWidget(d->TabSheet2);
    QTest::mouseClick(d->Button2, Qt::LeftButton);
    QCOMPARE(d->cmbColor->currentText(), QStringLiteral("bílá"));
    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    QCOMPARE(d->result(), int(QDialog::Accepted));
    for (TRxRichEdit *e : {m_template.get(), &active}) {
        QCOMPARE(e->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(e->font().pointSize(), 8);
        QVERIFY(!e->font().bold() && !e->font().italic() && !e->font().underline());
        QCOMPARE(textOf(e), QColor(Qt::black));
        QCOMPARE(baseOf(e), QColor(Qt::white));
    }
    QCOMPARE(other.font().family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(baseOf(&other), QColor(Qt::yellow));
    QVERIFY(m_rebuilt.isEmpty()); // no tags: the menu stays
}

void TestFrmNastav::stornoDropsFontAndColours()
{
    TRxRichEdit active;
    auto d = open(&active);
    int asked = 0;
    std::optional<QFont> answer = QFont(QStringLiteral("Liberation Mono"), 20);
    d->SetFontChooser([&](QWidget *, const QFont &font) {
        ++asked;
        return answer ? answer : std::nullopt;
        Q_UNUSED(font);
    });
    d->PageControl1->setCurrentWidget(d->TabSheet2);
    QTest::mouseClick(d->Button1, Qt::LeftButton);
    QCOMPARE(asked, 1);
    QCOMPARE(d->edit_vzor->font().family(), QStringLiteral("Liberation Mono"));
    answer.reset(); // the font dialog cancelled: the sample stays
    QTest::mouseClick(d->Button1, Qt::LeftButton);
    QCOMPARE(d->edit_vzor->font().pointSize(), 20);
    d->cmbColor->setFocus();
    QTest::keyClick(d->cmbColor, Qt::Key_Down);
    const QFont before = active.font();
    QTest::mouseClick(d->btnSTORNO, Qt::LeftButton);
    QCOMPARE(d->result(), int(QDialog::Rejected));
    QCOMPARE(m_template->font().family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(active.font(), before);
}

// "Typ písma…" opens on the family the editor really draws "Courier New" with (its
// substitute), not on some other font; OK there without a change keeps "Courier New", a
// real choice is taken.
void TestFrmNastav::fontDialogOpensOnTheShownFamily()
{
    m_template->setFont(QFont(QStringLiteral("Courier New"), 8));
    const QString shown = QFontInfo(m_template->font()).family();
    auto d = open();
    QFont offered;
    d->SetFontChooser([&](QWidget *, const QFont &font) {
        offered = font;
        return std::optional<QFont>(font); // OK without a change
    });
    d->PageControl1->setCurrentWidget(d->TabSheet2);
    QCOMPARE(d->edit_vzor->font().family(), QStringLiteral("Courier New"));
    QTest::mouseClick(d->Button1, Qt::LeftButton);
    QCOMPARE(offered.family(), shown);
    QCOMPARE(QFontInfo(offered).family(), shown);
    QCOMPARE(offered.pointSize(), 8);
    QCOMPARE(d->edit_vzor->font().family(), QStringLiteral("Courier New"));
    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    QCOMPARE(m_template->font().family(), QStringLiteral("Courier New"));
    QVERIFY(QFontInfo(m_template->font()).fixedPitch());

    auto again = open();
    again->SetFontChooser([&](QWidget *, const QFont &font) {
        offered = font;
        QFont bigger = font;
        bigger.setPointSize(12);
        return std::optional<QFont>(bigger);
    });
    again->PageControl1->setCurrentWidget(again->TabSheet2);
    QTest::mouseClick(again->Button1, Qt::LeftButton);
    QCOMPARE(again->edit_vzor->font().family(), shown); // a change takes the dialog's font
    QCOMPARE(again->edit_vzor->font().pointSize(), 12);
}

void TestFrmNastav::newTagNamedKeyedAndFilledThenOk()
{
    storeTags(*m_store, {{"A", "Alt+B", "<", ">"}});
    auto d = open();
    d->PageControl1->setCurrentWidget(d->TabSheet3);
    QTest::mouseClick(d->RxSpeedButton1, Qt::LeftButton);
    QCOMPARE(itemsOf(d->lstZNACKY), QStringList({"A", "[Název]"}));
    QCOMPARE(d->SelectedTag(), -1); // the new tag is not selected
    QVERIFY(d->lstZNACKY->hasFocus());

    clickItem(d->lstZNACKY, 1);
    QCOMPARE(d->SelectedTag(), 1);
    QVERIFY(d->Edit1->hasFocus());
    QCOMPARE(d->Edit1->text(), QStringLiteral("[Název]"));
    QVERIFY(d->HotKey2->text().isEmpty()); // the new tag has no hot key
    d->Edit1->selectAll();
    QTest::keyClicks(d->Edit1, QStringLiteral("Odstavec"));
    QCOMPARE(d->lstZNACKY->item(1)->text(), QStringLiteral("Odstavec")); // at once

    QTest::mouseClick(d->HotKey2, Qt::LeftButton);
    QTest::keyClick(d->HotKey2, Qt::Key_F5, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(d->HotKey2->text(), QStringLiteral("Shift+Ctrl+F5"));
    QCOMPARE(d->Tags().HotKey(1), QString()); // stored only when the field is left
    QTest::keyClick(d->HotKey2, Qt::Key_Tab);
    QVERIFY(d->memoSTART->hasFocus());
    QCOMPARE(d->Tags().HotKey(1), QStringLiteral("Shift+Ctrl+F5"));

    QTest::keyClicks(d->memoSTART, QStringLiteral("<p>"));
    QTest::keyClick(d->memoSTART, Qt::Key_Return);
    QTest::keyClicks(d->memoSTART, QStringLiteral("  "));
    QCOMPARE(d->Tags().Start(1), QStringLiteral("<p>\r\n  "));
    d->memoEND->setFocus();
    QTest::keyClicks(d->memoEND, QStringLiteral("</p>"));
    QCOMPARE(d->Tags().End(1), QStringLiteral("</p>"));
    QCOMPARE(d->Tags().Name(0), QStringLiteral("A")); // the other tag untouched

    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    QCOMPARE(m_rebuilt, QList<QStringList>({{"A", "Odstavec"}, {"Alt+B", "Shift+Ctrl+F5"}}));
    QCOMPARE(stored(*m_store, K::TagNames, 1), QStringLiteral("Odstavec"));
    QCOMPARE(stored(*m_store, K::TagHotKeys, 1), QStringLiteral("Shift+Ctrl+F5"));
    QCOMPARE(stored(*m_store, K::TagStarts, 1), QStringLiteral("<p>\r\n  "));
    QCOMPARE(stored(*m_store, K::TagEnds, 1), QStringLiteral("</p>"));
    QCOMPARE(stored(*m_store, K::TagStarts, 0), QStringLiteral("<"));
}

void TestFrmNastav::withNoTagSelectedNothingChanges()
{
    storeTags(*m_store, {{"A", "Alt+B", "<", ">"}});
    auto d = open();
    d->PageControl1->setCurrentWidget(d->TabSheet3);
    QTest::keyClicks(d->Edit1, QStringLiteral("x"));
    QTest::keyClicks(d->memoSTART, QStringLiteral("y"));
    QTest::keyClicks(d->memoEND, QStringLiteral("z"));
    QTest::mouseClick(d->HotKey2, Qt::LeftButton);
    QTest::keyClick(d->HotKey2, Qt::Key_Q, Qt::ControlModifier);
    QTest::keyClick(d->HotKey2, Qt::Key_Tab);
    QTest::mouseClick(d->RxSpeedButton2, Qt::LeftButton); // remove: nothing selected
    QCOMPARE(d->Tags().Names(), QStringList{"A"});
    QCOMPARE(d->Tags().HotKeys(), QStringList{"Alt+B"});
    QCOMPARE(d->Tags().Starts(), QStringList{"<"});
    QCOMPARE(d->Tags().Ends(), QStringList{">"});
}

void TestFrmNastav::removeTakesTheTagFromAllFourLists()
{
    storeTags(*m_store, {{"A", "Alt+A", "a", "/a"}, {"B", "Alt+B", "b", "/b"}, {"C", "Alt+C", "c", "/c"}});
    auto d = open();
    selectTag(*d, 1);
    QCOMPARE(d->memoSTART->toPlainText(), QStringLiteral("b"));
    QCOMPARE(d->HotKey2->HotKey(), Qt::ALT | Qt::Key_B);
    QTest::mouseClick(d->RxSpeedButton2, Qt::LeftButton);
    QCOMPARE(d->Tags().Names(), QStringList({"A", "C"}));
    QCOMPARE(d->Tags().HotKeys(), QStringList({"Alt+A", "Alt+C"}));
    QCOMPARE(d->Tags().Starts(), QStringList({"a", "c"}));
    QCOMPARE(d->Tags().Ends(), QStringList({"/a", "/c"}));
    QCOMPARE(itemsOf(d->lstZNACKY), QStringList({"A", "C"}));
    QCOMPARE(d->SelectedTag(), -1);
    QVERIFY(d->lstZNACKY->selectedItems().isEmpty());
    QVERIFY(d->Edit1->text().isEmpty() && d->memoSTART->toPlainText().isEmpty()
            && d->memoEND->toPlainText().isEmpty());
    // Typing now changes no tag.
    QTest::keyClicks(d->Edit1, QStringLiteral("x"));
    QCOMPARE(d->Tags().Names(), QStringList({"A", "C"}));
}

void TestFrmNastav::removingEveryTagLeavesTheMenuAndDeletesTheKeys()
{
    storeTags(*m_store, {{"A", "Alt+A", "a", "/a"}});
    auto d = open();
    selectTag(*d, 0);
    QTest::mouseClick(d->RxSpeedButton2, Qt::LeftButton);
    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    QVERIFY(m_rebuilt.isEmpty());
    TSettingsSession s(*m_store);
    for (const QString &key : {K::TagNames, K::TagHotKeys, K::TagStarts, K::TagEnds})
        QVERIFY2(!s.KeyExists(key), qPrintable(key));
}

void TestFrmNastav::stornoStillSavesTheTags()
{
    storeTags(*m_store, {{"A", "Alt+A", "a", "/a"}});
    auto d = open();
    selectTag(*d, 0);
    d->memoEND->setFocus();
    QTest::keyClick(d->memoEND, Qt::Key_End);
    QTest::keyClicks(d->memoEND, QStringLiteral("!"));
    QTest::keyClick(d->memoEND, Qt::Key_Escape);
    QVERIFY(!d->isVisible());
    QCOMPARE(d->result(), int(QDialog::Rejected));
    QVERIFY(m_rebuilt.isEmpty());
    QCOMPARE(stored(*m_store, K::TagEnds, 0), QStringLiteral("/a!"));
}

void TestFrmNastav::hotKeyField_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("shown");
    const int none = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier,
              alt = Qt::AltModifier;
    QTest::newRow("plain key becomes Alt") << int(Qt::Key_G) << none << "Alt+G";
    QTest::newRow("Shift alone becomes Alt") << int(Qt::Key_G) << shift << "Alt+G";
    QTest::newRow("Ctrl") << int(Qt::Key_G) << ctrl << "Ctrl+G";
    QTest::newRow("all three") << int(Qt::Key_F12) << (shift | ctrl | alt) << "Shift+Ctrl+Alt+F12";
    QTest::newRow("dialog's mnemonic Alt+K") << int(Qt::Key_K) << alt << "Alt+K";
    QTest::newRow("Backspace empties") << int(Qt::Key_Backspace) << none << "";
    QTest::newRow("Alt+Backspace") << int(Qt::Key_Backspace) << alt << "Alt+BkSp";
    QTest::newRow("Shift+Backspace") << int(Qt::Key_Backspace) << shift << "Alt+BkSp";
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << (ctrl | int(Qt::KeypadModifier)) << "Ctrl+Enter";
    QTest::newRow("Ctrl+Esc") << int(Qt::Key_Escape) << ctrl << "Ctrl+Esc";
    QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << ctrl << "Ctrl+Tab";
    QTest::newRow("page down") << int(Qt::Key_PageDown) << none << "Alt+PgDn";
    QTest::newRow("Czech letter") << 0x158 << ctrl << "Ctrl+Ř";
    QTest::newRow("modifier alone keeps the key") << int(Qt::Key_Control) << ctrl << "Alt+A";
    QTest::newRow("dead key refused") << int(Qt::Key_Dead_Caron) << alt << "Alt+A";
}

void TestFrmNastav::hotKeyField()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, shown);
    auto d = open();
    d->PageControl1->setCurrentWidget(d->TabSheet3);
    QTest::mouseClick(d->HotKey2, Qt::LeftButton);
    QVERIFY(d->HotKey2->hasFocus());
    // With its text given, so that keys beyond ASCII can be sent as well.
    QTest::sendKeyEvent(QTest::Click, d->HotKey2, Qt::Key(key), QString(), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(d->HotKey2->text(), shown);
    QCOMPARE(HotKeyText::Write(d->HotKey2->HotKey()), shown);
    QVERIFY(d->isVisible()); // no key of the field pressed a button
}

void TestFrmNastav::enterTabAndEscInTheHotKeyField()
{
    storeTags(*m_store, {{"A", "", "", ""}});
    {
        auto d = open();
        selectTag(*d, 0);
        QTest::mouseClick(d->HotKey2, Qt::LeftButton);
        QTest::keyClick(d->HotKey2, Qt::Key_F2, Qt::ControlModifier);
        QTest::keyClick(d->HotKey2, Qt::Key_Return); // the dialog's OK
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(m_rebuilt.value(1), QStringList{"Ctrl+F2"}); // the key shown is the key meant
        QCOMPARE(stored(*m_store, K::TagHotKeys, 0), QStringLiteral("Ctrl+F2"));
    }
    {
        auto d = open();
        selectTag(*d, 0);
        QTest::mouseClick(d->HotKey2, Qt::LeftButton);
        QTest::keyClick(d->HotKey2, Qt::Key_Backspace); // no hot key
        QTest::keyClick(d->HotKey2, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(d->Edit1->hasFocus());
        QCOMPARE(d->Tags().HotKey(0), QString());
        QTest::mouseClick(d->HotKey2, Qt::LeftButton);
        QTest::keyClick(d->HotKey2, Qt::Key_Escape);
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QCOMPARE(stored(*m_store, K::TagHotKeys, 0), QString());
    }
}

void TestFrmNastav::everyKeyTheFieldGivesReadsBack()
{
    // Every key Qt names, Latin-1 and Czech letters, under every set of modifiers: what the
    // field shows is what the dialog stores, and it must read back to the same key.
    QList<int> keys;
    const QMetaEnum names = QMetaEnum::fromType<Qt::Key>();
    for (int i = 0; i < names.keyCount(); ++i)
        keys << names.value(i);
    for (QChar c : QStringLiteral("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽÄÖÜß"))
        keys << c.unicode();
    const Qt::KeyboardModifiers sets[] = {Qt::NoModifier,
                                          Qt::ShiftModifier,
                                          Qt::ControlModifier,
                                          Qt::AltModifier,
                                          Qt::ControlModifier | Qt::AltModifier,
                                          Qt::ShiftModifier | Qt::ControlModifier,
                                          Qt::ShiftModifier | Qt::AltModifier,
                                          Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier};

    THotKeyEdit field;
    int accepted = 0;
    QSet<int> namedKeys;
    for (int key : keys) {
        for (Qt::KeyboardModifiers mods : sets) {
            field.SetHotKey(QKeyCombination());
            QKeyEvent press(QEvent::KeyPress, key, mods);
            QCoreApplication::sendEvent(&field, &press);
            const QKeyCombination value = field.HotKey();
            if (!HotKeyText::IsSet(value))
                continue;
            ++accepted;
            namedKeys << int(value.key());
            QVERIFY2(value.keyboardModifiers() & (Qt::ControlModifier | Qt::AltModifier),
                     qPrintable(field.text()));
            QCOMPARE(field.text(), HotKeyText::Write(value));
            QCOMPARE(HotKeyText::Parse(field.text()).value_or(QKeyCombination()), value);
        }
    }
    // Letters, digits, F1-F35 and the named keys are all there.
    for (int key :
         {int(Qt::Key_A), int(Qt::Key_Z), int(Qt::Key_0), int(Qt::Key_F1), int(Qt::Key_F24),
          int(Qt::Key_Backspace), int(Qt::Key_Return), int(Qt::Key_Insert), int(Qt::Key_Delete), 0x17D})
        QVERIFY2(namedKeys.contains(key), qPrintable(QString::number(key, 16)));
    QVERIFY2(namedKeys.size() > 350, qPrintable(QString::number(namedKeys.size())));
    QVERIFY(accepted > 2500);
}

void TestFrmNastav::badStoredInputLosesNothing()
{
    {
        // Gaps, lists of different lengths, garbage hot keys, a 100 KB before text, CR LF
        // and lone LF inside the texts.
        TSettingsSession s(*m_store);
        s.WriteString(K::TagNames, K::Count, "4");
        s.WriteString(K::TagNames, "Item0", "A");
        s.WriteString(K::TagNames, "Item2", "C");
        s.WriteString(K::TagNames, "Item3", "Dlouhý");
        s.WriteString(K::TagHotKeys, "Item0", "Alt+Foo");
        s.WriteString(K::TagHotKeys, "Item2", "Ctrl+X, Ctrl+C");
        s.WriteString(K::TagHotKeys, "Item3", QStringLiteral("\x01^"));
        s.WriteString(K::TagStarts, K::Count, "2");
        s.WriteString(K::TagStarts, "Item0", "a\r\nb\nc");
        s.WriteString(K::TagStarts, "Item3", QString(100 * 1024, QLatin1Char('x')));
        s.WriteString(K::TagEnds, K::Count, "garbage");
        s.WriteString(K::TagEnds, "Item5", "orphan");
        s.Close();
    }
    auto valuesNow = [this] {
        const auto ini = SettingsFile::Open(m_store->FileName());
        QMap<QString, QString> values;
        for (const QString &k : ini->allKeys())
            if (!k.endsWith(QStringLiteral("/Count")))
                values[k] = ini->value(k).toString();
        return values;
    };
    const QMap<QString, QString> before = valuesNow();
    m_template->setFont(QFont(QStringLiteral("No Such Family 42"), 9));
    setColors(m_template.get(), QColor(0x12, 0x34, 0x56), QColor(0x65, 0x43, 0x21));

    auto d = open();
    QCOMPARE(d->edit_vzor->font().family(), QStringLiteral("No Such Family 42"));
    QCOMPARE(d->cmbColor->currentIndex(), -1);
    QCOMPARE(itemsOf(d->lstZNACKY), QStringList({"A", "", "C", "Dlouhý", "", ""}));
    for (int row = 0; row < d->lstZNACKY->count(); ++row) {
        selectTag(*d, row);
        QCOMPARE(d->SelectedTag(), row);
        QTest::keyClick(d->Edit1, Qt::Key_Tab); // through the hot-key field
        QTest::keyClick(d->HotKey2, Qt::Key_Tab);
    }
    QVERIFY(d->HotKey2->text().isEmpty());
    selectTag(*d, 0);
    QCOMPARE(d->memoSTART->toPlainText(), QStringLiteral("a\nb\nc"));
    QTest::mouseClick(d->btnOK, Qt::LeftButton);
    QVERIFY(m_prompts.errors.isEmpty());
    // The menu gets what is usable: the tags before the gap.
    QCOMPARE(m_rebuilt.value(0), QStringList({"A", "", "C", "Dlouhý", "", ""}));

    // Every stored value is still there as it was; the lists are now of one length.
    const QMap<QString, QString> after = valuesNow();
    for (auto it = before.begin(); it != before.end(); ++it)
        QCOMPARE(after.value(it.key()), it.value());
    QCOMPARE(stored(*m_store, K::TagStarts, 3).size(), 100 * 1024);
    TSettingsSession s(*m_store);
    for (const QString &key : {K::TagNames, K::TagHotKeys, K::TagStarts, K::TagEnds})
        QCOMPARE(s.ReadString(key, K::Count), QStringLiteral("6"));
}

void TestFrmNastav::launcherButtons()
{
    QTemporaryDir folders;
    QDir(folders.path()).mkpath("Plocha");
    auto d = open();
    d->SetLauncherFolders(folders.filePath("Plocha"), folders.filePath("data/applications"));
    d->SetIconFile(folders.filePath("icon.svg"));
    QTest::mouseClick(d->Button3, Qt::LeftButton);
    QTest::mouseClick(d->Button3, Qt::LeftButton);
    QTest::mouseClick(d->Button4, Qt::LeftButton);
    QVERIFY2(m_prompts.errors.isEmpty(), qPrintable(m_prompts.errors.join('\n')));
    QCOMPARE(QDir(folders.filePath("Plocha")).entryList(QDir::Files), QStringList{"Quorvel Tosk.desktop"});
    QVERIFY(QFile::exists(folders.filePath("data/applications/Quorvel Tosk.desktop")));

    d->SetLauncherFolders(folders.filePath("gone"), QString());
    QTest::mouseClick(d->Button3, Qt::LeftButton);
    QTest::mouseClick(d->Button4, Qt::LeftButton);
    QCOMPARE(m_prompts.errors.size(), 2);
    QCOMPARE(m_prompts.errors[0], QStringLiteral("Složka %1 neexistuje.").arg(folders.filePath("gone")));
    QVERIFY(m_prompts.errors[1].startsWith(QStringLiteral("Nelze zjistit složku")));
    QVERIFY(d->isVisible());
}

void TestFrmNastav::settingsCommandOpensAndRebuildsTheMenu()
{
    storeTags(*m_store, {{"Tučně", "Alt+T", "[b]", "[/b]"}});
    TRxRichEdit page;
    QWidget window;
    QMenu mmUZIV;
    TagCommands tags([&page] { return &page; }, &m_prompts, &window, m_store.get());
    tags.BuildTagMenu(&mmUZIV, {QKeySequence(Qt::CTRL | Qt::Key_C)});
    QCOMPARE(mmUZIV.actions().size(), 1);
    WidgetAppearance appearance(m_template.get(), [&page] { return &page; });
    SettingsCommands settings(
        &appearance,
        [&tags](const QStringList &names, const QStringList &hotKeys) {
            tags.RebuildTagMenu(names, hotKeys);
        },
        &m_prompts, &window, m_store.get());

    int opened = 0;
    settings.DialogCreated = [&](TfrmNASTAV *d) {
        ++opened;
        QTimer::singleShot(0, d, [this, d] {
            QVERIFY(d->isModal());
            selectTag(*d, 0);
            d->memoEND->selectAll();
            QTest::keyClicks(d->memoEND, QStringLiteral("[/B]"));
            QTest::mouseClick(d->RxSpeedButton1, Qt::LeftButton);
            selectTag(*d, 1);
            d->Edit1->selectAll();
            QTest::keyClicks(d->Edit1, QStringLiteral("Kopie"));
            QTest::mouseClick(d->HotKey2, Qt::LeftButton);
            QTest::keyClick(d->HotKey2, Qt::Key_C, Qt::ControlModifier);
            d->PageControl1->setCurrentWidget(d->TabSheet2);
            QTest::mouseClick(d->Button2, Qt::LeftButton);
            QTest::mouseClick(d->btnOK, Qt::LeftButton);
        });
    };
    settings.mmNASTAVClick();
    QCOMPARE(opened, 1);
    QCOMPARE(page.font().family(), QStringLiteral("Courier New"));
    QCOMPARE(m_template->font().family(), QStringLiteral("Courier New"));
    const QList<QAction *> items = mmUZIV.actions();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[1]->text().section('\t', 0, 0), QStringLiteral("Kopie"));
    QVERIFY(items[1]->shortcuts().isEmpty()); // Ctrl+C stays with its command
    // The edited after text was saved when the dialog closed and is read at use.
    items[0]->trigger();
    QCOMPARE(page.PlainText(), QStringLiteral("[b][/B]"));
}

QTEST_MAIN(TestFrmNastav)
#include "tst_frmnastav.moc"
