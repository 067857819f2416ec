#include "speedbar/TSpeedButton.h"

#include "speedbar/CommandImages.h"

#include <QAction>
#include <QMouseEvent>
#include <QStyleOptionToolButton>
#include <QStylePainter>

TSpeedButton::TSpeedButton(int item, int image, QAction *action, QWidget *parent)
    : QAbstractButton(parent), m_item(item), m_imageIndex(image), m_action(action)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (m_action && !m_customizing)
            m_action->trigger();
    });
    if (m_action)
        connect(m_action, &QAction::changed, this, &TSpeedButton::syncEnabled);
    syncEnabled();
}

const QIcon &TSpeedButton::image()
{
    if (!m_imageMade) {
        m_imageMade = true;
        m_image = CommandImage(m_imageIndex);
    }
    return m_image;
}

QSize TSpeedButton::sizeHint() const
{
    return size();
}

void TSpeedButton::SetCustomizing(bool on)
{
    m_customizing = on;
    m_dragging = false;
    setDown(false);
    syncEnabled();
    update();
}

void TSpeedButton::SetLifted(bool on)
{
    m_lifted = on;
    update();
}

void TSpeedButton::syncEnabled()
{
    setEnabled(m_customizing || !m_action || m_action->isEnabled());
}

bool TSpeedButton::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
        m_hover = true;
        update();
        break;
    case QEvent::HoverLeave:
        m_hover = false;
        update();
        break;
    default:
        break;
    }
    return QAbstractButton::event(event);
}

void TSpeedButton::paintEvent(QPaintEvent *)
{
    if (m_lifted)
        return;
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    option.initFrom(this);
    option.rect = rect();
    const bool hot = m_hover && isEnabled();
    if (isDown())
        option.state |= QStyle::State_Sunken;
    else if (m_customizing || hot)
        option.state |= QStyle::State_Raised;
    if (hot)
        option.state |= QStyle::State_MouseOver;
    if (!m_customizing)
        option.state |= QStyle::State_AutoRaise;
    if (isDown() || m_customizing || hot)
        painter.drawPrimitive(QStyle::PE_PanelButtonTool, option);

    const qreal ratio = devicePixelRatio();
    QPixmap image;
    if (!isEnabled())
        image = this->image().pixmap(QSize(CommandImages::Size, CommandImages::Size), ratio, QIcon::Disabled);
    else if (hot || isDown())
        image = this->image().pixmap(QSize(CommandImages::Size, CommandImages::Size), ratio);
    else
        image = CommandImages::Grayed(this->image(), ratio);
    QRect target(QPoint(0, 0), QSize(CommandImages::Size, CommandImages::Size));
    target.moveCenter(rect().center());
    if (isDown())
        target.translate(1, 1);
    painter.drawPixmap(target, image);
}

void TSpeedButton::mousePressEvent(QMouseEvent *event)
{
    if (!m_customizing) {
        QAbstractButton::mousePressEvent(event);
        return;
    }
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_dragging = true;
    event->accept();
    emit PickedUp(this, event->globalPosition().toPoint());
}

void TSpeedButton::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging) {
        QAbstractButton::mouseMoveEvent(event);
        return;
    }
    event->accept();
    emit DragMoved(event->globalPosition().toPoint());
}

void TSpeedButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragging) {
        QAbstractButton::mouseReleaseEvent(event);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    event->accept();
    emit Dropped(event->globalPosition().toPoint());
}

namespace SpeedButtonFace {

void Paint(QPainter &painter, const QRect &rect, const QIcon &image, const QWidget *widget)
{
    QStyleOptionToolButton option;
    if (widget)
        option.initFrom(widget);
    option.rect = rect;
    option.state = QStyle::State_Enabled | QStyle::State_Raised;
    const QStyle *style = widget ? widget->style() : nullptr;
    if (style)
        style->drawPrimitive(QStyle::PE_PanelButtonTool, &option, &painter, widget);
    QRect target(QPoint(0, 0), QSize(CommandImages::Size, CommandImages::Size));
    target.moveCenter(rect.center());
    const qreal ratio = widget ? widget->devicePixelRatio() : painter.device()->devicePixelRatio();
    painter.drawPixmap(target, image.pixmap(QSize(CommandImages::Size, CommandImages::Size), ratio));
}

} // namespace SpeedButtonFace

TFloatingButton::TFloatingButton(const QIcon &image, QSize size)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput
                           | Qt::WindowDoesNotAcceptFocus),
      m_image(image)
{
    setObjectName(QStringLiteral("SpeedDragCopy"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(size);
}

void TFloatingButton::MoveBottomRightTo(QPoint globalPos)
{
    move(globalPos - QPoint(width(), height()));
    if (!isVisible())
        show();
}

void TFloatingButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    SpeedButtonFace::Paint(painter, rect(), m_image, this);
}
