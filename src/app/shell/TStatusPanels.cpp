#include "app/shell/TStatusPanels.h"

#include "app/pages/TPageControl.h"
#include "app/shell/TStatusText.h"
#include "editor/view/TRxRichEdit.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolTip>

#include <memory>

namespace {

// Widths of the panels at 96 dots per inch; panel 7 takes the rest of the bar.
constexpr int DesignWidths[TStatusPanels::PanelCount] = {50, 50, 60, 35, 35, 35, 50};

} // namespace

TStatusPanels::TStatusPanels(QStatusBar *bar, QWidget *window, std::function<TRxRichEdit *()> activeEditor)
    : QObject(window), m_bar(bar), m_window(window), m_activeEditor(std::move(activeEditor))
{
    setObjectName(QStringLiteral("StatusPanels"));
    bar->setStatusTip(tr("Řádek, Sloupec, Pozice, Vkládat/Přepisovat, CapsLock, NumLock, "
                         "Cesta k souboru"));
    const double scale = bar->logicalDpiX() / 96.0;
    const QLocale locale;
    // The texts a panel must show without cutting: the design widths assumed a small font.
    const QString samples[PanelCount] = {StatusText::Number(99999, locale),
                                         StatusText::Number(9999, locale),
                                         StatusText::Number(9999999, locale),
                                         QStringLiteral("OVR"),
                                         QStringLiteral("CAP"),
                                         QStringLiteral("NUM"),
                                         QString()};
    for (int i = 0; i < PanelCount; ++i) {
        auto *label = new QLabel(bar);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        label->setContentsMargins(2, 0, 2, 0);
        label->setTextFormat(Qt::PlainText);
        const int frame = 2 * label->frameWidth() + 4 + 2;
        const int width =
            qMax(qRound(DesignWidths[i] * scale), label->fontMetrics().horizontalAdvance(samples[i]) + frame);
        if (i < PanelCount - 1) {
            label->setFixedWidth(width);
            bar->addWidget(label);
        } else {
            label->setMinimumWidth(width);
            bar->addWidget(label, 1); // reaches to the right edge
        }
        m_panels[i] = label;
    }
    bar->setSizeGripEnabled(true);

    m_idle.setSingleShot(true);
    m_idle.setInterval(0);
    connect(&m_idle, &QTimer::timeout, this, &TStatusPanels::idle);
    m_messageHold.setSingleShot(true);
    m_messageHold.setInterval(3000);
    connect(&m_messageHold, &QTimer::timeout, this, [this] {
        setPanel(7, m_heldHint);
        ScheduleIdle();
    });
    m_caretRetry.setSingleShot(true);
    m_caretRetry.setInterval(0);
    connect(&m_caretRetry, &QTimer::timeout, this, [this] {
        if (m_pendingCaret)
            ShowCaret(m_pendingCaret);
    });
    qApp->installEventFilter(this);
}

TStatusPanels::~TStatusPanels()
{
    qApp->removeEventFilter(this);
}

void TStatusPanels::WatchPage(TTabSheet *page)
{
    TRxRichEdit *editor = page->Editor();
    if (!editor)
        return;
    connect(editor, &TRxRichEdit::SelectionChanged, this, &TStatusPanels::ShowCaret);
    // A large file coming in: how far it is, and why Delete at the end of its part does nothing yet.
    // A command that waits for the whole text says so for as long as it waits.
    auto awaiting = std::make_shared<bool>(false);
    connect(page->Doc(), &Document::LoadProgress, this, [this, awaiting](int percent) {
        if (!*awaiting)
            ShowHint(percent < 100 ? tr("Načítá se: %1 %").arg(percent) : QString());
    });
    connect(page->Doc(), &Document::AwaitingWhole, this, [this, awaiting](bool waiting) {
        *awaiting = waiting;
        ShowHint(waiting ? tr("Načítá se celý text…") : QString());
        if (waiting)
            QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        else
            QGuiApplication::restoreOverrideCursor();
    });
    connect(page->Doc(), &QObject::destroyed, this, [awaiting] { // closed while waiting
        if (*awaiting)
            QGuiApplication::restoreOverrideCursor();
    });
    connect(editor, &TRxRichEdit::LoadBlocked, this, [this](TRxRichEdit *e) {
        const QString why = tr("Soubor se ještě načítá: za koncem načtené části zatím nelze mazat.");
        if (!ShowMessage(why)) // the status bar is hidden: said at the caret instead
            QToolTip::showText(e->viewport()->mapToGlobal(e->cursorRect().bottomLeft()), why, e);
    });
}

