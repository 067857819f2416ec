#include "editor/search/THitCounter.h"

#include <QTextDocument>

#include <algorithm>

namespace {

// Characters searched or read in one go; small enough that the clock is asked often.
constexpr qsizetype Window = 16 * 1024;
// While the text is still coming in, how often to look whether more has come.
constexpr int LoadingPollMs = 50;
// On a large text a burst of typing is counted again once it pauses.
constexpr int LargeText = 1024 * 1024;
constexpr int TypingPauseMs = 150;

} // namespace

THitCounter::THitCounter(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &THitCounter::slice);
    m_restart.setSingleShot(true);
    connect(&m_restart, &QTimer::timeout, this, &THitCounter::restart);
}

void THitCounter::Start(QTextDocument *text, const QString &needle, const TextSearch::Options &options,
                        std::function<bool()> stillLoading)
{
    if (text != m_text.data()) {
        disconnect(m_changeLink);
        m_text = text;
        if (text)
            m_changeLink =
                connect(text, &QTextDocument::contentsChange, this, &THitCounter::onContentsChange);
    }
    m_needle = needle;
    m_options = options;
    m_loading = std::move(stillLoading);
    m_restart.stop();
    restart();
    // A small text is counted at once, without showing "not yet known" first.
    if (!m_done) {
        m_timer.stop();
        slice();
    }
}

void THitCounter::Stop()
{
    disconnect(m_changeLink);
    m_text = nullptr;
    m_timer.stop();
    m_restart.stop();
    m_hits.clear();
    m_buffer.clear();
    m_done = true;
}

int THitCounter::IndexOf(int pos) const
{
    const auto it = std::lower_bound(m_hits.cbegin(), m_hits.cend(), pos);
    return it != m_hits.cend() && *it == pos ? int(it - m_hits.cbegin()) + 1 : 0;
}

qsizetype THitCounter::FirstHitFrom(int from) const
{
    // A hit that starts up to a needle's length before `from` may still reach into it.
    const int start = from - int(m_needle.size());
    return std::lower_bound(m_hits.cbegin(), m_hits.cend(), start + 1) - m_hits.cbegin();
}

void THitCounter::onContentsChange(int from, int, int)
{
    // Text that has not been read yet is read as it is then.
    if (m_needle.isEmpty() || (!m_done && from >= m_readTo))
        return;
    // Positions after the change no longer hold: nothing is shown until counted again.
    m_timer.stop();
    m_hits.clear();
    m_done = false;
    emit Restarted();
    m_restart.start(m_text && m_text->characterCount() > LargeText ? TypingPauseMs : 0);
}

void THitCounter::restart()
{
    m_timer.stop();
    m_hits.clear();
    m_buffer.clear();
    m_bufferStart = m_next = m_readTo = 0;
    m_nextBlock = m_text ? m_text->begin() : QTextBlock();
    m_done = m_needle.isEmpty() || !m_text;
    if (m_done)
        emit Finished(0);
    else
        m_timer.start(0);
}

bool THitCounter::readMore(bool loading)
{
    qsizetype added = 0;
    while (m_nextBlock.isValid() && added < Window) {
        const QTextBlock after = m_nextBlock.next();
        // The last block may still grow while the text comes in.
        if (loading && !after.isValid())
            break;
        const QString line = m_nextBlock.text();
        m_buffer += line;
        added += line.size() + 1;
        if (after.isValid())
            m_buffer += QLatin1Char('\n');
        m_readTo = m_nextBlock.position() + m_nextBlock.length();
        m_nextBlock = after;
    }
    return added > 0;
}

// Searches the buffer up to index `limit`. A hit counts when what follows it is known
// (the whole-word rule looks at the next character): before `limit`, or at the very end of
// the text. Afterwards m_next is the first position not yet decided.
void THitCounter::scanBuffer(bool atEnd)
{
    const qsizetype m = m_needle.size();
    const qsizetype from = m_next - m_bufferStart;
    const qsizetype limit = std::min<qsizetype>(m_buffer.size(), from + Window + m);
    const bool lastPiece = atEnd && limit == m_buffer.size();
    const QStringView view = QStringView(m_buffer).first(limit);
    qsizetype at = from;
    for (;;) {
        const qsizetype p = TextSearch::findDown(view, m_needle, at, m_options);
        if (p < 0) {
            at = std::max(at, limit - m + 1);
            break;
        }
        if (p + m >= limit && !lastPiece) {
            at = p;
            break;
        }
        m_hits.append(int(m_bufferStart + p));
        at = p + m;
    }
    m_next = int(m_bufferStart + at);
    // Keep one character before the next start: the whole-word rule looks at it.
    const qsizetype consumed = at - 1;
    if (consumed > 4 * Window && consumed > m_buffer.size() / 2) {
        m_buffer.remove(0, consumed);
        m_bufferStart += int(consumed);
    }
}

void THitCounter::slice()
{
    if (!m_text || m_done)
        return;
    QElapsedTimer clock;
    clock.start();
    const qsizetype before = m_hits.size();
    const qsizetype m = m_needle.size();
    const bool loading = m_loading && m_loading();
    // Found again each slice: edits past what was read leave the handle of a removed block.
    m_nextBlock = m_readTo < m_text->characterCount() ? m_text->findBlock(m_readTo) : QTextBlock();
    bool waiting = false;
    do {
        const qsizetype unsearched = m_buffer.size() - (m_next - m_bufferStart);
        if (unsearched < Window + m && readMore(loading))
            continue;
        const bool more = m_nextBlock.isValid();
        const bool wholeBuffer = unsearched <= Window + m;
        scanBuffer(!more);
        if (wholeBuffer && !more) {
            m_done = true;
            break;
        }
        if (wholeBuffer && more) { // the last block is still coming in
            waiting = true;
            break;
        }
    } while (clock.elapsed() < SliceMs);

    if (m_hits.size() > before)
        emit Progress(before);
    if (m_done)
        emit Finished(int(m_hits.size()));
    else
        m_timer.start(waiting ? LoadingPollMs : 0);
}
