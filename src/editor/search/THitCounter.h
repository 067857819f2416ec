#pragma once

#include "text/TextSearch.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTextBlock>
#include <QTimer>

#include <functional>

class QTextDocument;

// Finds every hit of a search text in a text document, in slices of a few milliseconds
// between events, so that a text of many megabytes never holds the window up. Hits are
// found as Find Next finds them (the same matcher and options, each search going on after
// the hit before). The text is read block by block, a block being one line. Any change of
// the text starts the count again; text arriving at the end while it is still being
// loaded is waited for.
class THitCounter : public QObject
{
    Q_OBJECT
public:
    explicit THitCounter(QObject *parent = nullptr);

    // Starts counting `needle` (line breaks as "\n") in `text`; an empty needle counts
    // nothing and is done at once. `stillLoading` tells whether more text is on its way.
    void Start(QTextDocument *text, const QString &needle, const TextSearch::Options &options,
               std::function<bool()> stillLoading = {});
    void Stop();

    QTextDocument *Text() const { return m_text; }
    bool Done() const { return m_done; }
    bool Running() const { return m_timer.isActive() || m_restart.isActive(); }
    QString Needle() const { return m_needle; }
    // Hit starts found so far, ascending (all of them once Done).
    const QList<int> &Hits() const { return m_hits; }
    // 1-based place of the hit starting at `pos`, 0 when no hit starts there.
    int IndexOf(int pos) const;
    // The first hit that may show in [from, to): its index in Hits().
    qsizetype FirstHitFrom(int from) const;

    // How long one slice may take.
    static constexpr int SliceMs = 4;

signals:
    // Hits were added: those from `firstNew` on in Hits().
    void Progress(qsizetype firstNew);
    void Finished(int count);
    // The count was thrown away (the text or the document changed) and begins again.
    void Restarted();

private:
    void slice();
    void restart();
    void onContentsChange(int from, int removed, int added);
    bool readMore(bool loading);
    void scanBuffer(bool atEnd);

    QPointer<QTextDocument> m_text;
    QMetaObject::Connection m_changeLink;
    QString m_needle;
    TextSearch::Options m_options;
    std::function<bool()> m_loading;

    QTimer m_timer;   // the next slice
    QTimer m_restart; // changes of the text gathered into one new start
    QList<int> m_hits;
    bool m_done = true;

    // The text read so far but not yet decided: m_buffer holds the document's characters
    // from m_bufferStart on (one "\n" between blocks), m_next is where searching goes on.
    QString m_buffer;
    int m_bufferStart = 0;
    int m_next = 0;
    int m_readTo = 0; // document position after the last block read
    QTextBlock m_nextBlock;
};