QLabel *TStatusPanels::Panel(int panel) const
{
    return panel >= 1 && panel <= PanelCount ? m_panels[panel - 1] : nullptr;
}

QString TStatusPanels::PanelText(int panel) const
{
    const QLabel *label = Panel(panel);
    return label ? label->text() : QString();
}

void TStatusPanels::setPanel(int panel, const QString &text)
{
    QLabel *label = m_panels[panel - 1];
    if (label->text() == text)
        return;
    label->setText(text);
    // A number wider than the panel widens it (never narrows it back, so panels do not
    // jump while the caret moves).
    if (panel < PanelCount) {
        const int needed = label->fontMetrics().horizontalAdvance(text) + 2 * label->frameWidth() + 6;
        if (needed > label->width())
            label->setFixedWidth(needed);
    }
}

void TStatusPanels::ShowCaret(TRxRichEdit *editor)
{
    if (!editor)
        return;
    const int selStart = editor->SelStart();
    int line = 0;
    // On a huge text just loaded or re-wrapped the display lines before the caret may not
    // be counted yet: the caret moves at once, and the line and column follow when the
    // counting, done in short slices, reaches it.
    if (!editor->TryLineFromChar(selStart, m_pendingCaret == editor ? RetryBudgetMs : CaretBudgetMs, &line)) {
        const StatusText::Caret caret = StatusText::CaretPanels(selStart, 0, 0);
        setPanel(1, QString());
        setPanel(2, QString());
        setPanel(3, caret.position);
        m_pendingCaret = editor;
        m_caretRetry.start();
        return;
    }
    m_pendingCaret = nullptr;
    const int lineStart = editor->LineStart(line);
    const StatusText::Caret caret =
        StatusText::CaretPanels(selStart, line, lineStart >= 0 ? lineStart : selStart);
    setPanel(1, caret.line);
    setPanel(2, caret.column);
    setPanel(3, caret.position);
}

void TStatusPanels::UpdateKeyPanels()
{
    const TRxRichEdit *editor = m_activeEditor ? m_activeEditor() : nullptr;
    const TKeyboardLocks locks = m_readLocks ? m_readLocks() : TKeyboardLocks{};
    const StatusText::Keys keys =
        StatusText::KeyPanels(editor && editor->overwriteMode(), locks.known, locks.capsLock, locks.numLock);
    setPanel(4, keys.insert);
    setPanel(5, keys.caps);
    setPanel(6, keys.num);
}

void TStatusPanels::ShowHint(const QString &longHint)
{
    if (m_messageHold.isActive())
        m_heldHint = longHint;
    else
        setPanel(7, longHint);
}

bool TStatusPanels::ShowMessage(const QString &text)
{
    if (m_bar->isHidden())
        return false;
    if (!m_messageHold.isActive())
        m_heldHint = m_panels[PanelCount - 1]->text();
    setPanel(7, text);
    m_messageHold.start();
    return true;
}

QString TStatusPanels::HintOf(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        QString hint;
        if (const auto *page = qobject_cast<const TTabSheet *>(w))
            hint = page->Hint();
        if (hint.isEmpty()) // an editor's own hint, set by Save As
            if (const auto *editor = qobject_cast<const TRxRichEdit *>(w))
                hint = editor->Hint();
        if (hint.isEmpty())
            hint = w->statusTip();
        if (!hint.isEmpty())
            return StatusText::LongHint(hint);
        if (w->isWindow())
            break;
    }
    return {};
}

void TStatusPanels::ScheduleIdle()
{
    if (!m_idle.isActive())
        m_idle.start();
}

void TStatusPanels::idle()
{
    UpdateKeyPanels();
    // While a menu is open, its highlighted item's hint holds the panel.
    if (QApplication::activePopupWidget())
        return;
    const QWidget *under = QApplication::widgetAt(QCursor::pos());
    ShowHint(under && belongsToWindow(under) ? HintOf(under) : QString());
}

bool TStatusPanels::belongsToWindow(const QObject *object) const
{
    for (const QObject *o = object; o; o = o->parent())
        if (o == m_window)
            return true;
    return false;
}

bool TStatusPanels::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::StatusTip:
        // A highlighted menu item or a widget with a hint of its own: the text goes to
        // panel 7 instead of replacing the panels with a message.
        if (belongsToWindow(watched)) {
            ShowHint(StatusText::LongHint(static_cast<QStatusTipEvent *>(event)->tip()));
            return true;
        }
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::WindowActivate:
    case QEvent::ApplicationStateChange:
        ScheduleIdle();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
