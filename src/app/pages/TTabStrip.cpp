#include "app/pages/TTabStrip.h"

#include <QEvent>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>
#include <QToolButton>
#include <QWheelEvent>

namespace {

constexpr int IconSide = 16; // the modified marker is a 16x16 image

// Tab texts are file names: an "&" in them is a character, not a mnemonic mark.
QString shownText(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    return shown;
}

} // namespace

TTabStrip::TTabStrip(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabStrip"));
    // Preferred, not Fixed: a fixed policy would cap the height for width at one row.
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setFocusPolicy(Qt::NoFocus); // the keyboard stays in the editor
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);

    m_left = new QToolButton(this);
    m_left->setObjectName(QStringLiteral("TabScrollLeft"));
    m_left->setArrowType(Qt::LeftArrow);
    m_right = new QToolButton(this);
    m_right->setObjectName(QStringLiteral("TabScrollRight"));
    m_right->setArrowType(Qt::RightArrow);
    for (QToolButton *b : {m_left, m_right}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->hide();
    }
    connect(m_left, &QToolButton::clicked, this, [this] { scrollBy(-1); });
    connect(m_right, &QToolButton::clicked, this, [this] { scrollBy(1); });
}

int TTabStrip::addTab(const QString &text)
{
    m_tabs.append({text, QIcon()});
    const int index = int(m_tabs.size()) - 1;
    if (m_current < 0) {
        m_current = 0;
        contentsChanged();
        emit currentChanged(0);
    } else {
        contentsChanged();
    }
    return index;
}

void TTabStrip::removeTab(int index)
{
    if (index < 0 || index >= m_tabs.size())
        return;
    m_tabs.removeAt(index);
    int next = m_current;
    if (m_tabs.isEmpty())
        next = -1;
    else if (index < m_current)
        next = m_current - 1; // the same tab, one place further left
    else if (index == m_current)
        next = index < m_tabs.size() ? index : 0; // the one that followed, wrapping
    // Emitted whenever the current tab or its index changed, so the page stack follows.
    const bool changed = index <= m_current;
    m_current = next;
    m_hover = m_hoverClose = m_pressedClose = m_middlePressed = -1;
    if (m_firstVisible > 0 && index < m_firstVisible)
        --m_firstVisible;
    makeCurrentVisible();
    contentsChanged();
    if (changed)
        emit currentChanged(m_current);
}

int TTabStrip::count() const
{
    return int(m_tabs.size());
}

QString TTabStrip::tabText(int index) const
{
    return index >= 0 && index < m_tabs.size() ? m_tabs.at(index).text : QString();
}

void TTabStrip::setTabText(int index, const QString &text)
{
    if (index < 0 || index >= m_tabs.size() || m_tabs.at(index).text == text)
        return;
    m_tabs[index].text = text;
    contentsChanged();
}

QIcon TTabStrip::tabIcon(int index) const
{
    return index >= 0 && index < m_tabs.size() ? m_tabs.at(index).icon : QIcon();
}

void TTabStrip::setTabIcon(int index, const QIcon &icon)
{
    if (index < 0 || index >= m_tabs.size())
        return;
    if (m_tabs.at(index).icon.isNull() && icon.isNull())
        return;
    m_tabs[index].icon = icon;
    contentsChanged();
}

int TTabStrip::currentIndex() const
{
    return m_current;
}

void TTabStrip::setCurrentIndex(int index)
{
    if (index < 0 || index >= m_tabs.size() || index == m_current)
        return;
    m_current = index;
    makeCurrentVisible();
    relayout(); // in multi-line mode the row of the current tab moves next to the pages
    emit currentChanged(index);
}

bool TTabStrip::multiLine() const
{
    return m_multiLine;
}

void TTabStrip::setMultiLine(bool on)
{
    if (m_multiLine == on)
        return;
    m_multiLine = on;
    m_firstVisible = 0;
    makeCurrentVisible();
    contentsChanged();
}

bool TTabStrip::atBottom() const
{
    return m_atBottom;
}

void TTabStrip::setAtBottom(bool bottom)
{
    if (m_atBottom == bottom)
        return;
    m_atBottom = bottom;
    relayout();
}

