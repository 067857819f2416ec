#include "app/files/Recovery.h"

#include "app/commands/PageCommands.h"
#include "app/files/RecoveryStore.h"
#include "app/pages/TPageControl.h"
#include "common/TPrompts.h"
#include "editor/view/TRxRichEdit.h"
#include "text/TextFile.h"

#include <cstdio>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

// How long one slice of a snapshot may take, and how much text one step copies: well under
// a frame, so typing never waits for a copy.
constexpr qint64 SliceBudgetNs = 3'000'000;
constexpr int ChunkChars = 64 * 1024;

const QString Encoding1250 = QStringLiteral("windows-1250");
const QString EncodingUtf8 = QStringLiteral("utf-8");
const QString EncodingKamenicky = QStringLiteral("kamenicky");
const QString EncodingLatin2 = QStringLiteral("ibm852");
const QString EncodingIso8859_2 = QStringLiteral("iso-8859-2");

// The name a copy's record gives the page's encoding. A new encoding of pages makes the
// compiler point here (and at encodeText, decodeText and RecoveryCopy::Parse).
QString copyEncodingName(Document::Encoding encoding)
{
    switch (encoding) {
    case Document::Encoding::Windows1250:
        return Encoding1250;
    case Document::Encoding::Utf8:
        return EncodingUtf8;
    case Document::Encoding::Kamenicky:
        return EncodingKamenicky;
    case Document::Encoding::Latin2:
        return EncodingLatin2;
    case Document::Encoding::Iso8859_2:
        return EncodingIso8859_2;
    }
    return Encoding1250;
}

// The page encoding a copy's record names (Windows 1250 for an older copy's default).
Document::Encoding copyEncoding(const QString &name)
{
    for (const auto encoding : {Document::Encoding::Utf8, Document::Encoding::Kamenicky,
                                Document::Encoding::Latin2, Document::Encoding::Iso8859_2})
        if (name == copyEncodingName(encoding))
            return encoding;
    return Document::Encoding::Windows1250;
}

// The copy's text in the page's encoding, as Save would write it.
QByteArray encodeText(const QString &encoding, const QString &text)
{
    // A UTF-8 page keeps every character; its copy is the text itself ("\n" breaks).
    if (encoding == EncodingUtf8)
        return text.toUtf8();
    return TextFile::toFileBytes(text, false, copyEncoding(encoding));
}

QString decodeText(const QString &encoding, const QByteArray &bytes)
{
    if (encoding == EncodingUtf8)
        return QString::fromUtf8(bytes);
    return TextFile::fromFileBytes(bytes, copyEncoding(encoding));
}

} // namespace

Recovery::Recovery(PageCommands *pages, TPrompts *prompts, QWidget *window, QObject *parent)
    : QObject(parent), m_pages(pages), m_prompts(prompts), m_window(window), m_ask(&Recovery::AskDialog)
{
    setObjectName(QStringLiteral("Recovery"));
    m_writer.setMaxThreadCount(1);
    m_writer.setExpiryTimeout(-1);
    m_slice = new QTimer(this);
    m_slice->setSingleShot(true);
    m_slice->setInterval(0);
    connect(m_slice, &QTimer::timeout, this, &Recovery::sliceStep);
}

Recovery::~Recovery()
{
    m_writer.waitForDone();
    qDeleteAll(m_states);
}

void Recovery::SetStore(RecoveryStore *store)
{
    m_store = store;
}

bool Recovery::Busy() const
{
    return m_snapshot.state || !m_waiting.isEmpty() || m_pendingWrites > 0;
}

// ---- following the pages ----

