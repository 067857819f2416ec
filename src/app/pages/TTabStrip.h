#pragma once

#include <QIcon>
#include <QWidget>

class QStyleOptionTab;
class QToolButton;

// The tab strip of the page control: one tab per document page, with an optional 16x16
// image per tab. Unlike QTabBar it can spread its tabs over several rows (multi-line
// mode); in single-row mode tabs that do not fit are reached with scroll arrows.
// The strip can sit above or below the pages (it is only told which, to draw its edge).
// Tabs may carry a close button; a click on it or a middle click on the tab asks for the
// tab to be closed (tabCloseRequested), which the strip itself never does.
class TTabStrip : public QWidget
{
    Q_OBJECT
public:
    explicit TTabStrip(QWidget *parent = nullptr);

    int addTab(const QString &text); // appended; returns its index
    void removeTab(int index);
    int count() const;

    QString tabText(int index) const;
    void setTabText(int index, const QString &text);
    QIcon tabIcon(int index) const;
    void setTabIcon(int index, const QIcon &icon); // null icon = no image

    int currentIndex() const;        // -1 when there are no tabs
    void setCurrentIndex(int index); // emits currentChanged when it changes

    bool multiLine() const;
    void setMultiLine(bool on);
    bool atBottom() const;
    void setAtBottom(bool bottom);

    bool tabsClosable() const { return m_closable; }
    void setTabsClosable(bool on);

    int tabAt(const QPoint &pos) const;         // -1 when none
    int closeButtonAt(const QPoint &pos) const; // the tab whose close button is there, or -1
    QRect tabRect(int index) const;             // empty when the tab is scrolled out of sight
    QRect tabCloseRect(int index) const;        // empty without close buttons or out of sight
    int rowCount() const;                       // rows in use at the current width

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    void currentChanged(int index);
    void tabCloseRequested(int index);

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    bool event(QEvent *e) override;

private:
    struct Tab
    {
        QString text;
        QIcon icon;
    };
    struct Placed
    {
        QRect rect;
        int row = 0;
    };
    QList<Placed> layoutTabs(int width, int *rows) const;
    int tabWidth(int index) const;
    int rowHeight() const;
    void relayout();
    void ensureLayout() const; // a hidden strip gets no resize events
    void contentsChanged();    // relayout and tell the parent's layout
    void initStyleOption(QStyleOptionTab *option, int index) const;
    int scrollButtonWidth() const;
    void scrollBy(int tabs);
    void makeCurrentVisible();
    void setHover(int index);
    QSize closeButtonSize() const;
    QRect closeRectInRow(int index) const; // in the coordinates the tab is drawn in

    QList<Tab> m_tabs;
    QList<Placed> m_placed; // in widget coordinates, single-row scrolling applied
    int m_current = -1;
    int m_firstVisible = 0; // single-row scrolling
    int m_rows = 1;
    int m_visibleWidth = 0; // single row: tabs are shown left of this
    int m_layoutWidth = -1; // the width m_placed was computed for
    int m_hover = -1;
    int m_hoverClose = -1;   // the close button under the mouse
    int m_pressedClose = -1; // the close button a left press began on
    int m_middlePressed = -1;
    bool m_closable = false;
    bool m_multiLine = false;
    bool m_atBottom = false;
    QToolButton *m_left = nullptr;
    QToolButton *m_right = nullptr;
};
