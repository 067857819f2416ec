#include "editor/TextLoader.h"

#include "common/FreeMemory.h"

#include <QElapsedTimer>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>

namespace {
constexpr qsizetype FirstSlice = 64 * 1024;   // shown at once: more than any screen holds
constexpr qsizetype LaterSlice = 64 * 1024;   // taken in between events
constexpr qint64 SliceBudgetNs = 5 * 1000000; // per turn of the event loop
} // namespace

TextLoader::TextLoader(QTextDocument *text, QObject *parent) : QObject(parent), m_text(text)
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, [this] { takeSlices(SliceBudgetNs); });
}

void TextLoader::Start(TextFile::PendingText text)
{
    if (m_loading) {
        drop();
        emit Progress(100);
    }
    ++m_taking;
    m_text->setUndoRedoEnabled(false); // empties the history too
    // As QPlainTextEdit::setPlainText does it: the first slice (and so every later one,
    // which takes the format before it) gets the document's format explicitly, in the same
    // edit block. Left with the blocks' implicit format, the caret's first jump into the
    // first slice of a 16 MB text took about 10 ms instead of 1 to 2 (bench_editor).
    QTextCursor formatCursor(m_text);
    const QTextCharFormat format = formatCursor.charFormat();
    formatCursor.beginEditBlock();
    m_text->setPlainText(text.Next(FirstSlice));
    formatCursor.select(QTextCursor::Document);
    formatCursor.setCharFormat(format);
    formatCursor.endEditBlock();
    --m_taking;
    if (text.AtEnd()) {
        m_text->setUndoRedoEnabled(true);
        return;
    }
    m_pending = std::move(text);
    m_loading = true;
    m_timer.start();
    emit Progress(m_pending.Percent());
}

void TextLoader::takeSlices(qint64 budgetNs)
{
    if (!m_loading)
        return;
    QElapsedTimer clock;
    clock.start();
    ++m_taking;
    QTextCursor end(m_text);
    end.movePosition(QTextCursor::End);
    // Each slice starts with the break before its first line.
    while (!m_pending.AtEnd() && (budgetNs < 0 || clock.nsecsElapsed() < budgetNs))
        end.insertText(m_pending.Next(LaterSlice));
    --m_taking;
    if (!m_pending.AtEnd()) {
        emit Progress(m_pending.Percent());
        return;
    }
    std::function<void()> whenWhole = std::exchange(m_afterLoad, nullptr);
    drop(); // all in: the text is whole
    if (whenWhole)
        whenWhole();
    // The slices and the grown buffers' old copies, once this turn has let go of them.
    QTimer::singleShot(0, this, [] { FreeMemory::GiveBack(); });
    emit Progress(100);
}

void TextLoader::Finish()
{
    takeSlices(-1);
}

void TextLoader::AfterLoad(std::function<void()> whenWhole)
{
    if (!m_loading) {
        whenWhole();
        return;
    }
    m_afterLoad = std::move(whenWhole);
}

void TextLoader::drop()
{
    m_timer.stop();
    m_pending = TextFile::PendingText();
    m_afterLoad = nullptr;
    m_loading = false;
    m_text->setUndoRedoEnabled(true);
}