void Recovery::WatchPage(TTabSheet *page)
{
    if (!page || m_states.contains(page))
        return;
    auto *state = new PageState;
    state->page = page;
    state->pause = new QTimer(this);
    state->pause->setSingleShot(true);
    connect(state->pause, &QTimer::timeout, this, [this, state] { schedule(state); });
    m_states.insert(page, state);
    connect(page->Doc(), &Document::ContentsChange, this, [this, state](int, int removed, int added) {
        if (removed != 0 || added != 0)
            textChanged(state);
    });
    // The copy keeps the page's format too: an encoding chosen for a modified page may change
    // no character, and its copy must still follow.
    connect(page->Doc(), &Document::FormatChanged, this, [this, state] { textChanged(state); });
    connect(page->Doc(), &Document::ModifiedChanged, this,
            [this, state](bool modified) { modifiedChanged(state, modified); });
    connect(page, &QObject::destroyed, this, [this, page] { pageGone(page); });
}

void Recovery::textChanged(PageState *state)
{
    ++state->changes;
    if (m_snapshot.state == state)
        abandonSnapshot(state); // started over after the next pause
    if (!m_ending && m_store && m_store->IsOpen() && state->page && state->page->Doc()->Modified())
        state->pause->start(m_pauseMs);
}

void Recovery::modifiedChanged(PageState *state, bool modified)
{
    if (m_ending)
        return;
    if (modified) {
        if (m_store && m_store->IsOpen())
            state->pause->start(m_pauseMs);
        return;
    }
    // Saved or reloaded: the file holds the text now.
    state->pause->stop();
    abandonSnapshot(state);
    removeCopy(state);
}

void Recovery::pageGone(TTabSheet *page)
{
    PageState *state = m_states.take(page);
    if (!state)
        return;
    abandonSnapshot(state);
    // Closed: by the user's answer or without changes; either way the copy has done its work.
    if (!m_ending)
        removeCopy(state);
    delete state->pause;
    delete state;
}

void Recovery::removeCopy(PageState *state)
{
    if (!state->onDisk || !m_store)
        return;
    state->onDisk = false;
    const QString path = m_store->CopyPath(state->id);
    ++m_pendingWrites;
    QPointer<TTabSheet> page = state->page;
    m_writer.start([this, path, page] {
        RecoveryStore::Remove(path);
        QMetaObject::invokeMethod(
            this,
            [this, page] {
                --m_pendingWrites;
                emit CopyRemoved(page);
            },
            Qt::QueuedConnection);
    });
}

// ---- taking a copy ----

void Recovery::schedule(PageState *state)
{
    if (m_ending || !state->page || !state->page->Doc()->Modified())
        return;
    if (state->page->Doc()->Loading()) { // edited while the rest comes in: copied once whole
        state->pause->start(std::max(m_pauseMs, 100));
        return;
    }
    if (state->onDisk && state->copied == state->changes)
        return; // the copy on disk is this text
    if (m_snapshot.state == state || m_waiting.contains(state->page))
        return;
    m_waiting << state->page;
    if (!m_snapshot.state)
        m_slice->start();
}

void Recovery::abandonSnapshot(PageState *state)
{
    m_waiting.removeAll(state->page);
    if (m_snapshot.state != state)
        return;
    m_snapshot = Snapshot();
    if (!m_waiting.isEmpty())
        m_slice->start();
}

void Recovery::sliceStep()
{
    QElapsedTimer timer;
    timer.start();
    if (!m_snapshot.state) {
        while (!m_waiting.isEmpty() && !m_snapshot.state) {
            TTabSheet *page = m_waiting.takeFirst();
            PageState *state = page ? m_states.value(page) : nullptr;
            if (!state || !page->Doc()->Modified())
                continue;
            m_snapshot.state = state;
            m_snapshot.total = page->Doc()->TextLength();
            m_snapshot.text.reserve(m_snapshot.total);
            m_snapshot.changesAtStart = state->changes;
        }
        if (!m_snapshot.state)
            return;
    }
    Snapshot &s = m_snapshot;
    QTextDocument *doc = s.state->page->Doc()->Text();
    QTextCursor cursor(doc);
    qint64 longestChunk = 0;
    // A chunk is begun only when one as long as the longest so far still fits the budget.
    while (s.pos < s.total && timer.nsecsElapsed() + longestChunk <= SliceBudgetNs) {
        const qint64 chunkStart = timer.nsecsElapsed();
        const int end = qMin(s.total, s.pos + ChunkChars);
        cursor.setPosition(s.pos);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        QString part = cursor.selectedText();
        part.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        s.text += part;
        s.pos = end;
        longestChunk = qMax(longestChunk, timer.nsecsElapsed() - chunkStart);
    }
    if (s.pos < s.total) {
        m_slice->start();
        return;
    }
    snapshotDone();
}

