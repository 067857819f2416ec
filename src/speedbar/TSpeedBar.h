#pragma once

#include "settings/store/TStoreLink.h"
#include "speedbar/TSpeedBarModel.h"

#include <memory>
#include <QList>
#include <QPointer>
#include <QToolBar>

class QAction;
class QMainWindow;
class TFloatingButton;
class TSpeedButton;
class TSpeedbarSetupWindow;

// One command offered by the speed bar, as the main window's command table gives it.
struct TSpeedBarItem
{
    QString section;           // section caption, "Soubor"
    QString name;              // component name, "savebutton"
    QString caption;           // tooltip and the customising dialog's text, "Uložit"
    int image = -1;            // CommandImage number
    QAction *action = nullptr; // triggered on a click; its enabled state is the button's
    int designLeft = -1;       // left on the first layout (top 3), -1 if not on it
};

// ToolBar: the main window's speed bar. A tool bar of a QMainWindow holding one canvas on
// which the buttons sit where the user put them (24 x 23, offsets 3, snapped to a grid when
// dropped; they may overlap). The bar can be dragged by its empty area to any side of the
// window, and its buttons can be arranged in the customising dialog (Customize(), or a
// double click on the empty area). Its layout is stored through the window's form storage
// (a TStoreLink, section "TMainFormToolBar"). Hidden until the window shows it.
class TSpeedBar : public QToolBar, public TStoreLink
{
    Q_OBJECT
public:
    explicit TSpeedBar(QWidget *parent = nullptr);
    ~TSpeedBar() override;

    // The commands, in section order (the main window's come from its command table);
    // replaces any earlier ones and returns to the designed layout.
    void SetItems(const QList<TSpeedBarItem> &items);

    // Opens the customising dialog, or brings up the one already open (restoring it if
    // minimised).
    void Customize();
    bool Customizing() const { return m_customizing; }
    TSpeedbarSetupWindow *SetupWindow() const;

    // Docks at `side` of the main window the bar belongs to (None and Client mean the top);
    // a vertical side exchanges the buttons' left and top.
    void DockTo(TBarSide side);
    TBarSide Side() const { return m_model.Side(); }

    const TSpeedBarModel &Layout() const { return m_model; }
    TSpeedButton *Button(const QString &name) const;
    // The area the buttons sit on; its uncovered part is the bar's empty area.
    QWidget *Canvas() const { return m_canvas; }

    // Places item `index` with its top-left corner at `globalTopLeft` if that point is
    // over the shown bar (by the snap grid, in front of the others). Returns whether it is
    // on the bar now.
    bool DropItem(int index, QPoint globalTopLeft);

    QString LinkSection() const override;
    void LoadSettings(TSettingsSession &session, const QString &key) override;
    void SaveSettings(TSettingsSession &session, const QString &key) override;

signals:
    void PositionChanged(); // the docked side changed
    void CustomizeDone();   // the customising dialog closed
    void LayoutChanged();   // a button was put on or taken off the bar, or moved

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    friend class TSpeedCanvas;
    void relayout();
    void applyDock();
    void zeroMargins();
    void endCustomize();
    QMainWindow *mainWindow() const;
    QRect clientRect(const QMainWindow *window) const;
    QRect dockRect(TBarSide side) const;

    // A bar button picked up while customising.
    void buttonPickedUp(TSpeedButton *button, QPoint globalPos);
    void buttonMoved(QPoint globalPos);
    void buttonDropped(QPoint globalPos);
    void cancelButtonDrag();

    // Dragging the bar by its empty area.
    void emptyPressed(QPoint globalPos);
    void emptyMoved(QPoint globalPos);
    void emptyReleased();

    TSpeedBarModel m_model;
    QWidget *m_canvas = nullptr;
    QList<TSpeedButton *> m_buttons;
    QList<QAction *> m_actions;
    QPointer<TSpeedbarSetupWindow> m_setup;
    bool m_customizing = false;

    struct ButtonDrag
    {
        QPointer<TSpeedButton> button;
        QPoint offset; // from the pointer to where the copy's bottom-right corner goes
        std::unique_ptr<TFloatingButton> copy;
    } m_buttonDrag;

    struct BarDrag
    {
        bool pressed = false;
        bool moving = false;
        QPoint start;
        TBarSide side = TBarSide::Top;
        QPointer<QWidget> frame;
    } m_barDrag;
};
