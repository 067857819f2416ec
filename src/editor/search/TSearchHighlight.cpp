#include "editor/search/TSearchHighlight.h"

#include "editor/view/TRxRichEdit.h"
#include "editor/search/TSearchDialog.h"
#include "text/TextFile.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// A warm marker colour laid over the page's background, so that it stays apart from the
// selection colour on light and dark pages alike.
QColor hitColor(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor marker(255, 200, 40);
    auto mix = [](int a, int b) { return (a * 2 + b * 3) / 5; };
    return QColor(mix(base.red(), marker.red()), mix(base.green(), marker.green()),
                  mix(base.blue(), marker.blue()));
}

} // namespace

TSearchHighlight::TSearchHighlight(TRxRichEdit *editor, TSearchDialog *dialog)
    : QObject(dialog), m_editor(editor), m_dialog(dialog)
{
    setObjectName(QStringLiteral("TSearchHighlight"));
    dialog->installEventFilter(this);
    auto changed = [this] {
        if (m_active)
            restart();
    };
    connect(dialog->edtSearch, &QLineEdit::textChanged, this, changed);
    connect(dialog->chkMatchCase, &QCheckBox::toggled, this, changed);
    connect(dialog->chkWholeWord, &QCheckBox::toggled, this, changed);
    connect(editor, &TRxRichEdit::SelectionChanged, this, [this] {
        if (m_active && m_counter.Done())
            showCount();
    });
    connect(&m_counter, &THitCounter::Progress, this, &TSearchHighlight::repaintIfInSight);
    connect(&m_counter, &THitCounter::Finished, this, &TSearchHighlight::showCount);
    connect(&m_counter, &THitCounter::Restarted, this, [this] {
        showCount();
        // Typing where no hit shows repaints no more than it would without the dialog.
        if (m_viewport && m_hitsPainted)
            m_viewport->update();
    });
    if (dialog->isVisible())
        activate();
}

TSearchHighlight::~TSearchHighlight()
{
    if (m_viewport)
        m_viewport->removeEventFilter(this);
}

QString TSearchHighlight::CountText(int count)
{
    if (count == 0)
        return tr("žádný výskyt");
    if (count == 1)
        return tr("%1 výskyt").arg(count);
    if (count <= 4)
        return tr("%1 výskyty").arg(count);
    return tr("%1 výskytů").arg(count);
}

bool TSearchHighlight::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_dialog) {
        if (event->type() == QEvent::Show)
            activate();
        else if (event->type() == QEvent::Hide)
            deactivate();
    } else if (watched == m_viewport && event->type() == QEvent::Paint && m_active) {
        // Painted before the editor paints its text, so the text and the selection lie on top.
        QPainter painter(m_viewport);
        paintHits(painter);
    }
    return false;
}

void TSearchHighlight::activate()
{
    if (m_active)
        return;
    m_active = true;
    m_viewport = m_editor->viewport();
    m_viewport->installEventFilter(this);
    restart();
}

void TSearchHighlight::deactivate()
{
    if (!m_active)
        return;
    m_active = false;
    m_counter.Stop();
    if (m_viewport) {
        m_viewport->removeEventFilter(this);
        m_viewport->update();
    }
    m_viewport = nullptr;
    // A dialog destroyed while shown hides from QWidget's destructor, when it is no longer a
    // TSearchDialog: then there is no label left to clear.
    if (auto *dialog = qobject_cast<TSearchDialog *>(static_cast<QObject *>(m_dialog)))
        dialog->ShowHits(QString());
}

void TSearchHighlight::restart()
{
    QPointer<TRxRichEdit> editor(m_editor);
    m_counter.Start(m_editor->document(), TextFile::normalizeBreaks(m_dialog->SearchText()),
                    TextSearch::Options{m_dialog->MatchCase(), m_dialog->WholeWord()},
                    [editor] { return editor && editor->Loading(); });
    showCount();
    if (m_viewport)
        m_viewport->update();
}

void TSearchHighlight::showCount()
{
    if (!m_active || m_counter.Needle().isEmpty()) {
        m_dialog->ShowHits(QString());
        return;
    }
    if (!m_counter.Done()) {
        m_dialog->ShowHits(QStringLiteral("…"));
        return;
    }
    const int count = int(m_counter.Hits().size());
    QString text = CountText(count);
    const int place =
        m_editor->SelLength() == m_counter.Needle().size() ? m_counter.IndexOf(m_editor->SelStart()) : 0;
    if (place > 0)
        text += QStringLiteral(" · ") + tr("%1. z %2").arg(place).arg(count);
    m_dialog->ShowHits(text);
}

int TSearchHighlight::visibleEnd() const
{
    const QRect view = m_editor->viewport()->rect();
    return m_editor->cursorForPosition(view.bottomRight()).position();
}

// A slice found hits: the page is repainted only when some of them are in sight.
void TSearchHighlight::repaintIfInSight(qsizetype firstNew)
{
    if (m_viewport && m_counter.Hits().at(firstNew) <= visibleEnd())
        m_viewport->update();
}

void TSearchHighlight::paintHits(QPainter &painter)
{
    if (m_editor->document() != m_counter.Text()) {
        // The editor shows another document now: count there.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_active)
                    restart();
            },
            Qt::QueuedConnection);
        return;
    }
    m_hitsPainted = false;
    const QList<int> &hits = m_counter.Hits();
    if (hits.isEmpty())
        return;
    QTextDocument *text = m_editor->document();
    const int length = int(m_counter.Needle().size());
    const int last = qMin(visibleEnd(), text->characterCount() - 1);
    const int first = m_editor->cursorForPosition(QPoint(0, 0)).position();
    const QColor color = hitColor(m_editor->palette());
    const qreal breakWidth = m_editor->fontMetrics().averageCharWidth() / 2.0;
    const int viewHeight = m_viewport->height();

    for (qsizetype i = m_counter.FirstHitFrom(first); i < hits.size() && hits[i] <= last; ++i) {
        const int start = hits[i], end = qMin(start + length, text->characterCount() - 1);
        for (QTextBlock block = text->findBlock(start); block.isValid() && block.position() <= end;
             block = block.next()) {
            const QRectF geom = m_editor->BlockRect(block);
            if (geom.top() > viewHeight)
                break;
            const QTextLayout *layout = block.layout();
            if (!layout || layout->lineCount() == 0 || geom.bottom() < 0)
                continue;
            const int from = qMax(start, block.position()) - block.position();
            const int to = qMin(end, block.position() + block.length() - 1) - block.position();
            const bool takesBreak = end > block.position() + block.length() - 1;
            auto lineOf = [layout](int pos) {
                const QTextLine line = layout->lineForTextPosition(pos);
                return line.isValid() ? line.lineNumber() : layout->lineCount() - 1;
            };
            const int lastLine = lineOf(to);
            for (int n = lineOf(from); n <= lastLine; ++n) {
                const QTextLine line = layout->lineAt(n);
                const int lineStart = line.textStart(), lineEnd = lineStart + line.textLength();
                const qreal x1 = line.cursorToX(qMax(from, lineStart));
                qreal x2 = line.cursorToX(qMin(to, lineEnd));
                if (n == lastLine && takesBreak)
                    x2 += breakWidth; // a hit that takes the line break shows it
                painter.fillRect(QRectF(geom.left() + x1, geom.top() + line.y(), x2 - x1, line.height()),
                                 color);
                m_hitsPainted = true;
            }
        }
    }
}
