#pragma once

#include <QAbstractButton>
#include <QIcon>
#include <QPointer>

class QAction;

// A speed bar button: a flat 16 x 16 image that shows its frame only under the pointer and
// draws its image in grey until the pointer is over it. A click triggers the item's action;
// the button is enabled exactly while the action is.
//
// While the bar is being customised the button is raised and enabled whatever its action,
// and pressing it picks it up instead: the press, the moves and the release that follow
// are reported as PickedUp, DragMoved and Dropped (global positions). The button receives
// them itself because the window system keeps sending a pressed mouse's events to it.
class TSpeedButton : public QAbstractButton
{
    Q_OBJECT
public:
    // image is a CommandImage number; the image is looked up when the button is first
    // painted, so a hidden bar costs no image files at start.
    TSpeedButton(int item, int image, QAction *action, QWidget *parent = nullptr);

    int Item() const { return m_item; }
    QAction *Action() const { return m_action; }

    void SetCustomizing(bool on);
    bool Customizing() const { return m_customizing; }
    // A picked-up button leaves an empty place while its floating copy moves.
    void SetLifted(bool on);
    bool Lifted() const { return m_lifted; }

    QSize sizeHint() const override;

signals:
    void PickedUp(TSpeedButton *button, QPoint globalPos);
    void DragMoved(QPoint globalPos);
    void Dropped(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void syncEnabled();

    const QIcon &image();

    int m_item;
    int m_imageIndex;
    QIcon m_image;
    bool m_imageMade = false;
    QPointer<QAction> m_action;
    bool m_customizing = false;
    bool m_lifted = false;
    bool m_dragging = false;
    bool m_hover = false;
};

// Draws a button face of the given size with a command image on it: the floating copy that
// follows the pointer while a button is dragged, and the pictures of the customising
// dialog's list.
namespace SpeedButtonFace {
void Paint(QPainter &painter, const QRect &rect, const QIcon &image, const QWidget *widget);
}

// The floating copy of a dragged button: a small window of its own above everything,
// placed by its bottom-right corner, which never takes the mouse or the focus.
class TFloatingButton : public QWidget
{
    Q_OBJECT
public:
    TFloatingButton(const QIcon &image, QSize size);
    // Shows the copy with its bottom-right corner at `globalPos`.
    void MoveBottomRightTo(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QIcon m_image;
};