void TTabStrip::setTabsClosable(bool on)
{
    if (m_closable == on)
        return;
    m_closable = on;
    m_hoverClose = m_pressedClose = -1;
    contentsChanged();
}

QSize TTabStrip::closeButtonSize() const
{
    return QSize(style()->pixelMetric(QStyle::PM_TabCloseIndicatorWidth, nullptr, this),
                 style()->pixelMetric(QStyle::PM_TabCloseIndicatorHeight, nullptr, this));
}

void TTabStrip::initStyleOption(QStyleOptionTab *option, int index) const
{
    option->initFrom(this);
    option->state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    option->shape = m_atBottom ? QTabBar::RoundedSouth : QTabBar::RoundedNorth;
    option->iconSize = QSize(IconSide, IconSide);
    option->documentMode = false;
    if (m_closable)
        option->rightButtonSize = closeButtonSize(); // the label makes room for it
    if (index < 0 || index >= m_tabs.size())
        return;
    option->text = shownText(m_tabs.at(index).text);
    option->icon = m_tabs.at(index).icon;
    option->tabIndex = index;
    if (index == m_current)
        option->state |= QStyle::State_Selected;
    if (index == m_hover && isEnabled())
        option->state |= QStyle::State_MouseOver;
}

int TTabStrip::tabWidth(int index) const
{
    // The same sum QTabBar makes, so the tabs have the style's own proportions.
    QStyleOptionTab opt;
    initStyleOption(&opt, index);
    const int hframe = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &opt, this);
    const int vframe = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &opt, this);
    const QFontMetrics fm = fontMetrics();
    int w = fm.size(Qt::TextShowMnemonic, opt.text).width() + hframe;
    if (!opt.icon.isNull())
        w += IconSide + 4;
    if (m_closable)
        w += opt.rightButtonSize.width() + 4;
    const QSize contents(w, qMax(fm.height(), IconSide) + vframe);
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &opt, contents, this).width();
}

int TTabStrip::rowHeight() const
{
    // Room for the marker image on every tab, so rows keep their height when it appears.
    QStyleOptionTab opt;
    initStyleOption(&opt, -1);
    opt.text = QStringLiteral("Xg");
    const int vframe = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &opt, this);
    const QSize contents(20, qMax(fontMetrics().height(), IconSide) + vframe);
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &opt, contents, this).height();
}

int TTabStrip::scrollButtonWidth() const
{
    return qMax(style()->pixelMetric(QStyle::PM_TabBarScrollButtonWidth, nullptr, this), 12);
}

QList<TTabStrip::Placed> TTabStrip::layoutTabs(int width, int *rows) const
{
    const int n = int(m_tabs.size());
    QList<Placed> placed(n);
    *rows = 0;
    if (n == 0)
        return placed;
    const int h = rowHeight();
    width = qMax(width, 1);

    QList<int> widths(n);
    for (int i = 0; i < n; ++i)
        widths[i] = tabWidth(i);

    if (!m_multiLine) {
        int x = 0;
        for (int i = 0; i < n; ++i) {
            placed[i] = {QRect(x, 0, widths.at(i), h), 0};
            x += widths.at(i);
        }
        *rows = 1;
        return placed;
    }

    // Flow the tabs into rows; a tab wider than the strip gets a row of its own.
    QList<int> rowStart{0};
    int x = 0;
    for (int i = 0; i < n; ++i) {
        if (x > 0 && x + widths.at(i) > width) {
            rowStart.append(i);
            x = 0;
        }
        placed[i].row = int(rowStart.size()) - 1;
        x += widths.at(i);
    }
    const int rowTotal = int(rowStart.size());
    rowStart.append(n);

    // With more than one row every row is stretched to the full width, as the native
    // multi-line tab control does.
    for (int r = 0; r < rowTotal; ++r) {
        const int first = rowStart.at(r), end = rowStart.at(r + 1), count = end - first;
        int sum = 0;
        for (int i = first; i < end; ++i)
            sum += widths.at(i);
        const int extra = rowTotal > 1 ? qMax(0, width - sum) : 0;
        int left = 0;
        for (int i = first; i < end; ++i) {
            int w = widths.at(i) + extra / count + ((i - first) < extra % count ? 1 : 0);
            w = qMin(w, width - left);
            placed[i].rect = QRect(left, 0, qMax(w, 1), h);
            left += w;
        }
    }

    // The row holding the current tab lies next to the pages; the others keep their
    // cyclic order behind it.
    const int selRow = m_current >= 0 && m_current < n ? placed.at(m_current).row : 0;
    for (int i = 0; i < n; ++i) {
        const int distance = (placed.at(i).row - selRow + rowTotal) % rowTotal;
        const int visual = m_atBottom ? distance : rowTotal - 1 - distance;
        placed[i].rect.moveTop(visual * h);
    }
    *rows = rowTotal;
    return placed;
}

