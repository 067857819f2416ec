#include "speedbar/TSpeedBar.h"

#include "settings/store/TFormStorage.h"
#include "settings/store/TSettingsKeys.h"
#include "speedbar/CommandImages.h"
#include "speedbar/TSpeedbarSetupWindow.h"
#include "speedbar/TSpeedButton.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>

// The surface the buttons sit on. Its own mouse events are those of the bar's empty area.
class TSpeedCanvas : public QWidget
{
public:
    explicit TSpeedCanvas(TSpeedBar *bar) : QWidget(bar), m_bar(bar)
    {
        setObjectName(QStringLiteral("SpeedCanvas"));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    QSize sizeHint() const override
    {
        const int thickness = m_bar->m_model.Thickness();
        return {thickness, thickness};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            m_bar->emptyPressed(event->globalPosition().toPoint());
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (event->buttons() & Qt::LeftButton)
            m_bar->emptyMoved(event->globalPosition().toPoint());
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            m_bar->emptyReleased();
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            m_bar->Customize();
    }
    void contextMenuEvent(QContextMenuEvent *event) override { event->accept(); }

private:
    TSpeedBar *m_bar;
};

namespace {

// The outline of the bar's would-be place while it is dragged: three dotted lines.
class TDockFrame : public QWidget
{
public:
    explicit TDockFrame(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("SpeedDockFrame"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        for (int i = 0; i < 3; ++i)
            painter.drawRect(rect().adjusted(i, i, -1 - i, -1 - i));
    }
};

Qt::ToolBarArea areaOf(TBarSide side)
{
    switch (side) {
    case TBarSide::Bottom:
        return Qt::BottomToolBarArea;
    case TBarSide::Left:
        return Qt::LeftToolBarArea;
    case TBarSide::Right:
        return Qt::RightToolBarArea;
    default:
        return Qt::TopToolBarArea;
    }
}

} // namespace

TSpeedBar::TSpeedBar(QWidget *parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("ToolBar"));
    setMovable(false);
    setFloatable(false);
    setAllowedAreas(Qt::AllToolBarAreas);
    toggleViewAction()->setVisible(false); // shown and hidden by the view menu alone
    m_canvas = new TSpeedCanvas(this);
    addWidget(m_canvas);
    zeroMargins();
    hide();
}

TSpeedBar::~TSpeedBar()
{
    cancelButtonDrag();
    if (m_setup) {
        disconnect(m_setup, nullptr, this, nullptr);
        delete m_setup.data();
    }
    delete m_barDrag.frame.data();
    if (m_barDrag.moving)
        QApplication::restoreOverrideCursor();
}

void TSpeedBar::zeroMargins()
{
    // The bar is exactly its buttons' thickness and the offsets: no frame, no spacing.
    if (QLayout *l = layout()) {
        l->setContentsMargins(0, 0, 0, 0);
        l->setSpacing(0);
    }
}

void TSpeedBar::changeEvent(QEvent *event)
{
    QToolBar::changeEvent(event);
    if (event->type() == QEvent::StyleChange)
        zeroMargins();
}

void TSpeedBar::paintEvent(QPaintEvent *)
{
    // No bevel and no border lines: the window's own background.
}

void TSpeedBar::SetItems(const QList<TSpeedBarItem> &items)
{
    cancelButtonDrag();
    qDeleteAll(m_buttons);
    m_buttons.clear();
    QList<TSpeedItem> design;
    QList<QAction *> actions;
    for (const TSpeedBarItem &from : items) {
        TSpeedItem item;
        item.section = from.section;
        item.name = from.name;
        item.caption = from.caption;
        item.image = from.image;
        item.shown = from.designLeft >= 0;
        item.pos =
            QPoint(item.shown ? from.designLeft : TSpeedBarModel::ButtonOffset, TSpeedBarModel::ButtonOffset);
        design.append(item);
        actions.append(from.action);
    }
    const TBarSide side = m_model.Side();
    m_model.SetDesign(design);
    m_model.Dock(side);
    for (int i = 0; i < m_model.Items().size(); ++i) {
        const TSpeedItem &item = m_model.Item(i);
        auto *button = new TSpeedButton(i, item.image, actions.at(i), m_canvas);
        button->setObjectName(item.name);
        button->setToolTip(item.caption);
        button->SetCustomizing(m_customizing);
        connect(button, &TSpeedButton::PickedUp, this, &TSpeedBar::buttonPickedUp);
        connect(button, &TSpeedButton::DragMoved, this, &TSpeedBar::buttonMoved);
        connect(button, &TSpeedButton::Dropped, this, &TSpeedBar::buttonDropped);
        m_buttons.append(button);
    }
    relayout();
    emit LayoutChanged();
}

TSpeedButton *TSpeedBar::Button(const QString &name) const
{
    const int index = m_model.IndexOf(name);
    return index >= 0 ? m_buttons.at(index) : nullptr;
}

void TSpeedBar::relayout()
{
    const QSize size = m_model.ButtonSize();
    for (int i = 0; i < m_buttons.size(); ++i) {
        const TSpeedItem &item = m_model.Item(i);
        m_buttons.at(i)->setGeometry(QRect(item.pos, size));
        m_buttons.at(i)->setVisible(item.shown);
    }
    m_canvas->updateGeometry();
    m_canvas->update();
}

QMainWindow *TSpeedBar::mainWindow() const
{
    return qobject_cast<QMainWindow *>(parentWidget());
}

// ---- customising ----

void TSpeedBar::Customize()
{
    if (m_setup) {
        if (m_setup->isMinimized())
            m_setup->showNormal();
        m_setup->show();
        m_setup->raise();
        m_setup->activateWindow();
        return;
    }
    m_setup = new TSpeedbarSetupWindow(this, window());
    connect(m_setup, &QDialog::finished, this, &TSpeedBar::endCustomize);
    connect(m_setup, &QObject::destroyed, this, &TSpeedBar::endCustomize);
    m_customizing = true;
    for (TSpeedButton *button : std::as_const(m_buttons))
        button->SetCustomizing(true);
    m_setup->show();
}

TSpeedbarSetupWindow *TSpeedBar::SetupWindow() const
{
    return m_setup;
}

void TSpeedBar::endCustomize()
{
    if (!m_customizing)
        return;
    m_customizing = false;
    cancelButtonDrag();
    for (TSpeedButton *button : std::as_const(m_buttons))
        button->SetCustomizing(false);
    emit CustomizeDone();
}

bool TSpeedBar::DropItem(int index, QPoint globalTopLeft)
{
    if (index < 0 || index >= m_buttons.size() || !m_canvas->isVisible())
        return false;
    const QPoint at = m_canvas->mapFromGlobal(globalTopLeft);
    if (!m_canvas->rect().contains(at))
        return false;
    const bool shown = m_model.Place(index, at, m_canvas->size());
    relayout();
    if (shown)
        m_buttons.at(index)->raise();
    emit LayoutChanged();
    return shown;
}

void TSpeedBar::buttonPickedUp(TSpeedButton *button, QPoint globalPos)
{
    cancelButtonDrag();
    // The copy keeps its bottom-right corner where the pointer would be had it been put on
    // the button's bottom-right corner: it starts exactly over the button.
    m_buttonDrag.button = button;
    m_buttonDrag.offset = button->mapToGlobal(QPoint(button->width(), button->height())) - globalPos;
    m_buttonDrag.copy =
        std::make_unique<TFloatingButton>(CommandImage(m_model.Item(button->Item()).image), button->size());
    button->SetLifted(true);
    buttonMoved(globalPos);
}

void TSpeedBar::buttonMoved(QPoint globalPos)
{
    if (!m_buttonDrag.copy)
        return;
    const QPoint corner = globalPos + m_buttonDrag.offset;
    const QPoint topLeft = corner - QPoint(m_buttonDrag.copy->width(), m_buttonDrag.copy->height());
    if (m_canvas->rect().contains(m_canvas->mapFromGlobal(topLeft)))
        m_buttonDrag.copy->MoveBottomRightTo(corner);
    else
        m_buttonDrag.copy->hide();
}

void TSpeedBar::buttonDropped(QPoint globalPos)
{
    if (!m_buttonDrag.copy || !m_buttonDrag.button)
        return;
    const QSize size = m_buttonDrag.copy->size();
    const int index = m_buttonDrag.button->Item();
    const QPoint topLeft = globalPos + m_buttonDrag.offset - QPoint(size.width(), size.height());
    cancelButtonDrag();
    if (!DropItem(index, topLeft)) {
        m_model.Hide(index); // dragged off the bar
        relayout();
        emit LayoutChanged();
    }
}

void TSpeedBar::cancelButtonDrag()
{
    if (m_buttonDrag.button)
        m_buttonDrag.button->SetLifted(false);
    m_buttonDrag.button = nullptr;
    m_buttonDrag.copy.reset();
}

// ---- moving the bar ----

QRect TSpeedBar::clientRect(const QMainWindow *window) const
{
    QRect client = window->rect();
    const QWidget *menu = window->menuWidget();
    if (menu && menu->isVisible() && menu->parentWidget() == window)
        client.setTop(menu->geometry().bottom() + 1);
    return client;
}

QRect TSpeedBar::dockRect(TBarSide side) const
{
    const QMainWindow *window = mainWindow();
    const QRect client = clientRect(window);
    int top = client.top(), bottom = client.bottom() + 1, left = client.left(), right = client.right() + 1;
    // The other bars docked before this one, and the status bar at the very bottom.
    for (const QToolBar *bar : window->findChildren<QToolBar *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (bar == this || !bar->isVisible() || bar->isFloating())
            continue;
        const QRect g = bar->geometry();
        switch (window->toolBarArea(bar)) {
        case Qt::TopToolBarArea:
            top = qMax(top, g.bottom() + 1);
            break;
        case Qt::BottomToolBarArea:
            bottom = qMin(bottom, g.top());
            break;
        case Qt::LeftToolBarArea:
            left = qMax(left, g.right() + 1);
            break;
        case Qt::RightToolBarArea:
            right = qMin(right, g.left());
            break;
        default:
            break;
        }
    }
    if (const auto *status = window->findChild<QStatusBar *>(QString(), Qt::FindDirectChildrenOnly))
        if (status->isVisible())
            bottom = qMin(bottom, status->geometry().top());
    const int t = m_model.Thickness(); // the thickness stays on any side
    switch (side) {
    case TBarSide::Bottom:
        return {client.left(), bottom - t, client.width(), t};
    case TBarSide::Left:
        return {left, top, t, bottom - top};
    case TBarSide::Right:
        return {right - t, top, t, bottom - top};
    default:
        return {client.left(), top, client.width(), t};
    }
}

void TSpeedBar::emptyPressed(QPoint globalPos)
{
    m_barDrag.pressed = mainWindow() != nullptr && !isFloating();
    m_barDrag.moving = false;
    m_barDrag.start = globalPos;
}

void TSpeedBar::emptyMoved(QPoint globalPos)
{
    QMainWindow *window = mainWindow();
    if (!m_barDrag.pressed || !window)
        return;
    if (!m_barDrag.moving) {
        const QPoint d = globalPos - m_barDrag.start;
        if (qAbs(d.x()) <= 4 && qAbs(d.y()) <= 4)
            return;
        m_barDrag.moving = true;
        m_barDrag.frame = new TDockFrame(window);
        QApplication::setOverrideCursor(Qt::DragMoveCursor);
    }
    m_barDrag.side = SpeedGrid::SideAt(clientRect(window), window->mapFromGlobal(globalPos));
    m_barDrag.frame->setGeometry(dockRect(m_barDrag.side));
    m_barDrag.frame->raise();
    m_barDrag.frame->show();
}

void TSpeedBar::emptyReleased()
{
    const bool moving = m_barDrag.moving;
    m_barDrag.pressed = m_barDrag.moving = false;
    if (!moving)
        return;
    delete m_barDrag.frame.data();
    QApplication::restoreOverrideCursor();
    DockTo(m_barDrag.side);
}

void TSpeedBar::DockTo(TBarSide side)
{
    const bool changed = m_model.Dock(side);
    applyDock();
    if (changed) {
        emit LayoutChanged();
        emit PositionChanged();
    }
}

void TSpeedBar::applyDock()
{
    setOrientation(m_model.Vertical() ? Qt::Vertical : Qt::Horizontal);
    QMainWindow *window = mainWindow();
    const Qt::ToolBarArea area = areaOf(m_model.Side());
    if (window && window->toolBarArea(this) != area) {
        const bool hidden = isHidden();
        window->addToolBar(area, this);
        setHidden(hidden);
    }
    relayout();
}

// ---- stored layout ----

QString TSpeedBar::LinkSection() const
{
    return SettingsKeys::SpeedBarLink;
}

void TSpeedBar::LoadSettings(TSettingsSession &session, const QString &key)
{
    const TBarSide before = m_model.Side();
    cancelButtonDrag();
    auto show = [this, before] {
        applyDock();
        emit LayoutChanged();
        if (m_model.Side() != before)
            emit PositionChanged();
    };
    try {
        m_model.Load(session, key, TFormStorage::PixelsPerInch());
    } catch (...) {
        show(); // the designed layout; the form storage tells the error
        throw;
    }
    show();
}

void TSpeedBar::SaveSettings(TSettingsSession &session, const QString &key)
{
    m_model.Save(session, key, TFormStorage::PixelsPerInch());
}
