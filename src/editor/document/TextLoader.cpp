#include "editor/document/TextLoader.h"

#include "common/FreeMemory.h"

#include <QFont>
#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>
#include <QThread>

#include <atomic>
#include <utility>

namespace {

constexpr qsizetype FirstSlice = 64 * 1024;   // shown at once: more than any screen holds
constexpr qsizetype BuildPiece = 1024 * 1024; // taken in by the builder between checks
constexpr int ProgressMs = 50;
constexpr int WidestProbe = 10000; // the longest line laid out aside is no longer than this

// Fills an empty document with its first piece. As QPlainTextEdit::setPlainText does it:
// the text gets the document's format explicitly, in the same edit block, and every later
// piece takes the format before it. Left with the blocks' implicit format, the caret's first
// jump into a 16 MB text took about 10 ms instead of 1 to 2 (bench_editor).
void putFirst(QTextDocument *text, const QString &first)
{
    QTextCursor formatCursor(text);
    const QTextCharFormat format = formatCursor.charFormat();
    formatCursor.beginEditBlock();
    text->setPlainText(first);
    formatCursor.select(QTextCursor::Document);
    formatCursor.setCharFormat(format);
    formatCursor.endEditBlock();
}

// What the shown document's look is: the whole one is built with the same, so that taking
// its place lays nothing out twice.
struct Look
{
    QFont font;
    QTextOption option;
    qreal margin = 0;
    qreal indent = 0;
    bool designMetrics = false;
};

} // namespace

// One whole text being built on a thread of its own. The document is created there without
// a layout (so none of the building lays anything out) and handed to the GUI thread at the
// end; a dropped job ends at its next piece and throws its document away.
struct TextLoader::Job
{
    quint64 id = 0;
    std::atomic<bool> cancelled{false};
    std::atomic<int> percent{0};
    QTextDocument *built = nullptr; // set by the builder just before it ends
    QThread *thread = nullptr;

    ~Job()
    {
        cancelled = true;
        if (thread) {
            thread->wait();
            delete thread;
        }
        delete built; // in the GUI thread by now
    }

    void build(const QString &first, TextFile::PendingText rest, const Look &look, QThread *home)
    {
        auto *text = new QTextDocument;
        text->setUndoRedoEnabled(false);
        text->setDefaultFont(look.font);
        text->setDefaultTextOption(look.option);
        text->setDocumentMargin(look.margin);
        text->setIndentWidth(look.indent);
        text->setUseDesignMetrics(look.designMetrics);
        putFirst(text, first);
        {
            QTextCursor end(text);
            end.movePosition(QTextCursor::End);
            // Each piece goes on where the one before ended (mostly with a line break).
            while (!rest.AtEnd() && !cancelled) {
                end.insertText(rest.Next(BuildPiece));
                percent = rest.Percent();
            }
        }
        // Its layout is made here too: giving a document its layout walks every block, and
        // so does the editor taking it, which also gives every block a layout object. Made
        // here, both are off the GUI thread; the editor then only clears them.
        text->setDocumentLayout(new QPlainTextDocumentLayout(text));
        int n = 0;
        QTextBlock longest;
        for (QTextBlock b = text->firstBlock(); b.isValid() && !cancelled; b = b.next()) {
            b.layout();
            if (n > 0 && b.length() > longest.length() && b.length() <= WidestProbe)
                longest = b;
            if ((++n & 4095) == 0 && cancelled)
                break;
        }
        if (cancelled) {
            delete text;
            return;
        }
        // Qt's plain-text layout looks through every block for the widest one when the block
        // it last found widest is laid out narrower. Taking the document, the editor lays out
        // the first block at an unlimited width and then, after setting its own width, again:
        // 170,000 blocks walked (9 ms) in the turn of the swap. Laid out here, the longest
        // other line (of a length quick to lay out) is the widest known instead, and the first
        // block's layouts walk nothing unless it is wider still.
        if (longest.isValid())
            text->documentLayout()->blockBoundingRect(longest);
        text->moveToThread(home);
        built = text;
    }
};