void TTabStrip::ensureLayout() const
{
    if (m_layoutWidth != width())
        const_cast<TTabStrip *>(this)->relayout();
}

void TTabStrip::relayout()
{
    m_layoutWidth = width();
    m_placed = layoutTabs(width(), &m_rows);
    m_visibleWidth = width();
    bool scrolling = false;
    if (!m_multiLine && !m_placed.isEmpty()) {
        const int total = m_placed.constLast().rect.right() + 1;
        scrolling = total > width();
        if (scrolling) {
            const int bw = scrollButtonWidth();
            m_visibleWidth = qMax(0, width() - 2 * bw);
            // Never scroll further than needed to show the last tab.
            int maxFirst = int(m_placed.size()) - 1;
            while (maxFirst > 0 && total - m_placed.at(maxFirst - 1).rect.left() <= m_visibleWidth)
                --maxFirst;
            m_firstVisible = qBound(0, m_firstVisible, maxFirst);
            const int offset = m_placed.at(m_firstVisible).rect.left();
            for (Placed &p : m_placed)
                p.rect.translate(-offset, 0);
            const int h = rowHeight();
            m_left->setGeometry(m_visibleWidth, 0, bw, h);
            m_right->setGeometry(m_visibleWidth + bw, 0, bw, h);
            m_left->setEnabled(m_firstVisible > 0);
            m_right->setEnabled(m_firstVisible < maxFirst);
        } else {
            m_firstVisible = 0;
        }
    } else {
        m_firstVisible = 0;
    }
    m_left->setVisible(scrolling);
    m_right->setVisible(scrolling);
    update();
}

void TTabStrip::contentsChanged()
{
    relayout();
    updateGeometry();
}

void TTabStrip::makeCurrentVisible()
{
    if (m_multiLine || m_current < 0)
        return;
    if (m_current < m_firstVisible) {
        m_firstVisible = m_current;
        return;
    }
    // Unscrolled positions: advance the first visible tab until the current one fits.
    int rows = 0;
    const QList<Placed> plain = layoutTabs(width(), &rows);
    const int total = plain.isEmpty() ? 0 : plain.constLast().rect.right() + 1;
    if (total <= width())
        return;
    const int visible = qMax(0, width() - 2 * scrollButtonWidth());
    while (m_firstVisible < m_current
           && plain.at(m_current).rect.right() + 1 - plain.at(m_firstVisible).rect.left() > visible)
        ++m_firstVisible;
}

void TTabStrip::scrollBy(int tabs)
{
    const int before = m_firstVisible;
    m_firstVisible = qMax(0, m_firstVisible + tabs);
    relayout(); // clamps
    if (m_firstVisible != before)
        setHover(-1);
}

int TTabStrip::rowCount() const
{
    ensureLayout();
    return m_rows;
}

QSize TTabStrip::sizeHint() const
{
    int rows = 0;
    const QList<Placed> plain = layoutTabs(QWIDGETSIZE_MAX, &rows);
    const int total = plain.isEmpty() ? 0 : plain.constLast().rect.right() + 1;
    return QSize(qMax(total, minimumSizeHint().width()), rowHeight());
}

QSize TTabStrip::minimumSizeHint() const
{
    return QSize(2 * scrollButtonWidth() + 20, rowHeight());
}

