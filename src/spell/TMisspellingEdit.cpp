#include "spell/TMisspellingEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

namespace {

QTextCharFormat errorFormat()
{
    QTextCharFormat f;
    f.setForeground(QColor(0xFF, 0x00, 0x00));
    return f;
}

// Pasted text stays on the error's line.
QString oneLine(QString text)
{
    for (QChar &c : text)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator
            || c == QChar::LineSeparator)
            c = QLatin1Char(' ');
    return text;
}

} // namespace

TMisspellingEdit::TMisspellingEdit(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QTextEdit::WidgetWidth);
}

int TMisspellingEdit::length() const
{
    return document()->characterCount() - 1;
}

void TMisspellingEdit::SetLine(const QString &line, int errorStart, int errorLength)
{
    const QSignalBlocker block(this);
    clear();
    QTextCharFormat plain;
    plain.setForeground(palette().color(QPalette::Text));
    QTextCursor c(document());
    c.insertText(line.left(errorStart), plain);
    c.insertText(line.mid(errorStart, errorLength), errorFormat());
    c.insertText(line.mid(errorStart + errorLength), plain);
    m_start = errorStart;
    m_end = errorStart + errorLength;
    c.setPosition(m_start);
    setTextCursor(c); // nothing selected
    ensureCursorVisible();
}

void TMisspellingEdit::ClearLine()
{
    const QSignalBlocker block(this);
    clear();
    m_start = m_end = 0;
}

QString TMisspellingEdit::EditedText() const
{
    QTextCursor c(document());
    c.setPosition(m_start);
    c.setPosition(m_end, QTextCursor::KeepAnchor);
    return c.selectedText();
}

void TMisspellingEdit::RestoreError(const QString &word)
{
    QTextCursor c(document());
    c.setPosition(m_start);
    c.setPosition(m_end, QTextCursor::KeepAnchor);
    c.insertText(word, errorFormat());
    m_end = m_start + int(word.size());
    c.setPosition(m_start);
    setTextCursor(c);
}

bool TMisspellingEdit::editable(int from, int to) const
{
    return from >= m_start && to <= m_end && from <= to;
}

bool TMisspellingEdit::edit(int from, int to, const QString &text)
{
    if (!editable(from, to) || (from == to && text.isEmpty()))
        return false;
    const int before = length();
    QTextCursor c = textCursor();
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    c.insertText(text, errorFormat());
    setTextCursor(c);
    m_end += length() - before;
    ensureCursorVisible();
    emit Edited();
    return true;
}

void TMisspellingEdit::keyPressEvent(QKeyEvent *e)
{
    const QTextCursor c = textCursor();
    const int a = c.selectionStart(), b = c.selectionEnd(), pos = c.position();
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape) {
        e->ignore(); // the dialog's default and cancel buttons
        return;
    }
    if (e == QKeySequence::Undo || e == QKeySequence::Redo) {
        e->accept();
        return;
    }
    if (e == QKeySequence::Cut) {
        if (c.hasSelection() && editable(a, b)) {
            QApplication::clipboard()->setText(c.selectedText());
            edit(a, b, QString());
        }
        e->accept();
        return;
    }
    if (e == QKeySequence::Paste) {
        edit(a, b, oneLine(QApplication::clipboard()->text()));
        e->accept();
        return;
    }
    auto deleteTo = [&](QTextCursor::MoveOperation op, int fallback) {
        if (c.hasSelection()) {
            edit(a, b, QString());
            return;
        }
        QTextCursor m = c;
        int target = fallback;
        if (op != QTextCursor::NoMove && m.movePosition(op))
            target = m.position();
        // A word-wise delete stops at the edge of the red run.
        target = qBound(m_start, target, m_end);
        edit(qMin(pos, target), qMax(pos, target), QString());
    };
    if (e == QKeySequence::DeleteStartOfWord) {
        deleteTo(QTextCursor::PreviousWord, pos);
    } else if (e == QKeySequence::DeleteEndOfWord) {
        deleteTo(QTextCursor::NextWord, pos);
    } else if (e->key() == Qt::Key_Backspace) {
        if (c.hasSelection())
            edit(a, b, QString());
        else
            edit(pos - 1, pos, QString());
    } else if (e == QKeySequence::Delete) {
        if (c.hasSelection())
            edit(a, b, QString());
        else
            edit(pos, pos + 1, QString());
    } else {
        const QString text = e->text();
        const bool inserts = !text.isEmpty() && text.at(0).isPrint()
                             && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (!inserts) {
            QTextEdit::keyPressEvent(e); // moving, selecting, copying
            return;
        }
        edit(a, b, text);
    }
    e->accept();
}

void TMisspellingEdit::inputMethodEvent(QInputMethodEvent *e)
{
    const QTextCursor c = textCursor();
    if (!e->commitString().isEmpty())
        edit(c.selectionStart(), c.selectionEnd(), oneLine(e->commitString()));
    e->accept();
}

bool TMisspellingEdit::canInsertFromMimeData(const QMimeData *source) const
{
    return source && source->hasText();
}

void TMisspellingEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source || !source->hasText())
        return;
    const QTextCursor c = textCursor();
    edit(c.selectionStart(), c.selectionEnd(), oneLine(source->text()));
}
