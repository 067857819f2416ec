#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include <functional>

class TAbstractSpeller;
class TRxRichEdit;

// Checking as you type for one editor: underlines the unknown words of the part of the
// text on screen with a red wavy line. Only that part is ever checked, a while after
// typing pauses, after a scroll and when the editor is shown; the rest of the text is
// never read. The underlines are extra selections of the editor, so they move with the
// text until the next check replaces them.
class VisibleSpellCheck : public QObject
{
    Q_OBJECT
public:
    static constexpr int TypingPause = 300; // ms after the last change
    static constexpr int ScrollPause = 50;  // ms after a scroll, a resize or a caret move

    // `speller` answers the speller to use, or null while there is none. The object
    // belongs to the editor.
    VisibleSpellCheck(TRxRichEdit *editor, std::function<TAbstractSpeller *()> speller);
    // The check of an editor, null if it has none.
    static VisibleSpellCheck *of(const TRxRichEdit *editor);

    void SetActive(bool active); // off removes the underlines
    bool IsActive() const { return m_active; }
    void Schedule(int ms);
    // Checks the visible part now, when active, shown and a speller is there.
    void CheckNow();

    struct Word
    {
        int start = -1, length = 0;
        bool IsValid() const { return start >= 0 && length > 0; }
        bool operator==(const Word &) const = default;
    };
    // The words underlined now, at their present positions, in text order.
    QList<Word> Underlined() const;
    // The underlined word the last context menu was asked for (by the mouse: the word
    // under it; by the keyboard: the word at the caret); invalid when there is none.
    Word MenuWord() const;
    // The visible text of the last check: first and one past the last position.
    int CheckedFrom() const { return m_checkedFrom; }
    int CheckedTo() const { return m_checkedTo; }

signals:
    void Checked(); // after every check that ran

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Span
    {
        QTextBlock block;
        int from, to; // offsets in the block's text
    };
    QList<Span> visibleSpans() const;
    Word wordAtChar(int pos) const;
    void setUnderlines(const QList<Word> &words);

    TRxRichEdit *m_editor;
    QWidget *m_viewport; // compared with, never asked of the editor while it goes
    std::function<TAbstractSpeller *()> m_speller;
    QTimer m_timer;
    bool m_active = false;
    QList<QTextEdit::ExtraSelection> m_underlines;
    QMetaObject::Connection m_sizeLink; // to the layout of the text shown
    // The word being typed is left alone while the caret stays where the last change left it.
    int m_lastEdit = -1;
    // Where the last context menu was asked for.
    QPoint m_menuPoint;
    bool m_menuByKeyboard = false;
    int m_checkedFrom = 0, m_checkedTo = 0;
};
