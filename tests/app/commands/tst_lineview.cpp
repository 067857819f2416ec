// Line numbers and the current line's mark: the "&Zobrazit" items on the real window,
// what they show on every page, and how they are stored.
#include "app/commands/CommandTable.h"
#include "app/pages/TPageControl.h"
#include "app/shell/TMainForm.h"
#include "editor/view/TCurrentLine.h"
#include "editor/view/TLineNumberArea.h"
#include "editor/view/TRxRichEdit.h"
#include "settings/store/TSettingsStore.h"
#include "TFakePrompts.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QList<TRxRichEdit *> pageEditors(const TMainForm &form)
{
    QList<TRxRichEdit *> editors;
    for (int i = 0; i < form.PageControl1->PageCount(); ++i)
        editors << form.PageControl1->Page(i)->Editor();
    return editors;
}

// Opens "&Zobrazit" with Alt+Z and picks the item by its underlined letter.
void pickFromViewMenu(TMainForm &form, Qt::Key letter)
{
    QTest::keyClick(&form, Qt::Key_Z, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() == form.mmView);
    QTest::keyClick(form.mmView, letter);
    QTRY_VERIFY(!form.mmView->isVisible());
}

} // namespace

class TestLineView : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    TFakePrompts m_prompts;

    std::unique_ptr<TMainForm> start(TSettingsStore *store = nullptr)
    {
        auto form = std::make_unique<TMainForm>(&m_prompts, store);
        form->resize(700, 500);
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            return nullptr;
        return form;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void offAtFirst()
    {
        auto form = start();
        QVERIFY(form);
        for (const char *name : {"mmLineNumbers", "mmCurrentLine"}) {
            QAction *item = form->Commands().Action(QLatin1String(name));
            QVERIFY2(item->isCheckable() && !item->isChecked(), name);
            QVERIFY2(form->mmView->actions().contains(item), name);
        }
        QVERIFY(!TLineNumberArea::Shown(form->ActiveEditor()));
        QVERIFY(!TCurrentLine::Shown(form->ActiveEditor()));
    }

    // The menu's key switches the numbers on every page and on pages opened later; the text
    // moves aside for them and back.
    void numbersOnEveryPage()
    {
        auto form = start();
        QVERIFY(form);
        form->Commands().Action("mmNew")->trigger();
        QCOMPARE(form->PageControl1->PageCount(), 2);
        const int textLeft = form->ActiveEditor()->viewport()->x();

        pickFromViewMenu(*form, Qt::Key_D);
        QVERIFY(form->Commands().Action("mmLineNumbers")->isChecked());
        for (TRxRichEdit *editor : pageEditors(*form)) {
            TLineNumberArea *area = TLineNumberArea::of(editor);
            QVERIFY(area);
            QCOMPARE(editor->viewport()->x(), textLeft + area->NeededWidth());
        }
        QVERIFY(TLineNumberArea::of(form->ActiveEditor())->isVisible());
        form->Commands().Action("mmNew")->trigger();
        QVERIFY(TLineNumberArea::Shown(form->ActiveEditor()));

        pickFromViewMenu(*form, Qt::Key_D);
        QVERIFY(!form->Commands().Action("mmLineNumbers")->isChecked());
        for (TRxRichEdit *editor : pageEditors(*form)) {
            QVERIFY(!TLineNumberArea::Shown(editor));
            QCOMPARE(editor->viewport()->x(), textLeft);
        }
    }

    // A file line is numbered once, however many display lines word wrap makes of it.
    void numbersCountFileLines()
    {
        auto form = start();
        QVERIFY(form);
        form->Commands().Action("mmLineNumbers")->trigger();
        TRxRichEdit *editor = form->ActiveEditor();
        editor->setPlainText("first\n" + QString("slovo ").repeated(60) + "\nlast\n");
        QVERIFY(editor->WordWrap());
        QVERIFY(editor->LineCount() > 4); // the status bar counts the display lines
        const TLineNumberArea *area = TLineNumberArea::of(editor);
        QCoreApplication::processEvents();
        QList<TLineNumberArea::Number> numbers = area->VisibleNumbers(0, area->height());
        QCOMPARE(numbers.size(), 4);
        const int line = numbers[0].rect.height();
        for (int i = 0; i < numbers.size(); ++i)
            QCOMPARE(numbers[i].number, i + 1);
        QVERIFY(numbers[2].rect.top() - numbers[1].rect.top() >= 2 * line); // the long line wraps
        QCOMPARE(numbers[1].rect.top() - numbers[0].rect.top(), line);

        form->Commands().Action("itmWrap")->trigger();
        QVERIFY(!editor->WordWrap());
        QCoreApplication::processEvents();
        numbers = area->VisibleNumbers(0, area->height());
        QCOMPARE(numbers.size(), 4);
        QCOMPARE(numbers[2].rect.top() - numbers[1].rect.top(), line);
        QCOMPARE(numbers[3].number, 4);
        // The gutter widens for a fourth digit.
        const int narrow = area->width();
        editor->setPlainText(QString("x\n").repeated(1200));
        QVERIFY(area->width() > narrow);
    }

    // The caret's display line is marked across the page, under the text; with word wrap
    // only the piece of the file line the caret is in.
    void currentLineFollowsTheCaret()
    {
        auto form = start();
        QVERIFY(form);
        TRxRichEdit *editor = form->ActiveEditor();
        editor->setPlainText(QString("slovo ").repeated(60) + "\nlast");
        pickFromViewMenu(*form, Qt::Key_K);
        QVERIFY(form->Commands().Action("mmCurrentLine")->isChecked());
        const QColor base = editor->palette().color(QPalette::Base);
        QVERIFY(TCurrentLine::Color(editor->palette()).alpha() < 255); // hits show through it
        auto colorAt = [editor](int y) {
            return editor->viewport()->grab().toImage().pixelColor(editor->viewport()->width() - 3, y);
        };
        QTextCursor c = editor->textCursor();
        c.setPosition(0);
        editor->setTextCursor(c);
        QTest::keyClick(editor, Qt::Key_Down); // the long line's second display line
        QCOMPARE(editor->textCursor().blockNumber(), 0);
        const QRect second = editor->cursorRect();
        QVERIFY(colorAt(second.center().y()) != base);
        QCOMPARE(colorAt(second.top() - 2), base); // its first display line is not marked
        QCOMPARE(colorAt(second.bottom() + 2), base);

        form->Commands().Action("mmCurrentLine")->trigger();
        QCOMPARE(colorAt(second.center().y()), base);
    }

    void storedAndRestored()
    {
        TSettingsStore store(m_dir->filePath(QStringLiteral("QUORTOSK.ini")));
        {
            auto form = start(&store);
            QVERIFY(form);
            form->Commands().Action("mmLineNumbers")->trigger();
            form->Commands().Action("mmCurrentLine")->trigger();
            form->close();
        }
        {
            TSettingsSession s(store);
            QCOMPARE(s.ReadString("Options", "mmLineNumbers_Checked"), QStringLiteral("True"));
            QCOMPARE(s.ReadString("Options", "mmCurrentLine_Checked"), QStringLiteral("True"));
        }
        {
            auto form = start(&store);
            QVERIFY(form);
            QVERIFY(form->Commands().Action("mmLineNumbers")->isChecked());
            QVERIFY(form->Commands().Action("mmCurrentLine")->isChecked());
            QVERIFY(TLineNumberArea::Shown(form->ActiveEditor()));
            QVERIFY(TCurrentLine::Shown(form->ActiveEditor()));
            form->Commands().Action("mmLineNumbers")->trigger();
            form->close();
        }
        TSettingsSession s(store);
        QCOMPARE(s.ReadString("Options", "mmLineNumbers_Checked"), QStringLiteral("False"));
        QCOMPARE(s.ReadString("Options", "mmCurrentLine_Checked"), QStringLiteral("True"));
    }
};

QTEST_MAIN(TestLineView)
#include "tst_lineview.moc"