TextLoader::TextLoader(QTextDocument *text, QObject *parent) : QObject(parent), m_text(text)
{
    m_progress.setInterval(ProgressMs);
    connect(&m_progress, &QTimer::timeout, this, [this] {
        if (m_job)
            emit Progress(m_job->percent);
    });
}

TextLoader::~TextLoader() = default; // each job still running ends at its next piece

void TextLoader::Start(TextFile::PendingText text)
{
    if (m_loading) {
        drop();
        emit Progress(100);
    }
    ++m_taking;
    m_text->setUndoRedoEnabled(false); // empties the history too
    const QString first = text.Next(FirstSlice);
    putFirst(m_text, first);
    m_text->setUndoRedoEnabled(true);
    --m_taking;
    if (text.AtEnd())
        return;
    m_rest = text.Length();
    m_edits.Start(*m_text);
    m_shownLink =
        connect(m_text, &QTextDocument::contentsChange, this, [this](int from, int removed, int added) {
            if (!Taking())
                m_edits.Changed(*m_text, from, removed, added);
        });
    const Look look{m_text->defaultFont(), m_text->defaultTextOption(), m_text->documentMargin(),
                    m_text->indentWidth(), m_text->useDesignMetrics()};
    m_job = std::make_unique<Job>();
    m_job->id = ++m_jobs;
    m_job->percent = text.Percent();
    Job *job = m_job.get();
    job->thread = QThread::create([job, first, rest = std::move(text), look, home = thread()]() mutable {
        job->build(first, std::move(rest), look, home);
    });
    connect(job->thread, &QThread::finished, this, [this, id = job->id] { jobEnded(id); });
    job->thread->start();
    m_loading = true;
    m_progress.start();
    emit Progress(job->percent);
}

int TextLoader::WholeLength() const
{
    const qsizetype shown = m_text->characterCount() - 1;
    return int(m_loading ? m_rest + shown : shown);
}

void TextLoader::jobEnded(quint64 id)
{
    if (m_job && m_job->id == id) {
        deliver();
        return;
    }
    std::erase_if(m_dropped, [id](const std::unique_ptr<Job> &job) { return job->id == id; });
}

void TextLoader::deliver()
{
    m_job->thread->wait();
    std::unique_ptr<Job> job = std::move(m_job);
    QTextDocument *whole = std::exchange(job->built, nullptr);
    job.reset();
    std::function<void()> whenWhole = std::exchange(m_afterLoad, nullptr);
    const ShownEdits edits = std::exchange(m_edits, ShownEdits());
    drop(); // all in: the text is whole
    if (whole) {
        QTextDocument *shown = std::exchange(m_text, whole);
        whole->setUndoRedoEnabled(true);
        ++m_taking;
        edits.Replay(whole, *shown);
        --m_taking;
        emit Built(whole, shown);
    }
    if (whenWhole)
        whenWhole();
    // The pieces and the shown part, once this turn has let go of them.
    QTimer::singleShot(0, this, [] { FreeMemory::GiveBack(); });
    emit Progress(100);
}

void TextLoader::Finish()
{
    if (m_loading)
        deliver();
}

void TextLoader::AfterLoad(std::function<void()> whenWhole)
{
    if (!m_loading) {
        whenWhole();
        return;
    }
    m_afterLoad = std::move(whenWhole);
}

void TextLoader::UndoStep(bool redo, const std::function<void()> &perform)
{
    if (!m_loading) {
        perform();
        return;
    }
    m_edits.BeginUndo(redo);
    perform();
    m_edits.EndUndo();
}

void TextLoader::drop()
{
    m_progress.stop();
    disconnect(m_shownLink);
    m_edits.Clear();
    if (m_job) {
        m_job->cancelled = true;
        m_dropped.push_back(std::move(m_job));
    }
    m_afterLoad = nullptr;
    m_loading = false;
    m_text->setUndoRedoEnabled(true);
}