int TTabStrip::heightForWidth(int width) const
{
    if (!m_multiLine)
        return rowHeight();
    int rows = 0;
    layoutTabs(width, &rows);
    return qMax(rows, 1) * rowHeight();
}

QRect TTabStrip::tabRect(int index) const
{
    ensureLayout();
    if (index < 0 || index >= m_placed.size())
        return {};
    QRect r = m_placed.at(index).rect;
    if (!m_multiLine)
        r = r.intersected(QRect(0, 0, m_visibleWidth, height()));
    return r;
}

QRect TTabStrip::closeRectInRow(int index) const
{
    QStyleOptionTab opt;
    initStyleOption(&opt, index);
    const QRect tab = m_placed.at(index).rect;
    opt.rect = tab.translated(0, -tab.top());
    QRect r = style()->subElementRect(QStyle::SE_TabBarTabRightButton, &opt, this);
    if (!r.isValid() || r.isEmpty()) { // a style without the element: at the right edge
        const QSize s = closeButtonSize();
        r = QRect(opt.rect.right() - s.width() - 4, (opt.rect.height() - s.height()) / 2, s.width(),
                  s.height());
    }
    return r;
}

QRect TTabStrip::tabCloseRect(int index) const
{
    ensureLayout();
    if (!m_closable || index < 0 || index >= m_placed.size())
        return {};
    const QRect r = closeRectInRow(index).translated(0, m_placed.at(index).rect.top());
    if (!m_multiLine && (r.left() < 0 || r.right() >= m_visibleWidth))
        return {}; // not (wholly) in sight
    return r;
}

int TTabStrip::closeButtonAt(const QPoint &pos) const
{
    const int i = tabAt(pos);
    return i >= 0 && tabCloseRect(i).contains(pos) ? i : -1;
}

int TTabStrip::tabAt(const QPoint &pos) const
{
    ensureLayout();
    if (!m_multiLine && pos.x() >= m_visibleWidth)
        return -1; // under the scroll arrows
    for (int i = 0; i < m_placed.size(); ++i)
        if (m_placed.at(i).rect.contains(pos))
            return i;
    return -1;
}

void TTabStrip::paintEvent(QPaintEvent *)
{
    ensureLayout();
    QStylePainter p(this);

    // The edge towards the pages, interrupted by the current tab.
    QStyleOptionTabBarBase base;
    base.initFrom(this);
    base.shape = m_atBottom ? QTabBar::RoundedSouth : QTabBar::RoundedNorth;
    base.documentMode = false;
    const int overlap = qMax(1, style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this));
    base.rect = m_atBottom ? QRect(0, 0, width(), overlap) : QRect(0, height() - overlap, width(), overlap);
    if (m_current >= 0 && m_current < m_placed.size())
        base.selectedTabRect = m_placed.at(m_current).rect;
    base.tabBarRect = rect();
    p.drawPrimitive(QStyle::PE_FrameTabBarBase, base);

    if (!m_multiLine)
        p.setClipRect(QRect(0, 0, m_visibleWidth, height()));

    auto drawTab = [&](int i) {
        const QRect r = m_placed.at(i).rect;
        if (!m_multiLine && (r.right() < 0 || r.left() >= m_visibleWidth))
            return;
        QStyleOptionTab opt;
        initStyleOption(&opt, i);
        // Styles draw a tab as QTabBar places it, at the top of the bar (Fusion flips a
        // bottom tab about that line), so each row is drawn from its own origin.
        opt.rect = r.translated(0, -r.top());
        // Position within its row, for the style's corner and neighbour drawing.
        const int row = m_placed.at(i).row;
        const bool firstInRow = i == 0 || m_placed.at(i - 1).row != row;
        const bool lastInRow = i == m_placed.size() - 1 || m_placed.at(i + 1).row != row;
        opt.position = firstInRow && lastInRow ? QStyleOptionTab::OnlyOneTab
                       : firstInRow            ? QStyleOptionTab::Beginning
                       : lastInRow             ? QStyleOptionTab::End
                                               : QStyleOptionTab::Middle;
        if (!lastInRow && i + 1 == m_current)
            opt.selectedPosition = QStyleOptionTab::NextIsSelected;
        else if (!firstInRow && i - 1 == m_current)
            opt.selectedPosition = QStyleOptionTab::PreviousIsSelected;
        else
            opt.selectedPosition = QStyleOptionTab::NotAdjacent;
        p.save();
        p.translate(0, r.top());
        p.drawControl(QStyle::CE_TabBarTab, opt);
        if (m_closable) {
            // Drawn as QTabBar's close button draws itself.
            QStyleOption button;
            button.initFrom(this);
            button.rect = closeRectInRow(i);
            button.state |= QStyle::State_AutoRaise;
            if (i == m_pressedClose && i == m_hoverClose)
                button.state |= QStyle::State_Sunken;
            else if (i == m_hoverClose && isEnabled())
                button.state |= QStyle::State_Raised;
            if (i == m_current)
                button.state |= QStyle::State_Selected;
            p.drawPrimitive(QStyle::PE_IndicatorTabClose, button);
        }
        p.restore();
    };
    for (int i = 0; i < m_placed.size(); ++i)
        if (i != m_current)
            drawTab(i);
    if (m_current >= 0 && m_current < m_placed.size())
        drawTab(m_current); // last, so it overlaps its neighbours
}