RecoveryCopy Recovery::recordFor(PageState *state) const
{
    TTabSheet *page = state->page;
    const Document *doc = page->Doc();
    RecoveryCopy record;
    record.fileName = doc->FileName();
    record.caption = page->Caption();
    record.hasFile = doc->HasFile();
    const TextFile::Format format = doc->Format();
    record.encoding = copyEncodingName(format.encoding);
    record.bom = format.bom;
    record.lfOnly = format.lfOnly;
    record.caret = page->Editor() ? page->Editor()->SelStart() : 0;
    record.order = m_pages->Pages()->IndexOf(page);
    record.signature = doc->Signature();
    return record;
}

void Recovery::snapshotDone()
{
    PageState *state = m_snapshot.state;
    QString text = std::move(m_snapshot.text);
    m_snapshot = Snapshot();
    if (!m_waiting.isEmpty())
        m_slice->start();
    if (!state->page || !state->page->Doc()->Modified() || !m_store || !m_store->IsOpen())
        return;
    if (state->id == 0)
        state->id = m_store->NewId();
    state->onDisk = true;
    state->copied = state->changes;
    RecoveryCopy record = recordFor(state);
    const QString path = m_store->CopyPath(state->id);
    QPointer<TTabSheet> page = state->page;
    ++m_pendingWrites;
    // Encoding, hashing and writing 16 MB take longer than a frame: off this thread.
    m_writer.start([this, record = std::move(record), text = std::move(text), path, page]() mutable {
        record.text = encodeText(record.encoding, text);
        text = QString();
        QString problem;
        const bool ok = RecoveryStore::Write(path, record.Serialize(), &problem);
        QMetaObject::invokeMethod(
            this,
            [this, page, ok, problem] {
                --m_pendingWrites;
                PageState *state = page ? m_states.value(page.data()) : nullptr;
                if (!ok) {
                    tellCannotKeep(problem);
                    // No room or no folder: tried again later, the older copy (if any) kept.
                    if (state && !m_ending) {
                        state->copied = ~quint64(0);
                        state->pause->start(m_pauseMs * 10);
                    }
                    return;
                }
                if (state)
                    emit CopyWritten(page);
            },
            Qt::QueuedConnection);
    });
}

// ---- ending ----

void Recovery::WriteAllNow()
{
    if (m_kept)
        return;
    m_ending = m_kept = true;
    m_slice->stop();
    m_snapshot = Snapshot();
    m_waiting.clear();
    m_writer.waitForDone(); // a write still running must not land over the newer text
    if (!m_store || !m_store->IsOpen())
        return;
    bool kept = false;
    for (PageState *state : std::as_const(m_states)) {
        state->pause->stop();
        if (!state->page)
            continue;
        if (!state->page->Doc()->Modified()) {
            if (state->onDisk)
                RecoveryStore::Remove(m_store->CopyPath(state->id));
            continue;
        }
        kept = true;
        // Written again even when unchanged: the caret and the caption are current then.
        if (state->id == 0)
            state->id = m_store->NewId();
        RecoveryCopy record = recordFor(state);
        record.text = encodeText(record.encoding, state->page->Doc()->PlainText());
        QString problem;
        // A failed write leaves the copy taken after the last pause, if there is one.
        if (RecoveryStore::Write(m_store->CopyPath(state->id), record.Serialize(), &problem))
            state->onDisk = true;
        else // nobody would see a box now
            std::fprintf(stderr, "%s\n", qPrintable(cannotKeepText(problem)));
        state->copied = state->changes;
    }
    if (!kept) // nothing unsaved: no folder left behind for the next start to look at
        m_store->Finish();
}