void TTabStrip::mousePressEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    if (e->button() == Qt::LeftButton) {
        const int close = closeButtonAt(pos);
        if (close >= 0) { // closes on release over the same button
            m_pressedClose = close;
            update();
            e->accept();
            return;
        }
        const int i = tabAt(pos);
        if (i >= 0) {
            setCurrentIndex(i);
            e->accept();
            return;
        }
    } else if (e->button() == Qt::MiddleButton) {
        m_middlePressed = tabAt(pos);
        if (m_middlePressed >= 0) {
            e->accept();
            return;
        }
    }
    QWidget::mousePressEvent(e);
}

void TTabStrip::mouseReleaseEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    int close = -1;
    if (e->button() == Qt::LeftButton && m_pressedClose >= 0) {
        if (closeButtonAt(pos) == m_pressedClose)
            close = m_pressedClose;
        m_pressedClose = -1;
        update();
    } else if (e->button() == Qt::MiddleButton && m_middlePressed >= 0) {
        if (tabAt(pos) == m_middlePressed)
            close = m_middlePressed;
        m_middlePressed = -1;
    } else {
        QWidget::mouseReleaseEvent(e);
        return;
    }
    e->accept();
    if (close >= 0)
        emit tabCloseRequested(close); // last: the tab may be gone afterwards
}

void TTabStrip::mouseMoveEvent(QMouseEvent *e)
{
    const int close = m_closable ? closeButtonAt(e->position().toPoint()) : -1;
    if (close != m_hoverClose) {
        m_hoverClose = close;
        update();
    }
    QWidget::mouseMoveEvent(e);
}

void TTabStrip::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    makeCurrentVisible();
    relayout();
}

void TTabStrip::wheelEvent(QWheelEvent *e)
{
    // The wheel scrolls a single row that does not fit; it never changes the page.
    if (!m_multiLine && m_left->isVisible()) {
        const QPoint delta = e->angleDelta();
        const int d = qAbs(delta.y()) >= qAbs(delta.x()) ? delta.y() : delta.x();
        if (d != 0) {
            scrollBy(d > 0 ? -1 : 1);
            e->accept();
            return;
        }
    }
    QWidget::wheelEvent(e);
}

void TTabStrip::setHover(int index)
{
    if (m_hover == index)
        return;
    m_hover = index;
    update();
}

bool TTabStrip::event(QEvent *e)
{
    switch (e->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        setHover(tabAt(static_cast<QHoverEvent *>(e)->position().toPoint()));
        break;
    case QEvent::HoverLeave:
        setHover(-1);
        if (m_hoverClose >= 0) {
            m_hoverClose = -1;
            update();
        }
        break;
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
        contentsChanged();
        break;
    default:
        break;
    }
    return QWidget::event(e);
}