void Recovery::DiscardAll()
{
    if (m_kept)
        return;
    m_ending = true;
    m_slice->stop();
    m_snapshot = Snapshot();
    m_waiting.clear();
    m_writer.waitForDone();
    for (PageState *state : std::as_const(m_states))
        state->pause->stop();
    if (m_store) {
        m_store->ReleaseTaken(false);
        m_store->Finish();
    }
}

// ---- at start ----

Recovery::Choice Recovery::AskDialog(QWidget *window, int count)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(),
                    tr("Nalezeny neuložené texty z minulého spuštění (%1).").arg(count),
                    QMessageBox::NoButton, window);
    QPushButton *restore = box.addButton(tr("Obnovit"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(tr("Zahodit"), QMessageBox::DestructiveRole);
    box.setDefaultButton(restore);
    box.exec();
    if (box.clickedButton() == restore)
        return Choice::Restore;
    if (box.clickedButton() == discard)
        return Choice::Discard;
    return Choice::Later; // closed with Escape or the title bar: asked again next time
}

QString Recovery::cannotKeepText(const QString &problem) const
{
    return tr("Do složky %1 nelze ukládat kopie neuložených textů (%2); po pádu programu je nebude "
              "možné obnovit.")
        .arg(m_store ? m_store->Folder() : QString(), problem);
}

// A recovery folder that cannot be written (read-only, full) is told once a run, instead
// of keeping no copies in silence.
void Recovery::tellCannotKeep(const QString &problem)
{
    if (m_ending || std::exchange(m_toldCannotKeep, true))
        return;
    m_prompts->ShowMessage(m_window, QApplication::applicationName(), cannotKeepText(problem));
}

int Recovery::OfferLeftCopies()
{
    if (m_store && !m_store->IsOpen())
        tellCannotKeep(m_store->Problem());
    if (!m_store || !m_store->IsOpen())
        return 0;
    const RecoveryStore::Left left = m_store->TakeLeftCopies();
    if (!left.damaged.isEmpty())
        m_prompts->ShowMessage(m_window, QApplication::applicationName(),
                               tr("Poškozené kopie neuložených textů (%1) byly odloženy do složky %2.")
                                   .arg(left.damaged.size())
                                   .arg(m_store->DamagedFolder()));
    if (left.copies.isEmpty()) {
        m_store->ReleaseTaken(true);
        return 0;
    }
    const Choice choice = m_ask(m_window, int(left.copies.size()));
    if (choice != Choice::Restore) {
        m_store->ReleaseTaken(choice == Choice::Discard);
        return 0;
    }
    int restored = 0;
    bool allAdopted = true;
    for (const RecoveryStore::LeftCopy &item : left.copies) {
        const RecoveryCopy &copy = item.copy;
        const QString caption = copy.hasFile ? copy.caption : m_pages->TakeUntitledCaption(copy.caption);
        TTabSheet *page = m_pages->CreatePage(caption);
        WatchPage(page);
        TRxRichEdit *editor = page->Editor();
        TextFile::Format format;
        format.encoding = copyEncoding(copy.encoding);
        format.bom = copy.bom;
        format.lfOnly = copy.lfOnly;
        page->Doc()->Recover(decodeText(copy.encoding, copy.text), copy.hasFile ? copy.fileName : caption,
                             copy.hasFile, copy.signature, format); // a modified page, with its marker
        const int caret = copy.caret;
        editor->AfterLoad([editor, caret] { editor->SetSelStart(caret); });
        m_pages->Pages()->SetActivePage(page);
        ++restored;
        // The copy moves into our own folder: the text stays kept until the page is saved.
        PageState *state = m_states.value(page);
        state->id = m_store->NewId();
        if (m_store->Adopt(item.path, state->id)) {
            state->onDisk = true;
            state->copied = state->changes;
        } else {
            allAdopted = false;
            state->pause->start(m_pauseMs);
        }
    }
    // Copies that did not move stay for the next start rather than go.
    m_store->ReleaseTaken(allAdopted);
    return restored;
}
